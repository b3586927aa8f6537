// ovikuvela-auswertung --gruppen on a small game: group A as played in 2006, group H all level but one match.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "spieldatei.h"

using namespace ovi;

namespace {

std::string gruppen(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(OVI_AUSWERTUNG), argumente);
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput().toStdString();
}

}  // namespace

TEST(Gruppentabellen, CsvUndAusgerichtet) {
    Spielstand s;
    const int a[6][4] = {{0, 1, 4, 2}, {2, 3, 0, 2}, {0, 2, 1, 0}, {3, 1, 3, 0}, {3, 0, 0, 3}, {1, 2, 1, 2}};
    const int h[6][2] = {{28, 29}, {30, 31}, {31, 29}, {28, 30}, {31, 28}, {29, 30}};
    for (int i = 0; i < 6; ++i) {
        Spiel& sa = s.spiele[i];
        sa.heim = static_cast<Integer>(a[i][0]), sa.aus = static_cast<Integer>(a[i][1]);
        sa.ergHeim = static_cast<Integer>(a[i][2]), sa.ergAus = static_cast<Integer>(a[i][3]), sa.auswerten = true;
        Spiel& sh = s.spiele[42 + i];
        sh.heim = static_cast<Integer>(h[i][0]), sh.aus = static_cast<Integer>(h[i][1]), sh.auswerten = i < 5;
    }
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("gruppen.gowet"));
    ASSERT_EQ(speichereSpieldatei(datei, ausSpielstand(s)), "");

    EXPECT_EQ(gruppen({"--gruppen", "--csv", datei}),
              "Gruppe;Platz;Mannschaft;Spiele;Siege;Unentschieden;Niederlagen;Tore;Gegentore;Differenz;Punkte;Los\n"
              "A;1;Deutschland;3;3;0;0;8;2;6;9;\n"
              "A;2;Ecuador;3;2;0;1;5;3;2;6;\n"
              "A;3;Polen;3;1;0;2;2;4;-2;3;\n"
              "A;4;Costa Rica;3;0;0;3;3;9;-6;0;\n"
              "H;1;Spanien;3;0;3;0;0;0;0;3;Los\n"
              "H;2;Saudiarabien;3;0;3;0;0;0;0;3;Los\n"
              "H;3;Ukraine;2;0;2;0;0;0;0;2;Los\n"
              "H;4;Tunesien;2;0;2;0;0;0;0;2;Los\n");
}
