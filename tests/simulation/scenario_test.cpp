// Months of play through the real step driver: a town without water dies of thirst and the game
// ends, its end window opened once.
#include <gtest/gtest.h>

#include "../krokovanie.h"
#include "test_world.h"

namespace {

int okien_konca = 0;

TEST(Scenario, ATownWithoutWaterDiesOfThirstAndTheGameEnds) {
    nova_hra();
    // Fish and game feed everybody; nothing gives water.
    postav(101, 100, S_L::rybar, 4);
    postav(102, 100, S_L::lovec, 4);
    for (int i = 0; i < 10; ++i) postav(80 + i, 110, S_L::dom);
    S_owner& h = hrac();
    h.surovina[S_L::voda].mam = 0;
    krokovanie::spusti([] { ++okien_konca; });
    okien_konca = 0;
    int mesiacov = 0;
    for (; Game.running && mesiacov < 24; ++mesiacov) {
        krokovanie::mesiac_hry();
        ASSERT_EQ(prepocet(), "") << "month " << mesiacov;
        EXPECT_TRUE(!Game.running || h.hladuje_muz + h.hladuje_zena >= h.pocet_ludi) << "every survivor went thirsty";
    }
    EXPECT_TRUE(!Game.running && strategy.isEndOFGame() && okien_konca == 1);
    EXPECT_TRUE(h.pocet_ludi == 0 && h.zomrelo_hladom > 0);
    EXPECT_LE(mesiacov, 6);

    // Stopped: further frames pass no day.
    const int den = strategy.return_den(), mesiac = strategy.return_mesiac();
    krokovanie::mesiac_hry();
    EXPECT_TRUE(strategy.return_den() == den && strategy.return_mesiac() == mesiac && okien_konca == 1);
}

}  // namespace
