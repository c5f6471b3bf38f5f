// Walls for the zone and path tests and benchmarks: a closed ring of towers and palisades, with
// or without a gate, placed finished for the current owner.
#pragma once

#include "Strategy_library.h"

// Towers on the corners of the rectangle (x0, y0)–(x1, y1), palisades between them (turned by
// 90 degrees on the sides running along y) and, unless `brana_x` is -1, a gate at (brana_x, y0)
// placed last, so it starts closed. Returns the gate's object id, or -1.
inline int kruh(int x0, int y0, int x1, int y1, int brana_x = -1,
                int veza = Strategy_library::S_L::drevenna_veza) {
    using W = Strategy_library::S_L;
    for (int x : {x0, x1})
        for (int y : {y0, y1}) strategy.pridaj_budovu(x, y, 0.0f, veza, 1);
    for (int i = x0 + 1; i < x1; ++i) {
        if (i != brana_x) strategy.pridaj_budovu(i, y0, 0.0f, W::drevena_palisada, 1);
        strategy.pridaj_budovu(i, y1, 0.0f, W::drevena_palisada, 1);
    }
    for (int j = y0 + 1; j < y1; ++j) {
        strategy.pridaj_budovu(x0, j, 90.0f, W::drevena_palisada, 1);
        strategy.pridaj_budovu(x1, j, 90.0f, W::drevena_palisada, 1);
    }
    if (brana_x < 0) return -1;
    strategy.pridaj_budovu(brana_x, y0, 0.0f, W::drevena_brana, 1);
    return strategy.point_id_of_objekt(brana_x, y0);
}
