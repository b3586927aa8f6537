// The standings as one self-contained UTF-8 HTML page: inline CSS, no script, nothing loaded from elsewhere,
// so it reads the same in a mail program, a browser and on a phone.
#pragma once

#include <string>

#include "ausgabe/tabellendokument.h"
#include "core/grundtypen.h"

namespace ovi {

std::string htmlFarbe(Long farbe);  // "#rrggbb"
// Black or white, whichever reads better on the background.
Long schriftAuf(Long grund);

std::string alsHtml(const Tabellendokument& d);

}  // namespace ovi
