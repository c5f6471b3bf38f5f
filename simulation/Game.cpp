// The simulation step driver: speed, month fast-forward, day and month sequences, battle steps,
// time-slow requests, the end of the game, and the per-pass error print and owner reset.
#include "Game.h"

#include <cstdio>

#include "Strategy_library.h"

C_Game Game;
Smytime my_time = {0.0f, 0.0f, false};
float zrychlenie = 1.0f;
bool cas_mesiace = false;
bool je_vojna = false;
S_Game_hooks game_hooks = {nullptr, nullptr, nullptr};

C_Game::C_Game() : running(false), denne_kroky(0) {}

void C_Game::Start() { my_time.time_stopped = true; }

bool C_Game::Run() {
    running = true;
    std::printf("Hra bezi \n");
    my_time.time_stopped = false;
    return true;
}

bool C_Game::Stop() {
    running = false;
    std::printf("Hra zastavena \n");
    my_time.time_stopped = true;
    return true;
}

bool C_Game::is_running() { return running; }

void Game_nova_hra() {
    zrychlenie = 1.0f;
    cas_mesiace = false;
    je_vojna = false;
}

void Game_den() {
    strategy.next_day();
    strategy.check_player_id();
    strategy.kontroluj_objekty();
    strategy.kontroluj_prijem_denne();
}

void Game_mesiac() {
    strategy.kontroluj_sklady();
    strategy.kontroluj_najdenie_domu_prace();
    strategy.kontroluj_ludi();
    strategy.kontroluj_prichod_novych_ludi();
    strategy.spocitaj_bilanciu();
    strategy.zhrn_mesiac();
    strategy.kontroluj_trvanlivost();
    strategy.nastav_zostatok();
    strategy.priprav_bilanciu();
    strategy.kontroluj_pridelenie_privilegii();
    strategy.kontroluj_diplomaciu();
    strategy.kontroluj_koniec_hry();
}

void C_Game::Action() {
    if (game_hooks.klavesnica) game_hooks.klavesnica();
    my_time.time_now = game_hooks.hodiny_ms ? game_hooks.hodiny_ms() : 0.0f;

    // A step sets time_last to now + P, so the loop test fails right after it: at most one step
    // per pass, and time lost while stopped or in a slow frame is never caught up.
    while (!my_time.time_stopped && my_time.time_now - my_time.time_last >= zrychlenie * 2500.0f) {
        je_vojna = strategy.return_je_vojna();
        if (je_vojna) {
            zrychlenie = 0.01f;
            strategy.vojna_kontroluj_script();
            my_time.time_last = my_time.time_now + zrychlenie * 2500.0f;
            continue;
        }
        Game_den();
        ++denne_kroky;
        my_time.time_last = my_time.time_now + zrychlenie * 2500.0f;
        if (cas_mesiace) {
            while (!strategy.presiel_mesiac()) Game_den();
        }
        if (strategy.presiel_mesiac()) Game_mesiac();
        if (strategy.request_time_slow()) {
            cas_mesiace = false;
            zrychlenie = 1.0f;
        }
        if (strategy.isEndOFGame()) {
            Game.Stop();
            if (game_hooks.otvor_koniec_hry) game_hooks.otvor_koniec_hry();
        }
    }
    if (strategy.bol_error()) std::printf("error : %s \n", strategy.return_error());
    strategy.vrat_riadenie_hracovi();
}

void Game_zmena_rychlosti() {
    zrychlenie *= 0.1f;
    if (zrychlenie < 0.01f) zrychlenie = 1.0f;
}

void Game_zmena_rychlosti_mesiac_den() { cas_mesiace = !cas_mesiace; }

void Hra_Bezi() { Game.Action(); }
