// Teams as people write them: the catalogue name with or without umlauts and in any case, the code of 2006
// ("GER") or a usual short German name ("Holland", "Südkorea").
#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "core/spielstand.h"

namespace ovi {

// What two spellings of one team have in common: lower case, umlauts as ae/oe/ue/ss, accents dropped, only
// letters and digits kept ("Côte d'Ivoire" -> "cotedivoire", "Trinidad & Tobago" -> "trinidadtobago").
std::string teamSchluessel(std::string_view name);

struct Beiname {
    std::string_view name;
    int team;
};
// The codes of 2006 in team order, and the short names beside the catalogue's.
extern const std::array<std::string_view, katalog::letzteMannschaft + 1> teamKuerzel;
extern const std::span<const Beiname> beinamen;

// Every name a team goes by, looked up at once: the game's names, the catalogue's, codes and short names.
class Teamnamen {
  public:
    explicit Teamnamen(const Nationen& namen);
    // The team 0..31 a written name stands for, -1 for none.
    int team(std::string_view name) const;

  private:
    std::map<std::string, int, std::less<>> schluessel_;
};

}  // namespace ovi
