// The mesh registry in `strategy`: the model table and its links, the draw-handle lookups, the
// marker choices, and links of -1. The world is shared by the whole test binary, so every test
// puts back what it changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "Strategy_library.h"
#include "zaloha.h"

using Strategy_library::S_graficky_objekt;
using Strategy_library::S_L;

namespace {

// Files the loader was asked for, in order, and which of them should fail.
std::vector<std::string> nacitane_subory;
std::vector<std::string> nacitane_priecinky;
std::set<std::string> zlyhaju;

bool zapisovac(const char* folder, const char* path, S_graficky_objekt&) {
    const std::string p(path);
    const std::string meno = p.substr(p.rfind('/') + 1);
    if (zlyhaju.count(meno)) return false;
    nacitane_priecinky.push_back(folder);
    nacitane_subory.push_back(p);
    return true;
}

bool konci(const std::string& s, const std::string& k) {
    return s.size() >= k.size() && s.compare(s.size() - k.size(), k.size(), k) == 0;
}

// Saves the parts of the world these tests write and restores them afterwards.
class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        nacitane_subory.clear();
        nacitane_priecinky.clear();
        zlyhaju.clear();
    }
    void TearDown() override {
        for (int i = last_; i < strategy.last_graficky_objekt; ++i) {
            strategy.graficky_objekt[i].out_vertices.uvolni();
            strategy.graficky_objekt[i].out_colors.uvolni();
        }
    }

    // Loads the whole model table with the recording hook; returns the first id it used.
    int nacitaj_tabulku() {
        strategy.nacitaj_mesh = zapisovac;
        const int prvy = strategy.last_graficky_objekt;
        ::testing::internal::CaptureStdout();
        strategy.Nacitaj_graficke_objekty();
        ::testing::internal::GetCapturedStdout();
        return prvy;
    }
    // The file mesh `id` was loaded from.
    std::string subor(int id, int prvy) {
        const int i = id - prvy;
        if (i < 0 || i >= static_cast<int>(nacitane_subory.size())) return "<none>";
        return nacitane_subory[i];
    }
    // Gives every loaded mesh a draw handle different from its id.
    void daj_handles() {
        for (int i = 0; i < strategy.last_graficky_objekt && i < 40011; ++i)
            strategy.uloz_graficky_objekt_base_list(i, 5000 + i);
    }
    // A one-tile object of type `typ` on (x, y) owned by `vl`.
    void budova(int o, int x, int y, int typ, int vl, int level = 1) {
        Strategy_library::S_objekt& ob = strategy.objekt[o];
        ob.co_to_je = S_L::id_budova;
        ob.id = typ;
        ob.vlastnik = vl;
        ob.level = level;
        ob.closed = false;
        strategy.point[x][y] = {-3, o, 0, 0};
    }

    static constexpr int PRVY = 39980;  // object and person ids used here, far above any game's
    static constexpr int POCET = 20;

    const int last_ = strategy.last_graficky_objekt;
    Zaloha z_[15] = {Zaloha(strategy.nacitaj_mesh), Zaloha(strategy.last_graficky_objekt),
                     Zaloha(strategy.budova), Zaloha(strategy.podklad), Zaloha(strategy.vojna),
                     Zaloha(strategy.vojenske_stroje), Zaloha(strategy.visual_pointer),
                     Zaloha(strategy.base_list), Zaloha(strategy.point),
                     Zaloha(strategy.vojenska_skupina), Zaloha(strategy.time),
                     Zaloha(&strategy.objekt[PRVY], sizeof(strategy.objekt[0]) * POCET),
                     Zaloha(&strategy.clovek[PRVY], sizeof(strategy.clovek[0]) * POCET),
                     Zaloha(strategy.id_owner[1].veza_last_id),
                     Zaloha(strategy.id_owner[2].veza_last_id)};
    Zaloha veze_[2] = {Zaloha(strategy.id_owner[1].veza, sizeof(strategy.id_owner[1].veza[0]) * 4),
                       Zaloha(strategy.id_owner[2].veza, sizeof(strategy.id_owner[2].veza[0]) * 4)};
};

