// Building models. One map tile spans x, z in -0.5 .. 0.5 around the anchor, y = 0 is the ground;
// the front (door side) faces -Z, toward the default camera. The game turns them by 0/90/180/270.
#include <algorithm>
#include <cmath>

#include "props.h"

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;
const std::string kHouse = "obj/graf_obj/buildings/house";
const std::string kWork = "obj/graf_obj/buildings/produkcia";
const std::string kDefence = "obj/graf_obj/buildings/obrana";
const std::string kStores = "obj/graf_obj/buildings/sklady";

Mesh house() {
    Mesh m("house");
    yard(m, -0.42, -0.42, 0.42, 0.34, Rgb{0.50, 0.46, 0.34});
    m.ground_quad(-0.06, -0.46, 0.06, -0.2, 0.003, Rgb{0.64, 0.58, 0.46});  // path to the door
    m.box(-0.31, 0, -0.21, 0.31, 0.05, 0.21, pal::stone);                   // plinth
    framed_walls(m, -0.30, -0.20, 0.30, 0.20, 0.30);
    m.gable_roof(-0.36, -0.25, 0.36, 0.25, 0.29, 0.54, true, pal::tiles, pal::plaster);
    m.box(0.14, 0.36, 0.03, 0.22, 0.62, 0.11, pal::dark_stone);  // chimney
    front_door(m, 0, -0.20, 0.09, 0.19);
    front_window(m, -0.18, 0.17, -0.20, 0.07, 0.07);
    front_window(m, 0.18, 0.17, -0.20, 0.07, 0.07);
    side_window(m, 0.30, 1, 0, 0.17, 0.07, 0.07);
    side_window(m, -0.30, -1, 0, 0.17, 0.07, 0.07);
    // Flower boxes and a bench by the door.
    m.box(-0.23, 0.12, -0.225, -0.13, 0.135, -0.205, Rgb{0.85, 0.25, 0.35});
    m.box(0.13, 0.12, -0.225, 0.23, 0.135, -0.205, Rgb{0.85, 0.25, 0.35});
    m.box(-0.28, 0.05, -0.30, -0.12, 0.065, -0.26, pal::wood);
    barrel(m, 0.30, -0.28, 0.04, 0.09);
    return m;
}

// Workshop of a smith: a stone forge house with a glowing hearth under an open lean-to; the
// product stands on the right, the guild banner names it from afar.
void smithy_base(Mesh& m, Rgb banner_colour) {
    yard(m, -0.44, -0.44, 0.44, 0.40, Rgb{0.45, 0.42, 0.38});
    m.box(-0.40, 0, -0.02, 0.12, 0.28, 0.34, pal::stone);
    m.gable_roof(-0.45, -0.06, 0.17, 0.39, 0.27, 0.46, true, pal::slate, pal::stone);
    m.box(-0.02, 0.2, 0.10, 0.10, 0.68, 0.22, pal::dark_stone);  // chimney
    m.box(0.0, 0.66, 0.12, 0.08, 0.69, 0.20, Rgb{0.15, 0.12, 0.1});
    front_door(m, -0.28, -0.02, 0.09, 0.18);
    // Lean-to over the hearth.
    for (double x : {-0.38, 0.10}) m.box(x - 0.012, 0, -0.30, x + 0.012, 0.19, -0.276, pal::timber);
    // Striped awning in the guild's colour: the smithies' wares differ, and so do their awnings.
    // Its stripes are two tones of that colour, calm enough for text to cross.
    for (int i = 0; i < 7; ++i) {
        double xa = -0.42 + i * 0.08, xb = xa + 0.08;
        m.poly({{xa, 0.27, -0.02}, {xb, 0.27, -0.02}, {xb, 0.19, -0.33}, {xa, 0.19, -0.33}},
               i % 2 ? mix(banner_colour, pal::white, 0.45) : banner_colour);
    }
    m.box(-0.42, 0.175, -0.335, 0.14, 0.19, -0.325, banner_colour);
    m.box(-0.17, 0, -0.16, 0.01, 0.10, -0.02, pal::dark_stone);  // hearth
    m.box(-0.14, 0.10, -0.13, -0.02, 0.106, -0.04, pal::fire);   // coals
    m.box(-0.14, 0.02, -0.161, -0.02, 0.07, -0.155, Rgb{0.95, 0.35, 0.08});
    anvil(m, -0.08, -0.24);
    m.box(-0.35, 0, -0.22, -0.24, 0.06, -0.12, pal::water);  // quench trough
    m.box(-0.36, 0, -0.23, -0.23, 0.055, -0.11, pal::planks);
    banner(m, -0.44, -0.42, 0.62, banner_colour, 1.5);
}

// Rack and stand shared by the weapon and armour displays.
void rack(Mesh& m, double x0, double x1, double z, double h) {
    m.box(x0 - 0.012, 0, z - 0.012, x0 + 0.012, h, z + 0.012, pal::timber);
    m.box(x1 - 0.012, 0, z - 0.012, x1 + 0.012, h, z + 0.012, pal::timber);
    m.box(x0, h - 0.03, z - 0.01, x1, h - 0.01, z + 0.01, pal::wood);
    m.box(x0, 0.04, z - 0.01, x1, 0.06, z + 0.01, pal::wood);
}

// A dressed mannequin: torso, shoulders, helmet.
void armour_stand(Mesh& m, double x, double z, Rgb body, Rgb helm, double bulk, bool plate) {
    m.box(x - 0.008, 0, z - 0.008, x + 0.008, 0.12, z + 0.008, pal::timber);
    m.box(x - 0.04, 0, z - 0.03, x + 0.04, 0.015, z + 0.03, pal::timber);
    double w = 0.05 * bulk;
    m.box(x - w, 0.11, z - 0.03 * bulk, x + w, 0.24, z + 0.03 * bulk, body);
    m.box(x - w * 0.8, 0.085, z - 0.028 * bulk, x + w * 0.8, 0.11, z + 0.028 * bulk,
          body);  // skirt
    if (plate) {
        m.box(x - w - 0.03, 0.20, z - 0.03, x - w + 0.005, 0.25, z + 0.03,
              pal::steel);  // pauldrons
        m.box(x + w - 0.005, 0.20, z - 0.03, x + w + 0.03, 0.25, z + 0.03, pal::steel);
        m.box(x - 0.025, 0.24, z - 0.03, x + 0.025, 0.31, z + 0.03, helm);  // great helm
        m.box(x - 0.026, 0.27, z - 0.031, x + 0.026, 0.28, z - 0.029, Rgb{0.1, 0.1, 0.1});
    } else {
        m.box(x - w - 0.015, 0.15, z - 0.022, x - w, 0.235, z + 0.022, body);  // mail sleeves
        m.box(x + w, 0.15, z - 0.022, x + w + 0.015, 0.235, z + 0.022, body);
        m.frustum(x, z, 0.028, 0.028, 0.24, 0.27, 8, helm, false);
        m.cone(x, z, 0.028, 0.27, 0.31, 8, helm);
    }
}

Mesh kovac_kopije() {
    Mesh m("kovac_kopije");
    smithy_base(m, pal::blue);
    rack(m, 0.18, 0.40, 0.10, 0.22);
    for (int i = 0; i < 6; ++i) {
        double x = 0.20 + i * 0.04;
        m.beam({x, 0.0, 0.09}, {x, 0.50, 0.09}, 0.006, pal::wood);
        m.poly({{x - 0.016, 0.50, 0.09}, {x + 0.016, 0.50, 0.09}, {x, 0.58, 0.09}}, pal::steel);
        m.poly({{x + 0.016, 0.50, 0.09}, {x - 0.016, 0.50, 0.09}, {x, 0.58, 0.09}}, pal::steel);
        m.poly({{x, 0.50, 0.074}, {x, 0.50, 0.106}, {x, 0.58, 0.09}}, pal::steel);
        m.poly({{x, 0.50, 0.106}, {x, 0.50, 0.074}, {x, 0.58, 0.09}}, pal::steel);
    }
    return m;
}

Mesh kovac_mece() {
    Mesh m("kovac_mece");
    smithy_base(m, pal::red);
    m.box(0.16, 0, 0.02, 0.42, 0.05, 0.16, pal::wood);  // block the swords stand in
    for (int i = 0; i < 3; ++i) {
        double x = 0.20 + i * 0.09;
        m.box(x - 0.012, 0.05, 0.085, x + 0.012, 0.30, 0.095, pal::steel);           // blade
        m.box(x - 0.045, 0.30, 0.078, x + 0.045, 0.318, 0.102, pal::gold);           // guard
        m.box(x - 0.009, 0.318, 0.082, x + 0.009, 0.37, 0.098, Rgb{0.4, 0.2, 0.1});  // grip
        m.box(x - 0.014, 0.37, 0.08, x + 0.014, 0.39, 0.10, pal::gold);              // pommel
    }
    // Round shield leaning against the block.
    m.push(Xform::translate(0.30, 0.09, -0.08) * Xform::rotate_x(-15));
    std::vector<V3> rim, face;
    for (int i = 0; i < 10; ++i) {
        double a = 2 * kPi * i / 10;
        rim.push_back({0.085 * std::cos(a), 0.085 * std::sin(a), 0});
        face.push_back({0.06 * std::cos(a), 0.06 * std::sin(a), -0.003});
    }
    std::vector<V3> rim_r(rim.rbegin(), rim.rend()), face_r(face.rbegin(), face.rend());
    m.poly(rim, pal::iron);
    m.poly(rim_r, pal::iron);
    m.poly(face_r, pal::red);
    m.box(-0.012, -0.012, -0.01, 0.012, 0.012, -0.002, pal::gold);
    m.pop();
    return m;
}

