// The main window: building its parts, wiring them, and the steps of the data flow that every command runs.
#include "ui/frmhaupt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QScreen>
#include <QUndoStack>

#include "core/auswertung.h"
#include "core/bonus.h"
#include "core/rangliste.h"
#include "ui/bearbeitenbefehle.h"
#include "ui/dateibefehle.h"
#include "ui/dialoge/twips.h"
#include "ui/druckbefehle.h"
#include "ui/fensterbefehle.h"
#include "ui/klartexttipps.h"
#include "ui/masse.h"
#include "ui/menue.h"
#include "ui/rueckgaengig.h"
#include "ui/spielraster.h"
#include "ui/stillhalten.h"
#include "ui/tabellenbereich.h"
#include "ui/tabellenzeilen.h"
#include "ui/teilnehmerspalte.h"
#include "ui/tippbefehle.h"
#include "ui/turnierbefehle.h"

namespace ovi {

namespace {

// Participants who play along stand without gaps in slot order, and the ranking shows as many rows.
void staple(Spielraster& raster, Tabellenbereich& tabelle, const Spielstand& s) {
    raster.staple(s);
    tabelle.zeigeZeilen(raster.teilnehmer().zeilen());
}

}  // namespace

frmHaupt::frmHaupt(Dienste dienste, QWidget* eltern)
    : QMainWindow(eltern), dienste_(mitStandard(std::move(dienste))), bilder_(qApp->devicePixelRatio()) {
    setObjectName(QStringLiteral("frmHaupt"));
    setWindowTitle(QStringLiteral("ovi kuvela - Das Tippspiel zur Fußball-Weltmeisterschaft 2006"));
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPointSizeF(8);
    setFont(schrift);
    zeigeTippsAlsKlartext();
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) passeAnBildschirm(bildschirm->size().height());

    auto* zentrum = new QWidget(this);
    zentrum->setObjectName(QStringLiteral("zentrum"));
    zentrum->setMinimumSize(twips::px(masse::clientBreite), twips::px(masse::clientHoehe));
    setCentralWidget(zentrum);
    raster_ = new Spielraster(zentrum, s_, bilder_);
    tabelle_ = new Tabellenbereich(zentrum, bilder_);

    Ablauf& ablauf = *this;
    datei_ = new Dateibefehle(ablauf, *tabelle_);
    druck_ = new Druckbefehle(ablauf, *datei_, *tabelle_);
    bearbeiten_ = new Bearbeitenbefehle(ablauf, *tabelle_);
    fenster_ = new Fensterbefehle(ablauf);
    turnier_ = new Turnierbefehle(ablauf);
    tipp_ = new Tippbefehle(ablauf, *datei_, *raster_);
    menue_ = new Menue(ablauf, *menuBar(), {*datei_, *druck_, *bearbeiten_, *fenster_, *turnier_, *tipp_});
    raster_->setzeReihenfolge(tabelle_->sortierListe());
    verbinde();

    // The rule in force from the start is named like after any rule command.
    tabelle_->setzeRegelName(QString::fromStdString(regelName(s_.regel.modus)));
    tabelle_->setzeBonus(QString::number(s_.regel.bonuspunkte));
    zeigeTendenz();
    loescheAuswertung(s_);
    zeigeUngewertet();
    rueckgaengig_ = new Rueckgaengig(ablauf, *raster_, *tabelle_, *menue_, *datei_);
    connect(rueckgaengig_, &Rueckgaengig::zurueckgestellt, this, &frmHaupt::ausgewertet);
    // The race chart follows every evaluation and every step taken back while it is shown; the windows that collect
    // tips follow every step too.
    connect(this, &frmHaupt::ausgewertet, fenster_, &Fensterbefehle::folgeAuswertung);
    connect(this, &frmHaupt::ausgewertet, tipp_, &Tippbefehle::folgeSpiel);
    connect(rueckgaengig_->stapel(), &QUndoStack::indexChanged, tipp_, &Tippbefehle::folgeSpiel);
    raster_->fokussiereListe();
    raster_->beschrifte();
    tabelle_->setTitle(QStringLiteral("Tabelle"));
    adjustSize();
}

