// Every cut and a sample of byte flips of valid files: either a valid game or a clear error, never a crash.
#include <gtest/gtest.h>

#include "benchspiel.h"
#include "spieldatei.h"
#include "spielinfo.h"

using namespace ovi;

namespace {

Spielstand beispiel() {
    Spielstand s = bench::vollesSpiel();
    s.setName(3, "Jürgen");
    s.setWMTipp(4, -1);
    s.spiele[12].quote = "1,45  -  4,50  -  8,00";
    return s;
}

// A file read as valid must hold values that write and read back unchanged.
void pruefeGelesen(const Gelesen<Spieldatei>& g, const Nationen& nationen) {
    ASSERT_TRUE(g.daten);
    const std::string neu = schreibeSpieldatei(*g.daten);
    const auto wieder = leseSpieldatei(neu, nationen, "wieder.gowet");
    ASSERT_TRUE(wieder) << wieder.fehler;
    EXPECT_TRUE(*wieder.daten == *g.daten);
}

}  // namespace

TEST(BeschaedigteSpieldatei, JederSchnittWirdAbgewiesen) {
    const Spielstand s = beispiel();
    const std::string bytes = schreibeSpieldatei(ausSpielstand(s));
    for (std::size_t schnitt = 0; schnitt < bytes.size(); ++schnitt) {
        const auto g = leseSpieldatei(std::string_view(bytes).substr(0, schnitt), s.nationen, "kurz.gowet");
        ASSERT_FALSE(g) << "Schnitt bei " << schnitt;
        ASSERT_NE(g.fehler.find("kurz.gowet"), std::string::npos) << g.fehler;
    }
    pruefeGelesen(leseSpieldatei(bytes, s.nationen, "ganz.gowet"), s.nationen);
}

TEST(BeschaedigteSpieldatei, VerfaelschteBytesGeltenOderWerdenGemeldet) {
    const Spielstand s = beispiel();
    const std::string bytes = schreibeSpieldatei(ausSpielstand(s));
    int abgewiesen = 0, gelesen = 0;
    for (std::size_t pos = 0; pos < bytes.size(); pos += 3) {
        for (unsigned char maske : {0x01, 0x80, 0xFF}) {
            std::string kaputt = bytes;
            kaputt[pos] = static_cast<char>(static_cast<unsigned char>(kaputt[pos]) ^ maske);
            const auto g = leseSpieldatei(kaputt, s.nationen, "kaputt.gowet");
            if (g) {
                ++gelesen;
                pruefeGelesen(g, s.nationen);
            } else {
                ++abgewiesen;
                ASSERT_NE(g.fehler.find("kaputt.gowet"), std::string::npos) << g.fehler;
            }
        }
    }
    // Both outcomes must occur: flipped tips beyond 9 are refused, flipped name bytes are just other names.
    EXPECT_GT(abgewiesen, 100);
    EXPECT_GT(gelesen, 100);
}

TEST(BeschaedigteSpielInfo, SchnitteUndFlips) {
    SpielInfo info;
    info.spiele = beispiel().spiele;
    info.ansicht = 8;
    const std::string bytes = schreibeSpielInfo(info);
    for (std::size_t schnitt = 0; schnitt < bytes.size(); ++schnitt)
        ASSERT_FALSE(leseSpielInfo(std::string_view(bytes).substr(0, schnitt), "kurz.gowet")) << schnitt;
    for (std::size_t pos = 0; pos < bytes.size(); ++pos) {
        std::string kaputt = bytes;
        kaputt[pos] = static_cast<char>(~static_cast<unsigned char>(kaputt[pos]));
        const auto g = leseSpielInfo(kaputt, "kaputt.gowet");
        if (!g) {
            EXPECT_FALSE(g.fehler.empty());
            continue;
        }
        const auto wieder = leseSpielInfo(schreibeSpielInfo(*g.daten), "wieder.gowet");
        ASSERT_TRUE(wieder) << wieder.fehler;
        EXPECT_TRUE(*wieder.daten == *g.daten);
    }
}
