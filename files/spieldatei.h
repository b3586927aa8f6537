// The game file (.gowet): six blocks, little-endian, no header.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/spielstand.h"
#include "files/fingerabdruck.h"

class QString;

namespace ovi {

// What a game file holds.
struct Spieldatei {
    Nationen nationen;
    Spiele spiele;
    Liste<Spieler, katalog::anzahlSpieler> spieler;
    Regel regel;
    Liste<Long, 4> modusFarbe;
    TippFeld tippsAblage;
    bool operator==(const Spieldatei&) const = default;
};

// Either a complete, checked file or a German error text naming the file and the problem.
template <class T>
struct Gelesen {
    std::optional<T> daten;
    std::string fehler;
    // Refused, but the reader of the other kind of .gowet file takes it whole (files/dateiart.h).
    bool andereArt = false;
    explicit operator bool() const { return daten.has_value(); }
};

// The persisted part of a game; the tips go in as tippsAblage.
Spieldatei ausSpielstand(const Spielstand& s);
// Opening: replaces team names, matches, participants, rule, colours, tippsAblage and tipps.
void uebernehme(Spielstand& s, const Spieldatei& d);

std::string schreibeSpieldatei(const Spieldatei& d);
// Block 1 is read with the lengths of the names held now.
Gelesen<Spieldatei> leseSpieldatei(std::string_view bytes, const Nationen& gehalten, const std::string& dateiName);

// From and to disk. dateiName in messages is the file's name without folder. `gelesen`, `geschrieben`: what the
// bytes were, to notice a later change by someone else.
Gelesen<Spieldatei> ladeSpieldatei(const QString& pfad, const Nationen& gehalten, Fingerabdruck* gelesen = nullptr);
// Writes to a temporary file beside the target and renames it over; empty text on success, else the reason.
std::string speichereSpieldatei(const QString& pfad, const Spieldatei& d, Fingerabdruck* geschrieben = nullptr);

}  // namespace ovi
