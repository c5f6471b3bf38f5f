// The glyph font: one small mesh per character, drawn through the scene program with an
// orthographic pixel projection (origin at the lower-left corner of the window). Text follows
// the old raster-position style: set a position, then print; prints continue on the same line
// until the position is set again. Upper-case letters, digits and . - + ( ) / exist; lower-case
// letters are shown in upper case, blanks take a cell, anything else is dropped without a cell.
// The text colour is the colour override in force (set it with the named colours first); every
// glyph stands on an outline of black or white (farba_obrysu) that keeps it apart from the scene.
//
// This header declares the game's own glRasterPos3f; a file that includes it must not include a
// GL header.
#pragma once

#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "OpenGL3_3.h"

namespace Font {

constexpr int MAX_FONTS_POSSIBLE = 256;
constexpr int FONT_MAP_SIZE = 256;
constexpr float PiOver180 = 0.0174532924f;

// Index of the last glyph added; -1 when none.
extern int LAST_FONT;
// Glyph index per character code; unmapped codes hold 0.
extern int font_map[FONT_MAP_SIZE + 1];
// Whether each glyph's mesh loaded.
extern bool font_loaded[MAX_FONTS_POSSIBLE];
// Text projection (window pixels), view (identity), per-glyph model and their product.
extern glm::mat4 Projection, View, Model, MVP;
// Copies kept by LockMatrix: Projection, MVP, View and the scene MVP.
extern glm::mat4 lock, lockMVP, lockView, lockWMVP;
// Only `position` is used: the current text position (x, y, z) in pixels.
extern S_matrix matrix;
// Cells already used on the current line since the position was set.
extern int counter;
// Glyph scale of the model matrix; 25 at rest.
extern float Scaled;

}  // namespace Font

// The glyph set in load order: the character and its file under ./Fonts/.
struct S_glyf {
    char znak;
    const char* subor;
};
inline constexpr S_glyf GLYFY[] = {
    {'Q', "Q.obj"}, {'W', "W.obj"},     {'E', "E.obj"},     {'R', "R.obj"},    {'T', "T.obj"},
    {'Z', "Z.obj"}, {'U', "U.obj"},     {'I', "I.obj"},     {'O', "O.obj"},    {'P', "P.obj"},
    {'A', "A.obj"}, {'S', "S.obj"},     {'D', "D.obj"},     {'F', "F.obj"},    {'G', "G.obj"},
    {'H', "H.obj"}, {'J', "J.obj"},     {'K', "K.obj"},     {'L', "L.obj"},    {'Y', "Y.obj"},
    {'X', "X.obj"}, {'C', "C.obj"},     {'V', "V.obj"},     {'B', "B.obj"},    {'N', "N.obj"},
    {'M', "M.obj"}, {'0', "0.obj"},     {'1', "1.obj"},     {'2', "2.obj"},    {'3', "3.obj"},
    {'4', "4.obj"}, {'5', "5.obj"},     {'6', "6.obj"},     {'7', "7.obj"},    {'8', "8.obj"},
    {'9', "9.obj"}, {'.', "DOT.obj"},   {'-', "minus.obj"}, {'+', "plus.obj"}, {'(', "(.obj"},
    {')', ").obj"}, {'/', "slash.obj"},
};

struct S_font {
    std::string path;    // OBJ file
    std::string folder;  // folder put before the MTL name
    std::vector<glm::vec3> vertices;
    std::vector<glm::vec2> uvs;
    std::vector<glm::vec3> normals;
    std::vector<glm::vec3> colors;
    // The outline drawn under the glyph: every block of the glyph grown by OBRYS on each side
    // (triangles).
    std::vector<glm::vec3> obrys;
};

// The width of a glyph's outline, in cells (one pixel at 12-pixel text). Glyphs stand in front of
// their outlines and both in front of everything else drawn (the logos lie at depth 0): a glyph at
// Z_PISMA, an outline at Z_OBRYSU, in the text projection's depth units.
inline constexpr float OBRYS = 1.0f / 12.0f;
inline constexpr float Z_PISMA = 0.5f, Z_OBRYSU = 0.25f;
// The outline colour of a text colour: white under the dark ones (gray, blue), black under the
// others, whichever stands further from it by luminance.
glm::vec3 farba_obrysu(float r, float g, float b);
// The outline of a glyph mesh: each triangle's bounding box grown by `o` on every side, as two
// triangles; the glyphs are made of upright blocks, so their outline is the union of these.
std::vector<glm::vec3> obrys_glyfu(const std::vector<glm::vec3>& glyf, float o);

extern S_font font[Font::MAX_FONTS_POSSIBLE];
// Text size in pixels: cell width and line height. 20 until BuildFont.
extern float scalef;
// The string being walked.
extern const char* string_text;
// While set, every text call does nothing (set around the world pass).
extern bool IGNORE_PRINT;

// Loads the glyph set, sets the pixel projection and scalef = min(Y / 50, X / 100) of the window.
void BuildFont();
// Registers and loads the 42 glyphs (starting from an empty table) with their outlines, and makes
// the text layer's two buffers when a window with the scene program exists.
void LoadFont();
// Appends a glyph record; its index, or -1 when the table is full.
int Add_Font(const char* folder, const char* path);
// font_map[c] = index; starts a new line.
void Bind_Font(int c, int index);
// The glyph index of character code c; 0 outside 0 … 255.
int Return_Font(int c);
// Loads glyph i's mesh (its bounding box is not kept).
bool LoadFontFromFile(int i);
// Deletes the text layer's buffers.
void KillFont();
// Draws glyph i (nothing for a glyph that did not load).
void Draw_font(int i);
// Draws one loaded glyph placed by Font::Model in the colour in force: its triangles join the
// text still to be drawn (below). Replaceable so text layout can be checked without a GL context
// (Font::Model holds the glyph's placement when it is called).
extern void (*kresli_glyf)(int i);
void kresli_glyf_gl(int i);
// The same for glyph i's outline (drawn in the outline colour before the glyphs of a print).
extern void (*kresli_obrys)(int i);
void kresli_obrys_gl(int i);
// Text is drawn in one call for many glyphs: every print goes out at its end, except while a
// text layer collects (between zacni_text and dokonci_text), whose prints go out together.
void zacni_text();
void dokonci_text();
// Save / restore the font matrices and the scene MVP.
void LockMatrix();
void FreeMatrix();
// Glyph placement: translate to (tx, ty, tz), turn by `angle` degrees about each axis flagged 1
// (y, then x, then z), scale by Font::Scaled; Font::MVP is the product.
void OtocAPosun(float angle, float x, float y, float z, float tx, float ty, float tz);
void OtocPosunScale(float angle, float x, float y, float z, float tx, float ty, float tz,
                    float scale);
// Sets the text position and starts a new line there.
void Font_position(float x, float y, float z);
// The game's own raster position: the same as Font_position.
void glRasterPos3f(float x, float y, float z);
// Draws `text` at (x, y, z) continuing the current line, `size` pixels per cell.
void Write(const char* text, float x, float y, float z, float size);
// printf-style text (cut to 255 characters) at the text position, size scalef.
void glPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Positions and prints `text` unchanged: it is never used as a format, and the further
// arguments are not substituted.
void write_g(float x, float y, float z, const char* text, ...);
void write_c(float x, float y, float z, const char* text, ...);
// y += d.
void line(float& y, float d);
// Moves the position one line (scalef pixels) up from y and prints nothing; `d` is not used.
void write_line(float x, float& y, float z, float d);
