// Phase views and the layout of the main window: which columns and tip fields each view shows and where.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <cmath>

#include "hilfe.h"

using namespace ovi;
using namespace ovi::test;

namespace {

int px(double tw) { return static_cast<int>(std::lround(tw / 15.0)); }

// Left edge of a widget inside an ancestor.
int linksIn(const QWidget* w, const QWidget* vorfahr) { return w->mapTo(vorfahr, QPoint(0, 0)).x(); }
int obenIn(const QWidget* w, const QWidget* vorfahr) { return w->mapTo(vorfahr, QPoint(0, 0)).y(); }

}  // namespace

class TestAnsichten : public QObject {
    Q_OBJECT

  private slots:
    void ansichten_data();
    void ansichten();
    void flaggenUndErgebnisfelder_data();
    void flaggenUndErgebnisfelder();
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
    const char* gruppen = "ABCDEFGH";
    for (int g = 0; g < 8; ++g) QTest::addRow("Gruppe %c", gruppen[g]) << g << 6 * g << 6 << false;
    QTest::newRow("Achtelfinale") << 8 << 48 << 8 << true;
    QTest::newRow("Viertelfinale") << 9 << 56 << 4 << false;
    QTest::newRow("Halbfinale, Finale") << 10 << 60 << 4 << false;
}

// Columns, tip fields, their places and the timer, for every view; start in the Achtelfinale so every
// change of layout is really made.
void TestAnsichten::ansichten() {
    QFETCH(int, ansicht);
    QFETCH(int, erstesSpiel);
    QFETCH(int, spalten);
    QFETCH(bool, schmal);
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    Spielstand& s = w.spielstand();
    for (int m = 0; m < 64; ++m) s.spiele[m].heim = static_cast<Integer>(m % 32);
    s.setSpieltMit(2, true);
    w.starteEinblenden();
    waehleAnsicht(&w, 8);
    waehleAnsicht(&w, ansicht);
    QCOMPARE(w.ansicht(), ansicht);

    const int spalteLinks = schmal ? 1360 : 1600, spalteAbstand = schmal ? 865 : 1026,
              spalteBreite = schmal ? 675 : 870;
    const int tippLinks = schmal ? 1300 : 1680, tippAbstand = schmal ? 870 : 1020;
    auto* spiele = finde<QGroupBox>(&w, QStringLiteral("fraSpiele"));
    auto* zeile = finde<QWidget>(&w, QStringLiteral("fraSpieler_2"));
    for (int sl = 0; sl < 8; ++sl) {
        auto* spalte = finde<QWidget>(&w, QStringLiteral("fraSpiel_%1").arg(sl));
        QCOMPARE(spalte->isVisibleTo(&w), sl < spalten);
        auto* heim = feld(&w, "txtHeimTipp", 16 + sl);
        auto* aus = feld(&w, "txtAusTipp", 16 + sl);
        QCOMPARE(heim->isVisibleTo(zeile), sl < spalten);
        QCOMPARE(aus->isVisibleTo(zeile), sl < spalten);
        if (sl >= spalten) continue;
        QCOMPARE(linksIn(spalte, spiele), px(spalteLinks + sl * spalteAbstand));
        QCOMPARE(spalte->width(),
                 px(spalteLinks + sl * spalteAbstand + spalteBreite) - px(spalteLinks + sl * spalteAbstand));
        QCOMPARE(obenIn(spalte, spiele), px(240));
        QCOMPARE(spalte->height(), px(240 + 9900) - px(240));
        QCOMPARE(linksIn(heim, zeile), px(tippLinks + sl * tippAbstand));
        QCOMPARE(linksIn(aus, zeile), px(tippLinks + sl * tippAbstand + 240));
        QCOMPARE(heim->width(), px(tippLinks + sl * tippAbstand + 285) - px(tippLinks + sl * tippAbstand));
        // The column shows the match of its slot: the home flag names that match's team.
        const QString team = QString::fromStdString(s.nationen[(erstesSpiel + sl) % 32]);
        QCOMPARE(finde<QLabel>(&w, QStringLiteral("imgSpielHeim_%1").arg(sl))->toolTip(),
                 QStringLiteral(" %1 ").arg(team));
        // The tick box hangs at the right edge, directly below the home result.
        auto* chk = finde<QCheckBox>(&w, QStringLiteral("chkAuswerten_%1").arg(sl));
        auto* ergebnis = feld(&w, "txtHeimErg", sl);
        QCOMPARE(chk->x() + chk->width(), spalte->width());
        QCOMPARE(chk->y(), ergebnis->y() + ergebnis->height());
    }
    auto* gruppe = finde<QLabel>(&w, QStringLiteral("lblPunkteGruppe_2"));
    auto* gesamt = finde<QLabel>(&w, QStringLiteral("lblPunkteGesamt_2"));
    QCOMPARE(gruppe->x(), px(schmal ? 8380 : 7980));
    QCOMPARE(gesamt->x(), px(schmal ? 8860 : 8460));
    QCOMPARE(finde<QTimer>(&w, QStringLiteral("tmrWechsel"))->isActive(), schmal);
}

