// Zones: walls, towers and gates split the map into areas that cannot reach each other.
#include <gtest/gtest.h>

#include "Strategy_library.h"
#include "test_world.h"

using namespace Strategy_library;
using W = S_L;

namespace {

class Zony : public SvetSHlavnouBudovou {
protected:
    // Towers on the corners of the square 10 … 20, palisades between them (turned by 90 degrees
    // on the sides running along y) and a gate at (15, 10) on the side running along x.
    static int postav_hradby() {
        strategy.pridaj_budovu(10, 10, 0.0f, W::drevenna_veza, 1);
        strategy.pridaj_budovu(20, 10, 0.0f, W::drevenna_veza, 1);
        strategy.pridaj_budovu(10, 20, 0.0f, W::drevenna_veza, 1);
        strategy.pridaj_budovu(20, 20, 0.0f, W::drevenna_veza, 1);
        for (int i = 11; i < 20; ++i) {
            if (i != 15) strategy.pridaj_budovu(i, 10, 0.0f, W::drevena_palisada, 1);
            strategy.pridaj_budovu(i, 20, 0.0f, W::drevena_palisada, 1);
            strategy.pridaj_budovu(10, i, 90.0f, W::drevena_palisada, 1);
            strategy.pridaj_budovu(20, i, 90.0f, W::drevena_palisada, 1);
        }
        strategy.pridaj_budovu(15, 10, 0.0f, W::drevena_brana, 1);
        return strategy.point_id_of_objekt(15, 10);
    }
};

}  // namespace

TEST_F(Zony, SideMetByAStepFollowsTheRotation) {
    EXPECT_EQ(strategy.calculate_zoning(90, W::vychod), W::Z_sever);
    EXPECT_EQ(strategy.calculate_zoning(-90, W::sever), W::Z_vychod);
    EXPECT_EQ(strategy.calculate_zoning(0, W::juh), W::Z_juh);
    EXPECT_EQ(strategy.calculate_zoning(720 + 180, W::zapad), W::Z_vychod);
}

TEST_F(Zony, ClosedGateSeparatesTheInsideUntilGatesCountAsOpen) {
    strategy.zoning(0, 0, false);
    EXPECT_EQ(strategy.zona_last, 0) << "an open map is one zone";
    EXPECT_EQ(strategy.point[199][199].zona, 0);

    const int brana = postav_hradby();
    ASSERT_TRUE(strategy.budova_zatvorena(brana));
    EXPECT_EQ(strategy.id_owner[W::id_player].veza_last_id, 4);
    ASSERT_EQ(strategy.id_owner[W::id_player].brana_last_id, 1);

    strategy.zoning(0, 0, false);
    EXPECT_TRUE(strategy.SYNCH_ZONING_CHANGE);
    EXPECT_EQ(strategy.zona_last, 1);
    EXPECT_EQ(strategy.point[5][5].zona, 0);
    EXPECT_EQ(strategy.point[100][100].zona, 0);
    for (int x = 11; x < 20; ++x)
        for (int y = 11; y < 20; ++y) ASSERT_EQ(strategy.point[x][y].zona, 1) << x << " " << y;
    for (int i = 10; i <= 20; ++i) {
        EXPECT_EQ(strategy.point[i][10].zona, -1);
        EXPECT_EQ(strategy.point[10][i].zona, -1);
    }
    EXPECT_EQ(strategy.objekt[brana].zona, -1);
    const S_brana& b = strategy.id_owner[W::id_player].brana[0];
    EXPECT_EQ(b.zona_1, 1);
    EXPECT_EQ(b.zona_2, 0);

    // A gate turned by 90 degrees with a tower east of it reads its sides along x.
    strategy.pridaj_budovu(31, 50, 0.0f, W::drevenna_veza, 1);
    strategy.pridaj_budovu(30, 50, 90.0f, W::drevena_brana, 1);
    strategy.zoning(0, 0, true);
    EXPECT_EQ(strategy.id_owner[W::id_player].brana[1].zona_1, -1);
    EXPECT_EQ(strategy.id_owner[W::id_player].brana[1].zona_2, 0);
    EXPECT_EQ(strategy.zona_last, 0);
    EXPECT_EQ(strategy.point[15][15].zona, 0);
    strategy.close_open(brana);
    strategy.zoning(0, 0, false);
    EXPECT_EQ(strategy.zona_last, 0) << "an opened gate joins the inside to the outside";
}
