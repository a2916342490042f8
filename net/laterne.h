// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ansicht.h"
#include "net/ebene.h"
#include "star/phrase.h"

#include <optional>
#include <vector>

// The folded star as a lantern: windows in its faces, translucent inserts
// behind them, a round opening for a lamp around the lower peak with a slit
// for its cable, a hole to hang it by, and each face's colour with its
// shade and bleed. Worked out once on the net's sheets; whatever draws the
// net (print, files, the 3D view) draws this result and computes nothing.
//
// Every path is in cm on its sheet like the rest of the net, closed (the
// last point joins the first, which is not repeated), simple, and runs
// counter-clockwise as x and y are written (positive shoelace area). Arcs
// are chords within kBogenGenau of the true curve.
//
// What a drawing does with it, per piece on its sheet:
// - colour first: each face's Anstrich::anschnitt filled with the half's
//   colour, darkened by helligkeit as the 3D view darkens its faces; tabs
//   are not filled;
// - then the lines and texts of the net as before; Teil::schnitt is the cut
//   outline, with the opening's arc and slit already in it on a lower piece
//   that the opening reaches from its outline (the tab polygons in
//   Teil::laschen keep their whole shape: draw them as areas, never as cuts);
// - every Teil::loecher path is a cut as well, written before the piece's
//   outline in a file for a cutter; a window's number goes onto its insert,
//   nothing is printed inside a window;
// - after the net's sheets, Netz::einsatzBlaetter sheets of inserts: each
//   Einsatz's umriss cut, its fenster drawn as a thin line (where the glue
//   ends), its nummer printed at mitte; the check scale as on every sheet.
// A 3D view finds a window's face through Teil::flaechen[Loch::flaeche] and
// its place on the face from the piece's triangle (peak, then outline).
namespace netz {

struct Netz;
struct Teil;
struct Vorgabe;

// The ranges the dialog and the command line offer, cm.
inline constexpr double kRahmenMin = 0.3;
inline constexpr double kRahmenMax = 2;
inline constexpr double kFensterRadiusMax = 1;
inline constexpr double kOeffnungMin = 2;
inline constexpr double kOeffnungMax = 8;
// An insert reaches this far beyond its window all round, for the glue.
inline constexpr double kEinsatzRand = 0.4;
// The hanger's hole, and how far it keeps from every edge and fold.
inline constexpr double kAufhaengerLoch = 0.4;
inline constexpr double kAufhaengerAbstand = 0.3;
// The cable's slit from the opening's edge outward.
inline constexpr double kSchlitzLaenge = 1;
inline constexpr double kSchlitzBreite = 0.2;
// The colour runs this far beyond every cut line of its face.
inline constexpr double kAnschnitt = 0.2;
// Arcs are drawn as chords no further than this from the true curve.
inline constexpr double kBogenGenau = 0.01;

// A cut inside a piece: drawn (and sent to a cutter) before the piece's
// outline, so that the inside is cut while the piece still holds.
// A window is its face's triangle moved in by the frame from every side
// (outline, folds and cuts alike), its corners rounded, and clear by the
// frame of the opening, its slit and the hanger's hole: convex. The opening
// is a hole only where a piece goes round its peak; its slit runs from its
// edge along a spoke inside a lower piece (or, where none has room, along
// the middle of a face), kSchlitzBreite wide. The hanger's hole lies at the
// same point of the tip's face in both halves, so that one thread goes
// through both.
struct Loch {
    enum class Art { Fenster, Oeffnung, Aufhaenger };
    Art art = Art::Fenster;
    int nummer = 0;    // a window's number, 1 on across the net; else 0
    int flaeche = -1;  // the face (index into Teil::dreiecke) it lies in; -1 for the opening
    std::vector<Punkt> pfad;
};

// The translucent paper behind a window: cut along umriss, the window's
// outline (fenster) printed as the line up to which glue goes, the window's
// number (nummer) printed at mitte, the window's centroid.
struct Einsatz {
    int nummer = 0;
    int blatt = 0;  // counted on after the net's sheets (Netz::blaetter)
    std::vector<Punkt> umriss;
    std::vector<Punkt> fenster;
    Punkt mitte;
};

// A face's colour: the half's colour times helligkeit (1 where "schattiert"
// is off; the 3D view's shade of the face, the lower half's as the view
// shows it turned half round), filled over anschnitt: the face, grown by
// kAnschnitt beyond each of its sides that is cut, as a strip that ends
// square where the next side is a fold to a neighbouring face or a tab, and
// kept off every tab, which stays white. Where a tab comes within kAnschnitt
// of a cut side (a piece going almost round its peak), the colour of that
// side stops at the line between face and tab. Not always convex. Worked
// out only where the net is "farbig" or "schattiert"; else empty.
struct Anstrich {
    double helligkeit = 1;
    std::vector<Punkt> anschnitt;
};

// Works the lantern of the Vorgabe into the net, whose pieces lie on their
// sheets: adds each piece's holes (Teil::loecher, windows first) and colour
// (Teil::anstrich), cuts the opening into the lower pieces' outlines (or as
// a hole where a piece goes round its peak), and lays the inserts out on
// sheets of their own (Netz::einsaetze, Netz::einsatzBlaetter). The reason
// when an option is out of range or the opening or the hanger does not fit.
std::optional<Phrase> laterneEinbauen(Netz& netz, const Vorgabe& v);

// The colour a face of the piece t is printed in: its half's colour of the
// net's Vorgabe times the face's helligkeit, each channel rounded.
Rgb druckfarbe(const Netz& n, const Teil& t, const Anstrich& a);

} // namespace netz
