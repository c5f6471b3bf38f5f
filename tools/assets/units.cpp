// Ground tiles, soldiers, the battering ram and the floating markers.
#include <cmath>

#include "props.h"

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A ground tile: one base square plus scattered flecks (tufts, flowers, leaves, snow drifts).
// The flecks keep clear of the tile border so neighbouring tiles join without seams.
struct Fleck {
    Rgb colour;
    int count;
    double size;
};

Mesh ground_tile(const std::string& name, Rgb base, Rgb shade, std::initializer_list<Fleck> flecks,
                 std::uint32_t seed) {
    Mesh m(name);
    m.poly({{-0.5, 0, -0.5}, {-0.5, 0, 0.5}, {0.5, 0, 0.5}, {0.5, 0, -0.5}}, base, Shade::Flat);
    Rng r(seed);
    // Broad soft patches of a second tone.
    for (int i = 0; i < 3; ++i) {
        double cx = r.range(-0.25, 0.25), cz = r.range(-0.25, 0.25), rad = r.range(0.10, 0.17);
        std::vector<V3> pts;
        for (int k = 0; k < 7; ++k) {
            double a = 2 * kPi * k / 7, rr = rad * r.range(0.7, 1.0);
            pts.push_back({cx + rr * std::sin(a), 0.001, cz + rr * std::cos(a)});
        }
        if (newell(pts).y < 0) pts = std::vector<V3>(pts.rbegin(), pts.rend());
        m.poly(pts, shade, Shade::Flat);
    }
    for (const Fleck& f : flecks) {
        for (int i = 0; i < f.count; ++i) {
            double cx = r.range(-0.44, 0.44), cz = r.range(-0.44, 0.44);
            double a = r.range(0, 2 * kPi), s = f.size * r.range(0.7, 1.2);
            V3 p0{cx + s * std::sin(a), 0.002, cz + s * std::cos(a)};
            V3 p1{cx + s * std::sin(a + 2.3), 0.002, cz + s * std::cos(a + 2.3)};
            V3 p2{cx + s * std::sin(a + 4.1), 0.002, cz + s * std::cos(a + 4.1)};
            std::vector<V3> t = {p0, p1, p2};
            if (newell(t).y < 0) t = {p0, p2, p1};
            m.poly(t, f.colour, Shade::Flat);
        }
    }
    return m;
}

// Soldier figure, facing +Z, about 0.05 wide and 0.13 tall.
struct Outfit {
    Rgb tunic, legs, head_gear;
    bool mail;       // grey mail sleeves under the tunic
    bool cone_helm;  // pointed steel helmet, otherwise a soft cap
};

void figure(Mesh& m, const Outfit& o) {
    Rgb boots{0.22, 0.15, 0.10};
    for (double s : {-1.0, 1.0}) {
        m.box(s * 0.0115 - 0.0065, 0, -0.007, s * 0.0115 + 0.0065, 0.014, 0.009, boots);
        m.box(s * 0.0105 - 0.0055, 0.014, -0.006, s * 0.0105 + 0.0055, 0.050, 0.006, o.legs);
    }
    m.box(-0.019, 0.046, -0.011, 0.019, 0.095, 0.011, o.tunic);                         // body
    m.box(-0.021, 0.044, -0.012, 0.021, 0.058, 0.012, mix(o.tunic, pal::timber, 0.4));  // skirt hem
    m.box(-0.0195, 0.060, -0.0115, 0.0195, 0.066, 0.0115, Rgb{0.25, 0.16, 0.08});       // belt
    Rgb sleeve = o.mail ? Rgb{0.60, 0.63, 0.67} : o.tunic;
    for (double s : {-1.0, 1.0}) m.box(s * 0.0195, 0.058, -0.007, s * 0.0285, 0.093, 0.007, sleeve);
    m.box(-0.0095, 0.095, -0.0095, 0.0095, 0.116, 0.0095, pal::skin);         // head
    m.box(-0.005, 0.101, 0.0095, 0.005, 0.106, 0.011, Rgb{0.2, 0.12, 0.08});  // eyes/brow shadow
    if (o.cone_helm) {
        m.frustum(0, 0, 0.0125, 0.0125, 0.108, 0.118, 8, o.head_gear, false);
        m.cone(0, 0, 0.0125, 0.118, 0.134, 8, o.head_gear);
        m.box(-0.0015, 0.098, 0.0095, 0.0015, 0.112, 0.0125, o.head_gear);  // nasal
    } else {
        m.box(-0.0105, 0.112, -0.0105, 0.0105, 0.124, 0.0105, o.head_gear);
        m.box(-0.008, 0.124, -0.008, 0.008, 0.128, 0.008, o.head_gear);
    }
}

