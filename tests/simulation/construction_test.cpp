// Placing, building up, upgrading and opening buildings, and the placement cursor.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "Game.h"
#include "Strategy_library.h"
#include "test_world.h"

using namespace Strategy_library;
using W = S_L;

namespace {

float g_hodiny_ms = 0.0f;
float falosne_hodiny() { return g_hodiny_ms; }

// Runs one pass of the game step in which exactly one day is due, and returns what it printed.
std::string jeden_tah() {
    game_hooks.hodiny_ms = falosne_hodiny;
    zrychlenie = 1.0f;
    cas_mesiace = false;
    my_time.time_stopped = false;
    my_time.time_last = 0.0f;
    g_hodiny_ms = 10000.0f;
    testing::internal::CaptureStdout();
    Game.Action();
    return testing::internal::GetCapturedStdout();
}

class Stavba : public SvetSHlavnouBudovou {
protected:
    // An empty world with the player's main building (object 0) at (100, 100), plenty of every
    // resource, and a date well inside a month.
    void SetUp() override {
        SvetSHlavnouBudovou::SetUp();
        for (int r = 1; r < W::last_surovina_id; ++r) hrac().surovina[r].mam = 100000;
        strategy.time = {5, W::M_marec, 1};
    }
    static S_owner& hrac() { return strategy.id_owner[W::id_player]; }
    // Chooses a type and a cell and gives the build order; returns what `postav` answers.
    static bool objednaj(int typ, int x, int y) {
        strategy.nastav_typ_budovy(typ);
        strategy.nastav_poziciu_stavanej_budovy(x, y);
        return strategy.postav();
    }
    static int postav(int typ, int x, int y) {
        EXPECT_FALSE(objednaj(typ, x, y));
        return strategy.point_id_of_objekt(x, y);
    }
    static int pridaj(int typ, int x, int y, int level = 1) {
        strategy.pridaj_budovu(x, y, typ, level);
        return strategy.point_id_of_objekt(x, y);
    }
};

}  // namespace

TEST_F(Stavba, EveryRefusalIsReportedByTheStep) {
    EXPECT_FALSE(objednaj(-1, 90, 90));
    EXPECT_EQ(jeden_tah(), "error : Budova ktoru chces postavit neexistuje \n");
    EXPECT_EQ(pridaj(W::last_building_integer, 70, 70), -1);
    EXPECT_EQ(pridaj(W::dom, 70, 70, 6), -1);
    EXPECT_EQ(strategy.last_error_active, W::E_zle_zadana_budova_na_stavanie);

    // An occupied cell keeps the player placing; so does a barracks whose 7 x 7 cells hold the
    // main building three cells off its anchor, or leave the map.
    EXPECT_TRUE(objednaj(W::dom, 100, 100));
    EXPECT_EQ(strategy.typ_budovy, W::dom);
    hrac().privilegia_id = W::PRIV_male_mesto;
    EXPECT_TRUE(objednaj(W::kasaren, 103, 97));
    EXPECT_TRUE(objednaj(W::kasaren, 198, 50));
    EXPECT_EQ(jeden_tah(), "error : V stavani brani ina budova alebo teren \n");
    hrac().privilegia_id = W::PRIV_ziadne;

    // One unit of wood short: the shortfall line, then the error; nothing is placed or taken.
    const int cena = strategy.treba_na_postavenie(W::dom, W::drevo);
    hrac().surovina[W::drevo].mam = cena - 1;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(objednaj(W::dom, 90, 90));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\npre budovu 5 nemam surovina id 1 pocet treba " + std::to_string(cena) +
                  " pocet mam " + std::to_string(cena - 1) + "\n");
    EXPECT_EQ(strategy.point_id_of_objekt(90, 90), -1);
    EXPECT_EQ(jeden_tah(), "error : Na postavenie tejto budovy nemas dost surovin \n");

    // With infinite sources the same order succeeds and takes nothing.
    strategy.infinite_sources = true;
    EXPECT_EQ(postav(W::dom, 90, 90), 1);
    EXPECT_EQ(hrac().surovina[W::drevo].mam, cena - 1);
    strategy.infinite_sources = false;

    while (strategy.odober_volny_objekt() != W::nic) {
    }
    hrac().surovina[W::drevo].mam = 1000;
    EXPECT_FALSE(objednaj(W::dom, 91, 91));
    EXPECT_EQ(hrac().surovina[W::drevo].mam, 1000);
    EXPECT_EQ(jeden_tah(), "error : Viac budov nie je mozne postavit \n");

    // A rank that forbids the type: only the console line, no error code.
    testing::internal::CaptureStdout();
    EXPECT_FALSE(objednaj(W::kasaren, 92, 92));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "nema privilegia pre stavanie kasaren\n");
    EXPECT_EQ(jeden_tah(), "");
}

