// The presentation's spine without a GL context: key tables, menus, camera and view centre,
// the step clock, geometry helpers and the logo image checks.
#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <set>
#include <tuple>
#include <vector>

#include "../potichu.h"
#include "Camera.h"
#include "Hra_Ovladanie.h"
#include "Klavesnica.h"
#include "Menu.h"
#include "Mouse.h"
#include "OpenGL3_3.h"
#include "Vypocty.h"
#include "logo.h"

namespace {

std::set<int> drzane;

TEST(KeyTables, MapsGlfwKeysToVirtualKeyCodesAndReleasesMarks) {
    klavesa_stlacena = [](int k) { return drzane.count(k) > 0; };
    drzane = {GLFW_KEY_A,    GLFW_KEY_9,  GLFW_KEY_ESCAPE, GLFW_KEY_SPACE, GLFW_KEY_LEFT,
              GLFW_KEY_DOWN, GLFW_KEY_F1, GLFW_KEY_F11,    GLFW_KEY_F2};
    glfwKeyMap();
    for (int code : {65, 57, 27, 32, 37, 40, 112, 122}) EXPECT_TRUE(keys[code]) << code;
    EXPECT_FALSE(keys[66] || keys[113]);  // F2 is not read

    pressed[65] = hold[65] = true;
    pressed[66] = hold[66] = true;
    drzane = {GLFW_KEY_A};
    glfwKeyMap();
    Free_Keys();
    EXPECT_TRUE(pressed[65] && hold[65]);  // still down: keeps its marks
    EXPECT_FALSE(pressed[66] || hold[66]);
    drzane.clear();
    glfwKeyMap();
    Free_Keys();
    EXPECT_FALSE(pressed[65] || hold[65]);
}

using Menus = TichaKonzola;  // a menu prints each button it adds

TEST_F(Menus, RefusesA21stButtonAndOutOfRangeIndices) {
    C_Menu m;
    m.RESET_MENU();
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(m.add_button("x"));
    EXPECT_FALSE(m.add_button("too many"));
    EXPECT_EQ(m.return_count_of_buttons(), 20);
    for (int i : {20, -1}) EXPECT_STREQ(m.return_Button_Text(i), "--") << i;
    EXPECT_FALSE(m.is_Button_active(25) || m.deactivate_Button(20));
    EXPECT_TRUE(m.deactivate_Button(3) && !m.is_Button_active(3));
    // A button label longer than its record is cut, not written past it.
    std::string dlhy(400, 'q');
    C_Menu n;
    n.RESET_MENU();
    n.add_button(dlhy.c_str());
    EXPECT_EQ(std::string(n.return_Button_Text(0)).size(), 255u);
}

TEST_F(Menus, MainMenuAndTheMovesBetweenScreens) {
    Vytvor_Menu();
    EXPECT_TRUE(Menu.is_active() && !Herne_Menu.is_active());
    // "Nacitaj Hru" can be chosen, "Nastavenia" cannot.
    EXPECT_TRUE(Menu.is_Button_active(1) && !Menu.is_Button_active(2));
    EXPECT_FALSE(Menu.previouse_Button());

    Hra_aktivuj_Herne_Menu();
    EXPECT_TRUE(Herne_Menu.is_active());
    Herne_Menu_do_Hlavne_Menu();
    EXPECT_TRUE(!Herne_Menu.is_active() && Menu.is_active());
    EndGameInfoMenu.open();
    ZatvoritEndGameMenu();
    EXPECT_FALSE(EndGameInfoMenu.is_active());

    Exit = false;
    while (Menu.next_Button()) {
    }
    Menu.Button_action();  // "Ukonci Hru"
    EXPECT_TRUE(Exit);
    Exit = false;
}

TEST(CameraAndPointer, MovesByATenthAndKeepsTheViewCentreAhead) {
    Nastav_Camera();
    EXPECT_TRUE(Camera_x() == 100.0f && moja_vnutorna_mys.y == 103.0f);
    Camera_forward();
    EXPECT_TRUE(std::abs(Camera_y() - 98.1f) < 1e-4 &&
                std::abs(moja_vnutorna_mys.y - 103.1f) < 1e-4);
    Camera_left();
    EXPECT_TRUE(std::abs(Camera_x() - 100.1f) < 1e-4 &&
                std::abs(moja_vnutorna_mys.x - 100.1f) < 1e-4);
    Camera.Position.x = 0.05f;
    Camera_right();
    EXPECT_FLOAT_EQ(Camera_x(), 0.0f);  // clamped at the map's low edge
    Camera.Position.z = 11;
    Camera_zoom_in();
    EXPECT_FLOAT_EQ(Camera_z(), 11.0f);
    Camera_zoom_out();
    EXPECT_FLOAT_EQ(Camera_z(), 10.0f);
    Nastav_Camera();
}

TEST(StepClock, CountsMillisecondsFromProcessStart) {
    // Counted from the start of this process, not since boot, so the float stays small enough
    // to keep whole milliseconds.
    const float a = hodiny_od_startu();
    EXPECT_TRUE(a >= 0.0f && a < 600000.0f && hodiny_od_startu() >= a) << a;

    // The frame times told at the end, by rank whatever the order: three slow frames in two
    // hundred make the 99th percentile, one in a hundred does not.
    std::vector<float> casy(200, 16.0f);
    casy[3] = 90.0f, casy[150] = casy[160] = 40.0f, casy[7] = 5.0f;
    S_casy_snimok c = zhrn_casy_snimok(casy);
    EXPECT_EQ(std::make_tuple(c.pocet, c.median_ms, c.p99_ms), std::make_tuple(200, 16.0f, 40.0f));
    casy.resize(100);
    EXPECT_EQ(zhrn_casy_snimok(casy).p99_ms, 16.0f);
    EXPECT_EQ(zhrn_casy_snimok({}).pocet, 0);
}

TEST(Geometry, PointRotationAndDistance) {
    float x = 1, y = 0, z = 0;
    Rotacia_Bodu(x, y, z, 0, 90, 0);
    EXPECT_TRUE(std::abs(x) < 1e-5 && std::abs(z + 1.0f) < 1e-5) << x << " " << z;
    EXPECT_FLOAT_EQ(vzdialenost(0, 0, 0, 3, 4, 0), 5.0f);
}

// Writes a BMP with the given header fields and `data_bajty` bytes of pixels.
std::string bmp(const std::string& meno, int sirka, int vyska, int bpp, int kompresia,
                std::uint32_t velkost, std::size_t data_bajty) {
    std::string cesta = testing::TempDir() + meno;
    std::vector<unsigned char> h(54, 0);
    auto zapis = [&](int offset, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) h[offset + i] = (v >> (8 * i)) & 0xff;
    };
    h[0] = 'B', h[1] = 'M';
    zapis(18, static_cast<std::uint32_t>(sirka), 4);
    zapis(22, static_cast<std::uint32_t>(vyska), 4);
    zapis(28, bpp, 2);
    zapis(30, kompresia, 4);
    zapis(34, velkost, 4);
    std::ofstream f(cesta, std::ios::binary);
    f.write(reinterpret_cast<const char*>(h.data()), 54);
    std::vector<char> data(data_bajty, 7);
    f.write(data.data(), data.size());
    return cesta;
}

