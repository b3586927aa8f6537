#include "tools/auswertung/befehl_tippzettel.h"

#include <ostream>

#include "ausgabe/tippzettel.h"
#include "tools/auswertung/ausgabe.h"

namespace ovi::werkzeug {

int befehlTippzettel(const Spielstand& s, const std::string& wer, int ansicht, const std::string& datei,
                     std::ostream& aus, std::ostream& fehler) {
    int spieler = -1;
    if (wer != "leer") {
        const std::optional<int> nr = teilnehmer(s, wer);
        if (!nr) {
            fehler << datei << ": Kein Teilnehmer heißt „" << wer << "“.\n";
            return 1;
        }
        // The sheet comes back through the reader, which knows only those who play along.
        if (!s.getSpieltMit(*nr)) {
            fehler << datei << ": Teilnehmer " << *nr << (s.getName(*nr).empty() ? "" : " („" + s.getName(*nr) + "“)")
                   << " spielt nicht mit, darum gibt es keinen Tippzettel.\n";
            return 1;
        }
        spieler = *nr;
    }
    aus << tippzettel(s, spieler, ansicht);
    return 0;
}

}  // namespace ovi::werkzeug
