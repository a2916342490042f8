// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/blatt.h"

#include <algorithm>

namespace blatt {

bool schneidet(const Strecke& s, const Rechteck& r)
{
    // The segment a + t (b - a), 0 <= t <= 1, cut down to the part between
    // each pair of the rectangle's edges in turn; it meets the rectangle when
    // something is left.
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
    return kappen(s.a.x, s.b.x - s.a.x, r.links, r.rechts) && kappen(s.a.y, s.b.y - s.a.y, r.oben, r.unten);
}

Rechteck Inhalt::umriss() const
{
    if (leer())
        return {};
    Rechteck u{1e300, 1e300, -1e300, -1e300};
    const auto dazu = [&u](double x, double y) {
        u.links = std::min(u.links, x);
        u.rechts = std::max(u.rechts, x);
        u.oben = std::min(u.oben, y);
        u.unten = std::max(u.unten, y);
    };
    for (const Strecke& s : m_strecken) {
        dazu(s.a.x, s.a.y);
        dazu(s.b.x, s.b.y);
    }
    for (const Rechteck& f : m_flaechen) {
        dazu(f.links, f.oben);
        dazu(f.rechts, f.unten);
    }
    return u;
}

bool Inhalt::beruehrt(const Rechteck& r) const
{
    return std::any_of(m_strecken.begin(), m_strecken.end(), [&r](const Strecke& s) { return schneidet(s, r); })
        || std::any_of(m_flaechen.begin(), m_flaechen.end(), [&r](const Rechteck& f) { return f.schneidet(r); });
}

} // namespace blatt
