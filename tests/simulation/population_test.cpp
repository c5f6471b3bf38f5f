// Life events of the town's people: the starting town, homes and jobs, pairing, death, the
// father's hand-over, births and coming of age, old age, settlers and the lists.
#include <gtest/gtest.h>

#include "people_town.h"

using namespace people_town;

namespace {

std::vector<int> zoznam(const int* z, int n) { return std::vector<int>(z, z + n); }

}  // namespace

TEST(Population, StartingTownAssignsBuildersAndPairsInIdOrder) {
    nova_hra();
    auto& h = hrac();
    // 15 men and 15 women; the main building takes the last five men off the jobless list.
    EXPECT_EQ(h.stavbari, 5);
    EXPECT_EQ(zoznam(h.clovek_bez_prace_list, h.bez_prace_last_id), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (int c = 10; c < 15; ++c) EXPECT_EQ(strategy.clovek[c].objekt_v_ktorom_pracuje, 0);
    EXPECT_EQ(h.bez_domova_last_id, 15);
    EXPECT_EQ(h.bez_zeny_last_id, 15);
    EXPECT_EQ(prepocet(), "");

    koniec_mesiaca(S_L::M_marec);  // no house yet: nobody pairs
    for (int c = 0; c < 15; ++c) EXPECT_EQ(strategy.clovek[c].id_partnera, -1);

    int a = postav(101, 100, S_L::dom, 1), b = postav(102, 100, S_L::dom, 1);
    koniec_mesiaca(S_L::M_april);
    // Homeless men go out last in, first out: 14 to the first house, 13 to the second. Pairing
    // runs in id order, each man taking the woman who is last in the list.
    EXPECT_EQ(strategy.clovek[14].objekt_v_ktorom_byva, a);
    EXPECT_EQ(strategy.clovek[13].objekt_v_ktorom_byva, b);
    EXPECT_EQ(strategy.clovek[13].id_partnera, 29);
    EXPECT_EQ(strategy.clovek[14].id_partnera, 28);
    EXPECT_EQ(strategy.clovek[29].objekt_v_ktorom_byva, b);
    EXPECT_EQ(h.bez_zeny_last_id, 13);
    EXPECT_EQ(prepocet(), "");
}

TEST(Population, BuildingsFillInTurnAndWorkplacesOnlyUpToTheirRoom) {
    nova_hra();
    int a = postav(101, 100, S_L::dom, 3), b = postav(102, 100, S_L::dom, 3);
    int lom = postav(103, 100, S_L::zberac_kamena, 2);  // room 0 at level 2
    int farma = postav(104, 100, S_L::farma, 1);
    strategy.kontroluj_najdenie_domu_prace();
    std::vector<int> v_a, v_b;
    for (int c = 0; c < 15; ++c) {
        if (strategy.clovek[c].objekt_v_ktorom_byva == a) v_a.push_back(c);
        if (strategy.clovek[c].objekt_v_ktorom_byva == b) v_b.push_back(c);
    }
    EXPECT_EQ(v_a, (std::vector<int>{10, 12, 14}));
    EXPECT_EQ(v_b, (std::vector<int>{9, 11, 13}));
    EXPECT_EQ(strategy.objekt[lom].je_ludi, 0);
    EXPECT_EQ(strategy.objekt[farma].je_ludi, 1);
    EXPECT_EQ(hrac().bez_prace_last_id, 9);

    // A staffed collector raised to a level without room must not swallow the jobless.
    int zberac = postav(105, 100, S_L::zberac_kamena, 1);
    strategy.kontroluj_najdenie_domu_prace();
    ASSERT_EQ(strategy.objekt[zberac].je_ludi, 1);
    strategy.objekt[zberac].level = 2;
    strategy.kontroluj_najdenie_domu_prace();
    EXPECT_EQ(strategy.objekt[zberac].je_ludi, 1);
    EXPECT_EQ(hrac().bez_prace_last_id, 8);
    EXPECT_EQ(prepocet(), "");
}

TEST(Population, DeathOfAFatherClearsEveryLink) {
    nova_hra();
    int dom = postav(101, 100, S_L::dom, 1);
    koniec_mesiaca(S_L::M_marec);
    auto& h = hrac();
    ASSERT_EQ(strategy.clovek[14].id_partnera, 29);
    strategy.clovek[14].vek = 40;
    int syn = dieta(14, 29, S_L::muz, 5), dcera = dieta(14, 29, S_L::zena, 3);
    int ludi = h.pocet_ludi, smrti = h.pocet_smrti, mrtvoly = h.surovina[S_L::mrtvola].mam;

    strategy.clovek_DIE(14);
    EXPECT_EQ(strategy.clovek[14].vlastnik, -1);
    EXPECT_EQ(strategy.clovek[29].id_partnera, -1);
    EXPECT_EQ(strategy.clovek[29].objekt_v_ktorom_byva, -1);
    EXPECT_EQ(h.muzodober_bez_muza_list[h.bez_zeny_last_id - 1], 29);
    for (int d : {syn, dcera}) {
        EXPECT_EQ(strategy.clovek[d].objekt_v_ktorom_byva, -1);
        EXPECT_EQ(strategy.clovek[d].id_otca, -1);
        EXPECT_EQ(strategy.clovek[d].id_matky, 29);
    }
    EXPECT_EQ(strategy.objekt[dom].je_ludi, 0);
    EXPECT_EQ(strategy.objekt[0].je_ludi, 4);  // he was a builder
    EXPECT_EQ(h.stavbari, 4);
    EXPECT_EQ(h.pocet_ludi, ludi - 1);
    EXPECT_EQ(h.pocet_smrti, smrti + 1);
    EXPECT_EQ(h.zomrelo_muz, 1);
    EXPECT_EQ(h.surovina[S_L::mrtvola].mam, mrtvoly + 1);
    EXPECT_EQ(prepocet(), "");

    strategy.clovek_DIE(14);  // a free slot cannot die again
    EXPECT_EQ(h.pocet_smrti, smrti + 1);
    EXPECT_EQ(h.surovina[S_L::mrtvola].mam, mrtvoly + 1);
    EXPECT_EQ(dalsie_id(), 14);

    strategy.kontroluj_najdenie_domu_prace();  // the freed place and job go to the next in line
    EXPECT_EQ(strategy.objekt[dom].je_ludi, 1);
    EXPECT_EQ(h.stavbari, 5);
    EXPECT_EQ(prepocet(), "");
}

TEST(Population, FatherOfFiftyHandsJobAndHomeToHisSon) {
    nova_hra();
    int dom = postav(101, 100, S_L::dom, 1);
    koniec_mesiaca(S_L::M_marec);
    strategy.clovek[14].vek = 50;
    int syn = dieta(14, 29, S_L::muz, 25), brat = dieta(14, 29, S_L::muz, 23);
    auto& h = hrac();
    ASSERT_EQ(h.clovek_bez_prace_list[h.bez_prace_last_id - 2], syn);

    koniec_mesiaca(S_L::M_april);
    EXPECT_EQ(strategy.clovek[syn].objekt_v_ktorom_pracuje, 0);
    EXPECT_EQ(strategy.clovek[14].objekt_v_ktorom_pracuje, -1);
    EXPECT_EQ(h.clovek_bez_prace_list[h.bez_prace_last_id - 2], 14);
    EXPECT_EQ(strategy.clovek[syn].objekt_v_ktorom_byva, dom);
    // One job and one home per check, to the first son in birth order.
    EXPECT_EQ(strategy.clovek[brat].objekt_v_ktorom_pracuje, -1);
    EXPECT_EQ(strategy.clovek[brat].objekt_v_ktorom_byva, -1);
    EXPECT_EQ(strategy.clovek[14].objekt_v_ktorom_byva, dom);
    EXPECT_EQ(h.stavbari, 5);
    EXPECT_EQ(prepocet(), "");

    // Either of them dying frees exactly his own place under the roof.
    strategy.clovek_DIE(syn);
    EXPECT_EQ(strategy.objekt[dom].je_ludi, 1);
    EXPECT_EQ(prepocet(), "");
}

TEST(Population, BirthsComingOfAgeAndOldAge) {
    nova_hra();
    for (int i = 0; i < 10; ++i) postav(101 + i, 100, S_L::dom, 1);
    koniec_mesiaca(S_L::M_marec);
    // Every mother's second child has the other sex than her first.
    for (int otec = 5; otec < 15; ++otec) {
        int matka = strategy.clovek[otec].id_partnera;
        ASSERT_NE(matka, -1);
        auto& m = strategy.clovek[matka];
        for (int pokus = 0; pokus < 200 && m.pocet_deti < 2; ++pokus) strategy.clovek_narodenie(matka, otec);
        ASSERT_EQ(m.pocet_deti, 2);
        EXPECT_NE(strategy.clovek[m.id_deti[0]].pohlavie, strategy.clovek[m.id_deti[1]].pohlavie);
    }
    ASSERT_EQ(strategy.clovek[14].id_partnera, 20);
    auto& mama = strategy.clovek[20];
    for (int pokus = 0; pokus < 200 && mama.pocet_deti < 4; ++pokus) strategy.clovek_narodenie(20, 14);
    ASSERT_EQ(mama.pocet_deti, 4);
    int ludi = hrac().pocet_ludi;
    for (int i = 0; i < 20; ++i) strategy.clovek_narodenie(20, 14);
    EXPECT_EQ(hrac().pocet_ludi, ludi);
    EXPECT_EQ(hrac().pocet_deti, 22);
    EXPECT_EQ(prepocet(), "");

    // Two of them are 17 at a year end: they come of age and leave home; an 80-year-old dies.
    int chlapec = -1, dievca = -1;
    for (int k : mama.id_deti) (strategy.clovek[k].pohlavie == S_L::muz ? chlapec : dievca) = k;
    strategy.clovek[chlapec].vek = strategy.clovek[dievca].vek = 17;
    strategy.clovek[0].vek = 80;
    koniec_mesiaca(S_L::M_januar, true);
    EXPECT_EQ(strategy.clovek[chlapec].objekt_v_ktorom_byva, -1);
    EXPECT_EQ(strategy.clovek[dievca].objekt_v_ktorom_byva, -1);
    auto& h = hrac();
    EXPECT_EQ(h.clovek_bez_domova_list[h.bez_domova_last_id - 1], chlapec);
    EXPECT_EQ(h.clovek_bez_prace_list[h.bez_prace_last_id - 1], chlapec);
    EXPECT_EQ(h.muzodober_bez_muza_list[h.bez_zeny_last_id - 1], dievca);
    EXPECT_EQ(h.pocet_smrti, 1);  // the 81-year-old, whatever his health
    EXPECT_EQ(h.zomrelo_muz, 1);
    EXPECT_EQ(prepocet(), "");
}

TEST(Population, OldAgeRollFollowsAge) {
    nova_hra();
    auto& c = strategy.clovek[1];
    c.vek = 59;
    for (int i = 0; i < 1000; ++i) ASSERT_FALSE(strategy.clovek_die_random(1));
    EXPECT_FALSE(strategy.clovek_die_random(-1));
    // At 70 a death comes with probability 60/101.
    c.vek = 70;
    const int n = 200000;
    int mrtvych = 0;
    for (int i = 0; i < n; ++i) mrtvych += strategy.clovek_die_random(1);
    EXPECT_NEAR(static_cast<double>(mrtvych) / n, 60.0 / 101.0, 0.004);
}

TEST(Population, SettlersComeOnlyWhenStoresExceedTheEdge) {
    nova_hra();
    for (int i = 0; i < 3; ++i) postav(101 + i, 100, S_L::dom, 1);  // 3 free places
    auto& h = hrac();
    auto zasoby = [&](int chlieb, int voda) {
        h.surovina[S_L::chlieb].mam = chlieb;
        h.surovina[S_L::maso].mam = h.surovina[S_L::ryba].mam = 0;
        h.surovina[S_L::voda].mam = voda;
    };
    strategy.rok_passed = true;
    zasoby(186, 1000);
    strategy.kontroluj_prichod_novych_ludi();
    zasoby(200, 186);
    strategy.kontroluj_prichod_novych_ludi();
    EXPECT_EQ(h.pocet_ludi, 30);
    strategy.rok_passed = false;
    zasoby(200, 1000);
    strategy.kontroluj_prichod_novych_ludi();
    EXPECT_EQ(h.pocet_ludi, 30);
    strategy.rok_passed = true;
    strategy.kontroluj_prichod_novych_ludi();
    EXPECT_EQ(h.pocet_ludi, 36);
    EXPECT_EQ(h.pocet_muzov, 18);
    EXPECT_EQ(h.bez_domova_last_id, 18);
    EXPECT_EQ(strategy.clovek[35].vek, 20);
    EXPECT_EQ(prepocet(), "");
}

TEST(Population, ListsCloseGapsAndRefuseBadEntries) {
    nova_hra();
    auto& h = hrac();
    strategy.najdi_odstran_posun_bez_domova(7);
    strategy.najdi_odstran_posun_bez_domova(99);
    EXPECT_EQ(zoznam(h.clovek_bez_domova_list, h.bez_domova_last_id),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(h.clovek_bez_domova_list[14], -1);
    strategy.pridaj_bez_domova(7);

    strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);
    EXPECT_FALSE(strategy.pridaj_bez_prace(30));  // someone else's man
    EXPECT_FALSE(strategy.pridaj_bez_prace(-5));
    EXPECT_FALSE(strategy.vytvor_clovek(S_L::id_player, 0, 20, 100));
    EXPECT_EQ(h.bez_prace_last_id, 10);

    strategy.vymen_bez_prace(14, 3);
    EXPECT_EQ(h.clovek_bez_prace_list[3], 14);
    strategy.vymen_bez_prace(3, 14);

    int plny = h.bez_zeny_last_id;
    h.bez_zeny_last_id = S_L::MAX_CLOVEK;  // a full list refuses
    strategy.pridaj_bez_muza(20);
    EXPECT_EQ(h.bez_zeny_last_id, S_L::MAX_CLOVEK);
    h.bez_zeny_last_id = plny;
    EXPECT_EQ(prepocet(), "");
}
