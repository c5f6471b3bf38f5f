// Placing, building up, upgrading and opening buildings, the placement cursor and the tower list.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "Strategy_library.h"
#include "test_world.h"

using namespace Strategy_library;
using W = S_L;

namespace {

class Stavba : public SvetSHlavnouBudovou {
protected:
    // An empty world with the player's main building (object 0) at (100, 100) and plenty of
    // every resource.
    void SetUp() override {
        SvetSHlavnouBudovou::SetUp();
        for (int r = 1; r < W::last_surovina_id; ++r) hrac().surovina[r].mam = 100000;
    }
    static S_owner& hrac() { return strategy.id_owner[W::id_player]; }
    // Gives the build order for a type and a cell; returns what `postav` answers and the error
    // code it leaves. The reason foretold before the order must be the one it met: none when it
    // built, the rank when it left no code, else the code it left.
    static std::pair<bool, int> objednaj(int typ, int x, int y) {
        strategy.last_error_active = -1;
        strategy.nastav_typ_budovy(typ);
        strategy.nastav_poziciu_stavanej_budovy(x, y);
        const int pocet = strategy.budova_postaveny_pocet(typ),
                  dovod = strategy.dovod_odmietnutia();
        const bool ostava = strategy.postav();
        const bool postavila = strategy.budova_postaveny_pocet(typ) > pocet;
        const int cakany = postavila                          ? -1
                           : strategy.last_error_active == -1 ? W::E_nema_privilegia
                                                              : strategy.last_error_active;
        EXPECT_EQ(dovod, cakany) << "type " << typ << " at " << x << " " << y;
        return {ostava, strategy.last_error_active};
    }
    static int postav(int typ, int x, int y) {
        EXPECT_EQ(objednaj(typ, x, y), std::make_pair(false, -1));
        return strategy.point_id_of_objekt(x, y);
    }
    static int pridaj(int typ, int x, int y, int level = 1) {
        strategy.pridaj_budovu(x, y, typ, level);
        return strategy.point_id_of_objekt(x, y);
    }
};

using V = std::pair<bool, int>;
using P = std::pair<int, int>;

}  // namespace

TEST_F(Stavba, EveryRefusalLeavesItsCode) {
    EXPECT_EQ(objednaj(-1, 90, 90), V(false, W::E_zle_zadana_budova_na_stavanie));
    strategy.last_error_active = -1;
    EXPECT_EQ((std::vector<int>{pridaj(W::last_building_integer, 70, 70), pridaj(W::dom, 71, 70, 6),
                                strategy.last_error_active}),
              (std::vector<int>{-1, -1, W::E_zle_zadana_budova_na_stavanie}));

    // An occupied cell keeps the player placing; so does a barracks whose 7 x 7 cells hold the
    // main building three cells off its anchor, or leave the map.
    EXPECT_EQ(objednaj(W::dom, 100, 100), V(true, W::E_neda_sa_tam_stavat));
    EXPECT_EQ(strategy.typ_budovy, W::dom);
    hrac().privilegia_id = W::PRIV_male_mesto;
    for (auto [x, y] : {P(103, 97), P(198, 50)})
        EXPECT_EQ(objednaj(W::kasaren, x, y), V(true, W::E_neda_sa_tam_stavat)) << x;
    hrac().privilegia_id = W::PRIV_ziadne;

    // One unit of wood short: nothing is placed or taken.
    const int cena = strategy.treba_na_postavenie(W::dom, W::drevo);
    hrac().surovina[W::drevo].mam = cena - 1;
    EXPECT_EQ(objednaj(W::dom, 90, 90), V(false, W::E_malo_surovin_na_stavbu));

    // With infinite sources the same order succeeds (so nothing was placed) and takes nothing.
    strategy.infinite_sources = true;
    EXPECT_EQ(postav(W::dom, 90, 90), 1);
    EXPECT_EQ(hrac().surovina[W::drevo].mam, cena - 1);
    strategy.infinite_sources = false;

    hrac().surovina[W::drevo].mam = cena;
    while (strategy.odober_volny_objekt() != W::nic) {
    }
    EXPECT_EQ(objednaj(W::dom, 91, 91), V(false, W::E_nie_su_volne_objekty));

    // A rank that forbids the type: no error code, and nothing is placed.
    EXPECT_EQ(objednaj(W::kasaren, 92, 92), V(false, -1));
    EXPECT_EQ(strategy.point_id_of_objekt(92, 92), -1);
}

TEST_F(Stavba, BuildersAdvanceBuildingsDayByDay) {
    // A farm (25 % a day at level 1) is finished on the fourth day.
    hrac().stavbari = 1;
    const int farma = postav(W::farma, 95, 95);
    for (int cakane : {26, 51, 76, 100}) {
        strategy.kontroluj_objekty();
        EXPECT_EQ(strategy.objekt[farma].percenta, cakane);
    }
    EXPECT_EQ(strategy.AI[W::id_player].volne[W::farma], 1);

    // One builder: two of three houses advance a day, the lowest ids first.
    strategy.otoc_stavajucu_budovu();
    const int a = postav(W::dom, 96, 95), b = postav(W::dom, 97, 95), c = postav(W::dom, 98, 95);
    EXPECT_EQ(strategy.objekt[a].rot - strategy.objekt[b].rot, 90.0f) << "the cursor turns back";
    EXPECT_EQ(
        std::make_tuple(strategy.budova_postaveny_pocet(W::dom), hrac().surovina[W::drevo].pouzite,
                        strategy.stavby_cakaju_na_stavbarov()),
        std::make_tuple(3, 3 * strategy.treba_na_postavenie(W::dom, W::drevo), 1));
    strategy.kontroluj_objekty();
    EXPECT_EQ(std::make_tuple(strategy.objekt[a].percenta, strategy.objekt[b].percenta,
                              strategy.objekt[c].percenta),
              std::make_tuple(2, 2, 1));
    hrac().stavbari = 0;  // without builders every one of them waits
    EXPECT_EQ(std::make_pair(strategy.rozostavane_budovy(), strategy.stavby_cakaju_na_stavbarov()),
              P(3, 3));
}

