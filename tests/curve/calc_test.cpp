// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "curve/calc.h"
#include "star/corners.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

// One edge from (0, 0) to (4, 0), numbered so that it is even or odd.
PeloxState oneEdge(int index, float w1, float w2, float w3)
{
    PeloxState s;
    s.AnzahlEcken = static_cast<std::int16_t>(index);
    for (int i = 1; i <= index + 1; ++i) {
        s.PunktX[i] = 1000;  // far away; only the edge under test matters
        s.PunktY[i] = 1000 + i;
    }
    s.PunktX[index] = 0;
    s.PunktY[index] = 0;
    s.PunktX[index + 1] = 4;
    s.PunktY[index + 1] = 0;
    s.KurvenWert = {0, w1, w2, w3, 0};
    curve::KurvenBerechnung(s);
    return s;
}

void expectSlots(const PeloxState& s, int edge, std::array<std::array<float, 2>, 3> expected)
{
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FLOAT_EQ(s.KurvePunktX[edge][k], expected[k - 1][0]) << "edge " << edge << " slot " << k;
        EXPECT_FLOAT_EQ(s.KurvePunktY[edge][k], expected[k - 1][1]) << "edge " << edge << " slot " << k;
    }
}

PeloxState defaultStar()
{
    PeloxState s;
    s.Pi = 3.14159f;
    s.AussenDurchmesser = 19;
    s.InnenDurchmesser = 8;
    s.YFaktor = 1;
    s.AnzahlSpitzen = 8;
    star::RadienZuruecksetzen(s);
    star::PeloxBerechnung(s);
    return s;
}

} // namespace

TEST(CurveCalculation, WorkedEdgeIsMirroredOnOddEdges)
{
    expectSlots(oneEdge(2, 1, 2, 3), 2, {{{1, 1}, {2, 2}, {3, 3}}});
    expectSlots(oneEdge(1, 1, 2, 3), 1, {{{1, 3}, {2, 2}, {3, 1}}});
}

TEST(CurveCalculation, FirstValueMovesThePointNearTheInnerCorner)
{
    expectSlots(oneEdge(2, 0.5f, 0, 0), 2, {{{1, 0.5f}, {2, 0}, {3, 0}}});
    expectSlots(oneEdge(1, 0.5f, 0, 0), 1, {{{1, 0}, {2, 0}, {3, 0.5f}}});
}

TEST(CurveCalculation, ZeroValuesLeaveThePointsOnTheQuarters)
{
    PeloxState s = defaultStar();
    curve::KurvenBerechnung(s);
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        for (int k = 1; k <= 3; ++k) {
            const double x = s.PunktX[i] + (s.PunktX[i + 1] - s.PunktX[i]) * k / 4.0;
            const double y = s.PunktY[i] + (s.PunktY[i + 1] - s.PunktY[i]) * k / 4.0;
            EXPECT_NEAR(s.KurvePunktX[i][k], x, 1e-5);
            EXPECT_NEAR(s.KurvePunktY[i][k], y, 1e-5);
        }
    }
}

TEST(CurveCalculation, PositiveValuesBendEveryEdgeTowardTheCentreIncludingTheLast)
{
    PeloxState s = defaultStar();
    s.KurvenWert = {0, 0.5f, 0.5f, 0.5f, 0};
    curve::KurvenBerechnung(s);
    for (int i = 1; i <= s.AnzahlEcken; ++i) {
        // Signed distance from the edge's line: the centre and every bend
        // point lie on the same side, the points 0.5 cm off the line.
        const double ex = s.PunktX[i + 1] - s.PunktX[i];
        const double ey = s.PunktY[i + 1] - s.PunktY[i];
        const double len = std::hypot(ex, ey);
        const auto side = [&](double x, double y) {
            return (ex * (y - s.PunktY[i]) - ey * (x - s.PunktX[i])) / len;
        };
        const double centre = side(0, 0);
        for (int k = 1; k <= 3; ++k) {
            const double d = side(s.KurvePunktX[i][k], s.KurvePunktY[i][k]);
            EXPECT_NEAR(std::abs(d), 0.5, 1e-5) << "edge " << i;
            EXPECT_GT(d * centre, 0) << "edge " << i;
        }
    }
    // The last edge ends on the closing corner, which repeats tip 1.
    EXPECT_NEAR(s.PunktX[17], s.PunktX[1], 1e-4);
}

TEST(CurveCalculation, RowsAboveTheCornersAreLeftAlone)
{
    PeloxState s = defaultStar();
    s.KurvePunktX[17][1] = 42;
    s.KurvePunktY[40][2] = 43;
    curve::KurvenBerechnung(s);
    EXPECT_EQ(s.KurvePunktX[17][1], 42);
    EXPECT_EQ(s.KurvePunktY[40][2], 43);
}

TEST(CurveCalculation, AnEdgeOfLengthZeroKeepsItsPointsOnTheCorner)
{
    PeloxState s = defaultStar();
    s.Radius[3] = 0;
    s.Radius[4] = 0;
    star::PeloxBerechnung(s);
    s.KurvenWert = {0, 1, -1, 0.5f, 0};
    curve::KurvenBerechnung(s);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(s.KurvePunktX[3][k], s.PunktX[3]);
        EXPECT_EQ(s.KurvePunktY[3][k], s.PunktY[3]);
    }
    for (int i = 1; i <= s.AnzahlEcken; ++i)
        for (int k = 1; k <= 3; ++k)
            ASSERT_TRUE(std::isfinite(s.KurvePunktX[i][k]) && std::isfinite(s.KurvePunktY[i][k])) << i;
    EXPECT_TRUE(std::isfinite(s.RichtungX) && std::isfinite(s.RichtungY));
}
