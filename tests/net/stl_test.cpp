// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/stl.h"

#include "net/entwurf.h"
#include "poster/plan.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using P = std::array<float, 3>;
using Tri = std::array<P, 3>;

struct Gelesen {
    std::vector<P> normalen;
    std::vector<Tri> dreiecke;
};

float floatBei(const std::string& d, std::size_t at)
{
    std::uint32_t w = 0;
    for (int b = 3; b >= 0; --b)
        w = (w << 8) | static_cast<unsigned char>(d[at + b]);
    float f;
    std::memcpy(&f, &w, 4);
    return f;
}

// The file read as any binary reader does, little-endian from the bytes.
Gelesen lesen(const std::string& d)
{
    Gelesen g;
    EXPECT_GE(d.size(), 84u);
    EXPECT_NE(d.substr(0, 5), "solid");
    std::uint32_t n = 0;
    for (int b = 3; b >= 0; --b)
        n = (n << 8) | static_cast<unsigned char>(d[80 + b]);
    EXPECT_EQ(d.size(), 84 + 50 * std::size_t(n));
    for (std::size_t i = 0; i < n && 84 + 50 * (i + 1) <= d.size(); ++i) {
        const std::size_t at = 84 + 50 * i;
        g.normalen.push_back({floatBei(d, at), floatBei(d, at + 4), floatBei(d, at + 8)});
        Tri t;
        for (int e = 0; e < 3; ++e)
            t[e] = {floatBei(d, at + 12 + 12 * e), floatBei(d, at + 16 + 12 * e), floatBei(d, at + 20 + 12 * e)};
        g.dreiecke.push_back(t);
    }
    return g;
}

std::array<double, 3> kreuz(const Tri& t)
{
    const double ux = double(t[1][0]) - t[0][0], uy = double(t[1][1]) - t[0][1], uz = double(t[1][2]) - t[0][2];
    const double vx = double(t[2][0]) - t[0][0], vy = double(t[2][1]) - t[0][1], vz = double(t[2][2]) - t[0][2];
    return {uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx};
}

double flaeche(const netz::Koerper& k)
{
    double f = 0;
    for (std::size_t i = 0; i < k.umriss.size(); ++i) {
        const netz::Punkt3& p = k.umriss[i];
        const netz::Punkt3& q = k.umriss[(i + 1) % k.umriss.size()];
        f += p.x * q.y - q.x * p.y;
    }
    return -f / 2;  // the outline runs clockwise
}

// A closed solid as slicers want it: every directed edge once and its
// reverse once (so every edge in two faces of opposite turn), no face twice
// or without area, normals of length one pointing the way the corners turn,
// and the signed volume that of the pyramids over the outline, in mm^3.
void pruefeGeschlossen(const std::string& datei, const netz::Koerper& k, int haelften)
{
    const Gelesen g = lesen(datei);
    ASSERT_FALSE(g.dreiecke.empty());
    std::map<std::pair<P, P>, int> kanten;
    std::set<std::array<P, 3>> gesehen;
    double volumen = 0;
    for (std::size_t i = 0; i < g.dreiecke.size(); ++i) {
        const Tri& t = g.dreiecke[i];
        for (int e = 0; e < 3; ++e)
            ++kanten[{t[e], t[(e + 1) % 3]}];
        std::array<P, 3> sortiert = t;
        std::sort(sortiert.begin(), sortiert.end());
        EXPECT_TRUE(gesehen.insert(sortiert).second) << "face twice";
        const auto c = kreuz(t);
        const double l = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
        ASSERT_GT(l, 0) << "face without area";
        const P& n = g.normalen[i];
        EXPECT_NEAR(std::sqrt(double(n[0]) * n[0] + double(n[1]) * n[1] + double(n[2]) * n[2]), 1, 1e-6);
        EXPECT_GT((c[0] * n[0] + c[1] * n[1] + c[2] * n[2]) / l, 0.999);
        volumen += (double(t[0][0]) * (double(t[1][1]) * t[2][2] - double(t[1][2]) * t[2][1])
                       + double(t[0][1]) * (double(t[1][2]) * t[2][0] - double(t[1][0]) * t[2][2])
                       + double(t[0][2]) * (double(t[1][0]) * t[2][1] - double(t[1][1]) * t[2][0]))
            / 6;
    }
    for (const auto& [kante, anzahl] : kanten) {
        ASSERT_EQ(anzahl, 1) << "an edge twice the same way";
        const auto gegen = kanten.find({kante.second, kante.first});
        ASSERT_TRUE(gegen != kanten.end()) << "an open edge";
    }
    const double erwartet = haelften * flaeche(k) * k.hoehe / 3 * 1000;
    EXPECT_GT(volumen, 0);
    EXPECT_NEAR(volumen, erwartet, 1e-5 * erwartet);
}

