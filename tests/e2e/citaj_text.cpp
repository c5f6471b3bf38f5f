// citaj_text: reads lines of the game's glyph text back from a screenshot, so the end-to-end
// tests can check what the player sees by its pixels.
//
//   citaj_text SHOT.png DATA_DIR S X Y N [K]
//
// reads N cells of the text line written from window position (X, Y) (pixels, origin at the
// lower-left corner of the window) at text size S, or K such lines going up from Y (line k at
// Y + k*S). Prints per line: the text read (' ' for an empty cell, '?' for ink that matches no
// glyph), a TAB, and one colour letter per cell: w white, l lila, c cyan, g gray, b blue, r red,
// G green, y yellow, '.' empty, '?' two colours (overlapping texts). Exit 0, or 2 on a
// usage or input error. The image is decoded by ImageMagick's `convert`; the glyphs are the
// meshes of DATA_DIR/Fonts, so the reader follows the font the game was given.
//
// How a cell is read. Glyph n of a line is drawn with Translate(X + n*S, Y) * RotateY(180) *
// Scale(S), so the glyph vertex (vx, vy) lands at window pixel (X + n*S - vx*S, Y + vy*S); each
// glyph mask is rasterised once as the covered fraction of every pixel of its S x S cell. Text
// is flat-coloured and drawn with 4 samples a pixel: a pixel the glyph covers fully has exactly
// the text colour, an edge pixel is a blend with what is behind. The margin is the part of the
// cell no glyph reaches, plus the rows under it that are the top margin of a line below.
//  - Colour: every named colour with a few exact pixels inside the glyph zone is tried, and the
//    one whose glyph explains its ink best wins. A colour that fills a quarter of the margin is
//    the background here, and pixels of the colour joined to a run of it in the margin are
//    background of that colour (the logo's dark outlines under gray text); neither counts. The
//    game draws every glyph on an outline a pixel or more wide, black under the light colours
//    and white under gray and blue (farba_obrysu): read as text, an outline is no glyph.
//  - Ink of every pixel: 1 for the exact colour. On an outline (its exact pixels in the cell) an
//    edge pixel of a glyph is a blend of the text and outline colours alone, 1/4, 1/2 or 3/4 of
//    the way, and anything else is no ink. Text without an outline: a pixel on the line between
//    the background (median of the pixels away from the ink) and the colour counts its blend
//    fraction, when the background is even and far enough from the colour; 0 otherwise. Unknown
//    where background of the text colour hides it.
//  - Each glyph and the empty cell are scored by the ink they miss and the ink they leave over:
//    pixels certainly inside or outside a glyph by the full difference, edge pixels only beyond
//    what sampling an edge can give. Look-alikes (O 0 D Q, I 1, S 5, B 8) differ in a few such
//    pixels, mostly corners, which is why exact and blended pixels are weighed separately.
//  - The lowest score wins; a score too high for the glyph's size gives '?'.
//
// Limits: X and Y must be the exact text position. S >= 12 (1280x1024 and larger windows) is
// reliable; at S = 10 the minus sign has no fully covered pixel and reads as empty, and below
// that look-alikes mix. Text of the colour of what is behind it (black on black, white on a
// pure white surface) reads as empty. Gray text over dark backgrounds is read from its exact
// pixels only, as its blends are too faint there; glyph parts hidden by a logo drawn over the
// text read as missing ink and may give '?'.
// Set CITAJ_TEXT_LADENIE=1 to get each cell's ink map and best two scores on stderr.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include <glm/glm.hpp>

#include "Font3.h"
#include "objloader.h"

