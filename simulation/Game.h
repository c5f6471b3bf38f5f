// Run state of the game and the simulation step driver: once per frame `Hra_Bezi` calls
// `Game.Action()`, which dispatches keys and, when the clock says a step is due, runs one day step
// (with the monthly checks at a month boundary) or one battle step.
#pragma once

// Wall-clock bookkeeping of the step, in float milliseconds.
struct Smytime {
    float time_now;
    float time_last;
    bool time_stopped;
};

// What the step needs from the presentation, installed by the client. A hook left empty does
// nothing (the clock then reads 0), so the step can be driven headless with a fake clock.
struct S_Game_hooks {
    // Milliseconds since the process started, as a float.
    float (*hodiny_ms)();
    // The key-binding dispatcher (`Klavesnica_ovladanie`).
    void (*klavesnica)();
    // Opens the end-of-game window (`EndGameInfoMenu`).
    void (*otvor_koniec_hry)();
};

class C_Game {
public:
    C_Game();
    void Start();
    bool Run();
    bool Stop();
    bool is_running();
    void Action();

    bool running;
    // Day steps run since the process started (the client's autosave waits for the next one).
    int denne_kroky;
};

extern C_Game Game;
extern Smytime my_time;
extern float zrychlenie;
extern bool cas_mesiace;
extern bool je_vojna;
extern S_Game_hooks game_hooks;

// A new game's step driver: speed 1.0, no month fast-forward, no battle.
void Game_nova_hra();
// One day step: the calendar, the owner check, construction and daily production.
void Game_den();
// The monthly checks, in their fixed order.
void Game_mesiac();
// The speed key: the period factor times 0.1, back to 1.0 below 0.01 (1.0 -> 0.1 -> 0.01 -> 1.0).
void Game_zmena_rychlosti();
// The month fast-forward key: toggles cas_mesiace.
void Game_zmena_rychlosti_mesiac_den();
// Called once per frame by the main loop.
void Hra_Bezi();
