// Text layout of the glyph font without a GL context: which glyphs a text draws, in which cells,
// how prints continue a line, the text size for a window, and IGNORE_PRINT.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Font3.h"
#include "OpenGL3_3.h"

namespace {

struct Glyf {
    int index;
    float x, y;   // where the glyph's origin lands in window pixels
    float sirka;  // where the glyph's +X unit lands relative to its origin (turned and scaled)
};
std::vector<Glyf> glyfy;

void zaznam(int i) {
    const glm::vec4 o = Font::Model * glm::vec4(0, 0, 0, 1);
    const glm::vec4 k = Font::Model * glm::vec4(1, 0, 0, 1);
    glyfy.push_back({i, o.x, o.y, k.x - o.x});
}

std::string subor(int i) {
    const std::string& p = font[i].path;
    return p.substr(p.rfind('/') + 1);
}

class FontText : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        okno_ = Window;
        Window.X = 1920;
        Window.Y = 1080;
        ::testing::internal::CaptureStdout();
        BuildFont();
        ::testing::internal::GetCapturedStdout();
    }
    static void TearDownTestSuite() { Window = okno_; }

    void SetUp() override {
        // Draw every glyph, whether or not the data folder is at hand.
        for (int i = 0; i <= Font::LAST_FONT; ++i) Font::font_loaded[i] = true;
        kresli_glyf = zaznam;
        glyfy.clear();
        IGNORE_PRINT = false;
        scalef = 19;
    }
    void TearDown() override {
        kresli_glyf = kresli_glyf_gl;
        IGNORE_PRINT = false;
    }

    // The characters drawn and the cell of each, for a position set at x = 100.
    std::string znaky() const {
        std::string s;
        for (const Glyf& g : glyfy) {
            std::string f = subor(g.index);
            s += f.size() == 5 ? f.substr(0, 1) : "<" + f + ">";
        }
        return s;
    }
    std::vector<int> bunky(float x0 = 100, float velkost = 19) const {
        std::vector<int> v;
        for (const Glyf& g : glyfy) v.push_back(static_cast<int>((g.x - x0) / velkost + 0.5f));
        return v;
    }

    static Swindow okno_;
};
Swindow FontText::okno_;

TEST_F(FontText, GlyphSetIsBoundToItsFiles) {
    ASSERT_EQ(Font::LAST_FONT, 41);
    for (char c : std::string("QWERTZUIOPASDFGHJKLYXCVBNM0123456789"))
        EXPECT_EQ(subor(Return_Font(static_cast<unsigned char>(c))), std::string(1, c) + ".obj") << c;
    EXPECT_EQ(subor(Return_Font('.')), "DOT.obj");
    EXPECT_EQ(subor(Return_Font('-')), "minus.obj");
    EXPECT_EQ(subor(Return_Font('+')), "plus.obj");
    EXPECT_EQ(subor(Return_Font('(')), "(.obj");
    EXPECT_EQ(subor(Return_Font(')')), ").obj");
    EXPECT_EQ(subor(Return_Font('/')), "slash.obj");
    EXPECT_EQ(font[0].path, "./Fonts/Q.obj");
    EXPECT_EQ(font[0].folder, "./Fonts/");
    EXPECT_EQ(Return_Font(300), 0);
    EXPECT_EQ(Return_Font(-5), 0);
}

TEST_F(FontText, WalkDropsUnknownCharactersAndContinuesTheLine) {
    glRasterPos3f(100, 200, 0);
    glPrint("Ab1");
    EXPECT_EQ(znaky(), "AB1");
    EXPECT_EQ(bunky(), (std::vector<int>{0, 1, 2}));
    for (const Glyf& g : glyfy) EXPECT_FLOAT_EQ(g.y, 200);
    // Turned by 180 degrees about the vertical axis and scaled to the cell size.
    EXPECT_NEAR(glyfy[0].sirka, -19, 1e-3f);

    glyfy.clear();
    glRasterPos3f(100, 200, 0);
    glPrint("a b");
    EXPECT_EQ(znaky(), "AB");
    EXPECT_EQ(bunky(), (std::vector<int>{0, 2}));

    glyfy.clear();
    glRasterPos3f(100, 200, 0);
    glPrint("x:y");
    glPrint("%s", "\xe9z\t");  // a non-ASCII byte and a tab take no cell either
    EXPECT_EQ(znaky(), "XYZ");
    EXPECT_EQ(bunky(), (std::vector<int>{0, 1, 2}));

    // Two prints after one positioning continue one line; a new position starts over.
    glyfy.clear();
    glRasterPos3f(100, 200, 0);
    glPrint("%c%c", 'Q', 'W');
    glPrint("E");
    glRasterPos3f(100, 240, 0);
    glPrint("(%d)", -42);
    EXPECT_EQ(znaky(), "QWE(<minus.obj>42)");
    EXPECT_EQ(bunky(), (std::vector<int>{0, 1, 2, 0, 1, 2, 3, 4}));
    EXPECT_FLOAT_EQ(glyfy[3].y, 240);
}

