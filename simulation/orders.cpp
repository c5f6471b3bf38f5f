// Group orders and movement: the single order to go to a tile (walk, attack or defend a
// building, support a friend, attack an enemy group), the enemy's deployment, the long walk
// waypoint by waypoint, one movement step of every walking group, and the group on a tile.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// Orders take groups 0 … 30.
bool v_rozsahu_rozkazu(int g) { return g >= 0 && g < S_L::MAX_VOJENSKA_SKUPINA; }

}  // namespace

// ---------------------------------------------------------------- the group's tile

bool S_L::skupina_na_svojej_bunke(int g) {
    const S_vojenska_skupina& s = vojenska_skupina[g];
    return na_mape(s.x, s.y) && platny_objekt(s.objekt_id) &&
           point_id_of_objekt(s.x, s.y) == s.objekt_id;
}

void S_L::poloz_skupinu_na_bunku(int g, int bx, int by) {
    S_vojenska_skupina& s = vojenska_skupina[g];
    S_points& p = point[bx][by];
    // A recruitment point lies inside the barracks: remember the footprint cell it covers (also
    // when another group standing there covered it first) so the building gets it back.
    const int pod = point_id_of_objekt(bx, by);
    int* budova_pod = skupina_bunka_budovy[g];
    budova_pod[0] = budova_pod[1] = -1;
    if (platny_objekt(pod) && objekt[pod].co_to_je == id_budova) {
        budova_pod[0] = p.id_objektu;
        budova_pod[1] = p.id_sekundarne;
    } else if (platny_objekt(pod) && objekt[pod].co_to_je == id_vojensky_objekt &&
               platna_skupina(objekt[pod].id)) {
        budova_pod[0] = skupina_bunka_budovy[objekt[pod].id][0];
        budova_pod[1] = skupina_bunka_budovy[objekt[pod].id][1];
    }
    p.id_objektu = sekundarne_id_hlavne;
    p.id_sekundarne = s.objekt_id;
    s.x = bx;
    s.y = by;
}

void S_L::vrat_bunku_budove(int g, int bx, int by) {
    const int* budova_pod = skupina_bunka_budovy[g];
    const int b = budova_pod[0] == sekundarne_id_hlavne ? budova_pod[1] : budova_pod[0];
    if (!na_mape(bx, by) || !platny_objekt(b) || objekt[b].co_to_je != id_budova) return;
    if (point[bx][by].id_objektu != -1) return;  // someone else stands there now
    point[bx][by].id_objektu = budova_pod[0];
    point[bx][by].id_sekundarne = budova_pod[1];
}

void S_L::zdvihni_z_bunky(int g) {
    // Only the tile that holds the group's own object is cleared: a group never placed, or one
    // whose tile another group took over, leaves the tile alone.
    if (!skupina_na_svojej_bunke(g)) return;
    const S_vojenska_skupina& s = vojenska_skupina[g];
    point[s.x][s.y].id_objektu = point[s.x][s.y].id_sekundarne = -1;
    vrat_bunku_budove(g, s.x, s.y);
}

// ---------------------------------------------------------------- orders

bool S_L::presun_vojensku_skupinu_na(int skupina, int x, int y, int skupina_own) {
    return presun_vojensku_skupinu_na(skupina, x, y, skupina_own, false, 0.0f);
}

