#include "speichern.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ovi {

namespace {

std::string dateiName(const QString& pfad) { return QFileInfo(pfad).fileName().toStdString(); }

}  // namespace

std::string ladeBytes(const QString& pfad, std::string& bytes) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return "Die Datei „" + dateiName(pfad) + "“ kann nicht geöffnet werden: " + f.errorString().toStdString() + ".";
    // Asking for the limit itself would allocate all 16 MB for every small file.
    const qint64 groesse = f.size();
    const QByteArray inhalt = f.read(groesse > 0 && groesse < groessteDatei ? groesse : groessteDatei);
    if (f.error() != QFileDevice::NoError)
        return "Die Datei „" + dateiName(pfad) + "“ kann nicht gelesen werden: " + f.errorString().toStdString() + ".";
    bytes.assign(inhalt.constData(), static_cast<std::size_t>(inhalt.size()));
    return {};
}

bool schreibeAlles(QIODevice& ziel, const std::string& bytes) {
    return ziel.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

std::string speichereBytes(const QString& pfad, const std::string& bytes, const Schreibweg& weg) {
    QSaveFile f(pfad);
    const std::string vorne = "Die Datei „" + dateiName(pfad) + "“ konnte nicht gespeichert werden: ";
    if (!f.open(QIODevice::WriteOnly)) return vorne + f.errorString().toStdString() + ".";
    if (!weg(f, bytes)) {
        const std::string grund = f.error() != QFileDevice::NoError ? f.errorString().toStdString()
                                                                    : std::string("nicht alle Daten geschrieben");
        f.cancelWriting();
        return vorne + grund + ".";
    }
    if (!f.commit()) return vorne + f.errorString().toStdString() + ".";
    return {};
}

}  // namespace ovi
