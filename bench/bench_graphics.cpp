// Cost of the graphics: loading every model and glyph (budget: median at most 150 ms), and in one
// run the frame cost of an empty clear-and-swap frame, the world pass over a full window of tiles
// without text, a town, and the country overview's people tab (the longest screen of text) over
// the world. The text layer must allocate nothing per frame: every malloc of the process is
// counted, and the people-tab frame reports the allocations and GPU buffers of its text layer.
// The frame benchmarks need a display (run through tests/e2e/with_xvfb.sh); without one they are
// skipped with a message and only the loading is measured.
#include <benchmark/benchmark.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "Camera.h"
#include "Font3.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Menu.h"
#include "OpenGL3_3.h"
#include "Ovladanie.h"
#include "Strategy_library.h"
#include "Write_to_screen.h"
#include "objloader.h"
#include "shader.h"
#include "ticho.h"

// The one GL call needed here, declared alone: the game's headers take other GL 1.1 names.
extern "C" void glFinish();

// Every heap allocation of the process goes through these (operator new included).
static long alokacie = 0;
extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);
extern "C" void* malloc(std::size_t n) {
    ++alokacie;
    return __libc_malloc(n);
}
extern "C" void* calloc(std::size_t n, std::size_t m) {
    ++alokacie;
    return __libc_calloc(n, m);
}
extern "C" void* realloc(void* p, std::size_t n) {
    ++alokacie;
    return __libc_realloc(p, n);
}

using Strategy_library::S_L;

