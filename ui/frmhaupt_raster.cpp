// The match grid: filling it from the game, taking typed values back, and the participant rows.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "core/bonus.h"
#include "core/katalog.h"
#include "core/rangliste.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/frmhaupt.h"
#include "ui/masse.h"
#include "ui/stillhalten.h"

namespace ovi {

namespace {

// Only a changed name is set: each setting tells the accessibility layer about it.
void benenne(QWidget* w, const QString& name) {
    if (w->accessibleName() != name) w->setAccessibleName(name);
}

}  // namespace

void frmHaupt::fuelleRaster() {
    const Ausgesetzt ruhe(rasterAktiv_);
    const int b = ersteSpielNr(ansicht_);
    const int letzte = letzteZeile(ansicht_);
    const Abschnitte ab = abschnitteDerAnsicht(ansicht_);
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        lblPunkteGesamt[p]->setText(QString::number(s_.auswertung[p].gesamt));
        lblPunkteGruppe[p]->setText(QString::number(summeAbschnitte(s_, p, ab.von, ab.bis)));
    }
    for (int s = 0; s <= letzte; ++s) {
        const int m = b + s;
        const Spiel& spiel = s_.spiele[m];
        // The program's own writes never come back as edits.
        txtHeimErg[s]->setzeWert(spiel.ergHeim);
        txtAusErg[s]->setzeWert(spiel.ergAus);
        chkAuswerten[s]->setChecked(spiel.auswerten);  // reported only when clicked
        const QString heim = QString::fromStdString(s_.getNation(spiel.heim));
        const QString aus = QString::fromStdString(s_.getNation(spiel.aus));
        imgSpielHeim[s]->setPixmap(bilder_.flagge(spiel.heim));
        imgSpielHeim[s]->setToolTip(QStringLiteral(" %1 ").arg(heim));
        imgSpielAus[s]->setPixmap(bilder_.flagge(spiel.aus));
        imgSpielAus[s]->setToolTip(QStringLiteral(" %1 ").arg(aus));
        // A screen reader names a flag by its team and a tick by its match.
        benenne(imgSpielHeim[s], heim);
        benenne(imgSpielAus[s], aus);
        benenne(chkAuswerten[s], QStringLiteral("%1 – %2 auswerten").arg(heim, aus));
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            const int i = 8 * p + s;
            const QColor farbe = farben::aus(s_.modusFarbe[s_.auswertung[p].kategorie[m]]);
            txtHeimTipp[i]->setzeWert(s_.tipps(p, m, 0));
            txtAusTipp[i]->setzeWert(s_.tipps(p, m, 1));
            txtHeimTipp[i]->setzeFarben(farbe, farben::dunkelgrau);
            txtAusTipp[i]->setzeFarben(farbe, farben::dunkelgrau);
        }
    }
}

void frmHaupt::leseRaster() {
    const int f = ersteSpielNr(ansicht_);
    const int letzte = letzteZeile(ansicht_);
    // A field being edited is empty: it stands for its value from before the edit.
    auto wert = [this](const ZiffernZelle* feld, Integer vorherWert) {
        if (rasterAktiv_ && feld->text().isEmpty()) return vorherWert;
        return alsInteger(feld->zahl());
    };
    for (int s = 0; s <= letzte; ++s) {
        const int m = f + s;
        Spiel& spiel = s_.spiele[m];
        spiel.ergHeim = wert(txtHeimErg[s], vorherHeimErg_);
        spiel.ergAus = wert(txtAusErg[s], vorherAusErg_);
        spiel.auswerten = chkAuswerten[s]->isChecked();
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            const int i = 8 * p + s;
            s_.tipps(p, m, 0) = wert(txtHeimTipp[i], vorherHeimTipp_);
            s_.tipps(p, m, 1) = wert(txtAusTipp[i], vorherAusTipp_);
        }
    }
}

void frmHaupt::einblenden() {
    const Bonusausgang ausgang = werteKomplettAus(s_);
    sortiereTabelle(s_, 0);
    stapleZeilen();
    nachBewertung(ausgang);
}

void frmHaupt::starteEinblenden() {
    sicher([this] { einblenden(); });
}

void frmHaupt::stapleZeilen() {
    using namespace masse;
    int k = 0;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        const Spieler& sp = s_.spieler[p];
        lblSpieler[p]->setText(QString::fromStdString(sp.name));
        if (sp.spieltMit) {
            // Participants stand without gaps in slot order.
            twips::setze(fraSpieler[p], zeileLinks, zeileOben + zeileSchritt * k, zeileBreite, feldGroesse);
            ++k;
        }
        fraSpieler[p]->setVisible(sp.spieltMit);
    }
    for (int r = 0; r < katalog::anzahlSpieler; ++r) fraTabSpieler[r]->setVisible(r < k);
    twips::setze(fraTabelleTab, tabLinks, tabOben, tabZeileBreite, tabVollHoehe - tabZeile * (25 - k));
}

// What every evaluation ends with: table, sort selector, grid, and the bonus dialogs.
void frmHaupt::nachBewertung(Bonusausgang ausgang) {
    setzeMarken(0);
    zeigeTabelle();
    {
        const QSignalBlocker still(cmbSortierung);
        cmbSortierung->setCurrentIndex(0);
    }
    fuelleRaster();
    if (ausgang == Bonusausgang::bonusVergeben) zeigeBonusSieger();
    if (ausgang == Bonusausgang::weltmeisterFrage) frageWeltmeister();
    emit ausgewertet();
}

}  // namespace ovi
