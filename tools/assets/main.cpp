// varnhold_assets OUTDIR [ICONDIR]: writes every data file of the game (shaders, logos, models,
// glyphs) into OUTDIR and, when ICONDIR is given, the desktop icons into it, creating folders. The
// output is the same on every run.
#include <cstdio>
#include <filesystem>
#include <string>

#include "assets.h"

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTDIR [ICONDIR]\n",
                     argc > 0 ? argv[0] : "varnhold_assets");
        return 2;
    }
    const std::string out = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(out, ec);
    if (ec) {
        std::fprintf(stderr, "cannot create %s: %s\n", out.c_str(), ec.message().c_str());
        return 1;
    }
    if (!assets::write_shaders(out)) {
        std::fprintf(stderr, "cannot write the shaders into %s\n", out.c_str());
        return 1;
    }
    if (!assets::write_logos(out)) {
        std::fprintf(stderr, "cannot write the logos into %s\n", out.c_str());
        return 1;
    }
    if (argc == 3 && !assets::write_icons(argv[2])) {
        std::fprintf(stderr, "cannot write the icons into %s\n", argv[2]);
        return 1;
    }
    int files = 0;
    for (auto* make : {assets::make_buildings, assets::make_ground, assets::make_units,
                       assets::make_markers, assets::make_glyphs}) {
        for (const assets::Placed& p : make()) {
            const std::string dir = out + "/" + p.folder;
            std::filesystem::create_directories(dir, ec);
            if (ec || !p.mesh.write(dir)) {
                std::fprintf(stderr, "cannot write %s/%s.obj\n", dir.c_str(),
                             p.mesh.name().c_str());
                return 1;
            }
            ++files;
        }
    }
    std::printf("wrote %d models, 2 logos and 4 shaders into %s\n", files, out.c_str());
    return 0;
}
