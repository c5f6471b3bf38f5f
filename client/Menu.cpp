// Menu model and the full-screen menus.
#include "Menu.h"

#include "Hra_Ovladanie.h"

C_Menu Menu, Herne_Menu, EndGameInfoMenu;

C_Menu::C_Menu() : name(nullptr), active(false), last_button(0), default_choosed(0), choosed(0),
                   circulation(false) {}

void C_Menu::RESET_MENU() {
    active = false;
    circulation = false;
    last_button = 0;
    default_choosed = 0;
    choosed = 0;
}

bool C_Menu::add_button(const char* text) { return add_button(text, nullptr); }

bool C_Menu::add_button(const char* text, void (*action)()) {
    if (last_button >= MAX_BUTTONS) return false;
    Buttons[last_button].create_button(text, action);
    if (last_button == default_choosed) Buttons[last_button].choosed();
    ++last_button;
    return true;
}

void C_Menu::open() { active = true; }
void C_Menu::close() { active = false; }
bool C_Menu::is_active() { return active; }
void C_Menu::CIRCULATE() { circulation = true; }

bool C_Menu::next_Button() {
    if (choosed < 0 || choosed >= last_button || !Buttons[choosed].is_choosed()) return false;
    if (choosed == last_button - 1 && !circulation) return false;
    Buttons[choosed].unchoosed();
    choosed = (choosed + 1) % last_button;
    Buttons[choosed].choosed();
    return true;
}

bool C_Menu::previouse_Button() {
    if (choosed < 0 || choosed >= last_button || !Buttons[choosed].is_choosed()) return false;
    if (choosed == 0 && !circulation) return false;
    Buttons[choosed].unchoosed();
    choosed = choosed == 0 ? last_button - 1 : choosed - 1;
    Buttons[choosed].choosed();
    return true;
}

bool C_Menu::Button_action() {
    if (choosed < 0 || choosed >= last_button) return false;
    Buttons[choosed].make_action();
    return true;
}

int C_Menu::get_choosed() { return choosed; }
int C_Menu::return_count_of_buttons() { return last_button; }

bool C_Menu::is_Button_active(int i) { return i >= 0 && i < last_button && Buttons[i].is_active(); }

bool C_Menu::is_Button_choosed(int i) {
    return i >= 0 && i < last_button && Buttons[i].is_choosed();
}

const char* C_Menu::return_Button_Text(int i) {
    if (i < 0 || i >= last_button) return "--";
    return Buttons[i].return_text();
}

bool C_Menu::deactivate_Button(int i) {
    if (i < 0 || i >= last_button) return false;
    Buttons[i].deactivate();
    return true;
}

void Ovladanie_zobraz() { Ovladanie_Info_Window = true; }

void Vytvor_Menu_Hlavne() {
    Menu.RESET_MENU();
    Menu.add_button("Nova Hra", Nova_Hra);
    Menu.add_button("Nacitaj Hru");
    Menu.deactivate_Button(1);
    Menu.add_button("Nastavenia");
    Menu.deactivate_Button(2);
    Menu.add_button("Ovladanie", Ovladanie_zobraz);
    Menu.add_button("Ukonci Hru", Ukoncenie_Hry);
    Menu.open();
}

void Vytvor_Menu_Herne() {
    Herne_Menu.RESET_MENU();
    Herne_Menu.add_button("Pokracuj", Herne_Menu_Hra_Pokracuj);
    Herne_Menu.add_button("Ovladanie", Ovladanie_zobraz);
    Herne_Menu.add_button("Koniec Hry", Herne_Menu_do_Hlavne_Menu);
}

void Vytvor_EndGameMenu() {
    EndGameInfoMenu.RESET_MENU();
    EndGameInfoMenu.add_button("Zatvorit", ZatvoritEndGameMenu);
}

void Vytvor_Menu() {
    Vytvor_Menu_Hlavne();
    Vytvor_Menu_Herne();
    Vytvor_EndGameMenu();
}