netz::Koerper gefaltet(const PeloxState& s, double hoehe)
{
    const netz::Gefaltet g = netz::falten(s, hoehe);
    EXPECT_TRUE(g.koerper) << g.grund;
    return g.koerper.value_or(netz::Koerper{});
}

TEST(Stl, RandomDesignsAreClosedOutwardSolidsOfThePyramidsVolume)
{
    std::mt19937 zufall(26);
    int geschrieben = 0;
    for (int n = 0; n < 200; ++n) {
        PeloxState s = zufallsStern(zufall);
        s = poster::skaliert(s, std::uniform_real_distribution<double>(5, 100)(zufall));
        const netz::Gefaltet g = netz::falten(s, std::uniform_real_distribution<double>(0.1, 30)(zufall));
        if (!g.koerper)
            continue;
        for (const int haelften : {1, 2}) {
            const netz::Stl stl = netz::stlDatei(*g.koerper, haelften);
            ASSERT_TRUE(stl.grund.empty()) << stl.grund;
            pruefeGeschlossen(stl.daten, *g.koerper, haelften);
            ++geschrieben;
        }
    }
    EXPECT_GT(geschrieben, 200);
}

TEST(Stl, TheHalfStandsOnItsBaseWithThePeakUp)
{
    PeloxState s = netzStern();
    biegen(s, 0.3f, -0.2f, 0.25f);
    const netz::Koerper k = gefaltet(s, 3.8);
    const Gelesen beide = lesen(netz::stlDatei(k, 2).daten);
    EXPECT_EQ(beide.dreiecke.size(), k.flaechen.size());
    const Gelesen halb = lesen(netz::stlDatei(k, 1).daten);
    // The outline's 64 points: 64 faces up to the peak and 62 in the base.
    ASSERT_EQ(halb.dreiecke.size(), 64u + 62u);
    float unten = 0, oben = 0;
    for (const Tri& t : halb.dreiecke) {
        for (const P& p : t) {
            unten = std::min(unten, p[2]);
            oben = std::max(oben, p[2]);
        }
    }
    EXPECT_EQ(unten, 0);
    EXPECT_EQ(oben, 38);
}

TEST(Stl, CornersOnTheCentre)
{
    // Two neighbouring corners on the centre are one point of the outline:
    // the solid only reaches the axis there, and the base closes through it.
    PeloxState s = netzStern(6);
    s.Radius[3] = s.Radius[4] = 0;
    star::PeloxBerechnung(s);
    netz::Koerper k = gefaltet(s, 4);
    for (const int haelften : {1, 2}) {
        const netz::Stl stl = netz::stlDatei(k, haelften);
        ASSERT_TRUE(stl.grund.empty()) << stl.grund;
        pruefeGeschlossen(stl.daten, k, haelften);
    }
    // Two corners apart on the centre pinch the solid into lobes that share
    // the axis, an edge of four faces.
    s.Radius[4] = 2;
    s.Radius[7] = 0;
    star::PeloxBerechnung(s);
    k = gefaltet(s, 4);
    for (const int haelften : {1, 2}) {
        const netz::Stl stl = netz::stlDatei(k, haelften);
        EXPECT_TRUE(stl.daten.empty());
        EXPECT_NE(stl.grund.asWritten().find("Mitte"), std::string::npos);
    }
}

// The first float from x on toward bis whose neighbour toward bis gives the
// same float in mm.
float zusammenfallend(float x, float bis)
{
    while (static_cast<float>(double(x) * 10) != static_cast<float>(double(std::nextafter(x, bis)) * 10))
        x = std::nextafter(x, bis);
    return x;
}

TEST(Stl, PointsThatFallOnOneFloatInMillimetresLeaveTheirSegmentOut)
{
    // Corners 2 and 3 of the five-point star put one float apart in cm, a
    // short forward step: in mm they are one point.
    PeloxState s = netzStern(5);
    const float x = zusammenfallend(3.3f, 0), y = zusammenfallend(1.7f, 2);
    s.PunktX[2] = x;
    s.PunktY[2] = y;
    s.PunktX[3] = std::nextafter(x, 0.0f);
    s.PunktY[3] = std::nextafter(y, 2.0f);
    const netz::Koerper k = gefaltet(s, 3);
    ASSERT_EQ(k.umriss.size(), 10u);
    for (const int haelften : {1, 2}) {
        const netz::Stl stl = netz::stlDatei(k, haelften);
        ASSERT_TRUE(stl.grund.empty()) << stl.grund;
        EXPECT_EQ(lesen(stl.daten).dreiecke.size(), haelften == 2 ? 18u : 9u + 7u);
        pruefeGeschlossen(stl.daten, k, haelften);
    }
}

