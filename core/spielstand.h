// The whole state of one game: catalogue, matches, participants, tips, rule, colours, evaluation.
#pragma once

#include <string>

#include "core/grundtypen.h"
#include "core/katalog.h"

namespace ovi {

// One match; field order is the order of the game file.
struct Spiel {
    Integer heim = 0;     // team 0..32
    Integer aus = 0;      // team 0..32
    Integer ergHeim = 0;  // result
    Integer ergAus = 0;
    bool auswerten = false;
    Integer phase = 0;  // 0..5
    Integer tag = 0;    // weekday 0..6
    std::string datum;
    std::string zeit;
    Integer ort = 0;     // venue 0..11
    Integer schiri = 0;  // referee 0..23
    std::string quote;
    bool operator==(const Spiel&) const = default;
};

struct Spieler {
    std::string name;
    Integer weltmeisterTipp = 0;  // 0..31, -1 when none was chosen
    bool spieltMit = false;
    bool operator==(const Spieler&) const = default;
};

struct Regel {
    Integer modus = 0;  // 0 own rule, 1 "2-Punkte", 2 "3-Punkte", 3 "3-2-1"
    Liste<Integer, 3> modusPunkte;
    Integer bonuspunkte = 0;
    bool bonus = false;
    bool operator==(const Regel&) const = default;
};

struct Auswertung {
    Integer platz = 0;
    Integer gesamt = 0;
    Integer punkte = 0;
    Integer wmBonus = 0;
    Integer anzahl3er = 0;
    Integer anzahl2er = 0;
    Integer anzahl1er = 0;
    Liste<Integer, katalog::anzahlNationen> punkteTeam;
    Liste<Integer, katalog::anzahlAbschnitte> punkteAbschnitt;
    Liste<Integer, katalog::anzahlSpiele> kategorie;
    bool operator==(const Auswertung&) const = default;
};

// Tips of slot p, match m, side s (0 home, 1 away) at element p + 25 m + 1600 s.
class TippFeld {
  public:
    static constexpr int anzahl = 3200;
    static int nummer(int spieler, int spiel, int seite);
    Integer& operator()(int spieler, int spiel, int seite) { return werte_[nummer(spieler, spiel, seite)]; }
    Integer operator()(int spieler, int spiel, int seite) const { return werte_[nummer(spieler, spiel, seite)]; }
    Integer& element(int nr) { return werte_[nr]; }
    Integer element(int nr) const { return werte_[nr]; }
    bool operator==(const TippFeld&) const = default;

  private:
    Liste<Integer, anzahl> werte_;
};

using Spiele = Liste<Spiel, katalog::anzahlSpiele>;
using Nationen = Liste<std::string, katalog::anzahlNationen>;

class Spielstand {
  public:
    // Start state: catalogue filled, no matches, no participants, the "3-2-1-Regel" in force.
    Spielstand();

    Nationen nationen;
    Liste<std::string, katalog::anzahlOrte> orte;
    Liste<std::string, katalog::anzahlOrte> stadien;
    Liste<std::string, katalog::anzahlTage> tage;
    Liste<std::string, katalog::anzahlPhasen> phasen;
    Liste<std::string, katalog::anzahlSchiris> schiris;

    Spiele spiele;
    Liste<Spieler, katalog::anzahlSpieler> spieler;
    TippFeld tipps;
    TippFeld tippsAblage;  // file image of the tips
    Regel regel;
    Liste<Long, 4> modusFarbe;  // highlight per hit category 0..3

    Liste<Auswertung, katalog::anzahlSpieler> auswertung;
    Integer weltmeister = -1;
    Liste<bool, katalog::anzahlSpieler> sieger;  // who got the bonus at the last award
    Spiele spieleImport;

    // Participants.
    std::string getName(int index) const { return spieler[index].name; }
    void setName(int index, const std::string& name) { spieler[index].name = name; }
    bool getSpieltMit(int index) const { return spieler[index].spieltMit; }
    void setSpieltMit(int index, bool sm) { spieler[index].spieltMit = sm; }
    Integer getWMTipp(int index) const { return spieler[index].weltmeisterTipp; }
    void setWMTipp(int index, int fav) { spieler[index].weltmeisterTipp = alsInteger(fav); }
    int anzahlMitspieler() const;

    // Rule and colours.
    Integer getModusPunkte(int index) const { return regel.modusPunkte[index]; }
    void setModusPunkte(int index, int punkte) { regel.modusPunkte[index] = alsInteger(punkte); }
    Long getModusFarbe(int index) const { return modusFarbe[index]; }
    void setModusFarbe(int index, Long col) { modusFarbe[index] = col; }
    Integer getBonuspunkte() const { return regel.bonuspunkte; }
    void setBonuspunkte(int pkt) { regel.bonuspunkte = alsInteger(pkt); }
    bool getBonus() const { return regel.bonus; }
    void setBonus(bool bo) { regel.bonus = bo; }

    // Catalogue and match records.
    std::string getNation(int index) const { return nationen[index]; }
    Integer getPaarung(int game, int heimaus) const;
    std::string getTeam(int game, int heimaus) const { return nationen[getPaarung(game, heimaus)]; }
    std::string getOrt(int match) const { return orte[spiele[match].ort]; }
    std::string getStadion(int match) const { return stadien[spiele[match].ort]; }
    std::string getTag(int match) const { return tage[spiele[match].tag]; }
    std::string getDatum(int match) const { return spiele[match].datum; }
    std::string getZeit(int match) const { return spiele[match].zeit; }
    std::string getPHName(int match) const { return phasen[spiele[match].phase]; }
    std::string getSchiri(int match) const { return schiris[spiele[match].schiri]; }
    std::string getQuote(int match) const { return spiele[match].quote; }

    bool operator==(const Spielstand&) const = default;
};

}  // namespace ovi
