// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/zeichnung.h"
#include "platform/ports.h"

// A flat drawing for cutter software that cuts every line it finds in a PDF:
// each sheet a page, nothing but the lines, every one solid and thin, at
// true size; a drawing not laid out on sheets (the outline) centred on its
// page, a net's sheets from the top-left corner of the drawing area, as they
// are printed. Never corrected by a calibration; a file has none.
void schnittZeichnen(PrinterPort& p, const zeichnung::Zeichnung& z);
// Whether its pages lie on their side: a net's sheets that are wider than high.
bool schnittQuer(const zeichnung::Zeichnung& z);