bool S_L::presun_vojensku_skupinu_na(int skupina, int x, int y, int skupina_own, bool deploy,
                                     float rot) {
    const int g = skupina;
    if (!v_rozsahu_rozkazu(g)) {
        std::printf("Presun skupiny ERROR:  skupina mimo rozsah ");
        return false;
    }
    if (x < 0 || x > X_KONIEC) {
        std::printf("Presun skupiny ERROR:  pozicia X mimo rozsah ");
        return false;
    }
    if (y < 0 || y > Y_KONIEC) {
        std::printf("Presun skupiny ERROR:   pozicia Y mimo rozsah");
        return false;
    }
    S_vojenska_skupina& s = vojenska_skupina[g];
    // A disbanded or buried group has nobody to move: an order must not give its empty row a new
    // map object, which the row's next recruit would drop for good.
    if (s.dead_status && s.zoznam_vojakov_last_id == 0) {
        std::printf("Presun skupiny ERROR:  skupina %d je rozpustena ", g);
        return false;
    }
    const int O = point_id_of_objekt(x, y);
    auto postav_clenov = [&](float heading, bool otoc) {
        for (int k = 0; k < clenov(g); ++k) {
            const int c = zivy_clen(g, k);
            if (c == -1) continue;
            clovek[c].x = x + clovek[c].formation_x;
            clovek[c].y = y + clovek[c].formation_y;
            if (otoc) clovek[c].heading = heading;
        }
        s.xf = static_cast<float>(x);
        s.yf = static_cast<float>(y);
    };

    if (deploy) {
        if (O != -1) {
            std::printf("ERROR : deploy troops : presun(deploy) : ciel pre %d nie je volny\n", g);
            return false;
        }
        if (s.objekt_id == -1) {
            std::printf("ERROR: deploy troops : presun(deploy) : skupina %d musi mat id \n", g);
            return false;
        }
        s.go_to_x = x;
        s.go_to_y = y;
        postav_clenov(rot, true);
        s.rot = rot;
        std::printf("skupina %d deployed on %d x %d \n", g, x, y);
        return true;
    }

    const S_owner& ow = aktualny_vlastnik();
    const bool bod = skupina_own >= 0 && skupina_own < MAX_SKUPIN_NA_VLASTNIKA &&
                     ow.vojenska_skupina[skupina_own].x == x &&
                     ow.vojenska_skupina[skupina_own].y == y;
    if (O == -1 || bod) {
        const auto [ix, iy] = bunka(s.xf, s.yf);
        const int zona_odkial = na_mape(ix, iy) ? point[ix][iy].zona : -1;
        const int zona_kam = point[x][y].zona;
        if (s.objekt_id != -1 && !bod && zona_odkial != zona_kam && zona_odkial != -1 &&
            zona_kam != -1) {
            std::printf(
                "presun skupiny : vojenska skupina %d (zona[%d]) sa nemoze presunut na %d x %d "
                "(zona[%d]) \n",
                g, zona_odkial, x, y, zona_kam);
            return false;
        }
        s.go_to_x = x;
        s.go_to_y = y;
        if (s.objekt_id == -1) {
            const int o = odober_volny_objekt();
            if (!platny_objekt(o)) {
                std::printf("Presun skupiny FATAL ERROR: nie su volne objekty ");
                return false;
            }
            S_objekt& ob = objekt[o];
            ob.co_to_je = id_vojensky_objekt;
            ob.id = g;
            ob.vlastnik = owner;
            ob.rot = 0.0f;
            s.objekt_id = o;
            // The tile the object is registered on is the group's anchor.
            poloz_skupinu_na_bunku(g, x, y);
            std::printf("ERROR : skupina %d nema objekt id -> nove id %d\n", g, o);
            postav_clenov(0.0f, false);
            return true;
        }
        if (bod && (s.x != x || s.y != y)) {
            // The anchor moves to the recruitment point, and the object with it.
            zdvihni_z_bunky(g);
            poloz_skupinu_na_bunku(g, x, y);
        }
        s.moved = true;
        return true;
    }

    const S_objekt& ob = objekt[O];
    if (ob.co_to_je == id_budova) {
        if (ob.vlastnik == s.vlastnik) {
            std::printf("vojenska skupina %d obranuje budovu na %d x %d \n", g, x, y);
            return vojenska_skupina_obranuj_budovu(g, x, y);
        }
        std::printf("vojenska skupina %d utoci na budovu na %d x %d \n", g, x, y);
        return vojenska_skupina_utok_na_budovu(g, x, y);
    }
    if (ob.co_to_je == id_vojensky_objekt) {
        if (ob.vlastnik == s.vlastnik) {
            std::printf("vojenska skupina %d podporuje %d na  %d x %d \n", g, ob.id, x, y);
            return vojenska_skupina_podpor_spojenca(g, x, y);
        }
        std::printf("vojenska skupina %d utoci na skupinu %d na %d x %d \n", g, ob.id, x, y);
        return vojenska_skupina_utok_na_nepriatela(g, x, y);
    }
    std::printf("Presun skupiny ERROR:   nezname chyba");
    return false;
}

