// libFuzzer harness for the logo bitmap reader: every input is one BMP file.
#include <cstdint>
#include <cstdlib>

#include "bmp.h"
#include "docasny_priecinok.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t n) {
    static Docasny_priecinok priecinok;
    const std::string cesta = priecinok.zapis("a.bmp", data, n);
    S_bmp obrazok;
    if (!nacitaj_bmp(cesta.c_str(), obrazok)) return 0;
    // What the texture upload relies on: sane dimensions, every padded row there and nothing
    // taken from beyond the file.
    const std::size_t riadok = (static_cast<std::size_t>(obrazok.sirka) * 3 + 3) / 4 * 4;
    if (obrazok.sirka < 1 || obrazok.vyska < 1 ||
        obrazok.data.size() < riadok * static_cast<std::size_t>(obrazok.vyska) ||
        obrazok.data.size() + 54 > n)
        std::abort();
    return 0;
}
