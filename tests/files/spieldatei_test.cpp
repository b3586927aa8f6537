#include "spieldatei.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>

#include "bytes.h"
#include "cp1252.h"
#include "speichern.h"
#include "spielinfo.h"

using namespace ovi;
using ovi::test::Bytes;

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

const std::string vorne = "Die Datei „t.gowet“ ist keine gültige Spieldatei: ";

// The whole file byte by byte: names, the given first match and first participant, all else fresh.
std::string dateiBytes(const Bytes& spiel1, const Bytes& spieler1) {
    Bytes e;
    e.namen().roh(spiel1.b);
    for (int m = 1; m < 64; ++m) e.spiel(0, 0, 0, 0, false, 0, 0, "", "", 0, 0, "");
    e.roh(spieler1.b);
    for (int p = 1; p < 25; ++p) e.text("").integer(0).boolean(false);
    e.integer(3).integer(3).integer(2).integer(1).integer(0).boolean(false);
    e.lang(255).lang(250 + 256 * 250 + 65536 * 144).lang(48 + 256 * 190 + 65536 * 48).lang(0xFFFFFF);
    for (int i = 0; i < 3200; ++i) e.integer(0);
    return e.b;
}

}  // namespace

// Block 1 holds the names only, in Windows-1252; a text is its length and its bytes. Through a real file: the
// characters of 0x80..0x9F (the five gaps kept as C1 controls), 16-bit ends, a text past 65 535 bytes, which is
// cut with an honest length.
TEST(Spieldatei, GanzeBytesFrischUndMitTexten) {
    const std::string frisch = dateiBytes(Bytes().spiel(0, 0, 0, 0, false, 0, 0, "", "", 0, 0, ""),
                                          Bytes().text("").integer(0).boolean(false));
    ASSERT_EQ(frisch.size(), 8417u);
    EXPECT_EQ(schreibeSpieldatei(ausSpielstand(Spielstand{})), frisch);
    const std::string mitte =
        "\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152"
        "\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122"
        "\u0161\u203A\u0153\u009D\u017E\u0178";
    std::string bytes80;
    for (int c = 0x80; c <= 0x9F; ++c) bytes80 += static_cast<char>(c);
    Spielstand s;
    s.spiele[0].datum = "09.06.2006";
    s.spiele[0].heim = 9;
    s.spiele[0].quote = mitte;
    s.spiele[0].zeit = std::string(70000, 'z');
    s.setName(0, "Jürgen");
    s.setWMTipp(0, 32767);
    s.setSpieltMit(0, true);
    const std::string erwartet =
        dateiBytes(Bytes().spiel(9, 0, 0, 0, false, 0, 0, "09.06.2006", std::string(65535, 'z'), 0, 0, bytes80),
                   Bytes().text("J\xFCrgen").integer(32767).boolean(true));
    EXPECT_EQ(erwartet.substr(303 + 14 + 12, 4), "\xFF\xFFzz");
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("t.gowet"));
    ASSERT_EQ(speichereSpieldatei(pfad, ausSpielstand(s)), "");
    std::string gelesen;
    ASSERT_EQ(ladeBytes(pfad, gelesen), "");
    EXPECT_TRUE(gelesen == erwartet);
    gelesen.replace(303 + 64 * 24 + 65535 + 10 + 32 + 8, 2,
                    std::string("\x20\x00", 2));  // a champion tip the reader takes
    s.setWMTipp(0, 32);
    ASSERT_EQ(speichereBytes(pfad, gelesen), "");
    const auto g = ladeSpieldatei(pfad, s.nationen);
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_EQ(g.daten->spiele[0].quote, mitte);
    EXPECT_EQ(g.daten->spieler[0].weltmeisterTipp, 32);
    EXPECT_EQ(schreibeSpieldatei(*g.daten), gelesen);
}

