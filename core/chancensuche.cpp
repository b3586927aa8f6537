#include "core/chancensuche.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace ovi {

namespace {

struct Angehalten {};
thread_local long long gezaehlteKnoten = 0;

// Rounds of the shared bound per node; its multipliers start from the parent's, so a few suffice.
constexpr int schrankenRunden = 3;
// Nodes the plain search may visit before the search starts again with the decomposed bound.
constexpr long long schlichteKnoten = 100000;
// Depths whose nodes refine the prices, and the steps they take.
constexpr std::size_t verfeinerteTiefen = 3;
constexpr int knotenRunden = 15;
// Steps at the root of an option, and the steps without a better bound after which the step size halves.
constexpr int wurzelRunden = 300;
constexpr int geduld = 10;

// One search for one participant q. Works on e[r] = points of q minus points of rival r: r stands above q exactly
// when e[r] < 0 at the end. The best place wants as few of those as possible, the worst as many. A rival "gets its
// way" when it ends where q's search wants it: level or below for the best place, above for the worst.
class Suche {
  public:
    Suche(const Suchaufgabe& a, int q, bool bester, std::stop_token halt)
        : a_(a), q_(q), bester_(bester), halt_(std::move(halt)) {
        for (int i = 0; i < static_cast<int>(a.stand.size()); ++i)
            if (i != q) rivalen_.push_back(i);
        r_ = rivalen_.size();
    }

    std::optional<Platzsuche> los() {
        try {
            rekord_ = bester_ ? static_cast<int>(r_) + 1 : -1;
            if (a_.abkuerzungen && schlicht()) return Platzsuche{rekord_ + 1, rekordOption_, rekordWahl_};
            zerlegen_ = true;
            // Then the decomposed bound of every option: options that cannot beat the record are left, the others
            // searched from the most promising on.
            std::vector<std::pair<double, int>> schranken;
            std::vector<std::vector<std::vector<double>>> preise(a_.optionen.size());
            for (int o = 0; o < static_cast<int>(a_.optionen.size()); ++o) {
                if (fertig()) break;
                bereite(o);
                const double l = teileSchranke();
                schranken.push_back({-l, o});
                preise[static_cast<std::size_t>(o)] = preis_;
            }
            std::stable_sort(schranken.begin(), schranken.end());
            for (const auto& [l, o] : schranken) {
                if (fertig()) break;
                if (!verspricht(ausWegen(static_cast<int>(std::floor(-l + 1e-6))))) continue;
                bereite(o);
                preis_ = preise[static_cast<std::size_t>(o)];
                bereiteTabellen();
                // The record may have grown since: the prices are refined towards it.
                const double neu = verfeinere(0, wurzelRunden);
                if (!verspricht(ausWegen(static_cast<int>(std::floor(neu + 1e-6))))) continue;
                tiefe(0);
            }
        } catch (const Angehalten&) {
            return std::nullopt;
        }
        return Platzsuche{rekord_ + 1, rekordOption_, rekordWahl_};
    }

  private:
    struct ZuVieleKnoten {};

    // Most questions end after a few nodes: a greedy dive into every option for a record, then the plain search
    // with the cheap bounds, given a small budget of nodes. True when that already answered.
    bool schlicht() {
        for (int o = 0; o < static_cast<int>(a_.optionen.size()); ++o) {
            bereite(o);
            tauchen_ = true;
            tiefe(0);
            tauchen_ = false;
        }
        knotenFrei_ = schlichteKnoten;
        try {
            for (int o = 0; o < static_cast<int>(a_.optionen.size()) && !fertig(); ++o) {
                bereite(o);
                tiefe(0);
            }
        } catch (const ZuVieleKnoten&) {
            knotenFrei_ = -1;
            return false;
        }
        knotenFrei_ = -1;
        return true;
    }

    struct Teil {
        int spiel = 0;               // index of the open match
        std::vector<int> klassen;    // classes worth trying
        std::vector<int> gewinn;     // [klasse * r + rival]: what q gains on the rival
        std::vector<double> anteil;  // [klasse * r + rival]: what the class moves the rival towards its way
    };