Mesh kovac_lahke_brnenie() {
    Mesh m("kovac_lahke_brnenie");
    smithy_base(m, pal::green);
    Rgb mail{0.58, 0.62, 0.66};
    armour_stand(m, 0.22, 0.05, mail, pal::steel, 0.9, false);
    armour_stand(m, 0.36, 0.12, mail, pal::steel, 0.9, false);
    crate(m, 0.30, -0.18, 0.08);
    return m;
}

Mesh kovac_tazke_brnenie() {
    Mesh m("kovac_tazke_brnenie");
    smithy_base(m, pal::purple);
    armour_stand(m, 0.28, 0.08, pal::steel, pal::steel, 1.15, true);
    // Kite shield on a stand.
    m.push(Xform::translate(0.27, 0.0, -0.14) * Xform::rotate_x(-12));
    m.panel(
        {{-0.055, 0.22, 0}, {-0.055, 0.12, 0}, {0, 0.02, 0}, {0.055, 0.12, 0}, {0.055, 0.22, 0}},
        pal::white);
    m.poly({{0.0, 0.22, -0.003}, {-0.05, 0.22, -0.003}, {-0.05, 0.125, -0.003}, {0, 0.03, -0.003}},
           pal::purple);
    m.pop();
    return m;
}

Mesh kamenik() {
    Mesh m("kamenik");
    yard(m, -0.44, -0.44, 0.44, 0.40, Rgb{0.60, 0.58, 0.54});
    // Stone hut at the back with a slate roof.
    m.box(-0.38, 0, 0.02, 0.16, 0.25, 0.34, pal::stone);
    m.gable_roof(-0.43, -0.03, 0.21, 0.39, 0.24, 0.43, true, pal::slate, pal::stone);
    front_door(m, -0.22, 0.02, 0.09, 0.17);
    front_window(m, 0.02, 0.15, 0.02, 0.07, 0.06);
    // Open shed with a work bench.
    for (double x : {0.24, 0.42})
        for (double z : {-0.06, 0.30})
            m.box(x - 0.012, 0, z - 0.012, x + 0.012, 0.22, z + 0.012, pal::timber);
    m.gable_roof(0.20, -0.10, 0.46, 0.34, 0.22, 0.32, false, pal::shingle, pal::wood);
    // Blocks of dressed stone, a half-carved column, rubble.
    Rng r(17);
    double px[] = {-0.34, -0.22, -0.10, -0.30, -0.17, 0.05, 0.18};
    double pz[] = {-0.32, -0.30, -0.33, -0.18, -0.18, -0.30, -0.30};
    for (int i = 0; i < 7; ++i) {
        double s = r.range(0.06, 0.09);
        Rgb c = mix(pal::stone, pal::white, r.range(0.0, 0.5));
        m.box(px[i] - s / 2, 0, pz[i] - s / 2, px[i] + s / 2, s * r.range(0.7, 1.0), pz[i] + s / 2,
              c);
    }
    m.box(-0.30, 0.072, -0.34, -0.20, 0.13, -0.26, mix(pal::stone, pal::white, 0.4));
    m.cylinder(0.32, -0.28, 0.05, 0, 0.26, 8, mix(pal::stone, pal::white, 0.5));
    m.box(0.26, 0.26, -0.34, 0.38, 0.29, -0.22, mix(pal::stone, pal::white, 0.5));
    m.cylinder(0.12, -0.08, 0.035, 0, 0.16, 8, mix(pal::stone, pal::white, 0.45));
    m.box(0.07, 0, -0.13, 0.17, 0.03, -0.03, pal::stone);
    return m;
}

// Tailor of leather armour and maker of leather: hides stretched on frames, a tanning vat.
Mesh krajcir() {
    Mesh m("krajcir_kozenne_brnenie");
    yard(m, -0.44, -0.44, 0.44, 0.40, Rgb{0.56, 0.46, 0.32});
    framed_walls(m, -0.38, 0.02, 0.10, 0.32, 0.26, Rgb{0.72, 0.64, 0.51});
    m.gable_roof(-0.43, -0.04, 0.15, 0.38, 0.25, 0.45, true, pal::thatch, Rgb{0.72, 0.64, 0.51});
    front_door(m, -0.25, 0.02, 0.08, 0.17);
    front_window(m, -0.02, 0.15, 0.02, 0.07, 0.06);
    // Drying frames with stretched hides, leaning back so the hides face the street and the sky.
    Rgb hides[3] = {{0.55, 0.33, 0.16}, {0.68, 0.46, 0.24}, {0.46, 0.27, 0.13}};
    for (int i = 0; i < 3; ++i) {
        double x = -0.30 + i * 0.17;
        m.push(Xform::translate(x, 0.006, -0.26) * Xform::rotate_x(30));
        m.box(-0.07, 0, -0.01, -0.055, 0.30, 0.01, pal::timber);
        m.box(0.055, 0, -0.01, 0.07, 0.30, 0.01, pal::timber);
        m.box(-0.07, 0.28, -0.01, 0.07, 0.295, 0.01, pal::timber);
        m.panel({{-0.05, 0.27, 0},
                 {-0.055, 0.14, 0},
                 {-0.03, 0.08, 0},
                 {0.03, 0.08, 0},
                 {0.055, 0.14, 0},
                 {0.05, 0.27, 0}},
                hides[i]);
        m.pop();
    }
    // Tanning vat and a finished jerkin.
    m.frustum(0.30, 0.12, 0.09, 0.10, 0, 0.10, 10, pal::planks, false);
    m.ground_disc(0.30, 0.12, 0.085, 0.095, 10, Rgb{0.36, 0.22, 0.10});
    armour_stand(m, 0.30, -0.22, Rgb{0.55, 0.34, 0.16}, Rgb{0.45, 0.28, 0.14}, 0.9, false);
    return m;
}

Mesh lovec() {
    Mesh m("lovec");
    yard(m, -0.42, -0.40, 0.30, 0.36, Rgb{0.46, 0.40, 0.28});
    Rgb logs{0.50, 0.34, 0.20};
    log_walls(m, -0.32, -0.05, 0.14, 0.30, 0.24, logs);
    m.gable_roof(-0.37, -0.11, 0.19, 0.36, 0.23, 0.44, true, Rgb{0.30, 0.34, 0.22}, logs);
    front_door(m, -0.10, -0.05, 0.08, 0.17);
    front_window(m, -0.24, 0.14, -0.05, 0.06, 0.05);
    // Antlers over the door.
    Rgb bone{0.92, 0.88, 0.78};
    m.beam({-0.10, 0.22, -0.06}, {-0.16, 0.30, -0.07}, 0.005, bone);
    m.beam({-0.10, 0.22, -0.06}, {-0.04, 0.30, -0.07}, 0.005, bone);
    m.beam({-0.14, 0.27, -0.065}, {-0.15, 0.32, -0.07}, 0.004, bone);
    m.beam({-0.06, 0.27, -0.065}, {-0.05, 0.32, -0.07}, 0.004, bone);
    // Drying rack with meat and a deer hide.
    m.box(0.08, 0, -0.30, 0.095, 0.26, -0.285, pal::timber);
    m.box(0.33, 0, -0.30, 0.345, 0.26, -0.285, pal::timber);
    m.box(0.08, 0.24, -0.30, 0.345, 0.255, -0.285, pal::timber);
    for (int i = 0; i < 4; ++i) {
        double x = 0.12 + i * 0.06;
        m.box(x - 0.012, 0.15, -0.30, x + 0.012, 0.24, -0.285, Rgb{0.62, 0.18, 0.14});
    }
    m.panel({{0.18, 0.02, -0.18}, {0.30, 0.02, -0.18}, {0.33, 0.12, -0.16}, {0.15, 0.12, -0.16}},
            Rgb{0.62, 0.42, 0.22});
    pine_tree(m, 0.30, 0.20, 0.56);
    pine_tree(m, 0.20, 0.33, 0.44);
    m.box(-0.40, 0, -0.36, -0.30, 0.04, -0.28, pal::timber);  // chopping block
    return m;
}

Mesh mlyn() {
    Mesh m("mlyn");
    yard(m, -0.40, -0.40, 0.40, 0.40, Rgb{0.54, 0.50, 0.36});
    Rgb body{0.74, 0.71, 0.63};
    m.frustum(0, 0.06, 0.27, 0.18, 0, 0.66, 8, body);
    m.frustum(0, 0.06, 0.285, 0.285, 0, 0.05, 8, pal::stone, false);
    m.frustum(0, 0.06, 0.20, 0.20, 0.64, 0.68, 8, pal::timber, false);
    m.cone(0, 0.06, 0.22, 0.68, 0.92, 8, pal::shingle);
    front_door(m, 0, -0.19, 0.09, 0.17);
    front_window(m, 0, 0.40, -0.165, 0.05, 0.06);
    // Sails on the front, turned to an X.
    const double hub_y = 0.70, hub_z = -0.17;
    m.tube({0, hub_y, hub_z + 0.08}, {0, hub_y, hub_z - 0.05}, 0.03, 8, pal::timber, pal::timber);
    Rgb cloth{0.80, 0.77, 0.69};
    for (int k = 0; k < 4; ++k) {
        m.push(Xform::translate(0, hub_y, hub_z - 0.04) * Xform::rotate_z(45 + 90 * k));
        m.beam({0, 0, 0}, {0.46, 0, 0}, 0.009, pal::timber);
        // Lattice of the sail with cloth on it, set to one side of the spar.
        m.panel({{0.10, 0.012, -0.004},
                 {0.45, 0.012, -0.004},
                 {0.45, 0.10, -0.004},
                 {0.10, 0.10, -0.004}},
                cloth);
        for (double x : {0.10, 0.22, 0.34, 0.45})
            m.beam({x, 0, -0.008}, {x, 0.105, -0.008}, 0.004, pal::timber);
        m.beam({0.10, 0.105, -0.008}, {0.45, 0.105, -0.008}, 0.004, pal::timber);
        m.pop();
    }
    for (int i = 0; i < 3; ++i) sack(m, 0.22 + i * 0.07, -0.30, 0.08);
    sack(m, 0.26, -0.22, 0.08);
    return m;
}

