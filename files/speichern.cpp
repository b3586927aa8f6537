#include "files/speichern.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "files/dateifehler.h"

namespace ovi {

namespace {

std::string dateiName(const QString& pfad) { return QFileInfo(pfad).fileName().toStdString(); }

}  // namespace

std::string ladeBytes(const QString& pfad, std::string& bytes) {
    const std::string vorne = "Die Datei „" + dateiName(pfad) + "“ kann nicht geöffnet werden: ";
    if (std::string warum = leseHindernis(pfad); !warum.empty()) return vorne + warum + ".";
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return vorne + grund(f) + ".";
    // Asking for the limit itself would allocate all 16 MB for every small file.
    const qint64 groesse = f.size();
    const QByteArray inhalt = f.read(groesse > 0 && groesse < groessteDatei ? groesse : groessteDatei);
    if (f.error() != QFileDevice::NoError)
        return "Die Datei „" + dateiName(pfad) + "“ kann nicht gelesen werden: " + grund(f) + ".";
    bytes.assign(inhalt.constData(), static_cast<std::size_t>(inhalt.size()));
    return {};
}

std::string schreibeAlles(QIODevice& ziel, const std::string& bytes) {
    // A write may take only part (the last free page); asking again for the rest brings out the cause.
    const auto gesamt = static_cast<qint64>(bytes.size());
    qint64 fertig = 0;
    while (fertig < gesamt) {
        const qint64 neu = ziel.write(bytes.data() + fertig, gesamt - fertig);
        if (neu <= 0) break;
        fertig += neu;
    }
    if (fertig == gesamt) return {};
    auto* datei = qobject_cast<QFileDevice*>(&ziel);
    return datei && datei->error() != QFileDevice::NoError ? grund(*datei)
                                                           : std::string("nicht alle Daten geschrieben");
}

std::string speichereBytesGrund(const QString& pfad, const std::string& bytes, const Schreibweg& weg) {
    if (std::string warum = schreibHindernis(pfad); !warum.empty()) return warum;
    QSaveFile f(pfad);
    // Unbuffered, so a full disk fails the write here: buffered, the real write would happen in commit(),
    // which in Qt 6.4 renames the cut file over the old one all the same.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return grund(f);
    if (std::string warum = weg(f, bytes); !warum.empty()) {
        // Drops the temporary file; the old one was never touched.
        f.cancelWriting();
        return warum;
    }
    if (!f.commit()) return grund(f);
    return {};
}

std::string speichereBytes(const QString& pfad, const std::string& bytes, const Schreibweg& weg) {
    const std::string warum = speichereBytesGrund(pfad, bytes, weg);
    if (warum.empty()) return {};
    return "Die Datei „" + dateiName(pfad) + "“ konnte nicht gespeichert werden: " + warum + ".";
}

}  // namespace ovi
