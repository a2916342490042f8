// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/anordnung.h"
#include "net/netz.h"

// One half of the star laid flat, and the pieces cut from it, each in its
// own frame with the peak at the origin, before they go onto the sheets.
namespace netz {

struct Haelfte {
    const Koerper* koerper = nullptr;
    bool oberteil = true;
    bool umrissLaschen = false;  // the half whose outline carries the tabs
    double lasche = kLascheStandard;
    std::vector<double> winkel;   // per face (segment), at the peak
    std::vector<double> speiche;  // per outline point, its spoke's length
    double summe = 0;
    // The faces laid side by side from spoke 0 on twice round, so that every
    // run is a stretch of it: the spoke ends, the outer corners of each
    // segment's part of its edge's tab and of each spoke's tab at full width
    // (that spoke ending a run), and the angle each spoke is turned by.
    std::vector<Punkt> abgerollt;
    std::vector<std::array<Punkt, 2>> umrissEcken;
    std::vector<std::array<Punkt, 2>> speichenEcken;
    std::vector<double> phi;

    std::size_t anzahl() const { return winkel.size(); }
};

Haelfte haelfte(const Koerper& k, bool oberteil, bool umrissLaschen, double lasche);

// A run of faces from the spoke to outline point `start` on; geschlossen is
// the whole half without any cut, where its angles make a full turn.
struct Lauf {
    std::size_t start = 0;
    std::size_t laenge = 0;
    bool geschlossen = false;
};

// Every point the run can cover with its tabs at their full width: what has
// to fit on the sheet however the tabs are later shortened. In the run's own
// frame, or (abgerollt) as it lies in the half laid out from spoke 0.
std::vector<Punkt> reichweite(const Haelfte& h, const Lauf& l, bool abgerollt = false);

// What a piece is called: its number in its half, and the letters of the
// spokes it is cut along where it starts and where it ends (unused for a
// closed run).
struct Namen {
    int nummer = 1;
    int anzahl = 1;
    std::string anfang;
    std::string ende;
};

// The piece in its own frame: faces, the tabs shortened until they overlap
// nothing, the cut outline and the folds; its labels come once it lies on
// its sheet.
Teil teilLegen(const Haelfte& h, const Lauf& l, const Namen& namen);

// The piece moved from its own frame onto its sheet.
void legen(Teil& t, const Platz& p);

} // namespace netz
