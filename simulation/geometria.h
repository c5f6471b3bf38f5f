// Geometry shared by the world and the presentation: turning a point and the distance of two
// points. Movement turns a mesh's bounding corners with the first; headings, ranges and the
// controls use the second.
#pragma once

// Radians in one degree.
constexpr float STUPEN = 0.017453292f;

// Turns a point by ay degrees about the vertical axis, ax and az radians about x and z
// (Rz · Rx · Ry, the last two in the opposite sense).
void Rotacia_Bodu(float& x, float& y, float& z, float ax, float ay, float az);
// Euclidean distance of two points in space.
float vzdialenost(float x1, float y1, float z1, float x2, float y2, float z2);
