// Every bounded number of the game file just inside and just outside its bounds, and cuts inside each block.
#include <gtest/gtest.h>

#include <cstdint>

#include "spieldatei.h"
#include "spielinfo.h"

using namespace ovi;

namespace {

// Offsets in the file of a fresh game: block 1 holds 303 bytes of names, a match record 24 bytes,
// a participant record 6 bytes, all texts empty.
constexpr std::size_t block2 = 303, block3 = block2 + 64 * 24, block4 = block3 + 25 * 6, block5 = block4 + 12,
                      block6 = block5 + 16;

std::string frisch() { return schreibeSpieldatei(ausSpielstand(Spielstand{})); }

// Little-endian, 2 or 4 bytes wide.
void setze(std::string& b, std::size_t stelle, std::int64_t wert, int breite = 2) {
    for (int i = 0; i < breite; ++i) b[stelle + i] = static_cast<char>((wert >> (8 * i)) & 0xFF);
}

struct Grenze {
    const char* feld;
    std::size_t stelle;
    std::int64_t gut, schlecht;
};

const Grenze grenzen[] = {
    {"Heimmannschaft Spiel 1", block2 + 0, 32, 33},
    {"Heimmannschaft negativ", block2 + 0, 0, -1},
    {"Auswärtsmannschaft Spiel 64", block2 + 63 * 24 + 2, 32, 33},
    {"Heimtore", block2 + 4, 9, 10},
    {"Heimtore 16 Bit", block2 + 4, 0, 32767},
    {"Auswärtstore negativ", block2 + 6, 0, -1},
    {"Phase", block2 + 10, 5, 6},
    {"Wochentag", block2 + 12, 6, 7},
    {"Ort", block2 + 18, 11, 12},
    {"Schiedsrichter", block2 + 20, 23, 24},
    {"Weltmeistertipp oben", block3 + 2, 32, 33},
    {"Weltmeistertipp unten", block3 + 24 * 6 + 2, -1, -2},
    {"Regel", block4, 0, 4},
    {"Regel negativ", block4, 0, -1},
    {"Punkte Treffer", block4 + 2, 9, 10},
    {"Punkte Tendenz negativ", block4 + 6, 0, -1},
    {"Bonuspunkte", block4 + 8, 99, 100},
    {"Farbe oben", block5, 16777215, 16777216},
    {"Farbe negativ", block5 + 12, 0, -1},
    {"erster Tipp", block6, 9, 10},
    {"letzter Tipp", block6 + 3199 * 2, 0, -1},
    {"Tipp 16 Bit", block6 + 2, 9, -32768},
    {"Bonuspunkte 16 Bit", block4 + 8, 0, -32768},
};

// Block 5 holds the colours as 32-bit numbers, all else is 16 bits.
int breite(std::size_t stelle) { return stelle >= block5 && stelle < block6 ? 4 : 2; }
std::string blockVon(std::size_t stelle) {
    const std::size_t anfang[] = {block2, block3, block4, block5, block6};
    int n = 1;
    for (std::size_t a : anfang) n += stelle >= a;
    return "Block " + std::to_string(n);
}

}  // namespace

TEST(Spieldatei, JedeGrenzeKnappInnenUndAussen) {
    const Spielstand s;
    ASSERT_EQ(frisch().size(), block6 + 6400);
    for (const Grenze& g : grenzen) {
        SCOPED_TRACE(g.feld);
        std::string b = frisch();
        auto schreibe = [&](std::int64_t w) { setze(b, g.stelle, w, breite(g.stelle)); };
        schreibe(g.gut);
        const auto innen = leseSpieldatei(b, s.nationen, "t.gowet");
        ASSERT_TRUE(innen) << innen.fehler;
        EXPECT_EQ(schreibeSpieldatei(*innen.daten), b);  // what is accepted is written back unchanged
        schreibe(g.schlecht);
        const auto aussen = leseSpieldatei(b, s.nationen, "t.gowet");
        ASSERT_FALSE(aussen);
        EXPECT_EQ(aussen.fehler.rfind("Die Datei „t.gowet“ ist keine gültige Spieldatei: ", 0), 0u) << aussen.fehler;
        EXPECT_NE(aussen.fehler.find(blockVon(g.stelle)), std::string::npos) << aussen.fehler;
    }
}

TEST(Spieldatei, SechzehnBitEndenMitGanzerMeldung) {
    const struct {
        std::size_t stelle;
        int wert;
        const char* meldung;
    } faelle[] = {
        {block2 + 4, 32767, "Block 2 (Spiele), Spiel 1: die Heimtore ist 32767, erlaubt sind 0 bis 9"},
        {block6 + 3199 * 2, -32768, "Block 6 (Tipps), Spiel 64, Gasttore: ein Tipp ist -32768, erlaubt sind 0 bis 9"}};
    for (const auto& f : faelle) {
        std::string b = frisch();
        setze(b, f.stelle, f.wert);
        EXPECT_EQ(leseSpieldatei(b, Spielstand{}.nationen, "t.gowet").fehler,
                  std::string("Die Datei „t.gowet“ ist keine gültige Spieldatei: ") + f.meldung + ".");
    }
}

TEST(Spieldatei, SchnittInJedemBlockNenntDenBlock) {
    const Spielstand s;
    const std::string b = frisch();
    const struct {
        std::size_t laenge;
        const char* block;
    } schnitte[] = {{0, "Block 1"},          {302, "Block 1"},        {block2 + 1, "Block 2"},
                    {block3 - 1, "Block 2"}, {block3 + 3, "Block 3"}, {block4 + 11, "Block 4"},
                    {block5 + 5, "Block 5"}, {block6, "Block 6"},     {b.size() - 1, "Block 6"}};
    for (const auto& c : schnitte) {
        SCOPED_TRACE(c.laenge);
        const auto g = leseSpieldatei(b.substr(0, c.laenge), s.nationen, "kurz.gowet");
        ASSERT_FALSE(g);
        EXPECT_NE(g.fehler.find(c.block), std::string::npos) << g.fehler;
        EXPECT_NE(g.fehler.find("„kurz.gowet“"), std::string::npos) << g.fehler;
    }
}

TEST(Spieldatei, TextLaengeUeberDasEndeHinaus) {
    const Spielstand s;
    std::string b = frisch();
    setze(b, block2 + 14, 30000);  // date of match 1 claims more bytes than the file has
    EXPECT_FALSE(leseSpieldatei(b, s.nationen, "t.gowet"));
    setze(b, block2 + 14, -5);
    EXPECT_FALSE(leseSpieldatei(b, s.nationen, "t.gowet"));
}

TEST(SpielInfo, AnsichtUndSchnitt) {
    SpielInfo info;
    std::string b = schreibeSpielInfo(info);
    for (const auto& [ansicht, gut] : {std::pair{10, true}, {11, false}, {-1, false}, {0, true}}) {
        setze(b, b.size() - 2, ansicht);
        EXPECT_EQ(static_cast<bool>(leseSpielInfo(b, "p.gowet")), gut) << ansicht;
    }
    const auto kurz = leseSpielInfo(b.substr(0, b.size() - 1), "p.gowet");
    ASSERT_FALSE(kurz);
    EXPECT_NE(kurz.fehler.find("„p.gowet“"), std::string::npos) << kurz.fehler;
    EXPECT_TRUE(leseSpielInfo(b + "überzählig", "p.gowet"));
}
