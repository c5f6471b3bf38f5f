// A group emptied while it walks (destroyed in battle and buried, or disbanded) walks no more, and
// an empty row takes no orders: neither a later movement step nor an order may give the row a new
// map object, which the row's next recruit would drop for good. A destroyed group disbanded
// before the burial buries its fallen.
#include <gtest/gtest.h>

#include <string>

#include "../../bench/ticho.h"
#include "../battle_town.h"

using namespace battle_town;

namespace {

class PrazdnaSkupina : public ::testing::Test {
protected:
    static void SetUpTestSuite() { naplnene_katalogy_potichu(); }
    // The objects of military groups on the map.
    static int objektov_skupin() {
        int n = 0;
        for (int o = 0; o < strategy.objekt_hwm; ++o)
            n += strategy.objekt[o].co_to_je == S_L::id_vojensky_objekt;
        return n;
    }
    // A movement step of a battle, then a recruit into the player's first slot: the books balance
    // and the empty row has come by no object.
    static void dalsia_bitka(int g) {
        const int skupin = objektov_skupin();
        strategy.je_vojna = true;
        {
            Ticho ticho;
            strategy.vojna_pohyb();
        }
        EXPECT_EQ(strategy.vojenska_skupina[g].objekt_id, -1);
        EXPECT_EQ(objektov_skupin(), skupin);
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
        strategy.set_owner(S_L::id_player);
        bool naverbovani;
        {
            Ticho ticho;
            naverbovani = strategy.regrutujKopijnikov(0);
        }
        ASSERT_TRUE(naverbovani);
        strategy.je_vojna = false;
        EXPECT_EQ(objektov_skupin(), skupin + 1);
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
    }
};

TEST_F(PrazdnaSkupina, AGroupFallenOnItsWayAndBuriedGetsNoObjectInTheNextBattle) {
    int g;
    bool ide;
    {
        Ticho ticho;
        g = postav_bojove_mesto(Armada::silna).skupiny[0];
        // In battle the swordsmen march out through the gate, and arrows bring every one of them
        // down on the way; the fallen group plans its next leg as every step does, then the
        // battle ends and the fallen are buried.
        strategy.set_owner(S_L::id_player);
        ide = strategy.presun_vojensku_skupinu_na_bod(g, BRANA_X, BRANA_Y - 10);
        strategy.je_vojna = true;
        strategy.vojna_pohyb();
        for (int k = 0; k < strategy.clenov(g); ++k)
            strategy.zran_vojaka(strategy.vojenska_skupina[g].zoznam_vojakov[k], 1000);
        strategy.vojna_pohyb();
        strategy.ukonci_utok(S_L::id_nepriatel, S_L::id_player, false);
    }
    ASSERT_TRUE(ide);
    const auto& s = strategy.vojenska_skupina[g];
    ASSERT_TRUE(s.dead_status && s.zoznam_vojakov_last_id == 0 && s.objekt_id == -1);
    dalsia_bitka(g);
}

TEST_F(PrazdnaSkupina, AGroupDisbandedOnItsWayStopsWalking) {
    int g;
    bool ide, rozpustena;
    {
        Ticho ticho;
        g = postav_bojove_mesto(Armada::silna).skupiny[0];
        strategy.set_owner(S_L::id_player);
        ide = strategy.presun_vojensku_skupinu_na_bod(g, BRANA_X, BRANA_Y - 10);
        rozpustena = strategy.rozpust_vojensku_skupinu(g, S_L::id_player);
    }
    ASSERT_TRUE(ide && rozpustena);
    EXPECT_FALSE(strategy.vojenska_skupina[g].moved);
    dalsia_bitka(g);
}

TEST_F(PrazdnaSkupina, AnOrderForADisbandedGroupIsRefused) {
    int g;
    bool rozpustena, rozkaz, pochod;
    {
        Ticho ticho;
        g = postav_bojove_mesto(Armada::silna).skupiny[0];
        strategy.set_owner(S_L::id_player);
        rozpustena = strategy.rozpust_vojensku_skupinu(g, S_L::id_player);
        rozkaz = strategy.presun_vojensku_skupinu_na(g, BRANA_X, BRANA_Y - 10, -1);
        pochod = strategy.presun_vojensku_skupinu_na_bod(g, BRANA_X, BRANA_Y - 10);
    }
    ASSERT_TRUE(rozpustena);
    EXPECT_FALSE(rozkaz || pochod);
    EXPECT_EQ(strategy.vojenska_skupina[g].objekt_id, -1);
    dalsia_bitka(g);
}

TEST_F(PrazdnaSkupina, ADestroyedGroupDisbandedBeforeTheBurialBuriesItsFallen) {
    int g, ludi = 0, vojakov = 0;
    bool rozpustena;
    const S_owner& h = strategy.id_owner[S_L::id_player];
    {
        Ticho ticho;
        g = postav_bojove_mesto(Armada::silna).skupiny[0];
        ludi = h.pocet_ludi;
        vojakov = h.pocet_vojakov;
        strategy.je_vojna = true;
        for (int k = 0; k < strategy.clenov(g); ++k)
            strategy.zran_vojaka(strategy.vojenska_skupina[g].zoznam_vojakov[k], 1000);
        strategy.set_owner(S_L::id_player);
        rozpustena = strategy.rozpust_vojensku_skupinu(g, S_L::id_player);
    }
    ASSERT_TRUE(rozpustena);
    EXPECT_EQ(h.pocet_ludi, ludi - 10);
    EXPECT_EQ(h.pocet_vojakov, vojakov - 10);
    EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
    strategy.je_vojna = false;
    EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
}

}  // namespace
