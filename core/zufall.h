// Pseudo-random numbers on [0, 1), never seeded: every start gives the same sequence.
#pragma once

#include <random>

namespace ovi {

class Zufall {
  public:
    double naechster() { return static_cast<double>(gen_()) / 4294967296.0; }
    // Integer part of 4 * r: 0..3.
    int tor() { return static_cast<int>(4.0 * naechster()); }

  private:
    std::mt19937 gen_;  // default seed on purpose
};

}  // namespace ovi
