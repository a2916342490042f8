// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"

#include <optional>
#include <vector>

// The lantern's round cuts on a piece as it lies on its sheet.
namespace netz {

// The circle of radius r about m, as a closed path.
std::vector<Punkt> kreis(Punkt m, double r);

// Cuts the opening of radius r about the piece's peak into it, with the
// cable's slit where schlitz gives its direction (radians on the sheet):
// where the outline passes the peak, the stretch within the circle gives way
// to the arc through the piece; where the piece goes round its peak, the
// circle is a hole. The folds then start at the opening's edge. False where
// the outline comes back into the circle elsewhere.
bool oeffnungSchneiden(Teil& t, double r, const std::optional<double>& schlitz);

} // namespace netz
