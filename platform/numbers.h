// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Numbers as the user reads and types them: with the decimal sign of the
// language the program speaks (sprache::zahlen), without digit grouping.
namespace numbers {

// With exactly one decimal: 19,0 in German.
QString einDezimal(double v);

// The shortest general text of a float: at most seven significant digits, no
// trailing zeros, no separator for whole values (1.0 shows as 1).
QString kurz(float v);

// Reads a text written by einDezimal or kurz back; 0 if it is not a number.
double lesen(const QString& text);

// A finite number as the user typed it, or nothing: an empty text, a word,
// NaN and infinity are no length a user measured.
std::optional<double> zahl(const QString& text);

} // namespace numbers
