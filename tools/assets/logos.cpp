// The two menu logos: the title "VARNHOLD" over a heraldic shield, and the maker's seal; and the
// desktop icons, the title's shield and crossed swords alone. Drawn with a small supersampling
// rasteriser; the logos are written as uncompressed 24-bit BMP (BGR, bottom-up rows padded to
// 4 bytes), the form the game's logo loader reads, the icons as RGBA PNG.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "assets.h"

namespace assets {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSub = 4;  // 4 x 4 samples per pixel

struct P2 {
    double x, y;
};

// Canvas with y growing upward (row 0 is the bottom row, as the BMP stores it). Paint covers what
// lies below by its coverage; on a transparent canvas the coverage also builds up the opacity.
class Canvas {
public:
    Canvas(int w, int h, double opacity = 1.0)
        : w_(w), h_(h), px_(static_cast<size_t>(w) * h), alpha_(px_.size(), opacity) {}
    int width() const { return w_; }
    int height() const { return h_; }
    Rgb& at(int x, int y) { return px_[static_cast<size_t>(y) * w_ + x]; }

    // Paints `c` where `inside` holds, weighted by the covered fraction of each pixel, within a
    // box.
    void fill(double x0, double y0, double x1, double y1,
              const std::function<bool(double, double)>& inside,
              const std::function<Rgb(double, double)>& colour) {
        int ix0 = std::max(0, static_cast<int>(std::floor(x0))),
            iy0 = std::max(0, static_cast<int>(std::floor(y0)));
        int ix1 = std::min(w_ - 1, static_cast<int>(std::ceil(x1))),
            iy1 = std::min(h_ - 1, static_cast<int>(std::ceil(y1)));
        for (int y = iy0; y <= iy1; ++y)
            for (int x = ix0; x <= ix1; ++x) {
                int hits = 0;
                for (int sy = 0; sy < kSub; ++sy)
                    for (int sx = 0; sx < kSub; ++sx)
                        if (inside(x + (sx + 0.5) / kSub, y + (sy + 0.5) / kSub)) ++hits;
                if (!hits) continue;
                const double a = static_cast<double>(hits) / (kSub * kSub);
                double& opacity = alpha_[static_cast<size_t>(y) * w_ + x];
                const double covered = a + opacity * (1 - a);
                at(x, y) = mix(at(x, y), colour(x + 0.5, y + 0.5), a / covered);
                opacity = covered;
            }
    }
    void fill(double x0, double y0, double x1, double y1,
              const std::function<bool(double, double)>& inside, Rgb c) {
        fill(x0, y0, x1, y1, inside, [c](double, double) { return c; });
    }

