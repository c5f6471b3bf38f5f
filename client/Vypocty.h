// Small geometry helpers: screen-to-map conversion, and the point rotation and distance the
// world shares with the presentation.
#pragma once

#include "geometria.h"

// Screen pixel (x, y) to a map position around the camera; z becomes the camera height.
void prepocet_na_3D(float& x, float& y, float& z);
