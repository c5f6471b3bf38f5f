// The people of a town: creation, the monthly and yearly pass over every person (eating, pairing,
// ageing, births, coming of age, the father's hand-over, death), yearly settlers, the hand-out of
// homes and jobs, the three per-owner lists and the population counters.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

bool zije(const S_L& w, int c) {
    return platny_clovek(c) && w.clovek[c].vlastnik != -1 && w.clovek[c].zdravie != -1 &&
           w.clovek[c].pohlavie != -1;
}

// Fields a new person or a newborn starts with beyond those the creation rules name, so that a
// reused slot carries nothing over from its previous occupant.
void cisty_zaciatok(S_clovek& c) {
    for (bool& b : c.mal_pristup_k_surovine) b = false;
    for (S_ma_chorobu& d : c.choroba) d.ma = false;
    c.choroby_pocet = 0;
    c.mrzol = false;
    c.teple_oblecenie = false;
    c.vojak = false;
    c.zbran = c.brnenie = -1;
    c.skupina = -1;
    c.veza = -1;
    c.attacked = -1;
    c.action_timer = 0;
    c.formation_x = c.formation_y = 0.0f;
    c.heading = 0.0f;
    c.peniaze = 0;
    for (int& d : c.id_deti) d = -1;
}

void pridaj_do_zoznamu(int* zoznam, int& pocet, int id) {
    if (!platny_clovek(id)) return;
    if (pocet < 0) pocet = 0;
    if (pocet >= S_L::MAX_CLOVEK) return;  // full: refuse rather than write past the list
    zoznam[pocet++] = id;
}

int odober_zo_zoznamu(int* zoznam, int& pocet) {
    if (pocet <= 0) {
        pocet = 0;
        return -1;
    }
    if (pocet > S_L::MAX_CLOVEK) pocet = S_L::MAX_CLOVEK;
    --pocet;
    int id = zoznam[pocet];
    zoznam[pocet] = -1;
    return id;
}

void odstran_zo_zoznamu(int* zoznam, int& pocet, int id) {
    if (pocet > S_L::MAX_CLOVEK) pocet = S_L::MAX_CLOVEK;
    for (int i = 0; i < pocet; ++i) {
        if (zoznam[i] != id) continue;
        for (int j = i; j + 1 < pocet; ++j) zoznam[j] = zoznam[j + 1];
        zoznam[pocet - 1] = -1;
        --pocet;
        return;
    }
}

// A single man with a home takes the woman who waited last.
void parovanie(S_L& w, int c) {
    S_clovek& muz = w.clovek[c];
    if (muz.pohlavie != S_L::muz || muz.zdravie <= 0 || muz.objekt_v_ktorom_byva == -1 ||
        muz.id_partnera != -1 || muz.vek <= S_L::CLOVEK_REPRODUKCIA_ZACIATOK)
        return;
    int z = w.odober_bez_muza();
    if (!zije(w, z) || z == c) return;
    S_clovek& zena = w.clovek[z];
    muz.id_partnera = z;
    zena.id_partnera = c;
    // Her children still in her care move with her; one who has come of age already left home.
    int n = zena.pocet_deti < S_L::MAX_DETI_NA_RODICA ? zena.pocet_deti : S_L::MAX_DETI_NA_RODICA;
    for (int i = 0; i < n; ++i) {
        int k = zena.id_deti[i];
        if (!zije(w, k) || w.clovek[k].id_matky != z) continue;
        if (w.clovek[k].vek < S_L::CLOVEK_REPRODUKCIA_ZACIATOK)
            w.clovek[k].objekt_v_ktorom_byva = muz.objekt_v_ktorom_byva;
    }
    zena.objekt_v_ktorom_byva = muz.objekt_v_ktorom_byva;
}

bool v_plodnom_veku(int vek) {
    return vek > S_L::CLOVEK_REPRODUKCIA_ZACIATOK && vek < S_L::CLOVEK_REPRODUKCIA_KONIEC;
}