Mesh sword_fighter() {
    Mesh m("swordFighter");
    figure(m, {pal::red, Rgb{0.30, 0.26, 0.24}, pal::steel, true, true});
    // Raised sword in the right hand (-X is the figure's right when it faces +Z).
    m.box(-0.030, 0.060, 0.004, -0.020, 0.070, 0.014, pal::skin);
    m.beam({-0.025, 0.066, 0.010}, {-0.028, 0.150, 0.030}, 0.0042, pal::steel);
    m.beam({-0.037, 0.070, 0.0115}, {-0.013, 0.070, 0.0085}, 0.003, pal::gold);
    // Round shield on the left arm, facing forward.
    std::vector<V3> rim;
    for (int i = 0; i < 10; ++i) {
        double a = 2 * kPi * i / 10;
        rim.push_back({0.031 + 0.021 * std::cos(a), 0.072 + 0.021 * std::sin(a), 0.016});
    }
    m.panel(rim, Rgb{0.85, 0.80, 0.30});
    std::vector<V3> boss;
    for (int i = 0; i < 6; ++i) {
        double a = 2 * kPi * i / 6;
        boss.push_back({0.031 + 0.007 * std::cos(a), 0.072 + 0.007 * std::sin(a), 0.0175});
    }
    m.poly(boss, pal::red);
    return m;
}

Mesh archer() {
    Mesh m("Archer");
    figure(m, {Rgb{0.22, 0.50, 0.20}, Rgb{0.40, 0.30, 0.18}, Rgb{0.24, 0.42, 0.18}, false, false});
    // Hood point and a quiver on the back.
    m.pyramid(0, -0.006, 0.006, 0.124, 0.012, Rgb{0.24, 0.42, 0.18});
    m.beam({0.010, 0.055, -0.016}, {-0.008, 0.112, -0.016}, 0.0055, Rgb{0.55, 0.34, 0.16});
    for (int i = 0; i < 3; ++i)
        m.box(-0.010 + i * 0.004, 0.112, -0.019, -0.007 + i * 0.004, 0.124, -0.013, pal::white);
    // Long bow held out in the left hand, curved toward the front.
    Rgb yew{0.50, 0.28, 0.10};
    V3 pts[5] = {{0.034, 0.020, 0.020},
                 {0.034, 0.050, 0.032},
                 {0.034, 0.080, 0.035},
                 {0.034, 0.110, 0.032},
                 {0.034, 0.140, 0.020}};
    for (int i = 0; i < 4; ++i) m.beam(pts[i], pts[i + 1], 0.0038, yew);
    m.beam({0.034, 0.020, 0.018}, {0.034, 0.140, 0.018}, 0.0012, pal::white);
    m.box(0.029, 0.072, 0.026, 0.039, 0.084, 0.038, pal::skin);
    return m;
}

