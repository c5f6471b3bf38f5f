// Small reusable pieces of the building models: doors, windows, trees, barrels, fences.
#pragma once

#include <cstdint>

#include "assets.h"

namespace assets {

// Deterministic pseudo-random numbers for jitter in the models (fixed seeds, same output every
// run).
struct Rng {
    std::uint32_t s;
    explicit Rng(std::uint32_t seed) : s(seed) {}
    double next() {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / 16777216.0;
    }
    double range(double a, double b) { return a + (b - a) * next(); }
};

// Trodden ground under a building, a hair above the grass.
void yard(Mesh& m, double x0, double z0, double x1, double z1, Rgb c = pal::dirt);
// Door and window on a face: `zf` is the face's z, the piece sits just in front of it (toward -Z).
void front_door(Mesh& m, double x, double zf, double w, double h, Rgb c = pal::door);
void front_window(Mesh& m, double x, double y, double zf, double w, double h);
// Window on a side face at x = xf; `out` is +1 for the +X face, -1 for the -X face.
void side_window(Mesh& m, double xf, int out, double z, double y, double w, double h);
// Plastered walls with dark corner posts, a top plate and a mid rail on the front.
void framed_walls(Mesh& m, double x0, double z0, double x1, double z1, double h,
                  Rgb wall = pal::plaster);
// Horizontal log courses on the front and sides of a log-cabin box.
void log_walls(Mesh& m, double x0, double z0, double x1, double z1, double h, Rgb logs);
void pine_tree(Mesh& m, double x, double z, double h);
void leafy_tree(Mesh& m, double x, double z, double h, Rgb crown = pal::leaf);
void barrel(Mesh& m, double x, double z, double r, double h);
void crate(Mesh& m, double x, double z, double s, double y = 0.0);
// Logs lying along X, stacked in a triangle of `rows` rows.
void log_pile(Mesh& m, double x, double z, double len, double r, int rows);
// Post-and-rail fence from (x0, z0) to (x1, z1).
void fence(Mesh& m, double x0, double z0, double x1, double z1, double h, int posts);
void anvil(Mesh& m, double x, double z);
// A banner on a pole, the cloth facing the camera side (-Z).
void banner(Mesh& m, double x, double z, double h, Rgb cloth, double scale = 1.0);
void sack(Mesh& m, double x, double z, double s);

}  // namespace assets
