// Finding the data folder, and telling the player when a data file is missing.
#include "Priecinok_dat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool ma_data(const fs::path& priecinok) {
    std::error_code ec;
    return fs::is_directory(priecinok / "obj" / "graf_obj", ec) &&
           fs::is_directory(priecinok / "Fonts", ec);
}

}  // namespace

std::optional<fs::path> najdi_priecinok_dat(const fs::path& aktualny,
                                            const fs::path& nainstalovany) {
    for (const fs::path& p : {aktualny, nainstalovany})
        if (ma_data(p)) return p;
    return std::nullopt;
}

bool prejdi_do_priecinka_dat(const char* nainstalovany) {
    std::error_code ec;
    const fs::path aktualny = fs::current_path(ec);
    const std::optional<fs::path> data = najdi_priecinok_dat(aktualny, nainstalovany);
    if (!data) {
        std::fprintf(stderr,
                     "varnhold: the game's data (obj/graf_obj/ and Fonts/) is neither in %s nor in"
                     " %s; install the varnhold package, or start the game in its data folder\n",
                     aktualny.c_str(), nainstalovany);
        return false;
    }
    fs::current_path(*data, ec);
    if (ec)
        std::fprintf(stderr, "varnhold: cannot enter %s: %s\n", data->c_str(),
                     ec.message().c_str());
    return !ec;
}

void chyba_subor_dat(const char* cesta) {
    static bool hlasene = false;
    if (hlasene) return;
    hlasene = true;
    const char* preco = std::strerror(errno);
    std::error_code ec;
    std::fprintf(stderr,
                 "varnhold: cannot open %s in the data folder %s (%s), the first data file missing;"
                 " reinstall the varnhold package, or restore the data folder\n",
                 fs::path(cesta).lexically_normal().c_str(), fs::current_path(ec).c_str(), preco);
}
