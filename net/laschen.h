// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/netz.h"

#include <array>
#include <numbers>
#include <optional>
#include <vector>

// The glue tabs of a piece in its own frame: how their sides stand at the
// corners and bend points of its outline, and how they are laid so that
// none overlaps another tab or a face, and each is as deep as it can be.
namespace netz {

// The depth below which a tab holds too little glue, cm.
inline constexpr double kKlebbar = 0.3;

// The angles a tab's sides leave their segments at: at a corner of the star
// as a trapezoid's, at a bend point no further than the other half's spoke
// there, folded over, so that the part stays on the face it is glued to, and
// everywhere short of half the room outside the corner, less a notch, where
// the neighbouring segment carries a tab too, so that no two tabs touch.
inline constexpr double kEckWinkel = std::numbers::pi / 4;

// The angle at corner a between the lines to b and to c.
double winkelBei(Punkt a, Punkt b, Punkt c);

// At the corners of a straight edge too short for a trapezoid that deep,
// the sides stand up steeper until the tab is deep enough to glue, or as
// far as they may.
double eckWinkel(double kante);

// The angle at the corner where the part's face has the angle innen, beside
// another face (or the cut) with the angle nachbar inside the piece; at a
// corner of the star at most ecke.
double seitenWinkel(bool biegung, double innen, double nachbar, bool nachbarLasche, double ecke = kEckWinkel);

// One part of a tab on the segment from a to b, its sides leaving the
// segment at the angles wa and wb toward the outside n (a right angle
// stands upright, less leans over the part), cut at the depth breite or
// where its sides meet.
std::vector<Punkt> stueck(Punkt a, Punkt b, Punkt n, double breite, double wa, double wb);

// The depth of a tab: how far its outermost corner lies from its fold line.
double tiefe(const Lasche& k);

// A tab to be laid along the segments from p[0] to p.back(), its sides'
// angles at each of those points (on both sides of a bend point). Its ends,
// which lie at corners of the star or at the peak, may be moved in along
// their segments, and then lean over as a trapezoid's, clear of the corner.
struct Entwurf {
    std::vector<Punkt> p;
    std::vector<Punkt> n;       // per segment, the outside
    std::vector<double> anfang;  // per segment, the angle at its start
    std::vector<double> ende;    // and at its end

    // The tab at the width breite, its ends moved in by vorn and hinten.
    Lasche bei(double breite, double vorn, double hinten) const;
};

// The tabs laid around the faces of a piece, each where it overlaps nothing
// and keeps clear of every other tab and face, or none where there is no
// room; at most lasche deep.
std::vector<std::optional<Lasche>> laschenLegen(
    const std::vector<std::array<Punkt, 3>>& flaechen, const std::vector<Entwurf>& entwuerfe, double lasche);

// What to say where some tabs of the pieces are narrower than kKlebbar: how
// many, of how many.
std::optional<Phrase> laschenHinweis(const std::vector<Teil>& teile);

} // namespace netz
