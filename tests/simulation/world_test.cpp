// The world's bookkeeping: the id pools, the owner rule, cell lookups, rounding, random numbers,
// the information list and the construction error state.
#include <string>
#include <vector>

#include "test_world.h"

namespace {

class World : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        strategy.Restart_Game();
    }
};

TEST_F(World, ObjectPoolHandsOutAscendingReusesTheLastFreedFirstAndRefusesOverfill) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(strategy.odober_volny_objekt(), i);
    EXPECT_TRUE(strategy.pridaj_volny_objekt(1));
    EXPECT_EQ(strategy.odober_volny_objekt(), 1);
    EXPECT_TRUE(strategy.odober_volny_objekt() == 3 && strategy.objekt_hwm == 4);
    EXPECT_FALSE(strategy.pridaj_volny_objekt(-1) || strategy.pridaj_volny_objekt(40001));

    // A removed object frees its cell and gives its id back.
    const int o = strategy.odober_volny_objekt();
    strategy.objekt[o] = {S_L::id_budova, S_L::dom, S_L::id_player, 90.0f, 2, 3, 100, true, 0, {}};
    strategy.point[7][8] = {S_L::sekundarne_id_hlavne, o, S_L::P_trava, 0};
    EXPECT_TRUE(strategy.odstran_objekt(o, 7, 8));
    EXPECT_TRUE(strategy.objekt[o].co_to_je == -1 && strategy.objekt[o].level == -1);
    EXPECT_TRUE(strategy.point[7][8].id_objektu == -1 && strategy.point[7][8].id_sekundarne == -1);
    EXPECT_FALSE(strategy.odstran_objekt(-1) || strategy.odstran_objekt(40001, 1, 1));

    // Exhausted it gives none; refilled to the brim it holds 40 001 ids and refuses one more.
    for (int i = o; i < S_L::MAX_OBJECTS; ++i) ASSERT_EQ(strategy.odober_volny_objekt(), i);
    EXPECT_TRUE(strategy.odober_volny_objekt() == S_L::nic &&
                strategy.objekt_hwm == S_L::MAX_OBJECTS);
    for (int i = 0; i < S_L::MAX_OBJECTS; ++i) ASSERT_TRUE(strategy.pridaj_volny_objekt(i));
    EXPECT_FALSE(strategy.pridaj_volny_objekt(5));
}

TEST_F(World, PersonPoolAndOwnerRule) {
    EXPECT_EQ(strategy.vrat_volne_id_clovek(), 0);
    EXPECT_EQ(strategy.vrat_volne_id_clovek(), 1);
    while (strategy.vrat_volne_id_clovek() != -1) {
    }
    EXPECT_EQ(strategy.clovek_hwm, S_L::MAX_CLOVEK);
    strategy.pridaj_volne_id_clovek(7);
    EXPECT_EQ(strategy.vrat_volne_id_clovek(), 7);
    EXPECT_EQ(strategy.vrat_volne_id_clovek(), -1);
    strategy.pridaj_volne_id_clovek(40001);  // an id outside the table never enters the pool
    EXPECT_EQ(strategy.vrat_volne_id_clovek(), -1);

    EXPECT_TRUE(strategy.set_owner(S_L::id_nepriatel) && strategy.owner == S_L::id_nepriatel);
    EXPECT_TRUE(!strategy.set_owner(3) && strategy.owner == S_L::id_nikto);
    strategy.check_player_id();
    EXPECT_EQ(strategy.owner, S_L::id_player);
}

