// Military groups: raising and arming from the men without work, the limits per owner and for
// the world, revived rows, formations, removing soldiers, recruitment points and group queries.
#include <gtest/gtest.h>

#include "Formations.h"
#include "people_town.h"

using namespace people_town;

namespace {

class Groups : public ::testing::Test {
protected:
    void SetUp() override {
        ::testing::internal::CaptureStdout();
        nova_hra();
    }
    void TearDown() override {
        ::testing::internal::GetCapturedStdout();
        strategy.vojenska_skupina_vytvor_pocet = 10;
        strategy.KASAREN_ID = -1;
    }
    // A group of `pocet` men (0 for an empty group) for the current owner.
    int skupina(int pocet, int zbran = S_L::mec, int zbroj = -1, int stroj = -1) {
        strategy.vojenska_skupina_vytvor_pocet = pocet;
        return strategy.vytvor_vojensku_skupinu(zbran, zbroj, stroj);
    }
};

TEST_F(Groups, RaisingTakesJoblessMenArmsThemAndPlacesThemInLine) {
    S_owner& h = hrac();
    const int volni = h.bez_prace_last_id;
    ASSERT_GE(volni, 4);
    h.surovina[S_L::kopija].mam = 10;
    h.surovina[S_L::kozenne_brnenie].mam = 10;
    const int kasaren = postav(100, 120, S_L::kasaren, 1);
    strategy.KASAREN_ID = kasaren;
    const int ludia_pred = strategy.objekt[kasaren].je_ludi;

    const int g = skupina(4, S_L::kopija, S_L::kozenne_brnenie);
    ASSERT_GE(g, 0);
    const auto& s = strategy.vojenska_skupina[g];
    EXPECT_STREQ(s.nazov, "kopijnici");
    EXPECT_EQ(s.zoznam_vojakov_last_id, 4);
    EXPECT_EQ(s.max, 4);
    EXPECT_EQ(h.bez_prace_last_id, volni - 4);
    EXPECT_EQ(h.surovina[S_L::kopija].mam, 6);
    EXPECT_EQ(h.surovina[S_L::kozenne_brnenie].mam, 6);
    EXPECT_EQ(h.pocet_kopijnikov, 4);
    EXPECT_EQ(strategy.objekt[kasaren].je_ludi, ludia_pred + 4);
    const float rad[] = {0.0f, 0.08f, 0.0f, -0.08f};
    for (int k = 0; k < 4; ++k) {
        const auto& c = strategy.clovek[s.zoznam_vojakov[k]];
        EXPECT_TRUE(c.vojak);
        EXPECT_EQ(c.skupina, g);
        EXPECT_EQ(c.zbran, S_L::kopija);
        EXPECT_EQ(c.objekt_v_ktorom_pracuje, kasaren);
        EXPECT_FLOAT_EQ(c.formation_x, rad[k]) << k;
        EXPECT_FLOAT_EQ(c.formation_y, 0.0f);
    }
    EXPECT_FALSE(s.range_attack);

    // More places than men: a smaller group, its places kept.
    const int zvysok = h.bez_prace_last_id;
    const int g2 = skupina(zvysok + 5, S_L::luk);
    EXPECT_EQ(strategy.vojenska_skupina[g2].zoznam_vojakov_last_id, zvysok);
    EXPECT_EQ(strategy.vojenska_skupina[g2].max, zvysok + 5);
    EXPECT_TRUE(strategy.vojenska_skupina[g2].range_attack);
    EXPECT_EQ(strategy.vojenska_skupina[g2].range_of_attack, S_L::RA_luk);
}

TEST_F(Groups, LimitsPerOwnerAndWorldAndRevivedRows) {
    int prva_lukostrelci = skupina(0, S_L::luk);
    for (int i = 1; i < 10; ++i) ASSERT_GE(skupina(0), 0);
    EXPECT_EQ(hrac().pocet_skupin, 10);
    ::testing::internal::GetCapturedStdout();
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(skupina(0), -1);
    EXPECT_NE(::testing::internal::GetCapturedStdout().find(
                  "vytvaranie vojenskej skupiny : pocet skupin == MAX"),
              std::string::npos);
    ::testing::internal::CaptureStdout();

    // A destroyed group's row and slot come back, as a new kind of group.
    strategy.vojenska_skupina[prva_lukostrelci].dead_status = true;
    hrac().pocet_skupin -= 1;
    const int posledne = strategy.vojenska_skupina_last_id;
    EXPECT_EQ(skupina(0, S_L::mec), prva_lukostrelci);
    EXPECT_EQ(strategy.vojenska_skupina_last_id, posledne);
    EXPECT_FALSE(strategy.vojenska_skupina[prva_lukostrelci].range_attack);
    EXPECT_STREQ(strategy.vojenska_skupina[prva_lukostrelci].nazov, "sermiari");

    // The world holds 31 rows; with every row taken, an owner with free slots is refused too.
    strategy.set_owner(S_L::id_nepriatel);
    for (int i = 0; i < 10; ++i) ASSERT_GE(skupina(0), 0);
    EXPECT_EQ(strategy.vojenska_skupina_last_id, 20);
    strategy.vojenska_skupina_last_id = 31;
    strategy.set_owner(S_L::id_nikto);
    ::testing::internal::GetCapturedStdout();
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(skupina(0), -1);
    EXPECT_NE(::testing::internal::GetCapturedStdout().find(
                  "vytvorenie skupiny : MAX vojenskych skupin GLOBAL"),
              std::string::npos);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(strategy.id_owner[S_L::id_nikto].skupina_last_id, 0);
    strategy.set_owner(S_L::id_player);
}

TEST_F(Groups, RamCrewStandsInTwoFiles) {
    strategy.set_owner(S_L::id_nepriatel);
    const int g = skupina(0, -1, -1, S_L::VS_baranidlo);
    ASSERT_GE(g, 0);
    EXPECT_STREQ(strategy.vojenska_skupina[g].nazov, "baranidlo");
    EXPECT_EQ(strategy.vojenska_skupina[g].max, strategy.vojenske_stroje[S_L::VS_baranidlo].obsluha);
    strategy.set_owner(S_L::id_player);

    C_Formations f;
    EXPECT_FALSE(f.next_soldier());  // no size yet
    EXPECT_TRUE(f.set_formation(C_Formations::formation_baranidlo));
    EXPECT_FALSE(f.set_formation(2));
    EXPECT_FALSE(f.set_number_of_soldiers(0));
    EXPECT_TRUE(f.set_number_of_soldiers(10));
    for (int c = 1; c <= 10; ++c) {
        ASSERT_TRUE(f.next_soldier());
        EXPECT_FLOAT_EQ(f.get_x(), c % 2 ? 0.18f : -0.18f);
        EXPECT_FLOAT_EQ(f.get_z(), c <= 5 ? (c - 1) * 0.08f : -(c - 6) * 0.08f) << c;
    }
    f.next_soldier();
    EXPECT_FALSE(f.next_soldier());
    f.reset();
    EXPECT_EQ(f.counter, 0);
    EXPECT_EQ(f.number, 10);
}

TEST_F(Groups, RemovingASoldierKeepsTheListCompactEvenWhenFull) {
    const int g = skupina(0);
    auto& s = strategy.vojenska_skupina[g];
    // A full group of 100 (made directly: the town has not that many men).
    for (int k = 0; k < 100; ++k) {
        s.zoznam_vojakov[k] = 1000 + k;
        strategy.clovek[1000 + k].vlastnik = S_L::id_player;
    }
    s.zoznam_vojakov_last_id = 100;
    const int kasaren = postav(100, 120, S_L::kasaren, 1);
    strategy.KASAREN_ID = kasaren;
    strategy.objekt[kasaren].je_ludi = 1;

    EXPECT_TRUE(strategy.odober_vojaka_z_vojenskej_skupiny(1040, g));
    EXPECT_EQ(s.zoznam_vojakov_last_id, 99);
    EXPECT_EQ(s.zoznam_vojakov[40], 1041);
    EXPECT_EQ(s.zoznam_vojakov[98], 1099);
    EXPECT_EQ(strategy.objekt[kasaren].je_ludi, 0);
    EXPECT_TRUE(strategy.odober_vojaka_z_vojenskej_skupiny(1099, g));
    EXPECT_EQ(strategy.objekt[kasaren].je_ludi, 0);  // never below zero
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(1040, g));  // no longer listed
    strategy.clovek[1000].vlastnik = S_L::id_nepriatel;
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(1000, g));  // another owner's man
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(1001, strategy.vojenska_skupina_last_id));
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(-1, g));
}

