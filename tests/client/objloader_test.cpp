// The OBJ/MTL loader on small files written into a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "objloader.h"

namespace fs = std::filesystem;

namespace {

class ObjLoader : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("varnhold_obj_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        folder_ = dir_.string() + "/";
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string zapis(const std::string& meno, const std::string& obsah) {
        std::ofstream(dir_ / meno, std::ios::binary) << obsah;
        return (dir_ / meno).string();
    }
    // The usual two-material MTL.
    void mtl(const std::string& meno = "m.mtl") {
        zapis(meno,
              "# from our generator\n# Material Count: 2\n\nnewmtl red\nNs 10\nKa 0 0 0\n"
              "Kd 1 0 0\nKs 0.5 0.5 0.5\nNi 1\nillum 2\n\nnewmtl blue\nKd 0 0 1\n");
    }

    // Loads and keeps the outputs; returns the loader's result and the console text.
    bool nacitaj(const std::string& obj, std::string* vystup = nullptr) {
        v.clear();
        f.clear();
        uv.clear();
        n.clear();
        box[0] = box[1] = box[2] = box[3] = box[4] = box[5] = 12345.0f;
        ::testing::internal::CaptureStdout();
        const bool ok =
            loadOBJ(folder_.c_str(), obj.c_str(), v, uv, n, f, box[0], box[1], box[2], box[3],
                    box[4], box[5]);
        const std::string text = ::testing::internal::GetCapturedStdout();
        if (vystup) *vystup = text;
        return ok;
    }

    fs::path dir_;
    std::string folder_;
    std::vector<glm::vec3> v, f, n;
    std::vector<glm::vec2> uv;
    float box[6];
};

const glm::vec3 CERVENA(1, 0, 0), MODRA(0, 0, 1), SIVA(OBJ_FARBA_BEZ_MATERIALU);

TEST_F(ObjLoader, FullFormFileGivesOneCornerPerVertexAndMaterialColours) {
    mtl();
    const std::string obj = zapis(
        "a.obj",
        "# comment\n# another\nmtllib m.mtl\no Body\nv 0 0 0\nv 1 0 0\nv 0 2 0\nv 0 0 -3\n"
        "v 9 9 9\nvt 0 0\nvt 1 0\nvn 0 1 0\nusemtl red\ns off\nf 1/1/1 2/2/1 3/1/1\n"
        "usemtl blue\ng part\nf 1/1/1 3/2/1 4/1/1\n");
    std::string log;
    ASSERT_TRUE(nacitaj(obj, &log));
    EXPECT_NE(log.find("Loading OBJ file " + obj), std::string::npos);
    ASSERT_EQ(v.size(), 6u);
    ASSERT_EQ(f.size(), 6u);
    EXPECT_EQ(v[1], glm::vec3(1, 0, 0));
    EXPECT_EQ(v[5], glm::vec3(0, 0, -3));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f[i], CERVENA);
    for (int i = 3; i < 6; ++i) EXPECT_EQ(f[i], MODRA);
    EXPECT_TRUE(uv.empty());
    EXPECT_TRUE(n.empty());
    // The box covers the position no face uses.
    EXPECT_FLOAT_EQ(box[0], 0);
    EXPECT_FLOAT_EQ(box[2], -3);
    EXPECT_FLOAT_EQ(box[3], 9);
    EXPECT_FLOAT_EQ(box[4], 9);
    EXPECT_FLOAT_EQ(box[5], 9);
}

TEST_F(ObjLoader, FaceFormsFollowTheLinesSinceTheLastObject) {
    // Without "mtllib" the first line ("o") goes to the header scan; faces without a material
    // take the neutral grey. "vn" only: v//vn. After the second "o" both flags reset: plain
    // indices. A quad keeps its first triangle.
    const std::string obj = zapis(
        "b.obj",
        "o First\nv 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n"
        "o Second\nf 2 4 3 1\nf 4 3 2\n");
    ASSERT_TRUE(nacitaj(obj));
    ASSERT_EQ(v.size(), 9u);
    EXPECT_EQ(v[0], glm::vec3(0, 0, 0));
    EXPECT_EQ(v[3], glm::vec3(1, 0, 0));
    EXPECT_EQ(v[5], glm::vec3(0, 1, 0));
    EXPECT_EQ(v[6], glm::vec3(1, 1, 0));
    for (const glm::vec3& c : f) EXPECT_EQ(c, SIVA);

    // The same v//vn face after a "vt" line no longer fits the expected v/vt/vn form.
    const std::string zly = zapis("b2.obj", "o t\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\n"
                                            "f 1//1 2//1 3//1\n");
    std::string log;
    EXPECT_FALSE(nacitaj(zly, &log));
    EXPECT_NE(log.find("line 7"), std::string::npos);
}

TEST_F(ObjLoader, EmptyAndMissingFiles) {
    ASSERT_TRUE(nacitaj(zapis("c.obj", "# nothing but a comment\n")));
    EXPECT_TRUE(v.empty());
    EXPECT_FLOAT_EQ(box[0], 100000);
    EXPECT_FLOAT_EQ(box[1], 100000);
    EXPECT_FLOAT_EQ(box[5], -100000);

    std::string log;
    const std::string chyba = folder_ + "none.obj";
    EXPECT_FALSE(nacitaj(chyba, &log));
    EXPECT_NE(log.find("Impossible to open the file " + chyba + " ! \n"), std::string::npos);
    EXPECT_FLOAT_EQ(box[0], 12345.0f);  // untouched on failure
}

