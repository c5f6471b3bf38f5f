// The information screens without a GL context: every glyph the text layer draws is recorded with
// its position and colour, and the tests read the screen back line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "../potichu.h"
#include "Camera.h"
#include "Color.h"
#include "Font3.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Menu.h"
#include "OpenGL3_3.h"
#include "Ovladanie.h"
#include "Strategy_library.h"
#include "Ulozene_hry.h"
#include "Write_to_screen.h"
#include "hra_pripravena.h"

using Strategy_library::S_L;

namespace {

struct Znak {
    char c;
    float x, y;
    char farba;  // w l c g b r G y, '?' for anything else
};
std::vector<Znak> obrazovka;
char znak_glyfu[256];

char farba_teraz() {
    const S_override& f = aktualna_farba;
    struct {
        float r, g, b;
        char k;
    } const mena[] = {{1, 1, 1, 'w'}, {1, 0, 1, 'l'}, {0, 1, 1, 'c'}, {0.1f, 0.1f, 0.1f, 'g'},
                      {0, 0, 1, 'b'}, {1, 0, 0, 'r'}, {0, 1, 0, 'G'}, {1, 1, 0, 'y'}};
    for (const auto& m : mena)
        if (f.zapnuty && f.r == m.r && f.g == m.g && f.b == m.b) return m.k;
    return '?';
}

void zaznam(int i) {
    const glm::vec4 o = Font::Model * glm::vec4(0, 0, 0, 1);
    obrazovka.push_back({znak_glyfu[i], o.x, o.y, farba_teraz()});
}

class Obrazovky : public TichaKonzola {
protected:
    static void SetUpTestSuite() {
        Window.X = 1920, Window.Y = 1080;
        testing::internal::CaptureStdout();
        BuildFont();
        testing::internal::GetCapturedStdout();
        for (int c = 0; c < 256; ++c)
            if (c == ' ' || Return_Font(c) || c == 'Q')
                znak_glyfu[Return_Font(c)] = static_cast<char>(c);
    }
    void SetUp() override {
        for (int i = 0; i <= Font::LAST_FONT; ++i) Font::font_loaded[i] = true;
        kresli_glyf = zaznam;
        hra_pripravena();
        sprava_ulozenia = {};  // what an earlier test's save said
        TichaKonzola::SetUp();
    }
    void TearDown() override {
        kresli_glyf = kresli_glyf_gl;
        TichaKonzola::TearDown();
    }

