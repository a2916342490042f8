// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"
#include "paper/zeichnung.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <optional>

// A flat drawing (the net, the sheets of stars) for cutting plotters and
// lasers: every sheet side
// by side, one layer each, in millimetres with a matching viewBox. One colour
// per role: what is cut black, each piece with its tabs one closed path;
// mountain folds red, valley folds blue, both solid (or their perforation's
// cuts); the frames, marks and texts grey in a layer of their own, which a
// drawing of only what is cut leaves out; the colours printed under the
// lines (print-then-cut) in a layer of their own below all others. Never
// corrected by any printer's calibration.
QByteArray netzSvg(const zeichnung::Zeichnung& z);

// The colour of a fold of this kind, or of the cut line for none: the same
// in the file and in the dialog's preview of the sheets.
QColor netzFarbe(std::optional<netz::Falz> art);
