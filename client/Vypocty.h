// Small geometry helpers: screen-to-map conversion, point rotation and distance.
#pragma once

// Screen pixel (x, y) to a map position around the camera; z becomes the camera height.
void prepocet_na_3D(float& x, float& y, float& z);
// Turns a point by ay degrees about the vertical axis, ax and az radians about x and z.
void Rotacia_Bodu(float& x, float& y, float& z, float ax, float ay, float az);
float vzdialenost(float x1, float y1, float z1, float x2, float y2, float z2);
