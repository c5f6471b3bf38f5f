// Small drawing helpers of the scene: the red cross at the view centre, world line segments, and
// the old panel and outline helpers that this renderer keeps as no-ops (screen texts stand
// directly over the scene).
#pragma once

#include <glm/glm.hpp>

// The red cross at the view centre, 0.2 above it.
void Draw_vnutorna_mys();

// One segment in world coordinates in the current override colour, drawn with the frame's MVP
// from the two buffers of the segments, made once with the scene program (priprav_ciary) and
// freed with it (uvolni_ciary).
void LINE(float x1, float y1, float z1, float x2, float y2, float z2);
// The integer form draws nothing.
void LINE(int x1, int y1, int z1, int x2, int y2, int z2);

// The GL draw of one segment (six floats: both end points) with the given MVP; replaceable so
// the world pass can be checked without a GL context.
extern void (*kresli_ciaru)(const float body[6], const glm::mat4& mvp);
void kresli_ciaru_gl(const float body[6], const glm::mat4& mvp);
void priprav_ciary();
void uvolni_ciary();

// Helpers that draw nothing in this renderer; they take their arguments and return.
void Draw_build(int typ, float x, float y, float z, float rot);
void QUAD(int x1, int y1, int x2, int y2);
void QUAD(float x, float y, float z, float sirka, float vyska);
void QUAD(float x1, float y1, float z1, float x2, float y2, float z2);
void QUAD_LINES(int x1, int y1, int x2, int y2);
void QUAD_LINES(float x1, float y1, float z1, float x2, float y2, float z2);
void Collored_QUAD(float x1, float y1, float x2, float y2, float r, float g, float b);
