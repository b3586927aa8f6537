#include "ui/menue.h"

#include <QMenu>
#include <QMenuBar>
#include <functional>

#include "ui/ablauf.h"
#include "ui/bearbeitenbefehle.h"
#include "ui/dateibefehle.h"
#include "ui/druckbefehle.h"
#include "ui/fensterbefehle.h"
#include "ui/tippbefehle.h"
#include "ui/turnierbefehle.h"

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

// One place that wraps every command in the fault handler and, for a command that changes the game, records the
// step of the undo history after it.
QAction* Menue::befehl(QMenu* m, const char* name, const char* titel, std::function<void()> tun, const char* schritt) {
    QAction* a = m->addAction(QString::fromUtf8(titel));
    a->setObjectName(QString::fromUtf8(name));
    connect(a, &QAction::triggered, this, [this, tun = std::move(tun), schritt] {
        w_.sicher(tun);
        if (schritt) w_.sicher([this, schritt] { w_.nimmAuf(QString::fromUtf8(schritt)); });
    });
    return a;
}

Menue::Menue(Ablauf& fenster, QMenuBar& leiste, const Befehle& b) : QObject(fenster.eltern()), w_(fenster) {
    auto bereich = [](int von, int bis) { return [von, bis](int m) { return m >= von && m <= bis; }; };
    auto waehle = [&b](bool loeschen, std::function<bool(int)> gewaehlt) {
        return [&bearbeiten = b.bearbeiten, loeschen, gewaehlt] { bearbeiten.waehleSpiele(loeschen, gewaehlt); };
    };
    const char* auswahl = "Spielauswahl";

    QMenu* datei = untermenue(&leiste, "menDatei", "&Datei");
    befehl(datei, "menÖffnen", "Öffnen", [&d = b.datei] {
        d.menOeffnen_Click();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu* importieren = untermenue(datei, "menImportieren", "Importieren");
    befehl(
        importieren, "menTipps", "Tipps", [&d = b.datei] { d.menTipps_Click(); }, "Tipps importieren");
    befehl(
        importieren, "menSpiele", "Spiel-Informationen", [&d = b.datei] { d.menSpiele_Click(); },
        "Spiel-Informationen importieren");
    befehl(importieren, "menTippText", "Tipps aus Text…", [&t = b.tipp] {
        t.menTippText_Click();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    befehl(datei, "menSpeichern", "Speichern", [&d = b.datei] {
        d.menSpeichern_Click();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // Print and export before "Beenden", where desktop programs keep them.
    befehl(datei, "menDrucken", "Drucken…", [&d = b.druck] { d.menDrucken_Click(); })->setShortcut(QKeySequence::Print);
    QMenu* exportieren = untermenue(datei, "menExportieren", "Exportieren");
    befehl(exportieren, "menAlsPDF", "Als PDF…", [&d = b.druck] { d.menAlsPDF_Click(); });
    befehl(exportieren, "menAlsHTML", "Als HTML…", [&d = b.druck] { d.menAlsHTML_Click(); });
    befehl(exportieren, "menTippzettel", "Tippzettel…", [&t = b.tipp] { t.menTippzettel_Click(); });
    strich(datei, "menStrich_01");
    befehl(datei, "menBeenden", "Beenden", [&d = b.datei] {
        d.menBeenden_Click();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    bearbeiten_ = untermenue(&leiste, "menBearbeiten", "&Bearbeiten");
    QMenu* wahl = untermenue(bearbeiten_, "menAuswahl", "auszuwertende Spiele wählen");
    befehl(wahl, "menAlle", "alle 64 Spiele", waehle(false, bereich(0, 63)), auswahl);
    QMenu* bis = untermenue(wahl, "menAllesBis", "alle bis einschließlich");
    befehl(bis, "menABAchtel", "Achtelfinale", waehle(true, bereich(0, 55)), auswahl);
    befehl(bis, "menABViertel", "Viertelfinale", waehle(true, bereich(0, 59)), auswahl);
    befehl(bis, "menABHalb", "Halbfinale", waehle(true, bereich(0, 61)), auswahl);
    befehl(wahl, "menKein", "kein Spiel", waehle(true, bereich(0, -1)), auswahl);
    strich(wahl, "menStrich_02");
    QMenu* gruppen = untermenue(wahl, "menGruppen", "Gruppe");
    static const char* gruppenNamen[8][2] = {{"menGruppe_0", "Gruppe A"}, {"menGruppe_1", "Gruppe B"},
                                             {"menGruppe_2", "Gruppe C"}, {"menGruppe_3", "Gruppe D"},
                                             {"menGruppe_4", "Gruppe E"}, {"menGruppe_5", "Gruppe F"},
                                             {"menGruppe_6", "Gruppe G"}, {"menGruppe_7", "Gruppe H"}};
    for (int g = 0; g < 8; ++g)
        befehl(gruppen, gruppenNamen[g][0], gruppenNamen[g][1], waehle(true, bereich(6 * g, 6 * g + 5)), auswahl);
    QMenu* gruppenphase = untermenue(wahl, "menGruppenphase", "Gruppenphase");
    auto spieltage = [](int n) { return [n](int m) { return m < 48 && m % 6 <= n; }; };
    befehl(gruppenphase, "menJeZwei", "der erste Spieltag jeder Gruppe", waehle(true, spieltage(1)), auswahl);
    befehl(gruppenphase, "menJeVier", "die ersten beiden Spieltage jeder Gruppe", waehle(true, spieltage(3)), auswahl);
    befehl(wahl, "menAlleGruppen", "komplette Gruppenphase", waehle(true, bereich(0, 47)), auswahl);
    strich(wahl, "menStrich_03");
    QMenu* ko = untermenue(wahl, "menKOPhase", "K.O.-Phase");
    static const char* stufen[4][2] = {{"menPhase_0", "Achtelfinale"},
                                       {"menPhase_1", "Viertelfinale"},
                                       {"menPhase_2", "Halbfinale"},
                                       {"menPhase_3", "Finale"}};
    const int stufeVon[4] = {48, 56, 60, 62}, stufeBis[4] = {55, 59, 61, 63};
    for (int k = 0; k < 4; ++k)
        befehl(ko, stufen[k][0], stufen[k][1], waehle(true, bereich(stufeVon[k], stufeBis[k])), auswahl);
    befehl(wahl, "menKomKOPhase", "komplette K.O.-Phase", waehle(true, bereich(48, 63)), auswahl);

    // A rule item marks itself first; a click toggles a checkable item by itself, and the mark belongs to the rule in
    // force (the own rule's dialog may still be cancelled), so it is put back after the command.
    QMenu* modus = untermenue(bearbeiten_, "menModus", "Modus");
    const auto regel = [&](const char* name, const char* titel, int nr, const char* schritt) {
        regeln_[static_cast<std::size_t>(nr)] = befehl(
            modus, name, titel,
            [this, &bearbeiten = b.bearbeiten, nr] {
                setzeRegelHaken(nr);
                bearbeiten.waehleRegel(nr);
            },
            schritt);
    };
    regel("men321", "3-2-1-Regel", 3, "3-2-1-Regel");
    regel("men3Punkte", "3-Punkte-Regel", 2, "3-Punkte-Regel");
    regel("men2Punkte", "2-Punkte-Regel", 1, "2-Punkte-Regel");
    strich(modus, "menStrich_04");
    regeln_[0] = befehl(modus, "menEigeneRegel", "Eigene Regel erstellen/verwenden",
                        [&f = b.fenster] { f.menEigeneRegel_Click(); });
    for (QAction* a : regeln_) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this] { w_.sicher([this] { setzeRegelHaken(regelHaken_); }); });
    }
    setzeRegelHaken(3);

    befehl(bearbeiten_, "menÄndern", "Spielerdaten ändern", [&f = b.fenster] { f.menAendern_Click(); });
    befehl(
        bearbeiten_, "menNull", "alles auf Null setzen", [&e = b.bearbeiten] { e.menNull_Click(); }, "alles auf Null");
    befehl(
        bearbeiten_, "menKOPaarungen", "K.-o.-Paarungen aus Ergebnissen",
        [&t = b.turnier] { t.menKOPaarungen_Click(); }, "K.-o.-Paarungen");
    strich(bearbeiten_, "menStrich_Eingabe");
    QAction* zifferWeiter = bearbeiten_->addAction(QStringLiteral("Nach einer Ziffer weiter"));
    zifferWeiter->setObjectName(QStringLiteral("menZifferWeiter"));
    b.tipp.richteZifferWeiterEin(zifferWeiter);

    QMenu* ansicht = untermenue(&leiste, "menAnsicht", "&Ansicht");
    befehl(ansicht, "menInfo", "Spielerinformationen", [&f = b.fenster] { f.menInfo_Click(); });
    befehl(ansicht, "menGruppentabellen", "Gruppentabellen", [&t = b.turnier] { t.menGruppentabellen_Click(); });
    befehl(ansicht, "menVerlauf", "Verlauf", [&f = b.fenster] { f.menVerlauf_Click(); });
    befehl(ansicht, "menChancen", "Chancen", [&f = b.fenster] { f.menChancen_Click(); });
    befehl(ansicht, "menFehlendeTipps", "Fehlende Tipps", [&t = b.tipp] { t.menFehlendeTipps_Click(); });
}

void Menue::setzeRegelHaken(int modus) {
    regelHaken_ = modus >= 0 && modus < 4 ? modus : -1;
    for (std::size_t i = 0; i < regeln_.size(); ++i)
        if (regeln_[i]) regeln_[i]->setChecked(static_cast<int>(i) == regelHaken_);
}

}  // namespace ovi
