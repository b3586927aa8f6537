// "Ansicht > Verlauf": the chart window opened from the menu, its switch, hover and how it follows evaluations.
#include <QRadioButton>
#include <QTextBrowser>

#include "../core/verlaufspiel.h"
#include "frmverlauf.h"
#include "hilfe.h"

class TestVerlauf : public QObject {
    Q_OBJECT

  private slots:
    void fensterFolgtDerAuswertung() {
        Fenster f;
        f.s = rennen();
        f.w.starteEinblenden();
        befehl(&f.w, QStringLiteral("menVerlauf"));
        auto* fenster = finde(&f.w, "frmVerlauf");
        QCOMPARE(zeile(fenster->isVisible(), fenster->isWindow(), fenster->isModal(), fenster->windowTitle()),
                 "1 1 0 Verlauf");
        auto* bild = finde<VerlaufBild>(fenster, "picVerlauf");
        QCOMPARE(bild->diagramm().linien.size(), 3u);
        finde<QRadioButton>(fenster, "optPunkte")->click();
        QCOMPARE(bild->diagramm().art, Kurve::punkte);
        QCOMPARE(finde<QTextBrowser>(fenster, "txtTagessieger")->toPlainText().count(QStringLiteral("Anna, Cem & Co")),
                 1);

        // The pointer on Anna's line picks her out; leaving the line lets go.
        const Punkt p = bild->diagramm().linien[1].punkte[1];
        QTest::mouseMove(bild, QPoint(qRound(p.x), qRound(p.y)));
        QCOMPARE(zeile(bild->hervorgehoben(), finde<QLabel>(fenster, "lblAuswahl")->text()),
                 "0 Anna: Platz 2, 9 Punkte");
        QTest::mouseMove(bild, QPoint(2, 2));
        QCOMPARE(bild->hervorgehoben(), -1);

        // Without the final the next evaluation leaves two match days.
        f.s.spiele[63].auswerten = false;
        f.w.starteEinblenden();
        QCOMPARE(bild->diagramm().tagText, (std::vector<std::string>{"09.06.", "24.06."}));

        // Another rule re-scores the race; taking it back brings the former race back.
        const auto werte = [bild] {
            std::vector<std::vector<double>> w;
            for (const auto& l : bild->diagramm().linien) w.push_back(l.werte);
            return w;
        };
        f.w.beginneVerlauf();
        const auto vorher = werte();
        befehl(&f.w, QStringLiteral("men2Punkte"));
        QVERIFY(werte() != vorher);
        befehl(&f.w, QStringLiteral("menRückgängig"));
        QCOMPARE(werte(), vorher);
    }
};

QTEST_MAIN(TestVerlauf)
#include "test_verlauf.moc"
