// The "Datei" menu through the real menu items, with the file chooser and the questions answered by the test: saving,
// opening, the imports, their failures, the question before the game is given up; print and export of the standings.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ausgabe/tabellenhtml.h"
#include "core/auswertung.h"
#include "core/bonus.h"
#include "files/speichern.h"
#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tests/ui/hilfe.h"
#include "ui/tabellendruck.h"

namespace {

QString label(const QObject* w, const char* name) { return beschriftung(w, QString::fromUtf8(name)); }
// The rule as the menu marks it and the label names it.
QString regel(const QObject* w) {
    QString l = label(w, "lblModusE");
    for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
        if (finde<QAction>(w, QString::fromUtf8(n))->isChecked()) l += u' ' + QString::fromUtf8(n);
    return l;
}

// The tips of every row for the matches of a view, as the grid shows them and as a file holds them.
QStringList raster(const QObject* w, int v) {
    QStringList l;
    for (int k = 0; k < 200; ++k)
        if (k % 8 <= letzteZeile(v)) l << inhalt(feld(w, "txtHeimTipp", k)) + ':' + inhalt(feld(w, "txtAusTipp", k));
    return l;
}

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

class TestDateien : public QObject {
    Q_OBJECT

    QTemporaryDir ordner_;
    QString pfad(const char* name) const { return ordner_.filePath(QString::fromUtf8(name)); }
    void lege(const char* name, const Spielstand& s) {
        QVERIFY(speichereSpieldatei(pfad(name), ausSpielstand(s)).empty());
    }
    QString lege(const char* name, const std::string& bytes) {
        if (!speichereBytes(pfad(name), bytes).empty()) qFatal("kann %s nicht anlegen", name);
        return pfad(name);
    }

  private slots:
    void initTestCase() {
        Spielstand anderes, tipp;
        anderes.setName(0, "Vera");
        lege("anderes.gowet", anderes);
        tipp.tipps(1, 0, 0) = 3, lege("gut.gowet", tipp);  // would fill the untouched 0:0 of match 0
        Spielstand b;
        setzeTipp(b, 1, 4, 5, 2);
        b.setName(1, "Mia");
        b.setSpieltMit(0, true);
        b.setSpieltMit(1, true);
        b.regel.modus = 2;
        lege("b.gowet", b);
        SpielInfo plan;
        plan.spiele[50].heim = 12;
        plan.spiele[50].datum = "24.06.2006";
        plan.ansicht = 8;
        QVERIFY(speichereSpielInfo(pfad("plan.gowet"), plan).empty());
        lege("kaputt.gowet", std::string("kaputt"));
    }

