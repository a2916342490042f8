// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/state.h"

namespace curve {

// Bend points of every edge 1 .. AnzahlEcken from the corners and the three
// deviations. Slots 1 to 3 of an edge run from corner i to corner i + 1; the
// deviation j always belongs to the point j quarters away from the inner
// corner, so edges from a tip to an inner corner are mirrored.
void KurvenBerechnung(PeloxState& s);

// The deviation in cm for a bend point at height y of the curve editor.
float KurvenWertAus(const PeloxState& s, double y);

} // namespace curve
