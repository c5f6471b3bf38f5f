// The key-binding table, the per-frame dispatcher and the actions of the bindings.
#include "Ovladanie.h"

#include <cstdio>

#include "Camera.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Klavesnica.h"
#include "Menu.h"
#include "Mouse.h"
#include "OpenGL3_3.h"
#include "Ovladanie_Mys.h"
#include "Strategy_library.h"
#include "Ulozene_hry.h"
#include "Write_to_screen.h"

using Strategy_library::S_L;

S_Ovladanie Ovladanie;
bool LIGHTS = false;

// ---------------------------------------------------------------- one binding

void C_Ovladanie::create(bool h, int k, const char* n, void (*a)()) {
    hold_accept = h;
    key = k;
    std::snprintf(nazov, sizeof nazov, "%s", n ? n : "");
    action = a;
    only_one_key_group_lock = -1;
    active = true;
}

void C_Ovladanie::disable() { active = false; }
bool C_Ovladanie::isActive() { return active; }
int C_Ovladanie::return_key() { return key; }
const char* C_Ovladanie::return_nazov() { return nazov; }
bool C_Ovladanie::return_hold_accept() { return hold_accept; }
int C_Ovladanie::only_one_key_group() { return only_one_key_group_lock; }

void C_Ovladanie::make_action() {
    if (action) action();
}

const char* C_Ovladanie::return_key_text() { return ::return_key_text(key); }

const char* return_key_text(int key) {
    // One static text per code: digits and capitals are their own character.
    static char znaky[256][2];
    switch (key) {
        case 27: return "ESC";
        case 32: return "Medzernik";
        case 37: return "Sipka Dolava";
        case 38: return "Sipka Hore";
        case 39: return "Sipka Doprava";
        case 40: return "Sipka Dole";
        case 122: return "F11";
        default: break;
    }
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        znaky[key][0] = static_cast<char>(key);
        znaky[key][1] = '\0';
        return znaky[key];
    }
    return "(Nepoznam)";
}

// ---------------------------------------------------------------- the table

