// The enemy's attacks: when they come, the army raised and deployed, a walled town without a ram
// to break its gate, and a defenceless open town plundered by a third.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "../battle_town.h"
#include "test_world.h"

namespace {

class Utok : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        nova_hra();
    }
    // The month's checks on day d of month m of year r, as far as the attack trigger.
    static void diplomacia(int d, int m, int r) {
        strategy.time = {d, m, r};
        strategy.kontroluj_diplomaciu();
    }
};

TEST_F(Utok, TheFirstAttackComesOnTheFirstOfDecemberOfYearFiveToALargeCityAndFiveYearsApart) {
    S_owner& h = hrac();
    // The earliest date told to the player, as the trigger below keeps it.
    const auto najskor = [](int d, int m, int r) {
        strategy.time = {d, m, r};
        const Strategy_library::S_time t = strategy.najskorsi_utok();
        EXPECT_TRUE(t.den == 1 && t.mesiac == S_L::M_december) << t.den << "." << t.mesiac;
        return t.rok;
    };
    // From the first of December of year 5 on, that of year 6.
    EXPECT_EQ((std::vector<int>{najskor(1, S_L::M_februar, 1), najskor(30, S_L::M_november, 5),
                                najskor(1, S_L::M_december, 5)}),
              (std::vector<int>{5, 5, 6}));
    h.privilegia_id = S_L::PRIV_velke_mesto;
    for (auto [d, m, r] :
         {std::tuple{1, S_L::M_december, 4}, {2, S_L::M_december, 5}, {1, S_L::M_november, 5}})
        diplomacia(d, m, r);
    EXPECT_EQ(strategy.utok.pocet, 0);
    strategy.bol_utok = true;
    diplomacia(1, S_L::M_december, 5);
    EXPECT_EQ(strategy.utok.pocet, 0);
    strategy.bol_utok = false;
    diplomacia(1, S_L::M_december, 5);
    EXPECT_TRUE(strategy.utok.pocet == 1 && strategy.utok.rok == 5);
    // (A town below a large city, and the five years to the next attack, are the golden
    // game's.)
    EXPECT_EQ(najskor(1, S_L::M_marec, 7), 10);
}

TEST_F(Utok, ADefencelessOpenTownIsPlunderedByAThirdAtOnce) {
    S_owner& h = hrac();
    h.surovina[S_L::drevo].mam = 100, h.surovina[S_L::kamen].mam = 2;
    h.surovina[S_L::tehla].mam = 1, h.surovina[S_L::mrtvola].mam = 9;
    EXPECT_TRUE(strategy.vytvor_utok());
    EXPECT_EQ(strategy.id_owner[S_L::id_nepriatel].skupina_last_id, 5) << "the army was raised";
    const auto& v = strategy.return_posledna_bitka();
    EXPECT_TRUE(v.vitaz == S_L::id_nepriatel && v.ulupene[S_L::drevo] == 33 &&
                v.ulupene[S_L::kamen] == 0);
    EXPECT_TRUE(h.surovina[S_L::drevo].mam == 67 && h.surovina[S_L::kamen].mam == 2 &&
                h.surovina[S_L::tehla].mam == 1 && h.surovina[S_L::mrtvola].mam == 9);
    EXPECT_TRUE(!strategy.je_vojna && strategy.time_slow);
    EXPECT_EQ(prepocet(S_L::id_nepriatel), "");
}

