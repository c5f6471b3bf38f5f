// The catalogues filled at start-up and the starting town of a new game.
#include <gtest/gtest.h>

#include <vector>

#include "Strategy_library.h"
#include "test_world.h"

using namespace Strategy_library;
using W = S_L;

namespace {

class Katalogy : public ::testing::Test {
protected:
    static void SetUpTestSuite() { naplnene_katalogy(); }
};

// What a new game decides about the town, its people and the player's stores.
std::vector<int> zachyt() {
    std::vector<int> v = {strategy.objekt_hwm, strategy.clovek_hwm, strategy.time.den,
                          strategy.time.mesiac, strategy.time.rok,
                          strategy.id_owner[W::id_player].limit_skladu};
    for (int i = 0; i < strategy.objekt_hwm; ++i) {
        const S_objekt& o = strategy.objekt[i];
        v.insert(v.end(), {o.co_to_je, o.id, o.vlastnik, int(o.rot), o.je_ludi, o.level, o.percenta});
    }
    for (int i = 0; i < strategy.clovek_hwm; ++i) {
        const S_clovek& c = strategy.clovek[i];
        v.insert(v.end(), {c.vlastnik, c.pohlavie, c.vek, c.zdravie, c.objekt_v_ktorom_byva,
                           c.objekt_v_ktorom_pracuje});
    }
    for (const S_surovina& u : strategy.id_owner[W::id_player].surovina)
        v.insert(v.end(), {u.mam, u.pridane_skladovacie_miesto, u.vyprodukovane, u.pouzite,
                           u.naZaciatkuMesiaca});
    for (auto& riadok : strategy.point)
        for (const S_points& p : riadok) v.insert(v.end(), {p.id_objektu, p.id_sekundarne});
    return v;
}

}  // namespace

TEST_F(Katalogy, NewGameBuildsTheSameStartingTownEveryTime) {
    strategy.New_Game();
    const S_owner& hrac = strategy.id_owner[W::id_player];

    // One object: the finished main building at (100, 100), turned by 180 degrees.
    ASSERT_EQ(strategy.objekt_hwm, 1);
    ASSERT_EQ(strategy.point_id_of_objekt_not_second(100, 100), 0);
    const S_objekt& hb = strategy.objekt[0];
    EXPECT_EQ(hb.id, W::hlavna_budova);
    EXPECT_EQ(hb.vlastnik, W::id_player);
    EXPECT_EQ(hb.level, 1);
    EXPECT_EQ(hb.percenta, 100);
    EXPECT_EQ(hb.rot, 180.0f);
    EXPECT_EQ(hrac.budova[W::hlavna_budova].mam, 1);
    EXPECT_EQ(hrac.hlavna_budova_last_id, 1);

    int pohlavia[3] = {0, 0, 0};
    for (int i = 0; i < strategy.clovek_hwm; ++i)
        if (strategy.clovek[i].vlastnik == W::id_player && strategy.clovek[i].vek == 20)
            ++pohlavia[strategy.clovek[i].pohlavie];
    EXPECT_EQ(pohlavia[W::muz], 15);
    EXPECT_EQ(pohlavia[W::zena], 15);

    // Full grain and water, half-full flour and bread; the main building adds no storage.
    const int L = hrac.limit_skladu;
    EXPECT_EQ(L, 5000);
    EXPECT_EQ(hrac.surovina[W::obilie].mam, L);
    EXPECT_EQ(hrac.surovina[W::voda].mam, L);
    EXPECT_EQ(hrac.surovina[W::muka].mam, L / 2);
    EXPECT_EQ(hrac.surovina[W::chlieb].mam, L / 2);
    EXPECT_EQ(hrac.surovina[W::mrtvola].mam, 0);
    EXPECT_EQ(hrac.surovina[W::teple_oblecenie].mam, 30);
    for (int r : {W::drevo, W::lomovy_kamen, W::kamen, W::jablko}) EXPECT_EQ(hrac.surovina[r].mam, 100);
    for (int r = 0; r < W::last_surovina_id; ++r)
        EXPECT_EQ(hrac.surovina[r].naZaciatkuMesiaca, hrac.surovina[r].mam);
    EXPECT_EQ(strategy.time.den, 1);
    EXPECT_EQ(strategy.time.mesiac, W::M_februar);
    EXPECT_EQ(strategy.time.rok, 1);

    // Play a little, then start again: the same town, people, stores and date.
    const std::vector<int> prvy = zachyt();
    strategy.pridaj_budovu(90, 90, W::dom, 1);
    strategy.id_owner[W::id_player].surovina[W::drevo].mam = 7;
    strategy.id_owner[W::id_player].surovina[W::voda].vyprodukovane = 300;
    strategy.time = {12, 7, 3};
    strategy.New_Game();
    EXPECT_EQ(zachyt(), prvy);
}

TEST_F(Katalogy, ProductionSeasons) {
    // Seasons: farm and shearer only in October, the orchard only in July, the rest all year.
    for (int t = 1; t < W::last_building_integer; ++t)
        for (int m = W::M_januar; m <= W::M_december; ++m) {
            bool cakane = true;
            if (t == W::farma || t == W::kosiar) cakane = m == W::M_oktober;
            if (t == W::jablkovy_sad) cakane = m == W::M_jul;
            EXPECT_EQ(strategy.budova[t].produkuje_v_mesiaci[m], cakane) << t << " " << m;
        }
}
