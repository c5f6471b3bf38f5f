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
        p[0] = static_cast<std::uint8_t>(c.r), p[1] = static_cast<std::uint8_t>(c.g),
        p[2] = static_cast<std::uint8_t>(c.b);
    }
    static Rgb farba(const std::uint8_t* p) { return {p[0], p[1], p[2]}; }

    // Draws `text` from (px, py) at size s like the game: glyph n at px + n*s, mirrored by the
    // half turn, each pixel resolved from the four standard sample positions; with `obrys` the
    // outlines of the whole text first, in the outline colour the game gives the text colour.
    static void pis(Obraz& o, const std::string& text, int px, int py, int s, Rgb c,
                    bool obrys = false) {
        const glm::vec3 f = farba_obrysu(c.r / 255.f, c.g / 255.f, c.b / 255.f);
        const Rgb pod{int(f.r * 255), int(f.g * 255), int(f.b * 255)};
        for (int vrstva = obrys ? 0 : 1; vrstva < 2; ++vrstva)
            for (std::size_t n = 0; n < text.size(); ++n) {
                const Glyf* g = nullptr;
                for (const Glyf& k : glyfy)
                    if (k.znak == text[n]) g = &k;
                if (!g) continue;  // a blank
                std::vector<glm::vec2> t = g->vrcholy;
                if (vrstva == 0) {
                    std::vector<glm::vec3> v;
                    for (const glm::vec2& b : t) v.emplace_back(b, 0.f);
                    t.clear();
                    for (const glm::vec3& b : obrys_glyfu(v, OBRYS)) t.emplace_back(b);
                }
                vypln(o, t, float(px) + float(n) * float(s), float(py), s, vrstva == 0 ? pod : c);
            }
    }
    // Fills the triangles (glyph space) of a glyph placed at (ox, oy) with colour c.
    static void vypln(Obraz& o, const std::vector<glm::vec2>& t, float ox, float oy, int s, Rgb c) {
        static const float vzorky[4][2] = {
            {0.375f, 0.125f}, {0.875f, 0.375f}, {0.125f, 0.625f}, {0.625f, 0.875f}};
        for (int y = int(oy) - 2; y < int(oy) + s + 2; ++y)
            for (int x = int(ox) - 2; x < int(ox) + s + 2; ++x) {
                if (x < 0 || y < 0 || x >= o.sirka || y >= o.vyska) continue;
                int dnu = 0;
                for (const auto& v : vzorky) {
                    const float sx = float(x) + v[0], sy = float(y) + v[1];
                    for (std::size_t k = 0; k + 2 < t.size(); k += 3) {
                        float d[3];
                        for (int j = 0; j < 3; ++j) {
                            const glm::vec2 a = t[k + j], b = t[k + (j + 1) % 3];
                            const float ax = ox - a.x * s, ay = oy + a.y * s, bx = ox - b.x * s,
                                        by = oy + b.y * s;
                            d[j] = (bx - ax) * (sy - ay) - (by - ay) * (sx - ax);
                        }
                        if ((d[0] >= 0 && d[1] >= 0 && d[2] >= 0) ||
                            (d[0] <= 0 && d[1] <= 0 && d[2] <= 0)) {
                            ++dnu;
                            break;
                        }
                    }
                }
                if (!dnu) continue;
                const Rgb z =
                    farba(&o.rgb[(static_cast<std::size_t>(o.vyska - 1 - y) * o.sirka + x) * 3]);
                auto mix = [&](int a, int b) { return (a * dnu + b * (4 - dnu) + 2) / 4; };
                bod(o, x, y, {mix(c.r, z.r), mix(c.g, z.g), mix(c.b, z.b)});
            }
    }

    static inline std::vector<Glyf> glyfy;
    static inline bool nacitane = false;
};

// Grass of two greens in patches, with flower specks of the text colours scattered over it.
Rgb trava(int x, int y) {
    const unsigned h =
        ((static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u)) *
        2654435761u;
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
        bool obrys;
    };
    const auto sneh = [](int, int) { return Rgb{230, 237, 247}; };
    const auto kamen = [](int x, int y) {
        return Rgb{128 + (x / 7 + y / 5) % 3 * 9, 126, 120};
    };  // the title logo's slab
    const Pripad pripady[] = {
        // As the game draws text: every colour on its outline, over grass, snow, stone and dark.
        {{255, 255, 255}, 'w', trava, true},
        {{255, 0, 255}, 'l', sneh, true},
        {{0, 255, 255}, 'c', kamen, true},
        {{26, 26, 26},
         'g',
         [](int x, int) {
             return Rgb{31, 26, 41 + x % 3};
         },
         true},  // dark logo
        {{26, 26, 26}, 'g', kamen, true},
        {{0, 0, 255}, 'b', trava, true},
        {{255, 0, 0}, 'r', kamen, true},
        {{0, 255, 0}, 'G', sneh, true},
        {{255, 255, 0}, 'y', trava, true},
        // Text without an outline still reads where it stands apart from what is behind.
        {{255, 0, 255}, 'l', trava, false},
        {{255, 0, 0}, 'r', trava, false},
        {{0, 0, 255}, 'b', sneh, false},
        {{26, 26, 26},
         'g',
         [](int x, int) {
             return Rgb{31, 26, 41 + x % 3};
         },
         false},
        {{0, 255, 255},
         'c',
         [](int, int) {
             return Rgb{0, 0, 0};
         },
         false},
    };
    for (int s : {12, 19}) {
        Citac c = priprav(glyfy, s);
        for (const Pripad& p : pripady) {
            Obraz o = obraz(60 * s, 4 * s, p.pozadie);
            pis(o, vsetko, 3, s, s, p.text, p.obrys);
            pis(o, podobne, 3, 2 * s, s, p.text, p.obrys);
            for (const std::string& t : {vsetko, podobne}) {
                const int y = t == vsetko ? s : 2 * s;
                std::string farby;
                for (char z : t) farby += z == ' ' ? '.' : p.pismeno;
                EXPECT_EQ(citaj_riadok(c, o, 3, y, int(t.size())), t + '\t' + farby)
                    << "size " << s << " colour " << p.pismeno
                    << (p.obrys ? " on its outline" : "");
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
    std::vector<std::uint8_t> d = {'P', '6', '\n', '#',  ' ', 'x', '\n', '2', ' ', '1', '\n',
                                   '2', '5', '5',  '\n', 1,   2,   3,    4,   5,   6};
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
