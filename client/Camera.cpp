// Camera start pose and moves; each move updates the view centre.
#include "Camera.h"

#include <cmath>

#include "Mouse.h"

C_Camera Camera;

// With the fixed rotation (45, 0, 0) the camera looks at the tile `z` ahead of it.
static void obnov_stred() {
    moja_vnutorna_mys.x = Camera.Position.x;
    moja_vnutorna_mys.y = Camera.Position.y + Camera.Position.z;
}

void Nastav_Camera() {
    Camera.Position = {100.0f, 98.0f, 5.0f};
    Camera.Rotation = {45.0f, 0.0f, 0.0f};
    obnov_stred();
}

static void posun(float uhol) {
    const float r = uhol * 0.017453292f;
    Camera.Position.x -= std::sin(r) * 0.1f;
    Camera.Position.y -= std::cos(r) * 0.1f;
    if (Camera.Position.x < 0) Camera.Position.x = 0;
    if (Camera.Position.y < 0) Camera.Position.y = 0;
    obnov_stred();
}

void Camera_forward() { posun(180.0f); }
void Camera_backward() { posun(0.0f); }
void Camera_left() { posun(-90.0f); }
void Camera_right() { posun(90.0f); }

void Camera_zoom_in() {
    if (Camera.Position.z > 0 && Camera.Position.z <= 10) Camera.Position.z += 1;
}

void Camera_zoom_out() {
    if (Camera.Position.z >= 2) Camera.Position.z -= 1;
}

float Camera_x() { return Camera.Position.x; }
float Camera_y() { return Camera.Position.y; }
float Camera_z() { return Camera.Position.z; }
float Camera_r_x() { return Camera.Rotation.x; }
float Camera_r_y() { return Camera.Rotation.y; }
float Camera_r_z() { return Camera.Rotation.z; }