Mesh pekaren() {
    Mesh m("pekaren");
    yard(m, -0.44, -0.42, 0.44, 0.40, Rgb{0.58, 0.50, 0.38});
    Rgb wall{0.76, 0.70, 0.58};
    framed_walls(m, -0.40, -0.06, 0.10, 0.30, 0.28, wall);
    m.gable_roof(-0.45, -0.12, 0.15, 0.36, 0.27, 0.50, true, pal::tiles, wall);
    front_door(m, -0.15, -0.06, 0.09, 0.18);
    front_window(m, -0.32, 0.16, -0.06, 0.07, 0.06);
    front_window(m, 0.02, 0.16, -0.06, 0.07, 0.06);
    // Domed bread oven built onto the right side, glowing mouth toward the street.
    const double ox = 0.28, oz = 0.08;
    m.frustum(ox, oz, 0.17, 0.17, 0, 0.08, 10, pal::brick, false);
    m.frustum(ox, oz, 0.17, 0.14, 0.08, 0.16, 10, pal::brick, false);
    m.frustum(ox, oz, 0.14, 0.08, 0.16, 0.23, 10, pal::brick, false);
    m.frustum(ox, oz, 0.08, 0.0, 0.23, 0.26, 10, pal::brick, false);
    m.box(ox - 0.05, 0.0, oz - 0.19, ox + 0.05, 0.11, oz - 0.14, pal::brick);
    m.box(ox - 0.035, 0.02, oz - 0.195, ox + 0.035, 0.09, oz - 0.185, pal::fire);
    m.box(ox + 0.06, 0.18, oz + 0.02, ox + 0.12, 0.42, oz + 0.08, pal::brick);  // flue
    // Bench with loaves and a wheat-coloured banner.
    m.box(-0.34, 0, -0.28, -0.04, 0.08, -0.18, pal::wood);
    Rgb crust{0.78, 0.50, 0.20};
    for (int i = 0; i < 4; ++i) {
        double x = -0.30 + i * 0.075;
        m.frustum(x, -0.23, 0.03, 0.018, 0.08, 0.11, 6, crust);
    }
    banner(m, 0.30, -0.40, 0.40, pal::straw);
    crate(m, 0.15, -0.30, 0.07);
    return m;
}

Mesh rybar() {
    Mesh m("rybar");
    // Pond on the front half with a sandy rim, a jetty and a boat.
    m.ground_disc(-0.05, -0.14, 0.34, 0.002, 14, Rgb{0.68, 0.62, 0.45});
    m.ground_disc(-0.05, -0.14, 0.29, 0.004, 14, pal::water);
    m.ground_disc(-0.10, -0.20, 0.14, 0.005, 10, mix(pal::water, Rgb{0.1, 0.2, 0.4}, 0.4));
    // Hut on stilts at the back.
    for (double x : {-0.14, 0.30})
        for (double z : {0.10, 0.36})
            m.box(x - 0.012, 0, z - 0.012, x + 0.012, 0.10, z + 0.012, pal::timber);
    m.box(-0.16, 0.08, 0.08, 0.32, 0.10, 0.38, pal::planks);
    log_walls(m, -0.12, 0.14, 0.28, 0.36, 0.2, Rgb{0.58, 0.44, 0.28});
    m.push(Xform::translate(0, 0.10, 0));
    m.gable_roof(-0.17, 0.09, 0.33, 0.41, 0.19, 0.38, true, pal::thatch, Rgb{0.58, 0.44, 0.28});
    front_door(m, 0.08, 0.14, 0.07, 0.14);
    m.pop();
    // Jetty.
    m.box(0.02, 0.01, -0.30, 0.10, 0.03, 0.09, pal::planks);
    for (double z : {-0.28, -0.10}) {
        m.box(0.015, 0, z - 0.01, 0.03, 0.05, z + 0.01, pal::timber);
        m.box(0.09, 0, z - 0.01, 0.105, 0.05, z + 0.01, pal::timber);
    }
    // Boat.
    m.push(Xform::translate(-0.17, 0.005, -0.16) * Xform::rotate_y(20));
    Rgb hull{0.45, 0.28, 0.14};
    V3 p[8] = {{-0.035, 0, -0.08},  {-0.035, 0, 0.08},     {0.035, 0, 0.08},
               {0.035, 0, -0.08},   {-0.055, 0.04, -0.11}, {-0.055, 0.04, 0.11},
               {0.055, 0.04, 0.11}, {0.055, 0.04, -0.11}};
    m.hexa(p, hull);
    m.box(-0.045, 0.039, -0.09, 0.045, 0.041, 0.09, Rgb{0.30, 0.18, 0.08});
    m.beam({-0.04, 0.045, 0}, {0.04, 0.045, 0}, 0.006, pal::wood);
    m.pop();
    // Net drying on a frame and fish on a line.
    m.box(0.20, 0, -0.36, 0.215, 0.22, -0.345, pal::timber);
    m.box(0.42, 0, -0.36, 0.435, 0.22, -0.345, pal::timber);
    m.box(0.20, 0.205, -0.36, 0.435, 0.22, -0.345, pal::timber);
    Rgb net{0.30, 0.32, 0.30};
    for (int i = 0; i < 5; ++i) {
        double x = 0.225 + i * 0.045;
        m.beam({x, 0.2, -0.352}, {x, 0.06, -0.352}, 0.003, net);
    }
    for (int j = 0; j < 3; ++j) {
        double y = 0.18 - j * 0.05;
        m.beam({0.215, y, -0.353}, {0.42, y, -0.353}, 0.003, net);
    }
    Rgb fish{0.72, 0.78, 0.82};
    for (int i = 0; i < 3; ++i) {
        double x = 0.26 + i * 0.06;
        m.panel({{x, 0.15, -0.25},
                 {x - 0.015, 0.10, -0.25},
                 {x, 0.07, -0.25},
                 {x + 0.015, 0.10, -0.25}},
                fish);
    }
    m.beam({0.22, 0.15, -0.25}, {0.42, 0.15, -0.25}, 0.003, pal::timber);
    m.box(0.215, 0, -0.26, 0.23, 0.16, -0.245, pal::timber);
    m.box(0.41, 0, -0.26, 0.425, 0.16, -0.245, pal::timber);
    barrel(m, 0.40, 0.02, 0.04, 0.09);
    return m;
}

Mesh studna() {
    Mesh m("studna");
    m.ground_disc(0, 0, 0.34, 0.002, 12, Rgb{0.66, 0.64, 0.60});  // paving
    m.ground_disc(0, 0, 0.25, 0.003, 12, Rgb{0.56, 0.55, 0.52});
    // Round stone wall; the top shows the dark water inside the rim.
    m.frustum(0, 0, 0.19, 0.18, 0, 0.16, 12, pal::stone);
    m.frustum(0, 0, 0.195, 0.195, 0.05, 0.065, 12, pal::dark_stone, false);
    m.frustum(0, 0, 0.195, 0.195, 0.11, 0.125, 12, pal::dark_stone, false);
    m.ground_disc(0, 0, 0.135, 0.162, 12, Rgb{0.10, 0.18, 0.30});
    // Posts, windlass with its crank and bucket, little roof.
    for (double x : {-0.20, 0.20}) m.box(x - 0.016, 0, -0.016, x + 0.016, 0.40, 0.016, pal::timber);
    m.tube({-0.21, 0.29, 0}, {0.21, 0.29, 0}, 0.018, 6, pal::wood, pal::planks);
    m.beam({0.22, 0.29, 0}, {0.25, 0.29, 0}, 0.006, pal::iron);
    m.beam({0.25, 0.29, 0}, {0.25, 0.24, -0.02}, 0.006, pal::iron);
    m.beam({0.0, 0.29, 0}, {0.0, 0.21, 0}, 0.003, Rgb{0.75, 0.65, 0.45});
    m.frustum(0, 0, 0.03, 0.035, 0.16, 0.21, 8, pal::planks);
    m.gable_roof(-0.28, -0.17, 0.28, 0.17, 0.36, 0.52, true, pal::tiles, pal::wood);
    // Water trough beside it.
    m.box(-0.40, 0, -0.32, -0.18, 0.07, -0.22, pal::planks);
    m.box(-0.39, 0.069, -0.31, -0.19, 0.071, -0.23, pal::water);
    return m;
}

