// The match grid after an evaluation: tip colours, points, ranking rows, tendency counters, flags, hover marks.
#include <QCheckBox>
#include <QTimer>
#include <array>

#include "hilfe.h"

namespace {

// Slots whose away flag is in front of the home flag, e.g. "01234567".
QString ausVorn(const QObject* w) {
    QString l;
    for (int sl = 0; sl < 8; ++sl) {
        auto* heim = finde(w, "imgSpielHeim", sl);
        const QObjectList& geschwister = heim->parent()->children();
        if (geschwister.indexOf(finde(w, "imgSpielAus", sl)) > geschwister.indexOf(heim)) l += QString::number(sl);
    }
    return l;
}

}  // namespace

class TestRaster : public QObject {
    Q_OBJECT

  private slots:
    // Typed through the grid, evaluated with the button; every hit category shows its colour.
    void farbenUndPunkteNachAuswertung() {
        Fenster f({0, 1, 2, 3});
        for (int p = 0; p < 4; ++p) f.s.setName(p, std::array{"Dirk", "Bert", "Carla", "Anna"}[p]);
        f.w.starteEinblenden();
        sichtbar(f.w);
        // Result 2:1 in match 0; tips wrong, goal difference, tendency, exact.
        tippe(feld(&f.w, "txtHeimErg", 0), '2'), tippe(feld(&f.w, "txtAusErg", 0), '1');
        klick(&f.w, QStringLiteral("chkAuswerten_0"));
        const char* tipps[4] = {"01", "32", "40", "21"};
        for (int p = 0; p < 4; ++p)
            tippe(feld(&f.w, "txtHeimTipp", 8 * p), tipps[p][0]), tippe(feld(&f.w, "txtAusTipp", 8 * p), tipps[p][1]);
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        // Per grid row: home and away tip of match 0, home tip of match 1 (not evaluated), total, phase points.
        QStringList zeilen;
        for (int p = 0; p < 4; ++p)
            zeilen << zeile(grund(feld(&f.w, "txtHeimTipp", 8 * p)).name(),
                            grund(feld(&f.w, "txtAusTipp", 8 * p)).name(),
                            grund(feld(&f.w, "txtHeimTipp", 8 * p + 1)).name(), text(&f.w, "lblPunkteGesamt", p),
                            text(&f.w, "lblPunkteGruppe", p));
        QCOMPARE(zeilen + tabelle(&f.w, 4),
                 QStringList({"#ffffff #ffffff #ffffff 0 0", "#fafa90 #fafa90 #ffffff 2 2",
                              "#30be30 #30be30 #ffffff 1 1", "#ff0000 #ff0000 #ffffff 3 3", "  Anna|3|3|0|0|3|0|0",
                              "  Bert|2|2|0|0|0|2|0", "  Carla|1|1|0|0|0|0|1", "  Dirk|0|0|0|0|0|0|0"}));
        QCOMPARE(finde<QComboBox>(&f.w, QStringLiteral("cmbSortierung"))->currentIndex(), 0);
    }

    // All 25 play along and the only hit is in the last slot: the table starts with it, ties keep slot order.
    void fuenfundzwanzigMitFuehrendemZuletzt() {
        Fenster f;
        QStringList soll = {QStringLiteral("  Y|3|3|0|0|3|0|0")};
        for (int p = 0; p < 25; ++p) {
            f.s.setSpieltMit(p, true);
            f.s.setName(p, std::string(1, char('A' + p)));
            if (p < 24) soll << "  " + QString(QChar('A' + p)) + "|0|0|0|0|0|0|0";
        }
        f.s.spiele[5].auswerten = true, f.s.spiele[5].ergHeim = 1;
        setzeTipp(f.s, 24, 5, 1, 0);
        for (int p = 0; p < 24; ++p) setzeTipp(f.s, p, 5, 0, 1);
        f.w.starteEinblenden();
        QCOMPARE(tabelle(&f.w, 25), soll);
        QCOMPARE(zeile(text(&f.w, "lblPunkteGesamt", 24), text(&f.w, "lblPunkteGesamt", 0)), "3 0");
    }

    // Exact tips (3 each) in group A, a semi-final, the third-place match and the final: each view counts its own.
    void punkteDerPhase() {
        Fenster f({0});
        for (int m : {0, 60, 62, 63})
            f.s.spiele[m].auswerten = true, f.s.spiele[m].ergHeim = 1, setzeTipp(f.s, 0, m, 1, 0);
        f.w.starteEinblenden();
        QStringList l;
        for (int v : {10, 0, 9}) {
            waehleAnsicht(&f.w, v);
            l << text(&f.w, "lblPunkteGruppe", 0) + QLatin1Char('/') + text(&f.w, "lblPunkteGesamt", 0);
        }
        QCOMPARE(l, QStringList({"9/12", "3/12", "0/12"}));
    }

