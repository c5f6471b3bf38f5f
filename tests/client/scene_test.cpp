// Scene drawing without a GL context: the replacement matrix calls, the placement family, the
// world pass with its window of tiles, the turn of people, and the colour override. Mesh and line
// draws go to recorders instead of the GPU.
#include <gtest/gtest.h>

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
    glm::vec3 kde;  // where the mesh's origin lands
    glm::mat4 mvp;
    bool farba_zapnuta;  // the colour override when the mesh was drawn
};
std::vector<Kreslenie> kreslenia;
std::vector<std::vector<float>> ciary;
std::vector<S_override> farby_ciar;
bool text_pocas_kreslenia = false;

void zaznam_mesh(int handle, const glm::mat4& mvp) {
    kreslenia.push_back({handle, glm::vec3(mvp * glm::vec4(0, 0, 0, 1)), mvp, aktualna_farba.zapnuty});
    if (!IGNORE_PRINT) text_pocas_kreslenia = true;
}
void zaznam_ciara(const float b[6], const glm::mat4&) {
    ciary.emplace_back(b, b + 6);
    farby_ciar.push_back(aktualna_farba);
}

glm::vec3 otoc(const glm::mat4& m, glm::vec3 v) { return glm::vec3(m * glm::vec4(v, 0)); }

void blizko(glm::vec3 a, glm::vec3 b) {
    EXPECT_NEAR(a.x, b.x, 1e-4f);
    EXPECT_NEAR(a.y, b.y, 1e-4f);
    EXPECT_NEAR(a.z, b.z, 1e-4f);
}

class Scene : public ::testing::Test {
protected:
    void SetUp() override {
        kreslenia.clear();
        ciary.clear();
        farby_ciar.clear();
        text_pocas_kreslenia = false;
        kresli_mesh = zaznam_mesh;
        kresli_ciaru = zaznam_ciara;
        ProjectionMatrix = ViewMatrix = glm::mat4(1.0f);
        // Meshes 0..19 "loaded", handle = id; the ground of every month is mesh 1, soldiers
        // 2..5, markers 6 + kind, buildings mesh 16.
        if (strategy.last_graficky_objekt < 20) strategy.last_graficky_objekt = 20;
        for (int i = 0; i < 20; ++i) strategy.base_list[i] = i;
        for (auto& m : strategy.podklad[0].mesiac) m.graficky_objekt = 1;
        for (int k = 0; k < 4; ++k) strategy.vojna[k].graficky_objekt = 2 + k;
        for (int k = 0; k < 10; ++k) strategy.visual_pointer[k].graficky_objekt = 6 + k;
        for (auto& b : strategy.budova)
            for (auto& l : b.level) l.graficky_objekt = 16;
        for (auto& stlpec : strategy.point)
            for (auto& p : stlpec) p = {-1, -1, S_L::P_trava, 0};
        strategy.vojenska_skupina_last_id = 0;
        strategy.je_vojna = false;
        B_setting_position = false;
        Game.running = true;
        moja_vnutorna_mys.z = 0;
    }

    void TearDown() override {
        kresli_mesh = kresli_mesh_gl;
        kresli_ciaru = kresli_ciaru_gl;
        resetShader();
    }

    // Draws of one mesh, in order.
    std::vector<Kreslenie> len(int handle) const {
        std::vector<Kreslenie> v;
        for (const Kreslenie& k : kreslenia)
            if (k.handle == handle) v.push_back(k);
        return v;
    }

    // A living soldier of group g at (x, y) with heading `smer`.
    void vojak(int g, int m, int c, float x, float y, float smer, int zbran) {
        strategy.vojenska_skupina[g].zoznam_vojakov[m] = c;
        Strategy_library::S_clovek& cl = strategy.clovek[c];
        cl.x = x;
        cl.y = y;
        cl.heading = smer;
        cl.zbran = zbran;
        cl.zdravie = 50;
    }

    static constexpr int PRVY = 39960;
    static constexpr int POCET = 40;

