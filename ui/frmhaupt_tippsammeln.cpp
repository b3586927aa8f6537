// Collecting tips: "Tipps aus Text…", "Tippzettel…", "Fehlende Tipps" and the choice "Nach einer Ziffer weiter".
// The windows are classes of their own; here they are opened, fed from the game and kept up to date.
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QUndoStack>

#include "core/tippvorschau.h"
#include "ui/dialoge/frmfehlendetipps.h"
#include "ui/dialoge/frmtipptext.h"
#include "ui/frmhaupt.h"
#include "ui/frmtippzettel.h"

namespace ovi {

namespace {

// The program's one remembered choice, in ~/.config/ovikuvela/ovikuvela.conf; the game file stays as it is.
const QString zifferWeiterSchluessel = QStringLiteral("eingabe/nachEinerZifferWeiter");
const QString programmName = QStringLiteral("ovikuvela");

// Shown again if there is one already, so a window keeps its choices.
template <class F>
F* offenes(const QObject* eltern) {
    for (F* f : eltern->findChildren<F*>(QString(), Qt::FindDirectChildrenOnly))
        if (f->isVisible()) return f;
    return nullptr;
}

void vorn(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace

void frmHaupt::folgeSpiel(QWidget* fenster, const std::function<void()>& neu) {
    const auto wennSichtbar = [this, fenster, neu] {
        if (fenster->isVisible()) sicher(neu);
    };
    connect(verlauf_, &QUndoStack::indexChanged, fenster, wennSichtbar);
    connect(this, &frmHaupt::ausgewertet, fenster, wennSichtbar);
}

void frmHaupt::menTippText_Click() {
    leseRaster();
    if (auto* offen = offenes<frmTippText>(this)) return vorn(offen);
    frmTippText::Wege wege;
    wege.waehleDatei = [this](QWidget* eltern) {
        return dienste_.oeffnen(eltern, {QStringLiteral("Textdatei mit Tipps lesen"),
                                         startOrdner(),
                                         {},
                                         QStringLiteral("Textdateien (*.txt)"),
                                         QStringLiteral("txt")});
    };
    wege.melde = [this](QWidget* eltern, const QString& fehler) {
        dienste_.meldung(eltern, QStringLiteral("Tipps aus Text"), fehler);
    };
    wege.uebernimm = [this](const std::vector<Tippaenderung>& a) { uebernimmTippText(a); };
    auto* dlg = new frmTippText(s_, std::move(wege), this);
    folgeSpiel(dlg, [dlg] { dlg->aktualisiere(); });
    vorn(dlg);
}

// Like typed tips: what the grid holds is taken over first, the tendency counters follow, one step for all.
void frmHaupt::uebernimmTippText(const std::vector<Tippaenderung>& a) {
    sicher([&] {
        leseRaster();
        uebernimm(s_.tipps, a);
        fuelleRaster();
        zeigeTendenz();
        nimmAuf(QStringLiteral("Tipps aus Text"));
    });
}

void frmHaupt::menTippzettel_Click() {
    leseRaster();
    auto* zettel = offenes<frmTippzettel>(this);
    if (!zettel) {
        zettel = new frmTippzettel(s_, dienste_, startOrdner(), ansicht_, this);
        zettel->setAttribute(Qt::WA_DeleteOnClose);
        folgeSpiel(zettel, [zettel] { zettel->aktualisiere(); });
    }
    zettel->aktualisiere();
    vorn(zettel);
}

void frmHaupt::menFehlendeTipps_Click() {
    leseRaster();
    auto* fenster = findChild<frmFehlendeTipps*>(QString(), Qt::FindDirectChildrenOnly);
    if (!fenster) {
        fenster = new frmFehlendeTipps(this);
        folgeSpiel(fenster, [this, fenster] { fenster->zeige(s_); });
    }
    fenster->zeige(s_);
    vorn(fenster);
}

// Off by default and kept between runs: with it, a tip costs two keys instead of four.
QAction* frmHaupt::richteZifferWeiterEin(QMenu* bearbeiten) {
    bearbeiten->addSeparator()->setObjectName(QStringLiteral("menStrich_Eingabe"));
    QAction* a = bearbeiten->addAction(QStringLiteral("Nach einer Ziffer weiter"));
    a->setObjectName(QStringLiteral("menZifferWeiter"));
    a->setCheckable(true);
    const auto setze = [this](bool an) {
        for (const auto* felder : {&txtHeimErg, &txtAusErg})
            for (ZiffernZelle* z : *felder) z->setzeWeiterNachZiffer(an);
        for (const auto* felder : {&txtHeimTipp, &txtAusTipp})
            for (ZiffernZelle* z : *felder) z->setzeWeiterNachZiffer(an);
    };
    a->setChecked(QSettings(programmName, programmName).value(zifferWeiterSchluessel, false).toBool());
    setze(a->isChecked());
    connect(a, &QAction::toggled, this, [setze](bool an) {
        setze(an);
        QSettings(programmName, programmName).setValue(zifferWeiterSchluessel, an);
    });
    return a;
}

}  // namespace ovi
