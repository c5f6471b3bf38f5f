// The month report of a town: a new town left alone is told of its water and food before anyone
// dies; deaths are counted by what killed; stores are measured in days at the month's net use;
// homes, jobs, settlers and construction as the month end found them.
#include <gtest/gtest.h>

#include <tuple>

#include "../krokovanie.h"
#include "test_world.h"

using Strategy_library::S_sprava_mesiaca;

namespace {

const S_sprava_mesiaca& sprava() { return strategy.return_sprava_mesiaca(); }

// The month end of the people's tests, then the balance and the report as the step runs them.
void koniec_mesiaca_so_spravou(int mesiac, bool rok = false) {
    koniec_mesiaca(mesiac, rok);
    strategy.spocitaj_bilanciu();
    strategy.zhrn_mesiac();
    strategy.kontroluj_trvanlivost();
    strategy.nastav_zostatok();
    strategy.priprav_bilanciu();
}

using Sprava = Potichu;

}  // namespace

TEST_F(Sprava, ANewTownLeftAloneIsWarnedOfWaterAndFoodBeforeAnyoneDies) {
    nova_hra();
    krokovanie::spusti();
    auto& h = hrac();
    EXPECT_EQ(sprava().rok, 0);  // no month has ended yet
    const int voda = h.surovina[S_L::voda].mam;
    const int jedlo =
        h.surovina[S_L::chlieb].mam + h.surovina[S_L::maso].mam + h.surovina[S_L::ryba].mam;
    krokovanie::mesiac_hry();
    // February's 28 days: each of the 30 drank 28 water and ate 4 bread (7 points each) from the
    // stores; the rest of the water, bread, meat and fish spoiled, and nothing makes more.
    const S_sprava_mesiaca& r = sprava();
    EXPECT_EQ(std::tie(r.mesiac, r.rok), std::make_tuple(S_L::M_marec, 1));
    EXPECT_EQ(std::tie(r.skazilo_vody, r.skazilo_jedla),
              std::make_tuple(voda - 30 * 28, jedlo - 30 * 4));
    EXPECT_EQ(std::tie(r.dni_vody, r.dni_jedla), std::make_tuple(0, 0));
    EXPECT_EQ(r.hladovali, 0);
    // No meat and no fruit reached anyone: both diseases caught by all.
    EXPECT_EQ(std::tie(r.chori[0], r.chori[S_L::CH_malo_masa], r.chori[S_L::CH_malo_ovocia],
                       r.chori[S_L::CH_malo_vody]),
              std::make_tuple(30, 30, 30, 0));
    EXPECT_EQ(std::tie(r.bez_domova, r.volne_v_domoch, r.bez_prace, r.volne_prace),
              std::make_tuple(15, 0, 10, 0));
    EXPECT_EQ(std::tie(r.prichod, r.osadnici, r.stavby),
              std::make_tuple(S_L::PRICHOD_ziadny_dom, 0, 0));
    for (int n : r.zomreli) EXPECT_EQ(n, 0);

    // A month without water or food: everyone went hungry, still nobody died; the next month end
    // kills them all of thirst, and the game ends.
    krokovanie::mesiac_hry();
    EXPECT_EQ(std::tie(r.hladovali, r.dni_vody, r.zomreli[S_L::SMRT_smad]),
              std::make_tuple(30, 0, 0));
    krokovanie::mesiac_hry();
    EXPECT_EQ(r.zomreli[S_L::SMRT_smad], 30);
    EXPECT_EQ(h.pocet_ludi, 0);
    EXPECT_TRUE(strategy.isEndOFGame());
}

