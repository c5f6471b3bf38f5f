// Military groups: raising a group from the current owner's men without work, arming them from
// the stores, recruiting at the barracks, refilling, disbanding and burying groups, the
// recruitment points round the barracks, removing a soldier from his group, and the read-only
// queries through which drawing and the screens look at groups.
#include <algorithm>
#include <cstdio>

#include "Formations.h"
#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// The owner's slots: one line each, or with `pozicia` a second line giving the group's tile.
void vypis_skupiny(const S_L& s, const S_owner& ow, bool pozicia) {
    for (int i = 0; i < ow.skupina_last_id && i < S_L::MAX_SKUPIN_NA_VLASTNIKA; ++i) {
        const int g = ow.skupina[i];
        const bool ok = platna_skupina(g);
        std::printf("vlastnena  skupina %d = skupina %d = id %d \n", i, g,
                    ok ? s.vojenska_skupina[g].objekt_id : -1);
        if (pozicia)
            std::printf("pozicia : %d x %d \n", ok ? s.vojenska_skupina[g].x : -1,
                        ok ? s.vojenska_skupina[g].y : -1);
    }
}

}  // namespace

int S_L::vytvor_vojensku_skupinu(int zbran, int zbroj, int vojensky_stroj) {
    const int O = owner;
    std::printf("vytvaranie skupiny vlastnik %d\n", O);
    if (!platny_vlastnik(O)) return -1;
    S_owner& ow = id_owner[O];
    vypis_skupiny(*this, ow, false);
    if (ow.pocet_skupin >= MAX_SKUPIN_NA_VLASTNIKA) {
        std::printf("vytvaranie vojenskej skupiny : pocet skupin == MAX");
        return -1;
    }

    // A destroyed or disbanded group keeps its slot and row; the first such slot is revived. A
    // destroyed group still listing its fallen waits for the burial after the battle: reviving it
    // then would lose them from every list and count the group twice.
    int slot = -1, g = -1;
    for (int i = 0; i < ow.skupina_last_id && i < MAX_SKUPIN_NA_VLASTNIKA; ++i) {
        const int kandidat = ow.skupina[i];
        if (platna_skupina(kandidat) && vojenska_skupina[kandidat].dead_status &&
            vojenska_skupina[kandidat].zoznam_vojakov_last_id == 0) {
            slot = i;
            g = kandidat;
            break;
        }
    }
    if (slot == -1) {
        if (vojenska_skupina_last_id >= MAX_VOJENSKA_SKUPINA) {
            std::printf("vytvorenie skupiny : MAX vojenskych skupin GLOBAL");
            return -1;
        }
        if (ow.skupina_last_id >= MAX_SKUPIN_NA_VLASTNIKA) {
            std::printf(
                "prekrocenie skupin na vlastnika pre %d s poslednym id %d a poctom skupin %d \n", O,
                ow.skupina_last_id, ow.pocet_skupin);
            return -1;
        }
        g = vojenska_skupina_last_id++;
        slot = ow.skupina_last_id++;
    }

    ow.pocet_skupin += 1;
    ow.skupina[slot] = g;
    S_vojenska_skupina& s = vojenska_skupina[g];
    s.vlastnik = O;
    std::printf("vojenska skupina create : %d -> owner  = %d vlastna skupina %d\n", g, O, slot);

    s.zoznam_vojakov_last_id = 0;
    s.objekt_id = s.utoci_na_objekt = s.utoci_na_x = s.utoci_na_y = -1;
    s.final_x = s.final_y = s.go_to_x = s.go_to_y = -1;
    s.x = s.y = 0;
    s.xf = s.yf = 0;
    s.moved = s.personal_fights = s.dead_status = false;
    s.dead = 0;
    s.action_timer = 0;
    s.zbran = zbran;
    s.zbroj = zbroj;
    s.vojensky_stroj = vojensky_stroj;
    // A revived row must not keep the bow of the group it held before.
    s.range_attack = zbran == luk;
    s.range_of_attack = zbran == luk ? RA_luk : 0;

    if (vojensky_stroj == -1) {
        s.nazov = MENA_SKUPIN[zbran == luk ? 0 : zbran == kopija ? 1 : zbran == mec ? 2 : 3];
    } else {
        s.nazov = MENA_SKUPIN[vojensky_stroj == VS_baranidlo ? 4 : 5];
    }

    int pocet = vojenska_skupina_vytvor_pocet;
    const bool stroj = vojensky_stroj >= 0 && vojensky_stroj < vojenske_stroje_last_id;
    if (stroj) {
        const S_vojenske_stroje& vs = vojenske_stroje[vojensky_stroj];
        pocet = vs.obsluha;
        if (vs.range_attack) {
            s.range_attack = true;
            s.range_of_attack = vs.range_of_attack;
        }
    }
    if (pocet > MAX_VOJACI_V_SKUPINE) pocet = MAX_VOJACI_V_SKUPINE;
    if (pocet < 0) pocet = 0;

    priprav_formaciu(g, pocet);
    for (int k = 0; k < pocet; ++k) {
        const int muz = naverbuj(g, zbroj);
        if (muz == -1) break;
        s.zoznam_vojakov[k] = muz;
        s.zoznam_vojakov_last_id = k + 1;
    }
    s.max = pocet;
    vypis_skupiny(*this, ow, true);
    return g;
}

