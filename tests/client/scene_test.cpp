// Scene drawing without a GL context: the replacement matrix calls, the placement family, the
// world pass with its window of tiles, the turn of people, and the colour override. Mesh and line
// draws go to recorders instead of the GPU.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Color.h"
#include "Draw_3.h"
#include "Draw_Map.h"
#include "Draw_Map_okno.h"
#include "Font3.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Mouse.h"
#include "Strategy_library.h"
#include "functions.h"
#include "zaloha.h"

using Strategy_library::S_L;

namespace {

struct Kreslenie {
    int handle;
    glm::vec3 kde, x, y;  // where the mesh's origin lands and where its +X and +Y axes point
    bool farba, text;     // the colour override was on; text printing was not held back
    float podiel;         // the share of the override colour (a tint below 1)
};
std::vector<Kreslenie> kreslenia;
std::vector<std::vector<float>> ciary;

void zaznam_mesh(int handle, const glm::mat4& model) {
    const glm::mat4 mvp = ProjectionMatrix * ViewMatrix * model;
    kreslenia.push_back({handle, glm::vec3(mvp * glm::vec4(0, 0, 0, 1)),
                         glm::vec3(mvp * glm::vec4(1, 0, 0, 0)),
                         glm::vec3(mvp * glm::vec4(0, 1, 0, 0)), aktualna_farba.zapnuty,
                         !IGNORE_PRINT, aktualna_farba.podiel});
}
void zaznam_ciara(const float b[6], const glm::mat4&) {
    ciary.emplace_back(b, b + 6);
    EXPECT_TRUE(aktualna_farba.zapnuty && aktualna_farba.r == 1 &&
                aktualna_farba.g + aktualna_farba.b == 0);
}
void blizko(glm::vec3 a, glm::vec3 b) {
    EXPECT_LT(glm::length(a - b), 1e-4f) << a.x << " " << a.y << " " << a.z;
}
std::vector<Kreslenie> len(int handle) {  // the draws of one mesh, in order
    std::vector<Kreslenie> v;
    std::copy_if(kreslenia.begin(), kreslenia.end(), std::back_inserter(v),
                 [&](auto& k) { return k.handle == handle; });
    return v;
}

constexpr int PRVY = 39960;  // object and person ids far above any game's
auto& S = strategy;

class Scene : public ::testing::Test {
protected:
    void SetUp() override {
        kresli_mesh = zaznam_mesh, kresli_ciaru = zaznam_ciara;
        kreslenia.clear(), ciary.clear();
        ProjectionMatrix = ViewMatrix = glm::mat4(1.0f);
        // Meshes 0..19 loaded, handle = id: ground 1, soldiers 2..5, markers 6 + kind,
        // buildings 16.
        S.last_graficky_objekt = std::max(S.last_graficky_objekt, 20);
        for (int i = 0; i < 20; ++i) S.base_list[i] = i;
        for (auto& m : S.podklad[0].mesiac) m.graficky_objekt = 1;
        for (int k = 0; k < 10; ++k)
            S.visual_pointer[k].graficky_objekt = 6 + k, S.vojna[k % 4].graficky_objekt = 2 + k % 4;
        for (auto& b : S.budova)
            for (auto& l : b.level) l.graficky_objekt = 16;
        for (auto& stlpec : S.point)
            for (auto& p : stlpec) p = {-1, -1, S_L::P_trava, 0};
        S.vojenska_skupina_last_id = 0;
        S.je_vojna = B_setting_position = false;
        Game.running = true;
        moja_vnutorna_mys.z = 0;
    }
    void TearDown() override {
        kresli_mesh = kresli_mesh_gl, kresli_ciaru = kresli_ciaru_gl, resetShader();
    }

