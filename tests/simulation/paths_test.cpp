// Paths and movement: the step rule, the next waypoint of a search, the goals a search may end
// at, one step of a person with its speed, heading and collision with walls and towers.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>
#include <vector>

#include "Strategy_library.h"
#include "hradby.h"
#include "test_world.h"

using namespace Strategy_library;
using W = S_L;

namespace {

constexpr int CLOVEK = 5;

class Cesty : public SvetSHlavnouBudovou {
protected:
    void SetUp() override {
        SvetSHlavnouBudovou::SetUp();
        c().skupina = c().brnenie = -1;
        c().formation_x = c().formation_y = c().heading = 0.0f;
    }
    void TearDown() override {
        for (int t : {W::drevena_palisada, W::drevenna_veza})
            strategy.budova[t].level[1].graficky_objekt = -1;
        strategy.last_graficky_objekt = 0;
        SvetSHlavnouBudovou::TearDown();
    }
    // Gives building type t a loaded mesh whose box is (x0, y0, z0)–(x1, y1, z1).
    static void mesh(int t, float x0, float y0, float z0, float x1, float y1, float z1) {
        const int g = strategy.last_graficky_objekt++;
        S_graficky_objekt& m = strategy.graficky_objekt[g];
        m.min_x = x0, m.min_y = y0, m.min_z = z0, m.max_x = x1, m.max_y = y1, m.max_z = z1;
        strategy.budova[t].level[1].graficky_objekt = g;
    }
    static S_clovek& c() { return strategy.clovek[CLOVEK]; }
    // Puts the person at (x, y) and takes one step toward (tx, ty); the step's answer.
    static bool krok(float x, float y, float tx, float ty, bool ignore = false) {
        c().x = x, c().y = y;
        return strategy.pohyb_clovek(CLOVEK, tx, ty, false, ignore);
    }
    static std::pair<int, int> dalsi(int x1, int y1, int x2, int y2) {
        const S_bod b = strategy.find_next_point(x1, y1, x2, y2);
        return {b.x, b.y};
    }
};

using P = std::pair<int, int>;

}  // namespace

// Walls, towers and gates are met in the searches below; here the map's edge and the zones.
TEST_F(Cesty, AStepLeavesNeitherTheMapNorAKnownZone) {
    strategy.pridaj_budovu(30, 30, 0.0f, W::dom, 1);
    EXPECT_TRUE(strategy.can_go_to_point(29, 30, 30, 30)) << "an ordinary building";
    EXPECT_FALSE(strategy.can_go_to_point(199, 5, 200, 5));
    strategy.point[50][50].zona = 4;
    EXPECT_FALSE(strategy.can_go_to_point(50, 51, 50, 50)) << "two known zones";
    strategy.point[50][51].zona = -1;
    EXPECT_TRUE(strategy.can_go_to_point(50, 51, 50, 50));
}

TEST_F(Cesty, TheWaypointIsTheFarEndOfTheFirstStraightStretch) {
    strategy.zoning(0, 0, false);
    EXPECT_EQ((std::vector<P>{dalsi(0, 0, 5, 0), dalsi(0, 0, 3, 3), dalsi(0, 0, 199, 199),
                              dalsi(7, 7, 7, 7), dalsi(7, 7, 7, 200)}),
              (std::vector<P>{{5, 0}, {0, 3}, {0, 199}, {-1, -1}, {-1, -1}}));
    // Searches near the end of the marks' range: the marks are wiped and counted from 0 again,
    // with no overflow and no mark of an earlier search taken for one of this search.
    strategy.find_way_baza = INT_MAX - 2 * (W::A * W::B + 1) - 1;
    EXPECT_EQ((std::vector<P>{dalsi(0, 0, 3, 3), dalsi(0, 0, 199, 199)}),
              (std::vector<P>{P(0, 3), P(0, 199)}));
    EXPECT_LT(strategy.find_way_baza, W::A * W::B + 2) << "the marks were not wiped";
    EXPECT_EQ(dalsi(0, 0, 3, 3), P(0, 3));

    int tx = 5, ty = 5;
    EXPECT_FALSE(strategy.find_path(5.2f, 5.4f, tx, ty)) << "start and goal are the same cell";
    EXPECT_FALSE(strategy.find_path(0.0f, 0.0f, tx, ty));
    EXPECT_FALSE(strategy.find_path(199.7f, 5.0f, tx, ty)) << "rounds to a cell off the map";
    EXPECT_TRUE(strategy.find_path(8.6f, 1.4f, tx, ty) && tx == 9 && ty == 5);
    EXPECT_TRUE(strategy.find_path(9.0f, 1.0f, tx, ty) && tx == 9 && ty == 5)
        << "a straight goal stays the waypoint";
}

