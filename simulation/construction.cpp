// Construction: the placement cursor, the player's build order `postav`, direct placement of
// finished buildings, the daily construction progress, upgrades, opening and closing, and the
// read-only building queries used by the screens.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// A building type of the catalogue (1 … 34); 0 names no building.
bool je_typ_budovy(int t) { return t >= 1 && t < S_L::last_building_integer; }

bool je_level(int l) { return l >= 0 && l < S_L::MAX_LEVEL; }

}  // namespace

// ---------------------------------------------------------------- placement cursor

void S_L::nastav_typ_budovy(int t) { typ_budovy = t; }

void S_L::nastav_poziciu_stavanej_budovy(int a, int b) {
    x = a;
    y = b;
}

void S_L::posun_stavajucu_budovu(int kam) {
    const int stare_x = x, stare_y = y;
    switch (kam) {
        case doprava: x += 1; break;
        case dolava: x -= 1; break;
        case dopredu: y -= 1; break;
        case dozadu: y += 1; break;
        default: break;
    }
    if (x < 0) x = 0;
    if (x > X_KONIEC) x = X_KONIEC;
    if (y < 0) y = 0;
    if (y > Y_KONIEC) y = Y_KONIEC;

    // The cursor stays strictly within the building radius of one of the owner's main buildings.
    if (!v_dosahu_hlavnej_budovy(x, y)) {
        x = stare_x;
        y = stare_y;
    }
}

bool S_L::v_dosahu_hlavnej_budovy(int cx, int cy) {
    if (!platny_vlastnik(owner)) return false;
    const S_owner& o = id_owner[owner];
    const int pocet = o.hlavna_budova_last_id < MAX_HLAVNA_BUDOVA_NA_HRACA
                          ? o.hlavna_budova_last_id
                          : MAX_HLAVNA_BUDOVA_NA_HRACA;
    const int r = okruh_stavania_od_hlavnej_budovy;
    for (int i = 0; i < pocet; ++i) {
        const S_hlavne_budovy_id& h = o.hlavna_budova[i];
        if (h.x - r < cx && cx < h.x + r && h.y - r < cy && cy < h.y + r) return true;
    }
    return false;
}

void S_L::otoc_stavajucu_budovu() {
    rot += 90.0f;
    if (rot > 359.0f) rot = 0.0f;
}

int S_L::setting_position_x() { return x; }
int S_L::setting_position_y() { return y; }

// ---------------------------------------------------------------- placing

namespace {

// True when the anchor and every footprint cell of type t at (ax, ay) lie on the map and are free.
bool miesto_volne(const S_L& w, int t, int ax, int ay) {
    if (!na_mape(ax, ay) || w.point[ax][ay].id_objektu != -1) return false;
    const S_budova& b = w.budova[t];
    for (int i = ax + b.x_lava; i < ax + b.x_prava; ++i)
        for (int j = ay + b.y_dole; j < ay + b.y_hore; ++j)
            if (!na_mape(i, j) || w.point[i][j].id_objektu != -1) return false;
    return true;
}

// Marks the anchor and footprint cells of object n and starts the object with an empty home
// stock and nobody inside: the id may have belonged to a removed object.
void obsad_miesto(S_L& w, int n, int t, int ax, int ay, bool zatvorena) {
    w.point[ax][ay].id_objektu = n;
    w.point[ax][ay].id_sekundarne = S_L::sekundarne_id_hlavne;
    S_objekt& ob = w.objekt[n];
    ob.zona = w.point[ax][ay].zona;
    ob.closed = w.budova[t].closeable && zatvorena;
    ob.je_ludi = 0;
    for (int& s : ob.skladuje) s = 0;
    const S_budova& b = w.budova[t];
    for (int i = ax + b.x_lava; i < ax + b.x_prava; ++i)
        for (int j = ay + b.y_dole; j < ay + b.y_hore; ++j) {
            S_points& p = w.point[i][j];
            if (p.id_sekundarne == S_L::sekundarne_id_hlavne) continue;
            p.id_sekundarne = n;
            p.id_objektu = S_L::sekundarne_id_hlavne;
        }
}

// Whether the owner holds the cost of a level (the first missing resource is reported in `chyba`).
bool ma_na_cenu(const S_owner& o, const S_level& cena, int& chyba) {
    for (int r = 1; r < S_L::MAX_SUROVIN; ++r)
        if (o.surovina[r].mam < cena.treba_na_postavenie[r].pocet) {
            chyba = r;
            return false;
        }
    return true;
}

void zaplat(S_owner& o, const S_level& cena) {
    for (int r = 0; r < S_L::MAX_SUROVIN; ++r) {
        const int c = cena.treba_na_postavenie[r].pocet;
        if (c > 0) {
            o.surovina[r].mam -= c;
            o.surovina[r].pouzite += c;
        }
    }
}

void rozsir_obsadene(S_owner& o, const S_budova& b, int ax, int ay) {
    if (ax + b.x_lava < o.obsadene_min.x) o.obsadene_min.x = ax + b.x_lava;
    if (ay + b.y_dole < o.obsadene_min.y) o.obsadene_min.y = ay + b.y_dole;
    if (ax + b.x_prava > o.obsadene_max.x) o.obsadene_max.x = ax + b.x_prava;
    if (ay + b.y_hore > o.obsadene_max.y) o.obsadene_max.y = ay + b.y_hore;
}

// Records a main building's cell; an owner holds at most MAX_HLAVNA_BUDOVA_NA_HRACA records, and
// a further main building stands without one.
void zapis_hlavnu_budovu(S_owner& o, int ax, int ay) {
    if (o.hlavna_budova_last_id < 0 || o.hlavna_budova_last_id >= S_L::MAX_HLAVNA_BUDOVA_NA_HRACA) {
        std::printf("ERROR : hlavna budova navyse nie je zapisana\n");
        return;
    }
    o.hlavna_budova[o.hlavna_budova_last_id] = {ax, ay};
    o.hlavna_budova_last_id += 1;
}

}  // namespace

