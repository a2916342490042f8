// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/pruefmass.h"
#include "platform/ports.h"
#include "poster/plan.h"
#include "print/druck.h"

#include <QPageSize>
#include <QRectF>
#include <QStringList>
#include <optional>

// The star at any size over as many sheets as it needs: first a page with
// the assembly map, then one page per sheet that holds part of the star.
// Everything on paper is in twips from the top-left of the drawing area.
namespace poster {

// True size on paper. The one-sheet print keeps its 566 twips per cm; sheets
// that have to meet over a metre cannot.
using blatt::kTwipsProCm;
using druck::kMittenKreis;

// The ranges the dialog and the command line share, in cm.
inline constexpr double kDurchmesserMin = 5;
inline constexpr double kDurchmesserMax = 200;
inline constexpr double kDurchmesserSchritt = 0.5;
inline constexpr double kKlebenMax = 3;
inline constexpr double kKlebenStandard = 1;
// The PDF's margin, in mm, for printers that cannot print as near the edge
// as most.
inline constexpr double kRandMax = 30;
// The band along the bottom of every page that holds the check scale where
// it is printed, in cm: no line of the star crosses it.
inline constexpr double kPruefmassFuss = pruefmass::kFreiCm;

struct Vorgabe {
    double durchmesser = 0;  // outer diameter of the printed star
    double kleben = kKlebenStandard;
    Ausrichtung ausrichtung = Ausrichtung::Automatisch;
};

struct Poster {
    PeloxState stern;  // the scaled copy
    druck::Steuerung steuerung;
    std::vector<Strecke> figur;  // what the figure routine draws, in cm
    Plan plan;
    QSizeF seite;  // one sheet's drawing area as the sheets lie, twips
    QString name;  // the design's file name, for the labels
};

// The design at the wanted size, tiled on paper whose drawing area is
// `hochkant` twips when upright.
Poster entwerfen(const PeloxState& s, const druck::Steuerung& st, const Vorgabe& v, QSizeF hochkant);

// The reduced star with every grid position over it, its label on it, and
// the left-out ones dotted, fitted into the rectangle.
void KarteZeichnen(PageSurface& p, const Poster& poster, const QRectF& rahmen);

// The first page: what is built, how, and the map; the check scale below.
void KartenSeite(PrinterPort& p, const Poster& poster);

// One sheet: its part of the star at true size clipped to the drawing area
// above the check scale's band, the glue strip or cut line and the alignment
// marks on every side that joins a neighbour, its label, and the check scale
// in the band. Every sheet is drawn through here.
void BlattZeichnen(PrinterPort& p, const Poster& poster, std::size_t nummer);

// The whole poster as one document; Gedruckt, KeinDrucker or Abgelehnt.
druck::Ergebnis PosterDrucken(PrinterPort& p, const Poster& poster);

// "6 Blätter (3 Spalten × 2 Zeilen, hoch)", in the singular where it is one.
QString blaetterText(const Plan& plan);

// The papers a PDF can have, by their names in paper/papier.h, and each as
// the page size of a PDF or a printer.
QStringList papierNamen();
std::optional<QPageSize> papier(const QString& name);

} // namespace poster
