// The game clock and the step driver, run with a fake millisecond clock.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "Game.h"
#include "Strategy_library.h"
#include "test_world.h"

using Strategy_library::S_L;

namespace {

float hodiny = 0;
int klavesnica_volania = 0;

class GameStep : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        strategy.New_Game();
        game_hooks = {[] { return hodiny; }, [] { ++klavesnica_volania; }, nullptr};
        hodiny = 0;
        klavesnica_volania = 0;
        zrychlenie = 1.0f;
        cas_mesiace = false;
        my_time = {0, 0, false};
        Game.Start();
        Game.Run();
    }
    void TearDown() override {
        game_hooks = {nullptr, nullptr, nullptr};
        Potichu::TearDown();
    }

    // One pass of the driver at the given clock reading.
    static void pass(float ms) {
        hodiny = ms;
        Game.Action();
    }
    static int den() { return strategy.return_den(); }
};

TEST_F(GameStep, ANewGameOpensItsFirstMonthWithItsStartingStocks) {
    // The first month end's spoilage and balance count from them.
    for (int r = 0; r < S_L::last_surovina_id; ++r)
        EXPECT_EQ(hrac().surovina[r].naZaciatkuMesiaca, hrac().surovina[r].mam) << r;
}

TEST_F(GameStep, StepsAreTwoPeriodsApartAndNeverCatchUp) {
    // After a long pause (1e6) exactly one step runs, and the clock restarts from there.
    for (auto [ms, d] : {std::pair{2499.0f, 1},
                         {2500.0f, 2},
                         {7499.0f, 2},
                         {7500.0f, 3},
                         {1.0e6f, 4},
                         {1.0e6f + 4999.0f, 4},
                         {1.0e6f + 5000.0f, 5}}) {
        pass(ms);
        EXPECT_EQ(den(), d) << ms;
    }
    EXPECT_EQ(klavesnica_volania, 7);
}

TEST_F(GameStep, SpeedKeyCyclesThroughThreeSpeeds) {
    Game_zmena_rychlosti();
    EXPECT_FLOAT_EQ(zrychlenie, 0.1f);
    Game_zmena_rychlosti();
    EXPECT_NEAR(zrychlenie, 0.01f, 1e-6);
    pass(2500.0f);  // the new game's time-slow request puts speed 1.0 back
    EXPECT_FLOAT_EQ(zrychlenie, 1.0f);
    for (int i = 0; i < 3; ++i) Game_zmena_rychlosti();
    EXPECT_FLOAT_EQ(zrychlenie, 1.0f);
    // At 0.1 a day lasts 500 ms: each step sets the reference 250 ms ahead.
    Game_zmena_rychlosti();
    pass(10000.0f);
    const int pred = den();
    pass(10499.0f);
    EXPECT_EQ(den(), pred);
    pass(10500.0f);
    EXPECT_EQ(den(), pred + 1);
}

TEST_F(GameStep, MonthFastForwardEndsOnTheFirstAndRunsTheMonthOnce) {
    pass(2500.0f);  // consumes the new game's time-slow request
    while (!(strategy.return_mesiac() == S_L::M_marec && den() == 5)) strategy.next_day();
    strategy.id_owner[S_L::id_player].surovina[S_L::drevo].vyprodukovane = 7;
    Game_zmena_rychlosti_mesiac_den();
    pass(10000.0f);
    // The balance closed exactly once (a second month end would have shown 0).
    EXPECT_EQ(std::make_tuple(strategy.return_mesiac(), den(), strategy.return_bilancia(S_L::drevo),
                              cas_mesiace),
              std::make_tuple(int{S_L::M_april}, 1, 7, true));

    // On the last day of a month the first day step already crosses: no further days.
    while (!(strategy.return_mesiac() == S_L::M_maj && den() == 31)) strategy.next_day();
    pass(20000.0f);
    EXPECT_EQ(std::make_pair(strategy.return_mesiac(), den()), std::make_pair(int{S_L::M_jun}, 1));
}

TEST_F(GameStep, TimeSlowRequestRestoresSpeedAndEndsFastForward) {
    pass(2500.0f);
    zrychlenie = 0.1f;
    cas_mesiace = strategy.time_slow = true;
    pass(10000.0f);
    EXPECT_FLOAT_EQ(zrychlenie, 1.0f);
    EXPECT_FALSE(cas_mesiace || strategy.time_slow);
}

TEST_F(GameStep, WhileStoppedOnlyKeysErrorReportAndOwnerResetRun) {
    Game.Stop();
    strategy.last_error_active = S_L::E_malo_surovin_na_stavbu;
    strategy.owner = S_L::id_nepriatel;
    pass(1.0e6f);
    EXPECT_FALSE(strategy.bol_error()) << "the error was reported and cleared";
    EXPECT_EQ(std::make_tuple(strategy.owner, den(), klavesnica_volania),
              std::make_tuple(int{S_L::id_player}, 1, 1));
}

}  // namespace
