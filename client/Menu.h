// Keyboard-driven menus: a list of up to 20 buttons with one chosen, opened and closed as a whole.
#pragma once

#include "Button.h"

class C_Menu {
public:
    static constexpr int MAX_BUTTONS = 20;

    const char* name;
    bool active;
    C_Button Buttons[21];
    int last_button;
    int default_choosed;
    int choosed;
    bool circulation;

    C_Menu();
    void RESET_MENU();
    bool add_button(const char* text);
    bool add_button(const char* text, void (*action)());
    void open();
    void close();
    bool is_active();
    void CIRCULATE();
    bool next_Button();
    bool previouse_Button();
    bool Button_action();
    int get_choosed();
    int return_count_of_buttons();
    bool is_Button_active(int i);
    bool is_Button_choosed(int i);
    const char* return_Button_Text(int i);
    bool deactivate_Button(int i);
};

// The full-screen menus.
extern C_Menu Menu, Herne_Menu, EndGameInfoMenu;
// The barracks window: its tabs (wrapping) and the sub-menu of each tab.
extern C_Menu Menu_Kasaren, Menu_Kasaren_Skupiny, Menu_Kasaren_Skupiny_Dopln, Menu_Kasaren_Veze;

// The first open one of the main, in-game and end-of-game menus; null when none is open.
C_Menu* otvorene_menu();
// The open sub-menu of the barracks window (at most one is open); null when none is.
C_Menu* otvorene_podmenu_kasarne();

// Builds every menu once at start-up; only the main menu is left open.
void Vytvor_Menu();
void Vytvor_Menu_Hlavne();
void Vytvor_Menu_Herne();
void Vytvor_Menu_Kasaren();
void Vytvor_EndGameMenu();
// Shows the controls help.
void Ovladanie_zobraz();
// The barracks tabs: each opens its sub-menu and closes the other two.
void Menu_Kasaren_skupiny_action();
void Menu_Kasaren_skupiny_dopln_action();
void Menu_Kasaren_veze_action();
// Refills the player's group in the slot chosen on the "Dopln" page.
void doplnAction();
