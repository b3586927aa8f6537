// Phase views and the layout of the main window: which columns and tip fields each view shows and where.
#include <QCheckBox>
#include <QGroupBox>
#include <QTimer>

#include "hilfe.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// "left+width/top+height", from a widget inside an ancestor ("-" when hidden there) or from twips.
QString lage(const QRect& r) {
    return QStringLiteral("%1+%2/%3+%4").arg(r.x()).arg(r.width()).arg(r.y()).arg(r.height());
}
QString lage(const QWidget* x, const QWidget* in) {
    return x->isVisibleTo(in) ? lage(QRect(lageIn(x, in), x->size())) : QStringLiteral("-");
}
QString tw(int l, int b, int o, int h) { return lage(QRect(px(l), px(o), px(l + b) - px(l), px(o + h) - px(o))); }

}  // namespace

class TestAnsichten : public QObject {
    Q_OBJECT

  private slots:
    void ansichten_data();
    void ansichten();
    void falscheAnsichtBleibtUnbeachtet();
    void bildschirmGroesse();
    void zeilenStapeln_data();
    void zeilenStapeln();
    void tabulatorReihenfolge();
    void startZustand();
    void sortierMarkenStehenUeberIhrerSpalte();
};

void TestAnsichten::ansichten_data() {
    QTest::addColumn<int>("ansicht");
    QTest::addColumn<int>("erstesSpiel");
    QTest::addColumn<int>("spalten");
    QTest::addColumn<bool>("schmal");
    for (int g = 0; g < 8; ++g) QTest::addRow("Gruppe %c", "ABCDEFGH"[g]) << g << 6 * g << 6 << false;
    QTest::newRow("Achtelfinale") << 8 << 48 << 8 << true;
    QTest::newRow("Viertelfinale") << 9 << 56 << 4 << false;
    QTest::newRow("Halbfinale, Finale") << 10 << 60 << 4 << false;
}

