// The catalogues filled at start-up and the starting town of a new game.
#include <gtest/gtest.h>

#include "Strategy_library.h"
#include "test_world.h"

using namespace Strategy_library;
using W = S_L;

TEST(Katalogy, NewGameBuildsTheSameStartingTownEveryTime) {
    naplnene_katalogy();
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
    for (int r : {W::obilie, W::voda}) EXPECT_EQ(hrac.surovina[r].mam, L);
    for (int r : {W::muka, W::chlieb}) EXPECT_EQ(hrac.surovina[r].mam, L / 2);
    EXPECT_EQ(hrac.surovina[W::mrtvola].mam, 0);
    EXPECT_EQ(hrac.surovina[W::teple_oblecenie].mam, 30);
    for (int r : {W::drevo, W::lomovy_kamen, W::kamen, W::jablko}) EXPECT_EQ(hrac.surovina[r].mam, 100);
    for (int r = 0; r < W::last_surovina_id; ++r)
        EXPECT_EQ(hrac.surovina[r].naZaciatkuMesiaca, hrac.surovina[r].mam);
    EXPECT_EQ(strategy.time.den, 1);
    EXPECT_EQ(strategy.time.mesiac, W::M_februar);
    EXPECT_EQ(strategy.time.rok, 1);

    // Play a little, then start again: every part of the old game is gone.
    strategy.pridaj_budovu(90, 90, W::dom, 1);
    strategy.vytvor_clovek(W::id_player, W::muz, 30, 100);
    strategy.id_owner[W::id_player].surovina[W::drevo].mam = 7;
    strategy.id_owner[W::id_player].surovina[W::voda].vyprodukovane = 300;
    strategy.time = {12, 7, 3};
    strategy.New_Game();
    EXPECT_EQ(strategy.objekt_hwm, 1);
    EXPECT_EQ(strategy.point_id_of_objekt(90, 90), -1);
    EXPECT_EQ(strategy.clovek_hwm, 30);
    EXPECT_EQ(hrac.surovina[W::drevo].mam, 100);
    EXPECT_EQ(hrac.surovina[W::voda].vyprodukovane, 0);
    EXPECT_EQ(strategy.time.mesiac, W::M_februar);
}
