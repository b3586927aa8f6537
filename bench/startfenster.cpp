// Start-up of the real program: the main window made and shown as ovikuvela's main() does it.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "erstesbild.h"
#include "ui/frmhaupt.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ovikuvela"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    QApplication::setQuitOnLastWindowClosed(false);

    ovi::frmHaupt fenster;
    QObject::connect(&fenster, &ovi::frmHaupt::beendet, &app, &QApplication::quit, Qt::QueuedConnection);
    new ovi::bench::ErstesBild(&fenster);
    fenster.show();
    return QApplication::exec();
}
