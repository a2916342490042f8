// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/picturesize.h"

#include <algorithm>
#include <cmath>

namespace star {

void BildGrösseRechnen(PeloxState& s)
{
    constexpr double rand = 0.3;
    // The extremes start at 0, so the centre is always inside the picture,
    // also for a star pulled to one side of it.
    float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        xMin = std::min(xMin, s.PunktX[i]);
        xMax = std::max(xMax, s.PunktX[i]);
        yMin = std::min(yMin, s.PunktY[i]);
        yMax = std::max(yMax, s.PunktY[i]);
    }
    s.BildMitteX = static_cast<float>((std::abs(double(xMin)) + rand) * s.PixelProCm);
    s.BildMitteY = static_cast<float>((std::abs(double(yMin)) + rand) * s.PixelProCm);
    s.BildBreite = static_cast<float>((double(xMax) + rand) * s.PixelProCm + s.BildMitteX);
    s.BildHoehe = static_cast<float>((double(yMax) + rand) * s.PixelProCm + s.BildMitteY);
}

bool BildMachbar(const PeloxState& s)
{
    // Whole pixels, as the picture is made; written so that NaN is refused too.
    const double breite = std::round(double(s.BildBreite));
    const double hoehe = std::round(double(s.BildHoehe));
    return breite <= kGroessteBildSeite && hoehe <= kGroessteBildSeite
        && breite * hoehe * 4 <= kGroessteBildBytes;
}

} // namespace star
