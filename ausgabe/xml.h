// Text inside HTML and SVG.
#pragma once

#include <string>
#include <string_view>

namespace ovi {

// The text with & < > " escaped, for HTML and SVG alike.
std::string xmlText(std::string_view text);

}  // namespace ovi
