// Recruiting at the barracks: the checks before anything is taken, the armour grades, the new
// group standing at its recruitment point at once, the barracks count, and refilling a group.
#include <gtest/gtest.h>

#include "war_town.h"

using namespace war_town;

namespace {

class Recruit : public ::testing::Test {
protected:
    int kasaren = -1;
    void SetUp() override {
        ::testing::internal::CaptureStdout();
        kasaren = vojnova_hra();
    }
    void TearDown() override { ::testing::internal::GetCapturedStdout(); }
    // Runs f and returns what it printed.
    template <class F>
    static std::string vystup(F f) {
        ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        f();
        std::string text = ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        return text;
    }
};

TEST_F(Recruit, TakesExactlyTheArmsOrNothingAndStandsAtItsPointAtOnce) {
    S_owner& h = hrac();
    const int volni = h.bez_prace_last_id;
    h.surovina[S_L::kopija].mam = 19;
    EXPECT_FALSE(strategy.regrutuj(20, S_L::kopija, S_L::kozenne_brnenie, -1, true));
    h.surovina[S_L::kopija].mam = 20;
    h.surovina[S_L::kozenne_brnenie].mam = 19;
    EXPECT_FALSE(strategy.regrutuj(20, S_L::kopija, S_L::kozenne_brnenie, -1, true));
    EXPECT_FALSE(strategy.regrutuj(volni + 1, S_L::kopija, -1, -1, true));
    EXPECT_TRUE(h.bez_prace_last_id == volni && h.skupina_last_id == 0 && h.pocet_vojakov == 0);

    h.surovina[S_L::kozenne_brnenie].mam = 20;
    ASSERT_TRUE(strategy.regrutuj(20, S_L::kopija, S_L::kozenne_brnenie, -1, true));
    EXPECT_TRUE(h.surovina[S_L::kopija].mam == 0 && h.surovina[S_L::kozenne_brnenie].mam == 0);
    const int g = posledna_skupina();
    const auto& s = sk(g);
    // Slot 0's point lies inside the barracks; the group's object stands there now, its men round it.
    EXPECT_TRUE(s.x == KX - 2 && s.y == KY - 2 && s.go_to_x == s.x && !s.moved);
    EXPECT_EQ(strategy.point_id_of_objekt(s.x, s.y), s.objekt_id);
    EXPECT_EQ(strategy.objekt[s.objekt_id].co_to_je, S_L::id_vojensky_objekt);
    EXPECT_TRUE(s.xf == s.x && s.yf == s.y);
    for (int k = 0; k < 20; ++k) {
        EXPECT_FLOAT_EQ(clen(g, k).x, s.x + clen(g, k).formation_x) << k;
        EXPECT_FLOAT_EQ(clen(g, k).y, s.y + clen(g, k).formation_y) << k;
    }
    EXPECT_EQ(strategy.objekt[kasaren].je_ludi, 20);
    EXPECT_EQ(prepocet(), "");
    // Health in percent of the listed men; a group listing nobody has none.
    EXPECT_EQ(strategy.return_vojenska_skupina_percenta_zdravie(g), 100);
    sk(g).dead = 5;
    EXPECT_EQ(strategy.return_vojenska_skupina_percenta_zdravie(g), 75);
    sk(g).zoznam_vojakov_last_id = sk(g).dead = 0;
    EXPECT_EQ(strategy.return_vojenska_skupina_percenta_zdravie(g), 0);
}

TEST_F(Recruit, BarracksButtonsRecruitItsLevelTimesTenWithTheirArmourGrade) {
    const int brnenie[] = {-1, S_L::kozenne_brnenie, S_L::lahke_brnenie, S_L::tazke_brnenie, -1};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(strategy.regrutujKopijnikov(i == 4 ? 7 : i)) << i;
        const int g = posledna_skupina();
        EXPECT_EQ(sk(g).zoznam_vojakov_last_id, 10);
        EXPECT_EQ(clen(g, 9).brnenie, brnenie[i]) << i;
        EXPECT_EQ(sk(g).zbroj, brnenie[i]);
        // Each slot has its own point.
        EXPECT_TRUE(sk(g).x == hrac().vojenska_skupina[i].x && sk(g).y == hrac().vojenska_skupina[i].y) << i;
    }
    EXPECT_TRUE(strategy.regrutujSermiarov(0) && strategy.regrutujLukostrelcov(3));
    EXPECT_STREQ(strategy.vojenska_skupina_meno(posledna_skupina()), "lukostrelci");
    EXPECT_EQ(hrac().pocet_kopijnikov, 50);
    EXPECT_EQ(prepocet(), "");

