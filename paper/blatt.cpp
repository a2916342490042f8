// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/blatt.h"

#include <algorithm>

namespace blatt {

namespace {

// The segment a + t (b - a), 0 <= t <= 1, cut down to the part between each
// pair of the rectangle's edges in turn: the range of t that is left, if any.
std::optional<std::pair<double, double>> innen(const Strecke& s, const Rechteck& r)
{
    double t0 = 0;
    double t1 = 1;
    const auto kappen = [&](double a, double d, double min, double max) {
        if (d == 0)
            return a >= min && a <= max;
        double ein = (min - a) / d;
        double aus = (max - a) / d;
        if (ein > aus)
            std::swap(ein, aus);
        t0 = std::max(t0, ein);
        t1 = std::min(t1, aus);
        return t0 <= t1;
    };
    if (!kappen(s.a.x, s.b.x - s.a.x, r.links, r.rechts) || !kappen(s.a.y, s.b.y - s.a.y, r.oben, r.unten))
        return std::nullopt;
    return std::pair(t0, t1);
}

} // namespace

bool schneidet(const Strecke& s, const Rechteck& r)
{
    return innen(s, r).has_value();
}

std::optional<Strecke> beschneiden(const Strecke& s, const Rechteck& r)
{
    // A point inside keeps its whole range of t; a segment that only touches
    // the rectangle keeps a single t.
    const auto t = innen(s, r);
    if (!t || t->first >= t->second)
        return std::nullopt;
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    return Strecke{{s.a.x + t->first * dx, s.a.y + t->first * dy}, {s.a.x + t->second * dx, s.a.y + t->second * dy}};
}

Rechteck umriss(const std::vector<Strecke>& strecken, const std::vector<Rechteck>& flaechen)
{
    if (strecken.empty() && flaechen.empty())
        return {};
    Rechteck u{1e300, 1e300, -1e300, -1e300};
    const auto dazu = [&u](double x, double y) {
        u.links = std::min(u.links, x);
        u.rechts = std::max(u.rechts, x);
        u.oben = std::min(u.oben, y);
        u.unten = std::max(u.unten, y);
    };
    for (const Strecke& s : strecken) {
        dazu(s.a.x, s.a.y);
        dazu(s.b.x, s.b.y);
    }
    for (const Rechteck& f : flaechen) {
        dazu(f.links, f.oben);
        dazu(f.rechts, f.unten);
    }
    return u;
}

Rechteck Inhalt::umriss() const
{
    return blatt::umriss(m_strecken, m_flaechen);
}

bool Inhalt::beruehrt(const Rechteck& r) const
{
    return std::any_of(m_strecken.begin(), m_strecken.end(), [&r](const Strecke& s) { return schneidet(s, r); })
        || std::any_of(m_flaechen.begin(), m_flaechen.end(), [&r](const Rechteck& f) { return f.schneidet(r); });
}

} // namespace blatt