bool S_L::regrutuj(int pocet, int zbran, int zbroj, int stroj, bool regrut_bod) {
    vojenska_skupina_vytvor_pocet = pocet;
    const S_owner& ow = aktualny_vlastnik();
    // Recruiting nobody (no barracks) would raise an empty group that no clean-up ever releases.
    if (pocet < 1 || ow.bez_prace_last_id < pocet) return false;
    if (zbran != -1 && platna_surovina(zbran) && ow.surovina[zbran].mam < pocet) return false;
    if (zbroj != -1 && platna_surovina(zbroj) && ow.surovina[zbroj].mam < pocet) return false;
    const int g = vytvor_vojensku_skupinu(zbran, zbroj, stroj);
    if (g < 0) return false;
    if (regrut_bod) {
        // The slot the group was raised in: a revived slot has its own point, and the last slot's
        // point may hold a living group.
        int k = ow.skupina_last_id - 1;
        for (int i = 0; i < ow.skupina_last_id && i < MAX_SKUPIN_NA_VLASTNIKA; ++i)
            if (ow.skupina[i] == g) k = i;
        presun_vojensku_skupinu_na(g, ow.vojenska_skupina[k].x, ow.vojenska_skupina[k].y, k);
    }
    return true;
}

namespace {

// Armour grade of the barracks buttons: none, leather, light, heavy; anything else is none.
int zbroj_stupna(int i) {
    switch (i) {
        case 1: return S_L::kozenne_brnenie;
        case 2: return S_L::lahke_brnenie;
        case 3: return S_L::tazke_brnenie;
        default: return -1;
    }
}

}  // namespace

bool S_L::regrutujSermiarov(int i) {
    return regrutuj(return_regrutuj_pocet(), mec, zbroj_stupna(i), -1, true);
}
bool S_L::regrutujKopijnikov(int i) {
    return regrutuj(return_regrutuj_pocet(), kopija, zbroj_stupna(i), -1, true);
}
bool S_L::regrutujLukostrelcov(int i) {
    return regrutuj(return_regrutuj_pocet(), luk, zbroj_stupna(i), -1, true);
}
bool S_L::regrutujBaranidlo() {
    return regrutuj(return_regrutuj_pocet(), -1, -1, VS_baranidlo, true);
}