TEST(Spieldatei, RundreiseUndJedesByte) {
    Spielstand s;
    std::string alle;
    for (int c = 0; c < 256; ++c) alle += static_cast<char>(c);
    s.spiele[5].quote = cp1252::nachUtf8(alle);
    s.spiele[63] = {16, 24, 1, 1, true, 5, 6, "09.07.2006", "20:00 Uhr", 0, 0, "x;y"};
    s.tipps(24, 63, 1) = 9;
    s.regel = {0, {}, 99, true};
    s.modusFarbe[2] = 0xFFFFFF;
    const std::string bytes = schreibeSpieldatei(ausSpielstand(s));
    const auto g = leseSpieldatei(bytes + "REST", s.nationen, "a.gowet");  // bytes after block 6 are ignored
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_TRUE(*g.daten == ausSpielstand(s));
    EXPECT_EQ(*cp1252::ausUtf8(g.daten->spiele[5].quote), alle);
}

TEST(Spieldatei, WahrheitswerteLesenJedenWertUngleichNull) {
    std::string b = frisch();
    setze(b, block2 + 8, -32768);         // auswerten of match 1, not -1
    setze(b, block3 + 3 * 6 + 4, 32767);  // spieltMit of slot 3
    const auto g = leseSpieldatei(b, Spielstand{}.nationen, "t.gowet");
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_TRUE(g.daten->spiele[0].auswerten);
    EXPECT_TRUE(g.daten->spieler[3].spieltMit);
    EXPECT_EQ(schreibeSpieldatei(*g.daten).substr(block2 + 8, 2), "\xFF\xFF");
}

// Block 1 must be text: a file of zeros, or a name with a control byte, is no game. Other letters of the same
// lengths are just other names.
TEST(Spieldatei, MannschaftsnamenSindDruckbar) {
    const struct {
        int team;
        std::string name;  // UTF-8, as long in the code page as the held one
        std::string fehler;
    } faelle[] = {
        {0, "DEUTSCHLAND", ""},
        {1, "Cos€‚ Ricÿ", ""},
        {0, std::string("Deutsch\0and", 11), "der Name von Mannschaft 1 enthält das Steuerzeichen 0x00"},
        {32, "unbe\tannt", "der Name von Mannschaft 33 enthält das Steuerzeichen 0x09"},
        {2, "Pole\x7F", "der Name von Mannschaft 3 enthält das Steuerzeichen 0x7F"},
        {2, "Pol\xC2\x81n", "der Name von Mannschaft 3 enthält das Steuerzeichen 0x81"},
    };
    for (const auto& f : faelle) {
        Spieldatei d = ausSpielstand(Spielstand{});
        d.nationen[f.team] = f.name;
        const auto g = leseSpieldatei(schreibeSpieldatei(d), Spielstand{}.nationen, "t.gowet");
        EXPECT_EQ(g.fehler, f.fehler.empty() ? "" : vorne + "Block 1 (Mannschaften): " + f.fehler + ".");
        EXPECT_EQ(g ? g.daten->nationen[f.team] : "", f.fehler.empty() ? f.name : "");
    }
    EXPECT_EQ(leseSpieldatei(std::string(8417, '\0'), Spielstand{}.nationen, "t.gowet").fehler,
              vorne + "Block 1 (Mannschaften): der Name von Mannschaft 1 enthält das Steuerzeichen 0x00.");
}

