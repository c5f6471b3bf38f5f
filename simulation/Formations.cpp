// Soldier offsets inside a group, 0.08 tiles apart.
#include "Formations.h"

C_Formations Formation;

C_Formations::C_Formations() : x(0), y(0), z(0), number(0), counter(0), form(0) {}

void C_Formations::reset() {
    x = y = z = 0;
    counter = 0;
}

bool C_Formations::set_formation(int f) {
    if (f != formation_lines && f != formation_baranidlo) return false;
    form = f;
    return true;
}

bool C_Formations::set_number_of_soldiers(int n) {
    if (n < 1) return false;
    number = n;
    return true;
}

bool C_Formations::next_soldier() {
    if (number == 0) return false;
    if (counter > number + 1) counter = number;
    if (counter == number + 1) return false;
    counter += 1;
    const int c = counter, pol = number / 2;
    // The first half stands to one side of the centre, the second half to the other.
    const float v = c <= pol ? (c - 1) * 0.08f : -(c - 1 - pol) * 0.08f;
    switch (form) {
        case formation_lines: x = v; return true;
        case formation_baranidlo:
            z = v;
            x = (c - 1) % 2 == 0 ? 0.18f : -0.18f;
            return true;
        default: return false;
    }
}

float C_Formations::get_x() { return x; }
float C_Formations::get_y() { return y; }
float C_Formations::get_z() { return z; }