TEST_F(Registry, ModelTableLoadsInOrderAndLinksEveryEntity) {
    for (auto& b : strategy.budova) b.level[1].graficky_objekt = 777;
    for (auto& p : strategy.visual_pointer) p.graficky_objekt = 777;
    const int prvy = nacitaj_tabulku();
    ASSERT_EQ(strategy.return_last_graficky_objekt() - prvy, 56);
    ASSERT_EQ(nacitane_subory.size(), 56u);
    for (std::size_t i = 0; i < nacitane_subory.size(); ++i) {
        // The path is the folder followed directly by the file name.
        EXPECT_EQ(nacitane_subory[i].rfind(nacitane_priecinky[i], 0), 0u);
        EXPECT_EQ(nacitane_subory[i].find('/', nacitane_priecinky[i].size()), std::string::npos);
    }

    auto mesh = [](int typ) { return strategy.budova[typ].level[1].graficky_objekt; };
    EXPECT_EQ(subor(mesh(S_L::dom), prvy), "./obj/graf_obj/buildings/house/house.obj");
    // The goat keeper loads the tailor's file a second time, as its own mesh.
    EXPECT_NE(mesh(S_L::koziar), mesh(S_L::krajcir_kozenne_brnenie));
    EXPECT_EQ(subor(mesh(S_L::koziar), prvy), subor(mesh(S_L::krajcir_kozenne_brnenie), prvy));
    EXPECT_EQ(mesh(S_L::vyrobca_mramoru), mesh(S_L::kamenarstvo));
    EXPECT_EQ(mesh(S_L::tehliarens), mesh(S_L::tehliaren));
    for (int t : {0, static_cast<int>(S_L::hlavna_budova), static_cast<int>(S_L::jablkovy_sad)})
        EXPECT_EQ(mesh(t), 777) << t;

    std::set<int> mesiace;
    for (int m = 0; m < 13; ++m) mesiace.insert(strategy.podklad[0].mesiac[m].graficky_objekt);
    EXPECT_EQ(mesiace.size(), 13u);  // one load per month
    auto podklad = [&](int m) { return subor(strategy.podklad[0].mesiac[m].graficky_objekt, prvy); };
    EXPECT_EQ(podklad(0), "./obj/graf_obj/podklad/trava.obj");
    for (int m : {1, 11, 12}) EXPECT_TRUE(konci(podklad(m), "/trava_zima.obj")) << m;
    EXPECT_TRUE(konci(podklad(S_L::M_maj), "/trava_leto.obj"));
    EXPECT_TRUE(konci(podklad(S_L::M_august), "/trava_jesen.obj"));

    EXPECT_TRUE(konci(subor(strategy.vojna[S_L::v_bez_zbrane].graficky_objekt, prvy),
                      "/SiegeWeaponsUsers/SiegeWeaponUser.obj"));
    EXPECT_TRUE(konci(subor(strategy.vojenske_stroje[S_L::VS_baranidlo].gb, prvy), "/baranidlo.obj"));
    auto vip = [](int k) { return strategy.visual_pointer[k].graficky_objekt; };
    EXPECT_TRUE(konci(subor(vip(S_L::VIP_cudzia_veza_striela), prvy), "/vezaCudziaStriela.obj"));
    EXPECT_TRUE(konci(subor(vip(S_L::VIP_moja_veza_striela), prvy), "/vezaMojaStriela.obj"));
    EXPECT_LT(vip(S_L::VIP_moja_veza_striela), vip(S_L::VIP_cudzia_veza_striela));
    EXPECT_EQ(vip(S_L::VIP_brana_zatvorena), 777);
    EXPECT_EQ(vip(S_L::VIP_brana_otvorena), 777);
}

TEST_F(Registry, FailedLoadLinksMinusOneAndEveryLookupSkipsIt) {
    zlyhaju = {"tehliaren.obj", "vezaMoja.obj", "trava_leto.obj", "Archer.obj", "baranidlo.obj"};
    const int prvy = nacitaj_tabulku();
    EXPECT_EQ(strategy.return_last_graficky_objekt() - prvy, 56 - 7);  // leto is loaded 3 times
    EXPECT_EQ(strategy.budova[S_L::tehliaren].level[1].graficky_objekt, -1);
    EXPECT_EQ(strategy.budova[S_L::tehliarens].level[1].graficky_objekt, -1);
    // The next successful load takes the id the failed one would have had.
    EXPECT_EQ(strategy.budova[S_L::zberac_dreva].level[1].graficky_objekt,
              strategy.budova[S_L::studna].level[1].graficky_objekt + 1);
    daj_handles();

    strategy.budova[S_L::tehliaren].level[3].graficky_objekt = -1;
    budova(PRVY, 30, 30, S_L::tehliaren, S_L::id_player, 3);
    EXPECT_EQ(strategy.graficky_objekt_base_list(S_L::tehliaren), -1);
    EXPECT_EQ(strategy.graficky_objekt_base_list(S_L::tehliarens), -1);
    EXPECT_EQ(strategy.graficky_objekt_base_list(30, 30), -1);
    EXPECT_EQ(strategy.get_graficky_objekt(30, 30), -1);
    EXPECT_EQ(strategy.graficky_objekt_VIP_base_list(S_L::VIP_moja_veza), -1);
    EXPECT_EQ(strategy.graficky_objekt_stroj_base_list(S_L::VS_baranidlo), -1);
    strategy.time.mesiac = S_L::M_jun;
    EXPECT_EQ(strategy.graficky_objekt_podklad_base_list(0), -1);
    strategy.time.mesiac = S_L::M_marec;
    EXPECT_EQ(strategy.graficky_objekt_podklad_base_list(0),
              5000 + strategy.podklad[0].mesiac[S_L::M_marec].graficky_objekt);

    // No loader at all: -1 and the count stays.
    strategy.nacitaj_mesh = nullptr;
    const int pred = strategy.return_last_graficky_objekt();
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(strategy.Nacitaj_graficky_objekt("./", "./x.obj"), -1);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(strategy.return_last_graficky_objekt(), pred);
}