Mesh spear_fighter() {
    Mesh m("spearFighter");
    figure(m, {pal::blue, Rgb{0.28, 0.24, 0.22}, pal::steel, true, true});
    // Tall spear held upright in the right hand, a kite shield on the left.
    m.box(-0.032, 0.062, 0.006, -0.020, 0.074, 0.018, pal::skin);
    m.beam({-0.026, 0.0, 0.012}, {-0.026, 0.205, 0.012}, 0.0028, pal::wood);
    m.poly({{-0.034, 0.205, 0.012}, {-0.018, 0.205, 0.012}, {-0.026, 0.240, 0.012}}, pal::steel);
    m.poly({{-0.018, 0.205, 0.012}, {-0.034, 0.205, 0.012}, {-0.026, 0.240, 0.012}}, pal::steel);
    m.poly({{-0.026, 0.205, 0.004}, {-0.026, 0.205, 0.020}, {-0.026, 0.240, 0.012}}, pal::steel);
    m.poly({{-0.026, 0.205, 0.020}, {-0.026, 0.205, 0.004}, {-0.026, 0.240, 0.012}}, pal::steel);
    m.panel({{0.022, 0.098, 0.016},
             {0.022, 0.070, 0.016},
             {0.032, 0.040, 0.016},
             {0.042, 0.070, 0.016},
             {0.042, 0.098, 0.016}},
            pal::white);
    m.poly({{0.0275, 0.094, 0.0175},
            {0.0275, 0.064, 0.0175},
            {0.0365, 0.064, 0.0175},
            {0.0365, 0.094, 0.0175}},
           pal::blue);
    return m;
}

Mesh siege_crew() {
    Mesh m("SiegeWeaponUser");
    figure(m, {Rgb{0.58, 0.40, 0.20}, Rgb{0.36, 0.30, 0.22}, Rgb{0.78, 0.66, 0.34}, false, false});
    // Arms stretched forward to push, a leather apron and a mallet at the belt.
    for (double s : {-1.0, 1.0})
        m.box(s * 0.0245 - 0.0045, 0.072, 0.007, s * 0.0245 + 0.0045, 0.082, 0.030, pal::skin);
    m.box(-0.014, 0.030, 0.011, 0.014, 0.090, 0.013, Rgb{0.40, 0.26, 0.14});
    m.beam({0.020, 0.064, -0.006}, {0.020, 0.028, -0.010}, 0.0025, pal::wood);
    m.box(0.013, 0.024, -0.016, 0.027, 0.034, -0.004, pal::iron);
    return m;
}

