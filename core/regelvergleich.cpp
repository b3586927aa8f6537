#include "core/regelvergleich.h"

#include "core/auswertung.h"
#include "core/chancenaufgabe.h"

namespace ovi {

Regelvergleich vergleicheRegeln(const Spielstand& s, int weltmeister) {
    Regelvergleich v;
    v.teilnehmer = teilnehmerInRangfolge(ausgewertet(s, weltmeister));
    std::vector<int> regeln = {3, 2, 1};
    if (s.regel.modus == 0) regeln.push_back(0);
    for (int modus : regeln) {
        Spielstand kopie = s;
        if (modus != 0) setzeEingebauteRegel(kopie, modus);
        const Spielstand w = ausgewertet(std::move(kopie), weltmeister);
        Regelspalte spalte{modus, modus == s.regel.modus, {}, {}};
        for (int p : v.teilnehmer) spalte.punkte.push_back(w.auswertung[p].gesamt);
        for (int eigene : spalte.punkte) {
            int platz = 1;
            for (int andere : spalte.punkte) platz += andere > eigene ? 1 : 0;
            spalte.platz.push_back(platz);
        }
        v.spalten.push_back(std::move(spalte));
    }
    return v;
}

}  // namespace ovi
