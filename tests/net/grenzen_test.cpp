// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the net refuses, and the ends of what it takes.
#include "net/netz.h"

#include "net/entwurf.h"
#include "poster/plan.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUnendlich = std::numeric_limits<double>::infinity();

netz::Vorgabe a4(double hoehe)
{
    netz::Vorgabe v;
    v.hoehe = hoehe;
    v.blattBreite = 20.285;
    v.blattHoehe = 28.998;
    return v;
}

TEST(NetzGrenzen, TabsFromHalfACentimetreToTwo)
{
    const PeloxState s = netzStern();
    for (const double l : {netz::kLascheMin, netz::kLascheMax}) {
        netz::Vorgabe v = a4(3.8);
        v.lasche = l;
        EXPECT_TRUE(netz::entfalten(s, v).netz) << l;
    }
    for (const double l : {0.49, 2.01, kNaN, kUnendlich}) {
        netz::Vorgabe v = a4(3.8);
        v.lasche = l;
        const netz::Ergebnis e = netz::entfalten(s, v);
        EXPECT_FALSE(e.netz) << l;
        EXPECT_NE(e.grund.asWritten().find("Laschen"), std::string::npos);
    }
}

TEST(NetzGrenzen, OneHalfOrTwo)
{
    const PeloxState s = netzStern();
    for (const int h : {1, 2}) {
        netz::Vorgabe v = a4(3.8);
        v.haelften = h;
        const netz::Ergebnis e = netz::entfalten(s, v);
        ASSERT_TRUE(e.netz);
        EXPECT_EQ(e.netz->teile.back().oberteil, h == 1);
    }
    for (const int h : {0, 3}) {
        netz::Vorgabe v = a4(3.8);
        v.haelften = h;
        EXPECT_FALSE(netz::entfalten(s, v).netz) << h;
    }
}

TEST(NetzGrenzen, HeightAndPaperMustBeNumbers)
{
    const PeloxState s = netzStern();
    for (const double h : {0.0, -1.0, kNaN, kUnendlich})
        EXPECT_FALSE(netz::entfalten(s, a4(h)).netz) << h;
    for (const double b : {0.0, kNaN, kUnendlich}) {
        netz::Vorgabe v = a4(3.8);
        v.blattBreite = b;
        EXPECT_FALSE(netz::entfalten(s, v).netz) << b;
        v = a4(3.8);
        v.blattHoehe = b;
        EXPECT_FALSE(netz::entfalten(s, v).netz) << b;
    }
}

// A star of 100 cm with few points has faces far larger than a sheet; the
// refusal names the largest diameter that fits, and that one does.
TEST(NetzGrenzen, AFaceLargerThanTheSheetNamesTheLargestDiameterThatFits)
{
    const PeloxState gross = poster::skaliert(netzStern(3), 100);
    const netz::Ergebnis e = netz::entfalten(gross, a4(10));
    ASSERT_FALSE(e.netz);
    const std::size_t bis = e.grund.asWritten().find("bis zu einem Außendurchmesser von ");
    ASSERT_NE(bis, std::string::npos) << e.grund;
    std::string zahl = e.grund.asWritten().substr(bis + std::string("bis zu einem Außendurchmesser von ").size());
    zahl = zahl.substr(0, zahl.find(' '));
    std::replace(zahl.begin(), zahl.end(), ',', '.');
    const double d = std::stod(zahl);
    EXPECT_GT(d, 20);
    EXPECT_LT(d, 100);
    EXPECT_TRUE(netz::entfalten(poster::skaliert(gross, d), a4(10)).netz) << d;
    EXPECT_FALSE(netz::entfalten(poster::skaliert(gross, d + netz::kDurchmesserSchritt), a4(10)).netz) << d;
}

TEST(NetzGrenzen, AStarWithoutPointsHasNoNaturalHeight)
{
    // Inner corners on the octagon's sides: the outline is a convex octagon,
    // whose angles only shrink as the peak rises.
    const double aussen = 19;
    PeloxState s = netzStern(8, aussen, aussen * std::cos(std::numbers::pi / 8));
    EXPECT_FALSE(netz::natuerlicheHoehe(s));
    // The start star's angles rise above a full turn and come down through it.
    const std::optional<double> h = netz::natuerlicheHoehe(netzStern(8));
    ASSERT_TRUE(h);
    const auto summe = [](double hoehe) { return netz::winkelsumme(*netz::falten(netzStern(8), hoehe).koerper); };
    EXPECT_NEAR(summe(*h), 2 * std::numbers::pi, 1e-9);
    EXPECT_GT(summe(*h * 0.99), 2 * std::numbers::pi);
    EXPECT_LT(summe(*h * 1.01), 2 * std::numbers::pi);
}

TEST(NetzGrenzen, SpokesWhereTheStarIsFlatAreNoFolds)
{
    const double aussen = 19;
    const PeloxState s = netzStern(8, aussen, aussen * std::cos(std::numbers::pi / 8));
    const netz::Gefaltet g = netz::falten(s, 4);
    ASSERT_TRUE(g.koerper);
    for (std::size_t i = 0; i < 16; ++i) {
        const std::optional<netz::Falz> f = netz::faltung(*g.koerper, i);
        if (i % 2 == 0)
            EXPECT_EQ(f, netz::Falz::Berg) << i;
        else
            EXPECT_FALSE(f) << i;
    }
    const netz::Gefaltet stern = netz::falten(netzStern(8), 4);
    EXPECT_EQ(netz::faltung(*stern.koerper, 0), netz::Falz::Berg);
    EXPECT_EQ(netz::faltung(*stern.koerper, 1), netz::Falz::Tal);
}

TEST(NetzGrenzen, FewerSheetsNeverTakesMoreSheets)
{
    for (const int spitzen : {3, 5, 8, 12}) {
        const PeloxState s = netzStern(spitzen);
        netz::Vorgabe v = a4(3.8);
        const netz::Ergebnis teile = netz::entfalten(s, v);
        v.ziel = netz::Ziel::WenigeBlaetter;
        const netz::Ergebnis blaetter = netz::entfalten(s, v);
        ASSERT_TRUE(teile.netz && blaetter.netz);
        EXPECT_LE(blaetter.netz->blaetter, teile.netz->blaetter);
        EXPECT_GE(blaetter.netz->teile.size(), teile.netz->teile.size());
    }
}

} // namespace
