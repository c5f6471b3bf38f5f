// Reading the game's OBJ/MTL subset.
//
// The file is read whole into memory and walked token by token, the way the models are written:
// a header of "#" comment lines and one "mtllib" line, then "o", "v", "vt", "vn", "usemtl" and
// triangle "f" lines. Every value of a line must stand on that line; a value that is missing,
// is not a number or a face index that names no position makes the whole load fail with a
// message that gives the line, so a damaged model never reaches the registry half read.
#include "objloader.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

#include "Priecinok_dat.h"

namespace {

// Longest material name a material record holds.
constexpr std::size_t MAX_MENO_MATERIALU = 255;
// A skipped line is read through its end, but at most this many characters at once.
constexpr std::size_t MAX_PRESKOK = 999;

bool nacitaj_subor(const char* cesta, std::string& obsah) {
    std::FILE* f = std::fopen(cesta, "rb");
    if (!f) {
        chyba_subor_dat(cesta);
        return false;
    }
    obsah.clear();
    char blok[65536];
    std::size_t n;
    while ((n = std::fread(blok, 1, sizeof blok, f)) > 0) obsah.append(blok, n);
    std::fclose(f);
    return true;
}

bool je_medzera(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
// Blank within a line (the line end is not).
bool je_medzera_riadku(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// What went wrong while reading a value.
enum class Chyba { ziadna, koniec_riadku, nie_cislo };

class Citac {
public:
    explicit Citac(const std::string& text) : t_(text) {}

    bool na_konci() const { return p_ >= t_.size(); }
    std::size_t pozicia() const { return p_; }

    // Next whitespace-separated token anywhere ahead; false at the end of the text.
    bool token(std::string_view& vysledok) {
        while (p_ < t_.size() && je_medzera(t_[p_])) ++p_;
        return citaj_slovo(vysledok);
    }

    // Next token on the current line; false (nothing consumed but blanks) at the line end.
    bool token_v_riadku(std::string_view& vysledok) {
        preskoc_medzery_riadku();
        return citaj_slovo(vysledok);
    }

    // Discards the rest of the current line: up to 999 characters, through its line end.
    void preskoc_riadok() {
        std::size_t n = 0;
        while (p_ < t_.size() && n < MAX_PRESKOK) {
            ++n;
            if (t_[p_++] == '\n') return;
        }
    }

    void preskoc_medzery_riadku() {
        while (p_ < t_.size() && je_medzera_riadku(t_[p_])) ++p_;
    }

    void preskoc_medzery() {
        while (p_ < t_.size() && je_medzera(t_[p_])) ++p_;
    }

    // A finite number on the current line, ending at a blank, the line end or the end of text.
    Chyba realne(float& v) { return cislo(v, false); }

    // A whole number on the current line; it may be followed by '/', as inside a face corner.
    Chyba cele(int& v) { return cislo(v, true); }

    template <class T>
    Chyba cislo(T& v, bool lomka) {
        preskoc_medzery_riadku();
        if (p_ >= t_.size() || t_[p_] == '\n') return Chyba::koniec_riadku;
        const char* z = t_.data() + p_;
        const char* k = t_.data() + t_.size();
        if (*z == '+' && z + 1 < k && z[1] != '-') ++z;
        auto [koniec, ec] = std::from_chars(z, k, v);
        if (ec != std::errc()) return Chyba::nie_cislo;
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(v)) return Chyba::nie_cislo;
        }
        if (koniec < k && !je_medzera(*koniec) && !(lomka && *koniec == '/'))
            return Chyba::nie_cislo;
        p_ = static_cast<std::size_t>(koniec - t_.data());
        return Chyba::ziadna;
    }

    // The next character, without skipping anything, when it is `c`.
    bool znak(char c) {
        if (p_ < t_.size() && t_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }

    // Literal text, without skipping anything before it.
    bool text(std::string_view s) {
        if (t_.compare(p_, s.size(), s) != 0) return false;
        p_ += s.size();
        return true;
    }

    // 1-based number of the line holding position `p`.
    int riadok(std::size_t p) const {
        int r = 1;
        for (std::size_t i = 0; i < p && i < t_.size(); ++i)
            if (t_[i] == '\n') ++r;
        return r;
    }

private:
    bool citaj_slovo(std::string_view& vysledok) {
        std::size_t z = p_;
        while (p_ < t_.size() && !je_medzera(t_[p_])) ++p_;
        vysledok = std::string_view(t_).substr(z, p_ - z);
        return p_ > z;
    }

    const std::string& t_;
    std::size_t p_ = 0;
};

// One material of the MTL file; only the diffuse colour reaches the mesh.
struct S_material {
    std::string meno;
    float Ns = 0, Ni = 0;
    glm::vec3 Ka{0.0f}, Kd{OBJ_FARBA_BEZ_MATERIALU};
    int illum = 0;
    bool ma_Kd = false;
};

void chyba_riadku(const char* subor, const Citac& c, std::size_t kde, const char* co) {
    std::printf("ERROR : %s on line %d of %s\n", co, c.riadok(kde), subor);
}

// Reports a failed value read; returns false so callers can `return hlas(...)`.
bool hlas(Chyba ch, const char* subor, const Citac& c, std::size_t kde, const char* zaznam) {
    char sprava[160];
    std::snprintf(sprava, sizeof sprava, "%s \"%s\" record",
                  ch == Chyba::koniec_riadku ? "missing value in a truncated" : "not a number in a",
                  zaznam);
    chyba_riadku(subor, c, kde, sprava);
    return false;
}

bool citaj_tri(Citac& c, float v[3], const char* subor, const char* zaznam) {
    const std::size_t kde = c.pozicia();
    for (int i = 0; i < 3; ++i) {
        Chyba ch = c.realne(v[i]);
        if (ch != Chyba::ziadna) return hlas(ch, subor, c, kde, zaznam);
    }
    return true;
}

// Reads the MTL body. False (with its message) when the file cannot be used safely.
bool citaj_mtl_telo(Citac& c, const char* cesta, int pocet, std::vector<S_material>& materialy) {
    materialy.clear();
    std::string_view t;
    while (c.token(t)) {
        const std::size_t kde = c.pozicia();
        if (t == "newmtl") {
            std::string_view meno;
            if (!c.token_v_riadku(meno)) {
                chyba_riadku(cesta, c, kde, "material without a name");
                return false;
            }
            if (meno.size() > MAX_MENO_MATERIALU) {
                chyba_riadku(cesta, c, kde, "material name longer than 255 characters");
                return false;
            }
            if (static_cast<int>(materialy.size()) >= pocet) {
                std::printf("MTL ERROR : more materials than the declared count %d in %s\n", pocet,
                            cesta);
                return false;
            }
            materialy.push_back(S_material{});
            materialy.back().meno = meno;
            continue;
        }
        const bool ma_hodnotu =
            t == "Ns" || t == "Ni" || t == "Ka" || t == "Kd" || t == "Ks" || t == "illum";
        if (!ma_hodnotu) {
            c.preskoc_riadok();
            continue;
        }
        if (materialy.empty()) {
            chyba_riadku(cesta, c, kde, "material value before any \"newmtl\"");
            return false;
        }
        S_material& m = materialy.back();
        const std::string zaznam(t);
        float v[3];
        if (t == "Ns" || t == "Ni") {
            Chyba ch = c.realne(v[0]);
            if (ch != Chyba::ziadna) return hlas(ch, cesta, c, kde, zaznam.c_str());
            (t == "Ns" ? m.Ns : m.Ni) = v[0];
        } else if (t == "illum") {
            Chyba ch = c.cele(m.illum);
            if (ch != Chyba::ziadna) return hlas(ch, cesta, c, kde, zaznam.c_str());
        } else {
            if (!citaj_tri(c, v, cesta, zaznam.c_str())) return false;
            if (t == "Ka") m.Ka = {v[0], v[1], v[2]};
            if (t == "Kd") {
                // A second Kd would shift the colour of every later material in a list kept
                // by position; refuse it.
                if (m.ma_Kd) {
                    chyba_riadku(cesta, c, kde, "second \"Kd\" line for one material");
                    return false;
                }
                m.Kd = {v[0], v[1], v[2]};
                m.ma_Kd = true;
            }
        }
    }
    return true;
}

// Opens and reads the MTL file. Returns false only when the whole load must fail; a missing file
// or a missing count line leaves `materialy_su` false and the load goes on without materials.
bool citaj_mtl(const std::string& cesta, bool& materialy_su, std::vector<S_material>& materialy) {
    materialy_su = false;
    std::string obsah;
    if (!nacitaj_subor(cesta.c_str(), obsah)) {
        std::printf("Impossible to open the material file %s ! \n", cesta.c_str());
        return true;
    }
    Citac c(obsah);
    c.preskoc_riadok();
    // The second line: "# Material Count: %d", blanks matching any run of whitespace.
    int pocet = 0;
    bool ok = c.text("#");
    if (ok) {
        c.preskoc_medzery();
        ok = c.text("Material");
    }
    if (ok) {
        c.preskoc_medzery();
        ok = c.text("Count:");
    }
    if (ok) {
        c.preskoc_medzery();
        ok = c.cele(pocet) == Chyba::ziadna;
    }
    if (!ok || pocet < 1) {
        std::printf("MTL ERROR : Not declared the count of materials !!! \n");
        return true;
    }
    if (!citaj_mtl_telo(c, cesta.c_str(), pocet, materialy)) return false;
    materialy_su = true;
    return true;
}

}  // namespace

bool loadOBJ(const char* folder, const char* path, std::vector<glm::vec3>& out_vertices,
             std::vector<glm::vec2>& out_uvs, std::vector<glm::vec3>& out_normals,
             std::vector<glm::vec3>& out_colors, float& min_x, float& min_y, float& min_z,
             float& max_x, float& max_y, float& max_z) {
    (void)out_uvs;
    (void)out_normals;
    if (!path) path = "";
    if (!folder) folder = "";
    std::printf("Loading OBJ file %s\n", path);
    std::string obsah;
    if (!nacitaj_subor(path, obsah)) {
        std::printf("Impossible to open the file %s ! \n", path);
        return false;
    }
    Citac c(obsah);

    // Header: comment lines, then either "mtllib NAME" or the first line of the body, whose first
    // token is used up here.
    bool materialy_su = false;
    std::vector<S_material> materialy;
    std::string_view t;
    while (c.token(t)) {
        if (t == "#") {
            c.preskoc_riadok();
            continue;
        }
        if (t == "mtllib") {
            std::string_view meno;
            if (!c.token_v_riadku(meno)) {
                std::printf("Impossible to open the material file %s ! \n", folder);
                break;
            }
            if (!citaj_mtl(std::string(folder) + std::string(meno), materialy_su, materialy))
                return false;
        }
        break;
    }

    float mn[3] = {100000.0f, 100000.0f, 100000.0f};
    float mx[3] = {-100000.0f, -100000.0f, -100000.0f};
    std::vector<glm::vec3> pozicie;
    std::vector<int> rohy;  // position index (1-based) of every face corner, in file order
    std::vector<glm::vec3> farby;
    std::vector<std::size_t> rohy_kde;  // where each face was read, for the range message
    int material = -1;
    bool textura = false, normala = false;
    const glm::vec3 siva(OBJ_FARBA_BEZ_MATERIALU);

    while (c.token(t)) {
        const std::size_t kde = c.pozicia();
        if (t == "o") {
            textura = normala = false;
            c.preskoc_riadok();
        } else if (t == "usemtl") {
            if (!materialy_su) {
                std::printf("\nERROR : using material with missing material file header !! \n");
                return false;
            }
            std::string_view meno;
            c.token_v_riadku(meno);
            material = -1;
            for (std::size_t i = 0; i < materialy.size(); ++i)
                if (materialy[i].meno == meno) {
                    material = static_cast<int>(i);
                    break;
                }
            if (material == -1) {
                const std::string m(meno);
                std::printf("using mtl :  %s FALSE \n", m.c_str());
            }
        } else if (t == "v") {
            float v[3];
            if (!citaj_tri(c, v, path, "v")) return false;
            for (int i = 0; i < 3; ++i) {
                if (v[i] < mn[i]) mn[i] = v[i];
                if (v[i] > mx[i]) mx[i] = v[i];
            }
            pozicie.push_back({v[0], v[1], v[2]});
        } else if (t == "vt") {
            float u, w;
            Chyba ch = c.realne(u);
            if (ch == Chyba::ziadna) ch = c.realne(w);
            if (ch != Chyba::ziadna) return hlas(ch, path, c, kde, "vt");
            textura = true;
        } else if (t == "vn") {
            float v[3];
            if (!citaj_tri(c, v, path, "vn")) return false;
            normala = true;
        } else if (t == "f") {
            for (int roh = 0; roh < 3; ++roh) {
                int iv = 0, it = 0, in = 0;
                Chyba ch = c.cele(iv);
                if (ch == Chyba::ziadna && textura) {
                    if (!c.znak('/')) ch = Chyba::nie_cislo;
                    if (ch == Chyba::ziadna) ch = c.cele(it);
                }
                if (ch == Chyba::ziadna && normala) {
                    if (!textura && !c.znak('/')) ch = Chyba::nie_cislo;
                    if (ch == Chyba::ziadna && !c.znak('/')) ch = Chyba::nie_cislo;
                    if (ch == Chyba::ziadna) ch = c.cele(in);
                }
                if (ch != Chyba::ziadna) {
                    chyba_riadku(path, c, kde,
                                 ch == Chyba::koniec_riadku
                                     ? "face with fewer than three corners"
                                     : "face corner not in the form of the \"vt\"/\"vn\" lines");
                    return false;
                }
                if (iv < 1) {
                    chyba_riadku(path, c, kde, "face position index below 1");
                    return false;
                }
                rohy.push_back(iv);
                rohy_kde.push_back(kde);
                c.preskoc_medzery_riadku();
            }
            const glm::vec3 farba = material >= 0 ? materialy[material].Kd : siva;
            for (int i = 0; i < 3; ++i) farby.push_back(farba);
        } else {
            c.preskoc_riadok();
        }
    }

    // Positions number from 1 across the whole file; a face may not name one the file lacks.
    std::vector<glm::vec3> vrcholy;
    vrcholy.reserve(rohy.size());
    for (std::size_t i = 0; i < rohy.size(); ++i) {
        if (static_cast<std::size_t>(rohy[i]) > pozicie.size()) {
            char sprava[96];
            std::snprintf(sprava, sizeof sprava, "face position index %d beyond the %zu positions",
                          rohy[i], pozicie.size());
            chyba_riadku(path, c, rohy_kde[i], sprava);
            return false;
        }
        vrcholy.push_back(pozicie[rohy[i] - 1]);
    }

    out_vertices.insert(out_vertices.end(), vrcholy.begin(), vrcholy.end());
    out_colors.insert(out_colors.end(), farby.begin(), farby.end());
    min_x = mn[0];
    min_y = mn[1];
    min_z = mn[2];
    max_x = mx[0];
    max_y = mx[1];
    max_z = mx[2];
    return true;
}

bool nacitaj_mesh_do_registra(const char* folder, const char* path,
                              Strategy_library::S_graficky_objekt& ciel) {
    std::vector<glm::vec3> vrcholy, farby, normaly;
    std::vector<glm::vec2> uv;
    float b[6];
    if (!loadOBJ(folder, path, vrcholy, uv, normaly, farby, b[0], b[1], b[2], b[3], b[4], b[5]))
        return false;
    ciel.out_vertices.uvolni();
    ciel.out_colors.uvolni();
    ciel.out_uvs.uvolni();
    ciel.out_normals.uvolni();
    for (const glm::vec3& v : vrcholy) ciel.out_vertices.push_back(v);
    for (const glm::vec3& f : farby) ciel.out_colors.push_back(f);
    ciel.min_x = b[0];
    ciel.min_y = b[1];
    ciel.min_z = b[2];
    ciel.max_x = b[3];
    ciel.max_y = b[4];
    ciel.max_z = b[5];
    return true;
}
