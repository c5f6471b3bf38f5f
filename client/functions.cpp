// Camera matrices and the matrix state of mesh placement.
#include "functions.h"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

#include "Camera.h"
#include "OpenGL3_3.h"
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
    Projection = glm::perspective(glm::radians(45.0f),
                                  static_cast<float>(Window.X) / static_cast<float>(Window.Y), 0.1f,
                                  100.0f);
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
