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