TEST_F(Utok, TheArmyIsFiveGroupsOfTenDeployedFourTilesOutsideTheTownOrBeyondItsFarSide) {
    strategy.je_vojna = true;
    ASSERT_TRUE(strategy.vytvor_utok_prebuduj_armadu());
    const S_owner& n = strategy.id_owner[S_L::id_nepriatel];
    ASSERT_EQ(n.skupina_last_id, 5);
    const char* mena[] = {"sermiari", "kopijnici", "lukostrelci", "lukostrelci", "kopijnici"};
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(!strcmp(sk(n.skupina[i]).nazov, mena[i]) &&
                    sk(n.skupina[i]).zoznam_vojakov_last_id == 10)
            << i;
    EXPECT_TRUE(n.pocet_vojakov == 50 && n.bez_prace_last_id == 1 && !strategy.infinite_sources);
    ASSERT_TRUE(strategy.deploy_troops());
    // The town is its main building at (100, 100): four tiles north of it, heading 180.
    for (int i = 0; i < 5; ++i) {
        const int g = n.skupina[i];
        EXPECT_TRUE(sk(g).xf == 100.0f && sk(g).yf == 96.0f && sk(g).rot == 180.0f) << i;
        EXPECT_TRUE(clen(g, 3).x == 100.0f + clen(g, 3).formation_x &&
                    clen(g, 3).heading == 180.0f);
    }
    EXPECT_EQ(prepocet(S_L::id_nepriatel), "");
    // A town reaching row 3 is approached from its far side; a second army reuses the rows and,
    // with twenty of the first one dead, gets new men to fill all five groups.
    postav(100, 3, S_L::dom, 1);
    for (int i = 0; i < 20; ++i) strategy.clovek_DIE(sk(n.skupina[i / 10]).zoznam_vojakov[0]);
    ASSERT_TRUE(strategy.vytvor_utok_prebuduj_armadu() && strategy.deploy_troops());
    EXPECT_TRUE(sk(n.skupina[0]).yf == 104.0f && sk(n.skupina[0]).rot == 0.0f);
    EXPECT_TRUE(strategy.vojenska_skupina_last_id == 5 && n.pocet_vojakov == 50);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(sk(n.skupina[i]).zoznam_vojakov_last_id, 10) << i;
    EXPECT_EQ(prepocet(S_L::id_nepriatel), "");
    strategy.je_vojna = false;
}

TEST_F(Utok, AWalledTownWithoutARamEndsTheAttackAtOnceInThePlayersFavour) {
    battle_town::postav_bojove_mesto(battle_town::Armada::silna);
    const int brana = strategy.point_id_of_objekt(battle_town::BRANA_X, battle_town::BRANA_Y);
    strategy.close_open(brana);
    const int drevo = hrac().surovina[S_L::drevo].mam;
    strategy.time = {1, S_L::M_december, 5};
    strategy.kontroluj_diplomaciu();
    EXPECT_TRUE(!strategy.je_vojna && strategy.utok.brany && strategy.utok.rok == 5);
    EXPECT_EQ(
        std::make_pair(strategy.return_posledna_bitka().vitaz, hrac().surovina[S_L::drevo].mam),
        std::make_pair(int{S_L::id_player}, drevo));
    EXPECT_EQ(prepocet() + prepocet(S_L::id_nepriatel), "");
}

TEST_F(Utok, AnArmyWithARamMarchesOnTheClosedGateBehindTheRamAndTheBattleGoesOn) {
    battle_town::postav_bojove_mesto(battle_town::Armada::silna);
    strategy.close_open(strategy.point_id_of_objekt(battle_town::BRANA_X, battle_town::BRANA_Y));
    strategy.zoning(0, 0, false);
    strategy.je_vojna = true;
    ASSERT_TRUE(strategy.vytvor_utok_prebuduj_armadu() && strategy.deploy_troops());
    // The ram stands six tiles behind the army, which waits four tiles before the north wall.
    const int baran = skupina(S_L::id_nepriatel, 10, -1, 100, 70, S_L::VS_baranidlo);
    ASSERT_NE(baran, -1);
    strategy.SYNCH_DEAD = true;
    strategy.vojna_kontroluj_script();
    EXPECT_TRUE(strategy.je_vojna && strategy.utok.brany);
    EXPECT_TRUE(sk(baran).final_x == battle_town::BRANA_X &&
                sk(baran).final_y == battle_town::BRANA_Y && sk(baran).moved);
    // Infantry without a target of its own closes up on the ram.
    const S_owner& n = strategy.id_owner[S_L::id_nepriatel];
    int za_baranom = 0;
    for (int i = 0; i < n.skupina_last_id; ++i) {
        const int g = n.skupina[i];
        if (g == baran || sk(g).range_attack || sk(g).utoci_na_objekt != -1) continue;
        EXPECT_TRUE(sk(g).final_x == 100 && sk(g).final_y == 70) << "group " << g;
        ++za_baranom;
    }
    EXPECT_GT(za_baranom, 0);
    EXPECT_EQ(prepocet(S_L::id_nepriatel), "");
    strategy.je_vojna = false;
}

}  // namespace