// The ram: a roofed wheeled frame, 0.8 long along Z, with the iron-headed log pointing to +Z.
Mesh ram() {
    Mesh m("baranidlo");
    Rgb frame{0.40, 0.27, 0.15}, hide{0.56, 0.38, 0.22}, hide2{0.70, 0.52, 0.32};
    const double L = 0.34, W = 0.10;
    for (double s : {-1.0, 1.0}) m.box(s * W - 0.014, 0.04, -L, s * W + 0.014, 0.07, L, frame);
    for (double z : {-L + 0.02, 0.0, L - 0.02})
        m.box(-W, 0.045, z - 0.012, W, 0.065, z + 0.012, frame);
    // Wheels.
    for (double s : {-1.0, 1.0})
        for (double z : {-0.24, 0.0, 0.24}) {
            m.tube({s * (W + 0.016), 0.045, z}, {s * (W + 0.036), 0.045, z}, 0.045, 8, frame,
                   Rgb{0.50, 0.36, 0.22});
            m.tube({s * (W + 0.036), 0.045, z}, {s * (W + 0.040), 0.045, z}, 0.014, 6, pal::iron,
                   pal::iron);
        }
    // Posts and a steep gable roof of hides, patched in two tones and strapped down.
    for (double s : {-1.0, 1.0})
        for (double z : {-L + 0.02, -0.12, 0.12, L - 0.02})
            m.box(s * W - 0.01, 0.07, z - 0.01, s * W + 0.01, 0.17, z + 0.01, frame);
    m.gable_roof(-W - 0.05, -L - 0.01, W + 0.05, L + 0.01, 0.15, 0.33, false, hide, frame, 0.01);
    for (int i = 0; i < 4; ++i) {
        double z0 = -L + 0.03 + i * 0.17, z1 = z0 + 0.08;
        for (double s : {-1.0, 1.0}) {
            std::vector<V3> patch = {{0.0, 0.333, z1},
                                     {0.0, 0.333, z0},
                                     {s * (W + 0.04), 0.157, z0},
                                     {s * (W + 0.04), 0.157, z1}};
            if (dot(newell(patch), V3{s, 1, 0}) < 0)
                patch = std::vector<V3>(patch.rbegin(), patch.rend());
            V3 lift = normalized(newell(patch)) * 0.003;
            for (V3& p : patch) p = p + lift;
            m.poly(patch, hide2);
        }
    }
    for (int i = 0; i < 5; ++i) {
        double z = -L + 0.04 + i * 0.16;
        m.beam({-W - 0.05, 0.152, z}, {0, 0.336, z}, 0.006, pal::timber);
        m.beam({W + 0.05, 0.152, z}, {0, 0.336, z}, 0.006, pal::timber);
    }
    // The ram log on chains, its pointed iron head well out in front.
    m.tube({0, 0.12, -L - 0.02}, {0, 0.12, L + 0.04}, 0.034, 8, Rgb{0.48, 0.32, 0.18},
           Rgb{0.70, 0.55, 0.35});
    m.box(-0.048, 0.072, L + 0.04, 0.048, 0.168, L + 0.07, pal::iron);
    m.push(Xform::translate(0, 0.12, L + 0.07) * Xform::rotate_x(90));
    m.pyramid(0, 0, 0.045, 0, 0.07, Rgb{0.42, 0.43, 0.46});
    m.pop();
    for (double z : {-0.16, 0.16}) m.beam({0, 0.15, z}, {0, 0.26, z}, 0.003, pal::iron);
    return m;
}

// Markers float over groups (low) and towers (high). They are flat badges tilted to face the
// default camera (which looks down about 58 degrees along +Z), with a dark rim so they stand out
// on grass and roofs alike; the colour tells the kind.
using Outline = std::vector<std::pair<double, double>>;

// Flat plate from a convex outline (x right, y up, counter-clockwise), its face toward -Z.
void plate(Mesh& m, const Outline& o, double z, double t, Rgb face, Rgb side) {
    std::vector<V3> front, back;
    for (const auto& [x, y] : o) {
        front.push_back({x, y, z});
        back.push_back({x, y, z + t});
    }
    m.poly(std::vector<V3>(front.rbegin(), front.rend()), face, Shade::Flat);
    m.poly(back, side, Shade::Flat);
    for (size_t i = 0; i < o.size(); ++i) {
        size_t j = (i + 1) % o.size();
        m.poly({front[i], front[j], back[j], back[i]}, side, Shade::Flat);
    }
}

// Plate plus a dark rim behind it.
void badge(Mesh& m, const Outline& o, Rgb c) {
    double cx = 0, cy = 0;
    for (const auto& [x, y] : o) cx += x, cy += y;
    cx /= o.size();
    cy /= o.size();
    Outline rim;
    for (const auto& [x, y] : o) {
        double dx = x - cx, dy = y - cy, l = std::sqrt(dx * dx + dy * dy);
        double k = l > 0 ? (l + 0.014) / l : 1.0;
        rim.push_back({cx + dx * k, cy + dy * k});
    }
    plate(m, o, 0.0, 0.012, c, mix(c, Rgb{0, 0, 0}, 0.45));
    plate(m, rim, 0.012, 0.006, Rgb{0.05, 0.04, 0.04}, Rgb{0.05, 0.04, 0.04});
}

