// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A colour as the system writes it: &H00BBGGRR.
using BgrColor = std::uint32_t;

constexpr BgrColor kSchwarz = 0x000000;

// DashDot marks the folded star's mountain folds.
enum class LineStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3 };

// What the figure routine and the curve editor draw on: the screen pictures,
// the export picture and the printer all offer these operations, each in its
// own unit (pixels or twips).
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // Width in the surface's pixels: logical pixels on a screen, however
    // finely it shows them; dots on a printer.
    virtual void setLineWidth(int width) = 0;
    virtual void setLineStyle(LineStyle style) = 0;
    virtual void line(double x1, double y1, double x2, double y2, BgrColor color) = 0;
    virtual void circle(double x, double y, double radius, BgrColor color) = 0;
};
