// The player's saved games: the folder, the list, saving from the in-game menu, the list window
// of the main menu and the autosaves.
#include "Ulozene_hry.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Camera.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "Menu.h"
#include "OpenGL3_3.h"
#include "Ovladanie.h"
#include "Strategy_library.h"

S_sprava sprava_ulozenia;
bool Z_zoznam_hier = false;
std::vector<S_ulozena_hra> Z_hry;
int Z_vybrana = 0;
C_Autoulozenie Autoulozenie;

namespace {

constexpr const char* PRIPONA = ".hra";
constexpr const char* AUTOMATICKA = "autoulozenie-";
constexpr int AUTOMATICKYCH = 3;

long long ns(const struct stat& st) {
    return st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
}

bool konci_na(const std::string& s, const char* koniec) {
    const std::size_t n = std::strlen(koniec);
    return s.size() >= n && s.compare(s.size() - n, n, koniec) == 0;
}

// Creates the folder and every missing parent.
bool vytvor_priecinok(const std::string& cesta, std::string& chyba) {
    for (std::size_t i = 1; i <= cesta.size(); ++i) {
        if (i < cesta.size() && cesta[i] != '/') continue;
        const std::string cast = cesta.substr(0, i);
        if (::mkdir(cast.c_str(), 0755) != 0 && errno != EEXIST) {
            chyba = "priecinok " + cast + " sa neda vytvorit: " + std::strerror(errno);
            return false;
        }
    }
    struct stat st;
    if (::stat(cesta.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        chyba = cesta + " nie je priecinok";
        return false;
    }
    return true;
}

// Saves into cesta and tells the console.
bool uloz_do(const std::string& cesta, std::string& chyba) {
    if (!uloz_hru(cesta.c_str(), chyba)) {
        std::printf("HRU SA NEPODARILO ULOZIT %s: %s\n", cesta.c_str(), chyba.c_str());
        return false;
    }
    std::printf("ULOZENA HRA %s %d.%d.%d\n", cesta.c_str(), strategy.return_den(),
                strategy.return_mesiac(), strategy.return_rok());
    return true;
}

}  // namespace

std::string priecinok_hier() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::string zaklad;
    if (xdg && xdg[0] == '/') {
        zaklad = xdg;
    } else {
        const char* domov = std::getenv("HOME");
        if (!domov || !*domov) {
            const passwd* pw = ::getpwuid(::getuid());
            domov = pw ? pw->pw_dir : "/tmp";
        }
        zaklad = std::string(domov) + "/.local/share";
    }
    return zaklad + "/varnhold/saves";
}

