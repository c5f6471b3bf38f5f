// Daily production of finished workshops and the monthly store capacity. (Spoilage, the month's
// balance and the order in which workshops work are pinned by the golden game.)
#include <gtest/gtest.h>

#include <utility>

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
    // The code of the last notice.
    static int sprava() {
        return strategy.information_list[strategy.informacie_last_integer].cilso_informacie;
    }
};

}  // namespace

// (Staff, inputs, access to the main building and the day's notices are pinned by the golden
// game, the walled town's test and the screen tests.)
TEST_F(Vyroba, ANegativeStockIsRepairedAndNothingIsMadeFromIt) {
    strategy.time.mesiac = W::M_oktober;
    stoji(W::kamenarstvo, 91, 90);
    const int kamen = ucet(W::kamen).mam;
    ucet(W::lomovy_kamen).mam = -5;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(std::make_pair(ucet(W::lomovy_kamen).mam, ucet(W::kamen).mam),
              std::make_pair(0, kamen));
}

TEST_F(Vyroba, AWorkshopWithoutRoomForItsOutputTakesNothingAndExactlyEnoughRoomFills) {
    const int mlyn = stoji(W::mlyn, 90, 90), muka = strategy.budova_produkuje_pocet(mlyn, W::muka);
    const int obilie = ucet(W::obilie).mam;
    ucet(W::muka).mam = kapacita(W::muka) - muka + 1;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::muka).mam, kapacita(W::muka) - muka + 1);
    EXPECT_EQ(ucet(W::obilie).mam, obilie) << "a refused mill takes no grain";
    EXPECT_EQ(sprava(), W::I_sklady_su_plne);
    ucet(W::muka).mam = kapacita(W::muka) - muka;
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(ucet(W::muka).mam, kapacita(W::muka));
    EXPECT_EQ(ucet(W::obilie).mam, obilie - strategy.budova_potrebuje_pocet(mlyn, W::obilie));
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
