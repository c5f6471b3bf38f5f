// Text layout of the glyph font without a GL context: which glyphs a text draws and in which
// cells, how prints continue a line, the text size for a window, and IGNORE_PRINT.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Font3.h"
#include "OpenGL3_3.h"

namespace {

struct Glyf {
    std::string subor;  // file of the glyph drawn
    float x, y, sirka;  // where its origin lands (pixels) and where its +X unit lands from there
};
std::vector<Glyf> glyfy;

void zaznam(int i) {
    const glm::vec4 o = Font::Model * glm::vec4(0, 0, 0, 1),
                    k = Font::Model * glm::vec4(1, 0, 0, 1);
    glyfy.push_back({font[i].path.substr(font[i].path.rfind('/') + 1), o.x, o.y, k.x - o.x});
}

class FontText : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        Window.X = 1920, Window.Y = 1080;
        ::testing::internal::CaptureStdout();
        BuildFont();
        ::testing::internal::GetCapturedStdout();
    }
    void SetUp() override {
        for (int i = 0; i <= Font::LAST_FONT; ++i)
            Font::font_loaded[i] = true;  // with or without data
        kresli_glyf = zaznam;
        glyfy.clear();
        IGNORE_PRINT = false;
    }
    void TearDown() override { kresli_glyf = kresli_glyf_gl; }

    // The glyphs drawn (a one-letter file as its letter) and their cells counted from x = 100.
    static std::string znaky() {
        std::string s;
        for (const Glyf& g : glyfy)
            s += g.subor.size() == 5 ? g.subor.substr(0, 1) : "<" + g.subor + ">";
        return s;
    }
    static std::vector<int> bunky() {
        std::vector<int> v;
        for (const Glyf& g : glyfy) v.push_back(static_cast<int>((g.x - 100) / scalef + 0.5f));
        return v;
    }
};

TEST_F(FontText, GlyphSetIsBoundToItsFilesAndTextSizeFollowsTheWindow) {
    ASSERT_EQ(Font::LAST_FONT, 41);
    const std::string znaky = "QWERTZUIOPASDFGHJKLYXCVBNM0123456789.-+()/";
    const char* ine[] = {"DOT", "minus", "plus", "(", ")", "slash"};
    for (int i = 0; i < 42; ++i)  // loaded in this order, each bound to its character
        EXPECT_TRUE(
            font[i].path == "./Fonts/" + (i < 36 ? znaky.substr(i, 1) : ine[i - 36]) + ".obj" &&
            font[i].folder == "./Fonts/" && Return_Font(static_cast<unsigned char>(znaky[i])) == i)
            << i;
    EXPECT_EQ(Return_Font(300), 0);
    EXPECT_EQ(scalef, 19);  // 1080 / 50 = 21, 1920 / 100 = 19
    const glm::vec4 roh = Font::Projection * glm::vec4(1920, 1080, 0, 1);
    EXPECT_FLOAT_EQ(roh.x + roh.y, 2);  // the window's far corner is clip space's
    Window.X = 1280, Window.Y = 1024;
    ::testing::internal::CaptureStdout();
    BuildFont();  // building again starts from an empty table
    ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(scalef == 12 && Font::LAST_FONT == 41);
    Window.X = 1920, Window.Y = 1080, scalef = 19;
}

TEST_F(FontText, WalkDropsUnknownCharactersAndContinuesTheLine) {
    // Prints after one positioning continue one line; a new position starts over. A blank
    // takes a cell, a character without a glyph none; small letters show as capitals.
    glRasterPos3f(100, 200, 0);
    glPrint("%c%c", 'a', '1');
    glPrint(" b:\xe9\t");
    glRasterPos3f(100, 240, 0);
    glPrint("(%d)", -42);
    EXPECT_EQ(znaky(), "A1B(<minus.obj>42)");
    EXPECT_EQ(bunky(), (std::vector<int>{0, 1, 3, 0, 1, 2, 3, 4}));
    EXPECT_TRUE(glyfy[2].y == 200 && glyfy[3].y == 240);
    EXPECT_NEAR(glyfy[0].sirka, -scalef, 1e-3f);  // turned by 180 degrees, scaled to the cell

    glyfy.clear();  // long output is cut to 255 characters
    glPrint("%s", std::string(400, 'K').c_str());
    EXPECT_EQ(glyfy.size(), 255u);
    glyfy.clear();  // write_g and write_c print their text as it stands, never as a format
    write_g(100, 50, 0, "%s%n %d", 7);
    write_c(100, 50, 0, "%x/%p");
    EXPECT_EQ(znaky(), "SNDX<slash.obj>P");
}

TEST_F(FontText, IgnorePrintSilencesEveryTextCallAndWriteLineMovesUp) {
    glRasterPos3f(100, 10, 0);
    IGNORE_PRINT = true;
    glPrint("ABC");
    write_g(100, 10, 0, "DEF");
    float y = 10;
    write_line(100, y, 0, 5);
    EXPECT_TRUE(y == 10 && glyfy.empty());
    IGNORE_PRINT = false;
    glPrint("G");              // the line did not advance either
    write_line(100, y, 0, 5);  // up by scalef, the fourth argument unused, a new line
    glPrint("H");
    EXPECT_EQ(bunky(), (std::vector<int>{0, 0}));
    EXPECT_TRUE(glyfy.back().y == y && y == 10 + scalef);
}

TEST_F(FontText, TableRefusesThe257thGlyphAndUnloadedGlyphsDrawNothing) {
    int pridane = 0;
    while (Add_Font("./Fonts/", "./Fonts/extra.obj") != -1) ++pridane;
    EXPECT_EQ(pridane, 256 - 42);
    Font::LAST_FONT = 41;
    Font::font_loaded[Return_Font('A')] = false;
    glRasterPos3f(100, 0, 0);
    glPrint("ABA");
    EXPECT_EQ(bunky(), (std::vector<int>{1}));  // the missing glyph still takes its cell
    Draw_font(-1), Draw_font(300);
    EXPECT_EQ(glyfy.size(), 1u);
}

}  // namespace
