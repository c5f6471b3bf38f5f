// libFuzzer harness for the mesh reader with its material file. An input is the OBJ text,
// optionally followed by the separator line and the MTL text; the two are written as "a.obj" and
// "m.mtl" into one folder (the seeds' "mtllib" lines name "m.mtl"), and loadOBJ reads them.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "docasny_priecinok.h"
#include "objloader.h"

namespace {

constexpr char ODDELOVAC[] = "\n---- m.mtl ----\n";

bool konecne(const glm::vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// The six bounding values are min x, y, z, then max x, y, z.
bool v_krabici(const glm::vec3& v, const float b[6]) {
    for (int i = 0; i < 3; ++i)
        if (v[i] < b[i] || v[i] > b[i + 3]) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t n) {
    static Docasny_priecinok priecinok;
    const std::uint8_t* koniec = data + n;
    const std::size_t d = std::strlen(ODDELOVAC);
    const std::uint8_t* sep = std::search(data, koniec, ODDELOVAC, ODDELOVAC + d);
    const std::string obj = priecinok.zapis("a.obj", data, static_cast<std::size_t>(sep - data));
    // Without a separator there is no material file at all, not the one of an earlier input.
    if (sep == koniec)
        priecinok.zmaz("m.mtl");
    else
        priecinok.zapis("m.mtl", sep + d, static_cast<std::size_t>(koniec - sep - d));

    std::vector<glm::vec3> vrcholy, normaly, farby;
    std::vector<glm::vec2> uv;
    float b[6];
    if (!loadOBJ(priecinok.cesta().c_str(), obj.c_str(), vrcholy, uv, normaly, farby, b[0], b[1],
                 b[2], b[3], b[4], b[5]))
        return 0;
    // What the registry and the upload rely on: whole triangles, one finite colour per corner,
    // finite corners inside the box, and only the two arrays the loader promises to fill.
    if (vrcholy.size() % 3 != 0 || farby.size() != vrcholy.size() || !uv.empty() ||
        !normaly.empty())
        std::abort();
    for (std::size_t i = 0; i < vrcholy.size(); ++i)
        if (!konecne(vrcholy[i]) || !konecne(farby[i]) || !v_krabici(vrcholy[i], b)) std::abort();
    return 0;
}
