// The chances window from the menu: its rows while the search runs, the filled table, the way of the selected
// participant in words, the rules side by side, how it follows an evaluation, closing it while it computes.
#include <QTableWidget>
#include <QTemporaryDir>

#include "tests/hilfe/chancenspiel.h"
#include "tests/ui/hilfe.h"
#include "ui/frmchancen.h"

namespace {

// The table as it reads, row by row, cells joined by "|".
QStringList zeilen(const QTableWidget* t) {
    QStringList l;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList z;
        for (int c = 0; c < t->columnCount(); ++c) z << (t->item(r, c) ? t->item(r, c)->text() : QString());
        l << z.join(QLatin1Char('|'));
    }
    return l;
}

QStringList kopf(const QTableWidget* t) {
    QStringList l;
    for (int c = 0; c < t->columnCount(); ++c) l << t->horizontalHeaderItem(c)->text();
    return l;
}

}  // namespace

class TestChancen : public QObject {
    Q_OBJECT

  private slots:
    // test::endspiel(): third place and final open; worked out by hand in the core's tests.
    void tabelleUndWegInWorten() {
        Fenster f;
        f.s = test::endspiel();
        f.w.starteEinblenden();
        befehl(&f.w, QStringLiteral("menChancen"));
        auto* fenster = finde<frmChancen>(&f.w, "frmChancen");
        auto* tabelle = finde<QTableWidget>(fenster, "tblChancen");
        auto* szenario = finde<QLabel>(fenster, "lblSzenario");
        QCOMPARE(zeile(fenster->isVisible(), fenster->isWindow(), fenster->isModal(), fenster->windowTitle()),
                 "1 1 0 Chancen");
        QCOMPARE(kopf(tabelle), (QStringList{"Teilnehmer", "Punkte", "bester Platz", "schlechtester Platz", "Titel"}));
        // No event has been handled yet, so the search's answer cannot be there.
        QCOMPARE(zeilen(tabelle), (QStringList{"Anna|3|wird berechnet|wird berechnet|wird berechnet",
                                               "Bernd|2|wird berechnet|wird berechnet|wird berechnet",
                                               "Cem|0|wird berechnet|wird berechnet|wird berechnet"}));
        QTRY_VERIFY_WITH_TIMEOUT(!fenster->rechnet(), 20000);
        QCOMPARE(zeilen(tabelle), (QStringList{"Anna|3|1|3|möglich", "Bernd|2|1|3|möglich", "Cem|0|2|3|nein"}));
        QVERIFY(!finde<QLabel>(fenster, "lblSchaetzung")->isVisibleTo(fenster));

        tabelle->selectRow(2);
        QCOMPARE(szenario->text(), QStringLiteral("So erreicht Cem noch Platz 2: Deutschland – Portugal 0:3, "
                                                  "Italien – Frankreich 1:1, Weltmeister Italien"));
        tabelle->selectRow(0);
        QCOMPARE(szenario->text(), QStringLiteral("So wird Anna noch Erste: Deutschland – Portugal 1:0, "
                                                  "Italien – Frankreich 2:1, Weltmeister Italien"));

        // Only match 0 counts so far, 2:1: Anna's 2:1 exact, Bernd's 1:0 the goal difference, Cem's 0:0 nothing.
        auto* regeln = finde<QTableWidget>(fenster, "tblRegeln");
        QCOMPARE(kopf(regeln), (QStringList{"Teilnehmer", "3-2-1-Regel (gilt)\nPlatz", "3-2-1-Regel (gilt)\nPunkte",
                                            "3-Punkte-Regel\nPlatz", "3-Punkte-Regel\nPunkte", "2-Punkte-Regel\nPlatz",
                                            "2-Punkte-Regel\nPunkte"}));
        QCOMPARE(zeilen(regeln), (QStringList{"Anna|1|3|1|3|1|2", "Bernd|2|2|2|1|2|1", "Cem|3|0|3|0|3|0"}));
        QVERIFY(regeln->item(0, 1)->font().bold());
        QVERIFY(!regeln->item(0, 3)->font().bold());
    }

    // A rule chosen in the menu evaluates: the window starts again ("wird berechnet") and fills with the new points;
    // the mark moves to the new rule.
    void folgtJederAuswertung() {
        Fenster f;
        f.s = test::endspiel();
        f.w.starteEinblenden();
        befehl(&f.w, QStringLiteral("menChancen"));
        auto* fenster = finde<frmChancen>(&f.w, "frmChancen");
        auto* tabelle = finde<QTableWidget>(fenster, "tblChancen");
        QTRY_VERIFY_WITH_TIMEOUT(!fenster->rechnet(), 20000);
        befehl(&f.w, QStringLiteral("men2Punkte"));
        QCOMPARE(tabelle->item(0, 2)->text(), QStringLiteral("wird berechnet"));
        QTRY_VERIFY_WITH_TIMEOUT(!fenster->rechnet(), 20000);
        // 2-Punkte: Anna 2, Bernd 1, Cem 0 now; the final's bonus still decides between Anna and Bernd.
        QCOMPARE(zeilen(tabelle), (QStringList{"Anna|2|1|3|möglich", "Bernd|1|1|3|möglich", "Cem|0|2|3|nein"}));
        QCOMPARE(finde<QTableWidget>(fenster, "tblRegeln")->horizontalHeaderItem(5)->text(),
                 QStringLiteral("2-Punkte-Regel (gilt)\nPlatz"));
    }

    // Ticked in the export's choice, the chances become a part of the HTML page.
    void imExport() {
        QTemporaryDir hier;
        Fenster f;
        f.s = test::endspiel();
        f.w.starteEinblenden();
        f.tisch.kreuze << QList<bool>{true, false, false, true};
        f.tisch.dateien << QStringList{hier.filePath(QStringLiteral("tabelle.html"))};
        befehl(&f.w, QStringLiteral("menAlsHTML"));
        QFile datei(hier.filePath(QStringLiteral("tabelle.html")));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(datei.readAll());
        QVERIFY(html.contains(QStringLiteral("<h2>Wer kann noch gewinnen?</h2>")));
        QVERIFY(html.contains(
            QStringLiteral("<tr><td class=\"n\">Cem</td><td>0</td><td>2</td><td>3</td><td>nein</td></tr>")));
    }

    // A long search (the whole knock-out stage open for 25): closing the window stops it at once, and so does
    // closing the program with the window open.
    void schliessenWaehrendDerRechnung() {
        auto* f = new Fenster;
        f->s = test::chancenSpiel(48);
        f->w.starteEinblenden();
        befehl(&f->w, QStringLiteral("menChancen"));
        auto* fenster = finde<frmChancen>(&f->w, "frmChancen");
        QVERIFY(fenster->rechnet());
        fenster->close();
        QVERIFY(!fenster->rechnet());
        QCOMPARE(finde<QLabel>(fenster, "lblStatus")->text(),
                 QStringLiteral("Die Berechnung wurde beim Schließen abgebrochen."));
        befehl(&f->w, QStringLiteral("menChancen"));
        QVERIFY(fenster->rechnet());
        delete f;
    }
};

QTEST_MAIN(TestChancen)
#include "test_chancen.moc"
