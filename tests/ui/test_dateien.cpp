// File commands through the real menu items, with the file chooser and the questions answered by the test.
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "spieldatei.h"
#include "spielinfo.h"
#include "hilfe.h"
#include "../files/echtes_dateisystem.h"

namespace {

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "";
}

void schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// What a file would hold, with the tips as they stand.
Spieldatei bild(const Spielstand& s) {
    Spieldatei d = ausSpielstand(s);
    d.tippsAblage = s.tipps;
    return d;
}

QString label(const QObject* w, const char* name) { return finde<QLabel>(w, QString::fromUtf8(name))->text(); }

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

}  // namespace

class TestDateien : public QObject {
    Q_OBJECT

  private slots:
    // A fresh folder for every test and every row.
    void init() {
        ordner_ = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner_->isValid());
    }

    // Saved, opened in a second window, saved again: the same game, the same bytes.
    void rundreise() {
        Kleinspiel f;
        QVERIFY(f.w.ungespeichert());
        f.tisch.dateien << QStringList{pfad("runde")};
        befehl(&f.w, QStringLiteral("menSpeichern"));
        const QString datei = pfad("runde.gowet");
        QCOMPARE(zeile(f.tisch.wahlen.last().titel, f.w.dateiName(), label(&f.w, "lblDateiE"), f.w.ungespeichert()),
                 zeile("Geben Sie den Namen der Datei zum Speichern ein!", datei, "runde.gowet", 0));

        Fenster g;
        g.tisch.dateien << QStringList{datei};
        befehl(&g.w, QStringLiteral("menÖffnen"));
        QVERIFY(bild(g.s) == bild(f.s));
        QCOMPARE(zeile(g.tisch.wahlen.last().titel, "|" + g.tisch.wahlen.last().vorschlag + "|", g.w.ungespeichert(),
                       g.w.ansicht(), finde(&g.w, "fraSpieler", 3)->isVisibleTo(&g.w),
                       inhalt(feld(&g.w, "txtHeimTipp", 2)), label(&g.w, "lblModusE"), label(&g.w, "lblBonusE"),
                       label(&g.w, "lblDateiE"), label(&g.w, "lblSpieler_3")),
                 "Wählen Sie den gespeicherten Spielstand! || 0 0 1 3 3-2-1-Regel 0 runde.gowet Lena");

        // The chooser starts in the file's folder with its name.
        g.tisch.dateien << QStringList{pfad("zweite.gowet")};
        befehl(&g.w, QStringLiteral("menSpeichern"));
        QCOMPARE(zeile(g.tisch.wahlen.last().ordner, g.tisch.wahlen.last().vorschlag), zeile(ordner_->path(), datei));
        QCOMPARE(inhalt(pfad("zweite.gowet")), inhalt(datei));
        QCOMPARE(f.tisch.meldungen + g.tisch.meldungen, QStringList{});
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
            QCOMPARE(f.tisch.fragen.size(), 1);
            QVERIFY(f.tisch.fragen.first().contains(QStringLiteral("alt.gowet")));
            QCOMPARE(zeile(inhalt(datei) != "alter Inhalt", f.w.dateiName(), f.w.ungespeichert()),
                     ersetzt ? zeile(1, datei, 0) : zeile(0, "", 1));
        }
    }

    void abbrechenAendertNichts() {
        Kleinspiel f;
        const Spieldatei vorher = bild(f.s);
        f.tisch.antworten << Antwort::nein << Antwort::nein;  // the game is not saved: opening and importing ask
        for (const char* b : {"menÖffnen", "menSpeichern", "menTipps", "menSpiele"}) befehl(&f.w, QString::fromUtf8(b));
        QCOMPARE(f.tisch.wahlen.size(), 4);
        QVERIFY(bild(f.s) == vorher);
        QCOMPARE(f.w.dateiName() + label(&f.w, "lblDateiE"), QString());
        QCOMPARE(f.tisch.meldungen, QStringList{});
        QCOMPARE(QDir(ordner_->path()).entryList(QDir::Files), QStringList{});
    }

    void kaputteDateien_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("pipe");  // a pipe instead of a file: opening it would wait for a writer
        const QByteArray gut = QByteArray::fromStdString(schreibeSpieldatei(ausSpielstand(Spielstand{})));
        QTest::newRow("leer") << QByteArray() << false;
        QByteArray b = gut;
        b[b.size() - 2] = 10;  // away goals of the last tip: all before it was read well
        QTest::newRow("Tipp 10 Tore") << b << false;
        QTest::newRow("Nullen") << QByteArray(gut.size(), '\0') << false;
        QTest::newRow("Pipe") << QByteArray() << true;
    }

    // A bad file, opened or imported after a good one, is reported with its name and changes nothing at all.
    void kaputteDateien() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, pipe);
        const QString datei = pfad("kaputt.gowet");
        if (pipe)
            QCOMPARE(::mkfifo(QFile::encodeName(datei).constData(), 0600), 0);
        else
            schreibe(datei, bytes);
        Spielstand gut;
        gut.tipps(0, 0, 0) = 3;  // would fill the untouched 0:0 of match 0
        QVERIFY(speichereSpieldatei(pfad("gut.gowet"), ausSpielstand(gut)).empty());
        Kleinspiel f;
        const Spieldatei vorher = bild(f.s);
        f.tisch.dateien << QStringList{datei} << QStringList{pfad("gut.gowet"), datei};
        f.tisch.antworten << Antwort::nein;
        befehl(&f.w, QStringLiteral("menÖffnen"));
        befehl(&f.w, QStringLiteral("menTipps"));
        QCOMPARE(f.tisch.meldungen.size(), 2);
        for (const QString& m : f.tisch.meldungen) QVERIFY2(m.contains(QStringLiteral("kaputt.gowet")), qPrintable(m));
        QVERIFY(bild(f.s) == vorher);
        QCOMPARE(f.w.dateiName(), QString());
        QCOMPARE(inhalt(feld(&f.w, "txtHeimTipp", 2)), QStringLiteral("3"));
    }

    // A failed save says once why, and keeps the old name and the unsaved mark.
    void speichernScheitert() {
        Kleinspiel f;
        f.tisch.dateien << QStringList{pfad("gut.gowet")} << QStringList{pfad("fehlt/nirgends.gowet")};
        befehl(&f.w, QStringLiteral("menSpeichern"));
        tippe(feld(&f.w, "txtHeimTipp", 3), '4');
        befehl(&f.w, QStringLiteral("menSpeichern"));
        QCOMPARE(f.tisch.meldungen, QStringList{"Speichern|Die Datei „nirgends.gowet“ konnte nicht gespeichert werden: "
                                                "der Ordner „" +
                                                pfad("fehlt") + "“ ist nicht vorhanden."});
        QCOMPARE(zeile(f.w.dateiName(), label(&f.w, "lblDateiE"), f.w.ungespeichert()),
                 zeile(pfad("gut.gowet"), "gut.gowet", 1));
    }

    // On a full disk the saved game keeps every byte, and the window says why and still counts as unsaved.
    void speichernAufVollePlatte() {
        ovi::test::KleinePlatte platte;
        if (!platte.fehlt.empty()) QSKIP(platte.fehlt.c_str());
        const QString datei = platte.pfad(QStringLiteral("spiel.gowet"));
        Kleinspiel f;
        f.tisch.dateien << QStringList{datei} << QStringList{datei};
        befehl(&f.w, QStringLiteral("menSpeichern"));
        const QByteArray alt = inhalt(datei);
        QVERIFY(platte.fuelle(0));
        tippe(feld(&f.w, "txtHeimTipp", 3), '4');
        f.tisch.antworten << Antwort::ja;
        befehl(&f.w, QStringLiteral("menSpeichern"));
        QCOMPARE(f.tisch.meldungen,
                 QStringList{
                     "Speichern|Die Datei „spiel.gowet“ konnte nicht gespeichert werden: der Datenträger ist voll."});
        QVERIFY(inhalt(datei) == alt && !alt.isEmpty());
        QVERIFY(f.w.ungespeichert());
    }

    // Which tip wins is the file tests' matter; here every chosen file is passed on, and the window shows the tips
    // and the participants of the last file.
    void tippImport() {
        Spielstand a, b;
        setzeTipp(a, 0, 0, 3, 0), setzeTipp(b, 0, 4, 0, 2);
        b.setName(1, "Mia"), b.setSpieltMit(0, true), b.setSpieltMit(1, true);
        QVERIFY(speichereSpieldatei(pfad("a.gowet"), ausSpielstand(a)).empty());
        QVERIFY(speichereSpieldatei(pfad("b.gowet"), ausSpielstand(b)).empty());
        Fenster f({0});
        f.w.starteEinblenden();
        f.tisch.dateien << QStringList{pfad("a.gowet"), pfad("b.gowet")};
        befehl(&f.w, QStringLiteral("menTipps"));
        QCOMPARE(f.tisch.meldungen, QStringList{});
        QCOMPARE(zeile(f.tisch.wahlen.last().titel, finde(&f.w, "fraSpieler", 1)->isVisibleTo(&f.w),
                       label(&f.w, "lblSpieler_1"), inhalt(feld(&f.w, "txtHeimTipp", 0)),
                       inhalt(feld(&f.w, "txtAusTipp", 4))),
                 "Wählen Sie die zu importierende(n) Datei(en) 1 Mia 3 2");
    }

    // Match information replaces the plan and the view, keeps the tips; the next save is proposed among the
    // user's documents.
    void spielInformationen() {
        SpielInfo info;
        info.spiele[50].heim = 12, info.spiele[50].datum = "24.06.2006", info.ansicht = 8;
        QVERIFY(speichereSpielInfo(pfad("plan.gowet"), info).empty());
        Fenster f;
        f.s.tipps(0, 50, 0) = 2;
        f.tisch.dateien << QStringList{pfad("plan.gowet")} << QStringList{pfad("gut.gowet")};
        f.tisch.antworten << Antwort::nein;
        befehl(&f.w, QStringLiteral("menSpiele"));
        QCOMPARE(f.tisch.meldungen, QStringList{});
        QVERIFY(f.s.spiele == info.spiele);
        QCOMPARE(zeile(f.tisch.wahlen.last().titel, f.w.ansicht(), f.s.tipps(0, 50, 0),
                       finde<QComboBox>(&f.w, QStringLiteral("cmbPhase"))->currentText(),
                       finde(&f.w, "imgSpielHeim", 2)->toolTip()),
                 zeile("Wählen Sie die zu importierenden Spiel-Informationen!", 8, 2, "Achtelfinale",
                       " " + QString::fromStdString(f.s.nationen[12]) + " "));
        befehl(&f.w, QStringLiteral("menSpeichern"));
        QCOMPARE(f.tisch.wahlen.last().vorschlag,
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath("plan.gowet"));
    }

    void beenden_data() {
        QTest::addColumn<int>("antwort");  // -1: nothing changed, nothing asked
        QTest::addColumn<bool>("speichert");
        QTest::addColumn<QString>("danach");  // closed, still visible, file written
        QTest::newRow("nichts geändert") << -1 << false << "1 0 0";
        QTest::newRow("Abbrechen") << int(Antwort::abbrechen) << false << "0 1 0";
        QTest::newRow("Nein") << int(Antwort::nein) << false << "1 0 0";
        QTest::newRow("Ja") << int(Antwort::ja) << true << "1 0 1";
        QTest::newRow("Ja, Speichern abgebrochen") << int(Antwort::ja) << false << "0 1 0";
    }

    void beenden() {
        QFETCH(int, antwort);
        QFETCH(bool, speichert);
        QFETCH(QString, danach);
        Fenster f;
        sichtbar(f.w);
        QSignalSpy ende(&f.w, &frmHaupt::beendet);
        if (antwort >= 0) tippe(feld(&f.w, "txtHeimErg", 0), '1'), f.tisch.antworten << Antwort(antwort);
        if (speichert) f.tisch.dateien << QStringList{pfad("ende.gowet")};
        befehl(&f.w, QStringLiteral("menBeenden"));
        QCOMPARE(f.tisch.fragen,
                 antwort >= 0 ? QStringList{"ovi kuvela|Sollen die Änderungen gespeichert werden?"} : QStringList{});
        QCOMPARE(zeile(ende.count(), f.w.isVisible(), QFile::exists(pfad("ende.gowet"))), danach);
    }

  private:
    QString pfad(const char* name) const { return ordner_->filePath(QString::fromUtf8(name)); }
    std::unique_ptr<QTemporaryDir> ordner_;
};

QTEST_MAIN(TestDateien)
#include "test_dateien.moc"
