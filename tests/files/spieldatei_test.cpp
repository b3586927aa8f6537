#include "files/spieldatei.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

#include "files/binaer.h"
#include "files/cp1252.h"
#include "files/speichern.h"
#include "files/spielinfo.h"
#include "files/tippimport.h"
#include "tests/core/testspiel.h"

using namespace ovi;
using ovi::test::lies;

namespace {

// Little-endian, 1, 2 or 4 bytes wide.
void setze(std::string& b, std::size_t stelle, long long wert, int breite = 2) {
    for (int i = 0; i < breite; ++i) b[stelle + i] = static_cast<char>((wert >> (8 * i)) & 0xFF);
}

// A participant's copy: own name, the given tips {slot, match, home, away}, and a result that must never reach
// the operator's game.
QString kopie(const QTemporaryDir& ordner, const char* name, std::initializer_list<std::array<int, 4>> tipps) {
    Spielstand s;
    s.setName(0, name);
    s.setSpieltMit(0, true);
    s.regel = {1, {}, 7, true};
    s.regel.modusPunkte[0] = 3;
    s.spiele[0] = {5, 6, 4, 4, true, 0, 1, "10.06.2006", "15:00 Uhr", 2, 3, "Fremd"};
    for (const auto& [p, m, heim, aus] : tipps) {
        s.tipps(p, m, 0) = Integer(heim);
        s.tipps(p, m, 1) = Integer(aus);
    }
    const QString pfad = ordner.filePath(QString::fromUtf8(name) + ".gowet");
    EXPECT_EQ(speichereSpieldatei(pfad, ausSpielstand(s)), "");
    return pfad;
}

}  // namespace

// The whole file through a real file, checked byte by byte against texte.gowet: block 1 with "ü" as the one byte
// FC, a date, the 27 characters of 0x80..0x9F (the five gaps are no characters), a champion tip of 32767 and a
// text past 65 535 bytes, cut with an honest length. Read back, a tip the reader takes gives the same bytes again.
TEST(Spieldatei, GanzeBytesDurchEineEchteDatei) {
    Spielstand s;
    const std::string mitte =
        "\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u017D"
        "\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u017E\u0178";
    s.spiele[0] = {9, 0, 0, 0, false, 0, 0, "09.06.2006", std::string(70000, 'z'), 0, 0, mitte};
    s.setName(0, "Jürgen");
    s.setWMTipp(0, 32767);
    s.setSpieltMit(0, true);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("t.gowet"));
    ASSERT_EQ(speichereSpieldatei(pfad, ausSpielstand(s)), "");
    std::string gelesen;
    ASSERT_EQ(ladeBytes(pfad, gelesen), "");
    EXPECT_TRUE(gelesen == lies("texte.gowet"));
    setze(gelesen, 303 + 64 * 24 + 65535 + 10 + 27 + 8, 32);
    ASSERT_EQ(speichereBytes(pfad, gelesen), "");
    const auto g = ladeSpieldatei(pfad, s.nationen);
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_EQ(std::tuple(g.daten->spiele[0].quote, g.daten->spieler[0].weltmeisterTipp, g.daten->spiele[0].zeit.size()),
              std::tuple(s.spiele[0].quote, 32, 65535u));
    EXPECT_EQ(schreibeSpieldatei(*g.daten), gelesen);
    EXPECT_EQ(schreibeSpieldatei(ausSpielstand(Spielstand{})).size(), 8417u);
    // Every byte of the code page that prints, the last tip, an own rule, bonus and colour go through; bytes after
    // block 6 are ignored.
    Spieldatei d = *g.daten;
    std::string alle;
    for (int c = 0; c < 256; ++c)
        if (cp1252::druckbaresByte(static_cast<unsigned char>(c))) alle += static_cast<char>(c);
    ASSERT_EQ(alle.size(), 256u - 32 - 1 - 5);
    d.spiele[5].quote = cp1252::nachUtf8(alle);
    d.spiele[63] = {16, 24, 1, 1, true, 5, 6, "09.07.2006", "20:00 Uhr", 0, 0, "x;y"};
    d.tippsAblage.element(3199) = 9;
    d.regel = {0, {}, 99, true};
    d.modusFarbe[2] = 0xFFFFFF;
    const auto r = leseSpieldatei(schreibeSpieldatei(d) + "REST", s.nationen, "a.gowet");
    ASSERT_TRUE(r) << r.fehler;
    EXPECT_TRUE(*r.daten == d && *cp1252::ausUtf8(d.spiele[5].quote) == alle);
}

