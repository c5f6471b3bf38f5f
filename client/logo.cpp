// Logo images and their drawing.
#include "logo.h"

#include <GL/glew.h>

#include <cstdio>
#include <glm/gtc/matrix_transform.hpp>

#include "OpenGL3_3.h"
#include "shader.h"

unsigned int LogoPelworth = 0, LogoOrvek = 0;
unsigned int Text2DTextureID = 0, Text2DVertexBufferID = 0, Text2DUVBufferID = 0,
             Text2DShaderID = 0, Text2DUniformID = 0, TextMatrixID = 0;

unsigned int loadBMP_custom(const char* path) {
    S_bmp obrazok;
    if (!nacitaj_bmp(path, obrazok)) return 0;
    GLuint textura = 0;
    glGenTextures(1, &textura);
    glBindTexture(GL_TEXTURE_2D, textura);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);  // rows as stored, each padded to 4 bytes
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, obrazok.sirka, obrazok.vyska, 0, GL_BGR,
                 GL_UNSIGNED_BYTE, obrazok.data.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glGenerateMipmap(GL_TEXTURE_2D);
    return textura;
}

bool loadLogos() {
    LogoPelworth = loadBMP_custom("./obj/graf_obj/logo/logo.bmp");
    if (LogoPelworth != 0) LogoOrvek = loadBMP_custom("./obj/graf_obj/logo/Orvek.bmp");
    return LogoPelworth != 0 && LogoOrvek != 0;
}

bool initTexture() {
    if (!loadLogos()) return false;
    glGenBuffers(1, &Text2DVertexBufferID);
    glGenBuffers(1, &Text2DUVBufferID);
    Text2DShaderID = LoadShaders("LogoVertexShader.txt", "LogoFragmentShader.txt");
    Text2DUniformID = glGetUniformLocation(Text2DShaderID, "myTextureSampler");
    TextMatrixID = glGetUniformLocation(Text2DShaderID, "MVP");
    return true;
}

void cleanupText2D() {
    glDeleteBuffers(1, &Text2DVertexBufferID);
    glDeleteBuffers(1, &Text2DUVBufferID);
    // Both logo textures go, not only the one drawn last.
    glDeleteTextures(1, &LogoPelworth);
    glDeleteTextures(1, &LogoOrvek);
    glDeleteProgram(Text2DShaderID);
    Text2DVertexBufferID = Text2DUVBufferID = LogoPelworth = LogoOrvek = Text2DTextureID = 0;
    Text2DShaderID = 0;
}

namespace {

// The logos of the frame being gathered, and of the last frame.
struct S_logo {
    unsigned int textura;
    float x, y, s;
    bool operator==(const S_logo&) const = default;
};
S_zaznam<S_logo> loga;

void kresli_logo(float x, float y, float s) {
    // A square of side s around (x, y), moved once more by its lower-left offset, so the final
    // corners are (2x - s, 2y - s) and (2x, 2y) in normalised device coordinates.
    const float l = x - s / 2, d = y - s / 2, p = x + s / 2, h = y + s / 2;
    const glm::vec2 vrcholy[6] = {{l, d}, {p, d}, {p, h}, {l, d}, {p, h}, {l, h}};
    const glm::vec2 uv[6] = {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}};
    const glm::mat4 mvp = glm::translate(glm::mat4(1.0f), glm::vec3(x - s / 2, y - s / 2, 0));

    glBindBuffer(GL_ARRAY_BUFFER, Text2DVertexBufferID);
    glBufferData(GL_ARRAY_BUFFER, sizeof vrcholy, vrcholy, GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, Text2DUVBufferID);
    glBufferData(GL_ARRAY_BUFFER, sizeof uv, uv, GL_STATIC_DRAW);

    glUseProgram(Text2DShaderID);
    glUniformMatrix4fv(TextMatrixID, 1, GL_FALSE, &mvp[0][0]);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, Text2DTextureID);
    glUniform1i(Text2DUniformID, 0);

    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, Text2DVertexBufferID);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(1);
    glBindBuffer(GL_ARRAY_BUFFER, Text2DUVBufferID);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 0, nullptr);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glDisable(GL_BLEND);

    glDisableVertexAttribArray(0);
    glDisableVertexAttribArray(1);
}

}  // namespace

void DrawLogo(float x, float y, float s) {
    if (snimka_zbiera())
        loga.teraz.push_back({Text2DTextureID, x, y, s});
    else
        kresli_logo(x, y, s);
}

namespace {

void kresli_loga() {
    for (const S_logo& l : loga.teraz) {
        Text2DTextureID = l.textura;
        kresli_logo(l.x, l.y, l.s);
    }
}

}  // namespace

const S_vrstva_snimky vrstva_log = {[] { return loga.prazdny(); }, [] { return loga.ako_minule(); },
                                    kresli_loga, [] { loga.odloz(); }};

void DrawLogoPelworth(float x, float y, float size) {
    Text2DTextureID = LogoPelworth;
    DrawLogo(x, y, size);
}

void DrawLogoOrvek(float x, float y, float size) {
    Text2DTextureID = LogoOrvek;
    DrawLogo(x, y, size);
}
