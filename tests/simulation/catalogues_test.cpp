// The catalogues filled at start-up and the starting town of a new game.
#include <gtest/gtest.h>

#include <vector>

#include "Strategy_library.h"

using namespace Strategy_library;
using W = S_L;

namespace {

class Katalogy : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static const bool naplnene = (strategy.Set_all(), true);
        (void)naplnene;
    }
};

// Everything a new game decides about the town, people and stores, in one comparable record.
struct Stav {
    std::vector<int> objekty, ludia, zasoby;
    std::vector<int> mapa;
    int den, mesiac, rok, limit;
};

Stav zachyt() {
    Stav s;
    for (int i = 0; i < strategy.objekt_hwm; ++i) {
        const S_objekt& o = strategy.objekt[i];
        s.objekty.insert(s.objekty.end(), {o.co_to_je, o.id, o.vlastnik, static_cast<int>(o.rot),
                                           o.je_ludi, o.level, o.percenta, o.closed});
    }
    for (int i = 0; i < strategy.clovek_hwm; ++i) {
        const S_clovek& c = strategy.clovek[i];
        s.ludia.insert(s.ludia.end(), {c.vlastnik, c.pohlavie, c.vek, c.zdravie,
                                       c.objekt_v_ktorom_byva, c.objekt_v_ktorom_pracuje});
    }
    for (int r = 0; r < W::last_surovina_id; ++r) {
        const S_surovina& u = strategy.id_owner[W::id_player].surovina[r];
        s.zasoby.insert(s.zasoby.end(), {u.mam, u.pridane_skladovacie_miesto, u.vyprodukovane,
                                         u.pouzite, u.naZaciatkuMesiaca});
    }
    for (int x = 0; x < W::A; ++x)
        for (int y = 0; y < W::B; ++y)
            s.mapa.insert(s.mapa.end(), {strategy.point[x][y].id_objektu, strategy.point[x][y].id_sekundarne});
    s.den = strategy.time.den;
    s.mesiac = strategy.time.mesiac;
    s.rok = strategy.time.rok;
    s.limit = strategy.id_owner[W::id_player].limit_skladu;
    return s;
}

}  // namespace

TEST_F(Katalogy, NewGameBuildsTheStartingTown) {
    strategy.New_Game();
    const S_owner& hrac = strategy.id_owner[W::id_player];

    // Exactly one object: the finished main building at (100, 100), turned by 180 degrees.
    ASSERT_EQ(strategy.objekt_hwm, 1);
    const int o = strategy.point_id_of_objekt_not_second(100, 100);
    ASSERT_EQ(o, 0);
    EXPECT_EQ(strategy.objekt[o].co_to_je, W::id_budova);
    EXPECT_EQ(strategy.objekt[o].id, W::hlavna_budova);
    EXPECT_EQ(strategy.objekt[o].vlastnik, W::id_player);
    EXPECT_EQ(strategy.objekt[o].level, 1);
    EXPECT_EQ(strategy.objekt[o].percenta, 100);
    EXPECT_EQ(strategy.objekt[o].rot, 180.0f);
    EXPECT_EQ(hrac.budova[W::hlavna_budova].mam, 1);
    EXPECT_EQ(hrac.hlavna_budova_last_id, 1);
    EXPECT_EQ(strategy.point_id_of_objekt(101, 100), -1);

    int muzi = 0, zeny = 0;
    for (int i = 0; i < strategy.clovek_hwm; ++i) {
        const S_clovek& c = strategy.clovek[i];
        if (c.vlastnik != W::id_player) continue;
        EXPECT_EQ(c.vek, 20);
        muzi += c.pohlavie == W::muz;
        zeny += c.pohlavie == W::zena;
    }
    EXPECT_EQ(muzi, 15);
    EXPECT_EQ(zeny, 15);

    // The stores: full grain and water, half-full flour and bread, everything else fixed.
    const int L = hrac.limit_skladu;
    EXPECT_EQ(L, 5000);  // the main building adds no storage
    EXPECT_EQ(hrac.surovina[W::obilie].mam, L);
    EXPECT_EQ(hrac.surovina[W::voda].mam, L);
    EXPECT_EQ(hrac.surovina[W::muka].mam, L / 2);
    EXPECT_EQ(hrac.surovina[W::chlieb].mam, L / 2);
    EXPECT_EQ(hrac.surovina[W::mrtvola].mam, 0);
    EXPECT_EQ(hrac.surovina[W::teple_oblecenie].mam, 30);
    for (int r : {W::drevo, W::lomovy_kamen, W::kamen, W::tehla, W::mec, W::jablko})
        EXPECT_EQ(hrac.surovina[r].mam, 100) << strategy.surovina_meno(r);
    for (int r = 0; r < W::last_surovina_id; ++r)
        EXPECT_EQ(hrac.surovina[r].naZaciatkuMesiaca, hrac.surovina[r].mam);

    EXPECT_EQ(strategy.time.den, 1);
    EXPECT_EQ(strategy.time.mesiac, W::M_februar);
    EXPECT_EQ(strategy.time.rok, 1);
    EXPECT_EQ(strategy.owner, W::id_player);
}

