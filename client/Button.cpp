// Menu buttons.
#include "Button.h"

#include <cstdio>
#include <cstring>

void Button_No_action() { std::printf("Button nedefinovana akcia \n"); }

void C_Button::create_button(const char* t) { create_button(t, Button_No_action); }

void C_Button::create_button(const char* t, void (*a)()) {
    std::snprintf(text, sizeof text, "%s", t ? t : "");
    show = false;
    active = true;
    action = a ? a : Button_No_action;
}

void C_Button::choosed() {
    show = true;
    std::printf("choosed Button : %s\n", text);
}

void C_Button::unchoosed() { show = false; }
bool C_Button::is_choosed() { return show; }

void C_Button::deactivate() {
    active = false;
    std::printf("%s deaktivovane \n", text);
}

bool C_Button::is_active() { return active; }

void C_Button::make_action() {
    if (action) action();
}

const char* C_Button::return_text() { return text; }
