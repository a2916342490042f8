// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
// counter-clockwise as x and y are written (positive shoelace area).
namespace netz {

struct Netz;
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
struct Loch {
    enum class Art { Fenster, Oeffnung, Aufhaenger };
    Art art = Art::Fenster;
    int nummer = 0;    // a window's number, 1 on across the net; else 0
    int flaeche = -1;  // the face (index into Teil::dreiecke) it lies in; -1 for the opening
    std::vector<Punkt> pfad;
};

// The translucent paper behind a window: cut along umriss, the window's
// outline (fenster) printed as the line up to which glue goes, the window's
// number (nummer) printed at mitte.
struct Einsatz {
    int nummer = 0;
    int blatt = 0;  // counted on after the net's sheets (Netz::blaetter)
    std::vector<Punkt> umriss;
    std::vector<Punkt> fenster;
    Punkt mitte;
};

// A face's colour: the half's colour times helligkeit (1 where "schattiert"
// is off), filled over anschnitt: the face, grown by kAnschnitt beyond each
// of its sides that is cut, not beyond a fold to a neighbouring face or to
// a tab, and kept off every tab, which stays white.
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

} // namespace netz
