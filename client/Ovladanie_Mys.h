// The mouse binding: one group with one binding, fired when the three button states match its
// pattern exactly. The game feeds the mouse record no input, so it never fires; the view centre
// is the pointer.
#pragma once

class C_Ovladanie_Mys {
public:
    struct S_tlacidla {
        bool left, right, middle;
    };
    S_tlacidla Button = {false, false, false};
    void (*action)() = nullptr;
    char nazov[256] = {};
    bool hold_accept = false;

    void create(bool hold_accept, bool left, bool right, bool middle, const char* nazov,
                void (*action)());
};

constexpr int O_M_Hrac_oznac = 0, O_M_Hrac_last_id = 1;

struct S_Ovladanie_Mys {
    C_Ovladanie_Mys Hrac[O_M_Hrac_last_id];
};

extern S_Ovladanie_Mys Ovladanie_Mys;

void Default_Ovladanie_Mys();
// The mouse group of the dispatcher: fires on a matching pattern while the game runs, then
// clears the pressed flags of the three buttons.
void Mys_Hrac_Ovladanie();
void Mys_oznac_action();
