// The world's recount finds each kind of fault it is meant to find. The walled battle town holds
// everything the recount walks (gates, towers, the barracks with groups on its recruitment points,
// people at home and at work); it balances, and every fault put into it, one at a time, is
// reported in its own line.
#include <gtest/gtest.h>

#include <string>

#include "../battle_town.h"
#include "test_world.h"

using namespace battle_town;
using Strategy_library::S_points;

namespace {

class Prepocet : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        m = postav_bojove_mesto(Armada::silna);
        ASSERT_EQ(strategy.prepocitaj_vsetko(), "");
    }
    void TearDown() override {
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "") << "a fault was left in place";
        Potichu::TearDown();
    }

    // The recount with one field changed; the field is put back afterwards.
    template <class T>
    static std::string pri(T& pole, T hodnota) {
        const T stara = pole;
        pole = hodnota;
        std::string text = strategy.prepocitaj_vsetko();
        pole = stara;
        return text;
    }
    // The recount with `id` pushed once more on a pool.
    static std::string s_navyse(int* pool, int& vrch, int id) {
        const int stara = pool[vrch + 1];
        pool[++vrch] = id;
        std::string text = strategy.prepocitaj_vsetko();
        pool[vrch--] = stara;
        return text;
    }

    S_bojove_mesto m;
    S_L& w = strategy;
    S_owner& h = strategy.id_owner[S_L::id_player];
};

