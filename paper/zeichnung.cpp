// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/zeichnung.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zeichnung {

void falz(Zeichnung& z, int blatt, Punkt a, Punkt b, Rolle rolle, const Falzwahl& w)
{
    if (w.art == Falzart::Keine)
        return;
    if (w.art == Falzart::Ritzen) {
        z.linien.push_back({rolle, blatt, {a, b}, false});
        return;
    }
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lang = std::hypot(dx, dy);
    if (!(lang > 0))
        return;
    const auto bei = [&](double s) { return Punkt{a.x + dx * s / lang, a.y + dy * s / lang}; };
    for (double s = 0; s < lang; s += w.schnitt + w.luecke)
        z.linien.push_back({rolle, blatt, {bei(s), bei(std::min(s + w.schnitt, lang))}, false});
}

double laenge(const Linie& l)
{
    double summe = 0;
    for (std::size_t i = 1; i < l.punkte.size(); ++i)
        summe += std::hypot(l.punkte[i].x - l.punkte[i - 1].x, l.punkte[i].y - l.punkte[i - 1].y);
    if (l.geschlossen && l.punkte.size() > 2)
        summe += std::hypot(l.punkte.front().x - l.punkte.back().x, l.punkte.front().y - l.punkte.back().y);
    return summe;
}

Linie kreis(Rolle rolle, int blatt, Punkt mitte, double radius)
{
    // Fine enough that the mark looks round at the size it is drawn.
    constexpr int kEcken = 24;
    Linie l{rolle, blatt, {}, true};
    for (int i = 0; i < kEcken; ++i) {
        const double w = 2 * std::numbers::pi * i / kEcken;
        l.punkte.push_back({mitte.x + radius * std::cos(w), mitte.y + radius * std::sin(w)});
    }
    return l;
}

} // namespace zeichnung
