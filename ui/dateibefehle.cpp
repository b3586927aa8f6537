#include "ui/dateibefehle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/dateiart.h"
#include "files/spielinfo.h"
#include "ui/ablauf.h"
#include "ui/tabellenbereich.h"
#include "ui/tippimportlauf.h"

namespace ovi {

namespace {

QString aus(const std::string& s) { return QString::fromStdString(s); }

// The imported file's name in the user's documents folder, but never the imported file itself.
QString speicherVorschlag(const QString& importiert) {
    const QFileInfo info(importiert);
    const QDir dokumente(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QString vorschlag = dokumente.filePath(info.fileName());
    if (QFileInfo(vorschlag) == info)
        vorschlag = dokumente.filePath(info.completeBaseName() + QStringLiteral("-Tippspiel.gowet"));
    return vorschlag;
}

}  // namespace

Dateibefehle::Dateibefehle(Ablauf& fenster, Tabellenbereich& tabelle)
    : QObject(fenster.eltern()), w_(fenster), tabelle_(tabelle), wache_(fenster.dienste(), fenster.eltern()) {}

void Dateibefehle::setzeDatei(const QString& pfad) {
    dateiName_ = pfad;
    tabelle_.setzeDateiTitel(QFileInfo(pfad).fileName().left(40));
}

QString Dateibefehle::startOrdner() const {
    if (!dateiName_.isEmpty()) return QFileInfo(dateiName_).absolutePath();
    // Installed beside the program, or generated in the build folder.
    const QString programm = QCoreApplication::applicationDirPath();
    for (const QString& ordner :
         {programm + QStringLiteral("/../share/ovikuvela"), programm + QStringLiteral("/../data")})
        if (QFileInfo(ordner).isDir()) return QDir::cleanPath(ordner);
    return {};
}

void Dateibefehle::menOeffnen_Click() {
    if (!darfVerwerfen()) return;
    const QString pfad = w_.dienste().oeffnen(
        w_.eltern(), {QStringLiteral("Wählen Sie den gespeicherten Spielstand!"), startOrdner(), {}});
    if (pfad.isEmpty()) return;
    oeffneDatei(pfad);
}

void Dateibefehle::oeffneDatei(const QString& pfad) {
    Spielstand& s = w_.spielstand();
    Fingerabdruck abdruck;
    const Gelesen<Spieldatei> gelesen = ladeSpieldatei(pfad, s.nationen, &abdruck);
    if (!gelesen) {
        w_.dienste().meldung(w_.eltern(), QStringLiteral("Öffnen"),
                             aus(gelesen.andereArt ? istSpielInfo(pfad) + ladenAlsSpielInfo : gelesen.fehler));
        return;
    }
    if (!wache_.darfOeffnen(pfad)) return;
    uebernehme(s, *gelesen.daten);
    setzeDatei(pfad);
    w_.zeigeRegel();
    w_.zeigeNeuesSpiel();
    w_.nimmAuf(QStringLiteral("Öffnen"));
    emit gespeichert();
    wache_.merke(pfad, abdruck);
}

bool Dateibefehle::menSpeichern_Click() {
    w_.leseRaster();
    Spielstand& s = w_.spielstand();
    s.tippsAblage = s.tipps;
    QString pfad = w_.dienste().speichern(
        w_.eltern(), {QStringLiteral("Geben Sie den Namen der Datei zum Speichern ein!"), startOrdner(), dateiName_});
    if (pfad.isEmpty()) return false;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".gowet");
    if (!wache_.darfErsetzen(pfad, QStringLiteral("Speichern"))) return false;
    const Spieldatei bild = ausSpielstand(s);  // the tips as they stand, not the last file image
    Fingerabdruck geschrieben;
    const std::string fehler = speichereSpieldatei(pfad, bild, &geschrieben);
    if (!fehler.empty()) {
        // The text names the file and the cause in one sentence.
        w_.dienste().meldung(w_.eltern(), QStringLiteral("Speichern"), aus(fehler));
        return false;
    }
    setzeDatei(pfad);
    emit gespeichert();
    wache_.merke(pfad, geschrieben);
    return true;
}

void Dateibefehle::menTipps_Click() {
    const QStringList pfade = w_.dienste().oeffnenMehrere(
        w_.eltern(), {QStringLiteral("Wählen Sie die zu importierende(n) Datei(en)"), startOrdner(), {}});
    if (pfade.isEmpty()) return;
    if (!importiereTippdateien(w_.eltern(), w_.dienste(), w_.spielstand(), pfade)) return;
    // The files bring their participants and rule along: show them, but score nothing yet.
    w_.zeigeRegel();
    w_.zeigeUngewertet();
}

void Dateibefehle::menSpiele_Click() {
    if (!darfVerwerfen()) return;
    const QString pfad = w_.dienste().oeffnen(
        w_.eltern(), {QStringLiteral("Wählen Sie die zu importierenden Spiel-Informationen!"), startOrdner(), {}});
    if (pfad.isEmpty()) return;
    const Gelesen<SpielInfo> gelesen = ladeSpielInfo(pfad);
    if (!gelesen) {
        w_.dienste().meldung(w_.eltern(), QStringLiteral("Spiel-Informationen"),
                             aus(gelesen.andereArt ? istSpieldatei(pfad) + ladenAlsSpieldatei : gelesen.fehler));
        return;
    }
    const int v = gelesen.daten->ansicht;
    if (v < 0 || v >= katalog::anzahlAnsichten) return;
    // A later save keeps to the game's own file; a game without one is proposed beside the user's documents,
    // never over the match information itself.
    if (tabelle_.dateiTitel().isEmpty()) dateiName_ = speicherVorschlag(pfad);
    w_.spielstand().spiele = gelesen.daten->spiele;
    w_.zeigeAnsicht(v);
}

// Asked before the game in hand is given up: on quitting, opening another game, importing match information.
bool Dateibefehle::darfVerwerfen() {
    if (!w_.ungespeichert()) return true;
    switch (w_.dienste().frage(w_.eltern(), QStringLiteral("ovi kuvela"),
                               QStringLiteral("Sollen die Änderungen gespeichert werden?"), Knoepfe::jaNeinAbbrechen)) {
        case Antwort::ja:
            return menSpeichern_Click();
        case Antwort::nein:
            return true;
        default:
            return false;
    }
}

void Dateibefehle::menBeenden_Click() { w_.eltern()->close(); }

}  // namespace ovi
