// The owner's tower table: registering a wooden tower when it is placed, taking a soldier off a
// tower's list and finding the tower of a building object.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

int S_L::add_veza(int o, int vx, int vy) {
    if (!platny_vlastnik(owner)) return -1;
    S_owner& vl = id_owner[owner];
    const int t = vl.veza_last_id;
    if (t < 0 || t >= MAX_OBJECTS - 1) return -1;
    S_veza& v = vl.veza[t];
    v.x = vx;
    v.y = vy;
    v.object = o;
    v.pocet = 0;
    v.vojak_last_id = 0;
    v.dead = 0;
    // The slot may hold a tower of an earlier game: start it without a garrison or a volley.
    v.level = 1;
    v.bol_utok = false;
    v.action_timer = 0;
    for (int& s : v.vojak) s = -1;
    vl.veza_volne_miesta += MAX_VOJACI_VO_VEZI_NA_LEVEL;
    vl.veza_last_id += 1;
    return t;
}

bool S_L::odober_vojaka_z_veze(int vojak, int i, int vl) {
    if (!platny_vlastnik(vl) || vojak == -1) return false;
    S_owner& own = id_owner[vl];
    if (i < 0 || i >= own.veza_last_id || i >= MAX_OBJECTS) return false;
    S_veza& v = own.veza[i];
    const int pocet = v.vojak_last_id < 61 ? v.vojak_last_id : 61;
    for (int k = 0; k < pocet; ++k) {
        if (v.vojak[k] != vojak) continue;
        std::printf("vojak %d odobrany z veze\n", k);
        for (int j = k; j + 1 < pocet; ++j) v.vojak[j] = v.vojak[j + 1];
        v.vojak[pocet - 1] = -1;
        v.vojak_last_id = pocet - 1;
        return true;
    }
    return false;
}

int S_L::return_veza_id(int o) {
    if (!platny_objekt(o)) return -1;
    const int vl = objekt[o].vlastnik;
    if (!platny_vlastnik(vl)) return -1;
    const S_owner& own = id_owner[vl];
    const int pocet = own.veza_last_id < MAX_OBJECTS ? own.veza_last_id : MAX_OBJECTS;
    for (int t = 0; t < pocet; ++t)
        if (own.veza[t].object == o) return t;
    return -1;
}

int S_L::get_pocet_regrutovanie_na_vezu() {
    const int volne = aktualny_vlastnik().veza_volne_miesta;
    return volne < MAX_VOJACI_VO_VEZI_NA_LEVEL ? volne : MAX_VOJACI_VO_VEZI_NA_LEVEL;
}

int S_L::return_veza_last_id(int) { return id_owner[id_player].veza_last_id; }

int S_L::return_vojaci_vo_vezi(int vl, int v) {
    if (!platny_vlastnik(vl) || v < 0 || v >= id_owner[vl].veza_last_id || v >= MAX_OBJECTS) return 0;
    return id_owner[vl].veza[v].pocet;
}