    bool fertig() const { return bester_ ? rekord_ == 0 : rekord_ == static_cast<int>(r_); }
    // A node whose bound on the rivals above q cannot beat the record is left.
    bool verspricht(int grenze) const { return bester_ ? grenze < rekord_ : grenze > rekord_; }
    std::size_t zeile(std::size_t j) const { return j * r_; }

    int gewinn(int spiel, int klasse, std::size_t rival) const {
        const auto& p = a_.spiele[static_cast<std::size_t>(spiel)][static_cast<std::size_t>(klasse)].punkte;
        return p[static_cast<std::size_t>(q_)] - p[static_cast<std::size_t>(rivalen_[rival])];
    }

    // The classes of a match that the mask allows and no other class beats against every rival (of two alike the
    // first stays).
    const std::vector<int>& unbeherrscht(int spiel, int maske) {
        auto [it, neu] = beherrscht_.try_emplace({spiel, maske});
        if (!neu) return it->second;
        const auto& klassen = a_.spiele[static_cast<std::size_t>(spiel)];
        std::vector<int> erlaubt;
        for (int k = 0; k < static_cast<int>(klassen.size()); ++k)
            if (maske & tendenzBit(klassen[static_cast<std::size_t>(k)].tendenz)) erlaubt.push_back(k);
        const auto mindestensSoGut = [&](int l, int k) {
            for (std::size_t r = 0; r < r_; ++r) {
                const int gl = gewinn(spiel, l, r), gk = gewinn(spiel, k, r);
                if (bester_ ? gl < gk : gl > gk) return false;
            }
            return true;
        };
        for (std::size_t x = 0; x < erlaubt.size(); ++x) {
            bool weg = false;
            for (std::size_t y = 0; y < erlaubt.size() && !weg; ++y)
                if (x != y && mindestensSoGut(erlaubt[y], erlaubt[x]))
                    weg = y < x || !mindestensSoGut(erlaubt[x], erlaubt[y]);
            if (!weg) it->second.push_back(erlaubt[x]);
        }
        return it->second;
    }

    void bereite(int o) {
        option_ = o;
        const Suchoption& opt = a_.optionen[static_cast<std::size_t>(o)];
        const std::size_t m = a_.spiele.size();
        teile_.assign(m, {});
        for (std::size_t s = 0; s < m; ++s) {
            Teil& t = teile_[s];
            t.spiel = static_cast<int>(s);
            t.klassen = unbeherrscht(t.spiel, opt.erlaubt[s]);
            t.gewinn.resize(t.klassen.size() * r_);
            for (std::size_t k = 0; k < t.klassen.size(); ++k)
                for (std::size_t r = 0; r < r_; ++r) t.gewinn[k * r_ + r] = gewinn(t.spiel, t.klassen[k], r);
        }
        const auto spanne = [&](const Teil& t, std::size_t r) {
            int lo = 1 << 20, hi = -(1 << 20);
            for (std::size_t k = 0; k < t.klassen.size(); ++k) {
                lo = std::min(lo, t.gewinn[k * r_ + r]);
                hi = std::max(hi, t.gewinn[k * r_ + r]);
            }
            return std::pair{lo, hi};
        };
        // Matches that can move the most first: the bounds close quickly.
        std::vector<long long> weite(m, 0);
        for (std::size_t s = 0; s < m; ++s)
            for (std::size_t r = 0; r < r_; ++r) {
                const auto [lo, hi] = spanne(teile_[s], r);
                weite[s] += hi - lo;
            }
        std::stable_sort(teile_.begin(), teile_.end(), [&](const Teil& x, const Teil& y) {
            return weite[static_cast<std::size_t>(x.spiel)] > weite[static_cast<std::size_t>(y.spiel)];
        });
        sufMax_.assign((m + 1) * r_, 0);
        sufMin_.assign((m + 1) * r_, 0);
        for (std::size_t j = m; j-- > 0;) {
            Teil& t = teile_[j];
            t.anteil.resize(t.gewinn.size());
            for (std::size_t r = 0; r < r_; ++r) {
                const auto [lo, hi] = spanne(t, r);
                sufMax_[zeile(j) + r] = sufMax_[zeile(j + 1) + r] + hi;
                sufMin_[zeile(j) + r] = sufMin_[zeile(j + 1) + r] + lo;
                for (std::size_t k = 0; k < t.klassen.size(); ++k)
                    t.anteil[k * r_ + r] = bester_ ? t.gewinn[k * r_ + r] - lo : hi - t.gewinn[k * r_ + r];
            }
        }
        e_.assign(r_, 0);
        const auto qq = static_cast<std::size_t>(q_);
        for (std::size_t r = 0; r < r_; ++r) {
            const auto i = static_cast<std::size_t>(rivalen_[r]);
            e_[r] = a_.stand[qq] + opt.bonus[qq] - a_.stand[i] - opt.bonus[i];
        }
        wahl_.assign(m, 0);
        offen_.assign(m + 1, {});
        kandidaten_.assign(m + 1, {});
        folge_.assign(m + 1, {});
        mu_.assign(m + 1, std::vector<double>(r_, 1.0));
        gewicht_.assign(r_, 0.0);
        fortschritt_.assign(r_, 0.0);
    }