    void tendenz_data() {
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

    // Counter text, place and bar of home win, draw and away win for match 13 (group C, slot 1).
    void tendenz() {
        QFETCH(QList<QPoint>, tipps);
        QFETCH(QList<int>, zahlen);
        QFETCH(QList<int>, hoehen);
        Fenster f;
        setzeTipp(f.s, 24, 13, 5, 0);  // does not play along, never counts
        for (int p = 0; p < tipps.size(); ++p) {
            f.s.setSpieltMit(p, true);
            setzeTipp(f.s, p, 13, tipps[p].x(), tipps[p].y());
        }
        waehleAnsicht(&f.w, 2);
        klick(&f.w, QStringLiteral("cmdTendenz"));
        // Thirds of the 870 wide column, 305 each, overlapping by 15 and 30; bars 180 wide, centred, standing on them.
        const int links[3] = {0, 290, 565};
        QStringList ist, soll;
        for (int k = 0; k < 3; ++k) {
            auto* l = finde(&f.w, QStringList{"lblTenEins", "lblTenNull", "lblTenZwei"}[k] + "_1");
            auto* b = finde(&f.w, QStringList{"shpEins", "shpNull", "shpZwei"}[k] + "_1");
            const bool mittig = std::abs((b->x() + b->width() / 2) - (l->x() + l->width() / 2)) <= 1;
            ist << zeile(static_cast<QLabel*>(l)->text(), l->x(), l->width(), l->y(), b->width(), b->height(),
                         b->y() + b->height(), mittig);
            soll << zeile(zahlen[k], px(links[k]), px(links[k] + 305) - px(links[k]), px(9600), 12,
                          px(9600) - px(9600 - hoehen[k]), px(9600), 1);
        }
        QCOMPARE(ist, soll);
        // The other matches of the view count every participant's untouched 0:0 as a draw.
        QCOMPARE(text(&f.w, "lblTenNull", 0), QString::number(tipps.size()));
    }

    // A typed tip is counted at once, without the button.
    void getippterTippZaehltSofort() {
        Fenster f({0, 1});
        sichtbar(f.w);
        tippe(feld(&f.w, "txtHeimTipp", 8 + 2), '2');
        QCOMPARE(zeile(text(&f.w, "lblTenEins", 2), text(&f.w, "lblTenNull", 2), text(&f.w, "lblTenZwei", 2)), "1 1 0");
        tippe(feld(&f.w, "txtAusTipp", 2), '4');
        QCOMPARE(zeile(text(&f.w, "lblTenEins", 2), text(&f.w, "lblTenNull", 2), text(&f.w, "lblTenZwei", 2)), "1 0 1");
    }

    // The first tick brings the away flags to the front, the next the home flags.
    void flaggenWechseln() {
        Fenster f;
        auto* uhr = finde<QTimer>(&f.w, QStringLiteral("tmrWechsel"));
        waehleAnsicht(&f.w, 8);
        QCOMPARE(zeile(uhr->interval(), uhr->isActive()), "2000 1");
        for (int sl = 0; sl < 8; ++sl) finde(&f.w, "imgSpielHeim", sl)->raise();
        QStringList gesehen = {ausVorn(&f.w)};
        for (int i = 0; i < 3; ++i) QMetaObject::invokeMethod(uhr, "timeout"), gesehen << ausVorn(&f.w);
        QCOMPARE(gesehen, QStringList({"", "01234567", "", "01234567"}));
        waehleAnsicht(&f.w, 9);
        QVERIFY(!uhr->isActive());
    }

    // Hovering a participant marks their grid row and ranking row, whichever of the two is hovered.
    void markierungInBeidenOrten() {
        Fenster f({0, 1, 2, 3, 4, 5});
        f.s.spiele[0].auswerten = true;
        setzeTipp(f.s, 5, 0, 1, 1);  // slot 3 leads with the exact 0:0, slot 5 second with the draw
        for (int p : {0, 1, 2, 4}) setzeTipp(f.s, p, 0, 1, 0);
        f.w.starteEinblenden();
        auto markiert = [&](const char* ueber) {
            QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(finde(&f.w, QString::fromUtf8(ueber)), &e);
            QStringList l;
            for (const char* art : {"lblSpieler", "lblTabSpieler"})
                for (int i = 0; i < 6; ++i) {
                    const QColor c = grund(finde(&f.w, art, i));
                    l << (c == QColor(128, 0, 0) ? name(art, i) : c == QColor(65, 152, 61) ? QString() : c.name());
                }
            l.removeAll(QString());
            return l.join(' ');
        };
        QCOMPARE(QStringList({markiert("lblSpieler_3"), markiert("lblSpieler_5"), markiert("lblTabSpieler_0"),
                              markiert("lblSpieler_3")}),
                 QStringList({"lblSpieler_3 lblTabSpieler_0", "lblSpieler_5 lblTabSpieler_1",
                              "lblSpieler_3 lblTabSpieler_0", "lblSpieler_3 lblTabSpieler_0"}));
    }
};

QTEST_MAIN(TestRaster)
#include "test_raster.moc"
