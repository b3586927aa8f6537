// The missing tips as a text to send round: one line per participant who still owes tips.
#pragma once

#include <string>
#include <vector>

#include "core/fehlendetipps.h"

namespace ovi {

// "Anke: es fehlen 3 Tipps – 49 Deutschland – Schweden (24.06., 17:00), …", one line each, LF line ends.
std::string fehlendeTippsZeile(const Spielstand& s, const FehlendeTipps& f);
std::string fehlendeTippsText(const Spielstand& s, const std::vector<FehlendeTipps>& liste);

}  // namespace ovi
