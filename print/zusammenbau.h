// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/koerper.h"
#include "paper/blatt.h"
#include "platform/ports.h"

// The finished star on paper, as the 3D view shows it from its starting
// angle: its faces filled and shaded, the outline and the folds drawn on
// them, as vector drawing, and under it the star's size.
namespace faltnetz {

// Into the rectangle r (twips of the drawing area), the picture above and
// the line with the finished star's size and thickness below; haelften as
// for the net.
void ZusammenbauZeichnen(PrinterPort& p, const blatt::Rechteck& r, const netz::Koerper& k, int haelften);

} // namespace faltnetz
