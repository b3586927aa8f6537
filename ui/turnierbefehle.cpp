#include "ui/turnierbefehle.h"

#include "core/kobaum.h"
#include "ui/ablauf.h"
#include "ui/dialoge/frmgruppen.h"

namespace ovi {

namespace {

QString aus(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

Turnierbefehle::Turnierbefehle(Ablauf& fenster) : QObject(fenster.eltern()), w_(fenster) {}

void Turnierbefehle::menKOPaarungen_Click() {
    const QString titel = QStringLiteral("K.-o.-Paarungen aus Ergebnissen");
    w_.leseRaster();
    Spielstand& s = w_.spielstand();
    Spiele vorschau = s.spiele;
    fuelleKoPaarungen(vorschau);
    const std::vector<int> offen = offeneElfmeter(s.spiele);
    Weiter weiter;
    if (!offen.empty()) {
        QList<Weiterfrage> fragen;
        for (int m : offen) {
            const Spiel& sp = vorschau[m];
            const QString heim = aus(s.getNation(sp.heim)), gast = aus(s.getNation(sp.aus));
            fragen.push_back({QStringLiteral("%1: %2 – %3").arg(aus(s.phasen[abschnittVonSpiel(m) - 7]), heim, gast),
                              heim, gast, schonWeiter(vorschau, m)});
        }
        const QList<int> antworten = w_.dienste().weiter(w_.eltern(), fragen);
        if (antworten.isEmpty()) return;  // cancelled: nothing changes
        for (std::size_t i = 0; i < offen.size(); ++i) {
            const int seite = antworten.value(static_cast<qsizetype>(i), -1);
            if (seite == 0 || seite == 1)
                weiter[offen[i]] = seite == 0 ? vorschau[offen[i]].heim : vorschau[offen[i]].aus;
        }
    }
    const auto wechsel = fuelleKoPaarungen(s.spiele, weiter);
    w_.fuelleRaster();
    w_.dienste().hinweis(
        w_.eltern(), titel,
        wechsel.empty() ? QStringLiteral("Keine Paarung hat sich geändert.") : aus(beschreibe(wechsel, s.nationen)));
}

void Turnierbefehle::menGruppentabellen_Click() {
    w_.leseRaster();
    auto* fenster = w_.eltern()->findChild<frmGruppen*>(QStringLiteral("frmGruppen"));
    if (!fenster)
        fenster = new frmGruppen(
            w_.spielstand(), [this](int team) { return w_.bilder().flagge(team); }, w_.eltern());
    fenster->zeige();
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

}  // namespace ovi
