// The golden game: one scripted game played headless through the real step driver with a fake
// clock, from the world's fixed random start to the end of year 32. The town is built with the
// world's own operations, grows past rank 3, is attacked and fights, and plays on. After every
// month one line is printed: the date, the player's people, a few stocks, the rank, the live
// objects and groups, and a digest of the live rows of the world's tables; every battle adds a
// line of its own. A test compares the lines with the committed record.
//
// When a change of behaviour is intended, write the record anew and say why in the commit:
//     build/asan/golden_game > tests/golden/golden_game.txt
// With `--porovnaj FILE` the program compares its lines with FILE instead and names the first
// line that differs (exit status 1).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <type_traits>
#include <vector>

#include "../../bench/ticho.h"
#include "../krokovanie.h"
#include "Strategy_library.h"

using Strategy_library::S_L;
using Strategy_library::S_owner;

namespace {

S_L& w = strategy;
S_owner& hrac = strategy.id_owner[S_L::id_player];

// ---------------------------------------------------------------- the digest

// A digest of values taken one by one: whole numbers as they are, floats rounded to a thousandth
// (so the digest never depends on padding bytes, pointers or the last bits of a float).
struct S_odtlacok {
    std::uint64_t h = 0xcbf29ce484222325ull;

    void cislo(long long v) {
        h ^= static_cast<std::uint64_t>(v);
        h *= 0x100000001b3ull;
        h ^= h >> 29;
    }
    template <class T>
    void operator()(const T& v) {
        if constexpr (std::is_array_v<T>) {
            for (const auto& x : v) (*this)(x);
        } else if constexpr (std::is_floating_point_v<T>) {
            cislo(std::isfinite(v) ? std::llround(static_cast<double>(v) * 1000.0) : 0x7fffffffll);
        } else if constexpr (std::is_same_v<T, const char*>) {
            for (const char* c = v; c && *c; ++c) cislo(*c);
            cislo(-1);
        } else {
            cislo(static_cast<long long>(v));
        }
    }
    template <class... T>
    void vsetko(const T&... v) {
        ((*this)(v), ...);
    }
};

// The live rows of the world's tables: objects and people below their high-water marks that are
// in use, the group rows, each owner's record with its towers, gates and lists up to their fill
// counters, the map cells, the calendar, the attack record and the random generator's state.
std::uint64_t odtlacok_sveta() {
    S_odtlacok d;
    for (int o = 0; o < w.objekt_hwm; ++o) {
        const auto& b = w.objekt[o];
        if (b.co_to_je == -1) continue;
        d.vsetko(o, b.co_to_je, b.id, b.vlastnik, b.rot, b.je_ludi, b.level, b.percenta, b.closed,
                 b.zona, b.skladuje);
    }
    for (int c = 0; c < w.clovek_hwm; ++c) {
        const auto& p = w.clovek[c];
        if (p.pohlavie == -1) continue;
        d.vsetko(c, p.x, p.y, p.objekt_v_ktorom_byva, p.objekt_v_ktorom_pracuje, p.veza,
                 p.formation_x, p.formation_y, p.id_matky, p.id_otca, p.id_partnera, p.attacked,
                 p.heading, p.id_deti, p.pocet_deti, p.vek, p.peniaze, p.pohlavie, p.vlastnik,
                 p.zdravie, p.vojak, p.zbran, p.brnenie, p.skupina, p.action_timer,
                 p.mal_pristup_k_surovine, p.mrzol, p.teple_oblecenie, p.choroby_pocet);
        for (const auto& ch : p.choroba) d(ch.ma);
    }
    for (int g = 0; g < w.vojenska_skupina_last_id; ++g) {
        const auto& s = w.vojenska_skupina[g];
        d.vsetko(g, s.zoznam_vojakov, s.zoznam_vojakov_last_id, s.vlastnik, s.x, s.y, s.objekt_id,
                 s.go_to_x, s.go_to_y, s.utoci_na_objekt, s.utoci_na_x, s.utoci_na_y, s.final_x,
                 s.final_y, s.zbran, s.zbroj, s.xf, s.yf, s.rot, s.vojensky_stroj, s.range_attack,
                 s.range_of_attack, s.personal_fights, s.dead, s.moved, s.nazov, s.dead_status,
                 s.max, s.action_timer);
    }
    for (const S_owner& o : w.id_owner) {
        auto zoznam = [&](const int* z, int n) {
            d(n);
            for (int i = 0; i < n; ++i) d(z[i]);
        };
        zoznam(o.clovek_bez_domova_list, o.bez_domova_last_id);
        zoznam(o.clovek_bez_prace_list, o.bez_prace_last_id);
        zoznam(o.muzodober_bez_muza_list, o.bez_zeny_last_id);
        for (int i = 0; i < S_L::MAX_SKUPIN_NA_VLASTNIKA; ++i)
            d.vsetko(o.vojenska_skupina[i].x, o.vojenska_skupina[i].y);
        d.vsetko(o.skupina, o.skupina_last_id, o.pocet_skupin, o.stavbari, o.hladuje_muz,
                 o.hladuje_zena, o.zomrelo_muz, o.zomrelo_zena, o.zomrelo_hladom,
                 o.zomrelo_na_chorobu, o.trpi_chorobou, o.trpi_chorobou_celkom, o.limit_skladu,
                 o.pocet_ludi, o.pocet_zien, o.pocet_muzov, o.pocet_deti, o.pocet_chlapcov,
                 o.pocet_dievcat, o.pocet_smrti, o.pocet_vojakov, o.pocet_bez_zbrani,
                 o.pocet_lukostrelcov, o.pocet_sermiarov, o.pocet_kopijnikov,
                 o.hlavna_budova_last_id, o.obsadene_min.x, o.obsadene_min.y, o.obsadene_max.x,
                 o.obsadene_max.y, o.privilegia_id);
        for (int s = 0; s < S_L::last_surovina_id; ++s) {
            const auto& u = o.surovina[s];
            d.vsetko(u.mam, u.pridane_skladovacie_miesto, u.vyprodukovane, u.pouzite, u.bilancia,
                     u.naZaciatkuMesiaca);
        }
        for (int t = 0; t < S_L::last_building_integer; ++t)
            d.vsetko(o.budova[t].mam, o.budova[t].staviam);
        for (int i = 0; i < o.hlavna_budova_last_id && i < S_L::MAX_HLAVNA_BUDOVA_NA_HRACA; ++i)
            d.vsetko(o.hlavna_budova[i].x, o.hlavna_budova[i].y);
        d(o.veza_last_id);
        d(o.veza_volne_miesta);
        for (int t = 0; t < o.veza_last_id; ++t) {
            const auto& v = o.veza[t];
            d.vsetko(v.x, v.y, v.level, v.pocet, v.object, v.bol_utok, v.vojak, v.vojak_last_id,
                     v.dead, v.action_timer);
        }
        d(o.brana_last_id);
        for (int i = 0; i < o.brana_last_id; ++i) {
            const auto& b = o.brana[i];
            d.vsetko(b.x, b.y, b.objekt_id, b.budova_id, b.zona_1, b.zona_2);
        }
    }
    for (int x = 0; x < S_L::A; ++x)
        for (int y = 0; y < S_L::B; ++y)
            d.vsetko(w.point[x][y].id_objektu, w.point[x][y].id_sekundarne, w.point[x][y].zona);
    d.vsetko(w.time.den, w.time.mesiac, w.time.rok, w.je_vojna, w.zona_last, w.KASAREN_ID,
             w.objekt_hwm, w.clovek_hwm, w.id_posledny_volny_objekt, w.clovek_posledne_volne_id,
             w.vojenska_skupina_last_id, w.utok.pocet, w.utok.brany, w.utok.rok, w.rand_stav);
    return d.h;
}

// ---------------------------------------------------------------- the lines

std::string riadok_mesiaca() {
    int zivych_objektov = 0, zivych_skupin = 0;  // of both sides
    for (int o = 0; o < w.objekt_hwm; ++o) zivych_objektov += w.objekt[o].co_to_je != -1;
    for (int g = 0; g < w.vojenska_skupina_last_id; ++g)
        zivych_skupin += !w.vojenska_skupina[g].dead_status;
    char r[512];
    const auto& s = hrac.surovina;
    std::snprintf(r, sizeof r,
                  "%02d.%02d.%02d ludia %d muzi %d zeny %d deti %d smrti %d hladom %d | drevo %d "
                  "kamen %d obilie %d "
                  "chlieb %d voda %d mec %d | rank %d utoky %d | objekty %d skupiny %d | %016llx",
                  w.time.den, w.time.mesiac, w.time.rok, hrac.pocet_ludi, hrac.pocet_muzov,
                  hrac.pocet_zien, hrac.pocet_deti, hrac.pocet_smrti, hrac.zomrelo_hladom,
                  s[S_L::drevo].mam, s[S_L::kamen].mam, s[S_L::obilie].mam, s[S_L::chlieb].mam,
                  s[S_L::voda].mam, s[S_L::mec].mam, hrac.privilegia_id, w.utok.pocet,
                  zivych_objektov, zivych_skupin,
                  static_cast<unsigned long long>(odtlacok_sveta()));
    return r;
}

// ---------------------------------------------------------------- the script

// A building the player orders (construction by the builders, paid from the stores).
void objednaj(int typ, int x, int y) {
    w.set_owner(S_L::id_player);
    w.nastav_typ_budovy(typ);
    w.nastav_poziciu_stavanej_budovy(x, y);
    w.postav();
    w.nastav_typ_budovy(-1);
}

// A building placed finished.
void poloz(int typ, int x, int y, int level) {
    w.set_owner(S_L::id_player);
    w.pridaj_budovu(x, y, 0.0f, typ, level);
}

int domov = 0, chlebovych = 0, studni = 0;
// The next house of the town's rows south of the main building.
void dom(bool hotovy) {
    const int x = 84 + 2 * (domov % 16), y = 110 + 2 * (domov / 16);
    ++domov;
    if (hotovy)
        poloz(S_L::dom, x, y, 3);
    else
        objednaj(S_L::dom, x, y);
}

// The player's orders before the month that starts on the current date.
void rozkazy() {
    const int rok = w.time.rok, mesiac = w.time.mesiac;
    if (rok == 1 && mesiac == S_L::M_februar) {
        // The first day: wells, stores, bread, fields, wood, meat and fish and a cemetery in a row
        // south of the main building (type and level), and houses.
        const int prvy_den[][2] = {{S_L::studna, 4}, {S_L::studna, 4}, {S_L::sklad, 5},
                                   {S_L::sklad, 5},  {S_L::mlyn, 1},   {S_L::pekaren, 1},
                                   {S_L::farma, 1},  {S_L::farma, 1},  {S_L::zberac_dreva, 2},
                                   {S_L::lovec, 1},  {S_L::rybar, 1},  {S_L::cintorin, 1}};
        for (int i = 0; i < static_cast<int>(std::size(prvy_den)); ++i)
            poloz(prvy_den[i][0], 96 + 2 * i, 104, prvy_den[i][1]);
        for (int i = 0; i < 8; ++i) dom(true);
        objednaj(S_L::jablkovy_sad, 96, 96);
        objednaj(S_L::zberac_kamena, 98, 96);
    }
    if (mesiac == S_L::M_januar) {
        // Every January the town makes sure of bread and water for the year: a farm, a mill, a
        // bakery, a store for the year's grain and a woodcutter for the oven for every 200
        // people, a well for every 450.
        const int ludi = hrac.pocet_ludi + 150;
        while (chlebovych * 200 < ludi) {
            const int x = 60 + 2 * (chlebovych % 10), y = 60 + 8 * (chlebovych / 10);
            poloz(S_L::farma, x, y, 3);
            poloz(S_L::mlyn, x, y + 2, 2);
            poloz(S_L::pekaren, x, y + 4, 2);
            poloz(S_L::sklad, x, y + 6, 5);
            poloz(S_L::zberac_dreva, x + 1, y, 3);
            ++chlebovych;
        }
        while (studni * 450 < ludi) {
            poloz(S_L::studna, 120 + 2 * (studni % 5), 96 - 2 * (studni / 5), 4);
            ++studni;
        }
    }
    // Each spring the town orders two houses of its own, each autumn it raises the oldest house
    // below the top level, and for the first ten years more houses are put up every January.
    if (mesiac == S_L::M_april) {
        dom(false);
        dom(false);
    }
    if (mesiac == S_L::M_oktober)
        for (int o = 0; o < w.objekt_hwm; ++o) {
            const auto& b = w.objekt[o];
            if (b.co_to_je != S_L::id_budova || b.id != S_L::dom || b.percenta < 100 ||
                !w.da_sa_up(o))
                continue;
            w.set_owner(S_L::id_player);
            w.upgrade(o);
            break;
        }
    if (mesiac == S_L::M_januar && rok <= 10)
        for (int i = 0; i < 6; ++i) dom(true);
    if (rok == 4 && mesiac == S_L::M_marec) {
        // Defences: a barracks and four wooden towers north of the main building.
        poloz(S_L::kasaren, 100, 90, 1);
        for (int i = 0; i < 4; ++i) poloz(S_L::drevenna_veza, 94 + 4 * i, 84, 1);
    }
    if (rok >= 4 && mesiac == S_L::M_marec) {
        // Every March the army is made ready: swordsmen and archers raised again when their
        // group has fallen, the groups filled up, the towers manned.
        w.set_owner(S_L::id_player);
        int zivych = 0;
        for (int i = 0; i < hrac.skupina_last_id; ++i)
            zivych += !w.vojenska_skupina[hrac.skupina[i]].dead_status;
        if (zivych < 1) w.regrutujSermiarov(1);
        if (zivych < 2) w.regrutujLukostrelcov(0);
        for (int i = 0; i < hrac.skupina_last_id; ++i) w.vojenska_skupina_dopln(hrac.skupina[i]);
        for (int i = 0; i < 4; ++i) w.regrutujLukostrelcovDoVeze();
    }
    w.set_owner(S_L::id_player);
}

// Plays the game; one line per month and one per battle. Books that do not balance after a month
// or a battle add a line with the recount's first disagreement.
std::vector<std::string> odohraj() {
    std::vector<std::string> riadky;
    auto knihy = [&] {
        const std::string k = w.prepocitaj_vsetko();
        if (!k.empty()) riadky.push_back("knihy nesedia: " + k.substr(0, k.find('\n')));
    };
    Ticho ticho;
    w.Set_all();
    w.New_Game();
    krokovanie::spusti();
    while (w.time.rok <= 32 && Game.running) {
        rozkazy();
        krokovanie::mesiac_hry();
        riadky.push_back(riadok_mesiaca());
        knihy();
        if (!w.je_vojna) continue;
        // The battle, the player sending his groups against the enemy every ten steps.
        int krokov = 0;
        for (; w.je_vojna && krokov < 20000; ++krokov) {
            if (krokov % 10 == 0) krokovanie::bojuj();
            krokovanie::krok();
        }
        char r[128];
        std::snprintf(r, sizeof r, "bitka %d: %d krokov, %s | %016llx", w.utok.pocet, krokov,
                      w.je_vojna ? "neskoncila" : "skoncila",
                      static_cast<unsigned long long>(odtlacok_sveta()));
        riadky.push_back(r);
        knihy();
        if (w.je_vojna) break;
    }
    return riadky;
}

}  // namespace

