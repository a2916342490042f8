// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"

namespace netz {

// Why the net of s asked for in v cannot be made (a single face with its
// tabs is larger than the sheet) and the nearest change that makes it fit:
// a smaller outer diameter at the same height (at the natural one where
// that is asked for), a lower peak at this diameter, the star smaller in the
// same shape, the lowest peak at a smaller diameter; or that it needs larger
// paper. A change is named only once the net has been tried with it, at
// the values as they are written (diameters on the dialog's half-centimetre
// steps, heights on tenths), and only where those values are offered.
Phrase zuGross(const PeloxState& s, const Vorgabe& v);

} // namespace netz
