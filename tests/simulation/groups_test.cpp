// Military groups: raising and arming from the men without work, the limits per owner and for
// the world, revived rows, formations, removing soldiers, recruitment points and group queries.
#include <gtest/gtest.h>

#include "Formations.h"
#include "test_world.h"

namespace {

class Groups : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        nova_hra();
    }
    void TearDown() override {
        strategy.vojenska_skupina_vytvor_pocet = 10, strategy.KASAREN_ID = -1;
        Potichu::TearDown();
    }
    // A group of `n` places for the current owner.
    static int skupina(int n, int zbran = S_L::mec, int zbroj = -1, int stroj = -1) {
        strategy.vojenska_skupina_vytvor_pocet = n;
        return strategy.vytvor_vojensku_skupinu(zbran, zbroj, stroj);
    }
};

TEST_F(Groups, RaisingTakesJoblessMenArmsThemAndPlacesThemInLine) {
    S_owner& h = hrac();
    const int volni = h.bez_prace_last_id;
    ASSERT_GE(volni, 4);
    h.surovina[S_L::kopija].mam = h.surovina[S_L::kozenne_brnenie].mam = 10;
    const int kasaren = strategy.KASAREN_ID = postav(100, 120, S_L::kasaren, 1);
    const int ludia_pred = strategy.objekt[kasaren].je_ludi;
    const int g = skupina(4, S_L::kopija, S_L::kozenne_brnenie);
    ASSERT_GE(g, 0);
    const auto& s = strategy.vojenska_skupina[g];
    EXPECT_STREQ(s.nazov, "kopijnici");
    EXPECT_TRUE(s.zoznam_vojakov_last_id == 4 && s.max == 4);
    EXPECT_EQ(h.bez_prace_last_id, volni - 4);
    EXPECT_TRUE(h.surovina[S_L::kopija].mam == 6 && h.surovina[S_L::kozenne_brnenie].mam == 6);
    EXPECT_TRUE(h.pocet_kopijnikov == 4 && h.pocet_vojakov == 4 && h.pocet_sermiarov == 0);
    EXPECT_EQ(strategy.objekt[kasaren].je_ludi, ludia_pred + 4);
    const float rad[] = {0.0f, 0.08f, 0.0f, -0.08f};
    for (int k = 0; k < 4; ++k) {
        const auto& c = strategy.clovek[s.zoznam_vojakov[k]];
        EXPECT_TRUE(c.vojak && c.skupina == g && c.zbran == S_L::kopija && c.objekt_v_ktorom_pracuje == kasaren);
        EXPECT_FLOAT_EQ(c.formation_x, rad[k]) << k;
        EXPECT_EQ(c.formation_y, 0.0f);
    }
    EXPECT_FALSE(s.range_attack);
    // More places than men: a smaller group, its places kept.
    const int zvysok = h.bez_prace_last_id;
    const auto& s2 = strategy.vojenska_skupina[skupina(zvysok + 5, S_L::luk)];
    EXPECT_EQ(s2.zoznam_vojakov_last_id + 5, s2.max);
    EXPECT_EQ(s2.max, zvysok + 5);
    EXPECT_TRUE(s2.range_attack && s2.range_of_attack == S_L::RA_luk);
}

TEST_F(Groups, LimitsPerOwnerAndWorldAndRevivedRows) {
    const int luky = skupina(0, S_L::luk);
    for (int i = 1; i < 10; ++i) ASSERT_GE(skupina(0), 0);
    EXPECT_EQ(skupina(0), -1) << "ten groups an owner";
    EXPECT_TRUE(hrac().skupina_last_id == 10 && strategy.vojenska_skupina_last_id == 10);
    // A destroyed group's row and slot come back, as a new kind of group.
    strategy.vojenska_skupina[luky].dead_status = true;
    hrac().pocet_skupin -= 1;
    EXPECT_EQ(skupina(0), luky);
    EXPECT_EQ(strategy.vojenska_skupina_last_id, 10);
    EXPECT_FALSE(strategy.vojenska_skupina[luky].range_attack);
    EXPECT_STREQ(strategy.vojenska_skupina[luky].nazov, "sermiari");
    // With every one of the 31 rows taken, an owner with free slots is refused too.
    strategy.vojenska_skupina_last_id = 31;
    strategy.set_owner(S_L::id_nepriatel);
    EXPECT_EQ(skupina(0), -1);
    EXPECT_EQ(strategy.id_owner[S_L::id_nepriatel].skupina_last_id, 0);
    strategy.vojenska_skupina_last_id = 30;
    EXPECT_EQ(skupina(0), 30);
    strategy.set_owner(S_L::id_player);
}