namespace {

bool platny_rozkaz(int g, int x, int y) { return v_rozsahu_rozkazu(g) && na_mape(x, y); }

}  // namespace

// The group walks to tile (x, y).
void S_L::posli_skupinu(int g, int x, int y) {
    vojenska_skupina[g].go_to_x = x;
    vojenska_skupina[g].go_to_y = y;
    vojenska_skupina[g].moved = true;
}

bool S_L::vojenska_skupina_utok_na_budovu(int skupina, int x, int y) {
    const int g = skupina;
    if (!platny_rozkaz(g, x, y)) return false;
    S_vojenska_skupina& s = vojenska_skupina[g];
    const int o = point_id_of_objekt(x, y);
    if (!platny_objekt(o) || objekt[o].co_to_je != id_budova || objekt[o].vlastnik == s.vlastnik ||
        objekt[o].id < 0 || objekt[o].id >= last_building_integer)
        return false;
    if (!budova[objekt[o].id].obranna_budova) {
        std::printf("presun %d k obycajnej budove na %d x %d\n", g, x, y);
        posli_skupinu(g, x, y);
        return true;
    }
    if (s.utoci_na_objekt == -1) {
        s.utoci_na_objekt = o;
        s.utoci_na_x = x;
        s.utoci_na_y = y;
    }
    std::printf("utok %d na obrannu budovu na %d x %d\n", g, x, y);
    if (!s.range_attack) {
        std::printf("utok presun (no range) %d na obrannu budovu na %d x %d\n", g, x, y);
        posli_skupinu(g, x, y);
        return true;
    }
    if (vzdialenost2(s.x, s.y, x, y) > s.range_of_attack) {
        std::printf("utok presun (range) %d na obrannu budovu na %d x %d\n", g, x, y);
        posli_skupinu(g, x, y);
        return false;
    }
    return true;
}

bool S_L::vojenska_skupina_obranuj_budovu(int skupina, int x, int y) {
    const int g = skupina;
    if (!platny_rozkaz(g, x, y)) return false;
    const int o = point_id_of_objekt(x, y);
    if (!platny_objekt(o) || objekt[o].co_to_je != id_budova ||
        objekt[o].vlastnik != vojenska_skupina[g].vlastnik || objekt[o].id < 0 ||
        objekt[o].id >= last_building_integer)
        return false;
    posli_skupinu(g, x, y);
    return true;
}

bool S_L::vojenska_skupina_utok_na_nepriatela(int skupina, int x, int y) {
    const int g = skupina;
    if (!platny_rozkaz(g, x, y)) return false;
    std::printf("utok presun (no range) %d na vojensku skupinu na %d x %d\n", g, x, y);
    posli_skupinu(g, x, y);
    return true;
}

bool S_L::vojenska_skupina_podpor_spojenca(int skupina, int x, int y) {
    const int g = skupina;
    if (!platny_rozkaz(g, x, y)) return false;
    posli_skupinu(g, x, y);
    return true;
}

// ---------------------------------------------------------------- the long walk and the movement
// step

bool S_L::presun_vojensku_skupinu_na_bod(int skupina, int x, int y) {
    const int g = skupina;
    if (g < 0 || g >= riadkov_skupin() || vojenska_skupina[g].vlastnik != owner) return false;
    S_vojenska_skupina& s = vojenska_skupina[g];
    int tx = x, ty = y;
    if (!find_path(s.xf, s.yf, tx, ty, true)) {
        std::printf("cesta z %f x %f na %d x %d neexistuje\n", s.xf, s.yf, x, y);
        return false;
    }
    s.final_x = x;
    s.final_y = y;
    const bool ok = presun_vojensku_skupinu_na(g, tx, ty, -1);
    if (!ok) s.final_x = s.final_y = -1;
    return ok;
}

