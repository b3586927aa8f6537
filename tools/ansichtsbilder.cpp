// Pictures of the main window's eleven views and of every dialog, with one game, for comparing the look before and
// after a change pixel by pixel (run under a real X server with a window manager):
//   ovi-ansichtsbilder SPIEL ORDNER
// The program starts as ovikuvela does. It works only through what the operator and other code have: the window's
// public operations, the menu commands by their names, the two lists by their names, clicks and mouse moves at
// window coordinates. Each picture is QWidget::grab of one window, so window decoration and desktop stay out.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <functional>

#include "ui/frmhaupt.h"
#include "ui/programm.h"

namespace {

QString ziel;
int fehler = 0;

void melde(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    ++fehler;
}

void speichere(QWidget* w, const QString& name) {
    if (!w) return melde(name + ": kein Fenster");
    QCoreApplication::processEvents();
    if (!w->grab().save(QDir(ziel).filePath(name + QStringLiteral(".png")))) melde(name + ": nicht gespeichert");
}

// Lets posted events, repaints and the window manager settle.
void ruhe(int ms = 150) { QTest::qWait(ms); }

// The window coordinates of a point given in twips inside the client area below the menu bar.
QPoint punkt(ovi::frmHaupt& w, double linksTw, double obenTw) {
    const QPoint innen(static_cast<int>(std::lround(linksTw / 15.0)), static_cast<int>(std::lround(obenTw / 15.0)));
    return w.centralWidget()->mapTo(&w, innen);
}

void klicke(ovi::frmHaupt& w, QPoint p) {
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    ruhe();
}

void schwebe(ovi::frmHaupt& w, QPoint p) {
    QTest::mouseMove(w.windowHandle(), p);
    ruhe();
}

void befehl(ovi::frmHaupt& w, const char* name) {
    auto* a = w.findChild<QAction*>(QString::fromUtf8(name));
    if (!a) return melde(QStringLiteral("kein Befehl %1").arg(QString::fromUtf8(name)));
    a->trigger();
    ruhe();
}

void waehle(ovi::frmHaupt& w, const char* liste, int index) {
    auto* c = w.findChild<QComboBox*>(QString::fromUtf8(liste));
    if (!c) return melde(QStringLiteral("keine Liste %1").arg(QString::fromUtf8(liste)));
    c->setCurrentIndex(index);
    emit c->activated(index);
    ruhe();
}

QWidget* fenster(const char* name) {
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->isVisible() && t->objectName() == QString::fromUtf8(name)) return t;
    return nullptr;
}

void aktiviere(ovi::frmHaupt& w) {
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w, 3000)) melde(QStringLiteral("Hauptfenster wird nicht aktiv"));
    ruhe();
}

// A modeless window the command opened: grabbed, then closed.
void einFenster(ovi::frmHaupt& w, const char* name, const QString& bild) {
    QWidget* f = fenster(name);
    if (f && !QTest::qWaitForWindowExposed(f, 3000)) melde(bild + QStringLiteral(": nicht sichtbar"));
    ruhe(300);
    speichere(f, bild);
    if (f) f->close();
    aktiviere(w);
}

// A modal question: its own loop runs the timer that grabs it and cancels it.
void modal(const std::function<void()>& ausloesen, const QString& bild) {
    bool gesehen = false;
    QTimer uhr;
    int versuche = 0;
    QObject::connect(&uhr, &QTimer::timeout, &uhr, [&] {
        QWidget* d = QApplication::activeModalWidget();
        if (!d) {
            if (++versuche > 100) uhr.stop();
            return;
        }
        uhr.stop();
        if (!QTest::qWaitForWindowExposed(d, 3000)) melde(bild + QStringLiteral(": nicht sichtbar"));
        QTest::qWait(300);
        speichere(d, bild);
        gesehen = true;
        d->close();
    });
    uhr.start(50);
    ausloesen();
    uhr.stop();
    if (!gesehen) melde(bild + QStringLiteral(": keine Frage"));
}

void menue(ovi::frmHaupt& w, const char* name, const QString& bild) {
    auto* m = w.findChild<QMenu*>(QString::fromUtf8(name));
    if (!m) return melde(QStringLiteral("kein Menü %1").arg(QString::fromUtf8(name)));
    m->popup(w.mapToGlobal(QPoint(0, 0)));
    if (!QTest::qWaitForWindowExposed(m, 3000)) melde(bild + QStringLiteral(": nicht sichtbar"));
    ruhe(300);
    speichere(m, bild);
    m->close();
    aktiviere(w);
}

