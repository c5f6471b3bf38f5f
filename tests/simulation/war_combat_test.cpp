// Combat: a ram beating a gate down and the zones opening behind it, target search that does not
// search an unchanged map twice, and a group that has killed its enemy walking on. (A duel's
// damage, hit chances and an archer's arrow timer are pinned by the golden game's battles.)
#include <gtest/gtest.h>

#include "hradby.h"
#include "test_world.h"

namespace {

class Boj : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        vojnova_hra(20);
    }
    void TearDown() override {
        Potichu::TearDown();
        strategy.je_vojna = false;
    }
};

TEST_F(Boj, ARamBeatsAGateDownInFiveBlowsElevenStepsApartAndTheZonesOpen) {
    // A small walled yard, 21 … 23 on both axes, with a closed gate at (22, 20).
    const int brana = kruh(20, 20, 24, 24, 22);
    strategy.zoning(0, 0, false);
    ASSERT_NE(strategy.point[22][22].zona, 0);
    const int brany = hrac().brana_last_id, mam = hrac().budova[S_L::drevena_brana].mam;
    const int ram = skupina(S_L::id_nepriatel, 10, S_L::kopija, 22, 18, S_L::VS_baranidlo);
    strategy.set_owner(S_L::id_nepriatel);
    EXPECT_TRUE(strategy.presun_vojensku_skupinu_na(ram, 22, 20, -1));
    strategy.set_owner(S_L::id_player);
    EXPECT_EQ(sk(ram).utoci_na_objekt, brana);
    // Out of reach it does nothing; one tile from the gate it strikes.
    strategy.vojna_kontroluj_utoky_na_budovy();
    EXPECT_EQ(strategy.objekt[brana].percenta, 100);
    sk(ram).yf = 19.0f;
    std::vector<int> uder;
    for (int krok = 1; krok <= 60 && strategy.point_id_of_objekt(22, 20) == brana; ++krok) {
        const int pred = strategy.objekt[brana].percenta;
        strategy.vojna_kontroluj_utoky_na_budovy();
        if (strategy.point_id_of_objekt(22, 20) != brana) {
            uder.push_back(krok);
        } else if (strategy.objekt[brana].percenta != pred) {
            uder.push_back(krok);
            EXPECT_TRUE(strategy.objekt[brana].percenta == pred - 20 && sk(ram).action_timer == 10);
        }
    }
    EXPECT_EQ(uder, (std::vector<int>{1, 12, 23, 34, 45}));
    EXPECT_TRUE(strategy.point_id_of_objekt(22, 20) == -1 && sk(ram).utoci_na_objekt == -1);
    EXPECT_TRUE(hrac().brana_last_id == brany - 1 &&
                hrac().budova[S_L::drevena_brana].mam == mam - 1);
    EXPECT_EQ(strategy.point[22][22].zona, 0);  // the yard is open country now
    EXPECT_EQ(prepocet() + prepocet(S_L::id_nepriatel), "");

    // A palisade loses 2 a blow; an ordinary building nothing at all.
    const int palisada = strategy.point_id_of_objekt(21, 20);
    sk(ram).utoci_na_objekt = palisada, sk(ram).utoci_na_x = 21, sk(ram).utoci_na_y = 20,
    sk(ram).xf = 21.0f;
    sk(ram).action_timer = 0;
    strategy.vojna_kontroluj_utoky_na_budovy();
    EXPECT_EQ(strategy.objekt[palisada].percenta, 98);
    // A ram whose crew has fallen strikes no more.
    sk(ram).dead = 10, sk(ram).action_timer = 0;
    strategy.vojna_kontroluj_utoky_na_budovy();
    EXPECT_EQ(strategy.objekt[palisada].percenta, 98);
    sk(ram).dead = 0;
    const int dom = postav(30, 30, S_L::dom, 1);
    sk(ram).utoci_na_objekt = dom, sk(ram).utoci_na_x = sk(ram).utoci_na_y = 30,
    sk(ram).action_timer = 0;
    sk(ram).xf = 30.0f, sk(ram).yf = 29.0f;
    for (int i = 0; i < 30; ++i) strategy.vojna_kontroluj_utoky_na_budovy();
    EXPECT_TRUE(strategy.objekt[dom].percenta == 100 && sk(ram).action_timer == 0);
}

TEST_F(Boj, TargetSearchDoesNotRepeatAPathSearchOnAnUnchangedMap) {
    const int g = skupina(S_L::id_player, 10, S_L::luk, 50, 50);
    const int e = skupina(S_L::id_nepriatel, 10, S_L::mec, 51, 51);
    auto hladaj = [&] {
        strategy.zrus_utok(g);
        const int baza = strategy.find_way_baza;
        EXPECT_EQ(strategy.vojna_hladaj_ciele_help(g, sk(g).xf, sk(g).yf), e);
        return strategy.find_way_baza != baza;  // a path search ran
    };
    EXPECT_TRUE(hladaj());
    const int wx = sk(g).go_to_x, wy = sk(g).go_to_y;
    EXPECT_FALSE(hladaj());
    EXPECT_TRUE(sk(g).go_to_x == wx && sk(g).go_to_y == wy &&
                sk(g).utoci_na_objekt == sk(e).objekt_id);
    // Anything that may change a path (here a new building) makes the next search run again.
    postav(70, 70, S_L::dom, 1);
    EXPECT_TRUE(hladaj());
    EXPECT_TRUE(sk(g).go_to_x == wx && sk(g).go_to_y == wy &&
                sk(g).utoci_na_objekt == sk(e).objekt_id);
}

TEST_F(Boj, AGroupThatKillsItsEnemyFreesItsTileStopsAttackingAndWalksOn) {
    // Hand to hand: a swordsman against a spearman of 1 health, half a tile apart; the swordsman
    // was on his way to (45, 45).
    const int g = skupina(S_L::id_player, 1, S_L::mec, 40, 40);
    const int e = skupina(S_L::id_nepriatel, 1, S_L::kopija, 40, 41);
    const int o = sk(e).objekt_id;
    clen(e, 0).zdravie = 1, clen(e, 0).x = 40.0f, clen(e, 0).y = sk(e).yf = 40.5f;
    sk(g).utoci_na_objekt = o, sk(g).utoci_na_x = 40, sk(g).utoci_na_y = 41;
    sk(g).go_to_x = 45, sk(g).go_to_y = 45;
    for (int krok = 0; krok < 500 && !sk(e).dead_status; ++krok)
        strategy.vojna_kontroluj_utok_na_nepriatela();
    ASSERT_TRUE(sk(e).dead_status);
    EXPECT_NE(strategy.point_id_of_objekt(40, 41), o) << "the fallen group's tile is still taken";
    EXPECT_TRUE(sk(g).utoci_na_objekt == -1 && !sk(g).personal_fights);
    EXPECT_TRUE(sk(g).moved && sk(g).go_to_x == 45 && sk(g).go_to_y == 45);

    // Archers whose target group has nobody left alive give the attack up.
    const int l = skupina(S_L::id_player, 2, S_L::luk, 60, 60);
    const int f = skupina(S_L::id_nepriatel, 2, S_L::mec, 60, 62);
    for (int k = 0; k < 2; ++k) clen(f, k).zdravie = 0;
    sk(l).utoci_na_objekt = sk(f).objekt_id, sk(l).utoci_na_x = 60, sk(l).utoci_na_y = 62;
    strategy.vojna_kontroluj_utok_na_nepriatela();
    EXPECT_EQ(sk(l).utoci_na_objekt, -1);
}

}  // namespace
