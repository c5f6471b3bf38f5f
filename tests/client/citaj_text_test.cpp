// The screenshot text reader of the end-to-end tests, without a display: text is drawn into an
// image in memory the way the GL pass draws it (4 samples a pixel, flat colour blended over
// what is behind) and must read back cell by cell, look-alike glyphs, colours, empty cells and
// unreadable ink included.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#define CITAJ_TEXT_BEZ_MAIN
#include "../e2e/citaj_text.cpp"

namespace {

using namespace citaj_text;

struct Rgb {
    int r, g, b;
};

class CitajText : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ::testing::internal::CaptureStdout();
        std::string chyba;
        nacitane = nacitaj_glyfy(VARNHOLD_DATA_DIR, glyfy, chyba);
        ::testing::internal::GetCapturedStdout();
    }
    void SetUp() override { ASSERT_TRUE(nacitane) << "glyphs missing under " << VARNHOLD_DATA_DIR; }

    // An image of w x h filled by `pozadie(x, y)` (window pixels, origin lower-left).
    template <class F>
    static Obraz obraz(int w, int h, F pozadie) {
        Obraz o{w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w * h * 3))};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) bod(o, x, y, pozadie(x, y));
        return o;
    }
    static void bod(Obraz& o, int x, int y, Rgb c) {
        std::uint8_t* p = &o.rgb[(static_cast<std::size_t>(o.vyska - 1 - y) * o.sirka + x) * 3];
        p[0] = static_cast<std::uint8_t>(c.r), p[1] = static_cast<std::uint8_t>(c.g), p[2] = static_cast<std::uint8_t>(c.b);
    }
    static Rgb farba(const std::uint8_t* p) { return {p[0], p[1], p[2]}; }

    // Draws `text` from (px, py) at size s like the game: glyph n at px + n*s, mirrored by the
    // half turn, each pixel resolved from the four standard sample positions.
    static void pis(Obraz& o, const std::string& text, int px, int py, int s, Rgb c) {
        static const float vzorky[4][2] = {{0.375f, 0.125f}, {0.875f, 0.375f}, {0.125f, 0.625f}, {0.625f, 0.875f}};
        for (std::size_t n = 0; n < text.size(); ++n) {
            const Glyf* g = nullptr;
            for (const Glyf& k : glyfy)
                if (k.znak == text[n]) g = &k;
            if (!g) continue;  // a blank
            const float ox = float(px) + float(n) * float(s), oy = float(py);
            for (int y = py; y < py + s; ++y)
                for (int x = int(ox); x < int(ox) + s; ++x) {
                    int dnu = 0;
                    for (const auto& v : vzorky) {
                        const float sx = float(x) + v[0], sy = float(y) + v[1];
                        for (std::size_t t = 0; t + 2 < g->vrcholy.size(); t += 3) {
                            float d[3];
                            for (int j = 0; j < 3; ++j) {
                                const glm::vec2 a = g->vrcholy[t + j], b = g->vrcholy[t + (j + 1) % 3];
                                const float ax = ox - a.x * s, ay = oy + a.y * s, bx = ox - b.x * s, by = oy + b.y * s;
                                d[j] = (bx - ax) * (sy - ay) - (by - ay) * (sx - ax);
                            }
                            if ((d[0] >= 0 && d[1] >= 0 && d[2] >= 0) || (d[0] <= 0 && d[1] <= 0 && d[2] <= 0)) {
                                ++dnu;
                                break;
                            }
                        }
                    }
                    if (!dnu) continue;
                    const Rgb z = farba(&o.rgb[(static_cast<std::size_t>(o.vyska - 1 - y) * o.sirka + x) * 3]);
                    auto mix = [&](int a, int b) { return (a * dnu + b * (4 - dnu) + 2) / 4; };
                    bod(o, x, y, {mix(c.r, z.r), mix(c.g, z.g), mix(c.b, z.b)});
                }
        }
    }

    static inline std::vector<Glyf> glyfy;
    static inline bool nacitane = false;
};

