// World and pools: the global `strategy`, the current-owner rule, the free-object and
// free-person pools, cell and object lookups, rounding, `random`, the information list, the
// construction error state and the resets of objects, owners, people and flags.
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "Strategy_library.h"
#include "clenovia_sveta.h"

using namespace Strategy_library;

S_L strategy;

// ---------------------------------------------------------------- the members by kind

namespace {

struct S_clen {
    std::size_t od, velkost, zarovnanie;
};

#define VARNHOLD_CLEN(druh, m) {offsetof(S_L, m), sizeof(S_L::m), alignof(decltype(S_L::m))},
constexpr S_clen CLENOVIA[] = {VARNHOLD_CLENOVIA_SVETA(VARNHOLD_CLEN)};
#undef VARNHOLD_CLEN

// True when the list covers the class: every member starts where the one before it ends
// (padded to its alignment) and the last one ends the object.
constexpr bool zoznam_je_uplny() {
    std::size_t koniec = 0;
    for (const S_clen& c : CLENOVIA) {
        const std::size_t zaciatok = (koniec + c.zarovnanie - 1) / c.zarovnanie * c.zarovnanie;
        if (c.od != zaciatok) return false;
        koniec = c.od + c.velkost;
    }
    return (koniec + alignof(S_L) - 1) / alignof(S_L) * alignof(S_L) == sizeof(S_L);
}
static_assert(zoznam_je_uplny(),
              "clenovia_sveta.h must name every data member of S_L, in declaration order");

}  // namespace

void S_L::vynuluj_hru() {
#define VARNHOLD_NULUJ(druh, m) \
    if constexpr (Druh::druh == Druh::hra) std::memset(static_cast<void*>(&m), 0, sizeof m);
    VARNHOLD_CLENOVIA_SVETA(VARNHOLD_NULUJ)
#undef VARNHOLD_NULUJ
    nastav_zaciatocne_hodnoty();
}

void S_L::prevezmi(const S_L& z, bool hru, bool katalogy) {
#define VARNHOLD_KOPIRUJ(druh, m)                                                      \
    if ((Druh::druh == Druh::hra && hru) || (Druh::druh == Druh::katalog && katalogy)) \
        std::memcpy(static_cast<void*>(&m), static_cast<const void*>(&z.m), sizeof m);
    VARNHOLD_CLENOVIA_SVETA(VARNHOLD_KOPIRUJ)
#undef VARNHOLD_KOPIRUJ
}

S_L::S_L() { nastav_zaciatocne_hodnoty(); }

void S_L::nastav_zaciatocne_hodnoty() {
    // Only the scalars whose start value is not zero are written, so the tables stay in untouched
    // zero pages until a reset or a game really uses them.
    last_player_id = 1;
    KASAREN_ID = -1;
    last_error_active = -1;
    typ_budovy = -1;
    AI_brana_x = AI_brana_y = AI_hlavny_ciel_x = AI_hlavny_ciel_y = -1;
    vojenska_skupina_vytvor_pocet = 10;
    rand_stav = 1;
}

// ---------------------------------------------------------------- current owner

bool S_L::set_owner(int id_o) {
    if (platny_vlastnik(id_o)) {
        owner = id_o;
        return true;
    }
    owner = id_nikto;
    return false;
}

void S_L::set_player_as_owner() { set_owner(id_player); }

void S_L::vrat_riadenie_hracovi() { set_owner(id_player); }

void S_L::check_player_id() {
    if (owner != id_player) {
        std::printf("*********FATAL ERROR : owner nie je hrac **********\n");
        set_owner(id_player);
    }
}

// ---------------------------------------------------------------- free-object pool

int S_L::odober_volny_objekt() {
    if (id_posledny_volny_objekt < 0) return nic;
    int id = volne_objekty[id_posledny_volny_objekt];
    volne_objekty[id_posledny_volny_objekt] = nic;
    id_posledny_volny_objekt--;
    if (id >= objekt_hwm) objekt_hwm = id + 1;
    return id;
}

