// "Ansicht > Verlauf": one window for the run, refreshed after every evaluation while it is shown.
#include "ui/frmhaupt.h"
#include "ui/frmverlauf.h"

namespace ovi {

void frmHaupt::menVerlauf_Click() {
    if (!verlauf_) {
        verlauf_ = new frmVerlauf(this);
        connect(this, &frmHaupt::ausgewertet, verlauf_, [this] {
            if (verlauf_->isVisible()) sicher([this] { verlauf_->zeige(s_); });
        });
    }
    verlauf_->zeige(s_);
    verlauf_->show();
    verlauf_->raise();
    verlauf_->activateWindow();
}

}  // namespace ovi
