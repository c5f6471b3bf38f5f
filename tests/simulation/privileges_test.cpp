// City ranks and the end of the game.
#include <gtest/gtest.h>

#include <string>

#include "people_town.h"

using namespace people_town;

TEST(Privileges, EachRankUnlocksItsBuildingTypes) {
    nova_hra();
    auto& rank = hrac().privilegia_id;
    // The first rank at which each type may be placed; 5 for never.
    const std::pair<int, int> od[] = {
        {S_L::dom, 0},           {S_L::studna, 0},       {S_L::hlavna_budova, 5}, {S_L::kamenna_veza, 5},
        {S_L::drevenna_veza, 2}, {S_L::drevena_palisada, 2}, {S_L::drevena_brana, 2}, {S_L::kasaren, 1},
        {S_L::kovac_mece, 1},    {S_L::kovac_kopije, 1}, {S_L::zbrojar_luk, 1}, {S_L::krajcir_kozenne_brnenie, 1},
        {S_L::kovac_lahke_brnenie, 3}, {S_L::kovac_tazke_brnenie, 4}};
    for (rank = 0; rank < 5; ++rank)
        for (auto [typ, prvy] : od) EXPECT_EQ(strategy.ma_privilegia(typ), rank >= prvy) << typ << " at " << rank;
    EXPECT_FALSE(strategy.ma_privilegia(35) || strategy.ma_privilegia(-1));
    for (auto [typ, prvy] : od) EXPECT_EQ(strategy.privilegia_pre_typ(typ), prvy == 5 ? -1 : prvy) << typ;
    for (rank = 0; rank < 5; rank += 4) EXPECT_EQ(std::string(strategy.getTitul()), rank ? "kralovske mesto" : "ziadne");
}

TEST(Privileges, RankRisesOneStepAMonthByAdultsAndNeverFalls) {
    nova_hra();
    auto& h = hrac();
    auto pribudne = [](int dospelych, int deti) {
        for (int i = 0; i < dospelych + deti; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::zena, i < deti ? 5 : 20, 100);
    };
    auto koniec_mesiaca = [&] {
        strategy.kontroluj_pridelenie_privilegii();
        return h.privilegia_id;
    };
    pribudne(69, 10);  // 99 adults; children do not count
    EXPECT_EQ(koniec_mesiaca(), S_L::PRIV_ziadne);
    pribudne(1, 0);
    EXPECT_EQ(koniec_mesiaca(), S_L::PRIV_male_mesto);
    pribudne(350, 0);  // 450 adults: one step per month end
    for (int ocakavany : {2, 3, 4, 4}) EXPECT_EQ(koniec_mesiaca(), ocakavany);
    for (int c = 0; c < 300; ++c) strategy.clovek_DIE(c);
    strategy.kontroluj_pridelenie_privilegii();
    strategy.kontroluj_PRIV_male_mesto();  // a lower check called directly does not demote
    EXPECT_EQ(h.privilegia_id, S_L::PRIV_kralovske_mesto);
    EXPECT_EQ(prepocet(), "");

    // The goal told to the player is the edge of each next promotion; none past the last rank.
    nova_hra();
    for (int r = S_L::PRIV_ziadne; r < S_L::PRIV_kralovske_mesto; ++r) {
        pribudne(strategy.dospelych_na_dalsie_privilegia() - 1 - h.pocet_muzov - h.pocet_zien, 0);
        EXPECT_EQ(koniec_mesiaca(), r);
        pribudne(1, 0);
        EXPECT_EQ(koniec_mesiaca(), r + 1);
    }
    EXPECT_EQ(strategy.dospelych_na_dalsie_privilegia(), -1);
}

TEST(Privileges, GameEndsWhenThePlayersLastPersonDies) {
    nova_hra();
    strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20, 100);  // the enemy's people do not count
    for (int c = 0; c < 29; ++c) strategy.clovek_DIE(c);
    strategy.set_owner(S_L::id_nepriatel);
    strategy.kontroluj_koniec_hry();
    EXPECT_EQ(std::make_tuple(strategy.isEndOFGame(), strategy.owner), std::make_tuple(false, int(S_L::id_player)));
    strategy.clovek_DIE(29);
    strategy.kontroluj_koniec_hry();
    EXPECT_TRUE(strategy.isEndOFGame());
    nova_hra();
    EXPECT_FALSE(strategy.isEndOFGame());
}
