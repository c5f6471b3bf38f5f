// The two menu logos: loading the BMP images, their program and buffers, drawing and release.
#pragma once

#include <cstddef>
#include <vector>

extern unsigned int LogoPelworth, LogoOrvek;
extern unsigned int Text2DTextureID, Text2DVertexBufferID, Text2DUVBufferID, Text2DShaderID,
    Text2DUniformID, TextMatrixID;

// A BMP image checked and read into memory: width, height and the pixel rows as stored.
struct S_bmp {
    int sirka, vyska;
    std::vector<unsigned char> data;
};
// Reads and checks an uncompressed 24-bit BMP (no GL). Prints the loader's messages and returns
// false for a missing or malformed file.
bool nacitaj_bmp(const char* path, S_bmp& obrazok);

// Loads a BMP into a mipmapped texture; 0 on failure.
unsigned int loadBMP_custom(const char* path);
bool loadLogos();
bool initTexture();
void cleanupText2D();
void DrawLogo(float x, float y, float size);
void DrawLogoPelworth(float x, float y, float size);
void DrawLogoOrvek(float x, float y, float size);