    // How many undecided rivals can get their way together, from depth j on. Each needs a share of what the
    // matches left can still move its way, and a match gives all of them the shares of one class: for any mu in
    // [0, 1] per rival, sum (1 - mu) + the best class's sum of mu * share per match bounds the count. A few
    // subgradient steps on mu; stops as soon as the bound reaches `ziel`.
    int gemeinsameSchranke(std::size_t j, const std::vector<int>& offen, int ziel) {
        std::vector<double>& mu = mu_[j];
        const std::vector<double>& vorher = mu_[j > 0 ? j - 1 : 0];
        for (int r : offen) {
            const auto x = static_cast<std::size_t>(r);
            const double bedarf = bester_ ? -e_[x] - sufMin_[zeile(j) + x] : e_[x] + 1 + sufMax_[zeile(j) + x];
            gewicht_[x] = 1.0 / bedarf;
            mu[x] = j > 0 ? vorher[x] : 1.0;
        }
        double bestes = static_cast<double>(offen.size());
        for (int runde = 0; runde < schrankenRunden; ++runde) {
            double summe = 0;
            for (int r : offen) {
                summe += 1.0 - mu[static_cast<std::size_t>(r)];
                fortschritt_[static_cast<std::size_t>(r)] = 0;
            }
            for (std::size_t x = j; x < teile_.size(); ++x) {
                const Teil& t = teile_[x];
                double besteKlasse = -1;
                std::size_t bk = 0;
                for (std::size_t k = 0; k < t.klassen.size(); ++k) {
                    const double* a = &t.anteil[k * r_];
                    double w = 0;
                    for (int r : offen) {
                        const auto y = static_cast<std::size_t>(r);
                        w += mu[y] * gewicht_[y] * a[y];
                    }
                    if (w > besteKlasse) besteKlasse = w, bk = k;
                }
                summe += besteKlasse;
                const double* a = &t.anteil[bk * r_];
                for (int r : offen)
                    fortschritt_[static_cast<std::size_t>(r)] += gewicht_[static_cast<std::size_t>(r)] * a[r];
            }
            bestes = std::min(bestes, summe);
            if (static_cast<int>(bestes + 1e-9) <= ziel) break;
            const double schritt = 1.0 / (runde + 2);
            for (int r : offen) {
                const auto y = static_cast<std::size_t>(r);
                mu[y] = std::clamp(mu[y] - schritt * (fortschritt_[y] - 1.0), 0.0, 1.0);
            }
        }
        return std::min(static_cast<int>(offen.size()), static_cast<int>(bestes + 1e-9));
    }

