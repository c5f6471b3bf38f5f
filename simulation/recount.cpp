// Recount of the books: every counter, list and occupancy the world keeps for an owner is
// recomputed from the people, object, group and tower tables, and each disagreement is described
// in one line. Tests, tools and long runs call it after a step; a disagreement is a bug however
// plausible the stored numbers look.
#include <algorithm>
#include <sstream>
#include <vector>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// A list holds its ids in any order, without gaps and with nothing left past its fill counter.
void porovnaj_zoznam(std::ostringstream& out, const char* co, const int* z, int n,
                     const std::vector<int>& ma_byt) {
    std::vector<int> je(z, z + std::clamp(n, 0, S_L::MAX_CLOVEK));
    std::sort(je.begin(), je.end());
    if (je != ma_byt)
        out << co << ": " << n << " listed, " << ma_byt.size() << " belong there (or other ids)\n";
    if (n >= 0 && n < S_L::MAX_CLOVEK && z[n] != -1)
        out << co << ": slot past the fill counter holds " << z[n] << "\n";
}

}  // namespace

std::string S_L::prepocitaj_knihy(int vl) const {
    std::ostringstream out;
    if (!platny_vlastnik(vl)) return "owner " + std::to_string(vl) + " does not exist\n";
    auto porovnaj = [&](const char* co, int ulozene, int spocitane) {
        if (ulozene != spocitane)
            out << co << ": stored " << ulozene << ", recounted " << spocitane << "\n";
    };
    auto zije = [&](int c) { return platny_clovek(c) && clovek[c].pohlavie != -1; };
    const S_owner& o = id_owner[vl];

    // ------------------------------------------------------------ people, lists, buildings
    int muzov = 0, zien = 0, chlapcov = 0, dievcat = 0, stavbari = 0, chorych = 0;
    int vojakov = 0, sermiarov = 0, kopijnikov = 0, lukostrelcov = 0;
    int choroby[choroba_last_id] = {};
    std::vector<int> bez_domova, bez_prace, bez_muza, v_budove(MAX_OBJECTS, 0);
    for (int c = 0; c < MAX_CLOVEK; ++c) {
        const S_clovek& p = clovek[c];
        if (p.vlastnik != vl || p.pohlavie == -1) continue;
        const bool muz_ = p.pohlavie == muz, dospel = p.vek >= CLOVEK_REPRODUKCIA_ZACIATOK;
        const int h = p.objekt_v_ktorom_byva, j = p.objekt_v_ktorom_pracuje, q = p.id_partnera;
        ++(dospel ? (muz_ ? muzov : zien) : (muz_ ? chlapcov : dievcat));
        if (muz_ && dospel && h == -1) bez_domova.push_back(c);
        if (muz_ && dospel && j == -1 && !p.vojak) bez_prace.push_back(c);
        if (!muz_ && dospel && q == -1) bez_muza.push_back(c);
        // A house counts the grown men living in it, a workplace (barracks and towers too) its
        // workers.
        if (platny_objekt(h) && muz_ && dospel) ++v_budove[h];
        if (platny_objekt(j)) {
            ++v_budove[j];
            stavbari += objekt[j].id == hlavna_budova;
        }
        // Only a soldier fallen in the battle still on lies unburied.
        const bool padly = p.vojak && je_vojna;
        if ((p.zdravie < 1 && !padly) || (j != -1 && !muz_))
            out << "person " << c << ": health " << p.zdravie << ", job " << j << "\n";
        if (q != -1 && (!zije(q) || clovek[q].id_partnera != c ||
                        (!muz_ && h != clovek[q].objekt_v_ktorom_byva)))
            out << "person " << c << " and partner " << q << " are not married both ways under one roof\n";
        int n = 0;
        for (int d = 1; d < choroba_last_id; ++d) {
            n += p.choroba[d].ma;
            choroby[d] += p.choroba[d].ma;
        }
        if (n != p.choroby_pocet) out << "person " << c << " has " << n << " diseases, counts " << p.choroby_pocet << "\n";
        chorych += n > 0;

        if (!p.vojak) {
            if (p.skupina != -1 || p.veza != -1)
                out << "person " << c << " is no soldier but belongs to group " << p.skupina << ", tower " << p.veza << "\n";
            continue;
        }
        ++vojakov;
        sermiarov += p.zbran == mec;
        kopijnikov += p.zbran == kopija;
        lukostrelcov += p.zbran == luk;
        // A soldier stands in exactly one list: his group's or his tower's, once.
        int vyskytov = -1;
        if (p.skupina != -1 && p.veza == -1 && p.skupina >= 0 && p.skupina < vojenska_skupina_last_id &&
            p.skupina <= MAX_VOJENSKA_SKUPINA) {
            const S_vojenska_skupina& s = vojenska_skupina[p.skupina];
            const int dlzka = std::clamp(s.zoznam_vojakov_last_id, 0, MAX_VOJACI_V_SKUPINE);
            vyskytov = static_cast<int>(std::count(s.zoznam_vojakov, s.zoznam_vojakov + dlzka, c));
        } else if (p.veza != -1 && p.skupina == -1 && p.veza >= 0 && p.veza < o.veza_last_id) {
            const S_veza& v = o.veza[p.veza];
            const int dlzka = std::clamp(v.vojak_last_id, 0, 61);
            vyskytov = static_cast<int>(std::count(v.vojak, v.vojak + dlzka, c));
            if (j != v.object) out << "tower soldier " << c << " works at " << j << ", not at tower object " << v.object << "\n";
        }
        if (vyskytov != 1)
            out << "soldier " << c << " of group " << p.skupina << ", tower " << p.veza << " is listed "
                << vyskytov << " times there\n";
    }
    porovnaj("pocet_ludi", o.pocet_ludi, muzov + zien + chlapcov + dievcat);
    porovnaj("pocet_muzov", o.pocet_muzov, muzov);
    porovnaj("pocet_zien", o.pocet_zien, zien);
    porovnaj("pocet_deti", o.pocet_deti, chlapcov + dievcat);
    porovnaj("pocet_chlapcov", o.pocet_chlapcov, chlapcov);
    porovnaj("pocet_dievcat", o.pocet_dievcat, dievcat);
    porovnaj("stavbari", o.stavbari, stavbari);
    porovnaj("trpi_chorobou_celkom", o.trpi_chorobou_celkom, chorych);
    for (int d = 1; d < choroba_last_id; ++d) porovnaj("trpi_chorobou[d]", o.trpi_chorobou[d], choroby[d]);
    porovnaj("pocet_vojakov", o.pocet_vojakov, vojakov);
    porovnaj("pocet_sermiarov", o.pocet_sermiarov, sermiarov);
    porovnaj("pocet_kopijnikov", o.pocet_kopijnikov, kopijnikov);
    porovnaj("pocet_lukostrelcov", o.pocet_lukostrelcov, lukostrelcov);

    porovnaj_zoznam(out, "homeless", o.clovek_bez_domova_list, o.bez_domova_last_id, bez_domova);
    porovnaj_zoznam(out, "jobless", o.clovek_bez_prace_list, o.bez_prace_last_id, bez_prace);
    porovnaj_zoznam(out, "single women", o.muzodober_bez_muza_list, o.bez_zeny_last_id, bez_muza);
    for (int i = 0; i < MAX_OBJECTS; ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je == id_budova && ob.vlastnik == vl && ob.je_ludi != v_budove[i])
            out << "object " << i << " (type " << ob.id << ") counts " << ob.je_ludi << " people, recounted " << v_budove[i] << "\n";
    }

    // ------------------------------------------------------------ groups
    // Every listed member is a soldier of this group; `dead` counts the holes and the fallen who
    // still hold their place. A row counts among the owner's groups from its creation until it
    // is disbanded or, destroyed, cleaned up after the battle.
    const int riadkov = std::clamp(vojenska_skupina_last_id, 0, MAX_VOJENSKA_SKUPINA + 1);
    for (int g = 0; g < riadkov; ++g) {
        const S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.vlastnik != vl) continue;
        const int n = s.zoznam_vojakov_last_id;
        if (n < 0 || n > MAX_VOJACI_V_SKUPINE || s.max > MAX_VOJACI_V_SKUPINE || (!s.dead_status && n > s.max)) {
            out << "group " << g << ": " << n << " listed of " << s.max << " places\n";
            continue;
        }
        int padlych = 0;
        for (int k = 0; k < n; ++k) {
            const int c = s.zoznam_vojakov[k];
            if (c == -1) {
                ++padlych;
                continue;
            }
            if (!zije(c) || clovek[c].vlastnik != vl || !clovek[c].vojak || clovek[c].skupina != g)
                out << "group " << g << " lists " << c << ", who is not its soldier\n";
            else if (clovek[c].zdravie < 1)
                ++padlych;
        }
        if ((!s.dead_status || n > 0) && s.dead != padlych)
            out << "group " << g << ": dead " << s.dead << ", holes and fallen " << padlych << "\n";
    }
    int skupin = 0;
    for (int i = 0; i < std::clamp(o.skupina_last_id, 0, MAX_SKUPIN_NA_VLASTNIKA); ++i) {
        const int g = o.skupina[i];
        if (g < 0 || g >= riadkov || vojenska_skupina[g].vlastnik != vl) {
            out << "slot " << i << " holds group " << g << ", not one of the owner's\n";
            continue;
        }
        skupin += !vojenska_skupina[g].dead_status || vojenska_skupina[g].zoznam_vojakov_last_id > 0;
    }
    porovnaj("pocet_skupin", o.pocet_skupin, skupin);

    // ------------------------------------------------------------ tower garrisons
    // `pocet` counts the living, `dead` the freed places and the fallen still listed; each tower
    // gave the owner 10 free places, and every listed man holds one of them.
    int volne = 0;
    for (int t = 0; t < std::clamp(o.veza_last_id, 0, MAX_OBJECTS - 1); ++t) {
        const S_veza& v = o.veza[t];
        if (v.vojak_last_id < 0 || v.vojak_last_id > 60) {
            out << "tower " << t << ": " << v.vojak_last_id << " places listed\n";
            continue;
        }
        int zivych = 0, padlych = 0, dier = 0;
        for (int k = 0; k < v.vojak_last_id; ++k) {
            const int c = v.vojak[k];
            if (c == -1) {
                ++dier;
            } else if (!zije(c) || clovek[c].vlastnik != vl || !clovek[c].vojak || clovek[c].veza != t) {
                out << "tower " << t << " lists " << c << ", who is not its soldier\n";
            } else {
                ++(clovek[c].zdravie >= 1 ? zivych : padlych);
            }
        }
        if (v.pocet != zivych) out << "tower " << t << ": pocet " << v.pocet << ", living " << zivych << "\n";
        if (v.dead != dier + padlych) out << "tower " << t << ": dead " << v.dead << ", holes and fallen " << dier + padlych << "\n";
        volne += MAX_VOJACI_VO_VEZI_NA_LEVEL - (v.vojak_last_id - dier);
    }
    porovnaj("veza_volne_miesta", o.veza_volne_miesta, volne);
    return out.str();
}
