// Puts a piece of the shared world back as it was when the guard goes away: the test binary
// shares one `strategy`, so every test restores what it changes.
#pragma once

#include <cstring>
#include <list>
#include <vector>

class Zaloha {
public:
    template <class T>
    explicit Zaloha(T& t) : Zaloha(&t, sizeof t) {}
    Zaloha(void* kde, std::size_t bajty)
        : kde_(kde), data_(static_cast<char*>(kde), static_cast<char*>(kde) + bajty) {}
    Zaloha(const Zaloha&) = delete;
    Zaloha& operator=(const Zaloha&) = delete;
    ~Zaloha() { std::memcpy(kde_, data_.data(), data_.size()); }

private:
    void* kde_;
    std::vector<char> data_;
};

// Guards for several pieces at once.
struct Zalohy {
    template <class... T>
    explicit Zalohy(T&... t) {
        (z.emplace_back(t), ...);
    }
    std::list<Zaloha> z;
};