// Every bounded number just inside and just outside its bounds (and at the 16-bit ends): what is accepted is
// written back unchanged, what is refused names the block.
TEST(Spieldatei, JedeGrenzeKnappInnenUndAussen) {
    // team numbers, goals, phase, weekday, venue, referee, champion tip, rule, points, bonus, colours, tips
    const std::int64_t grenzen[][3] = {{block2, 32, 33},
                                       {block2, 0, -1},
                                       {block2 + 63 * 24 + 2, 32, 33},
                                       {block2 + 4, 9, 10},
                                       {block2 + 4, 0, 32767},
                                       {block2 + 6, 0, -1},
                                       {block2 + 10, 5, 6},
                                       {block2 + 12, 6, 7},
                                       {block2 + 18, 11, 12},
                                       {block2 + 20, 23, 24},
                                       {block3 + 2, 32, 33},
                                       {block3 + 24 * 6 + 2, -1, -2},
                                       {block4, 0, 4},
                                       {block4, 0, -1},
                                       {block4 + 2, 9, 10},
                                       {block4 + 6, 0, -1},
                                       {block4 + 8, 99, 100},
                                       {block4 + 8, 0, -32768},
                                       {block5, 16777215, 16777216},
                                       {block5 + 12, 0, -1},
                                       {block6, 9, 10},
                                       {block6 + 3199 * 2, 0, -1},
                                       {block6 + 2, 9, -32768}};
    const std::size_t anfang[] = {block2, block3, block4, block5, block6};
    for (const auto& [ort, gut, schlecht] : grenzen) {
        const auto stelle = static_cast<std::size_t>(ort);
        SCOPED_TRACE(stelle);
        std::string b = frisch();
        const int breite = stelle >= block5 && stelle < block6 ? 4 : 2;
        setze(b, stelle, gut, breite);
        const auto innen = leseSpieldatei(b, Spielstand{}.nationen, "t.gowet");
        ASSERT_TRUE(innen) << innen.fehler;
        EXPECT_EQ(schreibeSpieldatei(*innen.daten), b);
        setze(b, stelle, schlecht, breite);
        const std::string block = "Block " + std::to_string(1 + std::count_if(std::begin(anfang), std::end(anfang),
                                                                              [&](auto a) { return stelle >= a; }));
        EXPECT_EQ(leseSpieldatei(b, Spielstand{}.nationen, "t.gowet").fehler.rfind(vorne + block, 0), 0u);
    }
    // The whole message for the 16-bit ends.
    std::string b = frisch();
    setze(b, block2 + 4, 32767);
    EXPECT_EQ(leseSpieldatei(b, Spielstand{}.nationen, "t.gowet").fehler,
              vorne + "Block 2 (Spiele), Spiel 1: die Heimtore ist 32767, erlaubt sind 0 bis 9.");
    b = frisch();
    setze(b, block6 + 3199 * 2, -32768);
    EXPECT_EQ(leseSpieldatei(b, Spielstand{}.nationen, "t.gowet").fehler,
              vorne + "Block 6 (Tipps), Spiel 64, Gasttore: ein Tipp ist -32768, erlaubt sind 0 bis 9.");
}

// A file cut inside any block, or a text claiming more bytes than are left, is refused naming the block.
TEST(Spieldatei, SchnittInJedemBlockNenntDenBlock) {
    const std::string b = frisch();
    std::string lang = b, negativ = b;
    setze(lang, block2 + 14, 30000);
    setze(negativ, block2 + 14, -5);
    const std::pair<std::string, const char*> faelle[] = {{b.substr(0, 0), "Block 1"},
                                                          {b.substr(0, 302), "Block 1"},
                                                          {b.substr(0, block2 + 1), "Block 2"},
                                                          {b.substr(0, block3 - 1), "Block 2"},
                                                          {b.substr(0, block3 + 3), "Block 3"},
                                                          {b.substr(0, block4 + 11), "Block 4"},
                                                          {b.substr(0, block5 + 5), "Block 5"},
                                                          {b.substr(0, block6), "Block 6"},
                                                          {b.substr(0, b.size() - 1), "Block 6"},
                                                          {lang, "Block 2"},
                                                          {negativ, "Block 2"}};
    for (const auto& [bytes, block] : faelle)
        EXPECT_EQ(leseSpieldatei(bytes, Spielstand{}.nationen, "t.gowet").fehler.rfind(vorne + block, 0), 0u)
            << bytes.size();
}

TEST(SpielInfo, RundreiseAnsichtUndSchnitt) {
    SpielInfo info;
    info.spiele[0] = {0, 32, 0, 0, false, 0, 4, "09.06.2006", "18:00 Uhr", 9, 0, ""};
    info.ansicht = 8;
    std::string b = schreibeSpielInfo(info);
    EXPECT_EQ(b.size(), 64u * 24 + 19 + 2);
    EXPECT_EQ(b.substr(b.size() - 2), std::string("\x08\x00", 2));
    const auto g = leseSpielInfo(b + "überzählig", "p.gowet");
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_TRUE(*g.daten == info);
    for (const auto& [ansicht, gut] : {std::pair{10, true}, {11, false}, {-1, false}, {0, true}}) {
        setze(b, b.size() - 2, ansicht);
        EXPECT_EQ(static_cast<bool>(leseSpielInfo(b, "p.gowet")), gut) << ansicht;
    }
    EXPECT_NE(leseSpielInfo(b.substr(0, b.size() - 1), "p.gowet").fehler.find("„p.gowet“"), std::string::npos);
}
