// The glyph font: loading the 42 glyphs, the pixel projection, and the text walk.
#include "Font3.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <glm/gtc/matrix_transform.hpp>

#include "Color.h"
#include "OpenGL3_3.h"
#include "functions.h"
#include "objloader.h"
#include "shader.h"

namespace Font {

int LAST_FONT = -1;
int font_map[FONT_MAP_SIZE + 1];
bool font_loaded[MAX_FONTS_POSSIBLE];
glm::mat4 Projection(1.0f), View(1.0f), Model(1.0f), MVP(1.0f);
glm::mat4 lock(1.0f), lockMVP(1.0f), lockView(1.0f), lockWMVP(1.0f);
S_matrix matrix;
int counter = 0;
float Scaled = 25.0f;

}  // namespace Font

S_font font[Font::MAX_FONTS_POSSIBLE];
float scalef = 20.0f;
const char* string_text = nullptr;
bool IGNORE_PRINT = false;

namespace {

// The text not yet drawn: triangles in window pixels with their colours, and the two buffers
// they go out in (made with the glyphs' own). The arrays keep their room from frame to frame.
struct S_text_na_kreslenie {
    S_zaznam<glm::vec3> body, farby;
    glm::mat4 projekcia_minula{1.0f};
    unsigned int vertexbuffer = 0, colorbuffer = 0;
    bool zbiera = false;
};
S_text_na_kreslenie text_na_kreslenie;

// Adds a glyph's or outline's triangles placed by Font::Model, in the colour in force (the
// mesh's own colours where none is).
void pridaj_na_kreslenie(const std::vector<glm::vec3>& body, const std::vector<glm::vec3>& farby) {
    S_text_na_kreslenie& t = text_na_kreslenie;
    const S_override& f = aktualna_farba;
    for (std::size_t k = 0; k < body.size(); ++k) {
        t.body.teraz.push_back(glm::vec3(Font::Model * glm::vec4(body[k], 1.0f)));
        const glm::vec3 vlastna = k < farby.size() ? farby[k] : glm::vec3(1.0f);
        t.farby.teraz.push_back(f.zapnuty ? glm::mix(vlastna, glm::vec3(f.r, f.g, f.b), f.podiel)
                                          : vlastna);
    }
}

// Draws the text gathered so far in one call with the text projection, in its own colours.
void kresli_text() {
    S_text_na_kreslenie& t = text_na_kreslenie;
    const std::vector<glm::vec3>&body = t.body.teraz, &farby = t.farby.teraz;
    if (!body.empty() && scena_pripravena() && t.vertexbuffer != 0) {
        shader_nahraj_buffer(t.vertexbuffer, body.data(), static_cast<long>(body.size() * 12));
        shader_nahraj_buffer(t.colorbuffer, farby.data(), static_cast<long>(farby.size() * 12));
        const S_override farba = aktualna_farba;
        resetShader();
        shader_nastav_mvp(Font::Projection);
        shader_kresli(t.vertexbuffer, t.colorbuffer, static_cast<int>(body.size()), false);
        shader_nastav_mvp(MVP);
        if (farba.zapnuty) tonuj(farba.podiel, farba.r, farba.g, farba.b);
    }
}

// Outside a frame the text goes out at once; in a frame, at the frame's end.
void vykresli_text() {
    if (snimka_zbiera()) return;
    kresli_text();
    text_na_kreslenie.body.teraz.clear();
    text_na_kreslenie.farby.teraz.clear();
}

// Relative luminance of a colour given in display values 0 … 1.
float jas(float r, float g, float b) {
    auto linearne = [](float c) {
        return c <= 0.04045f ? c / 12.92f : std::pow((c + 0.055f) / 1.055f, 2.4f);
    };
    return 0.2126f * linearne(r) + 0.7152f * linearne(g) + 0.0722f * linearne(b);
}

}  // namespace

int Add_Font(const char* folder, const char* path) {
    if (Font::LAST_FONT + 1 >= Font::MAX_FONTS_POSSIBLE) return -1;
    ++Font::LAST_FONT;
    S_font& f = font[Font::LAST_FONT];
    f.folder = folder ? folder : "";
    f.path = path ? path : "";
    return Font::LAST_FONT;
}

void Bind_Font(int c, int index) {
    if (c >= 0 && c <= Font::FONT_MAP_SIZE) Font::font_map[c] = index;
    Font::counter = 0;
}

int Return_Font(int c) {
    if (c < 0 || c > 255) return 0;
    return Font::font_map[c];
}

bool LoadFontFromFile(int i) {
    if (i < 0 || i > Font::LAST_FONT) return false;
    S_font& f = font[i];
    f.vertices.clear();
    f.uvs.clear();
    f.normals.clear();
    f.colors.clear();
    float b[6];
    return loadOBJ(f.folder.c_str(), f.path.c_str(), f.vertices, f.uvs, f.normals, f.colors, b[0],
                   b[1], b[2], b[3], b[4], b[5]);
}