namespace citaj_text {

struct Obraz {
    int sirka = 0, vyska = 0;
    std::vector<std::uint8_t> rgb;  // rows from the top, 3 bytes a pixel
};

// Parses a binary PPM (P6, maxval 255) as ImageMagick writes it. False with a reason otherwise.
inline bool parsuj_ppm(const std::vector<std::uint8_t>& d, Obraz& o, std::string& chyba) {
    std::size_t i = 0;
    auto medzery = [&] {
        while (i < d.size()) {
            if (d[i] == '#') {
                while (i < d.size() && d[i] != '\n') ++i;
            } else if (d[i] == ' ' || d[i] == '\t' || d[i] == '\n' || d[i] == '\r') {
                ++i;
            } else {
                break;
            }
        }
    };
    auto cislo = [&](long& v) {
        medzery();
        if (i >= d.size() || d[i] < '0' || d[i] > '9') return false;
        v = 0;
        while (i < d.size() && d[i] >= '0' && d[i] <= '9') {
            v = v * 10 + (d[i++] - '0');
            if (v > 1000000) return false;
        }
        return true;
    };
    if (d.size() < 2 || d[0] != 'P' || d[1] != '6') return chyba = "not a binary PPM image", false;
    i = 2;
    long w = 0, h = 0, maxval = 0;
    if (!cislo(w) || !cislo(h) || !cislo(maxval)) return chyba = "bad PPM header", false;
    if (w <= 0 || h <= 0 || maxval != 255) return chyba = "unsupported PPM size or depth", false;
    if (i >= d.size()) return chyba = "PPM without pixel data", false;
    ++i;  // the single whitespace that ends the header
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3;
    if (d.size() - i < n) return chyba = "truncated PPM pixel data", false;
    o.sirka = static_cast<int>(w);
    o.vyska = static_cast<int>(h);
    o.rgb.assign(d.begin() + static_cast<std::ptrdiff_t>(i),
                 d.begin() + static_cast<std::ptrdiff_t>(i + n));
    return true;
}

// Decodes any image ImageMagick reads through `convert FILE -depth 8 ppm:-`.
inline bool nacitaj_obraz(const std::string& subor, Obraz& o, std::string& chyba) {
    if (std::FILE* f = std::fopen(subor.c_str(), "rb")) {
        std::fclose(f);
    } else {
        return chyba = "cannot open " + subor, false;
    }
    std::string citovany = "'";
    for (char c : subor) citovany += c == '\'' ? std::string("'\\''") : std::string(1, c);
    citovany += "'";
    const std::string prikaz = "convert " + citovany + " -depth 8 ppm:- 2>/dev/null";
    std::FILE* p = popen(prikaz.c_str(), "r");
    if (!p) return chyba = "cannot run convert (ImageMagick)", false;
    std::vector<std::uint8_t> d;
    std::uint8_t buf[65536];
    std::size_t k;
    while ((k = std::fread(buf, 1, sizeof buf, p)) > 0) d.insert(d.end(), buf, buf + k);
    const int stav = pclose(p);
    if (stav != 0 || d.empty())
        return chyba = "convert (ImageMagick) could not decode " + subor, false;
    if (!parsuj_ppm(d, o, chyba)) return chyba = subor + ": " + chyba, false;
    return true;
}

struct Farba {
    char pismeno;
    int r, g, b;
};
// The named text colours, then black; gray is 0.1 of full intensity. Black is only ever an
// outline (under the light colours; white is the outline of the dark ones).
inline constexpr std::array<Farba, 9> FARBY{{{'w', 255, 255, 255},
                                             {'l', 255, 0, 255},
                                             {'c', 0, 255, 255},
                                             {'g', 26, 26, 26},
                                             {'b', 0, 0, 255},
                                             {'r', 255, 0, 0},
                                             {'G', 0, 255, 0},
                                             {'y', 255, 255, 0},
                                             {'k', 0, 0, 0}}};
inline constexpr std::size_t TEXTOVYCH_FARIEB = FARBY.size() - 1;

// The outline the game draws under text of colour f: the index of black or white in FARBY.
inline int obrys_farby(const Farba& f) {
    const glm::vec3 o = farba_obrysu(float(f.r) / 255.f, float(f.g) / 255.f, float(f.b) / 255.f);
    return o.r > 0.5f ? 0 : static_cast<int>(FARBY.size()) - 1;
}

struct Glyf {
    char znak;
    std::vector<glm::vec2> vrcholy;  // glyph-space x, y; every 3 a triangle
};

// Loads every glyph mesh from DATA_DIR/Fonts/. False with the failing file otherwise.
inline bool nacitaj_glyfy(const std::string& data, std::vector<Glyf>& glyfy, std::string& chyba) {
    const std::string priecinok = data + (data.empty() || data.back() == '/' ? "" : "/") + "Fonts/";
    for (const S_glyf& s : GLYFY) {
        const std::string cesta = priecinok + s.subor;
        std::vector<glm::vec3> v, n, c;
        std::vector<glm::vec2> uv;
        float a, b, cc, d, e, f;
        if (!loadOBJ(priecinok.c_str(), cesta.c_str(), v, uv, n, c, a, b, cc, d, e, f) ||
            v.size() % 3 != 0)
            return chyba = "cannot load glyph " + cesta, false;
        Glyf g{s.znak, {}};
        for (const glm::vec3& p : v) g.vrcholy.emplace_back(p.x, p.y);
        glyfy.push_back(std::move(g));
    }
    return true;
}

// A glyph rasterised at one text size: the covered fraction of every pixel of its cell,
// indexed [ly * S + lx] with ly counted up from the line's baseline.
struct Maska {
    char znak;
    std::vector<float> pokrytie;
    float plocha = 0;  // sum of the coverage
};

// Coverage by 8 x 8 sample points per pixel; the window pixel of a glyph-space point (vx, vy)
// is (-vx * S, vy * S) from the cell's origin.
inline Maska rasterizuj(const Glyf& g, int s) {
    Maska m{g.znak, std::vector<float>(static_cast<std::size_t>(s * s), 0.f)};
    std::vector<glm::vec2> q;
    for (const glm::vec2& v : g.vrcholy) q.emplace_back(-v.x * float(s), v.y * float(s));
    auto strana = [](glm::vec2 a, glm::vec2 b, glm::vec2 p) {
        return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    };
    constexpr int K = 8;
    for (int ly = 0; ly < s; ++ly)
        for (int lx = 0; lx < s; ++lx) {
            int dnu = 0;
            for (int sy = 0; sy < K; ++sy)
                for (int sx = 0; sx < K; ++sx) {
                    const glm::vec2 p(lx + (sx + 0.5f) / K, ly + (sy + 0.5f) / K);
                    for (std::size_t t = 0; t + 2 < q.size(); t += 3) {
                        const float d0 = strana(q[t], q[t + 1], p),
                                    d1 = strana(q[t + 1], q[t + 2], p),
                                    d2 = strana(q[t + 2], q[t], p);
                        if ((d0 >= 0 && d1 >= 0 && d2 >= 0) || (d0 <= 0 && d1 <= 0 && d2 <= 0)) {
                            ++dnu;
                            break;
                        }
                    }
                }
            m.pokrytie[static_cast<std::size_t>(ly * s + lx)] = float(dnu) / (K * K);
        }
    for (float c : m.pokrytie) m.plocha += c;
    return m;
}

struct Citac {
    int s = 0;
    std::vector<Maska> masky;
    std::vector<bool> zona;  // pixels some glyph covers at least in part
    int hore = 0;            // rows at the top of a cell that no glyph reaches
    bool ladenie = false;
};

inline Citac priprav(const std::vector<Glyf>& glyfy, int s) {
    Citac c;
    c.s = s;
    c.zona.assign(static_cast<std::size_t>(s * s), false);
    for (const Glyf& g : glyfy) {
        c.masky.push_back(rasterizuj(g, s));
        for (std::size_t i = 0; i < c.zona.size(); ++i)
            if (c.masky.back().pokrytie[i] > 0) c.zona[i] = true;
    }
    for (int ly = s - 1; ly >= 0; --ly) {
        bool prazdny = true;
        for (int lx = 0; lx < s; ++lx)
            prazdny = prazdny && !c.zona[static_cast<std::size_t>(ly * s + lx)];
        if (!prazdny) break;
        ++c.hore;
    }
    return c;
}

struct Bunka {
    char znak = ' ';
    char farba = '.';
};

// Exact-colour tolerance per channel: fully covered pixels carry the text colour unchanged,
// and gray text (26) must stay apart from black (0) and from dark backgrounds.
inline constexpr int TOLERANCIA = 3;

inline int rozdiel(const std::uint8_t* p, int r, int g, int b) {
    return std::max({std::abs(p[0] - r), std::abs(p[1] - g), std::abs(p[2] - b)});
}

// Reads the cell whose origin is window pixel (px, py).
inline Bunka citaj_bunku(const Citac& c, const Obraz& o, int px, int py) {
    const int s = c.s;
    // The cell and the rows below it that belong to the top margin of a line below; index
    // (ly + pod) * s + lx. Pixels outside the image count as absent.
    const int pod = c.hore, vys = s + pod;
    const std::size_t n = static_cast<std::size_t>(s * vys);
    std::vector<const std::uint8_t*> pix(n, nullptr);
    std::vector<bool> okraj(n, true);  // where no glyph of this line draws
    for (int ly = -pod; ly < s; ++ly)
        for (int lx = 0; lx < s; ++lx) {
            const std::size_t i = static_cast<std::size_t>((ly + pod) * s + lx);
            if (ly >= 0) okraj[i] = !c.zona[static_cast<std::size_t>(ly * s + lx)];
            const int x = px + lx, y = o.vyska - 1 - (py + ly);
            if (x >= 0 && x < o.sirka && y >= 0 && y < o.vyska)
                pix[i] = &o.rgb[(static_cast<std::size_t>(y) * o.sirka + x) * 3];
        }
    auto presna = [&](std::size_t i, const Farba& f) {
        return pix[i] && rozdiel(pix[i], f.r, f.g, f.b) <= TOLERANCIA;
    };
    // Pixels of colour f joined (side by side) to a run of that colour in the margin: text never
    // reaches the margin, so these are background of the text's colour and tell nothing. A
    // speck of a few pixels touching a glyph is not enough to make it background.
    const int behu = std::max(4, s / 3);
    auto spojene_s_okrajom = [&](const Farba& f) {
        std::vector<int> skupina(n, -1);
        std::vector<bool> z(n, false);
        std::vector<std::size_t> fronta, clenovia;
        for (std::size_t zac = 0; zac < n; ++zac) {
            if (skupina[zac] >= 0 || !presna(zac, f)) continue;
            skupina[zac] = static_cast<int>(zac);
            fronta.assign(1, zac);
            clenovia.clear();
            int vokraji = 0;
            while (!fronta.empty()) {
                const std::size_t i = fronta.back();
                fronta.pop_back();
                clenovia.push_back(i);
                vokraji += okraj[i];
                const int lx = static_cast<int>(i % s), r = static_cast<int>(i / s);
                const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
                for (int k = 0; k < 4; ++k) {
                    const int x = lx + dx[k], y = r + dy[k];
                    if (x < 0 || x >= s || y < 0 || y >= vys) continue;
                    const std::size_t j = static_cast<std::size_t>(y * s + x);
                    if (skupina[j] < 0 && presna(j, f))
                        skupina[j] = static_cast<int>(zac), fronta.push_back(j);
                }
            }
            if (vokraji >= behu)
                for (std::size_t i : clenovia) z[i] = true;
        }
        return z;
    };
    // Exact pixels of each colour in the glyph zone that are not such background. A colour that
    // fills a quarter of the margin is the background here (seen also inside closed letters).
    int pocty[FARBY.size()] = {};
    std::vector<bool> pozadie_farby[FARBY.size()];
    for (std::size_t f = 0; f < FARBY.size(); ++f) {
        int vokraji = 0, okrajov = 0;
        for (std::size_t i = 0; i < n; ++i)
            if (okraj[i] && pix[i]) ++okrajov, vokraji += presna(i, FARBY[f]);
        if (vokraji * 4 >= okrajov && okrajov > 0) continue;
        pozadie_farby[f] = spojene_s_okrajom(FARBY[f]);
        for (std::size_t i = 0; i < n; ++i)
            pocty[f] += !okraj[i] && !pozadie_farby[f][i] && presna(i, FARBY[f]);
    }
    // Read with each colour that has enough pixels (specks of a colour in the scene have not)
    // and keep the reading that explains its ink best: read as text, the outline of another
    // colour (the ring round a dot outnumbers the dot) or the scene's pixels of a colour (the
    // outline's edge over stone is gray) are ink of no glyph.
    struct S_citanie {
        Bunka bunka;
        float miera;  // ink left unexplained per glyph area; 1 for ink of no glyph, 2 for none
    };
    const auto precitaj = [&](int najlepsia) -> S_citanie {
        const Farba& f = FARBY[static_cast<std::size_t>(najlepsia)];
        const int obrys = obrys_farby(f);
        const int pocet1 = pocty[najlepsia];
        const std::vector<bool>& nejasne = pozadie_farby[static_cast<std::size_t>(najlepsia)];

        // The background: channel medians of the pixels of neither the text colour nor next to it
        // (edges of the text are blends), in the margin and between the strokes. Where the text's
        // outline shows, the edges are blends with the outline colour instead.
        // A blend of the text colour and its outline colour alone: 1/4, 1/2 or 3/4 of the way (the
        // outline is wider than a pixel, so a glyph's edge pixel holds nothing else).
        const Farba& oc = FARBY[static_cast<std::size_t>(obrys)];
        auto podiel_na_obryse = [&](const std::uint8_t* p) {
            for (int k = 1; k < 4; ++k)
                if (rozdiel(p, (k * f.r + (4 - k) * oc.r + 2) / 4,
                            (k * f.g + (4 - k) * oc.g + 2) / 4,
                            (k * f.b + (4 - k) * oc.b + 2) / 4) <= 2 * TOLERANCIA)
                    return float(k) / 4.f;
            return 0.f;
        };
        std::vector<const std::uint8_t*> pozadie;
        int obrysovych = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (!pix[i] || nejasne[i]) continue;
            obrysovych += presna(i, oc) || podiel_na_obryse(pix[i]) > 0.f;
            const int lx = static_cast<int>(i % s), r = static_cast<int>(i / s);
            bool pri = false;
            for (int y = std::max(0, r - 1); y <= std::min(vys - 1, r + 1) && !pri; ++y)
                for (int x = std::max(0, lx - 1); x <= std::min(s - 1, lx + 1) && !pri; ++x)
                    pri = presna(static_cast<std::size_t>(y * s + x), f);
            if (!pri) pozadie.push_back(pix[i]);
        }
        float bg[3] = {0, 0, 0};
        for (int k = 0; k < 3 && !pozadie.empty(); ++k) {
            std::vector<int> v;
            for (const std::uint8_t* p : pozadie) v.push_back(p[k]);
            std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2),
                             v.end());
            bg[k] = float(v[v.size() / 2]);
        }
        // Text on its outline (its exact colour or blends with the text in the cell): every edge
        // pixel of a glyph is a blend of the text colour and the outline colour alone.
        const bool obrysovane = obrysovych >= 4;
        const float fc[3] = {float(f.r), float(f.g), float(f.b)};
        float dlzka2 = 0;
        for (int k = 0; k < 3; ++k) dlzka2 += (fc[k] - bg[k]) * (fc[k] - bg[k]);
        // Blends are usable only when text and background differ clearly and the background is
        // even: most of the margin close to its median (or the text stands on its outline).
        std::size_t blizko = 0;
        for (const std::uint8_t* p : pozadie)
            blizko += std::max({std::fabs(p[0] - bg[0]), std::fabs(p[1] - bg[1]),
                                std::fabs(p[2] - bg[2])}) <= 40.f;
        const bool zmesi = obrysovane || (!pozadie.empty() && dlzka2 >= 60.f * 60.f &&
                                          blizko * 10 >= pozadie.size() * 7);

        // Ink of every pixel of the glyph zone, -1 where it cannot be told.
        const std::size_t nz = static_cast<std::size_t>(s * s);
        std::vector<float> atrament(nz, 0.f);
        for (std::size_t j = 0; j < nz; ++j) {
            const std::size_t i = j + static_cast<std::size_t>(pod * s);
            if (okraj[i]) continue;
            if (!pix[i] || nejasne[i]) {
                atrament[j] = -1;
            } else if (presna(i, f)) {
                atrament[j] = 1;
            } else if (obrysovane) {
                atrament[j] = podiel_na_obryse(pix[i]);
            } else if (zmesi) {
                float t = 0;
                for (int k = 0; k < 3; ++k) t += (pix[i][k] - bg[k]) * (fc[k] - bg[k]);
                t = std::clamp(t / dlzka2, 0.f, 1.f);
                // Distance of the pixel from the blend line: other background detail is no ink.
                float mimo = 0;
                for (int k = 0; k < 3; ++k) {
                    const float d = pix[i][k] - (bg[k] + t * (fc[k] - bg[k]));
                    mimo += d * d;
                }
                // With 4 samples a pixel, a blend is 1/4, 1/2 or 3/4 of the colour; near the
                // colour yet not exact is something else (a darker or lighter background detail).
                if (mimo <= 0.04f * dlzka2 + 400.f && t >= 0.15f && t <= 0.87f) atrament[j] = t;
            }
        }

        // Score of a mask (none: the empty cell): pixels certainly inside or outside the glyph by
        // their full mismatch, edge pixels by the mismatch beyond what the sampling of an edge
        // gives.
        auto skore = [&](const std::vector<float>* m) {
            float sk = 0;
            for (std::size_t j = 0; j < nz; ++j) {
                const float p = m ? (*m)[j] : 0.f, a = atrament[j];
                if (a < 0) continue;
                if (p >= 0.97f || p <= 0.03f) {
                    sk += std::fabs(a - (p >= 0.5f ? 1.f : 0.f));
                } else if (a >= 1.f) {
                    sk += std::max(0.f, 0.7f - p);  // all samples inside needs most of the pixel
                } else if (zmesi) {
                    sk += std::max(0.f, std::fabs(a - p) - 0.3f);
                }  // else an unmeasured blend: no evidence
            }
            return sk;
        };
        float naj = skore(nullptr), druhe = 1e9f;
        const Maska *vitaz = nullptr, *druhy = nullptr;
        for (const Maska& m : c.masky) {
            const float sk = skore(&m.pokrytie);
            if (sk < naj) {
                druhe = naj, druhy = vitaz;
                naj = sk, vitaz = &m;
            } else if (sk < druhe) {
                druhe = sk, druhy = &m;
            }
        }
        if (c.ladenie) {
            std::fprintf(stderr, "cell (%d,%d) colour %c (%d px) bg %.0f,%.0f,%.0f%s%s\n", px, py,
                         f.pismeno, pocet1, bg[0], bg[1], bg[2], zmesi ? " blends" : "",
                         obrysovane ? " on its outline" : "");
            std::fprintf(stderr, "  best '%c' %.2f next '%c' %.2f\n", vitaz ? vitaz->znak : ' ',
                         naj, druhy ? druhy->znak : ' ', druhe);
            for (int ly = s - 1; ly >= 0; --ly) {
                for (int lx = 0; lx < s; ++lx) {
                    const float a = atrament[static_cast<std::size_t>(ly * s + lx)];
                    std::fputc(a < 0       ? 'x'
                               : a >= 1    ? '#'
                               : a >= 0.5f ? '+'
                               : a > 0     ? '.'
                                           : ' ',
                               stderr);
                }
                std::fputc('\n', stderr);
            }
        }
        const char farba = f.pismeno;
        if (!vitaz) {
            if (naj < 0.5f * float(s))
                return S_citanie{{}, 2.f};        // (almost) no ink: specks at most
            return S_citanie{{'?', farba}, 1.f};  // ink of no glyph
        }
        // Too much left unexplained for the glyph's size: ink of no glyph.
        const float miera = naj / (vitaz->plocha + 1.f);
        if (naj > 0.2f * vitaz->plocha + 1.f) return S_citanie{{'?', farba}, 1.f};
        return S_citanie{{vitaz->znak, farba}, miera};
    };
    S_citanie citania[TEXTOVYCH_FARIEB];
    int naj = -1;
    for (std::size_t f = 0; f < TEXTOVYCH_FARIEB; ++f) {
        citania[f] = {{}, 3.f};
        if (pocty[f] < 4) continue;
        citania[f] = precitaj(static_cast<int>(f));
        if (naj < 0 || citania[f].miera < citania[naj].miera) naj = static_cast<int>(f);
    }
    if (naj < 0) return {};
    // A second colour that reads as a glyph too, with a quarter of the pixels: overlapping texts.
    Bunka b = citania[naj].bunka;
    for (std::size_t g = 0; g < TEXTOVYCH_FARIEB; ++g)
        if (static_cast<int>(g) != naj && citania[g].miera < 1.f &&
            pocty[g] >= std::max(4, (pocty[naj] + 3) / 4))
            b.farba = '?';
    return b;
}

