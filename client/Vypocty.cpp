// Screen-to-map conversion.
#include "Vypocty.h"

#include "Camera.h"
#include "OpenGL3_3.h"

void prepocet_na_3D(float& x, float& y, float& z) {
    const float rx = Window.resX > 0 ? static_cast<float>(Window.resX) : 1.0f;
    const float ry = Window.resY > 0 ? static_cast<float>(Window.resY) : 1.0f;
    x = 2.0f * (x / rx - 0.5f) + Camera_x();
    y = 2.0f * (y / ry - 0.5f) + Camera_y();
    z = Camera_z();
}
