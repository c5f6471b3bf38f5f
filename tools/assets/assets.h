// The asset generator's parts: each makes one family of the game's data files.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "geometry.h"

namespace assets {

// A mesh together with the folder (relative to the data root) it is written to.
struct Placed {
    std::string folder;
    Mesh mesh;
};

// Base colours shared by the models. Screen text lies over the town in pure colours, so the large
// surfaces (walls, roofs, fields, awnings) keep to middle, greyed tones: no pure white, red,
// magenta or blue over an area a word could cover.
namespace pal {
inline constexpr Rgb plaster{0.74, 0.69, 0.58};
inline constexpr Rgb timber{0.36, 0.24, 0.14};
inline constexpr Rgb wood{0.62, 0.45, 0.27};
inline constexpr Rgb planks{0.52, 0.36, 0.20};
inline constexpr Rgb thatch{0.66, 0.55, 0.32};
inline constexpr Rgb tiles{0.54, 0.33, 0.26};
inline constexpr Rgb slate{0.47, 0.50, 0.55};
inline constexpr Rgb shingle{0.46, 0.34, 0.26};
inline constexpr Rgb stone{0.57, 0.56, 0.53};
inline constexpr Rgb dark_stone{0.44, 0.43, 0.42};
inline constexpr Rgb brick{0.56, 0.34, 0.25};
inline constexpr Rgb dirt{0.55, 0.44, 0.30};
inline constexpr Rgb soil{0.40, 0.28, 0.17};
inline constexpr Rgb straw{0.76, 0.66, 0.36};
inline constexpr Rgb leaf{0.24, 0.50, 0.20};
inline constexpr Rgb pine{0.13, 0.36, 0.20};
inline constexpr Rgb water{0.22, 0.46, 0.74};
inline constexpr Rgb iron{0.30, 0.31, 0.34};
inline constexpr Rgb steel{0.82, 0.85, 0.90};
inline constexpr Rgb gold{0.93, 0.74, 0.22};
inline constexpr Rgb glass{0.18, 0.22, 0.30};
inline constexpr Rgb door{0.30, 0.19, 0.10};
inline constexpr Rgb fire{1.00, 0.55, 0.12};
inline constexpr Rgb red{0.64, 0.22, 0.18};
inline constexpr Rgb blue{0.24, 0.34, 0.62};
inline constexpr Rgb green{0.20, 0.52, 0.22};
inline constexpr Rgb purple{0.46, 0.28, 0.52};
inline constexpr Rgb skin{0.92, 0.72, 0.56};
inline constexpr Rgb white{0.82, 0.81, 0.77};
}  // namespace pal

std::vector<Placed> make_buildings();
std::vector<Placed> make_ground();
std::vector<Placed> make_units();  // soldiers and the ram
std::vector<Placed> make_markers();
std::vector<Placed> make_glyphs();

// 5 x 7 bitmap of a character of the game's glyph set (rows top to bottom, bit 4 = left column);
// nullptr for a character outside the set.
const unsigned char* glyph_bitmap(char c);

bool write_logos(const std::string& out_dir);
// The desktop icons, OUT_DIR/<n>x<n>/apps/varnhold.png for the sizes a desktop looks for.
bool write_icons(const std::string& out_dir);
bool write_png(const std::string& path, int width, int height,
               const std::vector<unsigned char>& rgba);
bool write_shaders(const std::string& out_dir);

}  // namespace assets
