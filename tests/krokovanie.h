// Drives the real step driver headless with a fake millisecond clock: the clock started as the
// new-game action starts it, one frame in which a step is due, and one frame with the month
// fast-forward on. Header-only, depending on the simulation library alone, so the scenario tests,
// the long runs and the golden game step the world the same way.
#pragma once

#include "Game.h"

namespace krokovanie {

// The fake clock, in milliseconds; it only ever moves forward.
inline float& hodiny() {
    static float h = 0.0f;
    return h;
}

inline float falosne_hodiny() { return hodiny(); }

// Installs the fake clock (and the end-of-game window, when given) and starts the game at speed
// 1.0 without fast-forward, as the new-game action does.
inline void spusti(void (*koniec_hry)() = nullptr) {
    game_hooks = {falosne_hodiny, nullptr, koniec_hry};
    my_time = {0.0f, 0.0f, false};
    hodiny() = 0.0f;
    zrychlenie = 1.0f;
    cas_mesiace = false;
    Game.Start();
    Game.Run();
}

// One frame in which a step is due: two periods and a little more have passed. In peace it is a
// day (or, with fast-forward, the days up to the next month), in a battle one battle step.
inline void krok() {
    hodiny() += 2.0f * zrychlenie * 2500.0f + 1.0f;
    Game.Action();
}

// One frame with the month fast-forward on: in peace the step ends on the first day of the next
// month after that month's checks.
inline void mesiac_hry() {
    cas_mesiace = true;
    krok();
}

}  // namespace krokovanie
