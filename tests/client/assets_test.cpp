// Checks the committed data files against what the game needs: every model the game's table
// loads exists and loads with the game's own loader, every face in a colour of its material,
// footprints fit their tiles, glyphs sit in their cell the right way round, markers float clear
// of what they mark, and the logos are readable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Strategy_library.h"
#include "objloader.h"
#include "zaloha.h"

namespace {

const std::string kData = VARNHOLD_DATA_DIR;

struct Model {
    std::string error;  // empty when the game loads it and every face has its material's colour
    int materials = 0;  // distinct colours
    float lo[3] = {}, hi[3] = {};
    std::vector<double> xs, ys, zs;  // every triangle corner
};

Model load(const std::string& rel) {
    Model m;
    const std::string path = kData + "/" + rel, folder = path.substr(0, path.rfind('/') + 1);
    std::vector<glm::vec3> v, farby, n;
    std::vector<glm::vec2> uv;
    testing::internal::CaptureStdout();
    const bool ok = loadOBJ(folder.c_str(), path.c_str(), v, uv, n, farby, m.lo[0], m.lo[1],
                            m.lo[2], m.hi[0], m.hi[1], m.hi[2]);
    const std::string log = testing::internal::GetCapturedStdout();
    if (!ok || v.empty()) return m.error = "not loaded: " + log, m;
    std::set<std::vector<float>> rozne;
    for (const glm::vec3& f : farby) {
        if (f == glm::vec3(OBJ_FARBA_BEZ_MATERIALU))
            return m.error = "a face without its material: " + log, m;
        rozne.insert({f.x, f.y, f.z});
    }
    m.materials = static_cast<int>(rozne.size());
    for (const glm::vec3& p : v) m.xs.push_back(p.x), m.ys.push_back(p.y), m.zs.push_back(p.z);
    return m;
}

// Every model file the game's table loads, by its path from the data folder: the table is loaded
// through a hook that only records the paths, and the world is put back afterwards.
const std::vector<std::string>& game_models() {
    static std::vector<std::string> v;
    if (!v.empty()) return v;
    auto& S = strategy;
    Zalohy z(S.nacitaj_mesh, S.last_graficky_objekt, S.budova, S.podklad, S.vojna,
             S.vojenske_stroje, S.visual_pointer);
    S.nacitaj_mesh = [](const char*, const char* path, Strategy_library::S_graficky_objekt&) {
        v.push_back(std::string(path).substr(2));  // past "./"
        return false;
    };
    testing::internal::CaptureStdout();
    S.Nacitaj_graficke_objekty();
    testing::internal::GetCapturedStdout();
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());  // the goat keeper shares the tailor's file
    return v;
}

std::vector<std::string> glyph_files() {
    std::vector<std::string> v;
    for (char c = 'A'; c <= 'Z'; ++c) v.push_back(std::string(1, c));
    for (char c = '0'; c <= '9'; ++c) v.push_back(std::string(1, c));
    for (const char* f : {"DOT", "minus", "plus", "(", ")", "slash"}) v.push_back(f);
    for (std::string& f : v) f = "Fonts/" + f + ".obj";
    return v;
}

TEST(GameData, EveryModelOnDiskLoadsWithItsMaterials) {
    std::vector<std::string> wanted = game_models();
    for (const std::string& g : glyph_files()) wanted.push_back(g);
    for (const std::string& rel : wanted) EXPECT_EQ(load(rel).error, "") << rel;
    // Nothing else lies around: every OBJ under the data folder is one the game loads.
    size_t on_disk = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(kData))
        if (e.path().extension() == ".obj") {
            ++on_disk;
            std::string rel = std::filesystem::relative(e.path(), kData).generic_string();
            EXPECT_NE(std::find(wanted.begin(), wanted.end(), rel), wanted.end()) << rel;
        }
    EXPECT_EQ(on_disk, wanted.size());
}

TEST(GameData, BuildingsStandOnTheGroundWithinTheirFootprint) {
    for (const std::string& rel : game_models()) {
        if (rel.find("/buildings/") == std::string::npos) continue;
        Model m = load(rel);
        double half = rel.find("kasaren") != std::string::npos ? 3.5 : 0.5;
        EXPECT_GE(m.lo[1], -1e-4) << rel;
        for (int a : {0, 2})
            EXPECT_TRUE(m.lo[a] >= -half - 1e-4 && m.hi[a] <= half + 1e-4) << rel << a;
        EXPECT_GT(m.hi[0] - m.lo[0], half) << rel << " is far smaller than its footprint";
    }
    // Walkers are kept out of a barrier's bounding box, so barriers fill their whole tile.
    for (const char* f : {"drevena_veza", "kamenna_veza", "palisada", "drevena_brana"}) {
        Model m = load(std::string("obj/graf_obj/buildings/obrana/") + f + ".obj");
        for (int a : {0, 2})
            EXPECT_TRUE(std::abs(m.lo[a] + 0.5) < 1e-4 && std::abs(m.hi[a] - 0.5) < 1e-4) << f << a;
    }
    for (const char* f : {"trava", "trava_zima", "trava_jar", "trava_leto", "trava_jesen"}) {
        Model m = load(std::string("obj/graf_obj/podklad/") + f + ".obj");
        EXPECT_TRUE(std::abs(m.lo[0] + 0.5) < 1e-4 && std::abs(m.hi[2] - 0.5) < 1e-4) << f;
        EXPECT_TRUE(m.lo[1] >= 0 && m.hi[1] <= 0.005) << f << " pokes out of the ground";
    }
}

