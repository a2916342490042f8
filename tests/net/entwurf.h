// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "curve/calc.h"
#include "star/corners.h"

#include <random>

// Designs for the net's tests: the start-up star, and random ones with
// pulled corners and bent edges, corners and bend points computed.
inline PeloxState netzStern(int spitzen = 8, double aussen = 19, double innen = 8)
{
    PeloxState s;
    s.Pi = 3.14159f;
    s.AussenDurchmesser = s.AussenDurchmesserNeu = float(aussen);
    s.InnenDurchmesser = s.InnenDurchmesserNeu = float(innen);
    s.YFaktor = 1;
    s.AnzahlSpitzen = static_cast<std::int16_t>(spitzen);
    star::RadienZuruecksetzen(s);
    star::PeloxBerechnung(s);
    return s;
}

inline void biegen(PeloxState& s, float k1, float k2, float k3)
{
    s.KurveEin = true;
    s.KurvenWert[1] = k1;
    s.KurvenWert[2] = k2;
    s.KurvenWert[3] = k3;
    curve::KurvenBerechnung(s);
}

inline PeloxState zufallsStern(std::mt19937& zufall)
{
    const auto zahl = [&zufall](double a, double b) { return std::uniform_real_distribution<double>(a, b)(zufall); };
    const int spitzen = std::uniform_int_distribution<int>(2, 36)(zufall);
    const double aussen = zahl(2, 19);
    PeloxState s = netzStern(spitzen, aussen, zahl(0.5, aussen));
    s.YFaktor = float(zahl(0.3, 2));
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        if (zahl(0, 1) < 0.2)
            s.Radius[i] = float(zahl(0, aussen * 0.6));
    }
    star::PeloxBerechnung(s);
    if (zahl(0, 1) < 0.5) {
        const double b = aussen / 40;
        biegen(s, float(zahl(-b, b)), float(zahl(-b, b)), float(zahl(-b, b)));
    }
    return s;
}
