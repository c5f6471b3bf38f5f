// Shared set-up of the world tests: the start-up fill once per test program, and a fixture with an
// empty world holding only the player's main building (object 0) at (100, 100).
#pragma once

#include <gtest/gtest.h>

#include "Strategy_library.h"

// Fills the catalogues and tables as start-up does, once per process (ctest runs every test in a
// process of its own, so no test may count on another having done it).
inline void naplnene_katalogy() {
    static const bool naplnene = (strategy.Set_all(), true);
    (void)naplnene;
}

class SvetSHlavnouBudovou : public ::testing::Test {
protected:
    static void SetUpTestSuite() { naplnene_katalogy(); }
    void SetUp() override {
        strategy.Restart_Game();
        strategy.set_owner(Strategy_library::S_L::id_player);
        strategy.pridaj_budovu(100, 100, Strategy_library::S_L::hlavna_budova, 1);
    }
};
