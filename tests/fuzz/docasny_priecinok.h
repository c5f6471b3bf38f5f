// A temporary folder for the fuzz harnesses: the readers take file paths, so each input is
// written out as files and read back by the real reader, exactly as the game reads its data.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

class Docasny_priecinok {
public:
    // Creates a fresh folder under $TMPDIR (or /tmp); aborts when it cannot, as no input could
    // be tried then.
    Docasny_priecinok() {
        const char* tmp = std::getenv("TMPDIR");
        std::string vzor = std::string(tmp && *tmp ? tmp : "/tmp") + "/varnhold_fuzz_XXXXXX";
        std::vector<char> meno(vzor.begin(), vzor.end());
        meno.push_back('\0');
        if (!mkdtemp(meno.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        cesta_ = meno.data();
        cesta_ += '/';
    }
    ~Docasny_priecinok() {
        for (const std::string& s : subory_) unlink(s.c_str());
        rmdir(cesta_.c_str());
    }

    // The folder with its trailing slash.
    const std::string& cesta() const { return cesta_; }

    // Writes `n` bytes as file `meno` of the folder (replacing it) and returns its path.
    std::string zapis(const char* meno, const std::uint8_t* data, std::size_t n) {
        const std::string s = cesta_ + meno;
        std::FILE* f = std::fopen(s.c_str(), "wb");
        if (!f || (n > 0 && std::fwrite(data, 1, n, f) != n) || std::fclose(f) != 0) {
            std::perror(s.c_str());
            std::abort();
        }
        zapamataj(s);
        return s;
    }

    // Removes file `meno` of the folder, if it is there.
    void zmaz(const char* meno) { unlink((cesta_ + meno).c_str()); }

private:
    void zapamataj(const std::string& s) {
        for (const std::string& z : subory_)
            if (z == s) return;
        subory_.push_back(s);
    }

    std::string cesta_;
    std::vector<std::string> subory_;
};
