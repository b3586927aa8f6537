// The main window: owner of the one game state; it wires the parts that show the game and the commands that change it.
//
// Data flow:  Spielraster (results, ticks, tips) --leseRaster--> Spielstand --werteKomplettAus--> evaluation records
//             records --sortiereTabelle--> ranking order --Tabellenbereich::zeige--> ranking rows
//             Spielstand + records --fuelleRaster--> match columns, tip fields, participant rows (Teilnehmerspalte)
//             tips --zeigeTendenz--> counters;  files only through Dateibefehle, after checking
//             dialogs get the Spielstand and call back starteEinblenden / starteAuswertung
#pragma once

#include <QMainWindow>
#include <functional>
#include <string>

#include "core/bonus.h"
#include "core/spielstand.h"
#include "files/spieldatei.h"
#include "ui/bilder.h"
#include "ui/dienste.h"

class QUndoStack;

namespace ovi {

class Spielraster;
class Tabellenbereich;
class Menue;
class Dateibefehle;
class Druckbefehle;
class Bearbeitenbefehle;
class Fensterbefehle;
class Turnierbefehle;
class Rueckgaengig;

class frmHaupt : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmHaupt(Dienste dienste = {}, QWidget* eltern = nullptr);
    ~frmHaupt() override;
    Spielstand& spielstand() { return s_; }
    const Dienste& dienste() const { return dienste_; }
    const Bilder& bilder() const { return bilder_; }
    int ansicht() const;
    QString dateiName() const;

    // For the dialogs: participants or the own rule changed; the champion after a drawn final.
    void starteEinblenden();
    void starteAuswertung();
    void setWeltmeister(const std::string& team);
    // Lays out and fills a phase view; a view outside 0..10 is refused and the current one kept.
    bool zeigePhase(int v);
    void passeAnBildschirm(int hoehePx);  // small screens get the window maximised
    void oeffne(const QString& pfad);     // as "Öffnen" once its chooser has answered
    // The undo history, and what the recovery copy needs of it.
    QUndoStack* verlauf() const;
    bool ungespeichert();
    void beginneVerlauf();
    Spieldatei aktuellesBild();
    void oeffneWiederhergestellt(const Spieldatei& d, const QString& dateiName);

    // For the command groups: the steps of the data flow above.
    void leseRaster();
    void fuelleRaster();
    void zeigeTendenz();
    void werteAus();                       // "auswerten": write-back, evaluation, ranking, grid, bonus dialogs
    void zeigeAnsicht(int v);              // a view picked by a command, nothing taken over
    void zeigeUngewertet();                // rows, ranking and view as they stand (tips imported, undo)
    void zeigeNeuesSpiel();                // a whole new game: view 0, evaluated as after the player editor
    void zeigeRegel();                     // the rule in force named in the table and marked in the menu
    void nimmAuf(const QString& schritt);  // an undo step, if the game changed since the last one
    void sicher(const std::function<void()>& body);  // a fault abandons the handler with a message

  signals:
    void beendet();
    void ausgewertet();  // table, grid and records are up to date after an evaluation

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
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
    Rueckgaengig* rueckgaengig_ = nullptr;     // undo and redo
};

}  // namespace ovi
