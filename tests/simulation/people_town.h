// Shared set-up for the tests of the people: a fresh starting town, finished buildings, linked
// children, month ends run through the world's own operations, and a recount of the books.
#pragma once

#include <string>

#include "Strategy_library.h"
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
inline Strategy_library::S_clovek& cl(int c) { return strategy.clovek[c]; }

// A finished building of the player; returns its object id.
inline int postav(int x, int y, int typ, int level) {
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

// A child of a couple, created and linked as a birth links it; a minor lives with the father.
inline int dieta(int otec, int matka, int pohlavie, int vek) {
    const int id = dalsie_id();
    strategy.vytvor_clovek(S_L::id_player, pohlavie, vek, 100);
    cl(id).id_otca = otec;
    cl(id).id_matky = matka;
    if (vek < S_L::CLOVEK_REPRODUKCIA_ZACIATOK) cl(id).objekt_v_ktorom_byva = cl(otec).objekt_v_ktorom_byva;
    for (int r : {otec, matka}) cl(r).id_deti[cl(r).pocet_deti++] = id;
    return id;
}

}  // namespace people_town