::testing::AssertionResult hlasi(const std::string& text, const std::string& riadok) {
    if (text.find(riadok) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << riadok << "\" in:\n" << text;
}

TEST_F(Prepocet, BuildingCountsTheMainBuildingAndTheBuiltUpArea) {
    EXPECT_TRUE(hlasi(pri(h.budova[S_L::dom].mam, 46),
                      "owner 1: buildings of type 5: stored 46, recounted 45\n"));
    EXPECT_TRUE(
        hlasi(pri(h.hlavna_budova[0].x, 101), "owner 1: main building recorded at 101 x 100"));
    EXPECT_TRUE(hlasi(pri(h.hlavna_budova_last_id, 0),
                      "owner 1: hlavna_budova_last_id: stored 0, recounted 1"));
    EXPECT_TRUE(hlasi(pri(h.obsadene_max.x, 119), "lies outside the built-up area"));
}

TEST_F(Prepocet, GateAndTowerListsMatchTheBuildingsOnTheMap) {
    const std::string b = std::to_string(m.brana);
    EXPECT_TRUE(hlasi(pri(h.brana_last_id, 0), "owner 1: gate object " + b + " is listed 0 times"));
    h.brana[1] = h.brana[0];
    EXPECT_TRUE(hlasi(pri(h.brana_last_id, 2), "gate object " + b + " is listed 2 times"));
    EXPECT_TRUE(hlasi(pri(h.brana[0].objekt_id, m.hlavna_budova),
                      "gate 0 names object 0, not one of the owner's"));
    EXPECT_TRUE(
        hlasi(pri(h.brana[0].x, 101), "gate 0 stands at 101 x 80, its object " + b + " elsewhere"));
    EXPECT_TRUE(
        hlasi(pri(h.brana[0].budova_id, int(S_L::drevena_palisada)), "gate 0 is of type 25"));
    const std::string t = pri(h.veza[3].object, m.veze[2]);
    EXPECT_TRUE(hlasi(t, "tower object " + std::to_string(m.veze[2]) + " is listed 2 times"));
    EXPECT_TRUE(hlasi(t, "tower object " + std::to_string(m.veze[3]) + " is listed 0 times"));
    EXPECT_TRUE(hlasi(pri(h.veza[0].y, 81), "tower 0 stands at 80 x 81"));
}

TEST_F(Prepocet, FreeIdPoolsLoseNoIdAndHoldNoneTwice) {
    int& vrch = w.id_posledny_volny_objekt;
    const std::string volny = std::to_string(w.volne_objekty[vrch]);
    EXPECT_TRUE(hlasi(pri(vrch, vrch - 1), "object " + volny + " is free and 0 times in the pool"));
    EXPECT_TRUE(hlasi(s_navyse(w.volne_objekty, vrch, w.volne_objekty[vrch]),
                      "object " + volny + " is free and 2 times"));
    EXPECT_TRUE(hlasi(s_navyse(w.volne_objekty, vrch, m.kasaren),
                      "object " + std::to_string(m.kasaren) + " is live and 1 times"));
    EXPECT_TRUE(hlasi(s_navyse(w.volne_objekty, vrch, -1),
                      "object pool: slot " + std::to_string(vrch + 1) + " holds -1"));
    EXPECT_TRUE(hlasi(pri(w.objekt_hwm, m.kasaren), "object " + std::to_string(m.kasaren) +
                                                        " is live above the high-water mark"));
    EXPECT_TRUE(hlasi(pri(vrch, S_L::MAX_OBJECTS), "object pool: top 40001"));

    int& vrch_l = w.clovek_posledne_volne_id;
    const std::string nikto = std::to_string(w.clovek_volne_id[vrch_l]);
    EXPECT_TRUE(
        hlasi(pri(vrch_l, vrch_l - 1), "person " + nikto + " is free and 0 times in the pool"));
    EXPECT_TRUE(hlasi(s_navyse(w.clovek_volne_id, vrch_l, 7), "person 7 is live and 1 times"));
    EXPECT_TRUE(hlasi(pri(w.clovek_hwm, 300), "person 300 is live above the high-water mark 300"));
    strategy.clovek_DIE(5);  // a slot freed below the high-water mark
    EXPECT_TRUE(hlasi(pri(w.clovek[5].vlastnik, 1), "free person slot 5 has owner 1"));
}

TEST_F(Prepocet, ObjectsPeopleGroupsAndMapCellsPointBackToEachOther) {
    // The barracks' 7 x 7 footprint with a corner cell lost, a stale cell of a freed object, a cell
    // claiming a building far from it, a second anchor.
    const std::string k = std::to_string(m.kasaren);
    EXPECT_TRUE(hlasi(pri(w.point[KASAREN_X + 3][KASAREN_Y + 3], S_points{-1, -1, 0, 0}),
                      "building " + k + " holds 48 cells of its 49"));
    EXPECT_TRUE(hlasi(pri(w.point[5][5], S_points{30000, S_L::sekundarne_id_hlavne, 0, 0}),
                      "cell 5 x 5 holds -3, 30000"));
    EXPECT_TRUE(hlasi(pri(w.point[5][5], S_points{0, S_L::sekundarne_id_hlavne, 0, 0}),
                      "cell 5 x 5 belongs to building 0 at 100 x 100"));
    EXPECT_TRUE(hlasi(pri(w.point[5][5], S_points{S_L::sekundarne_id_hlavne, 0, 0, 0}),
                      "building 0 has 2 anchor cells"));
    EXPECT_TRUE(
        hlasi(pri(w.point[100][100], S_points{-1, -1, 0, 0}), "building 0 has 0 anchor cells"));
    EXPECT_TRUE(hlasi(pri(w.objekt[m.brana].level, 0),
                      "building " + std::to_string(m.brana) + ": type 26, level 0"));
    EXPECT_TRUE(hlasi(pri(w.objekt[m.hlavna_budova].zona, 7),
                      "building 0 is in zone 7, its anchor cell in zone 0"));

    // A group on its recruitment point inside the barracks, its object and its owner's slots.
    const int g = m.skupiny[0], o = w.vojenska_skupina[g].objekt_id;
    EXPECT_TRUE(
        hlasi(pri(w.vojenska_skupina[g].x, 50),
              "cell 98 x 90 holds group " + std::to_string(g) + ", which stands at 50 x 90"));
    EXPECT_TRUE(hlasi(pri(w.objekt[o].id, m.skupiny[1]),
                      "group object " + std::to_string(o) + " names group"));
    EXPECT_TRUE(hlasi(pri(w.vojenska_skupina[g].objekt_id, m.hlavna_budova),
                      "group " + std::to_string(g) + " names object 0"));
    EXPECT_TRUE(hlasi(pri(h.skupina[1], h.skupina[0]),
                      "group " + std::to_string(h.skupina[1]) + " is in 0 slots of its owner"));
    Strategy_library::S_vojenska_skupina prazdna = w.vojenska_skupina[g];
    prazdna.dead_status = true;
    prazdna.zoznam_vojakov_last_id = 0;
    EXPECT_TRUE(hlasi(pri(w.vojenska_skupina[g], prazdna),
                      "group " + std::to_string(g) + " is empty and destroyed, yet holds object " +
                          std::to_string(o)));

    // A man living in a freed house, a person of no owner.
    int c = 0;
    while (w.clovek[c].objekt_v_ktorom_byva == -1) ++c;
    EXPECT_TRUE(hlasi(pri(w.clovek[c].objekt_v_ktorom_byva, 30000),
                      "person " + std::to_string(c) + " lives or works in 30000"));
    EXPECT_TRUE(hlasi(
        pri(w.clovek[c].vlastnik, 3),
        "person " + std::to_string(c) + ": owner 3, sex " + std::to_string(w.clovek[c].pohlavie)));
}

TEST_F(Prepocet, PeopleListsSoldiersAndGarrisonsAreRecounted) {
    // Population counters, a list, a person's diseases and the staff of the barracks.
    const int ludi = h.pocet_ludi;
    EXPECT_TRUE(hlasi(
        pri(h.pocet_ludi, ludi + 1),
        "pocet_ludi: stored " + std::to_string(ludi + 1) + ", recounted " + std::to_string(ludi)));
    EXPECT_TRUE(hlasi(pri(h.bez_prace_last_id, h.bez_prace_last_id + 1), "jobless: "));
    EXPECT_TRUE(hlasi(pri(w.clovek[0].choroby_pocet, 1), "person 0 has 0 diseases, counts 1"));
    const int u_kasarne = w.objekt[m.kasaren].je_ludi;
    EXPECT_TRUE(hlasi(pri(w.objekt[m.kasaren].je_ludi, u_kasarne + 1),
                      "object " + std::to_string(m.kasaren) + " (type " +
                          std::to_string(S_L::kasaren) + ") counts " +
                          std::to_string(u_kasarne + 1) + " people, recounted " +
                          std::to_string(u_kasarne)));

    // Soldiers per kind, one listed in his group twice, and a group's fallen.
    EXPECT_TRUE(
        hlasi(pri(h.pocet_lukostrelcov, h.pocet_lukostrelcov + 1), "pocet_lukostrelcov: stored"));
    const int g = m.skupiny[0];
    Strategy_library::S_vojenska_skupina& s = w.vojenska_skupina[g];
    const int vojak = s.zoznam_vojakov[0];
    EXPECT_TRUE(hlasi(pri(s.zoznam_vojakov[1], vojak), "soldier " + std::to_string(vojak) +
                                                           " of group " + std::to_string(g) +
                                                           ", tower -1 is listed 2 times there"));
    EXPECT_TRUE(hlasi(pri(s.dead, s.dead + 1),
                      "group " + std::to_string(g) + ": dead 1, holes and fallen 0"));

    // A garrison: its living count, its freed places and the owner's free places.
    const int p = h.veza[0].pocet;
    EXPECT_TRUE(hlasi(pri(h.veza[0].pocet, p - 1),
                      "tower 0: pocet " + std::to_string(p - 1) + ", living " + std::to_string(p)));
    EXPECT_TRUE(hlasi(pri(h.veza[0].dead, 1), "tower 0: dead 1, holes and fallen 0"));
    EXPECT_TRUE(
        hlasi(pri(h.veza_volne_miesta, h.veza_volne_miesta + 1), "veza_volne_miesta: stored"));
}

}  // namespace
