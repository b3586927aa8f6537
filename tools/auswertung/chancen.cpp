#include "tools/auswertung/chancen.h"

#include <iostream>

#include "ausgabe/chancentext.h"
#include "core/chancen.h"
#include "core/regelvergleich.h"
#include "tools/auswertung/ausgabe.h"

namespace ovi::werkzeug {

namespace {

// The estimate goes to the error stream, so the table stays a table.
void hinweis(const Chancen& c) {
    if (c.geschaetzt) std::cerr << "Hinweis: " << schaetzungsHinweis << "\n";
}

}  // namespace

int zeigeChancen(const Spielstand& s, int weltmeister, bool csv) {
    const Chancen c = *berechneChancen(s, weltmeister);
    hinweis(c);
    const Tabelle t = chancenZeilen(s, c);
    std::cout << (csv ? alsCsv(t) : alsText(t));
    return 0;
}

int zeigeSzenario(const Spielstand& s, int weltmeister, const std::string& wer, const std::string& datei) {
    const std::optional<int> nr = teilnehmer(s, wer);
    if (!nr) {
        std::cerr << datei << ": Kein Teilnehmer heißt „" << wer << "“.\n";
        return 1;
    }
    if (!s.getSpieltMit(*nr)) {
        std::cerr << datei << ": Teilnehmer " << *nr << (s.getName(*nr).empty() ? "" : " („" + s.getName(*nr) + "“)")
                  << " spielt nicht mit, darum gibt es keinen Weg nach vorn.\n";
        return 1;
    }
    const Chancen c = *berechneChancen(s, weltmeister);
    hinweis(c);
    for (const Chance& z : c.zeilen)
        if (z.spieler == *nr) std::cout << alsCsv(szenarioZeilen(s, z.szenario));
    return 0;
}

int zeigeVergleich(const Spielstand& s, int weltmeister, bool csv) {
    const Tabelle t = regelZeilen(s, vergleicheRegeln(s, weltmeister));
    std::cout << (csv ? alsCsv(t) : alsText(t));
    return 0;
}

Zusatzteil chancenFuerSeite(const Spielstand& s, int weltmeister) {
    const Chancen c = *berechneChancen(s, weltmeister);
    hinweis(c);
    return chancenTeil(s, c);
}

}  // namespace ovi::werkzeug
