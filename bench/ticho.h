// Silences the console for the set-up of a benchmark: standard output goes to /dev/null while
// the object lives (meshes that cannot load without the client, jobs handed out, deaths); and the
// benchmarks' once-per-process fill of the world.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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

// A town of many people for the month and save measures, on a new game: houses of one level,
// one-man workplaces of six kinds, wells of level 4 and warehouses of level 5 on a grid of
// `sirka` columns from (x0, x0); pairs of adults of 20 to 45 and children of 1 to 15; every
// stock at 100 000 and no corpses; 1 July with its month end due (the caller runs it).
struct S_mesto_na_meranie {
    int domov, level_domu, prac, studni, skladov, parov, deti, x0, sirka;
};
inline void postav_mesto(const S_mesto_na_meranie& m) {
    using Strategy_library::S_L;
    naplnene_katalogy_potichu();
    Ticho ticho;
    strategy.New_Game();
    int n = 0;
    const auto postav = [&](int typ, int level) {
        const int x = m.x0 + n % m.sirka, y = m.x0 + n / m.sirka;
        ++n;
        strategy.pridaj_budovu(x, y, typ, level);
        if (strategy.point_id_of_objekt(x, y) < 0) std::abort();
    };
    for (int i = 0; i < m.domov; ++i) postav(S_L::dom, m.level_domu);
    static const int prace[] = {S_L::farma,        S_L::lovec, S_L::rybar,
                                S_L::zberac_dreva, S_L::mlyn,  S_L::pekaren};
    for (int i = 0; i < m.prac; ++i) postav(prace[i % 6], 1);
    for (int i = 0; i < m.studni; ++i) postav(S_L::studna, 4);
    for (int i = 0; i < m.skladov; ++i) postav(S_L::sklad, 5);
    for (int i = 0; i < m.parov; ++i) {
        strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20 + i % 26, 100);
        strategy.vytvor_clovek(S_L::id_player, S_L::zena, 20 + i % 26, 100);
    }
    for (int i = 0; i < m.deti; ++i)
        strategy.vytvor_clovek(S_L::id_player, 1 + i % 2, 1 + i % 15, 100);
    auto& hrac = strategy.id_owner[S_L::id_player];
    for (int r = 1; r < S_L::last_surovina_id; ++r) hrac.surovina[r].mam = 100000;
    hrac.surovina[S_L::mrtvola].mam = 0;
    strategy.time = {1, S_L::M_jul, 1};
    strategy.mesiac_passed = true;
    strategy.rok_passed = false;
}
