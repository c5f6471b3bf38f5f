// The scene in a real window: the game starts through its own start-up functions, known world
// states are set up through the world's own operations, frames are drawn with DrawScene and read
// back. Each check compares pixels with the colours of the meshes that should be there. Every
// frame checked is saved as PNG under $VARNHOLD_SHOTS.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../../bench/ticho.h"
#include "Camera.h"
#include "Color.h"
#include "Font3.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Mouse.h"
#include "OpenGL3_3.h"
#include "Ovladanie.h"
#include "Strategy_library.h"
#include "functions.h"
#include "render_gl.h"
#include "shader.h"

using Strategy_library::S_L;

namespace {

std::string priecinok_snimok() {
    const char* p = std::getenv("VARNHOLD_SHOTS");
    // Never inside data/: the game's folder holds only what the asset generator writes.
    std::string d = p && *p ? p : ::testing::TempDir() + "varnhold_shots";
    std::filesystem::create_directories(d);
    return d;
}

void uloz(const S_snimka& s, const std::string& meno) {
    EXPECT_TRUE(uloz_png(s, priecinok_snimok() + "/" + meno)) << meno;
}

// A fresh game, running, with the camera at its start pose.
void nova_hra() {
    ::testing::internal::CaptureStdout();
    Nova_Hra();
    ::testing::internal::GetCapturedStdout();
    Nastav_Camera();
}

S_snimka nakresli(bool ako_sa_ukaze = false) {
    DrawScene();
    gl_hotovo();
    S_snimka s = precitaj_snimku(ako_sa_ukaze);
    vymen_buffre();
    return s;
}

// Window pixel (origin lower left) of a world point under this frame's MVP.
glm::vec2 na_obrazovku(glm::vec3 svet) {
    const glm::vec4 c = MVP * glm::vec4(svet, 1.0f);
    return {(c.x / c.w + 1.0f) * 0.5f * Window.X, (c.y / c.w + 1.0f) * 0.5f * Window.Y};
}

using Farba = std::array<int, 3>;

// The distinct colours of a registry mesh, in 0..255.
std::vector<Farba> farby(int mesh) {
    std::set<Farba> f;
    for (const glm::vec3& c : strategy.graficky_objekt_farby(mesh))
        f.insert({static_cast<int>(std::lround(c.r * 255)),
                  static_cast<int>(std::lround(c.g * 255)),
                  static_cast<int>(std::lround(c.b * 255))});
    return {f.begin(), f.end()};
}

bool zhoda(const unsigned char* p, const std::vector<Farba>& f) {
    for (const Farba& c : f)
        if (std::abs(p[0] - c[0]) <= 4 && std::abs(p[1] - c[1]) <= 4 && std::abs(p[2] - c[2]) <= 4)
            return true;
    return false;
}

// Pixels of the square of half-size r around p whose colour is one of `f`.
int zhody(const S_snimka& s, glm::vec2 p, int r, const std::vector<Farba>& f) {
    int n = 0;
    for (int y = static_cast<int>(p.y) - r; y <= static_cast<int>(p.y) + r; ++y)
        for (int x = static_cast<int>(p.x) - r; x <= static_cast<int>(p.x) + r; ++x)
            if (x >= 0 && y >= 0 && x < s.w && y < s.h && zhoda(s.px(x, y), f)) ++n;
    return n;
}

int zhody_vsade(const S_snimka& s, const std::vector<Farba>& f) {
    return zhody(s, {s.w / 2.0f, s.h / 2.0f}, std::max(s.w, s.h), f);
}

// World point of the centre of mesh `mesh` placed on tile (x, y) turned by `rot` degrees, the
// game's way (+X turns towards +Z).
glm::vec3 stred_meshu(int mesh, float x, float y, float rot) {
    const auto& g = strategy.graficky_objekt[mesh];
    const float cx = (g.min_x + g.max_x) / 2, cy = (g.min_y + g.max_y) / 2,
                cz = (g.min_z + g.max_z) / 2;
    const float t = rot * 0.017453292f;
    return {x + std::cos(t) * cx - std::sin(t) * cz, cy, y + std::sin(t) * cx + std::cos(t) * cz};
}

bool na_snimke(const S_snimka& s, glm::vec2 p) {
    return p.x >= 0 && p.y >= 0 && p.x < s.w && p.y < s.h;
}

TEST(Render, MainBuildingStandsWhereTheStartCameraLooks) {
    nova_hra();
    const int o = strategy.point_id_of_objekt_not_second(100, 100);
    ASSERT_TRUE(strategy.je_budova_nie_sekundarne(100, 100));
    ASSERT_EQ(strategy.objekt[o].id, S_L::hlavna_budova);
    const int mesh = strategy.get_graficky_objekt(100, 100);
    ASSERT_GE(mesh, 0);

    const S_snimka s = nakresli();
    uloz(s, "main_building.png");
    const glm::vec2 p = na_obrazovku(stred_meshu(mesh, 100, 100, strategy.objekt[o].rot));
    ASSERT_TRUE(na_snimke(s, p));
    // Near the middle of the screen, and in the building's own colours.
    EXPECT_NEAR(p.x, s.w / 2.0f, s.w / 4.0f);
    EXPECT_GE(zhody(s, p, 4, farby(mesh)), 81 / 2);

    // Without it the same spot shows something else.
    strategy.point[100][100].id_objektu = -1;
    const S_snimka bez = nakresli();
    strategy.point[100][100].id_objektu = o;
    EXPECT_LT(zhody(bez, p, 4, farby(mesh)), 81 / 4);
}

TEST(Render, GroundTakesTheColoursOfTheMonth) {
    nova_hra();
    const int tx = 97, ty = 102;
    ASSERT_EQ(strategy.point_id_of_objekt(tx, ty), -1);
    std::vector<Farba> videne[2];
    const int mesiace[2] = {S_L::M_januar, S_L::M_jun};
    for (int i = 0; i < 2; ++i) {
        strategy.time.mesiac = mesiace[i];
        const int mesh = strategy.podklad[0].mesiac[mesiace[i]].graficky_objekt;
        ASSERT_GE(mesh, 0);
        const S_snimka s = nakresli();
        uloz(s, i == 0 ? "ground_january.png" : "ground_june.png");
        const glm::vec2 p = na_obrazovku({tx, -0.01f + strategy.graficky_objekt[mesh].max_y, ty});
        ASSERT_TRUE(na_snimke(s, p));
        EXPECT_GE(zhody(s, p, 3, farby(mesh)), 49 * 3 / 4) << "month " << mesiace[i];
        const unsigned char* px = s.px(static_cast<int>(p.x), static_cast<int>(p.y));
        videne[i].push_back({px[0], px[1], px[2]});
    }
    // Winter and summer ground look different at the same spot.
    EXPECT_NE(videne[0][0], videne[1][0]);
    strategy.time.mesiac = S_L::M_februar;
}

TEST(Render, StreetOfEveryBuildingType) {
    nova_hra();
    strategy.set_owner(S_L::id_player);
    const int y = 40;
    for (int t = 1; t < S_L::last_building_integer; ++t) {
        if (t == S_L::hlavna_budova) continue;  // the town has one already
        const int x = 12 + 5 * (t - 1);
        strategy.pridaj_budovu(x, y, 0.0f, t, 1);
        ASSERT_TRUE(strategy.je_budova_nie_sekundarne(x, y)) << "type " << t;
    }
    for (int t = 1; t < S_L::last_building_integer; ++t) {
        if (t == S_L::hlavna_budova) continue;
        const int x = 12 + 5 * (t - 1);
        const int mesh = strategy.get_graficky_objekt(x, y);
        ASSERT_GE(mesh, 0) << "type " << t;
        // Look at the building from the usual height, three tiles in front of it; the view
        // centre follows the camera as the camera's own moves keep it.
        Camera.Position = {static_cast<float>(x), static_cast<float>(y - 3), 5.0f};
        moja_vnutorna_mys.x = Camera.Position.x;
        moja_vnutorna_mys.y = Camera.Position.y + Camera.Position.z;
        const S_snimka s = nakresli();
        uloz(s, "street_" + std::to_string(t) + ".png");
        const glm::vec2 p = na_obrazovku(stred_meshu(mesh, x, y, 0));
        ASSERT_TRUE(na_snimke(s, p)) << "type " << t;
        EXPECT_GE(zhody(s, p, 3, farby(mesh)), 49 / 2)
            << "type " << t << " " << strategy.budova_meno(t);
    }
}

TEST(Render, TownAroundTheMainBuildingShowsEachBuildingTurned) {
    nova_hra();
    strategy.set_owner(S_L::id_player);
    // A town on a two-tile grid in front of the start camera, every type turned its own way.
    struct Miesto {
        int x, y, typ;
        float rot;
    };
    std::vector<Miesto> mesto;
    int typ = 1;
    for (int y = 99; y <= 105; y += 2)
        for (int x = 97; x <= 103; x += 2) {
            if (typ == S_L::hlavna_budova || typ == S_L::kasaren) ++typ;
            mesto.push_back({x, y, typ, 90.0f * (typ % 4)});
            strategy.pridaj_budovu(x, y, mesto.back().rot, typ, 1);
            ASSERT_TRUE(strategy.je_budova_nie_sekundarne(x, y)) << "type " << typ;
            ++typ;
        }
    Camera.Position = {100.0f, 96.0f, 5.0f};
    moja_vnutorna_mys.x = Camera.Position.x;
    moja_vnutorna_mys.y = Camera.Position.y + Camera.Position.z;
    const S_snimka s = nakresli();
    uloz(s, "town.png");
    // Buildings may hide parts of the ones behind them; most must show their own colours.
    int na_obraze = 0, videne = 0;
    for (const Miesto& m : mesto) {
        const int mesh = strategy.get_graficky_objekt(m.x, m.y);
        const glm::vec2 p = na_obrazovku(stred_meshu(mesh, m.x, m.y, m.rot));
        if (!na_snimke(s, p)) continue;
        ++na_obraze;
        if (zhody(s, p, 2, farby(mesh)) >= 25 / 2) ++videne;
    }
    EXPECT_GE(na_obraze, 6);
    EXPECT_GE(videne, na_obraze * 3 / 4);
}

TEST(Render, WarGroupShowsItsSoldiersAndMarker) {
    nova_hra();
    strategy.set_owner(S_L::id_player);
    strategy.vojenska_skupina_vytvor_pocet = 6;
    ::testing::internal::CaptureStdout();
    const int g = strategy.vytvor_vojensku_skupinu(S_L::mec, -1, -1);
    ::testing::internal::GetCapturedStdout();
    ASSERT_GE(g, 0);
    auto& s = strategy.vojenska_skupina[g];
    ASSERT_GT(s.zoznam_vojakov_last_id, 0);
    s.xf = 98.0f;
    s.yf = 102.0f;
    s.personal_fights = true;
    for (int m = 0; m < s.zoznam_vojakov_last_id; ++m) {
        auto& c = strategy.clovek[s.zoznam_vojakov[m]];
        c.x = s.xf + c.formation_x * 5;
        c.y = s.yf + c.formation_y * 5;
        c.heading = 0;
    }
    V_oznacena_skupina_object_id = -1;

    const int znacka =
        strategy.visual_pointer[S_L::VIP_moja_vojenska_skupina_aktivna].graficky_objekt;
    const int vojak = strategy.vojna[S_L::v_sermiar].graficky_objekt;
    ASSERT_GE(znacka, 0);
    ASSERT_GE(vojak, 0);

    strategy.je_vojna = false;
    const S_snimka mier = nakresli();
    strategy.je_vojna = true;
    const S_snimka vojna = nakresli();
    strategy.je_vojna = false;
    uloz(vojna, "war_group.png");

    // Soldiers and the "fighting" marker appear only in the war pass.
    EXPECT_GT(zhody_vsade(vojna, farby(vojak)), zhody_vsade(mier, farby(vojak)) + 20);
    EXPECT_GT(zhody_vsade(vojna, farby(znacka)), zhody_vsade(mier, farby(znacka)) + 20);

    // The selected group shows its own marker kind instead.
    V_oznacena_skupina_object_id = g;
    strategy.je_vojna = true;
    const S_snimka oznacena = nakresli();
    strategy.je_vojna = false;
    V_oznacena_skupina_object_id = -1;
    const int iny =
        strategy.visual_pointer[S_L::VIP_moja_vojenska_skupina_oznacena].graficky_objekt;
    uloz(oznacena, "war_group_selected.png");
    EXPECT_GT(zhody_vsade(oznacena, farby(iny)), zhody_vsade(vojna, farby(iny)) + 20);
    EXPECT_LT(zhody_vsade(oznacena, farby(znacka)), zhody_vsade(vojna, farby(znacka)) - 20);
}

TEST(Render, TextIsDrawnInTheOverrideColourWhereItWasPlaced) {
    nova_hra();
    const S_snimka bez = nakresli();
    DrawScene();
    yellow();
    const float x = 200, y = 300;
    glRasterPos3f(x, y, 0);
    glPrint("VARNHOLD %d", 42);
    gl_hotovo();
    const S_snimka s = precitaj_snimku();
    vymen_buffre();
    uloz(s, "text_yellow.png");

    // The glyphs in yellow, standing on their black outlines.
    int zmenene = 0, mimo = 0, zlte = 0, cierne = 0;
    for (int py = 0; py < s.h; ++py)
        for (int px = 0; px < s.w; ++px) {
            const unsigned char* a = s.px(px, py);
            const unsigned char* b = bez.px(px, py);
            if (a[0] == b[0] && a[1] == b[1] && a[2] == b[2]) continue;
            ++zmenene;
            const bool v_riadku = px >= x - 3 * scalef && px <= x + 13 * scalef &&
                                  py >= y - 2 * scalef && py <= y + 3 * scalef;
            if (!v_riadku) ++mimo;
            if (a[0] > 200 && a[1] > 200 && a[2] < 60) ++zlte;
            if (a[0] < 40 && a[1] < 40 && a[2] < 40) ++cierne;
        }
    EXPECT_GT(zmenene, 100);
    EXPECT_EQ(mimo, 0);
    EXPECT_GT(zlte, zmenene / 3);
    EXPECT_GT(cierne, zmenene / 4);
    EXPECT_GT(zlte + cierne, zmenene * 3 / 4);
}

int mesh_kreslenia = 0;
void pocitaj_mesh(int handle, const glm::mat4& model) {
    ++mesh_kreslenia;
    kresli_mesh_gl(handle, model);
}

// A frame's GL work stays bounded however much it shows: a built-up town and the people tab's
// screen of text go out in a handful of draws, and no buffer is made or deleted in a frame.
TEST(Render, AFrameDrawsInAFewCallsAndMakesNoBuffers) {
    nova_hra();
    mesto_18x18();
    kresli_mesh = pocitaj_mesh;
    mesh_kreslenia = 0;
    gl_chyba();
    const int snimky = 3;
    const auto zmeraj = [&](bool s_textom) {
        const S_gl_statistika pred = gl_statistika;
        for (int i = 0; i < snimky; ++i) {
            if (s_textom) {
                DrawScene();
            } else {
                Kresli_svet();
                dokonci_snimku();
            }
            vymen_buffre();
        }
        const S_gl_statistika po = gl_statistika;
        EXPECT_EQ(po.vytvorene_buffre, pred.vytvorene_buffre) << (s_textom ? "with text" : "world");
        EXPECT_EQ(po.zmazane_buffre, pred.zmazane_buffre) << (s_textom ? "with text" : "world");
        return (po.kreslenia - pred.kreslenia) / snimky;
    };
    const long svet = zmeraj(false);
    EXPECT_GT(mesh_kreslenia, snimky * 18 * 18);  // every tile's ground and building was placed
    EXPECT_LE(svet, 64);
    Otvor_Okno_Hlavna_budova();
    Okno_HB_dolava_action();  // the people tab
    EXPECT_LE(zmeraj(true) - svet, 16);
    Close_Window();
    kresli_mesh = kresli_mesh_gl;
    EXPECT_EQ(gl_chyba(), 0u);
}

// A frame like the last is copied from the picture kept of it, the same to the pixel and with no
// draw; whatever changes what a layer gathers (the camera, a window's text, a building) is
// drawn anew, and its repeats are copied again.
TEST(Render, AStillFrameIsCopiedAndAChangedOneDrawnAnew) {
    nova_hra();
    strategy.set_owner(S_L::id_player);
    Camera.Position = {100.0f, 96.0f, 5.0f};
    const auto rozne = [](const S_snimka& a, const S_snimka& b) {
        int n = 0;
        for (std::size_t i = 0; i < a.rgb.size(); i += 3)
            n += a.rgb[i] != b.rgb[i] || a.rgb[i + 1] != b.rgb[i + 1] ||
                 a.rgb[i + 2] != b.rgb[i + 2];
        return n;
    };
    const auto po_zmene = [&](auto zmen) {
        const S_snimka pred = nakresli(true);
        zmen();
        const S_snimka nova = nakresli(true);
        EXPECT_EQ(rozne(nakresli(true), nova), 0);  // the first repeat is drawn, then kept
        const long kreslenia = gl_statistika.kreslenia;
        EXPECT_EQ(rozne(nakresli(true), nova), 0);
        EXPECT_EQ(gl_statistika.kreslenia, kreslenia);
        return rozne(nova, pred);
    };
    EXPECT_GT(po_zmene(Camera_forward), 1000);
    EXPECT_GT(po_zmene(Otvor_Okno_Hlavna_budova), 1000);
    EXPECT_GT(po_zmene([] { strategy.pridaj_budovu(99, 99, 0.0f, S_L::studna, 1); }), 100);
    EXPECT_GT(po_zmene(Close_Window), 1000);
    EXPECT_EQ(gl_chyba(), 0u);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (Start_okna() != 0) {
        std::fprintf(stderr, "render tests need a display (run them through with_xvfb.sh)\n");
        return 1;
    }
    if (!InitGL()) {
        std::fprintf(stderr, "start-up failed: are the data files in the working directory?\n");
        return 1;
    }
    Start_shaderov();
    const int vysledok = RUN_ALL_TESTS();
    kill_and_clear();
    // Shutdown releases every buffer the scene made: meshes, glyphs and lines.
    if (gl_statistika.vytvorene_buffre != gl_statistika.zmazane_buffre) {
        std::fprintf(stderr, "shutdown left %ld of %ld buffers\n",
                     gl_statistika.vytvorene_buffre - gl_statistika.zmazane_buffre,
                     gl_statistika.vytvorene_buffre);
        return 1;
    }
    return vysledok;
}
