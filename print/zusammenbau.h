// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ansicht.h"
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
// The star as netz::szene(k, haelften) shows it: golden card, no lantern.
void ZusammenbauZeichnen(PrinterPort& p, const blatt::Rechteck& r, const netz::Koerper& k, int haelften);
// The star as the 3D view shows scene s (its colours, windows and opening,
// lit on a dark square where s.leuchtend), k and haelften for the size line.
void ZusammenbauZeichnen(
    PrinterPort& p, const blatt::Rechteck& r, const netz::Szene& s, const netz::Koerper& k, int haelften);

} // namespace faltnetz
