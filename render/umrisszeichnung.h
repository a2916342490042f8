// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/zeichnung.h"
#include "star/state.h"

// The star's outline at true size as a flat drawing, as the outline's SVG
// has it: bent edges as their segments, one closed cut line with 3 mm around
// it; the centre mark, or the "Drei-D" spokes, as marks unless only what is
// cut is asked for.
zeichnung::Zeichnung umrissZeichnung(const PeloxState& s, bool dreiD, bool nurSchnitt);
