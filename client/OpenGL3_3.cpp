// Program start, the frame loop and shutdown.
#include "OpenGL3_3.h"

#include <GL/glew.h>
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Color.h"
#include "Draw_3.h"
#include "Draw_Map.h"
#include "Font3.h"
#include "Game.h"
#include "Hra_Ovladanie.h"
#include "INIT.h"
#include "Klavesnica.h"
#include "Menu.h"
#include "Ovladanie.h"
#include "Strategy_library.h"
#include "Ulozene_hry.h"
#include "Write_to_screen.h"
#include "functions.h"
#include "logo.h"
#include "objloader.h"
#include "shader.h"

GLFWwindow* window = nullptr;
Swindow Window = {1920, 1080, 0, 0, 0};
bool Exit = false;
unsigned int programID = 0;
unsigned int MatrixID = 0;
unsigned int VertexArrayID = 0;
S_matrix matrix;

// A monotonic clock counted from process start keeps the float milliseconds of the step exact to
// the millisecond for days of play (a count since boot would not be after some hours).
static const std::chrono::steady_clock::time_point zaciatok_procesu =
    std::chrono::steady_clock::now();

float hodiny_od_startu() {
    return std::chrono::duration<float, std::milli>(std::chrono::steady_clock::now() -
                                                    zaciatok_procesu)
        .count();
}

bool scena_pripravena() { return window != nullptr && programID != 0; }

static void otvor_koniec_hry() { EndGameInfoMenu.open(); }

// The window library's own account of what went wrong, on standard error.
static void hlas_chybu_glfw(int kod, const char* popis) {
    std::fprintf(stderr, "varnhold: GLFW error 0x%x: %s\n", static_cast<unsigned>(kod), popis);
}

// After the 3.3 core context was refused: which OpenGL the driver does offer, read from a hidden
// window with the library's default context, and what to do about it.
static void hlas_ponuknute_opengl() {
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* skuska = glfwCreateWindow(64, 64, "Varnhold", nullptr, nullptr);
    if (!skuska) {
        std::fprintf(stderr,
                     "varnhold: the display offers no OpenGL context at all; install the "
                     "graphics driver (Mesa's is libgl1-mesa-dri)\n");
        return;
    }
    glfwMakeContextCurrent(skuska);
    const bool uz_softverovo = std::getenv("LIBGL_ALWAYS_SOFTWARE") != nullptr;
    std::fprintf(
        stderr,
        "varnhold: the driver offers OpenGL %s (%s), the game needs 3.3 core profile; "
        "update the graphics driver%s\n",
        reinterpret_cast<const char*>(glGetString(GL_VERSION)),
        reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
        uz_softverovo ? "" : ", or try Mesa's software renderer: LIBGL_ALWAYS_SOFTWARE=1 varnhold");
    glfwMakeContextCurrent(nullptr);
    glfwDestroyWindow(skuska);
}

