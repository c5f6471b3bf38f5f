// The key-binding table: groups of bindings switched on and off by the screen state, the
// per-frame dispatcher that fires them, and the action of every binding.
#pragma once

// One key binding: a key, its description for the controls help, whether holding the key repeats
// the action every frame, and the action itself.
class C_Ovladanie {
public:
    int key = 0;
    char nazov[256] = {};
    bool hold_accept = false;
    void (*action)() = nullptr;
    int only_one_key_group_lock = -1;
    bool active = false;  // a binding does nothing until create() runs

    void create(bool hold_accept, int key, const char* nazov, void (*action)());
    void disable();
    bool isActive();
    int return_key();
    const char* return_nazov();
    bool return_hold_accept();
    int only_one_key_group();
    void make_action();
    const char* return_key_text();
};

// Indices of the bindings inside their groups; O_<group>_last_id is the group's size.
constexpr int O_Menu_dole = 0, O_Menu_hore = 1, O_Menu_potvrd = 2, O_Menu_last_id = 3;
constexpr int O_Hrac_dopredu = 0, O_Hrac_dozadu = 1, O_Hrac_dolava = 2, O_Hrac_doprava = 3,
              O_Hrac_zoom_in = 4, O_Hrac_zoom_out = 5, O_Hrac_last_id = 6;
constexpr int O_Game_aktivuj_herne_menu = 0, O_Game_otvor_okno_na_stavanie = 1,
              O_Game_otvor_okno = 2, O_Game_otvor_okno_hlavnej_budovy = 3,
              O_Game_zmena_rychlosti = 4, O_Game_zmena_rychlosti_mesiac_den = 5,
              O_Game_otvor_kasarne = 6, O_Game_last_id = 7;
constexpr int O_Budovy_Na_Stavanie_List_dalsia_budova = 0,
              O_Budovy_Na_Stavanie_List_predchadzajuca_budova = 1,
              O_Budovy_Na_Stavanie_List_vyber = 2, O_Budovy_Na_Stavanie_List_last_id = 3;
constexpr int O_System_LIGHTS = 0, O_System_LIGHTS_W = 1, O_System_LIGHTS_A = 2,
              O_System_LIGHTS_S = 3, O_System_LIGHTS_D = 4, O_System_FAST_END = 5,
              O_System_CAMERA_RESET = 6, O_System_last_id = 7;
constexpr int O_Okno_zatvor = 0, O_Okno_last_id = 1;
constexpr int O_Okno_Hlavna_Budova_doprava = 0, O_Okno_Hlavna_Budova_dolava = 1,
              O_Okno_Hlavna_Budova_dalsia_strana = 2,
              O_Okno_Hlavna_Budova_predchadzajuca_strana = 3, O_Okno_Hlavna_Budova_last_id = 4;
constexpr int O_Umiestni_Budovu_doprava = 0, O_Umiestni_Budovu_dolava = 1,
              O_Umiestni_Budovu_hore = 2, O_Umiestni_Budovu_dole = 3, O_Umiestni_Budovu_potvrd = 4,
              O_Umiestni_Budovu_otoc = 5, O_Umiestni_Budovu_zrus = 6, O_Umiestni_Budovu_last_id = 7;
constexpr int O_Informacie_O_Budove_upgrade = 0, O_Informacie_O_Budove_zatvor_otvor = 1,
              O_Informacie_O_Budove_last_id = 2;
constexpr int O_Ovladanie_Info_zatvor = 0, O_Ovladanie_Info_last_id = 1;
constexpr int O_Vojna_presun_vojensku_skupinu_na = 0, O_Vojna_oznac_vojensku_skupinu_1 = 1,
              O_Vojna_oznac_vojensku_skupinu_10 = 10, O_Vojna_zrus_oznacenie_skupiny = 11,
              O_Vojna_emergency_delete = 12, O_Vojna_zmen_status_brany = 13, O_Vojna_last_id = 14;
constexpr int O_Okno_Kasaren_doprava = 0, O_Okno_Kasaren_dolava = 1, O_Okno_Kasaren_sub_doprava = 2,
              O_Okno_Kasaren_sub_dolava = 3, O_Okno_Kasaren_sub_potvrd = 4,
              O_Okno_Kasaren_zatvor = 5, O_Okno_Kasaren_last_id = 6;
constexpr int O_Zoznam_Hier_dalsia = 0, O_Zoznam_Hier_predchadzajuca = 1, O_Zoznam_Hier_nacitaj = 2,
              O_Zoznam_Hier_zatvor = 3, O_Zoznam_Hier_last_id = 4;