frmHaupt::~frmHaupt() {
    // The stack dies with the widgets and reports its last index on the way; nobody listens any more, neither here
    // nor in the windows that follow the game, whose game is gone by then.
    if (verlauf()) verlauf()->blockSignals(true);
}

// Each part reports what the operator did; here it becomes a step of the data flow, run through the fault
// handler, and, where the game changed, a step of the undo history.
void frmHaupt::verbinde() {
    const auto schritt = [this](const char* text) { sicher([this, text] { nimmAuf(QString::fromUtf8(text)); }); };
    // The view, the sort order and a new evaluation change no game value: no step, but the base of the next one.
    const auto keinSchritt = [this] { sicher([this] { rueckgaengig_->merkeStand(); }); };
    connect(raster_, &Spielraster::phaseGewaehlt, this, [this, keinSchritt](int v) {
        sicher([this, v] {
            leseRaster();
            if (v >= 0 && v < katalog::anzahlAnsichten) zeigeAnsicht(v);
        });
        keinSchritt();
    });
    connect(raster_, &Spielraster::auswertenGeklickt, this, [this, keinSchritt] {
        sicher([this] { werteAus(); });
        keinSchritt();
    });
    connect(raster_, &Spielraster::zufallGeklickt, this, [this, schritt] {
        sicher([this] { raster_->wuerfle(); });
        schritt("Zufallstipps");
    });
    connect(raster_, &Spielraster::tendenzGeklickt, this, [this] { sicher([this] { zeigeTendenz(); }); });
    // A tick reaches the game at once, like a typed result.
    connect(raster_, &Spielraster::haekchenGeklickt, this, [this, schritt] {
        sicher([this] { leseRaster(); });
        schritt("Häkchen");
    });
    // Every accepted change reaches the game at once: tips, and results too, so nothing typed is lost.
    connect(raster_, &Spielraster::bearbeitet, this, [this](bool tipp) {
        sicher([this, tipp] {
            leseRaster();
            if (tipp) zeigeTendenz();
            nimmAuf(tipp ? QStringLiteral("Tipp") : QStringLiteral("Ergebnis"));
        });
    });
    connect(raster_, &Spielraster::infoGeklickt, this,
            [this](int slot) { sicher([&] { fenster_->imgInfo_Click(slot); }); });
    connect(tabelle_, &Tabellenbereich::sortierungGewaehlt, this, [this, keinSchritt](int k) {
        // Sorts the records as the last evaluation left them; nothing is scored here.
        sicher([this, k] {
            sortiereTabelle(s_, k);
            tabelle_->zeige(s_, k);
        });
        keinSchritt();
    });
    // The mouse over a name marks the participant in the grid and in the ranking at once.
    connect(&raster_->teilnehmer(), &Teilnehmerspalte::nameBeruehrt, this, [this](int p) {
        sicher([this, p] {
            raster_->teilnehmer().markiere(p);
            tabelle_->zeilen().markiere(s_.auswertung[p].platz);
        });
    });
    connect(&tabelle_->zeilen(), &Tabellenzeilen::nameBeruehrt, this, [this](int r) {
        sicher([this, r] {
            raster_->teilnehmer().markiere(spielerAufPlatz(s_, r));
            tabelle_->zeilen().markiere(r);
        });
    });
}

void frmHaupt::passeAnBildschirm(int hoehePx) {
    if (hoehePx <= 768) {
        resize(twips::px(15360), height());
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
}

int frmHaupt::ansicht() const { return raster_->ansicht(); }
QString frmHaupt::dateiName() const { return datei_->dateiName(); }
Dateiwache& frmHaupt::dateiwache() { return datei_->wache(); }

void frmHaupt::sicher(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        dienste_.meldung(this, QStringLiteral("ovi kuvela"),
                         QStringLiteral("Der Vorgang wurde abgebrochen:\n%1").arg(QString::fromUtf8(e.what())));
    }
}

void frmHaupt::leseRaster() { raster_->leseRaster(); }
void frmHaupt::fuelleRaster() { raster_->fuelleRaster(); }
void frmHaupt::zeigeTendenz() { raster_->zeigeTendenz(); }
bool frmHaupt::zeigePhase(int v) { return raster_->zeigePhase(v); }