void TestAnsichten::flaggenUndErgebnisfelder_data() {
    QTest::addColumn<int>("ansicht");
    QTest::addColumn<QRect>("heimFlagge");
    QTest::addColumn<QRect>("ausFlagge");
    QTest::addColumn<QPoint>("heimErgebnis");  // left, width
    QTest::addColumn<QPoint>("ausErgebnis");
    auto r = [](int l, int o) { return QRect(px(l), px(o), px(l + 435) - px(l), px(o + 285) - px(o)); };
    auto e = [](int l, int b) { return QPoint(px(l), px(l + b) - px(l)); };
    QTest::newRow("breit") << 3 << r(0, 180) << r(420, 180) << e(0, 435) << e(420, 435);
    QTest::newRow("schmal") << 8 << r(0, 60) << r(240, 180) << e(0, 375) << e(360, 315);
}

void TestAnsichten::flaggenUndErgebnisfelder() {
    QFETCH(int, ansicht);
    QFETCH(QRect, heimFlagge);
    QFETCH(QRect, ausFlagge);
    QFETCH(QPoint, heimErgebnis);
    QFETCH(QPoint, ausErgebnis);
    frmHaupt w;
    waehleAnsicht(&w, ansicht);
    for (int sl = 0; sl < 4; ++sl) {
        QCOMPARE(finde<QLabel>(&w, QStringLiteral("imgSpielHeim_%1").arg(sl))->geometry(), heimFlagge);
        QCOMPARE(finde<QLabel>(&w, QStringLiteral("imgSpielAus_%1").arg(sl))->geometry(), ausFlagge);
        const QLineEdit* h = feld(&w, "txtHeimErg", sl);
        const QLineEdit* a = feld(&w, "txtAusErg", sl);
        QCOMPARE(QPoint(h->x(), h->width()), heimErgebnis);
        QCOMPARE(QPoint(a->x(), a->width()), ausErgebnis);
    }
}

void TestAnsichten::falscheAnsichtBleibtUnbeachtet() {
    frmHaupt w;
    waehleAnsicht(&w, 8);
    auto* spalte7 = finde<QWidget>(&w, QStringLiteral("fraSpiel_7"));
    const QRect vorher = spalte7->geometry();
    for (int v : {-1, 11, 200}) {
        QVERIFY(!w.zeigePhase(v));
        QCOMPARE(w.ansicht(), 8);
        QVERIFY(spalte7->isVisibleTo(&w));
        QCOMPARE(spalte7->geometry(), vorher);
        QVERIFY(finde<QTimer>(&w, QStringLiteral("tmrWechsel"))->isActive());
    }
    QVERIFY(w.zeigePhase(10));
}

void TestAnsichten::bildschirmGroesse() {
    frmHaupt w;
    w.passeAnBildschirm(768);
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    w.passeAnBildschirm(1024);
    QVERIFY(!(w.windowState() & Qt::WindowMaximized));
    // The client area below the menu bar holds 15240 x 10830 twips.
    QVERIFY(w.centralWidget()->minimumSize() == QSize(1016, 722));
}

void TestAnsichten::zeilenStapeln_data() {
    QTest::addColumn<QList<int>>("mitspieler");
    QTest::newRow("keiner") << QList<int>{};
    QTest::newRow("0, 3 und 7") << QList<int>{0, 3, 7};
    QList<int> alle;
    for (int p = 0; p < 25; ++p) alle << p;
    QTest::newRow("alle 25") << alle;
}