// A mother in a shared home with a husband of child-bearing age may have a child this year.
void skus_narodenie(S_L& w, int c) {
    const S_clovek& zena = w.clovek[c];
    if (zena.pohlavie != S_L::zena || zena.zdravie <= 0 || !v_plodnom_veku(zena.vek)) return;
    int p = zena.id_partnera;
    if (!zije(w, p) || zena.objekt_v_ktorom_byva == -1) return;
    const S_clovek& muz = w.clovek[p];
    if (muz.objekt_v_ktorom_byva != zena.objekt_v_ktorom_byva || !v_plodnom_veku(muz.vek)) return;
    if (zena.pocet_deti >= S_L::MAX_DETI_NA_RODICA || muz.pocet_deti >= S_L::MAX_DETI_NA_RODICA)
        return;
    w.clovek_narodenie(c, p);
}

// At 50 a father hands his job and, if he has one, a place in his home to a grown son who lacks
// them; one of each per check, sons in birth order.
void odovzdanie_otca(S_L& w, int c) {
    S_clovek& otec = w.clovek[c];
    bool praca_dana = false;
    bool domov_dany = false;
    int n = otec.pocet_deti < S_L::MAX_DETI_NA_RODICA ? otec.pocet_deti : S_L::MAX_DETI_NA_RODICA;
    for (int i = 0; i < n; ++i) {
        int k = otec.id_deti[i];
        if (!zije(w, k)) continue;
        S_clovek& syn = w.clovek[k];
        if (syn.id_otca != c || syn.pohlavie != S_L::muz || syn.zdravie <= 0 ||
            !v_plodnom_veku(syn.vek))
            continue;
        // Soldiers stand outside the jobless list; swapping with one would lose a man from it.
        if (!praca_dana && syn.objekt_v_ktorom_pracuje == -1 &&
            otec.objekt_v_ktorom_pracuje != -1 && !syn.vojak && !otec.vojak) {
            int prace = otec.objekt_v_ktorom_pracuje;
            syn.objekt_v_ktorom_pracuje = prace;
            otec.objekt_v_ktorom_pracuje = -1;
            w.vymen_bez_prace(c, k);
            std::printf("dal synovi pracu %s \n", w.objekt_meno(prace));
            praca_dana = true;
        }
        if (!domov_dany && syn.objekt_v_ktorom_byva == -1 && otec.objekt_v_ktorom_byva != -1) {
            int dom = otec.objekt_v_ktorom_byva;
            syn.objekt_v_ktorom_byva = dom;
            // He heads his own household under his father's roof: the house counts every grown
            // man who lives in it, so his death or his father's frees exactly his own place.
            if (platny_objekt(dom)) w.objekt[dom].je_ludi += 1;
            w.najdi_odstran_posun_bez_domova(k);
            domov_dany = true;
        }
    }
}

// ---------------------------------------------------------------- the steps of a death

// The body goes to the stores and the death is counted by sex.
void zapis_smrt(S_owner& o, int pohlavie) {
    o.surovina[S_L::mrtvola].mam += 1;
    if (pohlavie == S_L::muz)
        o.zomrelo_muz += 1;
    else
        o.zomrelo_zena += 1;
}

// The children lose the parent who died; a minor whose father died loses the home he gave.
void odpoj_deti(S_L& w, int c, int pohlavie) {
    S_clovek& p = w.clovek[c];
    const int n = (p.pocet_deti < S_L::MAX_DETI_NA_RODICA) ? p.pocet_deti : S_L::MAX_DETI_NA_RODICA;
    for (int i = 0; i < n; ++i) {
        const int k = p.id_deti[i];
        p.id_deti[i] = -1;
        if (!zije(w, k)) continue;
        S_clovek& dieta = w.clovek[k];
        if (pohlavie == S_L::zena && dieta.id_matky == c) dieta.id_matky = -1;
        if (pohlavie == S_L::muz && dieta.id_otca == c) {
            dieta.id_otca = -1;
            if (dieta.vek < S_L::CLOVEK_REPRODUKCIA_ZACIATOK) dieta.objekt_v_ktorom_byva = -1;
        }
    }
}

// The partner is single again (a widow leaves the home and looks for a husband); a single woman
// leaves the list of women without a husband.
void ovdovenie(S_L& w, int c, int pohlavie) {
    S_clovek& p = w.clovek[c];
    const int partner = p.id_partnera;
    if (zije(w, partner) && w.clovek[partner].id_partnera == c) {
        S_clovek& q = w.clovek[partner];
        q.id_partnera = -1;
        if (q.pohlavie == S_L::zena) {
            w.pridaj_bez_muza(partner);
            q.objekt_v_ktorom_byva = -1;
        }
    } else if (pohlavie == S_L::zena) {
        w.najdi_odstran_posunodober_bez_muza(c);
    }
    p.id_partnera = -1;
}

