// Enemy attacks and battle control: the attack trigger of the monthly checks, raising and
// deploying the enemy's army, the battle step, the enemy's orders and gate search, the end of a
// battle with its plunder, and the retreat of every group to its anchor tile.
#include <cstdio>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// The enemy's army: five groups of ten.
constexpr int SKUPIN_V_ARMADE = 5;
constexpr int VOJAKOV_V_SKUPINE = 10;
// An attack comes only when more than this many years have passed since the last one.
constexpr int ROKY_POKOJA = 4;

}  // namespace

void S_L::kontroluj_diplomaciu() {
    // The notice of a battle lasts until the month's checks after it.
    posledna_bitka = {};
    if (je_vojna || time.rok - utok.rok <= ROKY_POKOJA || time.den != 1 ||
        time.mesiac != M_december || bol_utok)
        return;
    if (id_owner[id_player].privilegia_id <= PRIV_mesto) return;
    if (vytvor_utok()) utok.rok = time.rok;
}

S_time S_L::najskorsi_utok() {
    // The trigger's rule: the first of December of a year more than ROKY_POKOJA after the last
    // attack; once this year's first of December has come, the next chance is a year later.
    int rok = time.rok - utok.rok > ROKY_POKOJA ? time.rok : utok.rok + ROKY_POKOJA + 1;
    if (rok == time.rok && time.mesiac == M_december) rok += 1;
    return {1, M_december, rok};
}

bool S_L::vytvor_utok() {
    time_slow = true;
    je_vojna = true;
    bitka_krokov = bitka_bez_pokroku = 0;
    if (utok.pocet < 0) utok.pocet = 0;
    utok.pocet += 1;
    if (utok.posledny_uspesny && utok.pocet > 1)
        std::printf(vytvor_utok_dopln_armadu() ? "armada doplnena "
                                               : "NEPODARILO sa doplnit armadu ");
    else
        std::printf(vytvor_utok_prebuduj_armadu() ? "armada prebudovana "
                                                  : "NEPODARILO sa prebudovat armadu ");
    if (!deploy_troops()) {
        std::printf("DEPLOYED -> FALSE ");
        je_vojna = false;
        return false;
    }
    std::printf("utok vytvoreny");
    zoning(0, 0, false);
    SYNCH_DEAD = true;
    vojna_kontroluj_koniec();
    SYNCH_DEAD = false;
    return true;
}

bool S_L::vytvor_utok_dopln_armadu() { return vytvor_utok_prebuduj_armadu(); }

