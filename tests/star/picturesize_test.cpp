// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/picturesize.h"

#include <gtest/gtest.h>

TEST(PictureSize, ExtremesStartAtTheCentreAndCountTheCornersOnly)
{
    // One corner right of and below the centre; left of and above it lie only
    // the closing point and a bend point, which must not widen the picture.
    PeloxState s;
    s.PixelProCm = 40;
    s.AnzahlEcken = 1;
    s.PunktX[1] = 2;
    s.PunktY[1] = 1;
    s.PunktX[2] = -5;
    s.KurveEin = true;
    s.KurvePunktY[1][2] = -10;
    star::BildGrösseRechnen(s);
    EXPECT_FLOAT_EQ(s.BildMitteX, 12);
    EXPECT_FLOAT_EQ(s.BildMitteY, 12);
}
