#include "tools/auswertung/verlaufstabelle.h"

#include <algorithm>

#include "core/datum.h"

namespace ovi::werkzeug {

Tabelle verlauf(const Verlauf& v) {
    Tabelle t = {
        {"Spieltag", "Datum", "Platz", "Name", "Tagespunkte", "Punkte bisher", "Bonus", "Gesamt", "Tagessieger"}};
    for (std::size_t d = 0; d < v.tage.size(); ++d) {
        const auto& stand = v.stand[d];
        std::vector<std::size_t> folge(stand.size());
        for (std::size_t i = 0; i < folge.size(); ++i) folge[i] = i;
        std::sort(folge.begin(), folge.end(), [&](auto a, auto b) { return stand[a].platz < stand[b].platz; });
        for (std::size_t i : folge) {
            const Tagesstand& st = stand[i];
            const bool sieger = std::find(v.sieger[d].begin(), v.sieger[d].end(), v.teilnehmer[i]) != v.sieger[d].end();
            t.push_back({std::to_string(d + 1), v.tage[d].datum ? datumText(v.tage[d].datum) : "",
                         std::to_string(st.platz), v.namen[i], std::to_string(st.tagespunkte),
                         std::to_string(st.punkte), std::to_string(st.bonus), std::to_string(st.gesamt),
                         sieger ? "ja" : ""});
        }
    }
    return t;
}

}  // namespace ovi::werkzeug