// A man's workplace counts one worker fewer (the main building one builder fewer); a jobless
// man leaves the list of the jobless.
void uvolni_pracu(S_L& w, S_owner& o, int c, int praca) {
    if (praca == -1) {
        w.najdi_odstran_posun_bez_prace(c);
    } else if (platny_objekt(praca)) {
        S_objekt& ob = w.objekt[praca];
        if (ob.je_ludi > 0) ob.je_ludi -= 1;
        std::printf("%d zomrel a uvolnil pracu v %s \n", c, w.objekt_meno(praca));
        if (ob.id == S_L::hlavna_budova && o.stavbari > 0) o.stavbari -= 1;
    }
}

// A soldier leaves the barracks or tower that counted him, his group or garrison, and the
// soldiers' counts by weapon.
void prepusti_padleho(S_L& w, S_owner& o, int c, int praca) {
    S_clovek& p = w.clovek[c];
    if (praca != -1) {
        std::printf("!!!!!!!!vojak odstraneny z prace %d\n", praca);
        if (platny_objekt(praca) && w.objekt[praca].je_ludi > 0) w.objekt[praca].je_ludi -= 1;
    }
    o.pocet_vojakov -= 1;
    p.vojak = false;
    if (p.skupina >= 0) w.odober_vojaka_z_vojenskej_skupiny(c, p.skupina);
    // A garrison man dying outside a battle leaves no place to refill: the tower counts one
    // archer fewer and the owner has one more free place.
    if (p.veza >= 0 && w.odober_vojaka_z_veze(c, p.veza, w.owner)) {
        S_veza& v = o.veza[p.veza];
        if (v.pocet > 0) v.pocet -= 1;
        o.veza_volne_miesta += 1;
    }
    p.skupina = -1;
    p.veza = -1;
    if (p.zbran == S_L::luk)
        o.pocet_lukostrelcov -= 1;
    else if (p.zbran == S_L::kopija)
        o.pocet_kopijnikov -= 1;
    else if (p.zbran == S_L::mec)
        o.pocet_sermiarov -= 1;
    p.zbran = p.brnenie = -1;
}

// A grown man's house counts one man fewer; a homeless one leaves the list of the homeless.
void uvolni_dom(S_L& w, int c, int dom) {
    if (dom == -1)
        w.najdi_odstran_posun_bez_domova(c);
    else if (platny_objekt(dom) && w.objekt[dom].je_ludi > 0)
        w.objekt[dom].je_ludi -= 1;
}

// The population counters by age and sex.
void odpocitaj_obyvatela(S_owner& o, int vek, int pohlavie) {
    o.pocet_ludi -= 1;
    o.pocet_smrti += 1;
    if (vek < S_L::CLOVEK_REPRODUKCIA_ZACIATOK) {
        if (pohlavie == S_L::muz)
            o.pocet_chlapcov -= 1;
        else
            o.pocet_dievcat -= 1;
        o.pocet_deti -= 1;
    } else if (pohlavie == S_L::muz) {
        o.pocet_muzov -= 1;
    } else {
        o.pocet_zien -= 1;
    }
}

// The dead suffers from nothing any more; one who was ill is counted as dead of disease.
void vylieci_mrtveho(S_owner& o, S_clovek& p) {
    for (int d = 1; d < S_L::choroba_last_id; ++d) {
        if (!p.choroba[d].ma) continue;
        p.choroba[d].ma = false;
        o.trpi_chorobou[d] -= 1;
        p.choroby_pocet -= 1;
        if (p.choroby_pocet == 0) {
            o.trpi_chorobou_celkom -= 1;
            o.zomrelo_na_chorobu += 1;
        }
    }
    p.choroby_pocet = 0;
}

}  // namespace

// ---------------------------------------------------------------- creation