Mesh tehliaren() {
    Mesh m("tehliaren");
    yard(m, -0.44, -0.44, 0.44, 0.42, Rgb{0.62, 0.46, 0.34});
    // Kiln with a fire mouth toward the street and a smoke hood.
    const double kx = -0.18, kz = 0.02;
    m.frustum(kx, kz, 0.22, 0.15, 0, 0.40, 10, pal::brick, false);
    m.frustum(kx, kz, 0.15, 0.10, 0.40, 0.46, 10, mix(pal::brick, pal::timber, 0.4));
    m.ground_disc(kx, kz, 0.08, 0.461, 10, Rgb{0.12, 0.10, 0.09});
    m.box(kx - 0.06, 0, kz - 0.24, kx + 0.06, 0.12, kz - 0.17, pal::brick);
    m.box(kx - 0.04, 0.01, kz - 0.245, kx + 0.04, 0.09, kz - 0.235, pal::fire);
    // Drying shed at the back right.
    for (double x : {0.12, 0.42})
        for (double z : {0.12, 0.40})
            m.box(x - 0.012, 0, z - 0.012, x + 0.012, 0.20, z + 0.012, pal::timber);
    m.gable_roof(0.08, 0.08, 0.46, 0.44, 0.20, 0.30, true, pal::tiles, pal::wood);
    // Stacks of bricks.
    Rgb bricks[2] = {pal::brick, {0.74, 0.40, 0.26}};
    double sx[] = {0.14, 0.30, 0.14, 0.30, 0.18, 0.30};
    double sz[] = {-0.30, -0.30, -0.14, -0.14, 0.24, 0.24};
    for (int s = 0; s < 6; ++s) {
        int layers = s < 4 ? 3 : 2;
        for (int l = 0; l < layers; ++l)
            m.box(sx[s] - 0.06, l * 0.035, sz[s] - 0.05, sx[s] + 0.06, l * 0.035 + 0.033,
                  sz[s] + 0.05, bricks[(s + l) % 2]);
    }
    // Heap of clay.
    m.frustum(-0.34, -0.32, 0.09, 0.03, 0, 0.07, 8, Rgb{0.70, 0.48, 0.30});
    return m;
}

Mesh zberac_dreva() {
    Mesh m("zberac_dreva");
    yard(m, -0.44, -0.44, 0.30, 0.30, Rgb{0.50, 0.42, 0.28});
    Rgb logs{0.52, 0.36, 0.20};
    log_walls(m, -0.38, 0.02, 0.06, 0.30, 0.22, logs);
    m.gable_roof(-0.43, -0.04, 0.11, 0.36, 0.21, 0.40, true, pal::shingle, logs);
    front_door(m, -0.22, 0.02, 0.08, 0.16);
    log_pile(m, -0.14, -0.24, 0.30, 0.032, 3);
    // Chopping stump with an axe, a split-wood heap.
    m.cylinder(0.16, -0.22, 0.05, 0, 0.07, 8, Rgb{0.58, 0.42, 0.24});
    m.beam({0.16, 0.07, -0.22}, {0.20, 0.16, -0.26}, 0.005, pal::wood);
    m.box(0.145, 0.05, -0.215, 0.175, 0.09, -0.19, pal::steel);
    m.cone(0.28, -0.34, 0.08, 0, 0.08, 7, Rgb{0.74, 0.58, 0.36});
    // Forest behind.
    pine_tree(m, 0.28, 0.24, 0.62);
    pine_tree(m, 0.34, -0.02, 0.46);
    pine_tree(m, 0.12, 0.36, 0.44);
    m.cylinder(0.32, -0.06, 0.035, 0, 0.04, 6, Rgb{0.60, 0.46, 0.28});  // stump
    return m;
}

Mesh zberac_hliny() {
    Mesh m("zberac_hliny");
    Rgb clay{0.74, 0.46, 0.28}, wet{0.52, 0.30, 0.18};
    m.poly({{-0.44, 0.002, -0.30},
            {-0.30, 0.002, 0.42},
            {0.20, 0.002, 0.44},
            {0.44, 0.002, 0.10},
            {0.36, 0.002, -0.42},
            {-0.20, 0.002, -0.44}},
           clay);
    m.poly({{-0.26, 0.004, -0.16},
            {-0.18, 0.004, 0.14},
            {0.10, 0.004, 0.18},
            {0.22, 0.004, -0.04},
            {0.14, 0.004, -0.26},
            {-0.12, 0.004, -0.28}},
           wet);
    m.poly({{-0.14, 0.005, -0.08},
            {-0.08, 0.005, 0.06},
            {0.06, 0.005, 0.06},
            {0.08, 0.005, -0.12},
            {-0.06, 0.005, -0.16}},
           Rgb{0.36, 0.22, 0.14});
    // Spoil heaps.
    m.frustum(-0.32, 0.24, 0.12, 0.04, 0, 0.12, 8, clay);
    m.frustum(0.30, -0.28, 0.10, 0.03, 0, 0.10, 8, mix(clay, pal::white, 0.1));
    m.frustum(0.32, 0.22, 0.09, 0.03, 0, 0.08, 8, clay);
    // Lean-to with drying pots.
    for (double x : {-0.10, 0.26})
        m.box(x - 0.012, 0, 0.38 - 0.012, x + 0.012, 0.22, 0.38 + 0.012, pal::timber);
    for (double x : {-0.10, 0.26})
        m.box(x - 0.012, 0, 0.24 - 0.012, x + 0.012, 0.17, 0.24 + 0.012, pal::timber);
    m.poly({{-0.14, 0.23, 0.42}, {0.30, 0.23, 0.42}, {0.30, 0.17, 0.20}, {-0.14, 0.17, 0.20}},
           pal::shingle);
    for (int i = 0; i < 4; ++i)
        m.frustum(-0.04 + i * 0.08, 0.31, 0.025, 0.035, 0, 0.06, 6, Rgb{0.80, 0.50, 0.30});
    // Wheelbarrow and spade.
    m.push(Xform::translate(0.22, 0, -0.06) * Xform::rotate_y(-30));
    m.box(-0.04, 0.04, -0.06, 0.04, 0.08, 0.05, pal::planks);
    m.box(-0.03, 0.079, -0.05, 0.03, 0.09, 0.04, clay);
    m.tube({-0.01, 0.032, -0.08}, {0.01, 0.032, -0.08}, 0.03, 6, pal::timber, pal::timber);
    m.beam({-0.03, 0.05, 0.05}, {-0.035, 0.06, 0.14}, 0.006, pal::wood);
    m.beam({0.03, 0.05, 0.05}, {0.035, 0.06, 0.14}, 0.006, pal::wood);
    m.pop();
    m.beam({-0.30, 0.01, -0.30}, {-0.30, 0.20, -0.28}, 0.006, pal::wood);
    m.box(-0.32, 0, -0.315, -0.28, 0.05, -0.30, pal::steel);
    return m;
}

// Irregular rock: a box with jittered corners.
void rock(Mesh& m, Rng& r, double x, double z, double w, double d, double h, Rgb c) {
    V3 p[8] = {{x - w, 0, z - d},
               {x - w, 0, z + d},
               {x + w, 0, z + d},
               {x + w, 0, z - d},
               {x - w * r.range(0.4, 0.8), h * r.range(0.8, 1.0), z - d * r.range(0.4, 0.8)},
               {x - w * r.range(0.4, 0.8), h * r.range(0.7, 1.0), z + d * r.range(0.4, 0.8)},
               {x + w * r.range(0.4, 0.8), h * r.range(0.6, 1.0), z + d * r.range(0.4, 0.8)},
               {x + w * r.range(0.4, 0.8), h * r.range(0.7, 1.0), z - d * r.range(0.4, 0.8)}};
    m.hexa(p, c);
}

Mesh zberac_kamena() {
    Mesh m("zberac_kamena");
    m.ground_disc(0, 0.02, 0.46, 0.002, 12, Rgb{0.56, 0.54, 0.50});
    Rng r(5);
    Rgb greys[3] = {pal::stone, mix(pal::stone, pal::dark_stone, 0.6),
                    mix(pal::stone, pal::white, 0.25)};
    // Outcrop at the back, cut in steps toward the front.
    rock(m, r, -0.10, 0.24, 0.30, 0.16, 0.42, greys[1]);
    rock(m, r, 0.22, 0.22, 0.18, 0.18, 0.34, greys[0]);
    rock(m, r, -0.30, 0.06, 0.14, 0.12, 0.24, greys[0]);
    m.box(-0.14, 0, -0.02, 0.14, 0.14, 0.12, greys[2]);
    m.box(-0.10, 0.14, 0.04, 0.10, 0.24, 0.16, greys[2]);
    for (int i = 0; i < 6; ++i) {
        double x = r.range(-0.36, 0.36), z = r.range(-0.40, -0.12), s = r.range(0.03, 0.06);
        rock(m, r, x, z, s, s * 0.8, s * 1.2, greys[i % 3]);
    }
    // Cut blocks ready to haul.
    m.box(0.16, 0, -0.22, 0.28, 0.07, -0.12, greys[2]);
    m.box(0.18, 0.07, -0.20, 0.27, 0.13, -0.13, greys[0]);
    // Wooden crane.
    m.beam({-0.34, 0.01, -0.24}, {-0.28, 0.42, -0.18}, 0.01, pal::timber);
    m.beam({-0.22, 0.01, -0.24}, {-0.28, 0.42, -0.18}, 0.01, pal::timber);
    m.beam({-0.28, 0.01, -0.08}, {-0.28, 0.42, -0.18}, 0.01, pal::timber);
    m.beam({-0.28, 0.40, -0.18}, {-0.04, 0.46, -0.30}, 0.009, pal::wood);
    m.beam({-0.04, 0.46, -0.30}, {-0.04, 0.16, -0.30}, 0.003, Rgb{0.80, 0.70, 0.50});
    m.box(-0.07, 0.10, -0.33, -0.01, 0.16, -0.27, greys[2]);
    return m;
}

