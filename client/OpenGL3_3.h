// Program start, the frame loop and shutdown; the process-wide window globals.
#pragma once

#include <utility>
#include <vector>

struct GLFWwindow;

struct Swindow {
    int X, Y;
    int BIT;
    int resX, resY;
};

struct S_matrix {
    float direction[3];
    float right[3];
    float up[3];
    float position[3];
};

extern GLFWwindow* window;
extern Swindow Window;
extern bool Exit;
extern unsigned int programID;
extern unsigned int MatrixID;
extern unsigned int VertexArrayID;
extern S_matrix matrix;

// The whole program: start-up, frame loop, shutdown. 0 after a normal end, -1 on a failed start.
int spusti_hru();

// Start-up steps, in their order (also used by the rendering tests):
// GLFW, the full-screen window on the primary monitor, GLEW and the version lines; 0 or -1.
int Start_okna();
// GL state, the world (Set_all), the logos, INIT_function and the stopped clock; false when the
// logo images cannot be loaded.
bool InitGL();
// The scene program, the glyph font and the buffers of the world's batch and of the lines.
void Start_shaderov();
// Runs frames until Exit (each swap waits for the display's refresh), then prints the number of
// frames drawn and the median and 99th-percentile frame time.
void Hlavna_slucka();
// The frames and the median and 99th-percentile of frame times in ms (by rank: the smallest
// time that so large a share of the frames does not exceed); zeros for none.
struct S_casy_snimok {
    int pocet;
    float median_ms, p99_ms;
};
S_casy_snimok zhrn_casy_snimok(std::vector<float> casy);

// The frame's drawing: the scene, then the text layer (Write_to_out_screen), then its end.
void DrawScene();
// Begins a frame with the scene without the text layer: camera matrices, the logos over the
// menus, the world.
void Kresli_svet();
// A frame is gathered from Kresli_svet to dokonci_snimku: each layer keeps what it is asked to
// draw, and the frame's end clears and draws the layers in their order, or, when every layer
// gathered what it did for the frame before, copies the picture kept of that frame (a still
// scene costs a copy, not its fill; a frame with nothing to draw is only cleared).
struct S_vrstva_snimky {
    bool (*prazdna)();     // gathered nothing
    bool (*ako_minule)();  // gathered the same as for the last frame
    void (*kresli)();      // draws what it gathered
    void (*odloz)();       // keeps it as the last frame's and starts the next one empty
};
extern const S_vrstva_snimky vrstva_log, vrstva_ciar, vrstva_sveta, vrstva_textu;
// What a layer gathered for this frame (teraz) and for the last one (minule).
template <class T>
struct S_zaznam {
    std::vector<T> teraz, minule;
    bool prazdny() const { return teraz.empty(); }
    bool ako_minule() const { return teraz == minule; }
    // This frame's becomes the last one's; the arrays keep their room.
    void odloz() {
        std::swap(teraz, minule);
        teraz.clear();
    }
};
// True between a frame's beginning and its end: the layers gather instead of drawing.
bool snimka_zbiera();
// Ends the frame begun by Kresli_svet, drawing it into the window's back buffer; nothing when
// none was begun.
void dokonci_snimku();
void kill_and_clear();

// True once the window's context and the scene program exist: uniform uploads and buffers need
// both, and without them (as in the tests) colour and text calls keep only their own state.
bool scena_pripravena();

// Milliseconds since the process started (the step's clock).
float hodiny_od_startu();
