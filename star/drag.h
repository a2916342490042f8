// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/state.h"

#include <cstdint>

// Pulling single corners of the star along their rays on the screen picture.
// Positions are in pixels of picPelox.
namespace star {

// Screen position of corner i.
double bildX(const PeloxState& s, int i);
double bildY(const PeloxState& s, int i);

// Whether corner i lies within FangAbstand of the pointer: a square, strict
// in both directions, not a circle.
bool inReichweite(const PeloxState& s, int i, double x, double y);

// The corner caught by a pointer at (x, y): the lowest index 1 .. AnzahlEcken
// within reach, or 0. The closing corner is corner 1 again and never tested.
std::int16_t fangEcke(const PeloxState& s, double x, double y);

// The radius in cm that corner i takes for a pointer at (x, y). The vertical
// offset is undone by YFaktor first, so a pointer on the corner's drawn ray
// puts the corner under it. Outside the drag area the corner's present
// position counts instead, which gives back its present radius.
float ziehRadius(const PeloxState& s, int i, double x, double y);

} // namespace star