TEST_F(Katalogy, SecondNewGameGivesTheSameTown) {
    strategy.New_Game();
    const Stav prvy = zachyt();

    // Play the first game a little: a house, changed stocks, a later date.
    strategy.pridaj_budovu(90, 90, W::dom, 1);
    strategy.id_owner[W::id_player].surovina[W::drevo].mam = 7;
    strategy.id_owner[W::id_player].surovina[W::voda].vyprodukovane = 300;
    strategy.time = {12, 7, 3};
    strategy.New_Game();

    const Stav druhy = zachyt();
    EXPECT_EQ(druhy.objekty, prvy.objekty);
    EXPECT_EQ(druhy.ludia, prvy.ludia);
    EXPECT_EQ(druhy.zasoby, prvy.zasoby);
    EXPECT_EQ(druhy.mapa, prvy.mapa);
    EXPECT_EQ(druhy.limit, prvy.limit);
    EXPECT_EQ(druhy.den, prvy.den);
    EXPECT_EQ(druhy.mesiac, prvy.mesiac);
    EXPECT_EQ(druhy.rok, prvy.rok);
}

TEST_F(Katalogy, BuildingTableKeepsItsRules) {
    // Seasons: farm and shearer only in October, the orchard only in July, the rest all year.
    for (int t = 1; t < W::last_building_integer; ++t)
        for (int m = W::M_januar; m <= W::M_december; ++m) {
            bool cakane = true;
            if (t == W::farma || t == W::kosiar) cakane = m == W::M_oktober;
            if (t == W::jablkovy_sad) cakane = m == W::M_jul;
            EXPECT_EQ(strategy.budova[t].produkuje_v_mesiaci[m], cakane) << t << " " << m;
        }

    // Footprints: only the barracks is larger than its anchor cell.
    for (int t = 0; t < W::last_building_integer; ++t) {
        const S_budova& b = strategy.budova[t];
        const int plocha = (b.x_prava - b.x_lava) * (b.y_hore - b.y_dole);
        EXPECT_EQ(plocha, t == W::kasaren ? 49 : 0) << t;
    }

    // The shearer eats and drinks what it shears; a furrier uses two wool per garment.
    for (int l = 1; l <= strategy.budova[W::kosiar].maximalny_level; ++l) {
        const S_level& lv = strategy.budova[W::kosiar].level[l];
        EXPECT_GT(lv.produkuje[W::vlna].pocet, 0);
        EXPECT_EQ(lv.potrebuje[W::obilie].pocet, lv.produkuje[W::vlna].pocet);
        EXPECT_EQ(lv.potrebuje[W::voda].pocet, lv.produkuje[W::vlna].pocet);
    }
    for (int l = 1; l <= strategy.budova[W::kozusinar].maximalny_level; ++l) {
        const S_level& lv = strategy.budova[W::kozusinar].level[l];
        EXPECT_EQ(lv.potrebuje[W::vlna].pocet, 2 * lv.produkuje[W::teple_oblecenie].pocet);
    }

    // Every level a building can reach is buildable in finite time and has a cost or is free
    // only where the table says so (the farm and the orchard at level 1).
    for (int t = 1; t < W::last_building_integer; ++t) {
        const S_budova& b = strategy.budova[t];
        ASSERT_NE(b.meno, nullptr) << t;
        ASSERT_GE(b.maximalny_level, 1);
        ASSERT_LT(b.maximalny_level, W::MAX_LEVEL);
        for (int l = 1; l <= b.maximalny_level; ++l) {
            EXPECT_GE(b.level[l].percento, 1) << t;
            int cena = 0;
            for (int r = 0; r < W::MAX_SUROVIN; ++r) cena += b.level[l].treba_na_postavenie[r].pocet;
            const bool zadarmo = l == 1 && (t == W::farma || t == W::jablkovy_sad);
            EXPECT_EQ(cena == 0, zadarmo) << t << " level " << l;
        }
    }

    // Perishable goods are exactly water, bread, meat and fish.
    for (int r = 0; r < W::last_surovina_id; ++r) {
        const bool kaziva = r == W::voda || r == W::chlieb || r == W::maso || r == W::ryba;
        EXPECT_EQ(strategy.surovina[r].trvanliva, !kaziva) << r;
    }
}

TEST_F(Katalogy, EveryLevelShowsTheMeshOfLevelOne) {
    int povodne[W::last_building_integer];
    for (int t = 0; t < W::last_building_integer; ++t) {
        povodne[t] = strategy.budova[t].level[1].graficky_objekt;
        strategy.budova[t].level[1].graficky_objekt = 1000 + t;
    }
    strategy.Set_buildings();
    for (int t = 0; t < W::last_building_integer; ++t)
        for (int l = 0; l < W::MAX_LEVEL; ++l) {
            const int cakane = (t == W::jablkovy_sad && l == 1) ? 1000 + W::farma : 1000 + t;
            EXPECT_EQ(strategy.budova[t].level[l].graficky_objekt, cakane) << t << " " << l;
        }
    for (int t = 0; t < W::last_building_integer; ++t) strategy.budova[t].level[1].graficky_objekt = povodne[t];
    strategy.Set_buildings();
}
