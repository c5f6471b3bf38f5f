// Combat: strengths and timers of weapons and armour, duels and arrows between soldiers, the ram
// against gates and palisades, the search for targets, and releasing the attackers of a target.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

void S_L::unbound_attacks_to_target(int o) {
    if (o == -1) return;
    const int n = vojenska_skupina_last_id < MAX_VOJENSKA_SKUPINA + 1 ? vojenska_skupina_last_id
                                                                     : MAX_VOJENSKA_SKUPINA + 1;
    for (int g = 0; g < n; ++g) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.utoci_na_objekt != o) continue;
        std::printf("vojenska skupina %d prestala utocit na %d\n", g, o);
        s.utoci_na_objekt = s.utoci_na_x = s.utoci_na_y = -1;
        s.personal_fights = false;
    }
}

// ---------------------------------------------------------------- strengths and timers

int S_L::zbran_sila(int zbran) {
    switch (zbran) {
        case luk: return SILA_LUK;
        case kopija: return SILA_KOPIJA;
        case mec: return SILA_MEC;
        default: return SILA_NIC;
    }
}

int S_L::zbroj_sila(int zbroj) {
    switch (zbroj) {
        case tazke_brnenie: return ODOLNOST_TAZKA_ZBROJ;
        case kozenne_brnenie: return ODOLNOST_LAHKA_ZBROJ;
        case lahke_brnenie: return ODOLNOST_STREDNA_ZBROJ;
        default: return ODOLNOST_ZIADNA_ZBROJ;
    }
}

int S_L::zbran_timer(int zbran) {
    switch (zbran) {
        case luk: return AT_LUK;
        case kopija: return AT_KOPIJA;
        case mec: return AT_MEC;
        default: return AT_DEFAULT;
    }
}

int S_L::actionTimerVojenskyStroj(int vs) { return vs == VS_baranidlo ? AT_BARANIDLO : AT_DEFAULT; }

int S_L::poskodenie(int sila, int obrana) {
    if (sila > obrana) return sila - obrana;
    return sila == obrana ? 1 : 0;
}

// ---------------------------------------------------------------- soldier against soldier

namespace {

// The upper end of a hit roll (a hit is a roll of 0): the worse a soldier's health, the rarer
// his hits.
int sanca_zasahu(int zdravie) {
    if (zdravie < 30) return 4;
    if (zdravie < 60) return 3;
    return 2;
}

}  // namespace

bool S_L::zran_vojaka(int c, int sila) {
    if (!platny_clovek(c)) return false;
    S_clovek& p = clovek[c];
    p.zdravie -= poskodenie(sila, zbroj_sila(p.brnenie));
    if (p.zdravie > 0) return false;
    p.zdravie = 0;
    const int g = p.skupina;
    if (g >= 0 && g <= MAX_VOJENSKA_SKUPINA) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        s.dead += 1;
        if (s.dead == s.zoznam_vojakov_last_id) set_dead_status(g);
    }
    return true;
}

bool S_L::personal_fight(int a, int e) {
    if (!platny_clovek(a) || !platny_clovek(e)) return false;
    const int sanca_a = sanca_zasahu(clovek[a].zdravie), sanca_e = sanca_zasahu(clovek[e].zdravie);
    if (random(0, sanca_a) == 0 && zran_vojaka(e, zbran_sila(clovek[a].zbran))) return true;
    // An archer answers with an arrow, and only while his arrow timer allows it.
    if (clovek[e].zbran == luk) return fire_arrows(e, a);
    return random(0, sanca_e) == 0 && zran_vojaka(a, zbran_sila(clovek[e].zbran));
}

bool S_L::fire_arrows(int a, int e) {
    if (!platny_clovek(a) || !platny_clovek(e)) return false;
    S_clovek& strelec = clovek[a];
    if (strelec.action_timer > 0) return false;
    if (strelec.action_timer == 0) strelec.action_timer = zbran_timer(luk);
    return random(0, 2) == 0 && zran_vojaka(e, zbran_sila(strelec.zbran));
}

int S_L::find_target(int s, int v, int e) {
    if (s < 0 || s > MAX_VOJENSKA_SKUPINA || e < 0 || e > MAX_VOJENSKA_SKUPINA) return -1;
    if (v < 0 || v >= MAX_VOJACI_V_SKUPINE) return -1;
    const int ja = vojenska_skupina[s].zoznam_vojakov[v];
    auto zivy = [&](int c) { return platny_clovek(c) && clovek[c].zdravie > 0; };
    if (platny_clovek(ja)) {
        int& terc = clovek[ja].attacked;
        if (terc != -1) {
            if (zivy(terc)) return terc;
            terc = -1;
        }
    }
    const S_vojenska_skupina& nepriatel = vojenska_skupina[e];
    const int n = nepriatel.zoznam_vojakov_last_id < MAX_VOJACI_V_SKUPINE ? nepriatel.zoznam_vojakov_last_id
                                                                         : MAX_VOJACI_V_SKUPINE;
    // His opposite number first, then the enemies after him, wrapping round to those before.
    for (int i = v; i < n; ++i)
        if (zivy(nepriatel.zoznam_vojakov[i])) return nepriatel.zoznam_vojakov[i];
    for (int i = 0; i < v && i < n; ++i)
        if (zivy(nepriatel.zoznam_vojakov[i])) return nepriatel.zoznam_vojakov[i];
    return -1;
}
