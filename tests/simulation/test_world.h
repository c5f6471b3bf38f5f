// Shared set-up of the world tests: the start-up fill once per test program, and a fixture with an
// empty world holding only the player's main building (object 0) at (100, 100).
#pragma once

#include <gtest/gtest.h>

#include "../katalogy.h"
#include "Strategy_library.h"

class SvetSHlavnouBudovou : public ::testing::Test {
protected:
    static void SetUpTestSuite() { naplnene_katalogy(); }
    void SetUp() override {
        strategy.Restart_Game();
        strategy.set_owner(Strategy_library::S_L::id_player);
        strategy.pridaj_budovu(100, 100, Strategy_library::S_L::hlavna_budova, 1);
    }
};