Mesh zberac_rudy() {
    Mesh m("zberac_rudy");
    m.ground_disc(0, 0, 0.46, 0.002, 12, Rgb{0.46, 0.40, 0.34});
    Rng r(11);
    Rgb rockc{0.46, 0.42, 0.40};
    // Hill with a timbered adit facing the street.
    rock(m, r, 0, 0.20, 0.42, 0.24, 0.44, rockc);
    rock(m, r, -0.30, 0.00, 0.14, 0.14, 0.26, mix(rockc, pal::dark_stone, 0.5));
    rock(m, r, 0.30, 0.02, 0.14, 0.12, 0.24, mix(rockc, pal::dark_stone, 0.3));
    m.box(-0.12, 0, -0.06, 0.12, 0.25, 0.10, mix(rockc, pal::dark_stone, 0.4));
    m.box(-0.07, 0, -0.075, 0.07, 0.17, -0.06, Rgb{0.06, 0.05, 0.05});
    m.box(-0.095, 0, -0.09, -0.07, 0.19, -0.065, pal::timber);
    m.box(0.07, 0, -0.09, 0.095, 0.19, -0.065, pal::timber);
    m.box(-0.11, 0.17, -0.095, 0.11, 0.20, -0.06, pal::timber);
    // Rails and an ore cart.
    for (double x : {-0.035, 0.035})
        m.box(x - 0.006, 0.002, -0.44, x + 0.006, 0.012, -0.07, pal::iron);
    for (int i = 0; i < 6; ++i) {
        double z = -0.42 + i * 0.065;
        m.box(-0.06, 0.001, z - 0.012, 0.06, 0.008, z + 0.012, pal::timber);
    }
    m.push(Xform::translate(0, 0.012, -0.28));
    m.box(-0.05, 0.03, -0.06, 0.05, 0.10, 0.06, pal::planks);
    Rgb ore{0.62, 0.28, 0.16};
    m.frustum(0, 0, 0.045, 0.015, 0.10, 0.14, 6, ore);
    for (double x : {-0.052, 0.052})
        for (double z : {-0.035, 0.035})
            m.tube({x - 0.004, 0.02, z}, {x + 0.004, 0.02, z}, 0.02, 6, pal::iron, pal::iron);
    m.pop();
    // Heap of ore and a lantern post.
    m.frustum(0.26, -0.28, 0.12, 0.03, 0, 0.10, 8, ore);
    m.frustum(-0.26, -0.30, 0.09, 0.02, 0, 0.07, 8, mix(ore, pal::dark_stone, 0.3));
    m.box(-0.16, 0, -0.16, -0.145, 0.24, -0.145, pal::timber);
    m.box(-0.17, 0.22, -0.17, -0.135, 0.26, -0.135, Rgb{1.0, 0.85, 0.45});
    return m;
}

Mesh zbrojar_luk() {
    Mesh m("zbrojar_luk");
    yard(m, -0.44, -0.44, 0.44, 0.40, Rgb{0.54, 0.48, 0.34});
    framed_walls(m, -0.38, 0.04, 0.20, 0.34, 0.26);
    m.gable_roof(-0.43, -0.02, 0.25, 0.40, 0.25, 0.46, true, Rgb{0.30, 0.46, 0.26}, pal::plaster);
    front_door(m, -0.24, 0.04, 0.08, 0.17);
    front_window(m, 0.06, 0.15, 0.04, 0.07, 0.06);
    // Archery butt: straw boss with painted rings on a tripod, facing the street.
    const double tx = 0.30, tz = -0.20, ty = 0.20;
    m.beam({tx - 0.08, 0.01, tz + 0.04}, {tx, ty + 0.10, tz + 0.02}, 0.008, pal::timber);
    m.beam({tx + 0.08, 0.01, tz + 0.04}, {tx, ty + 0.10, tz + 0.02}, 0.008, pal::timber);
    m.beam({tx, 0.01, tz + 0.14}, {tx, ty + 0.10, tz + 0.02}, 0.008, pal::timber);
    m.push(Xform::translate(tx, ty, tz) * Xform::rotate_x(-12));
    m.tube({0, 0, 0.0}, {0, 0, 0.03}, 0.12, 12, pal::straw, pal::straw);
    Rgb rings[4] = {pal::white, pal::red, pal::white, pal::gold};
    double radii[4] = {0.10, 0.075, 0.05, 0.025};
    for (int k = 0; k < 4; ++k) {
        std::vector<V3> d;
        for (int i = 0; i < 12; ++i) {
            double a = 2 * kPi * i / 12;
            d.push_back({radii[k] * std::cos(a), radii[k] * std::sin(a), -0.002 - 0.001 * k});
        }
        std::vector<V3> dr(d.rbegin(), d.rend());
        m.poly(dr, rings[k]);
    }
    m.pop();
    // Rack of unstrung bows and a bundle of arrows.
    rack(m, -0.34, -0.02, -0.20, 0.26);
    Rgb yew{0.55, 0.30, 0.12};
    for (int i = 0; i < 4; ++i) {
        double x = -0.30 + i * 0.08;
        m.beam({x, 0.06, -0.21}, {x + 0.02, 0.14, -0.215}, 0.006, yew);
        m.beam({x + 0.02, 0.14, -0.215}, {x, 0.23, -0.21}, 0.006, yew);
        m.beam({x, 0.06, -0.205}, {x, 0.23, -0.205}, 0.002, pal::white);
    }
    m.cylinder(0.06, -0.30, 0.03, 0, 0.12, 6, Rgb{0.50, 0.32, 0.18});
    for (int i = 0; i < 5; ++i)
        m.box(0.045 + i * 0.007, 0.12, -0.305, 0.05 + i * 0.007, 0.16, -0.295, pal::white);
    return m;
}

Mesh kosiar() {
    Mesh m("kosiar");
    // Golden wheat, half of it mown to stubble, with haystacks.
    Rgb wheat{0.76, 0.64, 0.32}, stubble{0.68, 0.60, 0.38};
    m.ground_quad(-0.46, -0.46, 0.46, 0.46, 0.002, stubble);
    for (int i = 0; i < 7; ++i) {
        double z0 = -0.02 + i * 0.066;
        V3 p[8] = {{-0.44, 0.002, z0},       {-0.44, 0.002, z0 + 0.05}, {0.44, 0.002, z0 + 0.05},
                   {0.44, 0.002, z0},        {-0.44, 0.10, z0 + 0.012}, {-0.44, 0.10, z0 + 0.038},
                   {0.44, 0.10, z0 + 0.038}, {0.44, 0.10, z0 + 0.012}};
        m.hexa(p, wheat);
    }
    for (int i = 0; i < 7; ++i) {
        double z = -0.42 + i * 0.055;
        m.box(-0.44, 0.002, z, 0.44, 0.012, z + 0.012, mix(stubble, pal::soil, 0.25));
    }
    Rgb hay{0.74, 0.60, 0.30};
    double hx[] = {-0.28, 0.02, 0.30};
    double hz[] = {-0.28, -0.16, -0.32};
    for (int i = 0; i < 3; ++i) {
        m.frustum(hx[i], hz[i], 0.09, 0.08, 0, 0.10, 8, hay, false);
        m.cone(hx[i], hz[i], 0.08, 0.10, 0.22, 8, mix(hay, pal::straw, 0.4));
        m.beam({hx[i], 0.0, hz[i]}, {hx[i], 0.26, hz[i]}, 0.005, pal::timber);
    }
    // Scythe leaning on a sheaf.
    m.beam({0.16, 0.01, -0.40}, {0.20, 0.22, -0.36}, 0.005, pal::wood);
    m.beam({0.20, 0.22, -0.36}, {0.10, 0.24, -0.38}, 0.006, pal::steel);
    m.frustum(0.22, -0.40, 0.035, 0.025, 0, 0.10, 6, hay);
    return m;
}

Mesh farma() {
    Mesh m("farma");
    // Green crop rows on dark soil in front, a red barn at the back.
    m.ground_quad(-0.46, -0.46, 0.46, 0.46, 0.002, pal::soil);
    Rgb crop{0.38, 0.62, 0.22};
    for (int i = 0; i < 6; ++i) {
        double x0 = -0.42 + i * 0.145;
        V3 p[8] = {{x0, 0.002, -0.42},        {x0, 0.002, 0.06},          {x0 + 0.09, 0.002, 0.06},
                   {x0 + 0.09, 0.002, -0.42}, {x0 + 0.015, 0.075, -0.40}, {x0 + 0.015, 0.075, 0.04},
                   {x0 + 0.075, 0.075, 0.04}, {x0 + 0.075, 0.075, -0.40}};
        m.hexa(p, i % 2 ? crop : mix(crop, pal::straw, 0.2));
    }
    Rgb barn{0.52, 0.25, 0.19};
    m.box(-0.36, 0, 0.14, 0.18, 0.24, 0.42, barn);
    for (double x : {-0.36, 0.18})
        for (double z : {0.14, 0.42})
            m.box(x - 0.012, 0, z - 0.012, x + 0.012, 0.24, z + 0.012, pal::white);
    m.gable_roof(-0.40, 0.10, 0.22, 0.46, 0.23, 0.42, true, pal::shingle, barn);
    m.box(-0.16, 0, 0.128, -0.02, 0.17, 0.14, pal::white);
    m.box(-0.15, 0.01, 0.125, -0.03, 0.16, 0.129, Rgb{0.45, 0.14, 0.10});
    m.beam({-0.15, 0.01, 0.124}, {-0.03, 0.16, 0.124}, 0.006, pal::white);
    m.beam({-0.03, 0.01, 0.124}, {-0.15, 0.16, 0.124}, 0.006, pal::white);
    leafy_tree(m, 0.34, 0.30, 0.44, Rgb{0.26, 0.52, 0.18});
    m.cylinder(0.34, 0.12, 0.03, 0, 0.05, 6, pal::wood);
    fence(m, -0.46, -0.46, 0.46, -0.46, 0.08, 7);
    fence(m, 0.46, -0.46, 0.46, 0.06, 0.08, 4);
    return m;
}

