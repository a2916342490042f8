// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"
#include "paper/zeichnung.h"

#include <string>

namespace netz {

// The net as a flat drawing: per sheet its pieces, each with its tabs one
// closed cut line after the lantern's cuts inside it, their folds as chosen,
// then the sheets of the windows' inserts, each insert a closed cut line;
// unless only what is cut is asked for, also the faces' colours, each
// insert's window as a mark with its number, the labels, each sheet's
// frame, its legend and its line naming the sheet and the design (name).
zeichnung::Zeichnung zeichnen(const Netz& n, const zeichnung::Umfang& u, const std::string& name);

} // namespace netz
