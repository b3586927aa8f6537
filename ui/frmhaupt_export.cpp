// Print and export of the standings: "Drucken…" and "Exportieren" in the file menu.
#include <QDateTime>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPrinter>

#include "ausgabe/chancentext.h"
#include "ausgabe/tabellenhtml.h"
#include "files/speichern.h"
#include "ui/chancenwarten.h"
#include "ui/frmhaupt.h"
#include "ui/tabellendruck.h"

namespace ovi {

void frmHaupt::baueDruckMenue(QMenu* datei) {
    auto befehl = [this](QMenu* m, const QString& name, const QString& titel, std::function<void()> tun) {
        QAction* a = m->addAction(titel);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, tun = std::move(tun)] { sicher(tun); });
        return a;
    };
    befehl(datei, QStringLiteral("menDrucken"), QStringLiteral("Drucken…"), [this] {
        menDrucken_Click();
    })->setShortcut(QKeySequence::Print);
    QMenu* exportieren = datei->addMenu(QStringLiteral("Exportieren"));
    exportieren->setObjectName(QStringLiteral("menExportieren"));
    exportieren->menuAction()->setObjectName(QStringLiteral("menExportieren"));
    befehl(exportieren, QStringLiteral("menAlsPDF"), QStringLiteral("Als PDF…"), [this] {
        exportiere(QStringLiteral("PDF"), QStringLiteral("pdf"), QStringLiteral("PDF-Dateien (*.pdf)"),
                   [](const Tabellendokument& d) { return tabellenPdf(d); });
    });
    befehl(exportieren, QStringLiteral("menAlsHTML"), QStringLiteral("Als HTML…"), [this] {
        exportiere(QStringLiteral("HTML"), QStringLiteral("html"), QStringLiteral("HTML-Seiten (*.html *.htm)"),
                   [](const Tabellendokument& d) { return alsHtml(d); });
    });
    befehl(exportieren, QStringLiteral("menTippzettel"), QStringLiteral("Tippzettel…"),
           [this] { menTippzettel_Click(); });
}

std::optional<Tabellendokument> frmHaupt::tabellendokument(const QString& titel) {
    leseRaster();
    const auto gewaehlt = dienste_.ankreuzen(
        this, titel,
        {QStringLiteral("Tabelle"), QStringLiteral("Tippübersicht"), QStringLiteral("Berichte aller Teilnehmer"),
         QStringLiteral("Chancen: wer kann noch gewinnen?")},
        {dokumentWahl_.tabelle, dokumentWahl_.uebersicht, dokumentWahl_.berichte, chancenWahl_});
    if (!gewaehlt) return std::nullopt;
    dokumentWahl_ = {gewaehlt->value(0), gewaehlt->value(1), gewaehlt->value(2)};
    chancenWahl_ = gewaehlt->value(3);
    // The title the table shows: set when a game is opened or saved.
    const QString stand = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy, HH:mm 'Uhr'"));
    Tabellendokument d = baueTabellendokument(s_, lblDateiE->text().toStdString(), stand.toStdString(), dokumentWahl_);
    if (chancenWahl_) {
        const auto c = berechneChancenWartend(this, s_);
        if (!c) return std::nullopt;
        d.zusatz.push_back(chancenTeil(s_, *c));
    }
    return d;
}

void frmHaupt::menDrucken_Click() {
    const auto d = tabellendokument(QStringLiteral("Drucken"));
    if (!d) return;
    dienste_.drucken(this, [d = *d](QPrinter* drucker) { maleTabellendokument(d, *drucker); });
}

void frmHaupt::exportiere(const QString& art, const QString& endung, const QString& filter,
                          const std::function<std::string(const Tabellendokument&)>& erzeuge) {
    const QString titel = QStringLiteral("Als %1 exportieren").arg(art);
    const auto d = tabellendokument(titel);
    if (!d) return;
    const QString name = dateiName_.isEmpty() ? QStringLiteral("tabelle") : QFileInfo(dateiName_).completeBaseName();
    const QString pfad = zielZumSpeichern(this, dienste_, {titel, startOrdner(), name + '.' + endung, filter, endung});
    if (pfad.isEmpty()) return;
    // The same safe writer as for games: the file is whole or not there.
    const std::string fehler = speichereBytes(pfad, erzeuge(*d));
    if (!fehler.empty()) dienste_.meldung(this, titel, QString::fromStdString(fehler));
}

}  // namespace ovi
