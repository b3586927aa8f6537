#include "utf8.h"

namespace ovi {

int zeichenAnzahl(std::string_view utf8) {
    int n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

std::string xmlText(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                aus += "&amp;";
                break;
            case '<':
                aus += "&lt;";
                break;
            case '>':
                aus += "&gt;";
                break;
            case '"':
                aus += "&quot;";
                break;
            default:
                aus += c;
        }
    }
    return aus;
}

}  // namespace ovi
