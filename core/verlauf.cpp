#include "core/verlauf.h"

#include <algorithm>
#include <array>

#include "core/auswertung.h"
#include "core/bonus.h"
#include "core/datum.h"

namespace ovi {

std::vector<Spieltag> spieltage(const Spiele& spiele) {
    // The date of every match, the unreadable ones carrying the date of the match before them.
    std::array<std::optional<int>, katalog::anzahlSpiele> datum;
    std::optional<int> vorher, erstes;
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        if (const auto d = leseDatum(spiele[m].datum)) vorher = d;
        datum.at(static_cast<std::size_t>(m)) = vorher;
        if (spiele[m].auswerten && vorher) erstes = std::min(erstes.value_or(*vorher), *vorher);
    }
    std::vector<Spieltag> tage;
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        if (!spiele[m].auswerten) continue;
        const int d = datum.at(static_cast<std::size_t>(m)).value_or(erstes.value_or(0));
        auto it = std::lower_bound(tage.begin(), tage.end(), d, [](const Spieltag& t, int w) { return t.datum < w; });
        if (it == tage.end() || it->datum != d) it = tage.insert(it, Spieltag{d, {}});
        it->spiele.push_back(m);
    }
    return tage;
}

Verlauf berechneVerlauf(const Spielstand& s) {
    Verlauf v;
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (s.spieler[p].spieltMit) {
            v.teilnehmer.push_back(p);
            v.namen.push_back(s.spieler[p].name);
        }
    v.tage = spieltage(s.spiele);

    // The game as it stood after each day: the same evaluation, flags cut off after that day.
    Spielstand tag = s;
    for (Spiel& sp : tag.spiele) sp.auswerten = false;
    std::vector<Tagesstand> vorher(v.teilnehmer.size());
    for (const Spieltag& t : v.tage) {
        for (int m : t.spiele) tag.spiele[m].auswerten = true;
        const bool frage = werteKomplettAus(tag) == Bonusausgang::weltmeisterFrage;
        if (frage && s.weltmeister >= 0 && s.weltmeister <= katalog::letzteMannschaft)
            setWeltmeister(tag, s.nationen[s.weltmeister]);

        std::vector<Tagesstand> stand(v.teilnehmer.size());
        Integer meiste = 0;
        for (std::size_t i = 0; i < v.teilnehmer.size(); ++i) {
            const Auswertung& a = tag.auswertung[v.teilnehmer[i]];
            Tagesstand& st = stand[i];
            st.punkte = a.punkte;
            st.gesamt = a.gesamt;
            st.tagespunkte = minus16(a.punkte, vorher[i].punkte);
            st.bonus = minus16(minus16(a.gesamt, a.punkte), minus16(vorher[i].gesamt, vorher[i].punkte));
            st.platz = a.platz;  // made 1.. below, counting participants only
            meiste = i == 0 ? st.tagespunkte : std::max(meiste, st.tagespunkte);
        }
        std::vector<std::size_t> folge(v.teilnehmer.size());
        for (std::size_t i = 0; i < folge.size(); ++i) folge[i] = i;
        std::sort(folge.begin(), folge.end(),
                  [&](std::size_t a, std::size_t b) { return stand[a].platz < stand[b].platz; });
        for (std::size_t r = 0; r < folge.size(); ++r) stand[folge[r]].platz = static_cast<int>(r) + 1;

        std::vector<int> sieger;
        for (std::size_t i = 0; i < stand.size(); ++i)
            if (stand[i].tagespunkte == meiste) sieger.push_back(v.teilnehmer[i]);
        v.sieger.push_back(std::move(sieger));
        v.stand.push_back(stand);
        vorher = std::move(stand);
    }
    return v;
}

}  // namespace ovi
