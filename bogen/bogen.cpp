// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The stars of one size go into a lattice: rows of stars turned alike, every
// other row shifted along and turned by a half point, so that tips reach
// between tips. For a choice of turns and shifts the rows are pushed as close
// as the true outlines and the gap allow; the lattice that puts the most
// stars on the sheet wins. The lattice of the enclosing circles packed
// hexagonally is always among those tried, so no sheet holds fewer than it.
#include "bogen/bogen.h"

#include "paper/pruefmass.h"
#include "poster/plan.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <tuple>

namespace bogen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kDrehungen = 8;   // turns tried within a point's angle
constexpr int kVersaetze = 8;   // shifts of every other row tried within a star's spacing
constexpr int kSchritte = 13;   // halvings in the search for the least spacing
constexpr int kLagen = 4;       // shifts of the whole lattice on the sheet, each way

struct Gitter {
    double theta = 0;
    double phi = 0;
    double dx = 0;
    double ox = 0;
    double dy = 0;

    double winkel(int r) const { return theta + ((r & 1) ? phi : 0); }
    Punkt ort(int r, int i) const { return {i * dx + ((r & 1) ? ox : 0), r * dy}; }
};

struct Platz {
    Punkt ort;
    double winkel = 0;
};

// The spacings within a lattice of stars of one form that keep the gap.
class Suche {
public:
    Suche(const form::Form& f, double abstand) : m_f(f), m_abstand(abstand), m_weit(2 * f.radius() + abstand) {}

    double weit() const { return m_weit; }

    // The least spacing of a row of stars turned by w.
    double reihe(double w) const
    {
        return kleinste([&](double dx) {
            for (int k = 1; k * dx < m_weit; ++k)
                if (!paar(w, w, {k * dx, 0}))
                    return false;
            return true;
        });
    }

    // The least row spacing of the lattice with its dx and ox set.
    double zeilen(Gitter g) const
    {
        return kleinste([&](double dy) {
            g.dy = dy;
            return frei(g);
        });
    }

private:
    const form::Form& m_f;
    double m_abstand;
    double m_weit;

    bool paar(double w1, double w2, Punkt d) const { return form::frei(m_f, {w1, {}}, m_f, {w2, d}, m_abstand); }

    // Every star of the lattice against those of other rows near enough to
    // touch it, for both kinds of row.
    bool frei(const Gitter& g) const
    {
        for (int m = 1; m * g.dy < m_weit; ++m) {
            const double versatz = (m & 1) ? g.ox : 0;
            for (int k = int(std::floor((-m_weit - versatz) / g.dx)); k * g.dx + versatz < m_weit; ++k) {
                const double x = k * g.dx + versatz;
                if (m & 1) {
                    if (!paar(g.theta, g.theta + g.phi, {x, m * g.dy})
                        || !paar(g.theta, g.theta + g.phi, {x, -m * g.dy}))
                        return false;
                } else if (!paar(g.theta, g.theta, {x, m * g.dy})
                    || !paar(g.theta + g.phi, g.theta + g.phi, {x, m * g.dy})) {
                    return false;
                }
            }
        }
        return true;
    }

    template <class Frei>
    double kleinste(const Frei& frei) const
    {
        double frueh = 0, spaet = m_weit;
        for (int i = 0; i < kSchritte; ++i) {
            const double mitte = (frueh + spaet) / 2;
            (frei(mitte) ? spaet : frueh) = mitte;
        }
        return spaet;
    }
};

Punkt drehen(Punkt p, double w)
{
    return form::Lage{w, {}}(p);
}

