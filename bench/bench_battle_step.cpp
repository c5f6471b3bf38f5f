// Cost of one battle step (`vojna_kontroluj_script`): five enemy groups of ten in hand-to-hand
// contact with five player groups of ten, and ten manned towers firing at them. Nobody can die
// (every soldier has health to spare), so every measured step does the same work; the towers'
// timers are put back to 0 before each step, so all ten fire in every step, and so is the
// battle's clock, so the battle never reaches its time limit.
// And a whole battle as the game plays it: the attack on the walled town of rank 3 from its start
// on 1 December to its end, marching, searching targets, shooting and fighting.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "../tests/battle_town.h"
#include "Strategy_library.h"
#include "ticho.h"

using namespace Strategy_library;
using W = S_L;

namespace {

constexpr int SKUPIN = 5, VOJAKOV = 10;
constexpr int Y_HRAC = 60, Y_NEPRIATEL = 61;

int g_hrac[SKUPIN], g_nepriatel[SKUPIN];

// Groups of ten of owner vl standing on (40 + 6 i, y); their ids in `ids`.
void skupiny(int vl, int y, const int zbrane[SKUPIN], int* ids) {
    strategy.set_owner(vl);
    for (int i = 0; i < SKUPIN * VOJAKOV; ++i) strategy.vytvor_clovek(vl, W::muz, 20, 100);
    strategy.vojenska_skupina_vytvor_pocet = VOJAKOV;
    for (int i = 0; i < SKUPIN; ++i) {
        ids[i] = strategy.vytvor_vojensku_skupinu(zbrane[i], -1, -1);
        if (ids[i] < 0 || !strategy.presun_vojensku_skupinu_na(ids[i], 40 + 6 * i, y, -1))
            std::abort();
        const S_vojenska_skupina& s = strategy.vojenska_skupina[ids[i]];
        for (int k = 0; k < s.zoznam_vojakov_last_id; ++k)
            strategy.clovek[s.zoznam_vojakov[k]].zdravie = 1000000000;
    }
    strategy.set_owner(W::id_player);
}

void bojisko() {
    Ticho ticho;
    naplnene_katalogy();
    strategy.New_Game();
    strategy.set_owner(W::id_player);
    S_owner& hrac = strategy.id_owner[W::id_player];
    // Ten towers behind the player's line, two by each enemy group, each watching both lines.
    for (int t = 0; t < 10; ++t)
        strategy.pridaj_budovu(40 + 6 * (t / 2) + (t % 2 ? 1 : -1), Y_HRAC - 1, W::drevenna_veza,
                               1);
    for (int i = 0; i < 100; ++i) strategy.vytvor_clovek(W::id_player, W::muz, 20, 100);
    hrac.surovina[W::luk].mam = 1000;
    while (strategy.get_pocet_regrutovanie_na_vezu() > 0)
        if (!strategy.regrutujLukostrelcovDoVeze()) std::abort();
    const int hracove[SKUPIN] = {W::mec, W::kopija, W::mec, W::kopija, W::mec};
    const int nepriatelove[SKUPIN] = {W::mec, W::kopija, W::kopija, W::mec, W::kopija};
    skupiny(W::id_player, Y_HRAC, hracove, g_hrac);
    skupiny(W::id_nepriatel, Y_NEPRIATEL, nepriatelove, g_nepriatel);
    strategy.je_vojna = true;
    // Let both sides find each other and close in until every group fights hand to hand.
    for (int krok = 0; krok < 400; ++krok) {
        strategy.vojna_kontroluj_script();
        bool vsetci = true;
        for (int i = 0; i < SKUPIN; ++i)
            vsetci = vsetci && strategy.vojenska_skupina[g_hrac[i]].personal_fights &&
                     strategy.vojenska_skupina[g_nepriatel[i]].personal_fights;
        if (vsetci) return;
    }
    std::abort();
}

void krok_bitky(benchmark::State& state) {
    bojisko();
    Ticho ticho;
    S_owner& hrac = strategy.id_owner[W::id_player];
    for (auto _ : state) {
        for (int t = 0; t < hrac.veza_last_id; ++t) hrac.veza[t].action_timer = 0;
        strategy.bitka_krokov = strategy.bitka_bez_pokroku = 0;
        strategy.vojna_kontroluj_script();
    }
    if (!strategy.je_vojna) std::abort();
    int boj = 0, strelby = 0;
    for (int i = 0; i < SKUPIN; ++i) boj += strategy.vojenska_skupina[g_hrac[i]].personal_fights;
    for (int t = 0; t < hrac.veza_last_id; ++t) strelby += hrac.veza[t].bol_utok;
    state.counters["skupin_v_boji"] = boj;
    state.counters["striela_viez"] = strelby;
}
BENCHMARK(krok_bitky)->Unit(benchmark::kMicrosecond);

// The defended town's whole battle; `krokov` is the number of battle steps it took.
void cela_bitka(benchmark::State& state) {
    Ticho ticho;
    naplnene_katalogy();
    int krokov = 0;
    for (auto _ : state) {
        state.PauseTiming();
        battle_town::postav_bojove_mesto(battle_town::Armada::silna);
        strategy.time = {1, W::M_december, 5};
        krokov = 0;
        state.ResumeTiming();
        strategy.kontroluj_diplomaciu();
        for (; strategy.je_vojna && krokov < 100000; ++krokov) strategy.vojna_kontroluj_script();
    }
    if (strategy.je_vojna || krokov < 10) std::abort();
    state.counters["krokov"] = krokov;
}
BENCHMARK(cela_bitka)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
