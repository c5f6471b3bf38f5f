// Recount check for the people of one owner: recomputes every population counter, the three
// lists, the occupancy of houses and workplaces, the builders, marriages and diseases from the
// people table and describes every disagreement. An empty result means the books balance.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "Strategy_library.h"

namespace recount {

using Strategy_library::S_L;

inline void porovnaj(std::ostringstream& out, const char* co, long long ulozene, long long spocitane) {
    if (ulozene != spocitane) out << co << ": stored " << ulozene << ", recounted " << spocitane << "\n";
}

inline void porovnaj_zoznam(std::ostringstream& out, const char* co, const int* zoznam, int pocet,
                            std::vector<int> ocakavane) {
    if (pocet < 0 || pocet > S_L::MAX_CLOVEK) {
        out << co << ": fill counter " << pocet << " out of range\n";
        return;
    }
    std::vector<int> ulozene(zoznam, zoznam + pocet);
    std::sort(ulozene.begin(), ulozene.end());
    std::sort(ocakavane.begin(), ocakavane.end());
    if (ulozene != ocakavane) {
        out << co << ": list holds";
        for (int i : ulozene) out << " " << i;
        out << " but should hold";
        for (int i : ocakavane) out << " " << i;
        out << "\n";
    }
    for (int i = pocet; i < S_L::MAX_CLOVEK; ++i)
        if (zoznam[i] != -1) {
            out << co << ": slot " << i << " past the fill counter holds " << zoznam[i] << "\n";
            break;
        }
}

// Everything that disagrees for owner `vl`, one line each.
inline std::string prepocitaj(const S_L& w, int vl) {
    std::ostringstream out;
    const auto& o = w.id_owner[vl];
    const int dospely = S_L::CLOVEK_REPRODUKCIA_ZACIATOK;
    int ludi = 0, muzov = 0, zien = 0, chlapcov = 0, dievcat = 0, stavbari = 0, chorych = 0;
    int choroba[S_L::choroba_last_id] = {};
    std::vector<int> bez_domova, bez_prace, bez_muza;
    std::vector<int> v_dome(S_L::MAX_OBJECTS, 0), v_praci(S_L::MAX_OBJECTS, 0);

    for (int c = 0; c < S_L::MAX_CLOVEK; ++c) {
        const auto& p = w.clovek[c];
        if (p.vlastnik != vl || p.pohlavie == -1) continue;
        ++ludi;
        if (p.zdravie < 1) out << "person " << c << " alive with health " << p.zdravie << "\n";
        const bool muz = p.pohlavie == S_L::muz;
        if (p.vek < dospely) (muz ? chlapcov : dievcat)++;
        else (muz ? muzov : zien)++;
        if (muz && p.vek >= dospely) {
            if (p.objekt_v_ktorom_byva == -1) bez_domova.push_back(c);
            if (p.objekt_v_ktorom_pracuje == -1 && !p.vojak) bez_prace.push_back(c);
        }
        if (!muz && p.vek >= dospely && p.id_partnera == -1) bez_muza.push_back(c);
        if (!muz && p.objekt_v_ktorom_pracuje != -1) out << "woman " << c << " has a job\n";

        int h = p.objekt_v_ktorom_byva;
        if (h != -1) {
            if (h < 0 || h >= S_L::MAX_OBJECTS || w.objekt[h].id != S_L::dom)
                out << "person " << c << " lives in " << h << ", which is no house\n";
            else if (muz && p.vek >= dospely)
                ++v_dome[h];
        }
        int j = p.objekt_v_ktorom_pracuje;
        if (j != -1) {
            if (j < 0 || j >= S_L::MAX_OBJECTS || w.objekt[j].co_to_je != S_L::id_budova) {
                out << "person " << c << " works in " << j << ", which is no building\n";
            } else {
                ++v_praci[j];
                if (w.objekt[j].id == S_L::hlavna_budova) ++stavbari;
            }
        }
        int q = p.id_partnera;
        if (q != -1) {
            if (q < 0 || q >= S_L::MAX_CLOVEK || w.clovek[q].id_partnera != c || w.clovek[q].pohlavie == -1)
                out << "person " << c << " is married to " << q << ", who is not married back\n";
            else if (!muz && p.objekt_v_ktorom_byva != w.clovek[q].objekt_v_ktorom_byva)
                out << "wife " << c << " does not live with her husband " << q << "\n";
        }
        int n = 0;
        for (int d = 1; d < S_L::choroba_last_id; ++d)
            if (p.choroba[d].ma) {
                ++n;
                ++choroba[d];
            }
        if (n != p.choroby_pocet) out << "person " << c << " has " << n << " diseases, counts " << p.choroby_pocet << "\n";
        if (n > 0) ++chorych;
    }

    porovnaj(out, "pocet_ludi", o.pocet_ludi, ludi);
    porovnaj(out, "pocet_muzov", o.pocet_muzov, muzov);
    porovnaj(out, "pocet_zien", o.pocet_zien, zien);
    porovnaj(out, "pocet_deti", o.pocet_deti, chlapcov + dievcat);
    porovnaj(out, "pocet_chlapcov", o.pocet_chlapcov, chlapcov);
    porovnaj(out, "pocet_dievcat", o.pocet_dievcat, dievcat);
    porovnaj(out, "stavbari", o.stavbari, stavbari);
    porovnaj(out, "trpi_chorobou_celkom", o.trpi_chorobou_celkom, chorych);
    for (int d = 1; d < S_L::choroba_last_id; ++d) porovnaj(out, "trpi_chorobou[d]", o.trpi_chorobou[d], choroba[d]);
    porovnaj_zoznam(out, "homeless", o.clovek_bez_domova_list, o.bez_domova_last_id, bez_domova);
    porovnaj_zoznam(out, "jobless", o.clovek_bez_prace_list, o.bez_prace_last_id, bez_prace);
    porovnaj_zoznam(out, "single women", o.muzodober_bez_muza_list, o.bez_zeny_last_id, bez_muza);

    for (int i = 0; i < S_L::MAX_OBJECTS; ++i) {
        const auto& ob = w.objekt[i];
        if (ob.co_to_je != S_L::id_budova || ob.vlastnik != vl) continue;
        // Barracks and towers count their soldiers by the war's own rules.
        if (ob.id == S_L::kasaren || ob.id == S_L::drevenna_veza || ob.id == S_L::kamenna_veza) continue;
        const int ma_byt = ob.id == S_L::dom ? v_dome[i] : v_praci[i];
        if (ob.je_ludi != ma_byt)
            out << "object " << i << " (type " << ob.id << ") counts " << ob.je_ludi << " people, recounted " << ma_byt << "\n";
    }
    return out.str();
}

}  // namespace recount
