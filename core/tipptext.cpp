#include "core/tipptext.h"

#include <map>
#include <optional>
#include <utility>

#include "core/paarungen.h"
#include "core/teamnamen.h"
#include "core/tippzuordnung.h"
#include "core/utf8.h"

namespace ovi {

namespace {

using Text = std::u32string;

constexpr std::size_t laengsteZeile = 200;

bool ziffer(char32_t z) { return z >= U'0' && z <= U'9'; }
bool buchstabe(char32_t z) {
    return (z >= U'a' && z <= U'z') || (z >= U'A' && z <= U'Z') || (z >= 0xC0 && z <= 0x24F && z != 0xD7 && z != 0xF7);
}
bool strich(char32_t z) { return z == U'-' || (z >= 0x2010 && z <= 0x2015) || z == 0x2212; }

Text gestutzt(const Text& t) {
    std::size_t von = 0, bis = t.size();
    while (von < bis && t[von] == U' ') ++von;
    while (bis > von && t[bis - 1] == U' ') --bis;
    return t.substr(von, bis - von);
}

bool beginntMit(const Text& t, std::u32string_view wort) {
    if (t.size() < wort.size()) return false;
    for (std::size_t i = 0; i < wort.size(); ++i)
        if (klein(t[i]) != wort[i]) return false;
    return t.size() == wort.size() || !buchstabe(t[wort.size()]);
}

std::string zitat(const Text& t) { return "„" + alsUtf8(t) + "“"; }
std::string nr(int spiel) { return std::to_string(spiel + 1); }

// Blanks of every kind as one, bracketed remarks left out, and what stands before the first letter or digit
// (bullets, quote marks, emoji).
Text bereinigt(std::string_view zeile) {
    Text t;
    for (char32_t z : alsZeichen(zeile)) {
        if (z == U'\t' || z == U'_' || z == U'\r' || z == U'\v' || z == U'\f' || z == 0xA0 || z == 0x2007 ||
            z == 0x202F)
            t += U' ';
        else if (!((z >= 0x200B && z <= 0x200D) || z == 0xFEFF))
            t += z;
    }
    for (std::size_t auf; (auf = t.find(U'(')) != Text::npos;) {
        const std::size_t zu = t.find(U')', auf);
        if (zu == Text::npos) break;
        t.erase(auf, zu - auf + 1);
    }
    std::size_t von = 0;
    while (von < t.size() && !ziffer(t[von]) && !buchstabe(t[von])) ++von;
    return gestutzt(t.substr(von));
}

// "12.", "12)", "Spiel 12:", "Nr. 12": the match number as written and where the rest of the line starts.
struct Nummer {
    int spiel = 0;
    std::size_t rest = 0;
};
std::optional<Nummer> spielNummer(const Text& t) {
    std::size_t i = 0;
    bool wort = false;
    for (std::u32string_view w : {std::u32string_view(U"spiel"), std::u32string_view(U"nr")})
        if (beginntMit(t, w)) {
            i = w.size();
            wort = true;
            break;
        }
    if (wort && i < t.size() && t[i] == U'.') ++i;
    while (i < t.size() && t[i] == U' ') ++i;
    const std::size_t von = i;
    int n = 0;
    while (i < t.size() && ziffer(t[i]) && i - von < 3) n = n * 10 + static_cast<int>(t[i++] - U'0');
    if (i == von || (i < t.size() && ziffer(t[i]))) return std::nullopt;
    std::size_t j = i;
    while (j < t.size() && t[j] == U' ') ++j;
    const bool zeichen = j < t.size() && (t[j] == U'.' || t[j] == U')' || (wort && t[j] == U':'));
    if (zeichen) ++j;
    if (!zeichen && (!wort || (j == i && j < t.size()))) return std::nullopt;
    // "09.06." is a date, not match 9.
    if (j < t.size() && ziffer(t[j])) return std::nullopt;
    return Nummer{n, j};
}

// A score: digits, a colon or dash, digits. Times and dates that go on ("18:00:01", "09.06.2006") are none.
struct Ergebnis {
    std::size_t von = 0, bis = 0;
    Text heim, aus;
};
std::vector<Ergebnis> ergebnisse(const Text& t) {
    std::vector<Ergebnis> aus;
    const auto fortsetzung = [&t](std::size_t i) { return t[i] == U':' || t[i] == U'.'; };
    std::size_t k = 0;
    while (k < t.size()) {
        if (!ziffer(t[k]) || (k > 0 && ziffer(t[k - 1]))) {
            ++k;
            continue;
        }
        std::size_t e1 = k;
        while (e1 < t.size() && ziffer(t[e1])) ++e1;
        std::size_t p = e1;
        while (p < t.size() && t[p] == U' ') ++p;
        std::size_t q = p + 1;
        while (q < t.size() && t[q] == U' ') ++q;
        if (p >= t.size() || !(t[p] == U':' || strich(t[p])) || q >= t.size() || !ziffer(t[q])) {
            k = e1;
            continue;
        }
        std::size_t e2 = q;
        while (e2 < t.size() && ziffer(t[e2])) ++e2;
        const bool davor = k >= 2 && fortsetzung(k - 1) && ziffer(t[k - 2]);
        const bool danach = e2 + 1 < t.size() && fortsetzung(e2) && ziffer(t[e2 + 1]);
        if (!davor && !danach) aus.push_back({k, e2, t.substr(k, e1 - k), t.substr(q, e2 - q)});
        k = e2;
    }
    return aus;
}

// Two teams in the written order, or why the text names none.
struct Paarung {
    int erster = -1, zweiter = -1;
    std::string grund;
};
Paarung paarung(const Text& t, const Teamnamen& namen) {
    std::vector<std::pair<std::size_t, std::size_t>> stellen;  // where a separator starts, its length
    for (std::size_t i = 0; i < t.size(); ++i)
        if (strich(t[i])) stellen.emplace_back(i, 1);
    Text gesenkt;
    for (char32_t z : t) gesenkt += klein(z);
    for (std::u32string_view w : {U" gegen ", U" vs. ", U" vs ", U" v. ", U" v "})
        for (std::size_t i = gesenkt.find(w); i != Text::npos; i = gesenkt.find(w, i + 1))
            stellen.emplace_back(i, w.size());
    Paarung p;
    std::string einseitig, keine;
    for (const auto& [pos, laenge] : stellen) {
        const Text l = gestutzt(t.substr(0, pos)), r = gestutzt(t.substr(pos + laenge));
        const int a = namen.team(alsUtf8(l)), b = namen.team(alsUtf8(r));
        if (a >= 0 && b >= 0) {
            if (p.erster >= 0 && (p.erster != a || p.zweiter != b)) return {-1, -1, "Paarung nicht eindeutig"};
            p.erster = a, p.zweiter = b;
        } else if (einseitig.empty() && (a >= 0 || b >= 0)) {
            const Text& fremd = a >= 0 ? r : l;
            einseitig = fremd.empty() ? "nur eine Mannschaft" : "unbekannte Mannschaft " + zitat(fremd);
        } else if (keine.empty()) {
            keine = "unbekannte Mannschaften " + zitat(l) + " und " + zitat(r);
        }
    }
    if (p.erster >= 0) return p;
    if (!einseitig.empty()) return {-1, -1, einseitig};
    if (!keine.empty()) return {-1, -1, keine};
    if (namen.team(alsUtf8(t)) >= 0) return {-1, -1, "nur eine Mannschaft"};
    return {-1, -1, "unbekannte Mannschaft " + zitat(t)};
}

std::string aufzaehlung(const std::vector<int>& spiele) {
    std::string aus;
    for (std::size_t i = 0; i < spiele.size(); ++i)
        aus += (i == 0 ? "" : i + 1 == spiele.size() ? " und " : ", ") + nr(spiele[i]);
    return aus;
}

class Leser {
  public:
    Leser(const Spielstand& s, int spieler) : s_(s), namen_(s.nationen), aktuell_(spieler) {}

