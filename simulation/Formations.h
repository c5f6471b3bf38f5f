// Where each soldier of a group stands relative to the group's centre: one line across the
// group for infantry, two files along the ram for a machine crew.
#pragma once

class C_Formations {
public:
    static constexpr int formation_lines = 0, formation_baranidlo = 1, formation_last_id = 2;

    C_Formations();
    // Starts a new formation: offset and soldier count back to 0; kind and size are kept.
    void reset();
    // Chooses the kind (formation_lines or formation_baranidlo); anything else is refused.
    bool set_formation(int f);
    // Sets the number of soldiers (at least 1); anything else is refused.
    bool set_number_of_soldiers(int n);
    // Computes the offset of the next soldier; false when the formation is full or undefined.
    bool next_soldier();
    float get_x();
    float get_y();
    float get_z();

    float x, y, z;
    int number;
    int counter;
    int form;
};

extern C_Formations Formation;
