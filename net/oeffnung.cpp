// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/oeffnung.h"

#include "net/vieleck.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace netz {

namespace {

constexpr double kPi = std::numbers::pi;

// Where the segment from outside the circle about m to inside meets it.
Punkt aufKreis(Punkt aussen, Punkt innen, Punkt m, double r)
{
    double lo = 0, hi = 1;
    for (int i = 0; i < 60; ++i) {
        const double mitte = (lo + hi) / 2;
        (laenge(aussen + mitte * (innen - aussen) - m) >= r ? lo : hi) = mitte;
    }
    return aussen + lo * (innen - aussen);
}

// The folds that reach into the opening start at its edge: there is no
// paper nearer the peak to fold.
void faltenKuerzen(Teil& t, double r)
{
    const Punkt m = t.dreiecke.front()[0];
    std::vector<Falte> bleiben;
    for (Falte f : t.falten) {
        const bool a = laenge(f.a - m) < r, b = laenge(f.b - m) < r;
        if (a && b)
            continue;
        if (a || b) {
            Punkt& innen = a ? f.a : f.b;
            innen = aufKreis(a ? f.b : f.a, innen, m, r);
        }
        bleiben.push_back(f);
    }
    t.falten = std::move(bleiben);
}

// The arc of the opening about m from angle von by sweep, with the slit
// along the direction schlitz where the arc passes it.
std::vector<Punkt> oeffnungsBogen(Punkt m, double r, double von, double sweep, const std::optional<double>& schlitz)
{
    if (!schlitz)
        return bogen(m, r, von, sweep);
    const double beta = std::asin(kSchlitzBreite / 2 / r);
    const double richtung = sweep < 0 ? -1 : 1;
    // The slit's angle, counted from von in the sweep's direction.
    const double t = std::remainder(richtung * (*schlitz - von) - kPi, 2 * kPi) + kPi;
    std::vector<Punkt> p = bogen(m, r, von, richtung * (t - beta));
    const Punkt u{std::cos(*schlitz), std::sin(*schlitz)};
    const Punkt quer = richtung * Punkt{-u.y, u.x};
    p.push_back(m + (r + kSchlitzLaenge) * u - (kSchlitzBreite / 2) * quer);
    p.push_back(m + (r + kSchlitzLaenge) * u + (kSchlitzBreite / 2) * quer);
    const std::vector<Punkt> rest = bogen(m, r, von + richtung * (t + beta), sweep - richtung * (t + beta));
    p.insert(p.end(), rest.begin(), rest.end());
    return p;
}

} // namespace

std::vector<Punkt> kreis(Punkt m, double r)
{
    std::vector<Punkt> k = bogen(m, r, 0, 2 * kPi);
    k.pop_back();
    return k;
}

bool oeffnungSchneiden(Teil& t, double r, const std::optional<double>& schlitz)
{
    const Punkt m = t.dreiecke.front()[0];
    std::vector<Punkt>& s = t.schnitt;
    const std::size_t n = s.size();
    const auto spitze = std::find_if(s.begin(), s.end(), [&](Punkt p) { return gleich(p, m); });
    if (spitze == s.end()) {
        // Started opposite the slit, the arc passes it halfway round.
        const double von = schlitz ? *schlitz + kPi : 0;
        std::vector<Punkt> loch = oeffnungsBogen(m, r, von, 2 * kPi, schlitz);
        loch.erase(loch.begin());
        loch.pop_back();
        t.loecher.push_back({Loch::Art::Oeffnung, 0, -1, linksrum(loch)});
        faltenKuerzen(t, r);
        return true;
    }
    const std::size_t k = std::size_t(spitze - s.begin());
    const auto punkt = [&](std::size_t i) { return s[i % n]; };
    std::size_t vor = 1, nach = 1;
    while (vor < n && laenge(punkt(k + n - vor) - m) < r)
        ++vor;
    while (nach < n && laenge(punkt(k + nach) - m) < r)
        ++nach;
    if (vor + nach >= n)
        return false;
    const Punkt a = aufKreis(punkt(k + n - vor), punkt(k + n - vor + 1), m, r);
    const Punkt b = aufKreis(punkt(k + nach), punkt(k + nach - 1), m, r);
    const double wa = std::atan2(a.y - m.y, a.x - m.x), wb = std::atan2(b.y - m.y, b.x - m.x);
    double sweep = std::remainder(wb - wa, 2 * kPi);
    if (sweep == 0)
        sweep = 2 * kPi;
    // The arc runs through the piece, whichever way round that is.
    const double mitte = wa + sweep / 2;
    if (!drinnen(s, m + r * Punkt{std::cos(mitte), std::sin(mitte)}))
        sweep -= std::copysign(2 * kPi, sweep);
    std::vector<Punkt> neu;
    for (std::size_t i = nach; i <= n - vor; ++i)
        neu.push_back(punkt(k + i));
    const std::vector<Punkt> b2 = oeffnungsBogen(m, r, wa, sweep, schlitz);
    neu.insert(neu.end(), b2.begin(), b2.end());
    s = std::move(neu);
    faltenKuerzen(t, r);
    return true;
}

} // namespace netz
