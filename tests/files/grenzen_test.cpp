// Every bounded number of the game file just inside and just outside its bounds, and cuts inside each block.
#include <gtest/gtest.h>

#include <cstdint>

#include "files/spieldatei.h"
#include "files/spielinfo.h"

using namespace ovi;

namespace {

// Offsets in the file of a fresh game: block 1 holds 303 bytes of names, a match record 24 bytes,
// a participant record 6 bytes, all texts empty.
constexpr std::size_t block2 = 303, block3 = block2 + 64 * 24, block4 = block3 + 25 * 6, block5 = block4 + 12,
                      block6 = block5 + 16;

std::string frisch() { return schreibeSpieldatei(ausSpielstand(Spielstand{})); }

void setze16(std::string& b, std::size_t stelle, int wert) {
    b[stelle] = static_cast<char>(wert & 0xFF);
    b[stelle + 1] = static_cast<char>((wert >> 8) & 0xFF);
}

void setze32(std::string& b, std::size_t stelle, std::int64_t wert) {
    for (int i = 0; i < 4; ++i) b[stelle + i] = static_cast<char>((wert >> (8 * i)) & 0xFF);
}

struct Grenze {
    const char* feld;
    std::size_t stelle;
    bool lang;
    std::int64_t gut, schlecht;
    const char* block;
};

const Grenze grenzen[] = {
    {"Heimmannschaft Spiel 1", block2 + 0, false, 32, 33, "Block 2"},
    {"Heimmannschaft negativ", block2 + 0, false, 0, -1, "Block 2"},
    {"Auswärtsmannschaft Spiel 64", block2 + 63 * 24 + 2, false, 32, 33, "Block 2"},
    {"Heimtore", block2 + 4, false, 9, 10, "Block 2"},
    {"Auswärtstore negativ", block2 + 6, false, 0, -1, "Block 2"},
    {"Phase", block2 + 10, false, 5, 6, "Block 2"},
    {"Wochentag", block2 + 12, false, 6, 7, "Block 2"},
    {"Ort", block2 + 18, false, 11, 12, "Block 2"},
    {"Schiedsrichter", block2 + 20, false, 23, 24, "Block 2"},
    {"Weltmeistertipp oben", block3 + 2, false, 32, 33, "Block 3"},
    {"Weltmeistertipp unten", block3 + 24 * 6 + 2, false, -1, -2, "Block 3"},
    {"Regel", block4, false, 0, 4, "Block 4"},
    {"Regel negativ", block4, false, 0, -1, "Block 4"},
    {"Punkte Treffer", block4 + 2, false, 9, 10, "Block 4"},
    {"Punkte Tendenz negativ", block4 + 6, false, 0, -1, "Block 4"},
    {"Bonuspunkte", block4 + 8, false, 99, 100, "Block 4"},
    {"Farbe oben", block5, true, 16777215, 16777216, "Block 5"},
    {"Farbe negativ", block5 + 12, true, 0, -1, "Block 5"},
    {"erster Tipp", block6, false, 9, 10, "Block 6"},
    {"letzter Tipp", block6 + 3199 * 2, false, 0, -1, "Block 6"},
};

}  // namespace

TEST(Spieldatei, JedeGrenzeKnappInnenUndAussen) {
    const Spielstand s;
    for (const Grenze& g : grenzen) {
        SCOPED_TRACE(g.feld);
        std::string b = frisch();
        ASSERT_EQ(b.size(), block6 + 6400);
        auto schreibe = [&](std::int64_t w) { g.lang ? setze32(b, g.stelle, w) : setze16(b, g.stelle, static_cast<int>(w)); };
        schreibe(g.gut);
        const auto innen = leseSpieldatei(b, s.nationen, "t.gowet");
        ASSERT_TRUE(innen) << innen.fehler;
        EXPECT_EQ(schreibeSpieldatei(*innen.daten), b);  // what is accepted is written back unchanged
        schreibe(g.schlecht);
        const auto aussen = leseSpieldatei(b, s.nationen, "t.gowet");
        ASSERT_FALSE(aussen);
        EXPECT_EQ(aussen.fehler.rfind("Die Datei „t.gowet“ ist keine gültige Spieldatei: ", 0), 0u) << aussen.fehler;
        EXPECT_NE(aussen.fehler.find(g.block), std::string::npos) << aussen.fehler;
    }
}

TEST(Spieldatei, SchnittInJedemBlockNenntDenBlock) {
    const Spielstand s;
    const std::string b = frisch();
    const struct {
        std::size_t laenge;
        const char* block;
    } schnitte[] = {{0, "Block 1"},        {302, "Block 1"},        {block2 + 1, "Block 2"}, {block3 - 1, "Block 2"},
                    {block3 + 3, "Block 3"}, {block4 + 11, "Block 4"}, {block5 + 5, "Block 5"}, {block6, "Block 6"},
                    {b.size() - 1, "Block 6"}};
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
    setze16(b, block2 + 14, 30000);  // date of match 1 claims more bytes than the file has
    EXPECT_FALSE(leseSpieldatei(b, s.nationen, "t.gowet"));
    setze16(b, block2 + 14, -5);
    EXPECT_FALSE(leseSpieldatei(b, s.nationen, "t.gowet"));
}

TEST(SpielInfo, AnsichtUndSchnitt) {
    SpielInfo info;
    std::string b = schreibeSpielInfo(info);
    setze16(b, b.size() - 2, 10);
    EXPECT_TRUE(leseSpielInfo(b, "p.gowet"));
    setze16(b, b.size() - 2, 11);
    EXPECT_FALSE(leseSpielInfo(b, "p.gowet"));
    setze16(b, b.size() - 2, -1);
    EXPECT_FALSE(leseSpielInfo(b, "p.gowet"));
    const auto kurz = leseSpielInfo(b.substr(0, b.size() - 1), "p.gowet");
    ASSERT_FALSE(kurz);
    EXPECT_NE(kurz.fehler.find("„p.gowet“"), std::string::npos) << kurz.fehler;
    setze16(b, b.size() - 2, 0);
    EXPECT_TRUE(leseSpielInfo(b + "überzählig", "p.gowet"));
}
