// libFuzzer harness for the loader of saved games. The first byte of an input says what the rest
// is: 0, a whole file, read as "Nacitaj Hru" reads one; anything else, the file's sections,
// packed with every size and checksum made right (under the header of the running game), so
// that the decoding, the range checks and the recount see the mutations instead of the
// checksums refusing them. A load that succeeds must leave a world whose books balance and that
// saves again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Strategy_library.h"
#include "katalogy.h"
#include "ulozenie.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t n) {
    naplnene_katalogy();
    if (n == 0) return 0;
    std::string chyba;
    bool nacitana;
    if (data[0] == 0) {
        nacitana = ulozenie::nacitaj_z_pamate(data + 1, n - 1, chyba);
    } else {
        ulozenie::S_hlavicka h;
        h.verzia = ulozenie::VERZIA;
        h.den = strategy.time.den;
        h.mesiac = strategy.time.mesiac;
        h.rok = strategy.time.rok;
        const std::vector<unsigned char> subor =
            ulozenie::zabal(std::vector<unsigned char>(data + 1, data + n), h);
        nacitana = ulozenie::nacitaj_z_pamate(subor.data(), subor.size(), chyba);
    }
    if (nacitana) {
        if (!strategy.prepocitaj_vsetko().empty()) std::abort();
        if (ulozenie::zakoduj(chyba).empty()) std::abort();
    } else if (chyba.empty()) {
        std::abort();  // a refusal always says why
    }
    return 0;
}
