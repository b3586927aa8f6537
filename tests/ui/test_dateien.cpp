// File commands through the real menu items, with the file chooser and the questions answered by the test: saving,
// opening, the imports, what they report on bad files and full disks, and the question before the game is given up.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "../files/echtes_dateisystem.h"
#include "hilfe.h"
#include "spieldatei.h"
#include "spielinfo.h"

namespace {

QByteArray bytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "";
}

void schreibe(const QString& pfad, const QByteArray& b) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size()) qFatal("kann nicht schreiben");
}

QString label(const QObject* w, const char* name) { return finde<QLabel>(w, QString::fromUtf8(name))->text(); }
// The rule as the menu marks it and the label names it.
QString regel(const QObject* w) {
    QString l = label(w, "lblModusE");
    for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
        if (finde<QAction>(w, QString::fromUtf8(n))->isChecked()) l += u' ' + QString::fromUtf8(n);
    return l;
}
const QString frage = QStringLiteral("ovi kuvela|Sollen die Änderungen gespeichert werden?");

// A small game made through the window: two participants, typed tips and results, one tick.
struct Kleinspiel : Fenster {
    Kleinspiel() : Fenster({0, 3}) {
        s.setName(0, "Jörg"), s.setName(3, "Lena"), s.setWMTipp(3, 5);
        s.spiele[2].heim = 4, s.spiele[2].aus = 9;
        w.starteEinblenden();
        sichtbar(w);
        tippe(feld(&w, "txtHeimErg", 2), '2');
        tippe(feld(&w, "txtHeimTipp", 2), '3');
        tippe(feld(&w, "txtAusTipp", 26), '1');
        klick(&w, QStringLiteral("chkAuswerten_2"));
    }
};

// The tips of every row for the matches of a view, as the grid shows them and as a file holds them.
QStringList raster(const QObject* w, int v) {
    QStringList l;
    for (int k = 0; k < 200; ++k)
        if (k % 8 < spieleIn(v)) l << inhalt(feld(w, "txtHeimTipp", k)) + ':' + inhalt(feld(w, "txtAusTipp", k));
    return l;
}
QStringList tippsIn(const TippFeld& t, int v) {
    QStringList l;
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        for (int m = erstesSpiel(v); m < erstesSpiel(v) + spieleIn(v); ++m)
            l << zeile(t(p, m, 0)) + ':' + zeile(t(p, m, 1));
    return l;
}

}  // namespace

class TestDateien : public QObject {
    Q_OBJECT

  private slots:
    // A fresh folder for every test, with another game and a match plan to open.
    void init() {
        ordner_ = std::make_unique<QTemporaryDir>();
        Spielstand anderes;
        anderes.setName(0, "Vera");
        QVERIFY(speichereSpieldatei(pfad("anderes.gowet"), ausSpielstand(anderes)).empty());
        SpielInfo plan;
        plan.spiele[50].heim = 12, plan.spiele[50].datum = "24.06.2006", plan.ansicht = 8;
        QVERIFY(speichereSpielInfo(pfad("plan.gowet"), plan).empty());
    }

