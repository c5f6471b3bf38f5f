// The game calendar: the month table, the day step and the calendar queries.
#include "Strategy_library.h"

using namespace Strategy_library;

void S_L::Set_time() {
    static const S_mesiac tabulka[13] = {
        {nullptr, 0},    {"Januar", 31},   {"Februar", 28},  {"Marec", 31},  {"April", 30},
        {"Maj", 31},     {"Jun", 30},      {"Jul", 31},      {"August", 30}, {"September", 31},
        {"Oktober", 30}, {"November", 31}, {"December", 30},
    };
    for (int m = 0; m < mesiac_last_id; ++m) mesiac[m] = tabulka[m];
    time = {1, 1, 1};
}

void S_L::reset_time() {
    time = {1, 1, 1};
    mesiac_passed = rok_passed = false;
}

void S_L::next_day() {
    mesiac_passed = false;
    rok_passed = false;
    time.den += 1;
    int m = (time.mesiac >= M_januar && time.mesiac <= M_december) ? time.mesiac : M_januar;
    if (time.den > mesiac[m].pocet_dni) {
        time.den = 1;
        time.mesiac += 1;
        mesiac_passed = true;
        if (time.mesiac > M_december) {
            time.mesiac = M_januar;
            time.rok += 1;
            rok_passed = true;
        }
    }
}

bool S_L::presiel_mesiac() { return mesiac_passed; }
int S_L::return_den() { return time.den; }
int S_L::return_mesiac() { return time.mesiac; }
int S_L::return_rok() { return time.rok; }

const char* S_L::return_mesiac_meno() {
    if (time.mesiac < 0 || time.mesiac >= mesiac_last_id || !mesiac[time.mesiac].meno) return "";
    return mesiac[time.mesiac].meno;
}

bool S_L::request_time_slow() {
    bool bolo = time_slow;
    time_slow = false;
    return bolo;
}

bool S_L::return_je_vojna() { return je_vojna; }
