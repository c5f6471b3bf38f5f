// Daily production of finished workshops, the monthly store capacity, spoilage and balance.
#include <gtest/gtest.h>

#include <string>

#include "Game.h"
#include "Strategy_library.h"

using namespace Strategy_library;
using W = S_L;

namespace {

class Vyroba : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static const bool naplnene = (strategy.Set_all(), true);
        (void)naplnene;
    }
    // An empty world with the player's main building at (100, 100), the general store limit and
    // a stock of 1000 of everything.
    void SetUp() override {
        strategy.Restart_Game();
        strategy.set_owner(W::id_player);
        strategy.pridaj_budovu(100, 100, W::hlavna_budova, 1);
        strategy.kontroluj_sklady();
        for (int r = 1; r < W::last_surovina_id; ++r) ucet(r).mam = 1000;
        strategy.time = {5, W::M_marec, 1};
    }
    static S_surovina& ucet(int r) { return strategy.id_owner[W::id_player].surovina[r]; }
    // A finished, fully staffed building; returns its object id.
    static int stoji(int typ, int x, int y, int level = 1) {
        strategy.pridaj_budovu(x, y, typ, level);
        const int o = strategy.point_id_of_objekt(x, y);
        EXPECT_NE(o, -1);
        strategy.objekt[o].je_ludi = strategy.budova_potrebuje_ludi(o);
        return o;
    }
    static int kapacita(int r) {
        return strategy.return_kapacita_skladov() + ucet(r).pridane_skladovacie_miesto;
    }
    static int pocet_sprav() { return strategy.informacie_last_integer + 1; }
};

}  // namespace

TEST_F(Vyroba, SeasonsDecideWhenFarmsAndOrchardsProduce) {
    const int farma = stoji(W::farma, 90, 90);
    const int sad = stoji(W::jablkovy_sad, 91, 90);
    const int studna = stoji(W::studna, 92, 90);
    strategy.kontroluj_sklady();
    for (int m = W::M_januar; m <= W::M_december; ++m) {
        strategy.time.mesiac = m;
        ucet(W::obilie).mam = 0;
        ucet(W::jablko).mam = 0;
        ucet(W::voda).mam = 0;
        strategy.kontroluj_prijem_denne();
        EXPECT_EQ(ucet(W::obilie).mam, m == W::M_oktober ? strategy.budova_produkuje_pocet(farma, W::obilie) : 0) << m;
        EXPECT_EQ(ucet(W::jablko).mam, m == W::M_jul ? strategy.budova_produkuje_pocet(sad, W::jablko) : 0) << m;
        EXPECT_EQ(ucet(W::voda).mam, strategy.budova_produkuje_pocet(studna, W::voda)) << m;
    }
    EXPECT_EQ(pocet_sprav(), 0) << "out of season is no notice";
    EXPECT_EQ(ucet(W::obilie).vyprodukovane, 100);
}

TEST_F(Vyroba, WorkersInputsAndAccessAreRequired) {
    strategy.time.mesiac = W::M_oktober;
    const int farma = stoji(W::farma, 90, 90);
    strategy.objekt[farma].je_ludi = 0;
    const int obilie = ucet(W::obilie).mam;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::obilie).mam, obilie);
    ASSERT_EQ(pocet_sprav(), 1);
    EXPECT_EQ(strategy.information_list[0].cilso_informacie, W::I_nie_je_dost_ludi);
    EXPECT_EQ(std::string(strategy.information_list[0].meno_objektu), "farma");

    // Too many workers is as bad as too few.
    strategy.objekt[farma].je_ludi = 2;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::obilie).mam, obilie);

    // A stone cutter short of one unit of rough stone makes nothing and takes nothing.
    strategy.objekt[farma].je_ludi = 1;
    const int kamenar = stoji(W::kamenarstvo, 91, 90);
    const int treba = strategy.budova_potrebuje_pocet(kamenar, W::lomovy_kamen);
    ucet(W::lomovy_kamen).mam = treba - 1;
    const int kamen = ucet(W::kamen).mam;
    strategy.informacie_last_integer = -1;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::kamen).mam, kamen);
    EXPECT_EQ(ucet(W::lomovy_kamen).mam, treba - 1);
    ASSERT_EQ(pocet_sprav(), 1);
    EXPECT_EQ(strategy.information_list[0].cilso_informacie, W::I_nema_dost_surovin);
    EXPECT_EQ(ucet(W::obilie).mam, obilie + 100) << "the staffed farm worked the same day";

    // With exactly enough it works and uses it all.
    ucet(W::lomovy_kamen).mam = treba;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::kamen).mam, kamen + strategy.budova_produkuje_pocet(kamenar, W::kamen));
    EXPECT_EQ(ucet(W::lomovy_kamen).mam, 0);
    EXPECT_EQ(ucet(W::lomovy_kamen).pouzite, treba);

    // A building whose zone does not reach the main building is cut off.
    strategy.objekt[kamenar].zona = strategy.point[100][100].zona + 1;
    ucet(W::lomovy_kamen).mam = treba;
    strategy.informacie_last_integer = -1;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::lomovy_kamen).mam, treba);
    ASSERT_EQ(pocet_sprav(), 1);
    EXPECT_EQ(strategy.information_list[0].cilso_informacie, W::I_nema_pristup_k_hlavnej_budove);
    EXPECT_EQ(std::string(strategy.information_list[0].meno_objektu), "kamenarstvo");
}

