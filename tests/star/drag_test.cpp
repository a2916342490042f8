// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/drag.h"

#include "support/star.h"

#include <gtest/gtest.h>

namespace {

// The start-up star on a picture of 400 by 400 pixels with its centre in the
// middle, 10 pixels to the centimetre: corner 1 lies at (295, 200), and the
// drag area ends 8 pixels inside the edges.
PeloxState bild()
{
    PeloxState s = startStern();
    s.MitteX = s.MitteY = 200;
    s.Massstab = 10;
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
