// Shared set-up of the world tests: the start-up fill once per process, the console held back
// unless a test fails, an empty world holding only the main building, a new game's town built
// with the world's own operations (finished buildings, linked children, month ends, soldiers and
// groups) and the recount of the books.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "../../bench/ticho.h"
#include "../potichu.h"
#include "Strategy_library.h"

using Strategy_library::S_L;
using Strategy_library::S_owner;

// A test whose console output is shown only when it fails (the world prints as it plays).
class Potichu : public TichaKonzola {
protected:
    void SetUp() override {
        naplnene_katalogy_potichu();
        TichaKonzola::SetUp();
    }
};

// An empty world holding only the player's main building (object 0) at (100, 100).
class SvetSHlavnouBudovou : public Potichu {
protected:
    void SetUp() override {
        Potichu::SetUp();
        prazdny_svet();
    }
    static void prazdny_svet() {
        strategy.Restart_Game();
        strategy.set_owner(S_L::id_player);
        strategy.pridaj_budovu(100, 100, S_L::hlavna_budova, 1);
    }
};

// A new game with its 30 settlers.
inline void nova_hra() {
    naplnene_katalogy_potichu();
    strategy.New_Game();
    strategy.set_owner(S_L::id_player);
}

inline S_owner& hrac() { return strategy.id_owner[S_L::id_player]; }
inline Strategy_library::S_clovek& cl(int c) { return strategy.clovek[c]; }
inline Strategy_library::S_vojenska_skupina& sk(int g) { return strategy.vojenska_skupina[g]; }
// The person in place k of group g.
inline Strategy_library::S_clovek& clen(int g, int k) { return cl(sk(g).zoznam_vojakov[k]); }

// A finished building of the player; its object id.
inline int postav(int x, int y, int typ, int level = 1) {
    strategy.set_owner(S_L::id_player);
    strategy.pridaj_budovu(x, y, 0.0f, typ, level);
    return strategy.point_id_of_objekt(x, y);
}

// The world's recount of the books for an owner and of what belongs to nobody: one line per
// disagreement, "" when they balance.
inline std::string prepocet(int vl = S_L::id_player) {
    return strategy.prepocitaj_knihy(vl) + strategy.prepocitaj_svet();
}

// The month checks of the people as the step runs them: homes and jobs, then the pass; the books
// must balance afterwards.
inline void koniec_mesiaca(int novy_mesiac, bool rok = false) {
    strategy.time = {1, novy_mesiac, strategy.time.rok};
    strategy.mesiac_passed = true;
    strategy.rok_passed = rok;
    strategy.kontroluj_najdenie_domu_prace();
    strategy.kontroluj_ludi();
    EXPECT_EQ(prepocet(), "") << "after the month end of month " << novy_mesiac;
}

// The free places in the player's houses.
inline int volne_miesta() {
    int volne = 0;
    for (int i = 0; i < strategy.objekt_hwm; ++i) {
        const auto& ob = strategy.objekt[i];
        if (ob.co_to_je == S_L::id_budova && ob.id == S_L::dom && ob.vlastnik == S_L::id_player)
            volne += strategy.budova_potrebuje_ludi(i) - ob.je_ludi;
    }
    return volne;
}

// The id the next created person will get.
inline int dalsie_id() { return strategy.clovek_volne_id[strategy.clovek_posledne_volne_id]; }

// The barracks of a war game stands at (120, 120): its 7 x 7 footprint covers 117 … 123 on both
// axes, and the recruitment points of slots 0 … 9 are (118 … 122, 118) and (118 … 122, 119).
constexpr int KX = 120, KY = 120;

// A new game, a finished barracks, `muzov` more jobless men aged 20 and `zasoba` of every weapon
// and armour. Returns the barracks' object id.
inline int vojnova_hra(int muzov = 60, int zasoba = 200) {
    nova_hra();
    const int kasaren = postav(KX, KY, S_L::kasaren, 1);
    for (int i = 0; i < muzov; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20, 100);
    for (int r : {S_L::mec, S_L::luk, S_L::kopija, S_L::lahke_brnenie, S_L::tazke_brnenie,
                  S_L::kozenne_brnenie})
        hrac().surovina[r].mam = zasoba;
    return kasaren;
}

// The group the player raised last, by its slot.
inline int posledna_skupina() { return hrac().skupina[hrac().skupina_last_id - 1]; }

// A new group of n new men of owner vl with the given weapon (and machine), placed on tile
// (x, y) by its first order; its id.
inline int skupina(int vl, int n, int zbran, int x, int y, int stroj = -1) {
    strategy.set_owner(vl);
    for (int i = 0; i < n; ++i) strategy.vytvor_clovek(vl, S_L::muz, 20, 100);
    strategy.vojenska_skupina_vytvor_pocet = n;
    const int g = strategy.vytvor_vojensku_skupinu(zbran, -1, stroj);
    strategy.presun_vojensku_skupinu_na(g, x, y, -1);
    strategy.set_owner(S_L::id_player);
    return g;
}