// Every binding group, in the table's order.
struct S_Ovladanie {
    C_Ovladanie Menu[O_Menu_last_id];
    C_Ovladanie Hrac[O_Hrac_last_id];
    C_Ovladanie Game[O_Game_last_id];
    C_Ovladanie Budovy_Na_Stavanie_List[O_Budovy_Na_Stavanie_List_last_id];
    C_Ovladanie System[O_System_last_id];
    C_Ovladanie Okno[O_Okno_last_id];
    C_Ovladanie Okno_Hlavna_Budova[O_Okno_Hlavna_Budova_last_id];
    C_Ovladanie Umiestni_Budovu[O_Umiestni_Budovu_last_id];
    C_Ovladanie Informacie_O_Budove[O_Informacie_O_Budove_last_id];
    C_Ovladanie Ovladanie_Info[O_Ovladanie_Info_last_id];
    C_Ovladanie Vojna[O_Vojna_last_id];
    C_Ovladanie Okno_Kasaren[O_Okno_Kasaren_last_id];
    // The list of saved games behind "Nacitaj Hru".
    C_Ovladanie Zoznam_Hier[O_Zoznam_Hier_last_id];
};

extern S_Ovladanie Ovladanie;
// The lights switch of the system group (nothing reads it).
extern bool LIGHTS;

// The key code's display name: "ESC", "Medzernik", the arrows, digits and capitals, "F11";
// "(Nepoznam)" for anything else.
const char* return_key_text(int key);

// Fills the binding table (once, at start-up).
void Default_Ovladanie();
// The per-frame dispatcher and the group handlers it calls.
void Klavesnica_ovladanie();
void Klavesnica_System_Ovladanie();
void Klavesnica_Menu_Ovladanie();
void Klavesnica_Hrac_Ovladanie();
void Klavesnica_Ovladanie_Info();

// The pointed tile: the view centre rounded to its map tile. False when it lies off the map.
bool ukazany_bod(int& x, int& y);

// ---------------------------------------------------------------- actions
void Menu_dole_action();
void Menu_hore_action();
void Menu_potvrd_action();
void Otvor_Okno_Budovy_Na_Stavanie();
void Building_list_dalsia_budova_action();
void Building_list_predchadzajuca_budova_action();
void Building_list_vyber_budovu_action();
void Umiestni_Budovu_doprava_action();
void Umiestni_Budovu_dolava_action();
void Umiestni_Budovu_hore_action();
void Umiestni_Budovu_dole_action();
void Umiestni_Budovu_potvrd_action();
void Umiestni_Budovu_otoc_action();
void Umiestni_Budovu_zrus_action();
void Open_Window();
void Open_Window_of_object(int id);
void Close_Window();
void Otvor_Okno_Hlavna_budova();
void Okno_HB_doprava_action();
void Okno_HB_dolava_action();
void Okno_HB_dalsia_strana_action();
void Okno_HB_predchadzajuca_strana_action();
void Game_zmena_rychlosti_action();
void Game_zmena_rychlosti_mesiac_den_action();
void Informacie_O_Budove_upgrade_action();
void Informacie_O_Budove_zatvor_otvor_action();
void Otvor_kasarne_action();
void Okno_Kasaren_dalsia_zalozka_action();
void Okno_Kasaren_predchadzajuca_zalozka_action();
void Okno_Kasaren_SUB_dalsia_zalozka_action();
void Okno_Kasaren_SUB_predchadzajuca_zalozka_action();
void Okno_Kasaren_SUB_potvrd_action();
void Okno_Kasaren_zatvor_action();
void Ovladanie_Info_zatvor_action();
void Vojna_oznac_vojensku_skupinu_1_action();
void Vojna_oznac_vojensku_skupinu_2_action();
void Vojna_oznac_vojensku_skupinu_3_action();
void Vojna_oznac_vojensku_skupinu_4_action();
void Vojna_oznac_vojensku_skupinu_5_action();
void Vojna_oznac_vojensku_skupinu_6_action();
void Vojna_oznac_vojensku_skupinu_7_action();
void Vojna_oznac_vojensku_skupinu_8_action();
void Vojna_oznac_vojensku_skupinu_9_action();
void Vojna_oznac_vojensku_skupinu_10_action();
void Vojna_zrus_oznacenie_skupiny_action();
void Vojna_posli_skupinu_na_action();
void Vojna_otvor_zatvor_branu_action();
void Delete_Attack_action();
void LIGHTS_SWITCHER();
void CAMERA_RESET();
