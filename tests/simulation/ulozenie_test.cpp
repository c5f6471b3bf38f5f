// Saved games: a save taken on the eve of a battle and loaded into a process that has played
// another game goes on step for step as the original did; a new game after another starts as in
// a fresh process; damaged, foreign, newer and hostile files are refused with the world left as
// it was; a write killed or failing halfway leaves the previous save loadable; and the save
// committed with this format still loads.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "../../bench/ticho.h"
#include "../battle_town.h"
#include "../krokovanie.h"
#include "ulozenie.h"

using Strategy_library::S_L;
using Bajty = std::vector<unsigned char>;

namespace {

Bajty uloz() {
    std::string chyba;
    Bajty b = ulozenie::zakoduj(chyba);
    EXPECT_FALSE(b.empty()) << chyba;
    return b;
}

// Runs f with the console silenced (the world prints as it plays); its result.
template <class F>
auto potichu(F f) {
    Ticho t;
    return f();
}

bool nacitaj(const Bajty& b, std::string& chyba) {
    return ulozenie::nacitaj_z_pamate(b.data(), b.size(), chyba);
}

// The sections of a save, for a comparison that names the first one that differs.
std::string rozdiel(const Bajty& a, const Bajty& b) {
    Bajty da, db;
    ulozenie::S_hlavicka h;
    std::string chyba;
    if (!ulozenie::rozbal(a.data(), a.size(), da, h, chyba) ||
        !ulozenie::rozbal(b.data(), b.size(), db, h, chyba))
        return "unreadable: " + chyba;
    for (std::size_t i = 0; i < da.size() && i < db.size(); i += 12) {
        const std::string tag(reinterpret_cast<const char*>(&da[i]), 4);
        std::uint32_t n;
        std::memcpy(&n, &da[i + 4], 4);
        if (i + 12 + n > db.size() || std::memcmp(&da[i], &db[i], 12 + n) != 0)
            return "section " + tag + " differs";
        i += n;
    }
    return da.size() == db.size() ? "" : "lengths differ";
}

// A digest of what a battle step moves: the group rows and every person's place and health.
std::uint64_t odtlacok_kroku() {
    std::uint64_t h = 1469598103934665603ull;
    auto pridaj = [&](long long v) { h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ull; };
    for (int g = 0; g < strategy.riadkov_skupin(); ++g) {
        const auto& s = strategy.vojenska_skupina[g];
        for (float f : {s.xf, s.yf, s.rot}) pridaj(std::llround(f * 1000.0f));
        for (int v :
             {s.dead, s.zoznam_vojakov_last_id, s.utoci_na_objekt, s.final_x, s.final_y, s.go_to_x})
            pridaj(v);
    }
    for (int c = 0; c < strategy.clovek_hwm; ++c)
        for (long long v :
             {0ll + strategy.clovek[c].zdravie, std::llround(strategy.clovek[c].x * 1000.0f),
              std::llround(strategy.clovek[c].y * 1000.0f)})
            pridaj(v);
    pridaj(strategy.rand_stav);
    return h;
}

// The clock as the save left it: the fake clock and the step's reference at zero, running.
void spusti_po_nacitani() {
    game_hooks = {krokovanie::falosne_hodiny, nullptr, nullptr};
    my_time = {0.0f, 0.0f, false};
    krokovanie::hodiny() = 0.0f;
    Game.Start();
    Game.Run();
}

// The battle fought on to its end through the real step driver, the player sending his groups
// every ten steps: a digest after every step, and the winner; `z` gets them.
void dobojuj(std::vector<std::uint64_t>& z) {
    for (int krok = 0; strategy.je_vojna && krok < 4000; ++krok) {
        if (krok % 10 == 0) krokovanie::bojuj();
        krokovanie::krok();
        z.push_back(odtlacok_kroku());
    }
    if (strategy.je_vojna) strategy.request_end_of_battle(S_L::id_nepriatel, S_L::id_player, false);
    z.push_back(strategy.posledna_bitka.vitaz);
}

// The walled town with its army, its attack started by the month's checks of 1 December.
void bitka_zacata() {
    battle_town::postav_bojove_mesto(battle_town::Armada::silna);
    krokovanie::spusti();
    krokovanie::mesiac_hry();
}

// Thirteen months from now, every battle fought: a whole save after every month end and the
// digests of the battles' steps; `knihy` the first recount that disagreed.
struct S_zaznam {
    std::vector<std::uint64_t> odtlacky;
    std::string knihy;
};
S_zaznam hraj_rok() {
    Ticho ticho;
    S_zaznam z;
    for (int m = 0; m < 13; ++m) {
        krokovanie::mesiac_hry();
        const Bajty b = uloz();
        z.odtlacky.push_back(std::hash<std::string>{}(std::string(b.begin(), b.end())));
        if (strategy.je_vojna) dobojuj(z.odtlacky);
        if (z.knihy.empty()) z.knihy = strategy.prepocitaj_vsetko();
    }
    return z;
}

// A folder of its own under the system's temporary one, removed with all it holds.
struct S_priecinok {
    std::string cesta;
    S_priecinok() {
        std::string vzor =
            (std::filesystem::temp_directory_path() / "varnhold_ulozenie_XXXXXX").string();
        cesta = mkdtemp(vzor.data()) ? vzor : "";
    }
    ~S_priecinok() { std::filesystem::remove_all(cesta); }
};

// A world of its own, never used by a game before, for what a fresh process would do.
struct S_cisty_svet {
    S_L* w;
    S_cisty_svet() : w(new (std::calloc(1, sizeof(S_L))) S_L) {
        w->prevezmi(strategy, false, true);
        w->reset_tabulky();
    }
    ~S_cisty_svet() { std::free(w); }
};

class Ulozenie : public ::testing::Test {
protected:
    void SetUp() override {
        potichu([] { naplnene_katalogy(); });
    }
};

}  // namespace