    // Saved, opened in a second window, saved again: the same game, the same bytes.
    void rundreise() {
        Kleinspiel f;
        f.tisch.dateien << QStringList{pfad("runde")};
        befehl(&f.w, QStringLiteral("menSpeichern"));
        const QString datei = pfad("runde.gowet");
        QCOMPARE(zeile(f.tisch.wahlen.last().titel, f.w.dateiName(), label(&f.w, "lblDateiE"), f.w.ungespeichert()),
                 zeile("Geben Sie den Namen der Datei zum Speichern ein!", datei, "runde.gowet", 0));
        Fenster g;
        g.tisch.dateien << QStringList{datei} << QStringList{pfad("zweite.gowet")};
        befehl(&g.w, QStringLiteral("men2Punkte"));  // the file's rule replaces it
        g.tisch.antworten << Antwort::nein;
        befehl(&g.w, QStringLiteral("menÖffnen"));
        QVERIFY(ausSpielstand(g.s) == ausSpielstand(f.s));
        QCOMPARE(
            zeile(g.tisch.wahlen.last().titel, "|" + g.tisch.wahlen.last().vorschlag + "|", g.w.ungespeichert(),
                  g.w.ansicht(), finde(&g.w, "fraSpieler", 3)->isVisibleTo(&g.w), inhalt(feld(&g.w, "txtHeimTipp", 2)),
                  regel(&g.w), label(&g.w, "lblBonusE"), label(&g.w, "lblDateiE"), label(&g.w, "lblSpieler_3")),
            "Wählen Sie den gespeicherten Spielstand! || 0 0 1 3 3-2-1-Regel men321 0 runde.gowet Lena");
        // The chooser starts in the file's folder with its name.
        befehl(&g.w, QStringLiteral("menSpeichern"));
        QCOMPARE(zeile(g.tisch.wahlen.last().ordner, g.tisch.wahlen.last().vorschlag), zeile(ordner_->path(), datei));
        QCOMPARE(bytes(pfad("zweite.gowet")), bytes(datei));
        QCOMPARE(f.tisch.meldungen + g.tisch.meldungen, QStringList{});
    }

    // Random tips stand only in the grid until the next write-back: a view change takes those of group A over,
    // the save those of the quarter-finals; back in group A the grid shows them again.
    void zufallstippsErreichenDasSpiel() {
        Fenster f;
        f.w.starteEinblenden();
        klick(&f.w, QStringLiteral("cmdZufall"));
        const QStringList gruppeA = raster(&f.w, 0);
        waehleAnsicht(&f.w, 9);
        klick(&f.w, QStringLiteral("cmdZufall"));
        const QStringList viertel = raster(&f.w, 9);
        QVERIFY(gruppeA != tippsIn(Spielstand{}.tipps, 0) && viertel != tippsIn(Spielstand{}.tipps, 9));
        f.tisch.dateien << QStringList{pfad("zufall.gowet")};
        befehl(&f.w, QStringLiteral("menSpeichern"));
        const auto g = ladeSpieldatei(pfad("zufall.gowet"), f.s.nationen);
        QVERIFY2(g, g.fehler.c_str());
        QCOMPARE(tippsIn(g.daten->tippsAblage, 0) + tippsIn(g.daten->tippsAblage, 9), gruppeA + viertel);
        waehleAnsicht(&f.w, 0);
        QCOMPARE(raster(&f.w, 0), gruppeA);
    }

    // An existing file is replaced only on "Ja".
    void ueberschreiben() {
        const QString datei = pfad("alt.gowet");
        for (bool ersetzt : {false, true}) {
            schreibe(datei, "alter Inhalt");
            Kleinspiel f;
            f.tisch.dateien << QStringList{datei};
            f.tisch.antworten << (ersetzt ? Antwort::ja : Antwort::nein);
            befehl(&f.w, QStringLiteral("menSpeichern"));
            QCOMPARE(f.tisch.fragen,
                     QStringList{"Speichern|Die Datei „alt.gowet“ gibt es schon.\nSoll sie ersetzt werden?"});
            QCOMPARE(zeile(bytes(datei) != "alter Inhalt", f.w.dateiName(), f.w.ungespeichert()),
                     ersetzt ? zeile(1, datei, 0) : zeile(0, "", 1));
        }
    }

    void abbrechenAendertNichts() {
        Kleinspiel f;
        const Spieldatei vorher = ausSpielstand(f.s);
        f.tisch.antworten << Antwort::nein << Antwort::nein;  // the game is not saved: opening and importing ask
        for (const char* b : {"menÖffnen", "menSpeichern", "menTipps", "menSpiele"}) befehl(&f.w, QString::fromUtf8(b));
        QCOMPARE(f.tisch.wahlen.size(), 4);
        QVERIFY(ausSpielstand(f.s) == vorher);
        QCOMPARE(zeile(f.w.dateiName() + label(&f.w, "lblDateiE"), f.tisch.meldungen.size()), zeile("", 0));
    }

