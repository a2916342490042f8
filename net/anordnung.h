// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ebene.h"

#include <vector>

// Pieces onto as few sheets as their surrounding rectangles allow, each
// turned as suits it best, never mirrored.
namespace netz {

struct Platz {
    int blatt = 0;
    Lage lage;  // from the piece's own frame onto its sheet
};

struct Anordnung {
    std::vector<Platz> plaetze;  // per piece, in the order given
    int blaetter = 0;
};

// Pieces lie a little apart, so that the scissors fit between them.
inline constexpr double kAbstand = 0.3;

// breite x hoehe is the part of the sheet above the check scale's square,
// which every hull must fit by itself; beside the square the sheet's space
// goes on down to the footer band (netz.h).
Anordnung anordnen(const std::vector<std::vector<Punkt>>& huellen, double breite, double hoehe);

} // namespace netz
