#include "ui/rueckgaengig.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QUndoStack>

#include "ui/ablauf.h"
#include "ui/dateibefehle.h"
#include "ui/menue.h"
#include "ui/spielraster.h"
#include "ui/tabellenbereich.h"

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

Rueckgaengig::Rueckgaengig(Ablauf& fenster, Spielraster& raster, Tabellenbereich& tabelle, Menue& menue,
                           Dateibefehle& datei)
    : QObject(fenster.eltern()), w_(fenster), raster_(raster), tabelle_(tabelle), menue_(menue), datei_(datei) {
    stapel_ = new QUndoStack(this);
    stapel_->setObjectName(QStringLiteral("verlauf"));
    stapel_->setUndoLimit(schritteMax);

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
        setze(zurueck, QStringLiteral("Rückgängig"), stapel_->canUndo(), stapel_->undoText());
        setze(vor, QStringLiteral("Wiederholen"), stapel_->canRedo(), stapel_->redoText());
    };
    benenne();
    connect(stapel_, &QUndoStack::indexChanged, this, benenne);
    connect(stapel_, &QUndoStack::undoTextChanged, this, benenne);
    connect(stapel_, &QUndoStack::redoTextChanged, this, benenne);
    connect(zurueck, &QAction::triggered, this, [this] { w_.sicher([this] { stapel_->undo(); }); });
    connect(vor, &QAction::triggered, this, [this] { w_.sicher([this] { stapel_->redo(); }); });

    // At the top of "&Bearbeiten", where desktop programs keep them.
    QMenu* bearbeiten = menue_.bearbeiten();
    QAction* erstes = bearbeiten->actions().value(0);
    bearbeiten->insertAction(erstes, zurueck);
    bearbeiten->insertAction(erstes, vor);
    bearbeiten->insertSeparator(erstes)->setObjectName(QStringLiteral("menStrich_Verlauf"));
    auto* vorrang = new Kuerzelvorrang(this, zurueck->shortcuts() + vor->shortcuts());
    raster_.setzeFeldFilter(vorrang);

    connect(&datei_, &Dateibefehle::gespeichert, this, [this] { alsGespeichert(); });
    stand_ = nimmStand();
}

StandZeiger Rueckgaengig::nimmStand() {
    Spielstand& s = w_.spielstand();
    auto st = std::make_shared<Stand>();
    st->spiel = s;
    // Put the game aside, let a write-back show what the grid holds, and put it back.
    w_.leseRaster();
    if (!(s == st->spiel)) st->raster = std::move(s);
    s = st->spiel;
    st->dateiName = datei_.dateiName();
    st->dateiTitel = tabelle_.dateiTitel();
    st->modusText = tabelle_.regelName();
    st->bonusText = tabelle_.bonus();
    st->ansicht = raster_.ansicht();
    st->regelHaken = menue_.regelHaken();
    st->sortierung = tabelle_.sortierung();
    return st;
}

void Rueckgaengig::zeigeStand(const StandZeiger& st) {
    stand_ = st;
    const QScopedValueRollback halt(stelltHer_, true);
    Spielstand& s = w_.spielstand();
    // The grid is filled from the game as the grid held it; the game itself comes back afterwards.
    s = st->raster ? *st->raster : st->spiel;
    datei_.setzeDateiName(st->dateiName);
    tabelle_.setzeDateiTitel(st->dateiTitel);
    tabelle_.setzeRegelName(st->modusText);
    tabelle_.setzeBonus(st->bonusText);
    menue_.setzeRegelHaken(st->regelHaken);
    raster_.setzeAnsicht(st->ansicht);
    tabelle_.setzeSortierung(st->sortierung);
    w_.zeigeUngewertet();
    s = st->spiel;
    w_.zeigeTendenz();
    // Windows that follow the scores follow a step taken back as well.
    emit zurueckgestellt();
    // A field in the middle of an edit stands for the restored value once it is emptied.
    raster_.uebernimmVorher();
}

void Rueckgaengig::nimmAuf(const QString& text) {
    if (stelltHer_) return;
    StandZeiger nachher = nimmStand();
    // Values of the grid taken over into the game (entering a field after "Zufall") change nothing to see.
    if (gleichSichtbar(*nachher, *stand_)) {
        stand_ = std::move(nachher);
        return;
    }
    auto* schritt = new Schritt(text, stand_, nachher, [this](const StandZeiger& st) { zeigeStand(st); });
    stand_ = std::move(nachher);
    stapel_->push(schritt);
}

bool Rueckgaengig::ungespeichert() {
    w_.leseRaster();
    return !stapel_->isClean();
}

void Rueckgaengig::merkeStand() {
    if (!stelltHer_) stand_ = nimmStand();
}

void Rueckgaengig::alsGespeichert() {
    merkeStand();
    stapel_->setClean();
}

void Rueckgaengig::beginne() {
    stapel_->clear();
    merkeStand();
}

Spieldatei Rueckgaengig::aktuellesBild() {
    const StandZeiger st = nimmStand();
    const Spielstand& s = st->raster ? *st->raster : st->spiel;
    return ausSpielstand(s);
}

}  // namespace ovi
