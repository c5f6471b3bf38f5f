// The OBJ/MTL loader on small files written into a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "objloader.h"

namespace fs = std::filesystem;

namespace {

const glm::vec3 CERVENA(1, 0, 0), MODRA(0, 0, 1), SIVA(OBJ_FARBA_BEZ_MATERIALU);
const std::string TRI = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
const std::string MTL =
    "# ours\n# Material Count: 2\n\nnewmtl red\nNs 10\nKa 0 0 0\nKd 1 0 0\nKs 0.5 0.5 0.5\n"
    "Ni 1\nillum 2\n\nnewmtl blue\nKd 0 0 1\n";

class ObjLoader : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }

    std::string zapis(const std::string& meno, const std::string& obsah) {
        std::ofstream(dir_ / meno, std::ios::binary) << obsah;
        return (dir_ / meno).string();
    }
    // Loads into fresh outputs (the box pre-filled with 12345); the console text goes to `log`.
    bool nacitaj(const std::string& obj) {
        v.clear(), f.clear(), uv.clear(), n.clear();
        for (float& b : box) b = 12345.0f;
        ::testing::internal::CaptureStdout();
        const bool ok = loadOBJ(folder_.c_str(), obj.c_str(), v, uv, n, f, box[0], box[1], box[2],
                                box[3], box[4], box[5]);
        log = ::testing::internal::GetCapturedStdout();
        return ok;
    }
    bool hlasi(const std::string& s) const { return log.find(s) != std::string::npos; }

    const fs::path dir_ = fs::temp_directory_path() / ("varnhold_obj_" + std::to_string(getpid()));
    const std::string folder_ = dir_.string() + "/";
    std::string log;
    std::vector<glm::vec3> v, f, n;
    std::vector<glm::vec2> uv;
    float box[6];
};

TEST_F(ObjLoader, FullFormFileGivesOneCornerPerVertexAndMaterialColours) {
    zapis("m.mtl", MTL);
    const std::string obj = zapis(
        "a.obj",
        "# comment\n# another\nmtllib m.mtl\no Body\nv 0 0 0\nv 1 0 0\nv 0 2 0\nv 0 0 -3\nv 9 9 9\n"
        "vt 0 0\nvt 1 0\nvn 0 1 0\nusemtl red\ns off\nf 1/1/1 2/2/1 3/1/1\nusemtl blue\ng part\nf "
        "1/1/1 3/2/1 4/1/1\n");
    ASSERT_TRUE(nacitaj(obj));
    EXPECT_TRUE(hlasi("Loading OBJ file " + obj + "\n"));
    EXPECT_EQ(v, (std::vector<glm::vec3>{
                     {0, 0, 0}, {1, 0, 0}, {0, 2, 0}, {0, 0, 0}, {0, 2, 0}, {0, 0, -3}}));
    EXPECT_EQ(f, (std::vector<glm::vec3>{CERVENA, CERVENA, CERVENA, MODRA, MODRA, MODRA}));
    EXPECT_TRUE(uv.empty() && n.empty());
    EXPECT_EQ(std::vector<float>(box, box + 6),
              (std::vector<float>{0, 0, -3, 9, 9, 9}));  // unused v too
}

TEST_F(ObjLoader, FaceFormsFollowTheLinesSinceTheLastObjectAndQuadsKeepOneTriangle) {
    // Without "mtllib" the header scan uses up the first line ("o"); no material: grey.
    ASSERT_TRUE(nacitaj(zapis("b.obj", "o First\n" + TRI +
                                           "v 1 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n"
                                           "o Second\nf 2 4 3 1\nf 4 3 2\n")));
    ASSERT_EQ(v.size(), 9u);
    EXPECT_TRUE(v[3] == glm::vec3(1, 0, 0) && v[5] == glm::vec3(0, 1, 0) &&
                v[6] == glm::vec3(1, 1, 0));
    EXPECT_EQ(f, std::vector<glm::vec3>(9, SIVA));
    ASSERT_TRUE(nacitaj(zapis("c.obj", "# nothing\n")));  // no "v" line: the empty box
    EXPECT_TRUE(v.empty() && box[0] == 100000.0f && box[5] == -100000.0f);
    EXPECT_FALSE(nacitaj(folder_ + "none.obj"));
    EXPECT_TRUE(hlasi("Impossible to open the file " + folder_ + "none.obj ! \n"));
    EXPECT_EQ(box[0], 12345.0f);  // untouched on failure
}