bool S_L::pridaj_volny_objekt(int id) {
    if (id_posledny_volny_objekt + 1 >= MAX_OBJECTS) return false;
    if (id == nic) {
        std::printf("ERROR pridavanie id = NIC\n");
        return false;
    }
    if (!platny_objekt(id)) return false;
    volne_objekty[++id_posledny_volny_objekt] = id;
    // A pushed id is handed out next; count it now so the bounded walks never miss it.
    if (id >= objekt_hwm) objekt_hwm = id + 1;
    return true;
}

bool S_L::odstran_objekt(int o) {
    if (!platny_objekt(o)) return false;
    S_objekt& ob = objekt[o];
    ob.co_to_je = ob.id = ob.vlastnik = -1;
    ob.rot = 0;
    ob.level = -1;
    ob.percenta = 0;
    ob.zona = -1;
    verzia_mapy += 1;  // a removed wall, tower or gate opens the paths through its cells
    return pridaj_volny_objekt(o);
}

bool S_L::odstran_objekt(int o, int x, int y) {
    if (!platny_objekt(o)) return false;
    bool vysledok = odstran_objekt(o);
    if (x >= 0 && y >= 0 && na_mape(x, y)) {
        point[x][y].id_objektu = -1;
        point[x][y].id_sekundarne = -1;
    }
    return vysledok;
}

// ---------------------------------------------------------------- free-person pool

int S_L::vrat_volne_id_clovek() {
    if (clovek_posledne_volne_id < 0) return -1;
    int id = clovek_volne_id[clovek_posledne_volne_id--];
    if (id >= clovek_hwm) clovek_hwm = id + 1;
    return id;
}

void S_L::pridaj_volne_id_clovek(int id) {
    // Only ids that were handed out come back, so the pool cannot overflow; refuse anything else
    // rather than write past the stack.
    if (clovek_posledne_volne_id + 1 >= MAX_CLOVEK || !platny_clovek(id)) return;
    clovek_volne_id[++clovek_posledne_volne_id] = id;
    if (id >= clovek_hwm) clovek_hwm = id + 1;
}

// ---------------------------------------------------------------- lookups

int S_L::point_id_of_objekt(int x, int y) {
    if (!na_mape(x, y)) return -1;
    const S_points& p = point[x][y];
    if (p.id_objektu == sekundarne_id_hlavne) return p.id_sekundarne;
    return p.id_objektu;
}

int S_L::point_id_of_objekt_not_second(int x, int y) {
    if (!na_mape(x, y)) return -1;
    int id = point[x][y].id_objektu;
    return id == sekundarne_id_hlavne ? -1 : id;
}

bool S_L::je_budova(int x, int y) {
    int o = point_id_of_objekt(x, y);
    return platny_objekt(o) && objekt[o].co_to_je == id_budova;
}

bool S_L::je_budova(int o) {
    if (o == sekundarne_id_hlavne && na_mape(x, y)) o = point[x][y].id_sekundarne;
    return platny_objekt(o) && objekt[o].co_to_je == id_budova;
}

bool S_L::je_budova_nie_sekundarne(int x, int y) {
    int o = point_id_of_objekt_not_second(x, y);
    return platny_objekt(o) && objekt[o].co_to_je == id_budova;
}

float S_L::return_rotation(int x, int y) {
    int o = point_id_of_objekt(x, y);
    return platny_objekt(o) ? objekt[o].rot : 0.0f;
}

float S_L::return_rotation() { return rot; }

// Fractions above one half round up, exactly one half rounds down; truncation goes toward zero,
// so a negative value never rounds down.
static float zaokruhli(float v) {
    float t = static_cast<float>(static_cast<int>(v));
    return (v - t > 0.5f) ? t + 1.0f : t;
}

void S_L::find_point(float& xf, float& yf) {
    xf = zaokruhli(xf);
    yf = zaokruhli(yf);
}

void S_L::correct_point_from_float(float& x, float& y) { find_point(x, y); }

S_bod S_L::bunka(float xf, float yf) {
    find_point(xf, yf);
    return {static_cast<int>(xf), static_cast<int>(yf)};
}

