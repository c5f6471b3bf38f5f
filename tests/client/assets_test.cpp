// Checks the committed data files against what the game's loaders need: every model the game
// loads exists and keeps to the OBJ/MTL subset, footprints fit their tiles, glyphs sit in their
// cell the right way round, markers float clear of what they mark, and the logos are readable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kData = VARNHOLD_DATA_DIR;

struct Model {
    std::string error;  // empty when the file keeps to the subset
    int materials = 0;
    size_t faces = 0;
    double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
    std::vector<double> xs, ys, zs;
};

// Reads a model the way the game's loader does and reports the first rule it breaks.
Model read_model(const std::string& path) {
    Model m;
    std::ifstream obj(path);
    if (!obj) return m.error = "cannot open " + path, m;
    std::string line, mtl;
    std::vector<std::string> body;
    while (std::getline(obj, line)) {
        std::istringstream s(line);
        std::string tok;
        if (!(s >> tok)) continue;
        if (mtl.empty() && body.empty()) {
            if (tok == "#") continue;
            if (tok != "mtllib" || !(s >> mtl)) return m.error = "first line is not mtllib", m;
            continue;
        }
        body.push_back(line);
    }
    std::ifstream mf(std::filesystem::path(path).parent_path() / mtl);
    if (!mf) return m.error = "missing material file " + mtl, m;
    std::getline(mf, line);
    std::getline(mf, line);
    int declared = 0;
    if (std::sscanf(line.c_str(), "# Material Count: %d", &declared) != 1 || declared < 1)
        return m.error = "no material count line", m;
    std::vector<std::string> names;
    std::vector<int> kd;
    while (std::getline(mf, line)) {
        std::istringstream s(line);
        std::string tok, name;
        if (!(s >> tok)) continue;
        if (tok == "newmtl" && s >> name) names.push_back(name), kd.push_back(0);
        if (tok == "Kd") {
            double r, g, b;
            if (names.empty() || !(s >> r >> g >> b) || r < 0 || r > 1 || g < 0 || g > 1 || b < 0 || b > 1)
                return m.error = "bad Kd line", m;
            ++kd.back();
        }
    }
    if (static_cast<int>(names.size()) != declared) return m.error = "material count differs from newmtl lines", m;
    for (int k : kd)
        if (k != 1) return m.error = "a material without exactly one Kd", m;
    m.materials = declared;
    int vertices = 0;
    bool material_set = false;
    for (const std::string& l : body) {
        std::istringstream s(l);
        std::string tok;
        s >> tok;
        if (tok == "v") {
            double p[3];
            if (!(s >> p[0] >> p[1] >> p[2])) return m.error = "short v line", m;
            ++vertices;
            for (int i = 0; i < 3; ++i) m.lo[i] = std::min(m.lo[i], p[i]), m.hi[i] = std::max(m.hi[i], p[i]);
            m.xs.push_back(p[0]), m.ys.push_back(p[1]), m.zs.push_back(p[2]);
        } else if (tok == "usemtl") {
            std::string name;
            s >> name;
            if (std::find(names.begin(), names.end(), name) == names.end()) return m.error = "unknown material " + name, m;
            material_set = true;
        } else if (tok == "f") {
            std::vector<std::string> corners;
            for (std::string c; s >> c;) corners.push_back(c);
            if (corners.size() != 3) return m.error = "face is not a triangle", m;
            for (const std::string& c : corners) {
                if (c.find('/') != std::string::npos) return m.error = "face with texture or normal index", m;
                int idx = std::stoi(c);
                if (idx < 1 || idx > vertices) return m.error = "face index out of range", m;
            }
            if (!material_set) return m.error = "face before any usemtl", m;
            ++m.faces;
        } else if (tok == "vt" || tok == "vn") {
            return m.error = "vt/vn lines are not used by the game", m;
        }
    }
    if (m.faces == 0) m.error = "no faces";
    return m;
}