    void rect(double x0, double y0, double x1, double y1, Rgb c) {
        fill(
            x0, y0, x1, y1,
            [&](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, c);
    }
    void polygon(const std::vector<P2>& p, Rgb c) {
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (const P2& q : p) {
            x0 = std::min(x0, q.x), y0 = std::min(y0, q.y), x1 = std::max(x1, q.x),
            y1 = std::max(y1, q.y);
        }
        fill(
            x0, y0, x1, y1, [&](double x, double y) { return inside_polygon(p, x, y); }, c);
    }
    void disc(double cx, double cy, double r, Rgb c) {
        fill(
            cx - r, cy - r, cx + r, cy + r,
            [&](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; },
            c);
    }
    void ring(double cx, double cy, double r0, double r1, Rgb c) {
        fill(
            cx - r1, cy - r1, cx + r1, cy + r1,
            [&](double x, double y) {
                double d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                return d <= r1 * r1 && d >= r0 * r0;
            },
            c);
    }
    // Thick line segment with square ends.
    void line(P2 a, P2 b, double width, Rgb c) {
        double dx = b.x - a.x, dy = b.y - a.y, l = std::sqrt(dx * dx + dy * dy);
        double nx = -dy / l * width / 2, ny = dx / l * width / 2;
        polygon({{a.x + nx, a.y + ny},
                 {b.x + nx, b.y + ny},
                 {b.x - nx, b.y - ny},
                 {a.x - nx, a.y - ny}},
                c);
    }

    static bool inside_polygon(const std::vector<P2>& p, double x, double y) {
        bool in = false;
        for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            if ((p[i].y > y) != (p[j].y > y) &&
                x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
                in = !in;
        }
        return in;
    }

    bool write_bmp(const std::string& path) const {
        const int row = (w_ * 3 + 3) / 4 * 4;
        const std::uint32_t image = static_cast<std::uint32_t>(row) * h_;
        std::vector<unsigned char> f(54 + image, 0);
        auto put32 = [&](size_t at, std::uint32_t v) {
            for (int i = 0; i < 4; ++i) f[at + i] = static_cast<unsigned char>(v >> (8 * i));
        };
        auto put16 = [&](size_t at, std::uint16_t v) {
            f[at] = static_cast<unsigned char>(v);
            f[at + 1] = static_cast<unsigned char>(v >> 8);
        };
        f[0] = 'B';
        f[1] = 'M';
        put32(2, 54 + image);
        put32(10, 54);
        put32(14, 40);
        put32(18, static_cast<std::uint32_t>(w_));
        put32(22, static_cast<std::uint32_t>(h_));
        put16(26, 1);
        put16(28, 24);
        put32(30, 0);
        put32(34, image);
        put32(38, 2835);
        put32(42, 2835);
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                const Rgb& c = px_[static_cast<size_t>(y) * w_ + x];
                size_t o = 54 + static_cast<size_t>(y) * row + static_cast<size_t>(x) * 3;
                f[o] = byte(c.b);
                f[o + 1] = byte(c.g);
                f[o + 2] = byte(c.r);
            }
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(f.data()), static_cast<std::streamsize>(f.size()));
        return static_cast<bool>(out);
    }

    bool write_png(const std::string& path) const {
        std::vector<unsigned char> rgba;
        for (int y = h_ - 1; y >= 0; --y)
            for (int x = 0; x < w_; ++x) {
                const size_t i = static_cast<size_t>(y) * w_ + x;
                for (double v : {px_[i].r, px_[i].g, px_[i].b, alpha_[i]}) rgba.push_back(byte(v));
            }
        return assets::write_png(path, w_, h_, rgba);
    }

private:
    static unsigned char byte(double v) {
        return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    }

    int w_, h_;
    std::vector<Rgb> px_;
    std::vector<double> alpha_;
};

// Block lettering from the game's own 5 x 7 glyphs: every cell a bevelled square with a shadow.
void lettering(Canvas& cv, const char* text, double x, double y, double cell, Rgb face, Rgb light,
               Rgb dark, Rgb shadow) {
    const double bev = std::max(1.0, cell * 0.22);
    for (int pass = 0; pass < 2; ++pass) {
        double cx = x;
        for (const char* p = text; *p; ++p) {
            const unsigned char* bits = glyph_bitmap(*p);
            if (bits) {
                for (int r = 0; r < 7; ++r)
                    for (int c = 0; c < 5; ++c) {
                        if (!(bits[r] & (0x10 >> c))) continue;
                        double x0 = cx + c * cell, y0 = y + (6 - r) * cell;
                        if (pass == 0) {
                            cv.rect(x0 + cell * 0.35, y0 - cell * 0.35, x0 + cell * 1.35,
                                    y0 + cell * 0.65, shadow);
                            continue;
                        }
                        auto on = [&](int rr, int cc) {
                            return rr >= 0 && rr < 7 && cc >= 0 && cc < 5 &&
                                   (bits[rr] & (0x10 >> cc));
                        };
                        cv.rect(x0, y0, x0 + cell, y0 + cell, face);
                        if (!on(r - 1, c))
                            cv.rect(x0, y0 + cell - bev, x0 + cell, y0 + cell, light);
                        if (!on(r, c - 1)) cv.rect(x0, y0, x0 + bev, y0 + cell, light);
                        if (!on(r + 1, c)) cv.rect(x0, y0, x0 + cell, y0 + bev, dark);
                        if (!on(r, c + 1)) cv.rect(x0 + cell - bev, y0, x0 + cell, y0 + cell, dark);
                    }
            }
            cx += 6 * cell;
        }
    }
}

