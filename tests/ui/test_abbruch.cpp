// A fault inside a handler: the operation is abandoned, the operator is told, and the window goes on working.
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "hilfe.h"

using namespace ovi;
using namespace ovi::test;

namespace {

using Eingriff = std::function<void(Spielstand&)>;

// Two participants, two flagged matches won 1:0. Slot 0 hits both exactly (3 + 3), slot 1 the margin once (2:1, 2).
void richteEin(frmHaupt& w) {
    Spielstand& s = w.spielstand();
    for (int p : {0, 1}) s.setSpieltMit(p, true);
    for (int m : {0, 1}) {
        s.spiele[m].ergHeim = 1;
        s.spiele[m].auswerten = true;
        s.tipps(0, m, 0) = 1;
    }
    s.tipps(1, 0, 0) = 2;
    s.tipps(1, 0, 1) = 1;
    w.starteEinblenden();
}

QStringList punkte(const QObject* w) {
    QStringList l;
    for (int p : {0, 1}) l << finde<QLabel>(w, QStringLiteral("lblPunkteGesamt_%1").arg(p))->text();
    for (int r : {0, 1}) l << finde<QLabel>(w, QStringLiteral("lblTabPunkteGesamt_%1").arg(r))->text();
    return l;
}

}  // namespace

Q_DECLARE_METATYPE(Eingriff)

class TestAbbruch : public QObject {
    Q_OBJECT

  private slots:
    void auswertungAbgebrochen_data();
    void auswertungAbgebrochen();
};

void TestAbbruch::auswertungAbgebrochen_data() {
    QTest::addColumn<Eingriff>("eingriff");
    QTest::addColumn<Eingriff>("rueckgaengig");
    QTest::addColumn<QString>("grund");
    // 20000 points for an exact hit: the second hit of slot 0 no longer fits 16 bits.
    QTest::newRow("Überlauf der Punkte") << Eingriff([](Spielstand& s) { s.regel.modusPunkte[0] = 20000; })
                                         << Eingriff([](Spielstand& s) { s.regel.modusPunkte[0] = 3; })
                                         << "Überlauf: 40000 passt nicht in 16 Bit";
    // A team number past the catalogue: the points per team have no slot for it.
    QTest::newRow("Mannschaft außerhalb der Liste")
        << Eingriff([](Spielstand& s) { s.spiele[1].heim = 40; })
        << Eingriff([](Spielstand& s) { s.spiele[1].heim = 0; }) << "Index 40 außerhalb von 0..32";
}

void TestAbbruch::auswertungAbgebrochen() {
    QFETCH(Eingriff, eingriff);
    QFETCH(Eingriff, rueckgaengig);
    QFETCH(QString, grund);
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    richteEin(w);
    sichtbar(w);
    const QStringList anfang = {"6", "2", "6", "2"};
    QCOMPARE(punkte(&w), anfang);
    const Spielstand vorher = w.spielstand();

    eingriff(w.spielstand());
    finde<QPushButton>(&w, QStringLiteral("cmdAuswerten"))->click();
    QCOMPARE(tisch.meldungen, QStringList{QStringLiteral("ovi kuvela|Der Vorgang wurde abgebrochen:\n") + grund});
    QVERIFY(w.spielstand().auswertung == vorher.auswertung);
    QVERIFY(w.spielstand().sieger == vorher.sieger);
    QCOMPARE(w.spielstand().weltmeister, vorher.weltmeister);
    QCOMPARE(punkte(&w), anfang);

    // Still usable: a typed tip reaches the game, and the next evaluation counts it (slot 1 now 2 + 3).
    rueckgaengig(w.spielstand());
    tippe(feld(&w, "txtHeimTipp", 8 * 1 + 1), '1');
    QCOMPARE(w.spielstand().tipps(1, 1, 0), Integer{1});
    finde<QPushButton>(&w, QStringLiteral("cmdAuswerten"))->click();
    QCOMPARE(tisch.meldungen.size(), 1);
    QCOMPARE(w.spielstand().auswertung[1].punkte, Integer{5});
    QCOMPARE(punkte(&w), (QStringList{"6", "5", "6", "5"}));
}

QTEST_MAIN(TestAbbruch)
#include "test_abbruch.moc"
