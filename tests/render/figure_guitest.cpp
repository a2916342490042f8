// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/figure.h"

#include "curve/calc.h"
#include "star/corners.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace {

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

using Op = RecordingSurface::Op;

} // namespace

TEST(Figure, DefaultStarIsSixteenEdgesAndACentreCircle)
{
    const PeloxState s = defaultStar();
    RecordingSurface out;
    const double m = 13.96133;
    drawFigure(out, s, {m, 144, 205, false}, 1, s.AnzahlEcken, false, 2);
    const auto lines = out.only(Op::Line);
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_NEAR(lines[0].a, 144 + 9.5 * m, 1e-3);
    EXPECT_NEAR(lines[0].b, 205, 1e-3);
    EXPECT_NEAR(lines[0].c, 144 + 3.6955 * m, 1e-3);
    EXPECT_NEAR(lines[0].d, 205 + 1.5307 * m, 1e-3);
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_FLOAT_EQ(lines[i].a, lines[i - 1].c);  // a closed outline
        EXPECT_FLOAT_EQ(lines[i].b, lines[i - 1].d);
    }
    ASSERT_EQ(out.count(Op::Circle), 1);
    EXPECT_EQ(out.ops.back().kind, Op::Circle);
    EXPECT_DOUBLE_EQ(out.ops.back().a, 144);
    EXPECT_DOUBLE_EQ(out.ops.back().b, 205);
    EXPECT_DOUBLE_EQ(out.ops.back().c, 2);
}

TEST(Figure, DreiDDrawsSpokesInsteadOfTheCircle)
{
    const PeloxState s = defaultStar();
    RecordingSurface out;
    drawFigure(out, s, {10, 100, 100, false}, 1, s.AnzahlEcken, true, 2);
    const auto lines = out.only(Op::Line);
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(out.count(Op::Circle), 0);
    for (int i = 0; i < 16; ++i) {
        const Op& spoke = lines[16 + i];
        EXPECT_FLOAT_EQ(spoke.a, float(100 + s.PunktX[i + 1] * 10.0));
        EXPECT_DOUBLE_EQ(spoke.c, 100);
        EXPECT_DOUBLE_EQ(spoke.d, 100);
    }
}

TEST(Figure, BentEdgesAreFourSegmentsThroughTheBendPoints)
{
    PeloxState s = defaultStar();
    s.KurvenWert = {0, 0.3f, -0.2f, 0.1f, 0};
    curve::KurvenBerechnung(s);
    s.KurveEin = true;
    RecordingSurface out;
    drawFigure(out, s, {1, 0, 0, false}, 1, s.AnzahlEcken, true, 2);
    const auto lines = out.only(Op::Line);
    ASSERT_EQ(lines.size(), 16u * 4 + 16);
    // Edge 2: corner 2, its three bend points, corner 3.
    EXPECT_FLOAT_EQ(lines[4].a, s.PunktX[2]);
    EXPECT_FLOAT_EQ(lines[4].c, s.KurvePunktX[2][1]);
    EXPECT_FLOAT_EQ(lines[5].c, s.KurvePunktX[2][2]);
    EXPECT_FLOAT_EQ(lines[6].c, s.KurvePunktX[2][3]);
    EXPECT_FLOAT_EQ(lines[7].c, s.PunktX[3]);
    EXPECT_FLOAT_EQ(lines[7].d, s.PunktY[3]);
}

TEST(Figure, ExchangedAxesAndAnEdgeRangeForHalfAStar)
{
    const PeloxState s = defaultStar();
    RecordingSurface out;
    drawFigure(out, s, {566, 500, 8419, true}, 1, 8, false, 60);
    const auto lines = out.only(Op::Line);
    ASSERT_EQ(lines.size(), 8u);
    // Corner 1 (9.5, 0) lies on the cut line x = 500, 9.5 cm below the centre.
    EXPECT_FLOAT_EQ(lines[0].a, 500);
    EXPECT_FLOAT_EQ(lines[0].b, float(8419 + 9.5 * 566));
    // Corner 5 (0, 9.5) lies 9.5 cm to the right of the cut line.
    EXPECT_NEAR(lines[4].a, 500 + 9.5 * 566, 0.05);
    EXPECT_NEAR(lines[4].b, 8419, 0.05);
    EXPECT_EQ(out.only(Op::Circle).at(0).c, 60);
}
