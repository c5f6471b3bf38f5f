// A whole attack played through the real step driver with a fake clock: the walled town of rank 3
// reaches 1 December of year 5, the attack starts and switches the speed, battle steps run at
// 0.01 until the battle ends, the fallen are buried, the groups stand on their anchors again and
// the days run on at speed 1.0. Once defended, once lost with the stores plundered; the books
// balance after every battle step and every month end.
#include <gtest/gtest.h>

#include "../battle_town.h"
#include "../krokovanie.h"
#include "test_world.h"

using namespace battle_town;
using krokovanie::krok;

namespace {

class Bitka : public Potichu {
protected:
    void TearDown() override {
        game_hooks = {nullptr, nullptr, nullptr};
        Potichu::TearDown();
    }

    // Plays the attack on the town through the step driver; the battle's steps and the wood in
    // the stores when it started.
    static void odohraj(int& krokov_bitky, int& drevo_na_zaciatku) {
        // The town on the eve: a large city whose open gate joins it to the country, its towers
        // manned.
        EXPECT_TRUE(hrac().privilegia_id == S_L::PRIV_velke_mesto && hrac().veza_last_id == POCET_VIEZ &&
                    hrac().veza[4].pocet == 10);
        EXPECT_TRUE(strategy.point[100][100].zona == 0 && strategy.last_error_active == -1);
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
        krokovanie::spusti();
        // The last day of November: one day step reaches 1 December, whose checks start the
        // attack and ask for normal speed.
        krok();
        EXPECT_TRUE(strategy.time.den == 1 && strategy.time.mesiac == S_L::M_december && strategy.time.rok == 5);
        EXPECT_TRUE(strategy.je_vojna && zrychlenie == 1.0f && !cas_mesiace);
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
        drevo_na_zaciatku = hrac().surovina[S_L::drevo].mam;
        for (krokov_bitky = 0; strategy.je_vojna && krokov_bitky < 20000;) {
            krok();
            ++krokov_bitky;
            EXPECT_EQ(zrychlenie, 0.01f);
            const std::string k = strategy.prepocitaj_vsetko();
            ASSERT_EQ(k, "") << "battle step " << krokov_bitky;
            ASSERT_TRUE(strategy.time.den == 1 && strategy.time.mesiac == S_L::M_december)
                << "a day passed in battle step " << krokov_bitky;
        }
        EXPECT_FALSE(strategy.je_vojna) << "the battle did not end in " << krokov_bitky << " steps";
        EXPECT_GT(krokov_bitky, 10);
    }

    // After the battle: nobody fallen is left unburied, every group stands on its anchor tile, and
    // the days run again at speed 1.0 with the books balancing at every month end.
    static void po_bitke() {
        for (int c = 0; c < S_L::MAX_CLOVEK; ++c)
            ASSERT_TRUE(cl(c).pohlavie == -1 || !cl(c).vojak || cl(c).zdravie >= 1) << c;
        for (int g = 0; g < strategy.vojenska_skupina_last_id; ++g) {
            const auto& s = sk(g);
            if (s.dead_status) {
                EXPECT_TRUE(s.zoznam_vojakov_last_id == 0 && s.objekt_id == -1) << g;
                continue;
            }
            EXPECT_TRUE(s.xf == s.x && s.yf == s.y) << g;
            // The enemy has no barracks: all its groups were raised on the same point (0, 0),
            // where only the last one's object stands.
            EXPECT_TRUE(s.vlastnik != S_L::id_player || strategy.point_id_of_objekt(s.x, s.y) == s.objekt_id) << g;
            for (int k = 0; k < s.zoznam_vojakov_last_id; ++k) {
                if (s.zoznam_vojakov[k] == -1) continue;
                EXPECT_FLOAT_EQ(clen(g, k).x, s.x + clen(g, k).formation_x) << g << " " << k;
                EXPECT_FLOAT_EQ(clen(g, k).y, s.y + clen(g, k).formation_y) << g << " " << k;
            }
        }
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "");
        krok();
        EXPECT_TRUE(strategy.time.den == 2 && strategy.time.mesiac == S_L::M_december && zrychlenie == 1.0f);
        // Through the year's end with the month ends' checks.
        while (strategy.time.rok == 5) {
            krok();
            ASSERT_FALSE(strategy.je_vojna);
            ASSERT_EQ(strategy.time.den == 1 ? strategy.prepocitaj_vsetko() : "", "") << strategy.time.mesiac;
        }
        EXPECT_TRUE(strategy.time.den == 1 && strategy.time.mesiac == S_L::M_januar);
    }
};

TEST_F(Bitka, TheTownIsDefendedAndItsStoresKept) {
    postav_bojove_mesto(Armada::silna);
    int krokov = 0, drevo = 0;
    odohraj(krokov, drevo);
    EXPECT_EQ(strategy.return_posledna_bitka().vitaz, S_L::id_player);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(sk(strategy.id_owner[S_L::id_nepriatel].skupina[i]).dead_status);
    EXPECT_EQ(hrac().surovina[S_L::drevo].mam, drevo);
    po_bitke();
}

TEST_F(Bitka, TheTownFallsAndLosesAThirdOfItsStores) {
    const S_bojove_mesto m = postav_bojove_mesto(Armada::slaba);
    int krokov = 0, drevo = 0;
    odohraj(krokov, drevo);
    const auto& v = strategy.return_posledna_bitka();
    EXPECT_TRUE(v.vitaz == S_L::id_nepriatel && !v.uviazla) << "beaten in the fight";
    EXPECT_TRUE(sk(m.skupiny[0]).dead_status);
    EXPECT_EQ(hrac().surovina[S_L::drevo].mam, drevo - drevo / 3);
    po_bitke();
}

}  // namespace
