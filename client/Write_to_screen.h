// The text layer of a frame: the title or the status line, the open menu or the controls help,
// and while a game runs the date, the game windows and the notices: the placement's hint or
// refusal, the town's month report, the last day's notices of the buildings and the outcome of
// the last battle.
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

// ---------------------------------------------------------------- the whole notices line
// One line of the notices, with its colour: 'r' red for deaths, stores that run out within the
// coming month and refusals; 'y' yellow for warnings.
struct S_riadok_oznamu {
    char text[128];
    char farba;
};
// The town's month report as lines, most urgent first (nothing before the first month end).
constexpr int MAX_OZNAMOV_MESTA = 9;
int oznamy_mesta(S_riadok_oznamu (&r)[MAX_OZNAMOV_MESTA]);
// Every line of the notices from the top down: the placement's line, the town's, the buildings',
// the last battle's; at most MAX_RIADKOV_OZNAMOV, the least urgent cut, so that they stay above
// the busiest window.
constexpr int MAX_RIADKOV_OZNAMOV = 12;
int riadky_oznamov(S_riadok_oznamu (&r)[MAX_RIADKOV_OZNAMOV]);

// Why the last placement (or upgrade) was refused: told on the notices' first line for
// SPRAVA_ODMIETNUTIA_MS after `od_ms` (the clock of the step, hodiny_od_startu).
constexpr float SPRAVA_ODMIETNUTIA_MS = 5000.0f;
struct S_sprava_odmietnutia {
    char text[128];
    float od_ms;
};
extern S_sprava_odmietnutia sprava_odmietnutia;
void oznam_odmietnutie(const char* text);
// The text of a reason `dovod_odmietnutia` gives (with the resource short for a cost), for the
// building type t.
const char* text_odmietnutia(int dovod, int surovina, int t);
// The speed as the player counts it: 1, 10 or 100 times a day of five seconds.
int nasobok_rychlosti();
