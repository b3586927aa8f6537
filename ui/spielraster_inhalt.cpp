// What the grid's fields show and take back: filling them from the game, writing typed values back, the tendency
// counters, random tips, and the edits the cells report.
#include <QApplication>
#include <QCheckBox>
#include <algorithm>
#include <exception>

#include "core/auswertung.h"
#include "core/tendenz.h"
#include "ui/dialoge/farben.h"
#include "ui/masse.h"
#include "ui/spielraster.h"
#include "ui/stillhalten.h"
#include "ui/teilnehmerspalte.h"

namespace ovi {

void Spielraster::fuelleRaster() {
    const Ausgesetzt ruhe(rasterAktiv_);
    const int b = ersteSpielNr(ansicht_);
    const int letzte = letzteZeile(ansicht_);
    const Abschnitte ab = abschnitteDerAnsicht(ansicht_);
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        teilnehmer_->setzePunkte(p, summeAbschnitte(s_, p, ab.von, ab.bis), s_.auswertung[p].gesamt);
    for (int sl = 0; sl <= letzte; ++sl) {
        const int m = b + sl;
        const Spiel& spiel = s_.spiele[m];
        spalten_[static_cast<std::size_t>(sl)]->zeigeSpiel(spiel, QString::fromStdString(s_.getNation(spiel.heim)),
                                                           QString::fromStdString(s_.getNation(spiel.aus)));
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            const auto i = static_cast<std::size_t>(8 * p + sl);
            const QColor farbe = farben::aus(s_.modusFarbe[s_.auswertung[p].kategorie[m]]);
            if (!txtHeimTipp_[i]) {
                vorrat_[i] = {s_.tipps(p, m, 0), s_.tipps(p, m, 1), farbe};
                continue;
            }
            txtHeimTipp_[i]->setzeWert(s_.tipps(p, m, 0));
            txtAusTipp_[i]->setzeWert(s_.tipps(p, m, 1));
            txtHeimTipp_[i]->setzeFarben(farbe, farben::dunkelgrau);
            txtAusTipp_[i]->setzeFarben(farbe, farben::dunkelgrau);
        }
    }
}

void Spielraster::leseRaster() {
    const int f = ersteSpielNr(ansicht_);
    const int letzte = letzteZeile(ansicht_);
    // A field being edited is empty: it stands for its value from before the edit.
    auto wert = [this](const ZiffernZelle* feld, Feldart art) {
        if (rasterAktiv_ && feld->text().isEmpty()) return vorher(art);
        return alsInteger(feld->zahl());
    };
    for (int sl = 0; sl <= letzte; ++sl) {
        const int m = f + sl;
        const Spielspalte& spalte = *spalten_[static_cast<std::size_t>(sl)];
        Spiel& spiel = s_.spiele[m];
        spiel.ergHeim = wert(spalte.heimErg(), Feldart::heimErg);
        spiel.ergAus = wert(spalte.ausErg(), Feldart::ausErg);
        spiel.auswerten = spalte.haekchen()->isChecked();
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            const auto i = static_cast<std::size_t>(8 * p + sl);
            const bool gemacht = txtHeimTipp_[i] != nullptr;
            s_.tipps(p, m, 0) = gemacht ? wert(txtHeimTipp_[i], Feldart::heimTipp) : vorrat_[i].heim;
            s_.tipps(p, m, 1) = gemacht ? wert(txtAusTipp_[i], Feldart::ausTipp) : vorrat_[i].aus;
        }
    }
}

void Spielraster::zeigeTendenz() {
    const auto zaehler = zaehleTendenzen(s_);
    const int b = ersteSpielNr(ansicht_);
    const int letzte = letzteZeile(ansicht_);
    const int breite = ansicht_ == 8 ? masse::schmal.spalteBreite : masse::breit.spalteBreite;
    for (int sl = 0; sl <= letzte; ++sl)
        spalten_[static_cast<std::size_t>(sl)]->zeigeTendenz(zaehler[static_cast<std::size_t>(b + sl)], breite);
}

