// Finding the data folder: the current folder when it holds the models and glyphs, else the
// installed one, else none.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "Priecinok_dat.h"

namespace fs = std::filesystem;

TEST(PriecinokDat, CurrentFolderBeforeInstalledAndOnlyWithModelsAndGlyphs) {
    const fs::path k = fs::temp_directory_path() / ("varnhold_data_" + std::to_string(getpid()));
    for (const char* d : {"a/obj/graf_obj", "a/Fonts", "b/obj/graf_obj", "b/Fonts",
                          "len_fonty/Fonts", "fonty_subor/obj/graf_obj", "prazdny"})
        fs::create_directories(k / d);
    std::ofstream(k / "fonty_subor" / "Fonts") << "not a folder";

    EXPECT_EQ(najdi_priecinok_dat(k / "a", k / "b"), k / "a");
    EXPECT_EQ(najdi_priecinok_dat(k / "len_fonty", k / "b"), k / "b");
    EXPECT_EQ(najdi_priecinok_dat(k / "fonty_subor", k / "b"), k / "b");
    EXPECT_EQ(najdi_priecinok_dat(k / "prazdny", k / "len_fonty"), std::nullopt);
    EXPECT_EQ(najdi_priecinok_dat(k / "prazdny", k / "nie_je"), std::nullopt);
    fs::remove_all(k);
}
