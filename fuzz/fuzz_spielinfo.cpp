// Any bytes as a match-information file: a clear error, or data that writes and reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/spielinfo.h"
#include "fuzz/pruefe.h"

using namespace ovi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto g = leseSpielInfo(bytes, "fuzz.gowet");
    if (!g) {
        fuzz::pruefe(g.fehler.find("fuzz.gowet") != std::string::npos, "Fehlertext nennt die Datei", g.fehler);
        return 0;
    }
    fuzz::pruefe(g.daten->ansicht >= 0 && g.daten->ansicht < katalog::anzahlAnsichten, "Ansicht im Bereich");
    const std::string neu = schreibeSpielInfo(*g.daten);
    const auto wieder = leseSpielInfo(neu, "wieder.gowet");
    fuzz::pruefe(bool(wieder), "Geschriebenes wird wieder gelesen", wieder.fehler);
    fuzz::pruefe(*wieder.daten == *g.daten, "gleiche Daten nach Schreiben und Lesen");
    fuzz::pruefe(schreibeSpielInfo(*wieder.daten) == neu, "gleiche Bytes beim zweiten Schreiben");
    return 0;
}
