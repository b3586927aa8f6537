// Tips read from text: every form a tip line may take, participant lines, and every reason a line is not taken,
// each row worked out by hand against the pool of tippspiel.h.
#include "core/tipptext.h"

#include <gtest/gtest.h>

#include "core/tippvorschau.h"
#include "tests/core/tippspiel.h"

using namespace ovi;

namespace {

// Each line as "finding|participant|match|tip", lines apart by " / "; match and tip only where the match is known.
std::string gelesen(const Spielstand& s, const std::string& text, int spieler) {
    std::string aus;
    for (const Vorschauzeile& v : vorschau(leseTipptext(text, s, spieler), s.tipps)) {
        const Tippzeile& z = v.zeile;
        const bool spiel = z.spiel >= 0;
        aus += (aus.empty() ? "" : " / ") + befundText(v) + "|" + (z.spieler >= 0 ? s.getName(z.spieler) : "") + "|" +
               (spiel ? std::to_string(z.spiel + 1) : "") + "|" +
               (spiel ? std::to_string(z.heim) + ":" + std::to_string(z.aus) : "");
    }
    return aus;
}

struct Fall {
    const char* name;
    int spieler;  // whose tips the text is before a participant line: 0 Anke, -1 nobody
    const char* text;
    const char* erwartet;
};

const Fall faelle[] = {
    // The forms of a tip line.
    {"Bindestrich", 0, "Deutschland - Costa Rica 2:1", "neu|Anke|1|2:1"},
    {"Halbgeviertstrich und Strich im Ergebnis", 0, "Deutschland – Costa Rica 2-1", "neu|Anke|1|2:1"},
    {"gegen, Ergebnis mit Leerzeichen", 0, "Deutschland gegen Costa Rica 2 : 1", "neu|Anke|1|2:1"},
    {"Kürzel mit vs", 0, "GER vs CRC 2:1", "neu|Anke|1|2:1"},
    {"umgekehrte Paarung", 0, "Costa Rica - Deutschland 1:2", "neu|Anke|1|2:1"},
    {"klein geschrieben", 0, "deutschland - costa rica 3:0", "neu|Anke|1|3:0"},
    {"Kürzel klein", 0, "ger - crc 0:1", "neu|Anke|1|0:1"},
    {"ohne Umlaute", 0, "Argentinien - Elfenbeinkueste 1:1", "neu|Anke|8|1:1"},
    {"Côte d'Ivoire umgekehrt", 0, "Côte d'Ivoire - Argentinien 0:2", "neu|Anke|8|2:0"},
    {"Kurznamen mit Bindestrich", 0, "Serbien-Montenegro - Holland 0:1", "ersetzt 2:2|Anke|7|0:1"},
    {"Kürzel, Tipp schon da", 0, "SCG - NED 2:2", "gleich|Anke|7|2:2"},
    {"ersetzt einen Tipp", 0, "Deutschland - Polen 2:0", "ersetzt 1:0|Anke|3|2:0"},
    {"Südkorea", 0, "Südkorea - Togo 2:1", "neu|Anke|37|2:1"},
    {"Trinidad & Tobago umgekehrt", 0, "Schweden – Trinidad & Tobago 1:0", "neu|Anke|13|0:1"},
    {"Tschechien", 0, "USA - Tschechien 1:2", "neu|Anke|19|1:2"},
    {"Saudi-Arabien", 0, "Saudi-Arabien vs. Tunesien 2:2", "neu|Anke|45|2:2"},
    {"Ergebnis zwischen den Mannschaften", 0, "Deutschland 2:1 Costa Rica", "neu|Anke|1|2:1"},
    {"Bemerkung und Aufzählungszeichen", 0, "• Deutschland - Costa Rica 2:1 (sicher!)", "neu|Anke|1|2:1"},
    {"Gefühl hinter dem Ergebnis", 0, "⚽ GER - CRC 2:1 👍", "neu|Anke|1|2:1"},
    {"0:0 füllt nichts", 0, "Deutschland - Schweden 0:0", "gleich|Anke|49|0:0"},
    // Numbered lines, as the tip sheet prints them.
    {"Nummer mit Punkt", 0, "49. 2:0", "neu|Anke|49|2:0"},
    {"Spiel und Doppelpunkt", 0, "Spiel 49: 2:0", "neu|Anke|49|2:0"},
    {"Nummer mit Klammer", 0, "49) 2-0", "neu|Anke|49|2:0"},
    {"Nummer mit Mannschaften", 0, "49. Deutschland – Schweden 2:0", "neu|Anke|49|2:0"},
    {"Nummer mit umgekehrten Mannschaften", 0, "49. Schweden – Deutschland 0:2", "neu|Anke|49|2:0"},
    {"Zeile des Tippzettels", 0, "49. Deutschland – Schweden    2:0    (24.06., 17:00)", "neu|Anke|49|2:0"},
    {"Zettel mit Ziffern in den Strichen", 0, "49. Deutschland – Schweden  _2:0_   (24.06., 17:00)", "neu|Anke|49|2:0"},
    {"leere Zeile des Tippzettels", 0, "49. Deutschland – Schweden   __:__   (24.06., 17:00)", "ohne Tipp|||"},
    {"Spiel ohne Tipp", 0, "Spiel 49", "ohne Tipp|||"},
    {"gleiche Paarung zweimal, mit Nummer", 0, "50. Polen - Ecuador 1:1", "neu|Anke|50|1:1"},
    // What is not taken, and why.
    {"Nummer mit anderen Mannschaften", 0, "49. Deutschland – Polen 2:0",
     "nicht erkannt: Spiel 49 ist Deutschland – Schweden|Anke||"},
    {"Nummer zu groß", 0, "65. 1:0", "nicht erkannt: kein Spiel 65, es gibt 1 bis 64|Anke||"},
    {"Paarung noch offen", 0, "51. 1:0", "nicht erkannt: die Paarung von Spiel 51 steht noch nicht fest|Anke||"},
    {"Paarung gibt es nicht", 0, "Deutschland - Brasilien 1:0",
     "nicht erkannt: Deutschland – Brasilien ist keine Paarung des Spielplans|Anke||"},
    {"Paarung zweimal", 0, "Ecuador - Polen 2:0",
     "nicht erkannt: Ecuador – Polen gibt es mehrmals (Spiele 2 und 50), bitte mit Spielnummer|Anke||"},
    {"dieselbe Mannschaft zweimal", 0, "GER - Deutschland 1:0",
     "nicht erkannt: Deutschland – Deutschland ist keine Paarung|Anke||"},
    {"unbekannte Mannschaft", 0, "Deutschland - Atlantis 1:0",
     "nicht erkannt: unbekannte Mannschaft „Atlantis“|Anke||"},
    {"nur eine Mannschaft", 0, "Deutschland 1:0", "nicht erkannt: nur eine Mannschaft|Anke||"},
    {"nur ein Ergebnis", 0, "2:1", "nicht erkannt: kein Spiel genannt|Anke||"},
    {"zwei Ziffern", 0, "Deutschland - Costa Rica 10:1",
     "nicht erkannt: zweistellige Torzahl „10:1“, je Mannschaft geht eine Ziffer|Anke||"},
    {"zwei Ergebnisse", 0, "Deutschland - Costa Rica 2:1, Polen - Ecuador 0:0",
     "nicht erkannt: mehr als ein Ergebnis in der Zeile|Anke||"},
    {"Datum vorne wird nicht geraten", 0, "09.06. Deutschland - Costa Rica 2:1",
     "nicht erkannt: unbekannte Mannschaft „09.06. Deutschland“|Anke||"},
    {"Geplauder", 0, "Hallo zusammen, hier meine Tipps! 😀", "ohne Tipp|||"},
    {"Uhrzeit mit Sekunden", 0, "Gesendet um 18:00:01", "ohne Tipp|||"},
    {"Leerzeile", 0, "   ", "ohne Tipp|||"},
    {"zu lang für eine Tippzeile", 0,
     "Deutschland - Costa Rica 2:1 ----------------------------------------------------------------------------------"
     "-------------------------------------------------------------------------------------------------------------",
     "nicht erkannt: länger als 200 Zeichen, keine Tippzeile|||"},
    {"kein Teilnehmer gewählt", -1, "Deutschland - Costa Rica 2:1", "nicht erkannt: kein Teilnehmer gewählt||1|2:1"},
    // Participant lines.
    {"Tipps von, klein geschrieben", -1, "Tipps von bernd\nDeutschland - Costa Rica 2:1",
     "Teilnehmer|Bernd|| / neu|Bernd|1|2:1"},
    {"Name mit Doppelpunkt, groß", 0, "JÖRG:\nGER - CRC 1:1", "Teilnehmer|Jörg|| / neu|Jörg|1|1:1"},
    {"Tipps von Unbekanntem", 0, "Tipps von Xaver\nGER - CRC 1:1",
     "nicht erkannt: kein Teilnehmer heißt „Xaver“||| / nicht erkannt: kein Teilnehmer gewählt||1|1:1"},
    {"Name ohne Tipps von ist Geplauder", 0, "Xaver:\nGER - CRC 1:1", "ohne Tipp||| / neu|Anke|1|1:1"},
    {"spielt nicht mit", 0, "Carla\nGER - CRC 1:1",
     "nicht erkannt: „Carla“ spielt nicht mit||| / nicht erkannt: kein Teilnehmer gewählt||1|1:1"},
    {"leerer Name auf dem Zettel", 0, "Tipps von ____________\nGER - CRC 1:1", "ohne Tipp||| / neu|Anke|1|1:1"},
    {"zwei Teilnehmer", 0, "GER - CRC 1:1\r\nTipps von Bernd\r\nGER - CRC 1:1",
     "neu|Anke|1|1:1 / Teilnehmer|Bernd|| / neu|Bernd|1|1:1"},
    {"ein Spiel zweimal", 0, "GER - CRC 1:1\nDeutschland - Costa Rica 2:1",
     "neu|Anke|1|1:1 / nicht erkannt: Spiel 1 für Anke schon in Zeile 1|Anke|1|2:1"},
};

}  // namespace