double text_width(const char* text, double cell) {
    size_t n = std::char_traits<char>::length(text);
    return n ? (6.0 * n - 1.0) * cell : 0.0;
}

void vertical_gradient(Canvas& cv, Rgb bottom, Rgb top) {
    for (int y = 0; y < cv.height(); ++y)
        for (int x = 0; x < cv.width(); ++x) {
            double t = static_cast<double>(y) / (cv.height() - 1);
            double dx = (x - cv.width() / 2.0) / cv.width(),
                   dy = (y - cv.height() / 2.0) / cv.height();
            double vignette = 1.0 - 0.9 * (dx * dx + dy * dy);
            Rgb c = mix(bottom, top, t);
            cv.at(x, y) = {c.r * vignette, c.g * vignette, c.b * vignette};
        }
}

// Shield outline: flat top, straight sides, curving to a point at the bottom.
std::vector<P2> shield_outline(double cx, double top, double half_w, double bottom,
                               double shoulder) {
    std::vector<P2> p;
    p.push_back({cx - half_w, top});
    p.push_back({cx + half_w, top});
    p.push_back({cx + half_w, shoulder});
    const int n = 14;
    for (int i = 1; i <= n; ++i) {  // right curve down to the point
        double t = static_cast<double>(i) / n;
        double a = t * kPi / 2;
        p.push_back({cx + half_w * std::cos(a), shoulder - (shoulder - bottom) * std::sin(a)});
    }
    for (int i = n - 1; i >= 0; --i) {
        double t = static_cast<double>(i) / n;
        double a = t * kPi / 2;
        p.push_back({cx - half_w * std::cos(a), shoulder - (shoulder - bottom) * std::sin(a)});
    }
    return p;
}

std::vector<P2> scaled(const std::vector<P2>& p, double cx, double cy, double s) {
    std::vector<P2> q;
    for (const P2& v : p) q.push_back({cx + (v.x - cx) * s, cy + (v.y - cy) * s});
    return q;
}

// A sword from its pommel to its tip; k scales its widths and the lengths of hilt and point.
void sword(Canvas& cv, P2 hilt, P2 tip, Rgb blade, Rgb guard, double k = 1) {
    double dx = tip.x - hilt.x, dy = tip.y - hilt.y, l = std::sqrt(dx * dx + dy * dy);
    double ux = dx / l, uy = dy / l, nx = -uy, ny = ux;
    auto along = [&](P2 p, double a, double n) {
        return P2{p.x + ux * (a * k) + nx * (n * k), p.y + uy * (a * k) + ny * (n * k)};
    };
    P2 base = along(hilt, 22, 0);
    cv.polygon(
        {along(base, 0, 5), along(tip, -14, 4), tip, along(tip, -14, -4), along(base, 0, -5)},
        blade);
    cv.line(along(base, 4, 0), along(tip, -16, 0), 1.5 * k, mix(blade, Rgb{0, 0, 0}, 0.35));
    cv.line(along(base, 0, 16), along(base, 0, -16), 6 * k, guard);
    cv.line(hilt, base, 6 * k, Rgb{0.35, 0.18, 0.08});
    cv.disc(hilt.x, hilt.y, 5.5 * k, guard);
}

const Rgb kGold{0.95, 0.76, 0.26}, kGoldDark{0.58, 0.38, 0.10}, kSteel{0.86, 0.88, 0.92};

// Puts the title logo's coordinates elsewhere: scaled by s, then moved by (dx, dy).
struct Place {
    double s = 1, dx = 0, dy = 0;
    double x(double v) const { return v * s + dx; }
    double y(double v) const { return v * s + dy; }
    std::vector<P2> operator()(const std::vector<P2>& p) const {
        std::vector<P2> q;
        for (const P2& v : p) q.push_back({x(v.x), y(v.y)});
        return q;
    }
    void rect(Canvas& cv, double x0, double y0, double x1, double y1, Rgb c) const {
        cv.rect(x(x0), y(y0), x(x1), y(y1), c);
    }
};

