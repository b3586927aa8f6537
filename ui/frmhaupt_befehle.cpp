// Edit commands: evaluate, the scoring rules, which matches count, reset and random tips.
#include <QAction>
#include <QLabel>

#include "core/bonus.h"
#include "ui/frmhaupt.h"
#include "ui/stillhalten.h"

namespace ovi {

void frmHaupt::sicher(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        dienste_.meldung(this, QStringLiteral("ovi kuvela"),
                         QStringLiteral("Der Vorgang wurde abgebrochen:\n%1").arg(QString::fromUtf8(e.what())));
    }
}

void frmHaupt::cmdAuswerten_Click() {
    leseRaster();
    nachBewertung(werteKomplettAus(s_));
}

void frmHaupt::waehleRegel(int modus, QAction* punkt) {
    setzeEingebauteRegel(s_, modus);
    setzeRegelHaken(punkt);
    lblModusE->setText(QString::fromStdString(regelName(modus)));
    cmdAuswerten_Click();
}

void frmHaupt::zeigeRegel() {
    lblModusE->setText(QString::fromStdString(regelName(s_.regel.modus)));
    lblBonusE->setText(QString::number(s_.regel.bonuspunkte));
    const std::array<QAction*, 4> punkte = {menEigeneRegel, men2Punkte, men3Punkte, men321};
    const int modus = s_.regel.modus;
    setzeRegelHaken(modus >= 0 && modus < 4 ? punkte[static_cast<std::size_t>(modus)] : nullptr);
}

void frmHaupt::starteAuswertung() {
    sicher([this] {
        s_.regel.modus = 0;
        setzeRegelHaken(menEigeneRegel);
        lblModusE->setText(QString::fromStdString(regelName(0)));
        lblBonusE->setText(QString::number(s_.regel.bonuspunkte));
        cmdAuswerten_Click();
    });
}

void frmHaupt::setWeltmeister(const std::string& team) {
    sicher([this, &team] {
        ovi::setWeltmeister(s_, team);
        nachBewertung(Bonusausgang::ohneBonus);
        zeigeBonusSieger();
    });
}

// Replaces the selection (or adds to it, for "alle 64 Spiele"); nothing is scored until "auswerten".
void frmHaupt::waehleSpiele(bool loeschen, const std::function<bool(int)>& gewaehlt) {
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        Spiel& spiel = s_.spiele[m];
        if (loeschen) spiel.auswerten = false;
        if (gewaehlt(m)) spiel.auswerten = true;
    }
    fuelleRaster();
}

void frmHaupt::menNull_Click() {
    if (dienste_.frage(this, QStringLiteral("Achtung!"),
                       QStringLiteral("Wollen Sie alle Tipps und Ergebnisse löschen?"),
                       Knoepfe::okAbbrechen) != Antwort::ok)
        return;
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        Spiel& spiel = s_.spiele[m];
        spiel.ergHeim = 0;
        spiel.ergAus = 0;
        spiel.auswerten = false;
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            s_.tipps(p, m, 0) = 0;
            s_.tipps(p, m, 1) = 0;
        }
    }
    fuelleRaster();
    cmdAuswerten_Click();
    zeigeTendenz();
}

// Fills every tip field with 0..3 goals; they become tips at the next write-back.
void frmHaupt::cmdZufall_Click() {
    const Ausgesetzt ruhe(rasterAktiv_);
    for (int k = 0; k < 200; ++k) {
        const int a = zufall_.tor();
        const int b = zufall_.tor();
        txtHeimTipp[k]->setzeWert(a);
        txtAusTipp[k]->setzeWert(b);
    }
}

}  // namespace ovi
