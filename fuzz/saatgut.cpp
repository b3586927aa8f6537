// Writes the seed corpus for the fuzz targets: valid files of a few different shapes.
//   fuzz_saatgut ZIELORDNER   (creates spieldatei/, spielinfo/, tippimport/ and tipptext/ in it)
#include <QDir>
#include <QString>
#include <iostream>
#include <utility>
#include <vector>

#include "ausgabe/tippzettel.h"
#include "files/speichern.h"
#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tests/hilfe/vollesspiel.h"

using namespace ovi;

namespace {

// Every bound at its edge: own rule, no champion tip, widest colours and texts, tips of 9.
Spielstand randwerte() {
    Spielstand s;
    s.setName(0, "Jürgen Straße");
    s.setName(1, std::string("\xC2\x81") + "Ungenutzt");  // a byte the code page leaves undefined
    s.setName(24, std::string(300, 'x'));
    s.setSpieltMit(0, true);
    s.setWMTipp(0, -1);
    s.setWMTipp(1, katalog::unbekannt);
    s.regel.modus = 0;
    s.regel.modusPunkte[0] = 9;
    s.regel.bonuspunkte = 99;
    for (int i = 0; i < 4; ++i) s.modusFarbe[i] = 0xFFFFFF;
    Spiel& sp = s.spiele[63];
    // Team "unbekannt", the last phase, weekday, venue and referee.
    sp = {32, 31, 9, 9, true, 5, 6, "09.07.2006", "20:00 Uhr", 11, 23, "€ – „Quote“"};
    s.tipps(24, 63, 0) = 9;
    s.tipps(24, 63, 1) = 9;
    return s;
}

bool lege(const QString& pfad, const std::string& fehler) {
    if (fehler.empty()) return true;
    std::cerr << qPrintable(pfad) << ": " << fehler << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Aufruf: fuzz_saatgut ZIELORDNER\n";
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    for (const char* teil : {"spieldatei", "spielinfo", "tippimport", "tipptext"})
        if (!ziel.mkpath(QLatin1String(teil))) return 1;

    const std::vector<std::pair<QString, Spielstand>> spiele = {
        {QStringLiteral("leer"), Spielstand()},
        {QStringLiteral("voll"), test::vollesSpiel()},
        {QStringLiteral("randwerte"), randwerte()},
    };
    bool ok = true;
    int ansicht = 0;
    for (const auto& [name, s] : spiele) {
        // Names keep their lengths, so every game file reads with the catalogue's names.
        Spielstand gehalten = s;
        gehalten.nationen = Spielstand().nationen;
        const QString datei = name + QStringLiteral(".gowet");
        for (const char* teil : {"spieldatei", "tippimport"})
            ok &= lege(datei,
                       speichereSpieldatei(ziel.filePath(QLatin1String(teil) + '/' + datei), ausSpielstand(gehalten)));
        SpielInfo info{s.spiele, static_cast<Integer>(ansicht)};
        ansicht = katalog::anzahlAnsichten - 1;
        ok &= lege(datei, speichereSpielInfo(ziel.filePath(QStringLiteral("spielinfo/") + datei), info));
    }
    // Texts with tips: a whole tip sheet with its tips, and a chat message in every form of a line.
    const Spielstand voll = test::vollesSpiel();
    ok &= lege(QStringLiteral("zettel.txt"),
               speichereBytes(ziel.filePath(QStringLiteral("tipptext/zettel.txt")), tippzettel(voll, 1, -1)));
    ok &= lege(QStringLiteral("chat.txt"),
               speichereBytes(ziel.filePath(QStringLiteral("tipptext/chat.txt")),
                              "Hallo! \xF0\x9F\x98\x80\r\nTipps von Spieler 3:\r\nDeutschland - Costa Rica 2:1\r\n"
                              "Costa Rica \xE2\x80\x93 Deutschland 1-2 (sicher)\r\nGER vs CRC 2 : 1\r\n12. 2:1\r\n"
                              "Spiel 12: 2:1\r\n12) 2-1\r\nTipps von Niemand\r\n10:1\r\n"));
    return ok ? 0 : 1;
}