void Spielraster::wuerfle() {
    const Ausgesetzt ruhe(rasterAktiv_);
    for (std::size_t k = 0; k < txtHeimTipp_.size(); ++k) {
        const auto a = static_cast<Integer>(zufall_.tor());
        const auto b = static_cast<Integer>(zufall_.tor());
        if (!txtHeimTipp_[k]) {
            vorrat_[k].heim = a;
            vorrat_[k].aus = b;
            continue;
        }
        txtHeimTipp_[k]->setzeWert(a);
        txtAusTipp_[k]->setzeWert(b);
    }
}

Integer& Spielraster::vorher(Feldart art) { return vorher_[static_cast<std::size_t>(art)]; }

void Spielraster::uebernimmVorher() {
    auto* z = qobject_cast<ZiffernZelle*>(QApplication::focusWidget());
    if (!z || !isAncestorOf(z)) return;
    const auto art = static_cast<Feldart>(z->art());
    const bool tipp = art == Feldart::heimTipp || art == Feldart::ausTipp;
    const int slot = tipp ? z->index() % 8 : z->index();
    if (slot > letzteZeile(ansicht_)) return;
    const int m = ersteSpielNr(ansicht_) + slot;
    const int seite = art == Feldart::heimErg || art == Feldart::heimTipp ? 0 : 1;
    const Spiel& spiel = s_.spiele[m];
    vorher(art) = tipp ? s_.tipps(z->index() / 8, m, seite) : seite == 0 ? spiel.ergHeim : spiel.ergAus;
}

// The value of the field from before the edit stands for it in the write-back while it is empty.
void Spielraster::zelleBeginnt(ZiffernZelle& z) {
    // One digit, or a number the program put there from the game: always within 16 bits.
    vorher(static_cast<Feldart>(z.art())) = static_cast<Integer>(std::clamp(z.vorher(), 0, 32767));
}

// Every accepted change reaches the game at once: tips, and results too, so nothing typed is lost.
void Spielraster::zelleGeaendert(ZiffernZelle& z) {
    if (!rasterAktiv_) return;
    const auto art = static_cast<Feldart>(z.art());
    emit bearbeitet(art == Feldart::heimTipp || art == Feldart::ausTipp);
}

// "Anke, Deutschland – Costa Rica, Tore Heim": whose entry, which match of the view, which side.
QString Spielraster::zellenName(const ZiffernZelle& z) const {
    const auto art = static_cast<Feldart>(z.art());
    const bool tipp = art == Feldart::heimTipp || art == Feldart::ausTipp;
    const int slot = tipp ? z.index() % 8 : z.index();
    const QString seite =
        art == Feldart::heimErg || art == Feldart::heimTipp ? QStringLiteral("Tore Heim") : QStringLiteral("Tore Gast");
    QString wer = QStringLiteral("Ergebnis");
    if (tipp) {
        const int p = z.index() / 8;
        wer = QString::fromStdString(s_.spieler[p].name);
        if (wer.trimmed().isEmpty()) wer = QStringLiteral("Teilnehmer %1").arg(p + 1);
    }
    if (slot > letzteZeile(ansicht_)) return QStringLiteral("%1, %2").arg(wer, seite);
    try {
        const Spiel& spiel = s_.spiele[ersteSpielNr(ansicht_) + slot];
        return QStringLiteral("%1, %2 – %3, %4")
            .arg(wer, QString::fromStdString(s_.getNation(spiel.heim)), QString::fromStdString(s_.getNation(spiel.aus)),
                 seite);
    } catch (const std::exception&) {
        // Asked by a screen reader, outside any command: a match without valid teams is named without them.
        return QStringLiteral("%1, %2").arg(wer, seite);
    }
}

}  // namespace ovi