void S_L::vojenska_skupina_dopln(int s) {
    const int g = s;
    // Only a living group of the current owner takes men: a destroyed one still lists its fallen,
    // and the burial after the battle would kill whoever joined it.
    if (g < 0 || !platna_skupina(g) || vojenska_skupina[g].vlastnik != owner ||
        vojenska_skupina[g].dead_status) {
        std::printf("doplnovanie zla skupina %d\n", g);
        return;
    }
    S_vojenska_skupina& sk = vojenska_skupina[g];
    const S_owner& ow = aktualny_vlastnik();
    const int volne = vojenska_skupina_volne_miesta(g);
    if (volne <= 0) {
        std::printf("doplnovanie chyba %d FALSE\n", volne);
        return;
    }
    std::printf("doplnovanie chyba %d \n", volne);
    if (ow.bez_prace_last_id < volne) {
        std::printf("doplnovanie nedostatokludi");
        return;
    }
    if (sk.zbran != -1 && platna_surovina(sk.zbran) && ow.surovina[sk.zbran].mam < volne) {
        std::printf("doplnovanie nedostatok surovin");
        return;
    }
    // Refilled men get no armour, so a shortage of it does not stop the refill.
    if (sk.zbroj != -1 && platna_surovina(sk.zbroj) && ow.surovina[sk.zbroj].mam < volne)
        std::printf("doplnovanie nedostatok surovin");

    std::printf("zacinam doplnovanie pre skupinu %d\n", g);
    priprav_formaciu(g, sk.max);
    for (int k = 0; k < sk.max && k < MAX_VOJACI_V_SKUPINE; ++k) {
        const bool diera = k < sk.zoznam_vojakov_last_id && sk.zoznam_vojakov[k] == -1;
        if (diera || k >= sk.zoznam_vojakov_last_id) {
            // Refilled men get no armour.
            const int muz = naverbuj(g, -1);
            if (muz == -1) {
                std::printf("doplnovanie nema bez prace");
                break;
            }
            S_clovek& c = clovek[muz];
            c.x = sk.x + c.formation_x;
            c.y = sk.y + c.formation_y;
            sk.zoznam_vojakov[k] = muz;
            if (diera) sk.dead -= 1;
            std::printf("pridany clovek %d do skupiny %d\n", muz, g);
        } else {
            Formation.next_soldier();
            const int c = sk.zoznam_vojakov[k];
            if (platny_clovek(c)) {
                clovek[c].formation_x = Formation.get_x();
                clovek[c].formation_y = Formation.get_z();
            }
        }
        if (k + 1 > sk.zoznam_vojakov_last_id) sk.zoznam_vojakov_last_id = k + 1;
    }
    std::printf("koncim doplnovanie last clen %d\n", sk.zoznam_vojakov_last_id);
}

bool S_L::rozpust_vojensku_skupinu(int skupina_id, int vl) {
    const int g = skupina_id;
    if (owner != vl) std::printf("owner missmatch");
    const C_za_vlastnika za(*this, vl);
    if (!za.platny()) {
        std::printf("rozpust skupinu : owner set error");
        return false;
    }
    if (g < 0 || g >= vojenska_skupina_last_id || !platna_skupina(g) ||
        vojenska_skupina[g].vlastnik != vl)
        return false;
    S_vojenska_skupina& s = vojenska_skupina[g];
    if (s.dead_status && s.zoznam_vojakov_last_id == 0) return true;
    S_owner& ow = id_owner[vl];
    for (int k = 0, n = clenov(g); k < n; ++k) {
        const int c = s.zoznam_vojakov[k];
        s.zoznam_vojakov[k] = -1;
        if (!platny_clovek(c) || clovek[c].pohlavie == -1) continue;
        S_clovek& p = clovek[c];
        if (p.zdravie <= 0) {
            // A fallen man still listed (a destroyed group disbanded before the burial after the
            // battle) is buried now: taken off the list unburied, he would stay a dead soldier of
            // no group, counted among the living for good.
            p.skupina = -1;
            clovek_DIE(c);
            continue;
        }
        p.vojak = false;
        p.skupina = -1;
        if (p.zbran == mec) ow.pocet_sermiarov -= 1;
        if (p.zbran == kopija) ow.pocet_kopijnikov -= 1;
        if (p.zbran == luk) ow.pocet_lukostrelcov -= 1;
        ow.pocet_vojakov -= 1;
        // Back among the men without work: he leaves the barracks too.
        opusti_kasaren(c);
        pridaj_bez_prace(c);
    }
    s.zoznam_vojakov_last_id = 0;
    ow.pocet_skupin -= 1;
    s.dead_status = true;
    unbound(g);
    if (platny_objekt(s.objekt_id)) odstran_objekt(s.objekt_id);
    s.objekt_id = -1;
    // A disbanded row has nobody left to walk or fight: no later movement step may order it on
    // (which would give the empty row a new map object that its next recruit drops for good).
    ukonci_pochod(g);
    return true;
}

void S_L::uprac_vojenske_skupiny() {
    for (int g = riadkov_skupin() - 1; g >= 0; --g) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        const int dlzka = clenov(g);
        // The fallen are taken off the list before they die, so their death does not take them
        // off it a second time.
        auto pochovaj = [&](int k) {
            const int c = s.zoznam_vojakov[k];
            s.zoznam_vojakov[k] = -1;
            clovek[c].skupina = -1;
            clovek_DIE(c);
        };
        if (s.dead == s.zoznam_vojakov_last_id || s.dead_status) {
            // A group emptied outside a battle (its men died of age) is released too, so the
            // owner's count of groups comes down with it.
            const bool bola_ziva = !s.dead_status;
            s.dead_status = true;
            if ((dlzka > 0 || bola_ziva) && platny_vlastnik(s.vlastnik))
                id_owner[s.vlastnik].pocet_skupin -= 1;
            for (int k = 0; k < dlzka; ++k)
                if (platny_clovek(s.zoznam_vojakov[k])) pochovaj(k);
            s.zoznam_vojakov_last_id = s.dead = s.max = 0;
            unbound(g);
            if (platny_objekt(s.objekt_id)) odstran_objekt(s.objekt_id);
            s.objekt_id = -1;
        } else {
            for (int k = 0; k < dlzka; ++k)
                if (platny_clovek(s.zoznam_vojakov[k]) && zivy_clen(g, k) == -1) pochovaj(k);
        }
    }
}

