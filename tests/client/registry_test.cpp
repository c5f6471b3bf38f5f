// The mesh registry: the model table and its links, the draw-handle lookups and the building
// markers. The world is shared by the test binary; every test restores what it changes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Strategy_library.h"
#include "zaloha.h"

using Strategy_library::S_L;

namespace {

std::vector<std::string> subory;  // paths the loader was asked for, in order
std::set<std::string> zlyhaju;    // file names whose load fails

bool zapisovac(const char* folder, const char* path, Strategy_library::S_graficky_objekt&) {
    const std::string p(path), meno = p.substr(p.rfind('/') + 1);
    EXPECT_EQ(p, std::string(folder) + meno);  // the folder followed directly by the file
    if (zlyhaju.count(meno)) return false;
    subory.push_back(p);
    return true;
}

constexpr int PRVY = 39980;  // object and person ids far above any game's
auto& S = strategy;
int mesh(int typ, int level = 1) { return S.budova[typ].level[level].graficky_objekt; }

class Registry : public ::testing::Test {
protected:
    // Loads the model table through the recording hook; mesh i gets draw handle 5000 + i.
    void nacitaj_tabulku() {
        S.nacitaj_mesh = zapisovac;
        prvy = S.last_graficky_objekt;
        ::testing::internal::CaptureStdout();
        S.Nacitaj_graficke_objekty();
        ::testing::internal::GetCapturedStdout();
        for (int i = 0; i < S.last_graficky_objekt && i < 40011; ++i)
            S.uloz_graficky_objekt_base_list(i, 5000 + i);
    }
    // A one-tile building of type `typ` anchored on (x, y).
    static void budova(int o, int x, int y, int typ, int vl, int level = 1) {
        auto& ob = S.objekt[o];
        ob.co_to_je = S_L::id_budova, ob.id = typ, ob.vlastnik = vl, ob.level = level,
        ob.closed = false;
        S.point[x][y] = {S_L::sekundarne_id_hlavne, o, 0, 0};
    }

