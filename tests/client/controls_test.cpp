// The controls without a GL context: the key-binding table, the fire rule and the order in which
// the dispatcher walks its groups, the window moves, the barracks menus and the group keys.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <utility>

#include "../potichu.h"
#include "Camera.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Klavesnica.h"
#include "Menu.h"
#include "Mouse.h"
#include "Ovladanie.h"
#include "Strategy_library.h"
#include "hra_pripravena.h"

using Strategy_library::S_L;

namespace {

constexpr int ESC = 27, SPACE = 32, VLAVO = 37, HORE = 38;

class Ovladanie_hry : public TichaKonzola {
protected:
    void SetUp() override {
        hra_pripravena();
        TichaKonzola::SetUp();
        for (int k = 0; k < 256; ++k) keys[k] = pressed[k] = hold[k] = false;
    }
    void TearDown() override {
        Close_Window();
        TichaKonzola::TearDown();
    }

    // One frame of input: exactly these keys are down, the dispatcher
    // runs, released keys lose their marks.
    static void snimka(std::initializer_list<int> dole) {
        for (bool& k : keys) k = false;
        for (int k : dole) keys[k] = true;
        Klavesnica_ovladanie();
        Free_Keys();
    }
    // Key k pressed and released n times.
    static void stlac(int k, int n = 1) {
        for (int i = 0; i < n; ++i) snimka({k}), snimka({});
    }
};

TEST_F(Ovladanie_hry, KeysNameThemselvesAndSwitchedOffBindingsStayOff) {
    for (auto [k, meno] : {std::pair<int, const char*>{'7', "7"}, {'Q', "Q"}, {-5, "(Nepoznam)"}})
        EXPECT_STREQ(return_key_text(k), meno);
    EXPECT_FALSE(Ovladanie.Hrac[O_Hrac_zoom_in].active);  // created, then switched off
}

TEST_F(Ovladanie_hry, SpaceInTheBuildListChoosesTheBuildingNotTheObjectWindow) {
    stlac('B');
    ASSERT_TRUE(B_show_building_list);
    stlac('S', 2);  // type 3, at the view centre (100, 103)
    stlac(SPACE);
    EXPECT_TRUE(B_setting_position && !B_show_building_list && !O_open_window);
    EXPECT_EQ(std::make_tuple(strategy.typ_budovy, strategy.setting_position_x(),
                              strategy.setting_position_y()),
              std::make_tuple(3, 100, 103));

    // D moves the building right on screen, which is toward smaller x; W away from the viewer.
    stlac('D');
    stlac('W');
    EXPECT_EQ(std::make_pair(strategy.setting_position_x(), strategy.setting_position_y()),
              std::make_pair(99, 104));
    // Esc closes the windows but placement goes on; X ends it.
    stlac(ESC);
    EXPECT_TRUE(B_setting_position && !Herne_Menu.is_active());
    stlac('X');
    EXPECT_FALSE(B_setting_position);
}

TEST_F(Ovladanie_hry, ConfirmingPlacesTheBuildingOrStaysOnAnOccupiedSite) {
    stlac('B');
    stlac('S', 8);  // the well
    ASSERT_EQ(B_showing_to_id, S_L::studna);
    stlac(SPACE);
    // Onto the main building: occupied, placement goes on with the error pending.
    stlac('S', 3);
    stlac(SPACE);
    EXPECT_TRUE(B_setting_position);
    EXPECT_EQ(strategy.last_error_active, S_L::E_neda_sa_tam_stavat);
    stlac('W');
    stlac(SPACE);
    EXPECT_FALSE(B_setting_position);
    EXPECT_EQ(strategy.budova_typ(100, 101), S_L::studna);
    EXPECT_EQ(strategy.budova_percenta(100, 101), 1);
}

TEST_F(Ovladanie_hry, HoldingTheSpeedKeyFiresOnceAndKeepsTheCameraStill) {
    const float y0 = Camera_y();
    snimka({'Z'});
    EXPECT_FLOAT_EQ(zrychlenie, 0.1f);
    for (int i = 0; i < 3; ++i) snimka({'Z', HORE});  // Z held: the scan ends at Z every frame
    EXPECT_FLOAT_EQ(zrychlenie, 0.1f);
    EXPECT_FLOAT_EQ(Camera_y(), y0);
    for (int i = 0; i < 3; ++i) snimka({HORE});  // released: the arrow moves 0.1 a frame
    EXPECT_NEAR(Camera_y(), y0 + 0.3f, 1e-4);
    EXPECT_NEAR(moja_vnutorna_mys.y, Camera_y() + Camera_z(), 1e-4);
    stlac('Z', 2);
    EXPECT_FLOAT_EQ(zrychlenie, 1.0f);  // 0.1 -> 0.01 -> 1.0
    stlac('M');
    EXPECT_TRUE(cas_mesiace);
    stlac('M');
    EXPECT_FALSE(cas_mesiace);
}

TEST_F(Ovladanie_hry, HoldingEscOpensTheInGameMenuOnceAndItsKeysThenDriveIt) {
    for (int i = 0; i < 3; ++i) snimka({ESC});
    EXPECT_TRUE(Herne_Menu.is_active() && !Game.is_running());
    snimka({});
    stlac('S', 4);  // no wrapping past "Koniec Hry"
    EXPECT_EQ(Herne_Menu.get_choosed(), 3);
    stlac('W', 3);
    stlac(SPACE);  // "Pokracuj"
    EXPECT_TRUE(!Herne_Menu.is_active() && Game.is_running());
}

TEST_F(Ovladanie_hry, ControlsHelpTakesOnlyItsOwnEsc) {
    Menu.open();
    Game.Stop();
    stlac('S', 3);  // "Ovladanie"
    stlac(SPACE);
    ASSERT_TRUE(Ovladanie_Info_Window);
    const int vybrane = Menu.get_choosed();
    stlac('S');  // the menu does not move under the help
    EXPECT_EQ(Menu.get_choosed(), vybrane);
    stlac(ESC);
    EXPECT_TRUE(!Ovladanie_Info_Window && Menu.is_active());
    stlac('S');
    EXPECT_EQ(Menu.get_choosed(), vybrane + 1);
}

TEST_F(Ovladanie_hry, BuildListAndOverviewTabsWrap) {
    stlac('B');
    stlac('W');
    EXPECT_EQ(B_showing_to_id, strategy.get_last_building() - 1);
    stlac('S');
    EXPECT_EQ(B_showing_to_id, 1);
    stlac(ESC);
    EXPECT_FALSE(B_show_building_list);

    stlac('H');
    EXPECT_TRUE(H_hlavna_budova && H_suroviny && !H_budovy && !H_ludia);
    stlac('A');
    EXPECT_TRUE(HB_list == 2 && H_ludia && !H_suroviny);
    stlac('D');
    EXPECT_TRUE(HB_list == 0 && H_suroviny);
    stlac('W');
    EXPECT_EQ(H_showing_list, 0);  // not below the first page
    stlac('S', 2);
    EXPECT_EQ(H_showing_list, 2);

    // Reopened after leaving it on the people tab: resources shown, the tab number kept.
    stlac('A');
    stlac(ESC);
    stlac('H');
    EXPECT_TRUE(H_suroviny && !H_ludia && HB_list == 2);
    stlac('D');
    EXPECT_TRUE(HB_list == 0 && H_showing_list == 2);  // the page survives tabs and closing
}

TEST_F(Ovladanie_hry, SpaceOpensTheObjectUnderTheViewCentreOrClosesEverything) {
    Camera.Position.y = 95.0f;
    Camera_forward();  // view centre (100, 100.1): the main building
    stlac(SPACE);
    EXPECT_TRUE(O_open_window && I_Informacie_O_Budove);
    EXPECT_EQ(O_open_window_object_id, strategy.point_id_of_objekt(100, 100));

    // U upgrades the building of the open window (the main building has one level only).
    stlac('U');
    EXPECT_EQ(strategy.budova_level(O_open_window_object_id), 1);
    stlac(ESC);
    EXPECT_FALSE(O_open_window || I_Informacie_O_Budove || O_open_window_object_id != -1);

    for (int i = 0; i < 6; ++i) Camera_forward();  // (100, 100.7) rounds to the empty tile 101
    B_show_building_list = true;
    Open_Window_of_object(-1);
    EXPECT_FALSE(B_show_building_list);
    stlac(SPACE);
    EXPECT_FALSE(O_open_window);
}

TEST_F(Ovladanie_hry, DuringAWarEscClearsTheSelectionBeforeAnyWindow) {
    je_vojna = true;
    O_open_window = I_Informacie_O_Budove = true;
    O_open_window_object_id = 0;
    V_oznacena_skupina_object_id = 4;
    stlac(ESC);
    EXPECT_TRUE(V_oznacena_skupina_object_id == -1 && O_open_window && !Herne_Menu.is_active());
    stlac('B');  // the game keys are off during a war
    EXPECT_FALSE(B_show_building_list);
    stlac(ESC);  // the window's own Esc comes after the war keys
    EXPECT_TRUE(O_open_window);
}

TEST_F(Ovladanie_hry, GroupKeysSelectTheLivingGroupOfTheirSlot) {
    je_vojna = true;
    S_L& w = strategy;
    auto& hrac = w.id_owner[S_L::id_player];
    // Slot 0 holds group 5 alive, slot 1 group 6 destroyed, slot 2 nothing.
    hrac.skupina[0] = 5, hrac.skupina[1] = 6, hrac.skupina[2] = -1, hrac.skupina_last_id = 3;
    w.vojenska_skupina_last_id = 7;
    w.vojenska_skupina[5].dead_status = false;
    w.vojenska_skupina[6].dead_status = true;
    w.owner = S_L::id_nepriatel;  // the keys act for the player whoever was current
    stlac('1');
    EXPECT_TRUE(V_oznacena_skupina_object_id == 5 && w.owner == S_L::id_player);
    for (int k : std::initializer_list<int>{'2', '3',
                                            SPACE}) {  // Space with nothing selected gives no order
        stlac(k);
        EXPECT_EQ(V_oznacena_skupina_object_id, -1) << k;
    }

    // A selected group that has died since loses the selection on Space.
    stlac('1');
    w.vojenska_skupina[5].dead_status = true;
    stlac(SPACE);
    EXPECT_EQ(V_oznacena_skupina_object_id, -1);
}

TEST_F(Ovladanie_hry, BarracksWindowOpensOnlyWithABarracksAndItsTabsWrap) {
    stlac('K');
    EXPECT_FALSE(K_kasaren);  // no barracks: nothing opens
    strategy.KASAREN_ID = strategy.point_id_of_objekt(100, 100);
    stlac('K');
    ASSERT_TRUE(K_kasaren && Menu_Kasaren.is_active());
    EXPECT_TRUE(Menu_Kasaren.get_choosed() == 0 && Menu_Kasaren_Skupiny.is_active());
    stlac('A');  // from "Skupiny" back to "Veze": the tabs wrap
    EXPECT_TRUE(Menu_Kasaren.get_choosed() == 2 && Menu_Kasaren_Veze.is_active());
    EXPECT_FALSE(Menu_Kasaren_Skupiny.is_active() || Menu_Kasaren_Skupiny_Dopln.is_active());
    stlac('D', 2);
    EXPECT_TRUE(Menu_Kasaren_Skupiny_Dopln.is_active());
    // The sub-menu keys move the "Dopln" list, which does not wrap.
    stlac('W');
    EXPECT_EQ(Menu_Kasaren_Skupiny_Dopln.get_choosed(), 0);
    stlac('S', 3);
    EXPECT_EQ(Menu_Kasaren_Skupiny_Dopln.get_choosed(), 3);
    // Esc closes the barracks window only (the game keys are off while it is open).
    stlac(ESC);
    EXPECT_FALSE(K_kasaren || Menu_Kasaren.is_active() || Herne_Menu.is_active());
    // Reopened, it shows the tab chosen before.
    stlac('K');
    EXPECT_TRUE(Menu_Kasaren.get_choosed() == 1 && Menu_Kasaren_Skupiny_Dopln.is_active());
}

TEST_F(Ovladanie_hry, SpaceInTheBarracksWindowRecruitsRefillsAndMansATowerForThePlayer) {
    S_L& w = strategy;
    Strategy_library::S_owner& h = w.id_owner[S_L::id_player];
    kasaren_a_veza();
    for (int r : {S_L::kopija, S_L::mec, S_L::luk}) h.surovina[r].mam = 100;
    ASSERT_NE(w.KASAREN_ID, -1);

    // "Skupiny": the chosen button recruits, whoever the current owner was.
    w.owner = S_L::id_nepriatel;
    stlac('K');
    ASSERT_TRUE(Menu_Kasaren_Skupiny.is_active());
    stlac(SPACE);
    ASSERT_EQ(h.pocet_skupin, 1);
    const int g = h.skupina[0];
    EXPECT_EQ(w.owner, S_L::id_player);
    EXPECT_EQ(w.vojenska_skupina_volne_miesta(g), 0);

    // "Dopln": a man who died in peace leaves a place that Space on the group's slot fills.
    w.clovek_DIE(w.vojenska_skupina[g].zoznam_vojakov[0]);
    ASSERT_EQ(w.vojenska_skupina_volne_miesta(g), 1);
    stlac('D');
    ASSERT_TRUE(Menu_Kasaren_Skupiny_Dopln.is_active());
    stlac('S');  // slot 1 holds no group: nothing happens
    stlac(SPACE);
    EXPECT_EQ(w.vojenska_skupina_volne_miesta(g), 1);
    stlac('W');
    stlac(SPACE);
    EXPECT_EQ(w.vojenska_skupina_volne_miesta(g), 0);

    // "Veze": archers into the tower.
    stlac('D');
    ASSERT_TRUE(Menu_Kasaren_Veze.is_active());
    const int volne = h.veza_volne_miesta, n = w.get_pocet_regrutovanie_na_vezu();
    ASSERT_GT(n, 0);
    stlac(SPACE);
    EXPECT_EQ(std::make_pair(h.veza[0].pocet, h.veza_volne_miesta), std::make_pair(n, volne - n));
}

}  // namespace
