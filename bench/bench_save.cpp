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

void postav(int i, int typ, int level) {
    const int x = 20 + i % 160, y = 20 + i / 160;
    strategy.pridaj_budovu(x, y, typ, level);
    if (strategy.point_id_of_objekt(x, y) < 0) std::abort();
}

void mesto_10000() {
    static bool postavene = false;
    if (postavene) return;
    postavene = true;
    naplnene_katalogy_potichu();
    Ticho ticho;
    strategy.New_Game();
    int n = 0;
    for (int i = 0; i < 2000; ++i) postav(n++, W::dom, 5);
    static const int prace[] = {W::farma, W::lovec, W::rybar, W::zberac_dreva, W::mlyn, W::pekaren};
    for (int i = 0; i < 2500; ++i) postav(n++, prace[i % 6], 1);
    for (int i = 0; i < 8; ++i) postav(n++, W::studna, 4);
    for (int i = 0; i < 4; ++i) postav(n++, W::sklad, 5);
    for (int i = 0; i < 3985; ++i) {
        strategy.vytvor_clovek(W::id_player, W::muz, 20 + i % 26, 100);
        strategy.vytvor_clovek(W::id_player, W::zena, 20 + i % 26, 100);
    }
    for (int i = 0; i < 2000; ++i) strategy.vytvor_clovek(W::id_player, 1 + i % 2, 1 + i % 15, 100);
    S_owner& hrac = strategy.id_owner[W::id_player];
    for (int r = 1; r < W::last_surovina_id; ++r) hrac.surovina[r].mam = 100000;
    hrac.surovina[W::mrtvola].mam = 0;
    strategy.time = {1, W::M_jul, 1};
    strategy.mesiac_passed = true;
    strategy.rok_passed = false;
    Game_mesiac();
    if (hrac.pocet_ludi < 9900 || !strategy.prepocitaj_vsetko().empty()) std::abort();
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
