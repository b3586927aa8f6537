#include "ausgabe/xml.h"

namespace ovi {

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
