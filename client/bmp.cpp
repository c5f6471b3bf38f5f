// Reading the logo bitmaps: the 54-byte header is checked against the bytes that really follow
// it before any pixel is read.
#include "bmp.h"

#include <cstdint>
#include <cstdio>

#include "Priecinok_dat.h"

static std::uint32_t cislo32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool nacitaj_bmp(const char* path, S_bmp& obrazok) {
    std::printf("Reading image %s\n", path);
    std::FILE* f = std::fopen(path, "rb");
    if (!f) {
        chyba_subor_dat(path);
        std::printf("%s sa nenasiel\n", path);
        return false;
    }
    unsigned char hlavicka[54];
    const bool hlavicka_ok = std::fread(hlavicka, 1, 54, f) == 54 && hlavicka[0] == 'B' &&
                             hlavicka[1] == 'M' && cislo32(hlavicka + 30) == 0 &&
                             (hlavicka[28] | (hlavicka[29] << 8)) == 24;
    // The declared size and dimensions must fit the bytes that really follow the header, so that
    // nothing beyond what was read ever reaches the texture upload.
    bool rozmery_ok = false;
    long long sirka = 0, vyska = 0, velkost = 0, potrebne = 0;
    if (hlavicka_ok) {
        sirka = static_cast<std::int32_t>(cislo32(hlavicka + 18));
        vyska = static_cast<std::int32_t>(cislo32(hlavicka + 22));
        velkost = cislo32(hlavicka + 34);
        // The dimensions are checked before they are multiplied: the product of two arbitrary
        // 32-bit values does not fit a long long.
        if (sirka > 0 && vyska > 0 && sirka <= 16384 && vyska <= 16384) {
            const long long riadok = (sirka * 3 + 3) / 4 * 4;
            potrebne = riadok * vyska;
            if (velkost == 0) velkost = potrebne;
            std::fseek(f, 0, SEEK_END);
            const long long zvysok = std::ftell(f) - 54;
            std::fseek(f, 54, SEEK_SET);
            rozmery_ok = velkost >= potrebne && velkost <= zvysok;
        }
    }
    if (!hlavicka_ok || !rozmery_ok) {
        std::printf("Not a correct BMP file\n");
        std::fclose(f);
        return false;
    }
    obrazok.sirka = static_cast<int>(sirka);
    obrazok.vyska = static_cast<int>(vyska);
    obrazok.data.assign(static_cast<std::size_t>(velkost), 0);
    const bool precitane =
        std::fread(obrazok.data.data(), 1, obrazok.data.size(), f) == obrazok.data.size();
    std::fclose(f);
    if (!precitane) {
        std::printf("Not a correct BMP file\n");
        return false;
    }
    return true;
}
