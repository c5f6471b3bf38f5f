// Disbanding and burying groups: the men go back to work-seeking without their arms, the
// barracks counts them out, the group's tile goes back to the barracks, a destroyed group is
// buried after the battle, and freed rows and slots are used again before new ones.
#include <gtest/gtest.h>

#include "war_town.h"

using namespace war_town;

namespace {

class Disband : public ::testing::Test {
protected:
    int kasaren = -1;
    void SetUp() override {
        ::testing::internal::CaptureStdout();
        kasaren = vojnova_hra(120, 500);
    }
    void TearDown() override { ::testing::internal::GetCapturedStdout(); }
};

TEST_F(Disband, MenReturnToTheJoblessUnarmedAndTheBarracksGetsItsCellBack) {
    S_owner& h = hrac();
    const int volni = h.bez_prace_last_id, mece = h.surovina[S_L::mec].mam;
    ASSERT_TRUE(strategy.regrutujSermiarov(3));
    const int g = posledna_skupina();
    const int x = sk(g).x, y = sk(g).y, o = sk(g).objekt_id;
    EXPECT_EQ(strategy.point[x][y].id_sekundarne, o);
    // A soldier dying in peace leaves his group and the barracks once.
    strategy.clovek_DIE(sk(g).zoznam_vojakov[4]);
    EXPECT_TRUE(sk(g).zoznam_vojakov_last_id == 9 && strategy.objekt[kasaren].je_ludi == 9);
    EXPECT_EQ(prepocet(), "");
    const int muz = sk(g).zoznam_vojakov[0];

    EXPECT_TRUE(strategy.rozpust_vojensku_skupinu(g, S_L::id_player));
    EXPECT_TRUE(sk(g).dead_status && sk(g).zoznam_vojakov_last_id == 0 && sk(g).objekt_id == -1);
    EXPECT_EQ(h.bez_prace_last_id, volni - 1);
    EXPECT_TRUE(h.pocet_vojakov == 0 && h.pocet_sermiarov == 0 && h.pocet_skupin == 0);
    EXPECT_EQ(h.surovina[S_L::mec].mam, mece - 10);  // arms stay out of the stores
    const auto& c = strategy.clovek[muz];
    EXPECT_TRUE(!c.vojak && c.skupina == -1 && c.objekt_v_ktorom_pracuje == -1 && c.zbran == S_L::mec);
    EXPECT_EQ(strategy.objekt[kasaren].je_ludi, 0);
    // The recruitment point is a barracks cell again, not a hole.
    EXPECT_EQ(strategy.point_id_of_objekt(x, y), kasaren);
    EXPECT_EQ(strategy.objekt[o].co_to_je, -1);
    EXPECT_EQ(prepocet(), "");
    // Disbanding it again does nothing more; another owner's call switches owners and back.
    EXPECT_TRUE(strategy.rozpust_vojensku_skupinu(g, S_L::id_player));
    EXPECT_FALSE(strategy.rozpust_vojensku_skupinu(g, S_L::id_nepriatel));
    EXPECT_EQ(strategy.owner, S_L::id_player);
    EXPECT_FALSE(strategy.rozpust_vojensku_skupinu(strategy.vojenska_skupina_last_id, S_L::id_player));
}

TEST_F(Disband, TenGroupsAtMostAndFreedRowsAndSlotsComeBackFirst) {
    S_owner& h = hrac();
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(strategy.regrutujKopijnikov(0)) << i;
    EXPECT_FALSE(strategy.regrutujKopijnikov(0));
    const int tretia = h.skupina[2];
    ASSERT_TRUE(strategy.rozpust_vojensku_skupinu(tretia, S_L::id_player));
    ASSERT_TRUE(strategy.regrutujLukostrelcov(0));
    EXPECT_EQ(strategy.vojenska_skupina_last_id, 10);
    EXPECT_EQ(h.skupina[2], tretia);
    EXPECT_STREQ(sk(tretia).nazov, "lukostrelci");
    // The revived group stands on its own slot's point, not on the last slot's.
    EXPECT_TRUE(sk(tretia).x == h.vojenska_skupina[2].x && sk(tretia).y == h.vojenska_skupina[2].y);
    EXPECT_EQ(strategy.point_id_of_objekt(h.vojenska_skupina[9].x, h.vojenska_skupina[9].y), sk(h.skupina[9]).objekt_id);
    EXPECT_EQ(prepocet(), "");
}

TEST_F(Disband, AfterABattleTheFallenAreBuriedAndDestroyedGroupsDeleted) {
    S_owner& h = hrac();
    ASSERT_TRUE(strategy.regrutujSermiarov(0) && strategy.regrutujKopijnikov(0));
    const int a = h.skupina[0], b = h.skupina[1];
    const int bx = sk(b).x, by = sk(b).y;
    strategy.je_vojna = true;
    // Group a lost two men, group b all ten.
    for (int k : {2, 5}) clen(a, k).zdravie = 0;
    sk(a).dead = 2;
    for (int k = 0; k < 10; ++k) clen(b, k).zdravie = 0;
    sk(b).dead = 10;
    strategy.set_dead_status(b);
    ASSERT_EQ(prepocet(), "");
    // A destroyed group still listing its fallen is not revived before the burial.
    ASSERT_TRUE(strategy.regrutujLukostrelcov(0));
    EXPECT_TRUE(h.skupina[2] == 2 && sk(b).zoznam_vojakov_last_id == 10);
    ASSERT_EQ(prepocet(), "");
    const int smrti = h.pocet_smrti, mrtvoly = h.surovina[S_L::mrtvola].mam;
    strategy.uprac_vojenske_skupiny();
    strategy.je_vojna = false;
    EXPECT_EQ(h.pocet_smrti, smrti + 12);
    EXPECT_EQ(h.surovina[S_L::mrtvola].mam, mrtvoly + 12);
    EXPECT_TRUE(sk(a).zoznam_vojakov[2] == -1 && sk(a).zoznam_vojakov[5] == -1 && sk(a).dead == 2);
    EXPECT_EQ(strategy.vojenska_skupina_volne_miesta(a), 2);
    EXPECT_TRUE(sk(b).zoznam_vojakov_last_id == 0 && sk(b).max == 0 && sk(b).objekt_id == -1 && sk(b).x == -1);
    EXPECT_EQ(strategy.point_id_of_objekt(bx, by), strategy.KASAREN_ID);
    EXPECT_EQ(strategy.objekt[strategy.KASAREN_ID].je_ludi, 18);
    EXPECT_EQ(h.pocet_skupin, 2);
    EXPECT_EQ(prepocet(), "");
}

}  // namespace