    Zaloha z_[14] = {Zaloha(strategy.last_graficky_objekt), Zaloha(strategy.podklad),
                     Zaloha(strategy.vojna), Zaloha(strategy.visual_pointer),
                     Zaloha(strategy.budova), Zaloha(strategy.base_list), Zaloha(strategy.point),
                     Zaloha(strategy.vojenska_skupina), Zaloha(strategy.vojenska_skupina_last_id),
                     Zaloha(&strategy.objekt[PRVY], sizeof(strategy.objekt[0]) * POCET),
                     Zaloha(&strategy.clovek[PRVY], sizeof(strategy.clovek[0]) * POCET),
                     Zaloha(strategy.je_vojna), Zaloha(Game.running), Zaloha(moja_vnutorna_mys)};
};

TEST_F(Scene, MatrixCallsKeepAnglesPerAxisAndRebuildTheTurnFromAllThree) {
    glLoadIdentity();
    glRotatef(90, 0, 1, 0);
    // Turned about the vertical axis the game's way: +X goes to +Z.
    blizko(otoc(modelMatrix.RotationMatrix, {1, 0, 0}), {0, 0, 1});
    glRotatef(90, 1, 0, 0);  // adds the x turn; y stays 90
    EXPECT_FLOAT_EQ(modelMatrix.ry, 90);
    // RotationMatrix = Ry * Rx: +Y is turned by Rx first, then by Ry.
    const float c = std::cos(90 * 0.017453292f), s = std::sin(90 * 0.017453292f);
    const glm::vec3 po_x(0, c, s);                           // Rx applied to +Y
    const glm::vec3 po_y(c * po_x.x - s * po_x.z, po_x.y, s * po_x.x + c * po_x.z);  // then Ry
    blizko(otoc(modelMatrix.RotationMatrix, {0, 1, 0}), po_y);
    glPopMatrix();
    EXPECT_FLOAT_EQ(modelMatrix.rx + modelMatrix.ry + modelMatrix.rz, 0);
    glPushMatrix();
    EXPECT_EQ(modelMatrix.RotationMatrix, glm::mat4(1.0f));
    EXPECT_EQ(modelMatrix.TransllationMatrix, glm::mat4(1.0f));

    // glCallList: translation after the turn, and the frame's projection and view in front.
    ProjectionMatrix = glm::mat4(2.0f);
    ProjectionMatrix[3][3] = 1;
    glTranslatef(3, 4, 5);
    glRotatef(90, 0, 1, 0);
    glCallList(7);
    ASSERT_EQ(kreslenia.size(), 1u);
    blizko(kreslenia[0].kde, {6, 8, 10});
    blizko(glm::vec3(kreslenia[0].mvp * glm::vec4(1, 0, 0, 1)), {6, 8, 12});
}

TEST_F(Scene, PlacementDrawsTheLookedUpMeshAndResetsTheColour) {
    red();
    Call_graficky_objekt_visualny_ukazovatel(10, 1, 20, 0, 0, 0, S_L::VIP_moja_veza);
    ASSERT_EQ(kreslenia.size(), 1u);
    EXPECT_EQ(kreslenia[0].handle, 6 + S_L::VIP_moja_veza);
    blizko(kreslenia[0].kde, {10, 1, 20});
    EXPECT_FALSE(kreslenia[0].farba_zapnuta);  // meshes keep their own colours
    EXPECT_FALSE(aktualna_farba.zapnuty);
    EXPECT_FLOAT_EQ(modelMatrix.ry, 0);  // angles forgotten after the placement

    // Links of -1 and unknown kinds draw nothing.
    strategy.visual_pointer[3].graficky_objekt = -1;
    Call_graficky_objekt_visualny_ukazovatel(0, 0, 0, 0, 0, 0, 3);
    Call_graficky_objekt_stroj(0, 0, 0, 0, 0, 0, 5);
    Kresli_graficky_objekt(-1);
    Kresli_graficky_objekt(strategy.last_graficky_objekt);
    EXPECT_EQ(kreslenia.size(), 1u);
}

