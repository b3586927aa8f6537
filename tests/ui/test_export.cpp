// Print and export of the standings: the pages of the demo game and of a full game, figures as vectors,
// and the window's commands with their failures.
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tabellenhtml.h"
#include "speichern.h"
#include "hilfe.h"
#include "tabellendruck.h"

namespace {

const std::string stand = "07.12.2026, 11:48 Uhr";

// The text of each page, blanks squeezed, as pdftotext (poppler-utils) reads it.
QStringList seitenText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) qFatal("pdftotext fehlt oder scheitert an %s", qPrintable(pdf));
    QStringList seiten = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    seiten.removeLast();  // after the last form feed
    for (QString& s : seiten) s = s.simplified();
    return seiten;
}

// Pixels of that colour on page 1 rendered at 25.4 dpi (one pixel per millimetre), by pdftoppm.
int bildpunkte(const QString& pdf, const QColor& farbe) {
    const QString basis = pdf + QStringLiteral("-bild");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("25.4"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, basis});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) qFatal("pdftoppm fehlt oder scheitert an %s", qPrintable(pdf));
    const QImage bild(basis + QStringLiteral(".png"));
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixelColor(x, y) == farbe ? 1 : 0;
    return n;
}

QString lege(const QTemporaryDir& ordner, const QString& name, const std::string& bytes) {
    const QString pfad = ordner.filePath(name);
    if (!speichereBytes(pfad, bytes).empty()) qFatal("kann %s nicht anlegen", qPrintable(pfad));
    return pfad;
}

// Every ranking row as pdftotext gives it: cells apart by blanks.
QStringList rangZeilen(const Tabellendokument& d) {
    QStringList l;
    for (const auto& z : d.zeilen) {
        QStringList zellen;
        for (const std::string& c : z) zellen << QString::fromStdString(c);
        l << zellen.join(QLatin1Char(' '));
    }
    return l;
}

Spielstand vollesSpiel() {
    Spielstand s;
    Zufall z;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        s.setName(p, "Teilnehmerin " + std::to_string(p + 1));
        s.setSpieltMit(p, true);
        for (int m = 0; m < katalog::anzahlSpiele; ++m) setzeTipp(s, p, m, z.tor(), z.tor());
    }
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        Spiel& sp = s.spiele[m];
        sp.heim = static_cast<Integer>(m % 32), sp.aus = static_cast<Integer>((m + 9) % 32);
        sp.ergHeim = static_cast<Integer>(z.tor()), sp.ergAus = static_cast<Integer>(z.tor());
        sp.auswerten = true;
    }
    werteKomplettAus(s);
    return s;
}

QString stehtAuf(const QString& text, const QString& vorne) {
    const qsizetype i = text.indexOf(vorne);
    return i < 0 ? QString() : text.mid(i + vorne.size(), text.indexOf(QStringLiteral("</p>"), i) - i - vorne.size());
}

}  // namespace

class TestExport : public QObject {
    Q_OBJECT

    QTemporaryDir ordner;

  private slots:

    void beispielspielAlsPdf() {
        Spielstand s;
        const auto g = ladeSpieldatei(QStringLiteral(OVI_BEISPIEL), s.nationen);
        QVERIFY2(g, g.fehler.c_str());
        uebernehme(s, *g.daten);
        QCOMPARE(werteKomplettAus(s), Bonusausgang::weltmeisterFrage);
        setWeltmeister(s, "Italien");
        const Tabellendokument d = baueTabellendokument(s, "wm2006-ergebnisse.gowet", stand);
        const std::string pdf = tabellenPdf(d);
        QCOMPARE(QByteArray::fromStdString(pdf.substr(0, 5)), QByteArray("%PDF-"));
        const QStringList seiten = seitenText(lege(ordner, QStringLiteral("beispiel.pdf"), pdf));
        QCOMPARE(seiten.size(), 4);
        QCOMPARE(rangZeilen(d).size(), 6);
        for (const QString& z : rangZeilen(d)) QVERIFY2(seiten[0].contains(z), qPrintable(z));
        QVERIFY(seiten[0].contains(QStringLiteral("Weltmeister: Italien")));
        // The race follows the ranking: 25 match days, the final's with its bonus.
        const QString verlauf = seiten[0] + seiten[1];
        QVERIFY(verlauf.contains(QStringLiteral("Verlauf der Plätze")));
        QVERIFY2(verlauf.contains(QStringLiteral("25. Spieltag, 09.07.2006: ")), qPrintable(verlauf));
        QVERIFY(verlauf.contains(QStringLiteral("Weltmeister-Bonus: ")));
    }

    // 25 participants and 64 matches: every page is headed, and every page of the overview names its columns.
    void vollesSpielUeberMehrereSeiten() {
        const Spielstand s = vollesSpiel();
        const Tabellendokument d = baueTabellendokument(s, "voll.gowet", stand);
        const QStringList seiten = seitenText(lege(ordner, QStringLiteral("voll.pdf"), tabellenPdf(d)));
        QCOMPARE(seiten.size(), 4);
        for (int i = 0; i < seiten.size(); ++i) {
            QVERIFY(seiten[i].startsWith(
                QStringLiteral("voll.gowet · Stand: 07.12.2026, 11:48 Uhr Seite %1 von 4").arg(i + 1)));
            if (i > 0) QVERIFY2(seiten[i].contains(QStringLiteral("Spiel Erg.")), qPrintable(seiten[i].left(200)));
        }
        for (const QString& z : rangZeilen(d)) QVERIFY2(seiten[0].contains(z), qPrintable(z));
        QVERIFY(seiten.last().contains(QStringLiteral("Punkte ") + QString::fromStdString(d.summen.front())));
    }

