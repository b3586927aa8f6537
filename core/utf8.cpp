#include "core/utf8.h"

namespace ovi {

int zeichenAnzahl(std::string_view utf8) {
    int n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

}  // namespace ovi
