#include "spieldatei.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bytes.h"
#include "cp1252.h"
#include "speichern.h"
#include "spielinfo.h"

using namespace ovi;
using ovi::test::Bytes;

namespace {

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
    std::string b = schreibeSpieldatei(ausSpielstand(Spielstand{}));
    b[303 + 9] = '\x80';                    // auswerten of match 1 = -32768, not -1
    b[303 + 64 * 24 + 3 * 6 + 4] = '\xFF';  // spieltMit of slot 3 = 32767
    b[303 + 64 * 24 + 3 * 6 + 5] = '\x7F';
    const auto g = leseSpieldatei(b, Spielstand{}.nationen, "b.gowet");
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_TRUE(g.daten->spiele[0].auswerten);
    EXPECT_TRUE(g.daten->spieler[3].spieltMit);
    EXPECT_EQ(schreibeSpieldatei(*g.daten).substr(303 + 8, 2), "\xFF\xFF");
}

// Block 1 must be text: a file of zeros, or a name with a control byte, is no game. Other letters of the same
// lengths are just other names.
TEST(Spieldatei, MannschaftsnamenSindDruckbar) {
    const Nationen gehalten = Spielstand{}.nationen;
    const std::string vorne = "Die Datei „n.gowet“ ist keine gültige Spieldatei: Block 1 (Mannschaften): ";
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
        SCOPED_TRACE(f.name);
        Spieldatei d = ausSpielstand(Spielstand{});
        d.nationen[f.team] = f.name;
        const auto g = leseSpieldatei(schreibeSpieldatei(d), gehalten, "n.gowet");
        EXPECT_EQ(g.fehler, f.fehler.empty() ? "" : vorne + f.fehler + ".");
        if (g) {
            EXPECT_EQ(g.daten->nationen[f.team], f.name);
        }
    }
    EXPECT_EQ(leseSpieldatei(std::string(8417, '\0'), gehalten, "n.gowet").fehler,
              vorne + "der Name von Mannschaft 1 enthält das Steuerzeichen 0x00.");
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
