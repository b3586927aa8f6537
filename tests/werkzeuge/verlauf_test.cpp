// ovikuvela-auswertung --verlauf on a small race and on the shipped example game.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <sstream>

#include "../core/verlaufspiel.h"
#include "spieldatei.h"

using namespace ovi;

namespace {

std::string starte(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(OVI_AUSWERTUNG), argumente);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return "Fehler: " + p.readAllStandardError().toStdString();
    return p.readAllStandardOutput().toStdString();
}

std::vector<std::vector<std::string>> csv(const std::string& text) {
    std::vector<std::vector<std::string>> zeilen;
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        std::vector<std::string> felder(1);
        for (char c : zeile)
            if (c == ';')
                felder.emplace_back();
            else
                felder.back() += c;
        zeilen.push_back(felder);
    }
    return zeilen;
}

}  // namespace

TEST(WerkzeugVerlauf, TageMalTeilnehmerAlsCsv) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("rennen.gowet"));
    ASSERT_EQ(speichereSpieldatei(pfad, ausSpielstand(test::rennen())), "");
    EXPECT_EQ(starte({"--verlauf", "--csv", pfad}),
              "Spieltag;Datum;Platz;Name;Tagespunkte;Punkte bisher;Bonus;Gesamt;Tagessieger\n"
              "1;09.06.2006;1;Ben;5;5;0;5;ja\n"
              "1;09.06.2006;2;Anna;4;4;0;4;\n"
              "1;09.06.2006;3;Cem & Co;2;2;0;2;\n"
              "2;24.06.2006;1;Anna;3;7;0;7;ja\n"
              "2;24.06.2006;2;Ben;0;5;0;5;\n"
              "2;24.06.2006;3;Cem & Co;3;5;0;5;ja\n"
              "3;09.07.2006;1;Ben;3;8;10;18;ja\n"
              "3;09.07.2006;2;Anna;2;9;0;9;\n"
              "3;09.07.2006;3;Cem & Co;0;5;0;5;\n");
}

// The example tournament: six participants over 25 match days; the last day is the ranking.
TEST(WerkzeugVerlauf, BeispielspielEndetMitDerTabelle) {
    const QString beispiel = QStringLiteral(OVI_BEISPIEL);
    const auto verlauf = csv(starte({"--verlauf", "--csv", "--weltmeister", "Italien", beispiel}));
    const auto tabelle = csv(starte({"--csv", "--weltmeister", "Italien", beispiel}));
    ASSERT_EQ(verlauf.size(), 1u + 25 * 6);
    ASSERT_EQ(tabelle.size(), 1u + 6);
    for (std::size_t z = 1; z < verlauf.size(); ++z) EXPECT_EQ(verlauf[z][0], std::to_string((z + 5) / 6)) << z;
    for (std::size_t r = 1; r <= 6; ++r) {
        const auto& v = verlauf[verlauf.size() - 7 + r];
        EXPECT_EQ(
            (std::vector<std::string>{v[0], v[1], v[2], v[3], v[7], v[6]}),
            (std::vector<std::string>{"25", "09.07.2006", tabelle[r][0], tabelle[r][1], tabelle[r][2], tabelle[r][5]}));
    }
}
