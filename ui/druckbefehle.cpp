#include "ui/druckbefehle.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPrinter>

#include "ausgabe/chancentext.h"
#include "ausgabe/tabellenhtml.h"
#include "files/speichern.h"
#include "ui/ablauf.h"
#include "ui/chancenwarten.h"
#include "ui/dateibefehle.h"
#include "ui/tabellenbereich.h"
#include "ui/tabellendruck.h"

namespace ovi {

Druckbefehle::Druckbefehle(Ablauf& fenster, const Dateibefehle& datei, const Tabellenbereich& tabelle)
    : QObject(fenster.eltern()), w_(fenster), datei_(datei), tabelle_(tabelle) {}

void Druckbefehle::menAlsPDF_Click() {
    exportiere(QStringLiteral("PDF"), QStringLiteral("pdf"), QStringLiteral("PDF-Dateien (*.pdf)"),
               [](const Tabellendokument& d) { return tabellenPdf(d); });
}

void Druckbefehle::menAlsHTML_Click() {
    exportiere(QStringLiteral("HTML"), QStringLiteral("html"), QStringLiteral("HTML-Seiten (*.html *.htm)"),
               [](const Tabellendokument& d) { return alsHtml(d); });
}

std::optional<Tabellendokument> Druckbefehle::tabellendokument(const QString& titel) {
    w_.leseRaster();
    const auto gewaehlt = w_.dienste().ankreuzen(
        w_.eltern(), titel,
        {QStringLiteral("Tabelle"), QStringLiteral("Tippübersicht"), QStringLiteral("Berichte aller Teilnehmer"),
         QStringLiteral("Chancen: wer kann noch gewinnen?")},
        {dokumentWahl_.tabelle, dokumentWahl_.uebersicht, dokumentWahl_.berichte, chancenWahl_});
    if (!gewaehlt) return std::nullopt;
    dokumentWahl_ = {gewaehlt->value(0), gewaehlt->value(1), gewaehlt->value(2)};
    chancenWahl_ = gewaehlt->value(3);
    // The title the table shows: set when a game is opened or saved.
    const QString stand = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy, HH:mm 'Uhr'"));
    const Spielstand& s = w_.spielstand();
    Tabellendokument d =
        baueTabellendokument(s, tabelle_.dateiTitel().toStdString(), stand.toStdString(), dokumentWahl_);
    if (chancenWahl_) {
        const auto c = berechneChancenWartend(w_.eltern(), s);
        if (!c) return std::nullopt;
        d.zusatz.push_back(chancenTeil(s, *c));
    }
    return d;
}

void Druckbefehle::menDrucken_Click() {
    const auto d = tabellendokument(QStringLiteral("Drucken"));
    if (!d) return;
    w_.dienste().drucken(w_.eltern(), [d = *d](QPrinter* drucker) { maleTabellendokument(d, *drucker); });
}

void Druckbefehle::exportiere(const QString& art, const QString& endung, const QString& filter,
                              const std::function<std::string(const Tabellendokument&)>& erzeuge) {
    const QString titel = QStringLiteral("Als %1 exportieren").arg(art);
    const auto d = tabellendokument(titel);
    if (!d) return;
    const QString dateiName = datei_.dateiName();
    const QString name = dateiName.isEmpty() ? QStringLiteral("tabelle") : QFileInfo(dateiName).completeBaseName();
    const QString pfad =
        zielZumSpeichern(w_.eltern(), w_.dienste(), {titel, datei_.startOrdner(), name + '.' + endung, filter, endung});
    if (pfad.isEmpty()) return;
    // The same safe writer as for games: the file is whole or not there.
    const std::string fehler = speichereBytes(pfad, erzeuge(*d));
    if (!fehler.empty()) w_.dienste().meldung(w_.eltern(), titel, QString::fromStdString(fehler));
}

}  // namespace ovi