    // One typed game through every file command: cancelled choosers, a save into a folder that is not there, an
    // existing file kept on "Nein" and replaced on "Ja", a failed save after a good one, a bad file opened and
    // imported after a good one. Per step: file, label, unsaved, proposal, whether the game changed, what was asked
    // and said. Then the file holds the game's bytes and opens as that game in another window.
    void speichernUndOeffnen() {
        lege("alt.gowet", std::string("alter Inhalt"));
        Fenster f({0, 3});
        f.s.setName(0, "Jörg");
        f.s.setName(3, "Lena");
        f.s.setWMTipp(3, 5);
        f.s.spiele[2].heim = 4;
        f.s.spiele[2].aus = 9;
        f.w.starteEinblenden();
        sichtbar(f.w);
        tippe(feld(&f.w, "txtHeimErg", 2), '2');
        tippe(feld(&f.w, "txtHeimTipp", 2), '3');
        tippe(feld(&f.w, "txtAusTipp", 26), '1');
        klick(&f.w, QStringLiteral("chkAuswerten_2"));
        Spieldatei stand = ausSpielstand(f.s);
        QStringList gesehen;
        const auto schritt = [&](const char* menue, const QStringList& datei, Antwort a = Antwort::nein) {
            f.tisch.dateien << datei, f.tisch.antworten << a;
            befehl(&f.w, QString::fromUtf8(menue));
            const QString v = f.tisch.wahlen.isEmpty() ? "" : f.tisch.wahlen.last().vorschlag;
            gesehen << zeile(menue, QFileInfo(f.w.dateiName()).fileName(), label(&f.w, "lblDateiE"),
                             f.w.ungespeichert(), QFileInfo(v).fileName(), !(ausSpielstand(f.s) == stand),
                             (f.tisch.fragen + f.tisch.meldungen).join(u'/'))
                           .replace(ordner_.path(), QStringLiteral("~"));
            stand = ausSpielstand(f.s);
            f.tisch.fragen.clear();
            f.tisch.meldungen.clear();
            f.tisch.antworten.clear();
        };
        for (const char* b : {"menÖffnen", "menSpeichern", "menTipps", "menSpiele"}) schritt(b, {});
        schritt("menSpeichern", {pfad("fehlt/x.gowet")});
        schritt("menÖffnen", {pfad("kaputt.gowet")});
        schritt("menTipps", {pfad("gut.gowet"), pfad("kaputt.gowet")});
        // Which tip wins is the file tests' matter; here every chosen file is passed on, and taken as in the file the
        // window shows the tips and the participants of the last file.
        f.tisch.auswahlen = {1, 1};
        schritt("menTipps", {pfad("gut.gowet"), pfad("b.gowet")});
        QCOMPARE(zeile(finde(&f.w, "fraSpieler", 1)->isVisibleTo(&f.w), label(&f.w, "lblSpieler_1"), f.s.tipps(1, 0, 0),
                       f.s.tipps(1, 4, 0), f.s.tipps(1, 4, 1), regel(&f.w)),
                 "1 Mia 3 5 2 3-Punkte-Regel men3Punkte");
        schritt("menSpeichern", {pfad("alt.gowet")});
        // Random tips stand only in the grid until the next write-back: a view change takes those of group A over,
        // the save those of the quarter-finals; back in group A the grid shows them again.
        const QStringList vorher = raster(&f.w, 0);
        klick(&f.w, QStringLiteral("cmdZufall"));
        const QStringList gruppeA = raster(&f.w, 0);
        waehleAnsicht(&f.w, 9);
        klick(&f.w, QStringLiteral("cmdZufall"));
        const QStringList viertel = raster(&f.w, 9);
        schritt("menSpeichern", {pfad("alt.gowet")}, Antwort::ja);
        const Spieldatei gespeichert = ausSpielstand(f.s);
        waehleAnsicht(&f.w, 0);
        QVERIFY(gruppeA != vorher && raster(&f.w, 0) == gruppeA);
        tippe(feld(&f.w, "txtHeimTipp", 3), '4');
        stand = ausSpielstand(f.s);
        schritt("menSpeichern", {pfad("fehlt/x.gowet")});
        const QString frage = QStringLiteral("ovi kuvela|Sollen die Änderungen gespeichert werden?"),
                      gibts =
                          QStringLiteral("Speichern|Die Datei „alt.gowet“ gibt es schon.\nSoll sie ersetzt werden?"),
                      fehlt = QStringLiteral(
                          "Speichern|Die Datei „x.gowet“ konnte nicht gespeichert werden: der "
                          "Ordner „~/fehlt“ ist nicht vorhanden."),
                      kaputt = QStringLiteral(
                          "Die Datei „kaputt.gowet“ ist keine gültige Spieldatei: Block 1 "
                          "(Mannschaften): die Datei endet vorzeitig.");
        QCOMPARE(
            gesehen,
            QStringList(
                {"menÖffnen   1  0 " + frage, "menSpeichern   1  0 ", "menTipps   1  0 ", "menSpiele   1  0 " + frage,
                 "menSpeichern   1  0 " + fehlt, "menÖffnen   1  0 " + frage + "/Öffnen|" + kaputt,
                 "menTipps   1  0 Tipps importieren|" + kaputt + " Es wurden keine Tipps übernommen.",
                 "menTipps   1  1 ", "menSpeichern   1  0 " + gibts, "menSpeichern alt.gowet alt.gowet 0  1 " + gibts,
                 "menSpeichern alt.gowet alt.gowet 1 alt.gowet 0 " + fehlt}));
        std::string bytes;
        QCOMPARE(ladeBytes(pfad("alt.gowet"), bytes) + bytes, schreibeSpieldatei(gespeichert));

        Fenster g;
        g.tisch.dateien << QStringList{pfad("alt.gowet")};
        befehl(&g.w, QStringLiteral("men2Punkte"));  // the file's rule replaces it
        g.tisch.antworten << Antwort::nein;
        befehl(&g.w, QStringLiteral("menÖffnen"));
        QVERIFY(ausSpielstand(g.s) == gespeichert && raster(&g.w, 0) == gruppeA);
        waehleAnsicht(&g.w, 9);
        QCOMPARE(raster(&g.w, 9), viertel);
        QCOMPARE(zeile(g.w.ungespeichert(), finde(&g.w, "fraSpieler", 1)->isVisibleTo(&g.w), regel(&g.w),
                       label(&g.w, "lblBonusE"), label(&g.w, "lblDateiE"), label(&g.w, "lblSpieler_1"),
                       g.tisch.meldungen.size()),
                 "0 1 3-Punkte-Regel men3Punkte 0 alt.gowet Mia 0");
    }

