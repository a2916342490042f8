// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/blatt.h"
#include "star/phrase.h"

#include <vector>

// A flat drawing for cutting machines, lasers and CAD: lines by what the
// machine does with them, texts and the sheets' frames, in millimetres from
// the top-left corner, x to the right and y downward, sheets side by side.
// The net and the star's outline make one; the SVG, the DXF and the
// cut-only PDF draw it, so each shows the same lines.
namespace zeichnung {

using blatt::Punkt;

// Between the sheets as they lie side by side in a file, mm.
inline constexpr double kBlattAbstandMm = 10;

enum class Rolle {
    Schnitt,  // cut through
    Berg,     // mountain fold, rising toward the viewer
    Tal,      // valley fold
    Zeichen,  // marks that are neither cut nor folded (the centre mark)
    Blatt,    // a sheet's frame
};

struct Linie {
    Rolle rolle = Rolle::Schnitt;
    int blatt = 0;  // from 0
    std::vector<Punkt> punkte;
    // The last point joins the first.
    bool geschlossen = false;
};

struct Schrift {
    int blatt = 0;
    Punkt ort;
    double hoehe = 3;  // the font's size, mm
    Phrase text;
    // Centred on ort; otherwise ort is the left end of its baseline.
    bool mittig = true;
};

// A surface printed in colour under the lines, for a printer to print
// before the cutter cuts (print-then-cut): a closed path and its colour.
struct Farbflaeche {
    int blatt = 0;
    std::vector<Punkt> punkte;
    int rot = 0;
    int gruen = 0;
    int blau = 0;
};

struct Zeichnung {
    double breite = 0;  // of everything, mm
    double hoehe = 0;
    int blaetter = 1;
    // Each sheet's width, and from the left edge of one to that of the next,
    // mm; no step for a drawing that is not laid out on sheets (the outline).
    double blattBreite = 0;
    double blattSchritt = 0;
    std::vector<Linie> linien;
    std::vector<Schrift> schriften;
    // Drawn only where there is a printer to print them; a file for a
    // cutter or a laser alone leaves them out.
    std::vector<Farbflaeche> farbflaechen;
};

// How folds reach the machine: scored along their whole length, perforated
// as a row of short cuts, or left to the user.
enum class Falzart { Ritzen, Perforieren, Keine };

// The lengths of a perforation's cuts and gaps the program takes, mm.
inline constexpr double kPerforationMin = 0.5;
inline constexpr double kPerforationMax = 10;

struct Falzwahl {
    Falzart art = Falzart::Ritzen;
    double schnitt = 1;  // mm
    double luecke = 2;
};

// What the drawing keeps: everything, or only what is cut and folded.
struct Umfang {
    Falzwahl falze;
    bool nurSchnitt = false;
};

// Adds the fold from a to b with the role of its kind, as chosen: one line,
// a cut every schnitt mm with a gap of luecke between, each its own line so
// that a machine that knows no dash patterns still perforates, or nothing.
// The cuts begin at a; the last ends at b, shorter where the length asks.
void falz(Zeichnung& z, int blatt, Punkt a, Punkt b, Rolle rolle, const Falzwahl& w);

// The length of a line, the closing segment included when it is closed.
double laenge(const Linie& l);

// A circle as the straight segments of a regular polygon, closed.
Linie kreis(Rolle rolle, int blatt, Punkt mitte, double radius);

} // namespace zeichnung