bool S_L::vytvor_clovek(int vlastnik, int pohlavie, int vek, int zdravie) {
    if (pohlavie != muz && pohlavie != zena) return false;
    const C_za_vlastnika za(*this, vlastnik);
    if (!za.platny()) {
        std::printf("ERROR : vytvor clovek nepodarilo sa nastavit vlastnika\n");
        return false;
    }
    int id = vrat_volne_id_clovek();
    if (!platny_clovek(id)) return false;
    S_clovek& c = clovek[id];
    cisty_zaciatok(c);
    c.id_matky = c.id_otca = c.id_partnera = -1;
    c.pocet_deti = 0;
    c.pohlavie = pohlavie;
    c.vek = vek;
    c.zdravie = zdravie;
    c.vlastnik = vlastnik;
    c.objekt_v_ktorom_byva = c.objekt_v_ktorom_pracuje = -1;
    c.x = c.y = 0.0f;

    // Grown-ups from 18, as everywhere else; a person created at 18 is an adult at once.
    S_owner& o = aktualny_vlastnik();
    o.pocet_ludi += 1;
    const bool dospely = vek >= CLOVEK_REPRODUKCIA_ZACIATOK;
    if (pohlavie == zena) {
        if (dospely) {
            o.pocet_zien += 1;
            pridaj_bez_muza(id);
        } else {
            o.pocet_dievcat += 1;
            o.pocet_deti += 1;
        }
    } else {
        if (dospely) {
            o.pocet_muzov += 1;
            pridaj_bez_prace(id);
            pridaj_bez_domova(id);
        } else {
            o.pocet_chlapcov += 1;
            o.pocet_deti += 1;
        }
    }
    return true;
}

// ---------------------------------------------------------------- the monthly and yearly pass

bool S_L::kontroluj_ludi() {
    if (!mesiac_passed && !rok_passed) return false;
    rozdeluj_jedlo();
    S_owner& o = aktualny_vlastnik();
    o.hladuje_muz = o.hladuje_zena = 0;
    const int ja = owner;
    // Newborns get ids during the walk; those above the current id are visited too, so the bound
    // is re-read every round.
    for (int c = 0; c < clovek_hwm; ++c) {
        S_clovek& p = clovek[c];
        if (p.vlastnik != ja || p.zdravie == -1) continue;
        // The step of the turn that first brings health below 1 is the cause of death counted.
        int pricina = -1;
        const auto zisti = [&](int k) {
            if (pricina < 0 && p.zdravie < 1) pricina = k;
        };
        if (mesiac_passed) {
            kontroluj_potreby(c);
            zisti(p.mal_pristup_k_surovine[voda] ? SMRT_hlad : SMRT_smad);
            parovanie(*this, c);
        }
        if (rok_passed && p.zdravie > 0) {
            p.teple_oblecenie = false;
            p.vek += 1;
            if (p.vek == CLOVEK_REPRODUKCIA_ZACIATOK) clovek_dosiahol_dospelost(c);
            if (p.vek > CLOVEK_VEK_DIE_DEF)
                p.zdravie = 0;
            else if (p.vek > CLOVEK_VEK_DIE && clovek_die_random(c))
                p.zdravie = 0;
            zisti(SMRT_vek);
            skus_narodenie(*this, c);
        }
        if (p.vek == CLOVEK_REPRODUKCIA_KONIEC && p.zdravie > 0 && p.pohlavie == muz)
            odovzdanie_otca(*this, c);
        if (p.zdravie > 0) kontroluj_choroby(c);
        zisti(p.choroba[CH_zima].ma ? SMRT_zima : SMRT_choroba);
        if (p.zdravie < 1) {
            if (platny_vlastnik(ja)) smrti_v_mesiaci[ja][pricina] += 1;
            clovek_DIE(c);
        }
    }
    return true;
}

bool S_L::clovek_die_random(int c) {
    if (!platny_clovek(c) || clovek[c].vek < CLOVEK_VEK_DIE) return false;
    int r = random(0, 100);
    int hranica = clovek[c].vek - 10;
    if (hranica < 50) hranica = 50;
    return r < hranica;
}

