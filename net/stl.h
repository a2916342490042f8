// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/koerper.h"
#include "star/phrase.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The folded star as a solid for 3D printers: a binary STL file in mm.
namespace netz {

struct Stl {
    std::string daten;  // the file's bytes; empty when refused
    Phrase grund;  // then why
};

// The faces of the folded star (with haelften 1 the upper half alone,
// closed by its flat base) as a closed surface in mm, every triangle
// counter-clockwise seen from outside with its normal outward. The x and y
// of the star's picture lie on the printer's bed, its peak points up.
// Refused where the outline touches itself (several corners on the centre),
// where the surface would not be closed.
Stl stlDatei(const Koerper& k, int haelften);

// The triangles of a simple polygon running clockwise (y upward), as
// indices into it, each clockwise as well and none of zero area; every edge
// of the polygon is the side of exactly one of them. None when no corner is
// left that can be cut off, as for a polygon that turns the other way.
using Punkt2f = std::array<float, 2>;
std::optional<std::vector<std::array<std::size_t, 3>>> dreiecke(const std::vector<Punkt2f>& vieleck);

} // namespace netz
