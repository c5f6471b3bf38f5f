// The player's army at the barracks: recruiting with its checks and armour grades, the new group
// standing at its point at once, refilling, disbanding and the burial of the fallen after a
// battle, with the barracks count and the recount of the books.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "test_world.h"

namespace {

class Armada : public Potichu {
protected:
    int kasaren = -1;
    void SetUp() override {
        Potichu::SetUp();
        kasaren = vojnova_hra(120, 500);
    }
};

TEST_F(Armada, RecruitingTakesExactlyTheArmsOrNothingAndTheGroupStandsAtItsPointAtOnce) {
    S_owner& h = hrac();
    const int volni = h.bez_prace_last_id;
    h.surovina[S_L::kopija].mam = 19, h.surovina[S_L::kozenne_brnenie].mam = 20;
    EXPECT_FALSE(strategy.regrutuj(20, S_L::kopija, S_L::kozenne_brnenie, -1, true));
    EXPECT_FALSE(strategy.regrutuj(volni + 1, S_L::mec, -1, -1, true));
    EXPECT_TRUE(h.bez_prace_last_id == volni && h.skupina_last_id == 0 &&
                h.surovina[S_L::kopija].mam == 19);

    h.surovina[S_L::kopija].mam = 20;
    ASSERT_TRUE(strategy.regrutuj(20, S_L::kopija, S_L::kozenne_brnenie, -1, true));
    EXPECT_TRUE(h.surovina[S_L::kopija].mam == 0 && h.surovina[S_L::kozenne_brnenie].mam == 0);
    h.surovina[S_L::kozenne_brnenie].mam = 100;
    const int g = posledna_skupina();
    // Slot 0's point lies inside the barracks: the group's object stands there, its men round it.
    EXPECT_TRUE(sk(g).x == KX - 2 && sk(g).y == KY - 2 && !sk(g).moved && sk(g).xf == sk(g).x);
    EXPECT_TRUE(strategy.point_id_of_objekt(sk(g).x, sk(g).y) == sk(g).objekt_id &&
                strategy.objekt[kasaren].je_ludi == 20);
    for (int k = 0; k < 20; ++k)
        EXPECT_FLOAT_EQ(clen(g, k).x, sk(g).x + clen(g, k).formation_x) << k;

    // The barracks buttons: its level times ten men, the armour by the grade (none for others).
    const int brnenie[] = {-1, S_L::kozenne_brnenie, S_L::lahke_brnenie, S_L::tazke_brnenie, -1};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(strategy.regrutujSermiarov(i == 4 ? 7 : i)) << i;
        const int s = posledna_skupina();
        EXPECT_TRUE(sk(s).zoznam_vojakov_last_id == 10 && clen(s, 9).brnenie == brnenie[i]) << i;
        EXPECT_TRUE(sk(s).x == h.vojenska_skupina[i + 1].x &&
                    sk(s).y == h.vojenska_skupina[i + 1].y)
            << i;
    }
    EXPECT_EQ(prepocet(), "");
    // Health in percent of the listed men; a group listing nobody has none.
    sk(g).dead = 5;
    const int zdravie = strategy.return_vojenska_skupina_percenta_zdravie(g);
    sk(g).zoznam_vojakov_last_id = sk(g).dead = 0;
    EXPECT_EQ(std::make_pair(zdravie, strategy.return_vojenska_skupina_percenta_zdravie(g)),
              std::make_pair(75, 0));
    // Without a barracks nobody is recruited, and no empty group is raised.
    strategy.KASAREN_ID = -1;
    EXPECT_FALSE(strategy.regrutujKopijnikov(0) || strategy.regrutujBaranidlo());
    EXPECT_EQ(h.skupina_last_id, 6);
}

TEST_F(Armada, RefillFillsPlacesBeyondTheListAndHolesWithArmedMenWithoutArmour) {
    S_owner& h = hrac();
    // Raised with 20 places when only 15 men were free.
    while (h.bez_prace_last_id > 15) {
        strategy.vojenska_skupina_vytvor_pocet = std::min(100, h.bez_prace_last_id - 15);
        strategy.vytvor_vojensku_skupinu(S_L::luk, -1, -1);
    }
    const int n = 20;
    strategy.vojenska_skupina_vytvor_pocet = n;
    const int g = strategy.vytvor_vojensku_skupinu(S_L::mec, S_L::tazke_brnenie, -1);
    strategy.presun_vojensku_skupinu_na(g, h.vojenska_skupina[1].x, h.vojenska_skupina[1].y, 1);
    ASSERT_EQ(h.bez_prace_last_id, 0);
    strategy.vojenska_skupina_dopln(g);  // nobody to take
    EXPECT_EQ(sk(g).zoznam_vojakov_last_id, 15);
    for (int i = 0; i < 6; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20, 100);
    const int tazke = h.surovina[S_L::tazke_brnenie].mam;
    strategy.vojenska_skupina_dopln(g);
    EXPECT_TRUE(sk(g).zoznam_vojakov_last_id == n && sk(g).dead == 0 &&
                h.surovina[S_L::tazke_brnenie].mam == tazke);
    EXPECT_EQ(h.bez_prace_last_id, 1) << "five of the six taken";
    EXPECT_TRUE(clen(g, n - 1).zbran == S_L::mec && clen(g, n - 1).brnenie == -1);
    EXPECT_FLOAT_EQ(clen(g, n - 1).x, sk(g).x + clen(g, n - 1).formation_x);
    EXPECT_EQ(strategy.objekt[kasaren].je_ludi, hrac().pocet_vojakov);
    EXPECT_EQ(prepocet(), "");
    strategy.vojenska_skupina_dopln(g);  // a full group takes nobody
    EXPECT_TRUE(sk(g).zoznam_vojakov_last_id == n && h.bez_prace_last_id == 1);

    // A fallen man buried after a battle leaves a hole counted in `dead`; the refill fills it.
    const int padly = sk(g).zoznam_vojakov[3];
    sk(g).zoznam_vojakov[3] = -1, sk(g).dead = 1;
    strategy.clovek[padly].skupina = -1;
    strategy.clovek_DIE(padly);
    strategy.vojenska_skupina_dopln(g);
    EXPECT_TRUE(sk(g).zoznam_vojakov[3] != -1 && sk(g).dead == 0 && h.bez_prace_last_id == 0);
    EXPECT_EQ(prepocet(), "");
    // A destroyed group still listing its fallen takes nobody: the burial would kill them.
    strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20, 100);
    sk(g).dead_status = true, sk(g).max += 1;
    strategy.vojenska_skupina_dopln(g);
    EXPECT_TRUE(sk(g).zoznam_vojakov_last_id == n && h.bez_prace_last_id == 1);
}

