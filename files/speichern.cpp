#include "speichern.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ovi {

namespace {

std::string dateiName(const QString& pfad) { return QFileInfo(pfad).fileName().toStdString(); }

// Without a translator Qt explains in English: the cause comes in German, Qt's words behind it.
std::string grund(const QFileDevice& f) {
    std::string ursache;
    switch (f.error()) {
        case QFileDevice::PermissionsError:
            ursache = "keine Berechtigung";
            break;
        case QFileDevice::OpenError:
            ursache = "kein Zugriff auf die Datei oder ihren Ordner";
            break;
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError:
            ursache = "Schreibfehler, vielleicht ist der Datenträger voll";
            break;
        case QFileDevice::RenameError:
            ursache = "die alte Datei lässt sich nicht ersetzen";
            break;
        case QFileDevice::ReadError:
            ursache = "Lesefehler";
            break;
        default:
            ursache = "Dateifehler";
    }
    return ursache + " (" + f.errorString().toStdString() + ")";
}

}  // namespace

std::string ladeBytes(const QString& pfad, std::string& bytes) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        const std::string warum = f.exists() ? grund(f) : std::string("sie ist nicht vorhanden");
        return "Die Datei „" + dateiName(pfad) + "“ kann nicht geöffnet werden: " + warum + ".";
    }
    // Asking for the limit itself would allocate all 16 MB for every small file.
    const qint64 groesse = f.size();
    const QByteArray inhalt = f.read(groesse > 0 && groesse < groessteDatei ? groesse : groessteDatei);
    if (f.error() != QFileDevice::NoError)
        return "Die Datei „" + dateiName(pfad) + "“ kann nicht gelesen werden: " + grund(f) + ".";
    bytes.assign(inhalt.constData(), static_cast<std::size_t>(inhalt.size()));
    return {};
}

std::string schreibeAlles(QIODevice& ziel, const std::string& bytes) {
    if (ziel.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())) return {};
    auto* datei = qobject_cast<QFileDevice*>(&ziel);
    return datei && datei->error() != QFileDevice::NoError ? grund(*datei)
                                                           : std::string("nicht alle Daten geschrieben");
}

std::string speichereBytes(const QString& pfad, const std::string& bytes, const Schreibweg& weg) {
    QSaveFile f(pfad);
    const std::string vorne = "Die Datei „" + dateiName(pfad) + "“ konnte nicht gespeichert werden: ";
    // Qt calls this a write error, which would send the operator looking for a full disk.
    if (QFileInfo(pfad).isDir()) return vorne + "an ihrer Stelle steht ein Ordner.";
    if (!f.open(QIODevice::WriteOnly)) return vorne + grund(f) + ".";
    if (std::string warum = weg(f, bytes); !warum.empty()) {
        // Drops the temporary file; the old one was never touched.
        f.cancelWriting();
        return vorne + warum + ".";
    }
    if (!f.commit()) return vorne + grund(f) + ".";
    return {};
}

}  // namespace ovi
