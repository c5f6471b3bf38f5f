// Life events of the town's people: the starting town, a stale entry in the jobless list, births,
// coming of age, old age, settlers and a death that cannot come twice. (Who gets which home, job
// and wife, what a death unlinks and the father's hand-over at fifty are pinned by the golden
// game and the long runs.) Every test ends by recounting the counters, lists and occupancy from
// the people table.
#include <gtest/gtest.h>

#include <tuple>

#include "test_world.h"

TEST(Population, TheStartingTownAndADeadManInTheJoblessListOnlyLeavingIt) {
    nova_hra();
    auto& h = hrac();
    // 15 men and 15 women; the main building employs five builders. No house yet: nobody pairs.
    koniec_mesiaca(S_L::M_marec);
    EXPECT_EQ(std::tie(h.stavbari, h.bez_prace_last_id, h.bez_zeny_last_id),
              std::make_tuple(5, 10, 15));
    // A dead man left on top of the jobless list only leaves it; a pass that places nobody ends
    // the hand-out.
    const int farma = postav(106, 100, S_L::farma, 1);
    h.clovek_bez_prace_list[h.bez_prace_last_id++] = 500;
    strategy.kontroluj_najdenie_domu_prace();
    EXPECT_EQ(std::tie(strategy.objekt[farma].je_ludi, h.bez_prace_last_id),
              std::make_tuple(0, 10));
    EXPECT_EQ(prepocet(), "");
}

TEST(Population, BirthsComingOfAgeAndOldAge) {
    nova_hra();
    for (int i = 0; i < 10; ++i) postav(101 + i, 100, S_L::dom, 1);
    koniec_mesiaca(S_L::M_marec);
    // Every mother's second child has the other sex than her first, and lives in her home.
    for (int otec = 5; otec < 15; ++otec) {
        const int matka = cl(otec).id_partnera;
        auto& m = cl(matka);
        for (int pokus = 0; pokus < 200 && m.pocet_deti < 2; ++pokus)
            strategy.clovek_narodenie(matka, otec);
        ASSERT_EQ(m.pocet_deti, 2);
        EXPECT_NE(cl(m.id_deti[0]).pohlavie, cl(m.id_deti[1]).pohlavie);
        EXPECT_EQ(cl(m.id_deti[1]).objekt_v_ktorom_byva, m.objekt_v_ktorom_byva);
    }
    const int zena = cl(14).id_partnera;
    auto& mama = cl(zena);
    for (int pokus = 0; pokus < 200 && mama.pocet_deti < 4; ++pokus)
        strategy.clovek_narodenie(zena, 14);
    ASSERT_EQ(mama.pocet_deti, 4);
    for (int i = 0; i < 20; ++i) strategy.clovek_narodenie(zena, 14);  // no fifth child
    auto& h = hrac();
    EXPECT_EQ(h.pocet_deti, 22);
    EXPECT_EQ(prepocet(), "");

    // Two of them are 17 at a year end: they come of age and leave home; an 80-year-old dies.
    int chlapec = -1, dievca = -1;
    for (int k : mama.id_deti) (cl(k).pohlavie == S_L::muz ? chlapec : dievca) = k;
    cl(chlapec).vek = cl(dievca).vek = 17;
    cl(0).vek = 80;
    koniec_mesiaca(S_L::M_januar, true);
    EXPECT_EQ(std::tie(cl(chlapec).objekt_v_ktorom_byva, cl(dievca).objekt_v_ktorom_byva),
              std::make_tuple(-1, -1));
    EXPECT_EQ(std::tie(h.clovek_bez_domova_list[h.bez_domova_last_id - 1],
                       h.clovek_bez_prace_list[h.bez_prace_last_id - 1],
                       h.muzodober_bez_muza_list[h.bez_zeny_last_id - 1]),
              std::make_tuple(chlapec, chlapec, dievca));
    EXPECT_EQ(std::tie(h.pocet_smrti, h.zomrelo_muz),
              std::make_tuple(1, 1));  // 81 dies whatever his health
    EXPECT_GT(h.pocet_deti, 20);       // the nine couples with fewer than four children had some
    EXPECT_EQ(prepocet(), "");
}

TEST(Population, OldAgeRollFollowsAge) {
    nova_hra();
    cl(1).vek = 70;  // death with probability 60/101
    const int n = 200000;
    int mrtvych = 0;
    for (int i = 0; i < n; ++i) mrtvych += strategy.clovek_die_random(1);
    EXPECT_NEAR(static_cast<double>(mrtvych) / n, 60.0 / 101.0, 0.004);
}

TEST(Population, SettlersComeAtAYearEndOnlyWhenStoresExceedTheEdge) {
    nova_hra();
    for (int i = 0; i < 3; ++i)
        postav(101 + i, 100, S_L::dom, 1);  // 3 free places: the edge is 186
    auto& h = hrac();
    h.surovina[S_L::maso].mam = h.surovina[S_L::ryba].mam = 0;
    for (auto [rok, chlieb, voda, verdikt] : {std::tuple{true, 186, 1000, S_L::PRICHOD_malo_jedla},
                                              {true, 200, 186, S_L::PRICHOD_malo_vody},
                                              {false, 200, 1000, S_L::PRICHOD_pridu},
                                              {true, 200, 1000, S_L::PRICHOD_pridu}}) {
        EXPECT_EQ(h.pocet_ludi, 30);
        std::tie(strategy.rok_passed, h.surovina[S_L::chlieb].mam, h.surovina[S_L::voda].mam) =
            std::tie(rok, chlieb, voda);
        const Strategy_library::S_prichod p = strategy.posud_prichod();
        EXPECT_EQ(std::tie(p.volne, p.treba, p.jedlo, p.voda, p.verdikt),
                  std::make_tuple(3LL, 186LL, static_cast<long long>(chlieb),
                                  static_cast<long long>(voda), verdikt));
        strategy.kontroluj_prichod_novych_ludi();
    }
    EXPECT_EQ(std::tie(h.pocet_ludi, h.pocet_muzov, h.bez_domova_last_id),
              std::make_tuple(36, 18, 18));
    EXPECT_EQ(strategy.prislo_osadnikov, 6);
    // The houses stay free until the next hand-out; a town without a free place gets nobody.
    EXPECT_EQ(strategy.volne_miesta_v_domoch(), 3);
    strategy.kontroluj_najdenie_domu_prace();
    EXPECT_EQ(strategy.posud_prichod().verdikt, S_L::PRICHOD_ziadny_dom);
    // Nobody of an unknown sex is made, no one else's man joins the player's jobless, and a
    // person made at 18 is grown up.
    EXPECT_FALSE(strategy.vytvor_clovek(S_L::id_player, 0, 20, 100));
    strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);
    EXPECT_FALSE(strategy.pridaj_bez_prace(36));
    strategy.vytvor_clovek(S_L::id_player, S_L::zena, 18, 100);
    const int smrti = h.pocet_smrti;
    strategy.clovek_DIE(5), strategy.clovek_DIE(5);  // a freed slot cannot die again
    EXPECT_EQ(h.pocet_smrti, smrti + 1);
    EXPECT_EQ(prepocet(), "");
}
