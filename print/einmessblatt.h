// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/druck.h"

namespace druck {

// The calibration sheet: a horizontal ruler of 18 cm and a vertical one of
// 25 cm, joined at their zero like an L, with millimetre ticks and
// centimetre numbers, and what to do with them. Printed as the printer is,
// without the correction stored for it.
Ergebnis Einmessblatt(PrinterPort& drucker);

} // namespace druck
