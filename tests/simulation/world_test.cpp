#include <gtest/gtest.h>
#include "Strategy_library.h"
TEST(Placeholder, Builds) { EXPECT_EQ(strategy.last_player_id, 1); }
