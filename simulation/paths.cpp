// Paths and movement: the step rule between neighbouring cells, the breadth-first search that
// turns a goal cell into the next waypoint (the far end of the first straight stretch), one step
// of a person toward a point with its collision test against walls, towers and closed gates, the
// walking speed by equipment, and the heading and distance helpers these use.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

#include "Strategy_library.h"
#include "bunky.h"
#include "geometria.h"

using namespace Strategy_library;

namespace {

// Whether a step may enter cell (nx, ny) from a cell of zone z0; both cells lie on the map.
inline bool moze_vstupit(const S_L& w, int z0, int nx, int ny) {
    const int z1 = w.point[nx][ny].zona;
    if (z0 != z1 && z0 != -1 && z1 != -1) return false;
    return zatarasujuci_objekt(w, nx, ny) < 0;
}

}  // namespace

bool S_L::can_go_to_point(int w_p_x, int w_p_y, int w_n_x, int w_n_y) {
    if (!na_mape(w_p_x, w_p_y) || !na_mape(w_n_x, w_n_y)) return false;
    return moze_vstupit(*this, point[w_p_x][w_p_y].zona, w_n_x, w_n_y);
}

S_bod S_L::find_next_point(int x1, int y1, int x2, int y2) {
    constexpr S_bod ziadny{-1, -1};
    if (!na_mape(x1, y1) || !na_mape(x2, y2)) return ziadny;

    // A cell is marked by this search when its entry is at least `baza`; the distance is the
    // excess. Every search starts above every mark of the searches before it (no distance reaches
    // the map's cell count), and the array is wiped only when the base would overflow.
    constexpr int KROK = A * B + 1;
    if (find_way_baza > INT_MAX - 2 * KROK) {
        std::fill(&find_way_point[0][0], &find_way_point[0][0] + 201 * 201, -1);
        find_way_baza = 0;
    }
    find_way_baza += KROK;
    const int baza = find_way_baza;
    auto znacka = [&](int cx, int cy) {
        const int v = find_way_point[cx][cy];
        return v >= baza ? v - baza : -1;
    };

    // The queue: entries from `predok` to `koniec` are waiting; entries past the end are never
    // read, so they are not wiped either.
    int koniec = 0, predok = 0;
    find_way_list[0][0] = x1;
    find_way_list[0][1] = y1;
    find_way_point[x1][y1] = baza;
    int* const znacky = &find_way_point[0][0];
    const S_points* const body = &point[0][0];
    int tx = x2, ty = y2;
    while (predok <= koniec) {
        const int cx = find_way_list[predok][0], cy = find_way_list[predok][1];
        ++predok;
        if (cx == tx && cy == ty) break;
        // The neighbours are reached by offsets from the cell in the flat arrays: a row of marks
        // is 201 entries long, a row of cells 200.
        const int im = cx * 201 + cy, ip = cx * B + cy;
        const int dalsia = znacky[im] + 1;
        const int zc = body[ip].zona;
        // One neighbour; a free cell is decided here, a cell with an object by the full rule.
        auto skus = [&](int nx, int ny, int dm, int dp) {
            int& znak = znacky[im + dm];
            if (znak >= baza) return;
            const S_points& p = body[ip + dp];
            bool smie = p.id_objektu == -1 ? p.zona == zc || p.zona == -1 || zc == -1
                                           : moze_vstupit(*this, zc, nx, ny);
            if (!smie) {
                if (nx != tx || ny != ty || !je_budova(nx, ny)) return;
                // A goal the step may not enter: a gate is reached as if open, a wooden tower is
                // approached to the cell beside it, any other wall is not reached from here, a
                // building that is no wall is reached.
                const int t = typ_budovy_objektu(*this, objekt_bunky(*this, nx, ny));
                if (t >= 0 && budova[t].zoning && !budova[t].closeable) {
                    if (t == drevenna_veza) {
                        znak = dalsia;
                        tx = cx;
                        ty = cy;
                    }
                    return;
                }
            }
            znak = dalsia;
            ++koniec;
            find_way_list[koniec][0] = nx;
            find_way_list[koniec][1] = ny;
        };
        if (cx > 0) skus(cx - 1, cy, -201, -B);
        if (cx < X_KONIEC) skus(cx + 1, cy, 201, B);
        if (cy > 0) skus(cx, cy - 1, -1, -1);
        if (cy < Y_KONIEC) skus(cx, cy + 1, 1, 1);
        // A tower goal moved onto this cell: the way to it is marked, nothing further is needed.
        if (cx == tx && cy == ty) break;
    }
    find_way_list_id = koniec;
    find_way_list_id_f = predok;

    if (znacka(tx, ty) < 0 || (tx == x1 && ty == y1)) return ziadny;

    // Back from the goal along falling marks, x moves first; W is the far end of the first
    // straight stretch as seen from the start.
    S_bod cur{tx, ty}, w{tx, ty}, p{tx, ty};
    static constexpr int SX[4] = {1, -1, 0, 0}, SY[4] = {0, 0, 1, -1};
    while (cur.x != x1 || cur.y != y1) {
        const int hladana = znacka(cur.x, cur.y) - 1;
        int k = 0;
        while (k < 4 && !(na_mape(cur.x + SX[k], cur.y + SY[k]) &&
                          znacka(cur.x + SX[k], cur.y + SY[k]) == hladana))
            ++k;
        if (k == 4) {
            std::printf("ERROR : spetne hladanie cesty z [%d][%d] na [%d][%d] FALSE\n", x1, y1, tx,
                        ty);
            return ziadny;
        }
        cur = {cur.x + SX[k], cur.y + SY[k]};
        if (cur.x != w.x && cur.y != w.y) w = p;
        p = cur;
    }
    return w;
}