int Start_okna() {
    glfwSetErrorCallback(hlas_chybu_glfw);
    if (!glfwInit()) {
        std::fprintf(stderr, "Failed to initialize GLFW\n");
        std::fprintf(stderr, "varnhold: start the game from a graphical desktop session\n");
        return -1;
    }
    Window.X = 1920;
    Window.Y = 1080;
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (const GLFWvidmode* mod = monitor ? glfwGetVideoMode(monitor) : nullptr) {
        Window.X = mod->width;
        Window.Y = mod->height;
    }
    glfwWindowHint(GLFW_SAMPLES, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    window = glfwCreateWindow(Window.X, Window.Y, "Varnhold", monitor, nullptr);
    if (!window) {
        std::fprintf(stderr, "Failed to open GLFW window. %d x %d with OpenGl version %d.%d\n",
                     Window.X, Window.Y, 3, 3);
        hlas_ponuknute_opengl();
        glfwTerminate();
        return -1;
    }
    glfwMakeContextCurrent(window);
    // The swap waits for the display's refresh, so that menus and a paused game do not spin a core.
    glfwSwapInterval(1);
    glewExperimental = GL_TRUE;
    if (const GLenum chyba = glewInit(); chyba != GLEW_OK) {
        std::printf("GLEW FALSE\n");
        std::fprintf(stderr, "Failed to initialize GLEW\n");
        std::fprintf(stderr, "varnhold: GLEW: %s\n",
                     reinterpret_cast<const char*>(glewGetErrorString(chyba)));
        return -1;
    }
    glGetError();  // GLEW's probing leaves an error flag behind in a core context
    std::printf("GLEW OK\n");
    std::printf("GL VERSION: %s\n", reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    std::printf("GLSL VERSION: %s\n",
                reinterpret_cast<const char*>(glGetString(GL_SHADING_LANGUAGE_VERSION)));
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    return 0;
}

bool InitGL() {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glGenVertexArrays(1, &VertexArrayID);
    glBindVertexArray(VertexArrayID);
    matrix.position[0] = matrix.position[1] = matrix.position[2] = 0.0f;

    strategy.nacitaj_mesh = nacitaj_mesh_do_registra;
    game_hooks.hodiny_ms = hodiny_od_startu;
    game_hooks.otvor_koniec_hry = otvor_koniec_hry;
    game_hooks.klavesnica = Klavesnica_ovladanie;
    strategy.Set_all();

    if (!initTexture()) {
        std::printf("nepodarilo sa nacitat obrazky \n");
        return false;
    }
    INIT_function();
    Game.Stop();
    return true;
}

void Start_shaderov() {
    programID =
        LoadShaders("SimpleVertexShader.vertexshader.txt", "SingleColor.fragmentshader.txt");
    MatrixID = glGetUniformLocation(programID, "MVP");
    std::printf("starting setting buffers \n");
    std::printf("buffers setted\n");
    BuildFont();
    priprav_davku_sveta();
    priprav_ciary();
}

void DrawScene() {
    Kresli_svet();
    Write_to_out_screen();
    dokonci_snimku();
}

namespace {

// The frame being gathered, and whether the kept picture shows the last frame drawn.
struct S_stav_snimky {
    bool zbiera = false;
    bool obraz_platny = false;
    bool obraz_mozny = true;  // false once the driver would not copy the picture
    int w = 0, h = 0;         // the window's size at the last frame
};
S_stav_snimky stav_snimky;

const S_vrstva_snimky* const vrstvy[] = {&vrstva_log, &vrstva_ciar, &vrstva_sveta, &vrstva_textu};

void kresli_vrstvy() {
    shader_vycisti();
    for (const S_vrstva_snimky* v : vrstvy) v->kresli();
    // Back to the scene program with the frame's matrix and the colour in force.
    glUseProgram(programID);
    SendMatrixToGLSL();
    const S_override& f = aktualna_farba;
    shader_nastav_override(f.zapnuty ? f.podiel : 0.0f, f.r, f.g, f.b);
}

}  // namespace

bool snimka_zbiera() { return stav_snimky.zbiera; }

void dokonci_snimku() {
    S_stav_snimky& s = stav_snimky;
    if (!s.zbiera) return;
    s.zbiera = false;
    if (scena_pripravena()) {
        bool ako_minule = true, prazdna = true;
        for (const S_vrstva_snimky* v : vrstvy) {
            ako_minule = ako_minule && v->ako_minule();
            prazdna = prazdna && v->prazdna();
        }
        if (prazdna) ako_minule = false;
        int w = 0, h = 0;
        glfwGetFramebufferSize(window, &w, &h);
        if (w != s.w || h != s.h) s.obraz_platny = false;  // a picture of another size
        s.w = w;
        s.h = h;
        // A repeat is copied from the kept picture; the first repeat is drawn and then kept.
        if (ako_minule && s.obraz_platny) {
            shader_obraz_do_okna();
        } else {
            kresli_vrstvy();
            s.obraz_platny = ako_minule && s.obraz_mozny && shader_priprav_obraz(w, h) &&
                             shader_okno_do_obrazu();
            if (ako_minule && s.obraz_mozny && !s.obraz_platny) {
                s.obraz_mozny = false;
                std::fprintf(stderr,
                             "varnhold: the driver does not copy frames; every frame "
                             "is drawn whole\n");
            }
        }
    }
    for (const S_vrstva_snimky* v : vrstvy) v->odloz();
}

void Kresli_svet() {
    dokonci_snimku();  // a frame left unfinished is drawn before the next begins
    stav_snimky.zbiera = true;
    SettingMatrix();
    if (otvorene_menu() && !Ovladanie_Info_Window) {
        DrawLogoPelworth(0.0f, 0.0f, 1.0f);
        DrawLogoOrvek(0.5f, 0.0f, 1.0f);
    }
    glUseProgram(programID);
    SendMatrixToGLSL();
    Draw_points();
}

S_casy_snimok zhrn_casy_snimok(std::vector<float> casy) {
    if (casy.empty()) return {0, 0.0f, 0.0f};
    std::sort(casy.begin(), casy.end());
    const auto poradie = [&](double podiel) {
        const std::size_t k =
            static_cast<std::size_t>(std::ceil(podiel * static_cast<double>(casy.size())));
        return casy[k > 0 ? k - 1 : 0];
    };
    return {static_cast<int>(casy.size()), poradie(0.5), poradie(0.99)};
}

void Hlavna_slucka() {
    std::vector<float> casy;
    casy.reserve(1 << 16);
    auto predosla = std::chrono::steady_clock::now();
    do {
        DrawScene();
        glfwSwapBuffers(window);
        glfwPollEvents();
        glfwKeyMap();
        Hra_Bezi();
        Autoulozenie_po_kroku();
        Free_Keys();
        // Closing the window by the system counts as leaving the game.
        if (glfwWindowShouldClose(window)) Exit = true;
        const auto teraz = std::chrono::steady_clock::now();
        casy.push_back(std::chrono::duration<float, std::milli>(teraz - predosla).count());
        predosla = teraz;
    } while (!Exit);
    const S_casy_snimok c = zhrn_casy_snimok(std::move(casy));
    std::printf("snimky %d  median %.1f ms  99. percentil %.1f ms\n", c.pocet, c.median_ms,
                c.p99_ms);
}

void kill_and_clear() {
    KillFont();
    uvolni_davku_sveta();
    uvolni_ciary();
    shader_zmaz_obraz();
    stav_snimky = {};
    Zmaz_graficke_objekty();
    glDeleteProgram(programID);
    programID = 0;
    glDeleteVertexArrays(1, &VertexArrayID);
    VertexArrayID = 0;
    cleanupText2D();
    glfwTerminate();
    window = nullptr;
}

int spusti_hru() {
    if (Start_okna() != 0) return -1;
    if (!InitGL()) {
        std::printf("Inicializacia okna zlyhala\n");
        glfwTerminate();
        window = nullptr;
        return -1;
    }
    std::printf("Inicializacia OK\n");
    Start_shaderov();
    Hlavna_slucka();
    // A window closed in the middle of a game keeps it, as leaving by "Koniec Hry" does.
    if (Game.is_running() || Herne_Menu.is_active()) {
        std::string cesta, chyba;
        uloz_automaticky(cesta, chyba);
    }
    kill_and_clear();
    return 0;
}