// The stars of the lattice turned by psi and moved by the shift that lie
// whole in the area and clear of what is reserved.
std::vector<Platz> plaetze(const form::Form& f, const Gitter& g, double psi, Punkt verschiebung, const Rechteck& bereich,
    const std::vector<Rechteck>& gesperrt, double abstand)
{
    const Rechteck um[2] = {f.umriss(g.winkel(0) + psi), f.umriss(g.winkel(1) + psi)};
    const Punkt t{bereich.links - um[0].links + verschiebung.x, bereich.oben - um[0].oben + verschiebung.y};
    // The area in the lattice's own frame bounds the rows and columns.
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    for (const Punkt& e : {Punkt{bereich.links, bereich.oben}, Punkt{bereich.rechts, bereich.oben},
             Punkt{bereich.links, bereich.unten}, Punkt{bereich.rechts, bereich.unten}}) {
        const Punkt p = drehen({e.x - t.x, e.y - t.y}, -psi);
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    const double rand = 2 * f.radius();
    std::vector<Platz> p;
    for (int r = int(std::floor((y0 - rand) / g.dy)); r * g.dy <= y1 + rand; ++r) {
        const Rechteck& u = um[r & 1];
        for (int i = int(std::floor((x0 - rand - g.ox) / g.dx)); i * g.dx <= x1 + rand; ++i) {
            const Punkt o = drehen(g.ort(r, i), psi);
            const Punkt ort{o.x + t.x, o.y + t.y};
            const Rechteck box{u.links + ort.x, u.oben + ort.y, u.rechts + ort.x, u.unten + ort.y};
            if (!bereich.erweitert(1e-9).enthaelt(box))
                continue;
            // Tips may reach past the corner of what is reserved.
            if (std::any_of(gesperrt.begin(), gesperrt.end(), [&](const Rechteck& s) {
                    return box.erweitert(abstand).schneidet(s) && !form::frei(f, {g.winkel(r) + psi, ort}, s, abstand);
                }))
                continue;
            p.push_back({ort, g.winkel(r) + psi});
        }
    }
    return p;
}

// Row by row from the top, so that a sheet not filled is filled from the top.
void ordnen(std::vector<Platz>& p)
{
    std::sort(p.begin(), p.end(), [](const Platz& a, const Platz& b) {
        return std::tie(a.ort.y, a.ort.x) < std::tie(b.ort.y, b.ort.x);
    });
}

// Every way the lattice is laid on the sheet: upright or a quarter turned,
// and moved by fractions of its spacings.
template <class Tun>
void jedeLage(const Gitter& g, const Tun& tun)
{
    for (const double psi : {0.0, kPi / 2})
        for (int a = 0; a < kLagen; ++a)
            for (int b = 0; b < kLagen; ++b) {
                const Punkt v = drehen({a * g.dx / kLagen, b * 2 * g.dy / kLagen}, psi);
                tun(psi, Punkt{-v.x, -v.y});
            }
}

// The lattices tried for the form: for each turn, with every other row
// turned alike or by half a point, and shifted by a fraction of the spacing.
std::vector<Gitter> gitter(const form::Form& f, int spitzen, double abstand)
{
    const Suche suche(f, abstand);
    std::vector<Gitter> alle;
    // The enclosing circles packed hexagonally.
    const double d = suche.weit();
    alle.push_back({0, 0, d, d / 2, d * std::sqrt(3.0) / 2});
    const double spitze = 2 * kPi / std::max(1, spitzen);
    for (int t = 0; t < kDrehungen; ++t) {
        const double theta = spitze * t / kDrehungen;
        for (const double phi : {0.0, spitze / 2}) {
            const double dx = std::max(suche.reihe(theta), suche.reihe(theta + phi));
            for (int v = 0; v < kVersaetze; ++v) {
                Gitter g{theta, phi, dx, dx * v / kVersaetze, 0};
                g.dy = suche.zeilen(g);
                alle.push_back(g);
            }
        }
    }
    return alle;
}

// The lattice, laid as it holds the most stars on an empty sheet; those places.
struct Wahl {
    Gitter gitter;
    std::vector<Platz> plaetze;
};

Wahl bestes(const form::Form& f, int spitzen, const Rechteck& bereich, const std::vector<Rechteck>& gesperrt,
    double abstand)
{
    Wahl w;
    for (const Gitter& g : gitter(f, spitzen, abstand))
        jedeLage(g, [&](double psi, Punkt v) {
            std::vector<Platz> p = plaetze(f, g, psi, v, bereich, gesperrt, abstand);
            if (p.size() > w.plaetze.size())
                w = {g, std::move(p)};
        });
    ordnen(w.plaetze);
    return w;
}

} // namespace

std::vector<Punkt> umriss(const PeloxState& s)
{
    std::vector<Punkt> p;
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        p.push_back({s.PunktX[i], s.PunktY[i]});
        if (s.KurveEin)
            for (int k = 1; k <= 3; ++k)
                p.push_back({s.KurvePunktX[i][k], s.KurvePunktY[i][k]});
    }
    return p;
}

