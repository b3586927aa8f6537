// Who can still win: for every participant the best and the worst place over all results of the matches that
// do not count yet, exactly, and one way to the best place.
//
// Place: 1 + the participants (who play along) with strictly more points. Open matches take any result 0:0 to
// 9:9; the champion is the final's winner, a drawn knock-out match lets either side through, a side the match
// record names stands, an unknown one follows the bracket of 2006. While group matches are open, the bonus
// counts for every team that can still end among its group's first two: that part is an estimate.
#pragma once

#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

enum class Titel { sicher, moeglich, nein };

struct Szenariospiel {
    int spiel = 0;          // 0..63
    int heim = 0, aus = 0;  // teams as the results before make them; 32 where they leave it open
    int ergHeim = 0, ergAus = 0;
    int weiter = -1;  // a drawn knock-out match whose winner is still to be placed: who goes on
    bool operator==(const Szenariospiel&) const = default;
};

struct Szenario {
    std::vector<Szenariospiel> spiele;  // every open match, in match order
    int weltmeister = -1;               // while the champion is open: the champion of this scenario
    bool operator==(const Szenario&) const = default;
};

struct Chance {
    int spieler = 0;  // slot
    int punkte = 0;   // now, the ranking's "Gesamtpunkte"
    int besterPlatz = 1;
    int schlechtesterPlatz = 1;
    Titel titel = Titel::nein;
    Szenario szenario;  // one way to the best place
};

struct Chancen {
    std::vector<Chance> zeilen;  // who plays along, in the order of the ranking
    int offeneSpiele = 0;
    bool weltmeisterOffen = false;
    bool geschaetzt = false;  // the champion bonus rests on the group-stage estimate
};

// The rows before anything is worked out: who plays along, in the order of the ranking, with the points now
// (places 0).
std::vector<Chance> chancenVorab(const Spielstand& s, int weltmeister);

// From the game as it stands (evaluated here, as "auswerten" would); `weltmeister` answers a drawn final that
// already counts (-1: no answer, the champion stays open between the finalists). Participants are worked out from
// the last in the ranking up (the leaders take longest), on as many threads as there are cores; `zeileFertig` hears
// of each row as soon as it is done, with its index in `zeilen`, one row at a time but possibly from another thread.
// Nothing when halted; throws like the evaluation on an overflow.
std::optional<Chancen> berechneChancen(const Spielstand& s, int weltmeister, std::stop_token halt = {},
                                       const std::function<void(std::size_t, const Chance&)>& zeileFertig = {});

}  // namespace ovi
