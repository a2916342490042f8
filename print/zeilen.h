// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ports.h"

#include <QString>
#include <QStringList>

// Texts set to a width in the page's current font, measured as the page
// draws them, so that no line runs past the margin the user asked for.
namespace zeilen {

// The text broken at spaces into lines no wider than breite (twips). The
// lines after the first are indented as far as the first one's leading
// spaces and its number ("2. ") reach. A word wider than a line by itself is
// broken between its characters.
QStringList umbrechen(PageSurface& p, const QString& text, double breite);

// The text as it is where it fits into breite, else cut short with "…".
QString kuerzen(PageSurface& p, const QString& text, double breite);

} // namespace zeilen
