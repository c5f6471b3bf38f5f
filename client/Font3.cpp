// The glyph font: loading the 42 glyphs, the pixel projection, and the text walk.
#include "Font3.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <glm/gtc/matrix_transform.hpp>

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

void nahraj_mvp(const glm::mat4& m) {
    if (scena_pripravena()) shader_nastav_mvp(m);
}

void uvolni_buffre(S_font& f) {
    shader_zmaz_buffer(f.vertexbuffer);
    shader_zmaz_buffer(f.colorbuffer);
    f.vertexbuffer = f.colorbuffer = 0;
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
    for (int i = 0; i <= Font::LAST_FONT; ++i) {
        Font::font_loaded[i] = LoadFontFromFile(i);
        std::printf("setting buffer for font %d : ", i);
        if (!Font::font_loaded[i]) {
            std::printf(" NOT LOADED !!!\n");
            continue;
        }
        S_font& f = font[i];
        if (scena_pripravena()) {
            f.vertexbuffer = shader_vytvor_buffer(f.vertices.data(),
                                                  static_cast<long>(f.vertices.size() * 12));
            f.colorbuffer =
                shader_vytvor_buffer(f.colors.data(), static_cast<long>(f.colors.size() * 12));
        }
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
    for (int i = 0; i <= Font::LAST_FONT && i < Font::MAX_FONTS_POSSIBLE; ++i) uvolni_buffre(font[i]);
}

void kresli_glyf_gl(int i) {
    const S_font& f = font[i];
    if (f.vertexbuffer == 0 || f.colorbuffer == 0 || f.vertices.empty()) return;
    shader_kresli(f.vertexbuffer, f.colorbuffer, static_cast<int>(f.vertices.size()), false);
}

void (*kresli_glyf)(int i) = kresli_glyf_gl;

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
    nahraj_mvp(MVP);
}

void OtocAPosun(float angle, float x, float y, float z, float tx, float ty, float tz) {
    Font::Model = glm::translate(glm::mat4(1.0f), glm::vec3(tx, ty, tz));
    const float t = angle * 0.017453292f;
    if (y == 1) Font::Model = Font::Model * Ry(t);
    if (x == 1) Font::Model = Font::Model * Rx(t);
    if (z == 1) Font::Model = Font::Model * Rz(t);
    Font::Model = glm::scale(Font::Model, glm::vec3(Font::Scaled));
    Font::MVP = Font::Projection * Font::View * Font::Model;
    nahraj_mvp(Font::MVP);
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

void Write(const char* text, float x, float y, float z, float size) {
    if (!text) return;
    string_text = text;
    int n = 0;
    for (const char* p = text; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
        const bool glyf = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
                          c == '-' || c == '.' || c == '(' || c == ')' || c == '+';
        if (glyf) {
            LockMatrix();
            OtocPosunScale(180, 0, 1, 0, x + static_cast<float>(n + Font::counter) * size, y, z,
                           size);
            Draw_font(Return_Font(c));
            FreeMatrix();
            ++n;
        } else if (c == ' ') {
            ++n;
        }
    }
    Font::counter += n;
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
