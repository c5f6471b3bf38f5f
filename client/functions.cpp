// Camera matrices and the matrix state of mesh placement.
#include "functions.h"

#include <algorithm>
#include <cmath>
#include <glm/gtc/matrix_transform.hpp>
#include <vector>

#include "Camera.h"
#include "Color.h"
#include "OpenGL3_3.h"
#include "Strategy_library.h"
#include "shader.h"

glm::mat4 Projection(1.0f), View(1.0f), Model(1.0f), MVP(1.0f);
glm::mat4 ProjectionMatrix(1.0f), ViewMatrix(1.0f);
S_Matrix modelMatrix = {glm::mat4(1.0f), glm::mat4(1.0f), glm::mat4(1.0f), 0, 0, 0};

void SettingMatrix() {
    // The camera's rotation values go to the trigonometry as they are, as radians.
    const float a = -Camera_r_x();
    const float b = Camera_r_y();
    const glm::vec3 direction(std::cos(a) * std::sin(b), std::sin(a), std::cos(a) * std::cos(b));
    const glm::vec3 right(std::sin(b - 1.57f), 0.0f, std::cos(b - 1.57f));
    const glm::vec3 up = glm::cross(right, direction);
    Projection =
        glm::perspective(glm::radians(45.0f),
                         static_cast<float>(Window.X) / static_cast<float>(Window.Y), 0.1f, 100.0f);
    // The camera's y is the map's second axis and its z the height.
    const glm::vec3 position(Camera_x(), Camera_z(), Camera_y());
    View = glm::lookAt(position, position + direction, up);
    Model = glm::mat4(1.0f);
    MVP = Projection * View * Model;
    ProjectionMatrix = Projection;
    ViewMatrix = View;
    for (int i = 0; i < 3; ++i) {
        matrix.direction[i] = direction[i];
        matrix.right[i] = right[i];
        matrix.up[i] = up[i];
        matrix.position[i] = position[i];
    }
}

void SendMatrixToGLSL() { shader_nastav_mvp(MVP); }

glm::mat4 getViewMatrix() { return ViewMatrix; }
glm::mat4 getProjectionMatrix() { return ProjectionMatrix; }

// ---------------------------------------------------------------- the game's matrix calls

namespace {

constexpr float STUPEN = 0.017453292f;

}  // namespace

void glTranslatef(float x, float y, float z) {
    modelMatrix.TransllationMatrix = glm::translate(glm::mat4(1.0f), glm::vec3(x, y, z));
}

void glRotatef(float angle, float x, float y, float z) {
    if (x == 1) modelMatrix.rx = angle;
    if (y == 1) modelMatrix.ry = angle;
    if (z == 1) modelMatrix.rz = angle;
    modelMatrix.RotationMatrix =
        Ry(modelMatrix.ry * STUPEN) * Rx(modelMatrix.rx * STUPEN) * Rz(modelMatrix.rz * STUPEN);
}

void glLoadIdentity() {
    glRotatef(0, 1, 1, 1);
    glTranslatef(0, 0, 0);
    modelMatrix.ModelMatrix = glm::mat4(1.0f);
}

void glPushMatrix() { glLoadIdentity(); }

void glPopMatrix() { modelMatrix.rx = modelMatrix.ry = modelMatrix.rz = 0; }

void glCallList(int handle) {
    modelMatrix.ModelMatrix = modelMatrix.TransllationMatrix * modelMatrix.RotationMatrix;
    Kresli_graficky_objekt(handle);
}

namespace {

// One mesh of the world pass: what, where and in which colour override.
struct S_mesh_v_davke {
    int handle;
    glm::mat4 model;
    bool farba;
    glm::vec4 odtien;  // the override's colour and share

