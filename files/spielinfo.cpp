#include "files/spielinfo.h"

#include <QFileInfo>

#include "files/binaer.h"
#include "files/speichern.h"

namespace ovi {

std::string schreibeSpielInfo(const SpielInfo& info) {
    binaer::Schreiber w;
    for (const Spiel& s : info.spiele) w.spiel(s);
    w.integer(info.ansicht);
    return std::move(w.bytes());
}

Gelesen<SpielInfo> leseSpielInfo(std::string_view bytes, const std::string& dateiName) {
    binaer::Leser r(bytes);
    SpielInfo info;
    for (int m = 0; m < katalog::anzahlSpiele && r.ok(); ++m) {
        r.setzeStelle("Spiel " + std::to_string(m + 1));
        info.spiele[m] = r.spiel();
    }
    r.setzeStelle("nach den Spielen");
    info.ansicht = r.integer("die Ansicht", 0, katalog::anzahlAnsichten - 1);
    if (!r.ok())
        return {std::nullopt,
                "Die Datei „" + dateiName + "“ enthält keine gültigen Spiel-Informationen: " + r.fehler() + "."};
    return {std::move(info), {}};
}

Gelesen<SpielInfo> ladeSpielInfo(const QString& pfad) {
    std::string bytes;
    if (std::string fehler = ladeBytes(pfad, bytes); !fehler.empty()) return {std::nullopt, fehler};
    const std::string name = QFileInfo(pfad).fileName().toStdString();
    Gelesen<SpielInfo> g = leseSpielInfo(bytes, name);
    if (!g) g.andereArt = static_cast<bool>(leseSpieldatei(bytes, Spielstand{}.nationen, name));
    return g;
}

std::string speichereSpielInfo(const QString& pfad, const SpielInfo& info) {
    return speichereBytes(pfad, schreibeSpielInfo(info));
}

}  // namespace ovi
