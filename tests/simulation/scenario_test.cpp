// Whole years of play through the real step driver: a supplied town grows, has children, buries
// its elders and rises in rank; a town without water dies of thirst and the game ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../krokovanie.h"
#include "people_town.h"

using namespace people_town;
using krokovanie::mesiac_hry;

namespace {

int okien_konca = 0;
void koniec_hry_okno() { ++okien_konca; }

// Starts the clock as the new-game action does.
void spusti() {
    krokovanie::spusti(koniec_hry_okno);
    okien_konca = 0;
}

int dalsi_dom = 0;
void postav_domy(int kolko) {
    for (int i = 0; i < kolko; ++i, ++dalsi_dom) postav(80 + dalsi_dom % 40, 110 + dalsi_dom / 40, S_L::dom, 1);
}

}  // namespace

TEST(Scenario, ASuppliedTownGrowsForTenYears) {
    nova_hra();
    auto& h = hrac();
    // Workplaces first, so the ten jobless men staff exactly these: mill, bakery (four), two
    // farms, a wood collector, a hunter and a fisher.
    postav(101, 100, S_L::mlyn, 2);
    postav(102, 100, S_L::pekaren, 2);
    postav(103, 100, S_L::farma, 2);
    postav(104, 100, S_L::farma, 2);
    postav(105, 100, S_L::zberac_dreva, 1);
    postav(106, 100, S_L::lovec, 1);
    postav(107, 100, S_L::rybar, 1);
    postav(101, 102, S_L::studna, 4);
    postav(102, 102, S_L::studna, 4);
    postav(103, 102, S_L::jablkovy_sad, 1);
    postav(104, 102, S_L::sklad, 3);
    postav_domy(20);
    // Three elders among the settlers.
    strategy.vytvor_clovek(S_L::id_player, S_L::muz, 76, 100);
    strategy.vytvor_clovek(S_L::id_player, S_L::zena, 74, 100);
    strategy.vytvor_clovek(S_L::id_player, S_L::muz, 79, 100);
    spusti();

    int najviac_deti = 0, najnizsi_rank = 0;
    for (int m = 0; m < 120; ++m) {
        // The player keeps some houses free while the town is below a large city.
        if (volne_miesta() == 0 && h.pocet_muzov + h.pocet_zien < 220) postav_domy(10);
        const int rank_pred = h.privilegia_id;
        mesiac_hry();
        ASSERT_EQ(strategy.return_den(), 1) << "month " << m;
        ASSERT_EQ(prepocet(), "") << "month " << m;
        ASSERT_EQ(h.zomrelo_hladom, 0) << "month " << m;
        ASSERT_EQ(h.hladuje_muz + h.hladuje_zena, 0) << "month " << m;
        ASSERT_GE(h.privilegia_id, rank_pred);
        ASSERT_LE(h.privilegia_id, rank_pred + 1);
        najviac_deti = std::max(najviac_deti, h.pocet_deti);
        najnizsi_rank = h.privilegia_id;
    }
    EXPECT_EQ(strategy.return_rok(), 11);
    EXPECT_EQ(strategy.return_mesiac(), S_L::M_februar);
    EXPECT_TRUE(Game.running);
    EXPECT_EQ(okien_konca, 0);
    EXPECT_GT(h.pocet_ludi, 100);
    EXPECT_GT(najviac_deti, 10);
    EXPECT_GE(h.pocet_smrti, 3);  // the elders at least
    EXPECT_GE(najnizsi_rank, S_L::PRIV_male_mesto);
    EXPECT_NE(std::string(strategy.getTitul()), "ziadne");
}

TEST(Scenario, ATownWithoutWaterDiesOfThirstAndTheGameEnds) {
    nova_hra();
    auto& h = hrac();
    // Fish and game feed everybody; nothing gives water.
    postav(101, 100, S_L::rybar, 4);
    postav(102, 100, S_L::lovec, 4);
    postav_domy(10);
    h.surovina[S_L::voda].mam = 0;
    spusti();
    int mesiacov = 0;
    while (Game.running && mesiacov < 24) {
        mesiac_hry();
        ++mesiacov;
        ASSERT_EQ(prepocet(), "") << "month " << mesiacov;
        if (Game.running) {
            EXPECT_GT(h.pocet_ludi, 0);
            EXPECT_GE(h.hladuje_muz + h.hladuje_zena, h.pocet_ludi);  // every survivor went thirsty
        }
    }
    EXPECT_FALSE(Game.running);
    EXPECT_TRUE(strategy.isEndOFGame());
    EXPECT_EQ(okien_konca, 1);
    EXPECT_EQ(h.pocet_ludi, 0);
    EXPECT_GT(h.zomrelo_hladom, 0);
    EXPECT_LE(mesiacov, 6);

    // Stopped: further frames pass no day.
    const int den = strategy.return_den(), mesiac = strategy.return_mesiac();
    mesiac_hry();
    EXPECT_EQ(strategy.return_den(), den);
    EXPECT_EQ(strategy.return_mesiac(), mesiac);
    EXPECT_EQ(okien_konca, 1);
}
