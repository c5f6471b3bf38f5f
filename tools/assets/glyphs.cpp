// The glyph font: a 5 x 7 block letter per character, turned into a few merged rectangles.
//
// The game draws a glyph turned 180 degrees about the vertical axis and scaled to the text size,
// so a glyph vertex (gx, gy, 0) lands at screen (x - size * gx, y + size * gy). The glyphs are
// therefore authored mirrored: the letter's left edge at gx = -0.07, its right edge at gx = -0.93,
// baseline at gy = 0 and cap height 0.88. A glyph's cell is one text size square; the margins
// keep clear pixels between neighbouring letters and between lines down to 12-pixel text.
#include <algorithm>

#include "assets.h"

namespace assets {

namespace {

struct GlyphDef {
    char c;
    const char* file;  // file stem under Fonts/
    const char* rows[7];
};

// clang-format off
const GlyphDef kGlyphs[] = {
    {'A', "A", {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', "B", {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', "C", {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', "D", {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', "E", {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', "F", {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', "G", {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', "H", {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', "I", {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', "J", {"..###", "...#.", "...#.", "...#.", "#..#.", "#..#.", ".##.."}},
    {'K', "K", {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', "L", {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', "M", {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', "N", {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', "O", {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', "P", {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', "Q", {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', "R", {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', "S", {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', "T", {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', "U", {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', "V", {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', "W", {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', "X", {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', "Y", {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', "Z", {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', "0", {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', "1", {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', "2", {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', "3", {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', "4", {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', "5", {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', "6", {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', "7", {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', "8", {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', "9", {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'.', "DOT", {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {'-', "minus", {".....", ".....", ".....", ".####", ".....", ".....", "....."}},
    {'+', "plus", {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {'(', "(", {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
    {')', ")", {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
    {'/', "slash", {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
};
// clang-format on

// Bitmaps as bytes, filled on first use.
struct Table {
    unsigned char bits[sizeof kGlyphs / sizeof kGlyphs[0]][7] = {};
    Table() {
        for (size_t g = 0; g < sizeof kGlyphs / sizeof kGlyphs[0]; ++g)
            for (int r = 0; r < 7; ++r) {
                unsigned char b = 0;
                for (int c = 0; c < 5; ++c)
                    if (kGlyphs[g].rows[r][c] == '#') b |= static_cast<unsigned char>(0x10 >> c);
                bits[g][r] = b;
            }
    }
};
const Table& table() {
    static const Table t;
    return t;
}

// Outer extent of the letter in its cell: heavy strokes that fill most of it, so small text holds
// its shape over a busy scene.
constexpr double kLeft = 0.07, kRight = 0.93, kCap = 0.88;
// Each block grows by this much beyond its grid square: stems about 0.23 of the text size wide,
// bars 0.17 high, while one-square counters stay open.
constexpr double kBleedX = 0.035, kBleedY = 0.025;
constexpr double kCol = (kRight - kLeft - 2 * kBleedX) / 5.0, kRow = (kCap - 2 * kBleedY) / 7.0;

Mesh glyph_mesh(const GlyphDef& def, const unsigned char* bits) {
    Mesh m(def.file);
    bool used[7][5] = {};
    auto set = [&](int r, int c) { return (bits[r] & (0x10 >> c)) != 0; };
    // Greedy merge of set cells into rectangles: widest run first, then grow downward.
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 5; ++c) {
            if (!set(r, c) || used[r][c]) continue;
            int w = 1;
            while (c + w < 5 && set(r, c + w) && !used[r][c + w]) ++w;
            int h = 1;
            for (;;) {
                if (r + h >= 7) break;
                bool ok = true;
                for (int k = 0; k < w; ++k) ok = ok && set(r + h, c + k) && !used[r + h][c + k];
                if (!ok) break;
                ++h;
            }
            for (int i = 0; i < h; ++i)
                for (int k = 0; k < w; ++k) used[r + i][c + k] = true;
            double gx0 = -(kLeft + c * kCol), gx1 = -(kLeft + 2 * kBleedX + (c + w) * kCol);
            double gy1 = kCap - r * kRow, gy0 = std::max(0.0, kCap - 2 * kBleedY - (r + h) * kRow);
            // Corner order gives a -Z normal, which faces the viewer after the half turn.
            m.poly({{gx0, gy0, 0}, {gx1, gy0, 0}, {gx1, gy1, 0}, {gx0, gy1, 0}}, Rgb{1, 1, 1},
                   Shade::Flat);
        }
    }
    return m;
}

}  // namespace

const unsigned char* glyph_bitmap(char c) {
    for (size_t g = 0; g < sizeof kGlyphs / sizeof kGlyphs[0]; ++g)
        if (kGlyphs[g].c == c) return table().bits[g];
    return nullptr;
}

std::vector<Placed> make_glyphs() {
    std::vector<Placed> v;
    for (size_t g = 0; g < sizeof kGlyphs / sizeof kGlyphs[0]; ++g)
        v.push_back({"Fonts", glyph_mesh(kGlyphs[g], table().bits[g])});
    return v;
}

}  // namespace assets
