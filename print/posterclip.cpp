// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/posterclip.h"

namespace poster {

void ClipSurface::line(double x1, double y1, double x2, double y2, BgrColor color)
{
    if (const auto teil = beschneiden({{x1, y1}, {x2, y2}}, m_bereich))
        m_target.line(teil->a.x, teil->a.y, teil->b.x, teil->b.y, color);
}

void ClipSurface::circle(double x, double y, double radius, BgrColor color)
{
    for (const Strecke& s : kreis({x, y}, radius))
        line(s.a.x, s.a.y, s.b.x, s.b.y, color);
}

} // namespace poster
