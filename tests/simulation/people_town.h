// Shared set-up for the tests of the people: a fresh starting town, finished buildings, linked
// children, month ends run through the world's own operations, and a recount of the books.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

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

// The month checks of the people as the step runs them: homes and jobs, then the pass.
inline void koniec_mesiaca(int novy_mesiac, bool rok = false) {
    strategy.time = {1, novy_mesiac, strategy.time.rok};
    strategy.mesiac_passed = true;
    strategy.rok_passed = rok;
    strategy.kontroluj_najdenie_domu_prace();
    strategy.kontroluj_ludi();
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

// Recomputes an owner's population counters, the three lists, the occupancy of houses and
// workplaces, the builders, marriages and diseases from the people table and describes every
// disagreement, one line each. An empty result means the books balance.
inline std::string prepocet(int vl = S_L::id_player) {
    const S_L& w = strategy;
    std::ostringstream out;
    auto porovnaj = [&](const char* co, int ulozene, int spocitane) {
        if (ulozene != spocitane) out << co << ": stored " << ulozene << ", recounted " << spocitane << "\n";
    };
    const auto& o = w.id_owner[vl];
    int muzov = 0, zien = 0, chlapcov = 0, dievcat = 0, stavbari = 0, chorych = 0;
    int choroba[S_L::choroba_last_id] = {};
    std::vector<int> bez_domova, bez_prace, bez_muza, v_budove(S_L::MAX_OBJECTS, 0);
    for (int c = 0; c < S_L::MAX_CLOVEK; ++c) {
        const auto& p = w.clovek[c];
        if (p.vlastnik != vl || p.pohlavie == -1) continue;
        const bool muz = p.pohlavie == S_L::muz, dospel = p.vek >= S_L::CLOVEK_REPRODUKCIA_ZACIATOK;
        const int h = p.objekt_v_ktorom_byva, j = p.objekt_v_ktorom_pracuje, q = p.id_partnera;
        ++(dospel ? (muz ? muzov : zien) : (muz ? chlapcov : dievcat));
        if (muz && dospel && h == -1) bez_domova.push_back(c);
        if (muz && dospel && j == -1 && !p.vojak) bez_prace.push_back(c);
        if (!muz && dospel && q == -1) bez_muza.push_back(c);
        // A house counts the grown men living in it, a workplace its workers.
        if (h >= 0 && h < S_L::MAX_OBJECTS && muz && dospel) ++v_budove[h];
        if (j >= 0 && j < S_L::MAX_OBJECTS) {
            ++v_budove[j];
            stavbari += w.objekt[j].id == S_L::hlavna_budova;
        }
        if (p.zdravie < 1 || (j != -1 && !muz)) out << "person " << c << ": health " << p.zdravie << ", job " << j << "\n";
        if (q != -1 && (q < 0 || q >= S_L::MAX_CLOVEK || w.clovek[q].id_partnera != c || w.clovek[q].pohlavie == -1 ||
                        (!muz && h != w.clovek[q].objekt_v_ktorom_byva)))
            out << "person " << c << " and partner " << q << " are not married both ways under one roof\n";
        int n = 0;
        for (int d = 1; d < S_L::choroba_last_id; ++d) {
            n += p.choroba[d].ma;
            choroba[d] += p.choroba[d].ma;
        }
        if (n != p.choroby_pocet) out << "person " << c << " has " << n << " diseases, counts " << p.choroby_pocet << "\n";
        chorych += n > 0;
    }
    porovnaj("pocet_ludi", o.pocet_ludi, muzov + zien + chlapcov + dievcat);
    porovnaj("pocet_muzov", o.pocet_muzov, muzov);
    porovnaj("pocet_zien", o.pocet_zien, zien);
    porovnaj("pocet_deti", o.pocet_deti, chlapcov + dievcat);
    porovnaj("pocet_chlapcov", o.pocet_chlapcov, chlapcov);
    porovnaj("pocet_dievcat", o.pocet_dievcat, dievcat);
    porovnaj("stavbari", o.stavbari, stavbari);
    porovnaj("trpi_chorobou_celkom", o.trpi_chorobou_celkom, chorych);
    for (int d = 1; d < S_L::choroba_last_id; ++d) porovnaj("trpi_chorobou[d]", o.trpi_chorobou[d], choroba[d]);

    // A list holds its ids in any order, without gaps and with nothing left past its fill counter.
    auto zoznam = [&](const char* co, const int* z, int n, const std::vector<int>& ma_byt) {
        std::vector<int> je(z, z + std::clamp(n, 0, S_L::MAX_CLOVEK));
        std::sort(je.begin(), je.end());
        if (je != ma_byt) out << co << ": " << n << " listed, " << ma_byt.size() << " belong there (or other ids)\n";
        if (n >= 0 && n < S_L::MAX_CLOVEK && z[n] != -1) out << co << ": slot past the fill counter holds " << z[n] << "\n";
    };
    zoznam("homeless", o.clovek_bez_domova_list, o.bez_domova_last_id, bez_domova);
    zoznam("jobless", o.clovek_bez_prace_list, o.bez_prace_last_id, bez_prace);
    zoznam("single women", o.muzodober_bez_muza_list, o.bez_zeny_last_id, bez_muza);
    for (int i = 0; i < S_L::MAX_OBJECTS; ++i) {
        const auto& ob = w.objekt[i];
        // Barracks and towers count their soldiers by the war's own rules.
        if (ob.co_to_je == S_L::id_budova && ob.vlastnik == vl && ob.id != S_L::kasaren &&
            ob.id != S_L::drevenna_veza && ob.id != S_L::kamenna_veza && ob.je_ludi != v_budove[i])
            out << "object " << i << " (type " << ob.id << ") counts " << ob.je_ludi << " people, recounted " << v_budove[i] << "\n";
    }
    return out.str();
}

}  // namespace people_town
