// Shared set-up of the client tests that play: the world filled as at start-up, a new game, the
// menus and key bindings built, the camera at its start and the game running.
#pragma once

#include <gtest/gtest.h>

#include "Camera.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Menu.h"
#include "Ovladanie.h"
#include "Strategy_library.h"

inline void hra_pripravena() {
    testing::internal::CaptureStdout();
    strategy.Set_all();
    strategy.New_Game();
    Vytvor_Menu();
    Default_Ovladanie();
    Nastav_Camera();
    Menu.close();
    Game.Start();
    Game.Run();
    testing::internal::GetCapturedStdout();
    Close_Window();
    H_showing_list = HB_list = 0;
    V_oznacena_skupina_object_id = -1;
    je_vojna = false;
    zrychlenie = 1.0f;
}

// The player's barracks at (120, 120) and a wooden tower at (90, 90), both finished, and 40 more
// men without work aged 20.
inline void kasaren_a_veza() {
    strategy.set_owner(Strategy_library::S_L::id_player);
    strategy.pridaj_budovu(120, 120, 0.0f, Strategy_library::S_L::kasaren, 1);
    strategy.pridaj_budovu(90, 90, 0.0f, Strategy_library::S_L::drevenna_veza, 1);
    for (int i = 0; i < 40; ++i)
        strategy.vytvor_clovek(Strategy_library::S_L::id_player, Strategy_library::S_L::muz, 20,
                               100);
}