TEST_F(FontText, LongTextIsCutAndPlainTextIsNeverAFormat) {
    glRasterPos3f(0, 0, 0);
    const std::string dlhy(400, 'K');
    glPrint("%s", dlhy.c_str());
    EXPECT_EQ(glyfy.size(), 255u);

    // write_g prints its text as it stands: "%s%n" is two dropped signs and the letters S, N.
    glyfy.clear();
    write_g(100, 50, 0, "%s%n %d", 7);
    EXPECT_EQ(znaky(), "SND");
    EXPECT_EQ(bunky(), (std::vector<int>{0, 1, 3}));
    glyfy.clear();
    write_c(100, 50, 0, "%x/%p");
    EXPECT_EQ(znaky(), "X<slash.obj>P");
}

TEST_F(FontText, IgnorePrintSilencesEveryTextCall) {
    glRasterPos3f(100, 10, 0);
    IGNORE_PRINT = true;
    glPrint("ABC");
    write_g(100, 10, 0, "DEF");
    float y = 10;
    write_line(100, y, 0, 5);
    EXPECT_FLOAT_EQ(y, 10);
    EXPECT_TRUE(glyfy.empty());
    IGNORE_PRINT = false;

    // The line did not advance either: the next print continues at cell 0.
    glPrint("G");
    EXPECT_EQ(bunky(), (std::vector<int>{0}));
    // write_line moves up by scalef, ignores its fourth argument, and starts a new line.
    write_line(100, y, 0, 5);
    EXPECT_FLOAT_EQ(y, 10 + scalef);
    glPrint("H");
    EXPECT_FLOAT_EQ(glyfy.back().y, 10 + scalef);
    EXPECT_EQ(bunky().back(), 0);
    line(y, 7);
    EXPECT_FLOAT_EQ(y, 17 + scalef);
}

TEST_F(FontText, TextSizeFollowsTheWindow) {
    Window.X = 1920;
    Window.Y = 1080;
    ::testing::internal::CaptureStdout();
    BuildFont();
    EXPECT_FLOAT_EQ(scalef, 19);
    // Pixel projection: the window's corners map to the corners of clip space.
    const glm::vec4 roh = Font::Projection * glm::vec4(1920, 1080, 0, 1);
    EXPECT_FLOAT_EQ(roh.x, 1);
    EXPECT_FLOAT_EQ(roh.y, 1);
    Window.X = 1280;
    Window.Y = 1024;
    BuildFont();
    ::testing::internal::GetCapturedStdout();
    EXPECT_FLOAT_EQ(scalef, 12);
    // Building again starts from an empty table.
    EXPECT_EQ(Font::LAST_FONT, 41);
    Window.X = 1920;
    Window.Y = 1080;
}

TEST_F(FontText, TableRefusesThe257thGlyphAndUnloadedGlyphsDrawNothing) {
    int pridane = 0;
    while (Add_Font("./Fonts/", "./Fonts/extra.obj") != -1) ++pridane;
    EXPECT_EQ(pridane, 256 - 42);
    EXPECT_EQ(Font::LAST_FONT, 255);
    EXPECT_EQ(Add_Font("./Fonts/", "./Fonts/extra.obj"), -1);
    Font::LAST_FONT = 41;

    Font::font_loaded[Return_Font('A')] = false;
    glRasterPos3f(100, 0, 0);
    glPrint("ABA");
    EXPECT_EQ(znaky(), "B");
    EXPECT_EQ(bunky(), (std::vector<int>{1}));  // the missing glyph still takes its cell
    Draw_font(-1);
    Draw_font(300);
    EXPECT_EQ(glyfy.size(), 1u);
}

}  // namespace
