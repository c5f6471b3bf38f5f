// The information screens: every text of a frame, written line by line upward from the bottom
// of the screen with the glyph font. Each window has its left edge; a new line moves one line
// height up and back to that edge.
#include "Write_to_screen.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "Color.h"
#include "Font3.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Menu.h"
#include "OpenGL3_3.h"
#include "Ovladanie.h"
#include "Strategy_library.h"
#include "Ulozene_hry.h"

using Strategy_library::S_L;

namespace {

// The writing position of the text layer: the left edge of the current window and the height of
// the current line (window pixels, origin at the lower-left corner).
float okraj = 0.0f, riadok = 0.0f;

// Starts a window with its left edge at x and its lines above height y.
void okno(float x, float y) {
    okraj = x;
    riadok = y;
    write_g(okraj, riadok, 0, "");
}

void novy_riadok() { write_line(okraj, riadok, 0, 0); }

// One line height in whole pixels, the unit of the column rules.
int vyska_riadku() { return static_cast<int>(scalef); }

// Places the writing position on the current line, `stlpcov` line heights right of the edge.
void stlpec(int stlpcov) {
    write_g(okraj + static_cast<float>(stlpcov * vyska_riadku()), riadok, 0, "");
}

// A label in white and its value in lila.
void popis_hodnota(const char* popis, int hodnota) {
    white();
    glPrint("%s", popis);
    lila();
    glPrint("%d", hodnota);
}

// Lines of labels with their values, each on a new line.
struct S_riadok {
    const char* popis;
    int hodnota;
};
template <int N>
void riadky(const S_riadok (&r)[N]) {
    for (const S_riadok& x : r) {
        novy_riadok();
        popis_hodnota(x.popis, x.hodnota);
    }
}

// The colour of a choice in a list: white, gray when unavailable, cyan when chosen, blue when
// both.
void farba_volby(bool dostupna, bool vybrana) {
    white();
    if (!dostupna) gray();
    if (vybrana) dostupna ? cyan() : blue();
}

void farba_tlacidla(C_Menu& m, int i) {
    farba_volby(m.is_Button_active(i), m.is_Button_choosed(i));
}

// A menu's buttons, one a line; `za(i)` writes what follows button i on its line.
template <class Za>
void tlacidla(C_Menu& m, Za za) {
    for (int i = 0; i < m.return_count_of_buttons(); ++i) {
        novy_riadok();
        farba_tlacidla(m, i);
        glPrint("%s", m.return_Button_Text(i));
        za(i);
    }
}
void tlacidla(C_Menu& m) {
    tlacidla(m, [](int) {});
}

// What the last save or failed load did, on the current line: green, or red for a failure.
void sprava() {
    if (sprava_ulozenia.text.empty()) return;
    sprava_ulozenia.chyba ? red() : green();
    glPrint("%s", sprava_ulozenia.text.c_str());
}

// A full-screen menu: its title, the line under its buttons, and the buttons.
void menu(const char* nadpis, C_Menu& m) {
    white();
    novy_riadok();
    glPrint("%s", nadpis);
    novy_riadok();
    sprava();
    tlacidla(m);
}

// The list of saved games over the main menu: its title with the page, the line under it, and
// one page of saves, newest first, two lines each (the game, then when it was saved), the chosen
// one in cyan and the unreadable ones in gray.
void zoznam_hier() {
    const int n = static_cast<int>(Z_hry.size());
    const int od = Z_vybrana / Z_NA_STRANU * Z_NA_STRANU;
    white();
    novy_riadok();
    glPrint("Nacitaj Hru");
    if (n > Z_NA_STRANU)
        glPrint("  strana %d / %d", od / Z_NA_STRANU + 1, (n + Z_NA_STRANU - 1) / Z_NA_STRANU);
    novy_riadok();
    sprava();
    if (n == 0) {
        novy_riadok();
        gray();
        glPrint("ziadne ulozene hry");
    }
    for (int i = od; i < n && i < od + Z_NA_STRANU; ++i) {
        const S_ulozena_hra& h = Z_hry[i];
        const auto& u = h.hlavicka;
        novy_riadok();
        farba_volby(h.citatelna, i == Z_vybrana);
        if (h.citatelna) {
            const bool mesiac =
                u.mesiac >= 1 && u.mesiac <= S_L::M_december && strategy.mesiac[u.mesiac].meno;
            const bool titul = u.privilegia >= 0 && u.privilegia < S_L::PRIV_last_id &&
                               strategy.privilegia[u.privilegia].nazov;
            glPrint("%d. %s %d  ludia %d  %s", u.den, mesiac ? strategy.mesiac[u.mesiac].meno : "?",
                    u.rok, u.pocet_ludi, titul ? strategy.privilegia[u.privilegia].nazov : "?");
        } else {
            glPrint("%s", h.meno.c_str());
        }
        char cas[32];
        std::tm tm{};
        localtime_r(&h.cas, &tm);
        std::strftime(cas, sizeof cas, "%d.%m.%Y %H.%M", &tm);
        novy_riadok();
        glPrint("   ulozena %s%s", cas, h.automaticka ? "  automaticky" : "");
        if (!h.citatelna) glPrint("  %s", h.chyba.c_str());
    }
}

// "rok", "roky" or "rokov" after a count of years.
const char* slovo_rokov(int r) {
    if (r == 1) return "rok";
    if (r >= 2 && r <= 4) return "roky";
    return "rokov";
}

// ---------------------------------------------------------------- status line

// After the rank: what the next rank needs against the adults now, and from a large city on the
// earliest day the enemy can come.
void ciele() {
    const int rank = strategy.id_owner[S_L::id_player].privilegia_id;
    const int treba = strategy.dospelych_na_dalsie_privilegia();
    if (treba > 0 && rank + 1 < S_L::PRIV_last_id) {
        white();
        glPrint("  dalej ");
        lila();
        glPrint("%s", strategy.privilegia[rank + 1].nazov);
        white();
        glPrint(" dospeli ");
        lila();
        glPrint("%d / %d", strategy.return_pocet_muzov() + strategy.return_pocet_zien(), treba);
    }
    if (rank >= S_L::PRIV_velke_mesto && !je_vojna) {
        const Strategy_library::S_time t = strategy.najskorsi_utok();
        white();
        glPrint("  utok najskor ");
        lila();
        glPrint("%d. %s %d", t.den, strategy.mesiac[t.mesiac].meno, t.rok);
    }
}

// The speed and the month fast-forward, on the line under the rank (in peace: a battle runs at
// its own speed).
void rychlost() {
    white();
    glPrint("rychlost ");
    lila();
    glPrint("%dx", nasobok_rychlosti());
    if (cas_mesiace) glPrint("  po mesiacoch");
}

void stavovy_riadok() {
    white();
    novy_riadok();
    glPrint("Privilegia ");
    lila();
    glPrint("%s", strategy.getTitul());
    ciele();
    novy_riadok();
    if (!je_vojna) rychlost();
    red();
    novy_riadok();

    int x, y;
    const bool na_mape = ukazany_bod(x, y);
    const int o = na_mape ? strategy.point_id_of_objekt(x, y) : -1;
    if (o >= 0 && strategy.je_budova(o)) {
        glPrint("%s ", strategy.objekt_meno(o));
        glPrint(" %d.lvl", strategy.budova_level(o));
        const int p = strategy.budova_percenta(o);
        if (p >= 0 && p <= 99) glPrint(" %d %%", p);
    }

    if (!je_vojna) {
        if (na_mape && strategy.je_vojenska_skupina(x, y))
            glPrint("%s ",
                    strategy.vojenska_skupina_meno(strategy.return_vojenska_skupina_id(x, y)));
        return;
    }
    const int oznacena = V_oznacena_skupina_object_id;
    if (oznacena >= 0) glPrint("%s ", strategy.vojenska_skupina_meno(oznacena));
    novy_riadok();
    novy_riadok();
    // How long the battle has lasted, on the line the date takes in peace.
    const int sekund = strategy.return_bitka_sekund();
    white();
    glPrint("bitka trva ");
    lila();
    glPrint("%d min %02d s", sekund / 60, sekund % 60);
    const int slotov =
        std::min(strategy.vojenska_skupina_owned_last(), S_L::MAX_SKUPIN_NA_VLASTNIKA);
    for (int i = 0; i < slotov; ++i) {
        const int g = strategy.id_vojenskej_skupiny(i);
        if (g < 0) continue;
        white();
        novy_riadok();
        if (g == oznacena) cyan();
        glPrint("%d. %s zdravie(%d) ", i + 1, strategy.vojenska_skupina_meno(g),
                strategy.return_vojenska_skupina_percenta_zdravie(g));
    }
    novy_riadok();
    for (int v = 0; v < strategy.return_veza_last_id(S_L::id_player); ++v) {
        white();
        novy_riadok();
        glPrint("veza %d ludia %d", v, strategy.return_vojaci_vo_vezi(S_L::id_player, v));
    }
}

// ---------------------------------------------------------------- end-of-game report

void koniec_hry() {
    green();
    novy_riadok();
    glPrint("Koniec Hry");
    novy_riadok();
    white();
    glPrint("Zomreli vsetci ludia");
    novy_riadok();
    red();
    const int roky = strategy.return_rok() - 1;
    glPrint("Tvoja vlada trvala %d %s", roky, slovo_rokov(roky));
    novy_riadok();
    white();
    glPrint("Vysledok tvojho panovania");
    novy_riadok();
    lila();
    glPrint("Ziskal si privilegia %s", strategy.getTitul());
    novy_riadok();
    white();
    glPrint("Pocas celej vlady si mal spolu %d ludi", strategy.return_zomrelo_ludi());
    novy_riadok();
    glPrint("Na chorobu zomrelo %d ludi", strategy.return_pocet_zomrelo_na_chorobu());
    novy_riadok();
    glPrint("Od hladu zomrelo %d ludi", strategy.return_zomrelo_hladom());
    novy_riadok();
    tlacidla(EndGameInfoMenu);
}

// ---------------------------------------------------------------- controls help

void napoveda() {
    green();
    novy_riadok();
    glPrint("Ovladanie");
    novy_riadok();
    C_Ovladanie& zavri = Ovladanie.Ovladanie_Info[O_Ovladanie_Info_zatvor];
    if (zavri.isActive()) {
        green();
        glPrint("%s : %s", zavri.return_nazov(), zavri.return_key_text());
    }
    struct S_sekcia {
        const char* nazov;
        C_Ovladanie* skupina;
        int pocet;
    };
    const S_sekcia sekcie[] = {
        {"Hra", Ovladanie.Game, O_Game_last_id},
        {"Pohyb", Ovladanie.Hrac, O_Hrac_last_id},
        {"Okno", Ovladanie.Okno, O_Okno_last_id},
        {"Prehlad krajiny (Okno)", Ovladanie.Okno_Hlavna_Budova, O_Okno_Hlavna_Budova_last_id},
        {"Budovy na stavanie (Okno)", Ovladanie.Budovy_Na_Stavanie_List,
         O_Budovy_Na_Stavanie_List_last_id},
        {"Umiestnovanie budovy", Ovladanie.Umiestni_Budovu, O_Umiestni_Budovu_last_id},
        {"Informacie o budove (Okno)", Ovladanie.Informacie_O_Budove,
         O_Informacie_O_Budove_last_id},
        {"Vojna", Ovladanie.Vojna, O_Vojna_last_id},
        {"Nacitanie hry", Ovladanie.Zoznam_Hier, O_Zoznam_Hier_last_id},
    };
    for (const S_sekcia& s : sekcie) {
        cyan();
        novy_riadok();
        glPrint("%s", s.nazov);
        const bool vojna = s.skupina == Ovladanie.Vojna;
        for (int i = 0; i < s.pocet; ++i) {
            C_Ovladanie& b = s.skupina[i];
            // Of the war keys only the move, the first group key (for all ten), cancelling and
            // the gate are listed.
            if (vojna && i != O_Vojna_presun_vojensku_skupinu_na &&
                i != O_Vojna_oznac_vojensku_skupinu_1 && i < O_Vojna_zrus_oznacenie_skupiny)
                continue;
            if (!b.isActive()) continue;
            white();
            novy_riadok();
            if (vojna && i == O_Vojna_oznac_vojensku_skupinu_1) {
                glPrint("Oznac vlastnu vojensku skupinu : ");
                lila();
                glPrint("cislo skupiny (pre skupinu 10 je cislo 0)");
                continue;
            }
            glPrint("%s : ", b.return_nazov());
            lila();
            glPrint(s.skupina == Ovladanie.Hrac ? "%s " : "%s", b.return_key_text());
        }
    }
}

// ---------------------------------------------------------------- object information

// Lines of one resource list of a building: "%s " and the amount, for every amount above 0.
template <class F>
void zoznam_surovin(F pocet_suroviny) {
    for (int s = 0; s < S_L::last_surovina_id; ++s) {
        const int n = pocet_suroviny(s);
        if (n <= 0) continue;
        novy_riadok();
        white();
        glPrint("%s ", strategy.surovina_meno(s));
        lila();
        glPrint("%d", n);
    }
}

// False when the window names no object: every window is closed and nothing more is drawn.
bool informacie_o_objekte() {
    const int o = O_open_window_object_id;
    if (o == -1) {
        Close_Window();
        return false;
    }
    novy_riadok();
    novy_riadok();
    white();
    glPrint("%s", strategy.objekt_meno(o));
    if (strategy.je_vojenska_skupina(o)) {
        glPrint(" - vojenska skupina");
        novy_riadok();
        return true;
    }
    if (!strategy.je_budova(o) || !I_Informacie_O_Budove) return true;
    glPrint(" - budova");
    novy_riadok();
    glPrint(" %d. level %d. percent", strategy.budova_level(o), strategy.budova_percenta(o));
    novy_riadok();
    glPrint(" %d  / %d ludi ", strategy.budova_ludia(o), strategy.budova_potrebuje_ludi(o));
    const int dalej = strategy.budova_potrebuje_ludi_dalsi_level(o);
    if (dalej > 0) glPrint("(%d)", dalej);
    novy_riadok();
    glPrint("produkuje:");
    zoznam_surovin([o](int s) { return strategy.budova_produkuje_pocet(o, s); });
    novy_riadok();
    white();
    glPrint("potrebuje:");
    zoznam_surovin([o](int s) { return strategy.budova_potrebuje_pocet(o, s); });
    novy_riadok();
    white();
    glPrint("dalsi level: ");
    if (!strategy.da_sa_up(o)) {
        glPrint(" maximalny level");
    } else {
        glPrint("(U)");
        zoznam_surovin([o](int s) { return strategy.budova_upgrade_pocet(o, s); });
    }
    if (strategy.budova_closeable(o)) {
        novy_riadok();
        white();
        glPrint(strategy.budova_zatvorena(o) ? "Zatvorena (O)" : "Otvoren (O)");
    }
    return true;
}

// ---------------------------------------------------------------- barracks

void kasarne() {
    novy_riadok();
    const S_riadok pocty[] = {{"bez prace   ", strategy.return_pocet_muzov_bez_prace()},
                              {"vojaci      ", strategy.return_pocet_vojakov()},
                              {"kopijnici   ", strategy.return_pocet_vojakov_kopije()},
                              {"sermiari    ", strategy.return_pocet_vojakov_mece()},
                              {"lukostrelci ", strategy.return_pocet_vojakov_luk()}};
    riadky(pocty);
    if (Menu_Kasaren.is_active()) {
        novy_riadok();
        const float zaciatok = static_cast<float>(Window.X / 6);
        for (int i = 0; i < Menu_Kasaren.return_count_of_buttons(); ++i) {
            write_g(zaciatok + static_cast<float>(i * 10 * vyska_riadku()), riadok, 0, "");
            farba_tlacidla(Menu_Kasaren, i);
            glPrint("%s", Menu_Kasaren.return_Button_Text(i));
        }
    }
    novy_riadok();
    // The group tabs' head: the count of groups and what the choice is for.
    const auto hlavicka = [](const char* na_co) {
        novy_riadok();
        popis_hodnota("Pocet skupin ", strategy.return_pocet_vlastnenych_skupin());
        novy_riadok();
        white();
        glPrint("Vyber skupinu pre %s ", na_co);
    };
    if (Menu_Kasaren_Skupiny.is_active()) {
        hlavicka("regrutovanie");
        novy_riadok();
        glPrint("pocet %d", strategy.return_regrutuj_pocet());
        tlacidla(Menu_Kasaren_Skupiny);
    } else if (Menu_Kasaren_Skupiny_Dopln.is_active()) {
        hlavicka("doplnenie");
        tlacidla(Menu_Kasaren_Skupiny_Dopln, [](int i) {
            const int g =
                i < strategy.vojenska_skupina_owned_last() ? strategy.id_vojenskej_skupiny(i) : -1;
            if (g < 0) return;
            white();
            glPrint(" %s volne miesta ", strategy.vojenska_skupina_meno(g));
            lila();
            glPrint("%d", strategy.vojenska_skupina_volne_miesta(g));
        });
    } else if (Menu_Kasaren_Veze.is_active()) {
        tlacidla(Menu_Kasaren_Veze, [](int) {
            lila();
            glPrint(" %d", strategy.get_pocet_regrutovanie_na_vezu());
        });
    }
}

// ---------------------------------------------------------------- country overview

// The rows of page p of `pocet` entries from id 1, 25 a page: [od, do). A page past the end
// turns back to the first.
void strana(int& p, int pocet, int& od, int& po) {
    if (pocet < 25 * p) p = 0;
    od = std::max(1, 25 * p);
    po = std::min(25 * (p + 1), pocet);
}

void suroviny() {
    novy_riadok();
    novy_riadok();
    white();
    glPrint("kapacita %d", strategy.return_kapacita_skladov());
    novy_riadok();
    int od, po;
    strana(H_showing_list, S_L::last_surovina_id, od, po);
    for (int s = od; s < po; ++s) {
        white();
        glPrint("%s", strategy.surovina_meno(s));
        const int bilancia = strategy.return_bilancia(s);
        const struct {
            int stlpec;
            const char* popis;
            int hodnota;
        } stlpce[] = {{15, "pocet ", strategy.surovina_v_skladoch(s)},
                      {30, "vyrobene ", strategy.return_vyrobene(s)},
                      {45, "pouzite ", strategy.return_pouzite(s)},
                      {60, "bilancia  ", bilancia}};
        for (const auto& c : stlpce) {
            stlpec(c.stlpec);
            valueColoring(bilancia);
            glPrint("%s", c.popis);
            print_jednotky(c.hodnota);
        }
        novy_riadok();
    }
}

void budovy() {
    novy_riadok();
    int od, po;
    strana(H_showing_list, S_L::last_building_integer, od, po);
    for (int b = od; b < po; ++b) {
        white();
        glPrint(" %s ", strategy.budova_meno(b));
        lila();
        glPrint("%d", strategy.budova_postaveny_pocet(b));
        novy_riadok();
    }
}

void ludia() {
    novy_riadok();
    popis_hodnota("ludia ", strategy.return_pocet_ludi());
    popis_hodnota(" = muz ", strategy.return_pocet_muzov());
    popis_hodnota(" + zena ", strategy.return_pocet_zien());
    popis_hodnota(" + deti ", strategy.return_pocet_deti());
    novy_riadok();
    popis_hodnota("deti ", strategy.return_pocet_deti());
    popis_hodnota("= chlapec ", strategy.return_pocet_chlapcov());
    popis_hodnota(" + dievcata", strategy.return_pocet_dievcat());
    const S_riadok dalsie[] = {
        {"stavbari ", strategy.return_pocet_stavbari()},
        {"muzi bez domova ", strategy.return_pocet_muzov_bez_domova()},
        {"muzi bez prace ", strategy.return_pocet_muzov_bez_prace()},
        {"zeny bez muzov ", strategy.return_pocet_muzov_bez_zien()},
        {"hladuje zien  ", strategy.return_pocet_zien_hladuje()},
        {"hladuje muzov ", strategy.return_pocet_muzov_hladuje()},
        {"trpi chorobou ", strategy.return_pocet_trpi_chorobou()},
        {"     podchladenie ", strategy.return_ch_podchladenie()},
        {"     malo jedla ", strategy.return_ch_malo_jedla()},
        {"     malo vody ", strategy.return_ch_malo_vody()},
        {"     malo masa ", strategy.return_ch_malo_masa()},
        {"     malo ovocia ", strategy.return_ch_malo_ovocia()},
        {"     mrtvola ", strategy.return_ch_mrtvola()},
        {"zomrelo na chorobu ", strategy.return_pocet_zomrelo_na_chorobu()},
        {"zomrelo ludi ", strategy.return_zomrelo_ludi()},
        {"zomrelo hladom ", strategy.return_zomrelo_hladom()},
        {"zomrelo zien ", strategy.return_zomrelo_zien()},
        {"zomrelo muzov ", strategy.return_zomrelo_muzov()},
    };
    riadky(dalsie);
}

void prehlad_krajiny() {
    // A quarter of the width in: right of the status line, with room for the fourth column of
    // the resources table (60 line heights plus its label and value) on the screen.
    okno(static_cast<float>(Window.X / 4), static_cast<float>(Window.Y / 20));
    novy_riadok();
    if (H_suroviny)
        suroviny();
    else if (H_budovy)
        budovy();
    else if (H_ludia)
        ludia();
}

// ---------------------------------------------------------------- build list

void zoznam_budov() {
    const int t = B_showing_to_id;
    okno(static_cast<float>(Window.X / 3), static_cast<float>(Window.Y / 4));
    novy_riadok();
    novy_riadok();
    white();
    glPrint("%s", strategy.budova_meno(t));
    novy_riadok();
    novy_riadok();
    if (!strategy.ma_privilegia(t)) {
        glPrint("nemas dostatocne privilegia");
    } else {
        glPrint("treba na postavenie");
        zoznam_surovin([t](int s) { return strategy.treba_na_postavenie(t, s); });
        novy_riadok();
    }

    okno(25.0f, static_cast<float>(Window.Y / 4));
    novy_riadok();
    novy_riadok();
    H_showing_list = t / 25;
    int od, po;
    strana(H_showing_list, S_L::last_building_integer, od, po);
    for (int b = od; b < po; ++b) {
        novy_riadok();
        farba_volby(strategy.ma_privilegia(b), b == t);
        glPrint("%s", strategy.budova_meno(b));
    }
}

// ---------------------------------------------------------------- notices

// Appends a formatted line of colour `farba` while there is room; returns the new count.
template <int N>
int pridaj(S_riadok_oznamu (&r)[N], int n, char farba, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
template <int N>
int pridaj(S_riadok_oznamu (&r)[N], int n, char farba, const char* format, ...) {
    if (n >= N) return n;
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(r[n].text, sizeof r[n].text, format, ap);
    va_end(ap);
    r[n].farba = farba;
    return n + 1;
}

// Appends " - label count" for the first count above 0 of a list and "  label count" for the
// others to a line.
struct S_pocet_s_menom {
    const char* meno;
    int pocet;
};
template <int N>
void pripis_pocty(char (&riadok)[128], const S_pocet_s_menom (&pocty)[N]) {
    const char* oddelovac = " - ";
    for (const S_pocet_s_menom& p : pocty) {
        if (p.pocet <= 0) continue;
        const std::size_t d = std::strlen(riadok);
        std::snprintf(riadok + d, sizeof riadok - d, "%s%s %d", oddelovac, p.meno, p.pocet);
        oddelovac = "  ";
    }
}

// Stores that fall: red when they run out before the coming month ends, yellow otherwise, with
// what spoiled at the month end.
template <int N>
int zasoby(S_riadok_oznamu (&r)[N], int n, const char* co, int dni, int skazilo, int dni_mesiaca) {
    if (dni < 0) return n;
    const char farba = dni < dni_mesiaca ? 'r' : 'y';
    if (skazilo > 0)
        return pridaj(r, n, farba, "%s vydrzi %d dni - skazilo sa %d", co, dni, skazilo);
    return pridaj(r, n, farba, "%s vydrzi %d dni", co, dni);
}

// The last battle's outcome: who won and, when the enemy did, what it carried off, four
// resources a line.
template <int N>
int oznam_o_bitke(S_riadok_oznamu (&r)[N], int n) {
    const Strategy_library::S_vysledok_bitky& b = strategy.return_posledna_bitka();
    if (b.vitaz == S_L::id_nikto) return n;
    n = pridaj(r, n, 'y', "bitka - %s",
               b.vitaz == S_L::id_player ? "vyhral si obranu" : "nepriatel vyhral");
    if (b.vitaz != S_L::id_nepriatel) return n;
    int k = 0;
    for (int s = 1; s < S_L::last_surovina_id; ++s) {
        if (b.ulupene[s] <= 0) continue;
        if (k % 4 == 0) n = pridaj(r, n, 'y', "%s", k == 0 ? "ulupil" : "      ");
        if (n > 0 && n <= N) {
            char* t = r[n - 1].text;
            const std::size_t d = std::strlen(t);
            std::snprintf(t + d, sizeof r[n - 1].text - d, "  %s %d", strategy.surovina_meno(s),
                          b.ulupene[s]);
        }
        ++k;
    }
    if (k == 0) n = pridaj(r, n, 'y', "ulupil nic");
    return n;
}

// While placing, the keys; for a while after a refusal, its reason.
template <int N>
int riadok_umiestnenia(S_riadok_oznamu (&r)[N], int n) {
    if (sprava_odmietnutia.text[0] &&
        hodiny_od_startu() - sprava_odmietnutia.od_ms < SPRAVA_ODMIETNUTIA_MS)
        return pridaj(r, n, 'r', "%s", sprava_odmietnutia.text);
    if (!B_setting_position) return n;
    C_Ovladanie* k = Ovladanie.Umiestni_Budovu;
    return pridaj(
        r, n, 'y', "umiestnujes %s - %s %s %s %s posun  %s otoc  %s postav  %s zrus",
        strategy.budova_meno(B_showing_to_id), k[O_Umiestni_Budovu_doprava].return_key_text(),
        k[O_Umiestni_Budovu_dolava].return_key_text(), k[O_Umiestni_Budovu_hore].return_key_text(),
        k[O_Umiestni_Budovu_dole].return_key_text(), k[O_Umiestni_Budovu_otoc].return_key_text(),
        k[O_Umiestni_Budovu_potvrd].return_key_text(), k[O_Umiestni_Budovu_zrus].return_key_text());
}

void oznamy() {
    S_riadok_oznamu r[MAX_RIADKOV_OZNAMOV];
    const int n = riadky_oznamov(r);
    float y = oznamy_y();
    for (int i = 0; i < n; ++i, y -= scalef) {
        write_g(oznamy_x(), y, 0, "");
        r[i].farba == 'r' ? red() : yellow();
        glPrint("%s", r[i].text);
    }
}

}  // namespace

// ---------------------------------------------------------------- the layer

void valueColoring(int v) { v < 0 ? red() : white(); }

void print_jednotky(int n) {
    lila();
    if (n <= 10000)
        glPrint("%d ", n);
    else
        glPrint("%d t", n / 10000);
    white();
}

void Write_to_screen() {}

const char* text_oznamu(int kod) {
    switch (kod) {
        case S_L::I_sklady_su_plne: return "sklady su plne";
        case S_L::I_nema_dost_surovin: return "nema dost surovin";
        case S_L::I_nie_je_dost_ludi: return "nie je dost ludi";
        case S_L::I_nema_pristup_k_hlavnej_budove: return "nema pristup k hlavnej budove";
        default: return "";
    }
}

int zhrn_oznamy(S_oznam (&oznamy)[MAX_OZNAMOV]) {
    int n = 0;
    const int posledny = std::min(strategy.informacie_last_integer, S_L::MAX_INFORMATION - 1);
    // Newest first: the list is appended to in the order the day recorded it.
    for (int i = posledny; i >= 0; --i) {
        const auto& z = strategy.information_list[i];
        if (!z.meno_objektu || !*text_oznamu(z.cilso_informacie)) continue;
        int k = 0;
        while (k < n && !(oznamy[k].kod == z.cilso_informacie && oznamy[k].meno == z.meno_objektu))
            ++k;
        if (k < n) {
            ++oznamy[k].pocet;
        } else if (n < MAX_OZNAMOV) {
            oznamy[n++] = {z.meno_objektu, z.cilso_informacie, 1};
        }
    }
    return n;
}

int oznamy_mesta(S_riadok_oznamu (&r)[MAX_OZNAMOV_MESTA]) {
    const Strategy_library::S_sprava_mesiaca& m = strategy.return_sprava_mesiaca();
    if (m.rok <= 0) return 0;
    int n = 0;
    int zomreli = 0;
    for (int k : m.zomreli) zomreli += k;
    if (zomreli > 0) {
        n = pridaj(r, n, 'r', "zomrelo %d", zomreli);
        const S_pocet_s_menom priciny[] = {
            {"smad", m.zomreli[S_L::SMRT_smad]},   {"hlad", m.zomreli[S_L::SMRT_hlad]},
            {"zima", m.zomreli[S_L::SMRT_zima]},   {"choroba", m.zomreli[S_L::SMRT_choroba]},
            {"staroba", m.zomreli[S_L::SMRT_vek]}, {"boj", m.zomreli[S_L::SMRT_boj]}};
        pripis_pocty(r[n - 1].text, priciny);
    }
    // The stores against the month now begun; red lines go first.
    const int dni = m.mesiac >= S_L::M_januar && m.mesiac <= S_L::M_december
                        ? strategy.mesiac[m.mesiac].pocet_dni
                        : 30;
    S_riadok_oznamu z[2];
    int nz = zasoby(z, 0, "voda", m.dni_vody, m.skazilo_vody, dni);
    nz = zasoby(z, nz, "jedlo", m.dni_jedla, m.skazilo_jedla, dni);
    for (int i = 0; i < nz; ++i)
        if (z[i].farba == 'r') n = pridaj(r, n, 'r', "%s", z[i].text);
    for (int i = 0; i < nz; ++i)
        if (z[i].farba != 'r') n = pridaj(r, n, 'y', "%s", z[i].text);

    if (m.hladovali > 0) n = pridaj(r, n, 'y', "bez jedla alebo vody bolo %d ludi", m.hladovali);
    if (m.chori[0] > 0) {
        n = pridaj(r, n, 'y', "chori %d", m.chori[0]);
        const S_pocet_s_menom choroby[] = {{"malo vody", m.chori[S_L::CH_malo_vody]},
                                           {"malo jedla", m.chori[S_L::CH_malo_jedla]},
                                           {"podchladenie", m.chori[S_L::CH_zima]},
                                           {"mrtvoly", m.chori[S_L::CH_mrtvoly]},
                                           {"malo masa", m.chori[S_L::CH_malo_masa]},
                                           {"malo ovocia", m.chori[S_L::CH_malo_ovocia]}};
        pripis_pocty(r[n - 1].text, choroby);
    }
    if (m.bez_domova > 0)
        n = pridaj(r, n, 'y', "bez domova %d muzov - volne miesta v domoch %d", m.bez_domova,
                   m.volne_v_domoch);
    if (m.bez_prace > 0 || m.volne_prace > 0)
        n = pridaj(r, n, 'y', "bez prace %d muzov - volne pracovne miesta %d", m.bez_prace,
                   m.volne_prace);
    if (m.osadnici > 0) {
        n = pridaj(r, n, 'y', "prislo %d osadnikov", m.osadnici);
    } else {
        switch (m.prichod) {
            case S_L::PRICHOD_ziadny_dom:
                n = pridaj(r, n, 'y', "osadnici nepridu - ziadne volne miesto v domoch");
                break;
            case S_L::PRICHOD_malo_jedla:
                n = pridaj(r, n, 'y', "osadnici nepridu - treba viac ako %d jedla (mas %d)",
                           m.prichod_treba, m.prichod_jedlo);
                break;
            case S_L::PRICHOD_malo_vody:
                n = pridaj(r, n, 'y', "osadnici nepridu - treba viac ako %d vody (mas %d)",
                           m.prichod_treba, m.prichod_voda);
                break;
            default: n = pridaj(r, n, 'y', "na konci roka pridu osadnici"); break;
        }
    }
    if (m.cakaju_stavby > 0)
        n = pridaj(r, n, 'y', "%d stavieb caka na stavbarov (stavbari %d)", m.cakaju_stavby,
                   m.stavbari);
    return n;
}

int riadky_oznamov(S_riadok_oznamu (&r)[MAX_RIADKOV_OZNAMOV]) {
    int n = riadok_umiestnenia(r, 0);
    S_riadok_oznamu mesto[MAX_OZNAMOV_MESTA];
    const int nm = oznamy_mesta(mesto);
    for (int i = 0; i < nm; ++i) n = pridaj(r, n, mesto[i].farba, "%s", mesto[i].text);
    S_oznam o[MAX_OZNAMOV];
    const int no = zhrn_oznamy(o);
    for (int i = 0; i < no; ++i) {
        if (o[i].pocet > 1)
            n = pridaj(r, n, 'y', "%s - %s (%d)", o[i].meno, text_oznamu(o[i].kod), o[i].pocet);
        else
            n = pridaj(r, n, 'y', "%s - %s", o[i].meno, text_oznamu(o[i].kod));
    }
    return oznam_o_bitke(r, n);
}

S_sprava_odmietnutia sprava_odmietnutia = {"", 0.0f};

void oznam_odmietnutie(const char* text) {
    std::snprintf(sprava_odmietnutia.text, sizeof sprava_odmietnutia.text, "%s", text);
    sprava_odmietnutia.od_ms = hodiny_od_startu();
}

const char* text_odmietnutia(int dovod, int surovina, int t) {
    static char text[128];
    switch (dovod) {
        case S_L::E_neda_sa_tam_stavat: return "neda sa postavit - miesto je obsadene";
        case S_L::E_nema_privilegia: {
            const int p = strategy.privilegia_pre_typ(t);
            if (p < 0) return "neda sa postavit - tuto budovu nemozes stavat";
            std::snprintf(text, sizeof text, "neda sa postavit - treba privilegia %s",
                          strategy.privilegia[p].nazov);
            return text;
        }
        case S_L::E_malo_surovin_na_stavbu:
            std::snprintf(text, sizeof text, "neda sa postavit - chyba %s (treba %d  mas %d)",
                          strategy.surovina_meno(surovina),
                          strategy.treba_na_postavenie(t, surovina),
                          strategy.surovina_v_skladoch(surovina));
            return text;
        case S_L::E_nie_su_volne_objekty: return "neda sa postavit - ziadny volny objekt";
        default: return "neda sa postavit - nie je vybrana budova";
    }
}

int nasobok_rychlosti() { return static_cast<int>(std::lround(1.0f / zrychlenie)); }

float oznamy_x() { return 100.0f; }
float oznamy_y() { return static_cast<float>(Window.Y) - 2.0f * scalef; }

namespace {

void napis_vrstvu() {
    okno(100.0f, 0.0f);
    white();
    novy_riadok();
    if (!Game.is_running()) {
        green();
        novy_riadok();
        glPrint("Varnhold");
        novy_riadok();
        novy_riadok();
        red();
    } else {
        stavovy_riadok();
    }
    if (Ovladanie_Info_Window) {
        napoveda();
        return;
    }
    if (Menu.is_active()) Z_zoznam_hier ? zoznam_hier() : menu("Menu", Menu);
    if (EndGameInfoMenu.is_active()) koniec_hry();
    if (Herne_Menu.is_active()) menu("Herne Menu", Herne_Menu);
    if (Game.is_running()) Write_to_out_screen_running();
}

}  // namespace

void Write_to_out_screen() {
    // Every text of the frame goes out in one draw, when the layer is done.
    zacni_text();
    napis_vrstvu();
    dokonci_text();
}

void Write_to_out_screen_running() {
    strategy.refresh_informacia_taken();
    novy_riadok();
    novy_riadok();
    glPrint(" %d. %s (%d) %d", strategy.return_den(), strategy.return_mesiac_meno(),
            strategy.return_mesiac(), strategy.return_rok());
    if (O_open_window && !informacie_o_objekte()) return;
    if (K_kasaren) kasarne();
    if (H_hlavna_budova) prehlad_krajiny();
    if (B_show_building_list) zoznam_budov();
    if (!je_vojna) oznamy();
}