void S_L::clovek_narodenie(int matka, int otec) {
    if (!zije(*this, matka) || !zije(*this, otec)) return;
    S_clovek& m = clovek[matka];
    S_clovek& t = clovek[otec];
    // No fifth child: a full slot table refuses before anything is drawn or taken.
    if (m.pocet_deti < 0 || t.pocet_deti < 0 || m.pocet_deti >= MAX_DETI_NA_RODICA ||
        t.pocet_deti >= MAX_DETI_NA_RODICA)
        return;
    int r = random(0, 2);
    if (r == 0) return;
    int id = vrat_volne_id_clovek();
    if (!platny_clovek(id)) return;
    S_clovek& d = clovek[id];
    cisty_zaciatok(d);
    d.id_matky = matka;
    d.id_otca = otec;
    d.id_partnera = -1;
    d.objekt_v_ktorom_byva = m.objekt_v_ktorom_byva;
    d.objekt_v_ktorom_pracuje = -1;
    d.pocet_deti = 0;
    d.pohlavie = r;
    d.vek = 0;
    d.vlastnik = owner;
    d.x = d.y = 0.0f;
    d.zdravie = 100;

    m.id_deti[m.pocet_deti++] = id;
    t.id_deti[t.pocet_deti++] = id;
    // A second child is of the other sex than the first. When the first has died its sex is
    // gone with it and the drawn sex stands.
    if (m.pocet_deti == 2) {
        int prvy = m.id_deti[0];
        if (zije(*this, prvy) && clovek[prvy].id_matky == matka)
            d.pohlavie = clovek[prvy].pohlavie == muz ? zena : muz;
    }
    S_owner& o = aktualny_vlastnik();
    o.pocet_ludi += 1;
    o.pocet_deti += 1;
    if (d.pohlavie == muz)
        o.pocet_chlapcov += 1;
    else
        o.pocet_dievcat += 1;
}

void S_L::clovek_dosiahol_dospelost(int c) {
    if (!zije(*this, c)) return;
    S_clovek& p = clovek[c];
    S_owner& o = aktualny_vlastnik();
    p.objekt_v_ktorom_byva = -1;
    o.pocet_deti -= 1;
    if (p.pohlavie == zena) {
        o.pocet_dievcat -= 1;
        o.pocet_zien += 1;
        pridaj_bez_muza(c);
    } else {
        pridaj_bez_prace(c);
        pridaj_bez_domova(c);
        o.pocet_chlapcov -= 1;
        o.pocet_muzov += 1;
    }
}

// ---------------------------------------------------------------- death

void S_L::clovek_DIE(int c) {
    if (!platny_clovek(c)) return;
    S_clovek& p = clovek[c];
    if (p.vlastnik != owner) std::printf("clovek DIE owner missmatch\n");
    // A free slot has no owner: refuse, so nobody dies twice and no counter is lowered twice.
    const C_za_vlastnika za(*this, p.vlastnik);
    if (!za.platny()) {
        std::printf("clovek DIE : owner set error\n");
        return;
    }
    if (p.zdravie == -1 && p.pohlavie == -1) return;  // already dead
    S_owner& o = aktualny_vlastnik();
    const int vek = p.vek, pohlavie = p.pohlavie, dom = p.objekt_v_ktorom_byva;
    p.vek = p.zdravie = p.id_matky = p.id_otca = -1;
    zapis_smrt(o, pohlavie);
    odpoj_deti(*this, c, pohlavie);
    p.pohlavie = -1;
    p.x = p.y = -1.0f;
    ovdovenie(*this, c, pohlavie);
    if (pohlavie == muz) {
        const int praca = p.objekt_v_ktorom_pracuje;
        p.objekt_v_ktorom_pracuje = -1;
        if (p.vojak)
            prepusti_padleho(*this, o, c, praca);
        else
            uvolni_pracu(*this, o, c, praca);
        p.objekt_v_ktorom_byva = -1;
        if (vek >= CLOVEK_REPRODUKCIA_ZACIATOK) uvolni_dom(*this, c, dom);
    }
    p.objekt_v_ktorom_byva = -1;
    // Cleared last: a soldier leaves his group's and tower's lists as his owner's man.
    p.vlastnik = -1;
    odpocitaj_obyvatela(o, vek, pohlavie);
    vylieci_mrtveho(o, p);
    pridaj_volne_id_clovek(c);
}

// ---------------------------------------------------------------- settlers

int S_L::volne_miesta_v_domoch() {
    int volne = 0;
    for (int i = 0; i < objekt_hwm; ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je != id_budova || ob.id != dom || ob.percenta <= 99) continue;
        if (ob.vlastnik == id_nikto || !platny_vlastnik(ob.vlastnik)) continue;
        int m = budova_potrebuje_ludi(i) - ob.je_ludi;
        if (m > 0) volne += m;
    }
    return volne;
}

