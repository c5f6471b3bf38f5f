// Recount of the books: every counter, list and occupancy the world keeps for an owner is
// recomputed from the people, object, group and tower tables, and so are the world's own
// records (both free-id pools, the map cells of every object, the group rows); each disagreement
// is described in one line. Tests, tools and long runs call it after a step; a disagreement is a
// bug however plausible the stored numbers look.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// A stored counter against the recounted one: a line when they differ.
void porovnaj(std::ostream& out, const char* co, int ulozene, int spocitane) {
    if (ulozene != spocitane)
        out << co << ": stored " << ulozene << ", recounted " << spocitane << "\n";
}

// A person who is alive.
bool zije(const S_L& w, int c) { return platny_clovek(c) && w.clovek[c].pohlavie != -1; }

// A list holds its ids in any order, without gaps and with nothing left past its fill counter.
void porovnaj_zoznam(std::ostream& out, const char* co, const int* z, int n,
                     const std::vector<int>& ma_byt) {
    std::vector<int> je(z, z + std::clamp(n, 0, S_L::MAX_CLOVEK));
    std::sort(je.begin(), je.end());
    if (je != ma_byt)
        out << co << ": " << n << " listed, " << ma_byt.size() << " belong there (or other ids)\n";
    if (n >= 0 && n < S_L::MAX_CLOVEK && z[n] != -1)
        out << co << ": slot past the fill counter holds " << z[n] << "\n";
}

// Walks stop at the high-water marks: ids are handed out ascending, so no live object or person
// lies above them. The world's recount checks that over every id.
int objektov(const S_L& w) { return std::clamp(w.objekt_hwm, 0, S_L::MAX_OBJECTS); }
int ludi(const S_L& w) { return std::clamp(w.clovek_hwm, 0, S_L::MAX_CLOVEK); }

// A live object below the high-water mark.
bool zivy_objekt(const S_L& w, int o) {
    return o >= 0 && o < objektov(w) && w.objekt[o].co_to_je != -1;
}

// The building layer of a cell: its two ids as the buildings left them. A group standing on a
// cell covers it and remembers the ids it covered (a recruitment point inside the barracks), so
// for a group's own cell the remembered ids are the building layer.
struct S_vrstva {
    int id_objektu, id_sekundarne;
};
S_vrstva vrstva_budov(const S_L& w, int x, int y) {
    const S_points& p = w.point[x][y];
    const int o = p.id_objektu == S_L::sekundarne_id_hlavne ? p.id_sekundarne : p.id_objektu;
    if (zivy_objekt(w, o) && w.objekt[o].co_to_je == S_L::id_vojensky_objekt &&
        platna_skupina(w.objekt[o].id)) {
        const int g = w.objekt[o].id;
        return {w.skupina_bunka_budovy[g][0], w.skupina_bunka_budovy[g][1]};
    }
    return {p.id_objektu, p.id_sekundarne};
}

// The anchor cell (x * B + y) of every object below the high-water mark as the building layer of
// the map shows it, -1 for an object without one; `kotiev` counts the anchor cells naming each.
// With `obsadene`, the occupied cells are listed there too.
void najdi_kotvy(const S_L& w, std::vector<int>& kotva, std::vector<int>& kotiev,
                 std::vector<int>* obsadene = nullptr) {
    kotva.assign(objektov(w), -1);
    kotiev.assign(objektov(w), 0);
    for (int x = 0; x < S_L::A; ++x)
        for (int y = 0; y < S_L::B; ++y) {
            const S_points& p = w.point[x][y];
            if (p.id_objektu == -1 && p.id_sekundarne == -1) continue;
            if (obsadene) obsadene->push_back(x * S_L::B + y);
            const S_vrstva v = vrstva_budov(w, x, y);
            if (v.id_sekundarne != S_L::sekundarne_id_hlavne || !zivy_objekt(w, v.id_objektu))
                continue;
            kotva[v.id_objektu] = x * S_L::B + y;
            kotiev[v.id_objektu] += 1;
        }
}

