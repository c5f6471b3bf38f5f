// Military groups: the limits per owner and for the world, revived rows, formations, removing
// soldiers, recruitment points and group queries; orders (across zones, deployment) and groups
// emptied while they walk. (Raising, arming and the long walk are the army and battle tests'.)
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "../battle_town.h"
#include "Formations.h"
#include "hradby.h"
#include "test_world.h"

namespace {

class Groups : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        nova_hra();
    }
    void TearDown() override {
        strategy.vojenska_skupina_vytvor_pocet = 10, strategy.KASAREN_ID = -1;
        Potichu::TearDown();
    }
    // A group of `n` places for the current owner.
    static int skupina(int n, int zbran = S_L::mec) {
        strategy.vojenska_skupina_vytvor_pocet = n;
        return strategy.vytvor_vojensku_skupinu(zbran, -1, -1);
    }
};

TEST_F(Groups, LimitsPerOwnerAndWorldAndRevivedRows) {
    const int luky = skupina(0, S_L::luk);
    for (int i = 1; i < 10; ++i) ASSERT_GE(skupina(0), 0);
    EXPECT_EQ(skupina(0), -1) << "ten groups an owner";
    EXPECT_TRUE(hrac().skupina_last_id == 10 && strategy.vojenska_skupina_last_id == 10);
    // A destroyed group's row and slot come back, as a new kind of group.
    strategy.vojenska_skupina[luky].dead_status = true;
    hrac().pocet_skupin -= 1;
    EXPECT_EQ(skupina(0), luky);
    EXPECT_TRUE(strategy.vojenska_skupina_last_id == 10 &&
                !strategy.vojenska_skupina[luky].range_attack);
    EXPECT_STREQ(strategy.vojenska_skupina[luky].nazov, "sermiari");
    // With every one of the 31 rows taken, an owner with free slots is refused too.
    strategy.vojenska_skupina_last_id = 31;
    strategy.set_owner(S_L::id_nepriatel);
    EXPECT_TRUE(skupina(0) == -1 && strategy.id_owner[S_L::id_nepriatel].skupina_last_id == 0);
    strategy.vojenska_skupina_last_id = 30;
    EXPECT_EQ(skupina(0), 30);
    strategy.set_owner(S_L::id_player);
}

TEST_F(Groups, RamCrewStandsInTwoFiles) {
    const int g = ::skupina(S_L::id_nepriatel, strategy.vojenske_stroje[S_L::VS_baranidlo].obsluha,
                            -1, 40, 40, S_L::VS_baranidlo);
    ASSERT_GE(g, 0);
    EXPECT_STREQ(sk(g).nazov, "baranidlo");
    EXPECT_EQ(sk(g).zoznam_vojakov_last_id, sk(g).max);
    // Two files along the ram, as many men on either side and ahead of its middle as behind it,
    // nobody on another's place.
    std::set<std::pair<float, float>> miesta;
    float x = 0, y = 0;
    for (int k = 0; k < sk(g).max; ++k) {
        EXPECT_EQ(std::abs(clen(g, k).formation_x), 0.18f) << k;
        x += clen(g, k).formation_x, y += clen(g, k).formation_y;
        miesta.insert({clen(g, k).formation_x, clen(g, k).formation_y});
    }
    EXPECT_TRUE(std::abs(x) < 1e-4f && std::abs(y) < 1e-4f &&
                static_cast<int>(miesta.size()) == sk(g).max);
    // A formation without a known kind or a size places nobody, and nobody past one beyond its
    // size.
    C_Formations f;
    EXPECT_FALSE(f.next_soldier() || f.set_formation(2) || f.set_number_of_soldiers(0));
    EXPECT_TRUE(f.set_formation(C_Formations::formation_baranidlo) && f.set_number_of_soldiers(2));
    EXPECT_TRUE(f.next_soldier() && f.next_soldier() && f.next_soldier() && !f.next_soldier());
    f.reset();
    EXPECT_TRUE(f.counter == 0 && f.number == 2 && f.form == C_Formations::formation_baranidlo);
}