// The game's arms, as the title logo shows them at `at`: a shield with a gold rim and a crimson
// field, on it a gold keep with a dark gate.
void arms(Canvas& cv, const Place& at) {
    const double cx = 128;
    auto outer = shield_outline(cx, 250, 44, 170, 214);
    cv.polygon(at(scaled(outer, cx, 210, 1.05)), Rgb{0.10, 0.06, 0.04});
    cv.polygon(at(outer), kGold);
    auto field = at(scaled(outer, cx, 210, 0.88));
    cv.polygon(field, Rgb{0.62, 0.08, 0.10});
    // Darker right half of the field for depth.
    cv.fill(
        at.x(cx), at.y(160), at.x(180), at.y(252),
        [&](double x, double y) { return x >= at.x(cx) && Canvas::inside_polygon(field, x, y); },
        Rgb{0.48, 0.05, 0.08});
    // Keep: body, battlements, gate arch.
    at.rect(cv, 114, 196, 142, 232, kGold);
    at.rect(cv, 139, 196, 142, 232, kGoldDark);
    for (int i = 0; i < 4; ++i) at.rect(cv, 112 + i * 9, 232, 118 + i * 9, 239, kGold);
    at.rect(cv, 111, 230, 145, 233, kGoldDark);
    at.rect(cv, 123, 196, 133, 210, Rgb{0.20, 0.05, 0.05});
    cv.disc(at.x(128), at.y(210), 5 * at.s, Rgb{0.20, 0.05, 0.05});
    at.rect(cv, 110, 193, 146, 197, kGoldDark);
}

// Deterministic value noise in -1 .. 1 for a pixel: grain for stone surfaces.
double grain(int x, int y) {
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffff) / 32767.5 - 1.0;
}

bool title_logo(const std::string& path) {
    Canvas cv(256, 256);
    vertical_gradient(cv, {0.05, 0.06, 0.14}, {0.16, 0.20, 0.38});
    const Rgb gold_light{1.0, 0.92, 0.60};

    // The menus write their lines over the lower part of this logo in pure light and dark colours,
    // so it is a plain stone slab of middle, grey tone: light text stands out by brightness, dark
    // and saturated text by brightness and hue. Nothing else is drawn on it.
    const double slab_top = 140;
    const Rgb slab{0.43, 0.42, 0.40};
    // Dressed blocks in courses, each a hair lighter or darker, with faint joints.
    const int course = 28, block = 64;
    for (int y = 0; y < static_cast<int>(slab_top); ++y)
        for (int x = 0; x < cv.width(); ++x) {
            const int row = y / course, shifted = x + (row % 2) * block / 2, col = shifted / block;
            double g =
                0.010 * grain(x, y) + 0.006 * grain(x / 4, y / 4) + 0.014 * grain(col, row + 50);
            if (y % course == 0 || shifted % block == 0) g -= 0.022;
            cv.at(x, y) = {slab.r + g, slab.g + g, slab.b + g};
        }
    cv.rect(0, slab_top - 4, 256, slab_top, Rgb{0.30, 0.29, 0.28});
    cv.rect(0, slab_top, 256, slab_top + 2, kGoldDark);

    // Crossed swords behind the shield.
    sword(cv, {70, 160}, {214, 252}, kSteel, kGold);
    sword(cv, {186, 160}, {42, 252}, kSteel, kGold);
    arms(cv, Place{});

    // Title ribbon across the shield's point, with folded tails.
    const Rgb ribbon{0.12, 0.10, 0.16}, ribbon_dark{0.06, 0.05, 0.08};
    cv.polygon({{22, 150}, {40, 150}, {40, 182}, {22, 182}, {31, 166}}, ribbon_dark);
    cv.polygon({{234, 150}, {216, 150}, {216, 182}, {234, 182}, {225, 166}}, ribbon_dark);
    cv.rect(32, 146, 224, 186, ribbon);
    cv.rect(32, 146, 224, 148, kGoldDark);
    cv.rect(32, 184, 224, 186, kGoldDark);
    const double cell = 3.4;
    const char* title = "VARNHOLD";
    double x = (256 - text_width(title, cell)) / 2;
    lettering(cv, title, x, 154, cell, kGold, gold_light, kGoldDark, Rgb{0.02, 0.02, 0.03});
    return cv.write_bmp(path);
}