bool S_L::vytvor_utok_prebuduj_armadu() {
    S_owner& nep = id_owner[id_nepriatel];
    for (int i = 0; i < nep.skupina_last_id && i < MAX_SKUPIN_NA_VLASTNIKA; ++i) {
        const int g = nep.skupina[i];
        if (g == -1) continue;
        if (!rozpust_vojensku_skupinu(g, id_nepriatel)) {
            std::printf("priprava na utok : rozpustenie skupiny : %d -> FALSE", g);
            return false;
        }
        std::printf("priprava na utok rozpustenie skupiny : %d -> %d\n", i, g);
    }
    // Men for the whole army: with fewer, the groups raised last would stand empty, never fall,
    // and keep the battle going for ever.
    if (nep.bez_prace_last_id < SKUPIN_V_ARMADE * VOJAKOV_V_SKUPINE) {
        for (int i = 0; i < SKUPIN_V_ARMADE * VOJAKOV_V_SKUPINE + 1; ++i)
            if (!vytvor_clovek(id_nepriatel, muz, 20, 100)) {
                std::printf("prebuduj armadu : nebolo mozne vytvorit cloveka");
                return false;
            }
    }
    const C_za_vlastnika za_nepriatela(*this, id_nepriatel);
    const bool povodne_zdroje = infinite_sources;
    infinite_sources = true;
    vojenska_skupina_vytvor_pocet = VOJAKOV_V_SKUPINE;

    int barany = 0, mece = 1, kopije = 1, luky = 2, zostava = SKUPIN_V_ARMADE, vytvorenych = 0;
    while (zostava > 0) {
        int g = -1;
        auto skus = [&](int& ostava, int zbran, int stroj, const char* chyba) {
            if (g >= 0 || ostava <= 0) return;
            --ostava;
            g = vytvor_vojensku_skupinu(zbran, -1, stroj);
            if (g < 0) std::printf("%s", chyba);
        };
        skus(barany, kopija, VS_baranidlo, "baranidlo FALSE");
        skus(mece, mec, -1, "serm FALSE");
        skus(kopije, kopija, -1, "kopija FALSE");
        skus(luky, luk, -1, "luk FALSE");
        if (g < 0 && barany + mece + kopije + luky == 0) {
            int jedna = 1;
            switch (zostava % 3) {
                case 0: skus(jedna, mec, -1, "serm rand FALSE"); break;
                case 1: skus(jedna, kopija, -1, "kopija rand FALSE"); break;
                default: skus(jedna, luk, -1, "luk rand FALSE"); break;
            }
        }
        if (g < 0) {
            std::printf("all FALSE");
            break;
        }
        --zostava;
        ++vytvorenych;
    }

    for (int i = 0; i < nep.skupina_last_id && i < MAX_SKUPIN_NA_VLASTNIKA; ++i) {
        const int g = nep.skupina[i];
        if (g == -1) {
            std::printf("prenuduj armadu : vlastna skupina je prazdna");
            continue;
        }
        if (vojenska_skupina[g].dead_status) continue;
        if (!presun_vojensku_skupinu_na(g, nep.vojenska_skupina[i].x, nep.vojenska_skupina[i].y, i))
            std::printf("prebuduj armadu : vlastne skupina %d : %d presun FALSE\n", i, g);
    }
    infinite_sources = povodne_zdroje;
    if (vytvorenych != SKUPIN_V_ARMADE) {
        std::printf("WARRNING : prebuduj armadu : nebol naregrutovany pozadovany pocet");
        return false;
    }
    return true;
}

bool S_L::deploy_troops() {
    const S_owner& hrac = id_owner[id_player];
    std::printf("rozsah stavieb pre %d : x(%d -> %d) a y(%d -> %d)\n", id_player,
                hrac.obsadene_min.x, hrac.obsadene_max.x, hrac.obsadene_min.y, hrac.obsadene_max.y);
    const int dx = hrac.obsadene_min.x + (hrac.obsadene_max.x - hrac.obsadene_min.x) / 2;
    int dy = hrac.obsadene_min.y - 4;
    float heading = 180.0f;
    if (dy < 0) {
        dy = hrac.obsadene_max.y + 4;
        heading = 0.0f;
    }
    if (dy > Y_KONIEC) {
        if (hrac.obsadene_min.x - 4 < 0 && hrac.obsadene_max.x + 4 > X_KONIEC)
            std::printf("ERORR : deploy_troops : pozicia mimo mapy");
        else
            std::printf("UNIMPLEMENTED : deploy_troops : along y ");
        return false;
    }
    const C_za_vlastnika za_nepriatela(*this, id_nepriatel);
    const S_owner& nep = id_owner[id_nepriatel];
    for (int i = 0; i < nep.skupina_last_id && i < MAX_SKUPIN_NA_VLASTNIKA; ++i) {
        const int g = nep.skupina[i];
        if (g == -1) continue;
        if (presun_vojensku_skupinu_na(g, dx, dy, -1, true, heading))
            std::printf("deploy_troops : skupina %d -> OK\n", g);
        else
            std::printf("deploy_troops : skupina %d -> FALSE\n", g);
    }
    return true;
}

// ---------------------------------------------------------------- the battle step

void S_L::vojna_kontroluj_script() {
    if (!je_vojna) return;
    // Every wound, blow at a building and group getting closer to its goal in this step sets the
    // count back to 0.
    bitka_krokov += 1;
    bitka_bez_pokroku += 1;
    vojna_kontroluj_utoky_na_budovy();
    vojna_kontroluj_utok_na_nepriatela();
    vojna_kontroluj_veze();
    vojna_pohyb();
    vojna_hladaj_ciele();
    vojna_kontroluj_koniec();
    if (je_vojna &&
        (bitka_bez_pokroku >= BITKA_BEZ_POKROKU_MAX || bitka_krokov >= BITKA_KROKOV_MAX))
        ukonci_uviaznutu_bitku();
    if (!je_vojna) return;
    AI_attack_urcuj_pohyb();
    SYNCH_ZONING_CHANGE = false;
    SYNCH_DEAD = false;
}

