// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/star.h"

#include <gtest/gtest.h>
#include <cmath>

TEST(Corners, DefaultStarMatchesTheWorkedValues)
{
    const PeloxState s = startStern();
    ASSERT_EQ(s.AnzahlEcken, 16);
    const float erwartet[][3] = {{1, 9.5f, 0}, {2, 3.6955f, 1.5307f}, {3, 6.7175f, 6.7175f}, {5, 0, 9.5f}};
    for (const auto& e : erwartet) {
        EXPECT_NEAR(s.PunktX[int(e[0])], e[1], 5e-5) << "corner " << e[0];
        EXPECT_NEAR(s.PunktY[int(e[0])], e[2], 5e-5) << "corner " << e[0];
    }
    // The closing corner is computed at the accumulated angle, just short of a
    // full turn, not copied from corner 1.
    EXPECT_NEAR(s.PunktY[17], -0.00005, 1e-5);
    EXPECT_LT(s.PunktY[17], 0.f);
}

TEST(Corners, CornerCountAndHeightAcrossTheRange)
{
    const PeloxState zwei = startStern(2);
    ASSERT_EQ(zwei.AnzahlEcken, 4);
    EXPECT_NEAR(zwei.PunktY[2], 4, 1e-4);
    EXPECT_NEAR(zwei.PunktX[3], -9.5, 1e-4);
    for (int n = 2; n <= 36; ++n) {
        PeloxState s = startStern(n);
        EXPECT_EQ(s.AnzahlEcken, 2 * n) << n;
        EXPECT_NEAR(s.PunktX[2 * n + 1], s.PunktX[1], 1e-3) << n;
        const PeloxState voll = s;
        s.YFaktor = 0.5f;
        star::PeloxBerechnung(s);
        EXPECT_EQ(s.PunktX[n], voll.PunktX[n]);
        EXPECT_NEAR(s.PunktY[n], voll.PunktY[n] / 2, 1e-6);
    }
}

TEST(Corners, RadiiScaleWithTheirDiameterAndStayByIndex)
{
    PeloxState s = startStern();
    s.Radius[3] = 12;  // pulled tips; corner 1 also closes the outline
    s.Radius[1] = 7;
    star::PeloxBerechnung(s);
    EXPECT_FLOAT_EQ(s.Radius[17], 7);

    s.AussenDurchmesserNeu = 9.5f;
    star::RadiusKorrektur(s);
    EXPECT_FLOAT_EQ(s.Radius[3], 6);
    EXPECT_FLOAT_EQ(s.Radius[99], 4.75f);  // beyond the corners in use too
    EXPECT_FLOAT_EQ(s.Radius[100], 4);

    // One spike more: index 17 becomes an ordinary tip with the radius the
    // closing corner left in it; back to 8, the pulled tip is unchanged.
    s.AnzahlSpitzen = 9;
    star::PeloxBerechnung(s);
    EXPECT_NEAR(std::hypot(s.PunktX[17], s.PunktY[17]), 3.5, 1e-5);
    s.AnzahlSpitzen = 8;
    star::PeloxBerechnung(s);
    EXPECT_FLOAT_EQ(s.Radius[3], 6);

    // An inner diameter beyond the outer one is drawn as set.
    s.InnenDurchmesserNeu = 40;
    star::RadiusKorrektur(s);
    star::PeloxBerechnung(s);
    EXPECT_GT(std::hypot(s.PunktX[2], s.PunktY[2]), std::hypot(s.PunktX[5], s.PunktY[5]));
}

TEST(Corners, WerteInitDerivesTheViewAndResetsEveryRadius)
{
    PeloxState s = startStern();
    s.TwipsProPixel = 15;
    s.TwipsProCm = 566;
    s.PixelProCm = 566.f / 15;
    s.Verkleinerung = 0.37f;
    s.Radius[5] = 1;
    star::WerteInit(s, Masse{289.0, 410.5, 4395, 6225, 11906, 16839});
    EXPECT_FLOAT_EQ(s.MitteX, 144);
    EXPECT_FLOAT_EQ(s.MitteY, 205);  // 410.5 rounds to the even 410
    EXPECT_NEAR(s.ZiehGrenzeRechts, 293 - s.Massstab * 0.8, 1e-4);
    EXPECT_NEAR(s.ZiehGrenzeUnten, 415 - s.Massstab * 0.8, 1e-4);
    EXPECT_FLOAT_EQ(s.DruckMitteX, 5953);
    EXPECT_FLOAT_EQ(s.DruckMitteY, 8419);
    EXPECT_FLOAT_EQ(s.Radius[5], 9.5f);
}
