// Tip import from participants' copies: the first file wins, tips already there stay, one bad file stops it all.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "spieldatei.h"
#include "tippimport.h"

using namespace ovi;

namespace {

// A participant's copy: own name, the given tips {slot, match, home, away}, and a result that must never reach
// the operator's game.
QString kopie(const QTemporaryDir& ordner, const char* name, std::initializer_list<std::array<int, 4>> tipps) {
    Spielstand s;
    s.setName(0, name), s.setSpieltMit(0, true);
    s.regel = {1, {}, 7, true};
    s.regel.modusPunkte[0] = 3;
    s.spiele[0] = {5, 6, 4, 4, true, 0, 1, "10.06.2006", "15:00 Uhr", 2, 3, "Fremd"};
    for (const auto& [p, m, heim, aus] : tipps) s.tipps(p, m, 0) = Integer(heim), s.tipps(p, m, 1) = Integer(aus);
    const QString pfad = ordner.filePath(QString::fromUtf8(name) + ".gowet");
    EXPECT_EQ(speichereSpieldatei(pfad, ausSpielstand(s)), "");
    return pfad;
}

// The operator's game: results entered, one tip already given, one honest 0:0.
Spielstand spiel() {
    Spielstand s;
    s.spiele[0] = {0, 1, 2, 1, true, 0, 4, "09.06.2006", "18:00 Uhr", 9, 0, ""};
    s.tipps(0, 1, 0) = 2;
    return s;
}

}  // namespace

// First file brings 0/0, the second cannot change it; the game's own tip 0/1 stays; a 0:0 in the first file changes
// nothing, the second fills 0/2; 2:2 of the first file; 24/5 only in the second; 3/3 in no file. Results stay,
// the files' records go aside; names, rule and colours are those of the last file. A second import changes nothing.
TEST(TippImport, ErsteDateiGewinntVorhandeneTippsBleiben) {
    QTemporaryDir ordner;
    const QString a = kopie(ordner, "Anna", {{0, 0, 1, 0}, {0, 1, 3, 3}, {0, 2, 0, 0}, {4, 63, 2, 2}});
    const QString b = kopie(ordner, "Berta", {{0, 0, 5, 5}, {0, 2, 1, 2}, {4, 63, 0, 1}, {24, 5, 9, 9}});
    Spielstand s = spiel();
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
    QFile f(ordner.filePath("kaputt.gowet"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(QByteArray(500, '\x07')) == 500);
    f.close();
    const QString k = ordner.filePath("kaputt.gowet"), weg = ordner.filePath("fehlt.gowet");
    for (const auto& [wahl, name] :
         {std::pair{QStringList{a, k}, "kaputt"}, {QStringList{k, a}, "kaputt"}, {QStringList{a, weg}, "fehlt"}}) {
        s = spiel();
        const std::string fehler = importiereTipps(s, wahl);
        EXPECT_NE(fehler.find("„" + std::string(name) + ".gowet“"), std::string::npos) << fehler;
        EXPECT_TRUE(s.tipps == vorher.tipps && s.spieler == vorher.spieler && s.regel == vorher.regel);
    }
}
