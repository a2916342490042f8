// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/laschen.h"

#include <algorithm>
#include <cmath>

namespace netz {

namespace {

// Tabs are tried at these fractions of their width, and at each with their
// ends moved in by these fractions of their edge, until one overlaps nothing.
constexpr double kBreiten[] = {1, 0.8, 0.6, 0.45, 0.3, 0.2, 0.12, 0.07, 0.04, 0.02};
constexpr double kEinzuege[] = {0.15, 0.3, 0.45, 0.6, 0.75};
// The shortest edge of a cut line that scissors can follow, cm.
constexpr double kKuerzesteKante = 0.01;
// The steepest a tab's side stands at a corner of the star, the notch
// between two tabs meeting at a corner, and the least a side leans over.
constexpr double kSteilsterEckWinkel = 75 * std::numbers::pi / 180;
constexpr double kKerbe = 10 * std::numbers::pi / 180;
constexpr double kSchmalsterWinkel = 0.1 * std::numbers::pi / 180;

// The clearance a tab keeps from everything it does not meet at a corner,
// so that the cut line never touches itself, cm.
constexpr double kSpielraum = 0.02;

double kot(double w)
{
    return std::cos(w) / std::sin(w);
}

// A part of a tab whose sides stand at angles of the cotangents ka and kb
// to its edge.
std::vector<Punkt> stueckKot(Punkt a, Punkt b, Punkt n, double breite, double ka, double kb)
{
    const double l = laenge(b - a);
    const Punkt u = (1 / l) * (b - a);
    if (ka + kb > 0 && l / (ka + kb) <= breite) {
        const double spitze = l / (ka + kb);
        return {a, b, a + spitze * ka * u + spitze * n};
    }
    const Punkt vorn = b - breite * kb * u + breite * n, hinten = a + breite * ka * u + breite * n;
    // An outer edge too short to cut is none: the part ends in a point
    // between its corners, inside it.
    if (laenge(vorn - hinten) < kKuerzesteKante)
        return {a, b, 0.5 * (vorn + hinten)};
    return {a, b, vorn, hinten};
}

// The cotangents of an Entwurf's angles, worked out once for all the widths
// and moved-in ends its tab is tried at.
struct Kotangenten {
    std::vector<double> anfang;
    std::vector<double> ende;
    explicit Kotangenten(const Entwurf& e)
    {
        for (std::size_t j = 0; j < e.n.size(); ++j) {
            anfang.push_back(kot(e.anfang[j]));
            ende.push_back(kot(e.ende[j]));
        }
    }
};

Lasche bauen(const Entwurf& e, const Kotangenten& k, double breite, double vorn, double hinten)
{
    static const double eck = kot(kEckWinkel);
    Lasche lasche;
    const std::size_t m = e.n.size();
    lasche.reserve(m);
    for (std::size_t j = 0; j < m; ++j) {
        const Punkt u = (1 / laenge(e.p[j + 1] - e.p[j])) * (e.p[j + 1] - e.p[j]);
        const Punkt a = j == 0 ? e.p[j] + vorn * u : e.p[j];
        const Punkt b = j + 1 == m ? e.p[j + 1] - hinten * u : e.p[j + 1];
        const double ka = j == 0 && vorn > 0 ? eck : k.anfang[j];
        const double kb = j + 1 == m && hinten > 0 ? eck : k.ende[j];
        lasche.push_back(stueckKot(a, b, e.n[j], breite, ka, kb));
    }
    return lasche;
}

// Whether two convex polygons share a corner.
bool gemeinsameEcke(const std::vector<Punkt>& a, const std::vector<Punkt>& b)
{
    for (const Punkt& p : a)
        for (const Punkt& q : b)
            if (laenge(p - q) < 1e-9)
                return true;
    return false;
}

struct Leger {
    double lasche;  // the width asked for
    // Faces and tabs' parts laid so far, the rectangle around each with the
    // clearance, and whose each is: the tab's number, or -1 for a face.
    std::vector<std::vector<Punkt>> belegt;
    std::vector<Rechteck> rahmen;
    std::vector<int> wem;

    void belegen(std::vector<Punkt> v, int wessen = -1)
    {
        Rechteck r = umriss(v);
        r = {r.links - kSpielraum, r.oben - kSpielraum, r.rechts + kSpielraum, r.unten + kSpielraum};
        rahmen.push_back(r);
        belegt.push_back(std::move(v));
        wem.push_back(wessen);
    }

    // Whether tab number `wessen` overlaps nothing laid but itself.
    bool frei(const Lasche& k, int wessen) const
    {
        for (const std::vector<Punkt>& s : k) {
            const Rechteck r = umriss(s);
            for (std::size_t i = 0; i < belegt.size(); ++i) {
                if (wem[i] == wessen && wessen >= 0)
                    continue;
                if (!r.schneidet(rahmen[i]))
                    continue;
                // What the part meets at a corner it is kept apart from by
                // the angles of its sides; anything else by the clearance.
                if (gemeinsameEcke(s, belegt[i]) ? ueberlappen(s, belegt[i])
                                                 : naeherAls(s, belegt[i], kSpielraum))
                    return false;
            }
        }
        return true;
    }