void ablauf(ovi::frmHaupt& w, const QString& spiel) {
    // The pointer away from every window, so nothing shows a hover.
    QCursor::setPos(1279, 1023);
    aktiviere(w);
    speichere(&w, QStringLiteral("start"));

    // A drawn final with the bonus on: opening asks for the champion, the answer lists the bonus winners.
    w.oeffne(spiel);
    ruhe(300);
    speichere(fenster("frmWeltmeister"), QStringLiteral("weltmeister-frage"));
    w.setWeltmeister("Italien");
    ruhe(300);
    einFenster(w, "frmWMAuswerten", QStringLiteral("bonussieger"));
    if (auto* f = fenster("frmWeltmeister")) f->close();
    aktiviere(w);

    for (int v = 0; v < 11; ++v) {
        waehle(w, "cmbPhase", v);
        aktiviere(w);
        speichere(&w, QStringLiteral("ansicht-%1").arg(v, 2, 10, QLatin1Char('0')));
    }
    waehle(w, "cmbPhase", 0);

    // The ranking by another key moves both sort markers; then back to the total.
    waehle(w, "cmbSortierung", 3);
    speichere(&w, QStringLiteral("sortierung-bonus"));
    waehle(w, "cmbSortierung", 0);

    // Hover over the third participant's name in the grid, then over the fourth row of the ranking.
    schwebe(w, punkt(w, 120 + 120 + 300, 120 + 1240 + 2 * 320 + 140));
    speichere(&w, QStringLiteral("markierung-raster"));
    schwebe(w, punkt(w, 10320 + 240 + 255 + 400, 120 + 1590 + 3 * 300 + 150));
    speichere(&w, QStringLiteral("markierung-tabelle"));
    QCursor::setPos(1279, 1023);

    menue(w, "menDatei", QStringLiteral("menue-datei"));
    menue(w, "menBearbeiten", QStringLiteral("menue-bearbeiten"));
    menue(w, "menAnsicht", QStringLiteral("menue-ansicht"));

    befehl(w, "menÄndern");
    einFenster(w, "frmÄndern", QStringLiteral("spielerdaten"));
    befehl(w, "menInfo");
    einFenster(w, "frmInfo", QStringLiteral("spielerinformationen"));
    befehl(w, "menEigeneRegel");
    einFenster(w, "frmRegel", QStringLiteral("eigeneregel"));
    befehl(w, "menGruppentabellen");
    einFenster(w, "frmGruppen", QStringLiteral("gruppentabellen"));
    befehl(w, "menVerlauf");
    einFenster(w, "frmVerlauf", QStringLiteral("verlauf"));
    // The info icon of the first match column.
    klicke(w, punkt(w, 120 + 1600 + 30 + 97, 120 + 240 + 787 + 97));
    einFenster(w, "frmSpielInfo", QStringLiteral("spielinfo"));

    modal([&] { befehl(w, "menKOPaarungen"); }, QStringLiteral("elfmeter"));
    aktiviere(w);
    modal([&] { befehl(w, "menDrucken"); }, QStringLiteral("druckwahl"));
    aktiviere(w);
    modal([&] { befehl(w, "menNull"); }, QStringLiteral("zuruecksetzen"));
    aktiviere(w);
    speichere(&w, QStringLiteral("ende"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: ovi-ansichtsbilder SPIEL ORDNER\n");
        return 2;
    }
    const QString spiel = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    ziel = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(ziel);
    // No recovery copy of an earlier run may be offered, and none of this run is left behind.
    QTemporaryDir daheim;
    qputenv("XDG_DATA_HOME", daheim.path().toLocal8Bit());
    char* nurProgramm[] = {argv[0], nullptr};
    int eins = 1;
    const int ende = ovi::laufe(eins, nurProgramm, [&](ovi::frmHaupt& w) {
        QTimer::singleShot(500, &w, [&w, spiel] {
            ablauf(w, spiel);
            QCoreApplication::exit(fehler == 0 ? 0 : 1);
        });
    });
    return ende;
}
