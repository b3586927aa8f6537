#pragma once

#include <string>
#include <string_view>

namespace ovi {

// Number of characters (code points) of a UTF-8 text.
int zeichenAnzahl(std::string_view utf8);

}  // namespace ovi
