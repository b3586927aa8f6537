// The tip sheet: its text for one view, and filled in, read back by the tip reader as it stands.
#include "ausgabe/tippzettel.h"

#include <gtest/gtest.h>

#include "core/tipptext.h"
#include "core/tippvorschau.h"
#include "tests/core/tippspiel.h"

using namespace ovi;

namespace {

// 64 different pairings: team k against k+1 in matches 1 to 32, against k+2 in matches 33 to 64.
Spielstand vierundsechzig() {
    Spielstand s;
    s.setName(0, "Anke");
    s.setSpieltMit(0, true);
    s.setName(1, "Bernd");
    s.setSpieltMit(1, true);
    for (int m = 0; m < 64; ++m) {
        s.spiele[m].heim = static_cast<Integer>(m % 32);
        s.spiele[m].aus = static_cast<Integer>((m % 32 + 1 + m / 32) % 32);
        s.spiele[m].datum = "1" + std::to_string(m % 10) + ".06.2006";
        s.spiele[m].zeit = "21:00 Uhr";
    }
    return s;
}

// Each match line's finding, "number finding tip", from reading the text.
std::vector<std::string> befunde(const Spielstand& s, const std::string& text) {
    std::vector<std::string> aus;
    for (const Vorschauzeile& v : vorschau(leseTipptext(text, s, -1), s.tipps))
        if (v.zeile.spiel >= 0)
            aus.push_back(std::to_string(v.zeile.spiel + 1) + " " + befundText(v) + " " + std::to_string(v.zeile.heim) +
                          ":" + std::to_string(v.zeile.aus));
    return aus;
}

// Fills each blank "__:__" with the next tip of the list.
std::string fuelleAus(std::string zettel, const std::vector<std::string>& tipps) {
    std::size_t i = 0;
    for (std::size_t pos; i < tipps.size() && (pos = zettel.find("__:__")) != std::string::npos; ++i)
        zettel.replace(pos, 5, tipps[i]);
    return zettel;
}

}  // namespace

// Group A of the pool for Anke: match 1 (evaluated, untipped), 2, 3 with her 1:0. The teams' column is as wide as
// the longest pairing of the game ("Serbien und Montenegro – Niederlande", 36 characters).
TEST(Tippzettel, EineAnsichtFuerEinenTeilnehmer) {
    EXPECT_EQ(tippzettel(test::tippspiel(), 0, 0),
              "Tippzettel – Gruppe A\n"
              "Tipps von Anke\n"
              "\n"
              "Bitte je Spiel die Tore eintragen, eine Ziffer je Mannschaft.\n"
              "\n"
              " 1. Deutschland – Costa Rica              __:__   (09.06., 18:00)\n"
              " 2. Polen – Ecuador                       __:__   (09.06., 21:00)\n"
              " 3. Deutschland – Polen                    1:0    (14.06., 21:00)\n");
}

// Blank for the whole tournament: every view a heading, views without a pairing say so; no date, no brackets.
TEST(Tippzettel, LeerFuerDasGanzeTurnier) {
    Spielstand s;
    s.spiele[62] = {24, 16, 0, 0, false, 4, 5, "", "", 0, 0, ""};
    std::string erwartet =
        "Tippzettel – ganzes Turnier\n"
        "Tipps von ____________________\n"
        "\n"
        "Bitte je Spiel die Tore eintragen, eine Ziffer je Mannschaft.\n";
    for (const char* v : {"Gruppe A", "Gruppe B", "Gruppe C", "Gruppe D", "Gruppe E", "Gruppe F", "Gruppe G",
                          "Gruppe H", "Achtelfinale", "Viertelfinale"})
        erwartet += std::string("\n") + v + "\n(Die Paarungen stehen noch nicht fest.)\n";
    erwartet += "\nHalbfinale, Finale\n63. Frankreich – Italien  __:__\n";
    EXPECT_EQ(tippzettel(s, -1, -1), erwartet);
}

// Anke's sheet of the whole tournament with her tips of every third match, the other blanks filled in, pasted back:
// her tips come back "gleich", the filled ones "neu", each with its digits, and nothing else is read as a tip.
TEST(Tippzettel, AusgefuelltZurueckGelesen) {
    Spielstand s = vierundsechzig();
    std::vector<std::string> soll, fuellung;
    for (int m = 0; m < 64; ++m) {
        const int h = m % 10, a = (m / 10) % 10;
        const bool da = m % 3 == 0 && (h || a);
        if (da) {
            s.tipps(0, m, 0) = static_cast<Integer>(h);
            s.tipps(0, m, 1) = static_cast<Integer>(a);
        }
        if (!da) fuellung.push_back(std::to_string(h) + ":" + std::to_string(a));
        soll.push_back(std::to_string(m + 1) + (da ? " gleich " : " neu ") + std::to_string(h) + ":" +
                       std::to_string(a));
    }
    // A blank filled with 0:0 is a tip the game cannot tell from none.
    for (std::string& z : soll)
        if (z.ends_with(" neu 0:0")) z.replace(z.size() - 7, 3, "gleich");
    EXPECT_EQ(befunde(s, fuelleAus(tippzettel(s, 0, -1), fuellung)), soll);
}

// A blank sheet with the name written in goes to that participant.
TEST(Tippzettel, LeerMitNamenZurueckGelesen) {
    const Spielstand s = vierundsechzig();
    std::string zettel = tippzettel(s, -1, 8);
    zettel.replace(zettel.find("____________________"), 20, "Bernd");
    const auto zeilen = leseTipptext(fuelleAus(zettel, std::vector<std::string>(8, "1:2")), s, -1);
    int bernd = 0;
    for (const Tippzeile& z : zeilen) bernd += z.art == Zeilenart::tipp && z.spieler == 1 && z.heim == 1 && z.aus == 2;
    EXPECT_EQ(bernd, 8);
}
