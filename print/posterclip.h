// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drawing.h"
#include "poster/plan.h"

#include <vector>

namespace poster {

// Passes to its target only the parts of every line inside the rectangle, so
// that a sheet carries its own part of the star and nothing beyond. Circles
// become the polygon the plan takes for them.
class ClipSurface : public DrawingSurface {
public:
    ClipSurface(DrawingSurface& target, const Rechteck& bereich)
        : m_target(target)
        , m_bereich(bereich)
    {
    }

    void setLineWidth(int width) override { m_target.setLineWidth(width); }
    void setLineStyle(LineStyle style) override { m_target.setLineStyle(style); }
    void line(double x1, double y1, double x2, double y2, BgrColor color) override;
    void circle(double x, double y, double radius, BgrColor color) override;

private:
    DrawingSurface& m_target;
    Rechteck m_bereich;
};

// Keeps what the figure routine draws as segments.
class SegmentSurface : public DrawingSurface {
public:
    std::vector<Strecke> strecken;

    void setLineWidth(int) override {}
    void setLineStyle(LineStyle) override {}
    void line(double x1, double y1, double x2, double y2, BgrColor) override
    {
        strecken.push_back({{x1, y1}, {x2, y2}});
    }
    void circle(double x, double y, double radius, BgrColor) override
    {
        for (const Strecke& s : kreis({x, y}, radius))
            strecken.push_back(s);
    }
};

} // namespace poster