    Zalohy z_ = Zalohy(S.last_graficky_objekt, S.podklad, S.vojna, S.visual_pointer, S.budova,
                       S.base_list, S.point, S.vojenska_skupina, S.vojenska_skupina_last_id,
                       S.je_vojna, Game.running, moja_vnutorna_mys);
    Zaloha objekty_{&S.objekt[PRVY], sizeof(S.objekt[0]) * 2},
        ludia_{&S.clovek[PRVY], sizeof(S.clovek[0]) * 3};
};

TEST_F(Scene, MatrixCallsTurnPerAxisAndPlaceTheMeshWithItsOwnColours) {
    glRotatef(90, 0, 1, 0);
    blizko(glm::vec3(modelMatrix.RotationMatrix * glm::vec4(1, 0, 0, 0)), {0, 0, 1});  // +X to +Z
    glRotatef(90, 1, 0, 0);  // y stays; Ry * Rx takes +Y to +Z, then to -X
    blizko(glm::vec3(modelMatrix.RotationMatrix * glm::vec4(0, 1, 0, 0)), {-1, 0, 0});
    glPushMatrix();
    // glCallList: the turn, then the translation (the batch adds the frame's projection and view).
    ProjectionMatrix = glm::mat4(2.0f), ProjectionMatrix[3][3] = 1;
    glTranslatef(3, 4, 5);
    glRotatef(90, 0, 1, 0);
    glCallList(7);
    ASSERT_EQ(kreslenia.size(), 1u);
    blizko(kreslenia[0].kde, {6, 8, 10});
    blizko(kreslenia[0].x, {0, 0, 2});

    kreslenia.clear();  // placement: the looked-up mesh, own colours, angles forgotten after
    ProjectionMatrix = glm::mat4(1.0f);
    red();
    Call_graficky_objekt_visualny_ukazovatel(10, 1, 20, 0, 0, 0, S_L::VIP_moja_veza);
    ASSERT_EQ(kreslenia.size(), 1u);
    EXPECT_EQ(kreslenia[0].handle, 6 + S_L::VIP_moja_veza);
    blizko(kreslenia[0].kde, {10, 1, 20});
    EXPECT_FALSE(kreslenia[0].farba);
    EXPECT_EQ(modelMatrix.ry, 0);
    S.visual_pointer[3].graficky_objekt = -1;  // links of -1 and unknown handles draw nothing
    Call_graficky_objekt_visualny_ukazovatel(0, 0, 0, 0, 0, 0, 3);
    Call_graficky_objekt_stroj(0, 0, 0, 0, 0, 0, 5);
    Kresli_graficky_objekt(S.last_graficky_objekt);
    EXPECT_EQ(kreslenia.size(), 1u);
}

TEST_F(Scene, PeopleFaceTheOtherWayAndThePaletteGivesTenths) {
    float pripady[][2] = {{90, 90},   {270, 270},  {0, 180}, {180, 0},
                          {-200, 20}, {1e30f, -1}, {NAN, -1}};
    for (auto& [pred, po] : pripady) {  // -1: any angle within 0..360 will do
        correct_rotation(pred);
        EXPECT_TRUE(po == -1 ? pred >= 0 && pred <= 360 : pred == po) << pred;
    }
    auto je = [](float r, float g, float b) {
        return aktualna_farba.zapnuty && aktualna_farba.r == r && aktualna_farba.g == g &&
               aktualna_farba.b == b;
    };
    Color(1330);
    EXPECT_TRUE(je(1, 1, 1));
    Color(12), Color(1331), Color(-1);
    EXPECT_TRUE(je(0, 0.1f, 0.1f));
}

TEST_F(Scene, TileWindowStopsAtTheMapsEdges) {
    auto okno = [](float x, float y) {
        const S_okno_dlazdic o = okno_dlazdic(x, y);
        return std::vector<int>{o.x_lo - 1, o.x_hi, o.y_lo - 1, o.y_hi};
    };
    EXPECT_EQ(okno(100.9f, 50.2f), (std::vector<int>{91, 108, 41, 58}));
    EXPECT_GT(okno(1e12f, NAN)[0], okno(1e12f, NAN)[1]);  // far away: empty, no overflow

    moja_vnutorna_mys.x = moja_vnutorna_mys.y = 0;  // near corner: columns 4..8, rows 0..8
    Draw_points();
    ASSERT_EQ(len(1).size(), 5u * 9u);
    blizko(len(1)[1].kde, {4, -0.01f, 1});  // i outer, j inner
    blizko(len(1).back().kde, {8, -0.01f, 8});
    // The red cross: two segments 0.4 long, crossing 0.2 above the view centre.
    EXPECT_EQ(ciary, (std::vector<std::vector<float>>{{-0.2f, 0.2f, 0, 0.2f, 0.2f, 0},
                                                      {0, 0.2f, -0.2f, 0, 0.2f, 0.2f}}));

    kreslenia.clear(), ciary.clear();  // far corner: columns 190..199, rows 186..199
    moja_vnutorna_mys.x = 199.6f, moja_vnutorna_mys.y = 195.0f;
    Draw_points();
    ASSERT_EQ(len(1).size(), 10u * 14u);
    blizko(len(1).back().kde, {199, -0.01f, 199});

    kreslenia.clear(), ciary.clear();  // nothing while the game does not run
    Game.running = false;
    Draw_points();
    EXPECT_TRUE(kreslenia.empty() && ciary.empty());
}

TEST_F(Scene, WorldPassDrawsBuildingsGroupsAndWarMarkers) {
    moja_vnutorna_mys.x = moja_vnutorna_mys.y = 50;
    auto& dom = S.objekt[PRVY] = {};  // a gate turned by 90 over (52..53, 53), anchored at 52
    dom.co_to_je = S_L::id_budova, dom.id = S_L::drevena_brana, dom.level = 1, dom.rot = 90,
    dom.percenta = 100;
    S.point[52][53] = {-3, PRVY, S_L::P_trava, 0};
    S.point[53][53] = {PRVY, -3, S_L::P_trava, 0};
    S.point[54][53].typ_podkladu = 1;    // not grass: no ground there
    auto& go = S.objekt[PRVY + 1] = {};  // group 5 stands on (47, 48): three men, one fallen
    go.co_to_je = S_L::id_vojensky_objekt, go.id = 5;
    S.point[47][48] = {-3, PRVY + 1, S_L::P_trava, 0};
    S.vojenska_skupina_last_id = 7;
    for (auto& s : S.vojenska_skupina) s.dead_status = true;
    auto& s = S.vojenska_skupina[5] = {};
    s.vlastnik = S_L::id_player, s.zoznam_vojakov_last_id = 3, s.vojensky_stroj = -1, s.xf = 47,
    s.yf = 48;
    const float smer[] = {90, 270, 0};
    const int zbran[] = {S_L::mec, S_L::luk, S_L::kopija};
    for (int m = 0; m < 3; ++m) {
        auto& c = S.clovek[s.zoznam_vojakov[m] = PRVY + m];
        c.x = 47 + 0.1f * m, c.y = 48.2f, c.heading = smer[m], c.zbran = zbran[m],
        c.zdravie = m < 2 ? 50 : 0;
    }
    Draw_points();
    EXPECT_FALSE(IGNORE_PRINT);  // held back during the pass only
    EXPECT_TRUE(std::none_of(kreslenia.begin(), kreslenia.end(), [](auto& k) { return k.text; }));
    EXPECT_EQ(len(1).size(), 18u * 18u - 1);
    ASSERT_EQ(len(16).size(), 1u);  // the gate once, on its anchor, turned by its stored 90
    blizko(len(16)[0].kde, {52, 0, 53});
    blizko(len(16)[0].x, {0, 0, 1});
    EXPECT_EQ(len(6 + S_L::VIP_moja_veza).size(), 1u);  // the open-gate marker
    // The living soldiers by weapon, faced the other way; no group marker in peace.
    ASSERT_EQ(len(2).size() + len(3).size(), 2u);
    blizko(len(2)[0].kde, {47, 0, 48.2f});
    blizko(len(2)[0].x, {0, 0, 1});   // 180 - 90 = 90
    blizko(len(3)[0].x, {0, 0, -1});  // 180 - 270 + 360 = 270
    EXPECT_EQ(len(4).size() + len(6 + S_L::VIP_moja_vojenska_skupina).size(), 0u);
    const std::size_t v_mieri = kreslenia.size();

    // In a war groups come from the table, off their tile too, with markers; not beyond the window.
    kreslenia.clear();
    S.je_vojna = true;
    s.xf = 41, s.yf = 58;  // the window's lowest column is 50 - 8 - 1
    (S.vojenska_skupina[6] = s).xf = 40.5f;
    V_oznacena_skupina_object_id = 5;
    Draw_points();
    V_oznacena_skupina_object_id = -1;
    EXPECT_EQ(kreslenia.size(), v_mieri + 1);
    ASSERT_EQ(len(6 + S_L::VIP_moja_vojenska_skupina_oznacena).size(), 1u);
    blizko(len(6 + S_L::VIP_moja_vojenska_skupina_oznacena)[0].kde, {41, 0, 58});
}

TEST_F(Scene, ABuildingPlacedWhereItCannotStandIsRedAndASiteRisesGreyed) {
    auto& h = S.id_owner[S_L::id_player];
    Zalohy z(S.privilegia, h.surovina, h.privilegia_id, S.typ_budovy, S.x, S.y, S.owner,
             B_showing_to_id);
    S.set_privilegia();
    S.set_owner(S_L::id_player);
    h.privilegia_id = S_L::PRIV_ziadne;
    S.budova[S_L::studna].level[1].treba_na_postavenie[S_L::drevo].pocet = 2;
    h.surovina[S_L::drevo].mam = 2;
    moja_vnutorna_mys.x = moja_vnutorna_mys.y = 50;
    auto& stavba = S.objekt[PRVY] = {};  // a house at (52, 53), 40 % built
    stavba.co_to_je = S_L::id_budova, stavba.id = S_L::dom, stavba.level = 1, stavba.percenta = 40;
    S.point[52][53] = {-3, PRVY, S_L::P_trava, 0};
    S.point[52][54] = {PRVY, -3, S_L::P_trava, 0};  // and a cell of some footprint beside it
    // The tint of the building being placed of type t at (x, y), as the world pass draws it.
    B_setting_position = true;
    const auto odtien = [&](int t, int x, int y) {
        B_showing_to_id = t;
        S.nastav_typ_budovy(t);
        S.nastav_poziciu_stavanej_budovy(x, y);
        kreslenia.clear();
        Draw_points();
        float p = -1;
        for (const Kreslenie& k : len(16))
            if (glm::length(k.kde - glm::vec3(x, 0, y)) < 1e-4f) p = k.podiel;
        return p;
    };
    EXPECT_EQ(odtien(S_L::studna, 50, 51), 0.0f);                        // it would stand
    EXPECT_EQ(odtien(S_L::studna, 52, 54), ODTIEN_ODMIETNUTIA.podiel);   // the cell is taken
    EXPECT_EQ(odtien(S_L::kasaren, 45, 45), ODTIEN_ODMIETNUTIA.podiel);  // the rank is too low
    h.surovina[S_L::drevo].mam = 1;
    EXPECT_EQ(odtien(S_L::studna, 50, 51), ODTIEN_ODMIETNUTIA.podiel);  // one wood short
    EXPECT_EQ(aktualna_farba.podiel, 0.0f);  // what is drawn next has its own colours again
    B_setting_position = false;

    // The site: greyed, a fifth of its height and the rest by its percent; finished, as it is.
    auto dom = [&] {
        kreslenia.clear();
        Draw_points();
        EXPECT_EQ(len(16).size(), 1u);
        return len(16).empty() ? Kreslenie{} : len(16)[0];
    };
    const Kreslenie rozostavany = dom();
    EXPECT_EQ(rozostavany.podiel, ODTIEN_STAVBY.podiel);
    EXPECT_NEAR(glm::length(rozostavany.y), 0.2f + 0.8f * 0.4f, 1e-5f);
    blizko(rozostavany.kde, {52, 0, 53});
    stavba.percenta = 100;
    const Kreslenie hotovy = dom();
    EXPECT_EQ(hotovy.podiel, 0.0f);
    EXPECT_NEAR(glm::length(hotovy.y), 1.0f, 1e-5f);
}

}  // namespace
