// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/corners.h"

// The start-up star (8 points, 19 and 8 cm, 100 %) with its corners computed,
// for tests that need no window.
inline PeloxState startStern(int spitzen = 8)
{
    PeloxState s;
    s.Pi = 3.14159f;
    s.AussenDurchmesser = s.AussenDurchmesserNeu = 19;
    s.InnenDurchmesser = s.InnenDurchmesserNeu = 8;
    s.YFaktor = 1;
    s.AnzahlSpitzen = static_cast<std::int16_t>(spitzen);
    star::RadienZuruecksetzen(s);
    star::PeloxBerechnung(s);
    return s;
}
