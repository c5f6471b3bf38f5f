// The mesh registry: every model the game draws is loaded once at start-up into
// `graficky_objekt`, and the world records (building levels, ground per month, soldier kinds, the
// ram, the map markers) keep the id of their mesh. The lookups turn a thing of the world into the
// draw handle of its mesh; a link of -1 (a model that failed to load) gives -1 everywhere, so it
// is simply not drawn.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

constexpr int VELKOST_BASE_LIST = 40011;

const char* const PODKLAD = "./obj/graf_obj/podklad/";

// A mesh id that names a loaded mesh.
bool nacitany(const S_L& s, int id) { return id >= 0 && id < s.last_graficky_objekt; }

// A loaded mesh with a draw-handle slot.
bool platny_mesh(const S_L& s, int id) { return nacitany(s, id) && id < VELKOST_BASE_LIST; }

}  // namespace

int S_L::Nacitaj_graficky_objekt(const char* folder, const char* path) {
    if (!nacitaj_mesh) {
        std::printf("ERROR : no mesh loader installed, %s not loaded\n", path ? path : "");
        return -1;
    }
    if (last_graficky_objekt >= MAX_GRAFICKYCH_OBJEKTOV) {
        std::printf("ERROR : mesh registry full, %s not loaded\n", path ? path : "");
        return -1;
    }
    const int id = last_graficky_objekt;
    if (!nacitaj_mesh(folder, path, graficky_objekt[id])) return -1;
    ++last_graficky_objekt;
    return id;
}

