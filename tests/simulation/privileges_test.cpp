// City ranks and the end of the game: the last death ends it, and so, through the step driver,
// does a town without water, its end window opened once.
#include <gtest/gtest.h>

#include <string>

#include "../krokovanie.h"
#include "test_world.h"

TEST(Privileges, EachRankAllowsWhatTheRankBelowDid) {
    nova_hra();
    auto& rank = hrac().privilegia_id;
    for (int typ = -1; typ <= S_L::last_building_integer; ++typ) {
        bool nizsi = false;
        int prvy = -1;
        for (rank = 0; rank < 5; ++rank) {
            const bool smie = strategy.ma_privilegia(typ);
            EXPECT_TRUE(smie || !nizsi) << typ << " at " << rank;
            if (smie && !nizsi) prvy = rank;
            nizsi = smie;
        }
        // The rank the placement refusal names is the first that allows the type.
        if (typ >= 0 && typ < S_L::last_building_integer) {
            EXPECT_EQ(strategy.privilegia_pre_typ(typ), prvy) << typ;
        }
        // Nothing outside the catalogue, and never a second main building.
        EXPECT_FALSE(nizsi &&
                     (typ < 0 || typ == S_L::last_building_integer || typ == S_L::hlavna_budova))
            << typ;
    }
    // A house from the start, a barracks from the first rank.
    rank = 0;
    EXPECT_TRUE(strategy.ma_privilegia(S_L::dom) && !strategy.ma_privilegia(S_L::kasaren));
    rank = 1;
    EXPECT_TRUE(strategy.ma_privilegia(S_L::kasaren));
    for (rank = 0; rank < 5; rank += 4)
        EXPECT_EQ(std::string(strategy.getTitul()), rank ? "kralovske mesto" : "ziadne");
}

TEST(Privileges, RankRisesOneStepAMonthByAdultsAndNeverFalls) {
    nova_hra();
    auto& h = hrac();
    auto pribudne = [](int dospelych, int deti) {
        for (int i = 0; i < dospelych + deti; ++i)
            strategy.vytvor_clovek(S_L::id_player, S_L::zena, i < deti ? 5 : 20, 100);
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
    strategy.vytvor_clovek(S_L::id_nepriatel, S_L::muz, 20,
                           100);  // the enemy's people do not count
    for (int c = 0; c < 29; ++c) strategy.clovek_DIE(c);
    strategy.set_owner(S_L::id_nepriatel);
    strategy.kontroluj_koniec_hry();
    EXPECT_EQ(std::make_tuple(strategy.isEndOFGame(), strategy.owner),
              std::make_tuple(false, int(S_L::id_player)));
    strategy.clovek_DIE(29);
    strategy.kontroluj_koniec_hry();
    EXPECT_TRUE(strategy.isEndOFGame());
    nova_hra();
    EXPECT_FALSE(strategy.isEndOFGame());
}

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
        EXPECT_TRUE(!Game.running || h.hladuje_muz + h.hladuje_zena >= h.pocet_ludi)
            << "every survivor went thirsty";
    }
    EXPECT_TRUE(!Game.running && strategy.isEndOFGame() && okien_konca == 1);
    EXPECT_TRUE(h.pocet_ludi == 0 && h.zomrelo_hladom > 0);
    EXPECT_LE(mesiacov, 6);

    // Stopped: further frames pass no day.
    const int den = strategy.return_den(), mesiac = strategy.return_mesiac();
    krokovanie::mesiac_hry();
    EXPECT_TRUE(strategy.return_den() == den && strategy.return_mesiac() == mesiac &&
                okien_konca == 1);
}

}  // namespace
