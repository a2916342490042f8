// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ranges of the size and shape controls, in the units their bars count:
// points, half centimetres of a diameter, tens of percent of the height. The
// window's bars, its handlers and the check of a data file all take them from
// here.
namespace star {

// The one check of every number that comes in, from the command line, a
// dialog, the settings or a file: a number from von to bis, both ends
// included. Written so that NaN fails, and infinity with any finite end.
constexpr bool inRange(double v, double von, double bis)
{
    return v >= von && v <= bis;
}

inline constexpr int kSpitzenMin = 2;
inline constexpr int kSpitzenMax = 36;
inline constexpr int kAussenMin = 2;
inline constexpr int kInnenMin = 1;
inline constexpr int kDurchmesserMaxEinBlatt = 38;
// 38 times the square root of 2, rounded: 27 cm on two sheets.
inline constexpr int kDurchmesserMaxZweiBlatt = 54;
inline constexpr int kHoeheMin = 1;
inline constexpr int kHoeheMax = 30;

constexpr int durchmesserMax(bool zweiA4)
{
    return zweiA4 ? kDurchmesserMaxZweiBlatt : kDurchmesserMaxEinBlatt;
}

} // namespace star