TEST_F(Stavba, BuildersAdvanceBuildingsDayByDay) {
    // A farm (25 % a day at level 1) is finished on the fourth day.
    hrac().stavbari = 1;
    const int farma = postav(W::farma, 95, 95);
    for (int cakane : {26, 51, 76, 100}) {
        jeden_tah();
        EXPECT_EQ(strategy.objekt[farma].percenta, cakane);
    }
    EXPECT_EQ(strategy.AI[W::id_player].volne[W::farma], 1);

    // One builder: two of three houses advance a day, the lowest ids first.
    strategy.otoc_stavajucu_budovu();
    const int a = postav(W::dom, 96, 95), b = postav(W::dom, 97, 95), c = postav(W::dom, 98, 95);
    EXPECT_EQ(strategy.objekt[a].rot - strategy.objekt[b].rot, 90.0f) << "the cursor turns back";
    EXPECT_EQ(strategy.budova_postaveny_pocet(W::dom), 3);
    EXPECT_EQ(hrac().surovina[W::drevo].pouzite, 3 * strategy.treba_na_postavenie(W::dom, W::drevo));
    strategy.kontroluj_objekty();
    EXPECT_EQ(strategy.objekt[a].percenta, 2);
    EXPECT_EQ(strategy.objekt[b].percenta, 2);
    EXPECT_EQ(strategy.objekt[c].percenta, 1);
}

TEST_F(Stavba, UpgradeChargesTheNextLevelAndRestartsConstruction) {
    const int dom = pridaj(W::dom, 95, 95);
    const int cena = strategy.budova_upgrade_pocet(dom, W::drevo);
    ASSERT_GT(cena, 0);
    hrac().surovina[W::drevo].mam = cena - 1;
    strategy.upgrade(dom);
    EXPECT_EQ(strategy.objekt[dom].level, 1);
    EXPECT_EQ(strategy.objekt[dom].percenta, 100);
    EXPECT_EQ(strategy.last_error_active, W::E_malo_surovin_na_stavbu);
    EXPECT_EQ(strategy.typ_budovy, W::dom);

    hrac().surovina[W::drevo].mam = cena;
    strategy.upgrade(dom);
    EXPECT_EQ(strategy.objekt[dom].level, 2);
    EXPECT_EQ(strategy.objekt[dom].percenta, 1);
    EXPECT_EQ(hrac().surovina[W::drevo].mam, 0);
    EXPECT_EQ(hrac().surovina[W::drevo].pouzite, cena);
    EXPECT_EQ(strategy.typ_budovy, -1);

    // A warehouse from level 3 pays the level-4 price: kamen 200, tehla 100.
    strategy.upgrade(pridaj(W::sklad, 96, 95, 3));
    EXPECT_EQ(hrac().surovina[W::kamen].mam, 100000 - 200);
    EXPECT_EQ(hrac().surovina[W::tehla].mam, 100000 - 100);

    // At the top level nothing happens.
    const int vrch = pridaj(W::dom, 97, 95, 5);
    EXPECT_FALSE(strategy.da_sa_up(vrch));
    EXPECT_EQ(strategy.budova_potrebuje_ludi_dalsi_level(vrch), -1);
    strategy.upgrade(vrch);
    EXPECT_EQ(strategy.objekt[vrch].level, 5);
    EXPECT_EQ(strategy.objekt[vrch].percenta, 100);
}