TEST_F(Armada, DisbandedMenReturnToTheJoblessUnarmedAndTheBarracksGetsItsCellBack) {
    S_owner& h = hrac();
    const int volni = h.bez_prace_last_id, mece = h.surovina[S_L::mec].mam;
    ASSERT_TRUE(strategy.regrutujSermiarov(3));
    const int g = posledna_skupina();
    const int x = sk(g).x, y = sk(g).y, o = sk(g).objekt_id;
    // A soldier dying in peace leaves his group and the barracks once.
    strategy.clovek_DIE(sk(g).zoznam_vojakov[4]);
    EXPECT_TRUE(sk(g).zoznam_vojakov_last_id == 9 && strategy.objekt[kasaren].je_ludi == 9);
    EXPECT_EQ(prepocet(), "");
    const int muz = sk(g).zoznam_vojakov[0];

    EXPECT_TRUE(strategy.rozpust_vojensku_skupinu(g, S_L::id_player));
    EXPECT_TRUE(sk(g).dead_status && sk(g).zoznam_vojakov_last_id == 0 && sk(g).objekt_id == -1);
    EXPECT_TRUE(h.bez_prace_last_id == volni - 1 && h.pocet_vojakov == 0 && h.pocet_skupin == 0);
    EXPECT_EQ(h.surovina[S_L::mec].mam, mece - 10);  // arms stay out of the stores
    const auto& c = strategy.clovek[muz];
    EXPECT_TRUE(!c.vojak && c.skupina == -1 && c.objekt_v_ktorom_pracuje == -1 &&
                c.zbran == S_L::mec);
    // The recruitment point is a barracks cell again, not a hole.
    EXPECT_EQ(std::make_tuple(strategy.objekt[kasaren].je_ludi, strategy.point_id_of_objekt(x, y),
                              strategy.objekt[o].co_to_je),
              std::make_tuple(0, kasaren, -1));
    EXPECT_EQ(prepocet(), "");
    EXPECT_TRUE(strategy.rozpust_vojensku_skupinu(g, S_L::id_player));  // nothing more to do
    EXPECT_FALSE(strategy.rozpust_vojensku_skupinu(g, S_L::id_nepriatel));
    EXPECT_EQ(strategy.owner, S_L::id_player);
}

TEST_F(Armada, AfterABattleTheFallenAreBuriedAndDestroyedGroupsDeleted) {
    S_owner& h = hrac();
    ASSERT_TRUE(strategy.regrutujSermiarov(0) && strategy.regrutujKopijnikov(0));
    const int a = h.skupina[0], b = h.skupina[1];
    const int bx = sk(b).x, by = sk(b).y;
    strategy.je_vojna = true;
    // Group a lost two men, group b all ten.
    for (int k : {2, 5}) clen(a, k).zdravie = 0;
    for (int k = 0; k < 10; ++k) clen(b, k).zdravie = 0;
    sk(a).dead = 2, sk(b).dead = 10;
    strategy.set_dead_status(b);
    // A destroyed group still listing its fallen is not revived before the burial.
    ASSERT_TRUE(strategy.regrutujLukostrelcov(0));
    EXPECT_TRUE(h.skupina[2] == 2 && sk(b).zoznam_vojakov_last_id == 10);
    ASSERT_EQ(prepocet(), "");
    const int smrti = h.pocet_smrti;
    strategy.uprac_vojenske_skupiny();
    strategy.je_vojna = false;
    EXPECT_EQ(h.pocet_smrti, smrti + 12);
    EXPECT_TRUE(sk(a).zoznam_vojakov[2] == -1 && sk(a).dead == 2 &&
                strategy.vojenska_skupina_volne_miesta(a) == 2);
    EXPECT_TRUE(sk(b).zoznam_vojakov_last_id == 0 && sk(b).max == 0 && sk(b).objekt_id == -1 &&
                sk(b).x == -1);
    EXPECT_TRUE(strategy.point_id_of_objekt(bx, by) == strategy.KASAREN_ID &&
                strategy.objekt[strategy.KASAREN_ID].je_ludi == 18 && h.pocet_skupin == 2);
    EXPECT_EQ(prepocet(), "");
    // A group whose men all died in peace is released by the next clean-up, and counted out.
    for (int k = 0; k < 10; ++k) strategy.clovek_DIE(sk(2).zoznam_vojakov[0]);
    strategy.uprac_vojenske_skupiny();
    EXPECT_TRUE(sk(2).dead_status && h.pocet_skupin == 1);
    EXPECT_EQ(prepocet(), "");
}

}  // namespace
