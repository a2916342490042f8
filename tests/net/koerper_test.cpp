// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/koerper.h"

#include "net/entwurf.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

using netz::Punkt3;

Punkt3 minus(const Punkt3& a, const Punkt3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Punkt3 kreuz(const Punkt3& a, const Punkt3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double punkt(const Punkt3& a, const Punkt3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The area the outline encloses, from the shoelace formula; the outline runs
// clockwise, so the sign is turned.
double umrissFlaeche(const netz::Koerper& k)
{
    double f = 0;
    for (std::size_t i = 0; i < k.umriss.size(); ++i) {
        const Punkt3& p = k.umriss[i];
        const Punkt3& q = k.umriss[(i + 1) % k.umriss.size()];
        f += p.x * q.y - q.x * p.y;
    }
    return -f / 2;
}

// Outward faces and the volume of the two pyramids: every face's normal
// points away from the centre, and the signed volume of the closed surface
// is twice the outline's area times a third of the height.
void pruefeKoerper(const netz::Koerper& k)
{
    ASSERT_EQ(k.flaechen.size(), 2 * k.umriss.size());
    double volumen = 0;
    for (const netz::Flaeche& f : k.flaechen) {
        const Punkt3 n = kreuz(minus(f.b, f.a), minus(f.c, f.a));
        // Faces beside a corner on the centre stand upright through the axis.
        EXPECT_GE(punkt(n, f.a), -1e-9);
        volumen += punkt(f.a, kreuz(f.b, f.c)) / 6;
    }
    EXPECT_NEAR(volumen, 2 * umrissFlaeche(k) * k.hoehe / 3, 1e-6 * std::abs(volumen) + 1e-9);
    for (std::size_t i = 0; i < k.umriss.size(); ++i) {
        const Punkt3& p = k.umriss[i];
        const Punkt3& q = k.umriss[(i + 1) % k.umriss.size()];
        EXPECT_GT(std::hypot(p.x - q.x, p.y - q.y), 0);
    }
}

TEST(Koerper, TheStartStarIsTwoPyramidsOverItsSixteenCorners)
{
    const PeloxState s = netzStern();
    const netz::Gefaltet g = netz::falten(s, 3.8);
    ASSERT_TRUE(g.koerper) << g.grund;
    const netz::Koerper& k = *g.koerper;
    ASSERT_EQ(k.umriss.size(), 16u);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(k.kante[i], i + 1);
        EXPECT_NEAR(k.umriss[i].x, s.PunktX[i + 1], 1e-6);
        EXPECT_NEAR(k.umriss[i].y, -s.PunktY[i + 1], 1e-6);
    }
    EXPECT_EQ(k.spitze.z, 3.8);
    EXPECT_EQ(k.gegenspitze.z, -3.8);
    pruefeKoerper(k);
}

TEST(Koerper, ABentEdgeIsFourSegmentsUnderItsOneNumber)
{
    PeloxState s = netzStern(5);
    biegen(s, 0.3f, -0.2f, 0.1f);
    const netz::Gefaltet g = netz::falten(s, 2);
    ASSERT_TRUE(g.koerper) << g.grund;
    ASSERT_EQ(g.koerper->umriss.size(), 40u);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(g.koerper->kante[i], i / 4 + 1);
    pruefeKoerper(*g.koerper);
}

TEST(Koerper, CornersOnTheCentreMakeNoFaceOfTheirOwn)
{
    PeloxState s = netzStern(6);
    s.Radius[3] = 0;
    s.Radius[4] = 0;
    star::PeloxBerechnung(s);
    const netz::Gefaltet g = netz::falten(s, 4);
    ASSERT_TRUE(g.koerper) << g.grund;
    // Corners 3 and 4 are one point: the edge between them has no face.
    EXPECT_EQ(g.koerper->umriss.size(), 11u);
    EXPECT_EQ(g.koerper->kante[2], 4);
    pruefeKoerper(*g.koerper);
}

TEST(Koerper, AnOutlineRunningBackAroundTheCentreIsRefused)
{
    // Bends of a few millimetres keep to their sectors; a bend far past the
    // neighbouring spoke makes the outline turn back.
    PeloxState s = netzStern(12);
    biegen(s, 0.2f, 0.2f, 0.2f);
    EXPECT_TRUE(netz::falten(s, 3).koerper);
    biegen(s, 6, 6, 6);
    const netz::Gefaltet g = netz::falten(s, 3);
    EXPECT_FALSE(g.koerper);
    EXPECT_NE(g.grund.asWritten().find("zurück"), std::string::npos);

    PeloxState alle = netzStern(4);
    for (float& r : alle.Radius)
        r = 0;
    star::PeloxBerechnung(alle);
    EXPECT_FALSE(netz::falten(alle, 3).koerper);
}

TEST(Koerper, TheHeightMustBePositiveAndFinite)
{
    const PeloxState s = netzStern();
    EXPECT_TRUE(netz::falten(s, 1e-6).koerper);
    EXPECT_TRUE(netz::falten(s, 1e6).koerper);
    for (const double h : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
             std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(netz::falten(s, h).koerper) << h;
}

TEST(Koerper, RandomDesignsFoldIntoClosedOutwardSurfaces)
{
    std::mt19937 zufall(25);
    int gefaltet = 0;
    for (int n = 0; n < 300; ++n) {
        const PeloxState s = zufallsStern(zufall);
        const netz::Gefaltet g = netz::falten(s, std::uniform_real_distribution<double>(0.1, 20)(zufall));
        if (!g.koerper) {
            EXPECT_TRUE(s.KurveEin) << g.grund;
            continue;
        }
        ++gefaltet;
        pruefeKoerper(*g.koerper);
    }
    EXPECT_GT(gefaltet, 150);
}

TEST(Koerper, TheAngleAtThePeakIsTheFacesOwn)
{
    // A right angle at the peak: both spokes of length 1 and the segment sqrt 2.
    EXPECT_NEAR(netz::spitzenWinkel(0, {1, 0, 0}, {0, 1, 0}), std::acos(0.0), 1e-12);
    const double h = 2;
    const Punkt3 v{3, 0, 0}, w{0, -1, 0};
    const double av = std::hypot(3, h), aw = std::hypot(1, h), vw = std::hypot(3, 1);
    EXPECT_NEAR(netz::spitzenWinkel(h, v, w), std::acos((av * av + aw * aw - vw * vw) / (2 * av * aw)), 1e-12);
}

} // namespace
