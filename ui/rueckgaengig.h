// The undo history: every step holds the whole game before and after it, so undo and redo need no
// knowledge of what a command did; the window shows a restored picture as the step's own chain did.
#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <memory>
#include <optional>

#include "core/spielstand.h"

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
    int regelHaken = 0;   // 0 "3-2-1-Regel", 1 "3-Punkte-Regel", 2 "2-Punkte-Regel", 3 own rule
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

}  // namespace ovi
