// File commands through the real menu items, with the file chooser and the questions answered by the test: saving,
// opening, the imports, their failures, and the question before the game is given up.
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "hilfe.h"
#include "spieldatei.h"
#include "spielinfo.h"

namespace {

QByteArray bytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "";
}

QString label(const QObject* w, const char* name) { return finde<QLabel>(w, QString::fromUtf8(name))->text(); }
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

    QTemporaryDir ordner_;
    QString pfad(const char* name) const { return ordner_.filePath(QString::fromUtf8(name)); }
    void lege(const char* name, const Spielstand& s) {
        QVERIFY(speichereSpieldatei(pfad(name), ausSpielstand(s)).empty());
    }

  private slots:
    void initTestCase() {
        Spielstand anderes, tipp;
        anderes.setName(0, "Vera"), lege("anderes.gowet", anderes);
        tipp.tipps(0, 0, 0) = 3, lege("gut.gowet", tipp);  // would fill the untouched 0:0 of match 0
        SpielInfo plan;
        plan.spiele[50].heim = 12, plan.spiele[50].datum = "24.06.2006", plan.ansicht = 8;
        QVERIFY(speichereSpielInfo(pfad("plan.gowet"), plan).empty());
        QFile kaputt(pfad("kaputt.gowet"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly) && kaputt.write("kaputt") == 6);
    }

    // One typed game through every file command: cancelled choosers, a save into a folder that is not there, an
    // existing file kept on "Nein" and replaced on "Ja", a failed save after a good one, a bad file opened and
    // imported after a good one. Per step: file, label, unsaved, proposal, whether the game changed, what was asked
    // and said. Then the file holds the game's bytes and opens as that game in another window.
    void speichernUndOeffnen() {
        QFile alt(pfad("alt.gowet"));
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alter Inhalt") == 12);
        alt.close();
        Fenster f({0, 3});
        f.s.setName(0, "Jörg"), f.s.setName(3, "Lena"), f.s.setWMTipp(3, 5);
        f.s.spiele[2].heim = 4, f.s.spiele[2].aus = 9;
        f.w.starteEinblenden();
        sichtbar(f.w);
        tippe(feld(&f.w, "txtHeimErg", 2), '2');
        tippe(feld(&f.w, "txtHeimTipp", 2), '3');
        tippe(feld(&f.w, "txtAusTipp", 26), '1');
        klick(&f.w, QStringLiteral("chkAuswerten_2"));
        const Spieldatei getippt = ausSpielstand(f.s);
        Spieldatei stand = getippt;
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
            f.tisch.fragen.clear(), f.tisch.meldungen.clear(), f.tisch.antworten.clear();
        };
        for (const char* b : {"menÖffnen", "menSpeichern", "menTipps", "menSpiele"}) schritt(b, {});
        schritt("menSpeichern", {pfad("fehlt/x.gowet")});
        schritt("menSpeichern", {pfad("alt.gowet")});
        schritt("menSpeichern", {pfad("alt.gowet")}, Antwort::ja);
        tippe(feld(&f.w, "txtHeimTipp", 3), '4');
        stand = ausSpielstand(f.s);
        schritt("menSpeichern", {pfad("fehlt/x.gowet")});
        schritt("menÖffnen", {pfad("kaputt.gowet")});
        schritt("menTipps", {pfad("gut.gowet"), pfad("kaputt.gowet")});
        const QString frage = QStringLiteral("ovi kuvela|Sollen die Änderungen gespeichert werden?"),
                      gibts = QStringLiteral("Speichern|Die Datei „alt.gowet“ gibt es schon.\nSoll sie ersetzt werden?"),
                      fehlt = QStringLiteral("Speichern|Die Datei „x.gowet“ konnte nicht gespeichert werden: der "
                                             "Ordner „~/fehlt“ ist nicht vorhanden."),
                      kaputt = QStringLiteral("Die Datei „kaputt.gowet“ ist keine gültige Spieldatei: Block 1 "
                                              "(Mannschaften): die Datei endet vorzeitig.");
        QCOMPARE(gesehen, QStringList({"menÖffnen   1  0 " + frage, "menSpeichern   1  0 ", "menTipps   1  0 ",
                                       "menSpiele   1  0 " + frage, "menSpeichern   1  0 " + fehlt,
                                       "menSpeichern   1  0 " + gibts, "menSpeichern alt.gowet alt.gowet 0  0 " + gibts,
                                       "menSpeichern alt.gowet alt.gowet 1 alt.gowet 0 " + fehlt,
                                       "menÖffnen alt.gowet alt.gowet 1  0 " + frage + "/Öffnen|" + kaputt,
                                       "menTipps alt.gowet alt.gowet 1  0 Tipps importieren|" + kaputt +
                                           " Es wurden keine Tipps übernommen."}));
        QCOMPARE(bytes(pfad("alt.gowet")), QByteArray::fromStdString(schreibeSpieldatei(getippt)));

        Fenster g;
        g.tisch.dateien << QStringList{pfad("alt.gowet")};
        befehl(&g.w, QStringLiteral("men2Punkte"));  // the file's rule replaces it
        g.tisch.antworten << Antwort::nein;
        befehl(&g.w, QStringLiteral("menÖffnen"));
        QVERIFY(ausSpielstand(g.s) == getippt);
        QCOMPARE(zeile(g.w.ungespeichert(), g.w.ansicht(), finde(&g.w, "fraSpieler", 3)->isVisibleTo(&g.w),
                       inhalt(feld(&g.w, "txtHeimTipp", 2)), regel(&g.w), label(&g.w, "lblBonusE"),
                       label(&g.w, "lblDateiE"), label(&g.w, "lblSpieler_3"), g.tisch.meldungen.size()),
                 "0 0 1 3 3-2-1-Regel men321 0 alt.gowet Lena 0");
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

    // Which tip wins is the file tests' matter; here every chosen file is passed on, and the window shows the tips
    // and the participants of the last file.
    void tippImport() {
        Spielstand a, b;
        setzeTipp(a, 0, 0, 3, 0), setzeTipp(b, 0, 4, 0, 2);
        b.setName(1, "Mia"), b.setSpieltMit(0, true), b.setSpieltMit(1, true), b.regel.modus = 2;
        lege("a.gowet", a), lege("b.gowet", b);
        Fenster f({0});
        f.w.starteEinblenden();
        f.tisch.dateien << QStringList{pfad("a.gowet"), pfad("b.gowet")};
        befehl(&f.w, QStringLiteral("menTipps"));
        QCOMPARE(zeile(finde(&f.w, "fraSpieler", 1)->isVisibleTo(&f.w), label(&f.w, "lblSpieler_1"),
                       inhalt(feld(&f.w, "txtHeimTipp", 0)), inhalt(feld(&f.w, "txtAusTipp", 4)), regel(&f.w),
                       f.tisch.meldungen.size()),
                 "1 Mia 3 2 3-Punkte-Regel men3Punkte 0");
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
                                 weiter ? QStringLiteral("-") : zeile(f.s.spiele[0].ergHeim), f.tisch.meldungen.size());
                soll << zeile(menue, c.antwort, c.danach, 0);
            }
        QCOMPARE(gesehen, soll);
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
        const QString plan = zeile("Wählen Sie die zu importierenden Spiel-Informationen! 8 2 Achtelfinale",
                                   " " + QString::fromStdString(Spielstand{}.nationen[12]) + " ", 0);
        QCOMPARE(gesehen, QStringList({zeile(dok.filePath("plan.gowet"), "||", plan),
                                       zeile(pfad("eigen.gowet"), "|eigen.gowet|", plan),
                                       zeile(dok.filePath("plan-Tippspiel.gowet"), "||", plan)}));
    }
};

QTEST_MAIN(TestDateien)
#include "test_dateien.moc"
