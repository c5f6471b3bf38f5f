// Cost of the daily step (construction progress and production) and of the month-end store
// capacity check, on a fresh new game and on a town of 300 finished buildings of mixed types.
// Both walks are bounded by the objects in use, not by the 40 001 object slots.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Strategy_library.h"
#include "ticho.h"

using namespace Strategy_library;
using W = S_L;

namespace {

S_surovina g_zasoby[W::MAX_SUROVIN];

void novy_hrad() {
    naplnene_katalogy_potichu();
    Ticho ticho;
    strategy.New_Game();
}

// The new game's town plus 300 finished, staffed buildings of every placeable kind in turn, in
// October so that the seasonal workshops work too, with stocks that neither run out nor fill up.
void mesto_300() {
    novy_hrad();
    int postavene = 0;
    for (int i = 0; postavene < 300; ++i) {
        const int typ = 1 + i % (W::last_building_integer - 1);
        if (typ == W::hlavna_budova || typ == W::kasaren) continue;
        const int x = 60 + (postavene % 40) * 2, y = 60 + (postavene / 40) * 2;
        const int level = strategy.budova[typ].maximalny_level >= 2 ? 2 : 1;
        strategy.pridaj_budovu(x, y, typ, level);
        const int o = strategy.point_id_of_objekt(x, y);
        if (o < 0) std::abort();
        strategy.objekt[o].je_ludi = strategy.budova_potrebuje_ludi(o);
        ++postavene;
    }
    strategy.kontroluj_sklady();
    strategy.time = {10, W::M_oktober, 1};
    for (int r = 1; r < W::last_surovina_id; ++r)
        strategy.id_owner[W::id_player].surovina[r].mam = 2500;
    std::memcpy(g_zasoby, strategy.id_owner[W::id_player].surovina, sizeof g_zasoby);
}

void den(benchmark::State& state) {
    for (auto _ : state) {
        std::memcpy(strategy.id_owner[W::id_player].surovina, g_zasoby, sizeof g_zasoby);
        strategy.informacie_last_integer = -1;
        strategy.kontroluj_objekty();
        strategy.kontroluj_prijem_denne();
        benchmark::DoNotOptimize(strategy.id_owner[W::id_player].surovina[W::drevo].mam);
    }
}

void BM_DayStep_NewGame(benchmark::State& state) {
    novy_hrad();
    strategy.time = {10, W::M_oktober, 1};
    std::memcpy(g_zasoby, strategy.id_owner[W::id_player].surovina, sizeof g_zasoby);
    den(state);
}

void BM_DayStep_Town300(benchmark::State& state) {
    mesto_300();
    den(state);
    state.counters["objects"] = strategy.objekt_hwm;
}

void BM_MonthCapacity_Town300(benchmark::State& state) {
    mesto_300();
    for (auto _ : state) {
        strategy.kontroluj_sklady();
        benchmark::DoNotOptimize(strategy.id_owner[W::id_player].limit_skladu);
    }
}

}  // namespace

BENCHMARK(BM_DayStep_NewGame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DayStep_Town300)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MonthCapacity_Town300)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
