// Any bytes as a text with tips, read against a full game as "Tipps aus Text" reads it: every line gets one
// finding; a placed tip names a participant who plays along, a match whose pairing stands and one digit a side;
// taking over what is new or replaced changes those tips and no other.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/paarungen.h"
#include "core/tippvorschau.h"
#include "files/textdatei.h"
#include "fuzz/pruefe.h"
#include "tests/hilfe/vollesspiel.h"

using namespace ovi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Spielstand spiel = [] {
        Spielstand s = test::vollesSpiel();
        s.setSpieltMit(3, false);
        for (int m = 0; m < katalog::anzahlSpiele; m += 3) s.tipps(0, m, 0) = s.tipps(0, m, 1) = 0;
        return s;
    }();
    const std::string text = textAlsUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<Tippzeile> zeilen = leseTipptext(text, spiel, 0);
    std::size_t erwartet = 0;
    for (char c : text) erwartet += c == '\n';
    if (!text.empty() && text.back() != '\n') ++erwartet;
    fuzz::pruefe(zeilen.size() == erwartet, "eine Zeile je Zeile des Texts");
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const Tippzeile& z = zeilen[i];
        fuzz::pruefe(z.nummer == static_cast<int>(i) + 1, "Zeilennummer");
        fuzz::pruefe((z.art == Zeilenart::nichtErkannt) == !z.grund.empty(), "Grund genau bei nicht erkannt", z.grund);
        if (z.art != Zeilenart::tipp) continue;
        fuzz::pruefe(z.spieler >= 0 && z.spieler < katalog::anzahlSpieler && spiel.getSpieltMit(z.spieler),
                     "Tipp eines Mitspielers");
        fuzz::pruefe(z.spiel >= 0 && z.spiel < katalog::anzahlSpiele && paarungSteht(spiel.spiele[z.spiel]),
                     "Tipp für ein Spiel mit Paarung");
        fuzz::pruefe(z.heim >= 0 && z.heim <= 9 && z.aus >= 0 && z.aus <= 9, "eine Ziffer je Seite");
    }
    const std::vector<Vorschauzeile> v = vorschau(zeilen, spiel.tipps);
    const std::vector<Tippaenderung> a = aenderungen(v, [](const Vorschauzeile&) { return true; });
    TippFeld tipps = spiel.tipps;
    uebernimm(tipps, a);
    int anders = 0;
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        for (int m = 0; m < katalog::anzahlSpiele; ++m)
            anders += tipps(p, m, 0) != spiel.tipps(p, m, 0) || tipps(p, m, 1) != spiel.tipps(p, m, 1);
    fuzz::pruefe(anders == static_cast<int>(a.size()), "nur die übernommenen Tipps ändern sich");
    return 0;
}
