// Holds back the repaints of a widget and its children while many of them change, then repaints it once.
// Merging hundreds of small dirty rectangles costs more than painting the whole area.
#pragma once

#include <QWidget>

namespace ovi {

class Stillhalten {
  public:
    // nullptr holds back nothing, so callers can decide at run time.
    explicit Stillhalten(QWidget* w) : w_(w && w->updatesEnabled() ? w : nullptr) {
        if (w_) w_->setUpdatesEnabled(false);
    }
    ~Stillhalten() {
        if (w_) w_->setUpdatesEnabled(true);
    }
    Stillhalten(const Stillhalten&) = delete;
    Stillhalten& operator=(const Stillhalten&) = delete;

  private:
    QWidget* w_;
};

}  // namespace ovi
