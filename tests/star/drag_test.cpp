// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/drag.h"

#include "support/star.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

namespace {

// The start-up star on a picture of 400 by 400 pixels with its centre in the
// middle, 10 pixels to the centimetre: corner 1 lies at (295, 200), and the
// drag area ends 8 pixels inside the edges.
PeloxState bild(int spitzen = 8, float massstab = 10)
{
    PeloxState s = startStern(spitzen);
    s.MitteX = s.MitteY = 200;
    s.Massstab = massstab;
    s.FangAbstand = 8;
    s.ZiehGrenzeLinks = s.ZiehGrenzeOben = 8;
    s.ZiehGrenzeRechts = s.ZiehGrenzeUnten = 392;
    return s;
}

} // namespace

TEST(Drag, CatchesInsideAStrictSquare)
{
    const PeloxState s = bild();
    // The corner of the square is in reach, though further than 8 away.
    EXPECT_EQ(star::fangEcke(s, 302.9, 192.1), 1);
    EXPECT_EQ(star::fangEcke(s, 287, 200), 0);
    EXPECT_EQ(star::fangEcke(s, 295, 192), 0);

    // Every corner up to the last one, twice the number of points, is caught
    // on the spot where it is drawn: each half a point's angle after the one
    // before, tips on the outer diameter, inner corners on the inner one. With
    // 36 points the picture is twice as large, so that neighbouring inner
    // corners lie further apart than the catch distance.
    for (const int spitzen : {8, 36}) {
        const PeloxState t = bild(spitzen, spitzen == 8 ? 10 : 20);
        ASSERT_EQ(t.AnzahlEcken, 2 * spitzen);
        for (int i = 1; i <= 2 * spitzen; ++i) {
            const double winkel = (i - 1) * std::numbers::pi / spitzen;
            const double r = (i % 2 == 1 ? 9.5 : 4.0) * t.Massstab;
            EXPECT_EQ(star::fangEcke(t, 200 + r * std::cos(winkel), 200 + r * std::sin(winkel)), i)
                << spitzen << " points, corner " << i;
        }
    }
}

TEST(Drag, TheDragAreaIncludesItsBounds)
{
    // On each bound the pointer counts; a hair beyond it corner 1 keeps its
    // radius.
    const double aufDerGrenze[][2] = {{392, 200}, {8, 200}, {200, 8}, {200, 392}};
    for (const auto& p : aufDerGrenze) {
        EXPECT_FLOAT_EQ(star::ziehRadius(bild(), 1, p[0], p[1]), 19.2f) << p[0] << ", " << p[1];
        const double x = 200 + (p[0] - 200) * 1.0001;
        const double y = 200 + (p[1] - 200) * 1.0001;
        EXPECT_FLOAT_EQ(star::ziehRadius(bild(), 1, x, y), 9.5f) << p[0] << ", " << p[1];
    }
}
