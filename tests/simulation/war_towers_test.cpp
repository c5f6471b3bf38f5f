// Towers: manning them with archers and its refusals, the volleys of a tower and of enemy archers
// at a garrison, the burial of the fallen garrison, and a garrison man dying in peace.
#include <gtest/gtest.h>

#include "war_town.h"

using namespace war_town;

namespace {

class Towers : public ::testing::Test {
protected:
    int veza[3] = {-1, -1, -1};
    void SetUp() override {
        ::testing::internal::CaptureStdout();
        vojnova_hra(40);
        for (int i = 0; i < 3; ++i) veza[i] = postav(90 + 4 * i, 90, S_L::drevenna_veza, 1);
    }
    void TearDown() override { ::testing::internal::GetCapturedStdout(); }
    static Strategy_library::S_veza& v(int t) { return hrac().veza[t]; }
};

TEST_F(Towers, ManningFillsTowersInOrderTakesOneBowEachAndRefusesShortages) {
    S_owner& h = hrac();
    EXPECT_EQ(h.veza_volne_miesta, 30);
    h.surovina[S_L::luk].mam = 9;
    EXPECT_FALSE(strategy.regrutujLukostrelcovDoVeze());
    EXPECT_TRUE(h.surovina[S_L::luk].mam == 9 && h.pocet_vojakov == 0);

    h.surovina[S_L::luk].mam = 25;
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    EXPECT_TRUE(v(0).pocet == 10 && v(1).pocet == 0 && h.veza_volne_miesta == 20);
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    EXPECT_TRUE(v(1).pocet == 10 && h.surovina[S_L::luk].mam == 5 && h.pocet_lukostrelcov == 20);
    const auto& muz = strategy.clovek[v(1).vojak[0]];
    EXPECT_TRUE(muz.vojak && muz.zbran == S_L::luk && muz.brnenie == -1 && muz.skupina == -1 && muz.veza == 1);
    EXPECT_EQ(muz.objekt_v_ktorom_pracuje, veza[1]);
    EXPECT_EQ(strategy.objekt[veza[1]].je_ludi, 10);
    EXPECT_EQ(prepocet(), "");
    // Five bows for ten places: refused whole.
    EXPECT_FALSE(strategy.regrutujLukostrelcovDoVeze());
    h.surovina[S_L::luk].mam = 10;
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    // No place left: nothing to do, and that is no failure.
    EXPECT_EQ(strategy.get_pocet_regrutovanie_na_vezu(), 0);
    EXPECT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    EXPECT_EQ(h.pocet_lukostrelcov, 30);
    EXPECT_EQ(prepocet(), "");
}

TEST_F(Towers, AGarrisonManDyingInPeaceFreesHisPlaceAndTheTowerCountsOneFewer) {
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    const int muz = v(0).vojak[4];
    strategy.clovek_DIE(muz);
    EXPECT_TRUE(v(0).pocet == 9 && v(0).vojak_last_id == 9 && v(0).dead == 0);
    EXPECT_EQ(hrac().veza_volne_miesta, 21);
    EXPECT_EQ(strategy.objekt[veza[0]].je_ludi, 9);
    EXPECT_EQ(prepocet(), "");
    // The next manning tops the tower up to ten again before the next tower.
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    EXPECT_TRUE(v(0).pocet == 10 && v(1).pocet == 9);
    EXPECT_EQ(prepocet(), "");
}

TEST_F(Towers, EnemyArchersShootOneArrowPerGarrisonManAndTheFallenAreBuriedAfter) {
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    strategy.set_owner(S_L::id_nepriatel);
    for (int i = 0; i < 20; ++i) strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);
    strategy.vojenska_skupina_vytvor_pocet = 20;
    const int g = strategy.vytvor_vojensku_skupinu(S_L::luk, -1, -1);
    strategy.set_owner(S_L::id_player);
    strategy.je_vojna = true;
    // Every garrison man has 25 health: each arrow that hits kills.
    for (int k = 0; k < 10; ++k) strategy.clovek[v(0).vojak[k]].zdravie = 25;
    int padlo = 0, volejov = 0;
    while (v(0).pocet > 0 && volejov < 100) {
        const int pred = v(0).pocet;
        const bool zabil = strategy.vojna_utok_na_vezu(g, S_L::id_player, 0);
        EXPECT_EQ(zabil, v(0).pocet < pred);
        EXPECT_EQ(sk(g).action_timer, 10);
        padlo += pred - v(0).pocet;
        ++volejov;
        ASSERT_EQ(prepocet(), "") << volejov;
    }
    EXPECT_EQ(padlo, 10);
    EXPECT_TRUE(v(0).dead == 10 && strategy.SYNCH_DEAD);
    // About a third of the arrows hit: ten kills take some thirty arrows.
    EXPECT_GT(volejov, 2);
    EXPECT_LT(volejov, 30);
    EXPECT_FALSE(strategy.vojna_utok_na_vezu(g, S_L::id_player, 0));  // nobody left to hit

    const int smrti = hrac().pocet_smrti;
    strategy.uprac_veze(S_L::id_player);
    strategy.je_vojna = false;
    EXPECT_EQ(hrac().pocet_smrti, smrti + 10);
    EXPECT_TRUE(v(0).pocet == 0 && v(0).dead == 10 && v(0).vojak[0] == -1);
    EXPECT_EQ(hrac().veza_volne_miesta, 30);
    EXPECT_EQ(prepocet(), "");
    // The next manning fills the freed places of the first tower.
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    EXPECT_TRUE(v(0).pocet == 10 && v(0).dead == 0 && v(1).pocet == 0);
    EXPECT_EQ(prepocet(), "");
}

TEST_F(Towers, ATowerVolleyIsOneArrowPerArcherAtTheFirstMembersInListOrder) {
    strategy.set_owner(S_L::id_nepriatel);
    for (int i = 0; i < 10; ++i) strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);
    strategy.vojenska_skupina_vytvor_pocet = 10;
    const int g = strategy.vytvor_vojensku_skupinu(S_L::mec, -1, -1);
    strategy.set_owner(S_L::id_player);
    int zasahy[10] = {};
    const int pokusov = 3000;
    for (int i = 0; i < pokusov; ++i) {
        for (int k = 0; k < 10; ++k) clen(g, k).zdravie = 1;
        sk(g).dead = 0;
        strategy.fire_arrows_tower(3, g);
        for (int k = 0; k < 10; ++k) zasahy[k] += clen(g, k).zdravie == 0;
    }
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(zasahy[k], pokusov / 3, pokusov / 20) << k;
    for (int k = 3; k < 10; ++k) EXPECT_EQ(zasahy[k], 0) << k;
    // The fallen are not shot again: with the first three down the arrows go to the next three.
    for (int i = 0; i < 50; ++i) {
        for (int k = 0; k < 10; ++k) clen(g, k).zdravie = k < 3 ? 0 : 1;
        strategy.fire_arrows_tower(3, g);
        for (int k = 6; k < 10; ++k) ASSERT_EQ(clen(g, k).zdravie, 1) << k;
    }
    // A ram's crew is not shot at.
    sk(g).vojensky_stroj = S_L::VS_baranidlo;
    for (int k = 0; k < 10; ++k) clen(g, k).zdravie = 1;
    for (int i = 0; i < 50; ++i) EXPECT_FALSE(strategy.fire_arrows_tower(10, g));
}

}  // namespace
