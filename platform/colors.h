// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drawing.h"

#include <QColor>

inline QColor toQColor(BgrColor c)
{
    return QColor(int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff));
}

constexpr BgrColor kHellgruen = 0xC0FFC0;      // value labels, curve editor
constexpr BgrColor kBlau = 0xFF0000;           // " A4-Blatt"
constexpr BgrColor kDunkelgruen = 0x008000;    // "Pelox innen", "Pelox aussen"
constexpr BgrColor kRasterGruen = 0x004000;    // curve editor grid and marks
constexpr BgrColor kBlattLinie = 0xFF8080;     // border between two sheets
constexpr BgrColor kWeiss = 0xFFFFFF;