void S_L::set_dead_status(int s) {
    if (!platna_skupina(s)) return;
    vojenska_skupina[s].dead_status = true;
    std::printf("SKUPINA %d DEAD STATUS\n", s);
    SYNCH_DEAD = true;
}

void S_L::vyzbroj(int c, int zbran, int zbroj) {
    if (!platny_clovek(c) || !platny_vlastnik(owner)) return;
    S_clovek& cl = clovek[c];
    S_owner& ow = id_owner[owner];
    cl.vojak = true;
    cl.zbran = zbran;
    cl.brnenie = zbroj;
    if (zbran != -1 && platna_surovina(zbran)) ow.surovina[zbran].mam -= 1;
    if (zbroj != -1 && platna_surovina(zbroj)) ow.surovina[zbroj].mam -= 1;
    ow.pocet_vojakov += 1;
    if (zbran == mec) ow.pocet_sermiarov += 1;
    if (zbran == kopija) ow.pocet_kopijnikov += 1;
    if (zbran == luk) ow.pocet_lukostrelcov += 1;
}

void S_L::add_regrutovacie_body_pre_vojenske_skupiny(int sx, int sy) {
    if (!platny_vlastnik(owner)) return;
    S_owner& ow = id_owner[owner];
    for (int i = 0; i < 5; ++i) {
        ow.vojenska_skupina[i] = {sx - 2 + i, sy - 2};
        ow.vojenska_skupina[i + 5] = {sx - 2 + i, sy - 1};
    }
}

bool S_L::odober_vojaka_z_vojenskej_skupiny(int vojak, int skupina) {
    if (skupina < 0 || skupina >= vojenska_skupina_last_id || !platna_skupina(skupina))
        return false;
    if (!platny_clovek(vojak)) return false;
    S_vojenska_skupina& s = vojenska_skupina[skupina];
    if (clovek[vojak].vlastnik != s.vlastnik) return false;
    // A full group holds 100 members; its soldiers must be removable too.
    if (s.zoznam_vojakov_last_id < 0 || s.zoznam_vojakov_last_id > MAX_VOJACI_V_SKUPINE)
        return false;
    bool nasiel = false;
    for (int i = 0; i < s.zoznam_vojakov_last_id; ++i) {
        if (!nasiel && s.zoznam_vojakov[i] == vojak) nasiel = true;
        if (nasiel)
            s.zoznam_vojakov[i] = i + 1 < s.zoznam_vojakov_last_id ? s.zoznam_vojakov[i + 1] : -1;
    }
    if (nasiel) {
        s.zoznam_vojakov_last_id -= 1;
        if (s.vlastnik == id_player) opusti_kasaren(vojak);
    }
    return nasiel;
}

int S_L::riadkov_skupin() const {
    return std::clamp(vojenska_skupina_last_id, 0, MAX_VOJENSKA_SKUPINA + 1);
}

int S_L::clenov(int g) const {
    if (!platna_skupina(g)) return 0;
    const int n = vojenska_skupina[g].zoznam_vojakov_last_id;
    return n < 0 ? 0 : (n > MAX_VOJACI_V_SKUPINE ? MAX_VOJACI_V_SKUPINE : n);
}

int S_L::zivy_clen(int g, int k) const {
    if (!platna_skupina(g) || k < 0 || k > MAX_VOJACI_V_SKUPINE) return -1;
    const int c = vojenska_skupina[g].zoznam_vojakov[k];
    return platny_clovek(c) && clovek[c].zdravie >= 1 ? c : -1;
}

void S_L::opusti_kasaren(int c) {
    if (!platny_clovek(c)) return;
    int& w = clovek[c].objekt_v_ktorom_pracuje;
    if (w == -1) return;
    if (w == KASAREN_ID)
        zniz_pocet_v_kasarni(id_player);
    else if (platny_objekt(w) && objekt[w].je_ludi > 0)
        objekt[w].je_ludi -= 1;
    w = -1;
}

