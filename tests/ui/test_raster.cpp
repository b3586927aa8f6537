// The match grid after an evaluation: tip colours, points, ranking rows, tendency counters, flags, hover marks.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "core/katalog.h"
#include "hilfe.h"

using namespace ovi;
using namespace ovi::test;

namespace {

int px(double tw) { return static_cast<int>(std::lround(tw / 15.0)); }

QColor grund(const QLineEdit* f) { return f->palette().color(QPalette::Base); }
QColor grund(const QWidget* w) { return w->palette().color(QPalette::Window); }
QString text(const QObject* w, const QString& name) { return finde<QLabel>(w, name)->text(); }

void setzeTipp(Spielstand& s, int p, int m, int heim, int aus) {
    s.tipps(p, m, 0) = static_cast<Integer>(heim);
    s.tipps(p, m, 1) = static_cast<Integer>(aus);
}

// Is the away flag of a slot in front of its home flag?
bool ausVorn(const QObject* w, int sl) {
    auto* heim = finde<QLabel>(w, QStringLiteral("imgSpielHeim_%1").arg(sl));
    auto* aus = finde<QLabel>(w, QStringLiteral("imgSpielAus_%1").arg(sl));
    const QObjectList& geschwister = heim->parent()->children();
    return geschwister.indexOf(aus) > geschwister.indexOf(heim);
}

}  // namespace

class TestRaster : public QObject {
    Q_OBJECT

  private slots:
    void farbenUndPunkteNachAuswertung();
    void punkteDerPhaseHalbfinaleFinale();
    void flaggenMitTooltip();
    void tendenz_data();
    void tendenz();
    void tendenzInSchmalerAnsicht();
    void flaggenWechseln();
    void markierungInBeidenOrten();
};

// Typed through the grid, evaluated with the button; every hit category shows its colour.
void TestRaster::farbenUndPunkteNachAuswertung() {
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    Spielstand& s = w.spielstand();
    const char* namen[4] = {"Anna", "Bert", "Carla", "Dirk"};
    for (int p = 0; p < 4; ++p) {
        s.setName(p, namen[p]);
        s.setSpieltMit(p, true);
    }
    w.starteEinblenden();
    sichtbar(w);
    // Result 2:1 in match 0; tips exact, goal difference, tendency, wrong.
    tippe(feld(&w, "txtHeimErg", 0), '2');
    tippe(feld(&w, "txtAusErg", 0), '1');
    QTest::mouseClick(finde<QCheckBox>(&w, QStringLiteral("chkAuswerten_0")), Qt::LeftButton);
    const char tipps[4][2] = {{'2', '1'}, {'3', '2'}, {'4', '0'}, {'0', '1'}};
    for (int p = 0; p < 4; ++p) {
        tippe(feld(&w, "txtHeimTipp", 8 * p), tipps[p][0]);
        tippe(feld(&w, "txtAusTipp", 8 * p), tipps[p][1]);
    }
    QTest::mouseClick(finde<QPushButton>(&w, QStringLiteral("cmdAuswerten")), Qt::LeftButton);

    const QColor erwartet[4] = {QColor(255, 0, 0), QColor(250, 250, 144), QColor(48, 190, 48), QColor(255, 255, 255)};
    for (int p = 0; p < 4; ++p) {
        QCOMPARE(grund(feld(&w, "txtHeimTipp", 8 * p)), erwartet[p]);
        QCOMPARE(grund(feld(&w, "txtAusTipp", 8 * p)), erwartet[p]);
        // Match 1 is not evaluated: no hit colour.
        QCOMPARE(grund(feld(&w, "txtHeimTipp", 8 * p + 1)), QColor(255, 255, 255));
        QCOMPARE(text(&w, QStringLiteral("lblPunkteGesamt_%1").arg(p)), QString::number(3 - p));
        QCOMPARE(text(&w, QStringLiteral("lblPunkteGruppe_%1").arg(p)), QString::number(3 - p));
    }
    // Ranking rows, whole: name, total, group phase, knock-out, bonus, exact, difference, tendency.
    QStringList zeilen;
    for (int r = 0; r < 4; ++r) {
        QStringList z;
        for (const char* spalte : {"lblTabSpieler", "lblTabPunkteGesamt", "lblTabPunkteGruppe", "lblTabPunkteKO",
                                   "lblBonus", "lblTab3er", "lblTab2er", "lblTab1er"})
            z << text(&w, QStringLiteral("%1_%2").arg(QLatin1String(spalte)).arg(r));
        zeilen << z.join(QLatin1Char('|'));
    }
    QCOMPARE(zeilen, QStringList({"  Anna|3|3|0|0|3|0|0", "  Bert|2|2|0|0|0|2|0", "  Carla|1|1|0|0|0|0|1",
                                  "  Dirk|0|0|0|0|0|0|0"}));
    QCOMPARE(finde<QComboBox>(&w, QStringLiteral("cmbSortierung"))->currentIndex(), 0);
}