    Tippzeile lies(int nummer, std::string_view zeile) {
        Tippzeile z;
        z.nummer = nummer;
        z.text = zeile;
        const Text t = bereinigt(zeile);
        if (t.empty()) {
            const bool blank = zeile.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
            z.art = blank ? Zeilenart::leer : Zeilenart::ohneTipp;
            return z;
        }
        // Far longer than any pairing with its score: no tip line, and not worth trying every split of.
        if (t.size() > laengsteZeile) {
            z.art = ergebnisse(t).empty() ? Zeilenart::ohneTipp : Zeilenart::nichtErkannt;
            if (z.art == Zeilenart::nichtErkannt)
                z.grund = "länger als " + std::to_string(laengsteZeile) + " Zeichen, keine Tippzeile";
            return z;
        }
        const std::optional<Nummer> n = spielNummer(t);
        const Text rest = n ? gestutzt(t.substr(n->rest)) : t;
        const std::vector<Ergebnis> e = ergebnisse(rest);
        if (e.empty()) {
            // A sheet's line not filled in names a match but no tip.
            if (n)
                z.art = Zeilenart::ohneTipp;
            else
                teilnehmerZeile(t, zeile, z);
            return z;
        }
        z.art = Zeilenart::nichtErkannt;
        z.spieler = aktuell_;
        z.grund = tipp(n, rest, e, z);
        if (z.grund.empty()) z.art = Zeilenart::tipp;
        return z;
    }