TEST_F(Registry, LookupsGoThroughMonthWeaponLevelAndTile) {
    const int prvy = nacitaj_tabulku();
    daj_handles();
    auto handle = [](int mesh) { return 5000 + mesh; };

    // Ground by the calendar month; a month outside 1..12 counts as January.
    for (int m : {1, 6}) {
        strategy.time.mesiac = m;
        EXPECT_EQ(strategy.graficky_objekt_podklad_base_list(0),
                  handle(strategy.podklad[0].mesiac[m].graficky_objekt));
    }
    for (int m : {0, 13}) {
        strategy.time.mesiac = m;
        EXPECT_EQ(strategy.graficky_objekt_podklad_base_list(0),
                  handle(strategy.podklad[0].mesiac[1].graficky_objekt));
    }
    EXPECT_EQ(strategy.graficky_objekt_podklad_base_list(1), -1);

    // Soldiers by their weapon; a hole in the list has no mesh.
    Strategy_library::S_vojenska_skupina& g = strategy.vojenska_skupina[31];
    const int zbrane[] = {S_L::mec, S_L::luk, S_L::kopija, S_L::kozenne_brnenie};
    for (int i = 0; i < 4; ++i) {
        g.zoznam_vojakov[i] = PRVY + i;
        strategy.clovek[PRVY + i].zbran = zbrane[i];
        EXPECT_EQ(strategy.graficky_objekt_soldier_base_list(31, i),
                  handle(strategy.vojna[i].graficky_objekt));
    }
    g.zoznam_vojakov[4] = -1;
    EXPECT_EQ(strategy.graficky_objekt_soldier_base_list(31, 4), -1);
    EXPECT_EQ(strategy.graficky_objekt_soldier_base_list(31, 101), -1);

    EXPECT_EQ(strategy.graficky_objekt_stroj_base_list(0), handle(strategy.vojenske_stroje[0].gb));
    EXPECT_EQ(strategy.graficky_objekt_stroj_base_list(1), -1);
    EXPECT_EQ(strategy.graficky_objekt_VIP_base_list(10), -1);
    EXPECT_EQ(strategy.graficky_objekt_VIP_base_list(-1), -1);

    // A building on the map: the mesh of its current level; only the anchor tile answers.
    strategy.budova[S_L::mlyn].level[4].graficky_objekt = strategy.budova[S_L::sklad].level[1].graficky_objekt;
    budova(PRVY, 40, 40, S_L::mlyn, S_L::id_player, 4);
    strategy.point[41][40] = {PRVY, -3, 0, 0};
    EXPECT_EQ(strategy.graficky_objekt_base_list(40, 40),
              handle(strategy.budova[S_L::sklad].level[1].graficky_objekt));
    EXPECT_EQ(strategy.graficky_objekt_base_list(41, 40), -1);
    EXPECT_EQ(strategy.graficky_objekt_base_list(35), -1);

    // The mesh id (not the handle) of level 1, at the nearest tile, any part of the building.
    const int mlyn = strategy.budova[S_L::mlyn].level[1].graficky_objekt;
    strategy.point[42][40] = {-1, -1, 0, 0};
    EXPECT_EQ(strategy.get_graficky_objekt(40.5f, 40.5f), mlyn);   // one half rounds down
    EXPECT_EQ(strategy.get_graficky_objekt(40.51f, 40.0f), mlyn);  // secondary tile
    EXPECT_EQ(strategy.get_graficky_objekt(41.6f, 40.0f), -1);
    EXPECT_EQ(strategy.get_graficky_objekt(1e9f, 40.0f), -1);
    strategy.objekt[PRVY].id = 40;  // a type the catalogue does not know
    EXPECT_EQ(strategy.get_graficky_objekt(40, 40), -1);
    (void)prvy;
}

