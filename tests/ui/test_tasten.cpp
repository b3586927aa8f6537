// The usual keys, pressed while the cursor is in a tip field as it is while tipping.
#include <QCheckBox>
#include <QSignalSpy>

#include "hilfe.h"

class TestTasten : public QObject {
    Q_OBJECT

  private slots:
    void tasten_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("zusatz");
        QTest::addColumn<QString>("erwartet");
        const auto strg = static_cast<int>(Qt::ControlModifier);
        // Typed work comes first: the question is cancelled, so no chooser opens.
        QTest::newRow("Öffnen") << int(Qt::Key_O) << strg
                                << "[] [ovi kuvela|Sollen die Änderungen gespeichert werden?] 0 0 2 txtHeimTipp_0";
        QTest::newRow("Speichern") << int(Qt::Key_S) << strg
                                   << "[Geben Sie den Namen der Datei zum Speichern ein!] [] 0 0 2 txtHeimTipp_0";
        QTest::newRow("Beenden") << int(Qt::Key_Q) << strg
                                 << "[] [ovi kuvela|Sollen die Änderungen gespeichert werden?] 0 0 2 txtHeimTipp_0";
        QTest::newRow("auswerten") << int(Qt::Key_F5) << 0 << "[] [] 0 3 2 txtHeimTipp_0";
    }

    void tasten() {
        QFETCH(int, taste);
        QFETCH(int, zusatz);
        QFETCH(QString, erwartet);
        Fenster f({0});
        QSignalSpy beendet(&f.w, &frmHaupt::beendet);
        sichtbar(f.w);
        befehl(&f.w, QStringLiteral("men321"));
        tippe(feld(&f.w, "txtHeimErg", 0), '2');
        klick(&f.w, QStringLiteral("chkAuswerten_0"));
        tippe(feld(&f.w, "txtHeimTipp", 0), '2');

        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(taste),
                        static_cast<Qt::KeyboardModifiers>(zusatz));
        QStringList titel;
        for (const Dateiwahl& w : f.tisch.wahlen) titel << w.titel;
        QCOMPARE(zeile('[' + titel.join('/') + ']', '[' + f.tisch.fragen.join('/') + ']', beendet.count(),
                       text(&f.w, "lblTabPunkteGesamt", 0), inhalt(feld(&f.w, "txtHeimTipp", 0)),
                       QApplication::focusWidget()->objectName()),
                 erwartet);
    }

    // Unchanged, a game ends on Ctrl+Q without a question.
    void beendenOhneFrage() {
        Fenster f;
        QSignalSpy beendet(&f.w, &frmHaupt::beendet);
        sichtbar(f.w);
        QTest::keyClick(&f.w, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(zeile(f.tisch.fragen.size(), beendet.count(), f.w.isVisible()), "0 1 0");
    }
};

QTEST_MAIN(TestTasten)
#include "test_tasten.moc"