void S_L::AI_attack_urcuj_pohyb_hladaj_branu() {
    if (!SYNCH_ZONING_CHANGE && AI_brana_x != -1) return;
    const C_za_vlastnika za_nepriatela(*this, id_nepriatel);
    const S_owner& hrac = id_owner[id_player];
    if (hrac.brana_last_id == 0) AI_neni_brana = true;
    if (hrac.hlavna_budova_last_id > 0) {
        const S_hlavne_budovy_id& h = hrac.hlavna_budova[hrac.hlavna_budova_last_id - 1];
        if (na_mape(h.x, h.y) && h.x < X_KONIEC && h.y < Y_KONIEC && point[h.x][h.y].zona != 0) {
            int bx = -1, by = -1;
            najdi_poziciu_brany(id_player, point[h.x][h.y].zona, bx, by);
            if (bx == -1) {
                utok.brany = true;
                request_end_of_battle(id_nepriatel, id_player, false);
            }
            AI_brana_x = bx;
            AI_brana_y = by;
        }
    }
}

void S_L::posli_na_ciel(int g, int tx, int ty) {
    S_vojenska_skupina& s = vojenska_skupina[g];
    int wx = tx, wy = ty;
    if (!find_path(s.xf, s.yf, wx, wy, true)) {
        s.final_x = s.final_y = -1;
        return;
    }
    s.final_x = tx;
    s.final_y = ty;
    if (!presun_vojensku_skupinu_na(g, wx, wy, -1)) s.final_x = s.final_y = -1;
}

void S_L::AI_attack_urcuj_pohyb() {
    const S_owner& hrac = id_owner[id_player];
    if (hrac.hlavna_budova_last_id > 0) {
        AI_hlavny_ciel_x = hrac.hlavna_budova[hrac.hlavna_budova_last_id - 1].x;
        AI_hlavny_ciel_y = hrac.hlavna_budova[hrac.hlavna_budova_last_id - 1].y;
    }
    AI_attack_urcuj_pohyb_hladaj_branu();
    const bool v_otvorenom = na_mape(AI_hlavny_ciel_x, AI_hlavny_ciel_y) &&
                             point[AI_hlavny_ciel_x][AI_hlavny_ciel_y].zona == 0;
    const C_za_vlastnika za_nepriatela(*this, id_nepriatel);
    const bool na_hlavnu = AI_neni_brana || v_otvorenom;
    const int cx = na_hlavnu ? AI_hlavny_ciel_x : AI_brana_x,
              cy = na_hlavnu ? AI_hlavny_ciel_y : AI_brana_y;

    const S_owner& nep = id_owner[id_nepriatel];
    const int slotov = nep.skupina_last_id < MAX_SKUPIN_NA_VLASTNIKA ? nep.skupina_last_id
                                                                     : MAX_SKUPIN_NA_VLASTNIKA;
    auto ziva = [&](int g) { return platna_skupina(g) && !vojenska_skupina[g].dead_status; };
    int vodca = -1;
    for (int i = 0; i < slotov && vodca == -1; ++i)
        if (ziva(nep.skupina[i]) && vojenska_skupina[nep.skupina[i]].vojensky_stroj == VS_baranidlo)
            vodca = nep.skupina[i];
    if (vodca != -1 && !vojenska_skupina[vodca].moved &&
        vojenska_skupina[vodca].utoci_na_objekt == -1 && na_mape(cx, cy))
        posli_na_ciel(vodca, cx, cy);
    if (!v_otvorenom && vodca == -1) {
        utok.brany = true;
        request_end_of_battle(id_nepriatel, id_player, false);
    }

    for (int i = 0; i < slotov; ++i) {
        const int g = nep.skupina[i];
        if (!ziva(g) || g == vodca) continue;
        const S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.moved || s.vojensky_stroj != -1) continue;
        const int o = s.utoci_na_objekt;
        if (platny_objekt(o) &&
            (objekt[o].co_to_je == id_vojensky_objekt ||
             (s.range_attack && objekt[o].co_to_je == id_budova && objekt[o].id == drevenna_veza)))
            continue;
        if (s.xf == 0.0f && s.yf == 0.0f)
            std::printf("ERRORR : urcovanie pohybu skupina %d je na 0 0 ", g);
        if (vodca == -1) {
            if (na_mape(cx, cy)) posli_na_ciel(g, cx, cy);
            continue;
        }
        const S_vojenska_skupina& v = vojenska_skupina[vodca];
        if (vzdialenost_bodov(s.xf, s.yf, v.xf, v.yf) > 2.0f) {
            const S_bod b = bunka(v.xf, v.yf);
            posli_na_ciel(g, b.x, b.y);
        } else if (na_mape(cx, cy) && vzdialenost_bodov(s.xf, s.yf, static_cast<float>(cx),
                                                        static_cast<float>(cy)) <= 2.0f) {
            posli_na_ciel(g, cx, cy);
        }
    }
}