    // A bad file, opened or imported after a good one, is reported with its name and changes nothing at all.
    void kaputteDateien() {
        const QByteArray gut = QByteArray::fromStdString(schreibeSpieldatei(ausSpielstand(Spielstand{})));
        QByteArray zehn = gut;
        zehn[zehn.size() - 2] = 10;  // away goals of the last tip: all before it was read well
        Spielstand ander;
        ander.tipps(0, 0, 0) = 3;  // would fill the untouched 0:0 of match 0
        QVERIFY(speichereSpieldatei(pfad("gut.gowet"), ausSpielstand(ander)).empty());
        for (const QByteArray& b : {zehn, QByteArray("Pipe")}) {
            const QString datei = pfad("kaputt.gowet");
            QFile::remove(datei);
            // A pipe instead of a file: opening it would wait for a writer.
            if (b == "Pipe")
                QCOMPARE(::mkfifo(QFile::encodeName(datei).constData(), 0600), 0);
            else
                schreibe(datei, b);
            Kleinspiel f;
            const Spieldatei vorher = ausSpielstand(f.s);
            f.tisch.dateien << QStringList{datei} << QStringList{pfad("gut.gowet"), datei};
            f.tisch.antworten << Antwort::nein;
            befehl(&f.w, QStringLiteral("menÖffnen"));
            befehl(&f.w, QStringLiteral("menTipps"));
            QCOMPARE(f.tisch.meldungen.filter(QStringLiteral("kaputt.gowet")).size(), 2);
            QVERIFY(ausSpielstand(f.s) == vorher);
            QCOMPARE(zeile(f.w.dateiName(), inhalt(feld(&f.w, "txtHeimTipp", 2))), zeile("", 3));
        }
    }

    // A failed save says once why, and keeps the old name, the old bytes and the unsaved mark: a folder that is
    // not there, a full disk.
    void speichernScheitert() {
        ovi::test::KleinePlatte platte;
        const bool voll = platte.fehlt.empty();
        if (!voll) qWarning("%s", platte.fehlt.c_str());
        const QString gut = voll ? platte.pfad(QStringLiteral("spiel.gowet")) : pfad("spiel.gowet");
        for (const QString& datei : {pfad("fehlt/nirgends.gowet"), gut}) {
            if (datei == gut && !voll) continue;
            QFile::remove(gut);
            Kleinspiel f;
            f.tisch.dateien << QStringList{gut} << QStringList{datei};
            befehl(&f.w, QStringLiteral("menSpeichern"));
            const QByteArray alt = bytes(gut);
            if (datei == gut) QVERIFY(platte.fuelle(0));
            tippe(feld(&f.w, "txtHeimTipp", 3), '4');
            f.tisch.antworten << Antwort::ja;
            befehl(&f.w, QStringLiteral("menSpeichern"));
            const QString grund = datei == gut ? QStringLiteral("der Datenträger ist voll.")
                                               : "der Ordner „" + pfad("fehlt") + "“ ist nicht vorhanden.";
            QCOMPARE(f.tisch.meldungen, QStringList{"Speichern|Die Datei „" + QFileInfo(datei).fileName() +
                                                    "“ konnte nicht gespeichert werden: " + grund});
            QCOMPARE(zeile(f.w.dateiName(), label(&f.w, "lblDateiE"), f.w.ungespeichert(), bytes(gut) == alt),
                     zeile(gut, "spiel.gowet", 1, 1));
        }
    }