TEST_F(Scene, PeopleFaceTheOtherWayAndThePaletteGivesTenths) {
    const float pripady[][2] = {{90, 90}, {270, 270}, {0, 180}, {180, 0}};
    for (const auto& p : pripady) {
        float r = p[0];
        correct_rotation(r);
        EXPECT_FLOAT_EQ(r, p[1]) << p[0];
    }
    for (float divny : {1e30f, -1e30f, 5000.0f, NAN}) {
        float r = divny;
        correct_rotation(r);  // returns at all, and within range
        EXPECT_TRUE(r >= 0.0f && r <= 360.0f) << divny;
    }

    auto je = [](float r, float g, float b) {
        return aktualna_farba.zapnuty && aktualna_farba.r == r && aktualna_farba.g == g &&
               aktualna_farba.b == b;
    };
    Color(0);
    EXPECT_TRUE(je(0, 0, 0));
    Color(1330);
    EXPECT_TRUE(je(1, 1, 1));
    Color(12);
    EXPECT_TRUE(je(0, 0.1f, 0.1f));
    Color(1331);
    Color(-1);
    EXPECT_TRUE(je(0, 0.1f, 0.1f));
}

TEST_F(Scene, TileWindowStopsAtTheMapsEdges) {
    S_okno_dlazdic o = okno_dlazdic(0, 0);
    EXPECT_EQ(o.x_lo - 1, 4);
    EXPECT_EQ(o.x_hi, 8);
    EXPECT_EQ(o.y_lo - 1, 0);
    EXPECT_EQ(o.y_hi, 8);
    o = okno_dlazdic(100.9f, 50.2f);
    EXPECT_EQ(o.x_lo - 1, 91);
    EXPECT_EQ(o.x_hi, 108);
    EXPECT_EQ(o.y_lo - 1, 41);
    EXPECT_EQ(o.y_hi, 58);
    o = okno_dlazdic(1e12f, NAN);  // far away: an empty window, no overflow
    EXPECT_GT(o.x_lo - 1, o.x_hi);

    // The pass itself at the near corner: columns 4..8, rows 0..8, i outer and j inner.
    moja_vnutorna_mys.x = moja_vnutorna_mys.y = 0;
    Draw_points();
    std::vector<Kreslenie> zem = len(1);
    ASSERT_EQ(zem.size(), 5u * 9u);
    blizko(zem.front().kde, {4, -0.01f, 0});
    blizko(zem[1].kde, {4, -0.01f, 1});
    blizko(zem.back().kde, {8, -0.01f, 8});
    // The red cross: two segments 0.4 long, crossing 0.2 above the view centre.
    ASSERT_EQ(ciary.size(), 2u);
    EXPECT_EQ(ciary[0], (std::vector<float>{-0.2f, 0.2f, 0, 0.2f, 0.2f, 0}));
    EXPECT_EQ(ciary[1], (std::vector<float>{0, 0.2f, -0.2f, 0, 0.2f, 0.2f}));
    for (const S_override& f : farby_ciar) EXPECT_TRUE(f.zapnuty && f.r == 1 && f.g == 0 && f.b == 0);

    // At the far corner the last column and row drawn are 199.
    kreslenia.clear();
    moja_vnutorna_mys.x = 199.6f;
    moja_vnutorna_mys.y = 195.0f;
    Draw_points();
    zem = len(1);
    ASSERT_EQ(zem.size(), 10u * 14u);  // columns 190..199, rows 186..199
    blizko(zem.back().kde, {199, -0.01f, 199});

    // Nothing at all while the game does not run.
    kreslenia.clear();
    ciary.clear();
    Game.running = false;
    Draw_points();
    EXPECT_TRUE(kreslenia.empty() && ciary.empty());
}