    bool operator==(const S_mesh_v_davke&) const = default;
};

// The meshes of the world pass not yet drawn, and the triangles of the pass drawn last: placed
// in the world and coloured as the override asked, in two buffers. A pass that places the same
// meshes as the one before (the camera aside, which the draw's matrix carries) draws those
// buffers again as they are. The arrays keep their room from frame to frame.
struct S_davka_sveta {
    S_zaznam<S_mesh_v_davke> meshe;               // `minule`: the meshes the buffers hold
    glm::mat4 kamera{1.0f}, kamera_minula{1.0f};  // the camera's projection and view
    std::vector<glm::vec3> body, farby;
    int vrcholy = 0;
    unsigned int vertexbuffer = 0, colorbuffer = 0;
};
S_davka_sveta davka_sveta;

// Puts the triangles of the meshes into the batch's buffers.
void nahraj_davku(S_davka_sveta& d) {
    d.body.clear();
    d.farby.clear();
    for (const S_mesh_v_davke& m : d.meshe.teraz) {
        const auto& mesh = strategy.graficky_objekt[m.handle];
        const int n = strategy.graficky_objekt_verteces_size(m.handle),
                  farieb = mesh.out_colors.size();
        for (int k = 0; k < n; ++k) {
            d.body.push_back(glm::vec3(m.model * glm::vec4(mesh.out_vertices[k], 1.0f)));
            const glm::vec3 vlastna = k < farieb ? mesh.out_colors[k] : glm::vec3(0.0f);
            d.farby.push_back(m.farba ? glm::mix(vlastna, glm::vec3(m.odtien), m.odtien.w)
                                      : vlastna);
        }
    }
    d.vrcholy = static_cast<int>(d.body.size());
    shader_nahraj_buffer(d.vertexbuffer, d.body.data(), static_cast<long>(d.body.size() * 12));
    shader_nahraj_buffer(d.colorbuffer, d.farby.data(), static_cast<long>(d.farby.size() * 12));
}

}  // namespace

void kresli_mesh_gl(int handle, const glm::mat4& model) {
    // A mesh never uploaded is not drawn.
    if (strategy.graficky_objekt_vertex_buffer(handle) == 0 ||
        strategy.graficky_objekt_verteces_size(handle) <= 0)
        return;
    const S_override& f = aktualna_farba;
    davka_sveta.meshe.teraz.push_back(
        {handle, model, f.zapnuty, glm::vec4(f.r, f.g, f.b, f.podiel)});
}

void (*kresli_mesh)(int handle, const glm::mat4& model) = kresli_mesh_gl;

void priprav_davku_sveta() {
    S_davka_sveta& d = davka_sveta;
    if (d.vertexbuffer == 0) d.vertexbuffer = shader_vytvor_buffer(nullptr, 0);
    if (d.colorbuffer == 0) d.colorbuffer = shader_vytvor_buffer(nullptr, 0);
}

void uvolni_davku_sveta() {
    S_davka_sveta& d = davka_sveta;
    shader_zmaz_buffer(d.vertexbuffer);
    shader_zmaz_buffer(d.colorbuffer);
    d.vertexbuffer = d.colorbuffer = 0;
    d.meshe.minule.clear();
}

namespace {

void kresli_davku_sveta() {
    S_davka_sveta& d = davka_sveta;
    if (d.meshe.prazdny() || d.vertexbuffer == 0) return;
    if (!d.meshe.ako_minule()) nahraj_davku(d);
    const S_override f = aktualna_farba;
    resetShader();
    shader_nastav_mvp(d.kamera);
    shader_orezavaj_odvratene(true);
    shader_kresli(d.vertexbuffer, d.colorbuffer, d.vrcholy, false);
    shader_orezavaj_odvratene(false);
    shader_nastav_mvp(MVP);
    if (f.zapnuty) tonuj(f.podiel, f.r, f.g, f.b);
}

void odloz_davku_sveta() {
    S_davka_sveta& d = davka_sveta;
    d.meshe.odloz();
    d.kamera_minula = d.kamera;
}

bool davka_prazdna() { return davka_sveta.meshe.prazdny(); }

bool davka_ako_minule() {
    const S_davka_sveta& d = davka_sveta;
    return d.meshe.ako_minule() && d.kamera == d.kamera_minula;
}

}  // namespace

void vykresli_davku_sveta() {
    davka_sveta.kamera = ProjectionMatrix * ViewMatrix;
    if (snimka_zbiera()) return;  // the frame's end draws it
    kresli_davku_sveta();
    odloz_davku_sveta();
}

const S_vrstva_snimky vrstva_sveta = {davka_prazdna, davka_ako_minule, kresli_davku_sveta,
                                      odloz_davku_sveta};

