// Colour override uniforms and the named colours.
#include "Color.h"

#include "OpenGL3_3.h"
#include "shader.h"

S_override aktualna_farba = {false, 0, 0, 0, 0};

void tonuj(float podiel, float r, float g, float b) {
    aktualna_farba = {podiel > 0.0f, r, g, b, podiel};
    if (scena_pripravena()) shader_nastav_override(podiel, r, g, b);
}

void reColorShader(float r, float g, float b) { tonuj(1.0f, r, g, b); }

void resetShader() {
    aktualna_farba.zapnuty = false;
    aktualna_farba.podiel = 0.0f;
    if (scena_pripravena()) shader_nastav_override(0.0f, 0, 0, 0);
}

void glColor3f(float r, float g, float b) { reColorShader(r, g, b); }

void white() { glColor3f(1, 1, 1); }
void black() { glColor3f(0, 0, 0); }
void blue() { glColor3f(0, 0, 1); }
void green() { glColor3f(0, 1, 0); }
void red() { glColor3f(1, 0, 0); }
void yellow() { glColor3f(1, 1, 0); }
void lila() { glColor3f(1, 0, 1); }
void cyan() { glColor3f(0, 1, 1); }
void gray() { glColor3f(0.1f, 0.1f, 0.1f); }

void Color(int n) {
    if (n < 0 || n > 1330) return;
    glColor3f(static_cast<float>(n / 121) / 10.0f, static_cast<float>((n / 11) % 11) / 10.0f,
              static_cast<float>(n % 11) / 10.0f);
}
