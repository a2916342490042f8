// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/blatt.h"
#include "star/phrase.h"

#include <optional>
#include <vector>

// The check scale: a vertical and a horizontal bar of exactly 5 cm, joined
// at the lower left like an L, with ticks every centimetre, labelled and with
// an instruction to measure them. It goes into a free corner of the sheet.
namespace pruefmass {

struct Text {
    blatt::Punkt obenLinks;
    Phrase text;
};

struct Zeichnung {
    std::vector<blatt::Strecke> striche;
    std::vector<Text> texte;
};

// Side of the square the check scale takes, in twips.
constexpr double kSeite = 5 * blatt::kTwipsProCm;
// How far it stays in from the edge of its area, where printers are least
// exact, and how far from everything else on the sheet.
constexpr double kRand = 0.3 * blatt::kTwipsProCm;
constexpr double kAbstand = 0.3 * blatt::kTwipsProCm;
// The square at a corner of its area that the check scale needs with both:
// nothing else on the sheet may reach into it.
constexpr double kPlatz = kRand + kSeite + kAbstand;
// What a layout keeps free for it, in cm: a millimetre more, so that nothing
// laid out up to its edge touches the room it keeps.
constexpr double kFreiCm = kPlatz / blatt::kTwipsProCm + 0.1;

// The check scale with the top-left corner of its square at ecke, its texts
// in the printout's font with lines zeile twips apart.
Zeichnung Zeichnen(blatt::Punkt ecke, double zeile);

// The top-left corner of the first corner of the drawing area (bottom right,
// bottom left, top right, top left) where the check scale, a little in from
// the edges, keeps clear of everything on the sheet; none when every corner
// is taken.
std::optional<blatt::Punkt> FreieEcke(const blatt::Inhalt& belegt, const blatt::Rechteck& bereich);

} // namespace pruefmass
