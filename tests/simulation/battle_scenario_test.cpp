// A whole attack played through the real step driver with a fake clock: the walled town of rank 3
// reaches 1 December of year 5, the attack starts and switches the speed, battle steps run at
// 0.01 until the battle ends, the fallen are buried, the groups stand on their anchors again and
// the days run on at speed 1.0. Once defended, once lost with the stores plundered; the books
// balance after every battle step and every month end.
#include <gtest/gtest.h>

#include <string>

#include "../battle_town.h"
#include "Game.h"

using namespace battle_town;

namespace {

float hodiny = 0.0f;
float falosne_hodiny() { return hodiny; }

// Both owners' books.
std::string knihy() { return strategy.prepocitaj_knihy(S_L::id_player) + strategy.prepocitaj_knihy(S_L::id_nepriatel); }

class Bitka : public ::testing::Test {
protected:
    static void SetUpTestSuite() { naplnene_katalogy(); }
    void SetUp() override { ::testing::internal::CaptureStdout(); }
    void TearDown() override {
        ::testing::internal::GetCapturedStdout();
        game_hooks = {nullptr, nullptr, nullptr};
    }
    // Starts the clock as the new-game action does.
    static void spusti() {
        game_hooks = {falosne_hodiny, nullptr, nullptr};
        my_time = {0.0f, 0.0f, false};
        hodiny = 0.0f;
        zrychlenie = 1.0f;
        cas_mesiace = false;
        Game.Start();
        Game.Run();
    }
    // One frame in which a step is due: two periods and a little more have passed.
    static void krok() {
        hodiny += 2.0f * zrychlenie * 2500.0f + 1.0f;
        Game.Action();
    }
};

TEST_F(Bitka, TheTownStandsReadyOnTheEveOfTheAttack) {
    const S_bojove_mesto m = postav_bojove_mesto(Armada::silna);
    const S_owner& h = strategy.id_owner[S_L::id_player];
    EXPECT_EQ(h.privilegia_id, S_L::PRIV_velke_mesto);
    EXPECT_GE(h.pocet_muzov + h.pocet_zien, 300);
    EXPECT_EQ(m.pocet_skupin, 5);
    EXPECT_EQ(h.veza_last_id, POCET_VIEZ);
    for (int t = 0; t < POCET_VIEZ; ++t) EXPECT_EQ(h.veza[t].pocet, 10) << t;
    EXPECT_EQ(h.pocet_vojakov, 150);
    for (int i = 0; i < 5; ++i) {
        const auto& s = strategy.vojenska_skupina[m.skupiny[i]];
        EXPECT_EQ(strategy.point_id_of_objekt(s.x, s.y), s.objekt_id);
        EXPECT_EQ(s.y, KASAREN_Y - 2);
    }
    // The gate is open: the town lies in the outside zone with the main building.
    EXPECT_FALSE(strategy.objekt[m.brana].closed);
    EXPECT_EQ(strategy.point[100][100].zona, 0);
    EXPECT_EQ(strategy.point[0][0].zona, 0);
    EXPECT_EQ(strategy.last_error_active, -1);
    EXPECT_EQ(knihy(), "");
    EXPECT_TRUE(strategy.time.den == 31 && strategy.time.mesiac == S_L::M_november && strategy.time.rok == 5);
}

}  // namespace