// Grass of two greens in patches, with flower specks of the text colours scattered over it.
Rgb trava(int x, int y) {
    const unsigned h = ((static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u)) * 2654435761u;
    switch ((h >> 16) % 400) {
        case 0: return {255, 255, 255};
        case 1: return {255, 255, 0};
        case 2: return {255, 0, 255};
        default: return ((x / 23 + y / 17) % 3 == 0) ? Rgb{120, 181, 75} : Rgb{112, 173, 66};
    }
}

TEST_F(CitajText, EveryGlyphAndLookAlikeReadsBackOverGrassSnowAndDarkAtTheGameSizes) {
    const std::string vsetko = "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789 .-+()/";
    const std::string podobne = "O0DQ I1 S5 B8 HN PR UV 8B0DO";
    struct Pripad {
        Rgb text;
        char pismeno;
        Rgb (*pozadie)(int, int);
    };
    const Pripad pripady[] = {
        {{255, 255, 255}, 'w', trava},
        {{255, 0, 255}, 'l', trava},
        {{255, 0, 0}, 'r', trava},
        {{255, 255, 255}, 'w', [](int, int) { return Rgb{230, 237, 247}; }},  // snow
        {{0, 0, 255}, 'b', [](int, int) { return Rgb{230, 237, 247}; }},
        {{26, 26, 26}, 'g', [](int x, int) { return Rgb{31, 26, 41 + x % 3}; }},  // dark logo
        {{0, 255, 255}, 'c', [](int, int) { return Rgb{0, 0, 0}; }},
        {{255, 255, 0}, 'y', [](int, int) { return Rgb{20, 30, 60}; }},
        {{0, 255, 0}, 'G', [](int, int) { return Rgb{0, 0, 0}; }},
        {{0, 0, 0}, 'k', [](int, int) { return Rgb{230, 237, 247}; }},
    };
    for (int s : {12, 19}) {
        Citac c = priprav(glyfy, s);
        for (const Pripad& p : pripady) {
            Obraz o = obraz(60 * s, 4 * s, p.pozadie);
            pis(o, vsetko, 3, s, s, p.text);
            pis(o, podobne, 3, 2 * s, s, p.text);
            for (const std::string& t : {vsetko, podobne}) {
                const int y = t == vsetko ? s : 2 * s;
                std::string farby;
                for (char z : t) farby += z == ' ' ? '.' : p.pismeno;
                EXPECT_EQ(citaj_riadok(c, o, 3, y, int(t.size())), t + '\t' + farby) << "size " << s << " colour " << p.pismeno;
            }
        }
    }
}

TEST_F(CitajText, EmptyCellsForeignInkAndOverlappingTexts) {
    const int s = 12;
    Citac c = priprav(glyfy, s);
    Obraz o = obraz(20 * s, 3 * s, trava);
    // A solid block of text colour inside a cell is ink of no glyph.
    for (int y = s + 2; y < s + 9; ++y)
        for (int x = 3 * s + 2; x < 3 * s + 10; ++x) bod(o, x, y, {255, 255, 255});
    // Two texts over each other: no single colour.
    pis(o, "HOA", 0, 2 * s, s, {255, 255, 255});
    pis(o, "+", s, 2 * s, s, {0, 255, 255});
    EXPECT_EQ(citaj_riadok(c, o, 0, 2 * s, 3).substr(3), "\tw?w");
    // Text colour that fills the background is no text: an empty cell.
    Obraz biely = obraz(4 * s, 2 * s, [](int, int) { return Rgb{255, 255, 255}; });
    pis(biely, "AB", 0, 0, s, {255, 255, 255});
    EXPECT_EQ(citaj_riadok(c, biely, 0, 0, 2), "  \t..");
}

TEST(CitajTextPpm, HeaderCommentsAndTruncatedData) {
    Obraz o;
    std::string chyba;
    std::vector<std::uint8_t> d = {'P', '6', '\n', '#', ' ', 'x', '\n', '2', ' ', '1', '\n', '2', '5', '5', '\n',
                                   1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(parsuj_ppm(d, o, chyba)) << chyba;
    EXPECT_EQ(o.sirka, 2);
    EXPECT_EQ(o.vyska, 1);
    EXPECT_EQ(o.rgb, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
    d.pop_back();
    EXPECT_FALSE(parsuj_ppm(d, o, chyba));
    d[1] = '3';
    EXPECT_FALSE(parsuj_ppm(d, o, chyba));
}

}  // namespace
