#include "core/rangliste.h"

#include "core/auswertung.h"

namespace ovi {

const std::array<std::string_view, anzahlSortierungen> sortierungen = {
    "Gesamtpunkte", "Gruppenphase", "K.O.-Phase", "Bonuspunkte", "richtige Tipps", "Sieghöhe", "richtige Tendenz"};

Integer sortierWert(const Spielstand& s, int spieler, int schluessel) {
    const Auswertung& a = s.auswertung[spieler];
    switch (schluessel) {
        case 0:
            return a.gesamt;
        case 1:
            return summeAbschnitte(s, spieler, 0, 7);
        case 2:
            return summeAbschnitte(s, spieler, 8, 12);
        case 3:
            return a.wmBonus;
        case 4:
            return mal16(a.anzahl3er, s.regel.modusPunkte[0]);
        case 5:
            return mal16(a.anzahl2er, s.regel.modusPunkte[1]);
        case 6:
            return mal16(a.anzahl1er, s.regel.modusPunkte[2]);
        default:
            return 0;
    }
}

void sortiereTabelle(Spielstand& s, int schluessel) {
    if (schluessel < 0 || schluessel >= anzahlSortierungen) return;
    constexpr int n = katalog::anzahlSpieler;
    std::array<Integer, n> wert{};
    std::array<int, n> aufPlatz{};  // slot at each position
    for (int p = 0; p < n; ++p) {
        wert[p] = sortierWert(s, p, schluessel);
        aufPlatz.at(static_cast<std::size_t>(s.auswertung[p].platz)) = p;
    }
    // Bubble sort with a strict comparison: equal keys keep the order of the sort before.
    for (int durchlauf = 0; durchlauf < n - 1; ++durchlauf)
        for (int j = 0; j < n - 1; ++j)
            if (wert[aufPlatz[j]] < wert[aufPlatz[j + 1]]) std::swap(aufPlatz[j], aufPlatz[j + 1]);
    for (int j = 0; j < n; ++j) s.auswertung[aufPlatz[j]].platz = static_cast<Integer>(j);
}

int spielerAufPlatz(const Spielstand& s, int platz) {
    int gefunden = 0;
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (s.auswertung[p].platz == platz) gefunden = p;
    return gefunden;
}

std::array<Tabellenzeile, katalog::anzahlSpieler> tabellenZeilen(const Spielstand& s) {
    std::array<Tabellenzeile, katalog::anzahlSpieler> zeilen;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        const Auswertung& a = s.auswertung[p];
        Tabellenzeile& z = zeilen.at(static_cast<std::size_t>(a.platz));
        z.spieler = "  " + s.spieler[p].name;
        z.gesamt = std::to_string(a.gesamt);
        z.gruppe = std::to_string(sortierWert(s, p, 1));
        z.ko = std::to_string(sortierWert(s, p, 2));
        z.bonus = std::to_string(a.wmBonus);
        z.richtige = std::to_string(sortierWert(s, p, 4));
        z.sieghoehe = std::to_string(sortierWert(s, p, 5));
        z.tendenz = std::to_string(sortierWert(s, p, 6));
    }
    return zeilen;
}

}  // namespace ovi