Mesh cintorin() {
    Mesh m("cintorin");
    m.ground_quad(-0.44, -0.44, 0.44, 0.44, 0.002, Rgb{0.26, 0.40, 0.20});
    m.ground_quad(-0.05, -0.44, 0.05, 0.20, 0.003, Rgb{0.62, 0.58, 0.50});  // path
    // Low stone wall with a gap for the path.
    Rgb wall = mix(pal::stone, pal::dark_stone, 0.3);
    m.box(-0.45, 0, 0.40, 0.45, 0.08, 0.45, wall);
    m.box(-0.45, 0, -0.45, -0.40, 0.08, 0.40, wall);
    m.box(0.40, 0, -0.45, 0.45, 0.08, 0.40, wall);
    m.box(-0.40, 0, -0.45, -0.07, 0.08, -0.40, wall);
    m.box(0.07, 0, -0.45, 0.40, 0.08, -0.40, wall);
    for (double x : {-0.08, 0.08}) m.box(x - 0.02, 0, -0.46, x + 0.02, 0.14, -0.41, wall);
    // Graves: headstones and wooden crosses over earth mounds.
    Rgb mound{0.36, 0.30, 0.20}, headstone{0.70, 0.70, 0.68};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            double x = (col < 2 ? -0.32 : 0.14) + (col % 2) * 0.14;
            double z = -0.28 + row * 0.18;
            m.box(x - 0.035, 0.002, z + 0.005, x + 0.035, 0.02, z + 0.11, mound);
            if ((row + col) % 2 == 0) {
                m.box(x - 0.03, 0, z - 0.01, x + 0.03, 0.08, z + 0.01, headstone);
                m.frustum(x, z, 0.03, 0.015, 0.08, 0.095, 6, headstone);
            } else {
                m.box(x - 0.007, 0, z - 0.007, x + 0.007, 0.12, z + 0.007, pal::wood);
                m.box(x - 0.035, 0.075, z - 0.007, x + 0.035, 0.09, z + 0.007, pal::wood);
            }
        }
    }
    // Stone cross at the head of the path and a dark yew.
    m.box(-0.05, 0, 0.24, 0.05, 0.04, 0.34, wall);
    m.box(-0.015, 0.04, 0.275, 0.015, 0.32, 0.305, headstone);
    m.box(-0.07, 0.22, 0.275, 0.07, 0.25, 0.305, headstone);
    pine_tree(m, 0.32, 0.30, 0.46);
    return m;
}

// Pelt: body with four legs and a head, hung flat facing the street.
void pelt(Mesh& m, double x, double y, double z, double s, Rgb c) {
    m.panel({{x - 0.03 * s, y, z},
             {x - 0.035 * s, y - 0.09 * s, z},
             {x, y - 0.11 * s, z},
             {x + 0.035 * s, y - 0.09 * s, z},
             {x + 0.03 * s, y, z}},
            c);
    m.panel({{x - 0.03 * s, y - 0.015 * s, z},
             {x - 0.06 * s, y - 0.035 * s, z},
             {x - 0.03 * s, y - 0.035 * s, z}},
            c);
    m.panel({{x + 0.03 * s, y - 0.015 * s, z},
             {x + 0.03 * s, y - 0.035 * s, z},
             {x + 0.06 * s, y - 0.035 * s, z}},
            c);
    m.panel({{x - 0.032 * s, y - 0.07 * s, z},
             {x - 0.06 * s, y - 0.095 * s, z},
             {x - 0.034 * s, y - 0.09 * s, z}},
            c);
    m.panel({{x + 0.032 * s, y - 0.07 * s, z},
             {x + 0.034 * s, y - 0.09 * s, z},
             {x + 0.06 * s, y - 0.095 * s, z}},
            c);
}

Mesh kozusinar() {
    Mesh m("kozusinar");
    yard(m, -0.42, -0.42, 0.42, 0.40, Rgb{0.48, 0.42, 0.32});
    Rgb logs{0.46, 0.32, 0.20};
    log_walls(m, -0.36, 0.06, 0.22, 0.34, 0.24, logs);
    m.gable_roof(-0.41, 0.0, 0.27, 0.40, 0.23, 0.44, true, Rgb{0.36, 0.26, 0.22}, logs);
    // Furs spread on the roof to dry, plain to see from above.
    Rgb roof_furs[3] = {{0.76, 0.74, 0.70}, {0.62, 0.40, 0.22}, {0.50, 0.50, 0.52}};
    for (int i = 0; i < 3; ++i) {
        m.push(Xform::translate(-0.27 + i * 0.2, 0.338, 0.10) * Xform::rotate_x(46));
        pelt(m, 0, 0.07, -0.008, 1.3, roof_furs[i]);
        m.pop();
    }
    front_door(m, -0.08, 0.06, 0.08, 0.17);
    pelt(m, -0.24, 0.21, 0.053, 1.0, Rgb{0.92, 0.90, 0.86});  // on the wall
    pelt(m, 0.10, 0.21, 0.053, 1.0, Rgb{0.78, 0.42, 0.18});
    // Long rail of pelts in front.
    m.box(-0.38, 0, -0.24, -0.365, 0.26, -0.225, pal::timber);
    m.box(0.365, 0, -0.24, 0.38, 0.26, -0.225, pal::timber);
    m.box(-0.38, 0.245, -0.24, 0.38, 0.26, -0.225, pal::timber);
    Rgb furs[5] = {{0.42, 0.30, 0.20},
                   {0.86, 0.84, 0.80},
                   {0.55, 0.55, 0.55},
                   {0.76, 0.40, 0.16},
                   {0.30, 0.22, 0.16}};
    for (int i = 0; i < 5; ++i) pelt(m, -0.28 + i * 0.14, 0.24, -0.232, 1.1, furs[i]);
    // Bundled furs on a crate.
    crate(m, 0.32, 0.0, 0.08);
    m.box(0.285, 0.08, -0.035, 0.355, 0.12, 0.035, Rgb{0.86, 0.84, 0.80});
    return m;
}

Mesh sklad() {
    Mesh m("sklad");
    yard(m, -0.46, -0.46, 0.46, 0.42, Rgb{0.52, 0.46, 0.36});
    Rgb boards{0.53, 0.37, 0.23};
    m.box(-0.41, 0, -0.16, 0.41, 0.06, 0.38, pal::stone);
    m.box(-0.40, 0.06, -0.15, 0.40, 0.34, 0.37, boards);
    for (int i = 0; i < 9; ++i) {  // vertical battens
        double x = -0.40 + i * 0.1;
        m.box(x - 0.006, 0.06, -0.156, x + 0.006, 0.34, -0.15, pal::timber);
    }
    m.gable_roof(-0.45, -0.22, 0.45, 0.44, 0.33, 0.62, true, Rgb{0.47, 0.35, 0.27}, boards);
    // Wide double door with a cross brace, loft hatch above.
    m.box(-0.13, 0.06, -0.165, 0.13, 0.28, -0.15, pal::door);
    m.box(-0.005, 0.06, -0.168, 0.005, 0.28, -0.165, pal::timber);
    m.beam({-0.12, 0.07, -0.168}, {-0.01, 0.27, -0.168}, 0.006, pal::wood);
    m.beam({0.12, 0.07, -0.168}, {0.01, 0.27, -0.168}, 0.006, pal::wood);
    m.box(-0.14, 0.28, -0.17, 0.14, 0.30, -0.15, pal::timber);
    // Goods in front.
    crate(m, -0.34, -0.30, 0.08);
    crate(m, -0.25, -0.31, 0.07);
    crate(m, -0.30, -0.30, 0.06, 0.08);
    barrel(m, 0.24, -0.28, 0.04, 0.10);
    barrel(m, 0.33, -0.28, 0.04, 0.10);
    barrel(m, 0.285, -0.36, 0.04, 0.10);
    sack(m, 0.20, -0.40, 0.07);
    sack(m, -0.18, -0.38, 0.07);
    return m;
}

Mesh sypka() {
    Mesh m("sypka");
    yard(m, -0.42, -0.42, 0.42, 0.42, Rgb{0.56, 0.50, 0.38});
    // Granary raised on staddle stones against damp and rats.
    for (double x : {-0.26, 0.0, 0.26})
        for (double z : {-0.14, 0.22}) {
            m.frustum(x, z, 0.035, 0.02, 0, 0.08, 6, pal::stone, false);
            m.frustum(x, z, 0.05, 0.05, 0.08, 0.10, 6, pal::stone);
        }
    m.box(-0.32, 0.10, -0.20, 0.32, 0.13, 0.28, pal::timber);
    Rgb boards{0.66, 0.48, 0.28};
    m.box(-0.30, 0.13, -0.18, 0.30, 0.36, 0.26, boards);
    for (int i = 0; i < 7; ++i) {
        double x = -0.30 + i * 0.1;
        m.box(x - 0.006, 0.13, -0.186, x + 0.006, 0.36, -0.18, pal::timber);
    }
    m.hip_roof(-0.37, -0.25, 0.37, 0.33, 0.35, 0.64, pal::thatch);
    m.box(-0.06, 0.15, -0.19, 0.06, 0.30, -0.18, pal::door);
    // Steps up to the door and sacks of grain.
    for (int i = 0; i < 3; ++i)
        m.box(-0.07, 0, -0.28 + i * 0.03, 0.07, 0.035 * (i + 1), -0.25 + i * 0.03, pal::planks);
    sack(m, -0.26, -0.32, 0.08);
    sack(m, -0.18, -0.34, 0.08);
    sack(m, -0.22, -0.26, 0.08);
    sack(m, 0.22, -0.32, 0.08);
    m.frustum(0.32, -0.28, 0.05, 0.02, 0, 0.05, 7, pal::straw);
    return m;
}