    // A figure from elsewhere lands in the PDF as vector paths and text, not as a picture.
    void figurAlsVektor() {
        Tabellendokument d = baueTabellendokument(Spielstand{}, "", stand, {false, false, false});
        d.zusatz.push_back({"Verlauf",
                            R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 200 50">)"
                            R"(<rect x="5" y="5" width="60" height="40" fill="#30be30"/>)"
                            R"(<text x="80" y="30" font-size="12">Testfigur</text></svg>)",
                            {"1. Spieltag: Anna"}});
        const std::string pdf = tabellenPdf(d);
        const QString datei = lege(ordner, QStringLiteral("figur.pdf"), pdf);
        const QStringList seiten = seitenText(datei);
        QCOMPARE(seiten.size(), 1);
        QVERIFY2(seiten[0].endsWith(QStringLiteral("Verlauf 1. Spieltag: Anna")), qPrintable(seiten[0]));
        QVERIFY(pdf.find("/Subtype /Image") == std::string::npos);
        // The green box, 60 x 40 of 200 units across the 186 mm wide page body, is about 56 x 37 mm.
        const int gruen = bildpunkte(datei, QColor(48, 190, 48));
        QVERIFY2(gruen > 1900 && gruen < 2250, qPrintable(QString::number(gruen)));
    }

    void htmlAusDemFenster() {
        Fenster f({0, 2});
        f.s.setName(0, "Anna"), f.s.setName(2, "Cem");
        f.s.spiele[0].ergHeim = 2, f.s.spiele[0].auswerten = true;
        setzeTipp(f.s, 0, 0, 2, 0), setzeTipp(f.s, 2, 0, 1, 0);
        QVERIFY(f.w.zeigePhase(0));
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        // Cancelling the choice asks for no file.
        befehl(&f.w, QStringLiteral("menAlsHTML"));
        QCOMPARE(f.tisch.wahlen.size(), 0);
        f.tisch.kreuze << QList<bool>{true, true, false};
        f.tisch.dateien << QStringList{ordner.filePath(QStringLiteral("tabelle"))};
        befehl(&f.w, QStringLiteral("menAlsHTML"));
        QCOMPARE(f.tisch.fragen, QStringList(2, QStringLiteral("Als HTML exportieren|Tabelle, Tippübersicht, "
                                                               "Berichte aller Teilnehmer")));
        QCOMPARE(f.tisch.wahlen.last().vorschlag, QStringLiteral("tabelle.html"));
        std::string html;
        QCOMPARE(ladeBytes(ordner.filePath(QStringLiteral("tabelle.html")), html), std::string());
        const QString zeit = stehtAuf(QString::fromStdString(html), QStringLiteral("<p>Stand: "));
        QCOMPARE(html, alsHtml(baueTabellendokument(f.s, "", zeit.toStdString())));
        QCOMPARE(f.tisch.meldungen, QStringList{});
    }

    void druckenAusDemFenster() {
        Fenster f({1});
        f.s.setName(1, "Bert");
        QVERIFY(f.w.zeigePhase(0));
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        f.tisch.kreuze << QList<bool>{true, false, false};
        befehl(&f.w, QStringLiteral("menDrucken"));
        QVERIFY(f.tisch.druck);
        QPrinter drucker;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.filePath(QStringLiteral("druck.pdf")));
        f.tisch.druck(&drucker);
        const QStringList seiten = seitenText(drucker.outputFileName());
        QCOMPARE(seiten.size(), 1);
        QVERIFY2(seiten[0].contains(QStringLiteral("Neues Spiel")), qPrintable(seiten[0]));
        QVERIFY(seiten[0].contains(QStringLiteral("1 Bert 0 0 0 0 0 0 0")));
        QVERIFY(!seiten[0].contains(QStringLiteral("Tippübersicht")));
    }

    // Nothing half-written: a folder that is not there, a folder in the file's place.
    void fehlschlagOhneDatei_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ursache");
        QTest::addRow("Ordner fehlt") << "fehlt/x.pdf" << "der Ordner „";
        QTest::addRow("Ordner statt Datei") << "ordner.pdf" << "sie ist ein Ordner.";
    }
    void fehlschlagOhneDatei() {
        QFETCH(QString, name);
        QFETCH(QString, ursache);
        QTemporaryDir hier;
        QVERIFY(QDir(hier.path()).mkdir(QStringLiteral("ordner.pdf")));
        Fenster f({0});
        f.tisch.kreuze << QList<bool>{true, true, true};
        f.tisch.dateien << QStringList{hier.filePath(name)};
        f.tisch.antworten << Antwort::ja;
        befehl(&f.w, QStringLiteral("menAlsPDF"));
        QCOMPARE(f.tisch.meldungen.size(), 1);
        const QString vorne = QStringLiteral("Als PDF exportieren|Die Datei „%1“ konnte nicht gespeichert werden: %2")
                                  .arg(QFileInfo(name).fileName(), ursache);
        QVERIFY2(f.tisch.meldungen[0].startsWith(vorne), qPrintable(f.tisch.meldungen[0]));
        QCOMPARE(QDir(hier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("ordner.pdf")});
        QVERIFY(QFileInfo(hier.filePath(QStringLiteral("ordner.pdf"))).isDir());
    }
};

QTEST_MAIN(TestExport)
#include "test_export.moc"
