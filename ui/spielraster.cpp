#include "ui/spielraster.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "core/auswertung.h"
#include "core/tendenz.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/masse.h"
#include "ui/stillhalten.h"
#include "ui/teilnehmerspalte.h"

namespace ovi {

using namespace masse;
using twips::setze;

namespace {

QString mitIndex(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

QPushButton* knopf(QWidget* eltern, const char* name, const char* text, int links, int oben) {
    auto* k = new QPushButton(QString::fromUtf8(text), eltern);
    k->setObjectName(QString::fromUtf8(name));
    setze(k, links, oben, knopfBreite, knopfHoehe);
    return k;
}

}  // namespace

Spielraster::Spielraster(QWidget* eltern, Spielstand& s, const Bilder& bilder) : QGroupBox(eltern), s_(s) {
    // Captioned at the end of the window's construction (beschrifte): the caption and the list's width are the first
    // texts measured, and until then the font list can be read on the other core (ui/programm.cpp).
    setObjectName(QStringLiteral("fraSpiele"));
    setze(this, spieleLinks, spieleOben, spieleBreite, spieleHoehe);

    cmbPhase_ = new QComboBox(this);
    cmbPhase_->setObjectName(QStringLiteral("cmbPhase"));
    for (std::string_view a : katalog::ansichten) cmbPhase_->addItem(QString::fromUtf8(a.data(), qsizetype(a.size())));
    QPalette p = cmbPhase_->palette();
    p.setColor(QPalette::Base, farben::hellgelb);
    p.setColor(QPalette::Button, farben::hellgelb);
    cmbPhase_->setPalette(p);
    setze(cmbPhase_, 8110, 300, 1770, 330);  // widened to its entries with the caption (beschrifte)
    connect(cmbPhase_, &QComboBox::activated, this, &Spielraster::phaseGewaehlt);

    cmdZufall_ = knopf(this, "cmdZufall", "Zufall", 120, 300);
    connect(cmdZufall_, &QPushButton::clicked, this, &Spielraster::zufallGeklickt);
    cmdTendenz_ = knopf(this, "cmdTendenz", "Tendenz", 120, 9660);
    connect(cmdTendenz_, &QPushButton::clicked, this, &Spielraster::tendenzGeklickt);
    // At the right edge of the match area.
    cmdAuswerten_ = knopf(this, "cmdAuswerten", "auswerten", spieleBreite - knopfBreite - 200, 720);
    connect(cmdAuswerten_, &QPushButton::clicked, this, &Spielraster::auswertenGeklickt);
    // The button's text carries no key of its own; the shortcut clicks it, so a disabled button stays deaf.
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    f5->setObjectName(QStringLiteral("tasteAuswerten"));
    connect(f5, &QShortcut::activated, cmdAuswerten_, &QPushButton::click);

    tmrWechsel_ = new QTimer(this);
    tmrWechsel_->setObjectName(QStringLiteral("tmrWechsel"));
    tmrWechsel_->setInterval(2000);
    connect(tmrWechsel_, &QTimer::timeout, this, &Spielraster::wechsleFlaggen);

    for (int sl = 0; sl < 8; ++sl) {
        auto* spalte = new Spielspalte(this, sl, *this, bilder);
        spalten_[static_cast<std::size_t>(sl)] = spalte;
        connect(spalte->haekchen(), &QCheckBox::clicked, this, &Spielraster::haekchenGeklickt);
        connect(spalte, &Spielspalte::infoGeklickt, this, [this, sl] { emit infoGeklickt(sl); });
    }
    // The rows after the columns: they lie above them. Their tip fields are made once a row is first shown.
    teilnehmer_ = new Teilnehmerspalte(this);
}

void Spielraster::staple(const Spielstand& s) {
    // Made while the row is still hidden, its fields show with it at no extra cost.
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (s.spieler[p].spieltMit) macheZeile(p);
    teilnehmer_->staple(s);
}

ZiffernZelle* Spielraster::tippFeld(int i, bool heim) {
    macheZeile(i / 8);
    return (heim ? txtHeimTipp_ : txtAusTipp_).at(static_cast<std::size_t>(i));
}

// The 16 tip fields of a participant's row, showing what the grid held for them so far.
void Spielraster::macheZeile(int p) {
    auto& block = tippBlock_.at(static_cast<std::size_t>(p));
    if (block[0]) return;
    QWidget* zeile = teilnehmer_->zeile(p);
    for (std::size_t k = 0; k < 2; ++k) {
        block[k] = new QWidget(zeile);
        block[k]->setObjectName(QStringLiteral("tippBlock_%1_%2").arg(p).arg(k));
    }
    // Tips take their bold font from the participant's row. In the keyboard order they follow the row above.
    QWidget* vorige = spalten_.back()->haekchen();
    for (int q = p - 1; q >= 0; --q)
        if (tippBlock_[static_cast<std::size_t>(q)][0]) {
            vorige = txtAusTipp_[static_cast<std::size_t>(8 * q + 7)];
            break;
        }
    const auto feld = [&](QWidget* eltern, const char* name, Feldart art, int i, Integer wert, const QColor& farbe) {
        auto* f = new ZiffernZelle(eltern, *this, static_cast<int>(art), i);
        f->setObjectName(mitIndex(name, i));
        f->setzeRuhefarben(Qt::white, farben::dunkelgrau);
        f->setzeWert(wert);
        f->setzeFarben(farbe, farben::dunkelgrau);
        f->setzeWeiterNachZiffer(weiterNachZiffer_);
        if (feldFilter_) f->installEventFilter(feldFilter_);
        QWidget::setTabOrder(vorige, f);
        vorige = f;
        return f;
    };
    for (int sl = 0; sl < 8; ++sl) {
        const auto i = static_cast<std::size_t>(8 * p + sl);
        QWidget* eltern = sl < 4 ? zeile : block[static_cast<std::size_t>((sl - 4) / 2)];
        const Vorrat& v = vorrat_[i];
        txtHeimTipp_[i] = feld(eltern, "txtHeimTipp", Feldart::heimTipp, int(i), v.heim, v.farbe);
        txtAusTipp_[i] = feld(eltern, "txtAusTipp", Feldart::ausTipp, int(i), v.aus, v.farbe);
    }
    ordneZeileAn(p);
}

// Where a row's tip fields stand in the layout in place; slots 4..7 sit in two blocks per row, so a view change shows
// or hides two widgets, not sixteen.
void Spielraster::ordneZeileAn(int p) {
    const Spalten& l = schmal_ ? masse::schmal : masse::breit;
    for (std::size_t k = 0; k < 2; ++k) {
        const int erster = 4 + 2 * static_cast<int>(k);
        QWidget* block = tippBlock_[static_cast<std::size_t>(p)][k];
        setze(block, l.tippLinks + erster * l.tippAbstand, 0, l.tippAbstand + ausVersatz + feldGroesse, feldGroesse);
        block->setVisible(zeileAktiv_[static_cast<std::size_t>(erster)]);
    }
    for (int sl = 0; sl < 8; ++sl) {
        const auto i = static_cast<std::size_t>(8 * p + sl);
        const int links = sl < 4 ? l.tippLinks + sl * l.tippAbstand : (sl % 2) * l.tippAbstand;
        setze(txtHeimTipp_[i], links, 0, feldGroesse, feldGroesse);
        setze(txtAusTipp_[i], links + ausVersatz, 0, feldGroesse, feldGroesse);
    }
}

void Spielraster::setzeWeiterNachZiffer(bool an) {
    weiterNachZiffer_ = an;
    for (ZiffernZelle* f : felder()) f->setzeWeiterNachZiffer(an);
}

void Spielraster::setzeFeldFilter(QObject* filter) {
    feldFilter_ = filter;
    for (ZiffernZelle* f : felder()) f->installEventFilter(filter);
}

void Spielraster::setzeAnsicht(int v) {
    ansicht_ = v;
    const QSignalBlocker still(cmbPhase_);
    cmbPhase_->setCurrentIndex(v);
}

bool Spielraster::zeigePhase(int v) {
    if (v < 0 || v >= katalog::anzahlAnsichten) return false;
    // Between the wide and the narrow layout every tip field and counter moves: one repaint for all of it.
    const Stillhalten still((v == 8) != schmal_ ? this : nullptr);
    ordneAn(v);
    fuelleRaster();
    return true;
}

void Spielraster::ordneAn(int v) {
    // Hiding the column that holds the focus moves it on into a field that still shows the old view: the edit
    // that starts there must not write the old view's values into the new view's matches.
    const Ausgesetzt ruhe(rasterAktiv_);
    const int letzte = letzteZeile(v);
    for (int sl = 0; sl < 8; ++sl) zeileAktiv_[static_cast<std::size_t>(sl)] = sl <= letzte;
    schmal_ = v == 8;
    const Spalten& l = schmal_ ? masse::schmal : masse::breit;
    if (schmal_)
        tmrWechsel_->start();
    else
        tmrWechsel_->stop();

    teilnehmer_->ordneAn(l.gruppeLinks, l.gesamtLinks);
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (tippBlock_[static_cast<std::size_t>(p)][0]) ordneZeileAn(p);
    for (std::size_t sl = 0; sl < 8; ++sl) {
        spalten_[sl]->ordneAn(l);
        spalten_[sl]->setVisible(zeileAktiv_[sl]);
    }
}

void Spielraster::wechsleFlaggen() {
    wechsel_ = static_cast<Integer>(~wechsel_);
    for (Spielspalte* spalte : spalten_) spalte->flaggenNachVorn(wechsel_ == -1);
}

void Spielraster::fokussiereListe() { cmbPhase_->setFocus(); }

void Spielraster::beschrifte() {
    setTitle(QStringLiteral("Spiele"));
    // Closed, the list shows its longest entry whole; it stays right of the last column of "Achtelfinale".
    setze(cmbPhase_, 8110, 300, std::max(1770.0, cmbPhase_->sizeHint().width() * twips::proPixel), 330);
}

QList<ZiffernZelle*> Spielraster::felder() const { return findChildren<ZiffernZelle*>(); }

void Spielraster::setzeReihenfolge(QWidget* danach) {
    // Results of the view first, each match's tick after its two fields, then each participant's tips slot by
    // slot, home before away.
    QWidget* vorige = cmbPhase_;
    auto weiter = [&vorige](QWidget* w) {
        QWidget::setTabOrder(vorige, w);
        vorige = w;
    };
    for (Spielspalte* spalte : spalten_) {
        weiter(spalte->heimErg());
        weiter(spalte->ausErg());
        weiter(spalte->haekchen());
    }
    // The tips come in between as their rows are made (macheZeile).
    weiter(cmdAuswerten_);
    weiter(cmdZufall_);
    weiter(cmdTendenz_);
    if (danach) weiter(danach);
}

}  // namespace ovi
