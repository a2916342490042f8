// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"

// Room for the labels of one piece as it lies on its sheet: each label at
// the largest size down to kMindestSchrift that finds room in its area,
// nearest to where it would stand best, crossing no cut line and no label
// placed before it.
namespace netz {

// What one label says, where it may stand and where it would stand best.
struct Marke {
    std::vector<Phrase> zeilen;  // one above the other
    double punkte = 0;
    // Polygons on the piece it may stand in, crossing none of their sides:
    // its faces or its tab, or for the piece's name each stretch of its
    // faces between two folds.
    std::vector<std::vector<Punkt>> gebiete;
    Punkt wunsch;
    // Where it goes when its areas have no room for it, one after the
    // other: the piece's tabs, for its name.
    std::vector<std::vector<Punkt>> ausweich;
};

// The marks placed on the piece in their order, added to its texts; how
// many of their lines found no room.
int platzieren(Teil& t, const std::vector<Marke>& marken);

double flaeche(const std::vector<Punkt>& polygon);
// The average of the corners.
Punkt mittel(const std::vector<Punkt>& polygon);

} // namespace netz
