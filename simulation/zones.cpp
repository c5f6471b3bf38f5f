// Zones: connected areas of the map that can be walked between without crossing a wall, tower or
// closed gate. `zoning` floods the whole map from cell (0, 0) and then from every cell still
// unreached, numbering the areas 0, 1, 2, … ; barrier buildings let the flood through only on
// the sides their catalogue entry opens. Also the owner's gate list, opening and closing gates in
// battle, the gate through which a zone is reached, and releasing a group's cell.
#include <algorithm>
#include <cstdio>

#include "Strategy_library.h"
#include "bunky.h"

using namespace Strategy_library;

namespace {

int zona_bunky(const S_L& w, int cx, int cy) { return na_mape(cx, cy) ? w.point[cx][cy].zona : -1; }

// The gates an owner lists, bounded by the table's size.
int pocet_bran(const S_owner& o) { return std::min(o.brana_last_id, S_L::MAX_OBJECTS); }

}  // namespace

int S_L::calculate_zoning(int r, int direction) {
    r %= 360;
    if (r < 0) r += 360;
    const int q = r / 90;
    int k;
    switch (direction) {
        case vychod: k = 3; break;
        case zapad: k = 1; break;
        case sever: k = 0; break;
        default: k = 2; break;
    }
    return (q + k) % 4;
}

bool S_L::want_control(int want_x, int want_y, int direction) {
    // Only a building can let a step pass beside a wall; a free cell or a standing group cannot.
    const int o = objekt_bunky(*this, want_x, want_y);
    const int t = typ_budovy_objektu(*this, o);
    if (t < 0) return false;
    const S_objekt& ob = objekt[o];
    const int s = calculate_zoning(static_cast<int>(ob.rot), direction);
    const S_budova& b = budova[t];
    if (b.closeable && ob.closed && !b.zoning_side[s]) return false;
    return b.passing[s];
}

bool S_L::can_go_around(int cx, int cy, int o, int r, int b, int direction) {
    if (o < 0 || b < 0 || b >= last_building_integer) return false;
    const int s = calculate_zoning(r, direction);
    if (budova[b].passing[s]) return true;
    if (direction == vychod || direction == zapad) {
        if (cy - 1 >= 0 && cy + 1 < B)
            return want_control(cx, cy - 1, direction) || want_control(cx, cy + 1, direction);
    } else if (direction == sever || direction == juh) {
        if (cx - 1 >= 0 && cx + 1 < A)
            return want_control(cx - 1, cy, direction) || want_control(cx + 1, cy, direction);
    }
    return false;
}

void S_L::zoning_calculation(int p_x, int p_y, int m_x, int m_y, int direction, bool opened_gates) {
    if (!na_mape(p_x, p_y) || !na_mape(m_x, m_y)) return;
    // A cell is numbered when it is pushed, so a numbered cell has been taken already.
    if (point[m_x][m_y].zona != -1) return;
    const int z = point[p_x][p_y].zona;
    const int o = objekt_bunky(*this, m_x, m_y);
    const int t = typ_budovy_objektu(*this, o);

    bool prejde;
    if (o < 0) {
        prejde = true;
    } else if (t < 0 || !budova[t].zoning) {
        objekt[o].zona = z;
        prejde = true;
    } else {
        const S_budova& b = budova[t];
        const int r = static_cast<int>(objekt[o].rot);
        const int s = calculate_zoning(r, direction);
        const bool zvazit = !b.closeable || !objekt[o].closed || b.zoning_side[s] || opened_gates;
        prejde = zvazit && (b.passing[s] || can_go_around(m_x, m_y, o, r, t, direction));
        if (prejde) objekt[o].zona = z;
    }
    if (!prejde) return;
    // Each cell is pushed once at most, so the stack never outgrows the map.
    if (watch_last + 1 >= M) return;
    point[m_x][m_y].zona = z;
    watch[++watch_last][0] = m_x;
    watch[watch_last][1] = m_y;
}

