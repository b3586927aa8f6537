// ovi kuvela: the tipping game for the 2006 World Cup.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/frmhaupt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ovikuvela"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Qt's own texts (file dialogs, context menus) in German like the rest of the program.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    // Modeless dialogs must not keep the program alive once the main window has agreed to close.
    QApplication::setQuitOnLastWindowClosed(false);

    ovi::frmHaupt fenster;
    QObject::connect(&fenster, &ovi::frmHaupt::beendet, &app, &QApplication::quit, Qt::QueuedConnection);
    fenster.show();
    return QApplication::exec();
}
