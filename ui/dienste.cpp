#include "ui/dienste.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "ui/dienste_druck.h"
#include "ui/weiterfrage.h"

namespace ovi {

namespace {

void richteEin(QFileDialog& dlg, const Dateiwahl& w) {
    dlg.setWindowTitle(w.titel);
    if (!w.ordner.isEmpty()) dlg.setDirectory(w.ordner);
    dlg.setNameFilters({w.filter.isEmpty() ? gowetFilter : w.filter, alleFilter});
    if (!w.vorschlag.isEmpty()) dlg.selectFile(w.vorschlag);
}

QString oeffneEine(QWidget* eltern, const Dateiwahl& w) {
    QFileDialog dlg(eltern);
    richteEin(dlg, w);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().first();
}

QStringList oeffneMehrere(QWidget* eltern, const Dateiwahl& w) {
    QFileDialog dlg(eltern);
    richteEin(dlg, w);
    dlg.setFileMode(QFileDialog::ExistingFiles);
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.selectedFiles();
}

QString speichere(QWidget* eltern, const Dateiwahl& w) {
    QFileDialog dlg(eltern);
    richteEin(dlg, w);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setDefaultSuffix(w.endung.isEmpty() ? QStringLiteral("gowet") : w.endung);
    // The window asks before overwriting, after it has added the suffix.
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return dlg.selectedFiles().first();
}

Antwort frageNach(QWidget* eltern, const QString& titel, const QString& text, Knoepfe k) {
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::NoButton, eltern);
    box.setTextFormat(Qt::PlainText);
    switch (k) {
        case Knoepfe::okAbbrechen:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
            break;
        case Knoepfe::jaNein:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Knoepfe::jaNeinVorgabeNein:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::No);
            break;
        case Knoepfe::jaNeinAbbrechen:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
            break;
    }
    if (auto* b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("Ja"));
    if (auto* b = box.button(QMessageBox::No)) b->setText(QStringLiteral("Nein"));
    switch (box.exec()) {
        case QMessageBox::Ok:
            return Antwort::ok;
        case QMessageBox::Yes:
            return Antwort::ja;
        case QMessageBox::No:
            return Antwort::nein;
        default:
            return Antwort::abbrechen;
    }
}

int waehleAntwort(QWidget* eltern, const QString& titel, const QString& text, const QStringList& antworten) {
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, eltern);
    QList<QAbstractButton*> knoepfe;
    for (qsizetype i = 0; i < antworten.size(); ++i)
        knoepfe << box.addButton(antworten[i],
                                 i + 1 == antworten.size() ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    if (!knoepfe.isEmpty()) {
        box.setDefaultButton(static_cast<QPushButton*>(knoepfe.first()));
        box.setEscapeButton(knoepfe.last());
    }
    box.exec();
    return static_cast<int>(knoepfe.indexOf(box.clickedButton()));
}

void melde(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox box(QMessageBox::Warning, titel, text, QMessageBox::Ok, eltern);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void informiere(QWidget* eltern, const QString& titel, const QString& text) {
    QMessageBox box(QMessageBox::Information, titel, text, QMessageBox::Ok, eltern);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

QString zielZumSpeichern(QWidget* eltern, const Dienste& d, const Dateiwahl& w) {
    QString pfad = d.speichern(eltern, w);
    if (pfad.isEmpty()) return {};
    if (QFileInfo(pfad).suffix().isEmpty()) pfad += u'.' + (w.endung.isEmpty() ? QStringLiteral("gowet") : w.endung);
    if (QFileInfo::exists(pfad) &&
        d.frage(
            eltern, w.titel,
            QStringLiteral("Die Datei „%1“ gibt es schon.\nSoll sie ersetzt werden?").arg(QFileInfo(pfad).fileName()),
            Knoepfe::jaNein) != Antwort::ja)
        return {};
    return pfad;
}

Dienste mitStandard(Dienste d) {
    if (!d.oeffnen) d.oeffnen = oeffneEine;
    if (!d.oeffnenMehrere) d.oeffnenMehrere = oeffneMehrere;
    if (!d.speichern) d.speichern = speichere;
    if (!d.frage) d.frage = frageNach;
    if (!d.waehle) d.waehle = waehleAntwort;
    if (!d.hinweis) d.hinweis = d.meldung ? d.meldung : informiere;
    if (!d.meldung) d.meldung = melde;
    if (!d.weiter) d.weiter = frageWeiter;
    if (!d.ankreuzen) d.ankreuzen = kreuzeAn;
    if (!d.drucken) d.drucken = druckeMitVorschau;
    return d;
}

}  // namespace ovi
