// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/blatt.h"

#include <vector>

// What decides whether shapes may lie where they are put on a sheet: turned
// about their own origin and moved, never mirrored; whole inside the area;
// at least a gap apart from each other and from what else is reserved. Any
// length unit will do, as long as it is one for all.
namespace form {

using blatt::Punkt;
using blatt::Rechteck;

// Turned by winkel (radians, from x towards y) about the shape's origin,
// then its origin put at ort. A turn cannot mirror.
struct Lage {
    double winkel = 0;
    Punkt ort;

    Punkt operator()(Punkt p) const;
};

// A closed outline (the last corner joins the first), with what the checks
// need precomputed: the farthest any corner lies from the origin and the
// edges sorted into a grid for finding the edges near a point fast.
class Form {
public:
    explicit Form(std::vector<Punkt> ecken);

    const std::vector<Punkt>& ecken() const { return m_ecken; }
    double radius() const { return m_radius; }
    // The outline as it lies.
    std::vector<Punkt> gelegt(const Lage& l) const;
    // The rectangle around the outline turned by winkel, origin at 0: the
    // shape lies whole inside an area where this rectangle, moved, does.
    Rechteck umriss(double winkel) const;
    // Whether p (in the shape's own frame) lies inside the outline.
    bool innen(Punkt p) const;
    // Whether any edge comes nearer than abstand to the segment a–b, or
    // touches it (in the shape's own frame).
    bool nahe(Punkt a, Punkt b, double abstand) const;

private:
    std::vector<Punkt> m_ecken;
    double m_radius = 0;
    Rechteck m_gitterRahmen;
    int m_zellen = 1;
    double m_zelle = 1;
    std::vector<std::vector<int>> m_gitter;  // per cell, the edges that pass it
};

// Whether two shapes as they lie keep at least abstand apart: no edge nearer
// than that, none touching, neither inside the other.
bool frei(const Form& a, const Lage& la, const Form& b, const Lage& lb, double abstand);

// Whether the shape as it lies keeps at least abstand from the rectangle
// (neither touching nor inside it).
bool frei(const Form& f, const Lage& l, const Rechteck& r, double abstand);

// The least distance between the segments, 0 where they meet.
double abstand(Punkt a, Punkt b, Punkt c, Punkt d);

} // namespace form