int main(int argc, char** argv) {
    const bool porovnaj = argc == 3 && std::string(argv[1]) == "--porovnaj";
    if (argc != 1 && !porovnaj) {
        std::fprintf(stderr, "usage: %s [--porovnaj FILE]\n", argv[0]);
        return 2;
    }
    const std::vector<std::string> riadky = odohraj();
    if (!porovnaj) {
        for (const std::string& r : riadky) std::printf("%s\n", r.c_str());
        return 0;
    }
    std::ifstream subor(argv[2]);
    if (!subor) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 2;
    }
    std::string zapisany;
    for (std::size_t i = 0;; ++i) {
        const bool ma_zapisany = static_cast<bool>(std::getline(subor, zapisany));
        if (!ma_zapisany && i == riadky.size()) return 0;
        if (ma_zapisany && i < riadky.size() && zapisany == riadky[i]) continue;
        std::fprintf(
            stderr,
            "the golden game differs from %s at line %zu\n  recorded: %s\n  played:   %s\n"
            "(if the change is intended: build/asan/golden_game > tests/golden/golden_game.txt)\n",
            argv[2], i + 1, ma_zapisany ? zapisany.c_str() : "(end)",
            i < riadky.size() ? riadky[i].c_str() : "(end)");
        return 1;
    }
}
