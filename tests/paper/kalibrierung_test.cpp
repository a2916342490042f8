// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The correction from the measured rulers: nominal / measured on each axis,
// refused outside 0.90 to 1.10, suspicious beyond 3 %.
#include "paper/kalibrierung.h"

#include <cmath>
#include <gtest/gtest.h>

using kalibrierung::Urteil;

TEST(Kalibrierung, FactorsAndTheirLimits)
{
    // 18 cm printed as 18.1 cm, 25 cm as 24.9 cm.
    const kalibrierung::Einmessung e = kalibrierung::Einmessen(18.1, 24.9);
    EXPECT_EQ(e.urteil, Urteil::Gut);
    EXPECT_NEAR(e.korrektur.x, 18 / 18.1, 1e-12);
    EXPECT_NEAR(e.korrektur.y, 25 / 24.9, 1e-12);
    EXPECT_FALSE(kalibrierung::Einmessen(18, 25).korrektur.aktiv());

    const struct {
        double waagrecht, senkrecht;
        Urteil urteil;
    } faelle[] = {
        {18 / 1.03 + 0.01, 25, Urteil::Gut},        // just under 3 %
        {18 / 1.031, 25, Urteil::Verdaechtig},      // "fit to page" shrinks by 3 % and more
        {18, 25 / 0.969, Urteil::Verdaechtig},
        {18 / 1.10 + 1e-9, 25, Urteil::Verdaechtig},  // the limit itself is allowed
        {18 / 1.1001, 25, Urteil::Unmoeglich},
        {18, 25 / 0.8999, Urteil::Unmoeglich},
        {181, 25, Urteil::Unmoeglich},              // a typing mistake
        {0, 25, Urteil::Unmoeglich},                // nothing entered
        {18, -25, Urteil::Unmoeglich},
        {18, std::nan(""), Urteil::Unmoeglich},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(kalibrierung::Einmessen(f.waagrecht, f.senkrecht).urteil, f.urteil)
            << f.waagrecht << " x " << f.senkrecht;
    // A stored factor is used only within the limits.
    EXPECT_TRUE(kalibrierung::Gueltig(0.9) && kalibrierung::Gueltig(1.1));
    EXPECT_FALSE(kalibrierung::Gueltig(0.899) || kalibrierung::Gueltig(1.101) || kalibrierung::Gueltig(std::nan("")));
}
