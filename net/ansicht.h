// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ebene.h"
#include "net/koerper.h"

#include <array>
#include <optional>
#include <vector>

// The folded star as a picture: a camera turned around the star, its faces
// projected in parallel onto the picture, the ones facing away left out and
// the rest ordered from back to front, each shaded by its angle to a light
// from the upper left. What paints it only fills and strokes the result.
namespace netz {

struct Netz;
struct Vorgabe;

// Turned about the star's upright axis (y, as the window shows the star),
// then tilted about the picture's horizontal, radians: 0, 0 looks at the
// star as the window shows it, the upper half toward the viewer. A positive
// tilt raises the camera, so that it looks down on the star.
struct Kamera {
    double drehung = 0;
    double neigung = 0;
    double zoom = 1;
    friend bool operator==(const Kamera&, const Kamera&) = default;
};

// From the front, a little from above.
Kamera startKamera();

inline constexpr double kZoomMin = 0.25;
inline constexpr double kZoomMax = 8;

// The camera after a drag by dx, dy pixels (right, down): a drag to the
// right turns the star's front to the right, a drag down raises the camera.
// The tilt stops at straight above and straight below.
Kamera gedreht(const Kamera& k, double dx, double dy);

// The camera after stufen steps of the mouse wheel (positive: closer),
// between kZoomMin and kZoomMax.
Kamera gezoomt(const Kamera& k, double stufen);

// A face of the solid with the lines drawn on it: linie[j] for its side from
// corner j to corner j + 1. Corner 0 of a face of a half is its peak, so
// side 1 is the outline, drawn always, and sides 0 and 2 are spokes, drawn
// where they are folds; the base has no lines of its own.
//
// Every face lies in the wedge of its outline segment: the tetrahedron of
// both peaks and the segment, between the upright planes through the two
// spokes (at the angles von and bis about the axis, radians). The wedges
// are convex and fan out around the axis, so drawn in the order of their
// angle from the viewer, farthest first, the nearer ones cover the others
// where a star's tips and valleys would fool a sort by depth.
struct Dreieck3 {
    std::array<Punkt3, 3> ecken;  // counter-clockwise seen from outside
    std::array<bool, 3> linie{};
    double von = 0;
    double bis = 0;
    int flaeche = -1;  // index into Koerper::flaechen; -1 for the flat base
    bool oben = true;
    // What is cut out of the face (windows, the opening, the hanger's hole),
    // each a closed path in the face's plane.
    std::vector<std::vector<Punkt3>> loecher{};
};

// A colour as plain red, green and blue, 0 to 255.
struct Rgb {
    int rot = 250;
    int gruen = 205;
    int blau = 95;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What the view shows of the folded star, built once for every star: the
// faces of both halves, or of the upper half closed by its flat base, cut
// into one triangle from the centre per segment.
//
// The colours are set by whoever owns the choice (the Faltstern dialog)
// after the scene is built: farbe[0] for the upper half, farbe[1] for the
// lower one, golden card unless chosen. leuchtend shows the star at night
// with a lamp inside: a dark background, the faces dark, and what is cut out
// glowing, in the inserts' colour where there are inserts (einsatz), else
// in the lamp's warm white.
struct Szene {
    std::vector<Dreieck3> dreiecke;
    double radius = 0;  // of the smallest ball about the centre holding it
    std::array<Rgb, 2> farbe{};
    bool leuchtend = false;
    std::optional<Rgb> einsatz;
};
Szene szene(const Koerper& k, int haelften);

// The scene of the net's star with its lantern cut out of the faces: each
// window and hanger's hole carried from its piece onto its face of the
// solid, and the opening of v (across, cm) around the lower peak.
Szene szene(const Netz& n, const Vorgabe& v);

struct Bildflaeche {
    std::array<Punkt, 3> ecken;  // on the picture, x right, y down
    std::array<bool, 3> linie{};
    std::array<double, 3> tiefe{};  // of the corners, toward the viewer, in the picture's unit
    double helligkeit = 0;  // 0 (in shadow) to 1 (facing the light)
    Rgb farbe;  // of its half, unshaded
    std::vector<std::vector<Punkt>> loecher{};  // on the picture, as ecken
};

// How light a face looks, 0 (in shadow) to 1 (facing the light), whose
// outward normal (any length) points as given in the picture's frame: x to
// the right, y up, z toward the viewer. The net's colours take it from here.
double helligkeit(const Punkt3& normale);

// The faces facing the camera on a picture breite x hoehe, from back to
// front. At zoom 1 the star fills the picture's shorter side whichever way
// it is turned.
std::vector<Bildflaeche> abbilden(const Szene& s, const Kamera& k, double breite, double hoehe);

} // namespace netz
