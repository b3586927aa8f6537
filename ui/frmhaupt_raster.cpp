// The match grid: filling it from the game, taking typed values back, and the participant rows.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/katalog.h"
#include "core/rangliste.h"
#include "ui/farben.h"
#include "ui/frmhaupt.h"
#include "ui/masse.h"
#include "ui/twips.h"

namespace ovi {

namespace {

// The program's own writes must not come back as edits.
void setzeText(QLineEdit* f, int wert) {
    const QString t = QString::number(wert);
    if (f->text() == t) return;
    const QSignalBlocker still(f);
    f->setText(t);
}

// The number formed by the leading digits; 0 for none.
Integer wertVon(const QString& text) {
    int wert = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') break;
        wert = wert * 10 + (c.unicode() - u'0');
        if (wert > 32767) break;
    }
    return alsInteger(wert);
}

// rasterAktiv is true again however the fill ends.
struct Fuellen {
    bool& aktiv;
    explicit Fuellen(bool& a) : aktiv(a) { aktiv = false; }
    ~Fuellen() { aktiv = true; }
};

}  // namespace

void frmHaupt::fuelleRaster() {
    const Fuellen fuellen(rasterAktiv_);
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
        setzeText(txtHeimErg[s], spiel.ergHeim);
        setzeText(txtAusErg[s], spiel.ergAus);
        {
            const QSignalBlocker still(chkAuswerten[s]);
            chkAuswerten[s]->setChecked(spiel.auswerten);
        }
        imgSpielHeim[s]->setPixmap(bilder_.flagge(spiel.heim));
        imgSpielHeim[s]->setToolTip(QStringLiteral(" %1 ").arg(QString::fromStdString(s_.getNation(spiel.heim))));
        imgSpielAus[s]->setPixmap(bilder_.flagge(spiel.aus));
        imgSpielAus[s]->setToolTip(QStringLiteral(" %1 ").arg(QString::fromStdString(s_.getNation(spiel.aus))));
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            const int i = 8 * p + s;
            const QColor farbe = farben::aus(s_.modusFarbe[s_.auswertung[p].kategorie[m]]);
            setzeText(txtHeimTipp[i], s_.tipps(p, m, 0));
            setzeText(txtAusTipp[i], s_.tipps(p, m, 1));
            farben::faerbeFeld(txtHeimTipp[i], farbe, farben::dunkelgrau);
            farben::faerbeFeld(txtAusTipp[i], farbe, farben::dunkelgrau);
        }
    }
}

void frmHaupt::leseRaster() {
    const int f = ersteSpielNr(ansicht_);
    const int letzte = letzteZeile(ansicht_);
    // A field being edited is empty: it stands for its value from before the edit.
    auto wert = [this](const QLineEdit* feld, Integer vorherWert) {
        if (rasterAktiv_ && feld->text().isEmpty()) return vorherWert;
        return wertVon(feld->text());
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
