// Drives the real step driver headless with a fake millisecond clock: the clock started as the
// new-game action starts it, one frame in which a step is due, one frame with the month
// fast-forward on, the player's part in a battle and his random orders in it. Header-only,
// depending on the simulation library alone, so the scenario tests, the long runs and the golden
// game step the world the same way.
#pragma once

#include <vector>

#include "Game.h"
#include "Strategy_library.h"

namespace krokovanie {

// The fake clock, in milliseconds; it only ever moves forward.
inline float& hodiny() {
    static float h = 0.0f;
    return h;
}

inline float falosne_hodiny() { return hodiny(); }

// Installs the fake clock (and the end-of-game window, when given) and starts the game at speed
// 1.0 without fast-forward, as the new-game action does.
inline void spusti(void (*koniec_hry)() = nullptr) {
    game_hooks = {falosne_hodiny, nullptr, koniec_hry};
    my_time = {0.0f, 0.0f, false};
    hodiny() = 0.0f;
    zrychlenie = 1.0f;
    cas_mesiace = false;
    Game.Start();
    Game.Run();
}

// One frame in which a step is due: two periods and a little more have passed. In peace it is a
// day (or, with fast-forward, the days up to the next month), in a battle one battle step.
inline void krok() {
    hodiny() += 2.0f * zrychlenie * 2500.0f + 1.0f;
    Game.Action();
}

// One frame with the month fast-forward on: in peace the step ends on the first day of the next
// month after that month's checks.
inline void mesiac_hry() {
    cas_mesiace = true;
    krok();
}

// The player's part in a battle, as the battle keys do it: open the closed gates and send every
// group that stands idle against the nearest enemy group still alive.
inline void bojuj() {
    using Strategy_library::S_L;
    S_L& w = strategy;
    w.set_owner(S_L::id_player);
    const Strategy_library::S_owner& h = w.id_owner[S_L::id_player];
    for (int i = 0; i < h.brana_last_id; ++i)
        if (w.budova_zatvorena(h.brana[i].objekt_id)) w.close_open_gate(h.brana[i].x, h.brana[i].y);
    for (int g = 0; g < w.vojenska_skupina_last_id; ++g) {
        const auto& s = w.vojenska_skupina[g];
        if (s.vlastnik != S_L::id_player || s.dead_status || s.moved || s.utoci_na_objekt != -1 ||
            !w.ma_zivych(g))
            continue;
        int ciel = -1;
        float najblizsie = 1e9f;
        for (int e = 0; e < w.vojenska_skupina_last_id; ++e) {
            const auto& n = w.vojenska_skupina[e];
            if (n.vlastnik != S_L::id_nepriatel || n.dead_status || !w.ma_zivych(e)) continue;
            const float d = S_L::vzdialenost_bodov(s.xf, s.yf, n.xf, n.yf);
            if (d < najblizsie) {
                najblizsie = d;
                ciel = e;
            }
        }
        if (ciel == -1) return;
        float x = w.vojenska_skupina[ciel].xf, y = w.vojenska_skupina[ciel].yf;
        w.find_point(x, y);
        w.presun_vojensku_skupinu_na_bod(g, static_cast<int>(x), static_cast<int>(y));
    }
}

// The player's buildings, by object id.
inline std::vector<int> budovy_hraca() {
    std::vector<int> b;
    for (int i = 0; i < strategy.objekt_hwm; ++i)
        if (strategy.objekt[i].co_to_je == Strategy_library::S_L::id_budova &&
            strategy.objekt[i].vlastnik == Strategy_library::S_L::id_player)
            b.push_back(i);
    return b;
}

// One random order of the player's in a battle, drawn with `pod(n)` (0 … n − 1): a group sent
// anywhere around the town, a gate opened or shut, a building opened or closed, a recruit, a
// refill, a disbanded group, a cancelled attack.
template <class Pod>
void nahodny_rozkaz_v_bitke(Pod pod) {
    using Strategy_library::S_L;
    S_L& w = strategy;
    const Strategy_library::S_owner& h = w.id_owner[S_L::id_player];
    const int g = h.skupina_last_id > 0 ? h.skupina[pod(h.skupina_last_id)] : -1;
    switch (pod(8)) {
        case 0:
            if (g >= 0) w.presun_vojensku_skupinu_na(g, 71 + pod(59), 71 + pod(59), -1);
            break;
        case 1:
            if (g >= 0) w.presun_vojensku_skupinu_na_bod(g, 71 + pod(59), 71 + pod(59));
            break;
        case 2:
            if (h.brana_last_id > 0) {
                const auto& b = h.brana[pod(h.brana_last_id)];
                w.close_open_gate(b.x, b.y);
            }
            break;
        case 3: {
            const std::vector<int> v = budovy_hraca();
            w.close_open(v[pod(static_cast<int>(v.size()))]);
            break;
        }
        case 4: w.regrutujSermiarov(pod(4)); break;
        case 5:
            if (g >= 0) w.vojenska_skupina_dopln(g);
            break;
        case 6:
            if (g >= 0) w.rozpust_vojensku_skupinu(g, S_L::id_player);
            break;
        default:
            if (g >= 0) w.vojenska_skupina_emergency_delete_attack(g);
            break;
    }
    w.set_owner(S_L::id_player);
}

}  // namespace krokovanie
