// Match details: the nine rows for a match, their colours and spacing, hidden (kept) when left.
#include "ui/dialoge/frmspielinfo.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using ovi::test::teil;

namespace {

QLabel* titel(QWidget* d, int z) { return teil<QLabel>(d, QStringLiteral("lblInfo_%1").arg(z)); }
QLabel* wert(QWidget* d, int z) { return teil<QLabel>(d, QStringLiteral("lblInfoText_%1").arg(z)); }

QStringList werte(QWidget* d) {
    QStringList l;
    for (int z = 0; z < frmSpielInfo::zeilen; ++z) l << wert(d, z)->text();
    return l;
}

// The first record of a match-information file as the operator would import it.
Spielstand ersterSatz() {
    Spielstand s;
    Spiel& m = s.spiele[0];
    m.heim = 0;
    m.aus = 32;
    m.phase = 0;
    m.tag = 4;
    m.ort = 9;
    m.schiri = 0;
    m.datum = "09.06.2006";
    m.zeit = "18:00";
    m.quote = "";
    Spiel& v = s.spiele[59];
    v.heim = 8;
    v.aus = 11;
    v.phase = 2;
    v.tag = 6;
    v.ort = 3;
    v.schiri = 5;  // an announced referee the catalogue does not name: shows empty
    v.datum = "01.07.2006";
    v.zeit = "21:00";
    v.quote = "1,45  -  4,50  -  8,00";
    return s;
}

}  // namespace

class FrmSpielInfoTest : public QObject {
    Q_OBJECT

    QWidget haupt_;

  private slots:
    void initTestCase() {
        haupt_.resize(400, 300);
        haupt_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt_));
    }

    void neunZeilen() {
        const Spielstand s = ersterSatz();
        frmSpielInfo d(&haupt_);
        d.show();
        d.spielAnzeigen(s, 0);
        QCOMPARE(d.windowTitle(), QStringLiteral("Informationen zum Spiel"));
        const QStringList erwartet = {QStringLiteral(" Deutschland - unbekannt"),
                                      QStringLiteral(" Gruppenphase"),
                                      QStringLiteral(" Freitag"),
                                      QStringLiteral(" 09.06.2006"),
                                      QStringLiteral(" 18:00"),
                                      QStringLiteral(" München"),
                                      QStringLiteral(" FIFA WM-Stadion München"),
                                      QStringLiteral(" noch nicht bekannt gegeben"),
                                      QStringLiteral(" ")};
        QCOMPARE(werte(&d), erwartet);
        d.spielAnzeigen(s, 59);
        const QStringList viertelfinale = {QStringLiteral(" Argentinien - Niederlande"),
                                           QStringLiteral(" Viertelfinale"),
                                           QStringLiteral(" Sonntag"),
                                           QStringLiteral(" 01.07.2006"),
                                           QStringLiteral(" 21:00"),
                                           QStringLiteral(" Gelsenkirchen"),
                                           QStringLiteral(" FIFA WM-Stadion Gelsenkirchen"),
                                           QStringLiteral(" "),
                                           QStringLiteral(" 1,45  -  4,50  -  8,00")};
        QCOMPARE(werte(&d), viertelfinale);
    }

    void titelFarbenAbstaende() {
        frmSpielInfo d(&haupt_);
        const QStringList titelTexte = {
            QStringLiteral(" Spiel:"),   QStringLiteral(" Phase:"),          QStringLiteral(" Wochentag:"),
            QStringLiteral(" Datum:"),   QStringLiteral(" Anstoß:"),         QStringLiteral(" Ort:"),
            QStringLiteral(" Stadion:"), QStringLiteral(" Schiedsrichter:"), QStringLiteral(" Wettquoten:")};
        for (int z = 0; z < frmSpielInfo::zeilen; ++z) {
            QCOMPARE(titel(&d, z)->text(), titelTexte[z]);
            QCOMPARE(titel(&d, z)->palette().color(QPalette::Window), QColor(255, 255, 144));
            QCOMPARE(wert(&d, z)->palette().color(QPalette::Window), QColor(255, 255, 192));
            QVERIFY(titel(&d, z)->autoFillBackground());
            QVERIFY(wert(&d, z)->autoFillBackground());
            QCOMPARE(titel(&d, z)->y() - titel(&d, 0)->y(), 24 * z);  // 360 twips
            QCOMPARE(wert(&d, z)->y(), titel(&d, z)->y());
            QVERIFY(wert(&d, z)->x() >= titel(&d, z)->x() + titel(&d, z)->width());
            QVERIFY(d.rect().contains(wert(&d, z)->geometry()));
        }
        const QColor hinter[2] = {QColor(255, 255, 144), QColor(255, 255, 192)};
        for (int c = 0; c < 2; ++c) {
            auto* form = teil<QWidget>(&d, QStringLiteral("shpHintergrund_%1").arg(c));
            QCOMPARE(form->palette().color(QPalette::Window), hinter[c]);
            QLabel* oben = c == 0 ? titel(&d, 0) : wert(&d, 0);
            QLabel* unten = c == 0 ? titel(&d, 8) : wert(&d, 8);
            QVERIFY(form->geometry().contains(oben->geometry().united(unten->geometry())));
        }
    }

    void fehlerLaesstZeilenStehen() {
        Spielstand s = ersterSatz();
        frmSpielInfo d(&haupt_);
        d.spielAnzeigen(s, 0);
        const QStringList vorher = werte(&d);
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d.spielAnzeigen(s, 64));
        QCOMPARE(werte(&d), vorher);
        s.spiele[1] = s.spiele[59];
        s.spiele[1].ort = 12;  // venue outside the catalogue, found only at row 5
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d.spielAnzeigen(s, 1));
        QCOMPARE(werte(&d), vorher);
    }

    void wirdVerstecktUndWiederGezeigt() {
        const Spielstand s = ersterSatz();
        QPointer<frmSpielInfo> d = new frmSpielInfo(&haupt_);
        d->show();
        d->spielAnzeigen(s, 0);
        QVERIFY(test::entziehe(d, &haupt_));
        QTRY_VERIFY(!d->isVisible());
        QTest::qWait(0);
        QVERIFY(!d.isNull());  // kept for the next info click
        d->show();
        d->spielAnzeigen(s, 59);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QCOMPARE(wert(d, 1)->text(), QStringLiteral(" Viertelfinale"));
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QTest::qWait(0);
        QVERIFY(!d.isNull());
        delete d;
    }

    void eigenesKindFensterZaehltNicht() {
        frmSpielInfo d(&haupt_);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        // Like a message box opened from the dialog.
        QWidget kind(&d, Qt::Dialog);
        kind.resize(100, 50);
        kind.show();
        kind.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&kind));
        QTest::qWait(0);
        QVERIFY(d.isVisible());
        kind.close();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        haupt_.activateWindow();
        QTRY_VERIFY(!d.isVisible());
    }
};

QTEST_MAIN(FrmSpielInfoTest)
#include "frmspielinfo_test.moc"
