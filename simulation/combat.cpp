// Combat: strengths and timers of weapons and armour, duels and arrows between soldiers, the ram
// against gates and palisades, the search for targets, and releasing the attackers of a target.
#include <cstdio>

#include "Strategy_library.h"
#include "geometria.h"

using namespace Strategy_library;

void S_L::unbound_attacks_to_target(int o) {
    if (o == -1) return;
    for (int g = 0, n = riadkov_skupin(); g < n; ++g) {
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
    const int rana = poskodenie(sila, zbroj_sila(p.brnenie));
    if (rana > 0) bitka_bez_pokroku = 0;
    p.zdravie -= rana;
    if (p.zdravie > 0) return false;
    p.zdravie = 0;
    const int g = p.skupina;
    if (platna_skupina(g)) {
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
    if (!platna_skupina(s) || !platna_skupina(e)) return -1;
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
    const int n = clenov(e);
    // His opposite number first, then the enemies after him, wrapping round to those before.
    for (int i = v; i < n; ++i)
        if (zivy(nepriatel.zoznam_vojakov[i])) return nepriatel.zoznam_vojakov[i];
    for (int i = 0; i < v && i < n; ++i)
        if (zivy(nepriatel.zoznam_vojakov[i])) return nepriatel.zoznam_vojakov[i];
    return -1;
}

// ---------------------------------------------------------------- the battle step

float S_L::vzdialenost_bodov(float x1, float y1, float x2, float y2) {
    return vzdialenost(x1, 0.0f, y1, x2, 0.0f, y2);
}

bool S_L::ma_zivych(int g) {
    const S_vojenska_skupina& s = vojenska_skupina[g];
    return s.zoznam_vojakov_last_id != s.dead;
}

void S_L::zrus_utok(int g) {
    S_vojenska_skupina& s = vojenska_skupina[g];
    s.utoci_na_objekt = s.utoci_na_x = s.utoci_na_y = -1;
    s.personal_fights = false;
}

void S_L::ukonci_pochod(int g) {
    zrus_utok(g);
    S_vojenska_skupina& s = vojenska_skupina[g];
    s.go_to_x = s.go_to_y = s.final_x = s.final_y = -1;
    s.moved = false;
}

void S_L::prepocitaj_stred(int g) {
    S_vojenska_skupina& s = vojenska_skupina[g];
    float sx = 0.0f, sy = 0.0f;
    int n = 0;
    for (int k = 0; k < clenov(g); ++k) {
        const int c = zivy_clen(g, k);
        if (c == -1) continue;
        sx += clovek[c].x;
        sy += clovek[c].y;
        ++n;
    }
    if (n == 0) return;
    s.xf = sx / n;
    s.yf = sy / n;
}

void S_L::vojna_kontroluj_utok_na_nepriatela() {
    for (int g = 0, n = riadkov_skupin(); g < n; ++g) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        if (!ma_zivych(g) || s.utoci_na_objekt == -1) continue;
        if (!na_mape(s.utoci_na_x, s.utoci_na_y)) {
            ukonci_pochod(g);
            continue;
        }
        const int o = s.utoci_na_objekt;
        if (!platny_objekt(o) || objekt[o].co_to_je != id_vojensky_objekt ||
            objekt[o].vlastnik == s.vlastnik || !platna_skupina(objekt[o].id))
            continue;
        const int e = objekt[o].id;
        const S_vojenska_skupina& nep = vojenska_skupina[e];
        const float D = vzdialenost_bodov(s.xf, s.yf, nep.xf, nep.yf);
        // Apart, only archers within their range fight; in contact soldier meets soldier.
        const bool zblizka = D < 1.0f;
        s.personal_fights = zblizka;
        if (!zblizka && (!s.range_attack || D - 1.0f > s.range_of_attack)) continue;
        s.moved = false;
        int zivych = 0, hotovych = 0;
        for (int k = 0; k < clenov(g); ++k) {
            const int c = zivy_clen(g, k);
            if (c == -1) continue;
            ++zivych;
            hotovych += zblizka ? tah_zblizka(g, k, c, e) : tah_z_dialky(g, k, c, e);
        }
        prepocitaj_stred(g);
        if (!zblizka)
            std::printf("utok na nepriatela >> skupina %d : %fx%f sfx/sfy [%fx%f] contr %d\n", g,
                        s.xf, s.yf, nep.xf, nep.yf, hotovych);
        // Every member done: the group stops attacking (in contact it walks on to where it was
        // going); with its last man fallen it is destroyed.
        const bool hotova = hotovych == zivych;
        if (hotova) {
            std::printf("%d prestala utocit na %d \n", g, o);
            zrus_utok(g);
            if (zblizka && ma_zivych(g)) {
                const C_za_vlastnika za(*this, s.vlastnik);
                presun_vojensku_skupinu_na(g, s.go_to_x, s.go_to_y, -1);
            }
        }
        if (!ma_zivych(g) && !(zblizka && hotova)) {
            zrus_utok(g);
            znic_skupinu(g);
        }
    }
}

int S_L::tah_z_dialky(int g, int k, int c, int e) {
    S_clovek& p = clovek[c];
    if (p.action_timer > 0) {
        p.action_timer -= 1;
        return 0;
    }
    const int t = find_target(g, k, e);
    if (t == -1) return 1;
    if (vzdialenost_bodov(p.x, p.y, clovek[t].x, clovek[t].y) > vojenska_skupina[g].range_of_attack)
        return 0;
    p.attacked = t;
    if (!fire_arrows(c, t)) return 0;
    p.attacked = -1;
    return porazil(g, e);
}

int S_L::tah_zblizka(int g, int k, int c, int e) {
    if (vojenska_skupina[g].utoci_na_objekt == -1) return 1;
    const int t = find_target(g, k, e);
    if (t == -1) return 1;
    S_clovek& p = clovek[c];
    if (vzdialenost_bodov(p.x, p.y, clovek[t].x, clovek[t].y) >= 0.2f) {
        pohyb_clovek(c, clovek[t].x, clovek[t].y, false);
        return 0;
    }
    p.attacked = t;
    clovek[t].attacked = c;
    if (!personal_fight(c, t)) return 0;
    p.attacked = clovek[t].attacked = -1;
    return porazil(g, e) || p.zdravie < 1;
}

bool S_L::porazil(int g, int e) {
    if (ma_zivych(e)) return false;
    znic_skupinu(e);
    zrus_utok(g);
    return true;
}

void S_L::znic_skupinu(int g) {
    std::printf("vojenska skupina %d dead\n", g);
    set_dead_status(g);
    unbound(g);
}

void S_L::vojna_kontroluj_utoky_na_budovy() {
    for (int g = 0, n = riadkov_skupin(); g < n; ++g) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        const int ux = s.utoci_na_x, uy = s.utoci_na_y, o = s.utoci_na_objekt;
        // A group whose last man has fallen strikes no more.
        if (o == -1 || !na_mape(ux, uy) || !ma_zivych(g)) continue;
        if (s.action_timer > 0) {
            s.action_timer -= 1;
            continue;
        }
        // Attacks on groups are fought elsewhere.
        if (platny_objekt(o) && objekt[o].co_to_je == id_vojensky_objekt) continue;
        if (!platny_objekt(o) || point_id_of_objekt(ux, uy) != o ||
            objekt[o].co_to_je != id_budova) {
            zrus_utok(g);
            s.go_to_x = s.x;
            s.go_to_y = s.y;
            std::printf("%d utok zruseny\n", g);
            continue;
        }
        S_objekt& ob = objekt[o];
        const float D =
            vzdialenost_bodov(s.xf, s.yf, static_cast<float>(ux), static_cast<float>(uy));
        if (s.vojensky_stroj == -1) {
            if (!s.range_attack || D > s.range_of_attack) continue;
            s.moved = false;
            const int t = return_veza_id(o);
            if (t == -1) continue;
            if (id_owner[ob.vlastnik].veza[t].pocet <= 0) {
                zrus_utok(g);
                std::printf("%d utok zruseny\n", g);
                continue;
            }
            vojna_utok_na_vezu(g, ob.vlastnik, t);
            continue;
        }
        if (s.vojensky_stroj < 0 || s.vojensky_stroj >= vojenske_stroje_last_id) continue;
        const S_vojenske_stroje& stroj = vojenske_stroje[s.vojensky_stroj];
        if (stroj.utocne && D <= stroj.range_of_attack && platny_typ_a_level(ob.id, ob.level)) {
            const int odolnost = budova[ob.id].level[ob.level].odolnost;
            if (odolnost <= stroj.sila) {
                ob.percenta -= 2 * poskodenie(stroj.sila, odolnost);
                s.action_timer = actionTimerVojenskyStroj(s.vojensky_stroj);
                bitka_bez_pokroku = 0;
            }
        }
        if (ob.percenta >= 1) continue;
        // Beaten down: the building is gone, and a wall or gate opens the zones behind it.
        const int typ = ob.id, vl = ob.vlastnik;
        if (platny_vlastnik(vl) && typ >= 0 && typ < MAX_BUILDINGS_REAL)
            id_owner[vl].budova[typ].mam -= 1;
        if (typ == drevena_brana) odstran_branu(o);
        std::printf("objekt na %d x %d zniceny skupinou %d\n", ux, uy, g);
        odstran_objekt(o, ux, uy);
        zrus_utok(g);
        if (typ >= 0 && typ < last_building_integer && budova[typ].zoning) zoning(0, 0, false);
    }
}