    // Classes of match j that differ for the undecided rivals and that no other class beats against all of them.
    void waehleKandidaten(std::size_t j, const std::vector<int>& offen) {
        const Teil& t = teile_[j];
        std::vector<int>& kandidaten = kandidaten_[j];
        kandidaten.clear();
        for (std::size_t k = 0; k < t.klassen.size(); ++k) {
            const int* g = &t.gewinn[k * r_];
            bool weg = false;
            for (std::size_t x = 0; x < kandidaten.size() && !weg; ++x) {
                const int* h = &t.gewinn[static_cast<std::size_t>(kandidaten[x]) * r_];
                bool hBesser = true, gBesser = true;
                for (int r : offen) {
                    if (bester_ ? h[r] < g[r] : h[r] > g[r]) hBesser = false;
                    if (bester_ ? g[r] < h[r] : g[r] > h[r]) gBesser = false;
                    if (!hBesser && !gBesser) break;
                }
                if (hBesser)
                    weg = true;
                else if (gBesser)
                    kandidaten[x] = -1;
            }
            if (weg) continue;
            std::erase(kandidaten, -1);
            kandidaten.push_back(static_cast<int>(k));
        }
    }

    // Rivals getting their way -> rivals above q.
    int ausWegen(int wege) const { return bester_ ? static_cast<int>(r_) - wege : wege; }

    // The decomposed bound: every rival chooses the classes of the matches on its own, paying a price per class,
    // while the prices are handed out per match for the class everyone shares. For any prices, the rivals' best
    // (their way, 1 or 0, minus the prices paid) plus the best class of each match by prices bounds how many
    // get their way together. Each rival's best is a table over its margin per depth, so with the prices fixed a
    // node costs one lookup per rival. The prices are set by subgradient steps at the root of each option and
    // refined at shallow nodes for the matches below them; tables of a depth always go with the prices they were
    // computed from, so every table stays a bound.
    int zerlegt(std::size_t j) const {
        double summe = meister_[j];
        for (std::size_t r = 0; r < r_; ++r) summe += tafel(j, r, e_[r]);
        return static_cast<int>(std::floor(summe + 1e-6));
    }

    // Fresh prices for an option; the bound at its root.
    double teileSchranke() {
        preis_.assign(teile_.size(), {});
        for (std::size_t j = 0; j < teile_.size(); ++j) preis_[j].assign(teile_[j].klassen.size() * r_, 0.0);
        bereiteTabellen();
        return verfeinere(0, wurzelRunden);
    }

    // Subgradient steps on the prices of the matches from depth j on, with the margins of the current node: a
    // class a rival wants gets dearer for it, the class the match gives cheaper. Each step's classes, bettered by
    // hand, are tried as a scenario. Stops once the bound shows the node cannot beat the record. Returns the bound.
    double verfeinere(std::size_t j0, int runden) {
        const std::size_t m = teile_.size();
        std::vector<std::vector<double>> bestePreise(preis_.begin() + static_cast<std::ptrdiff_t>(j0), preis_.end());
        double besteSchranke = 1e18, schritt = 1.0;
        int ohneFortschritt = 0;
        std::vector<std::size_t> wahlMeister(m);
        std::vector<std::vector<std::size_t>> wahlRivale(r_, std::vector<std::size_t>(m));
        for (int runde = 0; runde < runden; ++runde) {
            const double l = rechneTabellen(j0, wahlMeister, wahlRivale);
            if (a_.abkuerzungen) probiere(j0, wahlMeister);
            const int ziel = bester_ ? static_cast<int>(r_) - rekord_ : rekord_;  // ways the record has
            if (l < besteSchranke - 1e-9) {
                besteSchranke = l;
                std::copy(preis_.begin() + static_cast<std::ptrdiff_t>(j0), preis_.end(), bestePreise.begin());
                ohneFortschritt = 0;
            } else if (++ohneFortschritt >= geduld) {
                schritt /= 2;
                ohneFortschritt = 0;
            }
            if (std::floor(besteSchranke + 1e-6) <= ziel) break;
            double norm = 0;
            for (std::size_t j = j0; j < m; ++j)
                for (std::size_t r = 0; r < r_; ++r) norm += wahlRivale[r][j] != wahlMeister[j] ? 2 : 0;
            if (norm == 0) break;
            const double schrittweite = schritt * (l - ziel) / norm;
            for (std::size_t j = j0; j < m; ++j)
                for (std::size_t r = 0; r < r_; ++r) {
                    if (wahlRivale[r][j] == wahlMeister[j]) continue;
                    preis_[j][wahlRivale[r][j] * r_ + r] += schrittweite;
                    preis_[j][wahlMeister[j] * r_ + r] -= schrittweite;
                }
        }
        std::copy(bestePreise.begin(), bestePreise.end(), preis_.begin() + static_cast<std::ptrdiff_t>(j0));
        return rechneTabellen(j0, wahlMeister, wahlRivale);
    }

