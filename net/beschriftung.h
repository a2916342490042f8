// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"

// The labels of the pieces once they lie on their sheets, horizontal as the
// sheet lies: each edge's number on the piece and on its tab, the cut
// spokes' letters beside them and on the spoke's tab, and the piece's name;
// or, so that the faces stay clean, only what can stand on the tabs.
// Each stays on its face or tab, clear of every cut line and of the other
// labels; the name also clear of the folds.
namespace netz {

// No label is printed smaller, in points.
inline constexpr double kMindestSchrift = 6;

// The box a text takes on the sheet, centred on its point in the font the
// PDF and the SVG draw it in (Liberation Sans), with a little room round it.
// Estimated on the generous side: for numbers and letters from the font's
// advances, for words from their length, so that the English name of a
// piece fits the box its German name was given.
Rechteck textRahmen(const Text& t);

// Labels every piece of the net, each as it lies on its sheet, on its faces
// and tabs or on its tabs alone. A label that finds no room even at
// kMindestSchrift is left out rather than printed over a cut line, and a
// hint says how many are missing.
void beschriften(Netz& n, Beschriftung wo);

} // namespace netz
