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

std::string alsText(const Fingerabdruck& f) {
    if (!f.da) return {};
    return std::to_string(f.groesse) + ' ' + f.hash.toHex().toStdString();
}

Fingerabdruck fingerabdruckAus(std::string_view text) {
    const QList<QByteArray> teile = QByteArray(text.data(), static_cast<qsizetype>(text.size())).split(' ');
    bool zahl = false;
    const qint64 groesse = teile.value(0).toLongLong(&zahl);
    if (teile.size() != 2 || !zahl) return {};
    return {true, groesse, QByteArray::fromHex(teile[1])};
}

Fingerabdruck fingerabdruckVon(const QString& pfad) {
    const QFileInfo info(pfad);
    if (!info.exists()) return {};
    std::string bytes;
    if (!ladeBytes(pfad, bytes).empty()) return {true, info.size(), {}};
    return fingerabdruck(bytes);
}

}  // namespace ovi
