// The memory baseline of the start-up test: an empty full-screen GLFW window with a 3.3 core
// context that only clears and swaps. Prints "ready" after its first frame.
#include <GL/glew.h>
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>

int main() {
    if (!glfwInit()) return 1;
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mod = glfwGetVideoMode(monitor);
    glfwWindowHint(GLFW_SAMPLES, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    GLFWwindow* w = glfwCreateWindow(mod->width, mod->height, "empty", monitor, nullptr);
    if (!w) return 1;
    glfwMakeContextCurrent(w);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) return 1;
    bool prvy = true;
    while (!glfwWindowShouldClose(w)) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glfwSwapBuffers(w);
        glfwPollEvents();
        if (prvy) {
            std::printf("ready\n");
            std::fflush(stdout);
            prvy = false;
        }
    }
    glfwTerminate();
    return 0;
}