void Default_Ovladanie() {
    S_Ovladanie& o = Ovladanie;
    o = S_Ovladanie{};

    o.System[O_System_LIGHTS].create(false, 122, "LIGHTS", LIGHTS_SWITCHER);
    o.System[O_System_LIGHTS].disable();
    o.System[O_System_FAST_END].create(false, 112, "CLOSE", CLOSE);
    o.System[O_System_FAST_END].disable();
    o.System[O_System_CAMERA_RESET].create(false, 'P', "CAMERA_RESET", CAMERA_RESET);
    o.System[O_System_CAMERA_RESET].disable();

    o.Ovladanie_Info[O_Ovladanie_Info_zatvor].create(false, 27, "Zatvor napovedu ovladania",
                                                     Ovladanie_Info_zatvor_action);

    o.Menu[O_Menu_dole].create(false, 'S', "Menu dole", Menu_dole_action);
    o.Menu[O_Menu_hore].create(false, 'W', "Menu hore", Menu_hore_action);
    o.Menu[O_Menu_potvrd].create(false, 32, "Menu potvrd", Menu_potvrd_action);

    C_Ovladanie* zh = o.Zoznam_Hier;
    zh[O_Zoznam_Hier_dalsia].create(false, 'S', "dalsia ulozena hra", Zoznam_hier_dalsia_action);
    zh[O_Zoznam_Hier_predchadzajuca].create(false, 'W', "predchadzajuca ulozena hra",
                                            Zoznam_hier_predchadzajuca_action);
    zh[O_Zoznam_Hier_nacitaj].create(false, 32, "nacitaj vybranu hru", Zoznam_hier_nacitaj_action);
    zh[O_Zoznam_Hier_zatvor].create(false, 27, "spat do menu", Zoznam_hier_zatvor_action);

    o.Game[O_Game_aktivuj_herne_menu].create(false, 27, "Aktivuj herne menu",
                                             Hra_aktivuj_Herne_Menu);
    o.Game[O_Game_otvor_okno_na_stavanie].create(false, 'B', "Zobraz budov na stavanie",
                                                 Otvor_Okno_Budovy_Na_Stavanie);
    o.Game[O_Game_otvor_okno].create(false, 32, "Zobraz informacie obejtku na ktory ukazujes",
                                     Open_Window);
    o.Game[O_Game_otvor_okno_hlavnej_budovy].create(false, 'H', "Zobraz informacie o krajine",
                                                    Otvor_Okno_Hlavna_budova);
    o.Game[O_Game_zmena_rychlosti].create(false, 'Z', "Zmena rychlosti",
                                          Game_zmena_rychlosti_action);
    o.Game[O_Game_zmena_rychlosti_mesiac_den].create(false, 'M', "Zmena rychlosti mesiac/den",
                                                     Game_zmena_rychlosti_mesiac_den_action);
    o.Game[O_Game_otvor_kasarne].create(false, 'K', "Zobraz menu kasarni", Otvor_kasarne_action);

    o.Hrac[O_Hrac_dopredu].create(true, 38, "Pohyb dopredu", Camera_forward);
    o.Hrac[O_Hrac_dozadu].create(true, 40, "Pohyb dozadu", Camera_backward);
    o.Hrac[O_Hrac_dolava].create(true, 37, "Pohyb dolava", Camera_left);
    o.Hrac[O_Hrac_doprava].create(true, 39, "Pohyb doprava", Camera_right);
    o.Hrac[O_Hrac_zoom_in].create(false, 'O', "Priblizenie", Camera_zoom_in);
    o.Hrac[O_Hrac_zoom_in].disable();
    o.Hrac[O_Hrac_zoom_out].create(false, 'L', "Oddialenie", Camera_zoom_out);
    o.Hrac[O_Hrac_zoom_out].disable();

    o.Okno[O_Okno_zatvor].create(false, 27, "Zatvor okno", Close_Window);

    C_Ovladanie* list = o.Budovy_Na_Stavanie_List;
    list[O_Budovy_Na_Stavanie_List_dalsia_budova].create(false, 'S', "dalsia budova",
                                                         Building_list_dalsia_budova_action);
    list[O_Budovy_Na_Stavanie_List_predchadzajuca_budova].create(
        false, 'W', "predchadzajuca budova", Building_list_predchadzajuca_budova_action);
    list[O_Budovy_Na_Stavanie_List_vyber].create(false, 32, "vyber budovu pre postavenie",
                                                 Building_list_vyber_budovu_action);

    C_Ovladanie* um = o.Umiestni_Budovu;
    um[O_Umiestni_Budovu_doprava].create(false, 'D', "Umiestnovanie budovy doprava",
                                         Umiestni_Budovu_doprava_action);
    um[O_Umiestni_Budovu_dolava].create(false, 'A', "Umiestnovanie budovy dolava",
                                        Umiestni_Budovu_dolava_action);
    um[O_Umiestni_Budovu_hore].create(false, 'W', "Umiestnovanie budovy hore",
                                      Umiestni_Budovu_hore_action);
    um[O_Umiestni_Budovu_dole].create(false, 'S', "Umiestnovanie budovy dole",
                                      Umiestni_Budovu_dole_action);
    um[O_Umiestni_Budovu_potvrd].create(false, 32, "Potvrd poziciu budovy",
                                        Umiestni_Budovu_potvrd_action);
    um[O_Umiestni_Budovu_otoc].create(false, 'R', "Otoc umiestnovanu budovu",
                                      Umiestni_Budovu_otoc_action);
    um[O_Umiestni_Budovu_zrus].create(false, 'X', "Zrus umiestnovanie budovy",
                                      Umiestni_Budovu_zrus_action);

    C_Ovladanie* hb = o.Okno_Hlavna_Budova;
    hb[O_Okno_Hlavna_Budova_doprava].create(false, 'D', "dalsia zalozka", Okno_HB_doprava_action);
    hb[O_Okno_Hlavna_Budova_dolava].create(false, 'A', "predchadzajuca zalozka",
                                           Okno_HB_dolava_action);
    hb[O_Okno_Hlavna_Budova_dalsia_strana].create(false, 'S', "dalsia strana",
                                                  Okno_HB_dalsia_strana_action);
    hb[O_Okno_Hlavna_Budova_predchadzajuca_strana].create(false, 'W', "predchadzajuca strana",
                                                          Okno_HB_predchadzajuca_strana_action);

    C_Ovladanie* k = o.Okno_Kasaren;
    k[O_Okno_Kasaren_doprava].create(false, 'D', "dalsia zalozka",
                                     Okno_Kasaren_dalsia_zalozka_action);
    k[O_Okno_Kasaren_dolava].create(false, 'A', "predchadzajuca zalozka",
                                    Okno_Kasaren_predchadzajuca_zalozka_action);
    k[O_Okno_Kasaren_sub_doprava].create(false, 'S', "dalsia moznost(vertikalne)",
                                         Okno_Kasaren_SUB_dalsia_zalozka_action);
    k[O_Okno_Kasaren_sub_dolava].create(false, 'W', "predchadzajuca moznost(vertikalne)",
                                        Okno_Kasaren_SUB_predchadzajuca_zalozka_action);
    k[O_Okno_Kasaren_sub_potvrd].create(false, 32, "potvrd akciu", Okno_Kasaren_SUB_potvrd_action);
    k[O_Okno_Kasaren_zatvor].create(false, 27, "zatvor okno", Okno_Kasaren_zatvor_action);

    o.Informacie_O_Budove[O_Informacie_O_Budove_upgrade].create(false, 'U', "Dvihni level budove",
                                                                Informacie_O_Budove_upgrade_action);
    o.Informacie_O_Budove[O_Informacie_O_Budove_zatvor_otvor].create(
        false, 'O', "Otvor/Zatvor budovu", Informacie_O_Budove_zatvor_otvor_action);

    C_Ovladanie* v = o.Vojna;
    v[O_Vojna_presun_vojensku_skupinu_na].create(false, 32, "presun skupinu na poziciu",
                                                 Vojna_posli_skupinu_na_action);
    void (*const oznac[10])() = {
        Vojna_oznac_vojensku_skupinu_1_action, Vojna_oznac_vojensku_skupinu_2_action,
        Vojna_oznac_vojensku_skupinu_3_action, Vojna_oznac_vojensku_skupinu_4_action,
        Vojna_oznac_vojensku_skupinu_5_action, Vojna_oznac_vojensku_skupinu_6_action,
        Vojna_oznac_vojensku_skupinu_7_action, Vojna_oznac_vojensku_skupinu_8_action,
        Vojna_oznac_vojensku_skupinu_9_action, Vojna_oznac_vojensku_skupinu_10_action};
    for (int n = 1; n <= 10; ++n) {
        char popis[32];
        std::snprintf(popis, sizeof popis, "oznac skupinu %d", n);
        // Groups 1 … 9 on their digits, group 10 on 0.
        v[O_Vojna_oznac_vojensku_skupinu_1 + n - 1].create(false, '0' + n % 10, popis,
                                                           oznac[n - 1]);
    }
    v[O_Vojna_zrus_oznacenie_skupiny].create(false, 27, "zrus oznacenie skupiny",
                                             Vojna_zrus_oznacenie_skupiny_action);
    v[O_Vojna_emergency_delete].create(false, 'I', "delete attack", Delete_Attack_action);
    v[O_Vojna_emergency_delete].disable();
    v[O_Vojna_zmen_status_brany].create(false, 'G', "otvor/zatvor branu na ktoru ukazujes",
                                        Vojna_otvor_zatvor_branu_action);
}

