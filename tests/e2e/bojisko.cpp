// A test build of the game for the end-to-end battle run. "Nova Hra" builds, through the world's
// own operations, the walled town of rank 3 that the headless battle tests use, adds a ram crew to
// its army and sets the date to 21 November of year 5, so the attack of 1 December comes after a
// few days. Everything else is the game itself, played with keys.
#include <cstdio>

#include "Hra_Ovladanie.h"
#include "OpenGL3_3.h"
#include "Strategy_library.h"
#include "battle_town.h"

int main() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    po_novej_hre = [] {
        battle_town::postav_bojove_mesto(battle_town::Armada::silna);
        strategy.regrutujBaranidlo();
        strategy.time = {21, Strategy_library::S_L::M_november, 5};
        strategy.set_owner(Strategy_library::S_L::id_player);
    };
    return spusti_hru();
}
