// The tournament after the group stage: knock-out pairings from the typed results, and the group tables.
#include "core/kobaum.h"
#include "ui/dialoge/frmgruppen.h"
#include "ui/frmhaupt.h"

namespace ovi {

namespace {

QString aus(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// One pass: results in, the operator's answers for drawn matches, pairings out, grid refilled.
void frmHaupt::menKOPaarungen_Click() {
    const QString titel = QStringLiteral("K.-o.-Paarungen aus Ergebnissen");
    leseRaster();
    Spiele vorschau = s_.spiele;
    fuelleKoPaarungen(vorschau);
    const std::vector<int> offen = offeneElfmeter(s_.spiele);
    Weiter weiter;
    if (!offen.empty()) {
        QList<Weiterfrage> fragen;
        for (int m : offen) {
            const Spiel& sp = vorschau[m];
            const QString heim = aus(s_.getNation(sp.heim)), gast = aus(s_.getNation(sp.aus));
            fragen.push_back({QStringLiteral("%1: %2 – %3").arg(aus(s_.phasen[abschnittVonSpiel(m) - 7]), heim, gast),
                              heim, gast, schonWeiter(vorschau, m)});
        }
        const QList<int> antworten = dienste_.weiter(this, fragen);
        if (antworten.isEmpty()) return;  // cancelled: nothing changes
        for (std::size_t i = 0; i < offen.size(); ++i) {
            const int seite = antworten.value(static_cast<qsizetype>(i), -1);
            if (seite == 0 || seite == 1)
                weiter[offen[i]] = seite == 0 ? vorschau[offen[i]].heim : vorschau[offen[i]].aus;
        }
    }
    const auto wechsel = fuelleKoPaarungen(s_.spiele, weiter);
    fuelleRaster();
    dienste_.hinweis(
        this, titel,
        wechsel.empty() ? QStringLiteral("Keine Paarung hat sich geändert.") : aus(beschreibe(wechsel, s_.nationen)));
}

void frmHaupt::menGruppentabellen_Click() {
    // Typed results count at once; kept once made, losing activation only hides it.
    leseRaster();
    auto* fenster = findChild<frmGruppen*>(QStringLiteral("frmGruppen"));
    if (!fenster)
        fenster = new frmGruppen(
            s_, [this](int team) { return bilder_.flagge(team); }, this);
    fenster->zeige();
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

}  // namespace ovi
