#include "verlauf.h"

#include <gtest/gtest.h>

using namespace ovi;

TEST(Verlauf, DatumLesen) {
    const std::pair<const char*, int> faelle[] = {
        // 0: unreadable
        {"09.06.2006", 20060609}, {"31.12.2006", 20061231}, {"29.02.2008", 20080229}, {"29.02.2006", 0},
        {"31.04.2006", 0},        {"00.06.2006", 0},        {"09.13.2006", 0},        {"9.6.2006", 0},
        {"09.06.06", 0},          {"09-06-2006", 0},        {" 09.06.2006", 0},       {"", 0},
        {"09.06.200x", 0},        {"1x.06.2006", 0}};
    for (const auto& [text, zahl] : faelle)
        EXPECT_EQ(std::pair(leseDatum(text).value_or(0), zahl ? datumText(zahl) : text),
                  std::pair(zahl, std::string(text)));
}

// Several matches on a day, days against the match order, an unreadable date going with the match before it (or
// with none before it, the first day), no readable date at all, nothing flagged. A negative number: not flagged.
TEST(Verlauf, SpieltageNachDatum) {
    const std::pair<std::vector<std::pair<int, const char*>>, const char*> faelle[] = {
        {{{0, "09.06.2006"},
          {1, "09.06.2006"},
          {2, "14.06.2006"},
          {3, "kein Datum"},
          {6, "10.06.2006"},
          {8, ""},
          {-7, "13.06.2006"}},
         "09.06.2006:0,1 10.06.2006:6 13.06.2006:8 14.06.2006:2,3"},
        {{{0, "offen"}, {1, "12.06.2006"}, {2, "11.06.2006"}}, "11.06.2006:0,2 12.06.2006:1"},
        {{{5, ""}, {9, "Juni"}}, "?:5,9"},
        {{{-1, "09.06.2006"}}, ""}};
    for (const auto& [spiele, erwartet] : faelle) {
        Spiele s;
        for (auto [m, d] : spiele) s[std::abs(m)] = {0, 0, 0, 0, m >= 0, 0, 0, d, "", 0, 0, ""};
        std::string t;
        for (const Spieltag& tag : spieltage(s)) {
            t += (t.empty() ? "" : " ") + (tag.datum ? datumText(tag.datum) : std::string("?")) + ":";
            for (std::size_t i = 0; i < tag.spiele.size(); ++i) t += (i ? "," : "") + std::to_string(tag.spiele[i]);
        }
        EXPECT_EQ(t, erwartet);
    }
}
