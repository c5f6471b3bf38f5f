// Food and disease: a household's share, a month of eating to the unit, hunger and thirst over
// consecutive month ends, cold, summer recovery and corpses.
#include <gtest/gtest.h>

#include "people_town.h"

using namespace people_town;

namespace {

// A builder's family of four in one house: man 14, wife 29, a boy and a girl.
struct Rodina {
    int dom, deti[2];
    std::vector<int> vsetci() const { return {14, 29, deti[0], deti[1]}; }
};

Rodina rodina_styroch() {
    nova_hra();
    Rodina r;
    r.dom = postav(101, 100, S_L::dom, 1);
    koniec_mesiaca(S_L::M_marec);
    r.deti[0] = dieta(14, 29, S_L::muz, 5);
    r.deti[1] = dieta(14, 29, S_L::zena, 3);
    for (int s : {S_L::maso, S_L::ryba, S_L::jablko}) hrac().surovina[s].mam = 1000;
    for (int& s : strategy.objekt[r.dom].skladuje) s = 0;
    return r;
}

void zasoby_na_nulu() {
    for (int s : {S_L::voda, S_L::chlieb, S_L::maso, S_L::ryba, S_L::jablko}) hrac().surovina[s].mam = 0;
}

}  // namespace

TEST(Food, FamilyShareAndAMonthOfEatingToTheUnit) {
    Rodina r = rodina_styroch();
    auto& h = hrac();
    const int* dom = strategy.objekt[r.dom].skladuje;
    int voda = h.surovina[S_L::voda].mam, chlieb = h.surovina[S_L::chlieb].mam;
    int pouzite = h.surovina[S_L::chlieb].pouzite;

    strategy.time.mesiac = S_L::M_marec;  // a 31-day month begins
    strategy.mesiac_passed = true;
    ASSERT_TRUE(strategy.rozdeluj_jedlo());
    EXPECT_EQ(dom[S_L::voda], 124);
    EXPECT_EQ(dom[S_L::chlieb], 17);
    EXPECT_EQ(dom[S_L::maso], 16);
    EXPECT_EQ(dom[S_L::ryba], 0);
    EXPECT_EQ(dom[S_L::jablko], 40);
    EXPECT_EQ(h.surovina[S_L::voda].mam, voda - 124);
    EXPECT_EQ(h.surovina[S_L::chlieb].mam, chlieb - 17);
    EXPECT_EQ(h.surovina[S_L::chlieb].pouzite, pouzite + 17);

    // At the end of a 30-day month each of the four eats from that stock: 30 water, 4 bread,
    // 4 meat (covering the two food points bread left), 10 apples; nobody goes to the stores.
    strategy.time.mesiac = S_L::M_maj;
    int stores = h.surovina[S_L::chlieb].mam + h.surovina[S_L::voda].mam + h.surovina[S_L::maso].mam;
    for (int c : r.vsetci()) strategy.kontroluj_potreby(c);
    EXPECT_EQ(dom[S_L::voda], 4);
    EXPECT_EQ(dom[S_L::chlieb], 1);
    EXPECT_EQ(dom[S_L::maso], 0);
    EXPECT_EQ(dom[S_L::jablko], 0);
    EXPECT_EQ(h.surovina[S_L::chlieb].mam + h.surovina[S_L::voda].mam + h.surovina[S_L::maso].mam, stores);
    for (int c : r.vsetci()) {
        const auto& p = strategy.clovek[c];
        EXPECT_TRUE(p.mal_pristup_k_surovine[S_L::voda] && p.mal_pristup_k_surovine[S_L::chlieb] &&
                    p.mal_pristup_k_surovine[S_L::maso] && p.mal_pristup_k_surovine[S_L::jablko]);
        EXPECT_FALSE(p.mal_pristup_k_surovine[S_L::ryba]);
        strategy.kontroluj_choroby(c);  // full access: nothing caught, any earlier lack cured
        EXPECT_EQ(p.choroby_pocet, 0);
    }
    EXPECT_EQ(h.hladuje_muz + h.hladuje_zena, 0);

    // Stores holding exactly the family's ration keep it; the need still counts as served.
    for (int& s : strategy.objekt[r.dom].skladuje) s = 0;
    strategy.time.mesiac = S_L::M_marec;
    h.surovina[S_L::voda].mam = 124;
    strategy.rozdeluj_jedlo();
    EXPECT_EQ(dom[S_L::voda], 0);
    EXPECT_EQ(h.surovina[S_L::voda].mam, 124);
    EXPECT_EQ(dom[S_L::chlieb], 17);
    EXPECT_EQ(prepocet(), "");
}