namespace {

// A text of a row of kaputt.tsv: "\xNN" stands for the byte NN.
std::string bytesAus(const std::string& text) {
    std::string b;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text.compare(i, 2, "\\x") == 0 && i + 3 < text.size()) {
            b += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            b += text[i];
        }
    return b;
}

// Rows "T:feld" of kaputt.tsv put a text into a name or a match text of a fresh game, byte for byte, and write it
// as the program's writer does: a control byte is refused with the whole message, anything else read back as it
// stands. The match-information file takes the same match texts the same way.
void kaputterText(const std::string& feld, const std::string& bytes, const std::string& erwartet) {
    Spieldatei d = ausSpielstand(Spielstand{});
    const std::size_t ziffer = feld.find_first_of("0123456789");
    const std::string art = feld.substr(0, ziffer);
    const int nr = std::stoi(feld.substr(ziffer)) - 1;
    const std::string utf8 = cp1252::nachUtf8(bytes);
    if (art == "name") {
        d.spieler[nr].name = utf8;
    } else {
        Spiel& sp = d.spiele[nr];
        (art == "datum" ? sp.datum : art == "zeit" ? sp.zeit : sp.quote) = utf8;
    }
    const auto g = leseSpieldatei(schreibeSpieldatei(d), Spielstand{}.nationen, "t.gowet");
    const auto i = leseSpielInfo(schreibeSpielInfo({d.spiele, 0}), "p.gowet");
    if (erwartet == "ok") {
        ASSERT_TRUE(g) << g.fehler;
        EXPECT_TRUE(*g.daten == d);
        EXPECT_TRUE(i && i.daten->spiele == d.spiele);
        return;
    }
    EXPECT_EQ(g.fehler, "Die Datei „t.gowet“ ist keine gültige Spieldatei: " + erwartet);
    if (art != "name") {
        EXPECT_EQ(i.fehler, "Die Datei „p.gowet“ enthält keine gültigen Spiel-Informationen: " +
                                erwartet.substr(erwartet.find("Spiel ")));
    }
}

}  // namespace

// Each row of kaputt.tsv patches one value into a fresh file (or cuts the file there): every bound just inside
// and just outside, control bytes in block 1, texts longer than the file. Refused with the whole message, or
// read and written back as it stands (a true value as FF FF). Rows "T:" are texts with control bytes.
TEST(Spieldatei, KaputteDateienJeBlock) {
    const std::size_t block[] = {0, 0, 303, 303 + 64 * 24, 303 + 64 * 24 + 150, 303 + 64 * 24 + 162, 2017};
    const std::string frisch = schreibeSpieldatei(ausSpielstand(Spielstand{}));
    const std::string text = lies("kaputt.tsv");
    std::istringstream tabelle(text);
    for (std::string zeile; std::getline(tabelle, zeile);) {
        if (zeile.empty() || zeile[0] == '#') continue;
        SCOPED_TRACE(zeile);
        if (zeile.rfind("T:", 0) == 0) {
            const std::size_t a = zeile.find('\t'), b = zeile.find('\t', a + 1);
            kaputterText(zeile.substr(2, a - 2), bytesAus(zeile.substr(a + 1, b - a - 1)), zeile.substr(b + 1));
            continue;
        }
        std::istringstream z(zeile);
        std::size_t nr = 0, stelle = 0, breite = 0;
        long long wert = 0;
        std::string doppelpunkt, erwartet;
        std::getline(z >> nr, doppelpunkt, ':') >> stelle >> breite >> wert;
        std::getline(z >> std::ws, erwartet);
        std::string b = frisch;
        stelle += block[nr];
        breite ? setze(b, stelle, wert, int(breite)) : b.resize(stelle);
        const auto g = leseSpieldatei(b, Spielstand{}.nationen, "t.gowet");
        if (erwartet.rfind("ok", 0) == 0) {
            if (erwartet.size() > 2) setze(b, stelle, std::stoll(erwartet.substr(3)), int(breite));
            ASSERT_TRUE(g) << g.fehler;
            EXPECT_TRUE(schreibeSpieldatei(*g.daten) == b);
        } else {
            EXPECT_EQ(g.fehler, "Die Datei „t.gowet“ ist keine gültige Spieldatei: " + erwartet);
        }
    }
}