void Kresli_graficky_objekt(int handle, const S_odtien& odtien) {
    // The draw handle is the registry index (the upload hands them out in id order).
    if (handle < 0 || handle >= strategy.return_last_graficky_objekt()) return;
    if (odtien.podiel > 0.0f)
        tonuj(odtien.podiel, odtien.r, odtien.g, odtien.b);
    else
        resetShader();
    kresli_mesh(handle, modelMatrix.ModelMatrix);
    if (odtien.podiel > 0.0f) resetShader();
}

// Places one mesh found by `handle` and draws it.
static void umiestni(int handle, float x, float y, float z, float rx, float ry, float rz,
                     const S_odtien& odtien = {}) {
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(rx, 1, 0, 0);
    glRotatef(ry, 0, 1, 0);
    glRotatef(rz, 0, 0, 1);
    modelMatrix.ModelMatrix = modelMatrix.TransllationMatrix * modelMatrix.RotationMatrix;
    Kresli_graficky_objekt(handle, odtien);
    glPopMatrix();
}

void Call_graficky_objekt(int typ, float x, float y, float z, float rx, float ry, float rz,
                          const S_odtien& odtien) {
    umiestni(strategy.graficky_objekt_base_list(typ), x, y, z, rx, ry, rz, odtien);
}

float vyska_stavby(int percenta) {
    const float p = static_cast<float>(std::clamp(percenta, 0, 100)) / 100.0f;
    return 0.2f + 0.8f * p;
}

void Call_graficky_objekt_stavba(int mx, int my, float x, float y, float z, float ry,
                                 int percenta) {
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(ry, 0, 1, 0);
    modelMatrix.ModelMatrix =
        modelMatrix.TransllationMatrix * modelMatrix.RotationMatrix *
        glm::scale(glm::mat4(1.0f), glm::vec3(1.0f, vyska_stavby(percenta), 1.0f));
    Kresli_graficky_objekt(strategy.graficky_objekt_base_list(mx, my), ODTIEN_STAVBY);
    glPopMatrix();
}

void Call_graficky_objekt(int mx, int my, float x, float y, float z, float rx, float ry, float rz) {
    umiestni(strategy.graficky_objekt_base_list(mx, my), x, y, z, rx, ry, rz);
}

void Call_graficky_objekt_podklad(int p, float x, float y, float z, float rx, float ry, float rz) {
    umiestni(strategy.graficky_objekt_podklad_base_list(p), x, y, z, rx, ry, rz);
}

void Call_graficky_objekt_soldier(float x, float y, float z, float rx, float ry, float rz,
                                  int skupina, int clen) {
    umiestni(strategy.graficky_objekt_soldier_base_list(skupina, clen), x, y, z, rx, ry, rz);
}

void Call_graficky_objekt_stroj(float x, float y, float z, float rx, float ry, float rz,
                                int stroj) {
    umiestni(strategy.graficky_objekt_stroj_base_list(stroj), x, y, z, rx, ry, rz);
}

void Call_graficky_objekt_visualny_ukazovatel(float x, float y, float z, float rx, float ry,
                                              float rz, int vip) {
    umiestni(strategy.graficky_objekt_VIP_base_list(vip), x, y, z, rx, ry, rz);
}

void correct_rotation(float& angle) {
    angle = 180.0f - angle;
    if (!std::isfinite(angle)) {
        angle = 0.0f;
        return;
    }
    // Into 0 … 360 by whole turns; fmod keeps a wild value from looping.
    if (angle < 0.0f || angle > 360.0f) {
        angle = std::fmod(angle, 360.0f);
        if (angle < 0.0f) angle += 360.0f;
    }
}

glm::mat4 Rx(float t) {
    const float c = std::cos(t), s = std::sin(t);
    return glm::mat4(1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1);
}

glm::mat4 Ry(float t) {
    const float c = std::cos(t), s = std::sin(t);
    return glm::mat4(c, 0, s, 0, 0, 1, 0, 0, -s, 0, c, 0, 0, 0, 0, 1);
}

glm::mat4 Rz(float t) {
    const float c = std::cos(t), s = std::sin(t);
    return glm::mat4(c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
}
