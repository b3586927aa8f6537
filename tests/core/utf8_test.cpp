// Reading UTF-8: each row a byte sequence, whether it is valid, and the code points read from it (U+FFFD for each
// byte that starts no valid character).
#include "core/utf8.h"

#include <gtest/gtest.h>

using namespace ovi;

TEST(Utf8, GueltigUndGelesen) {
    struct Fall {
        const char* name;
        std::string bytes;
        bool gueltig;
        std::u32string zeichen;
    };
    const Fall faelle[] = {
        {"ASCII", "ab", true, U"ab"},
        {"ö in zwei Bytes", "J\xC3\xB6rg", true, U"J\u00F6rg"},
        {"€ in drei Bytes", "\xE2\x82\xAC", true, U"\u20AC"},
        {"U+1F600 in vier Bytes", "\xF0\x9F\x98\x80", true, U"\U0001F600"},
        {"U+D7FF vor den Ersatzzeichen", "\xED\x9F\xBF", true, U"\uD7FF"},
        {"U+D800, erstes Ersatzzeichen", "\xED\xA0\x80", false, U"\uFFFD\uFFFD\uFFFD"},
        {"U+DFFF, letztes Ersatzzeichen", "\xED\xBF\xBF", false, U"\uFFFD\uFFFD\uFFFD"},
        {"U+E000 danach", "\xEE\x80\x80", true, U"\uE000"},
        {"/ überlang in zwei Bytes", "\xC0\xAF", false, U"\uFFFD\uFFFD"},
        {"U+110000 jenseits", "\xF4\x90\x80\x80", false, U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"abgeschnitten", "a\xC3", false, U"a\uFFFD"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(gueltigesUtf8(f.bytes), f.gueltig);
        EXPECT_EQ(alsZeichen(f.bytes), f.zeichen);
    }
}
