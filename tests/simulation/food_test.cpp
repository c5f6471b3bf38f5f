// Food and disease: fed and starved months, cold, summer recovery and corpses. (What a household
// takes home and eats is pinned by the golden game, whose town lives on it.)
#include <gtest/gtest.h>

#include <tuple>

#include "test_world.h"

TEST(Food, FedAndStarvedMonthsCatchCureAndKill) {
    nova_hra();
    auto& h = hrac();
    auto mesiac = [&](int m, int zasoby, int zdravie, std::tuple<int, int, int, int> trpia) {
        for (int s : {S_L::voda, S_L::chlieb, S_L::maso, S_L::ryba, S_L::jablko})
            h.surovina[s].mam = zasoby;
        koniec_mesiaca(m);
        for (int c = 0; c < 30; ++c) EXPECT_EQ(cl(c).zdravie, zdravie) << c << " in " << m;
        const int* t = h.trpi_chorobou;
        EXPECT_EQ(std::make_tuple(t[1], t[2], t[3], t[4]), trpia) << m;
    };
    // The homeless eat bread and water from the stores: no meat once bread fed them, no apples.
    mesiac(S_L::M_marec, 1000, 100, {0, 30, 0, 30});  // catching is free
    // Nothing at all: -60, and the lack of food and water is caught.
    mesiac(S_L::M_april, 0, 100 - 60 - 2 - 1, {30, 30, 30, 30});
    EXPECT_EQ(std::tie(h.hladuje_muz, h.hladuje_zena), std::make_tuple(15, 15));
    // Fed again: every disease costs its month, bread and water cure theirs.
    mesiac(S_L::M_maj, 1000, 37 - 10 - 2 - 15 - 1, {0, 30, 0, 30});
    EXPECT_EQ(h.hladuje_muz + h.hladuje_zena + h.zomrelo_hladom, 0);
    EXPECT_EQ(prepocet(), "");
    // Starved once more, even after the summer's +35: everyone dies, of hunger and while ill.
    for (int s : {S_L::voda, S_L::chlieb, S_L::maso, S_L::ryba, S_L::jablko}) h.surovina[s].mam = 0;
    koniec_mesiaca(S_L::M_jun);
    EXPECT_EQ(std::tie(h.pocet_ludi, h.zomrelo_hladom, h.zomrelo_na_chorobu, h.hladuje_muz),
              std::make_tuple(0, 30, 30, 15));
    EXPECT_EQ(h.surovina[S_L::mrtvola].mam, 30);
    EXPECT_EQ(prepocet(), "");
}

TEST(Food, WinterColdSummerRecoveryAndCorpses) {
    nova_hra();
    auto& h = hrac();
    auto& oblecenie = h.surovina[S_L::teple_oblecenie].mam;
    oblecenie = 0;
    koniec_mesiaca(S_L::M_december);
    // Jobless homeless man 0 and single woman 20 freeze; builder 10, homeless but working, does
    // not.
    EXPECT_EQ(std::make_tuple(cl(0).choroba[S_L::CH_zima].ma, cl(20).choroba[S_L::CH_zima].ma,
                              cl(10).choroba[S_L::CH_zima].ma),
              std::make_tuple(true, true, false));
    oblecenie = 100;
    koniec_mesiaca(S_L::M_januar);  // 15 homeless women and 10 jobless men take clothes
    EXPECT_EQ(std::tie(cl(0).teple_oblecenie, oblecenie, h.trpi_chorobou[S_L::CH_zima]),
              std::make_tuple(true, 75, 0));
    EXPECT_EQ(cl(10).zdravie - cl(0).zdravie, 10);  // the cold cost ten, once

    cl(1).zdravie = 65;
    cl(2).zdravie = 66;
    strategy.time.mesiac = S_L::M_jun;
    strategy.kontroluj_potreby(1);
    strategy.kontroluj_potreby(2);
    EXPECT_EQ(std::tie(cl(1).zdravie, cl(2).zdravie), std::make_tuple(100, 66));

    h.surovina[S_L::mrtvola].mam = 100;
    koniec_mesiaca(S_L::M_jul);
    EXPECT_EQ(h.trpi_chorobou[S_L::CH_mrtvoly], 0);
    h.surovina[S_L::mrtvola].mam = 101;
    koniec_mesiaca(S_L::M_august);
    const int pred = cl(5).zdravie;
    koniec_mesiaca(S_L::M_september);
    EXPECT_EQ(h.trpi_chorobou[S_L::CH_mrtvoly], 30);  // caught by all, never cured
    EXPECT_LE(cl(5).zdravie, pred - 30);
    EXPECT_EQ(prepocet(), "");
}
