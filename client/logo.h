// The two menu logos: loading the BMP images, their program and buffers, drawing and release.
#pragma once

#include "bmp.h"

extern unsigned int LogoPelworth, LogoOrvek;
extern unsigned int Text2DTextureID, Text2DVertexBufferID, Text2DUVBufferID, Text2DShaderID,
    Text2DUniformID, TextMatrixID;

// Loads a BMP into a mipmapped texture; 0 on failure.
unsigned int loadBMP_custom(const char* path);
bool loadLogos();
bool initTexture();
void cleanupText2D();
void DrawLogo(float x, float y, float size);
void DrawLogoPelworth(float x, float y, float size);
void DrawLogoOrvek(float x, float y, float size);
