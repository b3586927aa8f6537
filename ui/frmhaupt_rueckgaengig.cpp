// Undo and redo of every change to the game. A step is recorded after its command has run, by comparing the
// whole game with the picture of the last step; "unsaved" means away from the step of the last save or open.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QUndoStack>

#include "core/katalog.h"
#include "ui/frmhaupt.h"

namespace ovi {

namespace {

// At least this many steps can be taken back; older ones are dropped.
constexpr int schritteMax = 200;

// A grid field would take these keys for its own one-character undo; the game's history goes first.
class Kuerzelvorrang : public QObject {
  public:
    Kuerzelvorrang(QObject* eltern, QList<QKeySequence> folgen) : QObject(eltern), folgen_(std::move(folgen)) {}

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::ShortcutOverride) return false;
        if (!folgen_.contains(QKeySequence(static_cast<QKeyEvent*>(e)->keyCombination()))) return false;
        e->ignore();
        return true;
    }

  private:
    QList<QKeySequence> folgen_;
};

// The game as the grid shows it, and all else.
bool gleichSichtbar(const Stand& a, const Stand& b) {
    const Spielstand& sa = a.raster ? *a.raster : a.spiel;
    const Spielstand& sb = b.raster ? *b.raster : b.spiel;
    return sa == sb && a.dateiName == b.dateiName && a.dateiTitel == b.dateiTitel && a.modusText == b.modusText &&
           a.bonusText == b.bonusText && a.ansicht == b.ansicht && a.regelHaken == b.regelHaken &&
           a.sortierung == b.sortierung;
}

}  // namespace

void frmHaupt::richteVerlaufEin() {
    verlauf_ = new QUndoStack(this);
    verlauf_->setObjectName(QStringLiteral("verlauf"));
    verlauf_->setUndoLimit(schritteMax);

    auto* zurueck = new QAction(this);
    zurueck->setObjectName(QStringLiteral("menRückgängig"));
    zurueck->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    auto* vor = new QAction(this);
    vor->setObjectName(QStringLiteral("menWiederholen"));
    vor->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto benenne = [this, zurueck, vor] {
        const auto setze = [](QAction* a, const QString& wort, bool kann, const QString& schritt) {
            a->setEnabled(kann);
            a->setText(kann ? wort + QStringLiteral(": ") + schritt : wort);
        };
        setze(zurueck, QStringLiteral("Rückgängig"), verlauf_->canUndo(), verlauf_->undoText());
        setze(vor, QStringLiteral("Wiederholen"), verlauf_->canRedo(), verlauf_->redoText());
    };
    benenne();
    connect(verlauf_, &QUndoStack::indexChanged, this, benenne);
    connect(verlauf_, &QUndoStack::undoTextChanged, this, benenne);
    connect(verlauf_, &QUndoStack::redoTextChanged, this, benenne);
    connect(zurueck, &QAction::triggered, this, [this] { sicher([this] { verlauf_->undo(); }); });
    connect(vor, &QAction::triggered, this, [this] { sicher([this] { verlauf_->redo(); }); });

    // At the top of "&Bearbeiten", where desktop programs keep them.
    if (auto* bearbeiten = findChild<QMenu*>(QStringLiteral("menBearbeiten"))) {
        QAction* erstes = bearbeiten->actions().value(0);
        bearbeiten->insertAction(erstes, zurueck);
        bearbeiten->insertAction(erstes, vor);
        bearbeiten->insertSeparator(erstes)->setObjectName(QStringLiteral("menStrich_Verlauf"));
    } else {
        addAction(zurueck);
        addAction(vor);
    }
    auto* vorrang = new Kuerzelvorrang(this, zurueck->shortcuts() + vor->shortcuts());
    for (auto it = orte_.cbegin(); it != orte_.cend(); ++it)
        if (it.value().art == Art::heimErg || it.value().art == Art::ausErg || it.value().art == Art::heimTipp ||
            it.value().art == Art::ausTipp)
            const_cast<QObject*>(it.key())->installEventFilter(vorrang);

    // Connected after the commands' own handlers, so a step sees the whole effect of its command.
    const auto schritt = [this](const char* text) {
        return [this, text] { sicher([this, text] { nimmAuf(QString::fromUtf8(text)); }); };
    };
    // The view, the sort order and a new evaluation change no game value: no step, but the base of the next one.
    const auto kein = [this] { sicher([this] { merkeStand(); }); };
    connect(cmdZufall, &QPushButton::clicked, this, schritt("Zufallstipps"));
    for (QCheckBox* c : chkAuswerten) connect(c, &QCheckBox::clicked, this, schritt("Häkchen"));
    connect(cmdAuswerten, &QPushButton::clicked, this, kein);
    connect(cmbPhase, &QComboBox::activated, this, kein);
    connect(cmbSortierung, &QComboBox::activated, this, kein);
    // A menu command that changes the game: one row, its item and the step's name.
    const std::pair<const char*, const char*> befehle[] = {
        {"menTipps", "Tipps importieren"},     {"menSpiele", "Spiel-Informationen importieren"},
        {"menNull", "alles auf Null"},         {"men321", "3-2-1-Regel"},
        {"men3Punkte", "3-Punkte-Regel"},      {"men2Punkte", "2-Punkte-Regel"},
        {"menKOPaarungen", "K.-o.-Paarungen"},
    };
    for (const auto& [name, text] : befehle)
        if (auto* a = findChild<QAction*>(QString::fromUtf8(name)))
            connect(a, &QAction::triggered, this, schritt(text));
    if (auto* auswahl = findChild<QMenu*>(QStringLiteral("menAuswahl")))
        for (QAction* a : auswahl->findChildren<QAction*>())
            if (!a->menu() && !a->isSeparator()) connect(a, &QAction::triggered, this, schritt("Spielauswahl"));

    stand_ = nimmStand();
}