glm::vec3 farba_obrysu(float r, float g, float b) {
    // Contrast against black is (L + 0.05) / 0.05, against white 1.05 / (L + 0.05).
    const float l = jas(r, g, b) + 0.05f;
    return l * l < 0.05f * 1.05f ? glm::vec3(1.0f) : glm::vec3(0.0f);
}

std::vector<glm::vec3> obrys_glyfu(const std::vector<glm::vec3>& glyf, float o) {
    std::vector<glm::vec3> v;
    glm::vec2 predosly_min(1e9f), predosly_max(-1e9f);
    for (std::size_t t = 0; t + 2 < glyf.size(); t += 3) {
        glm::vec2 mn(glyf[t]), mx(glyf[t]);
        for (std::size_t k = 1; k < 3; ++k) {
            mn = glm::min(mn, glm::vec2(glyf[t + k]));
            mx = glm::max(mx, glm::vec2(glyf[t + k]));
        }
        if (mn == predosly_min && mx == predosly_max) continue;  // the other half of the block
        predosly_min = mn;
        predosly_max = mx;
        mn -= o;
        mx += o;
        for (const glm::vec2& p : {mn, glm::vec2(mx.x, mn.y), mx, mn, mx, glm::vec2(mn.x, mx.y)})
            v.emplace_back(p, 0.0f);
    }
    return v;
}

void LoadFont() {
    std::printf("\nsetting Fonts START\n");
    // Start from an empty table so that building the font again does not stack a second set.
    KillFont();
    for (int c = 0; c <= Font::FONT_MAP_SIZE; ++c) Font::font_map[c] = 0;
    for (bool& l : Font::font_loaded) l = false;
    Font::LAST_FONT = -1;

    for (const S_glyf& g : GLYFY) {
        char cesta[64];
        std::snprintf(cesta, sizeof cesta, "./Fonts/%s", g.subor);
        Bind_Font(static_cast<unsigned char>(g.znak), Add_Font("./Fonts/", cesta));
    }
    // The glyphs go out placed, from the two buffers of the text layer.
    S_text_na_kreslenie& t = text_na_kreslenie;
    if (scena_pripravena() && t.vertexbuffer == 0) {
        t.vertexbuffer = shader_vytvor_buffer(nullptr, 0);
        t.colorbuffer = shader_vytvor_buffer(nullptr, 0);
    }
    for (int i = 0; i <= Font::LAST_FONT; ++i) {
        Font::font_loaded[i] = LoadFontFromFile(i);
        std::printf("setting buffer for font %d : ", i);
        if (!Font::font_loaded[i]) {
            std::printf(" NOT LOADED !!!\n");
            continue;
        }
        font[i].obrys = obrys_glyfu(font[i].vertices, OBRYS);
        std::printf("OK \n");
    }
    std::printf("setting Fonts END \n");
}

void BuildFont() {
    LoadFont();
    Font::Projection = glm::ortho(0.0f, static_cast<float>(Window.X), 0.0f,
                                  static_cast<float>(Window.Y), -1.0f, 1.0f);
    int s = Window.Y / 50;
    if (Window.X / 100 < s) s = Window.X / 100;
    scalef = static_cast<float>(s);
}

void KillFont() {
    S_text_na_kreslenie& t = text_na_kreslenie;
    shader_zmaz_buffer(t.vertexbuffer);
    shader_zmaz_buffer(t.colorbuffer);
    t.vertexbuffer = t.colorbuffer = 0;
}

void kresli_glyf_gl(int i) { pridaj_na_kreslenie(font[i].vertices, font[i].colors); }

void (*kresli_glyf)(int i) = kresli_glyf_gl;

void kresli_obrys_gl(int i) { pridaj_na_kreslenie(font[i].obrys, {}); }

void (*kresli_obrys)(int i) = kresli_obrys_gl;

namespace {

bool text_prazdny() { return text_na_kreslenie.body.prazdny(); }

bool text_ako_minule() {
    const S_text_na_kreslenie& t = text_na_kreslenie;
    return t.body.ako_minule() && t.farby.ako_minule() && Font::Projection == t.projekcia_minula;
}

void odloz_text() {
    S_text_na_kreslenie& t = text_na_kreslenie;
    t.body.odloz();
    t.farby.odloz();
    t.projekcia_minula = Font::Projection;
}

}  // namespace

const S_vrstva_snimky vrstva_textu = {text_prazdny, text_ako_minule, kresli_text, odloz_text};

void zacni_text() { text_na_kreslenie.zbiera = true; }

void dokonci_text() {
    text_na_kreslenie.zbiera = false;
    vykresli_text();
}

void Draw_font(int i) {
    if (i < 0 || i > Font::LAST_FONT || i >= Font::MAX_FONTS_POSSIBLE || !Font::font_loaded[i])
        return;
    kresli_glyf(i);
}

