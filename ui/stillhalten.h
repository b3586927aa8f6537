// What holds still while the grid changes: the repaints of a widget, and the grid's reporting of edits.
#pragma once

#include <QWidget>

namespace ovi {

// Holds back the repaints of a widget and its children while many of them change, then repaints it once.
// Merging hundreds of small dirty rectangles costs more than painting the whole area.
class Stillhalten {
  public:
    // nullptr holds back nothing, so callers can decide at run time.
    explicit Stillhalten(QWidget* w) : w_(w && w->updatesEnabled() ? w : nullptr) {
        if (w_) w_->setUpdatesEnabled(false);
    }
    ~Stillhalten() {
        if (!w_) return;
        w_->setUpdatesEnabled(true);
        // That marks every child dirty on its own, and Qt unites their small areas one by one, which grows with
        // the square of their number. A blank cover shown for a moment marks the whole area first instead, so
        // each child's area is found inside it at once.
        QWidget decke(w_);
        decke.setGeometry(w_->rect());
        decke.show();
    }
    Stillhalten(const Stillhalten&) = delete;
    Stillhalten& operator=(const Stillhalten&) = delete;

  private:
    QWidget* w_;
};

// A switch off for a scope and on again however the scope ends.
class Ausgesetzt {
  public:
    explicit Ausgesetzt(bool& an) : an_(an) { an_ = false; }
    ~Ausgesetzt() { an_ = true; }
    Ausgesetzt(const Ausgesetzt&) = delete;
    Ausgesetzt& operator=(const Ausgesetzt&) = delete;

  private:
    bool& an_;
};

}  // namespace ovi