  private:
    // Fills match and tip as far as they are known; empty text when the line is a tip.
    std::string tipp(const std::optional<Nummer>& n, const Text& rest, const std::vector<Ergebnis>& e, Tippzeile& z) {
        if (e.size() > 1) return "mehr als ein Ergebnis in der Zeile";
        const Ergebnis& erg = e.front();
        if (erg.heim.size() > 1 || erg.aus.size() > 1)
            return "zweistellige Torzahl " + zitat(erg.heim + U':' + erg.aus) + ", je Mannschaft geht eine Ziffer";
        const Text vorn = gestutzt(rest.substr(0, erg.von)), hinten = gestutzt(rest.substr(erg.bis));
        Paarung p;
        bool hintenTeam = false;
        if (!vorn.empty()) {
            p = paarung(vorn, namen_);
            // "Deutschland 2:1 Costa Rica"
            if (p.erster < 0 && !n && !hinten.empty()) {
                const int a = namen_.team(alsUtf8(vorn)), b = namen_.team(alsUtf8(hinten));
                if (a >= 0 && b >= 0) p = {a, b, {}}, hintenTeam = true;
            }
            if (p.erster < 0) return p.grund;
            if (p.erster == p.zweiter)
                return s_.getNation(p.erster) + " – " + s_.getNation(p.zweiter) + " ist keine Paarung";
        }
        if (!hintenTeam)
            for (char32_t c : hinten)
                if (ziffer(c)) return "Zahl nach dem Ergebnis";
        int m = -1;
        if (n) {
            if (n->spiel < 1 || n->spiel > katalog::anzahlSpiele)
                return "kein Spiel " + std::to_string(n->spiel) + ", es gibt 1 bis 64";
            m = n->spiel - 1;
            const Spiel& sp = s_.spiele[m];
            if (!paarungSteht(sp)) return "die Paarung von Spiel " + nr(m) + " steht noch nicht fest";
            if (p.erster >= 0 &&
                !((p.erster == sp.heim && p.zweiter == sp.aus) || (p.erster == sp.aus && p.zweiter == sp.heim)))
                return "Spiel " + nr(m) + " ist " + paarungText(s_, m);
        } else {
            if (p.erster < 0) return "kein Spiel genannt";
            const std::vector<int> spiele = spieleMitPaarung(s_.spiele, p.erster, p.zweiter);
            const std::string paar = s_.getNation(p.erster) + " – " + s_.getNation(p.zweiter);
            if (spiele.empty()) return paar + " ist keine Paarung des Spielplans";
            if (spiele.size() > 1)
                return paar + " gibt es mehrmals (Spiele " + aufzaehlung(spiele) + "), bitte mit Spielnummer";
            m = spiele.front();
        }
        const bool umgekehrt = p.erster >= 0 && p.erster == s_.spiele[m].aus;
        const int h = static_cast<int>(erg.heim[0] - U'0'), a = static_cast<int>(erg.aus[0] - U'0');
        z.spiel = m;
        z.heim = umgekehrt ? a : h;
        z.aus = umgekehrt ? h : a;
        if (aktuell_ < 0) return "kein Teilnehmer gewählt";
        const auto [wo, neu] = schon_.try_emplace({aktuell_, m}, z.nummer);
        if (!neu)
            return "Spiel " + nr(m) + " für " + s_.getName(aktuell_) + " schon in Zeile " + std::to_string(wo->second);
        return {};
    }

