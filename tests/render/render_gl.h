// The few GL calls the rendering tests need, kept apart: the game's headers declare functions
// under GL 1.1 names, so the test logic itself includes no GL header.
#pragma once

#include <string>
#include <vector>

struct S_snimka {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;  // rows bottom-up, as GL reads them
    const unsigned char* px(int x, int y) const {
        return &rgb[(static_cast<std::size_t>(y) * w + x) * 3];
    }
};

// Reads the back buffer (the frame just drawn, before the swap): as GL reads it, or as the swap
// will show it (the samples of each pixel resolved into one colour; a plain read of a
// multisampled buffer need not resolve).
S_snimka precitaj_snimku(bool ako_sa_ukaze = false);
// Shows the frame and handles window events.
void vymen_buffre();
// Waits until the GPU has finished everything issued.
void gl_hotovo();
// The first GL error since the last call, 0 when none.
unsigned int gl_chyba();
// Saves the frame as PNG (through a PPM and ImageMagick); false when that failed.
bool uloz_png(const S_snimka& s, const std::string& cesta);