// Reads n cells of the line at (x, y): the text, a TAB and the colour letters.
inline std::string citaj_riadok(const Citac& c, const Obraz& o, int x, int y, int n) {
    std::string text, farby;
    for (int i = 0; i < n; ++i) {
        const Bunka b = citaj_bunku(c, o, x + i * c.s, y);
        text += b.znak;
        farby += b.farba;
    }
    return text + '\t' + farby;
}

}  // namespace citaj_text

#ifndef CITAJ_TEXT_BEZ_MAIN
int main(int argc, char** argv) {
    using namespace citaj_text;
    auto cele = [](const char* t, long lo, long hi, long& v) {
        char* k = nullptr;
        v = std::strtol(t, &k, 10);
        return k != t && *k == '\0' && v >= lo && v <= hi;
    };
    long s = 0, x = 0, y = 0, n = 0, riadky = 1;
    if ((argc != 7 && argc != 8) || !cele(argv[3], 4, 200, s) ||
        !cele(argv[4], -100000, 100000, x) || !cele(argv[5], -100000, 100000, y) ||
        !cele(argv[6], 1, 10000, n) || (argc == 8 && !cele(argv[7], 1, 10000, riadky))) {
        std::fprintf(
            stderr,
            "usage: %s SHOT.png DATA_DIR S X Y N [K]\n"
            "  reads N cells of the text line at window pixel (X, Y) (origin lower-left) with\n"
            "  text size S (4..200), or K lines going up from Y; prints text TAB colours per "
            "line\n",
            argv[0]);
        return 2;
    }
    std::string chyba;
    Obraz obraz;
    if (!nacitaj_obraz(argv[1], obraz, chyba)) {
        std::fprintf(stderr, "citaj_text: %s\n", chyba.c_str());
        return 2;
    }
    std::vector<Glyf> glyfy;
    // The mesh loader reports every file on stdout: keep that aside (stdout is for the text
    // read) and pass it to stderr only when a glyph fails to load.
    std::fflush(stdout);
    std::FILE* hlasenia = std::tmpfile();
    const int stary = hlasenia ? dup(1) : -1;
    if (stary >= 0) dup2(fileno(hlasenia), 1);
    const bool ok = nacitaj_glyfy(argv[2], glyfy, chyba);
    std::fflush(stdout);
    if (stary >= 0) {
        dup2(stary, 1);
        close(stary);
    }
    if (hlasenia) {
        if (!ok) {
            std::rewind(hlasenia);
            char riadok[512];
            while (std::fgets(riadok, sizeof riadok, hlasenia)) std::fputs(riadok, stderr);
        }
        std::fclose(hlasenia);
    }
    if (!ok) {
        std::fprintf(stderr, "citaj_text: %s\n", chyba.c_str());
        return 2;
    }
    Citac c = priprav(glyfy, static_cast<int>(s));
    const char* l = std::getenv("CITAJ_TEXT_LADENIE");
    c.ladenie = l && *l && std::strcmp(l, "0") != 0;
    for (long k = 0; k < riadky; ++k)
        std::printf("%s\n", citaj_riadok(c, obraz, static_cast<int>(x), static_cast<int>(y + k * s),
                                         static_cast<int>(n))
                                .c_str());
    return 0;
}
#endif