    // "Anke", "Anke:", "Tipps von Anke": the tips that follow are hers. A name the game has, but not among those who
    // play along, and an unknown name after "Tipps von" stop the tips from going to the one before. A name is looked
    // for as cleaned, then as written, for names with brackets or underscores.
    void teilnehmerZeile(const Text& t, std::string_view zeile, Tippzeile& z) {
        z.art = Zeilenart::ohneTipp;
        bool ausdruecklich = false;
        const Text name = nameIn(t, ausdruecklich);
        if (name.empty()) return;
        Treffer f = suche(name);
        if (f.mitspieler.empty() && !f.bekannt) {
            bool roh = false;
            const Text wieGeschrieben = nameIn(gestutzt(alsZeichen(zeile)), roh);
            const Treffer g = suche(wieGeschrieben);
            if (!g.mitspieler.empty() || g.bekannt) f = g;
        }
        if (f.mitspieler.size() == 1) {
            z.art = Zeilenart::teilnehmer;
            z.spieler = aktuell_ = f.mitspieler.front();
            return;
        }
        if (f.mitspieler.empty() && !f.bekannt && !ausdruecklich) return;
        z.art = Zeilenart::nichtErkannt;
        z.grund = f.mitspieler.size() > 1 ? zitat(f.name) + " gibt es mehrmals unter den Teilnehmern"
                  : f.bekannt             ? zitat(f.name) + " spielt nicht mit"
                                          : "kein Teilnehmer heißt " + zitat(f.name);
        aktuell_ = -1;
    }

    // The name in "Tipps von Anke:", "Anke:" or "Anke".
    static Text nameIn(const Text& t, bool& ausdruecklich) {
        Text name = t;
        for (std::u32string_view w : {std::u32string_view(U"tipps von"), std::u32string_view(U"tipp von")})
            if (beginntMit(t, w)) {
                name = t.substr(w.size());
                ausdruecklich = true;
                break;
            }
        while (!name.empty() && (name.front() == U':' || name.front() == U' ')) name.erase(0, 1);
        while (!name.empty() && (name.back() == U':' || name.back() == U' ')) name.pop_back();
        return name;
    }

    struct Treffer {
        Text name;
        std::vector<int> mitspieler;  // slots that play along and bear the name
        bool bekannt = false;         // some slot bears it
    };
    Treffer suche(const Text& name) const {
        Treffer f{name, mitspielerNamens(s_.spieler, alsUtf8(name)), false};
        const std::string gesucht = namensSchluessel(alsUtf8(name));
        for (const Spieler& sp : s_.spieler) f.bekannt = f.bekannt || namensSchluessel(sp.name) == gesucht;
        return f;
    }

    const Spielstand& s_;
    Teamnamen namen_;
    int aktuell_;
    std::map<std::pair<int, int>, int> schon_;  // participant and match -> line that tipped it
};

}  // namespace

std::vector<Tippzeile> leseTipptext(std::string_view text, const Spielstand& s, int spieler) {
    Leser leser(s, spieler);
    std::vector<Tippzeile> aus;
    int nummer = 0;
    for (std::size_t von = 0; von < text.size();) {
        std::size_t bis = text.find('\n', von);
        if (bis == std::string_view::npos) bis = text.size();
        std::string_view zeile = text.substr(von, bis - von);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        aus.push_back(leser.lies(++nummer, zeile));
        von = bis + 1;
    }
    return aus;
}

}  // namespace ovi