void TestAnsichten::zeilenStapeln() {
    QFETCH(QList<int>, mitspieler);
    frmHaupt w;
    for (int p : mitspieler) w.spielstand().setSpieltMit(p, true);
    w.starteEinblenden();
    auto* spiele = finde<QGroupBox>(&w, QStringLiteral("fraSpiele"));
    int k = 0;
    for (int p = 0; p < 25; ++p) {
        auto* zeile = finde<QWidget>(&w, QStringLiteral("fraSpieler_%1").arg(p));
        QCOMPARE(zeile->isVisibleTo(&w), mitspieler.contains(p));
        if (!mitspieler.contains(p)) continue;
        QCOMPARE(obenIn(zeile, spiele), px(1240 + 320 * k));
        ++k;
    }
    for (int r = 0; r < 25; ++r)
        QCOMPARE(finde<QWidget>(&w, QStringLiteral("fraTabSpieler_%1").arg(r))->isVisibleTo(&w), r < k);
    auto* tab = finde<QWidget>(&w, QStringLiteral("fraTabelleTab"));
    const int oben = obenIn(tab, finde<QGroupBox>(&w, QStringLiteral("fraTabelle")));
    QCOMPARE(tab->height(), px(oben * 15 + 7515 - 300 * (25 - k)) - oben);
}

