// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drawing.h"
#include "star/state.h"

// From star coordinates (cm) to a surface: x' = centreX + x * scale and
// y' = centreY + y * scale, or, with exchanged axes (two sheets on paper),
// x' = centreX + y * scale and y' = centreY + x * scale. The result is
// rounded to float, the precision every surface is handed.
struct FigureMapping {
    double scale = 1;
    double centreX = 0;
    double centreY = 0;
    bool swapAxes = false;

    float mapX(float x, float y) const;
    float mapY(float x, float y) const;
};

// The one figure routine: edges first..last (straight, or four segments
// through their bend points while the curve is on), then for "Drei-D" a spoke
// from each of those corners to the centre, otherwise one circle of the given
// radius (in the surface's unit) around the centre. Everything in black, with
// the line width and style the caller has set.
void drawFigure(DrawingSurface& surface, const PeloxState& s, const FigureMapping& m, int firstEdge,
    int lastEdge, bool dreiD, double centreRadius);

// Where the star's outline lies in a file of it at true size, cm: the
// corners, the bends' points and the centre mark (as large as on the
// printout) with 3 mm around them. The design's origin is at (links, oben)
// of the file; the mark's radius is kreis.
struct UmrissRahmen {
    double links = 0;
    double oben = 0;
    double breite = 0;
    double hoehe = 0;
    double kreis = 0;
};
UmrissRahmen umrissRahmen(const PeloxState& s);
