// The view-centre cross, world lines and the no-op helpers.
#include "Draw_3.h"

#include <algorithm>
#include <array>

#include "Color.h"
#include "Mouse.h"
#include "OpenGL3_3.h"
#include "functions.h"
#include "shader.h"

namespace {

// The buffers a segment goes out in: its end points, given again for each, and white per vertex
// (the override colour is what shows).
unsigned int ciara_vb = 0, ciara_cb = 0;

// A segment of the frame being gathered: its end points, matrix and override (share last).
struct S_ciara {
    std::array<float, 6> body;
    glm::mat4 mvp;
    glm::vec4 farba;
    bool operator==(const S_ciara&) const = default;
};
S_zaznam<S_ciara> ciary;

void kresli_ciaru_hned(const float body[6], const glm::mat4& mvp) {
    shader_nahraj_buffer(ciara_vb, body, sizeof(float) * 6);
    shader_nastav_mvp(mvp);
    shader_kresli(ciara_vb, ciara_cb, 2, true);
}

void kresli_ciary() {
    for (const S_ciara& c : ciary.teraz) {
        shader_nastav_override(c.farba.w, c.farba.r, c.farba.g, c.farba.b);
        kresli_ciaru_hned(c.body.data(), c.mvp);
    }
}

}  // namespace

void priprav_ciary() {
    static const float biela[6] = {1, 1, 1, 1, 1, 1};
    if (ciara_vb == 0) ciara_vb = shader_vytvor_buffer(nullptr, 0);
    if (ciara_cb == 0) ciara_cb = shader_vytvor_buffer(biela, sizeof biela);
}

void uvolni_ciary() {
    shader_zmaz_buffer(ciara_vb);
    shader_zmaz_buffer(ciara_cb);
    ciara_vb = ciara_cb = 0;
}

void kresli_ciaru_gl(const float body[6], const glm::mat4& mvp) {
    if (ciara_vb == 0) return;
    if (!snimka_zbiera()) return kresli_ciaru_hned(body, mvp);
    const S_override& f = aktualna_farba;
    S_ciara c{{}, mvp, f.zapnuty ? glm::vec4(f.r, f.g, f.b, f.podiel) : glm::vec4(0.0f)};
    std::copy(body, body + 6, c.body.begin());
    ciary.teraz.push_back(c);
}

const S_vrstva_snimky vrstva_ciar = {[] { return ciary.prazdny(); },
                                     [] { return ciary.ako_minule(); }, kresli_ciary,
                                     [] { ciary.odloz(); }};

void (*kresli_ciaru)(const float body[6], const glm::mat4& mvp) = kresli_ciaru_gl;

void LINE(float x1, float y1, float z1, float x2, float y2, float z2) {
    const float body[6] = {x1, y1, z1, x2, y2, z2};
    kresli_ciaru(body, MVP);
}

void LINE(int, int, int, int, int, int) {}

void Draw_vnutorna_mys() {
    const float x = moja_vnutorna_mys.x, y = moja_vnutorna_mys.y;
    const float h = moja_vnutorna_mys.z + 0.2f;
    red();
    LINE(x - 0.2f, h, y, x + 0.2f, h, y);
    LINE(x, h, y - 0.2f, x, h, y + 0.2f);
}

void Draw_build(int, float, float, float, float) {}
void QUAD(int, int, int, int) {}
void QUAD(float, float, float, float, float) {}
void QUAD(float, float, float, float, float, float) {}
void QUAD_LINES(int, int, int, int) {}
void QUAD_LINES(float, float, float, float, float, float) {}
void Collored_QUAD(float, float, float, float, float, float, float) {}
