// Any bytes as a participant's copy, imported after a valid one into a full game: either the game is
// untouched and the error says so, or exactly the documented merge took place.
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/spieldatei.h"
#include "files/tippimport.h"
#include "fuzz/pruefe.h"
#include "tests/hilfe/vollesspiel.h"

using namespace ovi;

namespace {

struct Umgebung {
    QTemporaryDir ordner;
    Spielstand spiel = test::vollesSpiel();
    Spielstand kopie;
    QString gueltig, fremd;

    Umgebung() {
        fuzz::pruefe(ordner.isValid(), "Arbeitsordner");
        // A few tips only, so the fuzzed file still decides most of the empty ones.
        kopie.setName(0, "Anna");
        for (int m = 0; m < katalog::anzahlSpiele; m += 7) kopie.tipps(m % katalog::anzahlSpieler, m, 0) = 3;
        gueltig = ordner.filePath(QStringLiteral("anna.gowet"));
        fremd = ordner.filePath(QStringLiteral("fremd.gowet"));
        fuzz::pruefe(speichereSpieldatei(gueltig, ausSpielstand(kopie)).empty(), "gültige Kopie gespeichert");
    }
};

bool gleich(const Spielstand& a, const Spielstand& b) {
    return ausSpielstand(a) == ausSpielstand(b) && a.tipps == b.tipps && a.spieleImport == b.spieleImport;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Umgebung u;
    {
        QFile f(u.fremd);
        fuzz::pruefe(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "Eingabe schreiben");
        fuzz::pruefe(
            f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == static_cast<qint64>(size),
            "Eingabe ganz geschrieben");
    }
    const auto erwartet =
        leseSpieldatei(std::string_view(reinterpret_cast<const char*>(data), size), u.spiel.nationen, "fremd.gowet");
    Spielstand s = u.spiel;
    const std::string fehler = importiereTipps(s, {u.gueltig, u.fremd});
    if (!erwartet) {
        fuzz::pruefe(fehler == erwartet.fehler + " Es wurden keine Tipps übernommen.", "Fehlertext", fehler);
        fuzz::pruefe(gleich(s, u.spiel), "Spiel unverändert nach einem Fehler");
        return 0;
    }
    fuzz::pruefe(fehler.empty(), "Import gelingt", fehler);
    const Spieldatei& d = *erwartet.daten;
    // The last file's names, participants, rule, colours and stored tips win; the results stay.
    fuzz::pruefe(s.nationen == d.nationen && s.spieler == d.spieler && s.regel == d.regel &&
                     s.modusFarbe == d.modusFarbe && s.tippsAblage == d.tippsAblage,
                 "letzte Datei übernommen");
    fuzz::pruefe(s.spieleImport == d.spiele && s.spiele == u.spiel.spiele, "Spiele nur nach spieleImport");
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        for (int m = 0; m < katalog::anzahlSpiele; ++m) {
            const bool leer = u.spiel.tipps(p, m, 0) == 0 && u.spiel.tipps(p, m, 1) == 0;
            const bool ausKopie = u.kopie.tipps(p, m, 0) != 0 || u.kopie.tipps(p, m, 1) != 0;
            const TippFeld& quelle = !leer ? u.spiel.tipps : ausKopie ? u.kopie.tipps : d.tippsAblage;
            fuzz::pruefe(s.tipps(p, m, 0) == quelle(p, m, 0) && s.tipps(p, m, 1) == quelle(p, m, 1),
                         "vorhandene Tipps bleiben, leere werden ergänzt");
        }
    // By name the game keeps everything but its missing tips.
    Spielstand n = u.spiel;
    ergaenzeAusDatei(n, d, Zuordnung::nachNamen);
    fuzz::pruefe(n.nationen == u.spiel.nationen && n.spieler == u.spiel.spieler && n.regel == u.spiel.regel &&
                     n.modusFarbe == u.spiel.modusFarbe && n.spiele == u.spiel.spiele,
                 "nach Namen bleibt das Spiel");
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        for (int m = 0; m < katalog::anzahlSpiele; ++m)
            if (u.spiel.tipps(p, m, 0) != 0 || u.spiel.tipps(p, m, 1) != 0)
                fuzz::pruefe(n.tipps(p, m, 0) == u.spiel.tipps(p, m, 0) && n.tipps(p, m, 1) == u.spiel.tipps(p, m, 1),
                             "nach Namen bleiben vorhandene Tipps");
    return 0;
}
