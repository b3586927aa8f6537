// Shows the main window with a small game for the picture in docs/ (run under a real X server).
// Everything is done the way the operator would: participants through the window's operations,
// results and ticks typed into the grid, then "auswerten".
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/zufall.h"
#include "ui/frmhaupt.h"

namespace {

void tippe(QWidget* f, int ziffer) {
    f->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f, char('0' + ziffer));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ovi::frmHaupt w;
    ovi::Spielstand& s = w.spielstand();

    // Group A as it was played: pairings and the first four results.
    const int paarung[6][2] = {{0, 1}, {2, 3}, {0, 2}, {3, 1}, {3, 0}, {1, 2}};
    const int ergebnis[4][2] = {{4, 2}, {0, 2}, {1, 0}, {3, 0}};
    for (int m = 0; m < 6; ++m) {
        s.spiele[m].heim = static_cast<ovi::Integer>(paarung[m][0]);
        s.spiele[m].aus = static_cast<ovi::Integer>(paarung[m][1]);
    }
    const char* namen[7] = {"Anna", "Bernd", "Carla", "Deniz", "Elke", "Frank", "Gül"};
    const int weltmeister[7] = {0, 20, 16, 8, 24, 0, 28};
    ovi::Zufall zufall;
    for (int p = 0; p < 7; ++p) {
        s.setName(p, namen[p]);
        s.setWMTipp(p, weltmeister[p]);
        s.setSpieltMit(p, true);
        for (int m = 0; m < 48; ++m) {
            s.tipps(p, m, 0) = static_cast<ovi::Integer>(zufall.tor());
            s.tipps(p, m, 1) = static_cast<ovi::Integer>(zufall.tor());
        }
    }
    // A few sure hits so every colour shows.
    s.tipps(0, 0, 0) = 4, s.tipps(0, 0, 1) = 2;
    s.tipps(1, 0, 0) = 3, s.tipps(1, 0, 1) = 1;
    s.tipps(2, 3, 0) = 3, s.tipps(2, 3, 1) = 0;
    s.tipps(3, 2, 0) = 2, s.tipps(3, 2, 1) = 1;
    w.starteEinblenden();
    w.show();

    QTimer::singleShot(300, &w, [&] {
        for (int m = 0; m < 4; ++m) {
            tippe(w.findChild<QWidget*>(QStringLiteral("txtHeimErg_%1").arg(m)), ergebnis[m][0]);
            tippe(w.findChild<QWidget*>(QStringLiteral("txtAusErg_%1").arg(m)), ergebnis[m][1]);
            w.findChild<QCheckBox*>(QStringLiteral("chkAuswerten_%1").arg(m))->click();
        }
        w.findChild<QPushButton*>(QStringLiteral("cmdAuswerten"))->click();
        w.findChild<QPushButton*>(QStringLiteral("cmdTendenz"))->click();
        w.findChild<QWidget*>(QStringLiteral("cmbPhase"))->setFocus();
    });
    return QApplication::exec();
}
