// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/picturesize.h"

#include <gtest/gtest.h>

TEST(PictureSize, ExtremesStartAtTheCentreAndCountTheCornersOnly)
{
    PeloxState s;
    s.PixelProCm = 40;
    s.AnzahlEcken = 2;
    s.PunktX[1] = 2;
    s.PunktY[1] = 1;
    s.PunktX[2] = 3;
    s.PunktY[2] = 2;
    // Neither the closing point nor a bend point widens the picture.
    s.PunktX[3] = -5;
    s.KurveEin = true;
    s.KurvePunktY[1][2] = -10;
    star::BildGrösseRechnen(s);
    EXPECT_FLOAT_EQ(s.BildMitteX, 12);
    EXPECT_FLOAT_EQ(s.BildMitteY, 12);
    EXPECT_FLOAT_EQ(s.BildBreite, 144);
    EXPECT_FLOAT_EQ(s.BildHoehe, 104);
}
