// The menu bar and the commands behind it: tree, rule marks, match selection, reset, random tips.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "core/zufall.h"
#include "hilfe.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// One line per item: depth, object name, caption; "-" for a separator.
void gliedere(const QMenu* m, int tiefe, QStringList& zeilen) {
    for (const QAction* a : m->actions()) {
        QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->text()));
        zeilen << QStringLiteral("%1 %2 %3")
                      .arg(tiefe)
                      .arg(a->objectName(), a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->menu()) gliedere(a->menu(), tiefe + 1, zeilen);
    }
}

QList<int> markierteSpiele(const Spielstand& s) {
    QList<int> l;
    for (int m = 0; m < 64; ++m)
        if (s.spiele[m].auswerten) l << m;
    return l;
}

QList<int> von(int a, int b) {
    QList<int> l;
    for (int m = a; m <= b; ++m) l << m;
    return l;
}

QStringList haken(const QObject* w) {
    QStringList l;
    for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
        if (finde<QAction>(w, QString::fromUtf8(n))->isChecked()) l << QString::fromUtf8(n);
    return l;
}

}  // namespace

class TestMenue : public QObject {
    Q_OBJECT

  private slots:
    void menueBaum();
    void regelHaken();
    void auswahl_data();
    void auswahl();
    void zuruecksetzen_data();
    void zuruecksetzen();
    void zufallWieBeiJedemStart();
};

void TestMenue::menueBaum() {
    frmHaupt w;
    QStringList zeilen;
    for (const QAction* a : w.menuBar()->actions()) {
        zeilen << QStringLiteral("1 %1 %2").arg(a->objectName(), a->text());
        gliedere(a->menu(), 2, zeilen);
    }
    const QStringList erwartet = {
        "1 menDatei &Datei",
        "2 menÖffnen Öffnen",
        "2 menImportieren Importieren",
        "3 menTipps Tipps",
        "3 menSpiele Spiel-Informationen",
        "2 menSpeichern Speichern",
        "2 menStrich_01 -",
        "2 menBeenden Beenden",
        "1 menBearbeiten &Bearbeiten",
        "2 menAuswahl auszuwertende Spiele wählen",
        "3 menAlle alle 64 Spiele",
        "3 menAllesBis alle bis einschließlich",
        "4 menABAchtel Achtelfinale",
        "4 menABViertel Viertelfinale",
        "4 menABHalb Halbfinale",
        "3 menKein kein Spiel",
        "3 menStrich_02 -",
        "3 menGruppen Gruppe",
        "4 menGruppe_0 Gruppe A",
        "4 menGruppe_1 Gruppe B",
        "4 menGruppe_2 Gruppe C",
        "4 menGruppe_3 Gruppe D",
        "4 menGruppe_4 Gruppe E",
        "4 menGruppe_5 Gruppe F",
        "4 menGruppe_6 Gruppe G",
        "4 menGruppe_7 Gruppe H",
        "3 menGruppenphase Gruppenphase",
        "4 menJeZwei der erste Spieltag jeder Gruppe",
        "4 menJeVier die ersten beiden Spieltage jeder Gruppe",
        "3 menAlleGruppen komplette Gruppenphase",
        "3 menStrich_03 -",
        "3 menKOPhase K.O.-Phase",
        "4 menPhase_0 Achtelfinale",
        "4 menPhase_1 Viertelfinale",
        "4 menPhase_2 Halbfinale",
        "4 menPhase_3 Finale",
        "3 menKomKOPhase komplette K.O.-Phase",
        "2 menModus Modus",
        "3 men321 3-2-1-Regel",
        "3 men3Punkte 3-Punkte-Regel",
        "3 men2Punkte 2-Punkte-Regel",
        "3 menStrich_04 -",
        "3 menEigeneRegel Eigene Regel erstellen/verwenden",
        "2 menÄndern Spielerdaten ändern",
        "2 menNull alles auf Null setzen",
        "1 menAnsicht &Ansicht",
        "2 menInfo Spielerinformationen",
    };
    QCOMPARE(zeilen, erwartet);
}