// Earth ground filling the whole tile: barrier models reach exactly -0.5 .. 0.5 so the
// walkers' collision box covers their tile.
void barrier_ground(Mesh& m, Rgb c) { m.ground_quad(-0.5, -0.5, 0.5, 0.5, 0.002, c); }

Mesh drevena_veza() {
    Mesh m("drevena_veza");
    barrier_ground(m, Rgb{0.50, 0.42, 0.30});
    Rgb legs{0.42, 0.28, 0.16};
    const double base = 0.40, top = 0.30, ph = 0.92;
    for (double sx : {-1.0, 1.0})
        for (double sz : {-1.0, 1.0}) {
            m.box(sx * base - 0.05, 0, sz * base - 0.05, sx * base + 0.05, 0.05, sz * base + 0.05,
                  pal::stone);
            m.beam({sx * base, 0.03, sz * base}, {sx * top, ph, sz * top}, 0.025, legs);
        }
    // Cross bracing on every side, two tiers.
    for (int side = 0; side < 4; ++side) {
        m.push(Xform::rotate_y(90.0 * side));
        for (int tier = 0; tier < 2; ++tier) {
            double y0 = tier * 0.5, y1 = y0 + 0.5;
            double r0 = base + (top - base) * (y0 / ph), r1 = base + (top - base) * (y1 / ph);
            m.beam({-r0, y0 + 0.04, -r0 - 0.01}, {r1, y1, -r1 - 0.01}, 0.012, pal::wood);
            m.beam({r0, y0 + 0.04, -r0 - 0.01}, {-r1, y1, -r1 - 0.01}, 0.012, pal::wood);
        }
        m.pop();
    }
    // Platform with a plank parapet.
    m.box(-0.38, ph, -0.38, 0.38, ph + 0.05, 0.38, pal::planks, true);
    Rgb parapet{0.56, 0.38, 0.22};
    m.box(-0.38, ph + 0.05, -0.38, 0.38, ph + 0.20, -0.35, parapet);
    m.box(-0.38, ph + 0.05, 0.35, 0.38, ph + 0.20, 0.38, parapet);
    m.box(-0.38, ph + 0.05, -0.35, -0.35, ph + 0.20, 0.35, parapet);
    m.box(0.35, ph + 0.05, -0.35, 0.38, ph + 0.20, 0.35, parapet);
    for (int i = 0; i < 5; ++i) {  // plank seams
        double x = -0.30 + i * 0.15;
        m.box(x - 0.005, ph + 0.05, -0.386, x + 0.005, ph + 0.20, -0.38, pal::timber);
    }
    // Roof on four posts.
    for (double sx : {-1.0, 1.0})
        for (double sz : {-1.0, 1.0})
            m.box(sx * 0.33 - 0.018, ph + 0.05, sz * 0.33 - 0.018, sx * 0.33 + 0.018, ph + 0.42,
                  sz * 0.33 + 0.018, legs);
    m.hip_roof(-0.44, -0.44, 0.44, 0.44, ph + 0.40, ph + 0.72, pal::shingle);
    m.pyramid(0, 0, 0.03, ph + 0.70, 0.06, pal::timber);  // finial
    // Ladder on the front.
    m.beam({-0.07, 0.01, -0.46}, {-0.07, ph, -0.37}, 0.008, pal::wood);
    m.beam({0.07, 0.01, -0.46}, {0.07, ph, -0.37}, 0.008, pal::wood);
    for (int i = 1; i < 9; ++i) {
        double t = i / 9.0;
        double z = -0.46 + 0.09 * t;
        m.beam({-0.07, ph * t, z}, {0.07, ph * t, z}, 0.005, pal::wood);
    }
    return m;
}

Mesh kamenna_veza() {
    Mesh m("kamenna_veza");
    barrier_ground(m, Rgb{0.52, 0.50, 0.46});
    Rgb wall{0.58, 0.56, 0.53}, band = mix(wall, pal::dark_stone, 0.5);
    m.box(-0.46, 0, -0.46, 0.46, 0.12, 0.46, band);  // battered plinth
    V3 body[8] = {{-0.40, 0.12, -0.40}, {-0.40, 0.12, 0.40},  {0.40, 0.12, 0.40},
                  {0.40, 0.12, -0.40},  {-0.36, 1.25, -0.36}, {-0.36, 1.25, 0.36},
                  {0.36, 1.25, 0.36},   {0.36, 1.25, -0.36}};
    m.hexa(body, wall);
    // Courses of stone as darker lines on the front and sides.
    for (int i = 1; i < 6; ++i) {
        double y = 0.12 + i * 0.19;
        double r = 0.40 - 0.04 * (y - 0.12) / 1.13;
        m.box(-r - 0.004, y - 0.006, -r - 0.004, r + 0.004, y + 0.006, r + 0.004, band);
    }
    // Machicolated top with merlons.
    m.box(-0.44, 1.25, -0.44, 0.44, 1.34, 0.44, band, true);
    m.box(-0.44, 1.34, -0.44, 0.44, 1.37, 0.44, wall);
    for (int side = 0; side < 4; ++side) {
        m.push(Xform::rotate_y(90.0 * side));
        for (int i = 0; i < 4; ++i) {
            double x = -0.385 + i * 0.257;
            m.box(x - 0.055, 1.37, -0.44, x + 0.055, 1.50, -0.36, wall);
        }
        m.pop();
    }
    // Arrow slits, door, flag.
    Rgb slit{0.08, 0.07, 0.07};
    for (double y : {0.55, 0.95}) {
        double r = 0.40 - 0.04 * (y - 0.12) / 1.13;
        m.box(-0.015, y - 0.07, -r - 0.006, 0.015, y + 0.07, -r + 0.01, slit);
        m.box(r - 0.01, y - 0.07, -0.015, r + 0.006, y + 0.07, 0.015, slit);
        m.box(-r - 0.006, y - 0.07, -0.015, -r + 0.01, y + 0.07, 0.015, slit);
    }
    m.box(-0.08, 0.12, -0.41, 0.08, 0.36, -0.39, pal::door);
    m.box(-0.10, 0.0, -0.47, 0.10, 0.12, -0.41, band);  // steps
    m.cylinder(0.26, 0.26, 0.012, 1.37, 1.78, 5, pal::timber);
    m.panel({{0.27, 1.77, 0.26}, {0.27, 1.59, 0.26}, {0.48, 1.63, 0.26}, {0.48, 1.77, 0.26}},
            pal::blue);
    m.panel({{0.30, 1.73, 0.258}, {0.30, 1.63, 0.258}, {0.44, 1.66, 0.258}, {0.44, 1.73, 0.258}},
            pal::gold);
    return m;
}

Mesh palisada() {
    Mesh m("palisada");
    barrier_ground(m, Rgb{0.50, 0.44, 0.32});
    // Earth bank along the stakes.
    V3 bank[8] = {{-0.5, 0, -0.16},    {-0.5, 0, 0.16},    {0.5, 0, 0.16},    {0.5, 0, -0.16},
                  {-0.5, 0.05, -0.07}, {-0.5, 0.05, 0.07}, {0.5, 0.05, 0.07}, {0.5, 0.05, -0.07}};
    m.hexa(bank, Rgb{0.44, 0.36, 0.24});
    Rgb stake{0.56, 0.40, 0.24}, tip{0.74, 0.60, 0.42};
    for (int i = 0; i < 10; ++i) {
        double x = -0.45 + i * 0.1;
        double h = (i % 2) ? 0.38 : 0.42;
        m.frustum(x, 0, 0.05, 0.048, 0, h, 7, stake, false, i % 2 ? 0.0 : 0.5);
        m.cone(x, 0, 0.048, h, h + 0.09, 7, tip, i % 2 ? 0.0 : 0.5);
    }
    // Rails binding the stakes, on the inner (+Z) side.
    m.box(-0.5, 0.10, 0.035, 0.5, 0.14, 0.065, pal::timber);
    m.box(-0.5, 0.28, 0.035, 0.5, 0.32, 0.065, pal::timber);
    return m;
}

Mesh drevena_brana() {
    Mesh m("drevena_brana");
    barrier_ground(m, Rgb{0.50, 0.44, 0.32});
    m.ground_quad(-0.36, -0.5, 0.36, 0.5, 0.003, Rgb{0.60, 0.52, 0.38});  // road through
    Rgb post{0.44, 0.30, 0.18};
    // Two heavy gate posts with pointed caps, flush with the palisade line.
    for (double s : {-1.0, 1.0}) {
        double x0 = s < 0 ? -0.5 : 0.36, x1 = s < 0 ? -0.36 : 0.5;
        m.box(x0, 0, -0.08, x1, 0.46, 0.08, post);
        m.pyramid((x0 + x1) / 2, 0, 0.07, 0.46, 0.08, pal::shingle);
        double b0 = std::max(x0 - 0.005, -0.5), b1 = std::min(x1 + 0.005, 0.5);
        m.box(b0, 0.12, -0.085, b1, 0.14, 0.085, pal::iron);
        m.box(b0, 0.34, -0.085, b1, 0.36, 0.085, pal::iron);
    }
    // Lintel with a small roof.
    m.box(-0.5, 0.40, -0.06, 0.5, 0.46, 0.06, pal::timber);
    m.gable_roof(-0.36, -0.10, 0.36, 0.10, 0.46, 0.52, true, pal::shingle, pal::timber);
    // Closed double door: vertical planks with iron bands, seam in the middle.
    Rgb leaf{0.58, 0.40, 0.22};
    m.box(-0.36, 0, -0.025, 0.36, 0.40, 0.025, leaf);
    for (int i = 1; i < 8; ++i) {
        double x = -0.36 + i * 0.09;
        m.box(x - 0.004, 0, -0.03, x + 0.004, 0.40, 0.03, mix(leaf, pal::timber, 0.6));
    }
    for (double y : {0.08, 0.30})
        m.box(-0.36, y - 0.015, -0.032, 0.36, y + 0.015, 0.032, pal::iron);
    m.box(-0.006, 0, -0.034, 0.006, 0.40, 0.034, pal::timber);
    m.box(-0.05, 0.18, -0.036, -0.02, 0.21, 0.036, pal::iron);
    m.box(0.02, 0.18, -0.036, 0.05, 0.21, 0.036, pal::iron);
    return m;
}

