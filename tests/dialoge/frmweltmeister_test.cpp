// Champion question after a drawn final: the two finalists, "ok" only after a choice, discard on leaving.
#include "frmweltmeister.h"

#include "dialogtest.h"

class FrmWeltmeisterTest : public DialogTest {
    Q_OBJECT

  private slots:
    // The finalists of the match in slot 63 (an empty list if one is no team, the dialog still usable); "ok"
    // answers only after a choice, leaving discards the choice. One case to a row.
    void fragtNachFinalisten() {
        const QStringList efl = {"Elfenbeinküste", "Tschechische Republik"};
        const std::tuple<const char*, int, int, QStringList, int, const char*, QStringList> faelle[] = {
            {"Heim", 8, 20, {"Argentinien", "Brasilien"}, 0, "ok", {"Argentinien"}},
            {"Gast", 9, 19, efl, 1, "ok", {"Tschechische Republik"}},
            {"unbekannt", 32, 0, {"unbekannt", "Deutschland"}, 0, "ok", {"unbekannt"}},
            {"Aktivierungsverlust", 9, 19, efl, 1, "Aktivierungsverlust", {}},
            {"Escape", 9, 19, efl, 0, "Escape", {}},
            {"kein Team", 0, 50, {}, -1, "Escape", {}}};  // -1: none chosen
        for (const auto& [fall, heim, aus, finalisten, eintrag, weg, antwort] : faelle) {
            Spielstand s;
            s.spiele[63].heim = Integer(heim), s.spiele[63].aus = Integer(aus);
            QStringList antworten;
            auto d = oeffne<frmWeltmeister>(
                s, [&antworten](const std::string& t) { antworten << QString::fromStdString(t); });
            // The question, the list's hint, no choice, the finalists.
            auto* liste = teil<QComboBox>(d, "cmbWeltmeister");
            // No caption text; not an empty one either, for which the desktop would show the program's name.
            const QString titel = d->windowTitle().isEmpty() ? "leer" : d->windowTitle().trimmed();
            const QStringList gezeigt = {fall, titel, teil<QLabel>(d, "lblWeltmeister")->text(),
                                         liste->placeholderText(), QString::number(liste->currentIndex())};
            QCOMPARE((gezeigt + eintraege(liste)).join(u'|'),
                     (QStringList{fall, "", "Wer wurde Weltmeister?", " Weltmeister", "-1"} + finalisten).join(u'|'));
            klickeOk(d);
            QVERIFY2(d->isVisible() && antworten.isEmpty(), fall);
            if (eintrag >= 0) waehle(liste, eintrag);
            QVERIFY2(verlasse(d, weg), fall);
            QTRY_VERIFY2(d.isNull(), fall);
            QCOMPARE(fall + (u'|' + antworten.join(u'|')), fall + (u'|' + antwort.join(u'|')));
        }
    }
};

QTEST_MAIN(FrmWeltmeisterTest)
#include "frmweltmeister_test.moc"
