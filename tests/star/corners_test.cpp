// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/corners.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

PeloxState defaultStar(int spitzen = 8)
{
    PeloxState s;
    s.Pi = 3.14159f;
    s.AussenDurchmesser = s.AussenDurchmesserNeu = 19;
    s.InnenDurchmesser = s.InnenDurchmesserNeu = 8;
    s.YFaktor = 1;
    s.AnzahlSpitzen = static_cast<std::int16_t>(spitzen);
    star::RadienZuruecksetzen(s);
    star::PeloxBerechnung(s);
    return s;
}

} // namespace

TEST(Corners, DefaultStarMatchesTheWorkedValues)
{
    const PeloxState s = defaultStar();
    ASSERT_EQ(s.AnzahlEcken, 16);
    EXPECT_FLOAT_EQ(s.PunktX[1], 9.5f);
    EXPECT_FLOAT_EQ(s.PunktY[1], 0.f);
    EXPECT_NEAR(s.PunktX[2], 3.6955, 5e-5);
    EXPECT_NEAR(s.PunktY[2], 1.5307, 5e-5);
    EXPECT_NEAR(s.PunktX[3], 6.7175, 5e-5);
    EXPECT_NEAR(s.PunktY[3], 6.7175, 5e-5);
    EXPECT_NEAR(s.PunktX[5], 0.0, 5e-5);
    EXPECT_NEAR(s.PunktY[5], 9.5, 5e-5);
    // The closing corner is computed at the accumulated angle, just short of
    // a full turn, not copied from corner 1.
    EXPECT_FLOAT_EQ(s.Radius[17], s.Radius[1]);
    EXPECT_NEAR(s.PunktX[17], 9.5, 1e-5);
    EXPECT_NEAR(s.PunktY[17], -0.00005, 1e-5);
    EXPECT_LT(s.PunktY[17], 0.f);
}

TEST(Corners, CornerCountFollowsTheSpikesAcrossTheirRange)
{
    const PeloxState zwei = defaultStar(2);
    ASSERT_EQ(zwei.AnzahlEcken, 4);
    const float erwartet[4][2] = {{9.5f, 0}, {0, 4}, {-9.5f, 0}, {0, -4}};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(zwei.PunktX[i], erwartet[i - 1][0], 1e-4) << "corner " << i;
        EXPECT_NEAR(zwei.PunktY[i], erwartet[i - 1][1], 1e-4) << "corner " << i;
    }
    for (int n = 2; n <= 36; ++n) {
        const PeloxState s = defaultStar(n);
        EXPECT_EQ(s.AnzahlEcken, 2 * n) << n << " spikes";
        EXPECT_NEAR(s.PunktX[2 * n + 1], s.PunktX[1], 1e-3);
        EXPECT_NEAR(s.PunktY[2 * n + 1], s.PunktY[1], 1e-3);
    }
}

TEST(Corners, HeightFactorScalesOnlyY)
{
    PeloxState s = defaultStar();
    const PeloxState voll = s;
    s.YFaktor = 0.5f;
    star::PeloxBerechnung(s);
    for (int i = 1; i <= 17; ++i) {
        EXPECT_FLOAT_EQ(s.PunktX[i], voll.PunktX[i]);
        EXPECT_NEAR(s.PunktY[i], voll.PunktY[i] / 2, 1e-6);
    }
}

TEST(Corners, RadiiScaleWithTheirDiameterAndStayByIndex)
{
    PeloxState s = defaultStar();
    s.Radius[3] = 12;  // a pulled tip
    s.Radius[1] = 7;   // pulled corner 1 also closes the outline
    star::PeloxBerechnung(s);
    EXPECT_FLOAT_EQ(s.Radius[17], 7);

    s.AussenDurchmesserNeu = 9.5f;
    star::RadiusKorrektur(s);
    EXPECT_FLOAT_EQ(s.AussenDurchmesser, 9.5f);
    EXPECT_FLOAT_EQ(s.Radius[3], 6);
    EXPECT_FLOAT_EQ(s.Radius[1], 3.5f);
    EXPECT_FLOAT_EQ(s.Radius[99], 4.75f);  // beyond the corners in use too
    EXPECT_FLOAT_EQ(s.Radius[2], 4);
    EXPECT_FLOAT_EQ(s.Radius[100], 4);

    // One spike more: index 17 becomes an ordinary tip and keeps the radius
    // the closing corner left in it; the pulled tip 3 is unchanged.
    s.AnzahlSpitzen = 9;
    star::PeloxBerechnung(s);
    EXPECT_FLOAT_EQ(s.Radius[17], 3.5f);
    EXPECT_NEAR(std::hypot(s.PunktX[17], s.PunktY[17]), 3.5, 1e-5);
    EXPECT_FLOAT_EQ(s.Radius[3], 6);
    s.AnzahlSpitzen = 8;
    star::PeloxBerechnung(s);
    EXPECT_FLOAT_EQ(s.Radius[3], 6);
}

TEST(Corners, InnerLargerThanOuterIsDrawnAsSet)
{
    PeloxState s = defaultStar();
    s.InnenDurchmesserNeu = 19;
    s.AussenDurchmesserNeu = 4;
    star::RadiusKorrektur(s);
    star::PeloxBerechnung(s);
    EXPECT_GT(std::hypot(s.PunktX[2], s.PunktY[2]), std::hypot(s.PunktX[1], s.PunktY[1]));
}

TEST(Corners, WerteInitDerivesTheViewAndResetsEveryRadius)
{
    PeloxState s = defaultStar();
    s.TwipsProPixel = 15;
    s.TwipsProCm = 566;
    s.PixelProCm = 566.f / 15;
    s.Verkleinerung = 0.37f;
    s.Radius[5] = 1;
    Masse m{289.0, 410.5, 4395, 6225, 11906, 16839};
    star::WerteInit(s, m);
    EXPECT_FLOAT_EQ(s.MitteX, 144);
    EXPECT_FLOAT_EQ(s.MitteY, 205);  // 410.5 rounds to the even 410
    EXPECT_FLOAT_EQ(s.Massstab, 0.37f * (566.f / 15));
    EXPECT_FLOAT_EQ(s.ZiehGrenzeLinks, s.Massstab * 0.8f);
    EXPECT_NEAR(s.ZiehGrenzeRechts, 293 - s.Massstab * 0.8, 1e-4);
    EXPECT_NEAR(s.ZiehGrenzeUnten, 415 - s.Massstab * 0.8, 1e-4);
    EXPECT_FLOAT_EQ(s.DruckMitteX, 5953);
    EXPECT_FLOAT_EQ(s.DruckMitteY, 8419);
    EXPECT_FLOAT_EQ(s.DruckMassstab, 566);
    EXPECT_FLOAT_EQ(s.Radius[5], 9.5f);
}