// Whether p lies inside the polygon, by the number of its edges that a ray
// to the right crosses.
bool innen(const std::vector<netz::Punkt2f>& v, double x, double y)
{
    bool drin = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        if ((v[i][1] > y) != (v[j][1] > y)
            && x < v[j][0] + (y - v[j][1]) * (v[i][0] - v[j][0]) / (v[i][1] - v[j][1]))
            drin = !drin;
    }
    return drin;
}

TEST(Stl, TheBaseOfABentStarIsCutIntoTrianglesInsideIt)
{
    PeloxState s = netzStern(7, 19, 5);
    biegen(s, 0.2f, -0.15f, 0.1f);
    std::vector<netz::Punkt2f> rand;
    for (const netz::Punkt3& p : gefaltet(s, 2).umriss)
        rand.push_back({float(p.x), float(p.y)});
    const auto d = netz::dreiecke(rand);
    ASSERT_TRUE(d);
    ASSERT_EQ(d->size(), rand.size() - 2);
    for (const auto& t : *d) {
        const auto& a = rand[t[0]];
        const auto& b = rand[t[1]];
        const auto& c = rand[t[2]];
        EXPECT_TRUE(innen(rand, (a[0] + b[0] + c[0]) / 3.0, (a[1] + b[1] + c[1]) / 3.0));
    }
}

TEST(Stl, APolygonTurningTheOtherWayHasNoBase)
{
    const std::vector<netz::Punkt2f> rechtsrum{{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    ASSERT_TRUE(netz::dreiecke(rechtsrum));
    EXPECT_EQ(netz::dreiecke(rechtsrum)->size(), 2u);
    const std::vector<netz::Punkt2f> linksrum(rechtsrum.rbegin(), rechtsrum.rend());
    EXPECT_FALSE(netz::dreiecke(linksrum));
    EXPECT_FALSE(netz::dreiecke({{0, 0}, {0, 1}}));

    // A half whose outline turns the other way is refused, not written open.
    netz::Koerper k = gefaltet(netzStern(), 2);
    std::reverse(k.umriss.begin(), k.umriss.end());
    const netz::Stl stl = netz::stlDatei(k, 1);
    EXPECT_TRUE(stl.daten.empty());
    EXPECT_FALSE(stl.grund.empty());
}

// An independent reader: admesh finds every facet's three neighbours by
// exact vertices, with nothing to fix.
TEST(Stl, AdmeshReadsTheHeaviestStarAsClosed)
{
    PeloxState s = netzStern(36, 19, 19);
    biegen(s, 0.3f, -0.2f, 0.25f);
    const netz::Koerper k = gefaltet(s, 3.8);
    for (const int haelften : {1, 2}) {
        const std::string pfad = ::testing::TempDir() + "stern" + std::to_string(haelften) + ".stl";
        std::ofstream(pfad, std::ios::binary) << netz::stlDatei(k, haelften).daten;
        const std::string befehl = "admesh --exact --normal-directions --normal-values " + pfad + " 2>&1";
        FILE* aus = popen(befehl.c_str(), "r");
        ASSERT_TRUE(aus);
        std::string bericht;
        char puffer[512];
        while (std::fgets(puffer, sizeof puffer, aus))
            bericht += puffer;
        ASSERT_EQ(pclose(aus), 0) << bericht;
        const auto wert = [&bericht](const std::string& was) {
            const std::size_t at = bericht.find(was);
            EXPECT_NE(at, std::string::npos) << was << "\n" << bericht;
            return at == std::string::npos ? -1 : std::atoi(bericht.c_str() + bericht.find(':', at) + 1);
        };
        const int n = int(k.umriss.size()) * 2 + (haelften == 1 ? -2 : 0);
        EXPECT_EQ(wert("Number of facets"), n);
        EXPECT_EQ(wert("Total disconnected facets"), 0);
        EXPECT_EQ(wert("Degenerate facets"), 0);
        EXPECT_EQ(wert("Edges fixed"), 0);
        EXPECT_EQ(wert("Facets removed"), 0);
        EXPECT_EQ(wert("Facets added"), 0);
        EXPECT_EQ(wert("Facets reversed"), 0);
        EXPECT_EQ(wert("Backwards edges"), 0);
        EXPECT_EQ(wert("Normals fixed"), 0);
        std::remove(pfad.c_str());
    }
}

} // namespace
