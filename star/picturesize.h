// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/state.h"

namespace star {

// The export picture: the star's centre in it and its width and height, in
// pixels at true size (PixelProCm), taken from the corners alone with 0.3 cm
// of white on each side. A bend that reaches further out is cut off.
void BildGrösseRechnen(PeloxState& s);

} // namespace star