// Puts a building of the current owner on a free site: the object, its cells, the owner's count,
// the type hooks (the barracks hook only for the player when built by order, for anyone when
// placed finished) and the built-up area. Returns the object id, or -1 with error 3.
int S_L::zaloz_budovu(int t, int ax, int ay, int percenta, int level, bool postavena) {
    const int n = odober_volny_objekt();
    if (!platny_objekt(n)) {
        last_error_active = E_nie_su_volne_objekty;
        return -1;
    }
    obsad_miesto(*this, n, t, ax, ay, postavena);
    verzia_mapy += 1;  // a new building can change the paths through its cells
    S_objekt& ob = objekt[n];
    ob.co_to_je = id_budova;
    ob.id = t;
    ob.percenta = percenta;
    ob.rot = rot;
    ob.vlastnik = owner;
    ob.level = level;
    S_owner& o = id_owner[owner];
    o.budova[t].mam += 1;

    if (t == kasaren && (postavena || owner == id_player)) {
        KASAREN_ID = n;
        add_regrutovacie_body_pre_vojenske_skupiny(ax, ay);
    }
    if (t == hlavna_budova) zapis_hlavnu_budovu(o, ax, ay);
    if (t == drevenna_veza) add_veza(n, ax, ay);
    if (t == drevena_brana) add_brana(n, t, ax, ay);
    rozsir_obsadene(o, budova[t], ax, ay);
    return n;
}

int S_L::dovod_odmietnutia(int* surovina) {
    const int t = typ_budovy;
    if (!je_typ_budovy(t) || !platny_vlastnik(owner)) return E_zle_zadana_budova_na_stavanie;
    if (!ma_privilegia(t)) return E_nema_privilegia;
    if (!miesto_volne(*this, t, x, y)) return E_neda_sa_tam_stavat;
    int chyba = 0;
    if (!infinite_sources && !ma_na_cenu(id_owner[owner], budova[t].level[1], chyba)) {
        if (surovina) *surovina = chyba;
        return E_malo_surovin_na_stavbu;
    }
    if (id_posledny_volny_objekt < 0) return E_nie_su_volne_objekty;
    return -1;
}

bool S_L::postav() {
    const int t = typ_budovy;
    int chyba = 0;
    switch (const int dovod = dovod_odmietnutia(&chyba)) {
        case -1:
        case E_nie_su_volne_objekty: break;  // the object is taken below, which sets the code
        case E_nema_privilegia:
            std::printf("nema privilegia pre stavanie %s\n", budova_meno(t));
            return false;
        case E_malo_surovin_na_stavbu:
            std::printf("\npre budovu %d nemam surovina id %d pocet treba %d pocet mam %d\n", t,
                        chyba, budova[t].level[1].treba_na_postavenie[chyba].pocet,
                        id_owner[owner].surovina[chyba].mam);
            last_error_active = dovod;
            return false;
        default:
            last_error_active = dovod;
            // Only a taken site keeps the player placing.
            return dovod == E_neda_sa_tam_stavat;
    }
    S_owner& o = id_owner[owner];
    const S_level& cena = budova[t].level[1];
    const int ax = x, ay = y;
    if (zaloz_budovu(t, ax, ay, 1, 1, false) < 0) return false;
    rot = 0.0f;
    if (!infinite_sources) zaplat(o, cena);
    if (budova[t].zoning) zoning(ax, ay, true);
    typ_budovy = -1;
    return false;
}