void S_L::Nacitaj_graficke_objekty() {
    // Loads folder + file and returns the new mesh id (-1 when it failed).
    auto nacitaj = [this](const char* folder, const char* file) {
        char cesta[256];
        std::snprintf(cesta, sizeof cesta, "%s%s", folder, file);
        return Nacitaj_graficky_objekt(folder, cesta);
    };
    const char* const produkcia = "./obj/graf_obj/buildings/produkcia/";
    const char* const obrana = "./obj/graf_obj/buildings/obrana/";
    const char* const sklady = "./obj/graf_obj/buildings/sklady/";
    const char* const dom_folder = "./obj/graf_obj/buildings/house/";

    struct Riadok {
        const char* folder;
        const char* file;
        int typ;
    };
    const Riadok budovy[] = {
        {dom_folder, "house.obj", dom},
        {produkcia, "kamenik.obj", kamenarstvo},
        {produkcia, "kovac_kopije.obj", kovac_kopije},
        {produkcia, "kovac_lahke_brnenie.obj", kovac_lahke_brnenie},
        {produkcia, "kovac_mece.obj", kovac_mece},
        {produkcia, "kovac_tazke_brnenie.obj", kovac_tazke_brnenie},
        {produkcia, "krajcir_kozenne_brnenie.obj", krajcir_kozenne_brnenie},
        // The goat keeper shares the tailor's model, loaded a second time as its own mesh.
        {produkcia, "krajcir_kozenne_brnenie.obj", koziar},
        {produkcia, "lovec.obj", lovec},
        {produkcia, "mlyn.obj", mlyn},
        {produkcia, "pekaren.obj", pekaren},
        {produkcia, "rybar.obj", rybar},
        {produkcia, "studna.obj", studna},
        {produkcia, "tehliaren.obj", tehliaren},
        {produkcia, "zberac_dreva.obj", zberac_dreva},
        {produkcia, "zberac_hliny.obj", zberac_hliny},
        {produkcia, "zberac_kamena.obj", zberac_kamena},
        {produkcia, "zberac_rudy.obj", zberac_rudy},
        {produkcia, "zbrojar_luk.obj", zbrojar_luk},
        {produkcia, "kosiar.obj", kosiar},
        {obrana, "drevena_veza.obj", drevenna_veza},
        {obrana, "drevena_brana.obj", drevena_brana},
        {obrana, "kamenna_veza.obj", kamenna_veza},
        {obrana, "palisada.obj", drevena_palisada},
        {sklady, "sklad.obj", sklad},
        {sklady, "sypka.obj", sypka},
        {produkcia, "farma.obj", farma},
        {produkcia, "cintorin.obj", cintorin},
        {produkcia, "kozusinar.obj", kozusinar},
        {obrana, "kasaren.obj", kasaren},
    };
    for (const Riadok& r : budovy)
        budova[r.typ].level[1].graficky_objekt = nacitaj(r.folder, r.file);
    // Marble and the second brickworks have no model of their own.
    budova[vyrobca_mramoru].level[1].graficky_objekt = budova[kamenarstvo].level[1].graficky_objekt;
    budova[tehliarens].level[1].graficky_objekt = budova[tehliaren].level[1].graficky_objekt;

    // Ground per month: 0 has its own, winter Nov-Jan, spring Feb-Apr, summer May-Jul,
    // autumn Aug-Oct.
    for (int m = 0; m < mesiac_last_id; ++m) {
        const char* file = "trava.obj";
        if (m == 1 || m == 11 || m == 12)
            file = "trava_zima.obj";
        else if (m >= 2 && m <= 4)
            file = "trava_jar.obj";
        else if (m >= 5 && m <= 7)
            file = "trava_leto.obj";
        else if (m >= 8 && m <= 10)
            file = "trava_jesen.obj";
        podklad[0].mesiac[m].graficky_objekt = nacitaj(PODKLAD, file);
    }

    vojna[v_sermiar].graficky_objekt =
        nacitaj("./obj/graf_obj/people/Men/Soldiers/SwordFighter/", "swordFighter.obj");
    vojna[v_lukostrelec].graficky_objekt =
        nacitaj("./obj/graf_obj/people/Men/Soldiers/Archer/", "Archer.obj");
    vojna[v_kopijnik].graficky_objekt =
        nacitaj("./obj/graf_obj/people/Men/Soldiers/SpearFighter/", "spearFighter.obj");
    vojna[v_bez_zbrane].graficky_objekt =
        nacitaj("./obj/graf_obj/people/Men/Soldiers/SiegeWeaponsUsers/", "SiegeWeaponUser.obj");
    vojenske_stroje[VS_baranidlo].gb = nacitaj("./obj/graf_obj/Stroje/", "baranidlo.obj");

    const char* skupina = "./obj/graf_obj/Visual_Pointers/Vojenska_Skupina/";
    const char* veza = "./obj/graf_obj/Visual_Pointers/Veza/";
    visual_pointer[VIP_moja_vojenska_skupina].graficky_objekt =
        nacitaj(skupina, "vojenskaSkupinaMoja.obj");
    visual_pointer[VIP_moja_vojenska_skupina_aktivna].graficky_objekt =
        nacitaj(skupina, "vojenskaSkupinaMojaAktivna.obj");
    visual_pointer[VIP_moja_vojenska_skupina_oznacena].graficky_objekt =
        nacitaj(skupina, "vojenskaSkupinaMojaOznacena.obj");
    visual_pointer[VIP_cudzia_vojenska_skupina_aktivna].graficky_objekt =
        nacitaj(skupina, "vojenskaSkupinaCudziaAktivna.obj");
    visual_pointer[VIP_moja_veza].graficky_objekt = nacitaj(veza, "vezaMoja.obj");
    visual_pointer[VIP_moja_veza_ma_vojakov].graficky_objekt = nacitaj(veza, "vezaMojaVojaci.obj");
    // The shooting markers load "mine" before "foreign".
    visual_pointer[VIP_moja_veza_striela].graficky_objekt = nacitaj(veza, "vezaMojaStriela.obj");
    visual_pointer[VIP_cudzia_veza_striela].graficky_objekt =
        nacitaj(veza, "vezaCudziaStriela.obj");
}

int S_L::return_last_graficky_objekt() { return last_graficky_objekt; }

std::vector<glm::vec3> S_L::graficky_objekt_vektory(int id) {
    if (!nacitany(*this, id)) return {};
    return graficky_objekt[id].out_vertices.kopia();
}

std::vector<glm::vec3> S_L::graficky_objekt_farby(int id) {
    if (!nacitany(*this, id)) return {};
    return graficky_objekt[id].out_colors.kopia();
}

int S_L::graficky_objekt_verteces_size(int id) {
    if (!nacitany(*this, id)) return 0;
    return graficky_objekt[id].out_vertices.size();
}

void S_L::save_vertexBuffer(int id, unsigned int buffer) {
    if (nacitany(*this, id)) graficky_objekt[id].vertexbuffer = buffer;
}

void S_L::save_colorBuffer(int id, unsigned int buffer) {
    if (nacitany(*this, id)) graficky_objekt[id].colorbuffer = buffer;
}

unsigned int S_L::graficky_objekt_vertex_buffer(int id) {
    if (!nacitany(*this, id)) return 0;
    return graficky_objekt[id].vertexbuffer;
}

unsigned int S_L::graficky_objekt_color_buffer(int id) {
    if (!nacitany(*this, id)) return 0;
    return graficky_objekt[id].colorbuffer;
}