TEST_F(Groups, RamCrewStandsInTwoFiles) {
    strategy.set_owner(S_L::id_nepriatel);
    const int g = skupina(0, -1, -1, S_L::VS_baranidlo);
    strategy.set_owner(S_L::id_player);
    ASSERT_GE(g, 0);
    EXPECT_STREQ(strategy.vojenska_skupina[g].nazov, "baranidlo");
    EXPECT_EQ(strategy.vojenska_skupina[g].max, strategy.vojenske_stroje[S_L::VS_baranidlo].obsluha);

    C_Formations f;
    EXPECT_FALSE(f.next_soldier());  // no size yet
    EXPECT_FALSE(f.set_formation(2) || f.set_number_of_soldiers(0));
    EXPECT_TRUE(f.set_formation(C_Formations::formation_baranidlo) && f.set_number_of_soldiers(10));
    for (int c = 1; c <= 10; ++c) {
        ASSERT_TRUE(f.next_soldier());
        EXPECT_FLOAT_EQ(f.get_x(), c % 2 ? 0.18f : -0.18f);
        EXPECT_FLOAT_EQ(f.get_z(), c <= 5 ? (c - 1) * 0.08f : -(c - 6) * 0.08f) << c;
    }
    EXPECT_TRUE(f.next_soldier());  // one place past the size, then no more
    EXPECT_FALSE(f.next_soldier());
    f.reset();
    EXPECT_TRUE(f.counter == 0 && f.number == 10 && f.form == C_Formations::formation_baranidlo);
}

TEST_F(Groups, RemovingASoldierKeepsTheListCompactEvenWhenFull) {
    const int g = skupina(0);
    auto& s = strategy.vojenska_skupina[g];
    for (int k = 0; k < 100; ++k) {  // a full group, made directly: the town has not 100 men
        s.zoznam_vojakov[k] = 1000 + k;
        strategy.clovek[1000 + k].vlastnik = S_L::id_player;
    }
    s.zoznam_vojakov_last_id = 100;
    strategy.KASAREN_ID = postav(100, 120, S_L::kasaren, 1);
    strategy.objekt[strategy.KASAREN_ID].je_ludi = 1;
    for (int k = 0; k < 100; ++k) strategy.clovek[1000 + k].objekt_v_ktorom_pracuje = strategy.KASAREN_ID;
    EXPECT_TRUE(strategy.odober_vojaka_z_vojenskej_skupiny(1040, g));
    EXPECT_EQ(s.zoznam_vojakov_last_id, 99);
    EXPECT_TRUE(s.zoznam_vojakov[40] == 1041 && s.zoznam_vojakov[98] == 1099);
    EXPECT_EQ(strategy.objekt[strategy.KASAREN_ID].je_ludi, 0);
    EXPECT_EQ(strategy.clovek[1040].objekt_v_ktorom_pracuje, -1);  // he left the barracks
    EXPECT_TRUE(strategy.odober_vojaka_z_vojenskej_skupiny(1099, g));
    EXPECT_EQ(strategy.objekt[strategy.KASAREN_ID].je_ludi, 0);  // never below zero
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(1040, g));  // no longer listed
    strategy.clovek[1000].vlastnik = S_L::id_nepriatel;
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(1000, g));  // another owner's man
    EXPECT_FALSE(strategy.odober_vojaka_z_vojenskej_skupiny(1001, strategy.vojenska_skupina_last_id));
}

TEST_F(Groups, RecruitmentPointsTileQueriesAndMarkers) {
    strategy.add_regrutovacie_body_pre_vojenske_skupiny(50, 60);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(hrac().vojenska_skupina[i].x == 48 + i % 5 && hrac().vojenska_skupina[i].y == 58 + i / 5) << i;

    const int g = skupina(0);
    auto& s = strategy.vojenska_skupina[g];
    const int o = strategy.odober_volny_objekt();  // the group's object, met on its second tile
    strategy.objekt[o].co_to_je = S_L::id_vojensky_objekt, strategy.objekt[o].id = g;
    strategy.point[71][70] = {o, S_L::sekundarne_id_hlavne, 0, 0};
    s.zoznam_vojakov_last_id = 3, s.dead = 1;
    EXPECT_TRUE(strategy.je_vojenska_skupina(o) && strategy.je_vojenska_skupina(71, 70));
    EXPECT_TRUE(strategy.return_vojenska_skupina_id(71, 70) == g && strategy.return_vojenska_skupina_id(72, 70) == -1);
    s.dead = 3;  // nobody alive on the tile
    EXPECT_FALSE(strategy.je_vojenska_skupina(71, 70));
    s.dead_status = true;
    EXPECT_FALSE(strategy.je_vojenska_skupina(o) || strategy.je_vojenska_skupina(-1));
    s.zoznam_vojakov[0] = -1;  // a hole is not alive
    EXPECT_EQ(strategy.return_vojenska_skupina_clen_alive(g, 0), 0.0f);
    strategy.point[71][70] = {-1, -1, 0, 0};
    strategy.odstran_objekt(o);

    // Markers: a foreign group only while fighting; the player's selected group wins.
    auto vip = [&](int vl, bool boj, int utok, int oznacena) {
        s.vlastnik = vl, s.personal_fights = boj, s.utoci_na_objekt = utok;
        return strategy.return_vojenska_skupina_VIP(g, oznacena);
    };
    const int vl = S_L::id_player, cudzi = S_L::id_nepriatel;
    EXPECT_EQ((std::vector<int>{vip(cudzi, false, -1, g), vip(cudzi, true, -1, -1), vip(cudzi, false, 12, -1),
                                vip(vl, false, -1, -1), vip(vl, true, -1, -1), vip(vl, false, 7, -1), vip(vl, true, 7, g)}),
              (std::vector<int>{-1, 3, 3, 0, 1, 1, 2}));  // the kinds by their numbers
    EXPECT_TRUE(strategy.vojenska_skupina_owned(g));
}

}  // namespace