TEST(Tipptext, JedeZeileUndWasAusIhrWird) {
    const Spielstand s = test::tippspiel();
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(gelesen(s, f.text, f.spieler), f.erwartet);
    }
}

// Two participants of one name cannot be told apart: the line is not taken and the tips after it go to nobody.
TEST(Tipptext, NameZweimalUnterDenTeilnehmern) {
    Spielstand s = test::tippspiel();
    s.setName(1, " anke ");
    EXPECT_EQ(gelesen(s, "Anke\nGER - CRC 1:1", 2),
              "nicht erkannt: „Anke“ gibt es mehrmals unter den Teilnehmern||| / nicht erkannt: kein Teilnehmer "
              "gewählt||1|1:1");
}

// A name with brackets or underscores is found as written, though the reader leaves brackets out and reads "_" as a
// blank everywhere else.
TEST(Tipptext, NamenMitKlammernUndUnterstrich) {
    Spielstand s = test::tippspiel();
    s.setName(1, "Bernd (Vertrieb)");
    s.setName(2, "j_k");
    EXPECT_EQ(gelesen(s, "Tipps von Bernd (Vertrieb):\nGER - CRC 1:1\nj_k\nGER - CRC 2:2", -1),
              "Teilnehmer|Bernd (Vertrieb)|| / neu|Bernd (Vertrieb)|1|1:1 / Teilnehmer|j_k|| / neu|j_k|1|2:2");
}

