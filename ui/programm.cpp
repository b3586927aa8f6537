#include "ui/programm.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <thread>

#include "core/version.h"
#include "ui/bilder.h"
#include "ui/frmhaupt.h"
#include "ui/stil.h"
#include "ui/wiederherstellung.h"

namespace ovi {

namespace {

void benenne() {
    QCoreApplication::setApplicationName(QStringLiteral("ovikuvela"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(version));
}

// Qt's own texts (file dialogs, context menus, the command line help) in German like the rest of the program.
void deutsch(QTranslator& qtTexte) {
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexte);
}

void beschreibe(QCommandLineParser& aufruf) {
    aufruf.setApplicationDescription(QStringLiteral("ovi kuvela – Das Tippspiel zur Fußball-Weltmeisterschaft 2006"));
    aufruf.addHelpOption();
    aufruf.addVersionOption();
    aufruf.addPositionalArgument(QStringLiteral("DATEI"),
                                 QStringLiteral("Spielstand (.gowet), der beim Start geöffnet wird"),
                                 QStringLiteral("[DATEI]"));
}

// --help and --version answer on a terminal without a display, so they are looked for before any window system.
bool nurText(int argc, char** argv) {
    QStringList argumente;
    for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser vorab;
    beschreibe(vorab);
    vorab.parse(argumente);
    return vorab.isSet(QStringLiteral("help")) || vorab.isSet(QStringLiteral("version")) ||
           vorab.optionNames().contains(QStringLiteral("help-all"));
}

}  // namespace

int laufe(int argc, char** argv, const std::function<void(frmHaupt&)>& vorDemZeigen) {
    if (nurText(argc, argv)) {
        QCoreApplication app(argc, argv);
        benenne();
        QTranslator qtTexte;
        deutsch(qtTexte);
        QCommandLineParser aufruf;
        beschreibe(aufruf);
        aufruf.process(app);  // prints and ends the program
        return 0;
    }
    // One malloc arena: the program works on one thread, and the two helpers below would leave the pages of an
    // arena of their own behind (a quarter of a megabyte at start-up).
    mallopt(M_ARENA_MAX, 1);
    // Reading the font configuration is a good part of the start and the window's first text waits for it;
    // the other core does it while Qt connects to the display. Joined before any widget asks for a font.
    std::thread schriften([] { FcInit(); });
    QApplication app(argc, argv);
    schriften.join();
    benenne();
    QApplication::setStyle(neuerStil());
    QTranslator qtTexte;
    deutsch(qtTexte);
    QCommandLineParser aufruf;
    beschreibe(aufruf);
    aufruf.process(app);  // a wrong option ends the program with the reason
    const QStringList dateien = aufruf.positionalArguments();
    if (dateien.size() > 1) {
        std::fputs("ovikuvela: Es kann nur eine Datei geöffnet werden.\n", stderr);
        return 1;
    }
    // Modeless dialogs must not keep the program alive once the main window has agreed to close.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt fills its list of the system's fonts on the first text measured, and an icon made from the SVG would be
    // drawn at four sizes when the window is first shown; the other core does both while the window builds its
    // widgets.
    std::vector<QImage> symbole;
    std::thread nebenbei([&symbole] {
        QFontDatabase::families();
        symbole = programmSymbole();
    });
    frmHaupt fenster;
    nebenbei.join();
    QIcon symbol;
    for (const QImage& bild : symbole) symbol.addPixmap(QPixmap::fromImage(bild));
    QApplication::setWindowIcon(symbol);
    QObject::connect(&fenster, &frmHaupt::beendet, &app, &QApplication::quit, Qt::QueuedConnection);
    Wiederherstellung sicherung(fenster);
    // Found from the window, by tests that drive the real start (it goes before the window does).
    sicherung.setParent(&fenster);
    sicherung.beobachteSitzungsende();
    if (vorDemZeigen) vorDemZeigen(fenster);
    fenster.show();
    // A file handed over by the desktop or the shell opens as through "Öffnen", message included.
    if (!dateien.isEmpty()) fenster.oeffne(QFileInfo(dateien.first()).absoluteFilePath());
    if (sicherung.beendetDurchSignal()) return 0;  // during the message about that file
    // Once the window stands: a copy left by a crashed run is offered over it.
    QTimer::singleShot(0, &sicherung, [&sicherung] { sicherung.bieteAn(); });
    return QApplication::exec();
}

}  // namespace ovi
