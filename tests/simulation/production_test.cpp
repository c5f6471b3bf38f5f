// Daily production of finished workshops, the monthly store capacity, spoilage and balance.
#include <gtest/gtest.h>

#include <string>

#include "Strategy_library.h"
#include "test_world.h"

using namespace Strategy_library;
using W = S_L;

namespace {

class Vyroba : public SvetSHlavnouBudovou {
protected:
    // An empty world with the player's main building at (100, 100), the general store limit and
    // 1000 of everything.
    void SetUp() override {
        SvetSHlavnouBudovou::SetUp();
        strategy.kontroluj_sklady();
        for (int r = 1; r < W::last_surovina_id; ++r) ucet(r).mam = 1000;
        strategy.time = {5, W::M_marec, 1};
    }
    static S_surovina& ucet(int r) { return strategy.id_owner[W::id_player].surovina[r]; }
    // A finished, fully staffed building.
    static int stoji(int typ, int x, int y, int level = 1) {
        strategy.pridaj_budovu(x, y, typ, level);
        const int o = strategy.point_id_of_objekt(x, y);
        strategy.objekt[o].je_ludi = strategy.budova_potrebuje_ludi(o);
        return o;
    }
    static int kapacita(int r) {
        return strategy.return_kapacita_skladov() + ucet(r).pridane_skladovacie_miesto;
    }
    // The code of the last notice, or of the one `odzadu` places before it.
    static int sprava(int odzadu = 0) {
        return strategy.information_list[strategy.informacie_last_integer - odzadu]
            .cilso_informacie;
    }
};

}  // namespace

TEST_F(Vyroba, WorkersInputsAndAccessAreRequired) {
    strategy.time.mesiac = W::M_oktober;
    const int farma = stoji(W::farma, 90, 90);
    const int obilie = ucet(W::obilie).mam;
    strategy.objekt[farma].je_ludi = 0;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::obilie).mam, obilie);
    EXPECT_EQ(sprava(), W::I_nie_je_dost_ludi);
    EXPECT_EQ(std::string(strategy.information_list[0].meno_objektu), "farma");
    strategy.objekt[farma].je_ludi = 1;

    // A stone cutter one unit of rough stone short makes nothing and takes nothing, while the
    // staffed farm works the same day.
    const int kamenar = stoji(W::kamenarstvo, 91, 90);
    const int treba = strategy.budova_potrebuje_pocet(kamenar, W::lomovy_kamen);
    const int kamen = ucet(W::kamen).mam;
    ucet(W::lomovy_kamen).mam = treba - 1;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::kamen).mam, kamen);
    EXPECT_EQ(ucet(W::lomovy_kamen).mam, treba - 1);
    EXPECT_EQ(sprava(), W::I_nema_dost_surovin);
    EXPECT_EQ(ucet(W::obilie).mam, obilie + 100);

    // A negative stock is repaired, and nothing is made from it.
    ucet(W::lomovy_kamen).mam = -5;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::lomovy_kamen).mam, 0);
    EXPECT_EQ(ucet(W::kamen).mam, kamen);

    // A building whose zone does not reach the main building is cut off.
    strategy.objekt[kamenar].zona = strategy.point[100][100].zona + 1;
    ucet(W::lomovy_kamen).mam = treba;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::lomovy_kamen).mam, treba);
    EXPECT_EQ(sprava(), W::I_nema_pristup_k_hlavnej_budove);

    // The notices are the day's: a second day does not pile them up, and a wall outside every
    // zone, which produces nothing, records none.
    strategy.pridaj_budovu(92, 90, W::drevena_palisada, 1);
    strategy.objekt[strategy.point_id_of_objekt(92, 90)].zona = -1;
    strategy.kontroluj_prijem_denne();
    const int dnes = strategy.informacie_last_integer;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(strategy.informacie_last_integer, dnes);
    EXPECT_EQ(dnes, 0);
    EXPECT_EQ(sprava(), W::I_nema_pristup_k_hlavnej_budove);
}