TEST_F(ObjLoader, UnusableMaterialFileFailsOnlyWhenAMaterialIsUsed) {
    const std::string geometria = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    std::string log;
    // Missing MTL: geometry still loads without "usemtl".
    ASSERT_TRUE(nacitaj(zapis("d.obj", "mtllib gone.mtl\n" + geometria), &log));
    EXPECT_NE(log.find("Impossible to open the material file " + folder_ + "gone.mtl ! \n"),
              std::string::npos);
    EXPECT_EQ(v.size(), 3u);

    // Second line is not the count line, or the count is 0: MTL error, and "usemtl" then fails.
    for (const char* druhy : {"newmtl red\n", "# Material Count: 0\n"}) {
        zapis("bad.mtl", std::string("# header\n") + druhy + "Kd 1 0 0\n");
        EXPECT_FALSE(nacitaj(zapis("e.obj", "mtllib bad.mtl\nusemtl red\n" + geometria), &log));
        EXPECT_NE(log.find("MTL ERROR : Not declared the count of materials !!! \n"),
                  std::string::npos);
        EXPECT_NE(log.find("ERROR : using material with missing material file header !! \n"),
                  std::string::npos);
        EXPECT_TRUE(v.empty());
    }

    // A name the MTL does not have: reported, the face takes the grey.
    mtl();
    ASSERT_TRUE(nacitaj(zapis("g.obj", "mtllib m.mtl\nusemtl green\n" + geometria), &log));
    EXPECT_NE(log.find("using mtl :  green FALSE \n"), std::string::npos);
    EXPECT_EQ(f[0], SIVA);
}

TEST_F(ObjLoader, DamagedFilesFailWholeWithTheReason) {
    // Each file starts with an "o" line: without "mtllib" the header scan uses up the first line.
    const std::string tri = "o t\nv 0 0 0\nv 1 0 0\nv 0 1 0\n";
    struct Pripad {
        std::string obj;
        std::string dovod;
    };
    const std::vector<Pripad> pripady = {
        {tri + "f 0 1 2\n", "below 1"},
        {tri + "f 1 -2 3\n", "below 1"},
        {tri + "f 1 2 4\n", "index 4 beyond the 3 positions"},
        {"o t\nv 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", "truncated"},
        {tri + "v 1 2", "truncated"},
        {tri + "f 1 2\n", "fewer than three corners"},
        {"o t\nv 0 zero 0\n", "not a number"},
        {"o t\nv 0 1.5x 0\n", "not a number"},
        {tri + "f 1 two 3\n", "not in the form"},
        {"o t\nv 0 0 nan\n", "not a number"},
        {"o t\nvt 0\n", "truncated"},
    };
    for (const Pripad& p : pripady) {
        std::string log;
        EXPECT_FALSE(nacitaj(zapis("h.obj", p.obj), &log)) << p.obj;
        EXPECT_NE(log.find(p.dovod), std::string::npos) << p.obj << "\n" << log;
        EXPECT_TRUE(v.empty() && f.empty()) << p.obj;
        EXPECT_FLOAT_EQ(box[3], 12345.0f) << p.obj;
    }
}

TEST_F(ObjLoader, DamagedMaterialFilesNeverOverrunTheirRecords) {
    const std::string obj = "mtllib x.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl a\nf 1 2 3\n";
    const std::string dlhe(300, 'n');
    const std::vector<std::pair<std::string, std::string>> pripady = {
        {"newmtl " + dlhe + "\nKd 1 1 1\n", "longer than 255"},
        {"newmtl a\nKd 1 0 0\nnewmtl b\nKd 0 1 0\nnewmtl c\nKd 0 0 1\n",
         "more materials than the declared count 2"},
        {"Kd 1 0 0\nnewmtl a\n", "before any \"newmtl\""},
        {"newmtl a\nKd 1 0\n", "truncated"},
        {"newmtl a\nKd 1 0 0\nKd 0 1 0\n", "second \"Kd\""},
    };
    for (const auto& [telo, dovod] : pripady) {
        zapis("x.mtl", "# header\n# Material Count: 2\n" + telo);
        std::string log;
        EXPECT_FALSE(nacitaj(zapis("i.obj", obj), &log)) << telo;
        EXPECT_NE(log.find(dovod), std::string::npos) << telo << "\n" << log;
        EXPECT_TRUE(v.empty());
    }
    // A name of exactly 255 characters is a valid record.
    const std::string presne(255, 'k');
    zapis("x.mtl", "# header\n# Material Count: 1\nnewmtl " + presne + "\nKd 0 1 0\n");
    ASSERT_TRUE(nacitaj(zapis("j.obj", "mtllib x.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl " +
                                           presne + "\nf 1 2 3\n")));
    EXPECT_EQ(f[0], glm::vec3(0, 1, 0));
}

TEST_F(ObjLoader, RegistryHookCopiesIntoTheRecord) {
    mtl();
    const std::string obj =
        zapis("k.obj", "mtllib m.mtl\nv 0 0 0\nv 2 0 0\nv 0 5 0\nusemtl blue\nf 1 2 3\n");
    Strategy_library::S_graficky_objekt r{};
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(nacitaj_mesh_do_registra(folder_.c_str(), obj.c_str(), r));
    EXPECT_FALSE(nacitaj_mesh_do_registra(folder_.c_str(), (folder_ + "none.obj").c_str(), r));
    ::testing::internal::GetCapturedStdout();
    ASSERT_EQ(r.out_vertices.size(), 3);
    ASSERT_EQ(r.out_colors.size(), 3);
    EXPECT_EQ(r.out_vertices[1], glm::vec3(2, 0, 0));
    EXPECT_EQ(r.out_colors[2], MODRA);
    EXPECT_FLOAT_EQ(r.max_y, 5);
    EXPECT_FLOAT_EQ(r.min_x, 0);
    r.out_vertices.uvolni();
    r.out_colors.uvolni();
}

}  // namespace
