// A whole attack played through the real step driver with a fake clock: the walled town of rank 3
// reaches 1 December of year 5, the attack starts and switches the speed, battle steps run at
// 0.01 until the battle ends, the fallen are buried, the groups stand on their anchors again and
// the days run on at speed 1.0. Once defended, once lost with the stores plundered; the books
// balance after every battle step and every month end.
#include <gtest/gtest.h>

#include <string>

#include "../battle_town.h"
#include "../krokovanie.h"

using namespace battle_town;
using krokovanie::krok;
using krokovanie::spusti;

namespace {

// Every owner's books and the world's.
std::string knihy() { return strategy.prepocitaj_vsetko(); }

class Bitka : public ::testing::Test {
protected:
    static void SetUpTestSuite() { naplnene_katalogy(); }
    void SetUp() override { ::testing::internal::CaptureStdout(); }
    void TearDown() override {
        ::testing::internal::GetCapturedStdout();
        game_hooks = {nullptr, nullptr, nullptr};
    }
};

// Plays the attack on the town through the step driver. Returns the console text of the battle.
std::string odohraj(int& krokov_bitky, int& drevo_na_zaciatku) {
    // The town on the eve: a large city whose open gate joins it to the country, its towers manned.
    const S_owner& h = strategy.id_owner[S_L::id_player];
    EXPECT_TRUE(h.privilegia_id == S_L::PRIV_velke_mesto && h.veza_last_id == POCET_VIEZ && h.veza[4].pocet == 10);
    EXPECT_TRUE(strategy.point[100][100].zona == 0 && strategy.last_error_active == -1);
    EXPECT_EQ(knihy(), "");
    spusti();
    // The last day of November: one day step reaches 1 December, whose checks start the attack
    // and ask for normal speed.
    krok();
    EXPECT_TRUE(strategy.time.den == 1 && strategy.time.mesiac == S_L::M_december && strategy.time.rok == 5);
    EXPECT_TRUE(strategy.je_vojna);
    EXPECT_EQ(zrychlenie, 1.0f);
    EXPECT_FALSE(cas_mesiace);
    EXPECT_EQ(knihy(), "");
    drevo_na_zaciatku = strategy.id_owner[S_L::id_player].surovina[S_L::drevo].mam;
    std::string log = ::testing::internal::GetCapturedStdout();
    ::testing::internal::CaptureStdout();
    krokov_bitky = 0;
    while (strategy.je_vojna && krokov_bitky < 20000) {
        krok();
        ++krokov_bitky;
        EXPECT_EQ(zrychlenie, 0.01f);
        const std::string k = knihy();
        if (!k.empty()) {
            ADD_FAILURE() << "battle step " << krokov_bitky << ":\n" << k;
            break;
        }
        // The calendar stands still.
        if (strategy.time.den != 1 || strategy.time.mesiac != S_L::M_december) {
            ADD_FAILURE() << "a day passed in battle step " << krokov_bitky;
            break;
        }
    }
    log += ::testing::internal::GetCapturedStdout();
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(strategy.je_vojna) << "the battle did not end in " << krokov_bitky << " steps";
    return log;
}

// After the battle: nobody fallen is left unburied, every group stands on its anchor tile, and
// the days run again at speed 1.0 with the books balancing at every month end.
void po_bitke() {
    for (int c = 0; c < S_L::MAX_CLOVEK; ++c)
        if (strategy.clovek[c].pohlavie != -1 && strategy.clovek[c].vojak) {
            ASSERT_GE(strategy.clovek[c].zdravie, 1) << c;
        }
    for (int g = 0; g < strategy.vojenska_skupina_last_id; ++g) {
        const auto& s = strategy.vojenska_skupina[g];
        if (s.dead_status) {
            EXPECT_TRUE(s.zoznam_vojakov_last_id == 0 && s.objekt_id == -1) << g;
            continue;
        }
        EXPECT_TRUE(s.xf == s.x && s.yf == s.y) << g;
        // The enemy has no barracks: all its groups were raised on the same point (0, 0), where
        // only the last one's object stands.
        if (s.vlastnik == S_L::id_player) {
            EXPECT_EQ(strategy.point_id_of_objekt(s.x, s.y), s.objekt_id) << g;
        }
        for (int k = 0; k < s.zoznam_vojakov_last_id; ++k) {
            if (s.zoznam_vojakov[k] == -1) continue;
            const auto& c = strategy.clovek[s.zoznam_vojakov[k]];
            EXPECT_FLOAT_EQ(c.x, s.x + c.formation_x) << g << " " << k;
            EXPECT_FLOAT_EQ(c.y, s.y + c.formation_y) << g << " " << k;
        }
    }
    EXPECT_EQ(knihy(), "");
    krok();
    EXPECT_TRUE(strategy.time.den == 2 && strategy.time.mesiac == S_L::M_december);
    EXPECT_EQ(zrychlenie, 1.0f);
    // Through the year's end with the month ends' checks.
    while (strategy.time.rok == 5) {
        krok();
        ASSERT_FALSE(strategy.je_vojna);
        if (strategy.time.den == 1) {
            ASSERT_EQ(knihy(), "") << strategy.time.mesiac;
        }
    }
    EXPECT_TRUE(strategy.time.den == 1 && strategy.time.mesiac == S_L::M_januar);
}

TEST_F(Bitka, TheTownIsDefendedAndItsStoresKept) {
    postav_bojove_mesto(Armada::silna);
    int krokov = 0, drevo = 0;
    const std::string log = odohraj(krokov, drevo);
    EXPECT_NE(log.find("VYHRAL SI OBRANU"), std::string::npos);
    EXPECT_EQ(log.find("NEPRIATEL VYHRAL"), std::string::npos);
    EXPECT_GT(krokov, 10);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(strategy.vojenska_skupina[strategy.id_owner[S_L::id_nepriatel].skupina[i]].dead_status);
    EXPECT_EQ(strategy.id_owner[S_L::id_player].surovina[S_L::drevo].mam, drevo);
    po_bitke();
}

TEST_F(Bitka, TheTownFallsAndLosesAThirdOfItsStores) {
    const S_bojove_mesto m = postav_bojove_mesto(Armada::slaba);
    int krokov = 0, drevo = 0;
    const std::string log = odohraj(krokov, drevo);
    EXPECT_NE(log.find("obranca nema armadu a utocnik vie sa dostat k hlavnej budove "), std::string::npos);
    EXPECT_NE(log.find("NEPRIATEL VYHRAL"), std::string::npos);
    EXPECT_GT(krokov, 10);
    EXPECT_TRUE(strategy.vojenska_skupina[m.skupiny[0]].dead_status);
    EXPECT_EQ(strategy.id_owner[S_L::id_player].surovina[S_L::drevo].mam, drevo - drevo / 3);
    po_bitke();
}

}  // namespace