// Every model file the game loads, by its path from the game's working directory.
std::vector<std::string> game_models() {
    std::vector<std::string> v;
    const std::string work = "obj/graf_obj/buildings/produkcia/", def = "obj/graf_obj/buildings/obrana/";
    v.push_back("obj/graf_obj/buildings/house/house.obj");
    for (const char* f : {"kamenik", "kovac_kopije", "kovac_lahke_brnenie", "kovac_mece", "kovac_tazke_brnenie",
                          "krajcir_kozenne_brnenie", "lovec", "mlyn", "pekaren", "rybar", "studna", "tehliaren",
                          "zberac_dreva", "zberac_hliny", "zberac_kamena", "zberac_rudy", "zbrojar_luk", "kosiar",
                          "farma", "cintorin", "kozusinar"})
        v.push_back(work + f + ".obj");
    for (const char* f : {"drevena_veza", "drevena_brana", "kamenna_veza", "palisada", "kasaren"})
        v.push_back(def + f + ".obj");
    v.push_back("obj/graf_obj/buildings/sklady/sklad.obj");
    v.push_back("obj/graf_obj/buildings/sklady/sypka.obj");
    for (const char* f : {"trava", "trava_zima", "trava_jar", "trava_leto", "trava_jesen"})
        v.push_back(std::string("obj/graf_obj/podklad/") + f + ".obj");
    const std::string men = "obj/graf_obj/people/Men/Soldiers/";
    v.push_back(men + "SwordFighter/swordFighter.obj");
    v.push_back(men + "Archer/Archer.obj");
    v.push_back(men + "SpearFighter/spearFighter.obj");
    v.push_back(men + "SiegeWeaponsUsers/SiegeWeaponUser.obj");
    v.push_back("obj/graf_obj/Stroje/baranidlo.obj");
    for (const char* f : {"vojenskaSkupinaMoja", "vojenskaSkupinaMojaAktivna", "vojenskaSkupinaMojaOznacena",
                          "vojenskaSkupinaCudziaAktivna"})
        v.push_back(std::string("obj/graf_obj/Visual_Pointers/Vojenska_Skupina/") + f + ".obj");
    for (const char* f : {"vezaMoja", "vezaMojaVojaci", "vezaMojaStriela", "vezaCudziaStriela"})
        v.push_back(std::string("obj/graf_obj/Visual_Pointers/Veza/") + f + ".obj");
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

Model load(const std::string& rel) { return read_model(kData + "/" + rel); }

TEST(GameData, EveryModelOnDiskKeepsToTheLoaderSubset) {
    std::vector<std::string> wanted = game_models();
    for (const std::string& g : glyph_files()) wanted.push_back(g);
    for (const std::string& rel : wanted) {
        Model m = load(rel);
        EXPECT_EQ(m.error, "") << rel;
    }
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
        EXPECT_GE(m.lo[0], -half - 1e-4) << rel;
        EXPECT_LE(m.hi[0], half + 1e-4) << rel;
        EXPECT_GE(m.lo[2], -half - 1e-4) << rel;
        EXPECT_LE(m.hi[2], half + 1e-4) << rel;
        EXPECT_GT(m.hi[0] - m.lo[0], half) << rel << " is far smaller than its footprint";
    }
    // Walkers are kept out of a barrier's bounding box, so barriers fill their whole tile.
    for (const char* f : {"drevena_veza", "kamenna_veza", "palisada", "drevena_brana"}) {
        Model m = load(std::string("obj/graf_obj/buildings/obrana/") + f + ".obj");
        EXPECT_NEAR(m.lo[0], -0.5, 1e-4) << f;
        EXPECT_NEAR(m.hi[0], 0.5, 1e-4) << f;
        EXPECT_NEAR(m.lo[2], -0.5, 1e-4) << f;
        EXPECT_NEAR(m.hi[2], 0.5, 1e-4) << f;
    }
    for (const char* f : {"trava", "trava_zima", "trava_jar", "trava_leto", "trava_jesen"}) {
        Model m = load(std::string("obj/graf_obj/podklad/") + f + ".obj");
        EXPECT_NEAR(m.lo[0], -0.5, 1e-4) << f;
        EXPECT_NEAR(m.hi[2], 0.5, 1e-4) << f;
        EXPECT_GE(m.lo[1], 0.0) << f;
        EXPECT_LE(m.hi[1], 0.005) << f << " pokes out of the ground";
    }
}

