// The real start with a file on the command line, compared with a second window that opens the same file
// through "Öffnen". One case per run (the start makes its own application): gut, fehlt or kaputt.
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "spieldatei.h"
#include "hilfe.h"
#include "programm.h"

namespace {

// What a person sees of a game: file, rule, view, the top of the ranking and a tip of the first row.
QString blick(frmHaupt& w) {
    const auto label = [&](const QString& name) { return finde<QLabel>(&w, name)->text(); };
    return zeile(w.dateiName(), label(QStringLiteral("lblDateiE")), label(QStringLiteral("lblModusE")),
                 label(QStringLiteral("lblBonusE")), w.ansicht(), w.ungespeichert(),
                 label(QStringLiteral("lblTabSpieler_0")), label(QStringLiteral("lblTabPunkteGesamt_0")),
                 label(QStringLiteral("lblTabSpieler_1")), inhalt(feld(&w, "txtHeimTipp", 8)));
}

// Two participants, a scored match and a rule: enough that an opened game differs from an empty one.
bool schreibeKleinspiel(const QString& pfad) {
    Spielstand s;
    s.setName(0, "Jörg"), s.setSpieltMit(0, true);
    s.setName(1, "Lena"), s.setSpieltMit(1, true);
    s.spiele[0].heim = 0, s.spiele[0].aus = 1, s.spiele[0].ergHeim = 2, s.spiele[0].auswerten = true;
    setzeTipp(s, 1, 0, 2, 0);
    setzeTipp(s, 0, 0, 1, 1);
    s.regel.modus = 3;
    Spieldatei d = ausSpielstand(s);
    d.tippsAblage = s.tipps;
    return speichereSpieldatei(pfad, d).empty();
}

struct Beobachtung {
    QString meldung, blick, datei;
    bool symbol = false;
};

int fehler = 0;
void erwarte(const QString& ist, const QString& soll, const char* was) {
    if (ist == soll) return;
    ++fehler;
    std::fprintf(stderr, "%s:\n  ist:  %s\n  soll: %s\n", was, qPrintable(ist), qPrintable(soll));
}

}  // namespace

int main(int argc, char** argv) {
    const std::string fall = argc > 1 ? argv[1] : "";
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("klein spiel.gowet"));
    if (fall == "gut") {
        if (!schreibeKleinspiel(pfad)) return 2;
    } else if (fall == "kaputt") {
        QFile f(pfad);
        if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(500, 'x')) != 500) return 2;
    } else if (fall != "fehlt") {
        std::fputs("Aufruf: test_start gut|fehlt|kaputt\n", stderr);
        return 2;
    }

    std::string programm = argv[0], datei = pfad.toStdString();
    std::vector<char*> argumente{programm.data(), datei.data(), nullptr};
    int anzahl = 2;
    Beobachtung beim, soll;
    const int ende = ovi::laufe(anzahl, argumente.data(), [&](frmHaupt& w) {
        // Looks in once the loop runs: a message box first (its own loop runs the timer), then the window.
        auto* uhr = new QTimer(&w);
        uhr->setInterval(10);
        QObject::connect(uhr, &QTimer::timeout, &w, [&w, &beim, &soll, &pfad, uhr] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                beim.meldung = box->windowTitle() + '|' + box->text();
                box->accept();
                return;
            }
            uhr->stop();
            beim.blick = blick(w);
            beim.datei = w.dateiName();
            const QImage bild = w.windowIcon().pixmap(32).toImage();
            beim.symbol =
                !bild.isNull() && bild == QIcon(QStringLiteral(":/bilder/ovikuvela.svg")).pixmap(32).toImage();
            Fenster g;
            g.tisch.dateien << QStringList{pfad};
            befehl(&g.w, QStringLiteral("menÖffnen"));
            soll.meldung = g.tisch.meldungen.join(QLatin1Char('/'));
            soll.blick = blick(g.w);
            w.close();
        });
        uhr->start();
    });

    erwarte(QString::number(ende), QStringLiteral("0"), "Rückgabe");
    erwarte(beim.meldung, soll.meldung, "Meldung");
    erwarte(beim.blick, soll.blick, "Fenster");
    erwarte(QString::number(beim.symbol), QStringLiteral("1"), "Fenstersymbol");
    // The comparison alone would pass if neither window had opened anything.
    erwarte(beim.datei, fall == "gut" ? pfad : QString(), "Dateiname");
    if (fall != "gut") erwarte(beim.meldung.section(QLatin1Char('|'), 0, 0), QStringLiteral("Öffnen"), "Titel");
    return fehler == 0 ? 0 : 1;
}
