// The player's saved games: the folder, "Uloz Hru" and its message, the autosaves and their
// rotation, the list of "Nacitaj Hru" with its keys, a load that fails and one that runs, the
// autosave timer, and a new game that starts fresh after another.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "Camera.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Menu.h"
#include "Strategy_library.h"
#include "Ulozene_hry.h"
#include "hra_pripravena.h"

using Strategy_library::S_L;
namespace fs = std::filesystem;

namespace {

class UlozeneHry : public ::testing::Test {
protected:
    std::string koren;
    std::string stary_xdg;

    void SetUp() override {
        std::string vzor = (fs::temp_directory_path() / "varnhold_hry_XXXXXX").string();
        ASSERT_NE(mkdtemp(vzor.data()), nullptr);
        koren = vzor;
        if (const char* x = std::getenv("XDG_DATA_HOME")) stary_xdg = x;
        setenv("XDG_DATA_HOME", koren.c_str(), 1);
        hra_pripravena();
        sprava_ulozenia = {};
    }
    void TearDown() override {
        stary_xdg.empty() ? unsetenv("XDG_DATA_HOME")
                          : setenv("XDG_DATA_HOME", stary_xdg.c_str(), 1);
        fs::remove_all(koren);
        Z_zoznam_hier = false;
    }
    std::string priecinok() const { return koren + "/varnhold/saves"; }
    // Runs f with the console captured; what it printed.
    template <class F>
    static std::string konzola(F f) {
        testing::internal::CaptureStdout();
        f();
        return testing::internal::GetCapturedStdout();
    }
};

}  // namespace

TEST_F(UlozeneHry, TheFolderFollowsXdgDataHomeOrTheHome) {
    EXPECT_EQ(priecinok_hier(), priecinok());
    const std::string domov = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_DATA_HOME", "relativna/cesta", 1);  // not absolute: ignored
    setenv("HOME", koren.c_str(), 1);
    EXPECT_EQ(priecinok_hier(), koren + "/.local/share/varnhold/saves");
    setenv("HOME", domov.c_str(), 1);
}

TEST_F(UlozeneHry, SavingFromTheInGameMenuWritesANewFileAndSaysSo) {
    strategy.time = {12, S_L::M_april, 3};
    const std::string out = konzola([] { Herne_Menu_Uloz_Hru(); });
    EXPECT_TRUE(sprava_ulozenia.text == "HRA ULOZENA" && !sprava_ulozenia.chyba);
    auto hry = najdi_ulozene_hry(priecinok());
    ASSERT_EQ(hry.size(), 1u);
    EXPECT_EQ(out, "ULOZENA HRA " + hry[0].cesta + " 12.4.3\n");
    EXPECT_EQ(std::make_tuple(hry[0].citatelna, hry[0].automaticka, int(hry[0].hlavicka.rok),
                              int(hry[0].hlavicka.pocet_ludi)),
              std::make_tuple(true, false, 3, 30));

    // A second save in the same second is a file of its own.
    konzola([] { Herne_Menu_Uloz_Hru(); });
    EXPECT_EQ(najdi_ulozene_hry(priecinok()).size(), 2u);

    // A folder that cannot be made: the reason, in red, and the game goes on.
    fs::remove_all(koren + "/varnhold");
    std::ofstream(koren + "/varnhold") << "not a folder";
    konzola([] { Herne_Menu_Uloz_Hru(); });
    EXPECT_TRUE(sprava_ulozenia.chyba);
    EXPECT_EQ(sprava_ulozenia.text.rfind("HRU SA NEPODARILO ULOZIT - ", 0), 0u)
        << sprava_ulozenia.text;
    EXPECT_TRUE(Game.is_running());
}

TEST_F(UlozeneHry, AutosavesRotateOverThreeFilesAndLeavingTheGameMakesOne) {
    std::string cesta, chyba;
    for (int i = 0; i < 3; ++i)
        konzola([&] { ASSERT_TRUE(uloz_automaticky(cesta, chyba)) << chyba; });
    EXPECT_EQ(cesta, priecinok() + "/autoulozenie-3.hra");
    for (const char* dalsia : {"/autoulozenie-1.hra", "/autoulozenie-2.hra"}) {  // the oldest
        konzola([&] { uloz_automaticky(cesta, chyba); });
        EXPECT_EQ(cesta, priecinok() + dalsia);
    }

    // "Koniec Hry" keeps the game in the next autosave; the list marks autosaves, newest first.
    strategy.time.rok = 9;
    konzola([] {
        Hra_aktivuj_Herne_Menu();
        Herne_Menu_do_Hlavne_Menu();
    });
    EXPECT_TRUE(Menu.is_active());
    const auto hry = najdi_ulozene_hry(priecinok());
    ASSERT_EQ(hry.size(), 3u);
    EXPECT_EQ(std::make_tuple(hry[0].meno, int(hry[0].hlavicka.rok), hry[1].meno),
              std::make_tuple("autoulozenie-3.hra", 9, "autoulozenie-2.hra"));
    EXPECT_TRUE(hry[0].automaticka && hry[1].automaticka && hry[2].automaticka);
}

