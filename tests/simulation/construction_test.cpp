// Placing, building up, upgrading and opening buildings, and the placement cursor.
#include <gtest/gtest.h>

#include <string>

#include "Game.h"
#include "Strategy_library.h"

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

class Stavba : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static const bool naplnene = (strategy.Set_all(), true);
        (void)naplnene;
    }
    // An empty world with the player's main building at (100, 100), plenty of every resource,
    // and a date well inside a month.
    void SetUp() override {
        strategy.Restart_Game();
        strategy.set_owner(W::id_player);
        strategy.pridaj_budovu(100, 100, W::hlavna_budova, 1);
        ASSERT_EQ(strategy.point_id_of_objekt(100, 100), 0);
        for (int r = 1; r < W::last_surovina_id; ++r) hrac().surovina[r].mam = 100000;
        strategy.time = {5, W::M_marec, 1};
    }
    static S_owner& hrac() { return strategy.id_owner[W::id_player]; }
    static int postav(int typ, int x, int y) {
        strategy.nastav_typ_budovy(typ);
        strategy.nastav_poziciu_stavanej_budovy(x, y);
        EXPECT_FALSE(strategy.postav());
        return strategy.point_id_of_objekt(x, y);
    }
};

}  // namespace

TEST_F(Stavba, PostavPlacesAndPaysForTheBuilding) {
    const int drevo_pred = hrac().surovina[W::drevo].mam;
    strategy.otoc_stavajucu_budovu();
    const int o = postav(W::dom, 95, 103);
    ASSERT_EQ(o, 1);
    const S_objekt& ob = strategy.objekt[o];
    EXPECT_EQ(ob.co_to_je, W::id_budova);
    EXPECT_EQ(ob.id, W::dom);
    EXPECT_EQ(ob.vlastnik, W::id_player);
    EXPECT_EQ(ob.level, 1);
    EXPECT_EQ(ob.percenta, 1);
    EXPECT_EQ(ob.rot, 90.0f);
    EXPECT_EQ(strategy.return_rotation(), 0.0f);
    EXPECT_EQ(strategy.typ_budovy, -1);
    EXPECT_EQ(hrac().budova[W::dom].mam, 1);
    const int cena = strategy.treba_na_postavenie(W::dom, W::drevo);
    EXPECT_GT(cena, 0);
    EXPECT_EQ(hrac().surovina[W::drevo].mam, drevo_pred - cena);
    EXPECT_EQ(hrac().surovina[W::drevo].pouzite, cena);
    EXPECT_EQ(hrac().obsadene_min.x, 95);
    EXPECT_EQ(hrac().obsadene_max.y, 103);
    EXPECT_FALSE(strategy.bol_error());
}

TEST_F(Stavba, EveryRefusalIsReportedByTheStep) {
    // No type chosen.
    strategy.nastav_typ_budovy(-1);
    EXPECT_FALSE(strategy.postav());
    EXPECT_EQ(jeden_tah(), "error : Budova ktoru chces postavit neexistuje \n");

    // An occupied cell keeps the player placing.
    strategy.nastav_typ_budovy(W::dom);
    strategy.nastav_poziciu_stavanej_budovy(100, 100);
    EXPECT_TRUE(strategy.postav());
    EXPECT_EQ(strategy.typ_budovy, W::dom);
    EXPECT_EQ(jeden_tah(), "error : V stavani brani ina budova alebo teren \n");

    // A barracks with one of its 49 cells taken (the main building, three cells off its anchor).
    hrac().privilegia_id = W::PRIV_male_mesto;
    strategy.nastav_typ_budovy(W::kasaren);
    strategy.nastav_poziciu_stavanej_budovy(103, 97);
    EXPECT_TRUE(strategy.postav());
    strategy.nastav_poziciu_stavanej_budovy(198, 50);
    EXPECT_TRUE(strategy.postav()) << "a footprint leaving the map is refused too";
    EXPECT_EQ(jeden_tah(), "error : V stavani brani ina budova alebo teren \n");
    hrac().privilegia_id = W::PRIV_ziadne;

    // One unit of wood short: the shortfall line, then the error.
    const int cena = strategy.treba_na_postavenie(W::dom, W::drevo);
    hrac().surovina[W::drevo].mam = cena - 1;
    strategy.nastav_typ_budovy(W::dom);
    strategy.nastav_poziciu_stavanej_budovy(90, 90);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(strategy.postav());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\npre budovu " + std::to_string(W::dom) + " nemam surovina id " +
                  std::to_string(W::drevo) + " pocet treba " + std::to_string(cena) +
                  " pocet mam " + std::to_string(cena - 1) + "\n");
    EXPECT_EQ(strategy.point_id_of_objekt(90, 90), -1);
    EXPECT_EQ(hrac().surovina[W::drevo].mam, cena - 1);
    EXPECT_EQ(jeden_tah(), "error : Na postavenie tejto budovy nemas dost surovin \n");

    // With infinite sources the same order succeeds and takes nothing.
    strategy.infinite_sources = true;
    EXPECT_EQ(postav(W::dom, 90, 90), 1);
    EXPECT_EQ(hrac().surovina[W::drevo].mam, cena - 1);
    strategy.infinite_sources = false;

    // No free object id left.
    while (strategy.odober_volny_objekt() != W::nic) {
    }
    hrac().surovina[W::drevo].mam = 1000;
    strategy.nastav_typ_budovy(W::dom);
    strategy.nastav_poziciu_stavanej_budovy(91, 91);
    EXPECT_FALSE(strategy.postav());
    EXPECT_EQ(hrac().surovina[W::drevo].mam, 1000);
    EXPECT_EQ(jeden_tah(), "error : Viac budov nie je mozne postavit \n");

    // A rank that forbids the type: only the console line, no error code.
    strategy.nastav_typ_budovy(W::kasaren);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(strategy.postav());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "nema privilegia pre stavanie kasaren\n");
    EXPECT_EQ(strategy.last_error_active, -1);
    EXPECT_EQ(jeden_tah(), "");
}

