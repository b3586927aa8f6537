// Text inside HTML and SVG.
#pragma once

#include <string>
#include <string_view>

namespace ovi {

// The text with & < > " escaped, for HTML and SVG alike; a control character other than tab and line break
// becomes U+FFFD.
std::string xmlText(std::string_view text);

}  // namespace ovi
