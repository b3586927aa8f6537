#include "ui/bearbeitenbefehle.h"

#include "core/auswertung.h"
#include "ui/ablauf.h"
#include "ui/tabellenbereich.h"

namespace ovi {

Bearbeitenbefehle::Bearbeitenbefehle(Ablauf& fenster, Tabellenbereich& tabelle)
    : QObject(fenster.eltern()), w_(fenster), tabelle_(tabelle) {}

void Bearbeitenbefehle::waehleRegel(int modus) {
    setzeEingebauteRegel(w_.spielstand(), modus);
    tabelle_.setzeRegelName(QString::fromStdString(regelName(modus)));
    w_.werteAus();
}

void Bearbeitenbefehle::waehleSpiele(bool loeschen, const std::function<bool(int)>& gewaehlt) {
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        Spiel& spiel = w_.spielstand().spiele[m];
        if (loeschen) spiel.auswerten = false;
        if (gewaehlt(m)) spiel.auswerten = true;
    }
    w_.fuelleRaster();
}

void Bearbeitenbefehle::menNull_Click() {
    if (w_.dienste().frage(w_.eltern(), QStringLiteral("Achtung!"),
                           QStringLiteral("Wollen Sie alle Tipps und Ergebnisse löschen?"),
                           Knoepfe::okAbbrechen) != Antwort::ok)
        return;
    Spielstand& s = w_.spielstand();
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        Spiel& spiel = s.spiele[m];
        spiel.ergHeim = 0;
        spiel.ergAus = 0;
        spiel.auswerten = false;
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            s.tipps(p, m, 0) = 0;
            s.tipps(p, m, 1) = 0;
        }
    }
    w_.fuelleRaster();
    w_.werteAus();
    w_.zeigeTendenz();
}

}  // namespace ovi
