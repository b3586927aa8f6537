#pragma once

#include <string>
#include <string_view>

namespace ovi {

// Number of characters (code points) of a UTF-8 text.
int zeichenAnzahl(std::string_view utf8);

// Code points of a UTF-8 text; a byte that starts no valid character becomes U+FFFD.
std::u32string alsZeichen(std::string_view utf8);
std::string alsUtf8(std::u32string_view zeichen);
// True when every byte belongs to a valid UTF-8 character (no overlong forms, no surrogates).
bool gueltigesUtf8(std::string_view bytes);

// Lower case for ASCII and the Latin letters with accents and umlauts; other characters stay.
char32_t klein(char32_t z);
// Lower case and without blanks around it: how participants' names are compared.
std::string namensSchluessel(std::string_view name);

}  // namespace ovi
