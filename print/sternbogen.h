// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bogen/bogen.h"
#include "platform/ports.h"
#include "print/druck.h"

#include <QString>

// The sheet of stars on paper: one page per sheet with its stars at true
// size, solid cut lines, and in the corner kept free at the bottom right the
// check scale with a footer above it: the sheet's number, the stars on it
// and the file name.
namespace sternbogen {

// Twips of the drawing area as cm, for the stars to be laid out in.
double cm(double twips);

void BlattZeichnen(PrinterPort& p, const bogen::Bogen& b, const QString& name, int blatt, bool pruefmass);

// Every sheet as one document; Gedruckt, KeinDrucker or Abgelehnt.
druck::Ergebnis BogenDrucken(PrinterPort& p, const bogen::Bogen& b, const QString& name, bool pruefmass);

// "3 Blätter: 28, 28 und 4 Sterne", or "1 Blatt: 12 Sterne".
QString blaetterText(const bogen::Bogen& b);

} // namespace sternbogen
