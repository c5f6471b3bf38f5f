// Cost of saving and loading a town of 10 000 people (4 000 men and 4 000 women housed in 2 000
// houses and employed in 2 500 workplaces, 2 000 children): the save as "Uloz Hru" and the
// autosave write it (encoding, compression, the crash-safe write with its syncs), the encoding
// alone, and the load as "Nacitaj Hru" runs it (reading, checking, decoding into a scratch world,
// the recount, the swap). The file's size is reported as a counter.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Game.h"
#include "Strategy_library.h"
#include "ticho.h"
#include "ulozenie.h"

using namespace Strategy_library;
using W = S_L;

namespace {

void mesto_10000() {
    static bool postavene = false;
    if (postavene) return;
    postavene = true;
    postav_mesto({2000, 5, 2500, 8, 4, 3985, 2000, 20, 160});
    Ticho ticho;
    Game_mesiac();
    if (strategy.id_owner[W::id_player].pocet_ludi < 9900 || !strategy.prepocitaj_vsetko().empty())
        std::abort();
}

std::string cesta_suboru() {
    return "/tmp/varnhold_bench_save_" + std::to_string(getpid()) + ".hra";
}

void ulozenie(benchmark::State& state) {
    mesto_10000();
    const std::string cesta = cesta_suboru();
    std::string chyba;
    for (auto _ : state)
        if (!uloz_hru(cesta.c_str(), chyba)) state.SkipWithError(chyba.c_str());
    std::vector<unsigned char> subor;
    ulozenie::citaj_subor(cesta.c_str(), 1u << 30, subor, chyba);
    state.counters["bajtov"] = static_cast<double>(subor.size());
    state.counters["ludi"] = strategy.id_owner[W::id_player].pocet_ludi;
    std::remove(cesta.c_str());
}
BENCHMARK(ulozenie)->Unit(benchmark::kMillisecond);

void zakodovanie(benchmark::State& state) {
    mesto_10000();
    std::string chyba;
    for (auto _ : state) benchmark::DoNotOptimize(ulozenie::zakoduj(chyba));
}
BENCHMARK(zakodovanie)->Unit(benchmark::kMillisecond);

void nacitanie(benchmark::State& state) {
    mesto_10000();
    const std::string cesta = cesta_suboru();
    std::string chyba;
    if (!uloz_hru(cesta.c_str(), chyba)) std::abort();
    for (auto _ : state)
        if (!nacitaj_hru(cesta.c_str(), chyba)) state.SkipWithError(chyba.c_str());
    std::remove(cesta.c_str());
}
BENCHMARK(nacitanie)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