bool maker_emblem(const std::string& path) {
    Canvas cv(256, 256);
    vertical_gradient(cv, {0.04, 0.08, 0.06}, {0.10, 0.20, 0.14});
    const Rgb gold{0.92, 0.74, 0.28}, gold_dark{0.55, 0.38, 0.12}, green{0.08, 0.28, 0.18},
        ink{0.03, 0.08, 0.05};
    const double c = 128;
    // Seal: dark disc, double gold rim, studs between the rims.
    cv.disc(c, c, 122, ink);
    cv.ring(c, c, 110, 121, gold);
    cv.ring(c, c, 113, 115, gold_dark);
    cv.disc(c, c, 100, green);
    cv.ring(c, c, 96, 100, gold_dark);
    for (int i = 0; i < 16; ++i) {
        double a = 2 * kPi * i / 16;
        cv.disc(c + 105.5 * std::cos(a), c + 105.5 * std::sin(a), 2.2, gold_dark);
    }
    // Eight-pointed star behind a crossed hammer and chisel: the workshop's mark.
    std::vector<P2> star;
    for (int i = 0; i < 16; ++i) {
        double a = kPi / 2 + 2 * kPi * i / 16;
        double r = (i % 2 == 0) ? 78 : 34;
        star.push_back({c + r * std::cos(a), 150 + r * std::sin(a) * 0.82});
    }
    cv.polygon(scaled(star, c, 150, 1.06), ink);
    cv.polygon(star, gold);
    cv.disc(c, 150, 30, green);
    cv.ring(c, 150, 27, 30, gold_dark);
    // Hammer.
    cv.line({108, 128}, {148, 172}, 7, Rgb{0.55, 0.36, 0.18});
    cv.polygon({{138, 184}, {160, 162}, {168, 170}, {146, 192}}, Rgb{0.80, 0.82, 0.86});
    // Chisel.
    cv.line({150, 128}, {118, 164}, 6, Rgb{0.80, 0.82, 0.86});
    cv.line({150, 128}, {160, 117}, 8, Rgb{0.55, 0.36, 0.18});
    // Name plate.
    const char* name = "ORVEK";
    const double cell = 5.0;
    double tw = text_width(name, cell);
    cv.rect(c - tw / 2 - 10, 44, c + tw / 2 + 10, 90, ink);
    cv.rect(c - tw / 2 - 8, 46, c + tw / 2 + 8, 88, Rgb{0.12, 0.30, 0.20});
    lettering(cv, name, c - tw / 2, 50, cell, gold, Rgb{1.0, 0.92, 0.62}, gold_dark, ink);
    return cv.write_bmp(path);
}

// The desktop icon at size x size pixels: the arms filling a transparent square, the crossed
// swords behind them from 48 pixels up (smaller, their blades would only blur the shield's edge).
bool icon(const std::string& path, int size) {
    Canvas cv(size, size, 0.0);
    const double u = size / 256.0;  // pixels per unit of the 256-unit layout
    if (size >= 48) {
        sword(cv, {28 * u, 16 * u}, {236 * u, 248 * u}, kSteel, kGold, 2 * u);
        sword(cv, {228 * u, 16 * u}, {20 * u, 248 * u}, kSteel, kGold, 2 * u);
    }
    // The shield's box (x 82 ... 174, y 168 ... 252 with its outline) centred and scaled up.
    const double s = 2.05 * u;
    arms(cv, Place{s, 128 * u - 128 * s, 128 * u - 210 * s});
    return cv.write_png(path);
}

}  // namespace

bool write_icons(const std::string& out_dir) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const std::string dir =
            out_dir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (ec || !icon(dir + "/varnhold.png", size)) return false;
    }
    return true;
}

bool write_logos(const std::string& out_dir) {
    std::string dir = out_dir + "/obj/graf_obj/logo";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) return false;
    return title_logo(dir + "/logo.bmp") && maker_emblem(dir + "/Orvek.bmp");
}

}  // namespace assets
