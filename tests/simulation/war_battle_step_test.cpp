// The parts of a battle step: the ram against a gate and what it cannot harm, archers on their
// timers, two groups losing a fallen enemy together, hand-to-hand combat to the end, and a
// tower's volleys.
#include <gtest/gtest.h>

#include "hradby.h"
#include "war_town.h"

using namespace war_town;

namespace {

class Boj : public ::testing::Test {
protected:
    void SetUp() override {
        ::testing::internal::CaptureStdout();
        vojnova_hra(120, 500);
        strategy.je_vojna = true;
    }
    void TearDown() override {
        ::testing::internal::GetCapturedStdout();
        strategy.je_vojna = false;
    }
    // A group of n men of owner vl standing on tile (x, y); its id.
    static int skupina(int vl, int n, int zbran, int x, int y, int stroj = -1) {
        strategy.set_owner(vl);
        for (int i = 0; i < n; ++i) strategy.vytvor_clovek(vl, S_L::muz, 20, 100);
        strategy.vojenska_skupina_vytvor_pocet = n;
        const int g = strategy.vytvor_vojensku_skupinu(zbran, -1, stroj);
        EXPECT_TRUE(strategy.presun_vojensku_skupinu_na(g, x, y, -1));
        strategy.set_owner(S_L::id_player);
        return g;
    }
    // Group g attacks group e.
    static void utoc(int g, int e) {
        sk(g).utoci_na_objekt = sk(e).objekt_id;
        sk(g).utoci_na_x = sk(e).x;
        sk(g).utoci_na_y = sk(e).y;
    }
    static void nesmrtelni(int g) {
        for (int k = 0; k < sk(g).zoznam_vojakov_last_id; ++k) clen(g, k).zdravie = 1000000;
    }
};

TEST_F(Boj, ARamBeatsAGateDownInFiveBlowsElevenStepsApartAndTheZonesOpen) {
    // A small walled yard, 21 … 23 on both axes, with a closed gate at (22, 20).
    const int brana = kruh(20, 20, 24, 24, 22);
    ASSERT_TRUE(strategy.objekt[brana].closed);
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
        if (strategy.point_id_of_objekt(22, 20) != brana || strategy.objekt[brana].percenta != pred) {
            uder.push_back(krok);
            if (strategy.point_id_of_objekt(22, 20) == brana) {
                EXPECT_EQ(strategy.objekt[brana].percenta, pred - 20);
                EXPECT_EQ(sk(ram).action_timer, 10);
            }
        }
    }
    EXPECT_EQ(uder, (std::vector<int>{1, 12, 23, 34, 45}));
    EXPECT_EQ(strategy.point_id_of_objekt(22, 20), -1);
    EXPECT_EQ(sk(ram).utoci_na_objekt, -1);
    EXPECT_EQ(hrac().brana_last_id, brany - 1);
    EXPECT_EQ(hrac().budova[S_L::drevena_brana].mam, mam - 1);
    EXPECT_EQ(strategy.point[22][22].zona, 0);  // the yard is open country now

    // A palisade loses 2 a blow; an ordinary building nothing at all.
    const int palisada = strategy.point_id_of_objekt(21, 20);
    sk(ram).utoci_na_objekt = palisada, sk(ram).utoci_na_x = 21, sk(ram).utoci_na_y = 20, sk(ram).action_timer = 0;
    sk(ram).xf = 21.0f;
    strategy.vojna_kontroluj_utoky_na_budovy();
    EXPECT_EQ(strategy.objekt[palisada].percenta, 98);
    const int dom = postav(30, 30, S_L::dom, 1);
    sk(ram).utoci_na_objekt = dom, sk(ram).utoci_na_x = 30, sk(ram).utoci_na_y = 30, sk(ram).action_timer = 0;
    sk(ram).xf = 30.0f, sk(ram).yf = 29.0f;
    for (int i = 0; i < 30; ++i) strategy.vojna_kontroluj_utoky_na_budovy();
    EXPECT_TRUE(strategy.objekt[dom].percenta == 100 && sk(ram).action_timer == 0);
}

TEST_F(Boj, AnArcherShootsOnceEveryElevenStepsFromADistance) {
    const int g = skupina(S_L::id_player, 1, S_L::luk, 50, 50);
    const int e = skupina(S_L::id_nepriatel, 1, S_L::mec, 50, 52);
    nesmrtelni(e);
    utoc(g, e);
    std::vector<int> vystrely;
    for (int krok = 1; krok <= 34; ++krok) {
        strategy.vojna_kontroluj_utok_na_nepriatela();
        if (clen(g, 0).action_timer == 10) vystrely.push_back(krok);
        ASSERT_EQ(sk(g).utoci_na_objekt, sk(e).objekt_id);
    }
    EXPECT_EQ(vystrely, (std::vector<int>{1, 12, 23, 34}));
    EXPECT_FALSE(sk(g).moved || sk(g).personal_fights);
}