// Checks a table of buildings the owner keeps by object id and cell (gates, towers): every entry
// names a live building of the owner of type `typ` whose anchor is the entry's cell, and every
// such building is listed exactly once.
template <class Zaznam>
void porovnaj_tabulku(std::ostream& out, const S_L& w, const char* co, int vl, int typ,
                      const Zaznam* z, int n, const std::vector<int>& kotva,
                      int (*objekt_zaznamu)(const Zaznam&)) {
    if (n < 0 || n >= S_L::MAX_OBJECTS) {
        out << co << " list: " << n << " entries\n";
        return;
    }
    std::vector<int> vyskytov(objektov(w), 0);
    for (int i = 0; i < n; ++i) {
        const int o = objekt_zaznamu(z[i]);
        if (!zivy_objekt(w, o) || w.objekt[o].co_to_je != S_L::id_budova ||
            w.objekt[o].vlastnik != vl || w.objekt[o].id != typ) {
            out << co << " " << i << " names object " << o << ", not one of the owner's\n";
            continue;
        }
        ++vyskytov[o];
        if (kotva[o] != z[i].x * S_L::B + z[i].y)
            out << co << " " << i << " stands at " << z[i].x << " x " << z[i].y << ", its object "
                << o << " elsewhere\n";
    }
    for (int o = 0; o < objektov(w); ++o) {
        const S_objekt& ob = w.objekt[o];
        if (ob.co_to_je == S_L::id_budova && ob.vlastnik == vl && ob.id == typ && vyskytov[o] != 1)
            out << co << " object " << o << " is listed " << vyskytov[o] << " times\n";
    }
}

}  // namespace

void S_L::prepocitaj_ludi(int vl, std::ostream& out) const {
    const S_owner& o = id_owner[vl];
    int muzov = 0, zien = 0, chlapcov = 0, dievcat = 0, stavbari = 0, chorych = 0;
    int vojakov = 0, sermiarov = 0, kopijnikov = 0, lukostrelcov = 0;
    int choroby[choroba_last_id] = {};
    std::vector<int> bez_domova, bez_prace, bez_muza, v_budove(objektov(*this), 0);
    for (int c = 0; c < ludi(*this); ++c) {
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
        if (zivy_objekt(*this, h) && muz_ && dospel) ++v_budove[h];
        if (zivy_objekt(*this, j)) {
            ++v_budove[j];
            stavbari += objekt[j].id == hlavna_budova;
        }
        // Only a soldier fallen in the battle still on lies unburied.
        const bool padly = p.vojak && je_vojna;
        if ((p.zdravie < 1 && !padly) || (j != -1 && !muz_))
            out << "person " << c << ": health " << p.zdravie << ", job " << j << "\n";
        if (q != -1 && (!zije(*this, q) || clovek[q].id_partnera != c ||
                        (!muz_ && h != clovek[q].objekt_v_ktorom_byva)))
            out << "person " << c << " and partner " << q
                << " are not married both ways under one roof\n";
        int n = 0;
        for (int d = 1; d < choroba_last_id; ++d) {
            n += p.choroba[d].ma;
            choroby[d] += p.choroba[d].ma;
        }
        if (n != p.choroby_pocet)
            out << "person " << c << " has " << n << " diseases, counts " << p.choroby_pocet
                << "\n";
        chorych += n > 0;

        if (!p.vojak) {
            if (p.skupina != -1 || p.veza != -1)
                out << "person " << c << " is no soldier but belongs to group " << p.skupina
                    << ", tower " << p.veza << "\n";
            continue;
        }
        ++vojakov;
        sermiarov += p.zbran == mec;
        kopijnikov += p.zbran == kopija;
        lukostrelcov += p.zbran == luk;
        // A soldier stands in exactly one list: his group's or his tower's, once.
        int vyskytov = -1;
        if (p.veza == -1 && p.skupina >= 0 && p.skupina < riadkov_skupin()) {
            const S_vojenska_skupina& s = vojenska_skupina[p.skupina];
            const int dlzka = std::clamp(s.zoznam_vojakov_last_id, 0, MAX_VOJACI_V_SKUPINE);
            vyskytov = static_cast<int>(std::count(s.zoznam_vojakov, s.zoznam_vojakov + dlzka, c));
        } else if (p.veza != -1 && p.skupina == -1 && p.veza >= 0 && p.veza < o.veza_last_id) {
            const S_veza& v = o.veza[p.veza];
            const int dlzka = std::clamp(v.vojak_last_id, 0, 61);
            vyskytov = static_cast<int>(std::count(v.vojak, v.vojak + dlzka, c));
            if (j != v.object)
                out << "tower soldier " << c << " works at " << j << ", not at tower object "
                    << v.object << "\n";
        }
        if (vyskytov != 1)
            out << "soldier " << c << " of group " << p.skupina << ", tower " << p.veza
                << " is listed " << vyskytov << " times there\n";
    }
    porovnaj(out, "pocet_ludi", o.pocet_ludi, muzov + zien + chlapcov + dievcat);
    porovnaj(out, "pocet_muzov", o.pocet_muzov, muzov);
    porovnaj(out, "pocet_zien", o.pocet_zien, zien);
    porovnaj(out, "pocet_deti", o.pocet_deti, chlapcov + dievcat);
    porovnaj(out, "pocet_chlapcov", o.pocet_chlapcov, chlapcov);
    porovnaj(out, "pocet_dievcat", o.pocet_dievcat, dievcat);
    porovnaj(out, "stavbari", o.stavbari, stavbari);
    porovnaj(out, "trpi_chorobou_celkom", o.trpi_chorobou_celkom, chorych);
    for (int d = 1; d < choroba_last_id; ++d)
        porovnaj(out, "trpi_chorobou[d]", o.trpi_chorobou[d], choroby[d]);
    porovnaj(out, "pocet_vojakov", o.pocet_vojakov, vojakov);
    porovnaj(out, "pocet_sermiarov", o.pocet_sermiarov, sermiarov);
    porovnaj(out, "pocet_kopijnikov", o.pocet_kopijnikov, kopijnikov);
    porovnaj(out, "pocet_lukostrelcov", o.pocet_lukostrelcov, lukostrelcov);

    porovnaj_zoznam(out, "homeless", o.clovek_bez_domova_list, o.bez_domova_last_id, bez_domova);
    porovnaj_zoznam(out, "jobless", o.clovek_bez_prace_list, o.bez_prace_last_id, bez_prace);
    porovnaj_zoznam(out, "single women", o.muzodober_bez_muza_list, o.bez_zeny_last_id, bez_muza);
    for (int i = 0; i < objektov(*this); ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je == id_budova && ob.vlastnik == vl && ob.je_ludi != v_budove[i])
            out << "object " << i << " (type " << ob.id << ") counts " << ob.je_ludi
                << " people, recounted " << v_budove[i] << "\n";
    }
}

