#include "files/fingerabdruck.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include "files/speichern.h"

namespace ovi {

Fingerabdruck fingerabdruck(std::string_view bytes) {
    return {true, static_cast<qint64>(bytes.size()),
            QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                     QCryptographicHash::Sha256)};
}

Fingerabdruck fingerabdruckVon(const QString& pfad) {
    const QFileInfo info(pfad);
    if (!info.exists()) return {};
    std::string bytes;
    if (!ladeBytes(pfad, bytes).empty()) return {true, info.size(), {}};
    return fingerabdruck(bytes);
}

}  // namespace ovi
