// The ranking table on records written by hand (3-2-1-Regel, bonus 10): the order under each of the seven keys,
// ties kept in the order of the sort before, slots that do not play along below everybody.
#include "core/rangliste.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "core/auswertung.h"

using namespace ovi;

namespace {

struct Werte {
    int gesamt, bonus, gruppe, ko, exakt, hoehe, tendenz;  // hits as counts, not points
};

// Group points booked to Gruppe H and knock-out points to the Achtelfinale, so both sums reach their edges.
void setze(Spielstand& s, int slot, const char* name, Werte w) {
    s.spieler[slot] = {.name = name, .weltmeisterTipp = 0, .spieltMit = true};
    Auswertung& a = s.auswertung[slot];
    a.gesamt = static_cast<Integer>(w.gesamt);
    a.wmBonus = static_cast<Integer>(w.bonus);
    a.punkte = static_cast<Integer>(w.gesamt - w.bonus);
    a.punkteAbschnitt[7] = static_cast<Integer>(w.gruppe);
    a.punkteAbschnitt[8] = static_cast<Integer>(w.ko);
    a.anzahl3er = static_cast<Integer>(w.exakt);
    a.anzahl2er = static_cast<Integer>(w.hoehe);
    a.anzahl1er = static_cast<Integer>(w.tendenz);
}

// Points by key:        total group k.o. bonus exact(x3) Sieghöhe(x2) tendency(x1)
//   Anna  (slot 0)       20    6     4    10      3          6            1
//   Ben   (slot 1)       20   14     6     0     12          4            4
//   Dora  (slot 3)       12    4     8     0      6          6            0
//   Emil  (slot 24)      12    0     2    10      0          0            2
// Carl (slot 2) and the empty slots 4..23 do not play along: total -11 as after an evaluation, 0 for the rest.
Spielstand tabelle() {
    Spielstand s;
    loescheAuswertung(s);
    for (Auswertung& a : s.auswertung) {
        a.gesamt = -11;
        a.punkte = -11;
    }
    setze(s, 0, "Anna", {.gesamt = 20, .bonus = 10, .gruppe = 6, .ko = 4, .exakt = 1, .hoehe = 3, .tendenz = 1});
    setze(s, 1, "Ben", {.gesamt = 20, .bonus = 0, .gruppe = 14, .ko = 6, .exakt = 4, .hoehe = 2, .tendenz = 4});
    setze(s, 3, "Dora", {.gesamt = 12, .bonus = 0, .gruppe = 4, .ko = 8, .exakt = 2, .hoehe = 3, .tendenz = 0});
    setze(s, 24, "Emil", {.gesamt = 12, .bonus = 10, .gruppe = 0, .ko = 2, .exakt = 0, .hoehe = 0, .tendenz = 2});
    s.spieler[2] = {.name = "Carl", .weltmeisterTipp = 0, .spieltMit = false};
    return s;
}

// Slots on the first six places.
std::vector<int> oben(const Spielstand& s) {
    std::vector<int> slots;
    for (int platz = 0; platz < 6; ++platz) slots.push_back(spielerAufPlatz(s, platz));
    return slots;
}

}  // namespace

namespace ovi {
void PrintTo(const Tabellenzeile& z, std::ostream* aus) {
    *aus << z.spieler << '|' << z.gesamt << '|' << z.gruppe << '|' << z.ko << '|' << z.bonus << '|' << z.richtige << '|'
         << z.sieghoehe << '|' << z.tendenz;
}
}  // namespace ovi

TEST(Rangliste, ReihenfolgeJeSchluessel) {
    struct Fall {
        const char* fall;
        std::vector<int> schluessel;  // sorted one after the other, starting from the slot order
        std::vector<int> oben;        // slots on places 1 to 6
        int tendenzPunkte = 1;
    };
    // clang-format off
    const Fall faelle[] = {
        {.fall = "Gesamtpunkte: Gleichstand nach Slot",  .schluessel = {0},        .oben = {0, 1, 3, 24, 2, 4}},
        {.fall = "Gruppenphase",                         .schluessel = {0, 1},     .oben = {1, 0, 3, 24, 2, 4}},
        {.fall = "K.O.-Phase",                           .schluessel = {0, 2},     .oben = {3, 1, 0, 24, 2, 4}},
        {.fall = "Bonus: Anna vor Emil wie zuvor",       .schluessel = {0, 3},     .oben = {0, 24, 1, 3, 2, 4}},
        {.fall = "richtige Tipps",                       .schluessel = {0, 4},     .oben = {1, 3, 0, 24, 2, 4}},
        {.fall = "Sieghöhe: Anna vor Dora wie zuvor",    .schluessel = {0, 5},     .oben = {0, 3, 1, 24, 2, 4}},
        {.fall = "Tendenz: Dora mit 0 bleibt über Carl", .schluessel = {0, 6},     .oben = {1, 24, 0, 3, 2, 4}},
        {.fall = "Bonus nach Tendenz: Emil vor Anna",    .schluessel = {0, 6, 3},  .oben = {24, 0, 1, 3, 2, 4}},
        {.fall = "Sieghöhe zweimal",                     .schluessel = {0, 5, 5},  .oben = {0, 3, 1, 24, 2, 4}},
        {.fall = "Schlüssel 7 ändert nichts",            .schluessel = {0, 6, 7},  .oben = {1, 24, 0, 3, 2, 4}},
        {.fall = "Schlüssel -1 ändert nichts",           .schluessel = {0, 6, -1}, .oben = {1, 24, 0, 3, 2, 4}},
        {.fall = "Tendenz zu 0 Punkten: alle gleich",    .schluessel = {0, 6},     .oben = {0, 1, 3, 24, 2, 4},
         .tendenzPunkte = 0},
    };
    // clang-format on
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fall);
        Spielstand s = tabelle();
        s.setModusPunkte(2, f.tendenzPunkte);
        for (int k : f.schluessel) sortiereTabelle(s, k);
        EXPECT_EQ(oben(s), f.oben);
    }
}

// What the rows show: the name after two blanks; points of each kind are the count times the rule's value.
TEST(Rangliste, Zeilen) {
    Spielstand s = tabelle();
    sortiereTabelle(s, 0);
    setzeEingebauteRegel(s, 1);
    const auto zeilen = tabellenZeilen(s);
    // clang-format off
    const Tabellenzeile ben = {.spieler = "  Ben", .gesamt = "20", .gruppe = "14", .ko = "6", .bonus = "0",
                               .richtige = "8", .sieghoehe = "2", .tendenz = "4"};
    // clang-format on
    EXPECT_EQ(zeilen[1], ben) << "2-Punkte-Regel: 4 exakte zu 2, 2 Sieghöhen zu 1, 4 Tendenzen zu 1";
    EXPECT_EQ(zeilen[4].spieler, "  Carl") << "spielt nicht mit: unter allen";
}