TEST_F(ObjLoader, UnusableMaterialFileFailsOnlyWhenAMaterialIsUsed) {
    ASSERT_TRUE(nacitaj(zapis("d.obj", "mtllib gone.mtl\n" + TRI + "f 1 2 3\n")));
    EXPECT_TRUE(hlasi("Impossible to open the material file " + folder_ + "gone.mtl ! \n"));
    EXPECT_EQ(v.size(), 3u);
    // Second line not the count line, or a count of 0: MTL error, and "usemtl" then fails.
    for (const char* druhy : {"newmtl red\n", "# Material Count: 0\n"}) {
        zapis("bad.mtl", std::string("# header\n") + druhy + "Kd 1 0 0\n");
        EXPECT_FALSE(nacitaj(zapis("e.obj", "mtllib bad.mtl\nusemtl red\n" + TRI + "f 1 2 3\n")));
        EXPECT_TRUE(hlasi("MTL ERROR : Not declared the count of materials !!! \n")) << druhy;
        EXPECT_TRUE(hlasi("\nERROR : using material with missing material file header !! \n"));
        EXPECT_TRUE(v.empty());
    }
    zapis("m.mtl", MTL);  // a name the MTL lacks: reported, the face takes the grey
    ASSERT_TRUE(nacitaj(zapis("g.obj", "mtllib m.mtl\nusemtl green\n" + TRI + "f 1 2 3\n")));
    EXPECT_TRUE(hlasi("using mtl :  green FALSE \n"));
    EXPECT_EQ(f[0], SIVA);
}

TEST_F(ObjLoader, DamagedFilesFailWholeWithTheReason) {
    const std::string tri = "o t\n" + TRI;
    const std::vector<std::pair<std::string, std::string>> obj = {
        {tri + "f 0 1 2\n", "below 1"},
        {tri + "f 1 -2 3\n", "below 1"},
        {tri + "f 1 2 4\n", "index 4 beyond the 3 positions on line 5"},
        {"o t\nv 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", "truncated"},
        {tri + "v 1 2", "truncated"},
        {tri + "f 1 2\n", "fewer than three corners"},
        {"o t\nv 0 zero 0\n", "not a number"},
        {"o t\nv 0 1.5x 0\n", "not a number"},
        {"o t\nv 0 0 nan\n", "not a number"},
        {"o t\nvt 0\n", "truncated"},
        {tri + "f 1 two 3\n", "not in the form"},
        {tri + "vt 0 0\nvn 0 0 1\nf 1//1 2//1 3//1\n", "not in the form"},  // "vt" seen: v/vt/vn
    };
    for (const auto& [subor, dovod] : obj) {
        EXPECT_FALSE(nacitaj(zapis("h.obj", subor))) << subor;
        EXPECT_TRUE(hlasi(dovod)) << subor << "\n" << log;
        EXPECT_TRUE(v.empty() && f.empty() && box[3] == 12345.0f) << subor;
    }
    const std::vector<std::pair<std::string, std::string>> mtl = {
        {"newmtl " + std::string(256, 'n') + "\nKd 1 1 1\n", "longer than 255"},
        {"newmtl a\nKd 1 0 0\nnewmtl b\nKd 0 1 0\nnewmtl c\n",
         "more materials than the declared count 2"},
        {"Kd 1 0 0\nnewmtl a\n", "before any \"newmtl\""},
        {"newmtl a\nKd 1 0\n", "truncated"},
        {"newmtl a\nKd 1 0 0\nKd 0 1 0\n", "second \"Kd\""},
        {"newmtl " + std::string(255, 'a') + "\nKd 0 1 0\n", ""},  // the longest name that fits
    };
    for (const auto& [telo, dovod] : mtl) {
        zapis("x.mtl", "# header\n# Material Count: 2\n" + telo);
        const bool ok = nacitaj(zapis(
            "i.obj", "mtllib x.mtl\n" + TRI + "usemtl " + std::string(255, 'a') + "\nf 1 2 3\n"));
        EXPECT_EQ(ok, dovod.empty()) << telo;
        EXPECT_TRUE(hlasi(dovod)) << telo << "\n" << log;
        EXPECT_EQ(f.size(), ok ? 3u : 0u);
    }
    EXPECT_EQ(f[0], glm::vec3(0, 1, 0));
}

TEST_F(ObjLoader, RegistryHookReplacesTheRecordOnlyOnSuccess) {
    zapis("m.mtl", MTL);
    const std::string obj =
        zapis("k.obj", "mtllib m.mtl\nv 0 0 0\nv 2 0 0\nv 0 5 0\nusemtl blue\nf 1 2 3\n");
    Strategy_library::S_graficky_objekt r{};
    ::testing::internal::CaptureStdout();
    for (const std::string& p : {obj, obj, folder_ + "none.obj"})
        EXPECT_EQ(nacitaj_mesh_do_registra(folder_.c_str(), p.c_str(), r), p == obj);
    ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(r.out_vertices.size() == 3 && r.out_colors.size() == 3);
    EXPECT_TRUE(r.out_vertices[1] == glm::vec3(2, 0, 0) && r.out_colors[2] == MODRA &&
                r.max_y == 5.0f);
    r.out_vertices.uvolni(), r.out_colors.uvolni();
}

}  // namespace
