// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/state.h"

namespace star {

// The export picture: the star's centre in it and its width and height, in
// pixels at true size (PixelProCm), taken from the corners alone with 0.3 cm
// of white on each side. A bend that reaches further out is cut off.
void BildGrösseRechnen(PeloxState& s);

// The largest export picture that is made: a side of 20000 pixels (5.3 m at
// true size) and 512 MiB of 32-bit pixels. Corners pulled far out or a file
// with huge radii would otherwise ask for gigabytes.
inline constexpr double kGroessteBildSeite = 20000;
inline constexpr double kGroessteBildBytes = 512.0 * 1024 * 1024;

// Whether the picture BildGrösseRechnen sized stays within those limits.
bool BildMachbar(const PeloxState& s);

} // namespace star