TEST_F(Groups, RemovingASoldierKeepsTheListCompactEvenWhenFull) {
    const int g = skupina(0);
    auto& s = strategy.vojenska_skupina[g];
    for (int k = 0; k < 100; ++k) {  // a full group, made directly: the town has not 100 men
        s.zoznam_vojakov[k] = 1000 + k;
        strategy.clovek[1000 + k].vlastnik = S_L::id_player;
    }
    s.zoznam_vojakov_last_id = 100;
    strategy.KASAREN_ID = postav(100, 120, S_L::kasaren, 1);
    strategy.objekt[strategy.KASAREN_ID].je_ludi = 1;
    for (int k = 0; k < 100; ++k)
        strategy.clovek[1000 + k].objekt_v_ktorom_pracuje = strategy.KASAREN_ID;
    EXPECT_TRUE(strategy.odober_vojaka_z_vojenskej_skupiny(1040, g));
    EXPECT_TRUE(s.zoznam_vojakov_last_id == 99 && s.zoznam_vojakov[40] == 1041 &&
                s.zoznam_vojakov[98] == 1099);
    // He left the barracks.
    EXPECT_TRUE(strategy.objekt[strategy.KASAREN_ID].je_ludi == 0 &&
                strategy.clovek[1040].objekt_v_ktorom_pracuje == -1);
    EXPECT_TRUE(strategy.odober_vojaka_z_vojenskej_skupiny(1099, g));
    EXPECT_EQ(strategy.objekt[strategy.KASAREN_ID].je_ludi, 0);         // never below zero
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(1040, g));  // no longer listed
    strategy.clovek[1000].vlastnik = S_L::id_nepriatel;
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(1000, g));  // another owner's man
    EXPECT_FALSE(
        strategy.odober_vojaka_z_vojenskej_skupiny(1001, strategy.vojenska_skupina_last_id));
}

TEST_F(Groups, RecruitmentPointsTileQueriesAndMarkers) {
    strategy.add_regrutovacie_body_pre_vojenske_skupiny(50, 60);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(hrac().vojenska_skupina[i].x == 48 + i % 5 &&
                    hrac().vojenska_skupina[i].y == 58 + i / 5)
            << i;

    const int g = skupina(0);
    auto& s = strategy.vojenska_skupina[g];
    const int o = strategy.odober_volny_objekt();  // the group's object, met on its second tile
    strategy.objekt[o].co_to_je = S_L::id_vojensky_objekt, strategy.objekt[o].id = g;
    strategy.point[71][70] = {o, S_L::sekundarne_id_hlavne, 0, 0};
    s.zoznam_vojakov_last_id = 3, s.dead = 1;
    EXPECT_TRUE(strategy.je_vojenska_skupina(o) && strategy.je_vojenska_skupina(71, 70));
    EXPECT_TRUE(strategy.return_vojenska_skupina_id(71, 70) == g &&
                strategy.return_vojenska_skupina_id(72, 70) == -1);
    s.dead = 3;  // nobody alive on the tile
    EXPECT_FALSE(strategy.je_vojenska_skupina(71, 70));
    s.dead_status = true;
    EXPECT_FALSE(strategy.je_vojenska_skupina(o) || strategy.je_vojenska_skupina(-1));
    s.zoznam_vojakov[0] = -1;  // a hole is not alive
    EXPECT_EQ(strategy.return_vojenska_skupina_clen_alive(g, 0), 0.0f);
    strategy.point[71][70] = {-1, -1, 0, 0};
    strategy.odstran_objekt(o);

    // Markers: a foreign group only while fighting; the player's selected group wins.
    auto vip = [&](int vl, bool boj, int utok, int oznacena) {
        s.vlastnik = vl, s.personal_fights = boj, s.utoci_na_objekt = utok;
        return strategy.return_vojenska_skupina_VIP(g, oznacena);
    };
    const int vl = S_L::id_player, cudzi = S_L::id_nepriatel;
    EXPECT_EQ((std::vector<int>{vip(cudzi, false, -1, g), vip(cudzi, true, -1, -1),
                                vip(cudzi, false, 12, -1), vip(vl, false, -1, -1),
                                vip(vl, true, -1, -1), vip(vl, false, 7, -1), vip(vl, true, 7, g)}),
              (std::vector<int>{-1, 3, 3, 0, 1, 1, 2}));  // the kinds by their numbers
    EXPECT_TRUE(strategy.vojenska_skupina_owned(g));
}

