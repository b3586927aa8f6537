#include "core/teamnamen.h"

#include "core/utf8.h"

namespace ovi {

const std::array<std::string_view, katalog::letzteMannschaft + 1> teamKuerzel = {
    "GER", "CRC", "POL", "ECU", "ENG", "PAR", "TRI", "SWE", "ARG", "CIV", "SCG", "NED", "MEX", "IRN", "ANG", "POR",
    "ITA", "GHA", "USA", "CZE", "BRA", "CRO", "AUS", "JPN", "FRA", "SUI", "KOR", "TOG", "ESP", "UKR", "TUN", "KSA"};

namespace {

// Short names as German papers and colleagues write them. Spellings that differ from one here or from the
// catalogue only in blanks, hyphens, case or umlauts need no row ("Saudi-Arabien" is the catalogue's
// "Saudiarabien", "Süd-Korea" is "Südkorea").
constexpr Beiname kurznamen[] = {
    {"Trinidad & Tobago", 6}, {"Trinidad", 6},      {"Côte d'Ivoire", 9}, {"Serbien-Montenegro", 10},
    {"Serbien", 10},          {"Holland", 11},      {"Mexico", 12},       {"Vereinigte Staaten", 18},
    {"Tschechien", 19},       {"Tschechei", 19},    {"Südkorea", 26},     {"Korea", 26},
    {"Korea Republik", 26},   {"Saudi-Arabien", 31}};

// Accented Latin letters as their base letters, German umlauts and ß spelled out.
std::string_view ohneAkzent(char32_t z) {
    struct Buchstabe {
        char32_t von, bis;
        std::string_view als;
    };
    static constexpr Buchstabe tafel[] = {{0xE4, 0xE4, "ae"}, {0xF6, 0xF6, "oe"}, {0xFC, 0xFC, "ue"},
                                          {0xDF, 0xDF, "ss"}, {0xE0, 0xE5, "a"},  {0xE7, 0xE7, "c"},
                                          {0xE8, 0xEB, "e"},  {0xEC, 0xEF, "i"},  {0xF1, 0xF1, "n"},
                                          {0xF2, 0xF8, "o"},  {0xF9, 0xFB, "u"},  {0xFD, 0xFF, "y"}};
    for (const Buchstabe& b : tafel)
        if (z >= b.von && z <= b.bis) return b.als;
    return {};
}

}  // namespace

const std::span<const Beiname> beinamen = kurznamen;

std::string teamSchluessel(std::string_view name) {
    std::string aus;
    for (char32_t z : alsZeichen(name)) {
        z = klein(z);
        if ((z >= U'a' && z <= U'z') || (z >= U'0' && z <= U'9'))
            aus += static_cast<char>(z);
        else if (z != 0xF7)  // the division sign sits among the letters
            aus += ohneAkzent(z);
    }
    return aus;
}

Teamnamen::Teamnamen(const Nationen& namen) {
    // Short names first, so a name the game or the catalogue gives a team wins over them.
    for (const Beiname& b : beinamen) schluessel_[teamSchluessel(b.name)] = b.team;
    for (int t = 0; t <= katalog::letzteMannschaft; ++t) {
        const auto k = static_cast<std::size_t>(t);
        schluessel_[teamSchluessel(teamKuerzel[k])] = t;
        schluessel_[teamSchluessel(katalog::nationen[k])] = t;
    }
    for (int t = 0; t <= katalog::letzteMannschaft; ++t) schluessel_[teamSchluessel(namen[t])] = t;
    schluessel_.erase(std::string());
}

int Teamnamen::team(std::string_view name) const {
    const auto it = schluessel_.find(teamSchluessel(name));
    return it == schluessel_.end() ? -1 : it->second;
}

}  // namespace ovi
