// Builds file bytes from readable values, so each test shows what every byte is.
#pragma once

#include <string>

#include "katalog.h"

namespace ovi::test {

struct Bytes {
    std::string b;
    Bytes& integer(int v) {
        b += static_cast<char>(v & 0xFF);
        b += static_cast<char>((v >> 8) & 0xFF);
        return *this;
    }
    Bytes& boolean(bool v) { return integer(v ? -1 : 0); }
    Bytes& lang(long v) {
        for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
        return *this;
    }
    Bytes& roh(const std::string& cp1252) {
        b += cp1252;
        return *this;
    }
    Bytes& text(const std::string& cp1252) { return integer(static_cast<int>(cp1252.size())).roh(cp1252); }
    // One match record with the given numbers and texts.
    Bytes& spiel(int heim, int aus, int eh, int ea, bool ausw, int phase, int tag, const std::string& datum,
                 const std::string& zeit, int ort, int schiri, const std::string& quote) {
        return integer(heim).integer(aus).integer(eh).integer(ea).boolean(ausw).integer(phase).integer(tag)
            .text(datum).text(zeit).integer(ort).integer(schiri).text(quote);
    }
    // Block 1 with the built-in names in Windows-1252 ("ü" is one byte, FC).
    Bytes& namen() {
        for (auto n : katalog::nationen) roh(n == "Elfenbeinküste" ? std::string("Elfenbeink\xFCste") : std::string(n));
        return *this;
    }
};

}  // namespace ovi::test
