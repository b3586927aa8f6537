// Phase views: which match columns and tip fields a view uses and where they stand.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include "core/katalog.h"
#include "ui/dialoge/twips.h"
#include "ui/frmhaupt.h"
#include "ui/masse.h"
#include "ui/stillhalten.h"

namespace ovi {

using namespace masse;
using twips::setze;

void frmHaupt::cmbPhase_Click(int index) {
    leseRaster();
    if (index < 0 || index >= katalog::anzahlAnsichten) return;
    ansicht_ = index;
    zeigePhase(index);
    zeigeTendenz();
}

bool frmHaupt::zeigePhase(int v) {
    if (v < 0 || v >= katalog::anzahlAnsichten) return false;
    // Between the wide and the narrow layout every tip field and counter moves: one repaint for all of it.
    const Stillhalten still((v == 8) != schmal_ ? fraSpiele : nullptr);
    ordnePhaseAn(v);
    fuelleRaster();
    return true;
}

void frmHaupt::ordnePhaseAn(int v) {
    // Hiding the column that holds the focus moves it on into a field that still shows the old view: the edit
    // that starts there must not write the old view's values into the new view's matches.
    const Ausgesetzt ruhe(rasterAktiv_);
    const int letzte = letzteZeile(v);
    for (int s = 0; s < 8; ++s) zeileAktiv_[static_cast<std::size_t>(s)] = s <= letzte;
    const bool schmal = v == 8;
    schmal_ = schmal;
    const Spalten& l = schmal ? masse::schmal : masse::breit;
    if (schmal)
        tmrWechsel->start();
    else
        tmrWechsel->stop();

    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        setze(lblPunkteGruppe[p], l.gruppeLinks, 0, punkteBreite, feldGroesse);
        setze(lblPunkteGesamt[p], l.gesamtLinks, 0, punkteBreite, feldGroesse);
        // Slots 4..7 sit in two blocks per row, so a view change shows or hides two widgets, not sixteen.
        for (int k = 0; k < 2; ++k) {
            const int erster = 4 + 2 * k;
            const int links = l.tippLinks + erster * l.tippAbstand;
            setze(tippBlock[p][k], links, 0, l.tippAbstand + ausVersatz + feldGroesse, feldGroesse);
            tippBlock[p][k]->setVisible(zeileAktiv_[static_cast<std::size_t>(erster)]);
        }
        for (int s = 0; s < 8; ++s) {
            const int i = 8 * p + s;
            const int links = s < 4 ? l.tippLinks + s * l.tippAbstand : (s % 2) * l.tippAbstand;
            setze(txtHeimTipp[i], links, 0, feldGroesse, feldGroesse);
            setze(txtAusTipp[i], links + ausVersatz, 0, feldGroesse, feldGroesse);
        }
    }

    for (int s = 0; s < 8; ++s) {
        QFrame* sp = fraSpiel[s];
        setze(sp, l.spalteLinks + s * l.spalteAbstand, spalteOben, l.spalteBreite, spalteHoehe);
        sp->setVisible(zeileAktiv_[static_cast<std::size_t>(s)]);
        setze(shpRahmen[s], 0, 0, l.spalteBreite, spalteHoehe);
        shpRahmen[s]->lower();
        setze(imgSpielHeim[s], l.heimFlaggeLinks, l.heimFlaggeOben, flaggeBreite, flaggeHoehe);
        setze(imgSpielAus[s], l.ausFlaggeLinks, l.ausFlaggeOben, flaggeBreite, flaggeHoehe);
        setze(txtHeimErg[s], l.heimErgLinks, ergOben, l.heimErgBreite, ergHoehe);
        setze(txtAusErg[s], l.ausErgLinks, ergOben, l.ausErgBreite, ergHoehe);
        // Right edge of the column, directly below the home result.
        setze(chkAuswerten[s], l.spalteBreite - chkBreite, ergOben + ergHoehe, chkBreite, chkHoehe);
        setze(imgInfo[s], 30, ergOben + ergHoehe + 7, infoGroesse, infoGroesse);
    }
}

}  // namespace ovi
