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

// Rebuilds the camera basis and this frame's matrices from the camera.
void SettingMatrix();
// Uploads MVP to "MVP" of the scene program.
void SendMatrixToGLSL();
glm::mat4 getViewMatrix();
glm::mat4 getProjectionMatrix();