// ---------------------------------------------------------------- the dispatcher

namespace {

// Walks one group in index order by the fire rule. A key that is down and has not fired since it
// went down fires its binding; a key that is held ends the walk (false: the dispatch function
// returns at once), except in the camera group, where a held key whose binding accepts holding
// fires again. In the camera group only the first binding of a lock group may fire per frame.
bool prejdi_skupinu(C_Ovladanie* skupina, int pocet, bool kamera) {
    int zamky[O_Hrac_last_id];
    int zamknute = 0;
    auto zamknuty = [&](int z) {
        for (int i = 0; i < zamknute; ++i)
            if (zamky[i] == z) return true;
        return false;
    };
    for (int i = 0; i < pocet; ++i) {
        C_Ovladanie& b = skupina[i];
        if (!b.isActive()) continue;
        const int k = b.return_key();
        if (k < 0 || k > 255 || !keys[k]) continue;
        const int zamok = kamera ? b.only_one_key_group() : -1;
        if (zamok >= 0 && zamknuty(zamok)) continue;
        if (!pressed[k] && !hold[k]) {
            pressed[k] = hold[k] = true;
        } else if (!(kamera && b.return_hold_accept())) {
            return false;
        }
        if (zamok >= 0 && zamknute < O_Hrac_last_id) zamky[zamknute++] = zamok;
        b.make_action();
    }
    return true;
}

template <int N>
bool prejdi(C_Ovladanie (&skupina)[N], bool kamera = false) {
    return prejdi_skupinu(skupina, N, kamera);
}

}  // namespace

