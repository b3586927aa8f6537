// File commands through the real menu items, with the file chooser and the questions answered by the test.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>

#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "hilfe.h"

using namespace ovi;
using namespace ovi::test;

namespace {

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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

QString labelText(const QObject* w, const char* name) { return finde<QLabel>(w, QString::fromUtf8(name))->text(); }

// A small game made through the window: two participants, typed tips and results, one tick.
void richteEin(frmHaupt& w) {
    Spielstand& s = w.spielstand();
    s.setName(0, "Jörg");
    s.setSpieltMit(0, true);
    s.setName(3, "Lena");
    s.setSpieltMit(3, true);
    s.setWMTipp(3, 5);
    s.spiele[2].heim = 4;
    s.spiele[2].aus = 9;
    w.starteEinblenden();
    sichtbar(w);
    tippe(feld(&w, "txtHeimErg", 2), '2');
    tippe(feld(&w, "txtHeimTipp", 2), '3');
    tippe(feld(&w, "txtAusTipp", 26), '1');
    QTest::mouseClick(finde<QCheckBox>(&w, QStringLiteral("chkAuswerten_2")), Qt::LeftButton);
}

}  // namespace

class TestDateien : public QObject {
    Q_OBJECT

  private slots:
    // A fresh folder for every test and every row.
    void init() {
        ordner_ = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner_->isValid());
    }
    void rundreise();
    void ueberschreiben_data();
    void ueberschreiben();
    void abbrechenAendertNichts();
    void kaputteDateien_data();
    void kaputteDateien();
    void speichernScheitert();
    void tippImport();
    void tippImportMitKaputterDatei();
    void spielInformationen();
    void beenden_data();
    void beenden();

  private:
    QString pfad(const char* name) const { return ordner_->filePath(QString::fromUtf8(name)); }
    std::unique_ptr<QTemporaryDir> ordner_;
};

void TestDateien::rundreise() {
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    richteEin(w);
    QVERIFY(w.ungespeichert());
    tisch.dateien << QStringList{pfad("runde")};
    befehl(&w, QStringLiteral("menSpeichern"));
    QCOMPARE(tisch.meldungen, QStringList{});
    const QString datei = pfad("runde.gowet");
    QVERIFY(QFile::exists(datei));
    QCOMPARE(w.dateiName(), datei);
    QCOMPARE(labelText(&w, "lblDateiE"), QStringLiteral("runde.gowet"));
    QVERIFY(!w.ungespeichert());
    QCOMPARE(tisch.wahlen.last().titel, QStringLiteral("Geben Sie den Namen der Datei zum Speichern ein!"));

    Schreibtisch tisch2;
    frmHaupt w2(tisch2.dienste());
    tisch2.dateien << QStringList{datei};
    befehl(&w2, QStringLiteral("menÖffnen"));
    QCOMPARE(tisch2.meldungen, QStringList{});
    QCOMPARE(tisch2.wahlen.last().titel, QStringLiteral("Wählen Sie den gespeicherten Spielstand!"));
    QCOMPARE(tisch2.wahlen.last().vorschlag, QString());
    QVERIFY(bild(w2.spielstand()) == bild(w.spielstand()));
    QCOMPARE(w2.ansicht(), 0);
    QCOMPARE(feld(&w2, "txtHeimTipp", 2)->text(), QStringLiteral("3"));
    QCOMPARE(labelText(&w2, "lblModusE"), QStringLiteral("3-2-1-Regel"));
    QCOMPARE(labelText(&w2, "lblBonusE"), QStringLiteral("0"));
    QCOMPARE(labelText(&w2, "lblDateiE"), QStringLiteral("runde.gowet"));
    QCOMPARE(labelText(&w2, "lblSpieler_3"), QStringLiteral("Lena"));
    QVERIFY(finde<QWidget>(&w2, QStringLiteral("fraSpieler_3"))->isVisibleTo(&w2));
    QVERIFY(!w2.ungespeichert());

    // Opened and saved again under another name: the same bytes; the chooser starts in the file's folder.
    tisch2.dateien << QStringList{pfad("zweite.gowet")};
    befehl(&w2, QStringLiteral("menSpeichern"));
    QCOMPARE(tisch2.wahlen.last().ordner, ordner_->path());
    QCOMPARE(tisch2.wahlen.last().vorschlag, datei);
    QCOMPARE(inhalt(pfad("zweite.gowet")), inhalt(datei));
}