TEST_F(Vyroba, FullStoresRefuseTheWholeDay) {
    const int studna = stoji(W::studna, 90, 90);
    const int mlyn = stoji(W::mlyn, 91, 90);
    strategy.kontroluj_sklady();
    const int voda = strategy.budova_produkuje_pocet(studna, W::voda);
    const int muka = strategy.budova_produkuje_pocet(mlyn, W::muka);
    ASSERT_GT(kapacita(W::voda), strategy.return_kapacita_skladov()) << "a well adds water storage";

    ucet(W::voda).mam = kapacita(W::voda) - voda + 1;
    ucet(W::muka).mam = kapacita(W::muka) - muka + 1;
    const int obilie = ucet(W::obilie).mam;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::voda).mam, kapacita(W::voda) - voda + 1);
    EXPECT_EQ(ucet(W::muka).mam, kapacita(W::muka) - muka + 1);
    EXPECT_EQ(ucet(W::obilie).mam, obilie) << "a refused mill takes no grain";
    ASSERT_EQ(pocet_sprav(), 2);
    EXPECT_EQ(strategy.information_list[1].cilso_informacie, W::I_sklady_su_plne);

    ucet(W::voda).mam = kapacita(W::voda) - voda;
    ucet(W::muka).mam = kapacita(W::muka) - muka;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::voda).mam, kapacita(W::voda));
    EXPECT_EQ(ucet(W::muka).mam, kapacita(W::muka));
    EXPECT_EQ(ucet(W::obilie).mam, obilie - strategy.budova_potrebuje_pocet(mlyn, W::obilie));
}

TEST_F(Vyroba, FlourMilledTodayIsBakedTheSameDay) {
    ucet(W::muka).mam = 0;
    const int mlyn = stoji(W::mlyn, 90, 90);
    const int pekaren = stoji(W::pekaren, 91, 90);
    ASSERT_LT(mlyn, pekaren);
    ASSERT_EQ(strategy.budova_produkuje_pocet(mlyn, W::muka), strategy.budova_potrebuje_pocet(pekaren, W::muka));
    const int chlieb = ucet(W::chlieb).mam;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::chlieb).mam, chlieb + strategy.budova_produkuje_pocet(pekaren, W::chlieb));
    EXPECT_EQ(ucet(W::muka).mam, 0);
    EXPECT_EQ(ucet(W::muka).vyprodukovane, ucet(W::muka).pouzite);

    // The other way round the bakery comes first and finds no flour that day.
    strategy.Restart_Game();
    strategy.set_owner(W::id_player);
    strategy.pridaj_budovu(100, 100, W::hlavna_budova, 1);
    strategy.kontroluj_sklady();
    for (int r = 1; r < W::last_surovina_id; ++r) ucet(r).mam = 1000;
    ucet(W::muka).mam = 0;
    stoji(W::pekaren, 90, 90);
    stoji(W::mlyn, 91, 90);
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::chlieb).mam, 1000);
    EXPECT_EQ(ucet(W::muka).mam, strategy.budova[W::mlyn].level[1].produkuje[W::muka].pocet);
}

