// The camera: position in map tiles (x, y) and height z, with a fixed rotation. Every move also
// moves the view centre, the game's pointer.
#pragma once

class C_Camera {
public:
    struct Trojica {
        float x, y, z;
    };
    Trojica Position;
    Trojica Rotation;
};

extern C_Camera Camera;

void Nastav_Camera();
void Camera_forward();
void Camera_backward();
void Camera_left();
void Camera_right();
void Camera_zoom_in();
void Camera_zoom_out();
float Camera_x();
float Camera_y();
float Camera_z();
float Camera_r_x();
float Camera_r_y();
float Camera_r_z();