TEST_F(Ulozenie, AGameLoadedIntoAnotherGoesOnThroughItsBattleStepForStep) {
    // The walled town eleven months before the attack, played to its eve (31 November) so that
    // the generator (the year's births), the stores and the people have moved on from how the
    // builder left them.
    potichu([] {
        battle_town::postav_bojove_mesto(battle_town::Armada::silna);
        strategy.time = {30, S_L::M_december, 4};
        krokovanie::spusti();
        for (int m = 0; m < 11; ++m) krokovanie::mesiac_hry();
        cas_mesiace = false;
        while (strategy.time.den < 31) krokovanie::krok();
    });
    ASSERT_TRUE(strategy.time.mesiac == S_L::M_november && strategy.rand_stav != 1u);
    const Bajty predvecer = uloz();
    const S_zaznam povodne = hraj_rok();
    EXPECT_EQ(povodne.knihy, "");
    EXPECT_GT(povodne.odtlacky.size(), 13u + 20u) << "the attack came and was fought";

    // Another game in between: a weak town attacked and beaten, months of peace, fast speed.
    potichu([] {
        battle_town::postav_bojove_mesto(battle_town::Armada::slaba);
        krokovanie::spusti();
        for (int m = 0; m < 3; ++m) {
            krokovanie::mesiac_hry();
            for (int k = 0; strategy.je_vojna && k < 4000; ++k) krokovanie::krok();
        }
    });
    zrychlenie = 0.01f;

    std::string chyba;
    ASSERT_TRUE(nacitaj(predvecer, chyba)) << chyba;
    EXPECT_TRUE(zrychlenie == 1.0f && !cas_mesiace);
    EXPECT_EQ(rozdiel(predvecer, uloz()), "");  // the loaded world saves to the same bytes
    spusti_po_nacitani();
    const S_zaznam znova = hraj_rok();
    ASSERT_EQ(povodne.odtlacky.size(), znova.odtlacky.size());
    for (std::size_t i = 0; i < povodne.odtlacky.size(); ++i)
        ASSERT_EQ(povodne.odtlacky[i], znova.odtlacky[i]) << "record " << i;
}

TEST_F(Ulozenie, ASaveInTheMiddleOfABattleFightsOnAsTheBattleWould) {
    // Sixty steps into the walled town's battle, the player fighting.
    potichu([] {
        bitka_zacata();
        for (int krok = 0; krok < 60; ++krok) {
            if (krok % 10 == 0) krokovanie::bojuj();
            krokovanie::krok();
        }
    });
    ASSERT_TRUE(strategy.je_vojna && strategy.bitka_krokov == 60);
    const Bajty v_bitke = uloz();
    std::vector<std::uint64_t> povodne, znova;
    potichu([&] { dobojuj(povodne); });

    potichu([] { battle_town::postav_bojove_mesto(battle_town::Armada::slaba); });
    std::string chyba;
    ASSERT_TRUE(nacitaj(v_bitke, chyba)) << chyba;
    EXPECT_TRUE(zrychlenie == 0.01f &&
                strategy.bitka_krokov == 60);  // the battle's speed and length
    spusti_po_nacitani();
    potichu([&] { dobojuj(znova); });
    EXPECT_EQ(povodne, znova);
}

