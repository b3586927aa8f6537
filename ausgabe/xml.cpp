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
                // No control character is allowed in XML and none belongs in a page: a file name may bring one.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                    aus += "\uFFFD";
                else
                    aus += c;
        }
    }
    return aus;
}

}  // namespace ovi
