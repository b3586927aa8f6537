// Tendency counters: how many participants tipped a home win, a draw, an away win.
#pragma once

#include <array>

#include "core/spielstand.h"

namespace ovi {

struct Tendenz {
    Integer eins = 0;  // home wins
    Integer null = 0;  // draws
    Integer zwei = 0;  // away wins
    bool operator==(const Tendenz&) const = default;
};

std::array<Tendenz, katalog::anzahlSpiele> zaehleTendenzen(const Spielstand& s);

}  // namespace ovi
