// The tournament after the group stage in the window: pairings from typed results, the question after drawn
// knock-out matches, and the group tables.
#include <QGroupBox>

#include "frmgruppen.h"
#include "hilfe.h"
#include "spielinfo.h"

namespace {

const QString ordner = QStringLiteral(OVI_TURNIER_ORDNER);

// The window with the tournament files at hand.
struct Turnier : Fenster {
    void importiere(const QString& datei) {
        tisch.dateien << QStringList{ordner + '/' + datei};
        befehl(&w, QStringLiteral("menSpiele"));
    }
};

QString flaggen(const QWidget* w, int anzahl) {
    QStringList l;
    for (int sl = 0; sl < anzahl; ++sl)
        l << finde<QLabel>(w, "imgSpielHeim", sl)->toolTip().trimmed() + '-' +
                 finde<QLabel>(w, "imgSpielAus", sl)->toolTip().trimmed();
    return l.join(QStringLiteral(", "));
}

QString zeileDerTabelle(const QWidget* g, int gruppe, int z) {
    QStringList l;
    for (int sp = 0; sp < frmGruppen::spalten; ++sp)
        l << finde<QLabel>(g, QStringLiteral("lblGruppe_%1_%2_%3").arg(gruppe).arg(z).arg(sp))->text();
    return l.join(QLatin1Char(' ')).trimmed();
}

const QString titel = QStringLiteral("K.-o.-Paarungen aus Ergebnissen|");

}  // namespace

class TestKoPhase : public QObject {
    Q_OBJECT

  private slots:

    // The 48 real group results typed and ticked, then the command: the real Achtelfinale, tips untouched.
    void achtelfinaleAusGetipptenErgebnissen() {
        const auto fakten = ladeSpielInfo(ordner + QStringLiteral("/wm2006-5-nach-finale.gowet"));
        QVERIFY(fakten);
        Turnier t;
        t.s.setSpieltMit(0, true);
        setzeTipp(t.s, 0, 48, 2, 1);
        sichtbar(t.w);
        t.importiere(QStringLiteral("spielplan-wm2006.gowet"));
        for (int v = 0; v < 8; ++v) {
            waehleAnsicht(&t.w, v);
            for (int sl = 0; sl < 6; ++sl) {
                const Spiel& f = fakten.daten->spiele[6 * v + sl];
                tippe(feld(&t.w, "txtHeimErg", sl), char('0' + f.ergHeim));
                tippe(feld(&t.w, "txtAusErg", sl), char('0' + f.ergAus));
                klick(&t.w, name("chkAuswerten", sl));
            }
        }
        befehl(&t.w, QStringLiteral("menKOPaarungen"));
        QCOMPARE(t.tisch.meldungen,
                 QStringList{titel + "Achtelfinale: Deutschland – Schweden, Argentinien – Mexiko, England – Ecuador, "
                                     "Portugal – Niederlande, Italien – Australien, Schweiz – Ukraine, Brasilien – "
                                     "Ghana, Spanien – Frankreich"});
        waehleAnsicht(&t.w, 8);
        QCOMPARE(zeile(t.tisch.gefragt.size(), t.s.tipps(0, 48, 0), t.s.tipps(0, 48, 1), t.s.spiele[48].auswerten,
                       t.w.ungespeichert(), flaggen(&t.w, 8)),
                 "0 2 1 0 1 Deutschland-Schweden, Argentinien-Mexiko, England-Ecuador, Portugal-Niederlande, "
                 "Italien-Australien, Schweiz-Ukraine, Brasilien-Ghana, Spanien-Frankreich");
        befehl(&t.w, QStringLiteral("menKOPaarungen"));
        QCOMPARE(t.tisch.meldungen.last(), titel + "Keine Paarung hat sich geändert.");
    }