void TestDateien::ueberschreiben_data() {
    QTest::addColumn<int>("antwort");
    QTest::addColumn<bool>("ersetzt");
    QTest::newRow("Ja") << int(Antwort::ja) << true;
    QTest::newRow("Nein") << int(Antwort::nein) << false;
}

void TestDateien::ueberschreiben() {
    QFETCH(int, antwort);
    QFETCH(bool, ersetzt);
    const QString datei = pfad("alt.gowet");
    schreibe(datei, "alter Inhalt");
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    richteEin(w);
    tisch.dateien << QStringList{datei};
    tisch.antworten << Antwort(antwort);
    befehl(&w, QStringLiteral("menSpeichern"));
    QCOMPARE(tisch.fragen.size(), 1);
    QVERIFY(tisch.fragen.first().contains(QStringLiteral("alt.gowet")));
    QCOMPARE(inhalt(datei) != QByteArray("alter Inhalt"), ersetzt);
    QCOMPARE(w.dateiName(), ersetzt ? datei : QString());
    QCOMPARE(w.ungespeichert(), !ersetzt);
}

void TestDateien::abbrechenAendertNichts() {
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    richteEin(w);
    const Spieldatei vorher = bild(w.spielstand());
    tisch.dateien << QStringList{} << QStringList{} << QStringList{} << QStringList{};
    for (const char* b : {"menÖffnen", "menSpeichern", "menTipps", "menSpiele"}) befehl(&w, QString::fromUtf8(b));
    QCOMPARE(tisch.wahlen.size(), 4);
    QVERIFY(bild(w.spielstand()) == vorher);
    QCOMPARE(w.dateiName(), QString());
    QCOMPARE(labelText(&w, "lblDateiE"), QString());
    QCOMPARE(tisch.meldungen, QStringList{});
    QCOMPARE(QDir(ordner_->path()).entryList(QDir::Files), QStringList{});
}

void TestDateien::kaputteDateien_data() {
    QTest::addColumn<int>("art");
    QTest::newRow("leer") << 0;
    QTest::newRow("mitten in Block 2 abgeschnitten") << 1;
    QTest::newRow("Team 33") << 2;
    QTest::newRow("Tipp 10 Tore") << 3;
}

// A bad file is reported with the reader's text and changes nothing at all.
void TestDateien::kaputteDateien() {
    QFETCH(int, art);
    Spielstand muster;
    QByteArray gut = QByteArray::fromStdString(schreibeSpieldatei(ausSpielstand(muster)));
    QByteArray bytes;
    switch (art) {
        case 0:
            break;
        case 1:
            bytes = gut.left(500);
            break;
        case 2:
            bytes = gut;
            bytes[303] = 33;  // home team of match 0
            break;
        case 3:
            bytes = gut;
            bytes[bytes.size() - 2] = 10;  // away goals of the last tip
            break;
    }
    const QString datei = pfad("kaputt.gowet");
    schreibe(datei, bytes);
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    richteEin(w);
    const Spieldatei vorher = bild(w.spielstand());
    tisch.dateien << QStringList{datei} << QStringList{datei};
    befehl(&w, QStringLiteral("menÖffnen"));
    befehl(&w, QStringLiteral("menTipps"));
    QCOMPARE(tisch.meldungen.size(), 2);
    for (const QString& m : tisch.meldungen) QVERIFY2(m.contains(QStringLiteral("kaputt.gowet")), qPrintable(m));
    QVERIFY(bild(w.spielstand()) == vorher);
    QCOMPARE(w.dateiName(), QString());
    QCOMPARE(feld(&w, "txtHeimTipp", 2)->text(), QStringLiteral("3"));
}