StandZeiger frmHaupt::nimmStand() {
    auto st = std::make_shared<Stand>();
    st->spiel = s_;
    // Put the game aside, let a write-back show what the grid holds, and put it back.
    leseRaster();
    if (!(s_ == st->spiel)) st->raster = std::move(s_);
    s_ = st->spiel;
    st->dateiName = dateiName_;
    st->dateiTitel = lblDateiE->text();
    st->modusText = lblModusE->text();
    st->bonusText = lblBonusE->text();
    st->ansicht = ansicht_;
    const std::array<QAction*, 4> regeln{men321, men3Punkte, men2Punkte, menEigeneRegel};
    st->regelHaken = static_cast<int>(std::find(regeln.begin(), regeln.end(), regelHaken_) - regeln.begin());
    st->sortierung = cmbSortierung->currentIndex();
    return st;
}

void frmHaupt::zeigeStand(const StandZeiger& st) {
    stand_ = st;
    const QScopedValueRollback halt(stelltHer_, true);
    // The grid is filled from the game as the grid held it; the game itself comes back afterwards.
    s_ = st->raster ? *st->raster : st->spiel;
    dateiName_ = st->dateiName;
    lblDateiE->setText(st->dateiTitel);
    lblModusE->setText(st->modusText);
    lblBonusE->setText(st->bonusText);
    const std::array<QAction*, 4> regeln{men321, men3Punkte, men2Punkte, menEigeneRegel};
    setzeRegelHaken(regeln[static_cast<std::size_t>(std::clamp(st->regelHaken, 0, 3))]);
    ansicht_ = st->ansicht;
    {
        const QSignalBlocker still(cmbPhase);
        cmbPhase->setCurrentIndex(ansicht_);
    }
    {
        const QSignalBlocker still(cmbSortierung);
        cmbSortierung->setCurrentIndex(st->sortierung);
    }
    stapleZeilen();
    zeigeTabelle();
    setzeMarken(std::max(0, st->sortierung));
    zeigePhase(ansicht_);
    s_ = st->spiel;
    zeigeTendenz();
    // Windows that follow the scores follow a step taken back as well.
    emit ausgewertet();

    // A field in the middle of an edit stands for the restored value once it is emptied.
    const auto it = orte_.constFind(QApplication::focusWidget());
    if (it == orte_.constEnd()) return;
    const Ort o = it.value();
    const bool tipp = o.art == Art::heimTipp || o.art == Art::ausTipp;
    if (!tipp && o.art != Art::heimErg && o.art != Art::ausErg) return;
    const int slot = tipp ? o.index % 8 : o.index;
    if (slot > letzteZeile(ansicht_)) return;
    const int m = ersteSpielNr(ansicht_) + slot;
    const int seite = o.art == Art::heimErg || o.art == Art::heimTipp ? 0 : 1;
    const Spiel& spiel = s_.spiele[m];
    vorher(o.art) = tipp ? s_.tipps(o.index / 8, m, seite) : seite == 0 ? spiel.ergHeim : spiel.ergAus;
}

void frmHaupt::nimmAuf(const QString& text) {
    if (!verlauf_ || stelltHer_) return;
    StandZeiger nachher = nimmStand();
    // Values of the grid taken over into the game (entering a field after "Zufall") change nothing to see.
    if (gleichSichtbar(*nachher, *stand_)) {
        stand_ = std::move(nachher);
        return;
    }
    auto* schritt = new Schritt(text, stand_, nachher, [this](const StandZeiger& st) { zeigeStand(st); });
    stand_ = std::move(nachher);
    verlauf_->push(schritt);
}

void frmHaupt::merkeStand() {
    if (verlauf_ && !stelltHer_) stand_ = nimmStand();
}

void frmHaupt::alsGespeichert() {
    merkeStand();
    if (verlauf_) verlauf_->setClean();
}

void frmHaupt::beginneVerlauf() {
    verlauf_->clear();
    merkeStand();
}

Spieldatei frmHaupt::aktuellesBild() {
    const StandZeiger st = nimmStand();
    const Spielstand& s = st->raster ? *st->raster : st->spiel;
    return ausSpielstand(s);
}

void frmHaupt::oeffneWiederhergestellt(const Spieldatei& d, const QString& dateiName) {
    uebernehme(s_, d);
    dateiName_ = dateiName;
    lblDateiE->setText(QFileInfo(dateiName).fileName().left(40));
    lblModusE->setText(QString::fromStdString(regelName(s_.regel.modus)));
    lblBonusE->setText(QString::number(s_.regel.bonuspunkte));
    ansicht_ = 0;
    {
        const QSignalBlocker still(cmbPhase);
        cmbPhase->setCurrentIndex(0);
    }
    ordnePhaseAn(0);
    einblenden();
    zeigeTendenz();
    // Not saved: the step keeps the save question and the next copy coming.
    nimmAuf(QStringLiteral("Wiederherstellen"));
}

}  // namespace ovi