    static void nakresli() {
        obrazovka.clear();
        Write_to_out_screen();
    }
    // The text of the line at height y between x_od and x_do, blanks where cells are empty; with
    // `farby` the colour letter of each cell instead.
    static std::string riadok(float y, float x_od = 0, float x_do = 1e9f, bool farby = false) {
        std::vector<Znak> z;
        for (const Znak& g : obrazovka)
            if (g.y == y && g.x >= x_od && g.x < x_do) z.push_back(g);
        std::sort(z.begin(), z.end(), [](const Znak& a, const Znak& b) { return a.x < b.x; });
        std::string s;
        for (size_t i = 0; i < z.size(); ++i) {
            if (i > 0)
                s.append(static_cast<size_t>((z[i].x - z[i - 1].x) / scalef + 0.5f) - 1, ' ');
            s += farby ? z[i].farba : z[i].c;
        }
        return s;
    }
    // Every line of the screen from the bottom up (lines of several windows at one height merge).
    static std::vector<std::string> riadky() {
        std::map<float, bool> vysky;
        for (const Znak& g : obrazovka) vysky[g.y] = true;
        std::vector<std::string> v;
        for (const auto& [y, _] : vysky) v.push_back(riadok(y));
        return v;
    }
    static std::string farby(float y, float x_od = 0, float x_do = 1e9f) {
        return riadok(y, x_od, x_do, true);
    }
    static bool ukazuje(const std::string& text) {
        for (const std::string& r : riadky())
            if (r.find(text) != std::string::npos) return true;
        return false;
    }
    // Every text of `ano` is on the screen and none of `nie`.
    static void ukazuje(std::initializer_list<const char*> ano,
                        std::initializer_list<const char*> nie = {}) {
        for (const char* t : ano) EXPECT_TRUE(ukazuje(std::string(t))) << t;
        for (const char* t : nie) EXPECT_FALSE(ukazuje(std::string(t))) << t;
    }
    // Height of the lowest line holding `text` between x_od and x_do; -1 when none.
    static float vyska(const std::string& text, float x_od = 0, float x_do = 1e9f) {
        std::map<float, bool> vysky;
        for (const Znak& g : obrazovka) vysky[g.y] = true;
        for (const auto& [y, _] : vysky)
            if (riadok(y, x_od, x_do).find(text) != std::string::npos) return y;
        return -1;
    }
    static const float s;
};
const float Obrazovky::s = 19.0f;

TEST_F(Obrazovky, TitleMenuAndButtonColours) {
    Game.running = false;
    Menu.open();
    nakresli();
    // Lines go up from the bottom: the title two lines up, then "Menu" and its buttons.
    // "Nova Hra" chosen, "Nacitaj Hru", "Nastavenia" unavailable.
    EXPECT_EQ(
        std::make_tuple(riadok(2 * s), farby(2 * s), riadok(5 * s), riadok(6 * s), riadok(7 * s),
                        farby(7 * s), farby(8 * s), farby(9 * s), riadok(11 * s)),
        std::make_tuple("VARNHOLD", "GGGGGGGG", "MENU", "", "NOVA HRA", "cccc ccc", "wwwwwww www",
                        "gggggggggg", "UKONCI HRU"));
    Menu.next_Button(), Menu.next_Button();  // chosen and unavailable: blue
    nakresli();
    EXPECT_EQ(std::make_tuple(farby(9 * s), farby(7 * s)),
              std::make_tuple("bbbbbbbbbb", "wwww www"));
}

TEST_F(Obrazovky, TheListOfSavesAndTheLineUnderTheMenuButtons) {
    Game.running = false;
    Herne_Menu.open();
    sprava_ulozenia = {"HRA ULOZENA", false};
    nakresli();
    EXPECT_EQ(std::make_tuple(riadok(6 * s), farby(6 * s), riadok(7 * s), riadok(8 * s)),
              std::make_tuple("HRA ULOZENA", "GGG GGGGGGG", "POKRACUJ", "ULOZ HRU"));
    Herne_Menu.close();

    // Ten saves: a readable one, a broken autosave, the rest alike; eight to a page.
    Menu.open();
    sprava_ulozenia = {};
    Z_hry.assign(10, {});
    for (auto& h : Z_hry) {
        h.citatelna = true;
        h.hlavicka = {1, 5, S_L::M_jun, 2, 41, S_L::PRIV_mesto};
    }
    Z_hry[1].citatelna = false, Z_hry[1].automaticka = true;
    Z_hry[1].meno = "autoulozenie-2.hra", Z_hry[1].chyba = "subor je skrateny";
    Z_vybrana = 0, Z_zoznam_hier = true;
    nakresli();
    EXPECT_EQ(
        std::make_tuple(riadok(5 * s), riadok(7 * s), farby(7 * s), riadok(9 * s), farby(9 * s)),
        std::make_tuple("NACITAJ HRU  STRANA 1 / 2", "5. JUN 2  LUDIA 41  MESTO",
                        "cc ccc c  ccccc cc  ccccc", "AUTOULOZENIE-2.HRA", std::string(18, 'g')));
    EXPECT_EQ(riadok(8 * s).rfind("ULOZENA ", 0), 0u);
    EXPECT_NE(riadok(10 * s).find("  AUTOMATICKY  SUBOR JE SKRATENY"), std::string::npos);
    EXPECT_FALSE(ukazuje("NOVA HRA"));
    Z_vybrana = 9;
    nakresli();
    EXPECT_EQ(std::make_tuple(riadok(5 * s), farby(9 * s), riadok(11 * s)),
              std::make_tuple("NACITAJ HRU  STRANA 2 / 2", "cc ccc c  ccccc cc  ccccc", ""));
    Z_hry.clear();
    nakresli();
    EXPECT_EQ(riadok(7 * s), "ZIADNE ULOZENE HRY");
    Z_zoznam_hier = false;
}

TEST_F(Obrazovky, StatusLineShowsRankGoalsSpeedBuildingUnderThePointerAndDate) {
    strategy.set_owner(S_L::id_player);
    strategy.nastav_typ_budovy(S_L::studna);
    strategy.nastav_poziciu_stavanej_budovy(100, 103);
    ASSERT_FALSE(strategy.postav());
    nakresli();
    // The rank, then what the next one needs against the town's 30 adults.
    EXPECT_EQ(riadok(2 * s), "PRIVILEGIA ZIADNE  DALEJ MALE MESTO DOSPELI 30 / 100");
    EXPECT_EQ(farby(2 * s), "wwwwwwwwww llllll  wwwww llll lllll wwwwwww ll l lll");
    // The percent sign has no glyph.
    EXPECT_EQ(std::make_tuple(riadok(3 * s), riadok(4 * s), riadok(6 * s)),
              std::make_tuple("RYCHLOST 1X", "STUDNA  1.LVL 1", "1. FEBRUAR (2) 1"));
    strategy.objekt[strategy.point_id_of_objekt(100, 103)].percenta = 100;
    Game_zmena_rychlosti();
    nakresli();
    EXPECT_EQ(std::make_tuple(riadok(4 * s), riadok(3 * s)),
              std::make_tuple("STUDNA  1.LVL", "RYCHLOST 10X"));
    Game_zmena_rychlosti(), Game_zmena_rychlosti_mesiac_den();
    nakresli();
    EXPECT_EQ(std::make_tuple(riadok(3 * s), farby(3 * s)),
              std::make_tuple("RYCHLOST 100X  PO MESIACOCH", "wwwwwwww llll  ll lllllllll"));
    Game_zmena_rychlosti_mesiac_den();

    // From a large city on, the earliest attack: five years after the last, on 1 December.
    auto& h = strategy.id_owner[S_L::id_player];
    strategy.utok.rok = 7;
    strategy.time = {3, S_L::M_marec, 9};
    h.privilegia_id = S_L::PRIV_mesto;
    nakresli();
    EXPECT_EQ(riadok(2 * s), "PRIVILEGIA MESTO  DALEJ VELKE MESTO DOSPELI 30 / 300");
    h.privilegia_id = S_L::PRIV_velke_mesto;
    nakresli();
    EXPECT_EQ(riadok(2 * s),
              "PRIVILEGIA VELKE MESTO  DALEJ KRALOVSKE MESTO DOSPELI 30 / 400  UTOK NAJSKOR 1. "
              "DECEMBER 12");
    h.privilegia_id = S_L::PRIV_kralovske_mesto;
    nakresli();
    EXPECT_EQ(riadok(2 * s), "PRIVILEGIA KRALOVSKE MESTO  UTOK NAJSKOR 1. DECEMBER 12");
    je_vojna = true;  // in a battle neither the attack's date nor the speed
    nakresli();
    EXPECT_EQ(std::make_tuple(riadok(2 * s), riadok(3 * s)),
              std::make_tuple("PRIVILEGIA KRALOVSKE MESTO", ""));
    je_vojna = false;
}

TEST_F(Obrazovky, TownNoticesTellTheMonthReportRedBeforeYellow) {
    auto& r = strategy.sprava_mesiaca;
    const auto riadky_mesta = [] {
        S_riadok_oznamu o[MAX_OZNAMOV_MESTA];
        std::vector<std::string> v;
        for (int i = 0, n = oznamy_mesta(o); i < n; ++i)
            v.push_back(std::string(1, o[i].farba) + " " + o[i].text);
        return v;
    };
    EXPECT_TRUE(riadky_mesta().empty());  // before the first month end
    // A quiet June: the stores hold, settlers will come. 30 days of stores is no longer red.
    r = {};
    r.mesiac = S_L::M_jun, r.rok = 2, r.dni_vody = r.dni_jedla = -1;
    EXPECT_EQ(riadky_mesta(), std::vector<std::string>{"y na konci roka pridu osadnici"});
    r.dni_vody = 30, r.dni_jedla = 29, r.skazilo_jedla = 7;
    r.zomreli[S_L::SMRT_smad] = 3, r.zomreli[S_L::SMRT_boj] = 1, r.hladovali = 2;
    r.chori[0] = 5, r.chori[S_L::CH_malo_masa] = 5, r.chori[S_L::CH_zima] = 1;
    r.bez_domova = 4, r.volne_v_domoch = 0, r.volne_prace = 1;
    r.prichod = S_L::PRICHOD_malo_vody, r.prichod_treba = 186, r.prichod_voda = 100;
    r.cakaju_stavby = 2, r.stavbari = 5;
    EXPECT_EQ(riadky_mesta(), (std::vector<std::string>{
                                  "r zomrelo 4 - smad 3  boj 1",
                                  "r jedlo vydrzi 29 dni - skazilo sa 7",
                                  "y voda vydrzi 30 dni",
                                  "y bez jedla alebo vody bolo 2 ludi",
                                  "y chori 5 - podchladenie 1  malo masa 5",
                                  "y bez domova 4 muzov - volne miesta v domoch 0",
                                  "y bez prace 0 muzov - volne pracovne miesta 1",
                                  "y osadnici nepridu - treba viac ako 186 vody (mas 100)",
                                  "y 2 stavieb caka na stavbarov (stavbari 5)",
                              }));
    for (auto [verdikt, osadnici, text] :
         {std::tuple{S_L::PRICHOD_ziadny_dom, 0,
                     "y osadnici nepridu - ziadne volne miesto v domoch"},
          {S_L::PRICHOD_malo_jedla, 0, "y osadnici nepridu - treba viac ako 186 jedla (mas 0)"},
          {S_L::PRICHOD_malo_jedla, 6, "y prislo 6 osadnikov"}}) {
        r.prichod = verdikt, r.osadnici = osadnici;
        EXPECT_EQ(riadky_mesta()[7], text);
    }

    // Drawn from the top down, in their colours, above the notices of the buildings; however
    // many, the lowest stays above the highest line of the build list.
    for (int i = 0; i < 7; ++i)
        strategy.add_information(S_L::I_sklady_su_plne, strategy.budova_meno(1 + i));
    strategy.posledna_bitka.vitaz = S_L::id_player;
    B_show_building_list = true;
    nakresli();
    const float hore = oznamy_y();
    EXPECT_EQ(std::make_tuple(riadok(hore), farby(hore)[0], farby(hore - 2 * s)[0]),
              std::make_tuple("ZOMRELO 4 - SMAD 3  BOJ 1", 'r', 'y'));
    // Twelve lines at most: three of the buildings' five, and no room left for the battle.
    EXPECT_NE(riadok(hore - 11 * s).find(" - SKLADY SU PLNE"), std::string::npos);
    EXPECT_EQ(riadok(hore - 12 * s), "");
    const float najnizsi = hore - (MAX_RIADKOV_OZNAMOV - 1) * s;
    float najvyssie = 0;
    for (const Znak& z : obrazovka)
        if (z.y < najnizsi) najvyssie = std::max(najvyssie, z.y);
    EXPECT_LT(najvyssie + s, najnizsi);
    strategy.posledna_bitka = {};
    r = {};
}

TEST_F(Obrazovky, PlacementLineTellsTheKeysAndForFiveSecondsWhyAnOrderWasRefused) {
    strategy.set_owner(S_L::id_player);
    const float hore = oznamy_y();
    B_show_building_list = true;
    B_showing_to_id = S_L::studna;
    Building_list_vyber_budovu_action();
    nakresli();
    EXPECT_EQ(riadok(hore), "UMIESTNUJES STUDNA - D A W S POSUN  R OTOC  MEDZERNIK POSTAV  X ZRUS");
    EXPECT_EQ(farby(hore)[0], 'y');
    // Each refusal, red: the site, the rank, a resource short, the radius of the main building.
    const auto odmietnutie = [&](int typ, int x, int y) {
        B_setting_position = true;
        B_showing_to_id = typ;
        strategy.nastav_typ_budovy(typ);
        strategy.nastav_poziciu_stavanej_budovy(x, y);
        Umiestni_Budovu_potvrd_action();
        nakresli();
        EXPECT_EQ(farby(hore)[0], 'r');
        return riadok(hore);
    };
    EXPECT_EQ(odmietnutie(S_L::studna, 100, 100), "NEDA SA POSTAVIT - MIESTO JE OBSADENE");
    EXPECT_TRUE(B_setting_position);
    EXPECT_EQ(odmietnutie(S_L::kasaren, 90, 90), "NEDA SA POSTAVIT - TREBA PRIVILEGIA MALE MESTO");
    auto& drevo = strategy.id_owner[S_L::id_player].surovina[S_L::drevo].mam;
    drevo = strategy.treba_na_postavenie(S_L::studna, S_L::drevo) - 1;
    EXPECT_EQ(odmietnutie(S_L::studna, 90, 90), "NEDA SA POSTAVIT - CHYBA DREVO (TREBA " +
                                                    std::to_string(drevo + 1) + "  MAS " +
                                                    std::to_string(drevo) + ")");
    EXPECT_FALSE(B_setting_position);
    strategy.nastav_typ_budovy(S_L::studna);
    B_setting_position = true;
    strategy.nastav_poziciu_stavanej_budovy(129, 100);  // the last column in reach
    Umiestni_Budovu_dolava_action();
    nakresli();
    EXPECT_EQ(std::make_tuple(riadok(hore), strategy.setting_position_x()),
              std::make_tuple("DALEJ OD HLAVNEJ BUDOVY SA STAVAT NEDA", 129));
    // Five seconds later the keys again; a placement that stands says nothing more.
    sprava_odmietnutia.od_ms -= SPRAVA_ODMIETNUTIA_MS;
    nakresli();
    EXPECT_EQ(riadok(hore).rfind("UMIESTNUJES STUDNA", 0), 0u);
    drevo = 100;
    strategy.nastav_poziciu_stavanej_budovy(90, 90);
    Umiestni_Budovu_potvrd_action();
    nakresli();
    EXPECT_TRUE(!B_setting_position && riadok(hore).empty());
}

TEST_F(Obrazovky, ResourcesTabPagesAndUnits) {
    Otvor_Okno_Hlavna_budova();
    auto& hrac = strategy.id_owner[S_L::id_player];
    hrac.surovina[S_L::drevo].mam = 25000;
    hrac.surovina[S_L::kamen].mam = 10000;
    hrac.surovina[S_L::hlina].bilancia = -3;
    nakresli();
    const float x = 1920 / 4;
    EXPECT_EQ(riadok(vyska("KAPACITA"), x), "KAPACITA 5000");
    const float y_drevo = vyska("DREVO");
    EXPECT_EQ(riadok(y_drevo, x), "DREVO" + std::string(10, ' ') + "POCET 2 T" +
                                      std::string(6, ' ') + "VYROBENE 0" + std::string(5, ' ') +
                                      "POUZITE 0" + std::string(6, ' ') + "BILANCIA  0");
    EXPECT_TRUE(ukazuje("KAMEN" + std::string(10, ' ') + "POCET 10000"));
    // A negative balance colours the four labels red; the values stay lila.
    EXPECT_EQ(farby(vyska("HLINA"), x),
              "wwwww" + std::string(10, ' ') + "rrrrr lll" + std::string(6, ' ') + "rrrrrrrr l" +
                  std::string(5, ' ') + "rrrrrrr l" + std::string(6, ' ') + "rrrrrrrr  ll");
    ukazuje({"TEPLE OBLECENIE"}, {"JABLKO"});

    Okno_HB_dalsia_strana_action();  // page 1: only the apples
    nakresli();
    ukazuje({"JABLKO"}, {"DREVO"});
    Okno_HB_dalsia_strana_action();  // page 2 does not exist: back to page 0 in the same frame
    nakresli();
    EXPECT_TRUE(H_showing_list == 0 && ukazuje("DREVO"));
}

TEST_F(Obrazovky, BuildingAndPeopleTabs) {
    Otvor_Okno_Hlavna_budova();
    Okno_HB_doprava_action();
    nakresli();
    ukazuje({"HLAVNA BUDOVA 1", "ZBERAC DREVA 0"}, {"PALISADA"});  // type 25: the second page
    Okno_HB_doprava_action();
    nakresli();
    // '=' has no glyph and takes no cell.
    ukazuje({"LUDIA 30  MUZ 15 + ZENA 15 + DETI 0", "DETI 0 CHLAPEC 0 + DIEVCATA0", "STAVBARI 5",
             "MRTVOLA 0"});
    // The last line of the tab stands highest.
    EXPECT_GT(vyska("ZOMRELO MUZOV"), vyska("ZOMRELO ZIEN"));
}

TEST_F(Obrazovky, EndOfGameReportCountsTheYearsOfRule) {
    Game.running = false;
    EndGameInfoMenu.open();
    for (auto [rok, text] : {std::pair{3, "TVOJA VLADA TRVALA 2 ROKY"},
                             {1, "TVOJA VLADA TRVALA 0 ROKOV"},
                             {2, "TVOJA VLADA TRVALA 1 ROK"},
                             {7, "TVOJA VLADA TRVALA 6 ROKOV"}}) {
        strategy.time.rok = rok;
        nakresli();
        EXPECT_TRUE(ukazuje(text)) << rok;
    }
    ukazuje({"ZISKAL SI PRIVILEGIA ZIADNE", "ZATVORIT"});
    EXPECT_LT(vyska("KONIEC HRY"), vyska("ZATVORIT"));
}

TEST_F(Obrazovky, ObjectWindowWithoutAnObjectClosesEverything) {
    O_open_window = true;
    O_open_window_object_id = -1;
    B_show_building_list = H_hlavna_budova = K_kasaren = true;
    nakresli();
    EXPECT_FALSE(O_open_window || B_show_building_list || H_hlavna_budova || K_kasaren);
    ukazuje({"FEBRUAR"}, {"TREBA NA POSTAVENIE", "KAPACITA"});  // what came before is drawn
}

TEST_F(Obrazovky, BuildingWindowListsOutputsInputsAndTheNextLevel) {
    strategy.set_owner(S_L::id_player);
    strategy.pridaj_budovu(100, 103, 0.0f, S_L::pekaren, 1);
    Open_Window_of_object(strategy.point_id_of_objekt(100, 103));
    nakresli();
    ukazuje({"PEKAREN - BUDOVA", "1. LEVEL 100. PERCENT", "0  / 1 LUDI (4)", "CHLIEB 30", "VODA 3",
             "DALSI LEVEL (U)", "TEHLA 70"});
    EXPECT_GT(vyska("POTREBUJE"), vyska("CHLIEB 30"));

    strategy.pridaj_budovu(101, 103, 0.0f, S_L::drevena_brana, 1);
    Open_Window_of_object(strategy.point_id_of_objekt(101, 103));
    nakresli();
    ukazuje({"DALSI LEVEL  MAXIMALNY LEVEL", "ZATVORENA (O)", "0  / 0 LUDI"}, {"LUDI ("});
}

TEST_F(Obrazovky, BuildListShowsThePageOfTheListedTypeAndItsCost) {
    B_show_building_list = true;
    B_showing_to_id = S_L::drevena_palisada;
    nakresli();
    EXPECT_EQ(H_showing_list, 1);
    ukazuje({"PALISADA", "NEMAS DOSTATOCNE PRIVILEGIA"}, {"ZBERAC DREVA"});
    // Listed and not allowed: blue (the list stands left of the type's own column).
    const float zoznam = 1920 / 3;
    EXPECT_EQ(farby(vyska("PALISADA", 0, zoznam), 0, zoznam), "bbbbbbbb");

    B_showing_to_id = S_L::studna;
    nakresli();
    EXPECT_EQ(H_showing_list, 0);
    ukazuje({"TREBA NA POSTAVENIE", "DREVO 2"});
    for (auto [typ, f] : {std::pair{"STUDNA", "cccccc"}, {"KASAREN", "ggggggg"}, {"DOM", "www"}})
        EXPECT_EQ(farby(vyska(typ, 0, zoznam), 0, zoznam), f);
}

TEST_F(Obrazovky, ControlsHelpListsTheActiveBindingsBySection) {
    Game.running = false;
    Ovladanie_Info_Window = true;
    nakresli();
    // "Priblizenie" is switched off.
    ukazuje({"OVLADANIE", "ZATVOR NAPOVEDU OVLADANIA  ESC", "POHYB DOPREDU  SIPKA HORE",
             "OZNAC VLASTNU VOJENSKU SKUPINU  CISLO SKUPINY (PRE SKUPINU 10 JE CISLO 0)",
             "OTVOR/ZATVOR BRANU NA KTORU UKAZUJES  G"},
            {"PRIBLIZENIE", "OZNAC SKUPINU 2", "DELETE ATTACK"});
    EXPECT_LT(vyska("HRA"), vyska("UMIESTNOVANIE BUDOVY"));
    Ovladanie_Info_Window = false;
}

TEST_F(Obrazovky, NoticesFoldTheLastDayNewestFirstAtTheTopOfTheScreen) {
    for (auto [kod, text] :
         {std::pair{int{S_L::I_nie_je_dost_ludi}, "nie je dost ludi"},
          {S_L::I_nema_pristup_k_hlavnej_budove, "nema pristup k hlavnej budove"},
          {99, ""}})
        EXPECT_STREQ(text_oznamu(kod), text);

    // Three bakeries without workers, a mill without grain (its input), and a palisade that has
    // no zone of its own but produces nothing.
    strategy.set_owner(S_L::id_player);
    auto& hrac = strategy.id_owner[S_L::id_player];
    for (int i = 0; i < 3; ++i) strategy.pridaj_budovu(90 + i, 90, 0.0f, S_L::pekaren, 1);
    strategy.pridaj_budovu(95, 90, 0.0f, S_L::drevena_palisada, 1);
    strategy.pridaj_budovu(96, 90, 0.0f, S_L::mlyn, 1);
    strategy.objekt[strategy.point_id_of_objekt(96, 90)].je_ludi = 1;
    hrac.surovina[S_L::obilie].mam = 0;
    strategy.objekt[strategy.point_id_of_objekt(95, 90)].zona = -1;
    strategy.kontroluj_prijem_denne();
    S_oznam o[MAX_OZNAMOV];
    ASSERT_EQ(zhrn_oznamy(o), 2);
    EXPECT_EQ(std::make_tuple(std::string(o[0].meno), o[0].kod, o[1].pocet),
              std::make_tuple("mlyn", S_L::I_nema_dost_surovin, 3));

    // Each day starts an empty list: yesterday's notices do not pile up.
    strategy.kontroluj_prijem_denne();
    EXPECT_EQ(strategy.informacie_last_integer, 3);

    nakresli();
    const float hore = oznamy_y();
    EXPECT_EQ(std::make_tuple(riadok(hore), riadok(hore - s)),
              std::make_tuple("MLYN - NEMA DOST SUROVIN", "PEKAREN - NIE JE DOST LUDI (3)"));
    // Above every other text of the busiest windows.
    Otvor_Okno_Hlavna_budova();
    Okno_HB_doprava_action(), Okno_HB_doprava_action();
    nakresli();
    float najvyssie = 0;
    for (const Znak& z : obrazovka)
        if (z.y < hore - s) najvyssie = std::max(najvyssie, z.y);
    EXPECT_LT(najvyssie + s, hore - s);

    // Under them, after a battle, who won it and what the enemy carried off, four a line.
    auto& bitka = strategy.posledna_bitka;
    bitka.vitaz = S_L::id_nepriatel;
    for (int r : {S_L::drevo, S_L::kamen, S_L::tehla, S_L::obilie, S_L::muka})
        bitka.ulupene[r] = 10 * r;
    nakresli();
    EXPECT_EQ(std::make_tuple(riadok(hore - 2 * s), riadok(hore - 3 * s), riadok(hore - 4 * s)),
              std::make_tuple("BITKA - NEPRIATEL VYHRAL",
                              "ULUPIL  DREVO 10  KAMEN 50  TEHLA 60  OBILIE 90", "MUKA 100"));
    bitka.vitaz = S_L::id_player;
    nakresli();
    EXPECT_EQ(std::make_tuple(riadok(hore - 2 * s), riadok(hore - 3 * s)),
              std::make_tuple("BITKA - VYHRAL SI OBRANU", ""));

    // Seven kinds of notices: five lines.
    for (int i = 0; i < 7; ++i)
        strategy.add_information(S_L::I_sklady_su_plne, strategy.budova_meno(1 + i));
    EXPECT_EQ(zhrn_oznamy(o), MAX_OZNAMOV);
    EXPECT_STREQ(o[0].meno, strategy.budova_meno(7));
}

TEST_F(Obrazovky, BarracksPagesAndTheWarStatusLineListTheGroups) {
    S_L& w = strategy;
    auto& h = w.id_owner[S_L::id_player];
    kasaren_a_veza();
    h.surovina[S_L::mec].mam = 100;
    w.regrutujSermiarov(0), w.regrutujSermiarov(0);
    const int g = h.skupina[0];
    w.clovek_DIE(w.vojenska_skupina[g].zoznam_vojakov[0]);

    K_kasaren = true;
    Menu_Kasaren.open();
    Menu_Kasaren_skupiny_dopln_action();
    nakresli();
    const float d = vyska("SKUPINA 1 ");
    EXPECT_EQ(
        std::make_tuple(riadok(d), farby(d), riadok(d + s), riadok(d + 2 * s)),
        std::make_tuple("SKUPINA 1 SERMIARI VOLNE MIESTA 1", "ccccccc c wwwwwwww wwwww wwwwww l",
                        "SKUPINA 2 SERMIARI VOLNE MIESTA 0", "SKUPINA 3"));
    Menu_Kasaren_veze_action();
    nakresli();
    EXPECT_TRUE(ukazuje("LUKOSTRELCI " + std::to_string(w.get_pocet_regrutovanie_na_vezu())));

    // In a battle the status line says how long it has lasted and lists the living groups, the
    // selected one in cyan, and the towers with their garrisons; the notices line is hidden.
    Close_Window();
    je_vojna = true;
    w.bitka_krokov = 65 * S_L::KROKOV_BITKY_ZA_SEKUNDU + 19;
    V_oznacena_skupina_object_id = h.skupina[1];
    w.add_information(S_L::I_sklady_su_plne, "studna");
    nakresli();
    const float v = vyska("1. SERMIARI");
    EXPECT_EQ(std::make_tuple(riadok(v - s), farby(v - s), riadok(v), farby(v)[0], riadok(v + s),
                              farby(v + s)[0]),
              std::make_tuple("BITKA TRVA 1 MIN 05 S", "wwwww wwww l lll ll l",
                              "1. SERMIARI ZDRAVIE(100)", 'w', "2. SERMIARI ZDRAVIE(100)", 'c'));
    ukazuje({"VEZA 0 LUDIA 0"}, {"STUDNA"});
    je_vojna = false;
}

}  // namespace
