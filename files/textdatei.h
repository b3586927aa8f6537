// Text files with tips: UTF-8, or else Windows-1252 as older editors on Windows write it.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "files/spieldatei.h"

namespace ovi {

// Largest text worth reading as tips: far more than 25 participants' 64 tips each.
inline constexpr std::size_t groessterText = 1024 * 1024;

// The text in UTF-8: valid UTF-8 as it is (a byte order mark dropped), anything else read as Windows-1252.
std::string textAlsUtf8(std::string_view bytes);
// Bytes a text has none of (NUL and the other control characters but tab, line and page ends): another kind of
// file.
bool siehtAusWieText(std::string_view bytes);

// The whole file in UTF-8, or a German message naming the file and the cause.
Gelesen<std::string> ladeTextdatei(const QString& pfad);

}  // namespace ovi
