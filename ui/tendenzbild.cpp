#include "ui/tendenzbild.h"

#include <algorithm>

namespace ovi {

TendenzBild tendenzBild(const Tendenz& t, int spaltenBreite, int grundlinie) {
    TendenzBild b;
    const int breite = spaltenBreite / 3 + 15;
    b.labelBreite = {breite, breite, breite};
    // The thirds overlap by 15 and 30 so the three labels fill the column edge to edge.
    b.labelLinks[0] = 0;
    b.labelLinks[1] = b.labelLinks[0] + breite - 15;
    b.labelLinks[2] = b.labelLinks[1] + breite - 30;
    int max = std::max({static_cast<int>(t.eins), static_cast<int>(t.null), static_cast<int>(t.zwei)});
    if (max == 0) max = 1;
    const int zahlen[3] = {t.eins, t.null, t.zwei};
    for (int i = 0; i < 3; ++i) {
        b.balkenHoehe[i] = static_cast<double>(zahlen[i] * balkenMax) / max;
        b.balkenOben[i] = grundlinie - b.balkenHoehe[i];
        b.balkenLinks[i] = (breite - balkenBreite) / 2.0 + (i == 0 ? 0 : b.labelLinks[i]);
    }
    return b;
}

}  // namespace ovi
