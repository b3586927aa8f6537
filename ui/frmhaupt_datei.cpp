// File commands: open, save, the two imports, and quitting with the question about unsaved changes.
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStandardPaths>

#include "files/dateiart.h"
#include "files/spielinfo.h"
#include "ui/frmhaupt.h"
#include "ui/stillhalten.h"
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

QString frmHaupt::startOrdner() const {
    if (!dateiName_.isEmpty()) return QFileInfo(dateiName_).absolutePath();
    // Installed beside the program, or generated in the build folder.
    const QString programm = QCoreApplication::applicationDirPath();
    for (const QString& ordner :
         {programm + QStringLiteral("/../share/ovikuvela"), programm + QStringLiteral("/../data")})
        if (QFileInfo(ordner).isDir()) return QDir::cleanPath(ordner);
    return {};
}

void frmHaupt::menOeffnen_Click() {
    if (!darfVerwerfen()) return;
    const QString pfad =
        dienste_.oeffnen(this, {QStringLiteral("Wählen Sie den gespeicherten Spielstand!"), startOrdner(), {}});
    if (pfad.isEmpty()) return;
    oeffneDatei(pfad);
}

void frmHaupt::oeffne(const QString& pfad) {
    sicher([&] { oeffneDatei(pfad); });
}

void frmHaupt::oeffneDatei(const QString& pfad) {
    Fingerabdruck abdruck;
    const Gelesen<Spieldatei> gelesen = ladeSpieldatei(pfad, s_.nationen, &abdruck);
    if (!gelesen) {
        dienste_.meldung(this, QStringLiteral("Öffnen"),
                         aus(gelesen.andereArt ? istSpielInfo(pfad) + ladenAlsSpielInfo : gelesen.fehler));
        return;
    }
    if (!wache_.darfOeffnen(pfad)) return;
    uebernehme(s_, *gelesen.daten);
    dateiName_ = pfad;
    lblDateiE->setText(QFileInfo(pfad).fileName().left(40));
    zeigeRegel();
    ansicht_ = 0;
    {
        const QSignalBlocker still(cmbPhase);
        cmbPhase->setCurrentIndex(0);
    }
    {
        // Layout first, so the evaluation's refill is the only one; every field changes, so one repaint for all.
        const Stillhalten spiele(fraSpiele), tabelle(fraTabelle);
        ordnePhaseAn(0);
        einblenden();
    }
    zeigeTendenz();
    nimmAuf(QStringLiteral("Öffnen"));
    alsGespeichert();
    wache_.merke(pfad, abdruck);
}

bool frmHaupt::menSpeichern_Click() {
    leseRaster();
    s_.tippsAblage = s_.tipps;
    QString pfad = dienste_.speichern(
        this, {QStringLiteral("Geben Sie den Namen der Datei zum Speichern ein!"), startOrdner(), dateiName_});
    if (pfad.isEmpty()) return false;
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += QStringLiteral(".gowet");
    if (!wache_.darfErsetzen(pfad, QStringLiteral("Speichern"))) return false;
    const Spieldatei bild = ausSpielstand(s_);  // the tips as they stand, not the last file image
    Fingerabdruck geschrieben;
    const std::string fehler = speichereSpieldatei(pfad, bild, &geschrieben);
    if (!fehler.empty()) {
        // The text names the file and the cause in one sentence.
        dienste_.meldung(this, QStringLiteral("Speichern"), aus(fehler));
        return false;
    }
    dateiName_ = pfad;
    lblDateiE->setText(QFileInfo(pfad).fileName().left(40));
    alsGespeichert();
    wache_.merke(pfad, geschrieben);
    return true;
}

void frmHaupt::menTipps_Click() {
    const QStringList pfade = dienste_.oeffnenMehrere(
        this, {QStringLiteral("Wählen Sie die zu importierende(n) Datei(en)"), startOrdner(), {}});
    if (pfade.isEmpty()) return;
    if (!importiereTippdateien(this, dienste_, s_, pfade)) return;
    // The files bring their participants and rule along: show them, but score nothing yet.
    zeigeRegel();
    stapleZeilen();
    zeigeTabelle();
    setzeMarken(cmbSortierung->currentIndex() < 0 ? 0 : cmbSortierung->currentIndex());
    zeigePhase(ansicht_);
    zeigeTendenz();
}

void frmHaupt::menSpiele_Click() {
    if (!darfVerwerfen()) return;
    const QString pfad = dienste_.oeffnen(
        this, {QStringLiteral("Wählen Sie die zu importierenden Spiel-Informationen!"), startOrdner(), {}});
    if (pfad.isEmpty()) return;
    const Gelesen<SpielInfo> gelesen = ladeSpielInfo(pfad);
    if (!gelesen) {
        dienste_.meldung(this, QStringLiteral("Spiel-Informationen"),
                         aus(gelesen.andereArt ? istSpieldatei(pfad) + ladenAlsSpieldatei : gelesen.fehler));
        return;
    }
    const int v = gelesen.daten->ansicht;
    if (v < 0 || v >= katalog::anzahlAnsichten) return;
    // A later save keeps to the game's own file; a game without one is proposed beside the user's documents,
    // never over the match information itself.
    if (lblDateiE->text().isEmpty()) dateiName_ = speicherVorschlag(pfad);
    s_.spiele = gelesen.daten->spiele;
    ansicht_ = v;
    {
        const QSignalBlocker still(cmbPhase);
        cmbPhase->setCurrentIndex(v);
    }
    zeigePhase(v);
    zeigeTendenz();
}

bool frmHaupt::ungespeichert() {
    leseRaster();
    return !verlauf_->isClean();
}

// Asked before the game in hand is given up: on quitting, opening another game, importing match information.
bool frmHaupt::darfVerwerfen() {
    if (!ungespeichert()) return true;
    switch (dienste_.frage(this, QStringLiteral("ovi kuvela"),
                           QStringLiteral("Sollen die Änderungen gespeichert werden?"), Knoepfe::jaNeinAbbrechen)) {
        case Antwort::ja:
            return menSpeichern_Click();
        case Antwort::nein:
            return true;
        default:
            return false;
    }
}

void frmHaupt::menBeenden_Click() { close(); }

void frmHaupt::closeEvent(QCloseEvent* e) {
    // A fault while asking keeps the window open: better than losing the game.
    bool zu = false;
    sicher([&] { zu = darfVerwerfen(); });
    if (!zu) {
        e->ignore();
        return;
    }
    e->accept();
    emit beendet();
}

}  // namespace ovi
