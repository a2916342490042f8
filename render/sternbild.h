// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ansicht.h"
#include "platform/drawing.h"

#include <array>
#include <vector>

// What the picture of the folded star is drawn on, the 3D view on screen as
// well as the assembly picture on paper, in the surface's own unit.
class SternbildFlaeche {
public:
    virtual ~SternbildFlaeche() = default;
    // Filled, with no outline of its own, closing the seam to its neighbours.
    virtual void dreieck(const std::array<netz::Punkt, 3>& ecken, BgrColor farbe) = 0;
    // Filled, for what is cut out of a face: any simple polygon.
    virtual void vieleck(const std::vector<netz::Punkt>& ecken, BgrColor farbe) = 0;
    virtual void strich(netz::Punkt a, netz::Punkt b, double breite, BgrColor farbe) = 0;
};

// The colour of a face of the card farbe (golden unless chosen) at a
// brightness from 0 to 1.
BgrColor flaechenFarbe(double helligkeit, const netz::Rgb& farbe = {});

// What lies behind the star: white paper, or the night where it is lit.
BgrColor hintergrund(const netz::Szene& s);

// The scene seen by the camera on a picture breite x hoehe (over a
// background of hintergrund): each face filled, what is cut out of it
// showing the background (glowing where the star is lit), then the lines
// on it drawn, the outline linienBreite wide and the folds thinner, so that
// the nearer faces cover the lines of those behind them.
void sternbildZeichnen(SternbildFlaeche& f, const netz::Szene& s, const netz::Kamera& k, double breite,
    double hoehe, double linienBreite);