    // The deepest tab up to the width `breite` deeper than `tiefste` that
    // overlaps nothing laid but itself: as it stands at that width, else
    // also narrower and with its ends moved in along their segments, until
    // no narrower one could be deeper.
    std::optional<Lasche> suchen(const Entwurf& e, int wessen, double breite, double tiefste) const
    {
        const double l0 = laenge(e.p[1] - e.p[0]);
        const double l1 = laenge(e.p.back() - e.p[e.p.size() - 2]);
        const bool einTeil = e.n.size() == 1;
        const Kotangenten kot(e);
        std::optional<Lasche> k;
        for (const double f : kBreiten) {
            const double b = breite * f;
            if (tiefste >= b - 1e-9)
                break;
            const auto versuchen = [&](double vorn, double hinten) {
                const Lasche v = bauen(e, kot, b, vorn, hinten);
                const double t = tiefe(v);
                if (t > tiefste + 1e-9 && frei(v, wessen)) {
                    k = v;
                    tiefste = t;
                }
            };
            // Moved in, a tab is never deeper than where it stands, unless
            // the room beside a corner it starts or ends at held it back.
            versuchen(0, 0);
            const bool eng = e.anfang.front() < kEckWinkel || e.ende.back() < kEckWinkel;
            for (std::size_t i = 0; tiefste < b - 1e-9 && (!k || eng) && i < std::size(kEinzuege); ++i) {
                for (const auto& [vorn, hinten] : {std::pair{kEinzuege[i] * l0, 0.0},
                         std::pair{0.0, kEinzuege[i] * l1}, std::pair{kEinzuege[i] * l0, kEinzuege[i] * l1}}) {
                    if (!(einTeil ? vorn + hinten >= l0 : vorn >= l0 || hinten >= l1))
                        versuchen(vorn, hinten);
                }
            }
        }
        return k;
    }

    // The tabs, each as deep as the others leave room for: first every one
    // only as deep as glue needs, so that none takes the room another
    // needs for that, then each in turn as deep as its width and the others
    // allow.
    std::vector<std::optional<Lasche>> legen(const std::vector<Entwurf>& entwuerfe)
    {
        std::vector<std::optional<Lasche>> k(entwuerfe.size());
        for (std::size_t i = 0; i < entwuerfe.size(); ++i) {
            k[i] = suchen(entwuerfe[i], int(i), std::min(lasche, kKlebbar), 0);
            for (std::size_t s = 0; k[i] && s < k[i]->size(); ++s)
                belegen((*k[i])[s], int(i));
        }
        for (std::size_t i = 0; lasche > kKlebbar && i < entwuerfe.size(); ++i) {
            std::optional<Lasche> tiefer = suchen(entwuerfe[i], int(i), lasche, k[i] ? tiefe(*k[i]) : 0);
            if (!tiefer)
                continue;
            for (std::size_t j = belegt.size(); j-- > 0;) {
                if (wem[j] == int(i)) {
                    belegt.erase(belegt.begin() + std::ptrdiff_t(j));
                    rahmen.erase(rahmen.begin() + std::ptrdiff_t(j));
                    wem.erase(wem.begin() + std::ptrdiff_t(j));
                }
            }
            k[i] = std::move(tiefer);
            for (const std::vector<Punkt>& s : *k[i])
                belegen(s, int(i));
        }
        return k;
    }
};

} // namespace

double winkelBei(Punkt a, Punkt b, Punkt c)
{
    return std::abs(std::atan2(kreuz(b - a, c - a), skalar(b - a, c - a)));
}

std::vector<Punkt> stueck(Punkt a, Punkt b, Punkt n, double breite, double wa, double wb)
{
    return stueckKot(a, b, n, breite, kot(wa), kot(wb));
}

double eckWinkel(double kante)
{
    return std::clamp(std::atan(2 * kKlebbar / kante), kEckWinkel, kSteilsterEckWinkel);
}

double seitenWinkel(bool biegung, double innen, double nachbar, bool nachbarLasche, double ecke)
{
    const double raum = std::max(0.0, 2 * std::numbers::pi - innen - nachbar);
    const double frei = raum - std::min(kKerbe, raum / 2);
    double w = nachbarLasche ? frei / 2 : frei;
    w = std::min(w, biegung ? std::min(innen, std::numbers::pi / 2) : ecke);
    return std::max(w, kSchmalsterWinkel);
}

double tiefe(const Lasche& k)
{
    double t = 0;
    for (const std::vector<Punkt>& s : k) {
        const Punkt u = (1 / laenge(s[1] - s[0])) * (s[1] - s[0]);
        for (std::size_t i = 2; i < s.size(); ++i)
            t = std::max(t, std::abs(kreuz(u, s[i] - s[0])));
    }
    return t;
}


Lasche Entwurf::bei(double breite, double vorn, double hinten) const
{
    return bauen(*this, Kotangenten(*this), breite, vorn, hinten);
}

std::vector<std::optional<Lasche>> laschenLegen(
    const std::vector<std::array<Punkt, 3>>& flaechen, const std::vector<Entwurf>& entwuerfe, double lasche)
{
    Leger leger{lasche, {}, {}, {}};
    for (const std::array<Punkt, 3>& d : flaechen)
        leger.belegen({d.begin(), d.end()});
    return leger.legen(entwuerfe);
}

std::optional<Phrase> laschenHinweis(const std::vector<Teil>& teile)
{
    int schmal = 0, alle = 0;
    for (const Teil& t : teile) {
        for (const Lasche& k : t.laschen) {
            ++alle;
            schmal += tiefe(k) < kKlebbar - 1e-9;
        }
    }
    if (schmal == 0)
        return std::nullopt;
    return PELOX_TEXT("netz", "Schmaler als 3 mm und damit kaum zu kleben: %1 von %2 Laschen. Diese Kanten besser "
                              "mit einem Streifen Klebeband schließen.")
        .arg(schmal)
        .arg(alle);
}

} // namespace netz
