// Expected outputs kept as files beside the tests and compared whole, for GoogleTest and QtTest alike:
//     EXPECT_TRUE(stimmtMitDatei(pfad, ausgabe));   QVERIFY(stimmtMitDatei(pfad, ausgabe));
// Lines at the top of a file that begin with '#' are its heading for the reader: never compared (an output's own
// leading '#' lines neither) and kept when the file is rewritten.
// On a difference the unified diff (file -> output) goes to stderr and the check fails. With OVI_NEU=1 the output
// is written into the file instead, the same diff printed and the check passes: read that diff against the rules
// before committing it. A test that cannot make its whole output (a step it does not know) fails before it gets
// here, so nothing half-made is ever written.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace ovi::test {

namespace golden {

// Length of the leading '#' lines.
inline std::size_t kopf(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == '#') {
        const std::size_t ende = text.find('\n', i);
        i = ende == std::string::npos ? text.size() : ende + 1;
    }
    return i;
}

inline std::string inAnfuehrung(const std::string& text) {
    std::string q = "'";
    for (char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline void zeigeDiff(const std::string& pfad, const std::string& alt, const std::string& neu) {
    const std::filesystem::path ordner = std::filesystem::temp_directory_path();
    const std::string stamm = "ovi-golden-" + std::to_string(::getpid());
    const std::filesystem::path a = ordner / (stamm + "-alt"), b = ordner / (stamm + "-neu");
    std::ofstream(a, std::ios::binary) << alt;
    std::ofstream(b, std::ios::binary) << neu;
    std::cerr.flush();
    const std::string befehl = "diff -u --label " + inAnfuehrung(pfad) + " --label " + inAnfuehrung(pfad + " (neu)") +
                               " " + inAnfuehrung(a) + " " + inAnfuehrung(b) + " >&2";
    [[maybe_unused]] const int rc = std::system(befehl.c_str());
    std::filesystem::remove(a);
    std::filesystem::remove(b);
}

}  // namespace golden

inline bool stimmtMitDatei(const std::string& pfad, const std::string& ausgabe) {
    std::ifstream f(pfad, std::ios::binary);
    const bool da = f.good();
    const std::string datei(std::istreambuf_iterator<char>(f), {});
    const std::string kopf = datei.substr(0, golden::kopf(datei));
    const std::string neu = kopf + ausgabe.substr(golden::kopf(ausgabe));
    if (da && neu == datei) return true;
    golden::zeigeDiff(pfad, datei, neu);
    const char* wert = std::getenv("OVI_NEU");
    if (wert == nullptr || std::string(wert) != "1") {
        std::cerr << pfad << (da ? ": weicht ab (oben der Unterschied; OVI_NEU=1 schreibt neu)\n" : ": fehlt\n");
        return false;
    }
    std::ofstream aus(pfad, std::ios::binary);
    aus << neu;
    if (!aus.flush()) {
        std::cerr << pfad << ": kann nicht geschrieben werden\n";
        return false;
    }
    std::cerr << pfad << ": neu geschrieben, den Unterschied oben vor dem Einchecken gegen die Regeln lesen\n";
    return true;
}

}  // namespace ovi::test
