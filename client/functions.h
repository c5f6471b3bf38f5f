// The camera matrices, the game's own replacements for the fixed-function matrix calls, and the
// placement family that positions and draws one registry mesh.
#pragma once

#include <glm/glm.hpp>

struct S_Matrix {
    glm::mat4 RotationMatrix;
    glm::mat4 TransllationMatrix;
    glm::mat4 ModelMatrix;
    float rx, ry, rz;
};

extern glm::mat4 Projection, View, Model, MVP;
extern glm::mat4 ProjectionMatrix, ViewMatrix;
extern S_Matrix modelMatrix;

// The game's turns about x, y and z by t radians (each the transpose of glm::rotate about the
// same axis): the matrices of glRotatef and of glyph placement.
glm::mat4 Rx(float t);
glm::mat4 Ry(float t);
glm::mat4 Rz(float t);

// Rebuilds the camera basis and this frame's matrices from the camera.
void SettingMatrix();
// Uploads MVP to "MVP" of the scene program.
void SendMatrixToGLSL();
glm::mat4 getViewMatrix();
glm::mat4 getProjectionMatrix();

// ---------------------------------------------------------------- the game's matrix calls
// These are the game's own functions (C++ linkage) under the names of the old fixed-function
// calls; a file that defines or calls them must not include a GL header. There is no matrix
// stack: the state is `modelMatrix`, valid inside one placement call.

// TransllationMatrix = translation by (x, y, z).
void glTranslatef(float x, float y, float z);
// Stores the angle for each axis flagged with 1, then RotationMatrix = Ry * Rx * Rz.
void glRotatef(float angle, float x, float y, float z);
// All angles 0, no translation, ModelMatrix = identity.
void glLoadIdentity();
// Same as glLoadIdentity.
void glPushMatrix();
// Forgets the stored angles.
void glPopMatrix();
// ModelMatrix = TransllationMatrix * RotationMatrix, then draws registry mesh `handle`.
void glCallList(int handle);

// How a mesh is drawn over its own colours: tinted toward (r, g, b) by a share (0: as it is).
struct S_odtien {
    float podiel, r, g, b;
};
// A building being placed where the order would be refused; a building under construction.
inline constexpr S_odtien ODTIEN_ODMIETNUTIA = {0.55f, 1.0f, 0.0f, 0.0f};
inline constexpr S_odtien ODTIEN_STAVBY = {0.6f, 0.62f, 0.6f, 0.56f};

// Draws registry mesh `handle` (draw handle = mesh id) with its own vertex colours, tinted by
// `odtien`; -1 and handles of no loaded mesh are skipped.
void Kresli_graficky_objekt(int handle, const S_odtien& odtien = {});

// One mesh placed by its model matrix; replaceable so placement and the world pass can be
// checked without a GL context. The default adds the mesh's triangles, placed and in the colour
// override in force, to the world's batch, which vykresli_davku_sveta draws in one call with the
// camera's matrices at the end of the world pass (in a frame, the frame's end draws it); the
// batch's two buffers are made once (priprav_davku_sveta, with the scene program) and freed with it
// (uvolni_davku_sveta).
extern void (*kresli_mesh)(int handle, const glm::mat4& model);
void kresli_mesh_gl(int handle, const glm::mat4& model);
void vykresli_davku_sveta();
void priprav_davku_sveta();
void uvolni_davku_sveta();

// The placement family: position, turn (degrees about x, y, z) and draw one mesh, looked up by
// building type, by the building on map point (mx, my), by ground kind (current month), by
// group member (weapon), by siege machine kind, or by marker kind.
void Call_graficky_objekt(int typ, float x, float y, float z, float rx, float ry, float rz,
                          const S_odtien& odtien = {});
void Call_graficky_objekt(int mx, int my, float x, float y, float z, float rx, float ry, float rz);
void Call_graficky_objekt_podklad(int p, float x, float y, float z, float rx, float ry, float rz);
void Call_graficky_objekt_soldier(float x, float y, float z, float rx, float ry, float rz,
                                  int skupina, int clen);
void Call_graficky_objekt_stroj(float x, float y, float z, float rx, float ry, float rz, int stroj);
void Call_graficky_objekt_visualny_ukazovatel(float x, float y, float z, float rx, float ry,
                                              float rz, int vip);

// The building on map point (mx, my) while it is built (or repaired) to `percenta`: greyed, and
// risen from the ground to that share of its height (a fifth of it at the start).
void Call_graficky_objekt_stavba(int mx, int my, float x, float y, float z, float ry, int percenta);
// The height share a site of `percenta` is drawn with.
float vyska_stavby(int percenta);

// People and machines face the other way from their stored heading: angle = 180 - angle, kept
// within 0 … 360.
void correct_rotation(float& angle);
