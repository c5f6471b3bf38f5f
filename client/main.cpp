// The program's entry: everything happens in spusti_hru (OpenGL3_3.cpp).
#include <cstdio>

#include "OpenGL3_3.h"

int main() {
    // The console is read while the game runs: hand every diagnostic line out as it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return spusti_hru();
}
