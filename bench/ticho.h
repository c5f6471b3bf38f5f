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