bool S_L::find_path(float xf, float yf, int& tx, int& ty, bool pamat) {
    if (xf == 0.0f && yf == 0.0f) {
        std::printf("find path : position 0 0 ");
        return false;
    }
    // A position off the map, or one that is not a number, has no cell to start from.
    if (!(xf > -1.0f && xf < static_cast<float>(A) && yf > -1.0f && yf < static_cast<float>(B)))
        return false;
    find_point(xf, yf);
    const int sx = static_cast<int>(xf), sy = static_cast<int>(yf);
    if (!na_mape(sx, sy) || !na_mape(tx, ty)) return false;
    if (tx == sx && ty == sy) return false;
    const int zs = point[sx][sy].zona, zt = point[tx][ty].zona;
    if (zs == zt || zs == -1 || zt == -1) {
        // The war asks for the same leg again and again (a group out of reach looks for its
        // target every step). A search on the same map version between the same two tiles gives
        // the same waypoint, so its answer is kept.
        const unsigned kluc = static_cast<unsigned>(((sx * 200 + sy) * 200 + tx) * 200 + ty);
        S_cesta_v_pamati& z = cesty_v_pamati[(kluc * 2654435761u) >> 24];
        if (pamat && z.platna && z.kluc == kluc && z.verzia == verzia_mapy) {
            if (!z.najdena) return false;
            tx = z.wx;
            ty = z.wy;
            return true;
        }
        const S_bod w = find_next_point(sx, sy, tx, ty);
        const bool najdena = w.x != -1 && w.y != -1;
        // A search that reached its goal and still failed printed the error of its walk back:
        // such an answer is not replayed silently.
        if (pamat && (najdena || find_way_point[tx][ty] < find_way_baza))
            z = {true, kluc, verzia_mapy, najdena, w.x, w.y};
        if (!najdena) return false;
        tx = w.x;
        ty = w.y;
        return true;
    }
    std::printf("find path : nesedia zony %d a %d\n", zs, zt);
    return false;
}

float S_L::rychlost_vrat(int c) {
    if (!platny_clovek(c)) return static_cast<float>(R_NIC);
    const S_clovek& p = clovek[c];
    if (p.skupina >= 0 && p.skupina <= MAX_VOJENSKA_SKUPINA) {
        const int stroj = vojenska_skupina[p.skupina].vojensky_stroj;
        if (stroj == VS_baranidlo) return static_cast<float>(R_BARANIDLO);
        if (stroj != -1) return static_cast<float>(R_NIC);
    }
    switch (p.brnenie) {
        case tazke_brnenie: return static_cast<float>(R_TAZKA_ZBROJ);
        case lahke_brnenie: return static_cast<float>(R_STREDNA_ZBROJ);
        case kozenne_brnenie: return static_cast<float>(R_LAHKA_ZBROJ);
        default: return static_cast<float>(R_NIC);
    }
}

