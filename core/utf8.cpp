#include "core/utf8.h"

namespace ovi {

namespace {

constexpr char32_t ersatz = 0xFFFD;

// The character starting at i and its length in bytes; U+FFFD and length 1 for a byte that starts none.
std::pair<char32_t, std::size_t> naechstes(std::string_view t, std::size_t i) {
    const auto b = static_cast<unsigned char>(t[i]);
    if (b < 0x80) return {b, 1};
    std::size_t laenge = 0;
    char32_t z = 0, kleinster = 0;
    if ((b & 0xE0) == 0xC0) {
        laenge = 2, z = b & 0x1F, kleinster = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        laenge = 3, z = b & 0x0F, kleinster = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        laenge = 4, z = b & 0x07, kleinster = 0x10000;
    } else {
        return {ersatz, 1};
    }
    if (i + laenge > t.size()) return {ersatz, 1};
    for (std::size_t k = 1; k < laenge; ++k) {
        const auto f = static_cast<unsigned char>(t[i + k]);
        if ((f & 0xC0) != 0x80) return {ersatz, 1};
        z = (z << 6) | (f & 0x3F);
    }
    if (z < kleinster || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF)) return {ersatz, 1};
    return {z, laenge};
}

}  // namespace

int zeichenAnzahl(std::string_view utf8) {
    int n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

std::u32string alsZeichen(std::string_view utf8) {
    std::u32string aus;
    aus.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [z, laenge] = naechstes(utf8, i);
        aus += z;
        i += laenge;
    }
    return aus;
}

std::string alsUtf8(std::u32string_view zeichen) {
    std::string aus;
    aus.reserve(zeichen.size());
    for (char32_t z : zeichen) {
        if (z < 0x80) {
            aus += static_cast<char>(z);
        } else if (z < 0x800) {
            aus += static_cast<char>(0xC0 | (z >> 6));
            aus += static_cast<char>(0x80 | (z & 0x3F));
        } else if (z < 0x10000) {
            aus += static_cast<char>(0xE0 | (z >> 12));
            aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            aus += static_cast<char>(0x80 | (z & 0x3F));
        } else {
            aus += static_cast<char>(0xF0 | (z >> 18));
            aus += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
            aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            aus += static_cast<char>(0x80 | (z & 0x3F));
        }
    }
    return aus;
}

bool gueltigesUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto [z, laenge] = naechstes(bytes, i);
        if (z == ersatz && laenge == 1 && static_cast<unsigned char>(bytes[i]) >= 0x80) return false;
        i += laenge;
    }
    return true;
}

char32_t klein(char32_t z) {
    if (z >= U'A' && z <= U'Z') return z + 32;
    // À..Þ without the multiplication sign; Œ, Š, Ž, Ÿ of the code page the files use.
    if (z >= 0xC0 && z <= 0xDE && z != 0xD7) return z + 32;
    if (z == 0x152 || z == 0x160 || z == 0x17D) return z + 1;
    if (z == 0x178) return 0xFF;
    return z;
}

std::string namensSchluessel(std::string_view name) {
    std::u32string z = alsZeichen(name);
    const auto blank = [](char32_t c) { return c == U' ' || c == U'\t' || c == 0xA0; };
    std::size_t von = 0, bis = z.size();
    while (von < bis && blank(z[von])) ++von;
    while (bis > von && blank(z[bis - 1])) --bis;
    std::u32string aus;
    for (std::size_t i = von; i < bis; ++i) aus += klein(z[i]);
    return alsUtf8(aus);
}

}  // namespace ovi
