// The menu bar and the commands behind it: tree, rule marks, match selection, reset, random tips.
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>

#include "zufall.h"
#include "hilfe.h"

namespace {

// "name caption" per item, its key in parentheses, a submenu in brackets, "-" for a separator.
QString gliedere(const QMenu* m) {
    QStringList l;
    for (const QAction* a : m->actions()) {
        QString z = a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char(' ') + a->text();
        if (!a->shortcut().isEmpty()) z += QStringLiteral(" (") + a->shortcut().toString() + QLatin1Char(')');
        if (a->menu()) z += QStringLiteral(" [") + gliedere(a->menu()) + QLatin1Char(']');
        l << z;
    }
    return l.join(QStringLiteral(", "));
}

}  // namespace

class TestMenue : public QObject {
    Q_OBJECT

  private slots:

    void menueBaum() {
        Fenster f;
        QStringList zeilen;
        for (const QAction* a : f.w.menuBar()->actions())
            zeilen << a->objectName() + ' ' + a->text() + ": " + gliedere(a->menu());
        QCOMPARE(
            zeilen,
            QStringList({
                "menDatei &Datei: menÖffnen Öffnen (Ctrl+O), menImportieren Importieren [menTipps Tipps, menSpiele "
                "Spiel-Informationen], menSpeichern Speichern (Ctrl+S), menDrucken Drucken… (Ctrl+P), menExportieren "
                "Exportieren [menAlsPDF Als PDF…, menAlsHTML Als HTML…], -, menBeenden Beenden (Ctrl+Q)",
                "menBearbeiten &Bearbeiten: menRückgängig Rückgängig (Ctrl+Z), menWiederholen Wiederholen (Ctrl+Shift+Z), -, "
                "menAuswahl auszuwertende Spiele wählen [menAlle alle 64 Spiele, "
                "menAllesBis alle bis einschließlich [menABAchtel Achtelfinale, menABViertel Viertelfinale, "
                "menABHalb Halbfinale], menKein kein Spiel, -, menGruppen Gruppe [menGruppe_0 Gruppe A, menGruppe_1 "
                "Gruppe B, menGruppe_2 Gruppe C, menGruppe_3 Gruppe D, menGruppe_4 Gruppe E, menGruppe_5 Gruppe F, "
                "menGruppe_6 Gruppe G, menGruppe_7 Gruppe H], menGruppenphase Gruppenphase [menJeZwei der erste "
                "Spieltag jeder Gruppe, menJeVier die ersten beiden Spieltage jeder Gruppe], menAlleGruppen komplette "
                "Gruppenphase, -, menKOPhase K.O.-Phase [menPhase_0 Achtelfinale, menPhase_1 Viertelfinale, "
                "menPhase_2 Halbfinale, menPhase_3 Finale], menKomKOPhase komplette K.O.-Phase], menModus Modus "
                "[men321 3-2-1-Regel, men3Punkte 3-Punkte-Regel, men2Punkte 2-Punkte-Regel, -, menEigeneRegel Eigene "
                "Regel erstellen/verwenden], menÄndern Spielerdaten ändern, menNull alles auf Null setzen, "
                "menKOPaarungen K.-o.-Paarungen aus Ergebnissen",
                "menAnsicht &Ansicht: menInfo Spielerinformationen, menGruppentabellen Gruppentabellen, menVerlauf Verlauf",
            }));
    }

    // A rule item moves the mark and puts its rule in force; the own-rule item alone moves nothing.
    void regelHaken() {
        Fenster f({0});
        f.s.spiele[0].auswerten = true, f.s.spiele[0].ergHeim = 2;
        setzeTipp(f.s, 0, 0, 3, 1);  // 3:1 on 2:0, goal difference: 2 under "3-2-1-Regel", 1 under the others
        QVERIFY(f.w.zeigePhase(0));
        QStringList gesehen;
        for (const char* b : {"men2Punkte", "men2Punkte", "men321", "menEigeneRegel", "men3Punkte"}) {
            befehl(&f.w, QString::fromUtf8(b));
            // The own-rule dialog is not modal in tests; close it before the next command.
            for (QWidget* fenster : QApplication::topLevelWidgets())
                if (fenster != &f.w) fenster->close();
            QStringList haken;
            for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
                if (finde<QAction>(&f.w, QString::fromUtf8(n))->isChecked()) haken << QString::fromUtf8(n);
            gesehen << zeile(b, haken.join(','), finde<QLabel>(&f.w, QStringLiteral("lblModusE"))->text(),
                             f.s.auswertung[0].gesamt);
        }
        QCOMPARE(gesehen,
                 QStringList({"men2Punkte men2Punkte 2-Punkte-Regel 1", "men2Punkte men2Punkte 2-Punkte-Regel 1",
                              "men321 men321 3-2-1-Regel 2", "menEigeneRegel men321 3-2-1-Regel 2",
                              "men3Punkte men3Punkte 3-Punkte-Regel 1"}));
        QCOMPARE(f.tisch.meldungen, QStringList{});
    }