Outline rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// Two crossed blades over a badge.
void crossed_blades(Mesh& m, double cy, Rgb blade) {
    for (double s : {-1.0, 1.0}) {
        m.push(Xform::translate(0, cy, -0.006) * Xform::rotate_z(s * 40));
        plate(m, rect(-0.008, -0.07, 0.008, 0.05), 0, 0.004, blade, mix(blade, Rgb{0, 0, 0}, 0.4));
        plate(m, rect(-0.025, -0.07, 0.025, -0.06), -0.002, 0.004, pal::gold, pal::gold);
        plate(m, {{-0.008, 0.05}, {0.008, 0.05}, {0.0, 0.068}}, 0, 0.004, blade, blade);
        m.pop();
    }
}

const double kFaceCamera = 58.3;  // tilt that turns a -Z face toward the default camera

Mesh group_marker(const std::string& name, Rgb c, int style) {
    Mesh m(name);
    const double s = style == 2 ? 1.25 : 1.0;
    m.push(Xform::translate(0, 0.58, 0) * Xform::rotate_x(kFaceCamera) * Xform::scale(s, s, 1));
    // Arrow pointing down at the group: head and shaft.
    badge(m, {{-0.065, 0.075}, {0.0, 0.0}, {0.065, 0.075}}, c);
    badge(m, rect(-0.027, 0.07, 0.027, 0.15), c);
    if (style == 1 || style == 3)
        crossed_blades(m, 0.23, style == 3 ? Rgb{0.95, 0.95, 0.95} : pal::steel);
    m.pop();
    if (style == 2) {
        // Selected: a bright ring on the ground around the group.
        const int n = 16;
        for (int i = 0; i < n; ++i) {
            double a0 = 2 * kPi * i / n, a1 = 2 * kPi * (i + 1) / n;
            double r0 = 0.20, r1 = 0.235;
            std::vector<V3> q = {{r0 * std::sin(a0), 0.01, r0 * std::cos(a0)},
                                 {r1 * std::sin(a0), 0.01, r1 * std::cos(a0)},
                                 {r1 * std::sin(a1), 0.01, r1 * std::cos(a1)},
                                 {r0 * std::sin(a1), 0.01, r0 * std::cos(a1)}};
            if (newell(q).y < 0) q = std::vector<V3>(q.rbegin(), q.rend());
            m.poly(q, c, Shade::Flat);
        }
    }
    return m;
}

// Tower markers: a heraldic shield high above the tower top, with an emblem.
Mesh tower_marker(const std::string& name, Rgb c, int style) {
    Mesh m(name);
    m.push(Xform::translate(0, 1.74, 0) * Xform::rotate_x(kFaceCamera));
    badge(m, {{-0.10, 0.22}, {-0.10, 0.09}, {0.0, 0.0}, {0.10, 0.09}, {0.10, 0.22}}, c);
    const Rgb w = pal::white;
    const double z = -0.004;
    if (style == 0 || style == 1) {
        // Tower emblem.
        plate(m, rect(-0.035, 0.06, 0.035, 0.15), z, 0.004, w, w);
        for (double x : {-0.035, -0.0075, 0.02})
            plate(m, rect(x, 0.15, x + 0.015, 0.175), z, 0.004, w, w);
        plate(m, rect(-0.012, 0.06, 0.012, 0.095), z - 0.002, 0.002, c, c);
    }
    if (style == 1) {
        // Manned: a spear raised beside the tower.
        plate(m, rect(0.055, 0.04, 0.065, 0.19), z, 0.004, w, w);
        plate(m, {{0.048, 0.19}, {0.072, 0.19}, {0.06, 0.215}}, z, 0.004, w, w);
    }
    if (style == 2) crossed_blades(m, 0.11, w);  // shooting
    m.pop();
    return m;
}

}  // namespace

