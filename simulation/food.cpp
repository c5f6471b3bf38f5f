// Food, drink and disease: the disease table, the monthly hand-out of food and water to the
// households of working men, what each person eats and drinks at a month end (home stock first,
// then the stores), hunger and cold, and catching, suffering and curing the seven diseases.
#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// Homes outside the zones of the owner's main buildings cannot be supplied.
bool domov_dosiahnutelny(const S_L& w, int dom, const S_L::S_zony_hlavnych_budov& z) {
    return platny_objekt(dom) && z.obsahuje(w.objekt[dom].zona);
}

int dni_mesiaca(const S_L& w, int m) {
    if (m < S_L::M_januar || m > S_L::M_december) return 0;
    return w.mesiac[m].pocet_dni;
}

int vyziva(const S_surovina_global& s) { return s.vizivova_hodnota < 1 ? 1 : s.vizivova_hodnota; }

// What is still needed, in nutrition points.
struct S_potreba {
    int jedlo, napoj, maso, ovocie;

    // How much of resource s this need asks for: meat, fruit and drink by their own need, food
    // by the food need when that is larger.
    int chce(const S_surovina_global& s) const {
        int want = 0;
        if (s.maso && maso > 0) want = maso;
        if (s.ovocie && ovocie > 0) want = ovocie;
        if (s.tekutina && napoj > 0) want = napoj;
        if (s.jedlo && jedlo > 0 && want < jedlo) want = jedlo;
        return want;
    }

    // Every need that s serves falls by the points it gave.
    void zniz(const S_surovina_global& s, int body) {
        auto minus = [body](int& n) { n = n > body ? n - body : 0; };
        if (s.maso) minus(maso);
        if (s.ovocie) minus(ovocie);
        if (s.tekutina) minus(napoj);
        if (s.jedlo) minus(jedlo);
    }
};

S_potreba potreba_na(int dni, int ludi) {
    return {ludi * dni, ludi * dni, (dni / 7) * ludi, (dni / 3) * ludi};
}

}  // namespace

// ---------------------------------------------------------------- the disease table

void S_L::Set_choroby() {
    for (int d = 0; d < choroba_last_id; ++d) {
        choroba[d].sposobena = S_sposobena{};
        choroba[d].berie_zdravie = 1;
        choroba[d].nakazliva = false;
    }
    choroba[CH_malo_jedla].sposobena.malo_jedla = true;
    choroba[CH_malo_jedla].berie_zdravie = 10;
    choroba[CH_malo_masa].sposobena.malo_masa = true;
    choroba[CH_malo_masa].berie_zdravie = 2;
    choroba[CH_malo_vody].sposobena.malo_vody = true;
    choroba[CH_malo_vody].berie_zdravie = 15;
    choroba[CH_malo_ovocia].sposobena.malo_ovocia = true;
    choroba[CH_malo_ovocia].berie_zdravie = 1;
    choroba[CH_zima].sposobena.zima = true;
    choroba[CH_zima].berie_zdravie = 10;
    choroba[CH_zima].nakazliva = true;
    choroba[CH_spina].sposobena.spina = true;
    choroba[CH_spina].berie_zdravie = 20;
    choroba[CH_spina].nakazliva = true;
    choroba[CH_mrtvoly].sposobena.mrtvoly = true;
    choroba[CH_mrtvoly].berie_zdravie = 30;
    choroba[CH_mrtvoly].nakazliva = true;
}

// ---------------------------------------------------------------- the household hand-out

