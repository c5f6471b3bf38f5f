// A walled town of rank 3 on the eve of the enemy's first attack, built with the world's own
// operations: people, houses, workplaces and stores, a palisade ring with ten wooden towers and
// an open gate on its north side, a barracks between the gate and the main building, towers manned
// with archers and groups recruited at the barracks; or, to a plan, the same town with gaps in
// its ring or none, its gate shut, its towers empty or without an army. The date is left at
// 31 November of year 5, so the next day step reaches 1 December and the month's checks start the
// attack.
//
// Header-only and depending on the simulation library alone, so a headless test and a client-side
// test of the real game can prepare the same town. The catalogues must be filled first (`Set_all`,
// which the client's start-up does; `naplnene_katalogy` does it once per process for a headless
// test).
#pragma once

#include <functional>

#include "Strategy_library.h"
#include "katalogy.h"

namespace battle_town {

using Strategy_library::S_L;
using Strategy_library::S_owner;

// The ring of palisades runs along x = 80, x = 120, y = 80 and y = 120; the gate is (100, 80);
// the enemy deploys four tiles north of the ring, at (100, 76), and marches south on the main
// building (100, 100) straight through the gate and the barracks (100, 92), whose recruitment
// points (98 … 102, 90) and (98 … 102, 91) hold the player's groups.
constexpr int OKRAJ_MIN = 80, OKRAJ_MAX = 120;
constexpr int BRANA_X = 100, BRANA_Y = 80;
constexpr int KASAREN_X = 100, KASAREN_Y = 92;
constexpr int POCET_VIEZ = 10;
constexpr int VEZE[POCET_VIEZ][2] = {{80, 80},  {120, 80}, {80, 120}, {120, 120}, {98, 80},
                                     {102, 80}, {90, 80},  {110, 80}, {80, 100},  {120, 100}};

// Who defends the town: five armoured groups, one group of ten spearmen without armour, or nobody.
enum class Armada { silna, slaba, ziadna };

// How the town is built: its army, whether the ring stands (a ring without the palisade cells for
// which `medzera` is true has gaps; no ring means no palisades and no gate, the towers stand
// alone), whether the gate is left open and whether the towers are manned.
struct S_plan {
    Armada armada = Armada::silna;
    bool hradby = true;
    std::function<bool(int x, int y)> medzera;
    bool brana_otvorena = true;
    bool veze_obsadene = true;
};

// What the builder made, by object and group ids.
struct S_bojove_mesto {
    int hlavna_budova = -1;
    int kasaren = -1;
    int brana = -1;
    int veze[POCET_VIEZ] = {};
    int skupiny[5] = {-1, -1, -1, -1, -1};
    int pocet_skupin = 0;
};

// A finished building of the player; its object id, or -1 when the site is taken (then nothing is
// tried, so no construction error is left pending).
inline int budova(int x, int y, float rot, int typ, int level) {
    if (strategy.point_id_of_objekt(x, y) != -1) return -1;
    strategy.set_owner(S_L::id_player);
    strategy.pridaj_budovu(x, y, rot, typ, level);
    return strategy.point_id_of_objekt_not_second(x, y);
}

// Starts a new game and builds the town; the current owner is the player afterwards. The date is
// 31 November of year 5 and the game clock is left to the caller.
inline S_bojove_mesto postav_bojove_mesto(const S_plan& plan) {
    S_bojove_mesto m;
    strategy.New_Game();
    strategy.set_owner(S_L::id_player);
    S_owner& hrac = strategy.id_owner[S_L::id_player];
    m.hlavna_budova = strategy.point_id_of_objekt(100, 100);

    // Stores, wells and food, workplaces, then 45 houses of five households each.
    budova(110, 104, 0.0f, S_L::sklad, 5);
    budova(112, 104, 0.0f, S_L::sklad, 5);
    const int prace[][2] = {{S_L::studna, 4},       {S_L::studna, 4},  {S_L::mlyn, 2},
                            {S_L::pekaren, 2},      {S_L::farma, 2},   {S_L::farma, 2},
                            {S_L::rybar, 1},        {S_L::lovec, 1},   {S_L::jablkovy_sad, 1},
                            {S_L::zberac_dreva, 1}, {S_L::cintorin, 1}};
    int i = 0;
    for (const auto& p : prace) budova(84 + 2 * i++, 104, 0.0f, p[0], p[1]);
    for (i = 0; i < 45; ++i) budova(84 + 2 * (i % 15), 110 + 2 * (i / 15), 0.0f, S_L::dom, 5);

    // 380 adults: rank 3 (300 or more) and below rank 4 (400).
    for (i = 0; i < 200; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20 + i % 20, 100);
    for (i = 0; i < 150; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::zena, 20 + i % 20, 100);
    for (int r = 1; r < S_L::last_surovina_id; ++r) hrac.surovina[r].mam = 3000;
    hrac.surovina[S_L::mrtvola].mam = 0;
    strategy.kontroluj_sklady();
    strategy.kontroluj_najdenie_domu_prace();
    for (i = 0; i < 3; ++i) strategy.kontroluj_pridelenie_privilegii();

    // The ring, its towers and the gate; the zones as placing them one by one would leave them.
    for (int t = 0; t < POCET_VIEZ; ++t)
        m.veze[t] = budova(VEZE[t][0], VEZE[t][1], 0.0f, S_L::drevenna_veza, 1);
    if (plan.hradby) {
        m.brana = budova(BRANA_X, BRANA_Y, 0.0f, S_L::drevena_brana, 1);
        auto palisada = [&](int x, int y, float rot) {
            if (!plan.medzera || !plan.medzera(x, y)) budova(x, y, rot, S_L::drevena_palisada, 1);
        };
        for (int k = OKRAJ_MIN + 1; k < OKRAJ_MAX; ++k) {
            for (int y : {OKRAJ_MIN, OKRAJ_MAX}) palisada(k, y, 0.0f);
            for (int x : {OKRAJ_MIN, OKRAJ_MAX}) palisada(x, k, 90.0f);
        }
        // A gate is placed closed; the town keeps it open for its people unless told otherwise.
        if (plan.brana_otvorena) strategy.close_open(m.brana);
    }
    strategy.zoning(0, 0, true);

    // The barracks, the towers manned, the army recruited.
    m.kasaren = budova(KASAREN_X, KASAREN_Y, 0.0f, S_L::kasaren, 1);
    while (plan.veze_obsadene && strategy.get_pocet_regrutovanie_na_vezu() > 0 &&
           strategy.regrutujLukostrelcovDoVeze()) {
    }
    auto regrutovana = [&](bool ok) {
        if (ok) m.skupiny[m.pocet_skupin++] = hrac.skupina[hrac.skupina_last_id - 1];
    };
    if (plan.armada == Armada::silna) {
        regrutovana(strategy.regrutujSermiarov(3));
        regrutovana(strategy.regrutujKopijnikov(3));
        regrutovana(strategy.regrutujSermiarov(3));
        regrutovana(strategy.regrutujKopijnikov(3));
        regrutovana(strategy.regrutujLukostrelcov(2));
    } else if (plan.armada == Armada::slaba) {
        regrutovana(strategy.regrutujKopijnikov(0));
    }
    strategy.kontroluj_najdenie_domu_prace();

    strategy.time = {31, S_L::M_november, 5};
    strategy.mesiac_passed = strategy.rok_passed = false;
    strategy.set_owner(S_L::id_player);
    return m;
}

inline S_bojove_mesto postav_bojove_mesto(Armada armada) {
    S_plan plan;
    plan.armada = armada;
    return postav_bojove_mesto(plan);
}

}  // namespace battle_town
