// A small PNG writer for the icons: 8-bit RGBA, every row unfiltered, the pixels deflated with
// the fixed Huffman codes and a greedy LZ77 search (the icons' flat areas are long repeats).
#include <array>
#include <cstdint>
#include <fstream>
#include <vector>

#include "assets.h"

namespace assets {

namespace {

using Bytes = std::vector<unsigned char>;

// Bits into bytes, least significant bit first, as deflate packs them.
class Bits {
public:
    explicit Bits(Bytes& out) : out_(out) {}
    void put(std::uint32_t value, int count) {
        acc_ |= value << fill_;
        fill_ += count;
        for (; fill_ >= 8; fill_ -= 8, acc_ >>= 8) out_.push_back(static_cast<unsigned char>(acc_));
    }
    // A Huffman code goes most significant bit first.
    void code(std::uint32_t value, int count) {
        std::uint32_t r = 0;
        for (int i = 0; i < count; ++i) r |= ((value >> i) & 1u) << (count - 1 - i);
        put(r, count);
    }
    void flush() {
        if (fill_ > 0) out_.push_back(static_cast<unsigned char>(acc_));
        acc_ = 0;
        fill_ = 0;
    }

private:
    Bytes& out_;
    std::uint32_t acc_ = 0;
    int fill_ = 0;
};

// A literal byte or a length code (257 ...) in the fixed literal/length alphabet.
void symbol(Bits& b, int s) {
    if (s < 144)
        b.code(0x30 + s, 8);
    else if (s < 256)
        b.code(0x190 + s - 144, 9);
    else if (s < 280)
        b.code(s - 256, 7);
    else
        b.code(0xC0 + s - 280, 8);
}

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// The last code whose base is at most v.
template <std::size_t N>
int code_for(const std::array<int, N>& base, int v) {
    int c = 0;
    while (c + 1 < static_cast<int>(N) && base[c + 1] <= v) ++c;
    return c;
}

// One final fixed-Huffman block; each position's longest earlier match among the last 64
// positions with the same three bytes, within the 32 KiB window.
Bytes deflate(const Bytes& in) {
    constexpr int kWindow = 32768, kMaxLen = 258, kChain = 64;
    Bytes out;
    Bits b(out);
    b.put(1, 1);  // final block
    b.put(1, 2);  // fixed codes
    std::vector<int> head(1 << 15, -1), prev(in.size(), -1);
    const int n = static_cast<int>(in.size());
    auto hash = [&](int i) { return ((in[i] << 10) ^ (in[i + 1] << 5) ^ in[i + 2]) & 0x7fff; };
    auto insert = [&](int i) {
        if (i + 2 >= n) return;
        prev[i] = head[hash(i)];
        head[hash(i)] = i;
    };
    for (int i = 0; i < n;) {
        int best = 0, dist = 0;
        if (i + 2 < n) {
            for (int j = head[hash(i)], k = 0; j >= 0 && i - j <= kWindow && k < kChain;
                 j = prev[j], ++k) {
                int len = 0;
                while (len < kMaxLen && i + len < n && in[j + len] == in[i + len]) ++len;
                if (len > best) best = len, dist = i - j;
            }
        }
        if (best >= 3) {
            const int lc = code_for(kLengthBase, best), dc = code_for(kDistBase, dist);
            symbol(b, 257 + lc);
            b.put(best - kLengthBase[lc], kLengthExtra[lc]);
            b.code(dc, 5);
            b.put(dist - kDistBase[dc], kDistExtra[dc]);
            for (int k = 0; k < best; ++k) insert(i + k);
            i += best;
        } else {
            symbol(b, in[i]);
            insert(i++);
        }
    }
    symbol(b, 256);
    b.flush();
    return out;
}

std::uint32_t crc32(const unsigned char* p, std::size_t n, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void put_be32(Bytes& out, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<unsigned char>(v >> s));
}

void chunk(Bytes& png, const char* type, const Bytes& data) {
    put_be32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    put_be32(png, crc32(png.data() + start, png.size() - start));
}

}  // namespace

bool write_png(const std::string& path, int width, int height,
               const std::vector<unsigned char>& rgba) {
    // The rows top to bottom, each behind its filter byte 0 (none).
    Bytes raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto row = rgba.begin() + static_cast<std::ptrdiff_t>(y) * width * 4;
        raw.insert(raw.end(), row, row + width * 4);
    }
    Bytes z = {0x78, 0x01};
    const Bytes d = deflate(raw);
    z.insert(z.end(), d.begin(), d.end());
    std::uint32_t a = 1, s = 0;  // Adler-32 of the uncompressed bytes
    for (unsigned char c : raw) a = (a + c) % 65521, s = (s + a) % 65521;
    put_be32(z, s << 16 | a);

    Bytes ihdr;
    put_be32(ihdr, static_cast<std::uint32_t>(width));
    put_be32(ihdr, static_cast<std::uint32_t>(height));
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bits per channel, RGBA, no interlace
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", z);
    chunk(png, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(out);
}

}  // namespace assets
