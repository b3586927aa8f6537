// The tip import: which tip wins, what the files replace, and that a bad file imports nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <tuple>

#include "spieldatei.h"
#include "tippimport.h"

using namespace ovi;

namespace {

struct Tipp {
    int p, m, heim, aus;
};

// A participant's copy: own name, the given tips, and a result that must never reach the operator's game.
Spielstand kopie(const std::string& name, std::initializer_list<Tipp> tipps) {
    Spielstand s;
    s.setName(0, name);
    s.setSpieltMit(0, true);
    s.regel = {1, {}, 7, true};
    s.regel.modusPunkte[0] = 3;
    s.spiele[0] = {5, 6, 4, 4, true, 0, 1, "10.06.2006", "15:00 Uhr", 2, 3, "Fremd"};
    for (const Tipp& t : tipps) {
        s.tipps(t.p, t.m, 0) = t.heim;
        s.tipps(t.p, t.m, 1) = t.aus;
    }
    return s;
}

class TippImport : public ::testing::Test {
  protected:
    QTemporaryDir ordner;
    QString lege(const QString& name, const Spielstand& s) {
        const QString pfad = ordner.filePath(name);
        EXPECT_EQ(speichereSpieldatei(pfad, ausSpielstand(s)), "");
        return pfad;
    }
    // The operator's game: results entered, one tip already given, one honest 0:0.
    Spielstand spiel() {
        Spielstand s;
        s.spiele[0] = {0, 1, 2, 1, true, 0, 4, "09.06.2006", "18:00 Uhr", 9, 0, ""};
        s.tipps(0, 1, 0) = 2;
        s.tipps(0, 1, 1) = 0;
        return s;
    }
};

}  // namespace

TEST_F(TippImport, ErsteDateiGewinntVorhandeneTippsBleiben) {
    const QString a = lege("a.gowet", kopie("Anna", {{0, 0, 1, 0}, {0, 1, 3, 3}, {0, 2, 0, 0}, {4, 63, 2, 2}}));
    const QString b = lege("b.gowet", kopie("Berta", {{0, 0, 5, 5}, {0, 2, 1, 2}, {4, 63, 0, 1}, {24, 5, 9, 9}}));
    Spielstand s = spiel();
    const Spielstand vorher = s;
    ASSERT_EQ(importiereTipps(s, {a, b}), "");
    // First file brings 0/0, the second cannot change it; the game's own tip 0/1 stays; a 0:0 in the first file
    // changes nothing, the second fills 0/2; 2:2 of the first file; 24/5 only in the second; 3/3 in no file.
    std::string tipps;
    for (const auto& [p, m] : {std::pair{0, 0}, {0, 1}, {0, 2}, {4, 63}, {24, 5}, {3, 3}})
        tipps += std::to_string(s.tipps(p, m, 0)) + ":" + std::to_string(s.tipps(p, m, 1)) + " ";
    EXPECT_EQ(tipps, "1:0 2:0 1:2 2:2 9:9 0:0 ");
    // Results, flags and pairings of the operator's game stay; the files' records went aside.
    EXPECT_TRUE(s.spiele == vorher.spiele);
    EXPECT_EQ(s.spieleImport[0].ergHeim, 4);
    // Names, rule and colours are those of the last file.
    EXPECT_EQ(std::tuple(s.getName(0), s.regel.modus, s.regel.bonuspunkte), std::tuple("Berta", 1, 7));
    // A second import of the same files finds every tip already there.
    const Spielstand einmal = s;
    ASSERT_EQ(importiereTipps(s, {a, b}), "");
    EXPECT_TRUE(s.tipps == einmal.tipps && s.spiele == einmal.spiele);
}

TEST_F(TippImport, EineKaputteDateiVerhindertDenGanzenImport) {
    const QString a = lege("a.gowet", kopie("Anna", {{0, 0, 1, 0}}));
    const QString kaputt = ordner.filePath("kaputt.gowet");
    {
        QFile f(kaputt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(500, '\x07'));
    }
    const QString fehlt = ordner.filePath("fehlt.gowet");
    for (const QStringList& wahl : {QStringList{a, kaputt}, QStringList{kaputt, a}, QStringList{a, fehlt}}) {
        SCOPED_TRACE(wahl.join(",").toStdString());
        Spielstand s = spiel();
        const Spielstand vorher = s;
        const std::string fehler = importiereTipps(s, wahl);
        const std::string name = QFileInfo(wahl.last() == a ? wahl.first() : wahl.last()).fileName().toStdString();
        EXPECT_NE(fehler.find("„" + name + "“"), std::string::npos) << fehler;
        EXPECT_TRUE(s.tipps == vorher.tipps && s.spieler == vorher.spieler && s.regel == vorher.regel);
    }
}
