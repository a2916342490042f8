// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ebene.h"

#include <cmath>
#include <vector>

// Convex polygons for the lantern's cuts: clipped, shrunk and grown.
// Polygons run counter-clockwise as x and y are written (positive area).
namespace netz {

inline Punkt einheit(Punkt v)
{
    return (1 / laenge(v)) * v;
}
inline double abstandZurGeraden(Punkt q, Punkt a, Punkt b)
{
    return std::abs(kreuz(b - a, q - a)) / laenge(b - a);
}
// The same point, but for a rounding.
inline bool gleich(Punkt a, Punkt b)
{
    return laenge(a - b) < 1e-6;
}

double umlaufFlaeche(const std::vector<Punkt>& p);  // signed, shoelace
std::vector<Punkt> linksrum(std::vector<Punkt> p);

// What of the convex polygon lies at least d on the side of the line
// through a that the unit normal n points to.
std::vector<Punkt> abschneiden(const std::vector<Punkt>& p, Punkt a, Punkt n, double d);

// The convex polygon with every side moved inward by d; empty where nothing
// is left.
std::vector<Punkt> schrumpfen(const std::vector<Punkt>& p, double d);

// The convex polygon grown by d all round, its corners rounded. With chords
// inside the arcs (innen) the result stays within the true rounded shape,
// else the chords touch the arcs from outside and it holds the whole shape.
// Given seiten (per side, from corner i to i + 1), only the sides marked grow,
// each by a strip that ends square where the next side does not grow.
std::vector<Punkt> wachsen(const std::vector<Punkt>& p, double d, bool innen, const std::vector<bool>& seiten = {});

// The points of an arc about m of radius r from angle von by the signed
// sweep, both ends included, chords within kBogenGenau of the arc.
std::vector<Punkt> bogen(Punkt m, double r, double von, double sweep);

bool drinnen(const std::vector<Punkt>& p, Punkt q);  // any simple polygon

} // namespace netz
