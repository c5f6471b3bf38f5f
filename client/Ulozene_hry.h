// The player's saved games: their folder, the list of saves, "Uloz Hru" in the in-game menu,
// the list window behind "Nacitaj Hru" in the main menu, and the autosaves.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "ulozenie.h"

// $XDG_DATA_HOME/varnhold/saves (when XDG_DATA_HOME is an absolute path), else
// ~/.local/share/varnhold/saves.
std::string priecinok_hier();

// One file of the folder as the list shows it.
struct S_ulozena_hra {
    std::string cesta, meno;
    std::time_t cas = 0;       // when the file was written
    long long cas_ns = 0;      // the same in nanoseconds, for the order
    bool automaticka = false;  // one of the rotating autosaves
    bool citatelna = false;    // its header was read; else `chyba` says why not
    ulozenie::S_hlavicka hlavicka;
    std::string chyba;
};

// The saves in a folder (files ending in ".hra"), newest first; none when it does not exist.
std::vector<S_ulozena_hra> najdi_ulozene_hry(const std::string& priecinok);

// Saves the running game into a new file of the folder (created on first use), or into the
// next of the three autosave files (a missing one first, else the oldest). The console gets
// "ULOZENA HRA <path> <den>.<mesiac>.<rok>"; on failure false with the reason.
bool uloz_novu_hru(std::string& cesta, std::string& chyba);
bool uloz_automaticky(std::string& cesta, std::string& chyba);

// ---------------------------------------------------------------- the screens

// The line under the buttons of the in-game and main menus after a save or a failed load; empty
// for none.
struct S_sprava {
    std::string text;
    bool chyba = false;
};
extern S_sprava sprava_ulozenia;

// The list window of "Nacitaj Hru": open, its saves and the chosen one.
extern bool Z_zoznam_hier;
extern std::vector<S_ulozena_hra> Z_hry;
extern int Z_vybrana;
// Saves shown on one page of the list.
constexpr int Z_NA_STRANU = 8;

void Nacitaj_Hru_action();  // "Nacitaj Hru": opens the list
void Zoznam_hier_dalsia_action();
void Zoznam_hier_predchadzajuca_action();
void Zoznam_hier_nacitaj_action();  // Space: loads the chosen save and runs it
void Zoznam_hier_zatvor_action();   // Esc: back to the main menu
void Herne_Menu_Uloz_Hru();         // "Uloz Hru"

// What a started or loaded game shares: window flags closed, the camera over the main building,
// the autosave timer restarted.
void priprav_zacatu_hru();

// ---------------------------------------------------------------- autosaves

// Decides when an autosave is due: after every five minutes that the game has run (wall time,
// counted only while the clock runs), at the next day step, never during a battle.
class C_Autoulozenie {
public:
    static constexpr float PERIODA_MS = 5.0f * 60.0f * 1000.0f;
    // A new or loaded game starts the count again.
    void zacni();
    // One frame at `teraz_ms`: true when an autosave is due now.
    bool krok(float teraz_ms, bool hra_bezi, int denne_kroky, bool vojna);

private:
    float behu_ms_ = 0.0f;
    float posledne_ms_ = -1.0f;
    int denne_kroky_ = 0;
};
extern C_Autoulozenie Autoulozenie;

// Called once per frame after the step: saves into the autosave files when one is due.
void Autoulozenie_po_kroku();
