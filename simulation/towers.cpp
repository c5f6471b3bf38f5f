// Towers: the owner's table of wooden towers, manning them with archers from the men without
// work, their volleys at enemy groups in the 5 x 5 tiles round them, the enemy archers' fire at
// a garrison, and the burial of the fallen garrison after a battle.
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
    if (!platny_vlastnik(vl) || v < 0 || v >= id_owner[vl].veza_last_id || v >= MAX_OBJECTS)
        return 0;
    return id_owner[vl].veza[v].pocet;
}

// Soldiers a tower holds: 10 per level of its building, at most the 60 places of its list.
static int kapacita_veze(const S_L& w, const S_veza& v) {
    if (!platny_objekt(v.object)) return 0;
    const int k = w.objekt[v.object].level * S_L::MAX_VOJACI_VO_VEZI_NA_LEVEL;
    return k < 0 ? 0 : (k > 60 ? 60 : k);
}

bool S_L::regrutujLukostrelcovDoVeze() {
    S_owner& ow = aktualny_vlastnik();
    const int n = get_pocet_regrutovanie_na_vezu();
    if (ow.veza_last_id <= 0 || ow.bez_prace_last_id < n || ow.surovina[luk].mam < n) return false;
    for (int i = 0; i < n; ++i) {
        const int t = get_volne_miesto_vo_vezi();
        if (t == -1) break;
        const int muz = odober_bez_prace();
        if (!platny_clovek(muz)) break;
        if (veza_pridaj(t, muz)) {
            vyzbroj(muz, luk, -1);
            clovek[muz].skupina = -1;
            clovek[muz].attacked = -1;
            std::printf("veza %d pridala cloveka %d\n", t, muz);
        } else {
            pridaj_bez_prace(muz);
            std::printf("veza %d NEpridala cloveka %d\n", t, muz);
        }
    }
    return true;
}

int S_L::get_volne_miesto_vo_vezi() {
    const S_owner& ow = aktualny_vlastnik();
    if (ow.veza_volne_miesta <= 0) return -1;
    for (int t = 0; t < ow.veza_last_id && t < MAX_OBJECTS - 1; ++t) {
        const S_veza& v = ow.veza[t];
        if (v.dead > 0) {
            std::printf("veza %d ma %d mrtvych\n", t, v.dead);
            return t;
        }
        if (!platny_objekt(v.object)) return -1;
        const int k = kapacita_veze(*this, v);
        if (v.pocet < k) {
            std::printf("veza %d ma iba %d z %d\n", t, v.pocet, k);
            return t;
        }
    }
    return -1;
}

bool S_L::veza_pridaj(int vId, int id) {
    S_owner& ow = aktualny_vlastnik();
    if (vId < 0 || vId >= ow.veza_last_id || vId >= MAX_OBJECTS - 1 || !platny_clovek(id))
        return false;
    S_veza& v = ow.veza[vId];
    if (clovek[id].vlastnik != owner) std::printf("veza pridaj >>> clovek nesedi vlastnik ");
    std::printf("veza %d ma %d mrtvych", vId, v.dead);
    if (!platny_objekt(v.object)) {
        std::printf("ERROR : vOid je zle");
        std::printf("veza %d ma %d\n", vId, v.pocet);
        return false;
    }
    const int k = kapacita_veze(*this, v);
    if (v.vojak_last_id < k) {
        v.vojak[v.vojak_last_id++] = id;
        v.pocet += 1;
        std::printf("veza %d ma %d a nema mrtvych\n", vId, v.pocet);
    } else {
        if (v.dead == 0) {
            std::printf("vojak last id  = %d == %d a veza nema mrtve\n", v.vojak_last_id, k);
            std::printf("veza %d ma %d\n", vId, v.pocet);
            return false;
        }
        int miesto = -1;
        for (int i = 0; i < v.vojak_last_id && miesto == -1; ++i)
            if (v.vojak[i] == -1) miesto = i;
        if (miesto == -1) {
            std::printf("veza %d nenasla volne miesto ma %d a uz len %d mrtvych\n", vId, v.pocet,
                        v.dead);
            return false;
        }
        v.vojak[miesto] = id;
        v.dead -= 1;
        v.pocet += 1;
        std::printf("veza %d ma %d a uz len %d mrtvych\n", vId, v.pocet, v.dead);
    }
    clovek[id].veza = vId;
    clovek[id].objekt_v_ktorom_pracuje = v.object;
    objekt[v.object].je_ludi += 1;
    ow.veza_volne_miesta -= 1;
    return true;
}

