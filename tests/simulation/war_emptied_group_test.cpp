// A group emptied while it walks (destroyed in battle and buried, or disbanded) walks no more, and
// an empty row takes no orders: neither a later movement step nor an order may give the row a new
// map object, which the row's next recruit would drop for good. A destroyed group disbanded
// before the burial buries its fallen.
#include <gtest/gtest.h>

#include "../battle_town.h"
#include "test_world.h"

using battle_town::BRANA_X;
using battle_town::BRANA_Y;

namespace {

class PrazdnaSkupina : public Potichu {
protected:
    int g = -1;
    // The walled battle town; its first group (swordsmen) given a march out through the gate.
    void SetUp() override {
        Potichu::SetUp();
        g = battle_town::postav_bojove_mesto(battle_town::Armada::silna).skupiny[0];
    }
    void TearDown() override {
        strategy.je_vojna = false;
        Potichu::TearDown();
    }
    static int objektov_skupin() {
        int n = 0;
        for (int o = 0; o < strategy.objekt_hwm; ++o) n += strategy.objekt[o].co_to_je == S_L::id_vojensky_objekt;
        return n;
    }
    static void zabi(int g) {
        for (int k = 0; k < strategy.clenov(g); ++k) strategy.zran_vojaka(sk(g).zoznam_vojakov[k], 1000);
    }
    // A movement step of a battle, then a recruit into the player's first slot: the books balance
    // and the empty row has come by no object.
    void dalsia_bitka() {
        ASSERT_TRUE(sk(g).dead_status && sk(g).zoznam_vojakov_last_id == 0 && sk(g).objekt_id == -1);
        const int skupin = objektov_skupin();
        strategy.je_vojna = true;
        strategy.vojna_pohyb();
        EXPECT_TRUE(sk(g).objekt_id == -1 && objektov_skupin() == skupin);
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
        strategy.set_owner(S_L::id_player);
        ASSERT_TRUE(strategy.regrutujKopijnikov(0));
        strategy.je_vojna = false;
        EXPECT_EQ(objektov_skupin(), skupin + 1);
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
    }
};

TEST_F(PrazdnaSkupina, AGroupFallenOnItsWayAndBuriedGetsNoObjectInTheNextBattle) {
    // In battle the swordsmen march out through the gate, and arrows bring every one of them down
    // on the way; the fallen group plans its next leg as every step does, then the battle ends
    // and the fallen are buried.
    ASSERT_TRUE(strategy.presun_vojensku_skupinu_na_bod(g, BRANA_X, BRANA_Y - 10));
    strategy.je_vojna = true;
    strategy.vojna_pohyb();
    zabi(g);
    strategy.vojna_pohyb();
    strategy.ukonci_utok(S_L::id_nepriatel, S_L::id_player, false);
    dalsia_bitka();
}

TEST_F(PrazdnaSkupina, AGroupDisbandedOnItsWayStopsWalking) {
    ASSERT_TRUE(strategy.presun_vojensku_skupinu_na_bod(g, BRANA_X, BRANA_Y - 10));
    ASSERT_TRUE(strategy.rozpust_vojensku_skupinu(g, S_L::id_player));
    EXPECT_FALSE(sk(g).moved);
    dalsia_bitka();
}

TEST_F(PrazdnaSkupina, AnOrderForADisbandedGroupIsRefused) {
    ASSERT_TRUE(strategy.rozpust_vojensku_skupinu(g, S_L::id_player));
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na(g, BRANA_X, BRANA_Y - 10, -1));
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na_bod(g, BRANA_X, BRANA_Y - 10));
    dalsia_bitka();
}

TEST_F(PrazdnaSkupina, ADestroyedGroupDisbandedBeforeTheBurialBuriesItsFallen) {
    const int ludi = hrac().pocet_ludi, vojakov = hrac().pocet_vojakov;
    strategy.je_vojna = true;
    zabi(g);
    ASSERT_TRUE(strategy.rozpust_vojensku_skupinu(g, S_L::id_player));
    EXPECT_TRUE(hrac().pocet_ludi == ludi - 10 && hrac().pocet_vojakov == vojakov - 10);
    EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
    strategy.je_vojna = false;
    EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
}

}  // namespace
