// Saved games: the encoding of the running game into tagged sections, the file's header and
// compression, the crash-safe write, and the all-or-nothing load through a scratch world that is
// range-checked and recounted before it replaces the running one.
#include "ulozenie.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "Game.h"
#include "Strategy_library.h"

using Strategy_library::S_L;
using Strategy_library::S_owner;
using Strategy_library::S_utok;

namespace ulozenie {
namespace {

// ---------------------------------------------------------------- the file's layout

constexpr unsigned char MAGIA[8] = {'V', 'A', 'R', 'N', 'H', 'R', 'A', 0x1a};
constexpr std::size_t DLZKA_HLAVICKY = 48;
// No world encodes to more than this; a header that claims more is not believed.
constexpr std::uint32_t NAJVIAC_DAT = 256u << 20;
constexpr std::size_t NAJVIAC_SUBOR = DLZKA_HLAVICKY + (NAJVIAC_DAT / 2);

// Whole numbers outside this band are no state the game reaches; keeping them out spares the
// arithmetic of a loaded game from overflow.
constexpr int VELA = 1000000000;
constexpr int MAX_SURADNICA = S_L::X_KONIEC;

void zapis32(unsigned char* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}
std::uint32_t citaj32(const unsigned char* p) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return v;
}
std::uint32_t crc(const unsigned char* p, std::size_t n) {
    return static_cast<std::uint32_t>(::crc32(::crc32(0L, Z_NULL, 0), p, static_cast<uInt>(n)));
}

// ---------------------------------------------------------------- the two directions

// Values go out one by one: whole numbers as zigzag varints, floats as their four bytes, flags
// as one byte, flag arrays as bits. The writer checks the ranges the reader will check, so a
// world that could not be loaded is never written.
class Zapisovac {
public:
    static constexpr bool citam = false;
    const int verzia = VERZIA;
    std::vector<unsigned char> b;
    std::string chyba;
    const char* tabulka = "svet";
    int riadok = -1;

    bool ok() const { return chyba.empty(); }

    void i(int& v, int od, int po, const char* co) {
        if (v < od || v > po) zle(co, ("hodnota " + std::to_string(v) + " mimo rozsahu").c_str());
        std::uint32_t z =
            (static_cast<std::uint32_t>(v) << 1) ^ static_cast<std::uint32_t>(v >> 31);
        while (z >= 0x80) {
            b.push_back(static_cast<unsigned char>(z | 0x80));
            z >>= 7;
        }
        b.push_back(static_cast<unsigned char>(z));
    }
    void i(unsigned& v, const char*) {
        const std::size_t n = b.size();
        b.resize(n + 4);
        zapis32(&b[n], v);
    }
    void f(float& v, const char* co) {
        if (!std::isfinite(v) || std::fabs(v) > 1e7f) zle(co, "chybne cislo");
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        i(u, co);
    }
    void p(bool& v, const char*) { b.push_back(v ? 1 : 0); }
    // Bits of n flags, `flag(k)` giving the k-th by reference.
    template <class F>
    void bity(int n, F flag) {
        for (int k = 0; k < n; k += 8) {
            unsigned char c = 0;
            for (int j = 0; j < 8 && k + j < n; ++j)
                c |= static_cast<unsigned char>(flag(k + j) ? 1 << j : 0);
            b.push_back(c);
        }
    }
    // An array mostly of zeros: the count of the others, then each with the gap before it.
    void riedke(int* a, int n, const char* co) {
        int pocet = 0;
        for (int k = 0; k < n; ++k) pocet += a[k] != 0;
        i(pocet, 0, n, co);
        for (int k = 0, predosly = -1; k < n; ++k) {
            if (a[k] == 0) continue;
            int medzera = k - predosly - 1;
            i(medzera, 0, n, co);
            i(a[k], -VELA, VELA, co);
            predosly = k;
        }
    }

    void zle(const char* co, const char* preco) {
        if (!ok()) return;
        chyba = std::string("hru nemozno ulozit: ") + tabulka;
        if (riadok >= 0) chyba += " " + std::to_string(riadok);
        chyba += std::string(" ") + co + ": " + preco;
    }
};

// Reads back what the writer wrote, refusing anything out of its range or past the section's
// end; after the first fault every value reads as its range's low end.
class Citac {
public:
    static constexpr bool citam = true;
    const unsigned char* c;
    const unsigned char* koniec;
    std::string chyba;
    const char* tabulka = "svet";
    int riadok = -1;

    const int verzia;  // the file's format

    Citac(const unsigned char* d, std::size_t n, int v) : c(d), koniec(d + n), verzia(v) {}
    bool ok() const { return chyba.empty(); }
    bool docitany() const { return c == koniec; }