// Every slot of every view at once: column, tip fields of a row, flags, results, tick box, the team shown.
// Start in the Achtelfinale so every change of layout is really made.
void TestAnsichten::ansichten() {
    QFETCH(int, ansicht);
    QFETCH(int, erstesSpiel);
    QFETCH(int, spalten);
    QFETCH(bool, schmal);
    Fenster f({2});
    for (int m = 0; m < 64; ++m) f.s.spiele[m].heim = static_cast<Integer>(m % 32);
    f.w.starteEinblenden();
    waehleAnsicht(&f.w, 8);
    waehleAnsicht(&f.w, ansicht);
    QCOMPARE(f.w.ansicht(), ansicht);

    // column left, distance, width; tip left, distance; flags; results left and width
    const int sL = schmal ? 1360 : 1600, sA = schmal ? 865 : 1026, sB = schmal ? 675 : 870;
    const int tL = schmal ? 1300 : 1680, tA = schmal ? 870 : 1020;
    const int hFo = schmal ? 60 : 180, aFl = schmal ? 240 : 420;
    const int hEb = schmal ? 375 : 435, aEl = schmal ? 360 : 420, aEb = schmal ? 315 : 435;
    auto* spiele = finde(&f.w, QStringLiteral("fraSpiele"));
    auto* zeile = finde(&f.w, "fraSpieler", 2);
    QStringList ist, soll;
    for (int sl = 0; sl < 8; ++sl) {
        auto* spalte = finde(&f.w, "fraSpiel", sl);
        QStringList i = {lage(spalte, spiele), lage(feld(&f.w, "txtHeimTipp", 16 + sl), zeile),
                         lage(feld(&f.w, "txtAusTipp", 16 + sl), zeile)};
        QStringList s = {QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
        if (sl < spalten) {
            const int t = tL + sl * tA;
            s = QStringList{tw(sL + sl * sA, sB, 240, 9900),
                            tw(t, 285, 0, 285),
                            tw(t + 240, 285, 0, 285),
                            tw(0, 435, hFo, 285),
                            tw(aFl, 435, 180, 285),
                            tw(0, hEb, 495, 285),
                            tw(aEl, aEb, 495, 285),
                            QStringLiteral(" %1 ").arg(QString::fromStdString(f.s.nationen[(erstesSpiel + sl) % 32])),
                            QStringLiteral("Haken rechts unter dem Heimergebnis")};
            const QLineEdit* heimErg = feld(&f.w, "txtHeimErg", sl);
            auto* haken = finde(&f.w, "chkAuswerten", sl);
            i << lage(finde(&f.w, "imgSpielHeim", sl), spalte) << lage(finde(&f.w, "imgSpielAus", sl), spalte)
              << lage(heimErg, spalte) << lage(feld(&f.w, "txtAusErg", sl), spalte)
              << finde(&f.w, "imgSpielHeim", sl)->toolTip()
              << (haken->x() + haken->width() == spalte->width() && haken->y() == heimErg->y() + heimErg->height()
                      ? s.last()
                      : lage(haken->geometry()));
        }
        ist << i.join(QLatin1Char(' '));
        soll << s.join(QLatin1Char(' '));
    }
    QCOMPARE(ist, soll);
    QCOMPARE(finde(&f.w, "lblPunkteGruppe", 2)->x(), px(schmal ? 8380 : 7980));
    QCOMPARE(finde(&f.w, "lblPunkteGesamt", 2)->x(), px(schmal ? 8860 : 8460));
    QCOMPARE(finde<QTimer>(&f.w, QStringLiteral("tmrWechsel"))->isActive(), schmal);
}

void TestAnsichten::falscheAnsichtBleibtUnbeachtet() {
    Fenster f;
    waehleAnsicht(&f.w, 8);
    auto* spalte7 = finde(&f.w, "fraSpiel", 7);
    const QRect vorher = spalte7->geometry();
    for (int v : {-1, 11, 200}) {
        QVERIFY(!f.w.zeigePhase(v));
        QCOMPARE(f.w.ansicht(), 8);
        QVERIFY(spalte7->isVisibleTo(&f.w));
        QCOMPARE(spalte7->geometry(), vorher);
        QVERIFY(finde<QTimer>(&f.w, QStringLiteral("tmrWechsel"))->isActive());
    }
    QVERIFY(f.w.zeigePhase(10));
}

void TestAnsichten::bildschirmGroesse() {
    Fenster f;
    f.w.passeAnBildschirm(768);
    QVERIFY(f.w.windowState() & Qt::WindowMaximized);
    f.w.passeAnBildschirm(1024);
    QVERIFY(!(f.w.windowState() & Qt::WindowMaximized));
    // The client area below the menu bar holds 15240 x 10830 twips.
    QCOMPARE(f.w.centralWidget()->minimumSize(), QSize(1016, 722));
}

void TestAnsichten::zeilenStapeln_data() {
    QTest::addColumn<QList<int>>("mitspieler");
    QTest::newRow("keiner") << QList<int>{};
    QTest::newRow("0, 3 und 7") << QList<int>{0, 3, 7};
    QTest::newRow("alle 25") << von(0, 24);
}

// Rows of those who play along, stacked without gaps, and as many ranking rows; the table shrinks with them.
void TestAnsichten::zeilenStapeln() {
    QFETCH(QList<int>, mitspieler);
    Fenster f;
    for (int p : mitspieler) f.s.setSpieltMit(p, true);
    f.w.starteEinblenden();
    auto* spiele = finde(&f.w, QStringLiteral("fraSpiele"));
    QStringList ist, soll;
    for (int p = 0; p < 25; ++p) {
        auto* zeile = finde(&f.w, "fraSpieler", p);
        if (zeile->isVisibleTo(&f.w)) ist << QStringLiteral("%1 oben %2").arg(p).arg(lageIn(zeile, spiele).y());
        if (const int k = int(mitspieler.indexOf(p)); k >= 0)
            soll << QStringLiteral("%1 oben %2").arg(p).arg(px(1240 + 320 * k));
    }
    QCOMPARE(ist, soll);
    const int k = int(mitspieler.size());
    QCOMPARE(welche(&f.w, "fraTabSpieler", 25, [&](QWidget* z) { return z->isVisibleTo(&f.w); }),
             welche(&f.w, "fraTabSpieler", k, [](QWidget*) { return true; }));
    auto* tab = finde(&f.w, QStringLiteral("fraTabelleTab"));
    const int oben = lageIn(tab, finde(&f.w, QStringLiteral("fraTabelle"))).y();
    QCOMPARE(tab->height(), px(oben * 15 + 7515 - 300 * (25 - k)) - oben);
}

// Results of the view first, then the tips of each participant slot by slot, home before away.
void TestAnsichten::tabulatorReihenfolge() {
    Fenster f({0, 4});
    f.w.starteEinblenden();
    sichtbar(f.w);
    QStringList erwartet;
    for (int sl = 0; sl < 6; ++sl) erwartet << name("txtHeimErg", sl) << name("txtAusErg", sl);
    for (int p : {0, 4})
        for (int sl = 0; sl < 6; ++sl) erwartet << name("txtHeimTipp", 8 * p + sl) << name("txtAusTipp", 8 * p + sl);
    feld(&f.w, "txtHeimErg", 0)->setFocus(Qt::TabFocusReason);
    QStringList gesehen;
    for (int i = 0; i < erwartet.size(); ++i) {
        gesehen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(gesehen, erwartet);
}

void TestAnsichten::startZustand() {
    Fenster f;
    QCOMPARE(f.w.windowTitle(), QStringLiteral("ovi kuvela - Das Tippspiel zur Fußball-Weltmeisterschaft 2006"));
    auto* phase = finde<QComboBox>(&f.w, QStringLiteral("cmbPhase"));
    QStringList eintraege;
    for (int i = 0; i < phase->count(); ++i) eintraege << phase->itemText(i);
    QCOMPARE(eintraege, QStringList({"Gruppe A", "Gruppe B", "Gruppe C", "Gruppe D", "Gruppe E", "Gruppe F", "Gruppe G",
                                     "Gruppe H", "Achtelfinale", "Viertelfinale", "Halbfinale, Finale"}));
    QCOMPARE(phase->currentIndex(), 0);
    auto* sortierung = finde<QComboBox>(&f.w, QStringLiteral("cmbSortierung"));
    QCOMPARE(QStringLiteral("%1 %2 %3")
                 .arg(sortierung->currentIndex())
                 .arg(sortierung->placeholderText())
                 .arg(sortierung->count()),
             QStringLiteral("-1 Sortierung 7"));
    QStringList nichtNull =
        welche(&f.w, "txtHeimTipp", 200, [](QWidget* x) { return static_cast<QLineEdit*>(x)->text() != "0"; });
    nichtNull << welche(&f.w, "txtAusTipp", 200, [](QWidget* x) { return !x->font().bold(); });
    QCOMPARE(nichtNull, QStringList{});
    QStringList platz;
    for (int r = 0; r < 25; ++r) platz << text(&f.w, "lblPlatz", r);
    QCOMPARE(platz.join(QLatin1Char(' ')),
             QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25"));

    // name | tool tip (empty: not looked at) | background | text colour | bold
    const QStringList erwartet = {
        "lblSpieler_0||#41983d|#ffffff",
        "lblTabSpieler_0||#41983d|#ffffff",
        "lblPlatz_3| Platz |#41983d|#ffffff",
        "lblPunkteGesamt_24| Gesamtpunkte |#ffc080|#000000|1",
        "lblTabPunkteGesamt_0| Gesamtpunkte|#ffc080|#000000",
        "lblPunkteGruppe_0| Punkte in dieser Phase |#000000|#ffc080",
        "lblTabPunkteGruppe_1| Punkte in der Gruppenphase ",
        "lblTabPunkteKO_2| Punkte der K.O.-Phase |#000000|#ffc080|1",
        "lblBonus_4| erreichte Bonuspunkte |#ffffff|#ff0000",
        "lblTab3er_5| Punkte durch richtige Tipps |#ff0000|#000000",
        "lblTab2er_6| Punkte durch richtige Sieghöhe |#ffff90|#000000",
        "lblTab1er_7| Punkte durch richtige Tendenz |#30be30|#000000",
        "lblTenEins_0| Anzahl getippter Siege der erstgenannten Mannschaft ",
        "lblTenNull_7| Anzahl getippter Unentschieden ",
        "lblTenZwei_3| Anzahl getippter Siege der letztgenannten Mannschaft ",
        "chkAuswerten_5| dieses Spiel mit auswerten ",
        "fraSpiel_0||#41983d|#000000",
    };
    QStringList gesehen;
    for (const QString& zeile : erwartet) {
        const QStringList teile = zeile.split(QLatin1Char('|'));
        auto* x = finde(&f.w, teile[0]);
        QStringList z = {teile[0], teile[1].isEmpty() ? QString() : x->toolTip()};
        if (teile.size() > 2)
            z << (x->autoFillBackground() ? grund(x).name() : QStringLiteral("durchsichtig"))
              << x->palette().color(QPalette::WindowText).name();
        if (teile.size() > 4) z << QString::number(x->font().bold());
        gesehen << z.join(QLatin1Char('|'));
    }
    QCOMPARE(gesehen, erwartet);
    QVERIFY(!finde(&f.w, "linie", 0)->isVisibleTo(&f.w));
    QCOMPARE(finde(&f.w, "fraTabSpieler", 0)->width(), px(4215));
}

void TestAnsichten::sortierMarkenStehenUeberIhrerSpalte() {
    Fenster f({1, 2, 5});
    f.w.starteEinblenden();
    auto* tabelle = finde(&f.w, QStringLiteral("fraTabelle"));
    auto* sortierung = finde<QComboBox>(&f.w, QStringLiteral("cmbSortierung"));
    auto* oben = finde(&f.w, "imgSortierer", 0);
    auto* unten = finde(&f.w, "imgSortierer", 1);
    QStringList daneben;
    int k = 0;
    for (const char* spalte : {"lblTabPunkteGesamt", "lblTabPunkteGruppe", "lblTabPunkteKO", "lblBonus", "lblTab3er",
                               "lblTab2er", "lblTab1er"}) {
        sortierung->setCurrentIndex(k);
        emit sortierung->activated(k++);
        auto* l = finde(&f.w, spalte, 0);
        const QPoint p = lageIn(l, tabelle);
        if (oben->x() < p.x() || oben->x() + oben->width() > p.x() + l->width() || unten->x() != oben->x() ||
            oben->y() + oben->height() > p.y())
            daneben << QString::fromUtf8(spalte);
    }
    QCOMPARE(daneben, QStringList{});
    // The lower marker stands right below the last visible row.
    auto* letzte = finde(&f.w, "fraTabSpieler", 2);
    const int zeilenEnde = lageIn(letzte, tabelle).y() + letzte->height();
    QVERIFY2(unten->y() >= zeilenEnde && unten->y() <= zeilenEnde + 3,
             qPrintable(QString::number(unten->y() - zeilenEnde)));
}

QTEST_MAIN(TestAnsichten)
#include "test_ansichten.moc"
