// Where the game's data is. The game works in its data folder, so every file it reads at start-up
// (shaders, logos, models, glyphs) is named relative to it.
#pragma once

#include <filesystem>
#include <optional>

// The folder the game reads its data from: CURRENT when it holds the data, else INSTALLED when
// that does; nothing when neither does. A folder holds the data when it has the model folder
// obj/graf_obj/ and the glyph folder Fonts/.
std::optional<std::filesystem::path> najdi_priecinok_dat(
    const std::filesystem::path& aktualny, const std::filesystem::path& nainstalovany);

// Makes the data folder found from the current folder and INSTALLED the working directory. When
// there is none, prints one line on standard error naming both folders and returns false.
bool prejdi_do_priecinka_dat(const char* nainstalovany);

// Called by the file readers right after a data file failed to open (errno still tells why): the
// first such file of the run is reported on standard error with the folder it was looked for in
// and what to do; later ones are left to the readers' own lines.
void chyba_subor_dat(const char* cesta);
