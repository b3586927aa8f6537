// Text files with tips: which bytes are read as UTF-8 and which as Windows-1252, and what is no text at all.
#include "files/textdatei.h"

#include <gtest/gtest.h>

using namespace ovi;

TEST(Textdatei, KodierungUndKeinText) {
    const struct {
        const char* name;
        std::string bytes;
        std::string text;  // "-": refused as no text
    } faelle[] = {
        {"UTF-8 bleibt", "J\xC3\xB6rg \xE2\x80\x93 2:1\n", "Jörg – 2:1\n"},
        {"Byte-Order-Mark fällt weg", "\xEF\xBB\xBFGER - CRC 2:1", "GER - CRC 2:1"},
        {"Windows-1252 mit Umlaut und Halbgeviertstrich", "J\xF6rg \x96 2:1\r\n", "Jörg – 2:1\r\n"},
        {"ein ungültiges UTF-8-Byte macht alles zu Windows-1252", "\xC3\xB6 \xFC", "Ã¶ ü"},
        {"Tabulator und Seitenvorschub sind Text", "a\tb\fc", "a\tb\fc"},
        {"ein Nullbyte nicht", std::string("a\0b", 3), "-"},
        {"andere Steuerzeichen nicht", "\x01\x02", "-"},
    };
    for (const auto& f : faelle) EXPECT_EQ(siehtAusWieText(f.bytes) ? textAlsUtf8(f.bytes) : "-", f.text) << f.name;
}
