// The main window: owner of the one game state, the match grid, the ranking table and the menus.
//
// Data flow:  grid (results, ticks, tips) --leseRaster--> Spielstand
//             Spielstand --werteKomplettAus--> evaluation records --sortiereTabelle--> ranking order
//             records --zeigeTabelle--> ranking rows;  Spielstand + records --fuelleRaster--> grid
//             tips --zeigeTendenz--> counters;  files only through the commands, after checking
//             dialogs get the Spielstand and call back starteEinblenden / starteAuswertung
#pragma once

#include <QHash>
#include <QMainWindow>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ausgabe/tabellendokument.h"
#include "core/auswertung.h"
#include "core/bonus.h"
#include "core/spielstand.h"
#include "core/zufall.h"
#include "files/spieldatei.h"
#include "ui/bilder.h"
#include "ui/dateiwache.h"
#include "ui/dienste.h"
#include "ui/rueckgaengig.h"
#include "ui/ziffernzelle.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QUndoStack;

namespace ovi {

class frmSpielInfo;
class frmVerlauf;
class frmChancen;
struct Tippaenderung;

class frmHaupt : public QMainWindow, private ZiffernZelle::Halter {
    Q_OBJECT

  public:
    explicit frmHaupt(Dienste dienste = {}, QWidget* eltern = nullptr);
    ~frmHaupt() override;

    Spielstand& spielstand() { return s_; }
    const Spielstand& spielstand() const { return s_; }
    int ansicht() const { return ansicht_; }
    QString dateiName() const { return dateiName_; }

    // Called by the dialogs once they have changed participants or the own rule.
    void starteEinblenden();
    void starteAuswertung();
    // The operator's answer after a drawn final.
    void setWeltmeister(const std::string& team);

    // Lays out and fills a phase view; a view outside 0..10 is refused and the current one kept.
    bool zeigePhase(int v);
    // Small screens get the window maximised.
    void passeAnBildschirm(int hoehePx);
    // True when the game differs from what was last saved or opened (takes the grid over first).
    bool ungespeichert();
    // Opens a game file as "Öffnen" does once its chooser has answered (the file named on the command line).
    void oeffne(const QString& pfad);

    // Undo history and recovery (frmhaupt_rueckgaengig.cpp).
    QUndoStack* verlauf() const { return verlauf_; }
    // Takes the game as it stands as the saved starting point: no steps, nothing unsaved.
    void beginneVerlauf();
    // What a save would write now, values in the grid not yet taken over included.
    Spieldatei aktuellesBild();
    // A recovery copy, opened as an unsaved game under its former file name.
    void oeffneWiederhergestellt(const Spieldatei& d, const QString& dateiName);
    const Dienste& dienste() const { return dienste_; }
    Dateiwache& dateiwache() { return wache_; }

  signals:
    void beendet();
    // Table, grid and records are up to date after an evaluation.
    void ausgewertet();

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    enum class Art { heimErg, ausErg, heimTipp, ausTipp, spielerName, tabName, info };
    struct Ort {
        Art art;
        int index;
    };

    // Building the window once (frmhaupt_aufbau.cpp).
    void baueSpielfeld(QWidget* zentrum);
    void baueSpalte(int s);
    void baueZeile(int p);
    void baueTabelle(QWidget* zentrum);
    void setzeReihenfolge();
    ZiffernZelle* neuesFeld(QWidget* eltern, const QString& name, Art art, int index);
    void merke(QObject* o, Art art, int index);

    // Menu (frmhaupt_menue.cpp).
    void baueMenue();
    void setzeRegelHaken(QAction* gewaehlt);

    // Phase views (frmhaupt_phase.cpp).
    void cmbPhase_Click(int index);
    // The column and tip-field geometry of a view, without filling it.
    void ordnePhaseAn(int v);
    bool schmal_ = false;  // the narrow layout of "Achtelfinale" is in place

    // Grid and table (frmhaupt_raster.cpp).
    void fuelleRaster();
    void leseRaster();
    void einblenden();
    void stapleZeilen();
    void zeigeTabelle();
    void setzeMarken(int schluessel);
    void cmbSortierung_Click(int index);
    void nachBewertung(Bonusausgang ausgang);

    // Tendency counters (frmhaupt_tendenz.cpp).
    void zeigeTendenz();

    // Entry fields (frmhaupt_eingabe.cpp); the cells key, colour and restore themselves.
    void zelleBeginnt(ZiffernZelle& z) override;
    void zelleGeaendert(ZiffernZelle& z) override;
    QString zellenName(const ZiffernZelle& z) const override;
    void feldGeaendert(Art art);
    Integer& vorher(Art art);

    // Effects (frmhaupt_effekte.cpp).
    void tmrWechsel_Timer();
    void lblSpieler_MouseMove(int p);
    void lblTabSpieler_MouseMove(int r);
    void setzeMarke(int slot, int zeile);

    // File commands (frmhaupt_datei.cpp).
    void menOeffnen_Click();
    void oeffneDatei(const QString& pfad);
    bool menSpeichern_Click();
    void menTipps_Click();
    void menSpiele_Click();
    void menBeenden_Click();
    bool darfVerwerfen();
    QString startOrdner() const;

    // Edit commands (frmhaupt_befehle.cpp).
    void cmdAuswerten_Click();
    void waehleRegel(int modus, QAction* punkt);
    // Name, bonus and menu mark of the rule in the game state, after it came from a file.
    void zeigeRegel();
    void waehleSpiele(bool loeschen, const std::function<bool(int)>& gewaehlt);
    void menNull_Click();
    void cmdZufall_Click();

