// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"
#include "platform/ports.h"
#include "print/druck.h"

#include <QString>

// The net of the folded star on paper: a first page that says how to build
// it, then one page per sheet with its pieces at true size, then the sheets
// of the windows' inserts. Cut lines are solid, valley folds dashed,
// mountain folds dash-dotted; a coloured face is filled first, and the lines
// and texts on it take a shade that stands out on it; every page has the
// legend, the sheet's number and the file name along its bottom, and the
// check scale at its bottom right, where no piece lies, always black.
namespace faltnetz {

// Everything about the star the pages name besides the net itself.
struct Angaben {
    QString name;          // the design's file name
    double durchmesser = 0;  // of the finished star, cm
    bool pruefmass = true;
};

// Twips of the drawing area as cm, for the net to be laid out in.
double cm(double twips);

void AnleitungZeichnen(PrinterPort& p, const netz::Netz& n, const Angaben& a);

// Sheet blatt (from 0) with its pieces, or past the net's sheets, with its
// inserts.
void BlattZeichnen(PrinterPort& p, const netz::Netz& n, const Angaben& a, int blatt);

// The whole net as one document; Gedruckt, KeinDrucker or Abgelehnt.
druck::Ergebnis NetzDrucken(PrinterPort& p, const netz::Netz& n, const Angaben& a);

} // namespace faltnetz
