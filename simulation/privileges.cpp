// City ranks: the table of which building types each rank may place, the monthly promotion by
// adult population (one step a month, never down), the rank's title and the end of the game.
#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// Raises the current owner's rank to `rank` when enough adults live in the town. A rank is
// never lowered, whoever calls.
void povys(S_L& w, int rank, int dospelych_treba) {
    S_owner& o = w.aktualny_vlastnik();
    if (o.pocet_muzov + o.pocet_zien >= dospelych_treba && o.privilegia_id < rank)
        o.privilegia_id = rank;
}

}  // namespace

void S_L::set_privilegia() {
    static const char* const nazvy[PRIV_last_id] = {"ziadne", "male mesto", "mesto", "velke mesto",
                                                    "kralovske mesto"};
    for (int p = 0; p < PRIV_last_id; ++p) {
        privilegia[p].nazov = nazvy[p];
        for (int b = 0; b < last_building_integer; ++b)
            for (int l = 0; l < MAX_LEVEL; ++l) privilegia[p].moze_stavat[b][l] = true;
    }
    // The lowest rank from which each restricted type may be placed; 5 means never.
    struct S_od {
        int typ;
        int od_ranku;
    };
    static const S_od obmedzene[] = {
        {hlavna_budova, PRIV_last_id},
        {kamenna_veza, PRIV_last_id},
        {drevenna_veza, PRIV_mesto},
        {drevena_palisada, PRIV_mesto},
        {drevena_brana, PRIV_mesto},
        {kasaren, PRIV_male_mesto},
        {kovac_mece, PRIV_male_mesto},
        {kovac_kopije, PRIV_male_mesto},
        {zbrojar_luk, PRIV_male_mesto},
        {krajcir_kozenne_brnenie, PRIV_male_mesto},
        {kovac_lahke_brnenie, PRIV_velke_mesto},
        {kovac_tazke_brnenie, PRIV_kralovske_mesto},
    };
    for (const S_od& r : obmedzene)
        for (int p = 0; p < r.od_ranku && p < PRIV_last_id; ++p)
            zakaz_PRIV_budova_level(p, r.typ, 1);
}

void S_L::zakaz_PRIV_budova_level(int p, int b, int l) {
    if (p < 0 || p >= PRIV_last_id || b < 0 || b >= last_building_integer || l < 0 ||
        l >= MAX_LEVEL)
        return;
    privilegia[p].moze_stavat[b][l] = false;
}

bool S_L::ma_privilegia(int t) {
    const int p = aktualny_vlastnik().privilegia_id;
    if (p < 0 || p >= PRIV_last_id || t < 0 || t >= last_building_integer) return false;
    return privilegia[p].moze_stavat[t][1];
}

void S_L::kontroluj_pridelenie_privilegii() {
    switch (aktualny_vlastnik().privilegia_id) {
        case PRIV_ziadne: kontroluj_PRIV_male_mesto(); break;
        case PRIV_male_mesto: kontroluj_PRIV_mesto(); break;
        case PRIV_mesto: kontroluj_PRIV_velke_mesto(); break;
        case PRIV_velke_mesto: kontroluj_PRIV_kralovske_mesto(); break;
        default: break;
    }
}

void S_L::kontroluj_PRIV_male_mesto() { povys(*this, PRIV_male_mesto, PRIV_male_mesto_POZ_ludia); }
void S_L::kontroluj_PRIV_mesto() { povys(*this, PRIV_mesto, PRIV_mesto_POZ_ludia); }
void S_L::kontroluj_PRIV_velke_mesto() {
    povys(*this, PRIV_velke_mesto, PRIV_velke_mesto_POZ_ludia);
}
void S_L::kontroluj_PRIV_kralovske_mesto() {
    povys(*this, PRIV_kralovske_mesto, PRIV_kralovske_mesto_POZ_ludia);
}

const char* S_L::getTitul() {
    const int p = id_owner[id_player].privilegia_id;
    if (p < 0 || p >= PRIV_last_id || !privilegia[p].nazov) return "";
    return privilegia[p].nazov;
}

int S_L::dospelych_na_dalsie_privilegia() {
    static const int treba[PRIV_last_id] = {PRIV_male_mesto_POZ_ludia, PRIV_mesto_POZ_ludia,
                                            PRIV_velke_mesto_POZ_ludia,
                                            PRIV_kralovske_mesto_POZ_ludia, -1};
    const int p = aktualny_vlastnik().privilegia_id;
    return p >= 0 && p < PRIV_last_id ? treba[p] : -1;
}

int S_L::privilegia_pre_typ(int t) {
    if (t < 0 || t >= last_building_integer) return -1;
    for (int p = 0; p < PRIV_last_id; ++p)
        if (privilegia[p].moze_stavat[t][1]) return p;
    return -1;
}

void S_L::kontroluj_koniec_hry() {
    set_owner(id_player);
    if (id_owner[id_player].pocet_ludi < 1) SYNCH_END_OF_GAME = true;
}

bool S_L::isEndOFGame() { return SYNCH_END_OF_GAME; }
