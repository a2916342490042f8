// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <optional>

// The net for cutting plotters and lasers: every sheet side by side, one
// layer each, in millimetres with a matching viewBox. One colour per role:
// what is cut black, each piece with its tabs one closed path; mountain
// folds red, valley folds blue, both solid; everything else grey in a layer
// of its own. Never corrected by any printer's calibration.
QByteArray netzSvg(const netz::Netz& n, const QString& name);

// The colour of a fold of this kind, or of the cut line for none: the same
// in the file and in the dialog's preview of the sheets.
QColor netzFarbe(std::optional<netz::Falz> art);
