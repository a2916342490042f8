// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/state.h"

#include <QByteArray>

// The star's outline at true size as an SVG document whose width and height
// are given in centimetres, one user unit to the centimetre, so that vector
// and cutting programs import it at its real size. The outline is one path;
// the "Drei-D" spokes or the centre mark follow it.
QByteArray starSvg(const PeloxState& s, bool dreiD, bool dick);
