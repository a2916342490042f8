// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/zeichnung.h"

#include <QByteArray>

// A flat drawing as a DXF file for cutting machines, lasers and CAD, in
// millimetres with the unit written in the file, the sheets side by side as
// in the drawing, y upward as DXF has it. Straight segments only, every line
// one polyline on the layer of its role: CUT (colour 7, white or black),
// MOUNTAIN (red), VALLEY (blue), TEXT (grey: the texts and marks, which a
// laser can switch off) and SHEET (the sheets' frames); the colours are for
// a printer and not written. Empty when it could not be made.
QByteArray dxfDatei(const zeichnung::Zeichnung& z);
