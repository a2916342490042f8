// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers.h"

#include <QLocale>

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

} // namespace numbers