void S_L::zoning(int, int, bool opened_gates) {
    SYNCH_ZONING_CHANGE = true;
    verzia_mapy += 1;
    // Stack entries above `watch_last` are never read, so the stack is emptied, not wiped.
    watch_last = -1;
    zona_last = 0;
    for (int i = 0; i < A; ++i)
        for (int j = 0; j < B; ++j) point[i][j].zona = -1;

    auto zaloz = [&](int cx, int cy, int z) {
        point[cx][cy].zona = z;
        const int o = objekt_bunky(*this, cx, cy);
        if (o >= 0) objekt[o].zona = z;
        watch[++watch_last][0] = cx;
        watch[watch_last][1] = cy;
    };
    // The flood keeps the stack's top in a local and hands it to the full step only for a cell
    // that holds an object; a free cell without a zone simply takes the zone of its neighbour.
    // Neighbours are reached by offsets in the flat array of cells (rows of 200).
    S_points* const body = &point[0][0];
    auto zaplav = [&]() {
        int vrch = watch_last;
        while (vrch >= 0) {
            const int cx = watch[vrch][0], cy = watch[vrch][1];
            --vrch;
            const int ip = cx * B + cy;
            const int z = body[ip].zona;
            auto skus = [&](int nx, int ny, int smer, int dp) {
                S_points& p = body[ip + dp];
                if (p.zona != -1) return;
                if (p.id_objektu == -1) {
                    p.zona = z;
                    ++vrch;
                    watch[vrch][0] = nx;
                    watch[vrch][1] = ny;
                    return;
                }
                watch_last = vrch;
                zoning_calculation(cx, cy, nx, ny, smer, opened_gates);
                vrch = watch_last;
            };
            if (cx + 1 < A) skus(cx + 1, cy, vychod, B);
            if (cx - 1 >= 0) skus(cx - 1, cy, zapad, -B);
            if (cy + 1 < B) skus(cx, cy + 1, sever, 1);
            if (cy - 1 >= 0) skus(cx, cy - 1, juh, -1);
        }
        watch_last = vrch;
    };

    // The cell (0, 0) seeds the outside zone 0 as it is.
    point[0][0].zona = 0;
    watch[++watch_last][0] = 0;
    watch[watch_last][1] = 0;
    zaplav();

    // Every cell before the last seed is already numbered, so the scan goes on from there.
    for (int i = 0; i < A; ++i)
        for (int j = 0; j < B; ++j) {
            if (point[i][j].zona != -1 || bariera_bunky(*this, i, j)) continue;
            zona_last += 1;
            zaloz(i, j, zona_last);
            zaplav();
        }

    for (int i = 0; i < A; ++i)
        for (int j = 0; j < B; ++j)
            if (bariera_bunky(*this, i, j)) {
                point[i][j].zona = -1;
                objekt[objekt_bunky(*this, i, j)].zona = -1;
            }

    S_owner& hrac = id_owner[id_player];
    const int bran = pocet_bran(hrac);
    for (int g = 0; g < bran; ++g) {
        S_brana& br = hrac.brana[g];
        if (!platny_objekt(br.objekt_id)) {
            std::printf("FATAL ERROR : zoning : owner ma zle nastavene brany");
            continue;
        }
        int r = static_cast<int>(objekt[br.objekt_id].rot) % 360;
        if (r < 0) r += 360;
        if (r == 0 || r == 180) {
            br.zona_1 = zona_bunky(*this, br.x, br.y + 1);
            br.zona_2 = zona_bunky(*this, br.x, br.y - 1);
        } else if (r == 90 || r == 270) {
            br.zona_1 = zona_bunky(*this, br.x + 1, br.y);
            br.zona_2 = zona_bunky(*this, br.x - 1, br.y);
        }
    }
}

bool S_L::diff_zones(float px, float py, float tx, float ty) {
    auto mimo = [](float v) { return !(v >= 0.0f && v <= static_cast<float>(X_KONIEC)); };
    if (mimo(tx) || mimo(ty) || mimo(px) || mimo(py)) return true;
    find_point(px, py);
    find_point(tx, ty);
    const int ax = static_cast<int>(px), ay = static_cast<int>(py);
    const int bx = static_cast<int>(tx), by = static_cast<int>(ty);
    // 199.6 passes the check above but rounds to cell 200, which is off the map as well.
    if (!na_mape(ax, ay) || !na_mape(bx, by)) return true;
    return point[ax][ay].zona != point[bx][by].zona;
}

// ---------------------------------------------------------------- gate list

int S_L::add_brana(int o, int b, int bx, int by) {
    if (!platny_objekt(o)) return -1;
    const int vl = objekt[o].vlastnik;
    if (!platny_vlastnik(vl)) return -1;
    S_owner& own = id_owner[vl];
    if (own.brana_last_id < 0 || own.brana_last_id >= MAX_OBJECTS) return -1;
    const int i = own.brana_last_id;
    own.brana[i] = {bx, by, o, b, -1, -1};
    own.brana_last_id += 1;
    return i;
}