    int prvy = 0;
    Zalohy z_ =
        Zalohy(S.nacitaj_mesh, S.last_graficky_objekt, S.budova, S.podklad, S.vojna,
               S.vojenske_stroje, S.visual_pointer, S.base_list, S.point, S.time,
               S.vojenska_skupina[31], S.id_owner[1].veza_last_id, S.id_owner[2].veza_last_id);
    Zaloha objekty_{&S.objekt[PRVY], sizeof(S.objekt[0]) * 4},
        ludia_{&S.clovek[PRVY], sizeof(S.clovek[0]) * 4},
        veze1_{S.id_owner[1].veza, sizeof(S.id_owner[1].veza[0]) * 2},
        veze2_{S.id_owner[2].veza, sizeof(S.id_owner[2].veza[0]) * 2};
};

TEST_F(Registry, ModelTableLoadsInOrderAndLinksEveryEntity) {
    subory.clear();
    for (auto& b : S.budova) b.level[1].graficky_objekt = 777;
    for (auto& p : S.visual_pointer) p.graficky_objekt = 777;
    nacitaj_tabulku();
    ASSERT_EQ(subory.size(), 56u);
    // With every file loaded, the mesh of table row r is prvy + r - 1; the player's shooting tower
    // marker loads before the foreign one.
    auto vip = [](int k) { return S.visual_pointer[k].graficky_objekt; };
    EXPECT_EQ(
        (std::vector<int>{mesh(S_L::dom), mesh(S_L::koziar), mesh(S_L::kasaren),
                          S.vojna[3].graficky_objekt, S.vojenske_stroje[0].gb, vip(0),
                          vip(S_L::VIP_moja_veza_striela), vip(S_L::VIP_cudzia_veza_striela)}),
        (std::vector<int>{prvy, prvy + 7, prvy + 29, prvy + 46, prvy + 47, prvy + 48, prvy + 54,
                          prvy + 55}));
    EXPECT_EQ(subory[0], "./obj/graf_obj/buildings/house/house.obj");
    EXPECT_EQ(subory[7], subory[6]);  // the goat keeper loads the tailor's file a second time
    EXPECT_EQ(subory[47], "./obj/graf_obj/Stroje/baranidlo.obj");
    EXPECT_EQ(subory[55], "./obj/graf_obj/Visual_Pointers/Veza/vezaCudziaStriela.obj");
    EXPECT_EQ(mesh(S_L::vyrobca_mramoru), mesh(S_L::kamenarstvo));
    EXPECT_EQ(mesh(S_L::tehliarens), mesh(S_L::tehliaren));
    for (int t : {0, static_cast<int>(S_L::hlavna_budova), static_cast<int>(S_L::jablkovy_sad)})
        EXPECT_EQ(mesh(t), 777) << t;
    EXPECT_EQ(vip(S_L::VIP_brana_zatvorena) + vip(S_L::VIP_brana_otvorena), 2 * 777);
    const char* sezona[13] = {"",      "_zima",  "_jar",   "_jar",   "_jar",  "_leto", "_leto",
                              "_leto", "_jesen", "_jesen", "_jesen", "_zima", "_zima"};
    for (int m = 0; m < 13; ++m) {  // one load per month, in month order, from row 31
        EXPECT_EQ(S.podklad[0].mesiac[m].graficky_objekt, prvy + 30 + m);
        EXPECT_EQ(subory[30 + m], "./obj/graf_obj/podklad/trava" + std::string(sezona[m]) + ".obj");
    }
}

TEST_F(Registry, FailedLoadLinksMinusOneAndEveryLookupSkipsIt) {
    zlyhaju = {"tehliaren.obj", "vezaMoja.obj", "trava_leto.obj", "baranidlo.obj"};
    nacitaj_tabulku();
    zlyhaju.clear();
    EXPECT_EQ(S.return_last_graficky_objekt() - prvy, 56 - 6);  // summer grass is 3 loads
    EXPECT_EQ(mesh(S_L::tehliarens), -1);
    EXPECT_EQ(mesh(S_L::zberac_dreva), mesh(S_L::studna) + 1);  // ids stay dense
    S.budova[S_L::tehliaren].level[3].graficky_objekt = -1;
    budova(PRVY, 30, 30, S_L::tehliaren, S_L::id_player, 3);
    S.time.mesiac = S_L::M_jun;
    for (int h :
         {S.graficky_objekt_base_list(S_L::tehliaren), S.graficky_objekt_base_list(30, 30),
          S.get_graficky_objekt(30, 30), S.graficky_objekt_VIP_base_list(S_L::VIP_moja_veza),
          S.graficky_objekt_stroj_base_list(0), S.graficky_objekt_podklad_base_list(0)})
        EXPECT_EQ(h, -1);
    S.nacitaj_mesh = nullptr;  // no loader at all: -1 and the count stays
    const int pred = S.return_last_graficky_objekt();
    EXPECT_EQ(S.Nacitaj_graficky_objekt("./", "./x.obj"), -1);
    EXPECT_EQ(S.return_last_graficky_objekt(), pred);
}

TEST_F(Registry, LookupsGoThroughMonthWeaponLevelAndTile) {
    nacitaj_tabulku();
    for (int m : {0, 1, 6, 12, 13}) {  // a month outside 1..12 counts as January
        S.time.mesiac = m;
        EXPECT_EQ(S.graficky_objekt_podklad_base_list(0),
                  5000 + S.podklad[0].mesiac[m % 13 ? m : 1].graficky_objekt);
    }
    const int zbrane[] = {S_L::mec, S_L::luk, S_L::kopija, S_L::kozenne_brnenie};  // else: unarmed
    for (int i = 0; i < 4; ++i) {
        S.vojenska_skupina[31].zoznam_vojakov[i] = PRVY + i;
        S.clovek[PRVY + i].zbran = zbrane[i];
        EXPECT_EQ(S.graficky_objekt_soldier_base_list(31, i), 5000 + S.vojna[i].graficky_objekt);
    }
    S.vojenska_skupina[31].zoznam_vojakov[4] = -1;  // a hole has no mesh
    EXPECT_EQ(S.graficky_objekt_soldier_base_list(31, 4), -1);
    EXPECT_EQ(S.graficky_objekt_stroj_base_list(0), 5000 + S.vojenske_stroje[0].gb);
    EXPECT_EQ(S.graficky_objekt_VIP_base_list(3), 5000 + S.visual_pointer[3].graficky_objekt);
    EXPECT_EQ(S.graficky_objekt_base_list(S_L::mlyn), 5000 + mesh(S_L::mlyn));
    // A building on the map: the mesh of its current level; only the anchor tile answers.
    S.budova[S_L::mlyn].level[4].graficky_objekt = mesh(S_L::sklad);
    budova(PRVY, 40, 40, S_L::mlyn, S_L::id_player, 4);
    S.point[41][40] = {PRVY, S_L::sekundarne_id_hlavne, 0, 0};
    S.point[42][40] = {-1, -1, 0, 0};
    EXPECT_EQ(S.graficky_objekt_base_list(40, 40), 5000 + mesh(S_L::sklad));
    EXPECT_EQ(S.graficky_objekt_base_list(41, 40), -1);
    // The mesh id of level 1 at the nearest tile, any part of the building.
    EXPECT_EQ(S.get_graficky_objekt(40.5f, 40.5f), mesh(S_L::mlyn));   // a half rounds down
    EXPECT_EQ(S.get_graficky_objekt(40.51f, 40.0f), mesh(S_L::mlyn));  // secondary tile
    EXPECT_EQ(S.get_graficky_objekt(41.6f, 40.0f), -1);
    EXPECT_EQ(S.get_graficky_objekt(1e9f, 40.0f), -1);
}

TEST_F(Registry, BuildingMarkersForGatesAndTowers) {
    budova(PRVY, 60, 60, S_L::drevena_brana, S_L::id_player);
    budova(PRVY + 1, 62, 60, S_L::drevenna_veza, S_L::id_player);
    budova(PRVY + 2, 64, 60, S_L::drevenna_veza, S_L::id_nepriatel);
    budova(PRVY + 3, 66, 60, S_L::kamenna_veza, S_L::id_player);
    S.point[61][60] = {PRVY, S_L::sekundarne_id_hlavne, 0, 0};
    auto vip = [](int x) { return S.return_budova_VIP(x, 60); };
    S.id_owner[1].veza_last_id = S.id_owner[2].veza_last_id = 0;  // towers without a record
    EXPECT_EQ(std::vector<int>({vip(60), vip(61), vip(62), vip(64), vip(66)}),
              std::vector<int>({S_L::VIP_moja_veza, -1, S_L::VIP_moja_veza, -1, -1}));
    S.objekt[PRVY].closed = true;
    EXPECT_EQ(vip(60), S_L::VIP_cudzia_vojenska_skupina_aktivna);
    auto &mv = S.id_owner[1].veza[0], &cv = S.id_owner[2].veza[1];
    S.id_owner[1].veza_last_id = 1, S.id_owner[2].veza_last_id = 2;
    S.id_owner[2].veza[0].object = -1;
    mv = {}, cv = {};
    mv.object = PRVY + 1, cv.object = PRVY + 2, mv.pocet = 3;
    EXPECT_TRUE(vip(62) == S_L::VIP_moja_veza_ma_vojakov && vip(64) == -1);
    mv.bol_utok = cv.bol_utok = true;
    EXPECT_TRUE(vip(62) == S_L::VIP_moja_veza_striela && vip(64) == S_L::VIP_cudzia_veza_striela);
}

}  // namespace
