// The menu bar: "&Datei", "&Bearbeiten", "&Ansicht" with their submenus, and the keys every desktop program answers.
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "ui/frmhaupt.h"

namespace ovi {

namespace {

QMenu* untermenue(QWidget* oben, const char* name, const char* titel) {
    QMenu* m = nullptr;
    if (auto* leiste = qobject_cast<QMenuBar*>(oben))
        m = leiste->addMenu(QString::fromUtf8(titel));
    else
        m = static_cast<QMenu*>(oben)->addMenu(QString::fromUtf8(titel));
    m->setObjectName(QString::fromUtf8(name));
    m->menuAction()->setObjectName(QString::fromUtf8(name));
    return m;
}

void strich(QMenu* m, const char* name) { m->addSeparator()->setObjectName(QString::fromUtf8(name)); }

}  // namespace

void frmHaupt::baueMenue() {
    // One place that wraps every command in the fault handler.
    auto befehl = [this](QMenu* m, const QString& name, const QString& titel, std::function<void()> tun) {
        QAction* a = m->addAction(titel);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, tun = std::move(tun)] { sicher(tun); });
        return a;
    };
    auto bereich = [](int von, int bis) { return [von, bis](int m) { return m >= von && m <= bis; }; };
    QMenuBar* leiste = menuBar();

    QMenu* datei = untermenue(leiste, "menDatei", "&Datei");
    befehl(datei, QStringLiteral("menÖffnen"), QStringLiteral("Öffnen"), [this] { menOeffnen_Click(); });
    QMenu* importieren = untermenue(datei, "menImportieren", "Importieren");
    befehl(importieren, QStringLiteral("menTipps"), QStringLiteral("Tipps"), [this] { menTipps_Click(); });
    befehl(importieren, QStringLiteral("menSpiele"), QStringLiteral("Spiel-Informationen"),
           [this] { menSpiele_Click(); });
    befehl(importieren, QStringLiteral("menTippText"), QStringLiteral("Tipps aus Text…"), [this] {
        menTippText_Click();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    befehl(datei, QStringLiteral("menSpeichern"), QStringLiteral("Speichern"), [this] { menSpeichern_Click(); });
    baueDruckMenue(datei);
    strich(datei, "menStrich_01");
    befehl(datei, QStringLiteral("menBeenden"), QStringLiteral("Beenden"), [this] { menBeenden_Click(); });

    QMenu* bearbeiten = untermenue(leiste, "menBearbeiten", "&Bearbeiten");
    QMenu* auswahl = untermenue(bearbeiten, "menAuswahl", "auszuwertende Spiele wählen");
    befehl(auswahl, QStringLiteral("menAlle"), QStringLiteral("alle 64 Spiele"),
           [=, this] { waehleSpiele(false, bereich(0, 63)); });
    QMenu* bis = untermenue(auswahl, "menAllesBis", "alle bis einschließlich");
    befehl(bis, QStringLiteral("menABAchtel"), QStringLiteral("Achtelfinale"),
           [=, this] { waehleSpiele(true, bereich(0, 55)); });
    befehl(bis, QStringLiteral("menABViertel"), QStringLiteral("Viertelfinale"),
           [=, this] { waehleSpiele(true, bereich(0, 59)); });
    befehl(bis, QStringLiteral("menABHalb"), QStringLiteral("Halbfinale"),
           [=, this] { waehleSpiele(true, bereich(0, 61)); });
    befehl(auswahl, QStringLiteral("menKein"), QStringLiteral("kein Spiel"),
           [=, this] { waehleSpiele(true, bereich(0, -1)); });
    strich(auswahl, "menStrich_02");
    QMenu* gruppen = untermenue(auswahl, "menGruppen", "Gruppe");
    for (int g = 0; g < 8; ++g)
        befehl(gruppen, QStringLiteral("menGruppe_%1").arg(g), QStringLiteral("Gruppe %1").arg(QChar(u'A' + g)),
               [=, this] { waehleSpiele(true, bereich(6 * g, 6 * g + 5)); });
    QMenu* gruppenphase = untermenue(auswahl, "menGruppenphase", "Gruppenphase");
    auto spieltage = [](int n) { return [n](int m) { return m < 48 && m % 6 <= n; }; };
    befehl(gruppenphase, QStringLiteral("menJeZwei"), QStringLiteral("der erste Spieltag jeder Gruppe"),
           [=, this] { waehleSpiele(true, spieltage(1)); });
    befehl(gruppenphase, QStringLiteral("menJeVier"), QStringLiteral("die ersten beiden Spieltage jeder Gruppe"),
           [=, this] { waehleSpiele(true, spieltage(3)); });
    befehl(auswahl, QStringLiteral("menAlleGruppen"), QStringLiteral("komplette Gruppenphase"),
           [=, this] { waehleSpiele(true, bereich(0, 47)); });
    strich(auswahl, "menStrich_03");
    QMenu* ko = untermenue(auswahl, "menKOPhase", "K.O.-Phase");
    const char* stufen[4] = {"Achtelfinale", "Viertelfinale", "Halbfinale", "Finale"};
    const int stufeVon[4] = {48, 56, 60, 62}, stufeBis[4] = {55, 59, 61, 63};
    for (int k = 0; k < 4; ++k)
        befehl(ko, QStringLiteral("menPhase_%1").arg(k), QString::fromUtf8(stufen[k]),
               [=, this] { waehleSpiele(true, bereich(stufeVon[k], stufeBis[k])); });
    befehl(auswahl, QStringLiteral("menKomKOPhase"), QStringLiteral("komplette K.O.-Phase"),
           [=, this] { waehleSpiele(true, bereich(48, 63)); });

    QMenu* modus = untermenue(bearbeiten, "menModus", "Modus");
    men321 = befehl(modus, QStringLiteral("men321"), QStringLiteral("3-2-1-Regel"), [this] { waehleRegel(3, men321); });
    men3Punkte = befehl(modus, QStringLiteral("men3Punkte"), QStringLiteral("3-Punkte-Regel"),
                        [this] { waehleRegel(2, men3Punkte); });
    men2Punkte = befehl(modus, QStringLiteral("men2Punkte"), QStringLiteral("2-Punkte-Regel"),
                        [this] { waehleRegel(1, men2Punkte); });
    strich(modus, "menStrich_04");
    menEigeneRegel = befehl(modus, QStringLiteral("menEigeneRegel"), QStringLiteral("Eigene Regel erstellen/verwenden"),
                            [this] { menEigeneRegel_Click(); });
    for (QAction* a : {men321, men3Punkte, men2Punkte, menEigeneRegel}) a->setCheckable(true);
    // A click toggles a checkable item by itself; the mark belongs to the rule in force, so put it back.
    for (QAction* a : {men321, men3Punkte, men2Punkte, menEigeneRegel})
        connect(a, &QAction::triggered, this, [this] { sicher([this] { setzeRegelHaken(regelHaken_); }); });
    setzeRegelHaken(men321);

    befehl(bearbeiten, QStringLiteral("menÄndern"), QStringLiteral("Spielerdaten ändern"),
           [this] { menAendern_Click(); });
    befehl(bearbeiten, QStringLiteral("menNull"), QStringLiteral("alles auf Null setzen"), [this] { menNull_Click(); });
    befehl(bearbeiten, QStringLiteral("menKOPaarungen"), QStringLiteral("K.-o.-Paarungen aus Ergebnissen"),
           [this] { menKOPaarungen_Click(); });
    richteZifferWeiterEin(bearbeiten);

    QMenu* ansicht = untermenue(leiste, "menAnsicht", "&Ansicht");
    befehl(ansicht, QStringLiteral("menInfo"), QStringLiteral("Spielerinformationen"), [this] { menInfo_Click(); });
    befehl(ansicht, QStringLiteral("menGruppentabellen"), QStringLiteral("Gruppentabellen"),
           [this] { menGruppentabellen_Click(); });
    befehl(ansicht, QStringLiteral("menVerlauf"), QStringLiteral("Verlauf"), [this] { menVerlauf_Click(); });
    befehl(ansicht, QStringLiteral("menChancen"), QStringLiteral("Chancen"), [this] { menChancen_Click(); });
    befehl(ansicht, QStringLiteral("menFehlendeTipps"), QStringLiteral("Fehlende Tipps"),
           [this] { menFehlendeTipps_Click(); });

    // The usual keys, beside the captions and access keys, which stay as they are.
    const std::pair<const char*, QKeySequence> tasten[] = {{"menÖffnen", QKeySequence(Qt::CTRL | Qt::Key_O)},
                                                           {"menSpeichern", QKeySequence(Qt::CTRL | Qt::Key_S)},
                                                           {"menBeenden", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    for (const auto& [name, taste] : tasten) findChild<QAction*>(QString::fromUtf8(name))->setShortcut(taste);
    // The button's text carries no key of its own; the shortcut clicks it, so a disabled button stays deaf.
    auto* auswerten = new QShortcut(QKeySequence(Qt::Key_F5), this);
    auswerten->setObjectName(QStringLiteral("tasteAuswerten"));
    connect(auswerten, &QShortcut::activated, cmdAuswerten, &QPushButton::click);
}

void frmHaupt::setzeRegelHaken(QAction* gewaehlt) {
    regelHaken_ = gewaehlt;
    for (QAction* a : {men321, men3Punkte, men2Punkte, menEigeneRegel}) a->setChecked(a == gewaehlt);
}

}  // namespace ovi