TEST(Food, HungerAndThirstKillOverTwoMonthEnds) {
    nova_hra();
    zasoby_na_nulu();
    auto& h = hrac();
    koniec_mesiaca(S_L::M_marec);
    for (int c = 0; c < 30; ++c) EXPECT_EQ(strategy.clovek[c].zdravie, 40);  // catching is free
    EXPECT_EQ(h.hladuje_muz, 15);
    EXPECT_EQ(h.hladuje_zena, 15);
    for (int d : {S_L::CH_malo_jedla, S_L::CH_malo_masa, S_L::CH_malo_vody, S_L::CH_malo_ovocia})
        EXPECT_EQ(h.trpi_chorobou[d], 30);
    EXPECT_EQ(strategy.return_pocet_trpi_chorobou(), 30);
    EXPECT_EQ(h.zomrelo_hladom, 0);
    EXPECT_EQ(prepocet(), "");

    koniec_mesiaca(S_L::M_april);
    EXPECT_EQ(h.pocet_ludi, 0);
    EXPECT_EQ(h.zomrelo_hladom, 30);
    EXPECT_EQ(h.zomrelo_na_chorobu, 30);
    EXPECT_EQ(h.pocet_smrti, 30);
    EXPECT_EQ(h.surovina[S_L::mrtvola].mam, 30);
    EXPECT_EQ(strategy.return_pocet_trpi_chorobou(), 0);
    EXPECT_EQ(prepocet(), "");
}

TEST(Food, ColdCostsTenAMonthUntilAWarmMonth) {
    nova_hra();
    auto& h = hrac();
    h.surovina[S_L::teple_oblecenie].mam = 0;
    koniec_mesiaca(S_L::M_december);
    // Jobless homeless man 0 freezes; builder 10, homeless but working, does not.
    EXPECT_TRUE(strategy.clovek[0].choroba[S_L::CH_zima].ma);
    EXPECT_FALSE(strategy.clovek[10].choroba[S_L::CH_zima].ma);
    EXPECT_TRUE(strategy.clovek[20].choroba[S_L::CH_zima].ma);  // so does a single woman
    EXPECT_EQ(strategy.clovek[0].zdravie, strategy.clovek[10].zdravie);

    h.surovina[S_L::teple_oblecenie].mam = 100;
    koniec_mesiaca(S_L::M_januar);
    EXPECT_TRUE(strategy.clovek[0].teple_oblecenie);
    EXPECT_EQ(strategy.clovek[10].zdravie - strategy.clovek[0].zdravie, 10);
    EXPECT_FALSE(strategy.clovek[0].choroba[S_L::CH_zima].ma);
    EXPECT_EQ(h.trpi_chorobou[S_L::CH_zima], 0);
    EXPECT_EQ(prepocet(), "");
}

TEST(Food, SummerRecoveryAndCorpses) {
    nova_hra();
    strategy.clovek[1].zdravie = 65;
    strategy.clovek[2].zdravie = 66;
    strategy.time.mesiac = S_L::M_jun;
    strategy.mesiac_passed = true;
    strategy.kontroluj_potreby(1);
    strategy.kontroluj_potreby(2);
    EXPECT_EQ(strategy.clovek[1].zdravie, 100);
    EXPECT_EQ(strategy.clovek[2].zdravie, 66);

    auto& h = hrac();
    h.surovina[S_L::mrtvola].mam = 100;
    koniec_mesiaca(S_L::M_jul);
    EXPECT_EQ(h.trpi_chorobou[S_L::CH_mrtvoly], 0);
    h.surovina[S_L::mrtvola].mam = 101;
    koniec_mesiaca(S_L::M_august);
    EXPECT_EQ(h.trpi_chorobou[S_L::CH_mrtvoly], 30);
    int pred = strategy.clovek[5].zdravie;
    koniec_mesiaca(S_L::M_september);
    EXPECT_TRUE(strategy.clovek[5].choroba[S_L::CH_mrtvoly].ma);  // never cured
    EXPECT_LE(strategy.clovek[5].zdravie, pred - 30);
    EXPECT_EQ(prepocet(), "");
}
