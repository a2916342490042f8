// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/blatt.h"
#include "star/state.h"

#include <optional>
#include <string>
#include <vector>

// The poster print: a star of any size spread over as many sheets as it
// needs. Lengths are cm of the true-size star, centre at the origin, y
// downward, as the corners are.
namespace poster {

// The geometry of what lies on a sheet, here in cm.
using Punkt = blatt::Punkt;
using Strecke = blatt::Strecke;
using Rechteck = blatt::Rechteck;

using blatt::beschneiden;

// A circle as the polygon the sheets and the plan both take for it.
std::vector<Strecke> kreis(Punkt mitte, double radius);

enum class Ausrichtung { Automatisch, Hochformat, Querformat };

// One sheet of the grid; `bereich` is its printable area laid over the star.
struct Blatt {
    int spalte = 0;  // from 0, left to right
    int zeile = 0;   // from 0, top to bottom
    Rechteck bereich;
};

struct Plan {
    bool quer = false;
    int spalten = 0;
    int zeilen = 0;
    double kleben = 0;  // overlap of neighbouring sheets
    double blattBreite = 0;  // printable area of one sheet as it lies
    double blattHoehe = 0;   // of that, the part above the band
    double fuss = 0;  // the band along every sheet's bottom, free of the star
    Punkt ursprung;  // top-left corner of sheet A1, whether printed or not
    // Only the sheets that hold something of the star, of the largest group
    // that joins along glue strips, row by row.
    std::vector<Blatt> blaetter;

    // The sheet at that grid position, or null when it is left out.
    const Blatt* blatt(int spalte, int zeile) const;
    // The area of any grid position, left out or not.
    Rechteck bereich(int spalte, int zeile) const;
};

// The plan for the figure's segments on paper whose printable area is
// breite x hoehe when upright, keeping a band of height fuss along the bottom
// of every sheet free of the star (where the check scale goes; it lies under
// the next row once the sheets are glued). Automatically the orientation with
// fewer sheets is taken (upright when both need as many). The grid is
// centred on the figure. Empty when the paper without the band is no wider
// than the glue strip.
Plan planen(
    const std::vector<Strecke>& figur, double breite, double hoehe, double kleben, Ausrichtung a, double fuss);

// "A" .. "Z", "AA" ...; the label of a sheet is its column and its row from 1: "B2".
std::string spaltenName(int spalte);
std::string blattName(const Blatt& b);

// A copy of the star scaled to the outer diameter: every radius, pulled
// corners included, the bend of the edges and its data; the height keeps its
// percentage. Its corners and bend points are computed.
PeloxState skaliert(const PeloxState& s, double aussenDurchmesser);

} // namespace poster