    void auswahl_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QList<int>>("spiele");
        // Before every command matches 10 and 63 are flagged: each command replaces them, except "alle 64 Spiele".
        QList<int> ersterTag, zweiTage;
        for (int g = 0; g < 8; ++g) ersterTag << 6 * g << 6 * g + 1, zweiTage << von(6 * g, 6 * g + 3);
        // clang-format off
        const std::pair<QString, QList<int>> faelle[] = {
            {"menAlle", von(0, 63)},        {"menABAchtel", von(0, 55)},    {"menABViertel", von(0, 59)},
            {"menABHalb", von(0, 61)},      {"menKein", {}},                {"menJeZwei", ersterTag},
            {"menJeVier", zweiTage},        {"menAlleGruppen", von(0, 47)}, {"menPhase_0", von(48, 55)},
            {"menPhase_1", von(56, 59)},    {"menPhase_2", von(60, 61)},    {"menPhase_3", von(62, 63)},
            {"menKomKOPhase", von(48, 63)}};
        // clang-format on
        for (const auto& [befehl, spiele] : faelle) QTest::newRow(qPrintable(befehl)) << befehl << spiele;
        for (int g = 0; g < 8; ++g) QTest::addRow("menGruppe_%d", g) << name("menGruppe", g) << von(6 * g, 6 * g + 5);
    }

    // The boxes of the shown view (group B) follow at once; nothing is scored.
    void auswahl() {
        QFETCH(QString, befehl);
        QFETCH(QList<int>, spiele);
        Fenster f;
        f.s.spiele[10].auswerten = f.s.spiele[63].auswerten = true;
        waehleAnsicht(&f.w, 1);
        const auto punkteVorher = f.s.auswertung;
        ovi::test::befehl(&f.w, befehl);
        QList<int> markiert;
        for (int m = 0; m < 64; ++m)
            if (f.s.spiele[m].auswerten) markiert << m;
        QCOMPARE(markiert, spiele);
        QString angehakt, soll;
        for (int sl = 0; sl < 6; ++sl) {
            angehakt += finde<QCheckBox>(&f.w, "chkAuswerten", sl)->isChecked() ? '1' : '0';
            soll += spiele.contains(6 + sl) ? '1' : '0';
        }
        QCOMPARE(angehakt, soll);
        QCOMPARE(f.s.auswertung, punkteVorher);
    }

    void zuruecksetzen_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QString>("danach");  // result, ticked, tip shown; group B
        QTest::newRow("OK") << int(Antwort::ok) << "0 0 0 0 1";
        QTest::newRow("Abbrechen") << int(Antwort::abbrechen) << "4 1 4 3 0";
    }

    // Tips, results and ticks go, the match plan, names and view stay.
    void zuruecksetzen() {
        QFETCH(int, antwort);
        QFETCH(QString, danach);
        Fenster f({1});
        f.s.setName(1, "Ute");
        f.s.spiele[3].heim = 7, f.s.spiele[3].ergHeim = 4, f.s.spiele[3].auswerten = true;
        f.s.tipps(1, 3, 0) = 4, f.s.tipps(1, 40, 1) = 2;
        f.w.starteEinblenden();
        const Spielstand vorher = f.s;
        f.tisch.antworten << Antwort(antwort);
        befehl(&f.w, QStringLiteral("menNull"));
        QCOMPARE(f.tisch.fragen, QStringList{"Achtung!|Wollen Sie alle Tipps und Ergebnisse löschen?"});
        // result of match 3, its tick box, the tip shown, the points, the draws counted for it
        QCOMPARE(zeile(inhalt(feld(&f.w, "txtHeimErg", 3)), finde<QCheckBox>(&f.w, "chkAuswerten", 3)->isChecked(),
                       inhalt(feld(&f.w, "txtHeimTipp", 11)), f.s.auswertung[1].gesamt, text(&f.w, "lblTenNull", 3)),
                 danach);
        Spielstand geleert = vorher;
        if (antwort == int(Antwort::ok)) {
            geleert.tipps = TippFeld{};
            for (int m = 0; m < 64; ++m) geleert.spiele[m].ergHeim = 0, geleert.spiele[m].auswerten = false;
        }
        QVERIFY(f.s.tipps == geleert.tipps);
        QVERIFY(f.s.spiele == geleert.spiele);
        QCOMPARE(f.s.getName(1), std::string("Ute"));
    }

    // The generator is never seeded: the first click after a start always gives the same tips. The game takes them
    // over with the next write-back, and only the view's.
    void zufallWieBeiJedemStart() {
        Fenster f({0});
        waehleAnsicht(&f.w, 9);
        f.s.tipps(3, 10, 0) = 7;
        const TippFeld vorher = f.s.tipps;
        klick(&f.w, QStringLiteral("cmdZufall"));
        QVERIFY(f.s.tipps == vorher);
        Zufall erwartet;
        TippFeld soll;
        soll(3, 10, 0) = 7;
        QStringList ist, sollFelder;
        for (int k = 0; k < 200; ++k) {
            const int heim = erwartet.tor(), aus = erwartet.tor();
            ist << zeile(inhalt(feld(&f.w, "txtHeimTipp", k)), inhalt(feld(&f.w, "txtAusTipp", k)));
            sollFelder << zeile(heim, aus);
            if (k % 8 < 4) soll(k / 8, 56 + k % 8, 0) = Integer(heim), soll(k / 8, 56 + k % 8, 1) = Integer(aus);
        }
        QCOMPARE(ist, sollFelder);
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        QVERIFY(f.s.tipps == soll);
    }
};

QTEST_MAIN(TestMenue)
#include "test_menue.moc"