S_prichod S_L::posud_prichod() {
    const S_owner& o = aktualny_vlastnik();
    S_prichod p;
    p.volne = volne_miesta_v_domoch();
    p.treba = 62 * p.volne;
    p.jedlo = static_cast<long long>(o.surovina[chlieb].mam) + o.surovina[maso].mam +
              o.surovina[ryba].mam;
    p.voda = o.surovina[voda].mam;
    if (p.volne == 0)
        p.verdikt = PRICHOD_ziadny_dom;
    else if (!infinite_sources && p.jedlo <= p.treba)
        p.verdikt = PRICHOD_malo_jedla;
    else if (!infinite_sources && p.voda <= p.treba)
        p.verdikt = PRICHOD_malo_vody;
    else
        p.verdikt = PRICHOD_pridu;
    return p;
}

void S_L::kontroluj_prichod_novych_ludi() {
    if (!rok_passed) return;
    const S_prichod p = posud_prichod();
    if (p.verdikt != PRICHOD_pridu) return;
    for (long long i = 0; i < p.volne; ++i) {
        if (!vytvor_clovek(owner, muz, 20, 100)) return;
        prislo_osadnikov += 1;
        if (!vytvor_clovek(owner, zena, 20, 100)) return;
        prislo_osadnikov += 1;
    }
}

// ---------------------------------------------------------------- homes and jobs

void S_L::kontroluj_najdenie_domu_prace() {
    S_owner& o = aktualny_vlastnik();
    const int ja = owner;
    // The buildings that can still take someone, in object order; they drop out as they fill.
    // Collected once per call, so the repeated passes do not each walk every object slot.
    static int kandidati[MAX_OBJECTS];
    int pocet = 0;
    for (int i = 0; i < objekt_hwm; ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je != id_budova || ob.vlastnik != ja || ob.percenta <= 99) continue;
        if (ob.id < 0 || ob.id >= last_building_integer) continue;
        if (ob.id != dom && !budova[ob.id].zamestnava) continue;
        // A workplace takes workers only while it has room: one whose level holds fewer than it
        // employs must not swallow the jobless.
        if (ob.je_ludi < budova_potrebuje_ludi(i)) kandidati[pocet++] = i;
    }
    bool zmena = true;
    while (zmena && pocet > 0) {
        zmena = false;
        int ostava = 0;
        for (int k = 0; k < pocet; ++k) {
            const int b = kandidati[k];
            S_objekt& ob = objekt[b];
            if (ob.id == dom) {
                int m = odober_bez_domova();
                // A stale entry (nobody alive) only leaves the list.
                if (zije(*this, m)) {
                    clovek[m].objekt_v_ktorom_byva = b;
                    ob.je_ludi += 1;
                    if (platny_vlastnik(ja)) AI[ja].volne[dom] -= 1;
                    zmena = true;
                }
            } else {
                // A dead man leaves the list without the job; the passes go on only while
                // somebody is placed.
                int m = odober_bez_prace();
                if (m != -1 && (!zije(*this, m) || clovek[m].zdravie < 0)) {
                    std::printf("FATAL ERROR : pridelovanie prace - mrtvy clovek");
                } else if (m != -1) {
                    ob.je_ludi += 1;
                    clovek[m].objekt_v_ktorom_pracuje = b;
                    std::printf("%d sa zamestnal v %d=%s \n", m, b, objekt_meno(b));
                    if (ob.id == hlavna_budova) o.stavbari += 1;
                    zmena = true;
                }
            }
            if (ob.je_ludi < budova_potrebuje_ludi(b)) kandidati[ostava++] = b;
        }
        pocet = ostava;
        if (o.bez_domova_last_id <= 0 && o.bez_prace_last_id <= 0) break;
    }
}

int S_L::volne_pracovne_miesta() {
    int volne = 0;
    for (int i = 0; i < objekt_hwm; ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je != id_budova || ob.vlastnik != owner || ob.percenta <= 99) continue;
        if (ob.id < 0 || ob.id >= last_building_integer || ob.id == dom ||
            !budova[ob.id].zamestnava)
            continue;
        const int m = budova_potrebuje_ludi(i) - ob.je_ludi;
        if (m > 0) volne += m;
    }
    return volne;
}

// ---------------------------------------------------------------- lists

void S_L::pridaj_bez_domova(int id_clovek) {
    S_owner& o = aktualny_vlastnik();
    pridaj_do_zoznamu(o.clovek_bez_domova_list, o.bez_domova_last_id, id_clovek);
}