void Klavesnica_System_Ovladanie() { prejdi(Ovladanie.System); }

void Klavesnica_Menu_Ovladanie() {
    // The list of saves lies over the main menu and takes its keys.
    if (Z_zoznam_hier)
        prejdi(Ovladanie.Zoznam_Hier);
    else if (otvorene_menu())
        prejdi(Ovladanie.Menu);
}

void Klavesnica_Ovladanie_Info() { prejdi(Ovladanie.Ovladanie_Info); }

void Klavesnica_Hrac_Ovladanie() {
    if (!Game.is_running()) return;
    const bool okno = O_open_window || B_show_building_list || H_hlavna_budova ||
                      B_setting_position || I_Informacie_O_Budove;
    if (!je_vojna && !okno && !K_kasaren && !prejdi(Ovladanie.Game)) return;
    if (je_vojna && !prejdi(Ovladanie.Vojna)) return;
    if (okno && !prejdi(Ovladanie.Okno)) return;
    if (I_Informacie_O_Budove && !prejdi(Ovladanie.Informacie_O_Budove)) return;
    if (B_show_building_list && !prejdi(Ovladanie.Budovy_Na_Stavanie_List)) return;
    if (B_setting_position && !prejdi(Ovladanie.Umiestni_Budovu)) return;
    if (H_hlavna_budova && !prejdi(Ovladanie.Okno_Hlavna_Budova)) return;
    if (K_kasaren && !prejdi(Ovladanie.Okno_Kasaren)) return;
    prejdi(Ovladanie.Hrac, true);
}

void Klavesnica_ovladanie() {
    mouse.enable = true;
    Klavesnica_System_Ovladanie();
    Mys_Hrac_Ovladanie();
    if (!Ovladanie_Info_Window) {
        Klavesnica_Menu_Ovladanie();
        Klavesnica_Hrac_Ovladanie();
    } else {
        Klavesnica_Ovladanie_Info();
    }
}

// ---------------------------------------------------------------- the pointer

bool ukazany_bod(int& x, int& y) {
    // The camera has no upper bound; a far (or broken) view centre is simply off the map.
    float fx = moja_vnutorna_mys.x, fy = moja_vnutorna_mys.y;
    if (!(fx >= -1.0f && fx < 1000.0f)) fx = 1000.0f;
    if (!(fy >= -1.0f && fy < 1000.0f)) fy = 1000.0f;
    strategy.correct_point_from_float(fx, fy);
    x = static_cast<int>(fx);
    y = static_cast<int>(fy);
    return Strategy_library::na_mape(x, y);
}

// ---------------------------------------------------------------- menus

void Menu_dole_action() {
    if (C_Menu* m = otvorene_menu()) m->next_Button();
}

void Menu_hore_action() {
    if (C_Menu* m = otvorene_menu()) m->previouse_Button();
}

void Menu_potvrd_action() {
    if (C_Menu* m = otvorene_menu()) m->Button_action();
}

// ---------------------------------------------------------------- the build list and placement

void Otvor_Okno_Budovy_Na_Stavanie() {
    B_show_building_list = true;
    B_setting_position = false;
    B_showing_to_id = 1;
}

void Building_list_dalsia_budova_action() {
    B_showing_to_id += 1;
    if (B_showing_to_id >= strategy.get_last_building()) B_showing_to_id = 1;
}

