#include "core/grundtypen.h"

#include <limits>

namespace ovi {

Integer alsInteger(long long wert) {
    if (wert < std::numeric_limits<Integer>::min() || wert > std::numeric_limits<Integer>::max())
        throw Ueberlauffehler("Überlauf: " + std::to_string(wert) + " passt nicht in 16 Bit");
    return static_cast<Integer>(wert);
}

void meldeBereich(long long index, int groesse) {
    throw Bereichsfehler("Index " + std::to_string(index) + " außerhalb von 0.." + std::to_string(groesse - 1));
}

}  // namespace ovi
