// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curve/calc.h"
#include "support/star.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

// Slots 1..3 of one edge from (0, 0) to (4, 0), numbered even or odd.
std::array<std::array<float, 2>, 3> oneEdge(int index, float w1, float w2, float w3)
{
    PeloxState s;
    s.AnzahlEcken = static_cast<std::int16_t>(index);
    s.PunktX[index + 1] = 4;
    s.KurvenWert = {0, w1, w2, w3, 0};
    curve::KurvenBerechnung(s);
    return {{{s.KurvePunktX[index][1], s.KurvePunktY[index][1]}, {s.KurvePunktX[index][2], s.KurvePunktY[index][2]},
        {s.KurvePunktX[index][3], s.KurvePunktY[index][3]}}};
}

using Slots = std::array<std::array<float, 2>, 3>;

} // namespace

TEST(CurveCalculation, DeviationsAreMirroredOnEdgesFromATip)
{
    EXPECT_EQ(oneEdge(2, 1, 2, 3), (Slots{{{1, 1}, {2, 2}, {3, 3}}}));
    EXPECT_EQ(oneEdge(1, 1, 2, 3), (Slots{{{1, 3}, {2, 2}, {3, 1}}}));
    // Only the first value: the point a quarter from the inner corner moves.
    EXPECT_EQ(oneEdge(2, 0.5f, 0, 0), (Slots{{{1, 0.5f}, {2, 0}, {3, 0}}}));
    EXPECT_EQ(oneEdge(1, 0.5f, 0, 0), (Slots{{{1, 0}, {2, 0}, {3, 0.5f}}}));
    EXPECT_EQ(oneEdge(2, 0, 0, 0), (Slots{{{1, 0}, {2, 0}, {3, 0}}}));
}

TEST(CurveCalculation, PositiveValuesBendEveryEdgeTowardTheCentreIncludingTheLast)
{
    PeloxState s = startStern();
    s.KurvePunktX[17][1] = 42;  // a row beyond the corners is left alone
    s.KurvenWert = {0, 0.5f, 0.5f, 0.5f, 0};
    curve::KurvenBerechnung(s);
    EXPECT_EQ(s.KurvePunktX[17][1], 42);
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        // Signed distance from the edge's line: the centre and every bend
        // point lie on the same side, the points 0.5 cm off the line.
        const double ex = s.PunktX[i + 1] - s.PunktX[i];
        const double ey = s.PunktY[i + 1] - s.PunktY[i];
        const auto side = [&](double x, double y) {
            return (ex * (y - s.PunktY[i]) - ey * (x - s.PunktX[i])) / std::hypot(ex, ey);
        };
        for (int k = 1; k <= 3; ++k) {
            const double d = side(s.KurvePunktX[i][k], s.KurvePunktY[i][k]);
            EXPECT_NEAR(std::abs(d), 0.5, 1e-5) << "edge " << i;
            EXPECT_GT(d * side(0, 0), 0) << "edge " << i;
        }
    }
}

TEST(CurveCalculation, AnEdgeOfLengthZeroKeepsItsPointsOnTheCorner)
{
    PeloxState s = startStern();
    s.Radius[3] = 0;
    s.Radius[4] = 0;
    star::PeloxBerechnung(s);
    s.KurvenWert = {0, 1, -1, 0.5f, 0};
    curve::KurvenBerechnung(s);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(s.KurvePunktX[3][k], s.PunktX[3]);
    for (int i = 1; i <= s.AnzahlEcken; ++i)
        for (int k = 1; k <= 3; ++k)
            ASSERT_TRUE(std::isfinite(s.KurvePunktX[i][k]) && std::isfinite(s.KurvePunktY[i][k])) << i;
}