TEST_F(Vyroba, NegativeStocksAreRepairedNotUsed) {
    const int mlyn = stoji(W::mlyn, 90, 90);
    ucet(W::obilie).mam = -5;
    const int muka = ucet(W::muka).mam;
    testing::internal::CaptureStdout();
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Kontrola dostupnosti surovin FATAL ERROR : surovina " + std::to_string(W::obilie) +
                  "  pocet -5 < 0 !!!!!\n");
    EXPECT_EQ(ucet(W::obilie).mam, 0);
    EXPECT_EQ(ucet(W::muka).mam, muka) << "nothing is milled from an empty store";

    // A negative need in the catalogue is reported and counts as none.
    S_pocet& potreba = strategy.budova[W::mlyn].level[1].potrebuje[W::obilie];
    const int povodna = potreba.pocet;
    potreba.pocet = -4;
    testing::internal::CaptureStdout();
    strategy.kontroluj_prijem_denne();
    const std::string vystup = testing::internal::GetCapturedStdout();
    potreba.pocet = povodna;
    EXPECT_NE(vystup.find("bude potrebovat -4 < 0 pre surovinu " + std::to_string(W::obilie) +
                          " a budovu " + std::to_string(W::mlyn)),
              std::string::npos);
    EXPECT_EQ(ucet(W::muka).mam, muka + strategy.budova_produkuje_pocet(mlyn, W::muka));
    EXPECT_EQ(ucet(W::obilie).mam, 0);
}

TEST_F(Vyroba, PerishablesKeepOnlyTheMonthsProduction) {
    struct Pripad {
        int surovina, mam, vyrobene, ostane;
    };
    const Pripad pripady[] = {
        {W::voda, 4000, 3000, 3000},   // 1000 of the old stock spoil
        {W::voda, 2000, 3000, 2000},   // less than was produced: nothing spoils
        {W::chlieb, 3000, 3000, 3000}, // exactly the production
        {W::maso, 700, 0, 0},          // nothing produced: everything spoils
        {W::ryba, 0, 0, 0},
        {W::drevo, 4000, 0, 4000},     // wood keeps
    };
    for (const Pripad& p : pripady) {
        ucet(p.surovina).mam = p.mam;
        ucet(p.surovina).vyprodukovane = p.vyrobene;
        ucet(p.surovina).naZaciatkuMesiaca = 1234;
        strategy.kontroluj_trvanlivost();
        EXPECT_EQ(ucet(p.surovina).mam, p.ostane) << p.surovina << " " << p.mam << " " << p.vyrobene;
        EXPECT_EQ(ucet(p.surovina).pouzite, 0) << "spoilage is not booked as use";
    }

    // The month closes: balance, start-of-month amounts, fresh counters.
    ucet(W::tehla).vyprodukovane = 30;
    ucet(W::tehla).pouzite = 50;
    ucet(W::tehla).mam = 77;
    strategy.spocitaj_bilanciu();
    strategy.nastav_zostatok();
    strategy.priprav_bilanciu();
    EXPECT_EQ(strategy.return_bilancia(W::tehla), -20);
    EXPECT_EQ(ucet(W::tehla).naZaciatkuMesiaca, 77);
    EXPECT_EQ(strategy.return_vyrobene(W::tehla), 0);
    EXPECT_EQ(strategy.return_pouzite(W::tehla), 0);
    EXPECT_EQ(strategy.surovina_v_skladoch(W::tehla), 77);
}

TEST_F(Vyroba, WarehouseCountsFromTheNextMonthEnd) {
    const int zaklad = strategy.return_kapacita_skladov();
    stoji(W::sypka, 90, 90, 2);
    strategy.pridaj_budovu(91, 90, W::sklad, 2);
    strategy.time = {3, W::M_maj, 1};
    for (int d = 0; d < 5; ++d) {
        strategy.next_day();
        strategy.kontroluj_objekty();
        strategy.kontroluj_prijem_denne();
    }
    EXPECT_EQ(strategy.return_kapacita_skladov(), zaklad);
    EXPECT_EQ(ucet(W::obilie).pridane_skladovacie_miesto, 0);

    strategy.kontroluj_sklady();
    EXPECT_EQ(strategy.return_kapacita_skladov(), zaklad + 2 * 2500);
    EXPECT_EQ(ucet(W::obilie).pridane_skladovacie_miesto,
              strategy.budova[W::sypka].level[2].pridane_skladovacie_miesto[W::obilie].pocet);

    // A building under construction or upgrade adds nothing.
    strategy.upgrade(strategy.point_id_of_objekt(91, 90));
    strategy.kontroluj_sklady();
    EXPECT_EQ(strategy.return_kapacita_skladov(), zaklad);
}