std::vector<S_ulozena_hra> najdi_ulozene_hry(const std::string& priecinok) {
    std::vector<S_ulozena_hra> hry;
    DIR* d = ::opendir(priecinok.c_str());
    if (!d) return hry;
    while (const dirent* e = ::readdir(d)) {
        const std::string meno = e->d_name;
        if (meno[0] == '.' || !konci_na(meno, PRIPONA)) continue;
        S_ulozena_hra h;
        h.meno = meno;
        h.cesta = priecinok + "/" + meno;
        struct stat st;
        if (::stat(h.cesta.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        h.cas = st.st_mtime;
        h.cas_ns = ns(st);
        h.automaticka = meno.rfind(AUTOMATICKA, 0) == 0;
        h.citatelna = ulozenie::citaj_hlavicku(h.cesta.c_str(), h.hlavicka, h.chyba);
        hry.push_back(std::move(h));
    }
    ::closedir(d);
    std::sort(hry.begin(), hry.end(), [](const S_ulozena_hra& a, const S_ulozena_hra& b) {
        return a.cas_ns != b.cas_ns ? a.cas_ns > b.cas_ns : a.meno > b.meno;
    });
    return hry;
}

bool uloz_novu_hru(std::string& cesta, std::string& chyba) {
    const std::string priecinok = priecinok_hier();
    if (!vytvor_priecinok(priecinok, chyba)) return false;
    // Named by the wall clock; a second save in the same second gets a number.
    char cas[32];
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    ::localtime_r(&t, &tm);
    std::strftime(cas, sizeof cas, "hra-%Y%m%d-%H%M%S", &tm);
    cesta = priecinok + "/" + cas + PRIPONA;
    for (int n = 2; ::access(cesta.c_str(), F_OK) == 0; ++n)
        cesta = priecinok + "/" + cas + "-" + std::to_string(n) + PRIPONA;
    return uloz_do(cesta, chyba);
}

bool uloz_automaticky(std::string& cesta, std::string& chyba) {
    const std::string priecinok = priecinok_hier();
    if (!vytvor_priecinok(priecinok, chyba)) return false;
    cesta.clear();
    long long najstarsi = 0;
    for (int k = 1; k <= AUTOMATICKYCH; ++k) {
        const std::string c = priecinok + "/" + AUTOMATICKA + std::to_string(k) + PRIPONA;
        struct stat st;
        if (::stat(c.c_str(), &st) != 0) {
            cesta = c;
            break;
        }
        if (cesta.empty() || ns(st) < najstarsi) {
            cesta = c;
            najstarsi = ns(st);
        }
    }
    return uloz_do(cesta, chyba);
}

// ---------------------------------------------------------------- the screens

void priprav_zacatu_hru() {
    Close_Window();
    B_setting_position = false;
    V_oznacena_skupina_object_id = -1;
    Menu_Kasaren.close();
    Nastav_Camera();
    Autoulozenie.zacni();
}

void Herne_Menu_Uloz_Hru() {
    std::string cesta, chyba;
    if (uloz_novu_hru(cesta, chyba))
        sprava_ulozenia = {"HRA ULOZENA", false};
    else
        sprava_ulozenia = {"HRU SA NEPODARILO ULOZIT - " + chyba, true};
}

void Nacitaj_Hru_action() {
    Z_hry = najdi_ulozene_hry(priecinok_hier());
    Z_vybrana = 0;
    Z_zoznam_hier = true;
    sprava_ulozenia = {};
}

void Zoznam_hier_dalsia_action() {
    if (Z_vybrana + 1 < static_cast<int>(Z_hry.size())) ++Z_vybrana;
}

void Zoznam_hier_predchadzajuca_action() {
    if (Z_vybrana > 0) --Z_vybrana;
}

void Zoznam_hier_zatvor_action() {
    Z_zoznam_hier = false;
    sprava_ulozenia = {};
}

void Zoznam_hier_nacitaj_action() {
    if (Z_vybrana < 0 || Z_vybrana >= static_cast<int>(Z_hry.size())) return;
    S_ulozena_hra& h = Z_hry[Z_vybrana];
    std::string chyba;
    if (!nacitaj_hru(h.cesta.c_str(), chyba)) {
        // The list keeps the reason beside the save, and the menu stays as it was.
        std::printf("HRU SA NEPODARILO NACITAT %s\n", chyba.c_str());
        h.citatelna = false;
        h.chyba = chyba.substr(chyba.find(": ") == std::string::npos ? 0 : chyba.find(": ") + 2);
        sprava_ulozenia = {"HRU SA NEPODARILO NACITAT - " + h.chyba, true};
        return;
    }
    std::printf("NACITANA HRA %s %d.%d.%d\n", h.cesta.c_str(), strategy.return_den(),
                strategy.return_mesiac(), strategy.return_rok());
    Z_zoznam_hier = false;
    sprava_ulozenia = {};
    Menu.close();
    priprav_zacatu_hru();
    Game.Start();
    Game.Run();
}

// ---------------------------------------------------------------- autosaves

void C_Autoulozenie::zacni() {
    behu_ms_ = 0.0f;
    posledne_ms_ = -1.0f;
    denne_kroky_ = Game.denne_kroky;
}

bool C_Autoulozenie::krok(float teraz_ms, bool hra_bezi, int denne_kroky, bool vojna) {
    const float dt = posledne_ms_ < 0.0f ? 0.0f : teraz_ms - posledne_ms_;
    posledne_ms_ = teraz_ms;
    const bool den = denne_kroky != denne_kroky_;
    denne_kroky_ = denne_kroky;
    if (!hra_bezi) return false;
    behu_ms_ += dt;
    if (behu_ms_ < PERIODA_MS || !den || vojna) return false;
    behu_ms_ = 0.0f;
    return true;
}

void Autoulozenie_po_kroku() {
    if (!Autoulozenie.krok(hodiny_od_startu(), Game.is_running(), Game.denne_kroky,
                           strategy.return_je_vojna()))
        return;
    std::string cesta, chyba;
    uloz_automaticky(cesta, chyba);
}
