// Zones: connected areas of the map that can be walked between without crossing a wall, tower or
// closed gate. `zoning` floods the whole map from cell (0, 0) and then from every cell still
// unreached, numbering the areas 0, 1, 2, … ; barrier buildings let the flood through only on
// the sides their catalogue entry opens. Also the owner's gate list.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// The object on a cell, or -1 when the cell is free or off the map.
int objekt_na(S_L& w, int cx, int cy) {
    const int o = w.point_id_of_objekt(cx, cy);
    return platny_objekt(o) ? o : -1;
}

// The building type of object o when it is a catalogued building, else -1.
int typ_budovy_objektu(const S_L& w, int o) {
    if (!platny_objekt(o)) return -1;
    const S_objekt& ob = w.objekt[o];
    if (ob.co_to_je != S_L::id_budova || ob.id < 0 || ob.id >= S_L::last_building_integer)
        return -1;
    return ob.id;
}

int zona_bunky(const S_L& w, int cx, int cy) { return na_mape(cx, cy) ? w.point[cx][cy].zona : -1; }

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
    const int t = typ_budovy_objektu(*this, objekt_na(*this, want_x, want_y));
    if (t < 0) return false;
    const S_objekt& ob = objekt[point_id_of_objekt(want_x, want_y)];
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
    if (watched[m_x][m_y] || point[m_x][m_y].zona != -1) return;
    const int z = point[p_x][p_y].zona;
    const int o = objekt_na(*this, m_x, m_y);
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
    watched[m_x][m_y] = true;
}

void S_L::zoning(int, int, bool opened_gates) {
    SYNCH_ZONING_CHANGE = true;
    for (int i = 0; i < M; ++i) watch[i][0] = watch[i][1] = -1;
    for (auto& riadok : watched)
        for (bool& w : riadok) w = false;
    watch_last = -1;
    zona_last = 0;
    for (int i = 0; i < A; ++i)
        for (int j = 0; j < B; ++j) point[i][j].zona = -1;

    auto zaloz = [&](int cx, int cy, int z) {
        point[cx][cy].zona = z;
        const int o = objekt_na(*this, cx, cy);
        if (o >= 0) objekt[o].zona = z;
        watch[++watch_last][0] = cx;
        watch[watch_last][1] = cy;
        watched[cx][cy] = true;
    };
    auto zaplav = [&]() {
        while (watch_last >= 0) {
            const int cx = watch[watch_last][0], cy = watch[watch_last][1];
            watch[watch_last][0] = watch[watch_last][1] = -1;
            --watch_last;
            if (!na_mape(cx, cy)) continue;
            if (cx + 1 < A) zoning_calculation(cx, cy, cx + 1, cy, vychod, opened_gates);
            if (cx - 1 >= 0) zoning_calculation(cx, cy, cx - 1, cy, zapad, opened_gates);
            if (cy + 1 < B) zoning_calculation(cx, cy, cx, cy + 1, sever, opened_gates);
            if (cy - 1 >= 0) zoning_calculation(cx, cy, cx, cy - 1, juh, opened_gates);
        }
    };
    auto je_bariera = [&](int cx, int cy) {
        const int t = typ_budovy_objektu(*this, objekt_na(*this, cx, cy));
        return t >= 0 && budova[t].zoning;
    };

    // The cell (0, 0) seeds the outside zone 0 as it is.
    point[0][0].zona = 0;
    watch[++watch_last][0] = 0;
    watch[watch_last][1] = 0;
    watched[0][0] = true;
    zaplav();

    // Every cell before the last seed is already numbered, so the scan goes on from there.
    for (int i = 0; i < A; ++i)
        for (int j = 0; j < B; ++j) {
            if (point[i][j].zona != -1 || je_bariera(i, j)) continue;
            zona_last += 1;
            zaloz(i, j, zona_last);
            zaplav();
        }

    for (int i = 0; i < A; ++i)
        for (int j = 0; j < B; ++j)
            if (je_bariera(i, j)) {
                point[i][j].zona = -1;
                objekt[point_id_of_objekt(i, j)].zona = -1;
            }

    S_owner& hrac = id_owner[id_player];
    const int bran = hrac.brana_last_id < MAX_OBJECTS ? hrac.brana_last_id : MAX_OBJECTS;
    for (int g = 0; g < bran; ++g) {
        S_brana& br = hrac.brana[g];
        if (!platny_objekt(br.objekt_id)) {
            std::printf("FATAL ERROR : zoning : owner ma zle nastavene brany\n");
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
