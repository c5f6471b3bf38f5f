// Group orders: orders across zones refused, the first order of a new group placing it at once,
// the enemy's deployment and its refusals, and the long walk waypoint by waypoint.
#include <gtest/gtest.h>

#include "hradby.h"
#include "test_world.h"

namespace {

class Rozkaz : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        vojnova_hra(20);
    }
    // A small yard 21 … 23 on both axes behind a closed gate at (22, 20), zones computed.
    static void dvor() {
        kruh(20, 20, 24, 24, 22);
        strategy.zoning(0, 0, false);
    }
};

TEST_F(Rozkaz, OrdersIntoAnotherZoneAreRefusedButAGroupOnAnOpenGateMayLeave) {
    dvor();
    // A new group is placed wherever its first order sends it, zones or not.
    const int g = skupina(S_L::id_player, 10, S_L::mec, 22, 22);
    const int zona = strategy.point[22][22].zona;
    ASSERT_NE(zona, 0);
    EXPECT_TRUE(sk(g).xf == 22.0f && sk(g).objekt_id != -1);
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na(g, 40, 40, -1));
    EXPECT_FALSE(sk(g).moved);
    // Standing on the gate's tile (no zone) it may go either way.
    sk(g).xf = 22.0f, sk(g).yf = 20.0f;
    EXPECT_TRUE(strategy.presun_vojensku_skupinu_na(g, 40, 40, -1));
    EXPECT_TRUE(sk(g).moved && sk(g).go_to_x == 40);
    // A walk whose goal lies beyond a border stops where the group stands.
    sk(g).xf = 22.0f, sk(g).yf = 22.0f;
    strategy.je_vojna = true;
    strategy.vojna_pohyb();
    strategy.je_vojna = false;
    EXPECT_TRUE(!sk(g).moved && sk(g).go_to_x == 22 && sk(g).go_to_y == 22);
}

TEST_F(Rozkaz, DeploymentNeedsAFreeTileAndAGroupOnTheMap) {
    strategy.set_owner(S_L::id_nepriatel);
    for (int i = 0; i < 10; ++i) strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);
    strategy.vojenska_skupina_vytvor_pocet = 10;
    const int g = strategy.vytvor_vojensku_skupinu(S_L::mec, -1, -1);
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na(g, 70, 70, -1, true, 90.0f)) << "not yet on the map";
    strategy.presun_vojensku_skupinu_na(g, 1, 1, -1);
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na(g, 100, 100, -1, true, 90.0f)) << "the main building's tile";
    EXPECT_TRUE(strategy.presun_vojensku_skupinu_na(g, 70, 70, -1, true, 90.0f));
    EXPECT_TRUE(sk(g).xf == 70.0f && sk(g).yf == 70.0f && sk(g).rot == 90.0f && !sk(g).moved);
    for (int k = 0; k < 10; ++k) {
        EXPECT_FLOAT_EQ(clen(g, k).x, 70.0f + clen(g, k).formation_x);
        EXPECT_EQ(clen(g, k).heading, 90.0f);
    }
    // The map object stays on the group's anchor tile.
    EXPECT_EQ(strategy.point_id_of_objekt(1, 1), sk(g).objekt_id);
    EXPECT_EQ(strategy.point_id_of_objekt(70, 70), -1);
    strategy.set_owner(S_L::id_player);
}

TEST_F(Rozkaz, ALongWalkGoesWaypointByWaypointAndMenAtTheirPlaceDoNotStep) {
    const int g = skupina(S_L::id_player, 10, S_L::mec, 30, 30);
    strategy.je_vojna = true;
    ASSERT_TRUE(strategy.presun_vojensku_skupinu_na_bod(g, 40, 35));
    EXPECT_TRUE(sk(g).final_x == 40 && sk(g).final_y == 35 && sk(g).moved);
    EXPECT_TRUE(sk(g).go_to_x == 30 && sk(g).go_to_y == 35);  // the first straight stretch
    int kroky = 0, bodov = 0;
    for (int x = 30, y = 35; sk(g).moved && kroky++ < 1000;) {
        strategy.vojna_pohyb();
        if (sk(g).go_to_x != x || sk(g).go_to_y != y) ++bodov, x = sk(g).go_to_x, y = sk(g).go_to_y;
    }
    strategy.je_vojna = false;
    EXPECT_EQ(bodov, 1) << "one waypoint after the first";
    float x = sk(g).xf, y = sk(g).yf;
    strategy.find_point(x, y);
    EXPECT_TRUE(x == 40.0f && y == 35.0f);
    EXPECT_EQ(prepocet(), "");
    // A man within a tenth of a tile of his place is not stepped.
    clen(g, 0).x = 50.05f + clen(g, 0).formation_x, clen(g, 0).y = 50.0f + clen(g, 0).formation_y;
    const float px = clen(g, 0).x, py = clen(g, 0).y;
    strategy.posli_skupinu(g, 50, 50);
    strategy.je_vojna = true;
    strategy.vojna_pohyb();
    strategy.je_vojna = false;
    EXPECT_TRUE(clen(g, 0).x == px && clen(g, 0).y == py);
}

}  // namespace