TEST_F(Stavba, UpgradeChargesTheNextLevelAndRestartsConstruction) {
    const auto stav = [](int o) {
        return P(strategy.objekt[o].level, strategy.objekt[o].percenta);
    };
    // A warehouse from level 3 pays the level-4 price, or nothing.
    const int sklad = pridaj(W::sklad, 95, 95, 3);
    const auto& cena = strategy.budova[W::sklad].level[4].treba_na_postavenie;
    const int kamen = cena[W::kamen].pocet, tehla = cena[W::tehla].pocet;
    ASSERT_TRUE(kamen > 0 && tehla > 0);
    hrac().surovina[W::kamen].mam = kamen - 1;
    strategy.upgrade(sklad);
    EXPECT_EQ(std::make_tuple(stav(sklad), strategy.last_error_active, strategy.typ_budovy),
              std::make_tuple(P(3, 100), W::E_malo_surovin_na_stavbu, W::sklad));

    hrac().surovina[W::kamen].mam = kamen;
    strategy.upgrade(sklad);
    EXPECT_EQ(std::make_tuple(stav(sklad), hrac().surovina[W::kamen].mam,
                              hrac().surovina[W::kamen].pouzite, hrac().surovina[W::tehla].mam,
                              strategy.typ_budovy),
              std::make_tuple(P(4, 1), 0, kamen, 100000 - tehla, -1));

    // At the top level nothing happens.
    const int vrch = pridaj(W::dom, 97, 95, 5);
    EXPECT_EQ(strategy.budova_potrebuje_ludi_dalsi_level(vrch), -1);
    strategy.upgrade(vrch);
    EXPECT_EQ(stav(vrch), P(5, 100));
}

TEST_F(Stavba, CursorStaysOnTheMapAndNearTheMainBuilding) {
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

    // Without a main building the cursor does not move; near the map edge it is clamped.
    strategy.Restart_Game();
    EXPECT_EQ(posun(W::dolava, W::dozadu, 150, 10), P(150, 10));
    pridaj(W::hlavna_budova, 185, 10);
    EXPECT_EQ(posun(W::doprava, W::dopredu, 199, 0), P(199, 0));

    for (int i = 0; i < 4; ++i) strategy.otoc_stavajucu_budovu();
    EXPECT_EQ(strategy.return_rotation(), 0.0f) << "four quarter turns come round";
}

TEST_F(Stavba, ReusedObjectIdStartsEmptyWithItsPlacementState) {
    const int stary = pridaj(W::dom, 95, 95, 3);
    strategy.objekt[stary].je_ludi = 3, strategy.objekt[stary].skladuje[W::chlieb] = 40;
    strategy.close_open(stary);
    strategy.odstran_objekt(stary, 95, 95);

    // Placed finished, a gate starts closed, with nobody inside and nothing stored.
    ASSERT_EQ(pridaj(W::drevena_brana, 50, 50), stary);
    EXPECT_EQ(P(strategy.budova_ludia(stary), strategy.objekt[stary].skladuje[W::chlieb]), P(0, 0));
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

TEST_F(Stavba, PlacementHooksRecordBarracksTowersAndMainBuildings) {
    // The barracks takes 7 x 7 cells around its anchor and widens the built-up rectangle.
    const int kasaren = pridaj(W::kasaren, 80, 120);
    int bunky = 0;
    for (int i = 70; i < 90; ++i)
        for (int j = 110; j < 130; ++j) bunky += strategy.point_id_of_objekt(i, j) == kasaren;
    EXPECT_EQ(
        std::make_tuple(bunky, strategy.KASAREN_ID, hrac().obsadene_min.x, hrac().obsadene_max.y),
        std::make_tuple(49, kasaren, 77, 124));

    // Wooden towers join the tower list with ten free places each; a soldier leaves his list.
    const int vezaA = pridaj(W::drevenna_veza, 60, 60), vezaB = pridaj(W::drevenna_veza, 62, 60);
    EXPECT_EQ(P(strategy.return_veza_id(vezaB), hrac().veza_volne_miesta), P(1, 20));
    S_veza& v = hrac().veza[strategy.return_veza_id(vezaA)];
    v.vojak[0] = 7, v.vojak[1] = 8, v.vojak[2] = 9, v.vojak_last_id = 3;
    EXPECT_FALSE(strategy.odober_vojaka_z_veze(5, 0, W::id_player) ||
                 strategy.odober_vojaka_z_veze(8, 2, W::id_player));
    EXPECT_TRUE(strategy.odober_vojaka_z_veze(8, 0, W::id_player) && v.vojak_last_id == 2);
    EXPECT_EQ(std::vector<int>(v.vojak, v.vojak + 3), (std::vector<int>{7, 9, -1}));

    // A second main building stands, but the owner keeps the record of the first.
    ASSERT_NE(pridaj(W::hlavna_budova, 150, 60), -1);
    EXPECT_EQ(std::make_tuple(hrac().budova[W::hlavna_budova].mam, hrac().hlavna_budova_last_id,
                              hrac().hlavna_budova[0].x),
              std::make_tuple(2, 1, 100));
}