TEST_F(Stavba, CursorStaysOnTheMapAndNearTheMainBuilding) {
    using P = std::pair<int, int>;
    const auto posun = [](int a, int b, int x, int y) {
        strategy.nastav_poziciu_stavanej_budovy(x, y);
        strategy.posun_stavajucu_budovu(a);
        strategy.posun_stavajucu_budovu(b);
        return P(strategy.setting_position_x(), strategy.setting_position_y());
    };
    // Within 29 cells of the main building at (100, 100) on both axes; the 30th is refused.
    EXPECT_EQ(posun(W::doprava, W::dopredu, 129, 71), P(129, 71));
    EXPECT_EQ(posun(W::dolava, W::dozadu, 129, 71), P(128, 72));
    EXPECT_EQ(posun(W::dolava, W::dozadu, 71, 129), P(71, 129));

    // Near the map edge the cursor is clamped, not thrown off the map.
    strategy.Restart_Game();
    strategy.set_owner(W::id_player);
    pridaj(W::hlavna_budova, 185, 10);
    EXPECT_EQ(posun(W::doprava, W::dopredu, 199, 0), P(199, 0));

    // Without a main building the cursor does not move.
    strategy.set_owner(W::id_nepriatel);
    EXPECT_EQ(posun(W::dolava, W::dozadu, 150, 10), P(150, 10));
    strategy.set_owner(W::id_player);

    for (float cakane : {90.0f, 180.0f, 270.0f, 0.0f}) {
        strategy.otoc_stavajucu_budovu();
        EXPECT_EQ(strategy.return_rotation(), cakane);
    }
}

TEST_F(Stavba, ReusedObjectIdStartsEmptyWithItsPlacementState) {
    const int stary = pridaj(W::dom, 95, 95, 3);
    strategy.objekt[stary].je_ludi = 3;
    strategy.objekt[stary].skladuje[W::chlieb] = 40;
    strategy.close_open(stary);
    strategy.odstran_objekt(stary, 95, 95);

    // Placed finished, a gate starts closed, with nobody inside and nothing stored.
    ASSERT_EQ(pridaj(W::drevena_brana, 50, 50), stary);
    EXPECT_EQ(strategy.budova_ludia(stary), 0);
    EXPECT_EQ(strategy.objekt[stary].skladuje[W::chlieb], 0);
    EXPECT_TRUE(strategy.budova_zatvorena(stary));
    strategy.odstran_objekt(stary, 50, 50);

    // Ordered by the player, a house is open, and so is a gate.
    EXPECT_EQ(postav(W::dom, 95, 95), stary);
    EXPECT_FALSE(strategy.budova_zatvorena(stary));
    strategy.close_open(stary);
    strategy.odstran_objekt(stary, 95, 95);
    hrac().privilegia_id = W::PRIV_mesto;
    EXPECT_EQ(postav(W::drevena_brana, 95, 95), stary);
    EXPECT_FALSE(strategy.budova_zatvorena(stary));
}

TEST_F(Stavba, SecondMainBuildingStandsWithoutARecord) {
    const int druha = pridaj(W::hlavna_budova, 150, 60);
    ASSERT_NE(druha, -1);
    EXPECT_EQ(hrac().budova[W::hlavna_budova].mam, 2);
    EXPECT_EQ(hrac().hlavna_budova_last_id, 1);
    EXPECT_EQ(hrac().hlavna_budova[0].x, 100);
    EXPECT_EQ(hrac().hlavna_budova[0].y, 100);
}
