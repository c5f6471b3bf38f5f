// The mouse binding and its place in the dispatcher.
#include "Ovladanie_Mys.h"

#include <cstdio>

#include "Game.h"
#include "Mouse.h"

S_Ovladanie_Mys Ovladanie_Mys;

void C_Ovladanie_Mys::create(bool h, bool l, bool r, bool m, const char* n, void (*a)()) {
    hold_accept = h;
    Button = {l, r, m};
    std::snprintf(nazov, sizeof nazov, "%s", n ? n : "");
    action = a;
}

void Default_Ovladanie_Mys() {
    Ovladanie_Mys.Hrac[O_M_Hrac_oznac].create(false, true, false, false, "Mys vyber objektu",
                                              Mys_oznac_action);
}

// Selecting by mouse has nothing to select with: the pointer is the view centre.
void Mys_oznac_action() {}

void Mys_Hrac_Ovladanie() {
    C_mouse::S_tlacidla* t = mouse.Button;
    if (Game.is_running()) {
        for (C_Ovladanie_Mys& b : Ovladanie_Mys.Hrac) {
            const bool zhoda = b.Button.left == t[C_mouse::mouse_left].pressed &&
                               b.Button.right == t[C_mouse::mouse_right].pressed &&
                               b.Button.middle == t[C_mouse::mouse_middle].pressed;
            if (zhoda && b.action) b.action();
        }
    }
    t[C_mouse::mouse_left].pressed = t[C_mouse::mouse_middle].pressed =
        t[C_mouse::mouse_right].pressed = false;
}
