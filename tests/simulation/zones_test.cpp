// Zones: walls, towers and gates split the map into areas that cannot reach each other; a walled
// town keeps working inside its ring, gates in battle, the gate list and the gate search.
// (Releasing a fallen group's cell is pinned by the golden game and the army tests.)
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "hradby.h"
#include "test_world.h"

using namespace Strategy_library;
using W = S_L;

namespace {

class Zony : public SvetSHlavnouBudovou {
protected:
    void TearDown() override {
        strategy.je_vojna = strategy.player_has_ground_army = false;
        SvetSHlavnouBudovou::TearDown();
    }
    static int zona(int x, int y) { return strategy.point[x][y].zona; }
    static int objekt_zona(int x, int y) {
        return strategy.objekt[strategy.point_id_of_objekt(x, y)].zona;
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
    EXPECT_TRUE(zona(0, 0) == 0 && zona(199, 199) == 0);

    const int brana = kruh(10, 10, 20, 20, 15);
    ASSERT_TRUE(strategy.budova_zatvorena(brana));
    ASSERT_TRUE(hrac().veza_last_id == 4 && hrac().brana_last_id == 1);

    strategy.SYNCH_ZONING_CHANGE = false;
    strategy.zoning(0, 0, false);
    EXPECT_TRUE(strategy.SYNCH_ZONING_CHANGE && strategy.zona_last == 1);
    EXPECT_TRUE(zona(5, 5) == 0 && zona(100, 100) == 0);
    EXPECT_EQ(strategy.objekt[0].zona, 0) << "the main building takes its cell's zone";
    for (int x = 11; x < 20; ++x)
        for (int y = 11; y < 20; ++y) ASSERT_EQ(zona(x, y), 1) << x << " " << y;
    for (int i = 10; i <= 20; ++i)
        for (auto [x, y] : {std::pair{i, 10}, {i, 20}, {10, i}, {20, i}})
            EXPECT_TRUE(zona(x, y) == -1 && objekt_zona(x, y) == -1) << x << " " << y;
    const S_brana& b = hrac().brana[0];
    EXPECT_TRUE(b.zona_1 == 1 && b.zona_2 == 0);
    // Along the wall a palisade passes; across it only beside an open gate.
    const int pal = strategy.point_id_of_objekt(14, 10);
    EXPECT_TRUE(strategy.can_go_around(14, 10, pal, 0, W::drevena_palisada, W::vychod));
    EXPECT_FALSE(strategy.can_go_around(14, 10, pal, 0, W::drevena_palisada, W::sever));

    // A gate turned by 90 degrees with a tower east of it reads its sides along x.
    strategy.pridaj_budovu(31, 50, 0.0f, W::drevenna_veza, 1);
    strategy.pridaj_budovu(30, 50, 90.0f, W::drevena_brana, 1);
    strategy.zoning(0, 0, true);
    EXPECT_TRUE(hrac().brana[1].zona_1 == -1 && hrac().brana[1].zona_2 == 0);
    EXPECT_TRUE(strategy.zona_last == 0 && zona(15, 15) == 0);
    strategy.close_open(brana);
    EXPECT_TRUE(strategy.can_go_around(14, 10, pal, 0, W::drevena_palisada, W::sever));
    strategy.zoning(0, 0, false);
    EXPECT_EQ(strategy.zona_last, 0) << "an opened gate joins the inside to the outside";
}

// A new game's town walled in around its main building: the workshops inside keep working, one
// walled off on its own cannot reach the stores, and opening the gate in battle joins the town
// to the open country.
TEST(OpevneneMesto, WallsKeepTheTownWorkingAndTheGateJoinsItInBattle) {
    Ticho ticho;
    nova_hra();
    hrac().privilegia_id = S_L::PRIV_kralovske_mesto;
    const int brana = kruh(90, 90, 110, 110, 100);
    const int drevo = postav(95, 95, S_L::zberac_dreva),
              kamen = postav(150, 150, S_L::zberac_kamena);
    kruh(147, 147, 153, 153);
    // A palisade ordered by the player recomputes the zones with every gate counted open.
    strategy.infinite_sources = true;
    strategy.nastav_typ_budovy(S_L::drevena_palisada);
    strategy.nastav_poziciu_stavanej_budovy(60, 60);
    EXPECT_FALSE(strategy.postav());
    strategy.infinite_sources = false;
    strategy.kontroluj_najdenie_domu_prace();
    for (int o : {drevo, kamen})
        ASSERT_EQ(strategy.budova_ludia(o), strategy.budova_potrebuje_ludi(o));
    EXPECT_EQ(strategy.point[100][100].zona, 0) << "the closed gate counts as open";
    EXPECT_NE(strategy.objekt[kamen].zona, 0);

    // One day in peace, then one after the attack's own zone computation has shut the gate.
    auto bez_pristupu = [](const char* meno) {
        for (int i = 0; i <= strategy.informacie_last_integer; ++i) {
            const auto& z = strategy.information_list[i];
            if (z.cilso_informacie == S_L::I_nema_pristup_k_hlavnej_budove &&
                !std::strcmp(z.meno_objektu, meno))
                return true;
        }
        return false;
    };
    for (int den = 0; den < 2; ++den) {
        if (den == 1) strategy.zoning(0, 0, false);
        const int pred = hrac().surovina[S_L::drevo].vyprodukovane;
        strategy.kontroluj_prijem_denne();
        EXPECT_EQ(hrac().surovina[S_L::drevo].vyprodukovane - pred,
                  strategy.budova_produkuje_pocet(drevo, S_L::drevo))
            << den;
        EXPECT_EQ(hrac().surovina[S_L::lomovy_kamen].vyprodukovane, 0) << den;
        EXPECT_TRUE(bez_pristupu("zberac kamena") && !bez_pristupu("zberac dreva")) << den;
    }
    EXPECT_TRUE(strategy.zona_last == 2 && strategy.objekt[0].zona == 1 &&
                strategy.objekt[drevo].zona == 1);

    strategy.je_vojna = strategy.player_has_ground_army = true;
    strategy.close_open_gate(100, 90);
    strategy.je_vojna = strategy.player_has_ground_army = false;
    EXPECT_TRUE(!strategy.budova_zatvorena(brana) && strategy.zona_last == 1);
    EXPECT_TRUE(strategy.objekt[0].zona == strategy.point[5][5].zona &&
                strategy.objekt[drevo].zona == 0);
    int tx = 100, ty = 100;
    EXPECT_TRUE(strategy.find_path(100.0f, 60.0f, tx, ty)) << "the army can march in";
    EXPECT_EQ(prepocet(), "");
}

TEST_F(Zony, PositionsOffTheMapLieInAnotherZone) {
    kruh(10, 10, 20, 20, 15);
    strategy.zoning(0, 0, false);
    // 199.6 rounds to cell 200, off the map; 198.5 to 198.
    for (auto [x1, y1, x2, y2, ine] : {std::tuple{15.2f, 15.4f, 18.0f, 12.0f, false},
                                       {5.0f, 5.0f, 15.0f, 15.0f, true},
                                       {200.0f, 5.0f, 5.0f, 5.0f, true},
                                       {5.0f, 5.0f, 5.0f, -0.5f, true},
                                       {199.6f, 5.0f, 5.0f, 5.0f, true},
                                       {199.0f, 198.5f, 0.0f, 0.0f, false}})
        EXPECT_EQ(strategy.diff_zones(x1, y1, x2, y2), ine) << x1 << " " << y1;
}

TEST_F(Zony, RemovedGateLeavesTheOthersInOrder) {
    const int prva = kruh(10, 10, 20, 20, 15);
    const int verzia = strategy.verzia_mapy;
    strategy.pridaj_budovu(40, 40, 0.0f, W::drevena_brana, 1);
    EXPECT_EQ(strategy.verzia_mapy, verzia + 1) << "a building placed";
    strategy.pridaj_budovu(50, 50, 0.0f, W::drevena_brana, 1);
    strategy.odstran_branu(0);  // the main building is no gate: nothing
    ASSERT_EQ(hrac().brana_last_id, 3);
    strategy.odstran_branu(prva);
    ASSERT_EQ(hrac().brana_last_id, 2);
    EXPECT_EQ(hrac().brana[0].objekt_id, strategy.point_id_of_objekt(40, 40));
    EXPECT_TRUE(hrac().brana[1].objekt_id == strategy.point_id_of_objekt(50, 50) &&
                hrac().brana[1].x == 50);
    EXPECT_TRUE(hrac().brana[2].objekt_id == -1 && hrac().brana[2].zona_2 == -1);
    strategy.odstran_objekt(prva, 15, 10);
    EXPECT_EQ(strategy.verzia_mapy, verzia + 3) << "an object removed";
}

TEST_F(Zony, GatesTurnOnlyInBattleAndOnlyWithAnArmy) {
    const int brana = kruh(10, 10, 20, 20, 15);
    strategy.zoning(0, 0, false);
    const int verzia = strategy.verzia_mapy;
    strategy.close_open_gate(15, 10);
    strategy.je_vojna = true;
    strategy.close_open_gate(15, 10);
    strategy.close_open_gate(1);       // no second gate
    strategy.close_open_gate(16, 10);  // no gate on that cell
    EXPECT_TRUE(strategy.budova_zatvorena(brana) && strategy.zona_last == 1 &&
                strategy.verzia_mapy == verzia);

    strategy.player_has_ground_army = true;
    strategy.close_open_gate(15, 10);
    EXPECT_TRUE(!strategy.budova_zatvorena(brana) && strategy.zona_last == 0 && zona(15, 15) == 0 &&
                strategy.verzia_mapy > verzia);
    strategy.close_open_gate(15, 10);
    EXPECT_TRUE(strategy.budova_zatvorena(brana) && zona(15, 15) == 1);
}

// Outside 0, between the rings 1, inside the inner ring 2, and a ring without a gate 3.
TEST_F(Zony, GateSearchLeadsThroughTheOuterGateOfNestedRings) {
    for (bool vnutorna_prva : {true, false}) {
        prazdny_svet();
        if (vnutorna_prva) kruh(15, 15, 25, 25, 20);
        kruh(10, 10, 30, 30, 20);
        if (!vnutorna_prva) kruh(15, 15, 25, 25, 20);
        kruh(50, 50, 55, 55);
        strategy.zoning(0, 0, false);
        ASSERT_TRUE(strategy.zona_last == 3 && zona(20, 20) == 2);
        int bx = 7, by = 7;
        for (int z : {0, 1, 2}) {
            strategy.najdi_poziciu_brany(W::id_player, z, bx, by);
            EXPECT_TRUE(bx == 20 && by == 10) << z << ": " << bx << " " << by;
        }
        strategy.najdi_poziciu_brany(W::id_player, 3, bx, by);
        EXPECT_TRUE(bx == -1 && by == -1) << "a zone no gate leads to";
        strategy.najdi_poziciu_brany(W::id_nepriatel, 2, bx, by);
        EXPECT_TRUE(bx == -1 && by == -1) << "the enemy has no gates";
    }
}