    // Without a barracks nobody is recruited, and no empty group is raised.
    strategy.KASAREN_ID = -1;
    const int slotov = hrac().skupina_last_id;
    EXPECT_FALSE(strategy.regrutujSermiarov(0) || strategy.regrutujBaranidlo());
    EXPECT_EQ(hrac().skupina_last_id, slotov);
}

TEST_F(Recruit, RefillFillsPlacesBeyondTheListAndHolesWithArmedMenWithoutArmour) {
    S_owner& h = hrac();
    // Raised with five places more than there were free men.
    const int volni = h.bez_prace_last_id, n = volni + 5;
    strategy.vojenska_skupina_vytvor_pocet = n;
    const int g = strategy.vytvor_vojensku_skupinu(S_L::mec, S_L::tazke_brnenie, -1);
    strategy.presun_vojensku_skupinu_na(g, h.vojenska_skupina[0].x, h.vojenska_skupina[0].y, 0);
    EXPECT_EQ(strategy.vojenska_skupina_volne_miesta(g), 5);
    for (int i = 0; i < 5; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20, 100);
    const int mece = h.surovina[S_L::mec].mam, tazke = h.surovina[S_L::tazke_brnenie].mam;
    std::string text = vystup([&] { strategy.vojenska_skupina_dopln(g); });
    EXPECT_EQ(vyskyty(text, "pridany clovek "), 5);
    EXPECT_NE(text.find("doplnovanie chyba 5 \nzacinam doplnovanie pre skupinu 0\n"), std::string::npos) << text;
    EXPECT_NE(text.find("koncim doplnovanie last clen " + std::to_string(n) + "\n"), std::string::npos);
    EXPECT_TRUE(sk(g).zoznam_vojakov_last_id == n && sk(g).dead == 0);
    EXPECT_TRUE(h.surovina[S_L::mec].mam == mece - 5 && h.surovina[S_L::tazke_brnenie].mam == tazke);
    for (int k = volni; k < n; ++k) {
        EXPECT_TRUE(clen(g, k).zbran == S_L::mec && clen(g, k).brnenie == -1 && clen(g, k).skupina == g) << k;
        EXPECT_FLOAT_EQ(clen(g, k).x, sk(g).x + clen(g, k).formation_x);
    }
    EXPECT_EQ(strategy.objekt[kasaren].je_ludi, n);
    EXPECT_EQ(prepocet(), "");

    // A fallen man buried after a battle leaves a hole counted in `dead`; the refill fills it.
    const int padly = sk(g).zoznam_vojakov[3];
    sk(g).zoznam_vojakov[3] = -1;
    sk(g).dead = 1;
    strategy.clovek[padly].skupina = -1;
    strategy.clovek_DIE(padly);
    EXPECT_EQ(prepocet(), "");
    strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20, 100);
    text = vystup([&] { strategy.vojenska_skupina_dopln(g); });
    EXPECT_EQ(vyskyty(text, "pridany clovek "), 1);
    EXPECT_TRUE(sk(g).zoznam_vojakov[3] != -1 && sk(g).dead == 0 && sk(g).zoznam_vojakov_last_id == n);
    EXPECT_EQ(prepocet(), "");
}

TEST_F(Recruit, RefillRefusals) {
    S_owner& h = hrac();
    ASSERT_TRUE(strategy.regrutujSermiarov(0));
    const int g = posledna_skupina();
    EXPECT_EQ(vystup([&] { strategy.vojenska_skupina_dopln(g); }), "doplnovanie chyba 0 FALSE\n");
    EXPECT_EQ(vystup([&] { strategy.vojenska_skupina_dopln(-1); }), "doplnovanie zla skupina -1\n");
    sk(g).max = 14;
    const int volni = h.bez_prace_last_id;
    h.bez_prace_last_id = 3;
    EXPECT_EQ(vystup([&] { strategy.vojenska_skupina_dopln(g); }), "doplnovanie chyba 4 \ndoplnovanie nedostatokludi");
    h.bez_prace_last_id = volni;
    h.surovina[S_L::mec].mam = 3;
    EXPECT_EQ(vystup([&] { strategy.vojenska_skupina_dopln(g); }), "doplnovanie chyba 4 \ndoplnovanie nedostatok surovin");
    EXPECT_EQ(sk(g).zoznam_vojakov_last_id, 10);
    // A destroyed group still listing its fallen takes nobody: the burial would kill them.
    h.surovina[S_L::mec].mam = 100;
    sk(g).dead_status = true;
    EXPECT_EQ(vystup([&] { strategy.vojenska_skupina_dopln(g); }), "doplnovanie zla skupina 0\n");
    EXPECT_EQ(sk(g).zoznam_vojakov_last_id, 10);
}

}  // namespace
