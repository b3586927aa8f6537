#include "core/kobaum.h"

#include <optional>

#include "core/gruppen.h"

namespace ovi {

namespace {

constexpr Herkunft erster(int g) { return {Herkunft::Art::gruppe, g, 0}; }
constexpr Herkunft zweiter(int g) { return {Herkunft::Art::gruppe, g, 1}; }
constexpr Herkunft sieger(int m) { return {Herkunft::Art::sieger, m}; }
constexpr Herkunft verlierer(int m) { return {Herkunft::Art::verlierer, m}; }
enum { A, B, C, D, E, F, G, H };

bool bekannt(int team) { return team >= 0 && team < katalog::unbekannt; }

// Winner and loser of a match, if the result (or the answer after a draw) decides them.
struct Ausgang {
    int sieger, verlierer;
};

std::optional<Ausgang> ausgang(const Spiel& sp, int nr, const Weiter& weiter) {
    if (!sp.auswerten || !bekannt(sp.heim) || !bekannt(sp.aus) || sp.heim == sp.aus) return {};
    if (sp.ergHeim > sp.ergAus) return Ausgang{sp.heim, sp.aus};
    if (sp.ergHeim < sp.ergAus) return Ausgang{sp.aus, sp.heim};
    const auto w = weiter.find(nr);
    if (w == weiter.end()) return {};
    if (w->second == sp.heim) return Ausgang{sp.heim, sp.aus};
    if (w->second == sp.aus) return Ausgang{sp.aus, sp.heim};
    return {};
}

}  // namespace

const std::array<KoPaarung, 16> koBaum = {{
    {erster(A), zweiter(B)},  // 48
    {erster(C), zweiter(D)},
    {erster(B), zweiter(A)},
    {erster(D), zweiter(C)},
    {erster(E), zweiter(F)},
    {erster(G), zweiter(H)},
    {erster(F), zweiter(E)},
    {erster(H), zweiter(G)},         // 55
    {sieger(48), sieger(49)},        // 56
    {sieger(52), sieger(53)},        // 57
    {sieger(50), sieger(51)},        // 58
    {sieger(54), sieger(55)},        // 59
    {sieger(56), sieger(57)},        // 60
    {sieger(58), sieger(59)},        // 61
    {verlierer(60), verlierer(61)},  // 62
    {sieger(60), sieger(61)},        // 63
}};

std::vector<Paarungswechsel> fuelleKoPaarungen(Spiele& spiele, const Weiter& weiter) {
    std::array<Gruppentabelle, 8> gruppen;
    for (int g = 0; g < 8; ++g) gruppen[static_cast<std::size_t>(g)] = gruppenTabelle(spiele, g);
    // In match order every source is settled before the matches that draw on it.
    auto team = [&](const Herkunft& h) -> std::optional<int> {
        if (h.art == Herkunft::Art::gruppe) return gruppen[static_cast<std::size_t>(h.nr)].entschieden(h.platz);
        const auto a = ausgang(spiele[h.nr], h.nr, weiter);
        if (!a) return {};
        return h.art == Herkunft::Art::sieger ? a->sieger : a->verlierer;
    };
    std::vector<Paarungswechsel> wechsel;
    for (int i = 0; i < 16; ++i) {
        const int nr = erstesKoSpiel + i;
        Spiel& sp = spiele[nr];
        const Paarungswechsel vorher{nr, sp.heim, sp.aus, sp.heim, sp.aus};
        const KoPaarung& k = koBaum[static_cast<std::size_t>(i)];
        if (const auto t = team(k.heim)) sp.heim = static_cast<Integer>(*t);
        if (const auto t = team(k.aus)) sp.aus = static_cast<Integer>(*t);
        if (sp.heim != vorher.heim || sp.aus != vorher.aus)
            wechsel.push_back({nr, vorher.heimVorher, vorher.ausVorher, sp.heim, sp.aus});
    }
    return wechsel;
}

std::vector<int> offeneElfmeter(const Spiele& spiele) {
    Spiele gefuellt = spiele;
    fuelleKoPaarungen(gefuellt);
    std::vector<int> offen;
    for (int nr = erstesKoSpiel; nr < 62; ++nr) {
        const Spiel& sp = gefuellt[nr];
        if (sp.auswerten && sp.ergHeim == sp.ergAus && bekannt(sp.heim) && bekannt(sp.aus) && sp.heim != sp.aus)
            offen.push_back(nr);
    }
    return offen;
}

int schonWeiter(const Spiele& spiele, int spiel) {
    for (int i = 0; i < 16; ++i) {
        const KoPaarung& k = koBaum[static_cast<std::size_t>(i)];
        const Spiel& ziel = spiele[erstesKoSpiel + i];
        for (const auto& [h, steht] : {std::pair{k.heim, ziel.heim}, std::pair{k.aus, ziel.aus}}) {
            if (h.art != Herkunft::Art::sieger || h.nr != spiel) continue;
            if (steht == spiele[spiel].heim) return 0;
            if (steht == spiele[spiel].aus) return 1;
        }
    }
    return -1;
}

std::string beschreibe(const std::vector<Paarungswechsel>& wechsel, const Nationen& nationen) {
    std::string text;
    int stufe = -1;
    for (const Paarungswechsel& w : wechsel) {
        const int phase = abschnittVonSpiel(w.spiel) - 7;  // 48..63: 1 "Achtelfinale" .. 5 "Finale"
        if (phase != stufe) {
            if (stufe >= 0) text += "\n";
            text += std::string(katalog::phasen[static_cast<std::size_t>(phase)]) + ": ";
            stufe = phase;
        } else {
            text += ", ";
        }
        text += nationen[w.heim] + " – " + nationen[w.aus];
    }
    return text;
}

}  // namespace ovi