void S_L::odstran_branu(int o) {
    if (!platny_objekt(o) || !platny_vlastnik(objekt[o].vlastnik)) return;
    S_owner& own = id_owner[objekt[o].vlastnik];
    const int n = pocet_bran(own);
    for (int i = 0; i < n; ++i) {
        if (own.brana[i].objekt_id != o) continue;
        for (int k = i; k + 1 < n; ++k) own.brana[k] = own.brana[k + 1];
        own.brana[n - 1] = {-1, -1, -1, -1, -1, -1};
        own.brana_last_id = n - 1;
        return;
    }
}

void S_L::close_open_gate(int g) {
    if (!je_vojna) return;
    const S_owner& hrac = id_owner[id_player];
    if (g < 0 || g >= pocet_bran(hrac)) return;
    const int o = hrac.brana[g].objekt_id;
    if (!platny_objekt(o) || !budova_closeable(o)) return;
    close_open(o);
    std::printf("OVLADANIE BRANY ZONING CHANGE REQ");
    zoning(0, 0, false);
}

void S_L::close_open_gate(int bx, int by) {
    const S_owner& hrac = id_owner[id_player];
    const int n = pocet_bran(hrac);
    int g = 0;
    while (g < n && !(hrac.brana[g].x == bx && hrac.brana[g].y == by)) ++g;
    // Gates are worked only in a battle, by a player who still has an army in the field.
    if (g == n || !je_vojna || !player_has_ground_army) return;
    std::printf("STAV BRANY ZMENENY");
    close_open_gate(g);
}

// ---------------------------------------------------------------- gate search

// Zones are the nodes and the owner's gates the edges. A walk starts in the outside zone 0 and
// follows, from each zone, the first gate in list order whose two zones are not dead ends; a zone
// with no such gate is marked a dead end and the walk starts again from zone 0. The first gate
// touching zone 0 on the walk that reaches the wanted zone is the answer.
//
// A walk never enters a zone it has already passed through: from the same zone with the same
// dead ends it would take the same gates again and go round for ever (two zones joined by one
// gate are enough), so a zone whose gates all lead back counts as a dead end instead.
void S_L::najdi_poziciu_brany(int vl, int tz, int& bx, int& by) {
    bx = by = -1;
    if (!platny_vlastnik(vl) || zona_last < 0 || zona_last >= M) return;
    const S_owner& own = id_owner[vl];
    const int n = pocet_bran(own);
    constexpr int SLEPA = -2;
    int* stav = brana_zona_stav;
    std::fill(stav, stav + zona_last + 1, -1);
    // Gates read before the last zone computation may name zones that no longer exist.
    auto platna = [&](int z) { return z >= -1 && z <= zona_last; };
    auto slepa = [&](int z) { return z >= 0 && stav[z] == SLEPA; };

    int oznacenych = 0, c = 0, cesta = 0, gx = -1, gy = -1;
    stav[0] = cesta;
    for (;;) {
        bool posun = false;
        for (int i = 0; i < n && !posun; ++i) {
            const S_brana& br = own.brana[i];
            const int z1 = br.zona_1, z2 = br.zona_2;
            if (!platna(z1) || !platna(z2)) continue;
            if (!((z1 == c && z2 != -1) || (z1 != -1 && z2 == c))) continue;
            if ((z1 == 0 || z2 == 0) && (!slepa(z1) || !slepa(z2)) && gx == -1 && gy == -1) {
                gx = br.x;
                gy = br.y;
            }
            if (z1 == tz || z2 == tz) {
                bx = gx;
                by = gy;
                return;
            }
            const int dalsia = z1 == c ? z2 : z1;
            if (!slepa(z1) && !slepa(z2) && stav[dalsia] != cesta) {
                c = dalsia;
                stav[c] = cesta;
                posun = true;
            }
        }
        if (!posun) {
            if (!slepa(c)) {
                stav[c] = SLEPA;
                ++oznacenych;
            }
            if (c == 0) return;
            c = 0;
            gx = gy = -1;
            stav[0] = ++cesta;
        }
        if (oznacenych >= zona_last) return;
    }
}

// ---------------------------------------------------------------- groups

// Releases group s from the map: attacks on it end, and its tile is cleared (a cell of a
// building's footprint goes back to the building).
void S_L::unbound(int s) {
    if (s < 0 || s > MAX_VOJENSKA_SKUPINA) return;
    S_vojenska_skupina& g = vojenska_skupina[s];
    unbound_attacks_to_target(g.objekt_id);
    zdvihni_z_bunky(s);
    g.x = g.y = -1;
}
