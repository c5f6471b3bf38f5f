// Moves between the main menu, the running game, the in-game menu and the end-of-game menu.
#include "Hra_Ovladanie.h"

#include "Game.h"
#include "Menu.h"
#include "OpenGL3_3.h"
#include "Strategy_library.h"
#include "Ulozene_hry.h"

bool Ovladanie_Info_Window = false;
bool O_open_window = false;
int O_open_window_object_id = -1;
bool I_Informacie_O_Budove = false;
bool B_show_building_list = false;
int B_showing_to_id = 1;
bool B_setting_position = false;
bool H_hlavna_budova = false;
bool H_suroviny = false, H_budovy = false, H_ludia = false;
int HB_list = 0;
int H_showing_list = 0;
bool K_kasaren = false;
int V_oznacena_skupina_object_id = -1;
void (*po_novej_hre)() = nullptr;

void Nova_Hra() {
    Menu.close();
    strategy.New_Game();
    // Nothing of the game before carries over: not its speed, month mode, windows or camera.
    Game_nova_hra();
    priprav_zacatu_hru();
    if (po_novej_hre) po_novej_hre();
    Game.Start();
    Game.Run();
}

void Hra_aktivuj_Herne_Menu() {
    Game.Stop();
    sprava_ulozenia = {};
    Herne_Menu.open();
}

void Herne_Menu_Hra_Pokracuj() {
    Herne_Menu.close();
    Game.Run();
}

void Herne_Menu_do_Hlavne_Menu() {
    // Leaving a game keeps it in an autosave; a failure is told under the main menu's buttons.
    std::string cesta, chyba;
    sprava_ulozenia = {};
    if (!uloz_automaticky(cesta, chyba))
        sprava_ulozenia = {"HRU SA NEPODARILO ULOZIT - " + chyba, true};
    Herne_Menu.close();
    Menu.open();
}

void ZatvoritEndGameMenu() {
    EndGameInfoMenu.close();
    Menu.open();
}

void Ukoncenie_Hry() { Exit = true; }

void CLOSE() { Exit = true; }