TEST(SpielInfo, RundreiseAnsichtUndSchnitt) {
    SpielInfo info;
    info.spiele[0] = {0, 32, 0, 0, false, 0, 4, "09.06.2006", "18:00 Uhr", 9, 0, ""};
    info.ansicht = 8;
    std::string b = schreibeSpielInfo(info);
    EXPECT_EQ(b.substr(64 * 24 + 19), std::string("\x08\x00", 2));
    const auto g = leseSpielInfo(b + "überzählig", "p.gowet");
    ASSERT_TRUE(g) << g.fehler;
    EXPECT_TRUE(*g.daten == info);
    for (const auto& [ansicht, gut] : {std::pair{10, true}, {11, false}, {-1, false}, {0, true}}) {
        setze(b, b.size() - 2, ansicht);
        EXPECT_EQ(static_cast<bool>(leseSpielInfo(b, "p.gowet")), gut) << ansicht;
    }
    EXPECT_NE(leseSpielInfo(b.substr(0, b.size() - 1), "p.gowet").fehler.find("„p.gowet“"), std::string::npos);
}

// Tip import from participants' copies: the first file wins, tips already there stay, one bad file stops it all.
// First file brings 0/0, the second cannot change it; the game's own tip 0/1 stays; a 0:0 in the first file changes
// nothing, the second fills 0/2; 2:2 of the first file; 24/5 only in the second; 3/3 in no file. Results stay,
// the files' records go aside; names, rule and colours are those of the last file. A second import changes nothing.
TEST(TippImport, ErsteDateiGewinntVorhandeneTippsBleiben) {
    QTemporaryDir ordner;
    const QString a = kopie(ordner, "Anna", {{0, 0, 1, 0}, {0, 1, 3, 3}, {0, 2, 0, 0}, {4, 63, 2, 2}});
    const QString b = kopie(ordner, "Berta", {{0, 0, 5, 5}, {0, 2, 1, 2}, {4, 63, 0, 1}, {24, 5, 9, 9}});
    Spielstand s;  // results entered, one tip already given, one honest 0:0
    s.spiele[0] = {0, 1, 2, 1, true, 0, 4, "09.06.2006", "18:00 Uhr", 9, 0, ""};
    s.tipps(0, 1, 0) = 2;
    const Spielstand vorher = s;
    ASSERT_EQ(importiereTipps(s, {a, b}), "");
    std::string tipps;
    for (const auto& [p, m] : {std::pair{0, 0}, {0, 1}, {0, 2}, {4, 63}, {24, 5}, {3, 3}})
        tipps += std::to_string(s.tipps(p, m, 0)) + ":" + std::to_string(s.tipps(p, m, 1)) + " ";
    EXPECT_EQ(tipps, "1:0 2:0 1:2 2:2 9:9 0:0 ");
    EXPECT_TRUE(s.spiele == vorher.spiele);
    EXPECT_EQ(std::tuple(s.spieleImport[0].ergHeim, s.getName(0), s.regel.modus, s.regel.bonuspunkte),
              std::tuple(4, "Berta", 1, 7));
    const Spielstand einmal = s;
    ASSERT_EQ(importiereTipps(s, {a, b}), "");
    EXPECT_TRUE(s.tipps == einmal.tipps && s.spiele == einmal.spiele);
    // A damaged or a missing file, first or last, stops the whole import and is named.
    const QString k = ordner.filePath("kaputt.gowet"), weg = ordner.filePath("fehlt.gowet");
    ASSERT_EQ(speichereBytes(k, std::string(500, '\x07')), "");
    for (const auto& [wahl, name] :
         {std::pair{QStringList{a, k}, "kaputt"}, {QStringList{k, a}, "kaputt"}, {QStringList{a, weg}, "fehlt"}}) {
        s = vorher;
        const std::string fehler = importiereTipps(s, wahl);
        EXPECT_NE(fehler.find("„" + std::string(name) + ".gowet“"), std::string::npos) << fehler;
        EXPECT_TRUE(s.tipps == vorher.tipps && s.spieler == vorher.spieler && s.regel == vorher.regel);
    }
}

