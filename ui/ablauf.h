// The main window as its command groups see it: the game, the desk's dialogs, and the steps of the data flow they
// are made of. The window implements it; menu, command groups and undo history know this and not the window.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "core/spielstand.h"
#include "ui/bilder.h"
#include "ui/dienste.h"

class QWidget;

namespace ovi {

class Ablauf {
  public:
    virtual Spielstand& spielstand() = 0;
    virtual const Dienste& dienste() const = 0;
    virtual const Bilder& bilder() const = 0;
    // The window, parent of the dialogs and of every message.
    virtual QWidget* eltern() = 0;
    virtual int ansicht() const = 0;

    // The typed results, ticks and tips of the view into the game, and the game of the view into the grid.
    virtual void leseRaster() = 0;
    virtual void fuelleRaster() = 0;
    virtual void zeigeTendenz() = 0;
    // "auswerten": write-back, evaluation, ranking, grid, and the bonus dialogs where they apply.
    virtual void werteAus() = 0;
    // After the player editor: evaluated and the rows stacked anew; after the own rule: the own rule in force.
    virtual void starteEinblenden() = 0;
    virtual void starteAuswertung() = 0;
    // The operator's answer after a drawn final.
    virtual void setWeltmeister(const std::string& team) = 0;
    // A view picked by a command: the list moves along, the view is laid out, filled and counted; nothing taken over.
    virtual void zeigeAnsicht(int v) = 0;
    // Rows, ranking and view of the game as it stands, nothing scored (tips imported, a step taken back).
    virtual void zeigeUngewertet() = 0;
    // A game came in whole (opened, restored): view 0 laid out and the game evaluated like after the player editor.
    virtual void zeigeNeuesSpiel() = 0;
    // The rule in force named in the table and marked in the menu.
    virtual void zeigeRegel() = 0;

    // True when the game differs from what was last saved or opened (takes the grid over first).
    virtual bool ungespeichert() = 0;
    // Records an undo step when the game changed since the last one.
    virtual void nimmAuf(const QString& schritt) = 0;
    // Every handler runs through here: a fault abandons it with a message.
    virtual void sicher(const std::function<void()>& body) = 0;

  protected:
    ~Ablauf() = default;
};

}  // namespace ovi