void TestDateien::speichernScheitert() {
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    richteEin(w);
    tisch.dateien << QStringList{pfad("gut.gowet")} << QStringList{pfad("fehlt/nirgends.gowet")};
    befehl(&w, QStringLiteral("menSpeichern"));
    tippe(feld(&w, "txtHeimTipp", 3), '4');
    befehl(&w, QStringLiteral("menSpeichern"));
    QCOMPARE(tisch.meldungen.size(), 1);
    QVERIFY(
        tisch.meldungen.first().startsWith(QStringLiteral("Speichern|Die Datei konnte nicht gespeichert werden.\n")));
    QCOMPARE(w.dateiName(), pfad("gut.gowet"));
    QCOMPARE(labelText(&w, "lblDateiE"), QStringLiteral("gut.gowet"));
    QVERIFY(w.ungespeichert());
}

// Only 0:0 tips are filled, the first file wins, the game's results and ticks stay.
void TestDateien::tippImport() {
    Spielstand a, b;
    for (Spielstand* s : {&a, &b}) {
        s->setName(0, "Jörg");
        s->setSpieltMit(0, true);
        s->spiele[0].ergHeim = 7;
    }
    a.tipps(0, 0, 0) = 3;
    a.tipps(0, 1, 0) = 1;
    a.tipps(0, 1, 1) = 1;
    b.tipps(0, 0, 0) = 4;
    b.tipps(0, 0, 1) = 4;
    b.tipps(0, 4, 1) = 2;
    b.setName(1, "Mia");
    b.setSpieltMit(1, true);
    QVERIFY(speichereSpieldatei(pfad("a.gowet"), ausSpielstand(a)).empty());
    QVERIFY(speichereSpieldatei(pfad("b.gowet"), ausSpielstand(b)).empty());

    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    Spielstand& s = w.spielstand();
    s.setSpieltMit(0, true);
    s.tipps(0, 1, 0) = 2;
    s.tipps(0, 1, 1) = 1;
    s.spiele[0].ergHeim = 1;
    s.spiele[0].auswerten = true;
    w.starteEinblenden();
    tisch.dateien << QStringList{pfad("a.gowet"), pfad("b.gowet")};
    befehl(&w, QStringLiteral("menTipps"));
    QCOMPARE(tisch.meldungen, QStringList{});
    QCOMPARE(tisch.wahlen.last().titel, QStringLiteral("Wählen Sie die zu importierende(n) Datei(en)"));
    QCOMPARE(QPair(int(s.tipps(0, 0, 0)), int(s.tipps(0, 0, 1))), QPair(3, 0));
    QCOMPARE(QPair(int(s.tipps(0, 1, 0)), int(s.tipps(0, 1, 1))), QPair(2, 1));
    QCOMPARE(QPair(int(s.tipps(0, 4, 0)), int(s.tipps(0, 4, 1))), QPair(0, 2));
    QCOMPARE(int(s.spiele[0].ergHeim), 1);
    QVERIFY(s.spiele[0].auswerten);
    // The participants of the last file show.
    QCOMPARE(labelText(&w, "lblSpieler_1"), QStringLiteral("Mia"));
    QVERIFY(finde<QWidget>(&w, QStringLiteral("fraSpieler_1"))->isVisibleTo(&w));
    QCOMPARE(feld(&w, "txtHeimTipp", 0)->text(), QStringLiteral("3"));
    QCOMPARE(feld(&w, "txtAusTipp", 4)->text(), QStringLiteral("2"));
}

