// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bogen/bogen.h"
#include "paper/zeichnung.h"

#include <string>

namespace bogen {

// The sheets of stars as a flat drawing, side by side: every star one closed
// cut line, and unless only what is cut is asked for, each sheet's frame and
// in its corner kept free the footer as the printed sheet has it: the
// sheet's number, the stars on it and the design's file name (name).
zeichnung::Zeichnung zeichnen(const Bogen& b, bool nurSchnitt, const std::string& name);

} // namespace bogen