void S_L::pridaj_budovu(int nx, int ny, float nrot, int typ, int level) {
    rot = nrot + 0.0f;
    if (rot > 359.0f) rot -= 360.0f;
    pridaj_budovu(nx, ny, typ, level);
}

void S_L::pridaj_budovu(int nx, int ny, int typ, int level) {
    if (!je_typ_budovy(typ) || level < 1 || level > budova[typ].maximalny_level ||
        !je_level(level) || !platny_vlastnik(owner)) {
        last_error_active = E_zle_zadana_budova_na_stavanie;
        return;
    }
    if (!miesto_volne(*this, typ, nx, ny)) {
        last_error_active = E_neda_sa_tam_stavat;
        return;
    }
    zaloz_budovu(typ, nx, ny, 100, level, true);
}

// ---------------------------------------------------------------- daily construction

void S_L::kontroluj_objekty() {
    int postupilo[MAX_PLAYERS] = {0, 0, 0};
    for (int i = 0; i < objekt_hwm; ++i) {
        const S_objekt& ob = objekt[i];
        if (ob.co_to_je != id_budova || ob.percenta >= 100) continue;
        const int o = ob.vlastnik;
        if (!platny_vlastnik(o)) continue;
        const int stavbari = id_owner[o].stavbari;
        // The counter is compared with <=, so stavbari + 1 buildings advance a day.
        if (stavbari > 0 && postupilo[o] <= stavbari && kontroluj_stavbu(i)) postupilo[o] += 1;
    }
}

bool S_L::kontroluj_stavbu(int b) {
    if (!platny_objekt(b)) return false;
    S_objekt& ob = objekt[b];
    if (ob.co_to_je != id_budova || !je_typ_budovy(ob.id) || !je_level(ob.level)) return false;
    if (ob.percenta < 1 || ob.percenta >= 100) return false;
    ob.percenta += budova[ob.id].level[ob.level].percento;
    if (ob.percenta > 100) ob.percenta = 100;
    if (ob.percenta == 100) {
        kontroluj_najdenie_domu_prace();
        const int o = ob.vlastnik;
        if (platny_vlastnik(o)) {
            S_AI& ai = AI[o];
            if (ai.stavia_sa[ob.id] > 0) ai.stavia_sa[ob.id] -= 1;
            ai.volne[ob.id] += 1;
        }
    }
    return true;
}

// ---------------------------------------------------------------- upgrade, open / close

void S_L::upgrade(int o) {
    if (!platny_objekt(o) || !platny_vlastnik(owner)) return;
    S_objekt& ob = objekt[o];
    if (ob.co_to_je != id_budova || !je_typ_budovy(ob.id)) return;
    typ_budovy = ob.id;
    const int dalsi = ob.level + 1;
    if (dalsi < 1 || dalsi > budova[ob.id].maximalny_level || !je_level(dalsi)) return;
    S_owner& vl = id_owner[owner];
    const S_level& cena = budova[ob.id].level[dalsi];
    int chyba = 0;
    if (!infinite_sources && !ma_na_cenu(vl, cena, chyba)) {
        last_error_active = E_malo_surovin_na_stavbu;
        return;
    }
    ob.percenta = 1;
    ob.vlastnik = owner;
    ob.level = dalsi;
    if (!infinite_sources) zaplat(vl, cena);
    typ_budovy = -1;
}

bool S_L::da_sa_up(int o) {
    if (!platny_objekt(o)) return false;
    const S_objekt& ob = objekt[o];
    if (!je_typ_budovy(ob.id)) return false;
    return ob.level < budova[ob.id].maximalny_level;
}

void S_L::close_open(int o) {
    if (!platny_objekt(o)) return;
    objekt[o].closed = !objekt[o].closed;
    verzia_mapy += 1;  // an opened or closed gate changes the paths through it
}

// ---------------------------------------------------------------- queries

int S_L::budova_typ(int cx, int cy) {
    const int o = point_id_of_objekt(cx, cy);
    if (!platny_objekt(o)) return -1;
    if (objekt[o].co_to_je == id_budova) return objekt[o].id;
    return objekt[o].co_to_je;
}