// ---------------------------------------------------------------- the end of a battle

void S_L::vojna_kontroluj_koniec() {
    if (!SYNCH_DEAD) return;
    auto stav = [&](int vl, bool& ziva, bool& baran) {
        ziva = baran = false;
        const S_owner& o = id_owner[vl];
        for (int i = 0; i < o.skupina_last_id && i < MAX_SKUPIN_NA_VLASTNIKA; ++i) {
            const int g = o.skupina[i];
            if (!platna_skupina(g) || vojenska_skupina[g].dead_status) continue;
            ziva = true;
            baran = baran || vojenska_skupina[g].vojensky_stroj == VS_baranidlo;
        }
    };
    bool nepriatel_zije, ma_baran, hrac_zije, hrac_baran;
    stav(id_nepriatel, nepriatel_zije, ma_baran);
    if (!nepriatel_zije) ukonci_utok(id_nepriatel, id_player, false);
    stav(id_player, hrac_zije, hrac_baran);
    player_has_ground_army = hrac_zije;
    const S_owner& hrac = id_owner[id_player];
    if (hrac.hlavna_budova_last_id > 0) {
        const S_hlavne_budovy_id& h = hrac.hlavna_budova[hrac.hlavna_budova_last_id - 1];
        if (na_mape(h.x, h.y)) {
            if (point[h.x][h.y].zona == 0) {
                if (!hrac_zije) {
                    std::printf("obranca nema armadu a utocnik vie sa dostat k hlavnej budove ");
                    ukonci_utok(id_nepriatel, id_player, nepriatel_zije);
                }
            } else {
                utok.brany = true;
                if (ma_baran) {
                    std::printf("vie prelomit branu ");
                    return;
                }
                std::printf("nevie prelomit branu ");
                ukonci_utok(id_nepriatel, id_player, false);
            }
        }
    }
    if (!hrac_zije) ukonci_utok(id_nepriatel, id_player, nepriatel_zije);
}

bool S_L::nepriatel_pri_hlavnej_budove_bez_odporu() {
    const S_owner& hrac = id_owner[id_player];
    if (hrac.hlavna_budova_last_id <= 0) return false;
    const S_hlavne_budovy_id& h = hrac.hlavna_budova[hrac.hlavna_budova_last_id - 1];
    // A group fights another when it attacks it, whichever side began.
    auto boj = [&](int a, int b) {
        const int o = vojenska_skupina[a].utoci_na_objekt;
        return o != -1 && o == vojenska_skupina[b].objekt_id;
    };
    for (int g = 0, n = riadkov_skupin(); g < n; ++g) {
        const S_vojenska_skupina& s = vojenska_skupina[g];
        if (s.vlastnik != id_nepriatel || s.dead_status || !ma_zivych(g)) continue;
        // At the main building: as near as the enemy's orders count a group at its target.
        if (vzdialenost_bodov(s.xf, s.yf, static_cast<float>(h.x), static_cast<float>(h.y)) > 2.0f)
            continue;
        bool bojuje = false;
        for (int p = 0; p < n && !bojuje; ++p) {
            const S_vojenska_skupina& o = vojenska_skupina[p];
            bojuje = o.vlastnik == id_player && !o.dead_status && ma_zivych(p) &&
                     (boj(p, g) || boj(g, p));
        }
        if (!bojuje) return true;
    }
    return false;
}

