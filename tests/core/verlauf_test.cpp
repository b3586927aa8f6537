#include "verlauf.h"

#include <gtest/gtest.h>

using namespace ovi;

namespace {

std::string alsText(const std::vector<Spieltag>& tage) {
    std::string t;
    for (const Spieltag& tag : tage) {
        t += (t.empty() ? "" : " ") + (tag.datum ? datumText(tag.datum) : std::string("?")) + ":";
        for (std::size_t i = 0; i < tag.spiele.size(); ++i) t += (i ? "," : "") + std::to_string(tag.spiele[i]);
    }
    return t;
}

}  // namespace

TEST(Verlauf, DatumLesen) {
    const struct {
        const char* text;
        int zahl;  // 0: unreadable
    } faelle[] = {{"09.06.2006", 20060609}, {"31.12.2006", 20061231}, {"29.02.2008", 20080229}, {"29.02.2006", 0},
                  {"31.04.2006", 0},        {"00.06.2006", 0},        {"09.13.2006", 0},        {"9.6.2006", 0},
                  {"09.06.06", 0},          {"09-06-2006", 0},        {" 09.06.2006", 0},       {"", 0},
                  {"09.06.200x", 0},        {"1x.06.2006", 0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(leseDatum(f.text).value_or(0), f.zahl);
        if (f.zahl) {
            EXPECT_EQ(datumText(f.zahl), f.text);
        }
    }
}

TEST(Verlauf, SpieltageNachDatum) {
    const struct {
        const char* name;
        std::vector<std::pair<int, const char*>> gewertet, offen;  // match and date
        std::string tage;
    } faelle[] = {
        {"mehrere Spiele am Tag, Tage gegen die Spielfolge, unlesbares Datum beim Spiel davor",
         {{0, "09.06.2006"}, {1, "09.06.2006"}, {2, "14.06.2006"}, {3, "kein Datum"}, {6, "10.06.2006"}, {8, ""}},
         {{7, "13.06.2006"}},
         "09.06.2006:0,1 10.06.2006:6 13.06.2006:8 14.06.2006:2,3"},
        {"unlesbar ohne Spiel davor: erster Tag",
         {{0, "offen"}, {1, "12.06.2006"}, {2, "11.06.2006"}},
         {},
         "11.06.2006:0,2 12.06.2006:1"},
        {"kein Datum lesbar: ein Tag", {{5, ""}, {9, "Juni"}}, {}, "?:5,9"},
        {"nichts gewertet", {}, {{0, "09.06.2006"}}, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spiele spiele;
        for (auto [m, d] : f.gewertet) spiele[m] = {0, 0, 0, 0, true, 0, 0, d, "", 0, 0, ""};
        for (auto [m, d] : f.offen) spiele[m].datum = d;
        EXPECT_EQ(alsText(spieltage(spiele)), f.tage);
    }
}