void S_L::priprav_formaciu(int g, int pocet) {
    Formation.reset();
    Formation.set_formation(vojenska_skupina[g].vojensky_stroj != -1
                                ? C_Formations::formation_baranidlo
                                : C_Formations::formation_lines);
    Formation.set_number_of_soldiers(pocet);
}

int S_L::naverbuj(int g, int zbroj) {
    const int muz = odober_bez_prace();
    if (!platny_clovek(muz)) return -1;
    const S_vojenska_skupina& s = vojenska_skupina[g];
    vyzbroj(muz, s.zbran, zbroj);
    S_clovek& c = clovek[muz];
    c.skupina = g;
    c.attacked = -1;
    // He works at the barracks that counts him.
    dvihni_pocet_v_kasarni(s.vlastnik);
    if (s.vlastnik == id_player && platny_objekt(KASAREN_ID))
        c.objekt_v_ktorom_pracuje = KASAREN_ID;
    Formation.next_soldier();
    c.formation_x = Formation.get_x();
    c.formation_y = Formation.get_z();
    return muz;
}

void S_L::dvihni_pocet_v_kasarni(int vl) {
    if (vl == id_player && platny_objekt(KASAREN_ID)) objekt[KASAREN_ID].je_ludi += 1;
}

void S_L::zniz_pocet_v_kasarni(int vl) {
    // Never below zero: the count is of people who are there.
    if (vl == id_player && platny_objekt(KASAREN_ID) && objekt[KASAREN_ID].je_ludi > 0)
        objekt[KASAREN_ID].je_ludi -= 1;
}

// ---------------------------------------------------------------- queries

bool S_L::je_vojenska_skupina(int o) {
    if (!platny_objekt(o) || objekt[o].co_to_je != id_vojensky_objekt) return false;
    const int g = objekt[o].id;
    return platna_skupina(g) && !vojenska_skupina[g].dead_status;
}

bool S_L::je_vojenska_skupina(int px, int py) {
    const int g = return_vojenska_skupina_id(px, py);
    return g != -1 && vojenska_skupina[g].zoznam_vojakov_last_id != vojenska_skupina[g].dead;
}

int S_L::return_vojenska_skupina_id(int px, int py) {
    const int o = point_id_of_objekt(px, py);
    if (!platny_objekt(o) || objekt[o].co_to_je != id_vojensky_objekt) return -1;
    const int g = objekt[o].id;
    return platna_skupina(g) ? g : -1;
}

int S_L::return_vojenska_skupina_VIP(int vs, int id) {
    if (!platna_skupina(vs)) return -1;
    const S_vojenska_skupina& s = vojenska_skupina[vs];
    const bool aktivna = s.personal_fights || s.utoci_na_objekt != -1;
    if (s.vlastnik != id_player) return aktivna ? VIP_cudzia_vojenska_skupina_aktivna : -1;
    if (vs == id) return VIP_moja_vojenska_skupina_oznacena;
    return aktivna ? VIP_moja_vojenska_skupina_aktivna : VIP_moja_vojenska_skupina;
}

int S_L::return_vojenska_skupina_last_id() { return vojenska_skupina_last_id; }

int S_L::return_vojenska_skupina_last_clen(int s) {
    return platna_skupina(s) ? vojenska_skupina[s].zoznam_vojakov_last_id : 0;
}

// The person in place v of group s, or -1 for a hole or an index outside the list.
static int clen(const S_L& w, int s, int v) {
    if (!platna_skupina(s) || v < 0 || v > S_L::MAX_VOJACI_V_SKUPINE) return -1;
    const int c = w.vojenska_skupina[s].zoznam_vojakov[v];
    return platny_clovek(c) ? c : -1;
}

float S_L::return_vojenska_skupina_clen_x(int s, int v) {
    const int c = clen(*this, s, v);
    return c == -1 ? 0.0f : clovek[c].x;
}

float S_L::return_vojenska_skupina_clen_y(int s, int v) {
    const int c = clen(*this, s, v);
    return c == -1 ? 0.0f : clovek[c].y;
}

float S_L::return_vojenska_skupina_clen_rotation(int s, int v) {
    const int c = clen(*this, s, v);
    return c == -1 ? 0.0f : clovek[c].heading;
}

