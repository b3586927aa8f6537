#include "ui/tabellenzeilen.h"

#include <QApplication>
#include <QPainter>

#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/masse.h"

namespace ovi {

using namespace masse;

namespace {

struct Spaltenart {
    QColor grund, schrift;
    bool fett;
    const char* tipp;
};

const std::array<Spaltenart, Tabellenzeilen::spaltenZahl>& arten() {
    static const std::array<Spaltenart, Tabellenzeilen::spaltenZahl> a{{
        {farben::gruen, Qt::white, false, " Platz "},
        {farben::gruen, Qt::white, false, ""},
        {farben::orange, Qt::black, true, " Gesamtpunkte"},
        {Qt::black, farben::orange, true, " Punkte in der Gruppenphase "},
        {Qt::black, farben::orange, true, " Punkte der K.O.-Phase "},
        {Qt::white, farben::rot, false, " erreichte Bonuspunkte "},
        {farben::rot, Qt::black, false, " Punkte durch richtige Tipps "},
        {farben::gelb, Qt::black, false, " Punkte durch richtige Sieghöhe "},
        {farben::hellgruen, Qt::black, false, " Punkte durch richtige Tendenz "},
    }};
    return a;
}

QRect reihe(int zeile) { return twips::rechteck(0, tabZeile * zeile, tabZeileBreite, tabZeile); }

}  // namespace

Tabellenzeilen::Tabellenzeilen(QWidget* eltern)
    : GemalteTabelle(eltern), zeilengrund_(QApplication::palette("QMenu").color(QPalette::Window)) {
    setObjectName(QStringLiteral("fraTabelleTab"));
    setAccessibleName(QStringLiteral("Tabelle"));
    for (int r = 0; r < katalog::anzahlSpieler; ++r) texte_[static_cast<std::size_t>(r)][0] = QString::number(r + 1);
    zeigeZeilen(katalog::anzahlSpieler);
}

void Tabellenzeilen::zeige(const std::array<Tabellenzeile, katalog::anzahlSpieler>& zeilen) {
    for (int r = 0; r < katalog::anzahlSpieler; ++r) {
        const Tabellenzeile& z = zeilen[static_cast<std::size_t>(r)];
        const std::array<const std::string*, spaltenZahl - 1> werte{&z.spieler, &z.gesamt,   &z.gruppe,    &z.ko,
                                                                    &z.bonus,   &z.richtige, &z.sieghoehe, &z.tendenz};
        auto& texte = texte_[static_cast<std::size_t>(r)];
        for (std::size_t k = 1; k < spaltenZahl; ++k) {
            const QString neu = QString::fromStdString(*werte[k - 1]);
            if (neu == texte[k]) continue;
            texte[k] = neu;
            if (r < anzahl_) erneuere(r, static_cast<int>(k));
        }
    }
}

void Tabellenzeilen::zeigeZeilen(int n) {
    if (n != anzahl_) update(reihe(std::min(n, anzahl_)).united(reihe(std::max(n, anzahl_) - 1)));
    anzahl_ = n;
    twips::setze(this, tabLinks, tabOben, tabZeileBreite, tabVollHoehe - tabZeile * (katalog::anzahlSpieler - n));
}

void Tabellenzeilen::markiere(int zeile) {
    if (zeile == markiert_) return;
    const int vorher = markiert_;
    markiert_ = zeile;
    for (int r : {vorher, zeile})
        if (r >= 0 && r < anzahl_) erneuere(r, 1);
}

Zelle Tabellenzeilen::zelle(int zeile, int spalte) const {
    const Spaltenart& a = arten().at(static_cast<std::size_t>(spalte));
    Zelle z;
    z.rechteck = twips::rechteck(tabSpalteLinks(spalte), 0, tabBreiten.at(static_cast<std::size_t>(spalte)), tabZeile)
                     .translated(reihe(zeile).topLeft());
    z.text = texte_.at(static_cast<std::size_t>(zeile))[static_cast<std::size_t>(spalte)];
    z.grund = spalte == 1 && zeile == markiert_ ? farben::dunkelrot : a.grund;
    z.schrift = a.schrift;
    z.fett = a.fett;
    z.tipp = QString::fromUtf8(a.tipp);
    if (spalte == 1) {
        z.links = true;
        z.einpassen = true;
    }
    return z;
}

QString Tabellenzeilen::spaltenName(int spalte) const {
    static const char* namen[spaltenZahl] = {"Platz",          "Name",       "Gesamtpunkte",
                                             "Gruppenphase",   "K.O.-Phase", "Bonuspunkte",
                                             "richtige Tipps", "Sieghöhe",   "richtige Tendenz"};
    return spalte >= 0 && spalte < spaltenZahl ? QString::fromUtf8(namen[spalte]) : QString();
}

QString Tabellenzeilen::zeilenName(int zeile) const {
    return zeile >= 0 && zeile < anzahl_ ? texte_[static_cast<std::size_t>(zeile)][1].trimmed() : QString();
}

void Tabellenzeilen::beruehrt(int zeile, int spalte) {
    if (spalte == 1) emit nameBeruehrt(zeile);
}

void Tabellenzeilen::maleZeile(QPainter& maler, int zeile) const { maler.fillRect(reihe(zeile), zeilengrund_); }

}  // namespace ovi
