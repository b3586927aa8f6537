// Two small effects: the overlapping flags of the Achtelfinale take turns in front, and hovering a
// participant's name marks him in the grid and in the ranking table at once.
#include <QLabel>

#include "core/rangliste.h"
#include "ui/dialoge/farben.h"
#include "ui/frmhaupt.h"

namespace ovi {

void frmHaupt::tmrWechsel_Timer() {
    wechsel_ = static_cast<Integer>(~wechsel_);
    const auto& vorn = wechsel_ == -1 ? imgSpielHeim : imgSpielAus;
    for (QLabel* flagge : vorn) flagge->raise();
}

void frmHaupt::setzeMarke(int slot, int zeile) {
    // Restore all four labels marked before, then mark the participant in both places.
    for (QLabel* l : {lblSpieler.at(markTabSpieler_), lblTabSpieler.at(markTabPlatz_),
                      lblSpieler.at(markRasterSpieler_), lblTabSpieler.at(markRasterPlatz_)})
        farben::faerbe(l, farben::gruen, Qt::white);
    farben::faerbe(lblSpieler.at(slot), farben::dunkelrot, Qt::white);
    farben::faerbe(lblTabSpieler.at(zeile), farben::dunkelrot, Qt::white);
}

void frmHaupt::lblSpieler_MouseMove(int p) {
    const int zeile = s_.auswertung[p].platz;
    setzeMarke(p, zeile);
    markRasterSpieler_ = p;
    markRasterPlatz_ = zeile;
}

void frmHaupt::lblTabSpieler_MouseMove(int r) {
    const int slot = spielerAufPlatz(s_, r);
    setzeMarke(slot, r);
    markTabSpieler_ = slot;
    markTabPlatz_ = r;
}

}  // namespace ovi