void LockMatrix() {
    Font::lock = Font::Projection;
    Font::lockMVP = Font::MVP;
    Font::lockView = Font::View;
    Font::lockWMVP = MVP;
}

void FreeMatrix() {
    Font::Projection = Font::lock;
    Font::MVP = Font::lockMVP;
    Font::View = Font::lockView;
    MVP = Font::lockWMVP;
}

void OtocAPosun(float angle, float x, float y, float z, float tx, float ty, float tz) {
    Font::Model = glm::translate(glm::mat4(1.0f), glm::vec3(tx, ty, tz));
    const float t = angle * 0.017453292f;
    if (y == 1) Font::Model = Font::Model * Ry(t);
    if (x == 1) Font::Model = Font::Model * Rx(t);
    if (z == 1) Font::Model = Font::Model * Rz(t);
    Font::Model = glm::scale(Font::Model, glm::vec3(Font::Scaled));
    Font::MVP = Font::Projection * Font::View * Font::Model;
}

void OtocPosunScale(float angle, float x, float y, float z, float tx, float ty, float tz,
                    float scale) {
    Font::Scaled = scale;
    OtocAPosun(angle, x, y, z, tx, ty, tz);
    Font::Scaled = 25.0f;
}

void Font_position(float x, float y, float z) {
    Font::matrix.position[0] = x;
    Font::matrix.position[1] = y;
    Font::matrix.position[2] = z;
    Font::counter = 0;
}

void glRasterPos3f(float x, float y, float z) { Font_position(x, y, z); }

namespace {

// The glyph of a character, -1 for a blank (a cell without a glyph), -2 for a character that
// takes no cell; small letters are shown as capitals.
int glyf_znaku(char znak) {
    unsigned char c = static_cast<unsigned char>(znak);
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
    const bool glyf = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
                      c == '.' || c == '(' || c == ')' || c == '+';
    if (glyf) return Return_Font(c);
    return c == ' ' ? -1 : -2;
}

// Walks the text's cells from cell `od`, calling kresli(glyph, cell) for each glyph; the cells
// used.
template <class F>
int prejdi_text(const char* text, int od, F kresli) {
    int n = 0;
    for (const char* p = text; *p; ++p) {
        const int g = glyf_znaku(*p);
        if (g >= 0) kresli(g, od + n);
        if (g != -2) ++n;
    }
    return n;
}

}  // namespace

void Write(const char* text, float x, float y, float z, float size) {
    if (!text) return;
    string_text = text;
    // The outlines of the whole print first, in the outline colour, then the glyphs in the text
    // colour; the depth keeps every glyph over every outline whatever the order.
    const S_override farba = aktualna_farba;
    const glm::vec3 pod = farba.zapnuty ? farba_obrysu(farba.r, farba.g, farba.b) : glm::vec3(0.0f);
    const auto umiestni = [&](int bunka, float hlbka) {
        OtocPosunScale(180, 0, 1, 0, x + static_cast<float>(bunka) * size, y, z + hlbka, size);
    };
    bool obrysy = false;
    prejdi_text(text, Font::counter, [&](int g, int bunka) {
        if (g > Font::LAST_FONT || !Font::font_loaded[g]) return;
        if (!obrysy) reColorShader(pod.r, pod.g, pod.b);
        obrysy = true;
        LockMatrix();
        umiestni(bunka, Z_OBRYSU);
        kresli_obrys(g);
        FreeMatrix();
    });
    if (obrysy) farba.zapnuty ? reColorShader(farba.r, farba.g, farba.b) : resetShader();
    Font::counter += prejdi_text(text, Font::counter, [&](int g, int bunka) {
        LockMatrix();
        umiestni(bunka, Z_PISMA);
        Draw_font(g);
        FreeMatrix();
    });
    if (!text_na_kreslenie.zbiera) vykresli_text();
}

void glPrint(const char* format, ...) {
    char text[256];
    if (!format) return;
    va_list ap;
    va_start(ap, format);
    // vsnprintf cuts longer output and always terminates within the 256 characters.
    const int n = std::vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    if (n < 0) return;
    if (IGNORE_PRINT) return;
    Write(text, Font::matrix.position[0], Font::matrix.position[1], Font::matrix.position[2],
          scalef);
}

void write_g(float x, float y, float z, const char* text, ...) {
    if (IGNORE_PRINT) return;
    glRasterPos3f(x, y, z);
    glPrint("%s", text ? text : "");
}

void write_c(float x, float y, float z, const char* text, ...) {
    if (IGNORE_PRINT) return;
    glRasterPos3f(x, y, z);
    glPrint("%s", text ? text : "");
}

void line(float& y, float d) { y += d; }

void write_line(float x, float& y, float z, float d) {
    (void)d;
    if (IGNORE_PRINT) return;
    y += scalef;
    write_g(x, y, z, "");
}
