// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// Numbers as the user reads them, in the user's locale (QLocale's default),
// without digit grouping.
namespace numbers {

// With exactly one decimal: 19,0 under a German locale.
QString einDezimal(double v);

// The shortest general text of a float: at most seven significant digits, no
// trailing zeros, no separator for whole values (1.0 shows as 1).
QString kurz(float v);

// Reads a text in the user's locale back; 0 if it is not a number.
double lesen(const QString& text);

// A finite number in the user's locale, or nothing: an empty text, a word,
// NaN and infinity are no length a user measured.
std::optional<double> zahl(const QString& text);

} // namespace numbers
