// What every fuzz target shares: a broken promise aborts, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ovi::fuzz {

inline void pruefe(bool bedingung, const char* was, const std::string& fehler = {}) {
    if (bedingung) return;
    std::fprintf(stderr, "Verletzt: %s %s\n", was, fehler.c_str());
    std::abort();
}

}  // namespace ovi::fuzz
