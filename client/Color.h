// The colour override of the scene shader: with "reColor" set every fragment takes "newColor".
// It stands in for a current colour: lines and glyphs drawn after a colour call take it, while
// every mesh draw resets it so meshes keep their own vertex colours.
#pragma once

// Sets "reColor" = 1 and "newColor" = (r, g, b) on the scene program.
void reColorShader(float r, float g, float b);
// Sets "reColor" = 0.
void resetShader();
// Tints what is drawn next toward (r, g, b) by a share of 0 … 1 ("reColor" = podiel): 0 keeps a
// mesh's own colours, 1 is the flat colour of the named colours.
void tonuj(float podiel, float r, float g, float b);
// The game's own current-colour call (not the library entry point): reColorShader.
void glColor3f(float r, float g, float b);

void white();
void black();
void blue();
void green();
void red();
void yellow();
void lila();
void cyan();
void gray();
// Palette colour n in 0 … 1330: tenths per channel; any other n changes nothing.
void Color(int n);

// The override in force, as last set (kept for tests and for code that must restore it).
struct S_override {
    bool zapnuty;
    float r, g, b;
    float podiel;  // the share of the colour: 1 for the named colours, less for a tint
};
extern S_override aktualna_farba;
