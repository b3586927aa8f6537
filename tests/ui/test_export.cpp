// Print and export of the standings: the pages of the demo game and of a full game, figures as vectors,
// and the window's commands with their failures.
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "hilfe.h"
#include "speichern.h"
#include "tabellendruck.h"
#include "tabellenhtml.h"

namespace {

// Runs a poppler tool on a PDF and gives its output.
QByteArray poppler(const char* werkzeug, const QStringList& argumente) {
    QProcess p;
    p.start(QString::fromUtf8(werkzeug), argumente);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) qFatal("%s fehlt oder scheitert", werkzeug);
    return p.readAllStandardOutput();
}

// The text of each page, blanks squeezed, as pdftotext reads it.
QStringList seitenText(const QString& pdf) {
    QStringList seiten = QString::fromUtf8(poppler("pdftotext", {"-layout", pdf, "-"})).split(u'\f');
    seiten.removeLast();  // after the last form feed
    for (QString& s : seiten) s = s.simplified();
    return seiten;
}

// A ranking row as pdftotext gives it: cells apart by blanks.
QString zellen(const std::vector<std::string>& z) {
    QStringList l;
    for (const std::string& c : z) l << QString::fromStdString(c);
    return l.join(u' ');
}

}  // namespace

class TestExport : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;
    QString lege(const char* name, const std::string& bytes) {
        const QString pfad = ordner.filePath(QString::fromUtf8(name));
        if (!speichereBytes(pfad, bytes).empty()) qFatal("kann %s nicht anlegen", name);
        return pfad;
    }

  private slots:
    // The demo game: every page headed, the ranking on the first, the overview's columns named on every later page,
    // its sums on the last; the champion and the race.
    void seitenDerTabelle() {
        Spielstand demo;
        const auto g = ladeSpieldatei(QStringLiteral(OVI_BEISPIEL), demo.nationen);
        QVERIFY2(g, g.fehler.c_str());
        uebernehme(demo, *g.daten);
        QCOMPARE(werteKomplettAus(demo), Bonusausgang::weltmeisterFrage);
        setWeltmeister(demo, "Italien");
        const Tabellendokument d = baueTabellendokument(demo, "wm2006-ergebnisse.gowet", "07.12.2026, 11:48 Uhr");
        const QStringList seiten = seitenText(lege("tabelle.pdf", tabellenPdf(d)));
        QStringList fehlt;
        const auto muss = [&](int i, const QString& t) {
            if (!seiten.value(i).contains(t)) fehlt << zeile(i, t);
        };
        QCOMPARE(seiten.size(), 4);
        for (int i = 0; i < 4; ++i) {
            muss(i, QStringLiteral("wm2006-ergebnisse.gowet · Stand: 07.12.2026, 11:48 Uhr Seite %1 von 4").arg(i + 1));
            if (i > 1) muss(i, QStringLiteral("Spiel Erg."));
        }
        for (const auto& z : d.zeilen) muss(0, zellen(z));
        muss(3, QStringLiteral("Punkte ") + QString::fromStdString(d.summen.front()));
        // The race follows the ranking: 25 match days, the final's with its bonus.
        for (const char* t : {"Weltmeister: Italien", "Verlauf der Plätze"}) muss(0, QString::fromUtf8(t));
        muss(1, QStringLiteral("25. Spieltag, 09.07.2006: "));
        muss(1, QStringLiteral("Weltmeister-Bonus: "));
        QVERIFY2(fehlt.isEmpty(), qPrintable(fehlt.join(u'\n') + u'\n' + seiten.join(QStringLiteral("\n\n"))));
    }

    // A figure from elsewhere lands in the PDF as vector paths and text, not as a picture, and at its size.
    void figurAlsVektor() {
        Tabellendokument d = baueTabellendokument(Spielstand{}, "", "", {false, false, false});
        d.zusatz.push_back({"Verlauf",
                            R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 200 50">)"
                            R"(<rect x="5" y="5" width="60" height="40" fill="#30be30"/>)"
                            R"(<text x="80" y="30" font-size="12">Testfigur</text></svg>)",
                            {"1. Spieltag: Anna"}});
        const std::string pdf = tabellenPdf(d);
        const QString datei = lege("figur.pdf", pdf);
        QVERIFY(pdf.find("/Subtype /Image") == std::string::npos);
        const QStringList seiten = seitenText(datei);
        QVERIFY2(seiten.size() == 1 && seiten[0].endsWith(QStringLiteral("Verlauf 1. Spieltag: Anna")),
                 qPrintable(seiten.join(u'|')));
        // Page 1 at one pixel per millimetre: the green box, 60 x 40 of 200 units across the 186 mm wide page body,
        // is about 56 x 37 mm.
        poppler("pdftoppm", {"-r", "25.4", "-png", "-singlefile", datei, datei});
        const QImage bild(datei + QStringLiteral(".png"));
        int gruen = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) gruen += bild.pixelColor(x, y) == QColor(48, 190, 48);
        QVERIFY2(gruen > 1900 && gruen < 2250, qPrintable(QString::number(gruen)));
    }

    // From the window: HTML as the page of the chosen parts, cancelling the choice asks for no file; printing paints
    // the chosen parts only; a failed PDF leaves nothing half-written (a folder that is not there, a folder in the
    // file's place).
    void ausDemFenster() {
        QTemporaryDir hier;
        Fenster f({0, 2});
        f.s.setName(0, "Anna"), f.s.setName(2, "Cem");
        f.s.spiele[0].ergHeim = 2, f.s.spiele[0].auswerten = true;
        setzeTipp(f.s, 0, 0, 2, 0), setzeTipp(f.s, 2, 0, 1, 0);
        QVERIFY(f.w.zeigePhase(0));
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        befehl(&f.w, QStringLiteral("menAlsHTML"));
        QCOMPARE(f.tisch.wahlen.size(), 0);
        f.tisch.kreuze << QList<bool>{true, true, false} << QList<bool>{true, false, false};
        f.tisch.dateien << QStringList{hier.filePath(QStringLiteral("tabelle"))};
        befehl(&f.w, QStringLiteral("menAlsHTML"));
        QCOMPARE(f.tisch.wahlen.last().vorschlag, QStringLiteral("tabelle.html"));
        std::string html;
        QCOMPARE(ladeBytes(hier.filePath(QStringLiteral("tabelle.html")), html), std::string());
        const std::string::size_type i = html.find("<p>Stand: ") + 10;
        QCOMPARE(html, alsHtml(baueTabellendokument(f.s, "", html.substr(i, html.find("</p>", i) - i))));

        befehl(&f.w, QStringLiteral("menDrucken"));
        QPrinter drucker;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(hier.filePath(QStringLiteral("druck.pdf")));
        f.tisch.druck(&drucker);
        const QStringList seiten = seitenText(drucker.outputFileName());
        QVERIFY2(seiten.size() == 1 && seiten[0].contains(QStringLiteral("Neues Spiel")) &&
                     seiten[0].contains(zellen(baueTabellendokument(f.s, "", "").zeilen[0])) &&
                     !seiten[0].contains(QStringLiteral("Tippübersicht")),
                 qPrintable(seiten.join(u'|')));

        // A folder in the file's place: one message, nothing half-written beside it.
        QVERIFY(QDir(hier.path()).mkdir(QStringLiteral("hier.pdf")));
        f.tisch.kreuze << QList<bool>{true, true, true};
        f.tisch.dateien << QStringList{hier.filePath(QStringLiteral("hier.pdf"))};
        f.tisch.antworten << Antwort::ja;
        befehl(&f.w, QStringLiteral("menAlsPDF"));
        const QString wahl = QStringLiteral("|Tabelle, Tippübersicht, Berichte aller Teilnehmer");
        QCOMPARE(f.tisch.fragen, QStringList({"Als HTML exportieren" + wahl, "Als HTML exportieren" + wahl,
                                              "Drucken" + wahl, "Als PDF exportieren" + wahl,
                                              "Als PDF exportieren|Die Datei „hier.pdf“ gibt es schon.\nSoll sie "
                                              "ersetzt werden?"}));
        QCOMPARE(
            f.tisch.meldungen
                .filter(QStringLiteral("Als PDF exportieren|Die Datei „hier.pdf“ konnte nicht gespeichert werden: "))
                .size(),
            1);
        QCOMPARE(QDir(hier.path()).entryList({"*.pdf"}, QDir::AllEntries | QDir::Hidden),
                 QStringList({"druck.pdf", "hier.pdf"}));
    }
};

QTEST_MAIN(TestExport)
#include "test_export.moc"
