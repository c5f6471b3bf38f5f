// The scene program and the GL boundary of the scene: building programs, buffers, uniform
// uploads and draw calls all happen here (and in the window and logo code), so the rest of the
// client — including the game's own glTranslatef/glColor3f replacements, which share their names
// with GL 1.1 entry points — never includes a GL header.
#pragma once

#include <glm/glm.hpp>

// Reads, echoes, compiles and links; returns the program even when a step failed.
unsigned int LoadShaders(const char* vertex_file_path, const char* fragment_file_path);

// Creates a static-draw array buffer holding `bajty` bytes of `data`.
unsigned int shader_vytvor_buffer(const void* data, long bajty);
// Deletes a buffer made by shader_vytvor_buffer.
void shader_zmaz_buffer(unsigned int buffer);
// Gives a buffer made by shader_vytvor_buffer new contents of `bajty` bytes (its old storage is
// let go, so a draw still reading it does not hold this up); no buffer is made.
void shader_nahraj_buffer(unsigned int buffer, const void* data, long bajty);
// Leaves out the triangles that face away from the camera (wound clockwise on screen) while on.
void shader_orezavaj_odvratene(bool zapni);
// Draws `vrcholy` vertices from a position buffer (attribute 0) and a colour buffer (attribute 1),
// three floats each, as triangles or (ciary) as lines.
void shader_kresli(unsigned int vertexbuffer, unsigned int colorbuffer, int vrcholy, bool ciary);
// Uploads a matrix to "MVP" of the scene program.
void shader_nastav_mvp(const glm::mat4& m);
// Sets "reColor" (the share of the colour, 0 for none) and "newColor" of the scene program.
void shader_nastav_override(float podiel, float r, float g, float b);

// The kept picture: the window's last frame as shown (resolved, one sample a pixel). A frame that
// repeats the one before is copied out of the window once and then only copied back in; the
// copy back gives each of the window's samples its pixel's colour, so the frame shows unchanged.
// Makes (or, at a new size, remakes) it; false when the driver cannot.
bool shader_priprav_obraz(int w, int h);
// Copies the window's back buffer into it; false on a GL error (a driver that will not copy).
bool shader_okno_do_obrazu();
// Copies it into the window's back buffer.
void shader_obraz_do_okna();
void shader_zmaz_obraz();
// Clears colour and depth of where the draws go.
void shader_vycisti();

// What the scene did to the GPU since the last reset: draw calls and buffers made and deleted.
struct S_gl_statistika {
    long kreslenia;
    long vytvorene_buffre;
    long zmazane_buffre;
};
extern S_gl_statistika gl_statistika;
