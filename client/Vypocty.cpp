// Geometry helpers.
#include "Vypocty.h"

#include <cmath>

#include "Camera.h"
#include "OpenGL3_3.h"

void prepocet_na_3D(float& x, float& y, float& z) {
    const float rx = Window.resX > 0 ? static_cast<float>(Window.resX) : 1.0f;
    const float ry = Window.resY > 0 ? static_cast<float>(Window.resY) : 1.0f;
    x = 2.0f * (x / rx - 0.5f) + Camera_x();
    y = 2.0f * (y / ry - 0.5f) + Camera_y();
    z = Camera_z();
}

void Rotacia_Bodu(float& x, float& y, float& z, float ax, float ay, float az) {
    // Ry first (degrees), then Rx and Rz (radians, opposite sense).
    const float b = ay * 0.017453292f;
    float x1 = std::cos(b) * x + std::sin(b) * z;
    float z1 = -std::sin(b) * x + std::cos(b) * z;
    float y1 = y;
    const float y2 = std::cos(ax) * y1 + std::sin(ax) * z1;
    const float z2 = -std::sin(ax) * y1 + std::cos(ax) * z1;
    const float x3 = std::cos(az) * x1 + std::sin(az) * y2;
    const float y3 = -std::sin(az) * x1 + std::cos(az) * y2;
    x = x3;
    y = y3;
    z = z2;
}

float vzdialenost(float x1, float y1, float z1, float x2, float y2, float z2) {
    const float dx = x1 - x2, dy = y1 - y2, dz = z1 - z2;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}
