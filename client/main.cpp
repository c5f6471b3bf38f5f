// The program's entry: everything happens in spusti_hru (OpenGL3_3.cpp).
#include "OpenGL3_3.h"

int main() { return spusti_hru(); }
