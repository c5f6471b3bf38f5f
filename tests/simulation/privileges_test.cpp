// City ranks and the end of the game.
#include <gtest/gtest.h>

#include <string>

#include "people_town.h"

using namespace people_town;

namespace {

void dospeli(int kolko) {
    for (int i = 0; i < kolko; ++i) strategy.vytvor_clovek(S_L::id_player, i % 2 ? S_L::zena : S_L::muz, 20, 100);
}

}  // namespace

TEST(Privileges, EachRankUnlocksItsBuildingTypes) {
    nova_hra();
    EXPECT_EQ(std::string(strategy.getTitul()), "ziadne");
    auto& rank = hrac().privilegia_id;
    // The first rank at which each type may be placed; 5 for never.
    const std::pair<int, int> od[] = {
        {S_L::dom, 0},           {S_L::studna, 0},       {S_L::hlavna_budova, 5}, {S_L::kamenna_veza, 5},
        {S_L::drevenna_veza, 2}, {S_L::drevena_brana, 2}, {S_L::kasaren, 1},       {S_L::zbrojar_luk, 1},
        {S_L::krajcir_kozenne_brnenie, 1}, {S_L::kovac_lahke_brnenie, 3}, {S_L::kovac_tazke_brnenie, 4}};
    for (rank = 0; rank < 5; ++rank)
        for (auto [typ, prvy] : od) EXPECT_EQ(strategy.ma_privilegia(typ), rank >= prvy) << typ << " at " << rank;
    rank = 4;
    EXPECT_EQ(std::string(strategy.getTitul()), "kralovske mesto");
    EXPECT_FALSE(strategy.ma_privilegia(35));
    EXPECT_FALSE(strategy.ma_privilegia(-1));
    rank = -1;
    EXPECT_FALSE(strategy.ma_privilegia(S_L::dom));
    EXPECT_EQ(std::string(strategy.getTitul()), "");
}

TEST(Privileges, RankRisesOneStepAMonthAndNeverFalls) {
    nova_hra();
    auto& h = hrac();
    dospeli(69);  // 99 adults
    for (int i = 0; i < 10; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::muz, 5, 100);
    strategy.kontroluj_pridelenie_privilegii();
    EXPECT_EQ(h.privilegia_id, S_L::PRIV_ziadne);
    dospeli(1);
    strategy.kontroluj_pridelenie_privilegii();
    EXPECT_EQ(h.privilegia_id, S_L::PRIV_male_mesto);
    EXPECT_TRUE(strategy.ma_privilegia(S_L::kasaren));

    h.privilegia_id = S_L::PRIV_ziadne;
    dospeli(350);  // 450 adults from no rank: one step per month end
    for (int ocakavany : {1, 2, 3, 4, 4}) {
        strategy.kontroluj_pridelenie_privilegii();
        EXPECT_EQ(h.privilegia_id, ocakavany);
    }
    for (int c = 0; c < 300; ++c) strategy.clovek_DIE(c);
    strategy.kontroluj_pridelenie_privilegii();
    strategy.kontroluj_PRIV_male_mesto();  // a lower check called directly does not demote
    EXPECT_EQ(h.privilegia_id, S_L::PRIV_kralovske_mesto);
    EXPECT_EQ(prepocet(), "");
}

TEST(Privileges, GameEndsWhenThePlayersLastPersonDies) {
    nova_hra();
    strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);  // the enemy's people do not count
    for (int c = 0; c < 29; ++c) strategy.clovek_DIE(c);
    strategy.set_owner(S_L::id_nepriatel);
    strategy.kontroluj_koniec_hry();
    EXPECT_FALSE(strategy.isEndOFGame());
    EXPECT_EQ(strategy.owner, S_L::id_player);
    strategy.clovek_DIE(29);
    strategy.kontroluj_koniec_hry();
    EXPECT_TRUE(strategy.isEndOFGame());
    nova_hra();
    EXPECT_FALSE(strategy.isEndOFGame());
}