TEST_F(Boj, TwoGroupsLoseTheirAttackTogetherWhenTheEnemysLastManFalls) {
    const int a = skupina(S_L::id_player, 10, S_L::luk, 60, 60);
    const int b = skupina(S_L::id_player, 10, S_L::luk, 62, 60);
    const int e = skupina(S_L::id_nepriatel, 1, S_L::mec, 61, 61);
    clen(e, 0).zdravie = 1;
    utoc(a, e);
    utoc(b, e);
    for (int krok = 0; krok < 50 && !sk(e).dead_status; ++krok) strategy.vojna_kontroluj_utok_na_nepriatela();
    EXPECT_TRUE(sk(e).dead_status);
    EXPECT_TRUE(sk(a).utoci_na_objekt == -1 && sk(b).utoci_na_objekt == -1);
    EXPECT_EQ(strategy.point_id_of_objekt(61, 61), -1);  // its tile is released
}

TEST_F(Boj, HandToHandTheFightGoesOnUntilOneSideHasFallen) {
    const int g = skupina(S_L::id_player, 10, S_L::mec, 70, 70);
    const int e = skupina(S_L::id_nepriatel, 10, S_L::kopija, 70, 71);
    sk(e).xf = 70.0f, sk(e).yf = 70.5f;  // in contact
    for (int k = 0; k < 10; ++k) clen(g, k).brnenie = S_L::tazke_brnenie;
    utoc(g, e);
    utoc(e, g);
    int kroky = 0;
    while (!sk(e).dead_status && !sk(g).dead_status && kroky++ < 5000) {
        strategy.vojna_kontroluj_utok_na_nepriatela();
        ASSERT_EQ(prepocet(), "") << kroky;
        ASSERT_EQ(prepocet(S_L::id_nepriatel), "") << kroky;
    }
    EXPECT_TRUE(sk(e).dead_status && !sk(g).dead_status);
    EXPECT_EQ(sk(e).dead, 10);
    EXPECT_FALSE(sk(g).personal_fights);
    EXPECT_EQ(sk(g).utoci_na_objekt, -1);
}

TEST_F(Boj, ATowerShootsTheFirstEnemyInItsWatchAndAgainElevenStepsLaterButNeverAtARam) {
    const int veza = postav(80, 80, S_L::drevenna_veza, 1);
    (void)veza;
    hrac().surovina[S_L::luk].mam = 10;
    ASSERT_TRUE(strategy.regrutujLukostrelcovDoVeze());
    auto& v = hrac().veza[0];
    const int ram = skupina(S_L::id_nepriatel, 10, S_L::kopija, 78, 78, S_L::VS_baranidlo);
    for (int i = 0; i < 20; ++i) strategy.vojna_kontroluj_veze();
    EXPECT_TRUE(!v.bol_utok && v.action_timer == 0);
    const int e = skupina(S_L::id_nepriatel, 10, S_L::mec, 82, 81);
    nesmrtelni(e);
    std::vector<int> volejov;
    for (int krok = 1; krok <= 23; ++krok) {
        strategy.vojna_kontroluj_veze();
        if (v.action_timer == 10) volejov.push_back(krok);
    }
    EXPECT_EQ(volejov, (std::vector<int>{1, 12, 23}));
    EXPECT_TRUE(v.bol_utok);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(clen(ram, k).zdravie, 100);
}

TEST_F(Boj, TargetSearchDoesNotRepeatAPathSearchOnAnUnchangedMap) {
    const int g = skupina(S_L::id_player, 10, S_L::luk, 50, 50);
    const int e = skupina(S_L::id_nepriatel, 10, S_L::mec, 51, 51);
    auto hladaj = [&](std::string& vystup) {
        strategy.zrus_utok(g);
        ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        const int baza = strategy.find_way_baza;
        EXPECT_EQ(strategy.vojna_hladaj_ciele_help(g, sk(g).xf, sk(g).yf), e);
        vystup = ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        return strategy.find_way_baza != baza;  // a path search ran
    };
    std::string prvy, druhy, treti;
    EXPECT_TRUE(hladaj(prvy));
    const int wx = sk(g).go_to_x, wy = sk(g).go_to_y;
    EXPECT_FALSE(hladaj(druhy));
    EXPECT_EQ(druhy, prvy);
    EXPECT_TRUE(sk(g).go_to_x == wx && sk(g).go_to_y == wy && sk(g).utoci_na_objekt == sk(e).objekt_id);
    // Anything that may change a path (here a new building) makes the next search run again.
    postav(70, 70, S_L::dom, 1);
    EXPECT_TRUE(hladaj(treti));
    EXPECT_EQ(treti, prvy);
}

}  // namespace