TEST_F(Cesty, ATowerGoalEndsBesideItAndAClosedGateIsAGoalButNoPassage) {
    strategy.pridaj_budovu(30, 5, 0.0f, W::drevenna_veza, 1);
    strategy.pridaj_budovu(30, 50, 0.0f, W::kamenna_veza, 1);
    kruh(10, 10, 20, 20, 15);
    strategy.zoning(0, 0, false);
    EXPECT_EQ((std::vector<P>{dalsi(20, 5, 30, 5), dalsi(30, 9, 30, 5)}),
              (std::vector<P>{P(29, 5), P(30, 6)}));
    EXPECT_EQ(dalsi(20, 50, 30, 50), P(-1, -1)) << "a stone tower is no goal";

    EXPECT_EQ((std::vector<P>{dalsi(15, 5, 15, 10), dalsi(15, 5, 15, 15)}),
              (std::vector<P>{P(15, 10), P(-1, -1)}));
    int tx = 15, ty = 15;
    EXPECT_FALSE(strategy.find_path(15.0f, 5.0f, tx, ty)) << "the zones differ";
    EXPECT_TRUE(tx == 15 && ty == 15);
    // With gates counted open the zones are one, and the closed gate itself still blocks.
    strategy.zoning(0, 0, true);
    EXPECT_FALSE(strategy.find_path(15.0f, 5.0f, tx, ty));
    strategy.close_open(strategy.point_id_of_objekt(15, 10));
    EXPECT_TRUE(strategy.find_path(15.0f, 5.0f, tx, ty) && tx == 15 && ty == 15);
}

// (The length and heading of an unarmoured step are the golden game's.)
TEST_F(Cesty, AStepGoesAtTheSpeedOfTheEquipmentTowardTheTarget) {
    for (auto [x, y, uhol] : {std::tuple{9, 10, 90.0f}, {10, 11, 180.0f}, {10, 9, 360.0f}})
        EXPECT_FLOAT_EQ(strategy.get_angle(10, 10, x, y), uhol);

    c().brnenie = W::tazke_brnenie;
    krok(10.0f, 10.0f, 10.0f, 5.0f);
    EXPECT_FLOAT_EQ(c().y, 9.95f);
    c().skupina = 3;
    // Armour counts while the group has no machine; a ram slows its whole crew.
    strategy.vojenska_skupina[3].vojensky_stroj = -1;
    for (auto [brnenie, r] : {P(W::lahke_brnenie, 60), P(W::kozenne_brnenie, 70)}) {
        c().brnenie = brnenie;
        EXPECT_EQ(strategy.rychlost_vrat(CLOVEK), r) << brnenie;
    }
    strategy.vojenska_skupina[3].vojensky_stroj = W::VS_baranidlo;
    c().formation_x = 0.5f;
    c().x = c().y = 10.0f;
    EXPECT_TRUE(strategy.pohyb_clovek(CLOVEK, 10.5f, 10.0f, true));
    EXPECT_FLOAT_EQ(c().x, 10.02f) << "a ram crew toward its place in the formation";

    // At the target there is no direction: nothing moves and the heading stays.
    EXPECT_EQ(strategy.get_angle(3, 3, 3, 3), 0.0f);
    c().heading = 123.0f;
    EXPECT_TRUE(krok(7.0f, 7.0f, 7.0f, 7.0f));
    EXPECT_TRUE(c().x == 7.0f && c().y == 7.0f && c().heading == 123.0f);

    EXPECT_EQ(
        (std::vector<float>{strategy.vzdialenost2(0, 0, 3, 4), strategy.vzdialenost2(0, 0, 1, 1),
                            strategy.vzdialenost2(10, 2, 2, 10)}),
        (std::vector<float>{5, 1, 11}));
}

TEST_F(Cesty, AStepIntoATowerOrAClosedGateIsUndone) {
    mesh(W::drevenna_veza, -0.5f, 0.0f, -0.5f, 0.5f, 1.68f, 0.5f);
    strategy.pridaj_budovu(12, 10, 0.0f, W::drevenna_veza, 1);
    EXPECT_FALSE(krok(11.45f, 10.0f, 13.0f, 10.0f));
    EXPECT_TRUE(c().x == 11.45f && c().y == 10.0f);
    EXPECT_FLOAT_EQ(c().heading, 270.0f);
    EXPECT_TRUE(krok(11.45f, 10.0f, 13.0f, 10.0f, true));
    EXPECT_FLOAT_EQ(c().x, 11.53f);
    EXPECT_TRUE(krok(11.0f, 10.0f, 13.0f, 10.0f)) << "still on its own cell";

    // A gate whose model did not load fills its cell while closed.
    strategy.pridaj_budovu(12, 20, 0.0f, W::drevena_brana, 1);
    EXPECT_FALSE(krok(11.45f, 20.0f, 13.0f, 20.0f));
    strategy.close_open(strategy.point_id_of_objekt(12, 20));
    EXPECT_TRUE(krok(11.45f, 20.0f, 13.0f, 20.0f));
}

// A thin palisade, 1 long along x and 0.1 deep along z, blocks a band along x at 0 and 180
// degrees and a band along y at 90 and 270.
TEST_F(Cesty, APalisadeBlocksAlongItsLengthAtEveryRotation) {
    mesh(W::drevena_palisada, -0.5f, 0.0f, -0.05f, 0.5f, 2.0f, 0.05f);
    for (float r : {0.0f, 90.0f, 180.0f, 270.0f}) {
        prazdny_svet();
        strategy.pridaj_budovu(20, 20, r, W::drevena_palisada, 1);
        const bool pozdlz_x = r == 0.0f || r == 180.0f;
        EXPECT_EQ(krok(20.48f, 20.0f, 19.0f, 20.0f), !pozdlz_x) << r << " degrees, step along x";
        EXPECT_EQ(krok(20.0f, 20.48f, 20.0f, 19.0f), pozdlz_x) << r << " degrees, step along y";
    }
}