// Both kinds of .gowet share ending and folder: a reader that refuses a file notes when the other reader takes it
// whole, so the message can say what the file is. Per file: read as game, other kind; read as match information,
// other kind. The tip import names a match-information file as such.
TEST(Dateiart, DieAndereArtWirdErkannt) {
    QTemporaryDir ordner;
    const QString spiel = ordner.filePath("spiel.gowet"), plan = ordner.filePath("plan.gowet"),
                  kaputt = ordner.filePath("kaputt.gowet");
    ASSERT_EQ(speichereSpieldatei(spiel, ausSpielstand(Spielstand{})), "");
    ASSERT_EQ(speichereSpielInfo(plan, SpielInfo{}), "");
    ASSERT_EQ(speichereBytes(kaputt, std::string(8500, 'x')), "");
    const auto art = [](const QString& pfad) {
        const auto g = ladeSpieldatei(pfad, Spielstand{}.nationen);
        const auto i = ladeSpielInfo(pfad);
        return std::to_string(bool(g)) + std::to_string(g.andereArt) + std::to_string(bool(i)) +
               std::to_string(i.andereArt);
    };
    EXPECT_EQ(art(spiel), "1001");
    EXPECT_EQ(art(plan), "0110");
    EXPECT_EQ(art(kaputt), "0000");
    Spielstand s;
    EXPECT_EQ(importiereTipps(s, {spiel, plan}),
              "„plan.gowet“ ist eine Datei mit Spiel-Informationen. Sie wird mit Datei → Importieren → "
              "Spiel-Informationen geladen. Es wurden keine Tipps übernommen.");
}

// A text with its length in two bytes in front (low byte first), at the very end of the bytes: read when it ends
// there exactly, reported when it would reach past it.
TEST(Binaer, TextAmDateiende) {
    struct Fall {
        const char* name;
        std::string bytes;
        std::string text;
        std::string fehler;
    };
    const Fall faelle[] = {
        {"leer", std::string("\x00\x00", 2), "", ""},
        {"endet genau am Ende",
         std::string("\x02\x00"
                     "ab",
                     4),
         "ab", ""},
        {"ein Byte zu lang",
         std::string("\x03\x00"
                     "ab",
                     4),
         "", "der Text Name (Länge 3) reicht über das Dateiende"},
        {"Länge ohne Text", std::string("\x01\x00", 2), "", "der Text Name (Länge 1) reicht über das Dateiende"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        binaer::Leser l(f.bytes);
        EXPECT_EQ(l.text("Name"), f.text);
        EXPECT_EQ(l.fehler(), f.fehler);
    }
}
