// The place search against trying every outcome: small tasks drawn at random from a fixed seed per row, each
// participant's best and worst place compared with those of all combinations of classes and champion options, and
// the way the search names checked to give the place it claims.
#include "core/chancensuche.h"

#include <gtest/gtest.h>

#include <random>

using namespace ovi;

namespace {

struct Zeile {
    const char* name;
    unsigned saat;
    int teilnehmer, spiele, klassen, optionen, hoechstePunkte, aufgaben;
};

// Classes with points 0..hoechstePunkte and every tendency; options with a bonus of 0 or 10 and tendency masks
// that leave each match at least its first class.
Suchaufgabe zieheAufgabe(std::mt19937& z, const Zeile& zeile) {
    const auto wuerfel = [&](int bis) { return std::uniform_int_distribution<int>(0, bis)(z); };
    Suchaufgabe a;
    for (int i = 0; i < zeile.teilnehmer; ++i) a.stand.push_back(wuerfel(8));
    for (int m = 0; m < zeile.spiele; ++m) {
        std::vector<Ausgangsklasse> klassen;
        for (int k = 0; k < zeile.klassen; ++k) {
            Ausgangsklasse c;
            c.tendenz = k % 3 - 1;
            for (int i = 0; i < zeile.teilnehmer; ++i) c.punkte.push_back(wuerfel(zeile.hoechstePunkte));
            klassen.push_back(c);
        }
        a.spiele.push_back(klassen);
    }
    for (int o = 0; o < zeile.optionen; ++o) {
        Suchoption opt;
        for (int i = 0; i < zeile.teilnehmer; ++i) opt.bonus.push_back(10 * wuerfel(1));
        for (int m = 0; m < zeile.spiele; ++m)
            opt.erlaubt.push_back(wuerfel(3) == 0 ? alleTendenzen : (wuerfel(7) | tendenzBit(-1)));
        a.optionen.push_back(opt);
    }
    return a;
}

int platzIn(const Suchaufgabe& a, int q, int option, const std::vector<int>& klassen) {
    const auto punkte = [&](int i) {
        int p = a.stand[i] + a.optionen[option].bonus[i];
        for (std::size_t m = 0; m < a.spiele.size(); ++m) p += a.spiele[m][klassen[m]].punkte[i];
        return p;
    };
    int platz = 1;
    for (int i = 0; i < static_cast<int>(a.stand.size()); ++i) platz += punkte(i) > punkte(q);
    return platz;
}

bool erlaubt(const Suchaufgabe& a, int option, const std::vector<int>& klassen) {
    for (std::size_t m = 0; m < a.spiele.size(); ++m)
        if (!(a.optionen[option].erlaubt[m] & tendenzBit(a.spiele[m][klassen[m]].tendenz))) return false;
    return true;
}

// Smallest and largest place of q over every allowed combination.
std::pair<int, int> durchprobiert(const Suchaufgabe& a, int q) {
    int bester = 1000, schlechtester = 0;
    for (int o = 0; o < static_cast<int>(a.optionen.size()); ++o) {
        std::vector<int> klassen(a.spiele.size(), 0);
        for (bool weiter = true; weiter;) {
            if (erlaubt(a, o, klassen)) {
                const int p = platzIn(a, q, o, klassen);
                bester = std::min(bester, p);
                schlechtester = std::max(schlechtester, p);
            }
            weiter = false;
            for (std::size_t m = 0; m < klassen.size() && !weiter; ++m) {
                if (++klassen[m] < static_cast<int>(a.spiele[m].size()))
                    weiter = true;
                else
                    klassen[m] = 0;
            }
        }
    }
    return {bester, schlechtester};
}

const Zeile zeilen[] = {
    {"drei Teilnehmer, zwei Spiele", 1, 3, 2, 4, 3, 1, 20},
    {"fünf Teilnehmer, drei Spiele, zwei Weltmeister", 2, 5, 3, 5, 3, 2, 10},
    {"acht Teilnehmer, fünf Spiele", 3, 8, 5, 4, 3, 1, 8},
    {"acht Teilnehmer, fünf Spiele, drei Weltmeister", 4, 8, 5, 4, 3, 3, 5},
    {"zwölf Teilnehmer, sechs Spiele, große Punkte", 5, 12, 6, 3, 9, 2, 4},
    {"sechzehn Teilnehmer, sechs Spiele, nur null oder ein Punkt", 6, 16, 6, 3, 1, 2, 2},
    {"zehn Teilnehmer, acht Spiele, zwei Klassen", 8, 10, 8, 2, 3, 2, 2},
};

// Each task twice: as the program searches, and without the records found before the full search, so the bounds
// alone decide what is cut off.
TEST(Platzsuche, GleichDemDurchprobierenZufaelligerAufgaben) {
    for (const Zeile& zeile : zeilen) {
        SCOPED_TRACE(zeile.name);
        std::mt19937 z(zeile.saat);
        for (int n = 0; n < zeile.aufgaben; ++n) {
            Suchaufgabe a = zieheAufgabe(z, zeile);
            for (int q = 0; q < zeile.teilnehmer; ++q) {
                SCOPED_TRACE("Aufgabe " + std::to_string(n) + ", Teilnehmer " + std::to_string(q));
                const auto [bester, schlechtester] = durchprobiert(a, q);
                for (const bool abkuerzungen : {true, false}) {
                    SCOPED_TRACE(abkuerzungen ? "mit Abkürzungen" : "nur die Suche");
                    a.abkuerzungen = abkuerzungen;
                    const auto b = besterPlatz(a, q);
                    const auto s = schlechtesterPlatz(a, q);
                    ASSERT_TRUE(b && s);
                    EXPECT_EQ(b->platz, bester);
                    EXPECT_EQ(s->platz, schlechtester);
                    EXPECT_TRUE(erlaubt(a, b->option, b->klassen));
                    EXPECT_EQ(platzIn(a, q, b->option, b->klassen), bester);
                }
            }
        }
    }
}

}  // namespace
