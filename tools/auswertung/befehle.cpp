#include "tools/auswertung/befehle.h"

#include <algorithm>

namespace ovi::werkzeug {

namespace {

const Befehl* befehl(std::string_view name) {
    for (const Befehl& b : befehle)
        if (!b.name.empty() && b.name == name) return &b;
    return nullptr;
}

bool nimmt(const Befehl& b, std::string_view option) {
    return std::find(b.optionen.begin(), b.optionen.end(), option) != b.optionen.end();
}

}  // namespace

std::string passenZusammen(const std::vector<std::string>& gegeben) {
    const Befehl* gewaehlt = &befehle.front();
    for (const std::string& o : gegeben) {
        const Befehl* b = befehl(o);
        if (!b || b == gewaehlt) continue;  // an option given twice says nothing new
        // A command that another one takes as an option of its own (a part of the HTML page, say): that one leads.
        if (nimmt(*gewaehlt, o)) continue;
        if (nimmt(*b, gewaehlt->name)) {
            gewaehlt = b;
            continue;
        }
        if (!gewaehlt->name.empty()) return std::string(gewaehlt->name) + " und " + o + " schließen einander aus";
        gewaehlt = b;
    }
    for (const std::string& o : gegeben) {
        if (befehl(o) || nimmt(*gewaehlt, o)) continue;
        if (!gewaehlt->name.empty()) return o + " gehört nicht zu " + std::string(gewaehlt->name);
        std::string wozu;
        for (const Befehl& b : befehle)
            if (nimmt(b, o)) wozu += (wozu.empty() ? "" : " oder ") + std::string(b.name);
        return o + " gehört zu " + wozu;
    }
    return {};
}

}  // namespace ovi::werkzeug
