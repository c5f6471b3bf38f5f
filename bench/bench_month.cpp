// Cost of a month end for a town of 1 000 people in 400 houses with 300 workplaces: the month-end
// checks alone (stores, homes and jobs, the people's pass with food and disease, settlers,
// balance, ranks, the attack trigger, the end of the game), and a whole fast-forwarded month as
// one frame runs it when the player presses M (31 day steps plus the month-end checks).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Game.h"
#include "Strategy_library.h"
#include "ticho.h"

using namespace Strategy_library;
using W = S_L;

namespace {

S_surovina g_zasoby[W::MAX_SUROVIN];
float g_hodiny = 0.0f;

float hodiny() { return g_hodiny; }

// The new game's 30 settlers grown to 1 000 people: 400 men and 400 women of 20 to 45, 200
// children; 400 one-family houses, 300 one-man workplaces of six kinds, wells and a warehouse.
// One month end has housed, employed and married them. Stocks are ample and restored before
// every measured month, so the town neither starves nor fills its stores.
void mesto_1000() {
    postav_mesto({400, 1, 300, 4, 1, 385, 200, 40, 120});
    Ticho ticho;
    S_owner& hrac = strategy.id_owner[W::id_player];
    std::memcpy(g_zasoby, hrac.surovina, sizeof g_zasoby);
    Game_mesiac();
    if (hrac.pocet_ludi < 990 || hrac.bez_domova_last_id != 0) std::abort();
}

// The month-end checks of 1 August (summer, no year end).
void mesiac_konce(benchmark::State& state) {
    mesto_1000();
    Ticho ticho;
    for (auto _ : state) {
        std::memcpy(strategy.id_owner[W::id_player].surovina, g_zasoby, sizeof g_zasoby);
        strategy.time = {1, W::M_august, 1};
        strategy.mesiac_passed = true;
        strategy.rok_passed = false;
        Game_mesiac();
    }
    state.counters["ludi"] = strategy.id_owner[W::id_player].pocet_ludi;
}
BENCHMARK(mesiac_konce)->Unit(benchmark::kMillisecond);

// One frame with month fast-forward from 1 Jul: 31 day steps, then the month-end checks.
void mesiac_pretocenie(benchmark::State& state) {
    mesto_1000();
    game_hooks = {hodiny, nullptr, nullptr};
    my_time = {0.0f, 0.0f, false};
    g_hodiny = 0.0f;
    zrychlenie = 1.0f;
    strategy.time_slow = false;
    Ticho ticho;
    Game.Run();
    for (auto _ : state) {
        std::memcpy(strategy.id_owner[W::id_player].surovina, g_zasoby, sizeof g_zasoby);
        strategy.time = {1, W::M_jul, 1};
        cas_mesiace = true;
        g_hodiny += 2.0f * zrychlenie * 2500.0f + 1.0f;
        // Keep the clock's float exact: start over well below 2^24 ms.
        if (g_hodiny > 8.0e6f) {
            g_hodiny = 5001.0f;
            my_time.time_last = 0.0f;
        }
        Game.Action();
        if (strategy.return_mesiac() != W::M_august) std::abort();
    }
    state.counters["ludi"] = strategy.id_owner[W::id_player].pocet_ludi;
}
BENCHMARK(mesiac_pretocenie)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