TEST(GameData, SoldiersFitTheirFormationAndMarkersFloatClear) {
    const std::string men = "obj/graf_obj/people/Men/Soldiers/";
    for (const char* f : {"SwordFighter/swordFighter", "Archer/Archer", "SpearFighter/spearFighter",
                          "SiegeWeaponsUsers/SiegeWeaponUser"}) {
        Model m = load(men + f + ".obj");
        EXPECT_LE(m.hi[0] - m.lo[0], 0.10) << f;  // neighbours stand 0.08 apart
        EXPECT_GE(m.hi[1], 0.12) << f;
        EXPECT_LE(m.hi[1], 0.26) << f;
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
                if (std::abs(m.xs[i]) < 0.1 && std::abs(m.zs[i]) < 0.15) lowest_above_centre = std::min(lowest_above_centre, m.ys[i]);
            EXPECT_GT(lowest_above_centre, gate.hi[1]) << rel;
        }
        if (rel.find("/Veza/") != std::string::npos) {
            EXPECT_GT(load(rel).lo[1], tower.hi[1]) << rel;
        }
    }
}

TEST(GameData, GlyphsSitMirroredInTheirCell) {
    for (const std::string& rel : glyph_files()) {
        Model m = load(rel);
        EXPECT_GE(m.lo[0], -1.0) << rel;
        EXPECT_LE(m.hi[0], 0.0) << rel;
        EXPECT_GE(m.lo[1], 0.0) << rel;
        EXPECT_LE(m.hi[1], 1.0) << rel;
        EXPECT_EQ(m.lo[2], 0.0) << rel;
        EXPECT_EQ(m.hi[2], 0.0) << rel;
        EXPECT_LE(m.materials, 2) << rel;
    }
    // The half turn puts gx = -0.1 on the left: L's upright stroke must sit near -0.1 and its
    // foot run to the right (toward -0.9); a glyph authored unmirrored would read backwards.
    Model l = load("Fonts/L.obj");
    double top_left = -1, top_right = 0;
    for (size_t i = 0; i < l.xs.size(); ++i)
        if (l.ys[i] > 0.5) top_left = std::max(top_left, l.xs[i]), top_right = std::min(top_right, l.xs[i]);
    EXPECT_GT(top_right, -0.5);
    EXPECT_GT(top_left, -0.2);
    EXPECT_LT(l.lo[0], -0.7);
}

TEST(GameData, LogosAreSquareUncompressedBitmapsAndShadersDeclareWhatTheGameBinds) {
    for (const char* f : {"obj/graf_obj/logo/logo.bmp", "obj/graf_obj/logo/Orvek.bmp"}) {
        std::ifstream in(kData + "/" + f, std::ios::binary);
        std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GE(b.size(), 54u) << f;
        auto u32 = [&](size_t o) {
            return static_cast<std::uint32_t>(b[o] | b[o + 1] << 8 | b[o + 2] << 16 | static_cast<std::uint32_t>(b[o + 3]) << 24);
        };
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(b[28] | b[29] << 8, 24) << f;
        EXPECT_EQ(u32(30), 0u) << f;
        std::uint32_t w = u32(18), h = u32(22), row = (w * 3 + 3) / 4 * 4;
        EXPECT_EQ(w, h) << f;
        EXPECT_GE(w, 64u) << f;
        EXPECT_EQ(u32(34), row * h) << f;
        EXPECT_EQ(b.size(), 54 + static_cast<size_t>(row) * h) << f;
    }
    auto text = [](const char* f) {
        std::ifstream in(kData + "/" + f);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    std::string scene = text("SimpleVertexShader.vertexshader.txt") + text("SingleColor.fragmentshader.txt");
    for (const char* w : {"layout(location = 0) in vec3", "layout(location = 1) in vec3", "uniform mat4 MVP",
                          "uniform float reColor", "uniform vec3 newColor"})
        EXPECT_NE(scene.find(w), std::string::npos) << w;
    std::string logo = text("LogoVertexShader.txt") + text("LogoFragmentShader.txt");
    for (const char* w : {"layout(location = 0) in vec2", "layout(location = 1) in vec2", "uniform mat4 MVP",
                          "uniform sampler2D myTextureSampler"})
        EXPECT_NE(logo.find(w), std::string::npos) << w;
}

}  // namespace
