// The key tables: GLFW key states copied once per frame into 256 entries indexed by
// Windows virtual-key codes, with the marks that keep one press from firing twice.
#pragma once

extern bool keys[256];
extern bool pressed[256];
extern bool hold[256];

// Reads the state of one GLFW key into keys[code].
void glfwKey(int glfw_key, int code);
// Copies every mapped key: letters, digits, Esc, Space, the arrows, F1 and F11.
void glfwKeyMap();
// Clears the pressed and held marks of every key that is no longer down.
void Free_Keys();

// Where glfwKey reads a key state; the window's own query by default, replaceable in tests.
extern bool (*klavesa_stlacena)(int glfw_key);
