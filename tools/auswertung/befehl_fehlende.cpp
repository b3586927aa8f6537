#include "tools/auswertung/befehl_fehlende.h"

#include <ostream>

#include "ausgabe/fehlendetippstext.h"

namespace ovi::werkzeug {

int befehlFehlende(const Spielstand& s, std::ostream& aus) {
    aus << fehlendeTippsText(s, fehlendeTipps(s));
    return 0;
}

}  // namespace ovi::werkzeug
