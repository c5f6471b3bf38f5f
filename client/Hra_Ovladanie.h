// Moving between the main menu, the game and the in-game menu, and the window flags of the
// running game.
#pragma once

// Window flags of the running game (all false at start).
extern bool Ovladanie_Info_Window;
extern bool O_open_window;
extern int O_open_window_object_id;
extern bool I_Informacie_O_Budove;
extern bool B_show_building_list;
extern int B_showing_to_id;
extern bool B_setting_position;
extern bool H_hlavna_budova;
extern bool H_suroviny, H_budovy, H_ludia;
extern int HB_list;
extern int H_showing_list;
extern bool K_kasaren;

// Selection state: the selected military group's id, -1 when none.
extern int V_oznacena_skupina_object_id;

// What a test build prepares right after "Nova Hra" has set up the new world (the game itself
// prepares nothing; the end-to-end battle run prepares its town here).
extern void (*po_novej_hre)();

void Nova_Hra();
void Hra_aktivuj_Herne_Menu();
void Herne_Menu_Hra_Pokracuj();
void Herne_Menu_do_Hlavne_Menu();
void ZatvoritEndGameMenu();
void Ukoncenie_Hry();
void CLOSE();
