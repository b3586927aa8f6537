#include "core/datum.h"

#include <array>
#include <cstdio>

namespace ovi {

namespace {

// The digits from `von` on as a number; nothing if one of them is missing or no digit.
std::optional<int> ziffern(const std::string& t, std::size_t von, std::size_t anzahl) {
    if (von + anzahl > t.size()) return {};
    int wert = 0;
    for (std::size_t i = von; i < von + anzahl; ++i) {
        if (t[i] < '0' || t[i] > '9') return {};
        wert = wert * 10 + (t[i] - '0');
    }
    return wert;
}

int tageImMonat(int monat, int jahr) {
    static constexpr std::array<int, 12> tage = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return monat == 2 && schalt ? 29 : tage.at(static_cast<std::size_t>(monat - 1));
}

}  // namespace

std::optional<int> leseDatum(const std::string& datum) {
    if (datum.size() != 10 || datum[2] != '.' || datum[5] != '.') return {};
    const auto tag = ziffern(datum, 0, 2), monat = ziffern(datum, 3, 2), jahr = ziffern(datum, 6, 4);
    if (!tag || !monat || !jahr) return {};
    if (*monat < 1 || *monat > 12 || *tag < 1 || *tag > tageImMonat(*monat, *jahr)) return {};
    return *jahr * 10000 + *monat * 100 + *tag;
}

std::string datumText(int datum) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", datum % 100, datum / 100 % 100, datum / 10000);
    return text;
}

std::optional<int> leseUhrzeit(const std::string& zeit) {
    const auto stunde = ziffern(zeit, 0, 2), minute = ziffern(zeit, 3, 2);
    if (!stunde || !minute) return {};
    return *stunde * 100 + *minute;
}

}  // namespace ovi
