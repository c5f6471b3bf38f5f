// The mesh loader: the subset of Wavefront OBJ with MTL materials that the game's models use.
// Every triangle corner comes out as one position and one colour (the diffuse colour of the
// material active for its face); texture coordinates and normals are read past and dropped.
#pragma once

#include <vector>

#include <glm/glm.hpp>

#include "Strategy_library.h"

// Colour of a face drawn while no material is active (before the first "usemtl", or after one
// that names no material of the file): a neutral mid grey, so such faces stay visible without
// pretending to be any material of the model.
inline constexpr float OBJ_FARBA_BEZ_MATERIALU = 0.5f;

// Loads `path`; `folder` (with its trailing slash) is put before the MTL name of its "mtllib"
// line. Appends to the four arrays only on success (only `out_vertices` and `out_colors` receive
// data) and writes the six bounding values, taken over every "v" line, only on success. A file
// that cannot be read safely (bad numbers, truncated lines, face indices out of range, an MTL
// that overruns its declared material count or a material name longer than 255 characters)
// prints the reason and fails as a whole; nothing partial is handed back.
bool loadOBJ(const char* folder, const char* path, std::vector<glm::vec3>& out_vertices,
             std::vector<glm::vec2>& out_uvs, std::vector<glm::vec3>& out_normals,
             std::vector<glm::vec3>& out_colors, float& min_x, float& min_y, float& min_z,
             float& max_x, float& max_y, float& max_z);

// The world's mesh hook: loads one file and copies it into a registry record (vertex and colour
// arrays and bounding box). The record is left as it was when the load fails.
bool nacitaj_mesh_do_registra(const char* folder, const char* path,
                              Strategy_library::S_graficky_objekt& ciel);
