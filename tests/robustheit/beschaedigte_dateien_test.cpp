// Every cut and many byte flips of valid files: either a valid file whose values write and read back unchanged, or
// a clear error naming the file, never a crash.
#include <gtest/gtest.h>

#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tests/hilfe/vollesspiel.h"

using namespace ovi;

namespace {

// `lies(bytes, name)` reads one format, `schreibe` writes it; returns how many flipped files were refused and read.
template <class Lesen, class Schreiben>
std::pair<int, int> beschaedige(const std::string& bytes, Lesen lies, Schreiben schreibe) {
    for (std::size_t schnitt = 0; schnitt < bytes.size(); ++schnitt) {
        const auto g = lies(std::string_view(bytes).substr(0, schnitt), "kurz.gowet");
        EXPECT_TRUE(!g && g.fehler.find("„kurz.gowet“") != std::string::npos) << schnitt << g.fehler;
    }
    int abgewiesen = 0, gelesen = 0;
    for (std::size_t pos = 0; pos < bytes.size(); pos += 2)
        for (unsigned char maske : {0x01, 0x80, 0xFF}) {
            std::string kaputt = bytes;
            kaputt[pos] = static_cast<char>(static_cast<unsigned char>(kaputt[pos]) ^ maske);
            const auto g = lies(kaputt, "kaputt.gowet");
            if (!g) {
                ++abgewiesen;
                EXPECT_NE(g.fehler.find("„kaputt.gowet“"), std::string::npos) << g.fehler;
                continue;
            }
            ++gelesen;
            const auto wieder = lies(schreibe(*g.daten), "wieder.gowet");
            EXPECT_TRUE(wieder && *wieder.daten == *g.daten) << pos << wieder.fehler;
        }
    const auto ganz = lies(bytes, "ganz.gowet");
    EXPECT_TRUE(ganz && schreibe(*ganz.daten) == bytes) << ganz.fehler;
    return {abgewiesen, gelesen};
}

}  // namespace

TEST(BeschaedigteDateien, SpieldateiUndSpielInfo) {
    Spielstand s = test::vollesSpiel();
    s.setName(3, "Jürgen");
    s.setWMTipp(4, -1);
    s.spiele[12].quote = "1,45  -  4,50  -  8,00";
    const auto spiel = beschaedige(
        schreibeSpieldatei(ausSpielstand(s)),
        [&s](std::string_view b, const std::string& n) { return leseSpieldatei(b, s.nationen, n); },
        [](const Spieldatei& d) { return schreibeSpieldatei(d); });
    // Both outcomes must occur: flipped tips beyond 9 are refused, flipped name bytes are just other names.
    EXPECT_GT(std::min(spiel.first, spiel.second), 100);
    const SpielInfo info{.spiele = s.spiele, .ansicht = 8};
    beschaedige(schreibeSpielInfo(info), leseSpielInfo, schreibeSpielInfo);
}
