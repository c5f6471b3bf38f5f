// The program's entry: the two informative arguments, the data folder, then everything else in
// spusti_hru (OpenGL3_3.cpp). The game has no settings.
#include <cstdio>
#include <cstring>

#include "OpenGL3_3.h"
#include "Priecinok_dat.h"

namespace {

const char* const POUZITIE =
    "Usage: varnhold [--help | --version]\n"
    "Rule a medieval town and defend it in battle: a full-screen 3D strategy game played with\n"
    "the keyboard (the Ovladanie entry of its menus lists the keys). See varnhold(6).\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const bool verzia = std::strcmp(argv[1], "--version") == 0;
        const bool pomoc = std::strcmp(argv[1], "--help") == 0;
        if (argc == 2 && verzia) {
            std::printf("varnhold %s\n", VARNHOLD_VERSION);
            return 0;
        }
        if (argc == 2 && pomoc) {
            std::fputs(POUZITIE, stdout);
            return 0;
        }
        std::fprintf(stderr,
                     verzia || pomoc ? "varnhold: %s takes no further arguments\n%s"
                                     : "varnhold: unknown argument '%s'\n%s",
                     argv[1], POUZITIE);
        return 2;
    }
    if (!prejdi_do_priecinka_dat(VARNHOLD_INSTALLED_DATA)) return -1;
    // The console is read while the game runs: hand every diagnostic line out as it is printed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return spusti_hru();
}