void TestDateien::tippImportMitKaputterDatei() {
    Spielstand a;
    a.tipps(0, 0, 0) = 3;
    QVERIFY(speichereSpieldatei(pfad("a.gowet"), ausSpielstand(a)).empty());
    schreibe(pfad("b.gowet"), "kein Spielstand");
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    const Spieldatei vorher = bild(w.spielstand());
    tisch.dateien << QStringList{pfad("a.gowet"), pfad("b.gowet")};
    befehl(&w, QStringLiteral("menTipps"));
    QCOMPARE(tisch.meldungen.size(), 1);
    QVERIFY(tisch.meldungen.first().contains(QStringLiteral("b.gowet")));
    QVERIFY(bild(w.spielstand()) == vorher);
}

void TestDateien::spielInformationen() {
    SpielInfo info;
    info.spiele[50].heim = 12;
    info.spiele[50].datum = "24.06.2006";
    info.ansicht = 8;
    QVERIFY(speichereSpielInfo(pfad("plan.gowet"), info).empty());
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    w.spielstand().tipps(0, 50, 0) = 2;
    tisch.dateien << QStringList{pfad("plan.gowet")} << QStringList{pfad("gut.gowet")};
    befehl(&w, QStringLiteral("menSpiele"));
    QCOMPARE(tisch.meldungen, QStringList{});
    QCOMPARE(tisch.wahlen.last().titel, QStringLiteral("Wählen Sie die zu importierenden Spiel-Informationen!"));
    QCOMPARE(w.ansicht(), 8);
    QCOMPARE(finde<QComboBox>(&w, QStringLiteral("cmbPhase"))->currentText(), QStringLiteral("Achtelfinale"));
    QVERIFY(w.spielstand().spiele == info.spiele);
    QCOMPARE(int(w.spielstand().tipps(0, 50, 0)), 2);
    QCOMPARE(finde<QLabel>(&w, QStringLiteral("imgSpielHeim_2"))->toolTip(),
             QStringLiteral(" %1 ").arg(QString::fromStdString(w.spielstand().nationen[12])));
    // A later save proposes the imported file's name.
    befehl(&w, QStringLiteral("menSpeichern"));
    QCOMPARE(tisch.wahlen.last().vorschlag, pfad("plan.gowet"));
}

void TestDateien::beenden_data() {
    QTest::addColumn<bool>("geaendert");
    QTest::addColumn<QList<int>>("antworten");
    QTest::addColumn<QString>("speicherziel");
    QTest::addColumn<bool>("geschlossen");
    QTest::newRow("nichts geändert") << false << QList<int>{} << QString() << true;
    QTest::newRow("Abbrechen") << true << QList<int>{int(Antwort::abbrechen)} << QString() << false;
    QTest::newRow("Nein") << true << QList<int>{int(Antwort::nein)} << QString() << true;
    QTest::newRow("Ja") << true << QList<int>{int(Antwort::ja)} << QStringLiteral("ende.gowet") << true;
    QTest::newRow("Ja, Speichern abgebrochen") << true << QList<int>{int(Antwort::ja)} << QString() << false;
}

void TestDateien::beenden() {
    QFETCH(bool, geaendert);
    QFETCH(QList<int>, antworten);
    QFETCH(QString, speicherziel);
    QFETCH(bool, geschlossen);
    Schreibtisch tisch;
    frmHaupt w(tisch.dienste());
    sichtbar(w);
    if (geaendert) tippe(feld(&w, "txtHeimErg", 0), '1');
    QSignalSpy ende(&w, &frmHaupt::beendet);
    for (int a : antworten) tisch.antworten << Antwort(a);
    tisch.dateien << (speicherziel.isEmpty() ? QStringList{} : QStringList{ordner_->filePath(speicherziel)});
    befehl(&w, QStringLiteral("menBeenden"));
    QCOMPARE(tisch.fragen,
             geaendert ? QStringList{"ovi kuvela|Sollen die Änderungen gespeichert werden?"} : QStringList{});
    QCOMPARE(ende.count(), geschlossen ? 1 : 0);
    QCOMPARE(w.isVisible(), !geschlossen);
    QCOMPARE(QFile::exists(ordner_->filePath(QStringLiteral("ende.gowet"))), !speicherziel.isEmpty());
}

QTEST_MAIN(TestDateien)
#include "test_dateien.moc"