std::vector<Placed> make_ground() {
    // The text of every screen lies straight on the ground, in pure light (white, cyan, yellow) and
    // pure dark or saturated colours (gray, blue, red, lila). Each season therefore keeps to a
    // middle, greyed tone that hue can set the saturated colours off from, and its flecks stay
    // close to that tone so they do not break up small letters.
    const std::string dir = "obj/graf_obj/podklad";
    std::vector<Placed> v;
    v.push_back(
        {dir, ground_tile("trava", {0.35, 0.43, 0.27}, {0.335, 0.415, 0.26},
                          {{{0.30, 0.38, 0.23}, 10, 0.022}, {{0.40, 0.46, 0.30}, 6, 0.02}}, 101)});
    // Winter: trampled grey snow with drifts a shade lighter and earth showing through.
    v.push_back(
        {dir, ground_tile("trava_zima", {0.45, 0.485, 0.535}, {0.49, 0.525, 0.575},
                          {{{0.42, 0.45, 0.50}, 8, 0.03}, {{0.40, 0.39, 0.33}, 8, 0.012}}, 202)});
    // Spring: fresh sage grass with a few pale, dusty flowers.
    v.push_back({dir, ground_tile("trava_jar", {0.39, 0.47, 0.29}, {0.41, 0.49, 0.30},
                                  {{{0.49, 0.49, 0.38}, 6, 0.013},
                                   {{0.45, 0.41, 0.46}, 4, 0.013},
                                   {{0.35, 0.43, 0.26}, 8, 0.022}},
                                  303)});
    // Summer: deep olive grass, dry stalks.
    v.push_back({dir, ground_tile("trava_leto", {0.29, 0.38, 0.24}, {0.30, 0.395, 0.25},
                                  {{{0.25, 0.34, 0.21}, 12, 0.022},
                                   {{0.38, 0.41, 0.26}, 6, 0.016},
                                   {{0.46, 0.44, 0.27}, 3, 0.011}},
                                  404)});
    // Autumn: faded ochre grass strewn with rust, brown and dull gold leaves.
    v.push_back({dir, ground_tile("trava_jesen", {0.44, 0.39, 0.28}, {0.46, 0.41, 0.29},
                                  {{{0.50, 0.35, 0.23}, 10, 0.017},
                                   {{0.38, 0.31, 0.21}, 7, 0.016},
                                   {{0.52, 0.46, 0.28}, 7, 0.016},
                                   {{0.36, 0.33, 0.23}, 5, 0.02}},
                                  505)});
    return v;
}

std::vector<Placed> make_units() {
    const std::string base = "obj/graf_obj/people/Men/Soldiers/";
    std::vector<Placed> v;
    v.push_back({base + "SwordFighter", sword_fighter()});
    v.push_back({base + "Archer", archer()});
    v.push_back({base + "SpearFighter", spear_fighter()});
    v.push_back({base + "SiegeWeaponsUsers", siege_crew()});
    v.push_back({"obj/graf_obj/Stroje", ram()});
    return v;
}

std::vector<Placed> make_markers() {
    const std::string g = "obj/graf_obj/Visual_Pointers/Vojenska_Skupina";
    const std::string t = "obj/graf_obj/Visual_Pointers/Veza";
    std::vector<Placed> v;
    v.push_back({g, group_marker("vojenskaSkupinaMoja", {0.20, 0.50, 1.00}, 0)});
    v.push_back({g, group_marker("vojenskaSkupinaMojaAktivna", {1.00, 0.62, 0.10}, 1)});
    v.push_back({g, group_marker("vojenskaSkupinaMojaOznacena", {0.25, 1.00, 0.35}, 2)});
    v.push_back({g, group_marker("vojenskaSkupinaCudziaAktivna", {0.95, 0.12, 0.10}, 3)});
    v.push_back({t, tower_marker("vezaMoja", {0.20, 0.45, 1.00}, 0)});
    v.push_back({t, tower_marker("vezaMojaVojaci", {0.15, 0.80, 0.35}, 1)});
    v.push_back({t, tower_marker("vezaMojaStriela", {1.00, 0.65, 0.10}, 2)});
    v.push_back({t, tower_marker("vezaCudziaStriela", {0.95, 0.12, 0.10}, 2)});
    return v;
}

}  // namespace assets
