// The text layer of a frame: the title or the status line, the open menu or the controls help,
// and while a game runs the date, the game windows, the notices of the last day and the outcome
// of the last battle.
#pragma once

// The whole text layer, drawn after the world.
void Write_to_out_screen();
// The running game's part: date, object information, barracks, country overview, build list,
// notices.
void Write_to_out_screen_running();
// Red for a negative value, white otherwise.
void valueColoring(int v);
// An amount in lila: "%d " up to 10000, "%d t" in units of 10000 above; then white.
void print_jednotky(int n);
// Kept for the old call sites; draws nothing.
void Write_to_screen();

// ---------------------------------------------------------------- the notices line
// What the last day's production recorded, one line per building type and notice, newest first.
constexpr int MAX_OZNAMOV = 5;

struct S_oznam {
    const char* meno;  // the building type's name
    int kod;           // the notice (I_* code)
    int pocet;         // buildings of that type with that notice
};

// The text of a notice code; "" for an unknown code.
const char* text_oznamu(int kod);
// Folds the world's information list into at most MAX_OZNAMOV lines; returns how many.
int zhrn_oznamy(S_oznam (&oznamy)[MAX_OZNAMOV]);
// Where the notices stand: their left edge and the height of their first (top) line. They sit at
// the top of the screen, above everything the other texts reach.
float oznamy_x();
float oznamy_y();