    // Room for the tables: each rival's margins from the least to the most it can have at each depth.
    void bereiteTabellen() {
        const std::size_t m = teile_.size();
        unten_.assign(m + 1, std::vector<int>(r_, 0));
        wert_.assign(m + 1, std::vector<std::vector<double>>(r_));
        for (std::size_t j = 0; j <= m; ++j)
            for (std::size_t r = 0; r < r_; ++r) {
                unten_[j][r] = -sufMax_[zeile(j) + r] - 1;
                wert_[j][r].assign(static_cast<std::size_t>(sufMax_[zeile(j) + r] - sufMin_[zeile(j) + r] + 2), 0.0);
            }
        meister_.assign(m + 1, 0.0);
    }

    // A rival's best from depth j on with margin e: beyond the margins where its end is still open, all alike.
    double tafel(std::size_t j, std::size_t r, int e) const {
        const std::vector<double>& w = wert_[j][r];
        const int x = std::clamp(e - unten_[j][r], 0, static_cast<int>(w.size()) - 1);
        return w[static_cast<std::size_t>(x)];
    }

    // The tables from depth j0 on for the current prices; each match's class by prices and each rival's own
    // choices from the current node go to the two arguments. Returns the bound at the node.
    double rechneTabellen(std::size_t j0, std::vector<std::size_t>& wahlMeister,
                          std::vector<std::vector<std::size_t>>& wahlRivale) {
        const std::size_t m = teile_.size();
        for (std::size_t r = 0; r < r_; ++r) {
            std::vector<double>& ende = wert_[m][r];
            for (std::size_t x = 0; x < ende.size(); ++x) {
                const int e = unten_[m][r] + static_cast<int>(x);
                ende[x] = (bester_ ? e >= 0 : e < 0) ? 1.0 : 0.0;
            }
        }
        for (std::size_t j = m; j-- > j0;) {
            const Teil& t = teile_[j];
            const std::size_t kn = t.klassen.size();
            for (std::size_t r = 0; r < r_; ++r) {
                std::vector<double>& w = wert_[j][r];
                const std::vector<double>& weiter = wert_[j + 1][r];
                const int n = static_cast<int>(weiter.size()), breite = static_cast<int>(w.size());
                std::fill(w.begin(), w.end(), -1e18);
                for (std::size_t k = 0; k < kn; ++k) {
                    // w[x] against weiter[x + versatz], held at the ends of weiter.
                    const int versatz = unten_[j][r] + t.gewinn[k * r_ + r] - unten_[j + 1][r];
                    const double p = preis_[j][k * r_ + r];
                    const int von = std::clamp(-versatz, 0, breite), bis = std::clamp(n - versatz, von, breite);
                    for (int x = 0; x < von; ++x) w[x] = std::max(w[x], weiter[0] - p);
                    const double* quelle = weiter.data();
                    double* ziel = w.data();
                    for (int x = von; x < bis; ++x) ziel[x] = std::max(ziel[x], quelle[x + versatz] - p);
                    for (int x = bis; x < breite; ++x) w[x] = std::max(w[x], weiter[n - 1] - p);
                }
            }
            double best = -1e18;
            for (std::size_t k = 0; k < kn; ++k) {
                double summe = 0;
                for (std::size_t r = 0; r < r_; ++r) summe += preis_[j][k * r_ + r];
                if (summe > best) best = summe, wahlMeister[j] = k;
            }
            meister_[j] = meister_[j + 1] + best;
        }
        double summe = meister_[j0];
        for (std::size_t r = 0; r < r_; ++r) {
            int e = e_[r];
            summe += tafel(j0, r, e);
            for (std::size_t j = j0; j < m; ++j) {
                const Teil& t = teile_[j];
                double best = -1e18;
                for (std::size_t k = 0; k < t.klassen.size(); ++k) {
                    const double v = tafel(j + 1, r, e + t.gewinn[k * r_ + r]) - preis_[j][k * r_ + r];
                    if (v > best) best = v, wahlRivale[r][j] = k;
                }
                e += t.gewinn[wahlRivale[r][j] * r_ + r];
            }
        }
        return summe;
    }