    void i(int& v, int od, int po, const char* co) {
        std::uint32_t z = 0;
        int posun = 0;
        for (;;) {
            if (c == koniec || posun > 28) return zle(co, "skrateny alebo chybny udaj", v, od);
            const unsigned char x = *c++;
            if (posun == 28 && (x & 0xf0)) return zle(co, "chybny udaj", v, od);
            z |= static_cast<std::uint32_t>(x & 0x7f) << posun;
            posun += 7;
            if (!(x & 0x80)) break;
        }
        const int h = static_cast<int>((z >> 1) ^ (~(z & 1) + 1));
        if (h < od || h > po)
            return zle(co, ("hodnota " + std::to_string(h) + " mimo rozsahu").c_str(), v, od);
        v = h;
    }
    void i(unsigned& v, const char* co) {
        if (koniec - c < 4) {
            zle(co, "skrateny udaj", v, 0u);
            return;
        }
        v = citaj32(c);
        c += 4;
    }
    void f(float& v, const char* co) {
        unsigned u = 0;
        i(u, co);
        float x;
        std::memcpy(&x, &u, 4);
        if (!std::isfinite(x) || std::fabs(x) > 1e7f) return zle(co, "chybne cislo", v, 0.0f);
        v = x;
    }
    void p(bool& v, const char* co) {
        if (c == koniec || *c > 1) return zle(co, "chybny udaj", v, false);
        v = *c++ == 1;
    }
    template <class F>
    void bity(int n, F flag) {
        for (int k = 0; k < n; k += 8) {
            if (c == koniec) return zle("bity", "skrateny udaj");
            const unsigned char x = *c++;
            for (int j = 0; j < 8 && k + j < n; ++j) flag(k + j) = (x >> j) & 1;
        }
    }
    void riedke(int* a, int n, const char* co) {
        int pocet = 0;
        i(pocet, 0, n, co);
        for (int k = 0, dalsi = 0; k < pocet && ok(); ++k) {
            int medzera = 0;
            i(medzera, 0, n - dalsi - 1, co);
            dalsi += medzera;
            i(a[dalsi], -VELA, VELA, co);
            ++dalsi;
        }
    }
    void zle(const char* co, const char* preco) {
        if (!ok()) return;
        chyba = tabulka;
        if (riadok >= 0) chyba += " " + std::to_string(riadok);
        chyba += std::string(" ") + co + ": " + preco;
        c = koniec;
    }

private:
    template <class T>
    void zle(const char* co, const char* preco, T& v, T nahrada) {
        zle(co, preco);
        v = nahrada;
    }
};

// ---------------------------------------------------------------- the sections

// The step driver's part of a game.
struct S_krokovanie {
    float zrychlenie;
    bool cas_mesiace;
};

// One list of person ids with its fill counter.
template <class A>
void zoznam_ludi(A& a, int* z, int& n, const char* co) {
    a.i(n, 0, S_L::MAX_CLOVEK - 1, co);
    for (int k = 0; k < n && a.ok(); ++k) a.i(z[k], -1, S_L::MAX_CLOVEK - 1, co);
}

// A free-id stack: its top, then how many of its bottom entries are still the ids the last reset
// put there (MAX - 1 downward), then the others.
template <class A>
void pool(A& a, int* zasobnik, int& vrch, int velkost, int hwm, const char* co) {
    a.i(vrch, -1, velkost - 1, co);
    int povodnych = 0;
    if constexpr (!A::citam)
        while (povodnych <= vrch && zasobnik[povodnych] == velkost - 1 - povodnych) ++povodnych;
    a.i(povodnych, 0, vrch + 1, co);
    for (int k = 0; k < povodnych; ++k) zasobnik[k] = velkost - 1 - k;
    for (int k = povodnych; k <= vrch && a.ok(); ++k) a.i(zasobnik[k], 0, hwm - 1, co);
}

// The world's scalars, the enemy's memory, the attack record, the notices and the month report. The
// high-water marks come first: the other sections' ids are checked against them.
template <class A>
void sekcia_svet(A& a, S_L& w) {
    a.tabulka = "svet";
    a.i(w.objekt_hwm, 0, S_L::MAX_OBJECTS, "objekt_hwm");
    a.i(w.clovek_hwm, 0, S_L::MAX_CLOVEK, "clovek_hwm");
    a.i(w.rand_stav, "rand_stav");
    a.p(w.infinite_sources, "infinite_sources");
    a.i(w.last_player_id, 0, S_L::MAX_PLAYERS - 1, "last_player_id");
    a.i(w.owner, 0, S_L::MAX_PLAYERS - 1, "owner");
    a.p(w.SYNCH_ZONING_CHANGE, "SYNCH_ZONING_CHANGE");
    a.p(w.SYNCH_DEAD, "SYNCH_DEAD");
    a.p(w.SYNCH_END_OF_GAME, "SYNCH_END_OF_GAME");
    a.p(w.time_slow, "time_slow");
    a.p(w.time_stop, "time_stop");
    a.p(w.je_vojna, "je_vojna");
    a.i(w.zona_last, 0, S_L::M - 1, "zona_last");
    a.i(w.time.den, 0, 31, "den");
    a.i(w.time.mesiac, 0, S_L::M_december, "mesiac");
    a.i(w.time.rok, 0, VELA, "rok");
    a.p(w.bol_utok, "bol_utok");
    a.p(w.mesiac_passed, "mesiac_passed");
    a.p(w.rok_passed, "rok_passed");
    S_utok& u = w.utok;
    a.i(u.pocet, -VELA, VELA, "utok.pocet");
    for (bool* b : {&u.posledny_uspesny, &u.palisady, &u.veze, &u.brany, &u.sermiari,
                    &u.lukostrelci, &u.kopijnici})
        a.p(*b, "utok");
    a.i(u.rok, -VELA, VELA, "utok.rok");
    a.i(w.KASAREN_ID, -1, S_L::MAX_OBJECTS - 1, "KASAREN_ID");
    for (auto& ai : w.AI)
        for (int t = 0; t < S_L::last_building_integer; ++t) {
            a.i(ai.stavia_sa[t], -VELA, VELA, "AI.stavia_sa");
            a.i(ai.volne[t], -VELA, VELA, "AI.volne");
        }
    a.i(w.last_error_active, -1, S_L::E_zle_zadana_budova_na_stavanie, "last_error_active");
    a.i(w.informacie_last_integer, -1, S_L::MAX_INFORMATION - 1, "informacie_last_integer");
    for (int k = 0; k <= w.informacie_last_integer && a.ok(); ++k) {
        auto& z = w.information_list[k];
        a.i(z.cilso_informacie, -VELA, VELA, "oznam");
        // The notice names its building type by the catalogue's own name.
        int typ = -1;
        if constexpr (!A::citam)
            for (int t = 0; t < S_L::last_building_integer; ++t)
                if (z.meno_objektu && z.meno_objektu == w.budova[t].meno) typ = t;
        a.i(typ, -1, S_L::last_building_integer - 1, "oznam.budova");
        if constexpr (A::citam) z.meno_objektu = typ >= 0 ? w.budova[typ].meno : nullptr;
    }
    a.i(w.given_information, -VELA, VELA, "given_information");
    a.i(w.typ_budovy, -1, S_L::last_building_integer - 1, "typ_budovy");
    a.i(w.x, -VELA, VELA, "x");
    a.i(w.y, -VELA, VELA, "y");
    a.f(w.rot, "rot");
    a.p(w.player_has_ground_army, "player_has_ground_army");
    a.i(w.AI_brana_x, -1, MAX_SURADNICA, "AI_brana_x");
    a.i(w.AI_brana_y, -1, MAX_SURADNICA, "AI_brana_y");
    a.i(w.AI_hlavny_ciel_x, -1, MAX_SURADNICA, "AI_hlavny_ciel_x");
    a.i(w.AI_hlavny_ciel_y, -1, MAX_SURADNICA, "AI_hlavny_ciel_y");
    a.p(w.AI_neni_brana, "AI_neni_brana");
    a.i(w.vojenska_skupina_vytvor_pocet, -VELA, VELA, "vojenska_skupina_vytvor_pocet");
    a.i(w.vrat_cislo_vojaka_bez_skupiny_Last_Page, -VELA, VELA, "vrat_cislo_vojaka");
    a.i(w.vrat_cislo_vojaka_bez_skupiny_page, -VELA, VELA, "vrat_cislo_vojaka");
    a.i(w.vrat_cislo_vojaka_bez_skupiny_id, -VELA, VELA, "vrat_cislo_vojaka");
    a.i(w.vrat_cislo_vojaka_bez_skupiny_last_id, -VELA, VELA, "vrat_cislo_vojaka");
    for (int& v : w.vrat_cislo_vojaka_bez_skupiny)
        a.i(v, -1, S_L::MAX_CLOVEK - 1, "vrat_cislo_vojaka");
    for (auto& b : w.skupina_bunka_budovy)
        for (int& v : b)
            a.i(v, S_L::sekundarne_id_hlavne, S_L::MAX_OBJECTS - 1, "skupina_bunka_budovy");
    if (a.verzia >= 2) {
        a.i(w.bitka_krokov, 0, VELA, "bitka_krokov");
        a.i(w.bitka_bez_pokroku, 0, VELA, "bitka_bez_pokroku");
        a.i(w.posledna_bitka.vitaz, S_L::id_nikto, S_L::id_nepriatel, "posledna_bitka.vitaz");
        a.p(w.posledna_bitka.uviazla, "posledna_bitka.uviazla");
        for (int& v : w.posledna_bitka.ulupene) a.i(v, -VELA, VELA, "posledna_bitka.ulupene");
    }
    if (a.verzia >= 3) {
        for (auto& vl : w.smrti_v_mesiaci)
            for (int& v : vl) a.i(v, 0, VELA, "smrti_v_mesiaci");
        a.i(w.prislo_osadnikov, 0, VELA, "prislo_osadnikov");
        auto& r = w.sprava_mesiaca;
        static_assert(sizeof r == 34 * sizeof(int),
                      "every value of the month report is saved below");
        a.i(r.mesiac, 0, S_L::M_december, "sprava_mesiaca.mesiac");
        a.i(r.rok, 0, VELA, "sprava_mesiaca.rok");
        a.i(r.prichod, S_L::PRICHOD_pridu, S_L::PRICHOD_malo_vody, "sprava_mesiaca.prichod");
        for (int& v : r.zomreli) a.i(v, 0, VELA, "sprava_mesiaca.zomreli");
        for (int& v : r.chori) a.i(v, -VELA, VELA, "sprava_mesiaca.chori");
        for (int* v : {&r.smrti_spolu, &r.hladovali, &r.dni_vody, &r.dni_jedla, &r.skazilo_vody,
                       &r.skazilo_jedla, &r.bez_domova, &r.volne_v_domoch, &r.bez_prace,
                       &r.volne_prace, &r.osadnici, &r.prichod_treba, &r.prichod_jedlo,
                       &r.prichod_voda, &r.stavby, &r.cakaju_stavby, &r.stavbari})
            a.i(*v, -VELA, VELA, "sprava_mesiaca");
    }
}

template <class A>
void sekcia_krokovanie(A& a, S_krokovanie& k) {
    a.tabulka = "krokovanie";
    a.f(k.zrychlenie, "zrychlenie");
    if (!(k.zrychlenie > 0.0f && k.zrychlenie <= 1.0f)) a.zle("zrychlenie", "mimo rozsahu");
    a.p(k.cas_mesiace, "cas_mesiace");
}

template <class A>
void sekcia_mapa(A& a, S_L& w) {
    a.tabulka = "mapa";
    for (int x = 0; x < S_L::A && a.ok(); ++x)
        for (int y = 0; y < S_L::B; ++y) {
            auto& b = w.point[x][y];
            a.i(b.id_objektu, S_L::sekundarne_id_hlavne, S_L::MAX_OBJECTS - 1, "id_objektu");
            a.i(b.id_sekundarne, S_L::sekundarne_id_hlavne, S_L::MAX_OBJECTS - 1, "id_sekundarne");
            a.i(b.typ_podkladu, 0, S_L::podklad_last_id - 1, "typ_podkladu");
            a.i(b.zona, -1, S_L::M - 1, "zona");
        }
}

template <class A>
void sekcia_objekty(A& a, S_L& w) {
    a.tabulka = "objekt";
    for (int o = 0; o < w.objekt_hwm && a.ok(); ++o) {
        a.riadok = o;
        auto& b = w.objekt[o];
        a.i(b.co_to_je, -1, S_L::id_vojensky_objekt, "co_to_je");
        a.i(b.id, -1, S_L::MAX_OBJECTS - 1, "id");
        a.i(b.vlastnik, -1, S_L::MAX_PLAYERS - 1, "vlastnik");
        a.f(b.rot, "rot");
        a.i(b.je_ludi, -VELA, VELA, "je_ludi");
        a.i(b.level, -1, S_L::MAX_LEVEL - 1, "level");
        a.i(b.percenta, -VELA, VELA, "percenta");
        a.p(b.closed, "closed");
        a.i(b.zona, -1, S_L::M - 1, "zona");
        a.riedke(b.skladuje, S_L::MAX_SUROVIN, "skladuje");
    }
    a.riadok = -1;
    pool(a, w.volne_objekty, w.id_posledny_volny_objekt, S_L::MAX_OBJECTS, w.objekt_hwm,
         "volne_objekty");
}

template <class A>
void sekcia_ludia(A& a, S_L& w) {
    a.tabulka = "clovek";
    for (int c = 0; c < w.clovek_hwm && a.ok(); ++c) {
        a.riadok = c;
        auto& p = w.clovek[c];
        a.f(p.x, "x");
        a.f(p.y, "y");
        a.i(p.objekt_v_ktorom_byva, -1, S_L::MAX_OBJECTS - 1, "objekt_v_ktorom_byva");
        a.i(p.objekt_v_ktorom_pracuje, -1, S_L::MAX_OBJECTS - 1, "objekt_v_ktorom_pracuje");
        a.i(p.veza, -1, S_L::MAX_OBJECTS - 2, "veza");
        a.f(p.formation_x, "formation_x");
        a.f(p.formation_y, "formation_y");
        a.i(p.id_matky, -1, S_L::MAX_CLOVEK - 1, "id_matky");
        a.i(p.id_otca, -1, S_L::MAX_CLOVEK - 1, "id_otca");
        a.i(p.id_partnera, -1, S_L::MAX_CLOVEK - 1, "id_partnera");
        a.i(p.attacked, -VELA, VELA, "attacked");
        a.f(p.heading, "heading");
        for (int& d : p.id_deti) a.i(d, -1, S_L::MAX_CLOVEK - 1, "id_deti");
        a.i(p.pocet_deti, -VELA, VELA, "pocet_deti");
        a.i(p.vek, -VELA, VELA, "vek");
        a.i(p.peniaze, -VELA, VELA, "peniaze");
        a.i(p.pohlavie, -1, S_L::zena, "pohlavie");
        a.i(p.vlastnik, -1, S_L::MAX_PLAYERS - 1, "vlastnik");
        a.i(p.zdravie, -VELA, VELA, "zdravie");
        a.p(p.vojak, "vojak");
        a.i(p.zbran, -1, S_L::MAX_SUROVIN - 1, "zbran");
        a.i(p.brnenie, -1, S_L::MAX_SUROVIN - 1, "brnenie");
        a.i(p.skupina, -1, S_L::MAX_VOJENSKA_SKUPINA, "skupina");
        a.i(p.action_timer, -VELA, VELA, "action_timer");
        a.bity(S_L::MAX_CHOROBA + 1, [&](int k) -> bool& { return p.mal_pristup_k_surovine[k]; });
        a.p(p.mrzol, "mrzol");
        a.p(p.teple_oblecenie, "teple_oblecenie");
        a.bity(S_L::MAX_CHOROBA + 1, [&](int k) -> bool& { return p.choroba[k].ma; });
        a.i(p.choroby_pocet, 0, S_L::MAX_CHOROBA + 1, "choroby_pocet");
    }
    a.riadok = -1;
    pool(a, w.clovek_volne_id, w.clovek_posledne_volne_id, S_L::MAX_CLOVEK, w.clovek_hwm,
         "clovek_volne_id");
}

// Every row of the group table, the unused ones too: a new group takes the row after the last.
template <class A>
void sekcia_skupiny(A& a, S_L& w) {
    a.tabulka = "skupina";
    a.i(w.vojenska_skupina_last_id, 0, S_L::MAX_VOJENSKA_SKUPINA + 1, "vojenska_skupina_last_id");
    constexpr int N = static_cast<int>(std::size(Strategy_library::MENA_SKUPIN));
    for (int g = 0; g <= S_L::MAX_VOJENSKA_SKUPINA && a.ok(); ++g) {
        a.riadok = g;
        auto& s = w.vojenska_skupina[g];
        for (int& v : s.zoznam_vojakov) a.i(v, -1, S_L::MAX_CLOVEK - 1, "zoznam_vojakov");
        a.i(s.zoznam_vojakov_last_id, 0, S_L::MAX_VOJACI_V_SKUPINE, "zoznam_vojakov_last_id");
        a.i(s.vlastnik, -1, S_L::MAX_PLAYERS - 1, "vlastnik");
        a.i(s.x, -1, MAX_SURADNICA, "x");
        a.i(s.y, -1, MAX_SURADNICA, "y");
        a.i(s.objekt_id, -1, S_L::MAX_OBJECTS - 1, "objekt_id");
        a.i(s.go_to_x, -1, MAX_SURADNICA, "go_to_x");
        a.i(s.go_to_y, -1, MAX_SURADNICA, "go_to_y");
        a.i(s.utoci_na_objekt, -1, S_L::MAX_OBJECTS - 1, "utoci_na_objekt");
        a.i(s.utoci_na_x, -1, MAX_SURADNICA, "utoci_na_x");
        a.i(s.utoci_na_y, -1, MAX_SURADNICA, "utoci_na_y");
        a.i(s.final_x, -1, MAX_SURADNICA, "final_x");
        a.i(s.final_y, -1, MAX_SURADNICA, "final_y");
        a.i(s.zbran, -1, S_L::MAX_SUROVIN - 1, "zbran");
        a.i(s.zbroj, -1, S_L::MAX_SUROVIN - 1, "zbroj");
        a.f(s.xf, "xf");
        a.f(s.yf, "yf");
        a.f(s.rot, "rot");
        a.i(s.vojensky_stroj, -1, S_L::vojenske_stroje_last_id - 1, "vojensky_stroj");
        a.p(s.range_attack, "range_attack");
        a.i(s.range_of_attack, -VELA, VELA, "range_of_attack");
        a.p(s.personal_fights, "personal_fights");
        a.i(s.dead, -VELA, VELA, "dead");
        a.p(s.moved, "moved");
        // The name is one of the table's, kept by its place there.
        int meno = -1;
        if constexpr (!A::citam) {
            if (s.nazov) meno = N;  // a name of no table's is refused
            for (int k = 0; k < N; ++k)
                if (s.nazov && std::strcmp(s.nazov, Strategy_library::MENA_SKUPIN[k]) == 0)
                    meno = k;
        }
        a.i(meno, -1, N - 1, "nazov");
        if constexpr (A::citam) s.nazov = meno >= 0 ? Strategy_library::MENA_SKUPIN[meno] : nullptr;
        a.p(s.dead_status, "dead_status");
        a.i(s.max, -VELA, VELA, "max");
        a.i(s.action_timer, -VELA, VELA, "action_timer");
    }
    a.riadok = -1;
}

template <class A>
void sekcia_vlastnik(A& a, S_L& w, int vl) {
    static const char* const TABULKY[S_L::MAX_PLAYERS] = {"vlastnik 0", "vlastnik 1", "vlastnik 2"};
    a.tabulka = TABULKY[vl];
    S_owner& o = w.id_owner[vl];
    zoznam_ludi(a, o.clovek_bez_domova_list, o.bez_domova_last_id, "bez_domova");
    zoznam_ludi(a, o.clovek_bez_prace_list, o.bez_prace_last_id, "bez_prace");
    zoznam_ludi(a, o.muzodober_bez_muza_list, o.bez_zeny_last_id, "bez_muza");
    zoznam_ludi(a, o.vojak_bez_zbrane, o.vojak_bez_zbrane_last_id, "vojak_bez_zbrane");
    zoznam_ludi(a, o.vojak_bez_skupiny, o.vojak_bez_skupiny_last_id, "vojak_bez_skupiny");
    for (auto& s : o.vojenska_skupina) {
        a.i(s.x, -VELA, VELA, "vojenska_skupina.x");
        a.i(s.y, -VELA, VELA, "vojenska_skupina.y");
    }
    for (int& g : o.skupina) a.i(g, -1, S_L::MAX_VOJENSKA_SKUPINA, "skupina");
    a.i(o.skupina_last_id, 0, S_L::MAX_SKUPIN_NA_VLASTNIKA, "skupina_last_id");
    for (int* v :
         {&o.pocet_skupin,         &o.stavbari,         &o.hladuje_muz,       &o.hladuje_zena,
          &o.zomrelo_muz,          &o.zomrelo_zena,     &o.zomrelo_hladom,    &o.zomrelo_na_chorobu,
          &o.trpi_chorobou_celkom, &o.limit_skladu,     &o.pocet_ludi,        &o.pocet_zien,
          &o.pocet_muzov,          &o.pocet_deti,       &o.pocet_chlapcov,    &o.pocet_dievcat,
          &o.pocet_smrti,          &o.pocet_vojakov,    &o.pocet_bez_zbrani,  &o.pocet_lukostrelcov,
          &o.pocet_sermiarov,      &o.pocet_kopijnikov, &o.veza_volne_miesta, &o.obsadene_min.x,
          &o.obsadene_min.y,       &o.obsadene_max.x,   &o.obsadene_max.y})
        a.i(*v, -VELA, VELA, "pocty");
    for (int& v : o.trpi_chorobou) a.i(v, -VELA, VELA, "trpi_chorobou");
    for (auto& s : o.surovina)
        for (int* v : {&s.mam, &s.pridane_skladovacie_miesto, &s.vyprodukovane, &s.pouzite,
                       &s.bilancia, &s.naZaciatkuMesiaca})
            a.i(*v, -VELA, VELA, "surovina");
    for (auto& b : o.budova) {
        a.i(b.mam, -VELA, VELA, "budova.mam");
        a.i(b.staviam, -VELA, VELA, "budova.staviam");
    }
    a.i(o.hlavna_budova_last_id, 0, S_L::MAX_HLAVNA_BUDOVA_NA_HRACA, "hlavna_budova_last_id");
    for (auto& h : o.hlavna_budova) {
        a.i(h.x, -1, MAX_SURADNICA, "hlavna_budova.x");
        a.i(h.y, -1, MAX_SURADNICA, "hlavna_budova.y");
    }
    a.i(o.privilegia_id, 0, S_L::PRIV_last_id - 1, "privilegia_id");
    a.i(o.veza_last_id, 0, S_L::MAX_OBJECTS - 1, "veza_last_id");
    for (int t = 0; t < o.veza_last_id && a.ok(); ++t) {
        a.riadok = t;
        auto& v = o.veza[t];
        a.i(v.x, 0, MAX_SURADNICA, "veza.x");
        a.i(v.y, 0, MAX_SURADNICA, "veza.y");
        a.i(v.level, -VELA, VELA, "veza.level");
        a.i(v.pocet, -VELA, VELA, "veza.pocet");
        a.i(v.object, -1, S_L::MAX_OBJECTS - 1, "veza.object");
        a.p(v.bol_utok, "veza.bol_utok");
        for (int& c : v.vojak) a.i(c, -1, S_L::MAX_CLOVEK - 1, "veza.vojak");
        a.i(v.vojak_last_id, 0, 60, "veza.vojak_last_id");
        a.i(v.dead, -VELA, VELA, "veza.dead");
        a.i(v.action_timer, -VELA, VELA, "veza.action_timer");
    }
    a.riadok = -1;
    a.i(o.brana_last_id, 0, S_L::MAX_OBJECTS - 1, "brana_last_id");
    for (int i = 0; i < o.brana_last_id && a.ok(); ++i) {
        a.riadok = i;
        auto& b = o.brana[i];
        a.i(b.x, 0, MAX_SURADNICA, "brana.x");
        a.i(b.y, 0, MAX_SURADNICA, "brana.y");
        a.i(b.objekt_id, -1, S_L::MAX_OBJECTS - 1, "brana.objekt_id");
        a.i(b.budova_id, 0, S_L::last_building_integer - 1, "brana.budova_id");
        a.i(b.zona_1, -1, S_L::M - 1, "brana.zona_1");
        a.i(b.zona_2, -1, S_L::M - 1, "brana.zona_2");
    }
    a.riadok = -1;
}

// ---------------------------------------------------------------- sections in a payload

// A section: four letters, the length of its data, the data's checksum, the data.
struct S_sekcia {
    char tag[5];
    const unsigned char* data;
    std::size_t dlzka;
};

constexpr const char* TAGY[] = {"SVET", "KROK", "MAPA", "OBJE", "LUDI",
                                "SKUP", "VLA0", "VLA1", "VLA2"};
constexpr int POCET_SEKCII = static_cast<int>(std::size(TAGY));

// Runs the section `k` of the list above in the direction of archive a.
template <class A>
void sekcia(A& a, int k, S_L& w, S_krokovanie& krok) {
    switch (k) {
        case 0: sekcia_svet(a, w); break;
        case 1: sekcia_krokovanie(a, krok); break;
        case 2: sekcia_mapa(a, w); break;
        case 3: sekcia_objekty(a, w); break;
        case 4: sekcia_ludia(a, w); break;
        case 5: sekcia_skupiny(a, w); break;
        default: sekcia_vlastnik(a, w, k - 6); break;
    }
}

void pridaj_sekciu(std::vector<unsigned char>& von, const char* tag,
                   const std::vector<unsigned char>& data) {
    unsigned char h[12];
    std::memcpy(h, tag, 4);
    zapis32(h + 4, static_cast<std::uint32_t>(data.size()));
    zapis32(h + 8, crc(data.data(), data.size()));
    von.insert(von.end(), h, h + 12);
    von.insert(von.end(), data.begin(), data.end());
}

// Splits a payload into its sections in the order of TAGY, checking each one's checksum.
bool rozdel(const unsigned char* d, std::size_t n, S_sekcia (&sekcie)[POCET_SEKCII],
            std::string& chyba) {
    bool najdena[POCET_SEKCII] = {};
    std::size_t i = 0;
    while (i < n) {
        if (n - i < 12) {
            chyba = "data su skratene";
            return false;
        }
        char tag[5] = {};
        std::memcpy(tag, d + i, 4);
        const std::uint32_t dlzka = citaj32(d + i + 4), sucet = citaj32(d + i + 8);
        i += 12;
        if (dlzka > n - i) {
            chyba = std::string("sekcia ") + tag + " je skratena";
            return false;
        }
        int k = 0;
        while (k < POCET_SEKCII && std::memcmp(tag, TAGY[k], 4) != 0) ++k;
        if (k == POCET_SEKCII || najdena[k]) {
            chyba = std::string("neznama alebo zdvojena sekcia '") + tag + "'";
            for (char& c : chyba)
                if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
                    c = '?';
            return false;
        }
        if (crc(d + i, dlzka) != sucet) {
            chyba = std::string("sekcia ") + tag + " je poskodena (kontrolny sucet)";
            return false;
        }
        najdena[k] = true;
        sekcie[k] = {{}, d + i, dlzka};
        std::memcpy(sekcie[k].tag, tag, 5);
        i += dlzka;
    }
    for (int k = 0; k < POCET_SEKCII; ++k)
        if (!najdena[k]) {
            chyba = std::string("chyba sekcia ") + TAGY[k];
            return false;
        }
    return true;
}

// ---------------------------------------------------------------- the header

struct S_cela_hlavicka {
    S_hlavicka h;
    std::uint32_t dlzka_dat, dlzka_zbalenych, sucet_zbalenych;
};

void zapis_hlavicku(unsigned char* p, const S_cela_hlavicka& c) {
    std::memcpy(p, MAGIA, 8);
    const std::uint32_t polia[9] = {static_cast<std::uint32_t>(c.h.verzia),
                                    static_cast<std::uint32_t>(c.h.den),
                                    static_cast<std::uint32_t>(c.h.mesiac),
                                    static_cast<std::uint32_t>(c.h.rok),
                                    static_cast<std::uint32_t>(c.h.pocet_ludi),
                                    static_cast<std::uint32_t>(c.h.privilegia),
                                    c.dlzka_dat,
                                    c.dlzka_zbalenych,
                                    c.sucet_zbalenych};
    for (int k = 0; k < 9; ++k) zapis32(p + 8 + 4 * k, polia[k]);
    zapis32(p + 44, crc(p, 44));
}

bool citaj_hlavicku(const unsigned char* p, std::size_t n, S_cela_hlavicka& c, std::string& chyba) {
    if (n == 0) {
        chyba = "subor je prazdny";
        return false;
    }
    if (n < 8 || std::memcmp(p, MAGIA, 8) != 0) {
        chyba = "nie je to ulozena hra";
        return false;
    }
    if (n < DLZKA_HLAVICKY) {
        chyba = "subor je skrateny";
        return false;
    }
    if (crc(p, 44) != citaj32(p + 44)) {
        chyba = "hlavicka je poskodena";
        return false;
    }
    auto cislo = [&](int k) { return static_cast<int>(citaj32(p + 8 + 4 * k)); };
    c.h = {cislo(0), cislo(1), cislo(2), cislo(3), cislo(4), cislo(5)};
    c.dlzka_dat = citaj32(p + 32);
    c.dlzka_zbalenych = citaj32(p + 36);
    c.sucet_zbalenych = citaj32(p + 40);
    if (c.h.verzia > VERZIA) {
        chyba = "hra je ulozena novsou verziou (format " + std::to_string(c.h.verzia) +
                ", tato verzia cita najviac " + std::to_string(VERZIA) + ")";
        return false;
    }
    if (c.h.verzia < NAJSTARSIA_CITATELNA) {
        chyba = "hra je ulozena starou verziou (format " + std::to_string(c.h.verzia) +
                "), ktoru tato verzia necita";
        return false;
    }
    if (c.dlzka_dat > NAJVIAC_DAT) {
        chyba = "hlavicka udava nemozne velke data";
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- the scratch world

struct S_uvolni {
    void operator()(S_L* w) const {
        w->~S_L();
        std::free(w);
    }
};
using Pracovny_svet = std::unique_ptr<S_L, S_uvolni>;

// A world of zero-filled pages (only what the resets and the load write is ever touched) with
// the running world's catalogues, in the state a new game starts from.
Pracovny_svet pracovny_svet() {
    void* pamat = std::calloc(1, sizeof(S_L));
    if (!pamat) return nullptr;
    Pracovny_svet w(new (pamat) S_L);
    w->prevezmi(strategy, false, true);
    w->reset_tabulky();
    return w;
}

}  // namespace

// ---------------------------------------------------------------- encoding

std::vector<unsigned char> zabal(std::vector<unsigned char> data, const S_hlavicka& h) {
    // Every section's checksum anew, as far as the lengths let the sections be walked.
    for (std::size_t i = 0; i + 12 <= data.size();) {
        const std::uint32_t dlzka = citaj32(&data[i + 4]);
        if (dlzka > data.size() - i - 12) break;
        zapis32(&data[i + 8], crc(&data[i + 12], dlzka));
        i += 12 + dlzka;
    }
    uLongf zbalene = compressBound(static_cast<uLong>(data.size()));
    std::vector<unsigned char> subor(DLZKA_HLAVICKY + zbalene);
    if (compress2(subor.data() + DLZKA_HLAVICKY, &zbalene, data.data(),
                  static_cast<uLong>(data.size()), Z_BEST_SPEED) != Z_OK)
        return {};
    subor.resize(DLZKA_HLAVICKY + zbalene);
    S_cela_hlavicka c;
    c.h = h;
    c.dlzka_dat = static_cast<std::uint32_t>(data.size());
    c.dlzka_zbalenych = static_cast<std::uint32_t>(zbalene);
    c.sucet_zbalenych = crc(subor.data() + DLZKA_HLAVICKY, zbalene);
    zapis_hlavicku(subor.data(), c);
    return subor;
}

std::vector<unsigned char> zakoduj(S_L& w, std::string& chyba) {
    S_krokovanie krok{zrychlenie, cas_mesiace};
    std::vector<unsigned char> data;
    data.reserve(1 << 20);
    Zapisovac a;
    for (int k = 0; k < POCET_SEKCII; ++k) {
        a.b.clear();
        sekcia(a, k, w, krok);
        if (!a.ok()) {
            chyba = a.chyba;
            return {};
        }
        pridaj_sekciu(data, TAGY[k], a.b);
    }
    const S_owner& hrac = w.id_owner[S_L::id_player];
    std::vector<unsigned char> subor =
        zabal(std::move(data),
              {VERZIA, w.time.den, w.time.mesiac, w.time.rok, hrac.pocet_ludi, hrac.privilegia_id});
    if (subor.empty()) chyba = "data sa nepodarilo zbalit";
    return subor;
}

std::vector<unsigned char> zakoduj(std::string& chyba) { return zakoduj(strategy, chyba); }

// ---------------------------------------------------------------- loading

bool rozbal(const unsigned char* d, std::size_t n, std::vector<unsigned char>& data, S_hlavicka& h,
            std::string& chyba) {
    S_cela_hlavicka c;
    if (!citaj_hlavicku(d, n, c, chyba)) return false;
    if (n - DLZKA_HLAVICKY != c.dlzka_zbalenych) {
        chyba = n - DLZKA_HLAVICKY < c.dlzka_zbalenych ? "subor je skrateny"
                                                       : "za koncom suboru su data navyse";
        return false;
    }
    if (crc(d + DLZKA_HLAVICKY, c.dlzka_zbalenych) != c.sucet_zbalenych) {
        chyba = "data su poskodene (kontrolny sucet)";
        return false;
    }
    data.resize(c.dlzka_dat);
    uLongf rozbalene = c.dlzka_dat;
    if (uncompress(data.data(), &rozbalene, d + DLZKA_HLAVICKY, c.dlzka_zbalenych) != Z_OK ||
        rozbalene != c.dlzka_dat) {
        chyba = "data sa nepodarilo rozbalit";
        return false;
    }
    h = c.h;
    return true;
}

bool nacitaj_z_pamate(const unsigned char* d, std::size_t n, std::string& chyba) {
    std::vector<unsigned char> data;
    S_hlavicka h;
    if (!rozbal(d, n, data, h, chyba)) return false;
    S_sekcia sekcie[POCET_SEKCII];
    if (!rozdel(data.data(), data.size(), sekcie, chyba)) return false;

    Pracovny_svet w = pracovny_svet();
    if (!w) {
        chyba = "nie je dost pamate";
        return false;
    }
    S_krokovanie krok{};
    for (int k = 0; k < POCET_SEKCII; ++k) {
        Citac a(sekcie[k].data, sekcie[k].dlzka, h.verzia);
        sekcia(a, k, *w, krok);
        if (a.ok() && !a.docitany()) a.zle("koniec", "data navyse");
        if (!a.ok()) {
            chyba = a.chyba;
            return false;
        }
    }
    const std::string knihy = w->prepocitaj_vsetko();
    if (!knihy.empty()) {
        chyba = "knihy hry nesedia: " + knihy.substr(0, knihy.find('\n'));
        return false;
    }
    // The header is what the list shows; it must tell the truth about the game inside.
    const S_owner& hrac = w->id_owner[S_L::id_player];
    if (h.den != w->time.den || h.mesiac != w->time.mesiac || h.rok != w->time.rok ||
        h.pocet_ludi != hrac.pocet_ludi || h.privilegia != hrac.privilegia_id) {
        chyba = "hlavicka nesedi s hrou";
        return false;
    }

    strategy.prevezmi(*w, true, false);
    // Paths found in the game before may not be replayed in this one.
    strategy.verzia_mapy += 1;
    zrychlenie = krok.zrychlenie;
    cas_mesiace = krok.cas_mesiace;
    je_vojna = strategy.je_vojna;
    return true;
}

// ---------------------------------------------------------------- files

bool citaj_subor(const char* cesta, std::size_t najviac, std::vector<unsigned char>& data,
                 std::string& chyba) {
    const int fd = ::open(cesta, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        chyba = std::string("subor sa neda otvorit: ") + std::strerror(errno);
        return false;
    }
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0;
    if (!ok)
        chyba = std::string("subor sa neda citat: ") + std::strerror(errno);
    else if (S_ISDIR(st.st_mode))
        chyba = "je to priecinok, nie subor", ok = false;
    else if (!S_ISREG(st.st_mode))
        chyba = "nie je to obycajny subor", ok = false;
    else if (static_cast<unsigned long long>(st.st_size) > najviac)
        chyba = "subor je privelky", ok = false;
    if (ok) {
        data.resize(static_cast<std::size_t>(st.st_size));
        std::size_t precitane = 0;
        while (ok && precitane < data.size()) {
            const ssize_t r = ::read(fd, data.data() + precitane, data.size() - precitane);
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) {
                chyba = r < 0 ? std::string("subor sa neda citat: ") + std::strerror(errno)
                              : "subor sa pocas citania skratil";
                ok = false;
            } else {
                precitane += static_cast<std::size_t>(r);
            }
        }
    }
    ::close(fd);
    return ok;
}

bool zapis_bezpecne(const char* cesta, const std::vector<unsigned char>& data, std::string& chyba) {
    // A write past the file-size limit fails like a full disk instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    // The temporary name is the process's own, so two processes saving into one folder never
    // write into each other's file.
    const std::string ciel = cesta, docasny = ciel + "." + std::to_string(::getpid()) + ".tmp";
    const std::string::size_type lomka = ciel.rfind('/');
    const std::string priecinok = lomka == std::string::npos ? "."
                                  : lomka == 0               ? "/"
                                                             : ciel.substr(0, lomka);
    auto zlyhanie = [&](const char* co) {
        chyba = std::string(co) + ": " + std::strerror(errno);
        return false;
    };
    const int fd = ::open(docasny.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return zlyhanie("subor sa neda vytvorit");
    std::size_t zapisane = 0;
    while (zapisane < data.size()) {
        const ssize_t r = ::write(fd, data.data() + zapisane, data.size() - zapisane);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {
            if (r == 0) errno = EIO;
            zlyhanie("zapis zlyhal");
            ::close(fd);
            ::unlink(docasny.c_str());
            return false;
        }
        zapisane += static_cast<std::size_t>(r);
    }
    if (::fsync(fd) != 0) {
        zlyhanie("zapis na disk zlyhal");
        ::close(fd);
        ::unlink(docasny.c_str());
        return false;
    }
    if (::close(fd) != 0) {
        zlyhanie("zapis zlyhal");
        ::unlink(docasny.c_str());
        return false;
    }
    if (::rename(docasny.c_str(), ciel.c_str()) != 0) {
        zlyhanie("subor sa neda premenovat");
        ::unlink(docasny.c_str());
        return false;
    }
    // The rename is durable only once the folder's entry is on the disk too.
    const int dfd = ::open(priecinok.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool citaj_hlavicku(const char* cesta, S_hlavicka& h, std::string& chyba) {
    const int fd = ::open(cesta, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        chyba = std::string("subor sa neda otvorit: ") + std::strerror(errno);
        return false;
    }
    unsigned char p[DLZKA_HLAVICKY];
    ssize_t n;
    do n = ::read(fd, p, sizeof p);
    while (n < 0 && errno == EINTR);
    const int chyba_citania = errno;
    ::close(fd);
    if (n < 0) {
        chyba = std::string("subor sa neda citat: ") + std::strerror(chyba_citania);
        return false;
    }
    S_cela_hlavicka c;
    if (!citaj_hlavicku(p, static_cast<std::size_t>(n), c, chyba)) return false;
    h = c.h;
    return true;
}

}  // namespace ulozenie

// ---------------------------------------------------------------- the two operations

bool uloz_hru(const char* cesta, std::string& chyba) {
    const std::vector<unsigned char> subor = ulozenie::zakoduj(chyba);
    return !subor.empty() && ulozenie::zapis_bezpecne(cesta, subor, chyba);
}

bool nacitaj_hru(const char* cesta, std::string& chyba) {
    std::vector<unsigned char> data;
    std::string preco;
    if (!ulozenie::citaj_subor(cesta, ulozenie::NAJVIAC_SUBOR, data, preco) ||
        !ulozenie::nacitaj_z_pamate(data.data(), data.size(), preco)) {
        chyba = std::string(cesta) + ": " + preco;
        return false;
    }
    return true;
}
