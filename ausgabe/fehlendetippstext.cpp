#include "ausgabe/fehlendetippstext.h"

#include "ausgabe/spieltext.h"

namespace ovi {

std::string fehlendeTippsZeile(const Spielstand& s, const FehlendeTipps& f) {
    const std::string name = teilnehmerName(s, f.spieler);
    if (f.spiele.empty()) return name + ": alle Tipps da";
    std::string aus = name + (f.spiele.size() == 1 ? ": es fehlt 1 Tipp – "
                                                   : ": es fehlen " + std::to_string(f.spiele.size()) + " Tipps – ");
    for (std::size_t i = 0; i < f.spiele.size(); ++i) aus += (i ? ", " : "") + spielMitTermin(s, f.spiele[i]);
    return aus;
}

std::string fehlendeTippsText(const Spielstand& s, const std::vector<FehlendeTipps>& liste) {
    if (liste.empty()) return "Es spielt noch niemand mit.\n";
    std::string aus;
    for (const FehlendeTipps& f : liste)
        if (!f.spiele.empty()) aus += fehlendeTippsZeile(s, f) + "\n";
    return aus.empty() ? "Alle Tipps sind da.\n" : aus;
}

}  // namespace ovi