TEST_F(UlozeneHry, TheListLoadsTheChosenSaveAndKeepsTheMenuWhenOneCannotBeLoaded) {
    strategy.time = {5, S_L::M_jun, 2};
    konzola([] { Herne_Menu_Uloz_Hru(); });
    const std::string dobra = najdi_ulozene_hry(priecinok())[0].cesta;
    // A broken save written later (newest first in the list) and a file the list ignores.
    usleep(20000);
    std::ofstream(priecinok() + "/pokazena.hra") << "VARNHRA\x1a but nothing more";
    std::ofstream(priecinok() + "/poznamky.txt") << "not a save";

    hra_pripravena();  // another game runs, then the player goes to the main menu
    Hra_aktivuj_Herne_Menu();
    konzola([] { Herne_Menu_do_Hlavne_Menu(); });
    fs::remove(priecinok() + "/autoulozenie-1.hra");
    Nacitaj_Hru_action();
    ASSERT_TRUE(Z_zoznam_hier);
    ASSERT_EQ(Z_hry.size(), 2u);
    EXPECT_EQ(std::tie(Z_hry[0].meno, Z_hry[0].citatelna, Z_hry[0].chyba),
              std::make_tuple("pokazena.hra", false, "subor je skrateny"));
    Zoznam_hier_predchadzajuca_action();  // already the first
    EXPECT_EQ(Z_vybrana, 0);

    konzola([] { Zoznam_hier_nacitaj_action(); });
    EXPECT_EQ(std::make_tuple(Z_zoznam_hier, Menu.is_active(), sprava_ulozenia.chyba),
              std::make_tuple(true, true, true));
    EXPECT_EQ(sprava_ulozenia.text, "HRU SA NEPODARILO NACITAT - subor je skrateny");
    EXPECT_NE(strategy.time.mesiac, S_L::M_jun);

    Zoznam_hier_dalsia_action(), Zoznam_hier_dalsia_action();  // already the last
    EXPECT_EQ(Z_vybrana, 1);
    zrychlenie = 0.01f;
    const std::string out = konzola([] { Zoznam_hier_nacitaj_action(); });
    EXPECT_NE(out.find("NACITANA HRA " + dobra + " 5.6.2\n"), std::string::npos) << out;
    // At the speed the save holds.
    EXPECT_EQ(std::make_tuple(Z_zoznam_hier, Menu.is_active(), Game.is_running(), zrychlenie,
                              int(strategy.time.mesiac)),
              std::make_tuple(false, false, true, 1.0f, int(S_L::M_jun)));

    // Esc leaves the list without loading.
    Menu.open();
    Nacitaj_Hru_action();
    Zoznam_hier_zatvor_action();
    EXPECT_TRUE(!Z_zoznam_hier && Menu.is_active());
}

TEST_F(UlozeneHry, AnAutosaveComesAfterFiveMinutesOfPlayAtTheNextDayStepAndNeverInABattle) {
    C_Autoulozenie a;
    a.zacni();
    const float P = C_Autoulozenie::PERIODA_MS;
    EXPECT_FALSE(a.krok(0, true, 0, false));
    EXPECT_FALSE(a.krok(P - 10, true, 1, false));  // a day, but too early
    EXPECT_FALSE(a.krok(P + 10, true, 1, false));  // time enough, but no day step this frame
    EXPECT_FALSE(a.krok(P + 20, true, 2, true));   // a day step, but a battle is on
    EXPECT_TRUE(a.krok(P + 30, true, 3, false));
    EXPECT_FALSE(a.krok(P + 40, true, 4, false));  // the count starts again
    // Time with the clock stopped (a menu) does not count.
    EXPECT_FALSE(a.krok(3 * P, false, 5, false));
    EXPECT_FALSE(a.krok(3 * P + 10, true, 6, false));
    EXPECT_TRUE(a.krok(4 * P + 50, true, 7, false));
}

TEST_F(UlozeneHry, ANewGameStartsAtSpeedOneWithWindowsClosedOverTheMainBuilding) {
    zrychlenie = 0.01f;
    cas_mesiace = H_hlavna_budova = B_setting_position = true;
    Camera_right(), Camera_right();
    const float x0 = Camera.Position.x;
    konzola([] {
        Game.Stop();
        Menu.open();
        Nova_Hra();
    });
    ASSERT_NE(x0, 100.0f);
    EXPECT_EQ(std::make_tuple(zrychlenie, cas_mesiace, H_hlavna_budova || B_setting_position,
                              Camera.Position.x, Game.is_running()),
              std::make_tuple(1.0f, false, false, 100.0f, true));
}
