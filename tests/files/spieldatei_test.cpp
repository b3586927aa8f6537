#include <gtest/gtest.h>

#include "bytes.h"
#include "files/cp1252.h"
#include "files/spieldatei.h"
#include "files/spielinfo.h"

using namespace ovi;
using ovi::test::Bytes;

// The whole file of a fresh game, byte by byte.
TEST(Spieldatei, FrischesSpielGanzeBytes) {
    Bytes e;
    e.namen();
    ASSERT_EQ(e.b.size(), 303u);
    for (int m = 0; m < 64; ++m) e.spiel(0, 0, 0, 0, false, 0, 0, "", "", 0, 0, "");
    for (int p = 0; p < 25; ++p) e.text("").integer(0).boolean(false);
    e.integer(3).integer(3).integer(2).integer(1).integer(0).boolean(false);
    e.lang(255).lang(250 + 256 * 250 + 65536 * 144).lang(48 + 256 * 190 + 65536 * 48).lang(0xFFFFFF);
    for (int i = 0; i < 3200; ++i) e.integer(0);
    ASSERT_EQ(e.b.size(), 8417u);
    EXPECT_EQ(schreibeSpieldatei(ausSpielstand(Spielstand{})), e.b);
}

TEST(Spieldatei, BlockGrenzenUndTexte) {
    Spielstand s;
    s.spiele[0].datum = "09.06.2006";
    s.spiele[0].heim = 9;
    s.setName(0, "Jürgen");
    s.setWMTipp(0, -1);
    s.setSpieltMit(0, true);
    const std::string b = schreibeSpieldatei(ausSpielstand(s));
    EXPECT_EQ(b.substr(0, 303), Bytes().namen().b);  // block 1: the names only, in Windows-1252
    EXPECT_EQ(b.substr(303, 2), std::string("\x09\x00", 2));  // block 2 starts with the home team of match 1
    EXPECT_EQ(b.substr(303 + 14, 12), std::string("\x0A\x00", 2) + "09.06.2006");
    const std::size_t block3 = 303 + 64 * 24 + 10;
    EXPECT_EQ(b.substr(block3, 12), Bytes().text("J\xFCrgen").integer(-1).boolean(true).b);
    EXPECT_EQ(b.substr(block3 + 12, 6), std::string(6, '\0'));  // empty participant: 6 bytes
}

TEST(Spieldatei, RundreiseUndJedesByte) {
    Spielstand s;
    std::string alle;
    for (int c = 0; c < 256; ++c) alle += static_cast<char>(c);
    s.spiele[5].quote = cp1252::nachUtf8(alle);
    s.setName(7, cp1252::nachUtf8(alle.substr(128)));
    s.spiele[63] = {16, 24, 1, 1, true, 5, 6, "09.07.2006", "20:00 Uhr", 0, 0, "x;y"};
    s.tipps(24, 63, 1) = 9;
    s.regel = {0, {}, 99, true};
    s.modusFarbe[2] = 0xFFFFFF;
    const std::string bytes = schreibeSpieldatei(ausSpielstand(s));
    const auto g = leseSpieldatei(bytes, s.nationen, "a.gowet");
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_TRUE(*g.daten == ausSpielstand(s));
    EXPECT_EQ(schreibeSpieldatei(*g.daten), bytes);
    EXPECT_EQ(*cp1252::ausUtf8(g.daten->spiele[5].quote), alle);
    // Bytes after block 6 are ignored.
    EXPECT_TRUE(leseSpieldatei(bytes + "REST", s.nationen, "a.gowet"));
}

TEST(Spieldatei, WahrheitswerteLesenJedenWertUngleichNull) {
    std::string b = schreibeSpieldatei(ausSpielstand(Spielstand{}));
    b[303 + 8] = 1;               // auswerten of match 1 = 1, not -1
    b[303 + 64 * 24 + 3 * 6 + 4] = 7;  // spieltMit of slot 3
    const auto g = leseSpieldatei(b, Spielstand{}.nationen, "b.gowet");
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_TRUE(g.daten->spiele[0].auswerten);
    EXPECT_TRUE(g.daten->spieler[3].spieltMit);
    EXPECT_EQ(schreibeSpieldatei(*g.daten).substr(303 + 8, 2), "\xFF\xFF");
}

TEST(SpielInfo, RundreiseUndAnsicht) {
    SpielInfo info;
    info.spiele[0] = {0, 32, 0, 0, false, 0, 4, "09.06.2006", "18:00 Uhr", 9, 0, ""};
    info.ansicht = 8;
    const std::string b = schreibeSpielInfo(info);
    EXPECT_EQ(b.size(), 64u * 24 + 19 + 2);
    EXPECT_EQ(b.substr(b.size() - 2), std::string("\x08\x00", 2));
    const auto g = leseSpielInfo(b, "plan.gowet");
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_TRUE(*g.daten == info);
}
