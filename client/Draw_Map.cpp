// The world pass: the cross at the view centre, then per tile of the window the ground, the
// building being placed (red where it cannot be built), a building with its marker (a site
// greyed and rising with its percent), or a standing group; during a war the groups
// are drawn from the group table instead, with their markers.
#include "Draw_Map.h"

#include <algorithm>

#include "Draw_3.h"
#include "Draw_Map_okno.h"
#include "Font3.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Mouse.h"
#include "Strategy_library.h"
#include "functions.h"

using Strategy_library::S_L;

S_okno_dlazdic okno_dlazdic(float x, float y) {
    // Far outside any map the window is simply empty; this also keeps the float-to-int
    // conversion within range.
    constexpr float DALEKO = 100000.0f;
    if (!(x >= -DALEKO)) x = -DALEKO;  // also catches a value that is not a number
    if (!(y >= -DALEKO)) y = -DALEKO;
    if (x > DALEKO) x = DALEKO;
    if (y > DALEKO) y = DALEKO;
    const int cx = static_cast<int>(x), cy = static_cast<int>(y);
    S_okno_dlazdic o;
    o.x_lo = std::max(cx - 8, 5);
    o.y_lo = std::max(cy - 8, 1);
    o.x_hi = std::min(cx + 8, strategy.return_max_X());
    o.y_hi = std::min(cy + 8, strategy.return_max_Y());
    return o;
}

// The living members of group g and its machine, people turned the way they face.
static void kresli_skupinu(int g) {
    const int pocet = strategy.return_vojenska_skupina_last_clen(g);
    for (int m = 0; m < pocet; ++m) {
        if (strategy.return_vojenska_skupina_clen_alive(g, m) <= 0.0f) continue;
        float r = strategy.return_vojenska_skupina_clen_rotation(g, m);
        correct_rotation(r);
        Call_graficky_objekt_soldier(strategy.return_vojenska_skupina_clen_x(g, m), 0,
                                     strategy.return_vojenska_skupina_clen_y(g, m), 0, r, 0, g, m);
    }
    const int stroj = strategy.return_vojenska_skupina_vojensky_stroj(g);
    if (stroj >= 0) {
        float r = strategy.return_vojenska_skupina_stroj_rotation(g);
        correct_rotation(r);
        Call_graficky_objekt_stroj(strategy.return_vojenska_skupina_stroj_x(g), 0,
                                   strategy.return_vojenska_skupina_stroj_y(g), 0, r, 0, stroj);
    }
}

static void kresli_dlazdicu(int i, int j, bool vojna) {
    if (strategy.return_typ_podkladu(i, j) == S_L::P_trava)
        Call_graficky_objekt_podklad(S_L::P_trava, static_cast<float>(i), -0.01f,
                                     static_cast<float>(j), 0, 0, 0);

    // The building being placed: tinted red where the order would be refused.
    if (B_setting_position && i == strategy.setting_position_x() &&
        j == strategy.setting_position_y())
        Call_graficky_objekt(B_showing_to_id, static_cast<float>(i), 0, static_cast<float>(j), 0,
                             strategy.return_rotation(), 0,
                             strategy.dovod_odmietnutia() >= 0 ? ODTIEN_ODMIETNUTIA : S_odtien{});

    if (strategy.je_budova_nie_sekundarne(i, j)) {
        const int percenta = strategy.budova_percenta(i, j);
        if (percenta < 100)
            Call_graficky_objekt_stavba(i, j, static_cast<float>(i), 0, static_cast<float>(j),
                                        strategy.return_rotation(i, j), percenta);
        else
            Call_graficky_objekt(i, j, static_cast<float>(i), 0, static_cast<float>(j), 0,
                                 strategy.return_rotation(i, j), 0);
        const int k = strategy.return_budova_VIP(i, j);
        if (k != -1)
            Call_graficky_objekt_visualny_ukazovatel(static_cast<float>(i), 0,
                                                     static_cast<float>(j), 0, 0, 0, k);
    } else if (!vojna && strategy.je_vojenska_skupina(i, j)) {
        kresli_skupinu(strategy.return_vojenska_skupina_id(i, j));
    }
}

void Draw_points() {
    if (!Game.is_running()) return;
    Draw_vnutorna_mys();
    IGNORE_PRINT = true;

    const S_okno_dlazdic o = okno_dlazdic(moja_vnutorna_mys.x, moja_vnutorna_mys.y);
    const bool vojna = strategy.return_je_vojna();
    for (int i = o.x_lo - 1; i <= o.x_hi; ++i) {
        if (i >= S_L::A) continue;
        for (int j = o.y_lo - 1; j <= o.y_hi; ++j) {
            if (j >= S_L::B) continue;
            kresli_dlazdicu(i, j, vojna);
        }
    }

    if (vojna) {
        const int posledna =
            std::min(strategy.return_vojenska_skupina_last_id(), S_L::MAX_VOJENSKA_SKUPINA + 1);
        for (int g = 0; g < posledna; ++g) {
            if (strategy.vojenska_skupina[g].dead_status) continue;
            const float rx = strategy.return_vojenska_skupina_real_x(g);
            const float ry = strategy.return_vojenska_skupina_real_y(g);
            if (rx < o.x_lo - 1 || rx > o.x_hi || ry < o.y_lo - 1 || ry > o.y_hi) continue;
            kresli_skupinu(g);
            const int k = strategy.return_vojenska_skupina_VIP(g, V_oznacena_skupina_object_id);
            if (k != -1) Call_graficky_objekt_visualny_ukazovatel(rx, 0, ry, 0, 0, 0, k);
        }
    }
    // Every mesh of the pass goes out in one draw.
    vykresli_davku_sveta();
    IGNORE_PRINT = false;
}