    // After the Achtelfinale one match was drawn (Schweiz – Ukraine): the operator says who went through, or not.
    void frageNachUnentschieden_data() {
        QTest::addColumn<QList<int>>("antwort");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("viertelfinale");
        const QString vf = QStringLiteral(
            "Viertelfinale: Deutschland – Argentinien, Italien – %1, England – Portugal, "
            "Brasilien – Frankreich");
        QTest::addRow("Ukraine") << QList<int>{1} << titel + vf.arg("Ukraine")
                                 << "Deutschland-Argentinien, Italien-Ukraine, England-Portugal, Brasilien-Frankreich";
        QTest::addRow("abgebrochen") << QList<int>{} << QString()
                                     << "unbekannt-unbekannt, unbekannt-unbekannt, unbekannt-unbekannt, "
                                        "unbekannt-unbekannt";
    }
    void frageNachUnentschieden() {
        QFETCH(QList<int>, antwort);
        QFETCH(QString, meldung);
        QFETCH(QString, viertelfinale);
        Turnier t;
        t.importiere(QStringLiteral("wm2006-2-nach-achtelfinale.gowet"));
        QCOMPARE(t.w.ansicht(), 9);
        for (int m = 56; m < 60; ++m) t.s.spiele[m].heim = t.s.spiele[m].aus = katalog::unbekannt;
        waehleAnsicht(&t.w, 8);
        waehleAnsicht(&t.w, 9);
        const Spiele vorher = t.s.spiele;
        t.tisch.weiterAntworten << antwort;
        befehl(&t.w, QStringLiteral("menKOPaarungen"));
        QCOMPARE(t.tisch.gefragt.size(), 1);
        const Weiterfrage& f = t.tisch.gefragt[0].value(0);
        QCOMPARE(zeile(t.tisch.gefragt[0].size(), f.spiel, f.heim, f.aus, f.vorschlag),
                 QStringLiteral("1 Achtelfinale: Schweiz – Ukraine Schweiz Ukraine -1"));
        QCOMPARE(t.tisch.meldungen.value(0), meldung);
        QCOMPARE(flaggen(&t.w, 4), viertelfinale);
        if (antwort.isEmpty()) QVERIFY(t.s.spiele == vorher);
        // Asked again next time, with the side that already went through offered first.
        befehl(&t.w, QStringLiteral("menKOPaarungen"));
        QCOMPARE(t.tisch.gefragt.value(1).value(0).vorschlag, antwort.value(0, 0) == 1 ? 1 : -1);
    }

    // The tables are filled anew whenever the window is shown, with what is typed in the grid.
    void gruppentabellen() {
        Turnier t;
        t.importiere(QStringLiteral("wm2006-1-nach-gruppenphase.gowet"));
        for (int m = 42; m < 48; ++m) t.s.spiele[m].ergHeim = t.s.spiele[m].ergAus = 0;  // group H all level
        sichtbar(t.w);
        befehl(&t.w, QStringLiteral("menGruppentabellen"));
        auto* g = finde<frmGruppen>(&t.w, QStringLiteral("frmGruppen"));
        QTRY_VERIFY(g->isVisible());
        QCOMPARE(QStringList({finde<QGroupBox>(g, QStringLiteral("fraGruppe_0"))->title(), zeileDerTabelle(g, 0, 0),
                              zeileDerTabelle(g, 0, 3), zeileDerTabelle(g, 7, 0)}),
                 QStringList({"Gruppe A", "1.  Deutschland 3 3 0 0 8:2 +6 9", "4.  Costa Rica 3 0 0 3 3:9 -6 0",
                              "1.  Spanien 3 0 3 0 0:0 0 3 Los"}));

        t.w.activateWindow();
        QTRY_VERIFY(!g->isVisible());
        waehleAnsicht(&t.w, 0);
        klick(&t.w, name("chkAuswerten", 0));  // Deutschland – Costa Rica no longer counts
        befehl(&t.w, QStringLiteral("menGruppentabellen"));
        QCOMPARE(finde<frmGruppen>(&t.w, QStringLiteral("frmGruppen")), g);
        QTRY_VERIFY(g->isVisible());
        QCOMPARE(finde<QGroupBox>(g, QStringLiteral("fraGruppe_0"))->title() + '|' + zeileDerTabelle(g, 0, 0),
                 QStringLiteral("Gruppe A (5 von 6 Spielen gewertet)|1.  Deutschland 2 2 0 0 4:0 +4 6"));
    }
};

QTEST_MAIN(TestKoPhase)
#include "test_kophase.moc"