bool S_L::rozdeluj_jedlo() {
    if (!mesiac_passed && !rok_passed) return false;
    S_owner& o = aktualny_vlastnik();
    const S_zony_hlavnych_budov zony = zony_hlavnych_budov();
    const int dni = dni_mesiaca(*this, time.mesiac);
    const int ja = owner;
    for (int c = 0; c < clovek_hwm; ++c) {
        const S_clovek& p = clovek[c];
        if (p.vlastnik != ja || p.zdravie == -1 || p.pohlavie != muz) continue;
        if (p.vek < CLOVEK_REPRODUKCIA_ZACIATOK || p.objekt_v_ktorom_pracuje == -1) continue;
        if (!domov_dosiahnutelny(*this, p.objekt_v_ktorom_byva, zony)) continue;

        // The household: him, his wife and every child slot naming someone under 18.
        int f = 1;
        if (p.id_partnera != -1) f += 1;
        for (int k : p.id_deti)
            if (platny_clovek(k) && clovek[k].vek < CLOVEK_REPRODUKCIA_ZACIATOK) f += 1;

        S_potreba ziada = potreba_na(dni, f);
        S_objekt& dom = objekt[p.objekt_v_ktorom_byva];
        for (int s = 0; s < last_surovina_id; ++s) {
            const S_surovina_global& sg = surovina[s];
            int want = ziada.chce(sg);
            if (want <= 0) continue;
            const int n = vyziva(sg);
            const int mam = o.surovina[s].mam;
            if (mam < want / n) want = mam * n;
            const int kusov = want / n;
            // The stores give only when they hold strictly more than the ration.
            if (mam > kusov) {
                o.surovina[s].mam -= kusov;
                o.surovina[s].pouzite += kusov;
                dom.skladuje[s] += kusov;
            }
            ziada.zniz(sg, want);
        }
    }
    return true;
}

// ---------------------------------------------------------------- one person's month

void S_L::kontroluj_potreby(int c) {
    if (!mesiac_passed || !platny_clovek(c)) return;
    S_clovek& p = clovek[c];
    if (p.vlastnik == -1 || p.zdravie == -1) return;
    S_owner& o = aktualny_vlastnik();
    const int teraz = time.mesiac;

    if ((teraz == M_jun || teraz == M_jul || teraz == M_august) && p.zdravie < 66) p.zdravie += 35;

    // The month that has just ended.
    const int skoncil = teraz == M_januar ? M_januar : teraz - 1;
    S_potreba ziada = potreba_na(dni_mesiaca(*this, skoncil), 1);
    bool hlad = true, smad = true;

    const S_zony_hlavnych_budov zony = zony_hlavnych_budov();
    if (domov_dosiahnutelny(*this, p.objekt_v_ktorom_byva, zony)) {
        S_objekt& dom = objekt[p.objekt_v_ktorom_byva];
        for (int s = 0; s < last_surovina_id; ++s) {
            const S_surovina_global& sg = surovina[s];
            const int want = ziada.chce(sg);
            if (want <= 0) continue;
            const int n = vyziva(sg);
            int kusov = want / n;
            if (kusov > dom.skladuje[s]) kusov = dom.skladuje[s];
            if (kusov <= 0) continue;
            dom.skladuje[s] -= kusov;
            p.mal_pristup_k_surovine[s] = true;
            if (sg.jedlo) hlad = false;
            if (sg.tekutina) smad = false;
            ziada.zniz(sg, kusov * n);
        }
    }

    // What the home could not give comes from the stores: one food and one drink at most.
    if (hlad || smad) {
        for (int s = 0; s < last_surovina_id; ++s) {
            const S_surovina_global& sg = surovina[s];
            if (!sg.jedlo && !sg.tekutina) continue;
            if (sg.jedlo && !hlad) continue;
            if (sg.tekutina && !smad) continue;
            int want = 0;
            if (sg.tekutina) want = ziada.napoj;
            if (sg.jedlo && ziada.jedlo > 0) want = ziada.jedlo;
            if (want <= 0) {
                if (infinite_sources) hlad = smad = false;
                continue;
            }
            const int n = vyziva(sg);
            int kusov = want / n;
            if (kusov > o.surovina[s].mam) kusov = o.surovina[s].mam;
            if (kusov <= 0) continue;
            o.surovina[s].mam -= kusov;
            o.surovina[s].pouzite += kusov;
            p.mal_pristup_k_surovine[s] = true;
            if (sg.jedlo) hlad = false;
            if (sg.tekutina) smad = false;
            ziada.zniz(sg, kusov * n);
        }
    }
    if (infinite_sources) hlad = smad = false;

    if (hlad || smad) {
        p.zdravie -= 30;
        if (hlad && smad) p.zdravie -= 30;
        if (p.zdravie < 1) o.zomrelo_hladom += 1;
        if (p.pohlavie == zena)
            o.hladuje_zena += 1;
        else
            o.hladuje_muz += 1;
    }

    // Winter: the homeless without work have no warm place and need warm clothes.
    if ((teraz == M_november || teraz == M_december || teraz == M_januar) && !p.teple_oblecenie) {
        const bool bez_domova = p.objekt_v_ktorom_byva == -1;
        const bool ohrozeny = bez_domova && (p.pohlavie == zena || p.objekt_v_ktorom_pracuje == -1);
        if (ohrozeny) {
            if (o.surovina[teple_oblecenie].mam >= 1) {
                o.surovina[teple_oblecenie].mam -= 1;
                p.teple_oblecenie = true;
            } else {
                p.mrzol = !infinite_sources;
            }
        }
    }
}