float S_L::The_Angle(float px, float py, float pz, float x2, float y2, float z2) {
    const float d = vzdialenost(px, py, pz, x2, y2, z2);
    // Two equal points have no direction between them.
    if (d == 0.0f) return 0.0f;
    const float a = std::asin((pz - z2) / d) * 180.0f / 3.1415927f;
    return px > x2 ? 270.0f - (a + 180.0f) : a + 270.0f;
}

float S_L::get_angle(float px, float py, float x2, float y2) {
    return The_Angle(px, 0.0f, py, x2, 0.0f, y2);
}

bool S_L::pohyb_clovek(int c, float dx, float dy, bool formation, bool ignore) {
    if (!platny_clovek(c)) return false;
    S_clovek& p = clovek[c];
    const float ox = p.x, oy = p.y;
    const float gx = formation ? p.formation_x + dx : dx;
    const float gy = formation ? p.formation_y + dy : dy;
    // Already there: no step to take, and the heading stays as it was.
    if (ox == gx && oy == gy) return true;

    const float h = get_angle(ox, oy, gx, gy);
    const float krok = 0.1f * rychlost_vrat(c) / 100.0f;
    const float nx = ox - std::sin(h * STUPEN) * krok;
    const float ny = oy - std::cos(h * STUPEN) * krok;
    p.x = nx;
    p.y = ny;
    p.heading = h;
    if (ignore) return true;

    float bx = nx, by = ny;
    find_point(bx, by);
    const int cx = static_cast<int>(bx), cy = static_cast<int>(by);
    const int o = zatarasujuci_objekt(*this, cx, cy);
    if (o < 0) return true;
    const int t = objekt[o].id;

    // The barrier's ground-plane box: the mesh's x and z extent turned with the building, each
    // interval from its smaller end, around the cell. A mesh that did not load leaves the cell.
    float min_x = -0.5f, max_x = 0.5f, min_y = -0.5f, max_y = 0.5f;
    const int g = budova[t].level[1].graficky_objekt;
    if (g >= 0 && g < last_graficky_objekt) {
        const S_graficky_objekt& m = graficky_objekt[g];
        float ax = m.min_x, ay = m.min_y, az = m.min_z;
        float bx2 = m.max_x, by2 = m.max_y, bz = m.max_z;
        Rotacia_Bodu(ax, ay, az, 0.0f, objekt[o].rot, 0.0f);
        Rotacia_Bodu(bx2, by2, bz, 0.0f, objekt[o].rot, 0.0f);
        min_x = std::min(ax, bx2);
        max_x = std::max(ax, bx2);
        min_y = std::min(az, bz);
        max_y = std::max(az, bz);
    }
    min_x += bx;
    max_x += bx;
    min_y += by;
    max_y += by;

    static constexpr float OX[5] = {0.0f, -0.1f, 0.1f, 0.1f, -0.1f};
    static constexpr float OY[5] = {0.0f, -0.1f, 0.1f, -0.1f, 0.1f};
    for (int k = 0; k < 5; ++k)
        if (is_in_object(nx + OX[k], ny + OY[k], min_x, min_y, max_x, max_y)) {
            p.x = ox;
            p.y = oy;
            return false;
        }
    return true;
}

bool S_L::pohyb_clovek(int c, float dx, float dy, bool formation) {
    return pohyb_clovek(c, dx, dy, formation, false);
}

float S_L::vzdialenost2(int px, int py, int x2, int y2) {
    const long long ddx = static_cast<long long>(px) - x2, ddy = static_cast<long long>(py) - y2;
    const long long q = ddx * ddx + ddy * ddy;
    long long r = static_cast<long long>(std::sqrt(static_cast<double>(q)));
    while (r * r > q) --r;
    while ((r + 1) * (r + 1) <= q) ++r;
    return static_cast<float>(r);
}
