// The start-up fill of the catalogues and tables for headless programs (tests, benchmarks, the
// golden game), once per process: ctest runs every test in a process of its own, so no test may
// count on another having done it.
#pragma once

#include "Strategy_library.h"

inline void naplnene_katalogy() {
    static const bool naplnene = (strategy.Set_all(), true);
    (void)naplnene;
}
