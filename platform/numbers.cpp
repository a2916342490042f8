// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers.h"

#include "platform/sprache.h"

#include <cmath>

namespace numbers {

QString einDezimal(double v)
{
    return sprache::zahlen().toString(v, 'f', 1);
}

QString kurz(float v)
{
    // Qt writes a negative zero as "0", as the user expects.
    return sprache::zahlen().toString(double(v), 'g', 7);
}

double lesen(const QString& text)
{
    return sprache::zahlen().toDouble(text);
}

std::optional<double> zahl(const QString& text)
{
    // "18.1" in German is no 181 but a slip, and "18,1" in English no 181
    // either: a group separator makes no number here.
    bool ok = false;
    const double v = sprache::zahlen().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace numbers