bool S_L::pridaj_bez_prace(int id_clovek) {
    if (!platny_clovek(id_clovek)) return false;
    if (clovek[id_clovek].vlastnik != owner) {
        std::printf("FATAL ERROR : pridaj clovek nesedi owner clovek %d != %d system\n",
                    clovek[id_clovek].vlastnik, owner);
        return false;
    }
    S_owner& o = aktualny_vlastnik();
    if (o.bez_prace_last_id >= MAX_CLOVEK) return false;
    pridaj_do_zoznamu(o.clovek_bez_prace_list, o.bez_prace_last_id, id_clovek);
    return true;
}

void S_L::pridaj_bez_muza(int id_muz) {
    S_owner& o = aktualny_vlastnik();
    pridaj_do_zoznamu(o.muzodober_bez_muza_list, o.bez_zeny_last_id, id_muz);
}

int S_L::odober_bez_domova() {
    S_owner& o = aktualny_vlastnik();
    return odober_zo_zoznamu(o.clovek_bez_domova_list, o.bez_domova_last_id);
}

int S_L::odober_bez_prace() {
    S_owner& o = aktualny_vlastnik();
    return odober_zo_zoznamu(o.clovek_bez_prace_list, o.bez_prace_last_id);
}

int S_L::odober_bez_muza() {
    S_owner& o = aktualny_vlastnik();
    return odober_zo_zoznamu(o.muzodober_bez_muza_list, o.bez_zeny_last_id);
}

void S_L::najdi_odstran_posun_bez_domova(int id_cloveka) {
    S_owner& o = aktualny_vlastnik();
    odstran_zo_zoznamu(o.clovek_bez_domova_list, o.bez_domova_last_id, id_cloveka);
}

void S_L::najdi_odstran_posun_bez_prace(int id_cloveka) {
    S_owner& o = aktualny_vlastnik();
    odstran_zo_zoznamu(o.clovek_bez_prace_list, o.bez_prace_last_id, id_cloveka);
}

void S_L::najdi_odstran_posunodober_bez_muza(int id_cloveka) {
    S_owner& o = aktualny_vlastnik();
    odstran_zo_zoznamu(o.muzodober_bez_muza_list, o.bez_zeny_last_id, id_cloveka);
}

void S_L::vymen_bez_prace(int rodic, int dieta) {
    S_owner& o = aktualny_vlastnik();
    const int n = o.bez_prace_last_id < MAX_CLOVEK ? o.bez_prace_last_id : MAX_CLOVEK;
    for (int i = 0; i < n; ++i)
        if (o.clovek_bez_prace_list[i] == dieta) o.clovek_bez_prace_list[i] = rodic;
}

// ---------------------------------------------------------------- counters

int S_L::return_pocet_ludi() { return aktualny_vlastnik().pocet_ludi; }
int S_L::return_pocet_zien() { return aktualny_vlastnik().pocet_zien; }
int S_L::return_pocet_muzov() { return aktualny_vlastnik().pocet_muzov; }
int S_L::return_pocet_deti() { return aktualny_vlastnik().pocet_deti; }
int S_L::return_pocet_chlapcov() { return aktualny_vlastnik().pocet_chlapcov; }
int S_L::return_pocet_dievcat() { return aktualny_vlastnik().pocet_dievcat; }
int S_L::return_zomrelo_ludi() { return aktualny_vlastnik().pocet_smrti; }
int S_L::return_zomrelo_muzov() { return aktualny_vlastnik().zomrelo_muz; }
int S_L::return_zomrelo_zien() { return aktualny_vlastnik().zomrelo_zena; }
int S_L::return_zomrelo_hladom() { return aktualny_vlastnik().zomrelo_hladom; }
int S_L::return_pocet_zomrelo_na_chorobu() { return aktualny_vlastnik().zomrelo_na_chorobu; }
int S_L::return_pocet_muzov_hladuje() { return aktualny_vlastnik().hladuje_muz; }
int S_L::return_pocet_zien_hladuje() { return aktualny_vlastnik().hladuje_zena; }
int S_L::return_pocet_muzov_bez_domova() { return aktualny_vlastnik().bez_domova_last_id; }
int S_L::return_pocet_muzov_bez_prace() { return aktualny_vlastnik().bez_prace_last_id; }
int S_L::return_pocet_muzov_bez_zien() { return aktualny_vlastnik().bez_zeny_last_id; }