int S_L::get_object(float xf, float yf) {
    const S_bod b = bunka(xf, yf);
    return point_id_of_objekt(b.x, b.y);
}

int S_L::return_object_id_showing_to(float x, float y) { return get_object(x, y); }

bool S_L::is_in_object(float x, float y, float m_x, float m_y, float ma_x, float ma_y) {
    return m_x <= x && x <= ma_x && m_y <= y && y <= ma_y;
}

int S_L::return_typ_podkladu(int x, int y) {
    if (!na_mape(x, y)) return -1;
    return point[x][y].typ_podkladu;
}

const char* S_L::objekt_meno(int id) {
    if (!platny_objekt(id)) return "null";
    const S_objekt& o = objekt[id];
    if (o.co_to_je == id_budova) return budova_meno(o.id);
    if (o.co_to_je == id_vojensky_objekt && o.id >= 0 && o.id <= MAX_VOJENSKA_SKUPINA &&
        vojenska_skupina[o.id].nazov)
        return vojenska_skupina[o.id].nazov;
    return "null";
}

const char* S_L::point_meno(int x, int y) { return objekt_meno(point_id_of_objekt(x, y)); }

const char* S_L::budova_meno(int typ) {
    if (typ < 0 || typ > 50 || !budova[typ].meno) return "";
    return budova[typ].meno;
}

const char* S_L::surovina_meno(int id) {
    if (id < 0 || id >= MAX_SUROVIN || !surovina[id].meno) return "";
    return surovina[id].meno;
}

int S_L::return_max_X() { return A; }
int S_L::return_max_Y() { return B; }
int S_L::get_last_building_int() { return last_building_integer; }
int S_L::get_last_surovina_int() { return last_surovina_id; }

// ---------------------------------------------------------------- random numbers

// The classic portable generator: whole numbers 0 … 32767 from a fixed start, never seeded.
static int dalsie_cislo(unsigned int& stav) {
    stav = stav * 1103515245u + 12345u;
    return static_cast<int>((stav / 65536u) % 32768u);
}

int S_L::random(int zaciatok, int koniec) {
    if (koniec < zaciatok) return zaciatok;
    // Map a draw onto the range without bias: draws from the short tail above the last whole
    // multiple of the range's length are rejected, so every value is equally likely and the
    // expected number of draws stays below two for any range.
    const int dlzka = koniec - zaciatok + 1;
    if (dlzka >= 32768) return zaciatok + dalsie_cislo(rand_stav);
    const int hranica = 32768 - 32768 % dlzka;
    int r;
    do {
        r = dalsie_cislo(rand_stav);
    } while (r >= hranica);
    return zaciatok + r % dlzka;
}

// ---------------------------------------------------------------- information list

void S_L::add_information(int id, const char* meno) {
    if (informacie_last_integer + 1 >= MAX_INFORMATION) return;
    ++informacie_last_integer;
    information_list[informacie_last_integer].cilso_informacie = id;
    information_list[informacie_last_integer].meno_objektu = meno;
}

void S_L::refresh_informacia_taken() { given_information = 0; }

// ---------------------------------------------------------------- construction errors

bool S_L::bol_error() { return last_error_active != -1; }

const char* S_L::return_error() {
    const char* text;
    switch (last_error_active) {
        case E_neda_sa_tam_stavat: text = "V stavani brani ina budova alebo teren"; break;
        case E_malo_surovin_na_stavbu:
            text = "Na postavenie tejto budovy nemas dost surovin";
            break;
        case E_nie_su_volne_objekty: text = "Viac budov nie je mozne postavit"; break;
        case E_zle_zadana_budova_na_stavanie:
            text = "Budova ktoru chces postavit neexistuje";
            break;
        default: text = "-"; break;
    }
    last_error_active = -1;
    return text;
}

// ---------------------------------------------------------------- resets

