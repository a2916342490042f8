// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "poster/plan.h"

#include <cmath>
#include <vector>

// The true-size outline of computed corners as segments through every corner
// and, with the curve on, every bend point; for "Drei-D" the spokes too.
inline std::vector<poster::Strecke> umriss(const PeloxState& s, bool dreiD)
{
    std::vector<poster::Punkt> punkte;
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        punkte.push_back({s.PunktX[i], s.PunktY[i]});
        for (int k = 1; k <= 3 && s.KurveEin; ++k)
            punkte.push_back({s.KurvePunktX[i][k], s.KurvePunktY[i][k]});
    }
    punkte.push_back({s.PunktX[s.AnzahlEcken + 1], s.PunktY[s.AnzahlEcken + 1]});
    std::vector<poster::Strecke> r;
    for (std::size_t i = 0; i + 1 < punkte.size(); ++i)
        r.push_back({punkte[i], punkte[i + 1]});
    for (int i = 1; i <= s.AnzahlEcken && dreiD; ++i)
        r.push_back({{s.PunktX[i], s.PunktY[i]}, {0, 0}});
    return r;
}

// Points along the segments, no more than half a centimetre apart, both ends
// included.
inline std::vector<poster::Punkt> entlang(const std::vector<poster::Strecke>& strecken)
{
    std::vector<poster::Punkt> r;
    for (const poster::Strecke& z : strecken) {
        const int n = int(std::hypot(z.b.x - z.a.x, z.b.y - z.a.y) / 0.5) + 1;
        for (int k = 0; k <= n; ++k)
            r.push_back({z.a.x + (z.b.x - z.a.x) * k / n, z.a.y + (z.b.y - z.a.y) * k / n});
    }
    return r;
}