TEST_F(Vyroba, StoresFillToTheUnitAndFlourIsBakedTheSameDay) {
    // The mill (lower id) grinds before the bakery, which bakes that flour the same day.
    ucet(W::muka).mam = 0;
    const int mlyn = stoji(W::mlyn, 90, 90), pekaren = stoji(W::pekaren, 91, 90);
    const int muka = strategy.budova_produkuje_pocet(mlyn, W::muka);
    ASSERT_EQ(muka, strategy.budova_potrebuje_pocet(pekaren, W::muka));
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::chlieb).mam, 1000 + strategy.budova_produkuje_pocet(pekaren, W::chlieb));
    EXPECT_EQ(ucet(W::muka).mam, 0);
    EXPECT_EQ(ucet(W::muka).vyprodukovane, ucet(W::muka).pouzite);

    // One unit too little room refuses the mill's whole day; exactly enough fills the store.
    strategy.kontroluj_sklady();
    const int obilie = ucet(W::obilie).mam;
    strategy.objekt[pekaren].je_ludi = 0;
    ucet(W::muka).mam = kapacita(W::muka) - muka + 1;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::muka).mam, kapacita(W::muka) - muka + 1);
    EXPECT_EQ(ucet(W::obilie).mam, obilie) << "a refused mill takes no grain";
    EXPECT_EQ(sprava(1), W::I_sklady_su_plne);
    ucet(W::muka).mam = kapacita(W::muka) - muka;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::muka).mam, kapacita(W::muka));
    EXPECT_EQ(ucet(W::obilie).mam, obilie - strategy.budova_potrebuje_pocet(mlyn, W::obilie));
}

TEST_F(Vyroba, MonthEndSpoilsAndClosesTheBalance) {
    struct Pripad {
        int surovina, mam, vyrobene, ostane;
    };
    const Pripad pripady[] = {
        {W::voda, 4000, 3000, 3000},  // 1000 of the old stock spoil
        {W::voda, 2000, 3000, 2000},  // less than was produced: nothing spoils
        {W::maso, 700, 0, 0},         // nothing produced: everything spoils
        {W::drevo, 4000, 0, 4000},    // wood keeps
    };
    for (const Pripad& p : pripady) {
        ucet(p.surovina).mam = p.mam;
        ucet(p.surovina).vyprodukovane = p.vyrobene;
        ucet(p.surovina).naZaciatkuMesiaca = 1234;
        strategy.kontroluj_trvanlivost();
        EXPECT_EQ(ucet(p.surovina).mam, p.ostane) << p.surovina << " " << p.mam;
        EXPECT_EQ(ucet(p.surovina).pouzite, 0) << "spoilage is not booked as use";
    }

    ucet(W::tehla).vyprodukovane = 30;
    ucet(W::tehla).pouzite = 50;
    strategy.spocitaj_bilanciu();
    strategy.priprav_bilanciu();
    EXPECT_EQ(strategy.return_bilancia(W::tehla), -20);
    EXPECT_EQ(strategy.return_vyrobene(W::tehla) + strategy.return_pouzite(W::tehla), 0);
}

TEST_F(Vyroba, WarehouseCountsFromTheNextMonthEnd) {
    // A granary and a warehouse of level 2 are finished during the month: the day's work leaves
    // the capacity alone, the month end counts them.
    const int zaklad = strategy.return_kapacita_skladov();
    const int sypka = stoji(W::sypka, 90, 90, 2), sklad = stoji(W::sklad, 91, 90, 2);
    strategy.objekt[sypka].percenta = strategy.objekt[sklad].percenta = 99;
    strategy.id_owner[W::id_player].stavbari = 2;
    strategy.kontroluj_objekty();
    strategy.kontroluj_prijem_denne();
    ASSERT_EQ(strategy.objekt[sklad].percenta, 100);
    EXPECT_EQ(kapacita(W::obilie), zaklad);
    strategy.kontroluj_sklady();
    EXPECT_EQ(strategy.return_kapacita_skladov(), zaklad + 2 * 2500);
    EXPECT_EQ(ucet(W::obilie).pridane_skladovacie_miesto,
              strategy.budova[W::sypka].level[2].pridane_skladovacie_miesto[W::obilie].pocet);

    // A warehouse under upgrade adds nothing.
    strategy.upgrade(sklad);
    strategy.kontroluj_sklady();
    EXPECT_EQ(strategy.return_kapacita_skladov(), zaklad);
}
