// Presentation start-up after the world is filled.
#include "INIT.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdio>

#include "Camera.h"
#include "Menu.h"
#include "Mouse.h"
#include "OpenGL3_3.h"
#include "Ovladanie.h"
#include "Strategy_library.h"
#include "Vypocty.h"
#include "shader.h"

int last_base_list = 0;

void Kontrolne_vypocty() {
    Window.resX = Window.X - 1;
    Window.resY = Window.Y - 1;
    if (GLFWmonitor* monitor = glfwGetPrimaryMonitor()) {
        if (const GLFWvidmode* mod = glfwGetVideoMode(monitor)) {
            Window.resX = mod->width - 1;
            Window.resY = mod->height - 1;
        }
    }
    std::printf("\nwidth x height [%d,%d] , resolution [%d,%d]\n", Window.X, Window.Y, Window.resX,
                Window.resY);
    std::printf("\n");
    const float rohy[4][2] = {{0, 0},
                              {static_cast<float>(Window.resX), 0},
                              {0, static_cast<float>(Window.resY)},
                              {static_cast<float>(Window.resX), static_cast<float>(Window.resY)}};
    for (const auto& roh : rohy) {
        float x = roh[0], y = roh[1], z = 0;
        std::printf("[%f,%f,%f] --> ", x, y, z);
        prepocet_na_3D(x, y, z);
        std::printf("[%f,%f,%f]\n", x, y, z);
    }
}

void Create_Call_graficky_objekt() {
    for (int i = 0; i < strategy.return_last_graficky_objekt(); ++i) {
        const auto& mesh = strategy.graficky_objekt[i];
        const unsigned int vb =
            shader_vytvor_buffer(mesh.out_vertices.data_, mesh.out_vertices.size() * 12L);
        const unsigned int cb =
            shader_vytvor_buffer(mesh.out_colors.data_, mesh.out_colors.size() * 12L);
        std::printf("%d OK \n", i);
        strategy.save_vertexBuffer(i, vb);
        strategy.save_colorBuffer(i, cb);
        strategy.uloz_graficky_objekt_base_list(i, last_base_list);
        ++last_base_list;
    }
}

void Zmaz_graficke_objekty() {
    for (int i = 0; i < strategy.return_last_graficky_objekt(); ++i) {
        shader_zmaz_buffer(strategy.graficky_objekt_vertex_buffer(i));
        shader_zmaz_buffer(strategy.graficky_objekt_color_buffer(i));
        strategy.save_vertexBuffer(i, 0);
        strategy.save_colorBuffer(i, 0);
    }
}

void INIT_function() {
    Kontrolne_vypocty();
    if (Exit) return;
    Nastav_Camera();
    Create_Call_graficky_objekt();
    Nastavenie_mys();
    Vytvor_Menu();
    Default_Ovladanie();
}
