// Soldier against soldier: the damage table, hit chances by health, an archer's arrow timer,
// answering a blow, and who a soldier picks as his opponent.
#include <gtest/gtest.h>

#include "war_town.h"

using namespace war_town;

namespace {

class Duel : public ::testing::Test {
protected:
    int a = -1, e = -1;
    void SetUp() override {
        ::testing::internal::CaptureStdout();
        nova_hra();
        a = dalsie_id();
        strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20, 100);
        e = dalsie_id();
        strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);
        cl(a).skupina = cl(e).skupina = -1;
    }
    void TearDown() override { ::testing::internal::GetCapturedStdout(); }
    static void vyzbroj(int c, int zbran, int brnenie, int zdravie) {
        cl(c).zbran = zbran, cl(c).brnenie = brnenie, cl(c).zdravie = zdravie, cl(c).action_timer = 0;
    }
};

TEST_F(Duel, DamageIsTheDifferenceOneWhenEqualNothingWhenWeaker) {
    const int zbrane[] = {S_L::mec, S_L::kopija, S_L::luk, -1};
    const int brnenia[] = {S_L::tazke_brnenie, S_L::lahke_brnenie, S_L::kozenne_brnenie, -1};
    // Rows: sword 35, spear 30, bow 25, none 0; columns: heavy 30, light 20, leather 10, none 0.
    const int tabulka[4][4] = {{5, 15, 25, 35}, {1, 10, 20, 30}, {0, 5, 15, 25}, {0, 0, 0, 1}};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(S_L::poskodenie(strategy.zbran_sila(zbrane[i]), strategy.zbroj_sila(brnenia[j])), tabulka[i][j])
                << i << " " << j;
    EXPECT_EQ(strategy.zbran_timer(S_L::luk), 10);
    EXPECT_EQ(strategy.zbran_timer(S_L::mec), 5);
    EXPECT_EQ(strategy.actionTimerVojenskyStroj(S_L::VS_baranidlo), 10);
}

TEST_F(Duel, HitChanceFallsWithTheStrikersHealth) {
    // e cannot hurt a (no weapon against heavy armour) and has health to spare, so every blow of
    // a shows as 5 points lost by e.
    const int pokusov = 30000;
    for (int zdravie : {100, 59, 25}) {
        vyzbroj(a, S_L::mec, S_L::tazke_brnenie, zdravie);
        vyzbroj(e, -1, S_L::tazke_brnenie, 1000000);
        for (int i = 0; i < pokusov; ++i) ASSERT_FALSE(strategy.personal_fight(a, e));
        EXPECT_EQ(cl(a).zdravie, zdravie);
        const int zasahov = (1000000 - cl(e).zdravie) / 5;
        const int sanca = zdravie >= 60 ? 3 : zdravie >= 30 ? 4 : 5;
        EXPECT_NEAR(zasahov, pokusov / sanca, pokusov / 60) << zdravie;
    }
    // The one struck hits back with his own chance when he survives.
    vyzbroj(a, -1, S_L::tazke_brnenie, 1000000);
    vyzbroj(e, S_L::kopija, S_L::tazke_brnenie, 20);  // spear against heavy armour: 1 a blow
    for (int i = 0; i < pokusov; ++i) ASSERT_FALSE(strategy.personal_fight(a, e));
    EXPECT_EQ(cl(e).zdravie, 20);
    EXPECT_NEAR(1000000 - cl(a).zdravie, pokusov / 5, pokusov / 60);
}

