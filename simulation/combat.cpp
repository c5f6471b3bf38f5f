// Combat: strengths and timers of weapons and armour, duels and arrows between soldiers, the ram
// against gates and palisades, the search for targets, and releasing the attackers of a target.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

void S_L::unbound_attacks_to_target(int o) {
    if (o == -1) return;
    const int n = vojenska_skupina_last_id < MAX_VOJENSKA_SKUPINA + 1 ? vojenska_skupina_last_id
                                                                     : MAX_VOJENSKA_SKUPINA + 1;
    for (int g = 0; g < n; ++g) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.utoci_na_objekt != o) continue;
        std::printf("vojenska skupina %d prestala utocit na %d\n", g, o);
        s.utoci_na_objekt = s.utoci_na_x = s.utoci_na_y = -1;
        s.personal_fights = false;
    }
}