    // "Beenden", "Öffnen" and "Spiel-Informationen" ask only after a change; Ja saves first and goes on only when
    // that succeeded. Seen: questions, saved, gone on, else whether the typed result is still there.
    void fragtVorDemVerwerfen() {
        const struct {
            int antwort;  // -1: nothing typed
            bool speichert;
            const char* danach;
        } faelle[] = {{-1, false, "0 0 1 -"},
                      {int(Antwort::abbrechen), false, "1 0 0 1"},
                      {int(Antwort::nein), false, "1 0 1 -"},
                      {int(Antwort::ja), true, "1 1 1 -"},
                      {int(Antwort::ja), false, "1 0 0 1"}};
        QStringList gesehen, soll;
        for (const QString menue : {"menBeenden", "menÖffnen", "menSpiele"})
            for (const auto& c : faelle) {
                QFile::remove(pfad("gerettet.gowet"));
                Fenster f;
                sichtbar(f.w);
                QSignalSpy ende(&f.w, &frmHaupt::beendet);
                if (c.antwort >= 0) {
                    tippe(feld(&f.w, "txtHeimErg", 0), '1');
                    f.tisch.antworten << Antwort(c.antwort);
                }
                if (c.antwort == int(Antwort::ja)) f.tisch.dateien << QStringList(c.speichert, pfad("gerettet"));
                f.tisch.dateien << QStringList{pfad(menue == "menSpiele" ? "plan.gowet" : "anderes.gowet")};
                befehl(&f.w, menue);
                const bool weiter = menue == "menBeenden"  ? ende.count() == 1 && !f.w.isVisible()
                                    : menue == "menÖffnen" ? f.s.getName(0) == "Vera"
                                                           : f.s.spiele[50].heim == 12;
                gesehen << zeile(menue, c.antwort, f.tisch.fragen.size(), QFile::exists(pfad("gerettet.gowet")), weiter,
                                 weiter ? QStringLiteral("-") : zeile(f.s.spiele[0].ergHeim), f.tisch.meldungen.size());
                soll << zeile(menue, c.antwort, c.danach, 0);
            }
        QCOMPARE(gesehen, soll);
    }

    // A file of the other kind of .gowet, chosen where the one kind is loaded, is named as what it is, with the way it
    // is loaded; a file neither reader takes keeps the reader's own reason. Nothing changes.
    void falscheArt() {
        const QString alsPlan = QStringLiteral(
            "„plan.gowet“ ist eine Datei mit Spiel-Informationen. Sie wird mit Datei → Importieren → "
            "Spiel-Informationen geladen.");
        const struct {
            const char* menue;
            const char* datei;
            QString meldung;
        } faelle[] = {
            {"menÖffnen", "plan.gowet", "Öffnen|" + alsPlan},
            {"menTipps", "plan.gowet", "Tipps importieren|" + alsPlan + " Es wurden keine Tipps übernommen."},
            {"menSpiele", "anderes.gowet",
             "Spiel-Informationen|„anderes.gowet“ ist eine Spieldatei (ein gespeicherter Spielstand). Sie wird mit "
             "Datei → Öffnen geladen."},
            {"menSpiele", "kaputt.gowet",
             "Spiel-Informationen|Die Datei „kaputt.gowet“ enthält keine gültigen Spiel-Informationen: Spiel 1: die "
             "Heimmannschaft ist 24939, erlaubt sind 0 bis 32."},
        };
        for (const auto& c : faelle) {
            Fenster f;
            const Spieldatei vorher = ausSpielstand(f.s);
            f.tisch.dateien << QStringList{pfad(c.datei)};
            befehl(&f.w, QString::fromUtf8(c.menue));
            QCOMPARE(f.tisch.meldungen, QStringList{c.meldung});
            QVERIFY(ausSpielstand(f.s) == vorher);
        }
    }

