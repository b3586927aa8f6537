// The undo history: every step holds the whole game before and after it, so undo and redo need no
// knowledge of what a command did; the window shows a restored picture as the step's own chain did.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoCommand>
#include <functional>
#include <memory>
#include <optional>

#include "core/spielstand.h"
#include "files/spieldatei.h"

class QUndoStack;

namespace ovi {

// Everything a step can change: the game, what the grid holds beyond it, and the window's captions and choices.
struct Stand {
    Spielstand spiel;
    // The game as a write-back would make it, kept only while the grid holds values the game does not
    // (random tips before they are taken over).
    std::optional<Spielstand> raster;
    QString dateiName;
    QString dateiTitel, modusText, bonusText;  // lblDateiE, lblModusE, lblBonusE
    int ansicht = 0;
    int regelHaken = 3;   // the rule whose menu item is marked: 3, 2, 1 built in, 0 own rule, -1 none
    int sortierung = -1;  // index of the sort selector
    bool operator==(const Stand&) const = default;
};

using StandZeiger = std::shared_ptr<const Stand>;

// One step. It is pushed after its command has run, so its first redo does nothing; consecutive steps share
// their pictures, so the history costs one picture per step.
class Schritt : public QUndoCommand {
  public:
    using Zeige = std::function<void(const StandZeiger&)>;
    Schritt(const QString& text, StandZeiger vorher, StandZeiger nachher, Zeige zeige)
        : QUndoCommand(text), vorher_(std::move(vorher)), nachher_(std::move(nachher)), zeige_(std::move(zeige)) {}

    void undo() override { zeige_(vorher_); }
    void redo() override {
        if (erstes_)
            erstes_ = false;
        else
            zeige_(nachher_);
    }

  private:
    StandZeiger vorher_, nachher_;
    Zeige zeige_;
    bool erstes_ = true;
};

class Ablauf;
class Dateibefehle;
class Menue;
class Spielraster;
class Tabellenbereich;

// The history of the window: a step is recorded after its command has run, by comparing the whole game and what
// the window shows with the picture of the last step; "unsaved" means away from the step of the last save or open.
class Rueckgaengig : public QObject {
    Q_OBJECT

  public:
    // Puts "Rückgängig" and "Wiederholen" at the top of the menu's "&Bearbeiten".
    Rueckgaengig(Ablauf& fenster, Spielraster& raster, Tabellenbereich& tabelle, Menue& menue, Dateibefehle& datei);

    QUndoStack* stapel() const { return stapel_; }
    // True when the game differs from what was last saved or opened (takes the grid over first).
    bool ungespeichert();
    // Records a step when the game changed since the last one.
    void nimmAuf(const QString& text);
    // Changes that are no step of their own (view, sorting, evaluation) become the base of the next one.
    void merkeStand();
    // Takes the game as it stands as the saved starting point: no steps, nothing unsaved.
    void beginne();
    // What a save would write now, values in the grid not yet taken over included.
    Spieldatei aktuellesBild();

  signals:
    // A step was taken back or done again: the window shows another game.
    void zurueckgestellt();

  private:
    StandZeiger nimmStand();
    void zeigeStand(const StandZeiger& st);
    // After a save or an open: the game as it stands is what the file holds.
    void alsGespeichert();

    Ablauf& w_;
    Spielraster& raster_;
    Tabellenbereich& tabelle_;
    Menue& menue_;
    Dateibefehle& datei_;
    QUndoStack* stapel_ = nullptr;
    StandZeiger stand_;       // the game after the last step: the "before" of the next one
    bool stelltHer_ = false;  // an undo or redo is putting a picture back
};

}  // namespace ovi
