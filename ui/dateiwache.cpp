#include "ui/dateiwache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include "ui/dienste.h"

namespace ovi {

namespace {

QString name(const QString& pfad) { return QFileInfo(pfad).fileName(); }

// QFileInfo's own comparison takes two missing files for the same one.
bool dieselbe(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo x(a), y(b);
    if (QDir::cleanPath(x.absoluteFilePath()) == QDir::cleanPath(y.absoluteFilePath())) return true;
    return x.exists() && y.exists() && x.canonicalFilePath() == y.canonicalFilePath();
}

}  // namespace

QString Dateiwache::sperrPfad(const QString& pfad) {
    const QFileInfo info(pfad);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}

bool Dateiwache::darfOeffnen(const QString& pfad) {
    if (sperre_ && dieselbe(pfad, pfad_)) return true;
    QLockFile probe(sperrPfad(pfad));
    // Only a living process keeps a lock; the lock of one that died is stale and taken over.
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) return true;
    if (probe.error() != QLockFile::LockFailedError) return true;
    qint64 prozess = 0;
    QString rechner, programm;
    if (!probe.getLockInfo(&prozess, &rechner, &programm)) return true;
    const bool hier = rechner.isEmpty() || rechner == QSysInfo::machineHostName();
    // Another window of this very process (tests open several): not another program.
    if (hier && prozess == QCoreApplication::applicationPid()) return true;
    const QString wer = hier ? QStringLiteral("Prozess %1").arg(prozess)
                             : QStringLiteral("Prozess %1 auf dem Rechner „%2“").arg(prozess).arg(rechner);
    return dienste_.frage(fenster_, QStringLiteral("Öffnen"),
                          QStringLiteral("Die Datei „%1“ ist schon in einem anderen laufenden ovi kuvela geöffnet "
                                         "(%2).\nTrotzdem öffnen?")
                              .arg(name(pfad), wer),
                          Knoepfe::jaNeinVorgabeNein) == Antwort::ja;
}

bool Dateiwache::frageWegenAenderung(const QString& pfad, const QString& titel) {
    return dienste_.frage(fenster_, titel,
                          QStringLiteral("Die Datei „%1“ wurde seit dem Öffnen von einem anderen Programm geändert. "
                                         "Trotzdem ersetzen?")
                              .arg(name(pfad)),
                          Knoepfe::jaNeinVorgabeNein) == Antwort::ja;
}

bool Dateiwache::darfErsetzen(const QString& pfad, const QString& titel) {
    Fingerabdruck gesehen = fingerabdruckVon(pfad);
    if (gesehen.da) {
        const bool geaendert = dieselbe(pfad, pfad_) && gesehen != abdruck_;
        const bool ja =
            geaendert ? frageWegenAenderung(pfad, titel)
                      : dienste_.frage(
                            fenster_, titel,
                            QStringLiteral("Die Datei „%1“ gibt es schon.\nSoll sie ersetzt werden?").arg(name(pfad)),
                            Knoepfe::jaNein) == Antwort::ja;
        if (!ja) return false;
    }
    // The answer took its time: what is replaced must be what the operator agreed to replace.
    for (Fingerabdruck jetzt = fingerabdruckVon(pfad); jetzt != gesehen; jetzt = fingerabdruckVon(pfad)) {
        if (!jetzt.da) break;  // gone meanwhile: nothing is lost
        if (!frageWegenAenderung(pfad, titel)) return false;
        gesehen = jetzt;
    }
    return true;
}

void Dateiwache::merke(const QString& pfad, const Fingerabdruck& abdruck) {
    const bool gleich = dieselbe(pfad, pfad_);
    pfad_ = pfad;
    abdruck_ = abdruck;
    if (sperre_ && gleich) return;
    sperre_.reset();
    auto sperre = std::make_unique<QLockFile>(sperrPfad(pfad));
    sperre->setStaleLockTime(0);
    // Held elsewhere, or a folder that takes no new file: the game goes on without a lock.
    if (sperre->tryLock(0)) sperre_ = std::move(sperre);
}

}  // namespace ovi