TEST(LogoImages, AcceptOnlyImagesWhoseBytesAreReallyThere) {
    S_bmp o;
    testing::internal::CaptureStdout();
    // 3 pixels a row take 9 bytes, padded to 12.
    EXPECT_TRUE(nacitaj_bmp(bmp("ok.bmp", 3, 2, 24, 0, 24, 24).c_str(), o));
    EXPECT_TRUE(o.sirka == 3 && o.data.size() == 24u);
    EXPECT_TRUE(nacitaj_bmp(bmp("zero_size.bmp", 3, 2, 24, 0, 0, 24).c_str(), o));
    EXPECT_EQ(o.data.size(), 24u);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("Not a correct"), std::string::npos);

    const std::vector<std::string> zle = {
        bmp("short_data.bmp", 64, 64, 24, 0, 64 * 64 * 3, 100),  // declares more than follows
        bmp("huge.bmp", 1 << 30, 1 << 30, 24, 0, 0, 48),         // dimensions beyond the file
        // Rows times height beyond a long long: refused before they are multiplied.
        bmp("widest.bmp", INT32_MAX, INT32_MAX, 24, 0, 0, 48),
        bmp("most_negative.bmp", INT32_MIN, INT32_MIN, 24, 0, 48, 48),
        bmp("negative.bmp", -4, 4, 24, 0, 48, 48),
        bmp("unpadded.bmp", 3, 2, 24, 0, 18, 24),  // size without the row padding
        bmp("bpp.bmp", 2, 2, 32, 0, 16, 16),
        bmp("rle.bmp", 2, 2, 24, 1, 16, 16),
        bmp("no_pixels.bmp", 2, 2, 24, 0, 16, 0),
    };
    for (const std::string& cesta : zle) {
        testing::internal::CaptureStdout();
        EXPECT_FALSE(nacitaj_bmp(cesta.c_str(), o)) << cesta;
        out = testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find("Not a correct BMP file\n"), std::string::npos) << cesta;
    }
    // A file cut inside its header.
    std::string kratky = testing::TempDir() + "cut.bmp";
    std::ofstream(kratky, std::ios::binary) << "BM1234";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(nacitaj_bmp(kratky.c_str(), o));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Not a correct BMP file"),
              std::string::npos);

    testing::internal::CaptureStdout();
    EXPECT_FALSE(nacitaj_bmp("/nonexistent/logo.bmp", o));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Reading image /nonexistent/logo.bmp\n/nonexistent/logo.bmp sa nenasiel\n");
}

}  // namespace
