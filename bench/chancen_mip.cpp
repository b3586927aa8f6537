// The measurement behind the choice of the search: the same best- and worst-place questions as a mixed-integer
// model solved by CBC. Built only where CBC is installed (coinor-libcbc-dev); the program itself needs no solver.
//
// Model for participant q: a binary per open match and outcome class (one per match), one per champion option (one
// in all, none with a class its way forbids), one per rival: it is 1 only if the rival ends level with or below q
// (best place) or above q (worst place), by a big-M row on the rival's points minus q's; maximise their sum.
#include <coin/Cbc_C_Interface.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/chancenaufgabe.h"
#include "core/chancensuche.h"
#include "tests/hilfe/chancenspiel.h"

using namespace ovi;

namespace {

int mipPlatz(const Suchaufgabe& a, int q, bool bester) {
    const int n = static_cast<int>(a.stand.size());
    const int spiele = static_cast<int>(a.spiele.size());
    const int optionen = static_cast<int>(a.optionen.size());
    Cbc_Model* modell = Cbc_newModel();
    Cbc_setLogLevel(modell, 0);
    std::vector<std::vector<int>> x(static_cast<std::size_t>(spiele));
    int spalte = 0;
    for (int m = 0; m < spiele; ++m)
        for (std::size_t k = 0; k < a.spiele[m].size(); ++k) {
            Cbc_addCol(modell, "", 0, 1, 0, 1, 0, nullptr, nullptr);
            x[m].push_back(spalte++);
        }
    std::vector<int> z(static_cast<std::size_t>(optionen));
    for (int o = 0; o < optionen; ++o) {
        Cbc_addCol(modell, "", 0, 1, 0, 1, 0, nullptr, nullptr);
        z[o] = spalte++;
    }
    std::vector<int> y(static_cast<std::size_t>(n), -1);
    for (int r = 0; r < n; ++r)
        if (r != q) {
            Cbc_addCol(modell, "", 0, 1, 1, 1, 0, nullptr, nullptr);
            y[r] = spalte++;
        }
    Cbc_setObjSense(modell, -1);
    for (int m = 0; m < spiele; ++m) {
        std::vector<double> eins(x[m].size(), 1.0);
        Cbc_addRow(modell, "", static_cast<int>(x[m].size()), x[m].data(), eins.data(), 'E', 1);
    }
    std::vector<double> eins(static_cast<std::size_t>(optionen), 1.0);
    Cbc_addRow(modell, "", optionen, z.data(), eins.data(), 'E', 1);
    for (int o = 0; o < optionen; ++o)
        for (int m = 0; m < spiele; ++m)
            for (std::size_t k = 0; k < a.spiele[m].size(); ++k)
                if (!(a.optionen[o].erlaubt[m] & tendenzBit(a.spiele[m][k].tendenz))) {
                    int spalten[2] = {x[m][k], z[o]};
                    double werte[2] = {1, 1};
                    Cbc_addRow(modell, "", 2, spalten, werte, 'L', 1);
                }
    for (int r = 0; r < n; ++r) {
        if (r == q) continue;
        // D = points of r minus points of q = base + bonus terms + match terms.
        std::vector<int> spalten;
        std::vector<double> werte;
        const double basis = a.stand[r] - a.stand[q];
        double tief = basis, hoch = basis, bTief = 1e9, bHoch = -1e9;
        for (int o = 0; o < optionen; ++o) {
            const double b = a.optionen[o].bonus[r] - a.optionen[o].bonus[q];
            spalten.push_back(z[o]);
            werte.push_back(b);
            bTief = std::min(bTief, b);
            bHoch = std::max(bHoch, b);
        }
        tief += bTief;
        hoch += bHoch;
        for (int m = 0; m < spiele; ++m) {
            double dTief = 1e9, dHoch = -1e9;
            for (std::size_t k = 0; k < a.spiele[m].size(); ++k) {
                const double d = a.spiele[m][k].punkte[r] - a.spiele[m][k].punkte[q];
                if (d != 0) {
                    spalten.push_back(x[m][k]);
                    werte.push_back(d);
                }
                dTief = std::min(dTief, d);
                dHoch = std::max(dHoch, d);
            }
            tief += dTief;
            hoch += dHoch;
        }
        if (bester) {  // y = 1 -> D <= 0
            const double gross = std::max(0.0, hoch);
            spalten.push_back(y[r]);
            werte.push_back(gross);
            Cbc_addRow(modell, "", static_cast<int>(spalten.size()), spalten.data(), werte.data(), 'L', gross - basis);
        } else {  // y = 1 -> D >= 1
            const double gross = std::max(0.0, 1 - tief);
            spalten.push_back(y[r]);
            werte.push_back(-gross);
            Cbc_addRow(modell, "", static_cast<int>(spalten.size()), spalten.data(), werte.data(), 'G',
                       1 - gross - basis);
        }
    }
    Cbc_solve(modell);
    const int anzahl = static_cast<int>(Cbc_getObjValue(modell) + 0.5);
    Cbc_deleteModel(modell);
    return bester ? n - anzahl : 1 + anzahl;
}

double ms(std::chrono::steady_clock::time_point seit) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - seit).count();
}

// Every participant's best and worst place by both ways; the places must agree.
void vergleiche(const char* name, const Spielstand& s, int nurTeilnehmer) {
    const Chancenaufgabe a = baueChancenaufgabe(s, -1);
    double suche = 0, mip = 0;
    int abweichungen = 0;
    for (int q = 0; q < static_cast<int>(a.teilnehmer.size()); ++q) {
        if (nurTeilnehmer >= 0 && q != nurTeilnehmer) continue;
        for (const bool bester : {true, false}) {
            auto t = std::chrono::steady_clock::now();
            const int p1 = bester ? besterPlatz(a.suche, q)->platz : schlechtesterPlatz(a.suche, q)->platz;
            suche += ms(t);
            t = std::chrono::steady_clock::now();
            const int p2 = mipPlatz(a.suche, q, bester);
            mip += ms(t);
            abweichungen += p1 != p2;
        }
    }
    std::printf("%s: Suche %.1f ms, CBC %.1f ms, %d Abweichungen\n", name, suche, mip, abweichungen);
    std::fflush(stdout);
}

}  // namespace

int main() {
    vergleiche("Halbfinale an offen (4 Spiele), zufällige Tipps, 25 Teilnehmer", test::chancenSpiel(60), -1);
    vergleiche("Viertelfinale an offen (8 Spiele), wie eine echte Runde, 25 Teilnehmer", test::wieEineEchteRunde(56),
               -1);
    vergleiche("Viertelfinale an offen (8 Spiele), zufällige Tipps, 25 Teilnehmer", test::chancenSpiel(56), -1);
    vergleiche("ganze K.-o.-Phase offen (16 Spiele), wie eine echte Runde, 25 Teilnehmer", test::wieEineEchteRunde(48),
               -1);
}
