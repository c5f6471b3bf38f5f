// Program start, the frame loop and shutdown; the process-wide window globals.
#pragma once

struct GLFWwindow;

struct Swindow {
    int X, Y;
    int BIT;
    int resX, resY;
};

struct S_matrix {
    float direction[3];
    float right[3];
    float up[3];
    float position[3];
};

extern GLFWwindow* window;
extern Swindow Window;
extern bool Exit;
extern unsigned int programID;
extern unsigned int MatrixID;
extern unsigned int VertexArrayID;
extern S_matrix matrix;

// The whole program: start-up, frame loop, shutdown. 0 after a normal end, -1 on a failed start.
int spusti_hru();
bool InitGL();
void DrawScene();
void kill_and_clear();
