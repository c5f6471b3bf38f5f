// Key tables and the GLFW key mapping.
#include "Klavesnica.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "OpenGL3_3.h"

bool keys[256];
bool pressed[256];
bool hold[256];

static bool glfw_stav(int glfw_key) { return window && glfwGetKey(window, glfw_key) == GLFW_PRESS; }

bool (*klavesa_stlacena)(int glfw_key) = glfw_stav;

void glfwKey(int glfw_key, int code) {
    if (code < 0 || code > 255) return;
    keys[code] = klavesa_stlacena(glfw_key);
}

void glfwKeyMap() {
    for (int k = GLFW_KEY_A; k <= GLFW_KEY_Z; ++k) glfwKey(k, 'A' + (k - GLFW_KEY_A));
    for (int k = GLFW_KEY_0; k <= GLFW_KEY_9; ++k) glfwKey(k, '0' + (k - GLFW_KEY_0));
    glfwKey(GLFW_KEY_ESCAPE, 27);
    glfwKey(GLFW_KEY_SPACE, 32);
    glfwKey(GLFW_KEY_RIGHT, 39);
    glfwKey(GLFW_KEY_LEFT, 37);
    glfwKey(GLFW_KEY_UP, 38);
    glfwKey(GLFW_KEY_DOWN, 40);
    glfwKey(GLFW_KEY_F1, 112);
    glfwKey(GLFW_KEY_F11, 122);
}

void Free_Keys() {
    for (int k = 0; k < 256; ++k) {
        if (!keys[k]) pressed[k] = hold[k] = false;
    }
}
