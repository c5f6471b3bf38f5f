// Shared set-up for the tests of the people: a fresh starting town, houses, families and month
// ends run through the world's own operations.
#pragma once

#include "Strategy_library.h"
#include "recount.h"
#include "test_world.h"

namespace people_town {

using Strategy_library::S_L;
using Strategy_library::S_owner;

// The start-up fill once per process, then a new game with its 30 settlers.
inline void nova_hra() {
    naplnene_katalogy();
    strategy.New_Game();
    strategy.set_owner(S_L::id_player);
}

inline S_owner& hrac() { return strategy.id_owner[S_L::id_player]; }

// A finished building of the player; returns its object id.
inline int postav(int x, int y, int typ, int level) {
    strategy.set_owner(S_L::id_player);
    strategy.pridaj_budovu(x, y, 0.0f, typ, level);
    return strategy.point_id_of_objekt(x, y);
}

// The month checks of the people as the step runs them: homes and jobs, then the pass.
inline void koniec_mesiaca(int novy_mesiac, bool rok = false) {
    strategy.time.mesiac = novy_mesiac;
    strategy.time.den = 1;
    strategy.mesiac_passed = true;
    strategy.rok_passed = rok;
    strategy.kontroluj_najdenie_domu_prace();
    strategy.kontroluj_ludi();
}

// The id the next created person will get.
inline int dalsie_id() { return strategy.clovek_volne_id[strategy.clovek_posledne_volne_id]; }

// A child of a couple, created and linked as a birth would link it.
inline int dieta(int otec, int matka, int pohlavie, int vek) {
    int id = dalsie_id();
    strategy.vytvor_clovek(S_L::id_player, pohlavie, vek, 100);
    auto& d = strategy.clovek[id];
    d.id_otca = otec;
    d.id_matky = matka;
    if (vek < S_L::CLOVEK_REPRODUKCIA_ZACIATOK) d.objekt_v_ktorom_byva = strategy.clovek[otec].objekt_v_ktorom_byva;
    for (int r : {otec, matka}) {
        auto& rodic = strategy.clovek[r];
        rodic.id_deti[rodic.pocet_deti++] = id;
    }
    return id;
}

inline std::string prepocet() { return recount::prepocitaj(strategy, S_L::id_player); }

}  // namespace people_town
