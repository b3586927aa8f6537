#include "core/auswertung.h"

namespace ovi {

int trefferKategorie(int th, int ta, int rh, int ra) {
    if (th == rh && ta == ra) return 0;
    if (th - ta == rh - ra && rh != ra) return 1;
    if ((th < ta && rh < ra) || (th > ta && rh > ra) || (th == ta && rh == ra)) return 2;
    return 3;
}

namespace {

struct EingebauteRegel {
    int punkte[3];
    Long farben[3];
};

constexpr Long rot = rgb(255, 0, 0);
constexpr Long gelb = rgb(250, 250, 144);
constexpr Long gruen = rgb(48, 190, 48);

// Index = rule number 1..3.
constexpr EingebauteRegel eingebaut[4] = {
    {{0, 0, 0}, {0, 0, 0}},
    {{2, 1, 1}, {rot, gruen, gruen}},
    {{3, 1, 1}, {rot, gruen, gruen}},
    {{3, 2, 1}, {rot, gelb, gruen}},
};

}  // namespace

void setzeEingebauteRegel(Spielstand& s, int modus) {
    if (modus < 1 || modus > 3) throw Bereichsfehler("Regel " + std::to_string(modus) + " außerhalb von 1..3");
    const EingebauteRegel& r = eingebaut[modus];
    s.regel.modus = static_cast<Integer>(modus);
    for (int i = 0; i < 3; ++i) {
        s.regel.modusPunkte[i] = static_cast<Integer>(r.punkte[i]);
        s.modusFarbe[i] = r.farben[i];
    }
}

std::string regelName(int modus) {
    switch (modus) {
        case 0:
            return "Eigene Regel";
        case 1:
            return "2-Punkte-Regel";
        case 2:
            return "3-Punkte-Regel";
        case 3:
            return "3-2-1-Regel";
        default:
            return {};
    }
}

namespace {

Auswertung leererDatensatz(int slot) {
    Auswertung a;
    a.platz = static_cast<Integer>(slot);
    a.kategorie.fuelle(3);
    return a;
}

}  // namespace

void loescheAuswertung(Spielstand& s) {
    for (int p = 0; p < katalog::anzahlSpieler; ++p) s.auswertung[p] = leererDatensatz(p);
}

void werteAus(Spielstand& s) {
    // Built aside and handed over whole, so a fault leaves the records as they were.
    auto neu = s.auswertung;
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        const Spiel& spiel = s.spiele[m];
        if (!spiel.auswerten) continue;
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            if (!s.spieler[p].spieltMit) continue;
            const int c = trefferKategorie(s.tipps(p, m, 0), s.tipps(p, m, 1), spiel.ergHeim, spiel.ergAus);
            if (c == 3) continue;
            Auswertung& a = neu[p];
            const Integer pkt = s.regel.modusPunkte[c];
            a.punkte = plus16(a.punkte, pkt);
            Integer& zaehler = c == 0 ? a.anzahl3er : c == 1 ? a.anzahl2er : a.anzahl1er;
            zaehler = plus16(zaehler, 1);
            a.punkteTeam[spiel.heim] = plus16(a.punkteTeam[spiel.heim], pkt);
            a.punkteTeam[spiel.aus] = plus16(a.punkteTeam[spiel.aus], pkt);
            const int abschnitt = abschnittVonSpiel(m);
            a.punkteAbschnitt[abschnitt] = plus16(a.punkteAbschnitt[abschnitt], pkt);
            a.kategorie[m] = static_cast<Integer>(c);
        }
    }
    // Every slot that does not play along sinks below all participants, also with no match flagged.
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (!s.spieler[p].spieltMit) neu[p].punkte = minus16(-1, s.regel.bonuspunkte);
    s.auswertung = neu;
}

Integer summeAbschnitte(const Spielstand& s, int spieler, int von, int bis) {
    const Auswertung& a = s.auswertung[spieler];
    Integer summe = 0;
    for (int k = von; k <= bis; ++k) summe = plus16(summe, a.punkteAbschnitt[k]);
    return summe;
}

}  // namespace ovi
