// Tendency counters: per match column how many participants tipped a home win, a draw, an away win.
#include <QFrame>
#include <QLabel>

#include "core/katalog.h"
#include "ui/dialoge/twips.h"
#include "ui/frmhaupt.h"
#include "ui/masse.h"
#include "ui/tendenzbild.h"

namespace ovi {

void frmHaupt::zeigeTendenz() {
    using namespace masse;
    const auto zaehler = zaehleTendenzen(s_);
    const int b = ersteSpielNr(ansicht_);
    const int letzte = letzteZeile(ansicht_);
    const int breite = ansicht_ == 8 ? schmal.spalteBreite : breit.spalteBreite;
    for (int s = 0; s <= letzte; ++s) {
        const Tendenz& t = zaehler[static_cast<std::size_t>(b + s)];
        const TendenzBild bild = tendenzBild(t, breite, tendenzOben);
        const std::array<QLabel*, 3> labels{lblTenEins[s], lblTenNull[s], lblTenZwei[s]};
        const std::array<QFrame*, 3> balken{shpEins[s], shpNull[s], shpZwei[s]};
        const std::array<int, 3> werte{t.eins, t.null, t.zwei};
        for (std::size_t k = 0; k < 3; ++k) {
            labels[k]->setText(QString::number(werte[k]));
            twips::setze(labels[k], bild.labelLinks[k], tendenzOben, bild.labelBreite[k], tendenzHoehe);
            // Bars grow upwards from the top of the counters.
            twips::setze(balken[k], bild.balkenLinks[k], bild.balkenOben[k], balkenBreite, bild.balkenHoehe[k]);
        }
    }
}

}  // namespace ovi