void S_L::vojna_hladaj_ciele() {
    for (int g = 0, n = riadkov_skupin(); g < n; ++g) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.vojensky_stroj != -1 || s.dead_status || !ma_zivych(g)) continue;
        const int o = s.utoci_na_objekt;
        if (o != -1) {
            if (platny_objekt(o) && objekt[o].co_to_je == id_budova &&
                objekt[o].id == drevenna_veza && s.range_attack)
                continue;
            if (!platny_objekt(o) || objekt[o].co_to_je != id_vojensky_objekt ||
                !platna_skupina(objekt[o].id)) {
                std::printf("vojenska skupina %d utoci na objekt bez vojenskej skupiny %d\n", g, o);
                zrus_utok(g);
                continue;
            }
            if (!vojenska_skupina[objekt[o].id].dead_status && ma_zivych(objekt[o].id)) continue;
            std::printf("vojenska skupina %d prestala utocit na %d\n", g, o);
            zrus_utok(g);
        }
        const int t = vojna_hladaj_ciele_help(g, s.xf, s.yf);
        if (t == -1) continue;
        // A tower is met on its tile, a group at its centre.
        const bool veza =
            platny_objekt(s.utoci_na_objekt) && objekt[s.utoci_na_objekt].co_to_je == id_budova;
        const float cx = veza ? static_cast<float>(s.utoci_na_x) : vojenska_skupina[t].xf;
        const float cy = veza ? static_cast<float>(s.utoci_na_y) : vojenska_skupina[t].yf;
        std::printf("vojenska skupina %d (%fx%f) utoci na %d (%fx%f)\n", g, s.xf, s.yf, t, cx, cy);
    }
}