    // Which tip wins is the file tests' matter; here every chosen file is passed on, and the window shows the tips
    // and the participants of the last file.
    void tippImport() {
        Spielstand a, b;
        setzeTipp(a, 0, 0, 3, 0), setzeTipp(b, 0, 4, 0, 2);
        b.setName(1, "Mia"), b.setSpieltMit(0, true), b.setSpieltMit(1, true), b.regel.modus = 2;
        QVERIFY(speichereSpieldatei(pfad("a.gowet"), ausSpielstand(a)).empty());
        QVERIFY(speichereSpieldatei(pfad("b.gowet"), ausSpielstand(b)).empty());
        Fenster f({0});
        f.w.starteEinblenden();
        f.tisch.dateien << QStringList{pfad("a.gowet"), pfad("b.gowet")};
        befehl(&f.w, QStringLiteral("menTipps"));
        QCOMPARE(zeile(f.tisch.wahlen.last().titel, finde(&f.w, "fraSpieler", 1)->isVisibleTo(&f.w),
                       label(&f.w, "lblSpieler_1"), inhalt(feld(&f.w, "txtHeimTipp", 0)),
                       inhalt(feld(&f.w, "txtAusTipp", 4)), regel(&f.w), f.tisch.meldungen.size()),
                 "Wählen Sie die zu importierende(n) Datei(en) 1 Mia 3 2 3-Punkte-Regel men3Punkte 0");
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
                if (c.antwort >= 0) tippe(feld(&f.w, "txtHeimErg", 0), '1'), f.tisch.antworten << Antwort(c.antwort);
                if (c.antwort == int(Antwort::ja)) f.tisch.dateien << QStringList(c.speichert, pfad("gerettet"));
                f.tisch.dateien << QStringList{pfad(menue == "menSpiele" ? "plan.gowet" : "anderes.gowet")};
                befehl(&f.w, menue);
                const bool weiter = menue == "menBeenden"  ? ende.count() == 1 && !f.w.isVisible()
                                    : menue == "menÖffnen" ? f.s.getName(0) == "Vera"
                                                           : f.s.spiele[50].heim == 12;
                gesehen << zeile(menue, c.antwort, f.tisch.fragen.size(), QFile::exists(pfad("gerettet.gowet")), weiter,
                                 weiter ? QStringLiteral("-") : zeile(f.s.spiele[0].ergHeim));
                soll << zeile(menue, c.antwort, c.danach);
                QCOMPARE(f.tisch.fragen + f.tisch.meldungen, QStringList(c.antwort >= 0, frage));
            }
        QCOMPARE(gesehen, soll);
    }

    // Match information replaces the plan and the view, keeps the tips. Afterwards the save proposes the game's own
    // file, the one lblDateiE names; a game without one gets the imported name among the user's documents, but never
    // the imported file itself.
    void spielInformationen() {
        const QByteArray heim = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", ordner_->path().toLocal8Bit());  // the documents folder of a home of our own
        qunsetenv("XDG_CONFIG_HOME");
        const QDir dok(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QVERIFY(QDir().mkpath(dok.path()) && QFile::copy(pfad("plan.gowet"), dok.filePath("plan.gowet")));
        QStringList gesehen;
        for (const QString fall : {"ohne", "eigen", "dokumente"}) {
            Fenster f;
            f.s.tipps(0, 50, 0) = 2;
            if (fall == "eigen") f.tisch.dateien << QStringList{pfad("eigen.gowet")}, befehl(&f.w, "menSpeichern");
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
        if (!xdg.isNull()) qputenv("XDG_CONFIG_HOME", xdg);
        const QString plan = zeile("Wählen Sie die zu importierenden Spiel-Informationen! 8 2 Achtelfinale",
                                   " " + QString::fromStdString(Spielstand{}.nationen[12]) + " ", 0);
        QCOMPARE(gesehen, QStringList({zeile(dok.filePath("plan.gowet"), "||", plan),
                                       zeile(pfad("eigen.gowet"), "|eigen.gowet|", plan),
                                       zeile(dok.filePath("plan-Tippspiel.gowet"), "||", plan)}));
    }

  private:
    QString pfad(const char* name) const { return ordner_->filePath(QString::fromUtf8(name)); }
    std::unique_ptr<QTemporaryDir> ordner_;
};

QTEST_MAIN(TestDateien)
#include "test_dateien.moc"