void TestRaster::punkteDerPhaseHalbfinaleFinale() {
    frmHaupt w;
    Spielstand& s = w.spielstand();
    s.setSpieltMit(0, true);
    // Exact tips in a semi-final (3), the third-place match (3) and the final (3), and in group A (3).
    for (int m : {0, 60, 62, 63}) {
        s.spiele[m].auswerten = true;
        s.spiele[m].ergHeim = 1;
        setzeTipp(s, 0, m, 1, 0);
    }
    w.starteEinblenden();
    waehleAnsicht(&w, 10);
    QCOMPARE(text(&w, QStringLiteral("lblPunkteGruppe_0")), QStringLiteral("9"));
    QCOMPARE(text(&w, QStringLiteral("lblPunkteGesamt_0")), QStringLiteral("12"));
    waehleAnsicht(&w, 0);
    QCOMPARE(text(&w, QStringLiteral("lblPunkteGruppe_0")), QStringLiteral("3"));
    waehleAnsicht(&w, 9);
    QCOMPARE(text(&w, QStringLiteral("lblPunkteGruppe_0")), QStringLiteral("0"));
}

void TestRaster::flaggenMitTooltip() {
    frmHaupt w;
    Spielstand& s = w.spielstand();
    s.spiele[0].heim = 0;
    s.spiele[0].aus = 32;
    s.spiele[1].heim = 32;
    s.spiele[1].aus = 16;
    waehleAnsicht(&w, 0);
    auto* heim0 = finde<QLabel>(&w, QStringLiteral("imgSpielHeim_0"));
    auto* aus0 = finde<QLabel>(&w, QStringLiteral("imgSpielAus_0"));
    auto* heim1 = finde<QLabel>(&w, QStringLiteral("imgSpielHeim_1"));
    QCOMPARE(heim0->toolTip(), QStringLiteral(" Deutschland "));
    QCOMPARE(aus0->toolTip(), QStringLiteral(" unbekannt "));
    QCOMPARE(heim1->toolTip(), QStringLiteral(" unbekannt "));
    QCOMPARE(finde<QLabel>(&w, QStringLiteral("imgSpielAus_1"))->toolTip(),
             QStringLiteral(" %1 ").arg(QString::fromUtf8(katalog::nationen[16].data())));
    // The same team gets the same picture, another team another one.
    QCOMPARE(aus0->pixmap().toImage(), heim1->pixmap().toImage());
    QVERIFY(heim0->pixmap().toImage() != aus0->pixmap().toImage());
    QCOMPARE(heim0->pixmap().deviceIndependentSize().toSize(), QSize(29, 19));
}

void TestRaster::tendenz_data() {
    QTest::addColumn<QList<QPoint>>("tipps");  // one tip per participant who plays along
    QTest::addColumn<QList<int>>("zahlen");
    QTest::addColumn<QList<int>>("hoehen");  // bar heights in twips
    QTest::newRow("keiner spielt mit") << QList<QPoint>{} << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("fünfmal 2:1") << QList<QPoint>(5, QPoint(2, 1)) << QList<int>{5, 0, 0} << QList<int>{400, 0, 0};
    QTest::newRow("3, 6 und 0") << QList<QPoint>(3, QPoint(1, 0)) + QList<QPoint>(6, QPoint(0, 0))
                                << QList<int>{3, 6, 0} << QList<int>{200, 400, 0};
    QTest::newRow("1, 1 und 2") << QList<QPoint>{{1, 0}, {2, 2}, {0, 3}, {1, 2}} << QList<int>{1, 1, 2}
                                << QList<int>{200, 200, 400};
}