void S_L::prepocitaj_skupiny(int vl, std::ostream& out) const {
    const S_owner& o = id_owner[vl];
    // Every listed member is a soldier of this group; `dead` counts the holes and the fallen who
    // still hold their place. A row counts among the owner's groups from its creation until it
    // is disbanded or, destroyed, cleaned up after the battle.
    const int riadkov = riadkov_skupin();
    for (int g = 0; g < riadkov; ++g) {
        const S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.vlastnik != vl) continue;
        const int n = s.zoznam_vojakov_last_id;
        if (n < 0 || n > MAX_VOJACI_V_SKUPINE || s.max > MAX_VOJACI_V_SKUPINE ||
            (!s.dead_status && n > s.max)) {
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
            if (!zije(*this, c) || clovek[c].vlastnik != vl || !clovek[c].vojak ||
                clovek[c].skupina != g)
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
        skupin +=
            !vojenska_skupina[g].dead_status || vojenska_skupina[g].zoznam_vojakov_last_id > 0;
    }
    porovnaj(out, "pocet_skupin", o.pocet_skupin, skupin);
}

void S_L::prepocitaj_posadky(int vl, std::ostream& out) const {
    const S_owner& o = id_owner[vl];
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
            } else if (!zije(*this, c) || clovek[c].vlastnik != vl || !clovek[c].vojak ||
                       clovek[c].veza != t) {
                out << "tower " << t << " lists " << c << ", who is not its soldier\n";
            } else {
                ++(clovek[c].zdravie >= 1 ? zivych : padlych);
            }
        }
        if (v.pocet != zivych)
            out << "tower " << t << ": pocet " << v.pocet << ", living " << zivych << "\n";
        if (v.dead != dier + padlych)
            out << "tower " << t << ": dead " << v.dead << ", holes and fallen " << dier + padlych
                << "\n";
        volne += MAX_VOJACI_VO_VEZI_NA_LEVEL - (v.vojak_last_id - dier);
    }
    porovnaj(out, "veza_volne_miesta", o.veza_volne_miesta, volne);
}

