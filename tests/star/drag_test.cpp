// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/drag.h"

#include <gtest/gtest.h>

namespace {

// A star on a picture where every corner position is a whole pixel: the
// centre at (100, 200), 10 pixels to the centimetre.
PeloxState bild()
{
    PeloxState s;
    s.MitteX = 100;
    s.MitteY = 200;
    s.Massstab = 10;
    s.YFaktor = 1;
    s.FangAbstand = 8;
    s.ZiehGrenzeLinks = 8;
    s.ZiehGrenzeRechts = 192;
    s.ZiehGrenzeOben = 8;
    s.ZiehGrenzeUnten = 392;
    s.AnzahlEcken = 4;
    const float ecken[6][2] = {{0, 0}, {5, 0}, {0, 2}, {-5, 0}, {0, -2}, {5, 0}};
    for (int i = 1; i <= 5; ++i) {
        s.PunktX[i] = ecken[i][0];
        s.PunktY[i] = ecken[i][1];
    }
    return s;
}

} // namespace

TEST(Drag, CatchesWithinAStrictSquareOfEightPixels)
{
    const PeloxState s = bild();  // corner 1 at (150, 200)
    for (const double d : {7.9, -7.9}) {
        EXPECT_EQ(star::fangEcke(s, 150 + d, 200), 1) << d;
        EXPECT_EQ(star::fangEcke(s, 150, 200 + d), 1) << d;
    }
    // The corner of the square is in reach, though further than 8 away.
    EXPECT_EQ(star::fangEcke(s, 157.9, 207.9), 1);
    for (const double d : {8.0, -8.0}) {
        EXPECT_EQ(star::fangEcke(s, 150 + d, 200), 0) << d;
        EXPECT_EQ(star::fangEcke(s, 150, 200 + d), 0) << d;
    }
}

TEST(Drag, TheClosingCornerIsNeverCaught)
{
    PeloxState s = bild();
    s.PunktX[5] = 9;  // the closing corner alone at (190, 200)
    EXPECT_EQ(star::fangEcke(s, 190, 200), 0);
}

TEST(Drag, OutsideTheDragAreaTheCornerKeepsItsRadius)
{
    PeloxState s = bild();
    s.Radius[1] = 5;
    // On the bounds the pointer counts; a hair beyond, the corner stays.
    EXPECT_FLOAT_EQ(star::ziehRadius(s, 1, 192, 200), 9.2f);
    EXPECT_FLOAT_EQ(star::ziehRadius(s, 1, 192.01, 200), 5);
    EXPECT_FLOAT_EQ(star::ziehRadius(s, 1, 8, 200), 9.2f);
    EXPECT_FLOAT_EQ(star::ziehRadius(s, 1, 7.99, 200), 5);
    s.Radius[4] = 2;  // corner 4 at (100, 180)
    EXPECT_FLOAT_EQ(star::ziehRadius(s, 4, 100, 8), 19.2f);
    EXPECT_FLOAT_EQ(star::ziehRadius(s, 4, 100, 7.99), 2);
    EXPECT_FLOAT_EQ(star::ziehRadius(s, 4, 100, 392.01), 2);
}