void TestRaster::tendenz() {
    QFETCH(QList<QPoint>, tipps);
    QFETCH(QList<int>, zahlen);
    QFETCH(QList<int>, hoehen);
    frmHaupt w;
    Spielstand& s = w.spielstand();
    // A participant who does not play along never counts.
    setzeTipp(s, 24, 13, 5, 0);
    for (int p = 0; p < tipps.size(); ++p) {
        s.setSpieltMit(p, true);
        setzeTipp(s, p, 13, tipps[p].x(), tipps[p].y());
    }
    waehleAnsicht(&w, 2);
    QTest::mouseClick(finde<QPushButton>(&w, QStringLiteral("cmdTendenz")), Qt::LeftButton);
    const char* labels[3] = {"lblTenEins_1", "lblTenNull_1", "lblTenZwei_1"};
    const char* balken[3] = {"shpEins_1", "shpNull_1", "shpZwei_1"};
    // Thirds of the 870 wide column, 305 each, overlapping by 15 and 30.
    const int links[3] = {0, 290, 565};
    for (int k = 0; k < 3; ++k) {
        auto* l = finde<QLabel>(&w, QString::fromUtf8(labels[k]));
        auto* b = finde<QWidget>(&w, QString::fromUtf8(balken[k]));
        QCOMPARE(l->text(), QString::number(zahlen[k]));
        QCOMPARE(l->x(), px(links[k]));
        QCOMPARE(l->width(), px(links[k] + 305) - px(links[k]));
        QCOMPARE(l->y(), px(9600));
        // Bars stand on the top of the counters and are 180 wide.
        QCOMPARE(b->y() + b->height(), px(9600));
        QCOMPARE(b->height(), px(9600) - px(9600 - hoehen[k]));
        QCOMPARE(b->width(), 12);
        // Centred over their counter.
        QVERIFY(std::abs((b->x() + b->width() / 2) - (l->x() + l->width() / 2)) <= 1);
    }
    // The other matches of the view count every participant's untouched 0:0 as a draw.
    QCOMPARE(text(&w, QStringLiteral("lblTenNull_0")), QString::number(tipps.size()));
}

void TestRaster::tendenzInSchmalerAnsicht() {
    frmHaupt w;
    w.spielstand().setSpieltMit(0, true);
    w.spielstand().setSpieltMit(1, true);
    waehleAnsicht(&w, 8);
    for (int sl = 0; sl < 8; ++sl) {
        QCOMPARE(text(&w, QStringLiteral("lblTenNull_%1").arg(sl)), QStringLiteral("2"));
        // 675 wide: thirds of 240 at 0, 225 and 435.
        auto* zwei = finde<QLabel>(&w, QStringLiteral("lblTenZwei_%1").arg(sl));
        QCOMPARE(zwei->x(), px(435));
        QCOMPARE(zwei->width(), px(435 + 240) - px(435));
    }
}

void TestRaster::flaggenWechseln() {
    frmHaupt w;
    auto* uhr = finde<QTimer>(&w, QStringLiteral("tmrWechsel"));
    QVERIFY(!uhr->isActive());
    waehleAnsicht(&w, 8);
    QVERIFY(uhr->isActive());
    QCOMPARE(uhr->interval(), 2000);
    uhr->setInterval(5);
    uhr->start();
    // The first tick brings the away flags to the front, the next the home flags.
    QTRY_VERIFY(ausVorn(&w, 0));
    for (int sl = 1; sl < 8; ++sl) QVERIFY(ausVorn(&w, sl));
    QTRY_VERIFY(!ausVorn(&w, 0));
    for (int sl = 1; sl < 8; ++sl) QVERIFY(!ausVorn(&w, sl));
    waehleAnsicht(&w, 9);
    QVERIFY(!uhr->isActive());
}

void TestRaster::markierungInBeidenOrten() {
    frmHaupt w;
    Spielstand& s = w.spielstand();
    // Slot 3 leads, slot 5 is second.
    s.spiele[0].auswerten = true;
    for (int p = 0; p < 6; ++p) s.setSpieltMit(p, true);
    setzeTipp(s, 3, 0, 0, 0);
    setzeTipp(s, 5, 0, 1, 1);
    for (int p : {0, 1, 2, 4}) setzeTipp(s, p, 0, 1, 0);
    w.starteEinblenden();
    QCOMPARE(s.auswertung[3].platz, 0);
    QCOMPARE(s.auswertung[5].platz, 1);
    const QColor ruhe(65, 152, 61), mark(128, 0, 0);
    auto ueber = [&](const QString& name) {
        QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(finde<QLabel>(&w, name), &e);
    };
    auto markiert = [&](const QStringList& erwartet) {
        for (int i = 0; i < 6; ++i)
            for (const char* art : {"lblSpieler", "lblTabSpieler"}) {
                const QString name = QStringLiteral("%1_%2").arg(QLatin1String(art)).arg(i);
                QCOMPARE(grund(finde<QLabel>(&w, name)), erwartet.contains(name) ? mark : ruhe);
            }
    };
    ueber(QStringLiteral("lblSpieler_3"));
    markiert({"lblSpieler_3", "lblTabSpieler_0"});
    ueber(QStringLiteral("lblSpieler_5"));
    markiert({"lblSpieler_5", "lblTabSpieler_1"});
    ueber(QStringLiteral("lblTabSpieler_0"));
    markiert({"lblSpieler_3", "lblTabSpieler_0"});
    // Same participant in both places stays marked in both.
    ueber(QStringLiteral("lblSpieler_3"));
    markiert({"lblSpieler_3", "lblTabSpieler_0"});
}

QTEST_MAIN(TestRaster)
#include "test_raster.moc"
