// Windows-1252 <-> UTF-8. Every byte 0x00..0xFF has a character, so texts survive open -> save unchanged:
// the five bytes the code page leaves undefined map to U+0081, U+008D, U+008F, U+0090, U+009D.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ovi::cp1252 {

std::string nachUtf8(std::string_view bytes);
// Empty optional when a character has no byte in the code page (or the text is not valid UTF-8).
std::optional<std::string> ausUtf8(std::string_view utf8);
bool darstellbar(char32_t zeichen);
// What a name or a match text may hold: a character of the code page that prints. Not the control characters
// below the blank, not DEL, not the five bytes the code page leaves undefined (they stand for C1 controls).
bool druckbaresByte(unsigned char byte);
bool druckbar(char32_t zeichen);

}  // namespace ovi::cp1252
