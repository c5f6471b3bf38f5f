// Shared set-up for the war tests: a new game with a finished barracks, extra jobless men, stores
// full of weapons and armour, and small helpers to look at groups and soldiers.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "people_town.h"

namespace war_town {

using namespace people_town;
using Strategy_library::S_vojenska_skupina;

// The barracks stands at (120, 120): its 7 x 7 footprint covers 117 … 123 on both axes, and the
// recruitment points of slots 0 … 9 are (118 … 122, 118) and (118 … 122, 119).
constexpr int KX = 120, KY = 120;

// A new game, a finished barracks, `muzov` more jobless men aged 20 and `zasoba` of every weapon
// and armour. Returns the barracks' object id.
inline int vojnova_hra(int muzov = 60, int zasoba = 200) {
    nova_hra();
    const int kasaren = postav(KX, KY, S_L::kasaren, 1);
    for (int i = 0; i < muzov; ++i) strategy.vytvor_clovek(S_L::id_player, S_L::muz, 20, 100);
    for (int r : {S_L::mec, S_L::luk, S_L::kopija, S_L::lahke_brnenie, S_L::tazke_brnenie, S_L::kozenne_brnenie})
        hrac().surovina[r].mam = zasoba;
    return kasaren;
}

inline S_vojenska_skupina& sk(int g) { return strategy.vojenska_skupina[g]; }
// The person in place k of group g.
inline Strategy_library::S_clovek& clen(int g, int k) { return strategy.clovek[sk(g).zoznam_vojakov[k]]; }
// The group the player raised last, by its slot.
inline int posledna_skupina() { return hrac().skupina[hrac().skupina_last_id - 1]; }

// A new group of n new men of owner vl with the given weapon (and machine), placed on tile
// (x, y) by its first order; its id.
inline int skupina(int vl, int n, int zbran, int x, int y, int stroj = -1) {
    strategy.set_owner(vl);
    for (int i = 0; i < n; ++i) strategy.vytvor_clovek(vl, S_L::muz, 20, 100);
    strategy.vojenska_skupina_vytvor_pocet = n;
    const int g = strategy.vytvor_vojensku_skupinu(zbran, -1, stroj);
    strategy.presun_vojensku_skupinu_na(g, x, y, -1);
    strategy.set_owner(S_L::id_player);
    return g;
}

// A test with the console captured: `text()` returns what was printed since it was last asked.
// gtest writes a failure's message to the console too, so a failing test shows everything it
// printed at its end.
class SVystupom : public ::testing::Test {
protected:
    void SetUp() override {
        zaznam().clear();
        ::testing::internal::CaptureStdout();
    }
    void TearDown() override {
        zaznam() += ::testing::internal::GetCapturedStdout();
        if (HasFailure()) std::fputs(zaznam().c_str(), stdout);
    }
    static std::string text() {
        std::string t = ::testing::internal::GetCapturedStdout();
        zaznam() += t;
        ::testing::internal::CaptureStdout();
        return t;
    }
    // Runs f and returns what it printed.
    template <class F>
    static std::string vystup(F f) {
        text();
        f();
        return text();
    }

private:
    static std::string& zaznam() {
        static std::string z;
        return z;
    }
};

// Number of times `co` occurs in `text`.
inline int vyskyty(const std::string& text, const std::string& co) {
    int n = 0;
    for (std::size_t p = text.find(co); p != std::string::npos; p = text.find(co, p + 1)) ++n;
    return n;
}

}  // namespace war_town
