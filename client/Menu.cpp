// Menu model, the full-screen menus and the barracks menus.
#include "Menu.h"

#include <cstddef>
#include <cstdio>

#include "Hra_Ovladanie.h"
#include "Strategy_library.h"
#include "Ulozene_hry.h"

using Strategy_library::S_L;

C_Menu Menu, Herne_Menu, EndGameInfoMenu;
C_Menu Menu_Kasaren, Menu_Kasaren_Skupiny, Menu_Kasaren_Skupiny_Dopln, Menu_Kasaren_Veze;

C_Menu::C_Menu()
    : name(nullptr),
      active(false),
      last_button(0),
      default_choosed(0),
      choosed(0),
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
    Menu.add_button("Nacitaj Hru", Nacitaj_Hru_action);
    Menu.add_button("Nastavenia");
    Menu.deactivate_Button(2);
    Menu.add_button("Ovladanie", Ovladanie_zobraz);
    Menu.add_button("Ukonci Hru", Ukoncenie_Hry);
    Menu.open();
}

void Vytvor_Menu_Herne() {
    Herne_Menu.RESET_MENU();
    Herne_Menu.add_button("Pokracuj", Herne_Menu_Hra_Pokracuj);
    Herne_Menu.add_button("Uloz Hru", Herne_Menu_Uloz_Hru);
    Herne_Menu.add_button("Ovladanie", Ovladanie_zobraz);
    Herne_Menu.add_button("Koniec Hry", Herne_Menu_do_Hlavne_Menu);
}

namespace {

C_Menu* const HLAVNE_MENU[] = {&Menu, &Herne_Menu, &EndGameInfoMenu};
C_Menu* const PODMENU_KASARNE[] = {&Menu_Kasaren_Skupiny, &Menu_Kasaren_Skupiny_Dopln,
                                   &Menu_Kasaren_Veze};

// The first open menu of the list; null when none is open.
template <std::size_t N>
C_Menu* prve_otvorene(C_Menu* const (&menu)[N]) {
    for (C_Menu* m : menu)
        if (m->is_active()) return m;
    return nullptr;
}

// Opens one barracks sub-menu and closes the other two.
void otvor_podmenu(C_Menu& m) {
    for (C_Menu* p : PODMENU_KASARNE) p->close();
    m.open();
}

// A recruiting button: the world's recruiting command for one weapon with armour grade g
// (0 none, 1 leather, 2 light, 3 heavy).
template <bool (S_L::*regrutuj)(int), int g>
void regrutuj_akcia() {
    (strategy.*regrutuj)(g);
}

void regrutuj_do_veze() { strategy.regrutujLukostrelcovDoVeze(); }

}  // namespace

C_Menu* otvorene_menu() { return prve_otvorene(HLAVNE_MENU); }
C_Menu* otvorene_podmenu_kasarne() { return prve_otvorene(PODMENU_KASARNE); }

void Menu_Kasaren_skupiny_action() { otvor_podmenu(Menu_Kasaren_Skupiny); }
void Menu_Kasaren_skupiny_dopln_action() { otvor_podmenu(Menu_Kasaren_Skupiny_Dopln); }
void Menu_Kasaren_veze_action() { otvor_podmenu(Menu_Kasaren_Veze); }

void doplnAction() {
    const int id = strategy.vojenska_skupina_owned_id(Menu_Kasaren_Skupiny_Dopln.get_choosed());
    if (id >= 0) strategy.vojenska_skupina_dopln(id);
}

void Vytvor_Menu_Kasaren() {
    Menu_Kasaren_Skupiny.RESET_MENU();
    struct S_regrut {
        const char* text;
        void (*akcia)();
    };
    const S_regrut regruti[] = {
        {"kopijnici", regrutuj_akcia<&S_L::regrutujKopijnikov, 0>},
        {"sermiari", regrutuj_akcia<&S_L::regrutujSermiarov, 0>},
        {"lukostrelci", regrutuj_akcia<&S_L::regrutujLukostrelcov, 0>},
        {"kopijnici kozenna zbroj", regrutuj_akcia<&S_L::regrutujKopijnikov, 1>},
        {"sermiari kozenna zbroj", regrutuj_akcia<&S_L::regrutujSermiarov, 1>},
        {"lukostrelci kozenna zbroj", regrutuj_akcia<&S_L::regrutujLukostrelcov, 1>},
        {"kopijnici lahka zbroj", regrutuj_akcia<&S_L::regrutujKopijnikov, 2>},
        {"sermiari lahka zbroj", regrutuj_akcia<&S_L::regrutujSermiarov, 2>},
        {"lukostrelci lahka zbroj", regrutuj_akcia<&S_L::regrutujLukostrelcov, 2>},
        {"kopijnici tazka zbroj", regrutuj_akcia<&S_L::regrutujKopijnikov, 3>},
        {"sermiari tazka zbroj", regrutuj_akcia<&S_L::regrutujSermiarov, 3>},
        {"lukostrelci tazka zbroj", regrutuj_akcia<&S_L::regrutujLukostrelcov, 3>},
    };
    for (const S_regrut& r : regruti) Menu_Kasaren_Skupiny.add_button(r.text, r.akcia);

    Menu_Kasaren_Skupiny_Dopln.RESET_MENU();
    for (int n = 1; n <= 10; ++n) {
        char text[16];
        std::snprintf(text, sizeof text, "skupina %d", n);
        Menu_Kasaren_Skupiny_Dopln.add_button(text, doplnAction);
    }

    Menu_Kasaren_Veze.RESET_MENU();
    Menu_Kasaren_Veze.add_button("lukostrelci", regrutuj_do_veze);

    Menu_Kasaren.RESET_MENU();
    Menu_Kasaren.CIRCULATE();
    Menu_Kasaren.add_button("Skupiny", Menu_Kasaren_skupiny_action);
    Menu_Kasaren.add_button("Dopln", Menu_Kasaren_skupiny_dopln_action);
    Menu_Kasaren.add_button("Veze", Menu_Kasaren_veze_action);
}

void Vytvor_EndGameMenu() {
    EndGameInfoMenu.RESET_MENU();
    EndGameInfoMenu.add_button("Zatvorit", ZatvoritEndGameMenu);
}

void Vytvor_Menu() {
    Vytvor_Menu_Hlavne();
    Vytvor_Menu_Herne();
    Vytvor_Menu_Kasaren();
    Vytvor_EndGameMenu();
}