void S_L::prepocitaj_budovy(int vl, std::ostream& out) const {
    const S_owner& o = id_owner[vl];
    // `mam` counts the buildings of a type from placement until destruction; the main building's
    // cell is recorded (one per owner) and the built-up area holds every footprint.
    std::vector<int> kotva, kotiev;
    najdi_kotvy(*this, kotva, kotiev);
    int typov[last_building_integer] = {};
    for (int i = 0; i < objektov(*this); ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je != id_budova || ob.vlastnik != vl || ob.id < 0 ||
            ob.id >= last_building_integer)
            continue;
        ++typov[ob.id];
        if (kotva[i] == -1) continue;
        const S_budova& b = budova[ob.id];
        const int ax = kotva[i] / B, ay = kotva[i] % B;
        if (ax + b.x_lava < o.obsadene_min.x || ay + b.y_dole < o.obsadene_min.y ||
            ax + b.x_prava > o.obsadene_max.x || ay + b.y_hore > o.obsadene_max.y)
            out << "object " << i << " at " << ax << " x " << ay
                << " lies outside the built-up area\n";
    }
    for (int t = 0; t < last_building_integer; ++t)
        if (o.budova[t].mam != typov[t])
            out << "buildings of type " << t << ": stored " << o.budova[t].mam << ", recounted "
                << typov[t] << "\n";
    porovnaj(out, "hlavna_budova_last_id", o.hlavna_budova_last_id,
             std::min(typov[hlavna_budova], MAX_HLAVNA_BUDOVA_NA_HRACA));
    if (o.hlavna_budova_last_id > 0 && o.hlavna_budova_last_id <= MAX_HLAVNA_BUDOVA_NA_HRACA) {
        const S_hlavne_budovy_id& h = o.hlavna_budova[0];
        const S_vrstva v = na_mape(h.x, h.y) ? vrstva_budov(*this, h.x, h.y) : S_vrstva{-1, -1};
        if (v.id_sekundarne != sekundarne_id_hlavne || !zivy_objekt(*this, v.id_objektu) ||
            objekt[v.id_objektu].co_to_je != id_budova ||
            objekt[v.id_objektu].id != hlavna_budova || objekt[v.id_objektu].vlastnik != vl)
            out << "main building recorded at " << h.x << " x " << h.y
                << ", none of the owner's stands there\n";
    }
    porovnaj_tabulku<S_brana>(out, *this, "gate", vl, drevena_brana, o.brana, o.brana_last_id,
                              kotva, [](const S_brana& z) { return z.objekt_id; });
    for (int i = 0; i < std::clamp(o.brana_last_id, 0, MAX_OBJECTS - 1); ++i)
        if (o.brana[i].budova_id != drevena_brana)
            out << "gate " << i << " is of type " << o.brana[i].budova_id << "\n";
    porovnaj_tabulku<S_veza>(out, *this, "tower", vl, drevenna_veza, o.veza, o.veza_last_id, kotva,
                             [](const S_veza& z) { return z.object; });
}

std::string S_L::prepocitaj_knihy(int vl) const {
    if (!platny_vlastnik(vl)) return "owner " + std::to_string(vl) + " does not exist\n";
    std::ostringstream out;
    prepocitaj_ludi(vl, out);
    prepocitaj_skupiny(vl, out);
    prepocitaj_posadky(vl, out);
    prepocitaj_budovy(vl, out);
    return out.str();
}