float S_L::return_vojenska_skupina_clen_alive(int s, int v) {
    const int c = clen(*this, s, v);
    return c != -1 && clovek[c].zdravie >= 1 ? 1.0f : 0.0f;
}

float S_L::return_vojenska_skupina_real_x(int v) {
    return platna_skupina(v) ? vojenska_skupina[v].xf : 0.0f;
}
float S_L::return_vojenska_skupina_real_y(int v) {
    return platna_skupina(v) ? vojenska_skupina[v].yf : 0.0f;
}
float S_L::return_vojenska_skupina_stroj_x(int s) { return return_vojenska_skupina_real_x(s); }
float S_L::return_vojenska_skupina_stroj_y(int s) { return return_vojenska_skupina_real_y(s); }

float S_L::return_vojenska_skupina_stroj_rotation(int s) {
    return platna_skupina(s) ? vojenska_skupina[s].rot : 0.0f;
}

int S_L::return_vojenska_skupina_vojensky_stroj(int s) {
    return platna_skupina(s) ? vojenska_skupina[s].vojensky_stroj : -1;
}

bool S_L::vojenska_skupina_owned(int vs) {
    return platna_skupina(vs) && vojenska_skupina[vs].vlastnik == id_player;
}

int S_L::return_id_vojenskej_skupiny(int o) { return je_vojenska_skupina(o) ? objekt[o].id : -1; }

int S_L::id_vojenskej_skupiny(int s) {
    const int g = vojenska_skupina_owned_id(s);
    return vojenska_skupina_alive(g) ? g : -1;
}

int S_L::vojenska_skupina_owned_id(int id) {
    if (id < 0 || id > MAX_SKUPIN_NA_VLASTNIKA) return -1;
    return aktualny_vlastnik().skupina[id];
}

int S_L::vojenska_skupina_owned_last() { return aktualny_vlastnik().skupina_last_id; }
int S_L::return_pocet_vlastnenych_skupin() { return aktualny_vlastnik().pocet_skupin; }
bool S_L::return_skupina_owned(int s) { return vojenska_skupina_owned(s); }
bool S_L::vojenska_skupina_alive(int s) {
    return platna_skupina(s) && !vojenska_skupina[s].dead_status;
}
bool S_L::return_vojenska_skupina_dead(int vs) {
    return platna_skupina(vs) && vojenska_skupina[vs].dead_status;
}
bool S_L::return_dead_status(int s) { return return_vojenska_skupina_dead(s); }

int S_L::vojenska_skupina_volne_miesta(int s) {
    if (!platna_skupina(s)) return 0;
    const S_vojenska_skupina& g = vojenska_skupina[s];
    return g.dead + g.max - g.zoznam_vojakov_last_id;
}

int S_L::return_aktual_max_v_skupine() {
    return isKasaren() ? objekt[KASAREN_ID].level * MAX_V_KASARNI_NA_LEVEL : 0;
}

int S_L::return_regrutuj_pocet() { return return_aktual_max_v_skupine(); }

const char* S_L::vojenska_skupina_meno(int s) {
    if (!platna_skupina(s) || !vojenska_skupina[s].nazov) return "";
    return vojenska_skupina[s].nazov;
}

int S_L::return_vojenska_skupina_percenta_zdravie(int s) {
    if (!platna_skupina(s)) return 0;
    const S_vojenska_skupina& g = vojenska_skupina[s];
    // A group without listed members has no health to speak of, not a division by zero.
    if (g.zoznam_vojakov_last_id <= 0) return 0;
    return static_cast<int>(static_cast<float>(g.zoznam_vojakov_last_id - g.dead) /
                            static_cast<float>(g.zoznam_vojakov_last_id) * 100.0f);
}

int S_L::return_pocet_vojakov() { return aktualny_vlastnik().pocet_vojakov; }
int S_L::return_pocet_vojakov_mece() { return aktualny_vlastnik().pocet_sermiarov; }
int S_L::return_pocet_vojakov_kopije() { return aktualny_vlastnik().pocet_kopijnikov; }
int S_L::return_pocet_vojakov_luk() { return aktualny_vlastnik().pocet_lukostrelcov; }

int S_L::vrat_cislo_vojaka_bez_skupiny_zo_zoznamu(int id) {
    return id >= 0 && id < MAX_ON_PAGE ? vrat_cislo_vojaka_bez_skupiny[id] : -1;
}

int S_L::vrat_cislo_vojaka_bez_skupiny_max_on_page() { return MAX_ON_PAGE; }
