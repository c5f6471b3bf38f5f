// Shader programs and the scene's GL calls.
#include "shader.h"

#include <GL/glew.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "OpenGL3_3.h"
#include "Priecinok_dat.h"

S_gl_statistika gl_statistika = {0, 0, 0};

// Reads a source file line by line, echoing each line, as the start-up log shows it.
static std::string nacitaj_zdroj(const char* cesta) {
    std::string kod;
    std::ifstream subor(cesta);
    if (!subor.is_open()) {
        chyba_subor_dat(cesta);
        std::printf("I cannot open the file %s\n", cesta);
        return kod;
    }
    std::printf("%s is open \n", cesta);
    std::string riadok;
    while (std::getline(subor, riadok)) {
        kod += "\n" + riadok;
        std::printf("%s\n", riadok.c_str());
    }
    return kod;
}

// Prints the info log of a shader or a program (an empty line when there is none).
static void vypis_log(GLuint objekt, PFNGLGETSHADERIVPROC daj_dlzku,
                      PFNGLGETSHADERINFOLOGPROC daj_log) {
    GLint dlzka = 0;
    daj_dlzku(objekt, GL_INFO_LOG_LENGTH, &dlzka);
    std::vector<char> log(dlzka > 0 ? dlzka + 1 : 1, '\0');
    if (dlzka > 0) daj_log(objekt, dlzka, nullptr, log.data());
    std::printf("%s\n", log.data());
}

static void skompiluj(GLuint shader, const char* cesta, const std::string& kod) {
    std::printf("Compiling shader : %s\n", cesta);
    const char* text = kod.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    vypis_log(shader, glGetShaderiv, glGetShaderInfoLog);
}

unsigned int LoadShaders(const char* vertex_file_path, const char* fragment_file_path) {
    GLuint vertex = glCreateShader(GL_VERTEX_SHADER);
    GLuint fragment = glCreateShader(GL_FRAGMENT_SHADER);
    const std::string vertex_kod = nacitaj_zdroj(vertex_file_path);
    const std::string fragment_kod = nacitaj_zdroj(fragment_file_path);
    skompiluj(vertex, vertex_file_path, vertex_kod);
    skompiluj(fragment, fragment_file_path, fragment_kod);

    std::printf("Linking program\n");
    GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    vypis_log(program, glGetProgramiv, glGetProgramInfoLog);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return program;
}

unsigned int shader_vytvor_buffer(const void* data, long bajty) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, bajty, data, GL_STATIC_DRAW);
    ++gl_statistika.vytvorene_buffre;
    return buffer;
}

void shader_nahraj_buffer(unsigned int buffer, const void* data, long bajty) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, bajty, data, GL_STREAM_DRAW);
}

void shader_orezavaj_odvratene(bool zapni) {
    if (zapni)
        glEnable(GL_CULL_FACE);
    else
        glDisable(GL_CULL_FACE);
}

void shader_zmaz_buffer(unsigned int buffer) {
    if (buffer == 0) return;
    glDeleteBuffers(1, &buffer);
    ++gl_statistika.zmazane_buffre;
}

void shader_kresli(unsigned int vertexbuffer, unsigned int colorbuffer, int vrcholy, bool ciary) {
    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, vertexbuffer);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(1);
    glBindBuffer(GL_ARRAY_BUFFER, colorbuffer);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glDrawArrays(ciary ? GL_LINES : GL_TRIANGLES, 0, vrcholy);
    glDisableVertexAttribArray(0);
    glDisableVertexAttribArray(1);
    ++gl_statistika.kreslenia;
}

void shader_nastav_mvp(const glm::mat4& m) { glUniformMatrix4fv(MatrixID, 1, GL_FALSE, &m[0][0]); }

// Uniform locations of the scene program, looked up once per program.
static GLint recolor_miesto = -1, newcolor_miesto = -1;
static GLuint miesta_pre = 0;

void shader_nastav_override(float podiel, float r, float g, float b) {
    if (programID == 0) return;
    if (miesta_pre != programID) {
        recolor_miesto = glGetUniformLocation(programID, "reColor");
        newcolor_miesto = glGetUniformLocation(programID, "newColor");
        miesta_pre = programID;
    }
    glUseProgram(programID);
    glUniform1f(recolor_miesto, podiel);
    if (podiel > 0.0f) glUniform3f(newcolor_miesto, r, g, b);
}

// ---------------------------------------------------------------- the kept picture

namespace {

// The window's last frame as it is shown: the resolved colours, one sample a pixel.
struct S_obraz {
    GLuint fbo = 0, farba = 0;
    int w = 0, h = 0;
};
S_obraz obraz;

void skopiruj(GLuint z, GLuint do_) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, z);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, do_);
    glBlitFramebuffer(0, 0, obraz.w, obraz.h, 0, 0, obraz.w, obraz.h, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

}  // namespace

bool shader_priprav_obraz(int w, int h) {
    if (obraz.fbo != 0 && obraz.w == w && obraz.h == h) return true;
    shader_zmaz_obraz();
    // The colour format of the window's, as a copy out of a multisampled buffer asks.
    GLint alfa = 0;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_BACK_LEFT,
                                          GL_FRAMEBUFFER_ATTACHMENT_ALPHA_SIZE, &alfa);
    glGenFramebuffers(1, &obraz.fbo);
    glGenRenderbuffers(1, &obraz.farba);
    glBindRenderbuffer(GL_RENDERBUFFER, obraz.farba);
    glRenderbufferStorage(GL_RENDERBUFFER, alfa > 0 ? GL_RGBA8 : GL_RGB8, w, h);
    glBindFramebuffer(GL_FRAMEBUFFER, obraz.fbo);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, obraz.farba);
    const bool hotovy = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!hotovy) {
        shader_zmaz_obraz();
        return false;
    }
    obraz.w = w;
    obraz.h = h;
    return true;
}

bool shader_okno_do_obrazu() {
    if (obraz.fbo == 0) return false;
    skopiruj(0, obraz.fbo);
    return glGetError() == GL_NO_ERROR;
}

void shader_obraz_do_okna() {
    if (obraz.fbo != 0) skopiruj(obraz.fbo, 0);
}

void shader_zmaz_obraz() {
    if (obraz.fbo != 0) glDeleteFramebuffers(1, &obraz.fbo);
    if (obraz.farba != 0) glDeleteRenderbuffers(1, &obraz.farba);
    obraz = {};
}

void shader_vycisti() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
