// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/form.h"
#include "star/phrase.h"
#include "star/state.h"

#include <optional>
#include <vector>

// The sheet of stars: many copies of a design, in one or several sizes, laid
// onto as few sheets as possible for cutting out. Lengths are cm, on a sheet
// from the top-left corner of its area, y downward.
namespace bogen {

using form::Punkt;
using form::Rechteck;

// The ranges the dialog and the command line share.
inline constexpr int kAnzahlMax = 500;
inline constexpr double kDurchmesserMin = 1;
inline constexpr double kDurchmesserMax = 100;
inline constexpr double kAbstandStandard = 0.2;
inline constexpr double kAbstandMax = 2;
// The footer's two lines on a printed sheet, above the check scale.
inline constexpr double kFusszeile = 1.0;

// The outline of the star as the figure routine cuts it: its corners, and
// with the curve on, the bend points of each edge between them. Centre at
// the origin.
std::vector<Punkt> umriss(const PeloxState& s);

// Copies of one size.
struct Sorte {
    std::vector<Punkt> umriss;  // centre at the origin
    int anzahl = 0;
    // The points of the star: turned by a whole point it looks the same, so
    // the turns tried lie within one point's angle.
    int spitzen = 1;
    double durchmesser = 0;  // as the user gave it, for the reason a star is refused
};

struct Stern {
    int sorte = 0;
    int blatt = 0;  // from 0
    form::Lage lage;
};

struct Bogen {
    std::vector<form::Form> formen;  // per sort
    std::vector<Stern> sterne;
    int blaetter = 0;
    Rechteck bereich;

    int anzahl(int blatt) const;
    // The closed outlines on that sheet, as they lie.
    std::vector<std::vector<Punkt>> umrisse(int blatt) const;
};

struct Ergebnis {
    std::optional<Bogen> bogen;
    Phrase grund;  // why there is none
};

// The copies on sheets whose area is breite × hoehe, at least abstand apart,
// none over what is reserved on every sheet (the check scale, the footer).
// Refused when a star does not fit the sheet by itself.
Ergebnis auslegen(const std::vector<Sorte>& sorten, double breite, double hoehe, double abstand,
    const std::vector<Rechteck>& gesperrt = {});

// Copies of the design at one outer diameter (cm).
struct Groesse {
    double durchmesser = 0;
    int anzahl = 0;
};

// Room kept free on a printed sheet of breite × hoehe: the corner at the
// bottom right for the check scale with the footer above it.
std::vector<Rechteck> vorbehalten(double breite, double hoehe);

// The copies of the design as they are printed and written: scaled copies
// of its outline on sheets with vorbehalten's room kept free.
Ergebnis auslegen(const PeloxState& s, const std::vector<Groesse>& groessen, double breite, double hoehe, double abstand);

} // namespace bogen
