// Silences the console for the set-up of a benchmark: standard output goes to /dev/null while
// the object lives (meshes that cannot load without the client, jobs handed out, deaths); and the
// benchmarks' once-per-process fill of the world.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "../tests/katalogy.h"

struct Ticho {
    int povodny;
    Ticho() {
        std::fflush(stdout);
        povodny = dup(1);
        const int nic = open("/dev/null", O_WRONLY);
        dup2(nic, 1);
        close(nic);
    }
    ~Ticho() {
        std::fflush(stdout);
        dup2(povodny, 1);
        close(povodny);
    }
    Ticho(const Ticho&) = delete;
    Ticho& operator=(const Ticho&) = delete;
};

// Fills the catalogues and tables as start-up does, once per process, without its console lines.
inline void naplnene_katalogy_potichu() {
    Ticho ticho;
    naplnene_katalogy();
}

// A built-up town for the frame measures: every tile of the 18 x 18 window around the main
// building holds a finished building of the player's, all types but the barracks in turn.
inline void mesto_18x18() {
    Ticho t;
    strategy.set_owner(Strategy_library::S_L::id_player);
    using Strategy_library::S_L;
    int typ = 1;
    for (int x = 91; x <= 108; ++x)
        for (int y = 94; y <= 111; ++y) {
            if (typ == S_L::kasaren) ++typ;
            strategy.pridaj_budovu(x, y, 90.0f * (typ % 4), typ, 1);
            typ = typ % (S_L::last_building_integer - 1) + 1;
        }
}