TEST_F(Scene, WorldPassDrawsBuildingsGroupsAndWarMarkers) {
    moja_vnutorna_mys.x = 50;
    moja_vnutorna_mys.y = 50;
    const int dom = PRVY, g = 5;
    strategy.objekt[dom] = {};
    strategy.objekt[dom].co_to_je = S_L::id_budova;
    strategy.objekt[dom].id = S_L::drevena_brana;
    strategy.objekt[dom].level = 1;
    strategy.objekt[dom].rot = 90;
    strategy.point[52][53] = {-3, dom, S_L::P_trava, 0};
    strategy.point[53][53] = {dom, -3, S_L::P_trava, 0};
    strategy.point[54][53].typ_podkladu = 1;  // not grass: no ground there

    // A standing group of two (one fallen) on (47, 48).
    const int go = PRVY + 1;
    strategy.objekt[go] = {};
    strategy.objekt[go].co_to_je = S_L::id_vojensky_objekt;
    strategy.objekt[go].id = g;
    strategy.point[47][48] = {-3, go, S_L::P_trava, 0};
    strategy.vojenska_skupina_last_id = 7;
    for (auto& s : strategy.vojenska_skupina) s.dead_status = true;
    Strategy_library::S_vojenska_skupina& s = strategy.vojenska_skupina[g];
    s = {};
    s.vlastnik = S_L::id_player;
    s.zoznam_vojakov_last_id = 3;
    s.vojensky_stroj = -1;
    s.xf = 47;
    s.yf = 48;
    vojak(g, 0, PRVY + 10, 47.1f, 48.2f, 90, S_L::mec);
    vojak(g, 1, PRVY + 11, 46.9f, 48.2f, 270, S_L::luk);
    vojak(g, 2, PRVY + 12, 47.0f, 48.0f, 0, S_L::kopija);
    strategy.clovek[PRVY + 12].zdravie = 0;

    IGNORE_PRINT = false;
    Draw_points();
    EXPECT_FALSE(IGNORE_PRINT);
    EXPECT_FALSE(text_pocas_kreslenia);  // text is held back during the pass
    EXPECT_EQ(len(1).size(), 18u * 18u - 1);
    // The gate once, on its anchor, turned by its stored 90, then its open-gate marker.
    ASSERT_EQ(len(16).size(), 1u);
    blizko(len(16)[0].kde, {52, 0, 53});
    blizko(otoc(len(16)[0].mvp, {1, 0, 0}), {0, 0, 1});
    ASSERT_EQ(len(6 + S_L::VIP_moja_veza).size(), 1u);
    // The two living soldiers, by weapon, faced the other way; no marker in peace.
    ASSERT_EQ(len(2).size(), 1u);
    ASSERT_EQ(len(3).size(), 1u);
    blizko(len(2)[0].kde, {47.1f, 0, 48.2f});
    blizko(otoc(len(2)[0].mvp, {1, 0, 0}), {0, 0, 1});  // 180 - 90 = 90
    blizko(otoc(len(3)[0].mvp, {1, 0, 0}), {0, 0, -1});  // 180 - 270 + 360 = 270
    EXPECT_EQ(len(4).size(), 0u);  // the fallen spearman
    EXPECT_EQ(len(6 + S_L::VIP_moja_vojenska_skupina).size(), 0u);
    const std::size_t v_mieri = kreslenia.size();

    // During a war the group is drawn from the table, with its marker, even off its tile;
    // a group outside the window is not drawn.
    kreslenia.clear();
    strategy.je_vojna = true;
    s.xf = 41;  // the window's lowest column is 50 - 8 - 1
    s.yf = 58;
    V_oznacena_skupina_object_id = g;
    Strategy_library::S_vojenska_skupina& daleko = strategy.vojenska_skupina[6];
    daleko = s;
    daleko.xf = 40.5f;
    daleko.dead_status = false;
    Draw_points();
    EXPECT_EQ(kreslenia.size(), v_mieri + 1);
    const std::vector<Kreslenie> znacka = len(6 + S_L::VIP_moja_vojenska_skupina_oznacena);
    ASSERT_EQ(znacka.size(), 1u);
    blizko(znacka[0].kde, {41, 0, 58});
    V_oznacena_skupina_object_id = -1;
}

}  // namespace