// Results of the view first, then the tips of each participant slot by slot, home before away.
void TestAnsichten::tabulatorReihenfolge() {
    frmHaupt w;
    w.spielstand().setSpieltMit(0, true);
    w.spielstand().setSpieltMit(4, true);
    w.starteEinblenden();
    sichtbar(w);
    QStringList erwartet;
    for (int sl = 0; sl < 6; ++sl)
        erwartet << QStringLiteral("txtHeimErg_%1").arg(sl) << QStringLiteral("txtAusErg_%1").arg(sl);
    for (int p : {0, 4})
        for (int sl = 0; sl < 6; ++sl)
            erwartet << QStringLiteral("txtHeimTipp_%1").arg(8 * p + sl)
                     << QStringLiteral("txtAusTipp_%1").arg(8 * p + sl);
    feld(&w, "txtHeimErg", 0)->setFocus(Qt::TabFocusReason);
    QStringList gesehen;
    for (int i = 0; i < erwartet.size(); ++i) {
        gesehen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(gesehen, erwartet);
}

void TestAnsichten::startZustand() {
    frmHaupt w;
    QCOMPARE(w.windowTitle(), QStringLiteral("ovi kuvela - Das Tippspiel zur Fußball-Weltmeisterschaft 2006"));
    auto* phase = finde<QComboBox>(&w, QStringLiteral("cmbPhase"));
    QStringList eintraege;
    for (int i = 0; i < phase->count(); ++i) eintraege << phase->itemText(i);
    QCOMPARE(eintraege, QStringList({"Gruppe A", "Gruppe B", "Gruppe C", "Gruppe D", "Gruppe E", "Gruppe F", "Gruppe G",
                                     "Gruppe H", "Achtelfinale", "Viertelfinale", "Halbfinale, Finale"}));
    QCOMPARE(phase->currentText(), QStringLiteral("Gruppe A"));
    auto* sortierung = finde<QComboBox>(&w, QStringLiteral("cmbSortierung"));
    QCOMPARE(sortierung->currentIndex(), -1);
    QCOMPARE(sortierung->placeholderText(), QStringLiteral("Sortierung"));
    QCOMPARE(sortierung->count(), 7);
    for (int i = 0; i < 200; ++i) {
        QCOMPARE(feld(&w, "txtHeimTipp", i)->text(), QStringLiteral("0"));
        QVERIFY(feld(&w, "txtAusTipp", i)->font().bold());
    }
    const QList<QPair<QString, QString>> tipps = {
        {"lblPunkteGruppe_0", " Punkte in dieser Phase "},
        {"lblPunkteGesamt_24", " Gesamtpunkte "},
        {"lblPlatz_3", " Platz "},
        {"lblTabPunkteGesamt_0", " Gesamtpunkte"},
        {"lblTabPunkteGruppe_1", " Punkte in der Gruppenphase "},
        {"lblTabPunkteKO_2", " Punkte der K.O.-Phase "},
        {"lblBonus_4", " erreichte Bonuspunkte "},
        {"lblTab3er_5", " Punkte durch richtige Tipps "},
        {"lblTab2er_6", " Punkte durch richtige Sieghöhe "},
        {"lblTab1er_7", " Punkte durch richtige Tendenz "},
        {"lblTenEins_0", " Anzahl getippter Siege der erstgenannten Mannschaft "},
        {"lblTenNull_7", " Anzahl getippter Unentschieden "},
        {"lblTenZwei_3", " Anzahl getippter Siege der letztgenannten Mannschaft "},
        {"chkAuswerten_5", " dieses Spiel mit auswerten "},
    };
    for (const auto& [name, tipp] : tipps) QCOMPARE(finde<QWidget>(&w, name)->toolTip(), tipp);
    for (int r = 0; r < 25; ++r)
        QCOMPARE(finde<QLabel>(&w, QStringLiteral("lblPlatz_%1").arg(r))->text(), QString::number(r + 1));
    // Colours of the row labels: background, text.
    const QList<std::tuple<QString, QColor, QColor>> farben = {
        {"lblSpieler_0", QColor(65, 152, 61), Qt::white},
        {"lblTabSpieler_0", QColor(65, 152, 61), Qt::white},
        {"lblPlatz_0", QColor(65, 152, 61), Qt::white},
        {"lblPunkteGesamt_0", QColor(255, 192, 128), Qt::black},
        {"lblTabPunkteGesamt_0", QColor(255, 192, 128), Qt::black},
        {"lblPunkteGruppe_0", Qt::black, QColor(255, 192, 128)},
        {"lblTabPunkteKO_0", Qt::black, QColor(255, 192, 128)},
        {"lblBonus_0", Qt::white, QColor(255, 0, 0)},
        {"lblTab3er_0", QColor(255, 0, 0), Qt::black},
        {"lblTab2er_0", QColor(255, 255, 144), Qt::black},
        {"lblTab1er_0", QColor(48, 190, 48), Qt::black},
        {"fraSpiel_0", QColor(65, 152, 61), Qt::black},
    };
    for (const auto& [name, grund, text] : farben) {
        auto* l = finde<QWidget>(&w, name);
        QVERIFY2(l->autoFillBackground(), qPrintable(name));
        QCOMPARE(l->palette().color(QPalette::Window), grund);
        QCOMPARE(l->palette().color(QPalette::WindowText), text);
    }
    QVERIFY(finde<QLabel>(&w, QStringLiteral("lblPunkteGesamt_0"))->font().bold());
    QVERIFY(finde<QLabel>(&w, QStringLiteral("lblTabPunkteKO_0"))->font().bold());
    QVERIFY(!finde<QWidget>(&w, QStringLiteral("linie_0"))->isVisibleTo(&w));
    QCOMPARE(finde<QWidget>(&w, QStringLiteral("fraTabSpieler_0"))->width(), px(4215));
}

void TestAnsichten::sortierMarkenStehenUeberIhrerSpalte() {
    frmHaupt w;
    for (int p : {1, 2, 5}) w.spielstand().setSpieltMit(p, true);
    w.starteEinblenden();
    auto* tabelle = finde<QGroupBox>(&w, QStringLiteral("fraTabelle"));
    auto* sortierung = finde<QComboBox>(&w, QStringLiteral("cmbSortierung"));
    const char* spalten[7] = {"lblTabPunkteGesamt", "lblTabPunkteGruppe", "lblTabPunkteKO", "lblBonus",
                              "lblTab3er",          "lblTab2er",          "lblTab1er"};
    auto* oben = finde<QLabel>(&w, QStringLiteral("imgSortierer_0"));
    auto* unten = finde<QLabel>(&w, QStringLiteral("imgSortierer_1"));
    auto* letzteZeile = finde<QWidget>(&w, QStringLiteral("fraTabSpieler_2"));
    for (int k = 0; k < 7; ++k) {
        sortierung->setCurrentIndex(k);
        emit sortierung->activated(k);
        auto* spalte = finde<QLabel>(&w, QStringLiteral("%1_0").arg(QLatin1String(spalten[k])));
        const int links = linksIn(spalte, tabelle);
        QVERIFY2(oben->x() >= links && oben->x() + oben->width() <= links + spalte->width(), spalten[k]);
        QCOMPARE(unten->x(), oben->x());
        QVERIFY(oben->y() + oben->height() <= obenIn(spalte, tabelle));
    }
    // The lower marker stands right below the last visible row.
    const int zeilenEnde = obenIn(letzteZeile, tabelle) + letzteZeile->height();
    QVERIFY(unten->y() >= zeilenEnde);
    QVERIFY(unten->y() <= zeilenEnde + 3);
}

QTEST_MAIN(TestAnsichten)
#include "test_ansichten.moc"