TEST_F(Ulozenie, ANewGameAfterAnotherStartsAsInAFreshProcess) {
    S_cisty_svet cisty;
    potichu([&] { cisty.w->New_Game(); });
    Game_nova_hra();  // a fresh process's step driver
    std::string chyba;
    const Bajty cista = ulozenie::zakoduj(*cisty.w, chyba);

    // A battle leaves the enemy's memory set (as one against a town without gates would); the
    // speed is fast.
    potichu([] {
        battle_town::postav_bojove_mesto(battle_town::Armada::silna);
        krokovanie::spusti();
        for (int m = 0; m < 2; ++m) {
            krokovanie::mesiac_hry();
            for (int k = 0; strategy.je_vojna && k < 300; ++k) krokovanie::krok();
        }
    });
    strategy.AI_neni_brana = true;
    zrychlenie = 0.1f;
    cas_mesiace = true;
    // Whatever the owners' records hold (counters, lists, stocks) does not outlive the game.
    std::memset(static_cast<void*>(strategy.id_owner), 0x5a, sizeof strategy.id_owner);

    potichu([] { strategy.New_Game(); });
    Game_nova_hra();
    EXPECT_FALSE(strategy.AI_neni_brana);
    EXPECT_EQ(rozdiel(cista, uloz()), "");
}

TEST_F(Ulozenie, DamagedForeignNewerAndHostileFilesAreRefusedAndTheGameStays) {
    potichu(bitka_zacata);
    const Bajty dobra = uloz(), pred = dobra;
    std::string chyba;
    auto odmietnuta = [&](const Bajty& b, const std::string& ako) {
        chyba.clear();
        EXPECT_FALSE(nacitaj(b, chyba)) << ako;
        EXPECT_FALSE(chyba.empty()) << ako;
    };

    std::mt19937 nahoda(5);
    for (int i = 0; i < 60; ++i) {
        const std::size_t n = nahoda() % dobra.size();
        odmietnuta(Bajty(dobra.begin(), dobra.begin() + n), "truncated at " + std::to_string(n));
        Bajty zla = dobra;
        zla[nahoda() % zla.size()] ^= static_cast<unsigned char>(1u << (nahoda() % 8));
        odmietnuta(zla, "a bit flipped");
    }
    Bajty nahodne(5000);
    for (auto& c : nahodne) c = static_cast<unsigned char>(nahoda());
    odmietnuta(nahodne, "random bytes");
    odmietnuta({}, "empty");
    odmietnuta(Bajty(dobra.begin(), dobra.begin() + 8), "magic only");

    // Right sums, wrong contents: a newer format, a header that lies, a value out of range,
    // books that do not balance, a section missing.
    Bajty data;
    ulozenie::S_hlavicka h;
    ASSERT_TRUE(ulozenie::rozbal(dobra.data(), dobra.size(), data, h, chyba)) << chyba;
    ulozenie::S_hlavicka novsia = h;
    novsia.verzia = ulozenie::VERZIA + 1;
    odmietnuta(ulozenie::zabal(data, novsia), "newer");
    EXPECT_NE(chyba.find("novsou verziou"), std::string::npos) << chyba;
    ulozenie::S_hlavicka lzuca = h;
    lzuca.pocet_ludi += 1;
    odmietnuta(ulozenie::zabal(data, lzuca), "lying header");
    Bajty mimo = data;
    mimo[12] = 0xff;  // the first value of the first section, the objects' high-water mark
    mimo[13] = 0xff;
    mimo[14] = 0x7f;
    odmietnuta(ulozenie::zabal(mimo, h), "out of range");
    EXPECT_NE(chyba.find("objekt_hwm"), std::string::npos) << chyba;
    odmietnuta(ulozenie::zabal(Bajty(data.begin(), data.end() - 40), h), "section cut short");
    strategy.id_owner[S_L::id_player].pocet_muzov += 1;
    const Bajty nesedi = uloz();
    strategy.id_owner[S_L::id_player].pocet_muzov -= 1;
    odmietnuta(nesedi, "books");
    EXPECT_NE(chyba.find("knihy hry nesedia: owner 1: pocet_muzov"), std::string::npos) << chyba;
    // A value no load would take is not written either.
    const int mesiac = strategy.time.mesiac;
    strategy.time.mesiac = 13;
    EXPECT_TRUE(ulozenie::zakoduj(chyba).empty());
    EXPECT_EQ(chyba, "hru nemozno ulozit: svet mesiac: hodnota 13 mimo rozsahu");
    strategy.time.mesiac = mesiac;

    // Files: a folder, a missing file, a foreign file; the message names the file.
    S_priecinok d;
    EXPECT_FALSE(nacitaj_hru(d.cesta.c_str(), chyba));
    EXPECT_NE(chyba.find(d.cesta + ": je to priecinok"), std::string::npos) << chyba;
    EXPECT_FALSE(nacitaj_hru((d.cesta + "/nie.hra").c_str(), chyba));
    EXPECT_FALSE(nacitaj_hru(VARNHOLD_DATA_DIR "/SimpleVertexShader.vertexshader.txt", chyba));
    EXPECT_NE(chyba.find("nie je to ulozena hra"), std::string::npos) << chyba;

    EXPECT_EQ(rozdiel(pred, uloz()), "");  // through all of it the running game stayed
}

