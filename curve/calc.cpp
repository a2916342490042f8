// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curve/calc.h"

#include <cmath>

namespace curve {

void KurvenBerechnung(PeloxState& s)
{
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        const float dx = static_cast<float>(double(s.PunktX[i + 1]) - s.PunktX[i]);
        const float dy = static_cast<float>(double(s.PunktY[i + 1]) - s.PunktY[i]);
        const float laenge = static_cast<float>(std::sqrt(double(dx) * dx + double(dy) * dy));
        if (laenge == 0) {
            // Two neighbouring corners on the same spot (both pulled onto the
            // centre): the edge has no direction, its bend points stay on it.
            s.RichtungX = 0;
            s.RichtungY = 0;
            for (int k = 1; k <= 3; ++k) {
                s.KurvePunktX[i][k] = s.PunktX[i];
                s.KurvePunktY[i][k] = s.PunktY[i];
            }
            continue;
        }
        s.RichtungX = static_cast<float>(dx / double(laenge));
        s.RichtungY = static_cast<float>(dy / double(laenge));

        const bool gerade = i % 2 == 0;
        if (gerade) {
            s.TeilX[1] = static_cast<float>(dx / 4.0);
            s.TeilY[1] = static_cast<float>(dy / 4.0);
            s.TeilX[2] = static_cast<float>(dx / 2.0);
            s.TeilY[2] = static_cast<float>(dy / 2.0);
            s.TeilX[3] = static_cast<float>(double(s.TeilX[2]) + s.TeilX[1]);
            s.TeilY[3] = static_cast<float>(double(s.TeilY[2]) + s.TeilY[1]);
        } else {
            s.TeilX[3] = static_cast<float>(dx / 4.0);
            s.TeilY[3] = static_cast<float>(dy / 4.0);
            s.TeilX[2] = static_cast<float>(dx / 2.0);
            s.TeilY[2] = static_cast<float>(dy / 2.0);
            s.TeilX[1] = static_cast<float>(double(s.TeilX[3]) + s.TeilX[2]);
            s.TeilY[1] = static_cast<float>(double(s.TeilY[3]) + s.TeilY[2]);
        }

        for (int j = 1; j <= 3; ++j) {
            s.VersatzX = static_cast<float>(double(s.KurvenWert[j]) * s.RichtungY);
            s.VersatzY = static_cast<float>(double(s.KurvenWert[j]) * s.RichtungX);
            const int slot = gerade ? j : 4 - j;
            s.KurvePunktX[i][slot] = static_cast<float>(double(s.PunktX[i]) + s.TeilX[j] - s.VersatzX);
            s.KurvePunktY[i][slot] = static_cast<float>(double(s.PunktY[i]) + s.TeilY[j] + s.VersatzY);
        }
    }
}

float KurvenWertAus(const PeloxState& s, double y)
{
    return static_cast<float>((y - s.KurveNullY) / (double(s.Verkleinerung) * s.TwipsProCm));
}

} // namespace curve