int S_L::vojna_hladaj_ciele_help(int skupina, float x, float y) {
    const int g = skupina;
    if (!platna_skupina(g)) return -1;
    S_vojenska_skupina& s = vojenska_skupina[g];
    const float polomer = s.range_attack ? static_cast<float>(s.range_of_attack) : 2.0f;
    // The walk toward a target: its tile is the goal, the group heads for the first waypoint.
    auto zamier = [&](int tx, int ty, int wx, int wy, int objekt_ciela) {
        s.final_x = s.utoci_na_x = tx;
        s.final_y = s.utoci_na_y = ty;
        s.go_to_x = wx;
        s.go_to_y = wy;
        s.moved = true;
        s.utoci_na_objekt = objekt_ciela;
    };

    if (s.range_attack && s.vlastnik == id_nepriatel) {
        S_owner& hrac = id_owner[id_player];
        for (int t = 0; t < hrac.veza_last_id && t < MAX_OBJECTS - 1; ++t) {
            S_veza& v = hrac.veza[t];
            if (v.pocet < 0) v.pocet = 0;
            if (v.pocet == 0 ||
                vzdialenost_bodov(x, y, static_cast<float>(v.x), static_cast<float>(v.y)) > polomer)
                continue;
            int wx = v.x, wy = v.y;
            if (find_path(x, y, wx, wy, true)) {
                zamier(v.x, v.y, wx, wy, v.object);
                std::printf("%d found target TOWER %d\n", g, t);
                return t;
            }
            std::printf("pre skupinu %d nenasla cestu k vezi %d na %f x %f\n", g, t, x, y);
        }
    }

    // Enemy groups in reach: infantry at once, a machine only when no infantry is found.
    auto skus_skupinu = [&](int e) {
        const S_vojenska_skupina& nep = vojenska_skupina[e];
        const auto [tx, ty] = bunka(nep.xf, nep.yf);
        int wx = tx, wy = ty;
        if (!find_path(x, y, wx, wy, true)) return false;
        zamier(tx, ty, wx, wy, nep.objekt_id);
        std::printf("%d found target %d\n", g, e);
        // Archers shoot from where they stand: they walk at most to the first waypoint.
        if (s.range_attack) s.final_x = s.final_y = -1;
        return true;
    };
    int stroj = -1;
    for (int e = 0, n = riadkov_skupin(); e < n; ++e) {
        const S_vojenska_skupina& nep = vojenska_skupina[e];
        if (e == g || !ma_zivych(e) || nep.vlastnik == s.vlastnik || nep.dead_status) continue;
        if (vzdialenost_bodov(x, y, nep.xf, nep.yf) > polomer) continue;
        if (nep.vojensky_stroj != -1) {
            stroj = e;
            continue;
        }
        if (diff_zones(x, y, nep.xf, nep.yf)) continue;
        return skus_skupinu(e) ? e : -1;
    }
    if (stroj != -1 && !diff_zones(x, y, vojenska_skupina[stroj].xf, vojenska_skupina[stroj].yf) &&
        skus_skupinu(stroj))
        return stroj;
    return -1;
}