void Building_list_predchadzajuca_budova_action() {
    B_showing_to_id -= 1;
    if (B_showing_to_id < 1) B_showing_to_id = strategy.get_last_building() - 1;
}

void Building_list_vyber_budovu_action() {
    int x, y;
    ukazany_bod(x, y);
    strategy.nastav_typ_budovy(B_showing_to_id);
    strategy.nastav_poziciu_stavanej_budovy(x, y);
    strategy.otoc_stavajucu_budovu();
    strategy.otoc_stavajucu_budovu();
    B_setting_position = true;
    B_show_building_list = false;
}

// Moves the building being placed by (dx, dy); a step on the map that the building radius
// refuses says so.
static void posun_umiestnovanu(int kam, int dx, int dy) {
    const int x = strategy.setting_position_x() + dx, y = strategy.setting_position_y() + dy;
    strategy.posun_stavajucu_budovu(kam);
    if (Strategy_library::na_mape(x, y) && !strategy.v_dosahu_hlavnej_budovy(x, y))
        oznam_odmietnutie("dalej od hlavnej budovy sa stavat neda");
}

// The camera looks along +y with +x to its left: D (right on screen) is x - 1.
void Umiestni_Budovu_doprava_action() { posun_umiestnovanu(S_L::dolava, -1, 0); }
void Umiestni_Budovu_dolava_action() { posun_umiestnovanu(S_L::doprava, 1, 0); }
void Umiestni_Budovu_hore_action() { posun_umiestnovanu(S_L::dozadu, 0, 1); }
void Umiestni_Budovu_dole_action() { posun_umiestnovanu(S_L::dopredu, 0, -1); }
void Umiestni_Budovu_otoc_action() { strategy.otoc_stavajucu_budovu(); }

void Umiestni_Budovu_potvrd_action() {
    // The reason is read before the order, which forgets the type when it builds.
    int surovina = 0;
    const int t = strategy.typ_budovy, dovod = strategy.dovod_odmietnutia(&surovina);
    B_setting_position = strategy.postav();
    if (dovod >= 0)
        oznam_odmietnutie(text_odmietnutia(dovod, surovina, t));
    else
        sprava_odmietnutia.text[0] = '\0';
}

void Umiestni_Budovu_zrus_action() {
    B_setting_position = false;
    B_show_building_list = false;
    std::printf("canceled\n");
}

// ---------------------------------------------------------------- information windows

void Open_Window() {
    int x, y;
    Open_Window_of_object(ukazany_bod(x, y) ? strategy.point_id_of_objekt(x, y) : -1);
}

void Open_Window_of_object(int id) {
    O_open_window_object_id = id;
    if (id < 0) {
        Close_Window();
        std::printf("window closed\n");
        return;
    }
    O_open_window = true;
    if (strategy.je_budova(id)) {
        std::printf("winow opened\n");
        I_Informacie_O_Budove = true;
    }
}

void Close_Window() {
    O_open_window = B_show_building_list = H_hlavna_budova = false;
    H_suroviny = H_budovy = H_ludia = false;
    I_Informacie_O_Budove = K_kasaren = false;
    O_open_window_object_id = -1;
}

static void nastav_zalozku_HB() {
    H_suroviny = HB_list == 0;
    H_budovy = HB_list == 1;
    H_ludia = HB_list == 2;
}

void Otvor_Okno_Hlavna_budova() {
    H_hlavna_budova = true;
    H_suroviny = true;
    H_budovy = H_ludia = false;
}

void Okno_HB_doprava_action() {
    HB_list += 1;
    if (HB_list >= 3) HB_list = 0;
    nastav_zalozku_HB();
}

void Okno_HB_dolava_action() {
    HB_list -= 1;
    if (HB_list < 0) HB_list = 2;
    nastav_zalozku_HB();
}

void Okno_HB_dalsia_strana_action() { H_showing_list += 1; }

void Okno_HB_predchadzajuca_strana_action() {
    if (H_showing_list > 0) H_showing_list -= 1;
}

void Game_zmena_rychlosti_action() { Game_zmena_rychlosti(); }
void Game_zmena_rychlosti_mesiac_den_action() { Game_zmena_rychlosti_mesiac_den(); }

