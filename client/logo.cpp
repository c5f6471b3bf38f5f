// Logo images and their drawing.
#include "logo.h"

#include <GL/glew.h>

#include <cstdint>
#include <cstdio>
#include <glm/gtc/matrix_transform.hpp>

#include "shader.h"

unsigned int LogoPelworth = 0, LogoOrvek = 0;
unsigned int Text2DTextureID = 0, Text2DVertexBufferID = 0, Text2DUVBufferID = 0,
             Text2DShaderID = 0, Text2DUniformID = 0, TextMatrixID = 0;

static std::uint32_t cislo32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool nacitaj_bmp(const char* path, S_bmp& obrazok) {
    std::printf("Reading image %s\n", path);
    std::FILE* f = std::fopen(path, "rb");
    if (!f) {
        std::printf("%s sa nenasiel\n", path);
        return false;
    }
    unsigned char hlavicka[54];
    const bool hlavicka_ok = std::fread(hlavicka, 1, 54, f) == 54 && hlavicka[0] == 'B' &&
                             hlavicka[1] == 'M' && cislo32(hlavicka + 30) == 0 &&
                             (hlavicka[28] | (hlavicka[29] << 8)) == 24;
    // The declared size and dimensions must fit the bytes that really follow the header, so that
    // nothing beyond what was read ever reaches the texture upload.
    bool rozmery_ok = false;
    long long sirka = 0, vyska = 0, velkost = 0, potrebne = 0;
    if (hlavicka_ok) {
        sirka = static_cast<std::int32_t>(cislo32(hlavicka + 18));
        vyska = static_cast<std::int32_t>(cislo32(hlavicka + 22));
        velkost = cislo32(hlavicka + 34);
        const long long riadok = (sirka * 3 + 3) / 4 * 4;
        potrebne = riadok * vyska;
        if (velkost == 0) velkost = potrebne;
        std::fseek(f, 0, SEEK_END);
        const long long zvysok = std::ftell(f) - 54;
        std::fseek(f, 54, SEEK_SET);
        rozmery_ok = sirka > 0 && vyska > 0 && sirka <= 16384 && vyska <= 16384 &&
                     velkost >= potrebne && velkost <= zvysok;
    }
    if (!hlavicka_ok || !rozmery_ok) {
        std::printf("Not a correct BMP file\n");
        std::fclose(f);
        return false;
    }
    obrazok.sirka = static_cast<int>(sirka);
    obrazok.vyska = static_cast<int>(vyska);
    obrazok.data.assign(static_cast<std::size_t>(velkost), 0);
    const bool precitane =
        std::fread(obrazok.data.data(), 1, obrazok.data.size(), f) == obrazok.data.size();
    std::fclose(f);
    if (!precitane) {
        std::printf("Not a correct BMP file\n");
        return false;
    }
    return true;
}

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

void DrawLogo(float x, float y, float s) {
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

void DrawLogoPelworth(float x, float y, float size) {
    Text2DTextureID = LogoPelworth;
    DrawLogo(x, y, size);
}

void DrawLogoOrvek(float x, float y, float size) {
    Text2DTextureID = LogoOrvek;
    DrawLogo(x, y, size);
}
