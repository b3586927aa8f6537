// The menu bar and the commands behind it: tree, rule marks, match selection, reset, and the dialogs they open,
// confirmed as the operator does, with what the window shows afterwards.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>

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
                "menBearbeiten &Bearbeiten: menRückgängig Rückgängig (Ctrl+Z), menWiederholen Wiederholen "
                "(Ctrl+Shift+Z), -, "
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
                "menAnsicht &Ansicht: menInfo Spielerinformationen, menGruppentabellen Gruppentabellen, menVerlauf "
                "Verlauf",
            }));
    }

    // A rule item moves the mark, names its rule and scores with it.
    void regelHaken() {
        Fenster f({0});
        f.s.spiele[0].auswerten = true, f.s.spiele[0].ergHeim = 2;
        setzeTipp(f.s, 0, 0, 3, 1);  // 3:1 on 2:0, goal difference: 2 under "3-2-1-Regel", 1 under the others
        QVERIFY(f.w.zeigePhase(0));
        QStringList gesehen;
        for (const char* b : {"men2Punkte", "men2Punkte", "men321", "men3Punkte"}) {
            befehl(&f.w, QString::fromUtf8(b));
            QString haken;
            for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
                haken += finde<QAction>(&f.w, QString::fromUtf8(n))->isChecked() ? '1' : '0';
            gesehen << zeile(haken, finde<QLabel>(&f.w, QStringLiteral("lblModusE"))->text(),
                             text(&f.w, "lblTab2er", 0));
        }
        QCOMPARE(gesehen, QStringList({"0010 2-Punkte-Regel 1", "0010 2-Punkte-Regel 1", "1000 3-2-1-Regel 2",
                                       "0100 3-Punkte-Regel 1"}));
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

    // Cancelled, the reset changes nothing; confirmed, tips, results and ticks go, names and the match plan stay.
    void zuruecksetzen() {
        Fenster f({1});
        f.s.setName(1, "Ute");
        f.s.spiele[3].heim = 7, f.s.spiele[3].ergHeim = 4, f.s.spiele[3].auswerten = true, f.s.tipps(1, 3, 0) = 4;
        f.w.starteEinblenden();
        QStringList gesehen;
        for (Antwort a : {Antwort::abbrechen, Antwort::ok}) {
            f.tisch.antworten << a;
            befehl(&f.w, QStringLiteral("menNull"));
            gesehen << zeile(inhalt(feld(&f.w, "txtHeimErg", 3)),
                             finde<QCheckBox>(&f.w, "chkAuswerten", 3)->isChecked(),
                             inhalt(feld(&f.w, "txtHeimTipp", 11)), f.s.tipps(1, 3, 0), f.s.spiele[3].ergHeim,
                             f.s.spiele[3].auswerten, f.s.spiele[3].heim, text(&f.w, "lblPunkteGesamt", 1),
                             text(&f.w, "lblTenNull", 3), QString::fromStdString(f.s.getName(1)));
        }
        QCOMPARE(gesehen, QStringList({"4 1 4 4 4 1 7 3 0 Ute", "0 0 0 0 0 0 7 0 1 Ute"}));
        QCOMPARE(f.tisch.fragen, QStringList(2, "Achtung!|Wollen Sie alle Tipps und Ergebnisse löschen?"));
    }

    // The own rule confirmed in its dialog: in force, named, scored anew, the table re-sorted, the tips recoloured.
    void eigeneRegel() {
        Fenster f({0, 1});
        f.s.setName(0, "Ada"), f.s.setName(1, "Bob");
        f.s.spiele[0].auswerten = true, f.s.spiele[0].ergHeim = 2;
        setzeTipp(f.s, 0, 0, 2, 0), setzeTipp(f.s, 1, 0, 3, 1);  // exact, goal difference
        f.w.starteEinblenden();
        befehl(&f.w, QStringLiteral("menEigeneRegel"));
        auto* d = finde(&f.w, QStringLiteral("frmRegel"));
        for (int i = 0; i < 3; ++i) finde<QLineEdit>(d, "txtNeuModus", i)->setText(QString::number(1 + 4 * (i % 2)));
        finde<QCheckBox>(d, QStringLiteral("chkBonus"))->setChecked(true);
        finde<QLineEdit>(d, QStringLiteral("txtBonus"))->setText(QStringLiteral("7"));
        klick(d, QStringLiteral("lblFarbAlt_5"));  // goal difference in green
        QVERIFY(!finde<QAction>(&f.w, QStringLiteral("menEigeneRegel"))->isChecked());
        klick(d, QStringLiteral("cmdOK"));
        QCOMPARE(tabelle(&f.w, 2) << zeile(text(&f.w, "lblPunkteGesamt", 1), grund(feld(&f.w, "txtHeimTipp", 8)).name(),
                                           finde<QLabel>(&f.w, QStringLiteral("lblModusE"))->text(),
                                           finde<QLabel>(&f.w, QStringLiteral("lblBonusE"))->text(),
                                           finde<QAction>(&f.w, QStringLiteral("menEigeneRegel"))->isChecked()),
                 QStringList({"  Bob|5|5|0|0|0|5|0", "  Ada|1|1|0|0|1|0|0", "5 #30be30 Eigene Regel 7 1"}));
    }

    // A game opened from its file names its rule and bonus points, and its evaluation credits the bonus at once.
    void oeffnenZeigtBonus() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("bonus.gowet"));
        {
            Fenster a({0});
            a.s.setName(0, "Ada");
            a.s.regel.modus = 2, a.s.regel.bonus = true, a.s.regel.bonuspunkte = 9;
            a.s.spiele[63].heim = 4, a.s.spiele[63].ergHeim = 2, a.s.spiele[63].auswerten = true;
            a.s.setWMTipp(0, 4);
            a.tisch.dateien << QStringList{pfad};
            befehl(&a.w, QStringLiteral("menSpeichern"));
        }
        Fenster b;
        b.tisch.dateien << QStringList{pfad};
        befehl(&b.w, QStringLiteral("menÖffnen"));
        QCOMPARE(tabelle(&b.w, 1) << zeile(finde<QLabel>(&b.w, QStringLiteral("lblModusE"))->text(),
                                           finde<QLabel>(&b.w, QStringLiteral("lblBonusE"))->text(),
                                           text(&b.w, "lblPunkteGesamt", 0)),
                 QStringList({"  Ada|9|0|0|9|0|0|0", "3-Punkte-Regel 9 9"}));
    }

    void spielerUndWeltmeister_data() {
        QTest::addColumn<int>("heimTore");
        QTest::addColumn<bool>("frage");
        QTest::newRow("Finale 1:1, Gast gewählt") << 1 << true;
        QTest::newRow("Finale 0:1") << 0 << false;
    }

    // Two participants named and taken in through the editor; the away side of the final becomes champion, directly
    // or through the question after a draw, and Bob who tipped it leads with the bonus in table and grid.
    void spielerUndWeltmeister() {
        QFETCH(int, heimTore);
        QFETCH(bool, frage);
        Fenster f;
        f.s.regel.bonus = true, f.s.regel.bonuspunkte = 10;
        Spiel& finale = f.s.spiele[63];
        finale.heim = 3, finale.aus = 7, finale.ergHeim = Integer(heimTore), finale.ergAus = 1, finale.auswerten = true;
        setzeTipp(f.s, 0, 63, heimTore, 1), setzeTipp(f.s, 1, 63, 3, 0);
        befehl(&f.w, QStringLiteral("menÄndern"));
        auto* d = finde(&f.w, QStringLiteral("frmÄndern"));
        for (int p : {0, 1}) {
            finde<QLineEdit>(d, "txtName", p)->setText(p ? QStringLiteral("Bob") : QStringLiteral("Ada"));
            finde<QCheckBox>(d, "chkSpieltMit", p)->setChecked(true);
            finde<QComboBox>(d, "cmbWMTipp", p)->setCurrentIndex(p ? 7 : 3);
        }
        klick(d, QStringLiteral("cmdOK"));
        if (frage) {
            auto* wm = finde(&f.w, QStringLiteral("frmWeltmeister"));
            auto* liste = finde<QComboBox>(wm, QStringLiteral("cmbWeltmeister"));
            liste->setCurrentIndex(1);
            emit liste->activated(1);
            klick(wm, QStringLiteral("cmdOK"));
        }
        auto* liste =
            finde<QPlainTextEdit>(finde(&f.w, QStringLiteral("frmWMAuswerten")), QStringLiteral("txtBonuspunkte"));
        QCOMPARE(tabelle(&f.w, 2) << zeile(text(&f.w, "lblPunkteGesamt", 0), text(&f.w, "lblPunkteGesamt", 1),
                                           f.s.weltmeister)
                                  << liste->toPlainText(),
                 QStringList({"  Bob|10|0|0|10|0|0|0", "  Ada|3|0|3|0|3|0|0", "3 10 7",
                              "Folgende Teilnehmer haben den Weltmeister\nrichtig vorhergesagt und bekommen deshalb 10 "
                              "Bonuspunkte gutgeschrieben:\n\n          Bob"}));
    }
};

QTEST_MAIN(TestMenue)
#include "test_menue.moc"