void S_L::uloz_graficky_objekt_base_list(int id, int handle) {
    if (id < 0 || id >= VELKOST_BASE_LIST) {
        std::printf("ERROR : mesh %d has no draw-handle slot\n", id);
        return;
    }
    base_list[id] = handle;
}

// ---------------------------------------------------------------- draw handles

// The draw handle of a mesh link; -1 for a link of -1 or one that names no loaded mesh.
static int handle(const S_L& s, int mesh) { return platny_mesh(s, mesh) ? s.base_list[mesh] : -1; }

int S_L::graficky_objekt_base_list(int typ) {
    if (typ < 0 || typ >= last_building_integer) return -1;
    return handle(*this, budova[typ].level[1].graficky_objekt);
}

int S_L::graficky_objekt_base_list(int x, int y) {
    const int o = point_id_of_objekt_not_second(x, y);
    if (!platny_objekt(o)) return -1;
    const S_objekt& ob = objekt[o];
    if (!platny_typ_a_level(ob.id, ob.level)) return -1;
    return handle(*this, budova[ob.id].level[ob.level].graficky_objekt);
}

int S_L::graficky_objekt_podklad_base_list(int p) {
    if (p < 0 || p >= podklad_last_id) return -1;
    int m = time.mesiac;
    if (m < M_januar || m > M_december) m = M_januar;
    return handle(*this, podklad[p].mesiac[m].graficky_objekt);
}

int S_L::graficky_objekt_soldier_base_list(int skupina, int i) {
    if (skupina < 0 || skupina > MAX_VOJENSKA_SKUPINA || i < 0 || i > MAX_VOJACI_V_SKUPINE)
        return -1;
    const int c = vojenska_skupina[skupina].zoznam_vojakov[i];
    if (!platny_clovek(c)) return -1;
    int druh = v_bez_zbrane;
    switch (clovek[c].zbran) {
        case mec: druh = v_sermiar; break;
        case luk: druh = v_lukostrelec; break;
        case kopija: druh = v_kopijnik; break;
        default: break;
    }
    return handle(*this, vojna[druh].graficky_objekt);
}

int S_L::graficky_objekt_stroj_base_list(int k) {
    if (k < 0 || k >= vojenske_stroje_last_id) return -1;
    return handle(*this, vojenske_stroje[k].gb);
}

int S_L::graficky_objekt_VIP_base_list(int k) {
    if (k < 0 || k >= VIP_last_id) return -1;
    return handle(*this, visual_pointer[k].graficky_objekt);
}

// ---------------------------------------------------------------- markers and meshes by tile

int S_L::return_budova_VIP(int x, int y) {
    const int o = point_id_of_objekt_not_second(x, y);
    if (!platny_objekt(o) || objekt[o].co_to_je != id_budova) return -1;
    const S_objekt& ob = objekt[o];
    if (ob.id == drevena_brana)
        return ob.closed ? VIP_cudzia_vojenska_skupina_aktivna : VIP_moja_veza;
    if (ob.id != drevenna_veza) return -1;
    if (!platny_vlastnik(ob.vlastnik)) return -1;

    const int v = return_veza_id(o);
    const bool ma_vezu = v >= 0 && v < MAX_OBJECTS;
    const S_veza* veza = ma_vezu ? &id_owner[ob.vlastnik].veza[v] : nullptr;
    if (ob.vlastnik == id_player) {
        int k = VIP_moja_veza;
        if (veza && veza->pocet > 0) k = VIP_moja_veza_ma_vojakov;
        if (veza && veza->bol_utok) k = VIP_moja_veza_striela;
        return k;
    }
    return veza && veza->bol_utok ? VIP_cudzia_veza_striela : -1;
}

int S_L::get_graficky_objekt(float fx, float fy) {
    // Far off the map (or not a number): no tile, and no float-to-int conversion out of range.
    if (!(fx > -1.0f && fx < A + 1.0f && fy > -1.0f && fy < B + 1.0f)) return -1;
    find_point(fx, fy);
    const int px = static_cast<int>(fx), py = static_cast<int>(fy);
    if (!na_mape(px, py)) return -1;
    const int o = point_id_of_objekt(px, py);
    if (!platny_objekt(o) || objekt[o].co_to_je != id_budova) return -1;
    const int typ = objekt[o].id;
    if (typ < 0 || typ >= last_building_integer) return -1;
    // Only a loaded mesh has a bounding box to offer.
    const int mesh = budova[typ].level[1].graficky_objekt;
    return nacitany(*this, mesh) ? mesh : -1;
}