void S_L::vojna_pohyb() {
    for (int g = 0, n = riadkov_skupin(); g < n; ++g) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        if (!s.moved) continue;
        auto zastav = [&]() {
            s.go_to_x = s.go_to_y = -1;
            s.utoci_na_objekt = s.utoci_na_x = s.utoci_na_y = -1;
            s.final_x = s.final_y = -1;
            s.moved = false;
        };
        const auto [tx, ty] = bunka(s.xf, s.yf);
        const int zona_t = na_mape(tx, ty) ? point[tx][ty].zona : -1;
        const int zona_g = na_mape(s.go_to_x, s.go_to_y) ? point[s.go_to_x][s.go_to_y].zona : -1;
        const int na_bunke = na_mape(tx, ty) ? point_id_of_objekt(tx, ty) : -1;
        const bool otvorena = platny_objekt(na_bunke) && objekt[na_bunke].co_to_je == id_budova &&
                              !objekt[na_bunke].closed;
        if (zona_t != zona_g && zona_t != -1 && zona_g != -1 && !otvorena) {
            std::printf(
                "Vojenska skupina %d (%dx%d zona %d)sa nemoze dostat na poziciu %d x %d zona %d \n",
                g, tx, ty, zona_t, s.go_to_x, s.go_to_y, zona_g);
            s.go_to_x = tx;
            s.go_to_y = ty;
            s.utoci_na_objekt = s.utoci_na_x = s.utoci_na_y = -1;
            s.final_x = s.final_y = -1;
            s.moved = false;
            continue;
        }
        auto do_ciela = [&] {
            return vzdialenost_bodov(s.xf, s.yf, static_cast<float>(s.go_to_x),
                                     static_cast<float>(s.go_to_y));
        };
        const float pred = do_ciela();
        int zivych = 0, v_cieli = 0;
        for (int k = 0; k < clenov(g); ++k) {
            const int c = zivy_clen(g, k);
            if (c == -1) continue;
            S_clovek& p = clovek[c];
            ++zivych;
            const float dx = s.go_to_x + p.formation_x - p.x, dy = s.go_to_y + p.formation_y - p.y;
            if (dx * dx + dy * dy < 0.01f || !pohyb_clovek(c, static_cast<float>(s.go_to_x),
                                                           static_cast<float>(s.go_to_y), true))
                ++v_cieli;
            s.rot = p.heading;
        }
        prepocitaj_stred(g);
        // Closer to where it walks by more than the float noise of a recomputed centre.
        if (do_ciela() < pred - 1e-4f) bitka_bez_pokroku = 0;
        if (v_cieli < zivych) continue;
        s.moved = false;
        if (s.final_x == -1) {
            s.go_to_x = s.go_to_y = s.final_x = s.final_y = -1;
            continue;
        }
        const S_bod b = bunka(s.xf, s.yf);
        if (b.x == s.final_x && b.y == s.final_y) continue;
        std::printf("skupina %d next point [%d,%d] \n", g, s.final_x, s.final_y);
        int wx = s.final_x, wy = s.final_y;
        // The same leg again means everyone stands where this one left him (a wall holds some
        // back): walking it once more gets the group no closer, so the walk is given up.
        if (!find_path(s.xf, s.yf, wx, wy, true) || (wx == s.go_to_x && wy == s.go_to_y) ||
            !presun_vojensku_skupinu_na(g, wx, wy, -1))
            zastav();
    }
}

// ---------------------------------------------------------------- queries

int S_L::vojenska_skupina_na_suradniciach(int x, int y, int vl) {
    for (int g = 0, n = riadkov_skupin(); g < n; ++g) {
        const S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.vlastnik == vl || s.dead_status || s.zoznam_vojakov_last_id == s.dead) continue;
        const S_bod b = bunka(s.xf, s.yf);
        if (b.x == x && b.y == y) return g;
    }
    return -1;
}