TEST(GameData, SoldiersFitTheirFormationAndMarkersFloatClear) {
    const std::string men = "obj/graf_obj/people/Men/Soldiers/";
    for (const char* f : {"SwordFighter/swordFighter", "Archer/Archer", "SpearFighter/spearFighter",
                          "SiegeWeaponsUsers/SiegeWeaponUser"}) {
        Model m = load(men + f + ".obj");
        EXPECT_LE(m.hi[0] - m.lo[0], 0.10) << f;  // neighbours stand 0.08 apart
        EXPECT_TRUE(m.hi[1] >= 0.12 && m.hi[1] <= 0.26) << f;
    }
    Model ram = load("obj/graf_obj/Stroje/baranidlo.obj");
    EXPECT_NEAR(ram.hi[2] - ram.lo[2], 0.8, 0.1);
    EXPECT_LT(ram.hi[0], 0.18);  // the crew walks in two files at +-0.18 beside it
    // Group markers also float over closed gates; tower markers above the wooden tower's top.
    Model gate = load("obj/graf_obj/buildings/obrana/drevena_brana.obj");
    Model tower = load("obj/graf_obj/buildings/obrana/drevena_veza.obj");
    for (const std::string& rel : game_models()) {
        if (rel.find("Vojenska_Skupina") != std::string::npos) {
            Model m = load(rel);
            double lowest_above_centre = 1e9;  // the selection ring lies on the ground
            for (size_t i = 0; i < m.ys.size(); ++i)
                if (std::abs(m.xs[i]) < 0.1 && std::abs(m.zs[i]) < 0.15)
                    lowest_above_centre = std::min(lowest_above_centre, m.ys[i]);
            EXPECT_GT(lowest_above_centre, gate.hi[1]) << rel;
        }
        EXPECT_TRUE(rel.find("/Veza/") == std::string::npos || load(rel).lo[1] > tower.hi[1])
            << rel;
    }
}

TEST(GameData, GlyphsSitMirroredInTheirCell) {
    for (const std::string& rel : glyph_files()) {
        Model m = load(rel);
        EXPECT_TRUE(m.lo[0] >= -1 && m.hi[0] <= 0 && m.lo[1] >= 0 && m.hi[1] <= 1) << rel;
        EXPECT_TRUE(m.lo[2] == 0 && m.hi[2] == 0 && m.materials <= 2) << rel;
    }
    // The half turn puts gx = -0.1 on the left: L's upright stroke must sit near -0.1 and its
    // foot run to the right (toward -0.9); a glyph authored unmirrored would read backwards.
    Model l = load("Fonts/L.obj");
    double top_left = -1, top_right = 0;
    for (size_t i = 0; i < l.xs.size(); ++i)
        if (l.ys[i] > 0.5)
            top_left = std::max(top_left, l.xs[i]), top_right = std::min(top_right, l.xs[i]);
    EXPECT_GT(top_right, -0.5);
    EXPECT_GT(top_left, -0.2);
    EXPECT_LT(l.lo[0], -0.7);
}

TEST(GameData, LogosAreSquareUncompressedBitmapsAndShadersDeclareWhatTheGameBinds) {
    for (const char* f : {"obj/graf_obj/logo/logo.bmp", "obj/graf_obj/logo/Orvek.bmp"}) {
        std::ifstream in(kData + "/" + f, std::ios::binary);
        std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
        ASSERT_GE(b.size(), 54u) << f;
        auto u32 = [&](size_t o) {
            return static_cast<std::uint32_t>(b[o] | b[o + 1] << 8 | b[o + 2] << 16 |
                                              static_cast<std::uint32_t>(b[o + 3]) << 24);
        };
        std::uint32_t w = u32(18), h = u32(22), row = (w * 3 + 3) / 4 * 4;
        EXPECT_TRUE(b[0] == 'B' && b[1] == 'M' && (b[28] | b[29] << 8) == 24 && u32(30) == 0) << f;
        EXPECT_TRUE(w == h && w >= 64u && u32(34) == row * h) << f;
        EXPECT_EQ(b.size(), 54 + static_cast<size_t>(row) * h) << f;
    }
    auto text = [](const char* f) {
        std::ifstream in(kData + "/" + f);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    std::string scene =
        text("SimpleVertexShader.vertexshader.txt") + text("SingleColor.fragmentshader.txt");
    for (const char* w : {"layout(location = 0) in vec3", "layout(location = 1) in vec3",
                          "uniform mat4 MVP", "uniform float reColor", "uniform vec3 newColor"})
        EXPECT_NE(scene.find(w), std::string::npos) << w;
    std::string logo = text("LogoVertexShader.txt") + text("LogoFragmentShader.txt");
    for (const char* w : {"layout(location = 0) in vec2", "layout(location = 1) in vec2",
                          "uniform mat4 MVP", "uniform sampler2D myTextureSampler"})
        EXPECT_NE(logo.find(w), std::string::npos) << w;
}

}  // namespace