    // Dialogs (frmhaupt_dialoge.cpp).
    void menEigeneRegel_Click();
    void menAendern_Click();
    void menInfo_Click();
    void imgInfo_Click(int s);
    void zeigeBonusSieger();
    void frageWeltmeister();
    void menVerlauf_Click();  // frmhaupt_verlauf.cpp
    void menChancen_Click();  // frmhaupt_chancen.cpp

    // The tournament beyond the group stage (frmhaupt_turnier.cpp).
    void menKOPaarungen_Click();
    void menGruppentabellen_Click();
    // Print and export (frmhaupt_export.cpp).
    void baueDruckMenue(QMenu* datei);
    std::optional<Tabellendokument> tabellendokument(const QString& titel);
    void menDrucken_Click();
    void exportiere(const QString& art, const QString& endung, const QString& filter,
                    const std::function<std::string(const Tabellendokument&)>& erzeuge);
    Dokumentwahl dokumentWahl_;
    bool chancenWahl_ = false;  // the chances go into print and export

    // Collecting tips (frmhaupt_tippsammeln.cpp): tips from text, tip sheets, missing tips, digit advance.
    void menTippText_Click();
    void uebernimmTippText(const std::vector<Tippaenderung>& a);
    void menTippzettel_Click();
    void menFehlendeTipps_Click();
    QAction* richteZifferWeiterEin(QMenu* bearbeiten);
    // Keeps a window of this kind up to date with every step and evaluation while it is shown.
    void folgeSpiel(QWidget* fenster, const std::function<void()>& neu);

    // Undo history (frmhaupt_rueckgaengig.cpp).
    void richteVerlaufEin();
    StandZeiger nimmStand();
    void zeigeStand(const StandZeiger& st);
    // Records a step when the game changed since the last one.
    void nimmAuf(const QString& text);
    // Changes that are no step of their own (view, sorting, evaluation, save) become the base of the next one.
    void merkeStand();
    // After a save or an open: the game as it stands is what the file holds.
    void alsGespeichert();

    // Every handler runs through here: a fault abandons it with a message.
    void sicher(const std::function<void()>& body);

    Spielstand s_;
    Dienste dienste_;
    Dateiwache wache_{dienste_, this};  // the open file: changed by others since? in use elsewhere?
    Bilder bilder_;
    Zufall zufall_;

    int ansicht_ = 0;
    QString dateiName_;
    bool rasterAktiv_ = false;
    Integer wechsel_ = -1;
    std::array<bool, 8> zeileAktiv_{};
    Integer vorherHeimErg_ = 0, vorherAusErg_ = 0, vorherHeimTipp_ = 0, vorherAusTipp_ = 0;
    int markRasterSpieler_ = 0, markRasterPlatz_ = 0, markTabSpieler_ = 0, markTabPlatz_ = 0;
    QHash<const QObject*, Ort> orte_;
    QAction* regelHaken_ = nullptr;
    frmSpielInfo* spielInfo_ = nullptr;
    frmVerlauf* fensterVerlauf_ = nullptr;
    frmChancen* fensterChancen_ = nullptr;
    QUndoStack* verlauf_ = nullptr;
    StandZeiger stand_;       // the game after the last step: the "before" of the next one
    bool stelltHer_ = false;  // an undo or redo is putting a picture back

    // Match area.
    QGroupBox* fraSpiele = nullptr;
    QComboBox* cmbPhase = nullptr;
    QPushButton* cmdTendenz = nullptr;
    QPushButton* cmdZufall = nullptr;
    QPushButton* cmdAuswerten = nullptr;
    QTimer* tmrWechsel = nullptr;
    std::array<QWidget*, 25> fraSpieler{};
    std::array<std::array<QWidget*, 2>, 25> tippBlock{};  // slots 4-5 and 6-7 of a row, shown as a whole
    std::array<QLabel*, 25> lblSpieler{}, lblPunkteGruppe{}, lblPunkteGesamt{};
    std::array<QFrame*, 25> linie{};
    std::array<ZiffernZelle*, 200> txtHeimTipp{}, txtAusTipp{};
    std::array<QFrame*, 8> fraSpiel{}, shpRahmen{}, shpEins{}, shpNull{}, shpZwei{};
    std::array<QLabel*, 8> imgSpielHeim{}, imgSpielAus{}, imgInfo{}, lblTenEins{}, lblTenNull{}, lblTenZwei{};
    std::array<ZiffernZelle*, 8> txtHeimErg{}, txtAusErg{};
    std::array<QCheckBox*, 8> chkAuswerten{};

    // Ranking table.
    QGroupBox* fraTabelle = nullptr;
    QLabel *lblDatei = nullptr, *lblDateiE = nullptr, *lblModus = nullptr, *lblModusE = nullptr, *lblBonusE = nullptr;
    QComboBox* cmbSortierung = nullptr;
    QWidget* fraTabelleTab = nullptr;
    QWidget* picFocus = nullptr;
    std::array<QFrame*, 2> linQuer{};
    std::array<QLabel*, 2> imgSortierer{};
    std::array<QFrame*, 25> fraTabSpieler{};
    std::array<QLabel*, 26> lblBonus{};  // element 25 is the caption "Bonuspunkte:"
    std::array<QLabel*, 25> lblPlatz{}, lblTabSpieler{}, lblTabPunkteGesamt{}, lblTabPunkteGruppe{}, lblTabPunkteKO{},
        lblTab3er{}, lblTab2er{}, lblTab1er{};

    // Rule items of the menu.
    QAction *men321 = nullptr, *men3Punkte = nullptr, *men2Punkte = nullptr, *menEigeneRegel = nullptr;
};

}  // namespace ovi