TEST_F(Sprava, DeathsAreCountedByWhatKilledAndBattleTakesTheRest) {
    nova_hra();
    auto& h = hrac();
    auto zasoby = [&](int voda, int jedlo) {
        h.surovina[S_L::voda].mam = voda;
        for (int s : {S_L::chlieb, S_L::maso, S_L::ryba}) h.surovina[s].mam = jedlo;
    };
    auto clovek = [](int vek, int zdravie) {
        const int id = dalsie_id();
        strategy.vytvor_clovek(S_L::id_player, S_L::zena, vek, zdravie);
        return id;
    };
    // Water short: the weakest dies of thirst; then food short: of hunger.
    clovek(30, 20);
    zasoby(0, 100000);
    koniec_mesiaca_so_spravou(S_L::M_marec);
    clovek(30, 20);
    zasoby(100000, 0);
    koniec_mesiaca_so_spravou(S_L::M_april);
    const S_sprava_mesiaca& r = sprava();
    EXPECT_EQ(std::tie(r.zomreli[S_L::SMRT_hlad], r.zomreli[S_L::SMRT_smad]),
              std::make_tuple(1, 0));

    for (int c = 0; c < 30; ++c) cl(c).zdravie = 100;  // the settlers came through
    // Fed: the frozen one dies of cold, another ill one of disease, one of 80 of age at the
    // year end; one killed outside the month's pass counts as fallen in battle.
    zasoby(100000, 100000);
    const int zima = clovek(30, 5), choroba = clovek(30, 1), stary = clovek(80, 100);
    for (auto [c, d] : {std::pair{zima, S_L::CH_zima}, {choroba, S_L::CH_mrtvoly}}) {
        cl(c).choroba[d].ma = true;
        cl(c).choroby_pocet = 1;
        h.trpi_chorobou[d] += 1;
        h.trpi_chorobou_celkom += 1;
    }
    strategy.clovek_DIE(clovek(30, 100));
    koniec_mesiaca_so_spravou(S_L::M_januar, true);
    for (int c : {zima, choroba, stary}) EXPECT_EQ(cl(c).vlastnik, -1) << c;
    int spolu = 0;
    for (int n : r.zomreli) spolu += n;
    EXPECT_EQ(spolu, 4);
    EXPECT_EQ(std::tie(r.zomreli[S_L::SMRT_zima], r.zomreli[S_L::SMRT_choroba],
                       r.zomreli[S_L::SMRT_vek], r.zomreli[S_L::SMRT_boj]),
              std::make_tuple(1, 1, 1, 1));
}

TEST_F(Sprava, StoresLastAtTheMonthsNetUseAndPlacesAndBuildersAreCounted) {
    nova_hra();
    auto& h = hrac();
    // Eleven bakeries for the ten jobless: one place stays empty; two houses in construction
    // with the five builders of the main building.
    for (int i = 0; i < 11; ++i) postav(90 + i, 90, S_L::pekaren, 1);
    strategy.kontroluj_najdenie_domu_prace();
    for (int i = 0; i < 2; ++i) {
        strategy.nastav_typ_budovy(S_L::dom);
        strategy.nastav_poziciu_stavanej_budovy(90 + i, 92);
        strategy.postav();
    }
    auto ucet = [&](int s, int mam, int vyrobene, int pouzite) {
        auto& u = h.surovina[s];
        std::tie(u.mam, u.vyprodukovane, u.pouzite, u.naZaciatkuMesiaca) =
            std::tie(mam, vyrobene, pouzite, mam);
    };
    // Water fell by 600 over April's 30 days and none spoils (less is held than was made): 600
    // held last 30 days. Bread and meat rose: food does not run out.
    strategy.time = {1, S_L::M_maj, 1};
    ucet(S_L::voda, 600, 900, 1500);
    ucet(S_L::chlieb, 100, 200, 100);
    ucet(S_L::maso, 0, 0, 0);
    ucet(S_L::ryba, 0, 0, 0);
    strategy.zhrn_mesiac();
    const S_sprava_mesiaca& r = sprava();
    EXPECT_EQ(std::tie(r.dni_vody, r.skazilo_vody, r.dni_jedla, r.skazilo_jedla),
              std::make_tuple(30, 0, -1, 0));
    // Food counts in nutrition points: 10 bread (70) and 30 meat, 100 points falling by 50. What
    // the month did not make of them spoils first.
    ucet(S_L::chlieb, 10, 10, 15);
    ucet(S_L::maso, 30, 30, 45);
    strategy.zhrn_mesiac();
    EXPECT_EQ(std::tie(r.dni_jedla, r.skazilo_jedla), std::make_tuple(60, 0));
    ucet(S_L::chlieb, 10, 0, 5);
    strategy.zhrn_mesiac();
    EXPECT_EQ(std::tie(r.dni_jedla, r.skazilo_jedla), std::make_tuple(30 * 30 / 50, 10));
    EXPECT_EQ(std::tie(r.bez_prace, r.volne_prace, r.stavby, r.cakaju_stavby, r.stavbari),
              std::make_tuple(0, 1, 2, 0, 5));
    EXPECT_EQ(prepocet(), "");
}
