// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/figure.h"

float FigureMapping::mapX(float x, float y) const
{
    return static_cast<float>(centreX + double(swapAxes ? y : x) * scale);
}

float FigureMapping::mapY(float x, float y) const
{
    return static_cast<float>(centreY + double(swapAxes ? x : y) * scale);
}

void drawFigure(DrawingSurface& surface, const PeloxState& s, const FigureMapping& m, int firstEdge,
    int lastEdge, bool dreiD, double centreRadius)
{
    const auto line = [&](float x1, float y1, float x2, float y2) {
        surface.line(m.mapX(x1, y1), m.mapY(x1, y1), m.mapX(x2, y2), m.mapY(x2, y2), kSchwarz);
    };

    for (int i = firstEdge; i <= lastEdge; ++i) {
        if (s.KurveEin) {
            float x = s.PunktX[i];
            float y = s.PunktY[i];
            for (int k = 1; k <= 3; ++k) {
                line(x, y, s.KurvePunktX[i][k], s.KurvePunktY[i][k]);
                x = s.KurvePunktX[i][k];
                y = s.KurvePunktY[i][k];
            }
            line(x, y, s.PunktX[i + 1], s.PunktY[i + 1]);
        } else {
            line(s.PunktX[i], s.PunktY[i], s.PunktX[i + 1], s.PunktY[i + 1]);
        }
    }

    const float cx = m.mapX(0, 0);
    const float cy = m.mapY(0, 0);
    if (dreiD) {
        for (int i = firstEdge; i <= lastEdge; ++i)
            surface.line(m.mapX(s.PunktX[i], s.PunktY[i]), m.mapY(s.PunktX[i], s.PunktY[i]), cx, cy, kSchwarz);
    } else {
        surface.circle(cx, cy, centreRadius, kSchwarz);
    }
}