std::string S_L::prepocitaj_svet() const {
    std::ostringstream out;

    // ------------------------------------------------------------ free-id pools
    // Every id is either live in its table or in its pool, exactly once; ids are handed out
    // ascending, so every live id lies below the high-water mark.
    auto porovnaj_pool = [&](const char* co, const int* pool, int velkost, int vrch, int hwm,
                             auto zije) {
        if (vrch < -1 || vrch >= velkost) {
            out << co << " pool: top " << vrch << "\n";
            return;
        }
        std::vector<unsigned char> v_poole(velkost, 0);
        for (int i = 0; i <= vrch; ++i) {
            if (pool[i] >= 0 && pool[i] < velkost)
                v_poole[pool[i]] += v_poole[pool[i]] < 255;
            else
                out << co << " pool: slot " << i << " holds " << pool[i] << "\n";
        }
        for (int id = 0; id < velkost; ++id) {
            const bool ziva = zije(id);
            if (ziva ? v_poole[id] != 0 : v_poole[id] != 1)
                out << co << " " << id << (ziva ? " is live" : " is free") << " and "
                    << int(v_poole[id]) << " times in the pool\n";
            if (ziva && id >= hwm)
                out << co << " " << id << " is live above the high-water mark " << hwm << "\n";
        }
    };
    porovnaj_pool("object", volne_objekty, MAX_OBJECTS, id_posledny_volny_objekt, objekt_hwm,
                  [&](int o) { return objekt[o].co_to_je != -1; });
    porovnaj_pool("person", clovek_volne_id, MAX_CLOVEK, clovek_posledne_volne_id, clovek_hwm,
                  [&](int c) { return clovek[c].pohlavie != -1; });

    // ------------------------------------------------------------ objects and group rows
    const int riadkov = riadkov_skupin();
    for (int i = 0; i < objektov(*this); ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je == -1) continue;
        if (!platny_vlastnik(ob.vlastnik))
            out << "object " << i << " has owner " << ob.vlastnik << "\n";
        if (ob.co_to_je == id_budova) {
            if (ob.id < 1 || ob.id >= last_building_integer || ob.level < 1 ||
                ob.level > budova[ob.id].maximalny_level || ob.percenta < 1 || ob.percenta > 100)
                out << "building " << i << ": type " << ob.id << ", level " << ob.level << ", "
                    << ob.percenta << " %\n";
        } else if (ob.co_to_je == id_vojensky_objekt) {
            if (ob.id < 0 || ob.id >= riadkov || vojenska_skupina[ob.id].objekt_id != i ||
                vojenska_skupina[ob.id].vlastnik != ob.vlastnik)
                out << "group object " << i << " names group " << ob.id << ", which is not its\n";
        } else {
            out << "object " << i << " is of kind " << ob.co_to_je << "\n";
        }
    }
    for (int g = 0; g < riadkov; ++g) {
        const S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.objekt_id != -1 &&
            (!zivy_objekt(*this, s.objekt_id) ||
             objekt[s.objekt_id].co_to_je != id_vojensky_objekt || objekt[s.objekt_id].id != g))
            out << "group " << g << " names object " << s.objekt_id << ", which is not its\n";
        // Disbanding and the burial after a battle empty a destroyed group and delete its object.
        if (s.dead_status && s.zoznam_vojakov_last_id == 0 && s.objekt_id != -1)
            out << "group " << g << " is empty and destroyed, yet holds object " << s.objekt_id
                << "\n";
        if (!platny_vlastnik(s.vlastnik)) {
            out << "group " << g << " has owner " << s.vlastnik << "\n";
            continue;
        }
        const S_owner& o = id_owner[s.vlastnik];
        const int slotov = std::clamp(o.skupina_last_id, 0, MAX_SKUPIN_NA_VLASTNIKA);
        const int n = static_cast<int>(std::count(o.skupina, o.skupina + slotov, g));
        if (n != 1) out << "group " << g << " is in " << n << " slots of its owner\n";
    }

    // ------------------------------------------------------------ people
    // A free slot has no owner; a live person has one, and lives and works in the owner's
    // buildings.
    for (int c = 0; c < ludi(*this); ++c) {
        const S_clovek& p = clovek[c];
        if (p.pohlavie == -1) {
            if (p.vlastnik != -1)
                out << "free person slot " << c << " has owner " << p.vlastnik << "\n";
            continue;
        }
        if (!platny_vlastnik(p.vlastnik) || (p.pohlavie != muz && p.pohlavie != zena)) {
            out << "person " << c << ": owner " << p.vlastnik << ", sex " << p.pohlavie << "\n";
            continue;
        }
        for (int b : {p.objekt_v_ktorom_byva, p.objekt_v_ktorom_pracuje})
            if (b != -1 && (!zivy_objekt(*this, b) || objekt[b].co_to_je != id_budova ||
                            objekt[b].vlastnik != p.vlastnik))
                out << "person " << c << " lives or works in " << b
                    << ", no building of the owner\n";
    }

    // ------------------------------------------------------------ map cells
    // Every occupied cell follows the convention (an anchor holds the id and -3, a footprint cell
    // -3 and the id) and names a live object; a group's cell is the one its row stands on; in the
    // building layer every building has one anchor and its footprint cells, all pointing back.
    std::vector<int> kotva, kotiev, obsadene, bunky(objektov(*this), 0);
    najdi_kotvy(*this, kotva, kotiev, &obsadene);
    for (const int xy : obsadene) {
        const int x = xy / B, y = xy % B;
        const S_points& p = point[x][y];
        const bool kotvova = p.id_sekundarne == sekundarne_id_hlavne,
                   vedlajsia = p.id_objektu == sekundarne_id_hlavne;
        const int o = kotvova ? p.id_objektu : p.id_sekundarne;
        if (kotvova == vedlajsia || !zivy_objekt(*this, o)) {
            out << "cell " << x << " x " << y << " holds " << p.id_objektu << ", "
                << p.id_sekundarne << "\n";
            continue;
        }
        if (objekt[o].co_to_je == id_vojensky_objekt) {
            const int g = objekt[o].id;
            if (platna_skupina(g) && (vojenska_skupina[g].x != x || vojenska_skupina[g].y != y))
                out << "cell " << x << " x " << y << " holds group " << g << ", which stands at "
                    << vojenska_skupina[g].x << " x " << vojenska_skupina[g].y << "\n";
        }
        const S_vrstva v = vrstva_budov(*this, x, y);
        if (v.id_objektu == -1 && v.id_sekundarne == -1) continue;
        const int b = v.id_objektu == sekundarne_id_hlavne ? v.id_sekundarne : v.id_objektu;
        if (!zivy_objekt(*this, b) || objekt[b].co_to_je != id_budova || kotva[b] == -1) {
            out << "cell " << x << " x " << y << " belongs to " << b
                << ", no building with an anchor\n";
            continue;
        }
        if (objekt[b].id < 1 || objekt[b].id >= last_building_integer)
            continue;  // told with its record
        ++bunky[b];
        const S_budova& t = budova[objekt[b].id];
        const int ax = kotva[b] / B, ay = kotva[b] % B;
        const bool v_obryse = (x == ax && y == ay) || (x >= ax + t.x_lava && x < ax + t.x_prava &&
                                                       y >= ay + t.y_dole && y < ay + t.y_hore);
        if (!v_obryse)
            out << "cell " << x << " x " << y << " belongs to building " << b << " at " << ax
                << " x " << ay << "\n";
    }
    for (int i = 0; i < objektov(*this); ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je != id_budova || ob.id < 1 || ob.id >= last_building_integer) continue;
        const S_budova& t = budova[ob.id];
        // The footprint: the anchor and the rectangle round it (which may include the anchor);
        // every cell counted above lies in it, so the count shows a missing one.
        const int sirka = std::max(t.x_prava - t.x_lava, 0),
                  vyska = std::max(t.y_hore - t.y_dole, 0);
        const bool kotva_v_obdlzniku =
            t.x_lava <= 0 && 0 < t.x_prava && t.y_dole <= 0 && 0 < t.y_hore;
        const int plocha = sirka * vyska + (kotva_v_obdlzniku ? 0 : 1);
        if (kotiev[i] != 1)
            out << "building " << i << " has " << kotiev[i] << " anchor cells\n";
        else if (bunky[i] != plocha)
            out << "building " << i << " holds " << bunky[i] << " cells of its " << plocha << "\n";
        // The zone the stores and homes are reached by is the zone of the anchor cell.
        if (kotiev[i] == 1 && ob.zona != point[kotva[i] / B][kotva[i] % B].zona)
            out << "building " << i << " is in zone " << ob.zona << ", its anchor cell in zone "
                << point[kotva[i] / B][kotva[i] % B].zona << "\n";
    }
    return out.str();
}

std::string S_L::prepocitaj_vsetko() const {
    std::string vsetko = prepocitaj_svet();
    for (int vl = 0; vl < MAX_PLAYERS; ++vl) {
        std::istringstream riadky(prepocitaj_knihy(vl));
        for (std::string r; std::getline(riadky, r);)
            vsetko += "owner " + std::to_string(vl) + ": " + r + "\n";
    }
    return vsetko;
}
