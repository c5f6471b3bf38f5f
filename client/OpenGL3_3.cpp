#include "OpenGL3_3.h"
GLFWwindow* window = nullptr;
Swindow Window = {1920, 1080, 0, 0, 0};
bool Exit = false;
unsigned int programID = 0;
unsigned int MatrixID = 0;
unsigned int VertexArrayID = 0;
S_matrix matrix;
int spusti_hru() { return 0; }