TEST_F(Ulozenie, AWriteKilledOrFailingHalfwayLeavesThePreviousSaveLoadable) {
    potichu([] { battle_town::postav_bojove_mesto(battle_town::Armada::silna); });
    S_priecinok d;
    const std::string cesta = d.cesta + "/hra.hra";
    std::string chyba;
    ASSERT_TRUE(uloz_hru(cesta.c_str(), chyba)) << chyba;

    // A file-size limit below the save's size stands in for a full disk.
    const int rok = strategy.time.rok;
    strategy.time.rok = rok + 1;
    const pid_t dieta = fork();
    if (dieta == 0) {
        const rlimit r{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &r);
        std::string ch;
        const bool ok = uloz_hru(cesta.c_str(), ch);
        _exit(!ok && ch.find("zapis zlyhal") != std::string::npos ? 0 : 1);
    }
    int stav = 0;
    waitpid(dieta, &stav, 0);
    EXPECT_TRUE(WIFEXITED(stav) && WEXITSTATUS(stav) == 0) << "the failing write was not reported";
    ASSERT_TRUE(nacitaj_hru(cesta.c_str(), chyba)) << chyba;
    EXPECT_EQ(strategy.time.rok, rok);

    // Saves of the next year, killed at moments spread over the write: the file holds the old
    // game or the new one, never a broken one.
    strategy.time.rok = rok + 1;
    for (int i = 0; i < 12; ++i) {
        const pid_t pisar = fork();
        if (pisar == 0)
            for (std::string ch;;) uloz_hru(cesta.c_str(), ch);
        usleep(static_cast<useconds_t>(300 + 700 * i));
        kill(pisar, SIGKILL);
        waitpid(pisar, &stav, 0);
        ASSERT_TRUE(nacitaj_hru(cesta.c_str(), chyba)) << "after a kill " << i << ": " << chyba;
        EXPECT_TRUE(strategy.time.rok == rok || strategy.time.rok == rok + 1);
        strategy.time.rok = rok + 1;
    }
}

// The save committed with this format. When the format is changed on purpose (with a new
// version number and the old one still read), write one of the new version beside it:
//     VARNHOLD_ZAPIS_ULOZENU_HRU=tests/ulozene_hry/verzia_N.hra build/asan/simulation_tests
//     --gtest_filter='*Committed*'
TEST_F(Ulozenie, TheCommittedSaveOfEachFormatLoadsAndPlaysOn) {
    if (const char* ciel = std::getenv("VARNHOLD_ZAPIS_ULOZENU_HRU")) {
        potichu(bitka_zacata);
        std::string chyba;
        ASSERT_TRUE(uloz_hru(ciel, chyba)) << chyba;
    }
    for (int verzia = ulozenie::NAJSTARSIA_CITATELNA; verzia <= ulozenie::VERZIA; ++verzia) {
        const std::string cesta =
            VARNHOLD_ZDROJ "/tests/ulozene_hry/verzia_" + std::to_string(verzia) + ".hra";
        std::string chyba;
        ASSERT_TRUE(nacitaj_hru(cesta.c_str(), chyba)) << chyba;
        EXPECT_EQ(strategy.time.den, 1);
        EXPECT_EQ(strategy.time.mesiac, S_L::M_december);
        EXPECT_EQ(strategy.time.rok, 5);
        EXPECT_TRUE(strategy.je_vojna);
        // The month report of that first of December came with the save from format 3 on.
        EXPECT_EQ(strategy.sprava_mesiaca.rok, verzia >= 3 ? 5 : 0) << cesta;
        // The battle goes on and ends by itself under the rules of this build.
        spusti_po_nacitani();
        potichu([] {
            for (int k = 0; strategy.je_vojna && k < 4000; ++k) krokovanie::krok();
        });
        EXPECT_FALSE(strategy.je_vojna) << cesta;
        EXPECT_EQ(strategy.prepocitaj_vsetko(), "") << cesta;
    }
}
