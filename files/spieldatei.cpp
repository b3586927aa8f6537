#include "files/spieldatei.h"

#include <QFileInfo>

#include "core/utf8.h"
#include "files/binaer.h"
#include "files/speichern.h"
#include "files/spielinfo.h"

namespace ovi {

Spieldatei ausSpielstand(const Spielstand& s) {
    return {s.nationen, s.spiele, s.spieler, s.regel, s.modusFarbe, s.tipps};
}

void uebernehme(Spielstand& s, const Spieldatei& d) {
    s.nationen = d.nationen;
    s.spiele = d.spiele;
    s.spieler = d.spieler;
    s.regel = d.regel;
    s.modusFarbe = d.modusFarbe;
    s.tippsAblage = d.tippsAblage;
    s.tipps = d.tippsAblage;
}

std::string schreibeSpieldatei(const Spieldatei& d) {
    binaer::Schreiber w;
    w.bytes().reserve(9000);
    for (const std::string& name : d.nationen) w.bloss(name);
    for (const Spiel& s : d.spiele) w.spiel(s);
    for (const Spieler& p : d.spieler) {
        w.text(p.name);
        w.integer(p.weltmeisterTipp);
        w.boolean(p.spieltMit);
    }
    w.integer(d.regel.modus);
    for (Integer p : d.regel.modusPunkte) w.integer(p);
    w.integer(d.regel.bonuspunkte);
    w.boolean(d.regel.bonus);
    for (Long f : d.modusFarbe) w.lang(f);
    for (int i = 0; i < TippFeld::anzahl; ++i) w.integer(d.tippsAblage.element(i));
    return std::move(w.bytes());
}

Gelesen<Spieldatei> leseSpieldatei(std::string_view bytes, const Nationen& gehalten, const std::string& dateiName) {
    binaer::Leser r(bytes);
    Spieldatei d;
    r.setzeStelle("Block 1 (Mannschaften)");
    // The names carry no length: each is as long as the one held now. Names are printable text; control bytes
    // here (a file of zeros, say) mean the file is something else.
    for (int k = 0; k < katalog::anzahlNationen && r.ok(); ++k)
        d.nationen[k] = r.druckbar("der Name von Mannschaft " + std::to_string(k + 1), zeichenAnzahl(gehalten[k]));
    for (int m = 0; m < katalog::anzahlSpiele && r.ok(); ++m) {
        r.setzeStelle("Block 2 (Spiele), Spiel " + std::to_string(m + 1));
        d.spiele[m] = r.spiel();
    }
    for (int p = 0; p < katalog::anzahlSpieler && r.ok(); ++p) {
        r.setzeStelle("Block 3 (Teilnehmer), Teilnehmer " + std::to_string(p + 1));
        Spieler& sp = d.spieler[p];
        sp.name = r.text("Name");
        sp.weltmeisterTipp = r.integer("der Weltmeister-Tipp", -1, katalog::unbekannt);
        sp.spieltMit = r.boolean();
    }
    r.setzeStelle("Block 4 (Regel)");
    d.regel.modus = r.integer("die Regelnummer", 0, 3);
    for (int i = 0; i < 3; ++i) d.regel.modusPunkte[i] = r.integer("ein Punktwert", 0, 9);
    d.regel.bonuspunkte = r.integer("die Bonuspunktzahl", 0, 99);
    d.regel.bonus = r.boolean();
    r.setzeStelle("Block 5 (Farben)");
    for (int i = 0; i < 4; ++i) d.modusFarbe[i] = r.lang("eine Farbe", 0, 0xFFFFFF);
    for (int i = 0; i < TippFeld::anzahl && r.ok(); ++i) {
        if (i % 25 == 0)
            r.setzeStelle("Block 6 (Tipps), Spiel " + std::to_string((i / 25) % 64 + 1) +
                          (i < 1600 ? ", Heimtore" : ", Gasttore"));
        d.tippsAblage.element(i) = r.integer("ein Tipp", 0, 9);
    }
    // Bytes after block 6 (left by an older, longer file) are not read.
    if (!r.ok())
        return {std::nullopt, "Die Datei „" + dateiName + "“ ist keine gültige Spieldatei: " + r.fehler() + "."};
    return {std::move(d), {}};
}

Gelesen<Spieldatei> ladeSpieldatei(const QString& pfad, const Nationen& gehalten, Fingerabdruck* gelesen) {
    const std::string name = QFileInfo(pfad).fileName().toStdString();
    std::string bytes;
    if (std::string fehler = ladeBytes(pfad, bytes); !fehler.empty()) return {std::nullopt, fehler};
    if (gelesen) *gelesen = fingerabdruck(bytes);
    Gelesen<Spieldatei> g = leseSpieldatei(bytes, gehalten, name);
    if (!g) g.andereArt = static_cast<bool>(leseSpielInfo(bytes, name));
    return g;
}

std::string speichereSpieldatei(const QString& pfad, const Spieldatei& d, Fingerabdruck* geschrieben) {
    const std::string bytes = schreibeSpieldatei(d);
    std::string fehler = speichereBytes(pfad, bytes);
    if (fehler.empty() && geschrieben) *geschrieben = fingerabdruck(bytes);
    return fehler;
}

}  // namespace ovi
