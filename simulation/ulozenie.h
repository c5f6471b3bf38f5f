// Saved games: the running game (the world `strategy` and the step driver's speed and month mode)
// written to a file and read back.
//
// A file is a plain header (magic, format version, the game date, population and rank, the sizes
// and checksums) followed by a zlib stream of tagged sections, each with its length and checksum.
// Only live rows go in, value by value; nothing from the data files (mesh ids, catalogues) and no
// wall-clock time, so the same world always gives the same bytes and a save keeps loading when
// the models change.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace Strategy_library {
class S_L;
}

// Saves the running game into cesta. On failure false with the reason in chyba; a file that
// stood at cesta before is left as it was.
bool uloz_hru(const char* cesta, std::string& chyba);
// Replaces the running game by the one saved in cesta. On failure false with a message naming
// the file and the reason in chyba, and the running game is untouched.
bool nacitaj_hru(const char* cesta, std::string& chyba);

namespace ulozenie {

// The format this build writes, and the oldest one it still reads. A value added in a later
// format is read only from files of that format on; an older file leaves it as a new game has it.
// 1: the first format. 2: the battle's length, its steps without progress and its outcome.
// 3: the month report of the town, the month's deaths by cause and the settlers since it.
constexpr int VERZIA = 3;
constexpr int NAJSTARSIA_CITATELNA = 1;

// What the header tells without reading the rest (the list of saves shows it).
struct S_hlavicka {
    int verzia = 0;
    int den = 0, mesiac = 0, rok = 0;
    int pocet_ludi = 0;
    int privilegia = 0;  // the rank, PRIV_*
};

// Reads and checks the header of the save in cesta.
bool citaj_hlavicku(const char* cesta, S_hlavicka& h, std::string& chyba);
// The whole file a save of world w with the step driver's speed and month mode writes (of the
// running game, without w); empty with the reason in chyba when the world holds a value no save
// can keep.
std::vector<unsigned char> zakoduj(Strategy_library::S_L& w, std::string& chyba);
std::vector<unsigned char> zakoduj(std::string& chyba);
// The sections of a file, checked and unpacked, with its header (for tests and the fuzzer).
bool rozbal(const unsigned char* data, std::size_t n, std::vector<unsigned char>& sekcie,
            S_hlavicka& h, std::string& chyba);
// Packs sections into a file under header h, with every size and checksum made right, the
// sections' own too: a changed section then reaches the checks of its values.
std::vector<unsigned char> zabal(std::vector<unsigned char> sekcie, const S_hlavicka& h);
// Replaces the running game by the save held in memory; as nacitaj_hru, the reason without a
// file name.
bool nacitaj_z_pamate(const unsigned char* data, std::size_t n, std::string& chyba);
// Writes data to cesta so that a crash or a failed write at any moment leaves either the old
// file or the whole new one: a temporary file in the same folder, written, flushed and synced,
// renamed over cesta, then the folder synced.
bool zapis_bezpecne(const char* cesta, const std::vector<unsigned char>& data, std::string& chyba);
// Reads a whole file of at most `najviac` bytes.
bool citaj_subor(const char* cesta, std::size_t najviac, std::vector<unsigned char>& data,
                 std::string& chyba);

}  // namespace ulozenie
