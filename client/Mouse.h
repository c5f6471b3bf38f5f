// The view centre (the point the camera looks at, used as the pointer) and the mouse records,
// which the game keeps but feeds no input.
#pragma once

struct S_tlacidlo {
    bool stlacene;
};

struct S_moja_vnutorna_mys {
    bool aktivna;
    float x, y, z;
    int zoom;
    S_tlacidlo lave, prave, stredne;
    int ukazuje_na_objekt;
};

extern S_moja_vnutorna_mys moja_vnutorna_mys;

class C_mouse {
public:
    static constexpr int mouse_left = 0, mouse_right = 1, mouse_middle = 2;
    struct S_pozicia {
        float x, y, z, last_x, last_y, last_z;
    };
    struct S_bod {
        float x, y, z;
    };
    struct S_tlacidla {
        bool pressed, released, hold;
    };
    bool enable;
    S_pozicia Position;
    S_bod Max, Min, World;
    S_tlacidla Button[4];

    void create(int hodnota);
};

extern C_mouse mouse;

void Nastavenie_mys();
