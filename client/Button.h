// One menu button: a label, the chosen mark, the available flag and the action it fires.
#pragma once

class C_Button {
public:
    char text[256];
    bool show;
    bool active;
    void (*action)();

    void create_button(const char* text);
    void create_button(const char* text, void (*action)());
    void choosed();
    void unchoosed();
    bool is_choosed();
    void deactivate();
    bool is_active();
    void make_action();
    const char* return_text();
};

// The action of a button created without one.
void Button_No_action();
