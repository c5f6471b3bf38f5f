// GL helpers of the rendering tests.
#include "render_gl.h"

#include <GL/glew.h>
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "OpenGL3_3.h"

S_snimka precitaj_snimku() {
    S_snimka s;
    s.w = Window.X;
    s.h = Window.Y;
    s.rgb.assign(static_cast<std::size_t>(s.w) * s.h * 3, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, s.w, s.h, GL_RGB, GL_UNSIGNED_BYTE, s.rgb.data());
    return s;
}

void vymen_buffre() {
    glfwSwapBuffers(window);
    glfwPollEvents();
}

void gl_hotovo() { glFinish(); }

unsigned int gl_chyba() {
    unsigned int prva = glGetError();
    while (glGetError() != GL_NO_ERROR) {
    }
    return prva;
}

bool uloz_png(const S_snimka& s, const std::string& cesta) {
    const std::string ppm = cesta + ".ppm";
    std::FILE* f = std::fopen(ppm.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", s.w, s.h);
    for (int y = s.h - 1; y >= 0; --y) std::fwrite(s.px(0, y), 3, s.w, f);
    std::fclose(f);
    const std::string prikaz = "convert '" + ppm + "' '" + cesta + "' && rm -f '" + ppm + "'";
    return std::system(prikaz.c_str()) == 0;
}