void frmHaupt::werteAus() {
    leseRaster();
    nachBewertung(werteKomplettAus(s_));
}

void frmHaupt::starteEinblenden() {
    sicher([this] { einblenden(); });
}

void frmHaupt::starteAuswertung() {
    sicher([this] {
        s_.regel.modus = 0;
        menue_->setzeRegelHaken(0);
        tabelle_->setzeRegelName(QString::fromStdString(regelName(0)));
        tabelle_->setzeBonus(QString::number(s_.regel.bonuspunkte));
        werteAus();
    });
}

void frmHaupt::setWeltmeister(const std::string& team) {
    sicher([this, &team] {
        ovi::setWeltmeister(s_, team);
        nachBewertung(Bonusausgang::ohneBonus);
        fenster_->zeigeBonusSieger();
    });
}

void frmHaupt::zeigeRegel() {
    tabelle_->setzeRegelName(QString::fromStdString(regelName(s_.regel.modus)));
    tabelle_->setzeBonus(QString::number(s_.regel.bonuspunkte));
    menue_->setzeRegelHaken(s_.regel.modus);
}

void frmHaupt::einblenden() {
    const Bonusausgang ausgang = werteKomplettAus(s_);
    sortiereTabelle(s_, 0);
    staple(*raster_, *tabelle_, s_);
    nachBewertung(ausgang);
}

// What every evaluation ends with: table, sort selector, grid, and the bonus dialogs.
void frmHaupt::nachBewertung(Bonusausgang ausgang) {
    tabelle_->zeige(s_, 0);
    tabelle_->setzeSortierung(0);
    fuelleRaster();
    if (ausgang == Bonusausgang::bonusVergeben) fenster_->zeigeBonusSieger();
    if (ausgang == Bonusausgang::weltmeisterFrage) fenster_->frageWeltmeister();
    emit ausgewertet();
}

void frmHaupt::zeigeAnsicht(int v) {
    raster_->setzeAnsicht(v);
    zeigePhase(v);
    zeigeTendenz();
}

void frmHaupt::zeigeUngewertet() {
    staple(*raster_, *tabelle_, s_);
    tabelle_->zeige(s_, std::max(0, tabelle_->sortierung()));
    zeigePhase(ansicht());
    zeigeTendenz();
}

void frmHaupt::zeigeNeuesSpiel() {
    raster_->setzeAnsicht(0);
    {
        // Layout first, so the evaluation's refill is the only one; every field changes, so one repaint for all.
        const Stillhalten spiele(raster_), tabelle(tabelle_);
        raster_->ordneAn(0);
        einblenden();
    }
    zeigeTendenz();
}

void frmHaupt::oeffne(const QString& pfad) {
    sicher([&] { datei_->oeffneDatei(pfad); });
}

QUndoStack* frmHaupt::verlauf() const { return rueckgaengig_ ? rueckgaengig_->stapel() : nullptr; }
bool frmHaupt::ungespeichert() { return rueckgaengig_->ungespeichert(); }
void frmHaupt::beginneVerlauf() { rueckgaengig_->beginne(); }
Spieldatei frmHaupt::aktuellesBild() { return rueckgaengig_->aktuellesBild(); }

void frmHaupt::oeffneWiederhergestellt(const Spieldatei& d, const QString& dateiName) {
    uebernehme(s_, d);
    datei_->setzeDatei(dateiName);
    tabelle_->setzeRegelName(QString::fromStdString(regelName(s_.regel.modus)));
    tabelle_->setzeBonus(QString::number(s_.regel.bonuspunkte));
    zeigeNeuesSpiel();
    // Not saved: the step keeps the save question and the next copy coming.
    nimmAuf(QStringLiteral("Wiederherstellen"));
}

void frmHaupt::nimmAuf(const QString& schritt) {
    if (rueckgaengig_) rueckgaengig_->nimmAuf(schritt);
}

void frmHaupt::closeEvent(QCloseEvent* e) {
    // A fault while asking keeps the window open: better than losing the game.
    bool zu = false;
    sicher([&] { zu = datei_->darfVerwerfen(); });
    if (!zu) {
        e->ignore();
        return;
    }
    e->accept();
    emit beendet();
}

}  // namespace ovi
