#include "ui/programm.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>
#include <thread>

#include "ui/frmhaupt.h"
#include "ui/stil.h"

namespace ovi {

int laufe(int argc, char** argv, const std::function<void(frmHaupt&)>& vorDemZeigen) {
    // One malloc arena: the program works on one thread, and the two helpers below would leave the pages of an
    // arena of their own behind (a quarter of a megabyte at start-up).
    mallopt(M_ARENA_MAX, 1);
    // Reading the font configuration is a good part of the start and the window's first text waits for it;
    // the other core does it while Qt connects to the display. Joined before any widget asks for a font.
    std::thread schriften([] { FcInit(); });
    QApplication app(argc, argv);
    schriften.join();
    QApplication::setApplicationName(QStringLiteral("ovikuvela"));
    QApplication::setStyle(neuerStil());
    // Qt's own texts (file dialogs, context menus) in German like the rest of the program.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    // Modeless dialogs must not keep the program alive once the main window has agreed to close.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt fills its list of the system's fonts on the first text measured; the other core does that while the
    // window builds its widgets, which measure no text until the end.
    std::thread schriftliste([] { QFontDatabase::families(); });
    frmHaupt fenster;
    schriftliste.join();
    QObject::connect(&fenster, &frmHaupt::beendet, &app, &QApplication::quit, Qt::QueuedConnection);
    if (vorDemZeigen) vorDemZeigen(fenster);
    fenster.show();
    return QApplication::exec();
}

}  // namespace ovi