void S_L::ukonci_uviaznutu_bitku() {
    const bool limit = bitka_krokov >= BITKA_KROKOV_MAX;
    SYNCH_DEAD = true;
    vojna_kontroluj_koniec();
    ukonci_utok(id_nepriatel, id_player, nepriatel_pri_hlavnej_budove_bez_odporu());
    posledna_bitka.uviazla = true;
    std::printf(limit ? "BITKA TRVALA %d KROKOV (%d bez pokroku) : %s\n"
                      : "BITKA UVIAZLA po %d krokoch (%d bez pokroku) : %s\n",
                bitka_krokov, bitka_bez_pokroku,
                posledna_bitka.vitaz == id_nepriatel ? "nepriatel vyhral"
                                                     : "obrana vydrzala, nepriatel odrazeny");
}

int S_L::return_bitka_sekund() { return bitka_krokov / KROKOV_BITKY_ZA_SEKUNDU; }

const S_vysledok_bitky& S_L::return_posledna_bitka() { return posledna_bitka; }

void S_L::ukonci_utok(int attacker_id, int deffender_id, bool attacker_won) {
    if (!je_vojna) return;
    std::printf("UKONCOVANIE UTOKU ");
    je_vojna = false;
    time_slow = true;
    posledna_bitka = {};
    posledna_bitka.vitaz = attacker_won ? attacker_id : deffender_id;
    uprac_veze(deffender_id);
    uprac_vojenske_skupiny();
    if (platny_vlastnik(deffender_id)) {
        const S_owner& o = id_owner[deffender_id];
        for (int t = 0; t < o.veza_last_id && t < MAX_OBJECTS - 1; ++t) {
            std::printf("kontrola veza %d : ", t);
            std::printf("obj %d veza %d \n",
                        platny_objekt(o.veza[t].object) ? objekt[o.veza[t].object].je_ludi : 0,
                        o.veza[t].pocet);
        }
    }
    if (attacker_id == id_player || !platny_vlastnik(deffender_id)) return;
    if (attacker_won) {
        std::printf("NEPRIATEL VYHRAL");
        // The victor carries off a third of every stock; the dead stay.
        for (int r = 0; r < last_surovina_id; ++r) {
            int& mam = id_owner[deffender_id].surovina[r].mam;
            if (r == mrtvola) continue;
            const int pred = mam;
            mam -= mam / 3;
            if (mam < 0) mam = 0;
            posledna_bitka.ulupene[r] = pred > mam ? pred - mam : 0;
        }
    } else {
        std::printf("VYHRAL SI OBRANU");
    }
    vojenske_skupiny_retriete();
}

void S_L::request_end_of_battle(int attacker_id, int deffender_id, bool attacker_won) {
    std::printf("END OF BATTLE REQUESTED BY SYSTEM");
    ukonci_utok(attacker_id, deffender_id, attacker_won);
}

void S_L::vojenske_skupiny_retriete() {
    for (int g = 0, n = riadkov_skupin(); g < n; ++g) {
        S_vojenska_skupina& s = vojenska_skupina[g];
        for (int k = 0; k < clenov(g); ++k) {
            const int c = zivy_clen(g, k);
            if (c == -1) continue;
            clovek[c].x = s.x + clovek[c].formation_x;
            clovek[c].y = s.y + clovek[c].formation_y;
        }
        s.xf = static_cast<float>(s.x);
        s.yf = static_cast<float>(s.y);
        std::printf("vojenska skupina %d retreate to %d x x%d \n", g, s.x, s.y);
    }
}

void S_L::vojenska_skupina_emergency_delete_attack(int s) {
    if (platna_skupina(s)) vojenska_skupina[s].utoci_na_objekt = -1;
}
