// A fault inside a handler: the operation is abandoned, the operator is told, and the window goes on working.
#include "hilfe.h"

namespace {

using Eingriff = std::function<void(Spielstand&)>;

// Points per row and in the ranking.
QString punkte(const QObject* w) {
    return zeile(text(w, "lblPunkteGesamt", 0), text(w, "lblPunkteGesamt", 1), text(w, "lblTabPunkteGesamt", 0),
                 text(w, "lblTabPunkteGesamt", 1));
}

}  // namespace

Q_DECLARE_METATYPE(Eingriff)

class TestAbbruch : public QObject {
    Q_OBJECT

  private slots:
    void auswertungAbgebrochen_data() {
        QTest::addColumn<Eingriff>("eingriff");
        QTest::addColumn<QString>("grund");
        // 20000 points for an exact hit: the second hit of slot 0 no longer fits 16 bits.
        QTest::newRow("Überlauf der Punkte") << Eingriff([](Spielstand& s) { s.regel.modusPunkte[0] = 20000; })
                                             << "Überlauf: 40000 passt nicht in 16 Bit";
        // A team number past the catalogue: the points per team have no slot for it.
        QTest::newRow("Mannschaft außerhalb der Liste")
            << Eingriff([](Spielstand& s) { s.spiele[1].heim = 40; }) << "Index 40 außerhalb von 0..32";
    }

    // Two participants, two flagged matches won 1:0. Slot 0 hits both exactly (3 + 3), slot 1 the margin once (2:1, 2).
    void auswertungAbgebrochen() {
        QFETCH(Eingriff, eingriff);
        QFETCH(QString, grund);
        Fenster f({0, 1});
        for (int m : {0, 1}) f.s.spiele[m].ergHeim = 1, f.s.spiele[m].auswerten = true, f.s.tipps(0, m, 0) = 1;
        setzeTipp(f.s, 1, 0, 2, 1);
        f.w.starteEinblenden();
        sichtbar(f.w);
        QCOMPARE(punkte(&f.w), QStringLiteral("6 2 6 2"));
        const Spielstand vorher = f.s;

        eingriff(f.s);
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        QCOMPARE(f.tisch.meldungen, QStringList{QStringLiteral("ovi kuvela|Der Vorgang wurde abgebrochen:\n") + grund});
        QVERIFY(f.s.auswertung == vorher.auswertung);
        QVERIFY(f.s.sieger == vorher.sieger && f.s.weltmeister == vorher.weltmeister);
        QCOMPARE(punkte(&f.w), QStringLiteral("6 2 6 2"));

        // Still usable: a typed tip reaches the game, and the next evaluation counts it (slot 1 now 2 + 3).
        f.s.regel = vorher.regel, f.s.spiele = vorher.spiele;
        tippe(feld(&f.w, "txtHeimTipp", 8 * 1 + 1), '1');
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        QCOMPARE(zeile(f.s.tipps(1, 1, 0), f.tisch.meldungen.size(), f.s.auswertung[1].punkte, punkte(&f.w)),
                 "1 1 5 6 5 6 5");
    }
};

QTEST_MAIN(TestAbbruch)
#include "test_abbruch.moc"