// Line numbers count every line, also blank ones and the last without a line end; CR LF ends are not text.
TEST(Tipptext, ZeilenUndIhreNummern) {
    const auto zeilen = leseTipptext("a\r\n\nGER - CRC 1:1", test::tippspiel(), 0);
    ASSERT_EQ(zeilen.size(), 3u);
    EXPECT_EQ(zeilen[0].text, "a");
    EXPECT_EQ(zeilen[1].art, Zeilenart::leer);
    EXPECT_EQ(zeilen[2].nummer, 3);
    EXPECT_TRUE(leseTipptext("", test::tippspiel(), 0).empty());
}

// Only "neu" lines and the chosen "ersetzt" lines are written.
TEST(Tipptext, UebernommenWerdenNeueUndGewaehlte) {
    Spielstand s = test::tippspiel();
    const auto v = vorschau(leseTipptext("GER - CRC 1:1\nGER - POL 2:0\nSCG - NED 0:1\nSCG - NED 2:2", s, 0), s.tipps);
    const auto a = aenderungen(v, [](const Vorschauzeile& z) { return z.zeile.spiel == 2; });
    EXPECT_EQ(a, (std::vector<Tippaenderung>{{0, 0, 1, 1}, {0, 2, 2, 0}}));
    uebernimm(s.tipps, a);
    EXPECT_EQ(s.tipps(0, 2, 0), 2);
    EXPECT_EQ(s.tipps(0, 6, 1), 2);
}