void S_L::uprac_veze(int vl) {
    std::printf("upratovanie veze ");
    if (!platny_vlastnik(vl)) return;
    S_owner& ow = id_owner[vl];
    for (int t = 0; t < ow.veza_last_id && t < MAX_OBJECTS - 1; ++t) {
        S_veza& v = ow.veza[t];
        int zivych = 0;
        for (int k = 0; k < v.vojak_last_id && k < 61; ++k) {
            const int c = v.vojak[k];
            if (!platny_clovek(c)) continue;
            if (clovek[c].zdravie >= 1) {
                ++zivych;
                continue;
            }
            clovek[c].veza = -1;
            clovek_DIE(c);
            v.vojak[k] = -1;
            ow.veza_volne_miesta += 1;
        }
        v.pocet = zivych;
    }
}

bool S_L::fire_arrows_tower(int pocet, int se) {
    if (!platna_skupina(se)) return false;
    S_vojenska_skupina& s = vojenska_skupina[se];
    if (s.vojensky_stroj >= 0 && s.vojensky_stroj < vojenske_stroje_last_id &&
        vojenske_stroje[s.vojensky_stroj].obrana > 0)
        return false;
    bool zabil = false;
    int sipy = pocet;
    for (int k = 0; k < clenov(se) && sipy > 0; ++k) {
        const int c = zivy_clen(se, k);
        if (c == -1) continue;
        --sipy;
        if (random(0, 2) == 0 && zran_vojaka(c, SILA_LUK)) zabil = true;
    }
    return zabil;
}

bool S_L::vojna_utok_na_vezu(int skupina_id, int vl, int veza_id) {
    if (!platna_skupina(skupina_id) || !platny_vlastnik(vl)) return false;
    S_vojenska_skupina& s = vojenska_skupina[skupina_id];
    S_owner& ow = id_owner[vl];
    if (veza_id < 0 || veza_id >= ow.veza_last_id || veza_id >= MAX_OBJECTS - 1) return false;
    if (s.dead_status) return false;
    int sipy = 0;
    for (int k = 0; k < clenov(skupina_id); ++k) {
        const int c = s.zoznam_vojakov[k];
        if (!platny_clovek(c)) continue;
        if (clovek[c].zdravie < 0) clovek[c].zdravie = 0;
        if (clovek[c].zdravie >= 1 && clovek[c].zbran == luk) ++sipy;
    }
    if (sipy == 0) return false;
    S_veza& v = ow.veza[veza_id];
    if (v.pocet > 0) s.action_timer = zbran_timer(luk);
    bool zabil = false;
    int zivych = 0;
    for (int k = 0; k < v.vojak_last_id && k < 61; ++k) {
        const int c = v.vojak[k];
        if (!platny_clovek(c)) continue;
        S_clovek& p = clovek[c];
        if (p.zdravie < 0) p.zdravie = 0;
        if (p.zdravie < 1) continue;
        if (sipy > 0) {
            --sipy;
            // A garrison man belongs to no group, so only the tower counts him fallen.
            if (random(0, 2) == 0 && zran_vojaka(c, SILA_LUK)) {
                v.dead += 1;
                if (v.pocet > 0) v.pocet -= 1;
                if (v.pocet == 0) SYNCH_DEAD = true;
                zabil = true;
                continue;
            }
        }
        ++zivych;
    }
    if (zivych != v.pocet)
        std::printf("!! ERORR : Zapisky s poctom vojakov vo vezi sa nezhoduju zivy %d pocet %d \n",
                    zivych, v.pocet);
    return zabil;
}

bool S_L::vojna_kontroluj_veze() {
    S_owner& hrac = id_owner[id_player];
    for (int t = 0; t < hrac.veza_last_id && t < MAX_OBJECTS - 1; ++t) {
        S_veza& v = hrac.veza[t];
        if (v.dead == v.vojak_last_id || v.pocet <= 0) {
            v.bol_utok = false;
            continue;
        }
        if (v.action_timer > 0) {
            v.action_timer -= 1;
            continue;
        }
        v.bol_utok = false;
        // The 5 x 5 tiles round the tower, row by row: the first enemy group that arrows can
        // hurt is the target of the whole volley.
        int ciel = -1;
        for (int ty = v.y - 2; ty <= v.y + 2 && ciel == -1; ++ty)
            for (int tx = v.x - 2; tx <= v.x + 2 && ciel == -1; ++tx) {
                const int g = vojenska_skupina_na_suradniciach(tx, ty, id_player);
                if (g == -1) continue;
                const int stroj = vojenska_skupina[g].vojensky_stroj;
                if (stroj == -1 || (stroj >= 0 && stroj < vojenske_stroje_last_id &&
                                    vojenske_stroje[stroj].obrana == 0))
                    ciel = g;
            }
        if (ciel == -1) continue;
        v.action_timer = zbran_timer(luk);
        v.bol_utok = true;
        const S_vojenska_skupina& s = vojenska_skupina[ciel];
        if (fire_arrows_tower(v.pocet, ciel) && s.dead == s.zoznam_vojakov_last_id) {
            set_dead_status(ciel);
            unbound(ciel);
        }
    }
    return true;
}
