// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers.h"

#include <QLocale>
#include <cmath>

namespace numbers {

static QLocale userLocale()
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

QString einDezimal(double v)
{
    return userLocale().toString(v, 'f', 1);
}

QString kurz(float v)
{
    // Qt writes a negative zero as "0", as the user expects.
    return userLocale().toString(double(v), 'g', 7);
}

double lesen(const QString& text)
{
    return userLocale().toDouble(text);
}

std::optional<double> zahl(const QString& text)
{
    // "18.1" under a German locale is no 181 but a slip: group separators
    // make no number here.
    QLocale l = userLocale();
    l.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = l.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace numbers