    // The classes the prices give the matches from depth j0 on as a scenario, bettered one match at a time while
    // that brings more rivals their way (ties: more margin towards it): a new record if it beats the old one.
    void probiere(std::size_t j0, std::vector<std::size_t> wahl) {
        const std::size_t m = teile_.size();
        std::vector<int> e = e_;
        for (std::size_t j = j0; j < m; ++j)
            for (std::size_t r = 0; r < r_; ++r) e[r] += teile_[j].gewinn[wahl[j] * r_ + r];
        const auto guete = [&](const std::vector<int>& f) {
            long long wege = 0, naehe = 0;
            for (std::size_t r = 0; r < r_; ++r) {
                const bool weg = bester_ ? f[r] >= 0 : f[r] < 0;
                wege += weg;
                if (!weg) naehe -= bester_ ? -f[r] : f[r] + 1;
            }
            return wege * 100000 + naehe;
        };
        long long jetzt = guete(e);
        std::vector<int> f(r_);
        for (bool besser = true; besser;) {
            besser = false;
            for (std::size_t j = j0; j < m; ++j) {
                const Teil& t = teile_[j];
                for (std::size_t k = 0; k < t.klassen.size(); ++k) {
                    if (k == wahl[j]) continue;
                    for (std::size_t r = 0; r < r_; ++r)
                        f[r] = e[r] + t.gewinn[k * r_ + r] - t.gewinn[wahl[j] * r_ + r];
                    if (const long long g = guete(f); g > jetzt) {
                        jetzt = g;
                        e.swap(f);
                        wahl[j] = k;
                        besser = true;
                    }
                }
            }
        }
        int oben = 0;
        for (std::size_t r = 0; r < r_; ++r) oben += e[r] < 0;
        if (!verspricht(oben)) return;
        for (std::size_t j = j0; j < m; ++j) wahl_[j] = static_cast<int>(wahl[j]);
        merkeRekord(oben, m);
    }

    void merkeRekord(int oben, std::size_t j) {
        // Every way on from here ends alike: the first class of each match left.
        rekord_ = oben;
        rekordOption_ = option_;
        rekordWahl_.assign(teile_.size(), 0);
        for (std::size_t x = 0; x < teile_.size(); ++x)
            rekordWahl_[static_cast<std::size_t>(teile_[x].spiel)] =
                teile_[x].klassen[x < j ? static_cast<std::size_t>(wahl_[x]) : 0];
    }

