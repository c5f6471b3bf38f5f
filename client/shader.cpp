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
