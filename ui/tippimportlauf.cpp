#include "ui/tippimportlauf.h"

#include "core/tippzuordnung.h"
#include "files/tippimport.h"

namespace ovi {

namespace {

const QString titel = QStringLiteral("Tipps importieren");

QString frageText(const QString& datei, const std::vector<std::string>& abweichungen) {
    QString t = QStringLiteral("Die Teilnehmer in „%1“ sind andere als im Spiel:\n").arg(datei);
    for (const std::string& a : abweichungen) t += QString::fromStdString(a) + u'\n';
    return t + QStringLiteral(
                   "\nNach Namen zuordnen: nur die Tipps der Teilnehmer, die im Spiel genauso heißen; Teilnehmer, "
                   "Wertung und Farben des Spiels bleiben.\n"
                   "Wie in der Datei: Teilnehmer, Wertung und Farben kommen aus der Datei, die Tipps Zeile für Zeile.");
}

QString namenListe(const std::vector<std::string>& namen) {
    QStringList l;
    for (const std::string& n : namen) l << QStringLiteral("„%1“").arg(QString::fromStdString(n));
    return l.join(QStringLiteral(", "));
}

}  // namespace

bool importiereTippdateien(QWidget* eltern, const Dienste& dienste, Spielstand& s, const QStringList& pfade) {
    const auto dateien = leseTippdateien(pfade, s.nationen);
    if (!dateien) {
        dienste.meldung(eltern, titel, QString::fromStdString(dateien.fehler));
        return false;
    }
    // Each file is compared with the game as the files before it left it; only the end result is kept.
    Spielstand neu = s;
    QStringList draussen;
    for (const Tippdatei& d : *dateien.daten) {
        Zuordnung z = Zuordnung::wieInDatei;
        const std::vector<std::string> abweichungen = teilnehmerAbweichungen(neu.spieler, d.daten.spieler);
        if (!abweichungen.empty()) {
            const int antwort = dienste.waehle(eltern, titel, frageText(d.name, abweichungen), zuordnungsAntworten);
            if (antwort != 0 && antwort != 1) return false;
            z = antwort == 0 ? Zuordnung::nachNamen : Zuordnung::wieInDatei;
        }
        const std::vector<std::string> ohne = ergaenzeAusDatei(neu, d.daten, z);
        if (!ohne.empty()) draussen << QStringLiteral("Aus „%1“: %2").arg(d.name, namenListe(ohne));
    }
    s = std::move(neu);
    if (!draussen.isEmpty())
        dienste.hinweis(
            eltern, titel,
            QStringLiteral("Diese Teilnehmer gibt es im Spiel nicht, ihre Tipps wurden nicht übernommen:\n") +
                draussen.join(u'\n'));
    return true;
}

}  // namespace ovi
