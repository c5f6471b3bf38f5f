// Long runs through the real step driver, with the whole world recounted after every month end
// and every battle's end (and, where the run asks for it, after every battle step): a fed town
// growing for a hundred years, a town given random orders for fifty, and a walled town attacked
// again and again for thirty. Battles run at their own speed while the calendar stands still,
// and after each the fallen are buried and the groups stand in formation on their anchors. Under
// the sanitizers (the test command's build) any memory fault or undefined behaviour ends the run
// as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "../battle_town.h"
#include "../krokovanie.h"
#include "test_world.h"

namespace {

// After a battle: nobody fallen is left unburied, every group stands in formation on its anchor
// tile and the player's on its map object (the enemy has no barracks: all its groups were
// raised on (0, 0), where only the last one's object stands). What is wrong, or "".
std::string po_bitke() {
    for (int c = 0; c < strategy.clovek_hwm; ++c)
        if (cl(c).pohlavie != -1 && cl(c).vojak && cl(c).zdravie < 1)
            return "soldier " + std::to_string(c) + " unburied";
    for (int g = 0; g < strategy.vojenska_skupina_last_id; ++g) {
        const auto& s = sk(g);
        bool stoji = s.dead_status ? s.zoznam_vojakov_last_id == 0 && s.objekt_id == -1
                                   : s.xf == s.x && s.yf == s.y &&
                                         (s.vlastnik != S_L::id_player ||
                                          strategy.point_id_of_objekt(s.x, s.y) == s.objekt_id);
        for (int k = 0; k < s.zoznam_vojakov_last_id && !s.dead_status; ++k)
            stoji &= s.zoznam_vojakov[k] == -1 || (clen(g, k).x == s.x + clen(g, k).formation_x &&
                                                   clen(g, k).y == s.y + clen(g, k).formation_y);
        if (!stoji) return "group " + std::to_string(g) + " out of place";
    }
    return "";
}

// What a run came to.
struct S_beh {
    std::string chyba;     // the first disagreement of the books and where it was found
    int mesiacov = 0;      // months played
    int bitiek = 0;        // battles that lasted beyond the month's checks
    int uviaznutych = 0;   // battles the stall rule or the time limit ended
    int najviac_ludi = 0;  // the player's largest population
};

// Plays up to `mesiacov` months with the console silenced, giving the player's orders before
// each one; a month whose checks start an attack goes on with every battle step until the
// battle ends by itself, the player fighting it. The books are recounted after every month end,
// every battle's end and, `po_kazdom_kroku`, every battle step. Stops at the first disagreement,
// at a battle that outlasts the game's limit of three minutes, or when the game is over.
// `v_bitke`, when given, adds orders of the player's own every seventh battle step.
template <class Rozkazy>
S_beh hraj(int mesiacov, Rozkazy rozkazy, bool po_kazdom_kroku,
           const std::function<void()>& v_bitke = nullptr) {
    S_beh b;
    Ticho ticho;
    krokovanie::spusti();
    auto knihy_sedia = [&](const char* kde) {
        const std::string k = strategy.prepocitaj_vsetko();
        if (!k.empty())
            b.chyba = std::string(kde) + " in month " + std::to_string(strategy.time.mesiac) +
                      " of year " + std::to_string(strategy.time.rok) + ":\n" + k;
        return k.empty();
    };
    for (; b.mesiacov < mesiacov && Game.running; ++b.mesiacov) {
        rozkazy();
        strategy.set_owner(S_L::id_player);
        krokovanie::mesiac_hry();
        if (!knihy_sedia("month end")) break;
        const bool bitka = strategy.je_vojna;
        b.bitiek += bitka;
        for (int krokov = 0; strategy.je_vojna; ++krokov) {
            if (krokov == S_L::BITKA_KROKOV_MAX) {
                b.chyba = "a battle did not end in three minutes";
                break;
            }
            if (krokov % 10 == 0) krokovanie::bojuj();
            if (v_bitke && krokov % 7 == 3) v_bitke();
            krokovanie::krok();
            if (strategy.je_vojna && (zrychlenie != 0.01f || strategy.time.den != 1))
                b.chyba = "a day passed in battle";
            if (!b.chyba.empty() ||
                ((po_kazdom_kroku || !strategy.je_vojna) && !knihy_sedia("battle step")))
                break;
        }
        if (bitka && b.chyba.empty()) b.chyba = po_bitke();
        if (!b.chyba.empty()) break;
        if (bitka) b.uviaznutych += strategy.posledna_bitka.uviazla;
        b.najviac_ludi = std::max(b.najviac_ludi, hrac().pocet_ludi);
    }
    return b;
}

// A merchant keeps the stores in food, water and warm clothes for everybody: hunger is no part
// of these runs.
void zasob_jedlom() {
    S_owner& h = hrac();
    const int n = h.pocet_ludi + 10;
    for (auto [s, na_hlavu] :
         {std::pair{S_L::voda, 40}, {S_L::chlieb, 6}, {S_L::maso, 6}, {S_L::jablko, 12}})
        h.surovina[s].mam = std::max(h.surovina[s].mam, na_hlavu * n);
    h.surovina[S_L::teple_oblecenie].mam = std::max(h.surovina[S_L::teple_oblecenie].mam, n);
}

TEST(DlhaHra, AFedTownGrowsForAHundredYears) {
    nova_hra();
    // Workplaces for the first men (the main building takes five builders first).
    const int prace[] = {S_L::mlyn,  S_L::pekaren, S_L::farma,    S_L::farma,  S_L::zberac_dreva,
                         S_L::lovec, S_L::rybar,   S_L::cintorin, S_L::kosiar, S_L::kozusinar};
    int i = 0;
    for (int t : prace) postav(90 + 2 * i++, 96, t, 1);
    postav(90, 98, S_L::sklad, 5);
    postav(92, 98, S_L::studna, 4);
    int domov = 0;
    const S_beh b = hraj(
        1200,
        [&] {
            zasob_jedlom();
            // The town builds houses while its families fill them, up to a hundred.
            while (domov < 100 && volne_miesta() < 4) {
                postav(80 + (domov % 20) * 2, 110 + (domov / 20) * 2, S_L::dom, 3);
                ++domov;
            }
        },
        true);
    ASSERT_EQ(b.chyba, "");
    EXPECT_EQ(std::make_pair(b.mesiacov, strategy.time.rok), std::make_pair(1200, 101));
    const S_owner& h = hrac();
    EXPECT_TRUE(b.najviac_ludi > 300 && h.pocet_ludi > 100)
        << b.najviac_ludi << " " << h.pocet_ludi;
    EXPECT_EQ(h.zomrelo_hladom, 0);
    // Generations came and went, and the ids of the dead were handed out again.
    EXPECT_TRUE(h.pocet_smrti > 500 && h.pocet_ludi + h.pocet_smrti > strategy.clovek_hwm)
        << h.pocet_smrti << " " << strategy.clovek_hwm;
    // A large city without an army: every attack is lost at once and plundered.
    EXPECT_GE(strategy.utok.pocet, 15);
}

TEST(DlhaHra, ATownGivenRandomOrdersForFiftyYears) {
    nova_hra();
    // A barracks, so the army's orders have one from the start, and cemeteries.
    postav(120, 120, S_L::kasaren, 1);
    for (int c = 0; c < 3; ++c) postav(60 + 2 * c, 146, S_L::cintorin, 1);
    int domov = 0;
    std::mt19937 nahoda(20240611);  // the orders' own generator: the world's stays the game's
    auto pod = [&](int n) { return static_cast<int>(nahoda() % static_cast<unsigned>(n)); };
    int postavenych = 0, vylepsenych = 0, regrutov = 0;
    const S_beh b = hraj(
        600,
        [&] {
            zasob_jedlom();
            S_owner& h = hrac();
            // Every December the town's suppliers bring a year's building material, arms and food
            // (enough for settlers to come to every free place at the year's end), and for eight
            // years four finished houses are put up beyond the reach of the orders: the town grows
            // into a large city that the enemy attacks, its settlers spread over the years (a whole
            // generation dying in one year would leave more corpses than the cemeteries can bury).
            if (strategy.time.mesiac == S_L::M_december) {
                for (int s = 1; s < S_L::last_surovina_id; ++s)
                    if (s != S_L::mrtvola) h.surovina[s].mam = std::max(h.surovina[s].mam, 40000);
                for (int d = 0; d < 4 && domov < 32; ++d, ++domov)
                    postav(60 + 2 * (domov % 16), 140 + 2 * (domov / 16), S_L::dom, 5);
            }
            for (int r = 0; r < 4; ++r) {
                switch (pod(6)) {
                    case 0:
                    case 1: {  // a building of any type, anywhere within reach of the main
                               // building, turned
                        const int typ = 1 + pod(S_L::last_building_integer - 1);
                        const int stare = h.budova[typ].mam;
                        strategy.nastav_typ_budovy(typ);
                        strategy.nastav_poziciu_stavanej_budovy(71 + pod(59), 71 + pod(59));
                        for (int k = pod(4); k > 0; --k) strategy.otoc_stavajucu_budovu();
                        strategy.postav();
                        postavenych += h.budova[typ].mam - stare;
                        break;
                    }
                    case 2: {  // the next level of one of the town's buildings
                        const std::vector<int> v = krokovanie::budovy_hraca();
                        const int o = v[pod(static_cast<int>(v.size()))],
                                  l = strategy.objekt[o].level;
                        strategy.upgrade(o);
                        vylepsenych += strategy.objekt[o].level != l;
                        break;
                    }
                    case 3: {  // open or close a building, a gate if there is one
                        std::vector<int> v = krokovanie::budovy_hraca(), brany;
                        for (int o : v)
                            if (strategy.budova_closeable(o)) brany.push_back(o);
                        if (!brany.empty() && pod(4) > 0) v = brany;
                        strategy.close_open(v[pod(static_cast<int>(v.size()))]);
                        break;
                    }
                    case 4: {  // recruit at the barracks, man the towers, refill or disband a group
                        const int druh = pod(7), g = h.skupina_last_id > 0
                                                         ? h.skupina[pod(h.skupina_last_id)]
                                                         : -1;
                        bool ok = false;
                        if (druh == 0) ok = strategy.regrutujSermiarov(pod(4));
                        if (druh == 1) ok = strategy.regrutujKopijnikov(pod(4));
                        if (druh == 2) ok = strategy.regrutujLukostrelcov(pod(4));
                        if (druh == 3) ok = strategy.regrutujBaranidlo();
                        if (druh == 4) ok = strategy.regrutujLukostrelcovDoVeze();
                        if (druh == 5 && g >= 0) strategy.vojenska_skupina_dopln(g);
                        if (druh == 6 && g >= 0)
                            ok = strategy.rozpust_vojensku_skupinu(g, S_L::id_player);
                        regrutov += ok;
                        break;
                    }
                    default: break;
                }
                strategy.set_owner(S_L::id_player);
            }
        },
        false, [&] { krokovanie::nahodny_rozkaz_v_bitke(pod); });
    ASSERT_EQ(b.chyba, "");
    EXPECT_EQ(b.mesiacov, 600);
    EXPECT_TRUE(strategy.utok.pocet >= 5 && postavenych > 100 && vylepsenych > 50 && regrutov > 10)
        << strategy.utok.pocet << " " << postavenych << " " << vylepsenych << " " << regrutov;
}

TEST(DlhaHra, AWalledTownIsAttackedAgainAndAgainForThirtyYears) {
    naplnene_katalogy();
    {
        Ticho ticho;
        battle_town::postav_bojove_mesto(battle_town::Armada::silna);
    }
    S_owner& h = hrac();
    // Between the battles the player fills up his groups and mans the towers again.
    const S_beh b = hraj(
        360,
        [&] {
            zasob_jedlom();
            strategy.set_owner(S_L::id_player);
            for (int i = 0; i < h.skupina_last_id; ++i)
                strategy.vojenska_skupina_dopln(h.skupina[i]);
            while (strategy.get_volne_miesto_vo_vezi() != -1 &&
                   strategy.regrutujLukostrelcovDoVeze()) {
            }
        },
        true);
    ASSERT_EQ(b.chyba, "");
    // December of years 5, 10, ... 30: six attacks, each a battle of its own decided by the
    // fighting, none by the stall rule.
    EXPECT_EQ(std::make_tuple(b.mesiacov, strategy.time.rok, strategy.utok.pocet, b.bitiek,
                              b.uviaznutych),
              std::make_tuple(360, 35, 6, 6, 0));
    EXPECT_GT(h.pocet_ludi, 100);
}

}  // namespace