    // Match information replaces the plan and the view, keeps the tips. Afterwards the save proposes the game's own
    // file, the one lblDateiE names; a game without one gets the imported name among the user's documents, but never
    // the imported file itself.
    void spielInformationen() {
        const QByteArray heim = qgetenv("HOME");
        qputenv("HOME", ordner_.path().toLocal8Bit());  // the documents folder of a home of our own
        qunsetenv("XDG_CONFIG_HOME");
        const QDir dok(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QVERIFY(QDir().mkpath(dok.path()) && QFile::copy(pfad("plan.gowet"), dok.filePath("plan.gowet")));
        QStringList gesehen;
        for (const QString fall : {"ohne", "eigen", "dokumente"}) {
            Fenster f;
            f.s.tipps(0, 50, 0) = 2;
            if (fall == "eigen") {
                f.tisch.dateien << QStringList{pfad("eigen.gowet")};
                befehl(&f.w, "menSpeichern");
            }
            f.tisch.dateien << QStringList{fall == "dokumente" ? dok.filePath("plan.gowet") : pfad("plan.gowet")}
                            << QStringList{};
            befehl(&f.w, QStringLiteral("menSpiele"));
            QVERIFY(f.s.spiele == ladeSpielInfo(pfad("plan.gowet")).daten->spiele);
            befehl(&f.w, QStringLiteral("menSpeichern"));
            gesehen << zeile(f.tisch.wahlen.last().vorschlag, "|" + label(&f.w, "lblDateiE") + "|",
                             f.tisch.wahlen.at(f.tisch.wahlen.size() - 2).titel, f.w.ansicht(), f.s.tipps(0, 50, 0),
                             finde<QComboBox>(&f.w, QStringLiteral("cmbPhase"))->currentText(),
                             finde(&f.w, "imgSpielHeim", 2)->toolTip(), f.tisch.meldungen.size());
        }
        qputenv("HOME", heim);
        const QString plan = zeile("Wählen Sie die zu importierenden Spiel-Informationen! 8 2 Achtelfinale",
                                   " " + QString::fromStdString(Spielstand{}.nationen[12]) + " ", 0);
        QCOMPARE(gesehen, QStringList({zeile(dok.filePath("plan.gowet"), "||", plan),
                                       zeile(pfad("eigen.gowet"), "|eigen.gowet|", plan),
                                       zeile(dok.filePath("plan-Tippspiel.gowet"), "||", plan)}));
    }

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

    // The tip overview alone: its column heads carry the participants' names, turned upright, on the page; no
    // other part names them.
    void kopfDerUebersicht() {
        Spielstand s;
        for (const auto& [p, name] : {std::pair(0, "Annabella"), std::pair(1, "Bernhardt")}) {
            s.setName(p, name);
            s.setSpieltMit(p, true);
        }
        s.spiele[0].ergHeim = 2;
        s.spiele[0].auswerten = true;
        werteKomplettAus(s);
        Dokumentwahl nurUebersicht;
        nurUebersicht.tabelle = false;
        nurUebersicht.berichte = false;
        const Tabellendokument d = baueTabellendokument(s, "t.gowet", "heute", nurUebersicht);
        const QStringList seiten = seitenText(lege("uebersicht.pdf", tabellenPdf(d)));
        QCOMPARE(seiten.size(), 1);
        for (const char* name : {"Annabella", "Bernhardt"})
            QVERIFY2(seiten[0].contains(QString::fromUtf8(name)),
                     qPrintable(name + QStringLiteral(" fehlt in:\n") + seiten[0]));
    }

    // The reports alone: the first participant's, then the second's on a later page.
    void jederBerichtAufSeinerSeite() {
        Spielstand s;
        for (const auto& [p, name] : {std::pair(0, "Annabella"), std::pair(1, "Bernhardt")}) {
            s.setName(p, name);
            s.setSpieltMit(p, true);
        }
        werteKomplettAus(s);
        Dokumentwahl nurBerichte;
        nurBerichte.tabelle = false;
        nurBerichte.uebersicht = false;
        nurBerichte.berichte = true;
        const QStringList seiten =
            seitenText(lege("berichte.pdf", tabellenPdf(baueTabellendokument(s, "t.gowet", "heute", nurBerichte))));
        const auto ersteSeiteMit = [&](const char* name) {
            for (int i = 0; i < seiten.size(); ++i)
                if (seiten[i].contains(QString::fromUtf8(name))) return i;
            return -1;
        };
        const int erste = ersteSeiteMit("Annabella"), zweite = ersteSeiteMit("Bernhardt");
        QVERIFY2(erste >= 0, qPrintable(seiten.join(QStringLiteral("\n\n"))));
        QVERIFY2(zweite > erste, qPrintable(seiten.join(QStringLiteral("\n\n"))));
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
    // the chosen parts only; a failed PDF is reported once and leaves nothing half-written.
    void exportAusDemFenster() {
        QTemporaryDir hier;
        Fenster f({0, 2});
        f.s.setName(0, "Anna");
        f.s.setName(2, "Cem");
        f.s.spiele[0].ergHeim = 2;
        f.s.spiele[0].auswerten = true;
        setzeTipp(f.s, 0, 0, 2, 0);
        setzeTipp(f.s, 2, 0, 1, 0);
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

        // A folder in the file's place; why it failed is the writer's matter.
        QVERIFY(QDir(hier.path()).mkdir(QStringLiteral("hier.pdf")));
        f.tisch.kreuze << QList<bool>{true, true, true};
        f.tisch.dateien << QStringList{hier.filePath(QStringLiteral("hier.pdf"))};
        f.tisch.antworten << Antwort::ja;
        befehl(&f.w, QStringLiteral("menAlsPDF"));
        const QString wahl =
            QStringLiteral("|Tabelle, Tippübersicht, Berichte aller Teilnehmer, Chancen: wer kann noch gewinnen?");
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

QTEST_MAIN(TestDateien)
#include "test_dateien.moc"