TEST_F(Stavba, BuildersAdvanceBuildingsDayByDay) {
    // A farm (4 % … 25 % a day at level 1) is finished on the fourth day.
    hrac().stavbari = 1;
    const int farma = postav(W::farma, 95, 95);
    const int volne_pred = strategy.AI[W::id_player].volne[W::farma];
    for (int cakane : {26, 51, 76, 100}) {
        jeden_tah();
        EXPECT_EQ(strategy.objekt[farma].percenta, cakane);
    }
    EXPECT_EQ(strategy.AI[W::id_player].volne[W::farma], volne_pred + 1);

    // One builder: two of three houses advance a day, the lowest ids first.
    const int a = postav(W::dom, 96, 95), b = postav(W::dom, 97, 95), c = postav(W::dom, 98, 95);
    ASSERT_LT(a, b);
    ASSERT_LT(b, c);
    strategy.kontroluj_objekty();
    EXPECT_EQ(strategy.objekt[a].percenta, 2);
    EXPECT_EQ(strategy.objekt[b].percenta, 2);
    EXPECT_EQ(strategy.objekt[c].percenta, 1);

    // The enemy's builders are counted apart from the player's.
    strategy.set_owner(W::id_nepriatel);
    strategy.pridaj_budovu(60, 60, W::dom, 1);
    const int nepriatel = strategy.point_id_of_objekt(60, 60);
    strategy.objekt[nepriatel].percenta = 1;
    strategy.id_owner[W::id_nepriatel].stavbari = 0;
    strategy.set_owner(W::id_player);
    hrac().stavbari = 2;
    strategy.kontroluj_objekty();
    EXPECT_EQ(strategy.objekt[c].percenta, 2);
    EXPECT_EQ(strategy.objekt[nepriatel].percenta, 1) << "an owner without builders builds nothing";
}

