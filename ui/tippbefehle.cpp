#include "ui/tippbefehle.h"

#include <QAction>
#include <QSettings>

#include "core/tippvorschau.h"
#include "ui/ablauf.h"
#include "ui/dateibefehle.h"
#include "ui/dialoge/frmfehlendetipps.h"
#include "ui/dialoge/frmtipptext.h"
#include "ui/fensterlage.h"
#include "ui/frmtippzettel.h"
#include "ui/spielraster.h"

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

Tippbefehle::Tippbefehle(Ablauf& fenster, const Dateibefehle& datei, Spielraster& raster)
    : QObject(fenster.eltern()), w_(fenster), datei_(datei), raster_(raster) {}

void Tippbefehle::folge(QWidget* fenster, std::function<void()> neu) {
    std::erase_if(folgende_, [](const auto& f) { return !f.first; });
    folgende_.emplace_back(fenster, std::move(neu));
}

void Tippbefehle::folgeSpiel() {
    for (const auto& [fenster, neu] : folgende_)
        if (fenster && fenster->isVisible()) w_.sicher(neu);
}

void Tippbefehle::menTippText_Click() {
    w_.leseRaster();
    if (auto* offen = offenes<frmTippText>(w_.eltern())) return vorn(offen);
    frmTippText::Wege wege;
    wege.waehleDatei = [this](QWidget* eltern) {
        return w_.dienste().oeffnen(eltern, {QStringLiteral("Textdatei mit Tipps lesen"),
                                             datei_.startOrdner(),
                                             {},
                                             QStringLiteral("Textdateien (*.txt)"),
                                             QStringLiteral("txt")});
    };
    wege.melde = [this](QWidget* eltern, const QString& fehler) {
        w_.dienste().meldung(eltern, QStringLiteral("Tipps aus Text"), fehler);
    };
    wege.uebernimm = [this](const std::vector<Tippaenderung>& a) { uebernimmTippText(a); };
    auto* dlg = new frmTippText(w_.spielstand(), std::move(wege), w_.eltern());
    folge(dlg, [dlg] { dlg->aktualisiere(); });
    vorn(dlg);
}

void Tippbefehle::uebernimmTippText(const std::vector<Tippaenderung>& a) {
    w_.sicher([&] {
        w_.leseRaster();
        uebernimm(w_.spielstand().tipps, a);
        w_.fuelleRaster();
        w_.zeigeTendenz();
        w_.nimmAuf(QStringLiteral("Tipps aus Text"));
    });
}

void Tippbefehle::menTippzettel_Click() {
    w_.leseRaster();
    auto* zettel = offenes<frmTippzettel>(w_.eltern());
    if (!zettel) {
        zettel = new frmTippzettel(w_.spielstand(), w_.dienste(), datei_.startOrdner(), w_.ansicht(), w_.eltern());
        zettel->setAttribute(Qt::WA_DeleteOnClose);
        legeAufBildschirm(zettel, w_.eltern());
        folge(zettel, [zettel] { zettel->aktualisiere(); });
    }
    zettel->aktualisiere();
    vorn(zettel);
}

void Tippbefehle::menFehlendeTipps_Click() {
    w_.leseRaster();
    auto* fenster = w_.eltern()->findChild<frmFehlendeTipps*>(QString(), Qt::FindDirectChildrenOnly);
    if (!fenster) {
        fenster = new frmFehlendeTipps(w_.eltern());
        legeAufBildschirm(fenster, w_.eltern());
        folge(fenster, [this, fenster] { fenster->zeige(w_.spielstand()); });
    }
    fenster->zeige(w_.spielstand());
    vorn(fenster);
}

void Tippbefehle::richteZifferWeiterEin(QAction* punkt) {
    punkt->setCheckable(true);
    punkt->setChecked(QSettings(programmName, programmName).value(zifferWeiterSchluessel, false).toBool());
    raster_.setzeWeiterNachZiffer(punkt->isChecked());
    connect(punkt, &QAction::toggled, this, [this](bool an) {
        raster_.setzeWeiterNachZiffer(an);
        QSettings(programmName, programmName).setValue(zifferWeiterSchluessel, an);
    });
}

}  // namespace ovi
