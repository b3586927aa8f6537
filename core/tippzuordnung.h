// Participants by name: who a name in a text or in another game file stands for, and how the participants of an
// imported game file differ from the game's own.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

using Teilnehmerliste = Liste<Spieler, katalog::anzahlSpieler>;

// The slots that play along and bear this name, compared without case and without blanks around it.
std::vector<int> mitspielerNamens(const Teilnehmerliste& spieler, std::string_view name);

// Per slot of the game, what an imported file has instead, one German line each ("Teilnehmer 1: „Bernd“ statt
// „Anke“"); a slot counts when it plays along in either. No line: the file has the game's participants.
std::vector<std::string> teilnehmerAbweichungen(const Teilnehmerliste& spiel, const Teilnehmerliste& datei);

// Where each participant of a file goes in the game when matched by name: the game slot, or -1.
struct Namenszuordnung {
    std::array<int, katalog::anzahlSpieler> ziel{};
    std::vector<std::string> ohneZiel;  // names of the file's participants the game does not have (or has twice)
};
Namenszuordnung ordneNachNamen(const Teilnehmerliste& spiel, const Teilnehmerliste& datei);

// Fills the game's missing tips (0:0) of each matched participant from the file's tips of his slot there.
void ergaenzeTippsNachNamen(TippFeld& tipps, const TippFeld& datei, const Namenszuordnung& z);

}  // namespace ovi
