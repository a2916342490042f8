// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/drag.h"

#include <cmath>

namespace star {

double bildX(const PeloxState& s, int i)
{
    return double(s.PunktX[i]) * s.Massstab + s.MitteX;
}

double bildY(const PeloxState& s, int i)
{
    return double(s.PunktY[i]) * s.Massstab + s.MitteY;
}

bool inReichweite(const PeloxState& s, int i, double x, double y)
{
    return std::abs(x - bildX(s, i)) < s.FangAbstand && std::abs(y - bildY(s, i)) < s.FangAbstand;
}

std::int16_t fangEcke(const PeloxState& s, double x, double y)
{
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        if (inReichweite(s, i, x, y))
            return static_cast<std::int16_t>(i);
    }
    return 0;
}

float ziehRadius(const PeloxState& s, int i, double x, double y)
{
    // The bounds belong to the area.
    const bool imBereich = s.ZiehGrenzeLinks <= x && x <= s.ZiehGrenzeRechts && s.ZiehGrenzeOben <= y
        && y <= s.ZiehGrenzeUnten;
    if (!imBereich) {
        x = bildX(s, i);
        y = bildY(s, i);
    }
    const double dy = (y - s.MitteY) / s.YFaktor;
    const double dx = x - s.MitteX;
    return static_cast<float>(std::sqrt(dy * dy + dx * dx) / s.Massstab);
}

} // namespace star