TEST_F(Registry, GroupMarkers) {
    Strategy_library::S_vojenska_skupina& g = strategy.vojenska_skupina[30];
    auto nastav = [&](int vl, bool boj, int utok) {
        g.vlastnik = vl;
        g.personal_fights = boj;
        g.utoci_na_objekt = utok;
        return strategy.return_vojenska_skupina_VIP(30, -1);
    };
    EXPECT_EQ(nastav(S_L::id_nepriatel, false, -1), -1);
    EXPECT_EQ(nastav(S_L::id_nepriatel, true, -1), S_L::VIP_cudzia_vojenska_skupina_aktivna);
    EXPECT_EQ(nastav(S_L::id_nepriatel, false, 12), S_L::VIP_cudzia_vojenska_skupina_aktivna);
    EXPECT_EQ(nastav(S_L::id_player, false, -1), S_L::VIP_moja_vojenska_skupina);
    EXPECT_EQ(nastav(S_L::id_player, true, -1), S_L::VIP_moja_vojenska_skupina_aktivna);
    EXPECT_EQ(nastav(S_L::id_player, false, 7), S_L::VIP_moja_vojenska_skupina_aktivna);
    // The selected group wins over fighting; selection does not mark a foreign group.
    EXPECT_EQ(strategy.return_vojenska_skupina_VIP(30, 30), S_L::VIP_moja_vojenska_skupina_oznacena);
    nastav(S_L::id_nepriatel, false, -1);
    EXPECT_EQ(strategy.return_vojenska_skupina_VIP(30, 30), -1);
    EXPECT_EQ(strategy.return_vojenska_skupina_VIP(32, -1), -1);
}

TEST_F(Registry, BuildingMarkersForGatesAndTowers) {
    const int brana = PRVY, moja = PRVY + 1, cudzia = PRVY + 2, kamen = PRVY + 3;
    budova(brana, 60, 60, S_L::drevena_brana, S_L::id_player);
    budova(moja, 62, 60, S_L::drevenna_veza, S_L::id_player);
    budova(cudzia, 64, 60, S_L::drevenna_veza, S_L::id_nepriatel);
    budova(kamen, 66, 60, S_L::kamenna_veza, S_L::id_player);
    strategy.point[61][60] = {brana, -3, 0, 0};

    EXPECT_EQ(strategy.return_budova_VIP(60, 60), S_L::VIP_moja_veza);  // open gate
    strategy.objekt[brana].closed = true;
    EXPECT_EQ(strategy.return_budova_VIP(60, 60), S_L::VIP_cudzia_vojenska_skupina_aktivna);
    EXPECT_EQ(strategy.return_budova_VIP(61, 60), -1);  // not the anchor tile
    EXPECT_EQ(strategy.return_budova_VIP(66, 60), -1);

    // Towers without a tower record: the player's shows the plain marker, a foreign one none.
    strategy.id_owner[1].veza_last_id = 0;
    strategy.id_owner[2].veza_last_id = 0;
    EXPECT_EQ(strategy.return_budova_VIP(62, 60), S_L::VIP_moja_veza);
    EXPECT_EQ(strategy.return_budova_VIP(64, 60), -1);

    Strategy_library::S_veza& mv = strategy.id_owner[1].veza[0];
    Strategy_library::S_veza& cv = strategy.id_owner[2].veza[1];
    strategy.id_owner[1].veza_last_id = 1;
    strategy.id_owner[2].veza_last_id = 2;
    strategy.id_owner[2].veza[0].object = -1;
    mv.object = moja;
    cv.object = cudzia;
    mv.pocet = 0;
    mv.bol_utok = cv.bol_utok = false;
    EXPECT_EQ(strategy.return_budova_VIP(62, 60), S_L::VIP_moja_veza);
    mv.pocet = 3;
    EXPECT_EQ(strategy.return_budova_VIP(62, 60), S_L::VIP_moja_veza_ma_vojakov);
    mv.bol_utok = true;
    EXPECT_EQ(strategy.return_budova_VIP(62, 60), S_L::VIP_moja_veza_striela);
    EXPECT_EQ(strategy.return_budova_VIP(64, 60), -1);
    cv.bol_utok = true;
    EXPECT_EQ(strategy.return_budova_VIP(64, 60), S_L::VIP_cudzia_veza_striela);
}

}  // namespace