int S_L::budova_level(int cx, int cy) {
    const int o = point_id_of_objekt_not_second(cx, cy);
    if (!platny_objekt(o)) return -1;
    if (objekt[o].co_to_je == id_budova) return objekt[o].level;
    return objekt[o].co_to_je;
}

int S_L::budova_percenta(int cx, int cy) {
    const int o = point_id_of_objekt_not_second(cx, cy);
    if (!platny_objekt(o)) return -1;
    if (objekt[o].co_to_je == id_budova) return objekt[o].percenta;
    return objekt[o].co_to_je;
}

int S_L::budova_level(int o) { return platny_objekt(o) ? objekt[o].level : -1; }
int S_L::budova_percenta(int o) { return platny_objekt(o) ? objekt[o].percenta : -1; }
int S_L::budova_ludia(int o) { return platny_objekt(o) ? objekt[o].je_ludi : -1; }
bool S_L::budova_zatvorena(int o) { return platny_objekt(o) && objekt[o].closed; }

bool S_L::budova_closeable(int o) {
    if (!platny_objekt(o) || !je_typ_budovy(objekt[o].id)) return false;
    return budova[objekt[o].id].closeable;
}

int S_L::budova_maximalny_level(int o) {
    if (!platny_objekt(o) || !je_typ_budovy(objekt[o].id)) return -1;
    return budova[objekt[o].id].maximalny_level;
}

int S_L::budova_produkuje_pocet(int o, int s) {
    if (!platny_objekt(o) || !platna_surovina(s)) return 0;
    const S_objekt& ob = objekt[o];
    if (!je_typ_budovy(ob.id) || !je_level(ob.level)) return 0;
    return budova[ob.id].level[ob.level].produkuje[s].pocet;
}

int S_L::budova_potrebuje_pocet(int o, int s) {
    if (!platny_objekt(o) || !platna_surovina(s)) return 0;
    const S_objekt& ob = objekt[o];
    if (!je_typ_budovy(ob.id) || !je_level(ob.level)) return 0;
    return budova[ob.id].level[ob.level].potrebuje[s].pocet;
}

int S_L::budova_upgrade_pocet(int o, int s) {
    if (!platny_objekt(o) || !platna_surovina(s)) return 0;
    const S_objekt& ob = objekt[o];
    if (!je_typ_budovy(ob.id) || !je_level(ob.level + 1)) return 0;
    return budova[ob.id].level[ob.level + 1].treba_na_postavenie[s].pocet;
}

int S_L::budova_potrebuje_ludi(int o) {
    if (!platny_objekt(o)) return 0;
    const S_objekt& ob = objekt[o];
    if (!je_typ_budovy(ob.id) || !je_level(ob.level)) return 0;
    return budova[ob.id].level[ob.level].vojde_sa_ludi;
}

int S_L::budova_potrebuje_ludi_dalsi_level(int o) {
    if (!platny_objekt(o)) return -1;
    const S_objekt& ob = objekt[o];
    if (!je_typ_budovy(ob.id) || ob.level >= budova[ob.id].maximalny_level ||
        !je_level(ob.level + 1))
        return -1;
    return budova[ob.id].level[ob.level + 1].vojde_sa_ludi;
}

int S_L::budova_postaveny_pocet(int b) {
    if (b < 0 || b >= MAX_BUILDINGS_REAL || !platny_vlastnik(owner)) return 0;
    return id_owner[owner].budova[b].mam;
}

int S_L::treba_na_postavenie(int b, int s) {
    if (b < 0 || b > MAX_BUILDINGS_REAL || !platna_surovina(s)) return 0;
    return budova[b].level[1].treba_na_postavenie[s].pocet;
}

bool S_L::isKasaren() { return platny_objekt(KASAREN_ID); }

int S_L::return_pocet_stavbari() { return platny_vlastnik(owner) ? id_owner[owner].stavbari : 0; }

int S_L::rozostavane_budovy() {
    int n = 0;
    for (int i = 0; i < objekt_hwm; ++i) {
        const S_objekt& ob = objekt[i];
        n += ob.co_to_je == id_budova && ob.vlastnik == owner && ob.percenta < 100;
    }
    return n;
}

int S_L::stavby_cakaju_na_stavbarov() {
    const int n = rozostavane_budovy(), stavbari = return_pocet_stavbari();
    if (stavbari <= 0) return n;
    return n > stavbari + 1 ? n - stavbari - 1 : 0;
}
