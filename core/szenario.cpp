#include "core/szenario.h"

#include "core/gruppen.h"
#include "core/kobaum.h"

namespace ovi {

namespace {

bool echt(int team) { return team >= 0 && team <= katalog::letzteMannschaft; }

// Side 0 or 1 of a match that moves on: the winner, after a draw the champion if it plays, else the home side.
int weiterSeite(const Spiel& sp, int weltmeister) {
    if (sp.ergHeim != sp.ergAus) return sp.ergHeim > sp.ergAus ? 0 : 1;
    return sp.aus == weltmeister && echt(weltmeister) ? 1 : 0;
}

// Is the winner of `spiel` placed by the bracket into a side its record leaves unknown?
bool siegerWirdGesetzt(const Spiele& spiele, int spiel) {
    for (int i = 0; i < 16; ++i) {
        const KoPaarung& k = koBaum[static_cast<std::size_t>(i)];
        const Spiel& ziel = spiele[erstesKoSpiel + i];
        if (k.heim.art == Herkunft::Art::sieger && k.heim.nr == spiel && !echt(ziel.heim)) return true;
        if (k.aus.art == Herkunft::Art::sieger && k.aus.nr == spiel && !echt(ziel.aus)) return true;
    }
    return false;
}

}  // namespace

Szenario baueSzenario(const Spiele& spiele, const std::vector<Ergebnisvorgabe>& ergebnisse, int weltmeister,
                      const Weltmeisterweg* weg, bool weltmeisterOffen) {
    Spiele w = spiele;
    for (const Ergebnisvorgabe& e : ergebnisse) {
        Spiel& sp = w[e.spiel];
        sp.ergHeim = static_cast<Integer>(e.ergebnis[0]);
        sp.ergAus = static_cast<Integer>(e.ergebnis[1]);
        sp.auswerten = true;
    }
    for (int m = erstesKoSpiel; m < katalog::anzahlSpiele; ++m) {
        const KoPaarung& k = koBaum[static_cast<std::size_t>(m - erstesKoSpiel)];
        for (int seite : {0, 1}) {
            Integer& team = seite == 0 ? w[m].heim : w[m].aus;
            if (echt(team)) continue;
            const Herkunft& h = seite == 0 ? k.heim : k.aus;
            int neu = katalog::unbekannt;
            if (h.art == Herkunft::Art::gruppe) {
                if (weg && weg->gruppe == h.nr && weg->platz == h.platz)
                    neu = weltmeister;
                else if (const auto t = gruppenTabelle(w, h.nr).entschieden(h.platz))
                    neu = *t;
            } else {
                const Spiel& vorher = w[h.nr];
                if (vorher.auswerten) {
                    const int s = weiterSeite(vorher, weltmeister);
                    const bool sieger = h.art == Herkunft::Art::sieger;
                    neu = (s == 0) == sieger ? vorher.heim : vorher.aus;
                }
            }
            team = static_cast<Integer>(echt(neu) ? neu : katalog::unbekannt);
        }
    }
    Szenario sz;
    for (const Ergebnisvorgabe& e : ergebnisse) {
        const Spiel& sp = w[e.spiel];
        Szenariospiel z{e.spiel, sp.heim, sp.aus, e.ergebnis[0], e.ergebnis[1]};
        if (e.spiel >= erstesKoSpiel && sp.ergHeim == sp.ergAus && siegerWirdGesetzt(spiele, e.spiel)) {
            const int team = weiterSeite(sp, weltmeister) == 0 ? sp.heim : sp.aus;
            if (echt(team)) z.weiter = team;
        }
        sz.spiele.push_back(z);
    }
    if (weltmeisterOffen) {
        const Spiel& f = w[63];
        const int team = weiterSeite(f, weltmeister) == 0 ? f.heim : f.aus;
        sz.weltmeister = echt(team) ? team : katalog::unbekannt;
    }
    return sz;
}

}  // namespace ovi
