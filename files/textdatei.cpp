#include "files/textdatei.h"

#include <QFileInfo>
#include <algorithm>

#include "core/utf8.h"
#include "files/cp1252.h"
#include "files/speichern.h"

namespace ovi {

std::string textAlsUtf8(std::string_view bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) == bom) bytes.remove_prefix(bom.size());
    if (gueltigesUtf8(bytes)) return std::string(bytes);
    return cp1252::nachUtf8(bytes);
}

bool siehtAusWieText(std::string_view bytes) {
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') return false;
    }
    return true;
}

Gelesen<std::string> ladeTextdatei(const QString& pfad) {
    const std::string name = "Die Datei „" + QFileInfo(pfad).fileName().toStdString() + "“ ";
    std::string bytes;
    if (std::string fehler = ladeBytes(pfad, bytes); !fehler.empty()) return {std::nullopt, fehler};
    const auto groesse = std::max<qint64>(static_cast<qint64>(bytes.size()), QFileInfo(pfad).size());
    if (groesse > static_cast<qint64>(groessterText))
        return {std::nullopt, name + "ist mit " + std::to_string(groesse / 1024) +
                                  " KB zu groß für eine Textdatei mit Tipps (höchstens 1024 KB)."};
    if (!siehtAusWieText(bytes)) return {std::nullopt, name + "ist keine Textdatei."};
    return {textAlsUtf8(bytes), {}};
}

}  // namespace ovi
