// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/state.h"

// What the window measures of its star picture and of the printer page before
// the geometry is derived from it.
struct Masse {
    double bildInnenBreite = 0;  // picPelox.ScaleWidth, pixels
    double bildInnenHoehe = 0;   // picPelox.ScaleHeight, pixels
    double bildAussenBreite = 0; // picPelox.Width, twips
    double bildAussenHoehe = 0;  // picPelox.Height, twips
    double seiteBreite = 0;      // printer drawing area, twips
    double seiteHoehe = 0;
};

namespace star {

// Screen and printer geometry from the measures, and every radius reset to the
// two diameters. The window places the sheet-border line at MitteY itself.
void WerteInit(PeloxState& s, const Masse& m);

// The centre of the printer page's drawing area, from its size in twips.
void SeitenMitte(PeloxState& s, double seiteBreite, double seiteHoehe);

// Every radius 1 to 100 back to half its diameter.
void RadienZuruecksetzen(PeloxState& s);

// Scales the radii from the diameters in force to the ones just chosen.
void RadiusKorrektur(PeloxState& s);

// Corner points of the outline from the radii, the spikes and YFaktor.
void PeloxBerechnung(PeloxState& s);

// Single division as the system does it: the whole number nearest to v (a half
// to the even neighbour), halved with the remainder dropped.
float halbeGanzzahl(double v);

} // namespace star
