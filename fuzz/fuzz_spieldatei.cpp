// Any bytes as a game file: either a clear error naming the file, or data that writes and reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/spieldatei.h"
#include "fuzz/pruefe.h"

using namespace ovi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Nationen gehalten = Spielstand().nationen;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto g = leseSpieldatei(bytes, gehalten, "fuzz.gowet");
    if (!g) {
        fuzz::pruefe(g.fehler.find("fuzz.gowet") != std::string::npos, "Fehlertext nennt die Datei", g.fehler);
        return 0;
    }
    fuzz::pruefe(g.fehler.empty(), "gelesen ohne Fehlertext", g.fehler);
    const std::string neu = schreibeSpieldatei(*g.daten);
    const auto wieder = leseSpieldatei(neu, gehalten, "wieder.gowet");
    fuzz::pruefe(bool(wieder), "Geschriebenes wird wieder gelesen", wieder.fehler);
    fuzz::pruefe(*wieder.daten == *g.daten, "gleiche Daten nach Schreiben und Lesen");
    fuzz::pruefe(schreibeSpieldatei(*wieder.daten) == neu, "gleiche Bytes beim zweiten Schreiben");
    return 0;
}