void Informacie_O_Budove_upgrade_action() {
    if (O_open_window_object_id >= 0) strategy.upgrade(O_open_window_object_id);
}

void Informacie_O_Budove_zatvor_otvor_action() {
    if (O_open_window_object_id >= 0) strategy.close_open(O_open_window_object_id);
}

void Ovladanie_Info_zatvor_action() { Ovladanie_Info_Window = false; }

// ---------------------------------------------------------------- the barracks window

void Otvor_kasarne_action() {
    if (!strategy.isKasaren()) return;
    K_kasaren = true;
    Menu_Kasaren.open();
    // Forth and back again: the tab chosen before opens its sub-menu.
    Okno_Kasaren_dalsia_zalozka_action();
    Okno_Kasaren_predchadzajuca_zalozka_action();
}

void Okno_Kasaren_dalsia_zalozka_action() {
    Menu_Kasaren.next_Button();
    Menu_Kasaren.Button_action();
}

void Okno_Kasaren_predchadzajuca_zalozka_action() {
    Menu_Kasaren.previouse_Button();
    Menu_Kasaren.Button_action();
}

void Okno_Kasaren_SUB_dalsia_zalozka_action() {
    if (C_Menu* m = otvorene_podmenu_kasarne()) m->next_Button();
}

void Okno_Kasaren_SUB_predchadzajuca_zalozka_action() {
    if (C_Menu* m = otvorene_podmenu_kasarne()) m->previouse_Button();
}

void Okno_Kasaren_SUB_potvrd_action() {
    if (C_Menu* m = otvorene_podmenu_kasarne()) {
        strategy.set_player_as_owner();
        m->Button_action();
    }
}

void Okno_Kasaren_zatvor_action() {
    Menu_Kasaren.close();
    K_kasaren = false;
}

// ---------------------------------------------------------------- war

static void oznac_skupinu(int n) {
    strategy.set_player_as_owner();
    V_oznacena_skupina_object_id = strategy.id_vojenskej_skupiny(n - 1);
}

void Vojna_oznac_vojensku_skupinu_1_action() { oznac_skupinu(1); }
void Vojna_oznac_vojensku_skupinu_2_action() { oznac_skupinu(2); }
void Vojna_oznac_vojensku_skupinu_3_action() { oznac_skupinu(3); }
void Vojna_oznac_vojensku_skupinu_4_action() { oznac_skupinu(4); }
void Vojna_oznac_vojensku_skupinu_5_action() { oznac_skupinu(5); }
void Vojna_oznac_vojensku_skupinu_6_action() { oznac_skupinu(6); }
void Vojna_oznac_vojensku_skupinu_7_action() { oznac_skupinu(7); }
void Vojna_oznac_vojensku_skupinu_8_action() { oznac_skupinu(8); }
void Vojna_oznac_vojensku_skupinu_9_action() { oznac_skupinu(9); }
void Vojna_oznac_vojensku_skupinu_10_action() { oznac_skupinu(10); }

void Vojna_zrus_oznacenie_skupiny_action() { V_oznacena_skupina_object_id = -1; }

void Vojna_posli_skupinu_na_action() {
    const int g = V_oznacena_skupina_object_id;
    if (g < 0) return;
    if (!strategy.vojenska_skupina_alive(g)) {
        V_oznacena_skupina_object_id = -1;
        return;
    }
    int x, y;
    ukazany_bod(x, y);
    if (!strategy.presun_vojensku_skupinu_na_bod(g, x, y)) std::printf("FALSE ");
}

void Vojna_otvor_zatvor_branu_action() {
    int x, y;
    if (ukazany_bod(x, y)) strategy.close_open_gate(x, y);
}

void Delete_Attack_action() {
    if (V_oznacena_skupina_object_id >= 0)
        strategy.vojenska_skupina_emergency_delete_attack(V_oznacena_skupina_object_id);
}

// ---------------------------------------------------------------- system

void LIGHTS_SWITCHER() { LIGHTS = !LIGHTS; }
void CAMERA_RESET() { Nastav_Camera(); }
