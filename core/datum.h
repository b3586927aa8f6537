// Dates and kick-off times as the match records hold them, read into numbers that sort.
#pragma once

#include <optional>
#include <string>

namespace ovi {

// "TT.MM.JJJJ" as the number JJJJMMTT (calendar order); nothing for any other text or an impossible date.
std::optional<int> leseDatum(const std::string& datum);
// The date number as "TT.MM.JJJJ".
std::string datumText(int datum);
// "18:00 Uhr" as 1800: two digits, one separator, two digits at the start; nothing for any other text.
std::optional<int> leseUhrzeit(const std::string& zeit);

}  // namespace ovi
