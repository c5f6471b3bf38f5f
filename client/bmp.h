// Reading the logo bitmaps: an uncompressed 24-bit BMP, checked and read into memory. No GL here,
// so the reader can be exercised on its own; the texture upload is in logo.cpp.
#pragma once

#include <vector>

// A BMP image checked and read into memory: width, height and the pixel rows as stored.
struct S_bmp {
    int sirka, vyska;
    std::vector<unsigned char> data;
};
// Reads and checks an uncompressed 24-bit BMP (no GL). Prints the loader's messages and returns
// false for a missing or malformed file.
bool nacitaj_bmp(const char* path, S_bmp& obrazok);