TEST_F(Duel, AFallenSoldierCountsInHisGroupAndTheLastOneDestroysIt) {
    strategy.set_owner(S_L::id_nepriatel);
    strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);
    strategy.vojenska_skupina_vytvor_pocet = 2;
    const int g = strategy.vytvor_vojensku_skupinu(S_L::mec, -1, -1);
    strategy.set_owner(S_L::id_player);
    ASSERT_EQ(sk(g).zoznam_vojakov_last_id, 2);
    vyzbroj(a, S_L::mec, -1, 100);
    for (int k = 0; k < 2; ++k) vyzbroj(sk(g).zoznam_vojakov[k], -1, S_L::tazke_brnenie, 5);
    strategy.SYNCH_DEAD = false;
    int kol = 0;
    while (clen(g, 0).zdravie > 0 && kol++ < 1000) strategy.personal_fight(a, sk(g).zoznam_vojakov[0]);
    EXPECT_TRUE(clen(g, 0).zdravie == 0 && sk(g).dead == 1 && !sk(g).dead_status);
    ::testing::internal::GetCapturedStdout();
    ::testing::internal::CaptureStdout();
    while (clen(g, 1).zdravie > 0 && kol++ < 2000) strategy.personal_fight(a, sk(g).zoznam_vojakov[1]);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "SKUPINA 0 DEAD STATUS\n");
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(sk(g).dead == 2 && sk(g).dead_status && strategy.SYNCH_DEAD);
}

TEST_F(Duel, AnArcherShootsOnlyWhenHisTimerIsDownAndAnswersABlowOnlyThen) {
    vyzbroj(a, S_L::luk, -1, 100);
    vyzbroj(e, -1, -1, 1000000);
    strategy.fire_arrows(a, e);
    EXPECT_EQ(cl(a).action_timer, 10);
    // With the timer up nothing is drawn and nothing happens.
    const unsigned stav = strategy.rand_stav;
    const int zdravie = cl(e).zdravie;
    EXPECT_FALSE(strategy.fire_arrows(a, e));
    EXPECT_TRUE(strategy.rand_stav == stav && cl(e).zdravie == zdravie);
    // Arrows hit a third of the time.
    int zasahov = 0;
    for (int i = 0; i < 30000; ++i) {
        cl(a).action_timer = 0;
        const int pred = cl(e).zdravie;
        strategy.fire_arrows(a, e);
        zasahov += cl(e).zdravie < pred;
    }
    EXPECT_NEAR(zasahov, 10000, 500);

    // Struck in melee, an archer answers with an arrow while his timer is down, then not at all.
    vyzbroj(a, -1, -1, 1000000);
    vyzbroj(e, S_L::luk, -1, 1000000);
    strategy.personal_fight(a, e);
    EXPECT_EQ(cl(e).action_timer, 10);
    const int a_zdravie = cl(a).zdravie;
    for (int i = 0; i < 1000; ++i) strategy.personal_fight(a, e);
    EXPECT_EQ(cl(a).zdravie, a_zdravie);
}

TEST_F(Duel, ASoldierKeepsHisLivingOpponentElseTakesHisOppositeNumberThenTheNextAlive) {
    for (int i = 0; i < 8; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20, 100);
    strategy.vojenska_skupina_vytvor_pocet = 4;
    const int g = strategy.vytvor_vojensku_skupinu(S_L::mec, -1, -1);
    const int h = strategy.vytvor_vojensku_skupinu(S_L::mec, -1, -1);
    ASSERT_TRUE(sk(g).zoznam_vojakov_last_id == 4 && sk(h).zoznam_vojakov_last_id == 4);
    auto nepriatel = [&](int k) { return sk(h).zoznam_vojakov[k]; };
    EXPECT_EQ(strategy.find_target(g, 2, h), nepriatel(2));
    clen(h, 2).zdravie = 0;
    EXPECT_EQ(strategy.find_target(g, 2, h), nepriatel(3));
    clen(h, 3).zdravie = 0;
    EXPECT_EQ(strategy.find_target(g, 2, h), nepriatel(0));  // wrapped round
    clen(g, 2).attacked = nepriatel(1);
    EXPECT_EQ(strategy.find_target(g, 2, h), nepriatel(1));
    clen(h, 1).zdravie = 0;
    clen(h, 0).zdravie = 0;
    EXPECT_EQ(strategy.find_target(g, 2, h), -1);
    EXPECT_EQ(clen(g, 2).attacked, -1);  // the dead opponent is forgotten
}

}  // namespace