TEST_F(World, CellLookupsFollowTheAnchorAndSecondaryConvention) {
    const int o = strategy.odober_volny_objekt();
    strategy.objekt[o].co_to_je = S_L::id_budova, strategy.objekt[o].id = S_L::kasaren;
    strategy.objekt[o].rot = 270.0f;
    strategy.point[10][10] = {S_L::sekundarne_id_hlavne, o, 0, 0};
    strategy.point[11][10] = {o, S_L::sekundarne_id_hlavne, 0, 0};

    EXPECT_TRUE(strategy.point_id_of_objekt(10, 10) == o &&
                strategy.point_id_of_objekt(11, 10) == o);
    EXPECT_TRUE(strategy.point_id_of_objekt_not_second(10, 10) == o &&
                strategy.point_id_of_objekt_not_second(11, 10) == -1);
    EXPECT_EQ(strategy.point_id_of_objekt(12, 10), -1);
    EXPECT_TRUE(strategy.je_budova(11, 10) && !strategy.je_budova_nie_sekundarne(11, 10));
    EXPECT_TRUE(strategy.je_budova_nie_sekundarne(10, 10));
    EXPECT_TRUE(strategy.return_rotation(11, 10) == 270.0f &&
                strategy.return_rotation(50, 50) == 0.0f);
    EXPECT_EQ(strategy.get_object(10.6f, 9.6f), o);
    // -3 stands for the placement cell's secondary id.
    strategy.x = 11, strategy.y = 10;
    EXPECT_TRUE(strategy.je_budova(S_L::sekundarne_id_hlavne) && !strategy.je_budova(-1));
    // Off the map and out of the tables: nothing.
    EXPECT_TRUE(strategy.return_typ_podkladu(200, 5) == -1 &&
                strategy.return_typ_podkladu(-1, 5) == -1);
    EXPECT_EQ(strategy.return_typ_podkladu(199, 199), S_L::P_trava);
    EXPECT_EQ(std::string(strategy.objekt_meno(40001)) + strategy.point_meno(150, 150), "nullnull");
}

TEST(WorldGeometry, RoundingAndBounds) {
    // A position rounds to its cell, a half down, and stays on the map.
    for (auto [v, bunka] :
         {std::pair{3.5f, 3.0f}, {3.51f, 4.0f}, {0.2f, 0.0f}, {-0.7f, 0.0f}, {199.9f, 200.0f}}) {
        float w = 0;
        strategy.find_point(v, w);
        EXPECT_EQ(v, bunka);
    }
    EXPECT_TRUE(strategy.is_in_object(1.0f, 2.0f, 1.0f, 0.0f, 3.0f, 2.0f));
    EXPECT_FALSE(strategy.is_in_object(3.01f, 2.0f, 1.0f, 0.0f, 3.0f, 2.0f));
}

TEST(WorldRandom, StaysInRangeAndIsUniform) {
    // Every value of a small range turns up about equally often, and so does every value of a
    // range whose length does not divide 32768 (0 … 100 has 101).
    std::vector<int> tri(3, 0), sto(101, 0);
    for (int i = 0; i < 90000; ++i) ++tri.at(strategy.random(0, 2));
    for (int p : tri) EXPECT_NEAR(p, 30000, 900);
    for (int i = 0; i < 202000; ++i) ++sto.at(strategy.random(0, 100));
    for (int p : sto) EXPECT_NEAR(p, 2000, 250);
    EXPECT_EQ(strategy.random(5, 5), 5);
    for (int i = 0; i < 1000; ++i) {
        const int r = strategy.random(0, 32767);
        ASSERT_TRUE(r >= 0 && r <= 32767) << r;
    }
}

TEST_F(World, InformationListDropsEntriesWhenFullAndAnErrorIsReportedOnce) {
    for (int i = 0; i < S_L::MAX_INFORMATION + 5; ++i)
        strategy.add_information(S_L::I_sklady_su_plne, "sklad");
    EXPECT_EQ(strategy.informacie_last_integer, S_L::MAX_INFORMATION - 1);
    strategy.refresh_informacia_taken();
    EXPECT_EQ(strategy.given_information, 0);

    EXPECT_FALSE(strategy.bol_error());
    strategy.last_error_active = S_L::E_malo_surovin_na_stavbu;
    strategy.last_error_active = S_L::E_neda_sa_tam_stavat;  // a later failure overwrites
    EXPECT_TRUE(strategy.bol_error());
    EXPECT_STREQ(strategy.return_error(), "V stavani brani ina budova alebo teren");
    EXPECT_STREQ(strategy.return_error(), "-");
    EXPECT_FALSE(strategy.bol_error());
}

}  // namespace