int Bogen::anzahl(int blatt) const
{
    return int(std::count_if(sterne.begin(), sterne.end(), [blatt](const Stern& s) { return s.blatt == blatt; }));
}

std::vector<std::vector<Punkt>> Bogen::umrisse(int blatt) const
{
    std::vector<std::vector<Punkt>> u;
    for (const Stern& s : sterne)
        if (s.blatt == blatt)
            u.push_back(formen[std::size_t(s.sorte)].gelegt(s.lage));
    return u;
}

Ergebnis auslegen(
    const std::vector<Sorte>& sorten, double breite, double hoehe, double abstand, const std::vector<Rechteck>& gesperrt)
{
    Bogen b;
    b.bereich = {0, 0, breite, hoehe};
    for (const Sorte& s : sorten)
        b.formen.emplace_back(s.umriss);
    // The largest first, so that the smaller fill what is left beside them.
    std::vector<int> folge(sorten.size());
    for (std::size_t i = 0; i < folge.size(); ++i)
        folge[i] = int(i);
    std::stable_sort(folge.begin(), folge.end(),
        [&](int x, int y) { return b.formen[std::size_t(x)].radius() > b.formen[std::size_t(y)].radius(); });
    for (const int i : folge) {
        const form::Form& f = b.formen[std::size_t(i)];
        int rest = sorten[std::size_t(i)].anzahl;
        if (rest <= 0)
            continue;
        const Wahl w = bestes(f, sorten[std::size_t(i)].spitzen, b.bereich, gesperrt, abstand);
        if (w.plaetze.empty())
            return {std::nullopt,
                PELOX_TEXT("Sternbogen", "Ein Stern von %1 cm passt nicht auf das Blatt (%2 × %3 cm).")
                    .arg(sorten[std::size_t(i)].durchmesser > 0 ? sorten[std::size_t(i)].durchmesser : 2 * f.radius(), 1)
                    .arg(breite, 1)
                    .arg(hoehe, 1)};
        const auto legen = [&](int blatt, const std::vector<Platz>& p) {
            for (std::size_t k = 0; k < p.size() && rest > 0; ++k, --rest)
                b.sterne.push_back({i, blatt, {p[k].winkel, p[k].ort}});
        };
        // Sheets already begun take what fits beside their stars.
        for (int blatt = 0; blatt < b.blaetter && rest > 0; ++blatt) {
            std::vector<Stern> darauf;
            std::copy_if(b.sterne.begin(), b.sterne.end(), std::back_inserter(darauf),
                [blatt](const Stern& s) { return s.blatt == blatt; });
            std::vector<Platz> beste;
            jedeLage(w.gitter, [&](double psi, Punkt v) {
                std::vector<Platz> p;
                for (const Platz& q : plaetze(f, w.gitter, psi, v, b.bereich, gesperrt, abstand)) {
                    const bool frei = std::all_of(darauf.begin(), darauf.end(), [&](const Stern& s) {
                        return form::frei(b.formen[std::size_t(s.sorte)], s.lage, f, {q.winkel, q.ort}, abstand);
                    });
                    if (frei)
                        p.push_back(q);
                }
                if (p.size() > beste.size())
                    beste = std::move(p);
            });
            ordnen(beste);
            legen(blatt, beste);
        }
        while (rest > 0)
            legen(b.blaetter++, w.plaetze);
    }
    return {std::move(b), {}};
}

std::vector<Rechteck> vorbehalten(double breite, double hoehe)
{
    // The check scale's square with its distance from the edges and from
    // what is drawn, as pruefmass::FreieEcke wants it in a corner, and the
    // footer's two lines above it.
    const double ecke = pruefmass::kSeite / blatt::kTwipsProCm + 0.7;
    return {{breite - ecke, hoehe - ecke - kFusszeile, breite, hoehe}};
}

Ergebnis auslegen(const PeloxState& s, const std::vector<Groesse>& groessen, double breite, double hoehe, double abstand)
{
    std::vector<Sorte> sorten;
    for (const Groesse& g : groessen)
        sorten.push_back({umriss(poster::skaliert(s, g.durchmesser)), g.anzahl, s.AnzahlSpitzen, g.durchmesser});
    return auslegen(sorten, breite, hoehe, abstand, vorbehalten(breite, hoehe));
}

} // namespace bogen
