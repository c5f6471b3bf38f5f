// GL helpers of the rendering tests.
#include "render_gl.h"

#include <GL/glew.h>
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "OpenGL3_3.h"

S_snimka precitaj_snimku(bool ako_sa_ukaze) {
    S_snimka s;
    s.w = Window.X;
    s.h = Window.Y;
    s.rgb.assign(static_cast<std::size_t>(s.w) * s.h * 3, 0);
    // As the swap shows it: the back buffer's samples resolved into one colour a pixel.
    static GLuint fbo = 0, farba = 0;
    if (ako_sa_ukaze && fbo == 0) {
        glGenFramebuffers(1, &fbo);
        glGenRenderbuffers(1, &farba);
        glBindRenderbuffer(GL_RENDERBUFFER, farba);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, s.w, s.h);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, farba);
    }
    if (ako_sa_ukaze) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo);
        glBlitFramebuffer(0, 0, s.w, s.h, 0, 0, s.w, s.h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    } else {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glReadBuffer(GL_BACK);
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, s.w, s.h, GL_RGB, GL_UNSIGNED_BYTE, s.rgb.data());
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
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
