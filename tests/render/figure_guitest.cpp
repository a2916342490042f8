// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/figure.h"

#include "curve/calc.h"
#include "support/fakes.h"
#include "support/star.h"

#include <gtest/gtest.h>

using Op = RecordingSurface::Op;

TEST(Figure, DefaultStarIsAClosedOutlineAroundACentreCircle)
{
    const PeloxState s = startStern();
    RecordingSurface out;
    const double m = 13.96133;
    drawFigure(out, s, {m, 144, 205, false}, 1, s.AnzahlEcken, false, 2);
    const auto lines = out.only(Op::Line);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_NEAR(lines[0].a, 144 + 9.5 * m, 1e-3);
    EXPECT_NEAR(lines[0].d, 205 + 1.5307 * m, 1e-3);
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_FLOAT_EQ(lines[i].a, lines[i - 1].c);
    ASSERT_EQ(out.ops.back().kind, Op::Circle);
    EXPECT_EQ(out.count(Op::Circle), 1);
    EXPECT_DOUBLE_EQ(out.ops.back().c, 2);
}

TEST(Figure, BentDreiDEdgesRunThroughTheBendPointsThenSpokes)
{
    PeloxState s = startStern();
    s.KurvenWert = {0, 0.3f, -0.2f, 0.1f, 0};
    curve::KurvenBerechnung(s);
    s.KurveEin = true;
    RecordingSurface out;
    drawFigure(out, s, {1, 0, 0, false}, 1, s.AnzahlEcken, true, 2);
    const auto lines = out.only(Op::Line);
    ASSERT_EQ(lines.size(), 16u * 4 + 16);
    EXPECT_EQ(out.count(Op::Circle), 0);
    // Edge 2: corner 2, its three bend points, corner 3.
    EXPECT_FLOAT_EQ(lines[4].a, s.PunktX[2]);
    for (int k = 1; k <= 3; ++k)
        EXPECT_FLOAT_EQ(lines[3 + k].c, s.KurvePunktX[2][k]);
    EXPECT_FLOAT_EQ(lines[7].c, s.PunktX[3]);
    // Spokes from every corner to the centre.
    EXPECT_FLOAT_EQ(lines[64 + 4].a, s.PunktX[5]);
    EXPECT_DOUBLE_EQ(lines[64 + 4].c, 0);
}