// A rule item moves the mark and puts its rule in force; the own-rule item alone moves nothing.
void TestMenue::regelHaken() {
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    Spielstand& s = w.spielstand();
    QCOMPARE(haken(&w), QStringList{"men321"});
    s.setSpieltMit(0, true);
    s.spiele[0].auswerten = true;
    s.spiele[0].ergHeim = 2;
    s.tipps(0, 0, 0) = 3;  // 3:1 on 2:0, goal difference: 2 under "3-2-1-Regel", 1 under the others
    s.tipps(0, 0, 1) = 1;
    QVERIFY(w.zeigePhase(0));
    befehl(&w, QStringLiteral("men2Punkte"));
    QCOMPARE(haken(&w), QStringList{"men2Punkte"});
    QCOMPARE(int(s.regel.modus), 1);
    QCOMPARE(finde<QLabel>(&w, QStringLiteral("lblModusE"))->text(), QStringLiteral("2-Punkte-Regel"));
    QCOMPARE(int(s.auswertung[0].gesamt), 1);
    befehl(&w, QStringLiteral("men2Punkte"));
    QCOMPARE(haken(&w), QStringList{"men2Punkte"});
    befehl(&w, QStringLiteral("men321"));
    QCOMPARE(haken(&w), QStringList{"men321"});
    QCOMPARE(int(s.auswertung[0].gesamt), 2);
    befehl(&w, QStringLiteral("menEigeneRegel"));
    QCOMPARE(haken(&w), QStringList{"men321"});
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (fenster != &w) fenster->close();
    befehl(&w, QStringLiteral("men3Punkte"));
    QCOMPARE(haken(&w), QStringList{"men3Punkte"});
    QCOMPARE(tisch.meldungen, QStringList{});
}

void TestMenue::auswahl_data() {
    QTest::addColumn<QString>("befehl");
    QTest::addColumn<QList<int>>("spiele");
    // Before every command matches 10 and 63 are flagged: each command replaces them, except "alle 64 Spiele".
    QTest::newRow("alle 64 Spiele") << "menAlle" << von(0, 63);
    QTest::newRow("bis Achtelfinale") << "menABAchtel" << von(0, 55);
    QTest::newRow("bis Viertelfinale") << "menABViertel" << von(0, 59);
    QTest::newRow("bis Halbfinale") << "menABHalb" << von(0, 61);
    QTest::newRow("kein Spiel") << "menKein" << QList<int>{};
    const char* gruppen = "ABCDEFGH";
    for (int g = 0; g < 8; ++g)
        QTest::addRow("Gruppe %c", gruppen[g]) << QStringLiteral("menGruppe_%1").arg(g) << von(6 * g, 6 * g + 5);
    QList<int> ersterTag, zweiTage;
    for (int g = 0; g < 8; ++g) {
        ersterTag << 6 * g << 6 * g + 1;
        zweiTage << von(6 * g, 6 * g + 3);
    }
    QTest::newRow("erster Spieltag") << "menJeZwei" << ersterTag;
    QTest::newRow("erste beiden Spieltage") << "menJeVier" << zweiTage;
    QTest::newRow("komplette Gruppenphase") << "menAlleGruppen" << von(0, 47);
    QTest::newRow("Achtelfinale") << "menPhase_0" << von(48, 55);
    QTest::newRow("Viertelfinale") << "menPhase_1" << von(56, 59);
    QTest::newRow("Halbfinale") << "menPhase_2" << von(60, 61);
    QTest::newRow("Finale") << "menPhase_3" << von(62, 63);
    QTest::newRow("komplette K.O.-Phase") << "menKomKOPhase" << von(48, 63);
}

void TestMenue::auswahl() {
    QFETCH(QString, befehl);
    QFETCH(QList<int>, spiele);
    frmHaupt w;
    Spielstand& s = w.spielstand();
    s.spiele[10].auswerten = true;
    s.spiele[63].auswerten = true;
    if (befehl == QStringLiteral("menAlle")) s.spiele[5].auswerten = false;
    waehleAnsicht(&w, 1);
    const auto punkteVorher = s.auswertung;
    ovi::test::befehl(&w, befehl);
    QCOMPARE(markierteSpiele(s), spiele);
    // The boxes of the shown view follow at once; nothing is scored.
    for (int sl = 0; sl < 6; ++sl)
        QCOMPARE(finde<QCheckBox>(&w, QStringLiteral("chkAuswerten_%1").arg(sl))->isChecked(), spiele.contains(6 + sl));
    QCOMPARE(s.auswertung, punkteVorher);
}

