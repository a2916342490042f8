// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/phrase.h"
#include "star/state.h"

#include <optional>
#include <string>
#include <vector>

// The folded star: two flat pyramids over the outline the window shows,
// glued base to base. Its faces are what the net is cut from; a view or a
// solid of the finished star takes them from here as well.
//
// Coordinates are cm of the true-size star with its centre at the origin: x to
// the right and y upward as the window shows the star (y = -PunktY), z toward
// whoever looks at that picture. The outline lies at z = 0.
namespace netz {

struct Punkt3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

// One triangle of the surface: the peak of its half and one outline segment.
// a, b, c turn counter-clockwise seen from outside the star, so that
// (b - a) x (c - a) points outward.
struct Flaeche {
    Punkt3 a;
    Punkt3 b;
    Punkt3 c;
    bool oben = true;  // of the upper half, the one seen in the window
    int segment = 0;   // index into Koerper::umriss
};

struct Koerper {
    double hoehe = 0;
    // The outline, closed: segment i runs from umriss[i] to umriss[i + 1],
    // the last one back to umriss[0]. It follows the corners in their order,
    // through the bend points while the curve is on; neighbouring points on
    // the same spot (corners pulled onto the centre) are taken once, so no
    // segment has zero length.
    std::vector<Punkt3> umriss;
    // For every segment, the star's edge it belongs to, 1 to AnzahlEcken.
    std::vector<int> kante;
    Punkt3 spitze;       // (0, 0, hoehe)
    Punkt3 gegenspitze;  // (0, 0, -hoehe)
    // One face per segment and half: the upper half's first, in the order
    // of the segments, then the lower half's in the same order.
    std::vector<Flaeche> flaechen;
};

struct Gefaltet {
    std::optional<Koerper> koerper;  // none when the star cannot be folded
    Phrase grund;               // then why
};

// The star of the state, its corners and (while the curve is on) bend points
// computed, folded with its peaks hoehe cm above and below the centre.
// Refused when the height is not a positive finite number, when no face is
// left, and when a bend leads the outline back around the centre, where
// faces would overlap.
Gefaltet falten(const PeloxState& s, double hoehe);

// The angle at the peak of the face over the segment from v to w, radians.
double spitzenWinkel(double hoehe, const Punkt3& v, const Punkt3& w);

// The size of the finished star: the width (x) and height (y) of its
// outline, cm. Pulled corners and bends reach beyond the outer diameter, so
// this, not the diameter, is what the star measures.
struct Ausmass {
    double breite = 0;
    double hoehe = 0;
};
Ausmass ausmass(const Koerper& k);
// The same for the star of the state, folded or not.
Ausmass ausmass(const PeloxState& s);

} // namespace netz
