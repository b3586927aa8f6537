#include "files/cp1252.h"

#include <array>

namespace ovi::cp1252 {

namespace {

// 0x80..0x9F; the five gaps of the code page keep their C1 code points so every byte survives.
constexpr std::array<char32_t, 32> mitte = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t zeichenVon(unsigned char b) { return b >= 0x80 && b <= 0x9F ? mitte[b - 0x80] : b; }

int byteVon(char32_t z) {
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) return static_cast<int>(z);
    for (std::size_t i = 0; i < mitte.size(); ++i)
        if (mitte[i] == z) return static_cast<int>(0x80 + i);
    return -1;
}

void haengeAn(std::string& aus, char32_t z) {
    if (z < 0x80) {
        aus += static_cast<char>(z);
    } else if (z < 0x800) {
        aus += static_cast<char>(0xC0 | (z >> 6));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        aus += static_cast<char>(0xE0 | (z >> 12));
        aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    }
}

}  // namespace

std::string nachUtf8(std::string_view bytes) {
    std::string aus;
    aus.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) haengeAn(aus, zeichenVon(static_cast<unsigned char>(c)));
    return aus;
}

std::optional<std::string> ausUtf8(std::string_view utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t z;
        std::size_t laenge;
        if (b < 0x80) {
            z = b;
            laenge = 1;
        } else if ((b & 0xE0) == 0xC0) {
            z = b & 0x1F;
            laenge = 2;
        } else if ((b & 0xF0) == 0xE0) {
            z = b & 0x0F;
            laenge = 3;
        } else {
            return std::nullopt;  // four-byte characters have no byte in the code page anyway
        }
        if (i + laenge > utf8.size()) return std::nullopt;
        for (std::size_t k = 1; k < laenge; ++k) {
            const auto f = static_cast<unsigned char>(utf8[i + k]);
            if ((f & 0xC0) != 0x80) return std::nullopt;
            z = (z << 6) | (f & 0x3F);
        }
        const int byte = byteVon(z);
        if (byte < 0) return std::nullopt;
        aus += static_cast<char>(byte);
        i += laenge;
    }
    return aus;
}

bool darstellbar(char32_t zeichen) { return byteVon(zeichen) >= 0; }

bool druckbaresByte(unsigned char byte) {
    return byte >= 0x20 && byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D;
}

bool druckbar(char32_t zeichen) {
    const int byte = byteVon(zeichen);
    return byte >= 0 && druckbaresByte(static_cast<unsigned char>(byte));
}

}  // namespace ovi::cp1252