    void tiefe(std::size_t j) {
        ++gezaehlteKnoten;
        if (halt_.stop_requested()) throw Angehalten{};
        const int* mx = &sufMax_[zeile(j)];
        const int* mn = &sufMin_[zeile(j)];
        int oben = 0;
        std::vector<int>& offen = offen_[j];
        offen.clear();
        for (std::size_t r = 0; r < r_; ++r) {
            if (e_[r] + mx[r] < 0)
                ++oben;
            else if (e_[r] + mn[r] < 0)
                offen.push_back(static_cast<int>(r));
        }
        const int u = static_cast<int>(offen.size());
        if (!verspricht(bester_ ? oben : oben + u)) return;
        if (offen.empty()) return merkeRekord(oben, j);
        if (knotenFrei_ >= 0 && !tauchen_ && knotenFrei_-- == 0) throw ZuVieleKnoten{};
        if (zerlegen_ && !tauchen_) {
            const int schnell = zerlegt(j);
            if (!verspricht(ausWegen(schnell))) return;
            if (j > 0 && j <= verfeinerteTiefen &&
                !verspricht(ausWegen(static_cast<int>(std::floor(verfeinere(j, knotenRunden) + 1e-6)))))
                return;
        }
        if (j + 1 < teile_.size()) {
            const int ziel = bester_ ? oben + u - rekord_ : rekord_ - oben;
            const int mitWeg = gemeinsameSchranke(j, offen, ziel);
            if (!verspricht(bester_ ? oben + u - mitWeg : oben + mitWeg)) return;
        }
        waehleKandidaten(j, offen);
        const Teil& t = teile_[j];
        // Classes by promise: rivals they settle the way q wants, then the points they move.
        const int* mx1 = &sufMax_[zeile(j + 1)];
        const int* mn1 = &sufMin_[zeile(j + 1)];
        std::vector<std::pair<long long, int>>& folge = folge_[j];
        folge.clear();
        for (int k : kandidaten_[j]) {
            long long wert = 0;
            const int* g = &t.gewinn[static_cast<std::size_t>(k) * r_];
            for (int r : offen) {
                const int v = e_[static_cast<std::size_t>(r)] + g[r];
                if (v + mn1[r] >= 0)
                    wert += bester_ ? 1000 : -1000;
                else if (v + mx1[r] < 0)
                    wert += bester_ ? -1000 : 1000;
                else
                    wert += bester_ ? g[r] : -g[r];
            }
            folge.push_back({-wert, k});
        }
        std::stable_sort(folge.begin(), folge.end());
        for (const auto& [_, k] : folge) {
            const int* g = &t.gewinn[static_cast<std::size_t>(k) * r_];
            for (std::size_t r = 0; r < r_; ++r) e_[r] += g[r];
            wahl_[j] = k;
            tiefe(j + 1);
            for (std::size_t r = 0; r < r_; ++r) e_[r] -= g[r];
            if (fertig() || tauchen_) return;
        }
    }

    const Suchaufgabe& a_;
    int q_;
    bool bester_;
    std::stop_token halt_;
    std::vector<int> rivalen_;
    std::size_t r_ = 0;

    std::map<std::pair<int, int>, std::vector<int>> beherrscht_;  // (match, mask) -> classes worth trying
    std::vector<Teil> teile_;                                     // open matches in search order
    std::vector<int> sufMax_, sufMin_;  // [j * r + rival]: most and least q can still gain from depth j on
    std::vector<int> e_;
    std::vector<int> wahl_;
    std::vector<std::vector<int>> offen_, kandidaten_;           // per depth
    std::vector<std::vector<std::pair<long long, int>>> folge_;  // per depth: classes by promise
    std::vector<std::vector<double>> mu_;                        // per depth, per rival
    std::vector<double> gewicht_, fortschritt_;
    int option_ = 0;
    bool tauchen_ = false;
    long long knotenFrei_ = -1;  // nodes the plain search may still visit, -1 no limit
    bool zerlegen_ = false;      // the decomposed bound is on
    // The decomposed bound of the current option: prices [depth][klasse * r + rival], each rival's best
    // [depth][rival][margin - unten], the least margin per depth and rival, the matches' best by prices from a depth
    // on.
    std::vector<std::vector<double>> preis_;
    std::vector<std::vector<std::vector<double>>> wert_;
    std::vector<std::vector<int>> unten_;
    std::vector<double> meister_;

    int rekord_ = 0;  // rivals above q in the best scenario so far
    int rekordOption_ = 0;
    std::vector<int> rekordWahl_;
};

}  // namespace

std::optional<Platzsuche> besterPlatz(const Suchaufgabe& a, int q, std::stop_token halt) {
    return Suche(a, q, true, std::move(halt)).los();
}

std::optional<Platzsuche> schlechtesterPlatz(const Suchaufgabe& a, int q, std::stop_token halt) {
    return Suche(a, q, false, std::move(halt)).los();
}

long long suchknoten() { return gezaehlteKnoten; }

}  // namespace ovi
