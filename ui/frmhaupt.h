// The main window: owner of the one game state; it wires the parts that show the game and the commands that change it.
//
// Data flow:  Spielraster (results, ticks, tips) --leseRaster--> Spielstand --werteKomplettAus--> evaluation records
//             records --sortiereTabelle--> ranking order --Tabellenbereich::zeige--> ranking rows
//             Spielstand + records --fuelleRaster--> match columns, tip fields, participant rows (Teilnehmerspalte)
//             tips --zeigeTendenz--> counters;  files only through Dateibefehle, after checking
//             dialogs get the Spielstand and call back starteEinblenden / starteAuswertung
#pragma once

#include <QMainWindow>

#include "core/bonus.h"
#include "files/spieldatei.h"
#include "ui/ablauf.h"

class QUndoStack;

namespace ovi {

class Dateiwache;
class Spielraster;
class Tabellenbereich;
class Menue;
class Dateibefehle;
class Druckbefehle;
class Bearbeitenbefehle;
class Fensterbefehle;
class Turnierbefehle;
class Tippbefehle;
class Rueckgaengig;

class frmHaupt : public QMainWindow, private Ablauf {
    Q_OBJECT

  public:
    explicit frmHaupt(Dienste dienste = {}, QWidget* eltern = nullptr);
    ~frmHaupt() override;
    Spielstand& spielstand() override { return s_; }
    const Dienste& dienste() const override { return dienste_; }
    int ansicht() const override;
    QString dateiName() const;

    // For the dialogs: participants or the own rule changed; the champion after a drawn final.
    void starteEinblenden() override;
    void starteAuswertung() override;
    void setWeltmeister(const std::string& team) override;
    // Lays out and fills a phase view; a view outside 0..10 is refused and the current one kept.
    bool zeigePhase(int v);
    void passeAnBildschirm(int hoehePx);  // small screens get the window maximised
    void oeffne(const QString& pfad);     // as "Öffnen" once its chooser has answered
    // The undo history, and what the recovery copy needs of it: the game, its file and the file's guard.
    QUndoStack* verlauf() const;
    bool ungespeichert() override;
    void beginneVerlauf();
    Spieldatei aktuellesBild();
    void oeffneWiederhergestellt(const Spieldatei& d, const QString& dateiName);
    Dateiwache& dateiwache();

  signals:
    void beendet();
    void ausgewertet();  // table, grid and records are up to date after an evaluation

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    // The steps of the data flow above, for the menu and the command groups (ui/ablauf.h).
    const Bilder& bilder() const override { return bilder_; }
    QWidget* eltern() override { return this; }
    void leseRaster() override;
    void fuelleRaster() override;
    void zeigeTendenz() override;
    void werteAus() override;
    void zeigeAnsicht(int v) override;
    void zeigeUngewertet() override;
    void zeigeNeuesSpiel() override;
    void zeigeRegel() override;
    void nimmAuf(const QString& schritt) override;
    void sicher(const std::function<void()>& body) override;
    void verbinde();
    void einblenden();
    void nachBewertung(Bonusausgang ausgang);

    Spielstand s_;
    Dienste dienste_;
    Bilder bilder_;
    Spielraster* raster_ = nullptr;       // "Spiele": phase list, buttons, match columns, participant rows
    Tabellenbereich* tabelle_ = nullptr;  // "Tabelle": file, rule, bonus, sort selector, ranking rows
    Menue* menue_ = nullptr;
    Dateibefehle* datei_ = nullptr;            // open, save, imports, quit
    Druckbefehle* druck_ = nullptr;            // print and export
    Bearbeitenbefehle* bearbeiten_ = nullptr;  // rules, evaluated matches, reset
    Fensterbefehle* fenster_ = nullptr;        // the dialogs and windows beside this one
    Turnierbefehle* turnier_ = nullptr;        // knock-out pairings, group tables
    Tippbefehle* tipp_ = nullptr;              // tips from text, tip sheets, missing tips, digit advance
    Rueckgaengig* rueckgaengig_ = nullptr;     // undo and redo
};

}  // namespace ovi
