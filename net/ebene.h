// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/blatt.h"

#include <optional>
#include <vector>

// Plane geometry of the net, in cm on the sheet: x to the right, y downward.
namespace netz {

using Punkt = blatt::Punkt;
using Rechteck = blatt::Rechteck;

inline Punkt operator+(Punkt a, Punkt b) { return {a.x + b.x, a.y + b.y}; }
inline Punkt operator-(Punkt a, Punkt b) { return {a.x - b.x, a.y - b.y}; }
inline Punkt operator*(double f, Punkt a) { return {f * a.x, f * a.y}; }
inline double kreuz(Punkt a, Punkt b) { return a.x * b.y - a.y * b.x; }
inline double skalar(Punkt a, Punkt b) { return a.x * b.x + a.y * b.y; }
double laenge(Punkt a);

// A rotation about the origin followed by a shift: how a piece is laid on
// its sheet. Never a mirror.
struct Lage {
    double cos = 1;
    double sin = 0;
    Punkt verschiebung;

    Punkt operator()(Punkt p) const
    {
        return {cos * p.x - sin * p.y + verschiebung.x, sin * p.x + cos * p.y + verschiebung.y};
    }
};

// The smallest rectangle around the points.
Rechteck umriss(const std::vector<Punkt>& punkte);

// Whether the insides of two convex polygons overlap by more than a
// rounding; polygons that only touch along an edge or at a corner do not.
bool ueberlappen(const std::vector<Punkt>& a, const std::vector<Punkt>& b);

// Whether two convex polygons come closer than abstand, as far as the
// normals of their edges tell: where they do not, a line keeps them that far
// apart; where they seem to, they may be a little further apart than that.
bool naeherAls(const std::vector<Punkt>& a, const std::vector<Punkt>& b, double abstand);

// The convex hull, counter-clockwise in x, y as a mathematician draws them.
std::vector<Punkt> huelle(std::vector<Punkt> punkte);
// The hull of two hulls, the same as that of all their corners, found
// without sorting them anew.
std::vector<Punkt> huelle(const std::vector<Punkt>& a, const std::vector<Punkt>& b);

// The turn of the points (about the origin, in radians) under which their
// surrounding rectangle is smallest while it fits into breite x hoehe, of
// the turns tried, with that rectangle's size; where none of those fits, any
// turn that does; none when no turn makes them fit. With ersteReicht any
// turn that fits, where only whether one does matters. Whether one does is
// answered exactly, so that a hull inside another fits wherever that does.
struct Drehung {
    double winkel = 0;
    double breite = 0;
    double hoehe = 0;
};
std::optional<Drehung> einpassen(
    const std::vector<Punkt>& huelle, double breite, double hoehe, bool ersteReicht = false);

} // namespace netz
