// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/figure.h"

#include <algorithm>

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

UmrissRahmen umrissRahmen(const PeloxState& s)
{
    // The centre mark 60 twips across, as on the printout.
    const double kreis = 60.0 / 566.0;
    const double rand = 0.3;
    double minX = -kreis, maxX = kreis, minY = -kreis, maxY = kreis;
    const auto einschliessen = [&](double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    };
    for (int i = 1; i <= s.AnzahlEcken + 1; ++i) {
        einschliessen(s.PunktX[i], s.PunktY[i]);
        if (s.KurveEin && i <= s.AnzahlEcken)
            for (int k = 1; k <= 3; ++k)
                einschliessen(s.KurvePunktX[i][k], s.KurvePunktY[i][k]);
    }
    return {rand - minX, rand - minY, maxX - minX + 2 * rand, maxY - minY + 2 * rand, kreis};
}
