// The real start with a file on the command line, compared with a second window that opens the same file
// through "Öffnen". One case per run (the start makes its own application): gut, fehlt or kaputt.
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string>

#include "files/spieldatei.h"
#include "tests/ui/hilfe.h"
#include "ui/programm.h"

namespace {

// What a person sees of a game: file, rule, view, the top of the ranking and a tip of the first row; and the
// messages shown on the way.
QString blick(frmHaupt& w, const QString& meldungen) {
    const auto label = [&](const char* name) { return beschriftung(&w, QString::fromUtf8(name)); };
    return zeile(meldungen, w.dateiName(), label("lblDateiE"), label("lblModusE"), label("lblBonusE"), w.ansicht(),
                 w.ungespeichert(), label("lblTabSpieler_0"), label("lblTabPunkteGesamt_0"), label("lblTabSpieler_1"),
                 inhalt(feld(&w, "txtHeimTipp", 8)));
}

// A file dialog as the start found it, each setting by name.
QString dateiwahl(const QString& titel, bool speichern, const char* dateien, const QString& endung, bool ohneRueckfrage,
                  const QString& filter, bool imOrdnerDerDatei, const QString& gewaehlt) {
    return QStringLiteral("„%1“ speichern=%2 dateien=%3 endung=%4 ohneRückfrage=%5 filter=%6 imOrdner=%7 gewählt=%8")
        .arg(titel)
        .arg(speichern)
        .arg(QString::fromUtf8(dateien))
        .arg(endung)
        .arg(ohneRueckfrage)
        .arg(filter)
        .arg(imOrdnerDerDatei)
        .arg(gewaehlt);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string fall = argc > 1 ? argv[1] : "";
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("klein spiel.gowet"));
    if (fall == "gut") {
        // Two participants, a scored match and a rule: enough that an opened game differs from an empty one.
        Spielstand s;
        s.setName(0, "Jörg");
        s.setSpieltMit(0, true);
        s.setName(1, "Lena");
        s.setSpieltMit(1, true);
        s.spiele[0].aus = 1;
        s.spiele[0].ergHeim = 2;
        s.spiele[0].auswerten = true;
        s.regel.modus = 3;
        setzeTipp(s, 1, 0, 2, 0);
        setzeTipp(s, 0, 0, 1, 1);
        if (!speichereSpieldatei(pfad, ausSpielstand(s)).empty()) return 2;
    } else if (fall == "kaputt") {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(500, 'x')) != 500) return 2;
    } else if (fall != "fehlt") {
        return 2;
    }

    // Only the counted arguments are the program's: what lies beyond them in the array is not read.
    std::string programm = argv[0], datei = pfad.toStdString(), danach = "--version";
    char* argumente[] = {programm.data(), datei.data(), danach.data(), nullptr};
    int anzahl = 2;
    QString beim, soll, meldung;
    // The desktop's file dialogs, as the commands set them up; each is cancelled.
    QStringList befehle, wahlen;
    if (fall == "gut") befehle = QStringList{"menSpeichern", "menÖffnen", "menTipps"};
    bool symbol = false;
    // Looks 3000 times at most (half a minute), then gives up: a start that never settles fails, never hangs.
    int blicke = 0;
    int ende = ovi::laufe(anzahl, argumente, [&](frmHaupt& w) {
        // Looks in once the loop runs: a message box first (its own loop runs the timer), then the window.
        auto* uhr = new QTimer(&w);
        QObject::connect(uhr, &QTimer::timeout, &w, [&, uhr] {
            if (++blicke > 3000) {
                std::fputs("kein Ende nach 3000 Blicken\n", stderr);
                QCoreApplication::exit(4);
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                meldung = box->windowTitle() + '|' + box->text();
                box->accept();
                return;
            }
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                wahlen << dateiwahl(d->windowTitle(), d->acceptMode() == QFileDialog::AcceptSave,
                                    d->fileMode() == QFileDialog::ExistingFiles  ? "mehrere vorhandene"
                                    : d->fileMode() == QFileDialog::ExistingFile ? "eine vorhandene"
                                    : d->fileMode() == QFileDialog::AnyFile      ? "jede"
                                                                                 : "andere",
                                    d->defaultSuffix(), d->testOption(QFileDialog::DontConfirmOverwrite),
                                    d->nameFilters().join(u','), d->directory().absolutePath() == ordner.path(),
                                    d->selectedFiles().join(u','));
                d->reject();
                return;
            }
            if (!befehle.isEmpty()) {
                QTimer::singleShot(0, &w, [&w, b = befehle.takeFirst()] { befehl(&w, b); });
                return;
            }
            uhr->stop();
            beim = blick(w, meldung);
            const QImage bild = w.windowIcon().pixmap(32).toImage();
            symbol = !bild.isNull() && bild == QIcon(QStringLiteral(":/bilder/ovikuvela.svg")).pixmap(32).toImage();
            Fenster g;
            g.tisch.dateien << QStringList{pfad};
            befehl(&g.w, QStringLiteral("menÖffnen"));
            soll = blick(g.w, g.tisch.meldungen.join(u'/'));
            w.close();
        });
        uhr->start(10);
    });
    // The comparison alone would pass if neither window had opened anything.
    const bool geoeffnet = fall == "gut" ? beim.contains(pfad) && meldung.isEmpty() : meldung.startsWith("Öffnen|");
    const QString filter = QStringLiteral("Tippspiel-Dateien (*.gowet),Alle Dateien (*)");
    const QStringList dialoge{
        dateiwahl("Geben Sie den Namen der Datei zum Speichern ein!", true, "jede", "gowet", true, filter, true, pfad),
        dateiwahl("Wählen Sie den gespeicherten Spielstand!", false, "eine vorhandene", "", false, filter, true, ""),
        dateiwahl("Wählen Sie die zu importierende(n) Datei(en)", false, "mehrere vorhandene", "", false, filter, true,
                  "")};
    if (wahlen != (fall == "gut" ? dialoge : QStringList{})) {
        ende = 3;
        std::fprintf(stderr, "ist:\n%s\nsoll:\n%s\n", qPrintable(wahlen.join(u'\n')), qPrintable(dialoge.join(u'\n')));
    }
    if (ende == 0 && beim == soll && symbol && geoeffnet) return 0;
    std::fprintf(stderr, "Rückgabe %d, Symbol %d, geöffnet %d\n  ist:  %s\n  soll: %s\n", ende, symbol, geoeffnet,
                 qPrintable(beim), qPrintable(soll));
    return 1;
}