TEST_F(Groups, RecruitmentPointsAndTileQueries) {
    strategy.add_regrutovacie_body_pre_vojenske_skupiny(50, 60);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(hrac().vojenska_skupina[i].x, 48 + i);
        EXPECT_EQ(hrac().vojenska_skupina[i].y, 58);
        EXPECT_EQ(hrac().vojenska_skupina[5 + i].x, 48 + i);
        EXPECT_EQ(hrac().vojenska_skupina[5 + i].y, 59);
    }

    const int g = skupina(0);
    auto& s = strategy.vojenska_skupina[g];
    const int o = strategy.odober_volny_objekt();
    strategy.objekt[o].co_to_je = S_L::id_vojensky_objekt;
    strategy.objekt[o].id = g;
    strategy.point[70][70] = {S_L::sekundarne_id_hlavne, o, 0, 0};
    strategy.point[71][70] = {o, S_L::sekundarne_id_hlavne, 0, 0};
    s.zoznam_vojakov_last_id = 3;
    s.dead = 1;
    EXPECT_TRUE(strategy.je_vojenska_skupina(o));
    EXPECT_TRUE(strategy.je_vojenska_skupina(70, 70));
    EXPECT_TRUE(strategy.je_vojenska_skupina(71, 70));
    EXPECT_EQ(strategy.return_vojenska_skupina_id(71, 70), g);
    s.dead = 3;  // nobody alive on the tile
    EXPECT_FALSE(strategy.je_vojenska_skupina(70, 70));
    s.dead_status = true;
    EXPECT_FALSE(strategy.je_vojenska_skupina(o));
    EXPECT_FALSE(strategy.je_vojenska_skupina(-1));
    EXPECT_EQ(strategy.return_vojenska_skupina_id(72, 70), -1);
    EXPECT_TRUE(strategy.vojenska_skupina_owned(g));

    // Member queries on a hole or past the list give nothing to draw.
    s.zoznam_vojakov[0] = -1;
    EXPECT_FLOAT_EQ(strategy.return_vojenska_skupina_clen_alive(g, 0), 0.0f);
    EXPECT_FLOAT_EQ(strategy.return_vojenska_skupina_clen_alive(g, 500), 0.0f);
    strategy.point[70][70] = strategy.point[71][70] = {-1, -1, 0, 0};
    strategy.odstran_objekt(o);
}

}  // namespace
