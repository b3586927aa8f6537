// The standings page: header lines as a table, the whole HTML page as the contract it is.
#include <gtest/gtest.h>

#include <functional>

#include "ausgabe/tabellenhtml.h"
#include "core/bonus.h"
#include "tests/hilfe/golden.h"
#include "tests/hilfe/kleinesspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

Spielstand ausgewertet() {
    Spielstand s = kleinesSpiel();
    werteKomplettAus(s);
    return s;
}

// Match 48 of the small game moved to the day of the final, kicking off at `zeit` (the final has no time).
Spiel amFinaltag(const char* zeit) {
    Spiel achtelfinale = begegnung(team::deutschland, team::schweden, {2, 0}, "09.07.2006");
    achtelfinale.zeit = zeit;
    return achtelfinale;
}

Spiele einSpielOhneDatum() {
    Spiele spiele;
    spiele[0] = begegnung(team::deutschland, team::costaRica, {4, 2}, "");
    return spiele;
}

std::string angabe(const Spielstand& s, const std::string& name) {
    for (const Kopfangabe& k : kopfAngaben(s))
        if (k.name == name) return k.wert;
    return "fehlt";
}

}  // namespace

// The head of the page on the evaluated small game (see the heading of erwartet/tabelle.html for its plain head),
// changed one thing at a time. The last counted match goes by date, then kick-off, then number; an unreadable date
// counts as the earliest.
TEST(Tabellenseite, Kopfangaben) {
    struct Fall {
        const char* fall;
        std::function<void(Spielstand&)> aendere;
        const char* angabe;
        const char* wert;
    };
    // clang-format off
    const Fall faelle[] = {
        {.fall = "eigene Regel", .aendere = [](Spielstand& s) { s.regel.modus = 0; },
         .angabe = "Wertung", .wert = "Eigene Regel: richtiger Tipp 3, richtige Sieghöhe 2, richtige Tendenz 1"},
        {.fall = "Regel 9 hat keinen Namen", .aendere = [](Spielstand& s) { s.regel.modus = 9; },
         .angabe = "Wertung", .wert = "richtiger Tipp 3, richtige Sieghöhe 2, richtige Tendenz 1"},
        {.fall = "ein Bonuspunkt", .aendere = [](Spielstand& s) { s.setBonuspunkte(1); },
         .angabe = "Bonus", .wert = "1 Punkt für den richtigen Weltmeister-Tipp; Weltmeister: Italien"},
        {.fall = "Finale nicht gewertet", .aendere = [](Spielstand& s) { s.spiele[63].auswerten = false; },
         .angabe = "Bonus", .wert = "10 Punkte für den richtigen Weltmeister-Tipp; Weltmeister: noch offen"},
        {.fall = "Weltmeister: erste Mannschaft", .aendere = [](Spielstand& s) { s.weltmeister = team::deutschland; },
         .angabe = "Bonus", .wert = "10 Punkte für den richtigen Weltmeister-Tipp; Weltmeister: Deutschland"},
        {.fall = "Weltmeister: letzte Mannschaft", .aendere = [](Spielstand& s) { s.weltmeister = team::saudiarabien; },
         .angabe = "Bonus", .wert = "10 Punkte für den richtigen Weltmeister-Tipp; Weltmeister: Saudiarabien"},
        {.fall = "Weltmeister nicht bekannt", .aendere = [](Spielstand& s) { s.weltmeister = -1; },
         .angabe = "Bonus", .wert = "10 Punkte für den richtigen Weltmeister-Tipp; Weltmeister: noch offen"},
        {.fall = "Bonus aus", .aendere = [](Spielstand& s) { s.setBonus(false); },
         .angabe = "Bonus", .wert = "aus"},
        {.fall = "nichts gewertet", .aendere = [](Spielstand& s) { s = Spielstand{}; },
         .angabe = "Gewertet", .wert = "kein Spiel"},
        {.fall = "ein Spiel ohne Datum", .aendere = [](Spielstand& s) { s.spiele = einSpielOhneDatum(); },
         .angabe = "Gewertet", .wert = "1 Spiel, zuletzt Deutschland – Costa Rica 4:2"},
        {.fall = "Finale mit früherem Datum", .aendere = [](Spielstand& s) { s.spiele[63].datum = "01.06.2006"; },
         .angabe = "Gewertet", .wert = "4 Spiele, zuletzt Deutschland – Schweden 2:0 am 24.06.2006"},
        {.fall = "Finale mit unlesbarem Datum", .aendere = [](Spielstand& s) { s.spiele[63].datum = "Juli"; },
         .angabe = "Gewertet", .wert = "4 Spiele, zuletzt Deutschland – Schweden 2:0 am 24.06.2006"},
        {.fall = "spätere Anstoßzeit", .aendere = [](Spielstand& s) { s.spiele[48] = amFinaltag("21:00 Uhr"); },
         .angabe = "Gewertet", .wert = "4 Spiele, zuletzt Deutschland – Schweden 2:0 am 09.07.2006"},
        {.fall = "ohne Zeit: höhere Nummer", .aendere = [](Spielstand& s) { s.spiele[48] = amFinaltag(""); },
         .angabe = "Gewertet", .wert = "4 Spiele, zuletzt Italien – Frankreich 2:1 am 09.07.2006"},
    };
    // clang-format on
    for (const Fall& f : faelle) {
        Spielstand s = ausgewertet();
        f.aendere(s);
        EXPECT_EQ(angabe(s, f.angabe), f.wert) << f.fall;
    }
}

// What the page shows: the heading of erwartet/tabelle.html. The race chart has tests of its own, a small figure
// stands in for it; the reports are the participants' reports of the core tests, here only how they are put in.
TEST(Tabellenseite, GanzeSeite) {
    Tabellendokument d = baueTabellendokument(ausgewertet(), "", "07.12.2026, 11:48 Uhr");  // parts as by default
    ASSERT_EQ(d.zusatz.size(), 1u);
    d.zusatz[0].svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\"></svg>";
    EXPECT_TRUE(stimmtMitDatei(OVI_ERWARTET "/tabelle.html", alsHtml(d)));
}

// Reports in the order of the ranking, each under its name, without CR, escaped.
TEST(Tabellenseite, Berichte) {
    const Tabellendokument d = baueTabellendokument(ausgewertet(), "", "", {false, false, true});
    EXPECT_EQ(d.berichtNamen, (std::vector<std::string>{"Anna", "Ben & <Co>"}));
    const std::string html = alsHtml(d);
    EXPECT_NE(html.find("<h2>Berichte</h2>\n<h3>Anna</h3>\n<pre>  Anna\n  -\n  Weltmeister-Tipp: Italien\n"),
              std::string::npos);
    EXPECT_NE(html.find("<h3>Ben &amp; &lt;Co&gt;</h3>\n<pre>  Ben &amp; &lt;Co&gt;\n  -\n"), std::string::npos);
    EXPECT_EQ(html.find('\r'), std::string::npos);
}