void S_L::reset_objects() {
    for (int i = 0; i < MAX_OBJECTS; ++i) {
        S_objekt& o = objekt[MAX_OBJECTS - 1 - i];
        o.co_to_je = o.id = o.vlastnik = -1;
        o.rot = 0;
        o.je_ludi = o.level = o.percenta = 0;
        o.closed = false;
        o.zona = -1;
        for (int& s : o.skladuje) s = 0;
        volne_objekty[i] = MAX_OBJECTS - 1 - i;
    }
    id_posledny_volny_objekt = MAX_OBJECTS - 1;
    objekt_hwm = 0;
}

void S_L::reset_owners() {
    for (int v = 0; v < MAX_PLAYERS; ++v) {
        S_AI& ai = AI[v];
        for (int t = 0; t < last_building_integer; ++t) ai.stavia_sa[t] = ai.volne[t] = 0;

        S_owner& o = id_owner[v];
        for (int s = 0; s < last_surovina_id; ++s) o.surovina[s] = S_surovina{};
        for (int t = 0; t < last_building_integer; ++t) o.budova[t] = S_owner::S_budova{};
        o.pocet_ludi = o.pocet_zien = o.pocet_muzov = o.pocet_deti = 0;
        o.pocet_chlapcov = o.pocet_dievcat = o.pocet_smrti = 0;
        o.pocet_vojakov = o.pocet_bez_zbrani = o.pocet_lukostrelcov = o.pocet_sermiarov =
            o.pocet_kopijnikov = 0;
        o.zomrelo_muz = o.zomrelo_zena = o.zomrelo_hladom = o.zomrelo_na_chorobu = 0;
        o.hladuje_muz = o.hladuje_zena = 0;
        o.vojak_bez_skupiny_last_id = o.vojak_bez_zbrane_last_id = o.bez_zeny_last_id =
            o.bez_domova_last_id = o.bez_prace_last_id = 0;
        o.stavbari = o.limit_skladu = o.hlavna_budova_last_id = o.privilegia_id = 0;
        o.skupina_last_id = o.pocet_skupin = 0;
        o.veza_last_id = o.veza_volne_miesta = o.brana_last_id = 0;
        o.trpi_chorobou_celkom = 0;
        o.obsadene_min = {209, 209};
        o.obsadene_max = {0, 0};
        for (int i = 0; i < MAX_SKUPIN_NA_VLASTNIKA; ++i) o.skupina[i] = -1;
        for (int d = 0; d < MAX_CHOROBA; ++d) o.trpi_chorobou[d] = 0;
        for (int i = 0; i < MAX_CLOVEK; ++i) {
            o.clovek_bez_domova_list[i] = o.clovek_bez_prace_list[i] =
                o.muzodober_bez_muza_list[i] = -1;
            o.vojak_bez_zbrane[i] = o.vojak_bez_skupiny[i] = -1;
        }
    }
}

void S_L::reset_people() {
    for (int i = 0; i < MAX_CLOVEK; ++i) {
        clovek_volne_id[i] = MAX_CLOVEK - 1 - i;
        S_clovek& c = clovek[i];
        c.x = c.y = -1.0f;
        c.objekt_v_ktorom_byva = c.objekt_v_ktorom_pracuje = -1;
        c.id_matky = c.id_otca = -1;
        for (int& d : c.id_deti) d = -1;
        c.vek = c.pohlavie = c.vlastnik = c.zdravie = c.zbran = c.brnenie = -1;
        c.vojak = false;
        for (int d = 0; d < MAX_CHOROBA; ++d) c.choroba[d].ma = false;
    }
    clovek_posledne_volne_id = MAX_CLOVEK - 1;
    clovek_hwm = 0;
}

void S_L::reset_synchronizers_and_identificators() {
    KASAREN_ID = -1;
    SYNCH_ZONING_CHANGE = SYNCH_DEAD = SYNCH_END_OF_GAME = false;
    time_stop = false;
    je_vojna = false;
    infinite_sources = false;
    zona_last = 0;
    time_slow = true;
    last_error_active = informacie_last_integer = given_information = typ_budovy = -1;
    x = y = 0;
    rot = 0;
    find_way_list_id = find_way_list_id_f = 0;
}
