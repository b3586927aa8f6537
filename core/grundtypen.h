// Value types of the game and the checked list every piece of state is kept in.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace ovi {

using Integer = std::int16_t;  // 16-bit like every count and goal in the game file
using Long = std::int32_t;     // colours

// An index outside a list's bounds: the operation is abandoned, nothing written.
class Bereichsfehler : public std::out_of_range {
  public:
    using std::out_of_range::out_of_range;
};

// A 16-bit result that does not fit.
class Ueberlauffehler : public std::overflow_error {
  public:
    using std::overflow_error::overflow_error;
};

// Narrows to 16 bits or throws.
Integer alsInteger(long long wert);
inline Integer plus16(int a, int b) { return alsInteger(static_cast<long long>(a) + b); }
inline Integer minus16(int a, int b) { return alsInteger(static_cast<long long>(a) - b); }
inline Integer mal16(int a, int b) { return alsInteger(static_cast<long long>(a) * b); }

[[noreturn]] void meldeBereich(long long index, int groesse);

// Fixed-bounds list 0..N-1; every access is checked.
template <class T, int N>
class Liste {
  public:
    static constexpr int groesse = N;

    T& operator[](long long i) { return werte_[pruefe(i)]; }
    const T& operator[](long long i) const { return werte_[pruefe(i)]; }

    void fuelle(const T& wert) { werte_.fill(wert); }
    auto begin() { return werte_.begin(); }
    auto end() { return werte_.end(); }
    auto begin() const { return werte_.begin(); }
    auto end() const { return werte_.end(); }
    bool operator==(const Liste&) const = default;

  private:
    static std::size_t pruefe(long long i) {
        if (i < 0 || i >= N) meldeBereich(i, N);
        return static_cast<std::size_t>(i);
    }
    std::array<T, N> werte_{};
};

// Colour packed as red + 256 * green + 65536 * blue.
constexpr Long rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

}  // namespace ovi
