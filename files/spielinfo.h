// The match-information file: 64 match records as in the game file, then the phase view to show.
#pragma once

#include <string>
#include <string_view>

#include "files/spieldatei.h"

namespace ovi {

struct SpielInfo {
    Spiele spiele;
    Integer ansicht = 0;  // 0..10
    bool operator==(const SpielInfo&) const = default;
};

std::string schreibeSpielInfo(const SpielInfo& info);
Gelesen<SpielInfo> leseSpielInfo(std::string_view bytes, const std::string& dateiName);
Gelesen<SpielInfo> ladeSpielInfo(const QString& pfad);
std::string speichereSpielInfo(const QString& pfad, const SpielInfo& info);

}  // namespace ovi
