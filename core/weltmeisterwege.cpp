#include "core/weltmeisterwege.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/gruppenchancen.h"
#include "core/kobaum.h"

namespace ovi {

namespace {

bool echt(int team) { return team >= 0 && team <= katalog::letzteMannschaft; }

class Wegsuche {
  public:
    Wegsuche(const Spiele& spiele, std::stop_token halt) : spiele_(spiele), halt_(std::move(halt)) {}

    // Every way into side `seite` of match `spiel`, with the conditions met so far.
    void sammle(int spiel, int seite, std::vector<Bedingung> bedingungen, std::vector<Weltmeisterweg>& wege) {
        const Spiel& sp = spiele_[spiel];
        const int team = seite == 0 ? sp.heim : sp.aus;
        if (echt(team)) {
            wege.push_back({{team}, std::move(bedingungen)});
            return;
        }
        if (spiel < erstesKoSpiel) return;  // a group match has no source
        const KoPaarung& k = koBaum[static_cast<std::size_t>(spiel - erstesKoSpiel)];
        const Herkunft& h = seite == 0 ? k.heim : k.aus;
        if (h.art == Herkunft::Art::gruppe) {
            const auto& [teams, geschaetzt] = gruppenplatz(h.nr, h.platz);
            if (!teams.empty()) wege.push_back({teams, std::move(bedingungen), h.nr, h.platz, geschaetzt});
            return;
        }
        if (h.art != Herkunft::Art::sieger) return;  // the losers only meet for third place
        const Spiel& vorher = spiele_[h.nr];
        for (int s : {0, 1}) {
            if (vorher.auswerten) {
                // Counted: its winner goes on; after a draw either side may have.
                const int d = vorher.ergHeim - vorher.ergAus;
                if ((s == 0 && d < 0) || (s == 1 && d > 0)) continue;
                sammle(h.nr, s, bedingungen, wege);
            } else {
                auto mehr = bedingungen;
                mehr.push_back({h.nr, s});
                sammle(h.nr, s, std::move(mehr), wege);
            }
        }
    }

  private:
    const std::pair<std::vector<int>, bool>& gruppenplatz(int gruppe, int platz) {
        auto& eintrag = plaetze_[static_cast<std::size_t>(gruppe)][static_cast<std::size_t>(platz)];
        if (!eintrag) {
            const Gruppentabelle t = gruppenTabelle(spiele_, gruppe);
            if (t.fertig())
                eintrag = std::pair{teamsAufPlatz(t, platz), false};
            else
                eintrag = std::pair{moeglicheErsteZwei(spiele_, gruppe, halt_), true};
        }
        return *eintrag;
    }

    const Spiele& spiele_;
    std::stop_token halt_;
    std::array<std::array<std::optional<std::pair<std::vector<int>, bool>>, 2>, 8> plaetze_;
};

}  // namespace

bool Weltmeisterlage::geschaetzt() const {
    return std::any_of(wege.begin(), wege.end(), [](const Weltmeisterweg& w) { return w.geschaetzt; });
}

Weltmeisterlage weltmeisterLage(const Spiele& spiele, int antwort, std::stop_token halt) {
    constexpr int finale = 63;
    const Spiel& f = spiele[finale];
    Weltmeisterlage lage;
    if (f.auswerten) {
        const int d = f.ergHeim - f.ergAus;
        if (d != 0 || echt(antwort)) {
            lage.weltmeister = d > 0 ? f.heim : d < 0 ? f.aus : antwort;
            return lage;
        }
    }
    lage.offen = true;
    Wegsuche suche(spiele, std::move(halt));
    for (int s : {0, 1}) {
        std::vector<Bedingung> bedingungen;
        if (!f.auswerten) bedingungen.push_back({finale, s});
        suche.sammle(finale, s, std::move(bedingungen), lage.wege);
    }
    return lage;
}

}  // namespace ovi