Mesh kasaren() {
    Mesh m("kasaren");
    const double H = 3.45;
    m.ground_quad(-H, -H, H, H, 0.002, Rgb{0.64, 0.56, 0.40});  // drill yard
    m.ground_quad(-0.35, -H, 0.35, -2.4, 0.003, Rgb{0.56, 0.50, 0.38});
    // Stone curtain wall with a gateway in the front wall.
    Rgb wall{0.58, 0.56, 0.52}, cap = mix(wall, pal::dark_stone, 0.4);
    const double t = 0.14, wh = 0.42;
    auto wall_seg = [&](double x0, double z0, double x1, double z1) {
        m.box(x0, 0, z0, x1, wh, z1, wall);
        m.box(x0 - 0.01, wh, z0 - 0.01, x1 + 0.01, wh + 0.03, z1 + 0.01, cap);
    };
    wall_seg(-H, H - t, H, H);
    wall_seg(-H, -H, -H + t, H - t);
    wall_seg(H - t, -H, H, H - t);
    wall_seg(-H + t, -H, -0.40, -H + t);
    wall_seg(0.40, -H, H - t, -H + t);
    // Merlons along the front wall.
    for (int i = 0; i < 25; ++i) {
        double x = -H + 0.2 + i * 0.27;
        if (x > H - 0.2) break;
        if (std::fabs(x) < 0.5) continue;
        m.box(x - 0.06, wh + 0.03, -H, x + 0.06, wh + 0.11, -H + t, wall);
    }
    // Corner towers.
    for (double sx : {-1.0, 1.0})
        for (double sz : {-1.0, 1.0}) {
            double cx = sx * (H - 0.28), cz = sz * (H - 0.28);
            m.box(cx - 0.24, 0, cz - 0.24, cx + 0.24, 0.70, cz + 0.24, wall);
            m.box(cx - 0.27, 0.70, cz - 0.27, cx + 0.27, 0.76, cz + 0.27, cap);
            m.hip_roof(cx - 0.30, cz - 0.30, cx + 0.30, cz + 0.30, 0.76, 1.12, pal::tiles);
        }
    // Gatehouse.
    for (double s : {-1.0, 1.0})
        m.box(s * 0.40 - 0.10, 0, -H, s * 0.40 + 0.10, 0.62, -H + 0.2, wall);
    m.box(-0.5, 0.44, -H, 0.5, 0.62, -H + 0.2, wall);
    m.gable_roof(-0.55, -H - 0.04, 0.55, -H + 0.25, 0.62, 0.86, true, pal::tiles, wall);
    m.box(-0.30, 0, -H + 0.04, 0.30, 0.44, -H + 0.06, mix(pal::planks, pal::timber, 0.3));
    // Long hall for the men along the back.
    Rgb hall_wall{0.74, 0.69, 0.58};
    framed_walls(m, -2.7, 1.9, 2.7, 3.2, 0.50, hall_wall);
    m.gable_roof(-2.8, 1.75, 2.8, 3.31, 0.48, 0.98, true, pal::tiles, hall_wall);
    for (int i = 0; i < 5; ++i) {
        double x = -2.2 + i * 1.1;
        front_door(m, x, 1.9, 0.16, 0.30);
        if (i < 4) {
            front_window(m, x + 0.36, 0.30, 1.9, 0.12, 0.12);
            front_window(m, x + 0.74, 0.30, 1.9, 0.12, 0.12);
        }
    }
    for (double x : {-1.6, 1.6}) m.box(x - 0.08, 0.7, 2.5, x + 0.08, 1.16, 2.66, pal::dark_stone);
    // Armoury on the left side.
    framed_walls(m, -3.2, -1.4, -2.2, 0.8, 0.44, hall_wall);
    m.gable_roof(-3.3, -1.5, -2.1, 0.9, 0.42, 0.80, false, pal::slate, hall_wall);
    front_door(m, -2.7, -1.4, 0.18, 0.30);
    // Stables on the right: open shed with hay.
    for (double z : {-1.4, -0.3, 0.8})
        m.box(2.3 - 0.025, 0, z - 0.025, 2.3 + 0.025, 0.40, z + 0.025, pal::timber);
    m.box(3.25, 0, -1.45, 3.31, 0.42, 0.85, pal::planks);
    m.poly({{2.2, 0.40, 0.9}, {3.35, 0.48, 0.9}, {3.35, 0.48, -1.5}, {2.2, 0.40, -1.5}},
           pal::shingle);
    for (double z : {-1.0, 0.0}) {
        m.box(2.7, 0, z - 0.25, 3.1, 0.16, z + 0.25, pal::straw);
    }
    // Training ground: dummies, weapon racks, archery butts.
    Rgb straw_body = mix(pal::straw, pal::wood, 0.3);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) {
            double x = -1.5 + c * 0.55, z = -1.6 + r * 0.7;
            m.box(x - 0.012, 0, z - 0.012, x + 0.012, 0.22, z + 0.012, pal::timber);
            m.box(x - 0.09, 0.17, z - 0.012, x + 0.09, 0.19, z + 0.012, pal::timber);
            m.box(x - 0.04, 0.09, z - 0.03, x + 0.04, 0.20, z + 0.03, straw_body);
            m.box(x - 0.025, 0.20, z - 0.025, x + 0.025, 0.25, z + 0.025, straw_body);
        }
    for (int k = 0; k < 2; ++k) {
        double x = 1.0 + k * 0.7, z = 0.9;
        m.push(Xform::translate(x, 0.18, z) * Xform::rotate_x(-12));
        m.tube({0, 0, 0}, {0, 0, 0.04}, 0.16, 12, pal::straw, pal::straw);
        m.tube({0, 0, -0.004}, {0, 0, 0.0}, 0.10, 12, pal::red, pal::red);
        m.tube({0, 0, -0.008}, {0, 0, -0.004}, 0.04, 12, pal::gold, pal::gold);
        m.pop();
        m.beam({x, 0.01, z + 0.12}, {x, 0.18, z + 0.03}, 0.012, pal::timber);
    }
    rack(m, -1.4, -0.6, 0.6, 0.28);
    for (int i = 0; i < 6; ++i) {
        double x = -1.34 + i * 0.13;
        m.beam({x, 0.0, 0.59}, {x, 0.46, 0.59}, 0.007, pal::wood);
        m.poly({{x - 0.02, 0.46, 0.59}, {x + 0.02, 0.46, 0.59}, {x, 0.54, 0.59}}, pal::steel);
        m.poly({{x + 0.02, 0.46, 0.59}, {x - 0.02, 0.46, 0.59}, {x, 0.54, 0.59}}, pal::steel);
    }
    // Banner poles flanking the gate.
    for (double s : {-1.0, 1.0}) {
        double x = s * 0.75;
        m.cylinder(x, -2.9, 0.02, 0, 1.2, 6, pal::timber);
        m.panel({{x + 0.02, 1.18, -2.92},
                 {x + 0.02, 0.80, -2.92},
                 {x + 0.20, 0.86, -2.92},
                 {x + 0.36, 0.80, -2.92},
                 {x + 0.36, 1.18, -2.92}},
                pal::red);
        m.panel({{x + 0.12, 1.10, -2.925},
                 {x + 0.12, 0.94, -2.925},
                 {x + 0.26, 0.94, -2.925},
                 {x + 0.26, 1.10, -2.925}},
                pal::gold);
    }
    barrel(m, -0.9, -2.9, 0.07, 0.16);
    barrel(m, -1.06, -2.95, 0.07, 0.16);
    crate(m, 1.1, -2.9, 0.14);
    return m;
}

}  // namespace

std::vector<Placed> make_buildings() {
    std::vector<Placed> v;
    v.push_back({kHouse, house()});
    v.push_back({kWork, kamenik()});
    v.push_back({kWork, kovac_kopije()});
    v.push_back({kWork, kovac_lahke_brnenie()});
    v.push_back({kWork, kovac_mece()});
    v.push_back({kWork, kovac_tazke_brnenie()});
    v.push_back({kWork, krajcir()});
    v.push_back({kWork, lovec()});
    v.push_back({kWork, mlyn()});
    v.push_back({kWork, pekaren()});
    v.push_back({kWork, rybar()});
    v.push_back({kWork, studna()});
    v.push_back({kWork, tehliaren()});
    v.push_back({kWork, zberac_dreva()});
    v.push_back({kWork, zberac_hliny()});
    v.push_back({kWork, zberac_kamena()});
    v.push_back({kWork, zberac_rudy()});
    v.push_back({kWork, zbrojar_luk()});
    v.push_back({kWork, kosiar()});
    v.push_back({kWork, farma()});
    v.push_back({kWork, cintorin()});
    v.push_back({kWork, kozusinar()});
    v.push_back({kDefence, drevena_veza()});
    v.push_back({kDefence, drevena_brana()});
    v.push_back({kDefence, kamenna_veza()});
    v.push_back({kDefence, palisada()});
    v.push_back({kDefence, kasaren()});
    v.push_back({kStores, sklad()});
    v.push_back({kStores, sypka()});
    return v;
}

}  // namespace assets
