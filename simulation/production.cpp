// Production and stores: the daily output and input of finished workshops, the monthly store
// capacity, spoilage of perishable goods and the monthly balance of every resource.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

S_owner* ucet(S_L& w, int o) { return platny_vlastnik(o) ? &w.id_owner[o] : nullptr; }

}  // namespace

S_L::S_zony_hlavnych_budov S_L::zony_hlavnych_budov() {
    S_zony_hlavnych_budov z{};
    if (S_owner* ja = ucet(*this, owner)) {
        for (int h = 0; h < ja->hlavna_budova_last_id && h < MAX_HLAVNA_BUDOVA_NA_HRACA; ++h) {
            const S_hlavne_budovy_id& hb = ja->hlavna_budova[h];
            if (na_mape(hb.x, hb.y)) z.zona[z.pocet++] = point[hb.x][hb.y].zona;
        }
    }
    return z;
}

void S_L::kontroluj_prijem_denne() {
    const int m = time.mesiac;
    if (m < 0 || m >= mesiac_last_id) return;
    const S_zony_hlavnych_budov zony = zony_hlavnych_budov();
    // The notices tell what this day recorded; nothing else reads the list.
    informacie_last_integer = -1;

    for (int i = 0; i < objekt_hwm; ++i) {
        S_objekt& ob = objekt[i];
        if (ob.co_to_je != id_budova || ob.percenta <= 99) continue;
        const int o = ob.vlastnik;
        if (o == id_nikto || !platny_vlastnik(o)) continue;
        const int t = ob.id, l = ob.level;
        if (!platny_typ_a_level(t, l)) continue;
        const S_budova& b = budova[t];
        const S_level& lv = b.level[l];
        S_surovina* ucty = id_owner[o].surovina;

        if (!zony.obsahuje(ob.zona)) {
            // Walls, towers, gates and houses produce nothing: their lack of access says nothing.
            if (b.produkuje) add_information(I_nema_pristup_k_hlavnej_budove, b.meno);
            continue;
        }

        if (t == kasaren || !b.produkuje || !b.produkuje_v_mesiaci[m]) continue;

        if (b.zamestnava && ob.je_ludi != lv.vojde_sa_ludi) {
            add_information(I_nie_je_dost_ludi, b.meno);
            continue;
        }

        bool ma_vstupy = true;
        for (int s = 0; s < MAX_SUROVIN; ++s) {
            int treba = lv.potrebuje[s].pocet;
            if (treba < 0) {
                std::printf(
                    "Kontrola dostupnosti surovin FATAL ERROR : bude potrebovat %d < 0 pre "
                    "surovinu "
                    "%d a budovu %d !!!!!\n",
                    treba, s, t);
                treba = 0;
            }
            if (treba == 0) continue;
            if (ucty[s].mam < 0) {
                std::printf(
                    "Kontrola dostupnosti surovin FATAL ERROR : surovina %d  pocet %d < 0 !!!!!\n",
                    s, ucty[s].mam);
                ucty[s].mam = 0;
            }
            // A repaired stock is empty and is compared like any other.
            if (ucty[s].mam < treba) ma_vstupy = false;
        }
        if (!ma_vstupy) {
            add_information(I_nema_dost_surovin, b.meno);
            continue;
        }

        // Every output must fit before any is stored, so a refused day changes nothing.
        const int limit = id_owner[o].limit_skladu;
        bool plne = false;
        for (int s = 0; s < last_surovina_id && !plne; ++s) {
            const int p = lv.produkuje[s].pocet;
            if (p > 0 && limit + ucty[s].pridane_skladovacie_miesto < ucty[s].mam + p) plne = true;
        }
        if (plne) {
            add_information(I_sklady_su_plne, b.meno);
            continue;
        }
        for (int s = 0; s < last_surovina_id; ++s) {
            const int p = lv.produkuje[s].pocet;
            if (p <= 0) continue;
            ucty[s].mam += p;
            ucty[s].vyprodukovane += p;
        }

        for (int s = 0; s < last_surovina_id; ++s) {
            const int treba = lv.potrebuje[s].pocet;
            if (treba <= 0) continue;
            ucty[s].mam -= treba;
            ucty[s].pouzite += treba;
            if (ucty[s].mam < 0) {
                std::printf("FATAL ERROR surovina %d mam %d < 0 \n", s, ucty[s].mam);
                ucty[s].mam = 0;
            }
        }
    }
}

void S_L::kontroluj_sklady() {
    S_owner* ja = ucet(*this, owner);
    if (!ja) return;
    ja->limit_skladu = 5000;
    for (int s = 0; s < last_surovina_id; ++s) ja->surovina[s].pridane_skladovacie_miesto = 0;

    for (int i = 0; i < objekt_hwm; ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je != id_budova || ob.vlastnik != owner || ob.percenta <= 99) continue;
        if (!platny_typ_a_level(ob.id, ob.level)) continue;
        if (ob.id == sklad) {
            ja->limit_skladu += 2500 * ob.level;
            continue;
        }
        const S_level& lv = budova[ob.id].level[ob.level];
        for (int s = 0; s < last_surovina_id; ++s) {
            const int p = lv.pridane_skladovacie_miesto[s].pocet;
            if (p > 0) ja->surovina[s].pridane_skladovacie_miesto += p;
        }
    }
}

void S_L::spocitaj_bilanciu() {
    S_owner* ja = ucet(*this, owner);
    if (!ja) return;
    for (S_surovina& s : ja->surovina) s.bilancia = s.vyprodukovane - s.pouzite;
}

int S_L::pokazi_sa(int s) {
    if (!platna_surovina(s) || surovina[s].trvanliva) return 0;
    const S_surovina& u = id_owner[id_player].surovina[s];
    // What was held at the month start plus what came in, less what is left, was used; the rest
    // of the old stock spoils, so no more than the month's production carries over.
    const int pokazene = u.naZaciatkuMesiaca - ((u.vyprodukovane + u.naZaciatkuMesiaca) - u.mam);
    return pokazene > 0 ? pokazene : 0;
}

void S_L::kontroluj_trvanlivost() {
    S_surovina* ucty = id_owner[id_player].surovina;
    for (int s = 0; s < last_surovina_id; ++s) ucty[s].mam -= pokazi_sa(s);
}

void S_L::nastav_zostatok() {
    S_surovina* ucty = id_owner[id_player].surovina;
    for (int s = 0; s < last_surovina_id; ++s) ucty[s].naZaciatkuMesiaca = ucty[s].mam;
}

void S_L::priprav_bilanciu() {
    S_owner* ja = ucet(*this, owner);
    if (!ja) return;
    for (S_surovina& s : ja->surovina) s.vyprodukovane = s.pouzite = 0;
}

int S_L::surovina_v_skladoch(int s) {
    S_owner* ja = ucet(*this, owner);
    return (ja && platna_surovina(s)) ? ja->surovina[s].mam : 0;
}

int S_L::return_vyrobene(int s) {
    S_owner* ja = ucet(*this, owner);
    return (ja && platna_surovina(s)) ? ja->surovina[s].vyprodukovane : 0;
}

int S_L::return_pouzite(int s) {
    S_owner* ja = ucet(*this, owner);
    return (ja && platna_surovina(s)) ? ja->surovina[s].pouzite : 0;
}

int S_L::return_bilancia(int s) {
    S_owner* ja = ucet(*this, owner);
    return (ja && platna_surovina(s)) ? ja->surovina[s].bilancia : 0;
}

int S_L::return_kapacita_skladov() {
    S_owner* ja = ucet(*this, owner);
    return ja ? ja->limit_skladu : 0;
}