TEST_F(Stavba, UpgradeChargesTheNextLevelAndRestartsConstruction) {
    strategy.pridaj_budovu(95, 95, W::dom, 1);
    const int dom = strategy.point_id_of_objekt(95, 95);
    const int cena = strategy.budova_upgrade_pocet(dom, W::drevo);
    ASSERT_GT(cena, 0);

    hrac().surovina[W::drevo].mam = cena - 1;
    strategy.upgrade(dom);
    EXPECT_EQ(strategy.objekt[dom].level, 1);
    EXPECT_EQ(strategy.objekt[dom].percenta, 100);
    EXPECT_EQ(strategy.last_error_active, W::E_malo_surovin_na_stavbu);
    EXPECT_EQ(strategy.typ_budovy, W::dom);
    strategy.return_error();

    hrac().surovina[W::drevo].mam = cena;
    strategy.upgrade(dom);
    EXPECT_EQ(strategy.objekt[dom].level, 2);
    EXPECT_EQ(strategy.objekt[dom].percenta, 1);
    EXPECT_EQ(hrac().surovina[W::drevo].mam, 0);
    EXPECT_EQ(hrac().surovina[W::drevo].pouzite, cena);
    EXPECT_EQ(strategy.typ_budovy, -1);

    // A warehouse from level 3 pays the whole level-4 price.
    strategy.pridaj_budovu(96, 95, W::sklad, 3);
    const int sklad = strategy.point_id_of_objekt(96, 95);
    const int kamen = hrac().surovina[W::kamen].mam, tehla = hrac().surovina[W::tehla].mam;
    strategy.upgrade(sklad);
    EXPECT_EQ(kamen - hrac().surovina[W::kamen].mam, 200);
    EXPECT_EQ(tehla - hrac().surovina[W::tehla].mam, 100);
    EXPECT_EQ(hrac().surovina[W::drevo].mam, 0);

    // At the top level nothing happens.
    strategy.pridaj_budovu(97, 95, W::dom, 5);
    const int vrch = strategy.point_id_of_objekt(97, 95);
    EXPECT_FALSE(strategy.da_sa_up(vrch));
    EXPECT_EQ(strategy.budova_potrebuje_ludi_dalsi_level(vrch), -1);
    strategy.upgrade(vrch);
    EXPECT_EQ(strategy.objekt[vrch].level, 5);
    EXPECT_EQ(strategy.objekt[vrch].percenta, 100);
    EXPECT_FALSE(strategy.bol_error());
}

TEST_F(Stavba, CursorStaysOnTheMapAndNearTheMainBuilding) {
    // Within 29 cells of (100, 100) on both axes; the 30th is refused in every direction.
    strategy.nastav_poziciu_stavanej_budovy(129, 71);
    strategy.posun_stavajucu_budovu(W::doprava);
    strategy.posun_stavajucu_budovu(W::dopredu);
    EXPECT_EQ(strategy.setting_position_x(), 129);
    EXPECT_EQ(strategy.setting_position_y(), 71);
    strategy.posun_stavajucu_budovu(W::dolava);
    strategy.posun_stavajucu_budovu(W::dozadu);
    EXPECT_EQ(strategy.setting_position_x(), 128);
    EXPECT_EQ(strategy.setting_position_y(), 72);
    strategy.nastav_poziciu_stavanej_budovy(71, 129);
    strategy.posun_stavajucu_budovu(W::dolava);
    strategy.posun_stavajucu_budovu(W::dozadu);
    EXPECT_EQ(strategy.setting_position_x(), 71);
    EXPECT_EQ(strategy.setting_position_y(), 129);

    // Near the map edge the cursor is clamped, not thrown off the map.
    strategy.Restart_Game();
    strategy.set_owner(W::id_player);
    strategy.pridaj_budovu(185, 10, W::hlavna_budova, 1);
    strategy.nastav_poziciu_stavanej_budovy(199, 0);
    strategy.posun_stavajucu_budovu(W::doprava);
    strategy.posun_stavajucu_budovu(W::dopredu);
    EXPECT_EQ(strategy.setting_position_x(), 199);
    EXPECT_EQ(strategy.setting_position_y(), 0);

    // Without a main building the cursor does not move.
    strategy.set_owner(W::id_nepriatel);
    strategy.posun_stavajucu_budovu(W::dolava);
    EXPECT_EQ(strategy.setting_position_x(), 199);
    strategy.set_owner(W::id_player);

    for (float cakane : {90.0f, 180.0f, 270.0f, 0.0f}) {
        strategy.otoc_stavajucu_budovu();
        EXPECT_EQ(strategy.return_rotation(), cakane);
    }
}

TEST_F(Stavba, ReusedObjectIdStartsEmpty) {
    strategy.pridaj_budovu(95, 95, W::dom, 3);
    const int stary = strategy.point_id_of_objekt(95, 95);
    strategy.objekt[stary].je_ludi = 3;
    strategy.objekt[stary].skladuje[W::chlieb] = 40;
    strategy.close_open(stary);
    ASSERT_TRUE(strategy.budova_zatvorena(stary));
    strategy.odstran_objekt(stary, 95, 95);

    // Placed finished: a gate starts closed, with nobody inside and nothing stored.
    strategy.pridaj_budovu(50, 50, W::drevena_brana, 1);
    ASSERT_EQ(strategy.point_id_of_objekt(50, 50), stary);
    EXPECT_EQ(strategy.budova_ludia(stary), 0);
    EXPECT_EQ(strategy.objekt[stary].skladuje[W::chlieb], 0);
    EXPECT_TRUE(strategy.budova_zatvorena(stary));
    strategy.close_open(stary);
    EXPECT_FALSE(strategy.budova_zatvorena(stary));
    strategy.close_open(stary);
    strategy.odstran_objekt(stary, 50, 50);

    // Ordered by the player: a non-closeable house is open, and so is a gate.
    EXPECT_EQ(postav(W::dom, 95, 95), stary);
    EXPECT_FALSE(strategy.budova_zatvorena(stary));
    EXPECT_EQ(strategy.budova_ludia(stary), 0);
    strategy.odstran_objekt(stary, 95, 95);
    strategy.pridaj_budovu(95, 95, W::dom, 1);
    strategy.close_open(stary);
    strategy.odstran_objekt(stary, 95, 95);
    hrac().privilegia_id = W::PRIV_mesto;
    EXPECT_EQ(postav(W::drevena_brana, 95, 95), stary);
    EXPECT_FALSE(strategy.budova_zatvorena(stary));
    EXPECT_TRUE(strategy.budova_closeable(stary));
}

