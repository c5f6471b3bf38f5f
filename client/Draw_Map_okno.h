// The square window of map tiles the world pass visits around the view centre.
#pragma once

struct S_okno_dlazdic {
    // Bounds as the world pass computes them: tiles x_lo - 1 … x_hi and y_lo - 1 … y_hi are
    // visited (those at 200 or beyond are skipped, being off the map).
    int x_lo, x_hi, y_lo, y_hi;
};

// The window for view centre (x, y): 8 tiles each way from the truncated centre, never below
// column 4 or row 0, never beyond the map's far edge.
S_okno_dlazdic okno_dlazdic(float x, float y);
