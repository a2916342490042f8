// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/corners.h"

#include <cmath>

namespace star {

float halbeGanzzahl(double v)
{
    const auto ganz = static_cast<long long>(std::nearbyint(v));
    return static_cast<float>(ganz / 2);
}

void WerteInit(PeloxState& s, const Masse& m)
{
    s.Pi = 3.14159f;
    s.MitteX = halbeGanzzahl(m.bildInnenBreite);
    s.MitteY = halbeGanzzahl(m.bildInnenHoehe);
    s.Massstab = static_cast<float>(double(s.Verkleinerung) * s.PixelProCm);
    const double rand = double(s.Massstab) * 0.8;  // 0.8 cm of the sheet
    s.ZiehGrenzeLinks = static_cast<float>(rand);
    s.ZiehGrenzeRechts = static_cast<float>(m.bildAussenBreite / s.TwipsProPixel - rand);
    s.ZiehGrenzeOben = static_cast<float>(rand);
    s.ZiehGrenzeUnten = static_cast<float>(m.bildAussenHoehe / s.TwipsProPixel - rand);
    SeitenMitte(s, m.seiteBreite, m.seiteHoehe);
    s.DruckMassstab = s.TwipsProCm;
    RadienZuruecksetzen(s);
}

void SeitenMitte(PeloxState& s, double seiteBreite, double seiteHoehe)
{
    s.DruckMitteX = halbeGanzzahl(seiteBreite);
    s.DruckMitteY = halbeGanzzahl(seiteHoehe);
}

void RadienZuruecksetzen(PeloxState& s)
{
    for (int i = 1; i <= 99; i += 2) {
        s.Radius[i] = static_cast<float>(double(s.AussenDurchmesser) / 2);
        s.Radius[i + 1] = static_cast<float>(double(s.InnenDurchmesser) / 2);
    }
}

void RadiusKorrektur(PeloxState& s)
{
    for (int i = 1; i <= 99; i += 2) {
        s.Radius[i] = static_cast<float>(double(s.Radius[i]) * s.AussenDurchmesserNeu / s.AussenDurchmesser);
        s.Radius[i + 1] = static_cast<float>(double(s.Radius[i + 1]) * s.InnenDurchmesserNeu / s.InnenDurchmesser);
    }
    s.AussenDurchmesser = s.AussenDurchmesserNeu;
    s.InnenDurchmesser = s.InnenDurchmesserNeu;
}

void PeloxBerechnung(PeloxState& s)
{
    // Every intermediate is stored as a float, and the angle accumulates step by
    // step instead of being i times the step: the corners, and with them every
    // printed figure, depend on exactly these roundings.
    const float teilung = static_cast<float>(360.0 / s.AnzahlSpitzen);
    const float spitzenWinkel = static_cast<float>((double(s.Pi) + s.Pi) / 360.0 * teilung);
    const float endWinkel = static_cast<float>(double(s.Pi) + s.Pi - 0.01);
    const float schritt = static_cast<float>(spitzenWinkel / 2.0);

    int i = 1;
    float w = 0;
    // The arrays end at index 100 and the closing corner needs one more slot.
    while (w <= endWinkel && i < 100) {
        s.PunktX[i] = static_cast<float>(s.Radius[i] * std::cos(double(w)));
        s.PunktY[i] = static_cast<float>(s.Radius[i] * std::sin(double(w)) * s.YFaktor);
        ++i;
        w = static_cast<float>(double(w) + schritt);
    }
    // The closing corner repeats corner 1, computed at the angle the loop left.
    s.Radius[i] = s.Radius[1];
    s.PunktX[i] = static_cast<float>(s.Radius[i] * std::cos(double(w)));
    s.PunktY[i] = static_cast<float>(s.Radius[i] * std::sin(double(w)) * s.YFaktor);
    s.AnzahlEcken = static_cast<std::int16_t>(i - 1);
}

} // namespace star