TEST_F(Stavba, SecondMainBuildingStandsWithoutARecord) {
    strategy.pridaj_budovu(150, 60, W::hlavna_budova, 1);
    const int druha = strategy.point_id_of_objekt(150, 60);
    ASSERT_NE(druha, -1);
    EXPECT_EQ(strategy.objekt[druha].id, W::hlavna_budova);
    EXPECT_EQ(hrac().budova[W::hlavna_budova].mam, 2);
    EXPECT_EQ(hrac().hlavna_budova_last_id, 1);
    EXPECT_EQ(hrac().hlavna_budova[0].x, 100);
    EXPECT_EQ(hrac().hlavna_budova[0].y, 100);
    EXPECT_EQ(hrac().obsadene_max.x, 150);
}

TEST_F(Stavba, QueriesReadTheCellAndTheObject) {
    EXPECT_EQ(strategy.budova_typ(3, 3), -1);
    EXPECT_EQ(strategy.budova_level(3, 3), -1);
    EXPECT_EQ(strategy.budova_typ(100, 100), W::hlavna_budova);
    EXPECT_EQ(strategy.budova_percenta(100, 100), 100);
    EXPECT_EQ(strategy.budova_typ(-1, 500), -1);

    strategy.pridaj_budovu(95, 95, W::mlyn, 2);
    const int mlyn = strategy.point_id_of_objekt(95, 95);
    EXPECT_EQ(strategy.budova_level(95, 95), 2);
    EXPECT_EQ(strategy.budova_maximalny_level(mlyn), strategy.budova[W::mlyn].maximalny_level);
    EXPECT_EQ(strategy.budova_produkuje_pocet(mlyn, W::muka),
              strategy.budova[W::mlyn].level[2].produkuje[W::muka].pocet);
    EXPECT_EQ(strategy.budova_potrebuje_pocet(mlyn, W::obilie),
              strategy.budova[W::mlyn].level[2].potrebuje[W::obilie].pocet);
    EXPECT_EQ(strategy.budova_upgrade_pocet(mlyn, W::drevo),
              strategy.budova[W::mlyn].level[3].treba_na_postavenie[W::drevo].pocet);
    EXPECT_EQ(strategy.budova_produkuje_pocet(mlyn, 100), 0);
    EXPECT_EQ(strategy.budova_postaveny_pocet(W::mlyn), 1);
    EXPECT_EQ(strategy.budova_postaveny_pocet(5000), 0);
    EXPECT_EQ(strategy.budova_maximalny_level(40001), -1);
    EXPECT_FALSE(strategy.isKasaren());

    // A cell holding an object that is not a building answers with the object's kind.
    const int skupina = strategy.odober_volny_objekt();
    strategy.objekt[skupina].co_to_je = W::id_vojensky_objekt;
    strategy.point[40][40].id_objektu = skupina;
    strategy.point[40][40].id_sekundarne = W::sekundarne_id_hlavne;
    EXPECT_EQ(strategy.budova_typ(40, 40), W::id_vojensky_objekt);
    EXPECT_EQ(strategy.budova_level(40, 40), W::id_vojensky_objekt);

    // Placing a type outside the catalogue, or at a level it does not have, is refused.
    strategy.pridaj_budovu(70, 70, 35, 1);
    EXPECT_EQ(strategy.last_error_active, W::E_zle_zadana_budova_na_stavanie);
    strategy.pridaj_budovu(70, 70, W::dom, 6);
    EXPECT_EQ(strategy.return_error(), std::string("Budova ktoru chces postavit neexistuje"));
    EXPECT_EQ(strategy.point_id_of_objekt(70, 70), -1);
}
