// Towers: manning them with archers and its refusals, a garrison man dying in peace, no volley at
// a ram, enemy archers shooting at a garrison and the burial after.
#include <gtest/gtest.h>

#include "test_world.h"

namespace {

class Towers : public Potichu {
protected:
    int veza[3] = {-1, -1, -1};
    void SetUp() override {
        Potichu::SetUp();
        vojnova_hra(60);
        for (int i = 0; i < 3; ++i) veza[i] = postav(90 + 4 * i, 90, S_L::drevenna_veza, 1);
    }
    static Strategy_library::S_veza& v(int t) { return hrac().veza[t]; }
};

TEST_F(Towers, ManningFillsTowersInOrderWithOneBowEachAndADeathInPeaceFreesAPlace) {
    S_owner& h = hrac();
    h.surovina[S_L::luk].mam = 9;
    EXPECT_FALSE(strategy.regrutujLukostrelcovDoVeze());  // nine bows for ten places
    EXPECT_TRUE(h.surovina[S_L::luk].mam == 9 && h.pocet_vojakov == 0 && h.veza_volne_miesta == 30);
    h.surovina[S_L::luk].mam = 40;
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze() && strategy.regrutujLukostrelcovDoVeze());
    EXPECT_TRUE(v(0).pocet == 10 && v(1).pocet == 10 && v(2).pocet == 0 &&
                h.veza_volne_miesta == 10);
    const auto& muz = strategy.clovek[v(1).vojak[0]];
    EXPECT_TRUE(muz.vojak && muz.zbran == S_L::luk && muz.brnenie == -1 && muz.skupina == -1 &&
                muz.veza == 1);
    EXPECT_TRUE(muz.objekt_v_ktorom_pracuje == veza[1] && strategy.objekt[veza[1]].je_ludi == 10);
    EXPECT_EQ(prepocet(), "");

    // A garrison man dying of old age: the tower counts one archer fewer, the owner has a place.
    strategy.clovek_DIE(v(0).vojak[4]);
    EXPECT_TRUE(v(0).pocet == 9 && v(0).vojak_last_id == 9 && h.veza_volne_miesta == 11);
    EXPECT_EQ(prepocet(), "");
    // The next manning tops that tower up before the next one.
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    EXPECT_TRUE(v(0).pocet == 10 && v(2).pocet == 9 && h.veza_volne_miesta == 1);
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    // No place left: nothing to do, and that is no failure.
    EXPECT_TRUE(strategy.get_pocet_regrutovanie_na_vezu() == 0 &&
                strategy.regrutujLukostrelcovDoVeze() && h.pocet_lukostrelcov == 30);
    EXPECT_EQ(prepocet(), "");
}

// A tower never shoots at a ram. (Its watch and the steps between its volleys are pinned by the
// golden game's battles.)
TEST_F(Towers, ATowerNeverShootsAtARam) {
    hrac().surovina[S_L::luk].mam = 10;
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    const int ram = skupina(S_L::id_nepriatel, 10, S_L::kopija, 88, 88, S_L::VS_baranidlo);
    strategy.je_vojna = true;
    for (int i = 0; i < 20; ++i) strategy.vojna_kontroluj_veze();
    strategy.je_vojna = false;
    EXPECT_TRUE(!v(0).bol_utok && v(0).action_timer == 0);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(clen(ram, k).zdravie, 100);
}

TEST_F(Towers, EnemyArchersShootOneArrowPerGarrisonManAndTheFallenAreBuriedAfterTheBattle) {
    hrac().surovina[S_L::luk].mam = 20;
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    const int g = skupina(S_L::id_nepriatel, 20, S_L::luk, 60, 60);
    strategy.je_vojna = true;
    // Every garrison man has 25 health: each arrow that hits kills.
    for (int k = 0; k < 10; ++k) strategy.clovek[v(0).vojak[k]].zdravie = 25;
    int volejov = 0;
    while (v(0).pocet > 0 && volejov < 100) {
        const int pred = v(0).pocet;
        const bool zabil = strategy.vojna_utok_na_vezu(g, S_L::id_player, 0);
        EXPECT_TRUE(zabil == (v(0).pocet < pred) && sk(g).action_timer == 10) << volejov;
        ++volejov;
        ASSERT_EQ(prepocet(), "") << volejov;
    }
    // Ten arrows a volley, a third of them hit: ten kills take some thirty arrows.
    EXPECT_TRUE(volejov > 2 && volejov < 30) << volejov;
    EXPECT_TRUE(v(0).dead == 10 && strategy.SYNCH_DEAD);

    const int smrti = hrac().pocet_smrti;
    strategy.uprac_veze(S_L::id_player);
    strategy.je_vojna = false;
    EXPECT_TRUE(hrac().pocet_smrti == smrti + 10 && v(0).pocet == 0 && v(0).dead == 10 &&
                v(0).vojak[0] == -1 && hrac().veza_volne_miesta == 30);
    EXPECT_EQ(prepocet(), "");
    // The next manning fills the freed places of the first tower.
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    EXPECT_TRUE(v(0).pocet == 10 && v(0).dead == 0 && v(1).pocet == 0);
    EXPECT_EQ(prepocet(), "");
}

}  // namespace
