// Cost of a full zone computation on a new game's town walled in by 200 barrier cells, and of one
// path search across the empty map from corner to corner. Both run inside battle steps. The
// search must not touch the heap: every operator new in the timed loop is counted and reported.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <new>

#include "../tests/simulation/hradby.h"
#include "Strategy_library.h"
#include "ticho.h"

using namespace Strategy_library;
using W = S_L;

namespace {
long g_alokacie = 0;
}

// Every heap allocation of the process is counted. Kept out of line, so the compiler pairs the
// allocations with the deletes below rather than with the malloc inside.
__attribute__((noinline)) void* operator new(std::size_t n) {
    ++g_alokacie;
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
__attribute__((noinline)) void* operator new[](std::size_t n) { return operator new(n); }
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete[](p); }

namespace {

void nova_hra() {
    naplnene_katalogy_potichu();
    Ticho ticho;
    strategy.New_Game();
    strategy.set_owner(W::id_player);
}

void nesedi(const char* co) {
    std::fprintf(stderr, "wrong result: %s\n", co);
    std::abort();
}

// Towers on the corners of 75 … 125, palisades between them and a closed gate at (100, 75):
// 200 barrier cells round the main building, and two staffed workshops inside.
void opevnene_mesto() {
    nova_hra();
    Ticho ticho;
    kruh(75, 75, 125, 125, 100);
    strategy.pridaj_budovu(90, 90, 0.0f, W::zberac_dreva, 1);
    strategy.pridaj_budovu(110, 110, 0.0f, W::farma, 1);
    strategy.kontroluj_najdenie_domu_prace();
}

void zony_opevneneho_mesta(benchmark::State& state) {
    opevnene_mesto();
    for (auto _ : state) {
        strategy.zoning(0, 0, false);
        benchmark::DoNotOptimize(strategy.zona_last);
    }
    if (strategy.zona_last != 1 || strategy.point[100][100].zona != 1 ||
        strategy.point[0][0].zona != 0 || strategy.id_owner[W::id_player].brana[0].zona_1 != 1)
        nesedi("zones of the walled town");
}
BENCHMARK(zony_opevneneho_mesta)->Unit(benchmark::kMicrosecond);

void cesta_cez_prazdnu_mapu(benchmark::State& state) {
    naplnene_katalogy_potichu();
    {
        Ticho ticho;
        strategy.Restart_Game();
    }
    strategy.zoning(0, 0, false);
    int tx = 0, ty = 0;
    const long pred = g_alokacie;
    for (auto _ : state) {
        tx = 199, ty = 199;
        benchmark::DoNotOptimize(strategy.find_path(0.2f, 0.2f, tx, ty));
    }
    const long alokacie = g_alokacie - pred;
    state.counters["alokacie"] = static_cast<double>(alokacie);
    if (tx != 0 || ty != 199) nesedi("waypoint across the empty map");
    if (alokacie != 0) nesedi("the path search allocated");
}
BENCHMARK(cesta_cez_prazdnu_mapu)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