// ---------------------------------------------------------------- diseases

void S_L::kontroluj_choroby(int c) {
    if ((!mesiac_passed && !rok_passed) || !platny_clovek(c)) return;
    S_clovek& p = clovek[c];
    if (p.vlastnik == -1 || p.zdravie < 0) return;
    S_owner& o = aktualny_vlastnik();
    const bool* pristup = p.mal_pristup_k_surovine;

    for (int d = 1; d < choroba_last_id; ++d) {
        // Whether what the person had this month cures the disease, and whether it causes it.
        bool lieci = false, chyti = false;
        switch (d) {
            case CH_malo_jedla:
                lieci = pristup[chlieb] || pristup[maso] || pristup[ryba];
                chyti = !lieci;
                break;
            case CH_malo_masa:
                lieci = pristup[maso] || pristup[ryba];
                chyti = !lieci;
                break;
            case CH_malo_vody:
                lieci = pristup[voda];
                chyti = !lieci;
                break;
            case CH_malo_ovocia:
                lieci = pristup[jablko];
                chyti = !lieci;
                break;
            case CH_zima:
                lieci = !p.mrzol;
                chyti = p.mrzol;
                break;
            case CH_mrtvoly: chyti = o.surovina[mrtvola].mam > 100; break;
            default: break;  // dirt is never caught; dirt and corpses never heal
        }

        if (!p.choroba[d].ma) {
            if (chyti) {
                p.choroba[d].ma = true;
                o.trpi_chorobou[d] += 1;
                if (p.choroby_pocet <= 0) o.trpi_chorobou_celkom += 1;
                p.choroby_pocet += 1;
            }
        } else {
            p.zdravie -= choroba[d].berie_zdravie;
            if (p.zdravie > 0 && lieci) {
                p.choroba[d].ma = false;
                p.choroby_pocet -= 1;
                o.trpi_chorobou[d] -= 1;
                if (p.choroby_pocet == 0) o.trpi_chorobou_celkom -= 1;
            }
        }
    }
    p.mrzol = false;
    for (int s = 0; s < last_surovina_id; ++s) p.mal_pristup_k_surovine[s] = infinite_sources;
}

int S_L::return_ch_malo_jedla() { return aktualny_vlastnik().trpi_chorobou[CH_malo_jedla]; }
int S_L::return_ch_malo_masa() { return aktualny_vlastnik().trpi_chorobou[CH_malo_masa]; }
int S_L::return_ch_malo_vody() { return aktualny_vlastnik().trpi_chorobou[CH_malo_vody]; }
int S_L::return_ch_malo_ovocia() { return aktualny_vlastnik().trpi_chorobou[CH_malo_ovocia]; }
int S_L::return_ch_podchladenie() { return aktualny_vlastnik().trpi_chorobou[CH_zima]; }
int S_L::return_ch_mrtvola() { return aktualny_vlastnik().trpi_chorobou[CH_mrtvoly]; }
int S_L::return_pocet_trpi_chorobou() { return aktualny_vlastnik().trpi_chorobou_celkom; }
