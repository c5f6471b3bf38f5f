// Point rotation and distance.
#include "geometria.h"

#include <cmath>

void Rotacia_Bodu(float& x, float& y, float& z, float ax, float ay, float az) {
    // Ry first (degrees), then Rx and Rz (radians, opposite sense).
    const float b = ay * STUPEN;
    const float x1 = std::cos(b) * x + std::sin(b) * z;
    const float z1 = -std::sin(b) * x + std::cos(b) * z;
    const float y1 = y;
    const float y2 = std::cos(ax) * y1 + std::sin(ax) * z1;
    const float z2 = -std::sin(ax) * y1 + std::cos(ax) * z1;
    x = std::cos(az) * x1 + std::sin(az) * y2;
    y = -std::sin(az) * x1 + std::cos(az) * y2;
    z = z2;
}

float vzdialenost(float x1, float y1, float z1, float x2, float y2, float z2) {
    const float dx = x1 - x2, dy = y1 - y2, dz = z1 - z2;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}