void TestMenue::zuruecksetzen_data() {
    QTest::addColumn<int>("antwort");
    QTest::addColumn<bool>("geloescht");
    QTest::newRow("OK") << int(Antwort::ok) << true;
    QTest::newRow("Abbrechen") << int(Antwort::abbrechen) << false;
}

void TestMenue::zuruecksetzen() {
    QFETCH(int, antwort);
    QFETCH(bool, geloescht);
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    Spielstand& s = w.spielstand();
    s.setName(1, "Ute");
    s.setSpieltMit(1, true);
    s.spiele[3].heim = 7;
    s.spiele[3].ergHeim = 4;
    s.spiele[3].auswerten = true;
    s.tipps(1, 3, 0) = 4;
    s.tipps(1, 40, 1) = 2;
    w.starteEinblenden();
    QCOMPARE(int(s.auswertung[1].gesamt), 3);
    const Spielstand vorher = s;
    tisch.antworten << Antwort(antwort);
    befehl(&w, QStringLiteral("menNull"));
    QCOMPARE(tisch.fragen, QStringList{"Achtung!|Wollen Sie alle Tipps und Ergebnisse löschen?"});
    if (!geloescht) {
        QCOMPARE(s.tipps, vorher.tipps);
        QCOMPARE(s.spiele, vorher.spiele);
        QCOMPARE(feld(&w, "txtHeimErg", 3)->text(), QStringLiteral("4"));
        return;
    }
    for (int m = 0; m < 64; ++m) {
        QCOMPARE(int(s.spiele[m].ergHeim), 0);
        QVERIFY(!s.spiele[m].auswerten);
    }
    QCOMPARE(s.tipps, TippFeld{});
    QCOMPARE(int(s.spiele[3].heim), 7);
    QCOMPARE(s.getName(1), std::string("Ute"));
    QCOMPARE(int(s.auswertung[1].gesamt), 0);
    QCOMPARE(feld(&w, "txtHeimErg", 3)->text(), QStringLiteral("0"));
    QCOMPARE(feld(&w, "txtHeimTipp", 11)->text(), QStringLiteral("0"));
    QVERIFY(!finde<QCheckBox>(&w, QStringLiteral("chkAuswerten_3"))->isChecked());
    QCOMPARE(finde<QLabel>(&w, QStringLiteral("lblTenNull_3"))->text(), QStringLiteral("1"));
}

// The generator is never seeded: the first click after a start always gives the same tips.
void TestMenue::zufallWieBeiJedemStart() {
    frmHaupt w;
    Spielstand& s = w.spielstand();
    s.setSpieltMit(0, true);
    waehleAnsicht(&w, 9);
    s.tipps(3, 10, 0) = 7;
    QTest::mouseClick(finde<QPushButton>(&w, QStringLiteral("cmdZufall")), Qt::LeftButton);
    Zufall erwartet;
    std::array<int, 400> tore{};
    for (int k = 0; k < 200; ++k) {
        tore[2 * k] = erwartet.tor();
        tore[2 * k + 1] = erwartet.tor();
        QCOMPARE(feld(&w, "txtHeimTipp", k)->text(), QString::number(tore[2 * k]));
        QCOMPARE(feld(&w, "txtAusTipp", k)->text(), QString::number(tore[2 * k + 1]));
    }
    QTest::mouseClick(finde<QPushButton>(&w, QStringLiteral("cmdAuswerten")), Qt::LeftButton);
    for (int p = 0; p < 25; ++p)
        for (int m = 0; m < 64; ++m) {
            const int sl = m - 56;
            const bool inAnsicht = sl >= 0 && sl < 4;
            const int k = 8 * p + sl;
            QCOMPARE(int(s.tipps(p, m, 0)), inAnsicht ? tore[2 * k] : (p == 3 && m == 10 ? 7 : 0));
            QCOMPARE(int(s.tipps(p, m, 1)), inAnsicht ? tore[2 * k + 1] : 0);
        }
}

QTEST_MAIN(TestMenue)
#include "test_menue.moc"
