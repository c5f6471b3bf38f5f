// Cell lookups shared by the zone flood and the path search: the object standing on a cell, its
// building type, whether it is a barrier (a wall, tower or gate) and whether it blocks now. Inline,
// because both walks ask them for every cell of the map.
#pragma once

#include "Strategy_library.h"

namespace Strategy_library {

// The object on a cell (anchor or secondary), or -1 when the cell is free or off the map.
inline int objekt_bunky(const S_L& w, int cx, int cy) {
    if (!na_mape(cx, cy)) return -1;
    const S_points& p = w.point[cx][cy];
    const int o = p.id_objektu == S_L::sekundarne_id_hlavne ? p.id_sekundarne : p.id_objektu;
    return platny_objekt(o) ? o : -1;
}

// The building type of object o when it is a catalogued building, else -1.
inline int typ_budovy_objektu(const S_L& w, int o) {
    if (!platny_objekt(o)) return -1;
    const S_objekt& ob = w.objekt[o];
    if (ob.co_to_je != S_L::id_budova || ob.id < 0 || ob.id >= S_L::last_building_integer)
        return -1;
    return ob.id;
}

// The catalogue entry of the barrier building standing on a cell, or nullptr.
inline const S_budova* bariera_bunky(const S_L& w, int cx, int cy) {
    const int t = typ_budovy_objektu(w, objekt_bunky(w, cx, cy));
    return t >= 0 && w.budova[t].zoning ? &w.budova[t] : nullptr;
}

// The barrier object that blocks a cell now (a wall, a tower, a closed gate), or -1.
inline int zatarasujuci_objekt(const S_L& w, int cx, int cy) {
    const int o = objekt_bunky(w, cx, cy);
    const int t = typ_budovy_objektu(w, o);
    if (t < 0 || !w.budova[t].zoning) return -1;
    return w.budova[t].closeable && !w.objekt[o].closed ? -1 : o;
}

}  // namespace Strategy_library