// Orders: orders across zones refused, the first order of a new group placing it at once, and
// the enemy's deployment and its refusals.

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
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na(g, 40, 40, -1) || sk(g).moved);
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
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na(g, 70, 70, -1, true, 90.0f))
        << "not yet on the map";
    strategy.presun_vojensku_skupinu_na(g, 1, 1, -1);
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na(g, 100, 100, -1, true, 90.0f))
        << "the main building's tile";
    // Where its men stand and face is the attack tests'.
    EXPECT_TRUE(strategy.presun_vojensku_skupinu_na(g, 70, 70, -1, true, 90.0f));
    EXPECT_TRUE(sk(g).xf == 70.0f && sk(g).yf == 70.0f && sk(g).rot == 90.0f && !sk(g).moved);
    // The map object stays on the group's anchor tile.
    EXPECT_EQ(strategy.point_id_of_objekt(1, 1), sk(g).objekt_id);
    EXPECT_EQ(strategy.point_id_of_objekt(70, 70), -1);
    strategy.set_owner(S_L::id_player);
}

// A group emptied while it walks (destroyed in battle and buried, or disbanded) walks no more, and
// an empty row takes no orders: neither a later movement step nor an order may give the row a new
// map object, which the row's next recruit would drop for good. A destroyed group disbanded
// before the burial buries its fallen.

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
        for (int o = 0; o < strategy.objekt_hwm; ++o)
            n += strategy.objekt[o].co_to_je == S_L::id_vojensky_objekt;
        return n;
    }
    static void zabi(int g) {
        for (int k = 0; k < strategy.clenov(g); ++k)
            strategy.zran_vojaka(sk(g).zoznam_vojakov[k], 1000);
    }
    // A movement step of a battle, then a recruit into the player's first slot: the books balance
    // and the empty row has come by no object.
    void dalsia_bitka() {
        ASSERT_TRUE(sk(g).dead_status && sk(g).zoznam_vojakov_last_id == 0 &&
                    sk(g).objekt_id == -1);
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
    ASSERT_TRUE(strategy.presun_vojensku_skupinu_na_bod(g, battle_town::BRANA_X,
                                                        battle_town::BRANA_Y - 10));
    strategy.je_vojna = true;
    strategy.vojna_pohyb();
    zabi(g);
    strategy.vojna_pohyb();
    strategy.ukonci_utok(S_L::id_nepriatel, S_L::id_player, false);
    dalsia_bitka();
}

TEST_F(PrazdnaSkupina, AGroupDisbandedOnItsWayStopsWalkingAndTakesNoOrders) {
    ASSERT_TRUE(strategy.presun_vojensku_skupinu_na_bod(g, battle_town::BRANA_X,
                                                        battle_town::BRANA_Y - 10));
    ASSERT_TRUE(strategy.rozpust_vojensku_skupinu(g, S_L::id_player));
    EXPECT_FALSE(sk(g).moved);
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na(g, battle_town::BRANA_X,
                                                     battle_town::BRANA_Y - 10, -1));
    EXPECT_FALSE(strategy.presun_vojensku_skupinu_na_bod(g, battle_town::BRANA_X,
                                                         battle_town::BRANA_Y - 10));
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
