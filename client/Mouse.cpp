// The view centre and the mouse records.
#include "Mouse.h"

#include "Ovladanie_Mys.h"

S_moja_vnutorna_mys moja_vnutorna_mys;
C_mouse mouse;

void C_mouse::create(int hodnota) {
    enable = false;
    const float v = static_cast<float>(hodnota);
    Position = {0, 0, 0, 0, 0, 0};
    Max = {v, v, v};
    Min = {0, 0, 0};
    World = {0, 0, 0};
    for (S_tlacidla& b : Button) b = {false, false, false};
}

void Nastavenie_mys() {
    mouse.create(1520);
    Default_Ovladanie_Mys();
}
