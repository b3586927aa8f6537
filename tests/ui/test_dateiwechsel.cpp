// Giving up the game in hand: opening another one or importing match information asks first, like quitting;
// what comes from a file moves the rule mark; a save after an import never aims at the imported file.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "spieldatei.h"
#include "spielinfo.h"
#include "hilfe.h"

namespace {

QString label(const QObject* w, const char* name) { return finde<QLabel>(w, QString::fromUtf8(name))->text(); }

QString haken(const QObject* w) {
    QStringList l;
    for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
        if (finde<QAction>(w, QString::fromUtf8(n))->isChecked()) l << QString::fromUtf8(n);
    return l.join(u',');
}

QString dokumente() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

}  // namespace

class TestDateiwechsel : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        ordner_ = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner_->isValid());
        Spielstand anderes;
        anderes.setName(0, "Vera");
        QVERIFY(speichereSpieldatei(pfad("anderes.gowet"), ausSpielstand(anderes)).empty());
        SpielInfo plan;
        plan.spiele[50].heim = 12, plan.ansicht = 8;
        QVERIFY(speichereSpielInfo(pfad("plan.gowet"), plan).empty());
    }

    void fragtVorDemErsetzen_data() {
        QTest::addColumn<QString>("menue");
        QTest::addColumn<int>("antwort");     // -1: nothing typed, nothing asked
        QTest::addColumn<bool>("speichert");  // the save chooser names a file, else it is cancelled
        QTest::addColumn<QString>("danach");  // questions, saved file written, file taken over, typed digit kept
        for (const char* b : {"menÖffnen", "menSpiele"}) {
            const QString menue = QString::fromUtf8(b);
            QTest::addRow("%s nichts geändert", b) << menue << -1 << false << "0 0 1 -";
            QTest::addRow("%s Abbrechen", b) << menue << int(Antwort::abbrechen) << false << "1 0 0 1";
            QTest::addRow("%s Nein", b) << menue << int(Antwort::nein) << false << "1 0 1 -";
            QTest::addRow("%s Ja", b) << menue << int(Antwort::ja) << true << "1 1 1 -";
            QTest::addRow("%s Ja, Speichern abgebrochen", b) << menue << int(Antwort::ja) << false << "1 0 0 1";
        }
    }

    // Like "Beenden": the question only after a change, Ja saves first and goes on only when that succeeded.
    void fragtVorDemErsetzen() {
        QFETCH(QString, menue);
        QFETCH(int, antwort);
        QFETCH(bool, speichert);
        QFETCH(QString, danach);
        Fenster f;
        sichtbar(f.w);
        if (antwort >= 0) tippe(feld(&f.w, "txtHeimErg", 0), '1'), f.tisch.antworten << Antwort(antwort);
        if (antwort == int(Antwort::ja)) f.tisch.dateien << (speichert ? QStringList{pfad("gerettet")} : QStringList{});
        const bool oeffnen = menue == QStringLiteral("menÖffnen");
        f.tisch.dateien << QStringList{pfad(oeffnen ? "anderes.gowet" : "plan.gowet")};
        befehl(&f.w, menue);
        const bool uebernommen = oeffnen ? f.s.getName(0) == "Vera" : f.s.spiele[50].heim == 12;
        // The match information replaces the result typed into view 0 as well.
        const bool behalten = f.s.spiele[0].ergHeim == 1;
        QCOMPARE(zeile(f.tisch.fragen.size(), QFile::exists(pfad("gerettet.gowet")), uebernommen,
                       uebernommen ? QStringLiteral("-") : QString::number(behalten)),
                 danach);
        if (antwort >= 0)
            QCOMPARE(f.tisch.fragen.first(), QStringLiteral("ovi kuvela|Sollen die Änderungen gespeichert werden?"));
        QCOMPARE(f.tisch.meldungen, QStringList{});
    }

    // The mark of the rule menu follows the rule read from a game file, opened or imported as tips.
    void regelHakenFolgtDerDatei() {
        const struct {
            int modus;
            const char* haken;
            const char* name;
        } regeln[] = {{0, "menEigeneRegel", "Eigene Regel"},
                      {1, "men2Punkte", "2-Punkte-Regel"},
                      {2, "men3Punkte", "3-Punkte-Regel"},
                      {3, "men321", "3-2-1-Regel"}};
        QStringList gesehen, soll;
        for (const auto& r : regeln) {
            Spielstand s;
            s.regel.modus = Integer(r.modus);
            QVERIFY(speichereSpieldatei(pfad("regel.gowet"), ausSpielstand(s)).empty());
            for (const char* b : {"menÖffnen", "menTipps"}) {
                Fenster f;
                // Another mark than the file's.
                befehl(&f.w, r.modus == 1 ? QStringLiteral("men321") : QStringLiteral("men2Punkte"));
                f.tisch.dateien << QStringList{pfad("regel.gowet")} << QStringList{pfad("regel.gowet")};
                f.tisch.antworten << Antwort::nein;
                befehl(&f.w, QString::fromUtf8(b));
                gesehen << zeile(b, haken(&f.w), label(&f.w, "lblModusE"));
                soll << zeile(b, r.haken, r.name);
            }
        }
        QCOMPARE(gesehen, soll);
    }

    void vorschlagNachImport_data() {
        QTest::addColumn<QString>("fall");
        QTest::newRow("ohne eigene Datei") << "ohne";
        QTest::newRow("mit eigener Datei") << "eigen";
        QTest::newRow("Plan unter den Dokumenten") << "dokumente";
    }

    // After importing match information, the save proposes the game's own file, the one lblDateiE names; a game
    // without one gets the imported name among the user's documents, but never the imported file itself.
    void vorschlagNachImport() {
        QFETCH(QString, fall);
        // The documents folder of a home of our own.
        const QByteArray heim = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", ordner_->path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        const QDir dok(dokumente());
        QString plan = pfad("plan.gowet");
        if (fall == QLatin1String("dokumente")) {
            QVERIFY(QDir().mkpath(dok.path()));
            QVERIFY(QFile::copy(plan, dok.filePath("plan.gowet")));
            plan = dok.filePath("plan.gowet");
        }
        Fenster f;
        if (fall == QLatin1String("eigen")) {
            f.tisch.dateien << QStringList{pfad("eigen.gowet")};
            befehl(&f.w, QStringLiteral("menSpeichern"));
        }
        f.tisch.dateien << QStringList{plan} << QStringList{};
        befehl(&f.w, QStringLiteral("menSpiele"));
        befehl(&f.w, QStringLiteral("menSpeichern"));
        const QString vorschlag = f.tisch.wahlen.last().vorschlag;
        qputenv("HOME", heim);
        if (!xdg.isNull()) qputenv("XDG_CONFIG_HOME", xdg);
        const QString soll = fall == QLatin1String("eigen")  ? pfad("eigen.gowet")
                             : fall == QLatin1String("ohne") ? dok.filePath("plan.gowet")
                                                             : dok.filePath("plan-Tippspiel.gowet");
        QCOMPARE(zeile(vorschlag, "|" + label(&f.w, "lblDateiE") + "|", f.s.spiele[50].heim),
                 zeile(soll, fall == QLatin1String("eigen") ? "|eigen.gowet|" : "||", 12));
    }

  private:
    QString pfad(const char* name) const { return ordner_->filePath(QString::fromUtf8(name)); }
    std::unique_ptr<QTemporaryDir> ordner_;
};

QTEST_MAIN(TestDateiwechsel)
#include "test_dateiwechsel.moc"