namespace {

// Every load of one iteration goes after the meshes already there and is dropped afterwards,
// with the links put back, so a running scene keeps its own meshes.
void BM_nacitanie_modelov_a_pisma(benchmark::State& state) {
    static Strategy_library::S_budova budova[51];
    static Strategy_library::S_podklad podklad[1];
    static Strategy_library::S_vojna vojna[5];
    static Strategy_library::S_vojenske_stroje stroje[2];
    static Strategy_library::S_vizual_pointers vip[10];
    std::memcpy(budova, strategy.budova, sizeof budova);
    std::memcpy(podklad, strategy.podklad, sizeof podklad);
    std::memcpy(vojna, strategy.vojna, sizeof vojna);
    std::memcpy(stroje, strategy.vojenske_stroje, sizeof stroje);
    std::memcpy(vip, strategy.visual_pointer, sizeof vip);
    const int zaklad = strategy.last_graficky_objekt;
    strategy.nacitaj_mesh = nacitaj_mesh_do_registra;

    int modely = 0, glyfy = 0;
    for (auto _ : state) {
        {
            Ticho t;
            strategy.Nacitaj_graficke_objekty();
            LoadFont();
        }
        state.PauseTiming();
        modely = strategy.last_graficky_objekt - zaklad;
        glyfy = 0;
        for (int i = 0; i <= Font::LAST_FONT; ++i) glyfy += Font::font_loaded[i];
        for (int i = zaklad; i < strategy.last_graficky_objekt; ++i) {
            strategy.graficky_objekt[i].out_vertices.uvolni();
            strategy.graficky_objekt[i].out_colors.uvolni();
        }
        strategy.last_graficky_objekt = zaklad;
        state.ResumeTiming();
    }
    std::memcpy(strategy.budova, budova, sizeof budova);
    std::memcpy(strategy.podklad, podklad, sizeof podklad);
    std::memcpy(strategy.vojna, vojna, sizeof vojna);
    std::memcpy(strategy.vojenske_stroje, stroje, sizeof stroje);
    std::memcpy(strategy.visual_pointer, vip, sizeof vip);
    state.counters["models"] = modely;
    state.counters["glyphs"] = glyfy;
    if (modely != 56 || glyfy != 42) state.SkipWithError("not every model and glyph loaded");
}

// One frame of the scene without its text layer.
void snimka() {
    Kresli_svet();
    dokonci_snimku();
    glfwSwapBuffers(window);
    glFinish();
}

// Clear, the camera matrices and the swap, with nothing to draw: the game stopped, no menu open.
void BM_prazdna_snimka(benchmark::State& state) {
    Game.running = false;
    for (auto _ : state) snimka();
}

// The whole frame of a running game with the country overview on its people tab: the world, then
// the status line, the date and the tab's twenty lines. The GL driver allocates inside its own
// draw calls (for meshes as for glyphs), which the frame's end makes; the text layer's own
// allocations are counted in one more pass with the glyph and outline draw calls left out.
void BM_snimka_prehladu_ludia(benchmark::State& state) {
    Game.running = true;
    Nastav_Camera();
    Otvor_Okno_Hlavna_budova();
    Okno_HB_dolava_action();  // from the first tab back round to the people tab
    long snimky = 0, alokacie_ovladaca = 0, buffre = 0, kreslenia = 0;
    for (auto _ : state) {
        Kresli_svet();
        Write_to_out_screen();
        const long a = alokacie;
        const S_gl_statistika g = gl_statistika;
        dokonci_snimku();
        alokacie_ovladaca += alokacie - a;
        buffre += gl_statistika.vytvorene_buffre - g.vytvorene_buffre;
        kreslenia += gl_statistika.kreslenia - g.kreslenia;
        glfwSwapBuffers(window);
        glFinish();
        ++snimky;
    }
    kresli_glyf = kresli_obrys = [](int) {};
    const long a = alokacie;
    Write_to_out_screen();
    const long alokacie_textu = alokacie - a;
    kresli_glyf = kresli_glyf_gl;
    kresli_obrys = kresli_obrys_gl;
    Close_Window();
    Game.running = false;
    if (snimky > 0) {
        state.counters["text_allocations_per_frame"] = static_cast<double>(alokacie_textu);
        state.counters["buffers_made_per_frame"] = static_cast<double>(buffre) / snimky;
        state.counters["draws_per_frame"] = static_cast<double>(kreslenia) / snimky;
        state.counters["driver_allocations_per_frame"] =
            static_cast<double>(alokacie_ovladaca) / snimky;
    }
    if (alokacie_textu != 0 || buffre != 0) state.SkipWithError("the text layer allocates");
}

// A running game looking at its main building: the whole window of tiles is on the map. With
// `mesto` every tile of the window also holds a finished building (all types but the barracks).
// A still view repeats its frame; `v_pohybe` steps the camera forward and back every frame, so
// that each frame is drawn whole (as while the player moves or a battle runs).
void meraj_snimky(benchmark::State& state, bool mesto, bool v_pohybe = false) {
    if (mesto) mesto_18x18();
    Game.running = true;
    Nastav_Camera();
    const S_gl_statistika pred = gl_statistika;
    long snimky = 0;
    for (auto _ : state) {
        if (v_pohybe) snimky % 2 ? Camera_backward() : Camera_forward();
        snimka();
        ++snimky;
    }
    Game.running = false;
    if (snimky > 0) {
        state.counters["draws_per_frame"] =
            static_cast<double>(gl_statistika.kreslenia - pred.kreslenia) / snimky;
        state.counters["buffers_made_per_frame"] =
            static_cast<double>(gl_statistika.vytvorene_buffre - pred.vytvorene_buffre) / snimky;
        state.counters["buffers_left"] =
            static_cast<double>((gl_statistika.vytvorene_buffre - pred.vytvorene_buffre) -
                                (gl_statistika.zmazane_buffre - pred.zmazane_buffre));
    }
}

void BM_snimka_sveta(benchmark::State& state) { meraj_snimky(state, false); }
void BM_snimka_mesta(benchmark::State& state) { meraj_snimky(state, true); }
void BM_snimka_mesta_v_pohybe(benchmark::State& state) { meraj_snimky(state, true, true); }

// The data folder beside the sources, as the game runs from it.
bool do_priecinka_dat() {
    const std::filesystem::path data =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
    if (!std::filesystem::exists(data / "obj" / "graf_obj")) {
        std::fprintf(stderr, "no data folder at %s\n", data.c_str());
        return false;
    }
    std::filesystem::current_path(data);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Five repetitions of each frame unless --benchmark_repetitions asks for another number (read
    // before the library takes its flags away).
    int opakovania = 5;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--benchmark_repetitions=", 24) == 0)
            opakovania = std::atoi(argv[i] + 24);
    benchmark::Initialize(&argc, argv);
    if (!do_priecinka_dat()) return 1;

    bool kontext = false;
    if (std::getenv("DISPLAY")) {
        Ticho t;
        kontext = Start_okna() == 0 && InitGL();
        if (kontext) {
            Start_shaderov();
            glfwSwapInterval(0);
            Nova_Hra();
        }
    }
    benchmark::RegisterBenchmark("nacitanie_56_modelov_a_42_glyfov", BM_nacitanie_modelov_a_pisma)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
    if (kontext) {
        benchmark::RegisterBenchmark("prazdna_snimka", BM_prazdna_snimka)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(opakovania)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("snimka_sveta_18x18", BM_snimka_sveta)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(opakovania)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("snimka_prehladu_ludia", BM_snimka_prehladu_ludia)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(opakovania)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("snimka_mesta_18x18", BM_snimka_mesta)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(opakovania)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark("snimka_mesta_18x18_v_pohybe", BM_snimka_mesta_v_pohybe)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(opakovania)
            ->ReportAggregatesOnly(true);
    } else {
        std::fprintf(stderr, "no display: the frame benchmarks are skipped\n");
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (kontext) kill_and_clear();
    return 0;
}
