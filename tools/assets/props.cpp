#include "props.h"

#include <cmath>

namespace assets {

void yard(Mesh& m, double x0, double z0, double x1, double z1, Rgb c) {
    m.ground_quad(x0, z0, x1, z1, 0.002, c);
}

void front_door(Mesh& m, double x, double zf, double w, double h, Rgb c) {
    m.box(x - w / 2 - 0.008, 0, zf - 0.008, x + w / 2 + 0.008, h + 0.008, zf + 0.001, pal::timber);
    m.box(x - w / 2, 0, zf - 0.012, x + w / 2, h, zf, c);
}

void front_window(Mesh& m, double x, double y, double zf, double w, double h) {
    m.box(x - w / 2 - 0.008, y - h / 2 - 0.008, zf - 0.006, x + w / 2 + 0.008, y + h / 2 + 0.008,
          zf + 0.001, pal::timber);
    m.box(x - w / 2, y - h / 2, zf - 0.009, x + w / 2, y + h / 2, zf, pal::glass);
}

void side_window(Mesh& m, double xf, int out, double z, double y, double w, double h) {
    double o = out > 0 ? 1.0 : -1.0;
    m.box(xf - o * 0.001, y - h / 2 - 0.008, z - w / 2 - 0.008, xf + o * 0.006, y + h / 2 + 0.008,
          z + w / 2 + 0.008, pal::timber);
    m.box(xf, y - h / 2, z - w / 2, xf + o * 0.009, y + h / 2, z + w / 2, pal::glass);
}

void framed_walls(Mesh& m, double x0, double z0, double x1, double z1, double h, Rgb wall) {
    m.box(x0, 0, z0, x1, h, z1, wall);
    const double t = 0.016;
    for (double cx : {x0, x1})
        for (double cz : {z0, z1}) m.box(cx - t, 0, cz - t, cx + t, h, cz + t, pal::timber);
    m.box(x0 - 0.006, h - 0.022, z0 - 0.006, x1 + 0.006, h, z1 + 0.006, pal::timber);
    m.box(x0, h * 0.52 - 0.008, z0 - 0.005, x1, h * 0.52 + 0.008, z0, pal::timber);
    m.box(x0 - 0.005, h * 0.52 - 0.008, z0, x0, h * 0.52 + 0.008, z1, pal::timber);
    m.box(x1, h * 0.52 - 0.008, z0, x1 + 0.005, h * 0.52 + 0.008, z1, pal::timber);
    // Braces in the lower panels at both front corners.
    double bw = std::min(0.09, (x1 - x0) * 0.25);
    m.beam({x0 + 0.01, 0.01, z0 - 0.004}, {x0 + bw, h * 0.5, z0 - 0.004}, 0.006, pal::timber);
    m.beam({x1 - 0.01, 0.01, z0 - 0.004}, {x1 - bw, h * 0.5, z0 - 0.004}, 0.006, pal::timber);
}

void log_walls(Mesh& m, double x0, double z0, double x1, double z1, double h, Rgb logs) {
    m.box(x0, 0, z0, x1, h, z1, logs);
    Rgb dark = mix(logs, pal::timber, 0.6);
    int courses = static_cast<int>(h / 0.045);
    for (int i = 1; i <= courses; ++i) {
        double y = h * i / (courses + 1);
        m.box(x0 - 0.012, y - 0.006, z0 - 0.005, x1 + 0.012, y + 0.006, z0, dark);
        m.box(x0 - 0.005, y - 0.006, z0, x0, y + 0.006, z1, dark);
        m.box(x1, y - 0.006, z0, x1 + 0.005, y + 0.006, z1, dark);
    }
}

void pine_tree(Mesh& m, double x, double z, double h) {
    m.cylinder(x, z, 0.018, 0, h * 0.3, 5, pal::timber);
    Rgb shades[3] = {pal::pine, mix(pal::pine, pal::leaf, 0.25), mix(pal::pine, pal::leaf, 0.45)};
    m.cone(x, z, h * 0.30, h * 0.18, h * 0.62, 7, shades[0]);
    m.cone(x, z, h * 0.24, h * 0.40, h * 0.84, 7, shades[1], 0.0);
    m.cone(x, z, h * 0.16, h * 0.62, h, 7, shades[2]);
}

void leafy_tree(Mesh& m, double x, double z, double h, Rgb crown) {
    m.cylinder(x, z, 0.02, 0, h * 0.45, 5, pal::timber);
    double r = h * 0.32;
    m.frustum(x, z, r * 0.55, r, h * 0.35, h * 0.62, 7, crown, false);
    m.frustum(x, z, r, r * 0.55, h * 0.62, h * 0.88, 7, mix(crown, Rgb{0.6, 0.8, 0.3}, 0.15));
    m.cone(x, z, r * 0.55, h * 0.88, h, 7, mix(crown, Rgb{0.6, 0.8, 0.3}, 0.25));
}

void barrel(Mesh& m, double x, double z, double r, double h) {
    m.frustum(x, z, r * 0.9, r, 0, h * 0.5, 8, pal::planks, false);
    m.frustum(x, z, r, r * 0.9, h * 0.5, h, 8, pal::planks);
    m.frustum(x, z, r * 1.02, r * 1.02, h * 0.22, h * 0.28, 8, pal::iron, false);
    m.frustum(x, z, r * 1.02, r * 1.02, h * 0.72, h * 0.78, 8, pal::iron, false);
}

void crate(Mesh& m, double x, double z, double s, double y) {
    m.box(x - s / 2, y, z - s / 2, x + s / 2, y + s, z + s / 2, pal::wood);
    m.box(x - s / 2 - 0.003, y + s * 0.4, z - s / 2 - 0.003, x + s / 2 + 0.003, y + s * 0.6,
          z + s / 2 + 0.003, pal::planks);
}

void log_pile(Mesh& m, double x, double z, double len, double r, int rows) {
    Rgb bark = mix(pal::timber, pal::wood, 0.3), cut{0.86, 0.70, 0.46};
    for (int row = 0; row < rows; ++row) {
        int n = rows - row;
        for (int i = 0; i < n; ++i) {
            double cz = z + (i - (n - 1) / 2.0) * 2 * r;
            double cy = r + row * r * 1.7;
            m.tube({x - len / 2, cy, cz}, {x + len / 2, cy, cz}, r, 6, bark, cut);
        }
    }
}

void fence(Mesh& m, double x0, double z0, double x1, double z1, double h, int posts) {
    for (int i = 0; i < posts; ++i) {
        double t = posts > 1 ? static_cast<double>(i) / (posts - 1) : 0.0;
        double x = x0 + (x1 - x0) * t, z = z0 + (z1 - z0) * t;
        m.box(x - 0.01, 0, z - 0.01, x + 0.01, h, z + 0.01, pal::timber);
    }
    m.beam({x0, h * 0.75, z0}, {x1, h * 0.75, z1}, 0.006, pal::wood);
    m.beam({x0, h * 0.35, z0}, {x1, h * 0.35, z1}, 0.006, pal::wood);
}

void anvil(Mesh& m, double x, double z) {
    m.box(x - 0.03, 0, z - 0.025, x + 0.03, 0.05, z + 0.025, pal::timber);
    m.box(x - 0.022, 0.05, z - 0.012, x + 0.022, 0.075, z + 0.012, pal::iron);
    m.box(x - 0.04, 0.075, z - 0.018, x + 0.04, 0.095, z + 0.018, pal::iron);
}

void banner(Mesh& m, double x, double z, double h, Rgb cloth, double s) {
    m.cylinder(x, z, 0.008 * s, 0, h, 5, pal::timber);
    m.beam({x - 0.005, h - 0.02, z - 0.01}, {x + 0.12 * s, h - 0.02, z - 0.01}, 0.004 * s,
           pal::timber);
    const double w = 0.11 * s, d = 0.15 * s, zc = z - 0.012;
    m.panel({{x + 0.005, h - 0.02, zc},
             {x + 0.005, h - 0.02 - d, zc},
             {x + 0.005 + w / 2, h - 0.02 - d * 0.8, zc},
             {x + 0.005 + w, h - 0.02 - d, zc},
             {x + 0.005 + w, h - 0.02, zc}},
            cloth);
    // A white stripe across the cloth so the colour reads against any roof.
    m.panel({{x + 0.005, h - 0.02 - d * 0.25, zc - 0.002},
             {x + 0.005, h - 0.02 - d * 0.40, zc - 0.002},
             {x + 0.005 + w, h - 0.02 - d * 0.40, zc - 0.002},
             {x + 0.005 + w, h - 0.02 - d * 0.25, zc - 0.002}},
            pal::white);
}

void sack(Mesh& m, double x, double z, double s) {
    Rgb linen{0.84, 0.76, 0.58};
    m.frustum(x, z, s * 0.45, s * 0.5, 0, s * 0.55, 6, linen, false);
    m.frustum(x, z, s * 0.5, s * 0.2, s * 0.55, s * 0.9, 6, linen);
}

}  // namespace assets
