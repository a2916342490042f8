// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ansicht.h"

#include "net/entwurf.h"
#include "net/laterne.h"
#include "laterne_vorgabe.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <numbers>
#include <optional>
#include <tuple>

namespace {

constexpr double kGrad = std::numbers::pi / 180;
using netz::operator-;

netz::Koerper koerper(const PeloxState& s, double hoehe)
{
    const netz::Gefaltet g = netz::falten(s, hoehe);
    EXPECT_TRUE(g.koerper) << g.grund;
    return g.koerper.value_or(netz::Koerper{});
}

// Twice the area of a face on the picture, positive where it turns
// counter-clockwise as a viewer sees it (y down).
double bildFlaeche(const netz::Bildflaeche& f)
{
    return -netz::kreuz(f.ecken[1] - f.ecken[0], f.ecken[2] - f.ecken[0]);
}

TEST(Ansicht, FromTheFrontTheUpperHalfIsSeenAndFromBehindTheLowerOne)
{
    const netz::Koerper k = koerper(netzStern(), 3.8);
    const netz::Szene s = netz::szene(k, 2);
    ASSERT_EQ(s.dreiecke.size(), 32u);
    EXPECT_NEAR(s.radius, 9.5, 1e-6);
    const auto vorn = netz::abbilden(s, {0, 0, 1}, 200, 100);
    ASSERT_EQ(vorn.size(), 16u);
    // Not mirrored: corner 1, on the right of the window's star, is on the
    // right of the picture, at the star's radius scaled to the shorter side.
    double rechts = 0;
    for (const netz::Bildflaeche& f : vorn) {
        for (const netz::Punkt& p : f.ecken)
            rechts = std::max(rechts, p.x);
        EXPECT_GT(bildFlaeche(f), 0);
    }
    EXPECT_NEAR(rechts, 100 + 50 * 0.96, 1e-5);
    const auto hinten = netz::abbilden(s, {180 * kGrad, 0, 1}, 200, 100);
    EXPECT_EQ(hinten.size(), 16u);
    // A little from above: the peak, nearest to the viewer, shows below the centre.
    double peakY = 0;
    for (const netz::Bildflaeche& f : netz::abbilden(s, netz::startKamera(), 200, 100))
        peakY = std::max(peakY, f.ecken[0].y);
    EXPECT_NEAR(peakY, 50 + 50 * 0.96 / s.radius * 3.8 * std::sin(20 * kGrad), 1e-5);
}

TEST(Ansicht, OnlyFacesTurnedToTheViewerArePaintedAndTheyCoverTheStarOnce)
{
    // Seen from anywhere, the painted faces of a closed solid all turn the
    // same way on the picture, and with a star-shaped outline seen along its
    // axis they do not overlap: their areas add up to the outline's.
    std::mt19937 zufall(3);
    for (int n = 0; n < 50; ++n) {
        const PeloxState st = zufallsStern(zufall);
        const netz::Gefaltet g = netz::falten(st, 2);
        if (!g.koerper)
            continue;
        for (const int haelften : {1, 2}) {
            const netz::Szene s = netz::szene(*g.koerper, haelften);
            const netz::Kamera kamera{std::uniform_real_distribution<double>(-3, 3)(zufall),
                std::uniform_real_distribution<double>(-1.5, 1.5)(zufall), 1};
            const auto bild = netz::abbilden(s, kamera, 300, 300);
            for (const netz::Bildflaeche& f : bild) {
                EXPECT_GT(bildFlaeche(f), 0);
                for (const netz::Punkt& p : f.ecken) {
                    EXPECT_GE(p.x, 0);
                    EXPECT_LE(p.x, 300);
                }
            }
            double summe = 0, umriss = 0;
            for (const netz::Bildflaeche& f : netz::abbilden(s, {0, 0, 1}, 2, 2))
                summe += bildFlaeche(f) / 2;
            const auto& u = g.koerper->umriss;
            for (std::size_t i = 0; i < u.size(); ++i)
                umriss -= (u[i].x * u[(i + 1) % u.size()].y - u[(i + 1) % u.size()].x * u[i].y) / 2;
            const double m = 0.96 / s.radius;
            EXPECT_NEAR(summe, umriss * m * m, 1e-9 * summe);
        }
    }
}

// The weights of p in the triangle, none where p is not well inside it.
std::optional<std::array<double, 3>> innen(const netz::Bildflaeche& f, const netz::Punkt& p)
{
    const double ganz = bildFlaeche(f);
    std::array<double, 3> g{};
    for (std::size_t j = 0; j < 3; ++j) {
        netz::Bildflaeche teil = f;
        teil.ecken[j] = p;
        g[j] = bildFlaeche(teil) / ganz;
        if (g[j] < 1e-3)
            return std::nullopt;
    }
    return g;
}

double tiefeBei(const netz::Bildflaeche& f, const std::array<double, 3>& g)
{
    return g[0] * f.tiefe[0] + g[1] * f.tiefe[1] + g[2] * f.tiefe[2];
}

// At points of a grid over the picture, the faces painted there one after
// the other, each nearer than the one before. Gives the number of points
// where faces overlap, or -1 at the first fault.
int pruefeReihenfolge(const std::vector<netz::Bildflaeche>& bild)
{
    int ueberlappt = 0;
    for (double y = 0.5; y < 100; y += 1.5) {
        for (double x = 0.5; x < 100; x += 1.5) {
            int dort = 0;
            double vorher = -1e300;
            for (const netz::Bildflaeche& f : bild) {
                const auto g = innen(f, {x, y});
                if (!g)
                    continue;
                const double t = tiefeBei(f, *g);
                if (t < vorher - 1e-6) {
                    ADD_FAILURE() << "at " << x << ", " << y << ": " << t << " painted over " << vorher;
                    return -1;
                }
                vorher = t;
                ++dort;
            }
            ueberlappt += dort > 1;
        }
    }
    return ueberlappt;
}

TEST(Ansicht, WhereTwoFacesOverlapTheNearerIsPaintedLater)
{
    // Tips and valleys seen at a slant fool a sort by each face's depth; the
    // order must hold for every pair of faces at every point they share.
    std::mt19937 zufall(7);
    int geprueft = 0;
    for (int n = 0; n < 12; ++n) {
        const netz::Gefaltet g = netz::falten(zufallsStern(zufall), std::uniform_real_distribution<double>(0.5, 8)(zufall));
        if (!g.koerper)
            continue;
        for (const int haelften : {1, 2}) {
            const netz::Szene s = netz::szene(*g.koerper, haelften);
            for (int c = 0; c < 4; ++c) {
                const netz::Kamera kamera{std::uniform_real_distribution<double>(-3.2, 3.2)(zufall),
                    std::uniform_real_distribution<double>(-1.6, 1.6)(zufall), 1};
                const int n = pruefeReihenfolge(netz::abbilden(s, kamera, 100, 100));
                ASSERT_GE(n, 0) << "camera " << kamera.drehung << ", " << kamera.neigung;
                geprueft += n;
            }
        }
    }
    EXPECT_GT(geprueft, 1000);

    // A wedge of 170 degrees beside one of 10: seen from inside the wide one
    // near the narrow one, the wide one is in front although its middle is
    // farther from the viewer.
    PeloxState st = netzStern(2);
    const double grad[] = {0, 10, 180, 270};
    const double radius[] = {2, 9, 9, 3};
    for (int i = 0; i < 4; ++i) {
        st.PunktX[i + 1] = float(radius[i] * std::cos(grad[i] * kGrad));
        st.PunktY[i + 1] = float(radius[i] * std::sin(grad[i] * kGrad));
    }
    const netz::Szene s = netz::szene(koerper(st, 4), 2);
    geprueft = 0;
    for (double d = -3.1; d < 3.2; d += 0.2) {
        for (double n = -1.5; n < 1.6; n += 0.25) {
            const int k = pruefeReihenfolge(netz::abbilden(s, {d, n, 1}, 100, 100));
            ASSERT_GE(k, 0) << "camera " << d << ", " << n;
            geprueft += k;
        }
    }
    EXPECT_GT(geprueft, 100);
}

TEST(Ansicht, TheLightComesFromTheUpperLeft)
{
    const netz::Szene s = netz::szene(koerper(netzStern(4, 19, 2), 5), 2);
    const auto bild = netz::abbilden(s, {0, 0, 1}, 100, 100);
    double obenLinks = 0, untenRechts = 1;
    for (const netz::Bildflaeche& f : bild) {
        const double x = (f.ecken[0].x + f.ecken[1].x + f.ecken[2].x) / 3 - 50;
        const double y = (f.ecken[0].y + f.ecken[1].y + f.ecken[2].y) / 3 - 50;
        if (x < 0 && y < 0)
            obenLinks = std::max(obenLinks, f.helligkeit);
        if (x > 0 && y > 0)
            untenRechts = std::min(untenRechts, f.helligkeit);
    }
    EXPECT_GT(obenLinks, 0.75);
    EXPECT_LT(untenRechts, 0.45);
    EXPECT_GE(untenRechts, 0.3);
}

TEST(Ansicht, TheOutlineAndTheFoldsAreDrawnButNoFlatSpokes)
{
    // The straight edges split by bend points on them are flat along the
    // spokes to those points; the spokes to the corners are folds.
    PeloxState st = netzStern(5);
    biegen(st, 0, 0, 0);
    const netz::Koerper k = koerper(st, 3);
    const netz::Szene s = netz::szene(k, 1);
    ASSERT_EQ(s.dreiecke.size(), 80u);
    // The upper face over segment i runs from the peak to the segment's end
    // and back from its start; the corners are every fourth point.
    for (std::size_t i = 0; i < 40; ++i) {
        const netz::Dreieck3& d = s.dreiecke[2 * i];
        EXPECT_TRUE(d.linie[1]);
        EXPECT_EQ(d.linie[0], (i + 1) % 4 == 0) << i;
        EXPECT_EQ(d.linie[2], i % 4 == 0) << i;
        // The base is one flat face: no line on it but its outline, drawn
        // with the faces above.
        EXPECT_EQ(s.dreiecke[2 * i + 1].linie, (std::array<bool, 3>{}));
    }
    // The lower face runs from the peak to the start and back from the end.
    const netz::Szene beide = netz::szene(k, 2);
    ASSERT_EQ(beide.dreiecke.size(), 80u);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(beide.dreiecke[40 + i].linie, (std::array{i % 4 == 0, true, (i + 1) % 4 == 0})) << i;
    }
    // From below, one half shows its base and nothing else.
    const auto unten = netz::abbilden(s, {180 * kGrad, 0, 1}, 100, 100);
    ASSERT_EQ(unten.size(), 40u);
    for (const netz::Bildflaeche& f : unten)
        EXPECT_DOUBLE_EQ(f.helligkeit, unten.front().helligkeit);
}

// A fold between two faces in sight is drawn once, by the face painted
// later, which covers the other one's side of it; one in sight on a single
// face is drawn by that face; the outline always.
TEST(Ansicht, EachFoldInSightIsDrawnOnceByTheFacePaintedLater)
{
    std::mt19937 zufall(5);
    PeloxState st = netzStern(5);
    biegen(st, 0.3, -0.2, 0.1);
    netz::Szene s = netz::szene(koerper(st, 3), 2);
    for (netz::Dreieck3& d : s.dreiecke)
        d.linie = {true, true, true};
    int geteilt = 0;
    for (int n = 0; n < 20; ++n) {
        const netz::Kamera kamera = n == 0 ? netz::startKamera()
                                           : netz::Kamera{std::uniform_real_distribution<double>(-3, 3)(zufall),
                                                 std::uniform_real_distribution<double>(-1.5, 1.5)(zufall), 1};
        const auto bild = netz::abbilden(s, kamera, 300, 300);
        // Each spoke by its ends on the picture: the faces that have it, in
        // the order they are painted, and which of them draw it.
        std::map<std::array<double, 4>, std::vector<bool>> speichen;
        for (const netz::Bildflaeche& f : bild) {
            EXPECT_TRUE(f.linie[1]);
            for (const std::size_t j : {std::size_t(0), std::size_t(2)}) {
                netz::Punkt a = f.ecken[j], b = f.ecken[(j + 1) % 3];
                if (std::tie(b.x, b.y) < std::tie(a.x, a.y))
                    std::swap(a, b);
                speichen[{a.x, a.y, b.x, b.y}].push_back(f.linie[j]);
            }
        }
        for (const auto& [enden, gezeichnet] : speichen) {
            ASSERT_LE(gezeichnet.size(), 2u);
            geteilt += gezeichnet.size() == 2;
            const std::vector<bool> erwartet = gezeichnet.size() == 2 ? std::vector{false, true} : std::vector{true};
            EXPECT_EQ(gezeichnet, erwartet) << n;
        }
    }
    EXPECT_GT(geteilt, 100);
}

TEST(Ansicht, TheCameraTurnsWithTheDragAndZoomsWithinItsRange)
{
    const netz::Kamera start = netz::startKamera();
    EXPECT_DOUBLE_EQ(start.drehung, 0);
    EXPECT_NEAR(start.neigung, 20 * kGrad, 1e-12);
    const netz::Kamera rechts = netz::gedreht(start, 180, 0);
    EXPECT_NEAR(rechts.drehung, 90 * kGrad, 1e-12);
    EXPECT_DOUBLE_EQ(rechts.neigung, start.neigung);
    // Turning on and on stays one angle; the tilt stops at the poles.
    EXPECT_NEAR(netz::gedreht(start, 1260, 0).drehung, -90 * kGrad, 1e-12);
    EXPECT_NEAR(netz::gedreht(start, 0, 140).neigung, 90 * kGrad, 1e-12);
    EXPECT_DOUBLE_EQ(netz::gedreht(start, 0, 1000).neigung, std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(netz::gedreht(start, 0, -1000).neigung, -std::numbers::pi / 2);

    netz::Kamera k = start;
    k.zoom = netz::kZoomMax;
    EXPECT_DOUBLE_EQ(netz::gezoomt(k, 1).zoom, netz::kZoomMax);
    EXPECT_LT(netz::gezoomt(k, -1).zoom, netz::kZoomMax);
    k.zoom = netz::kZoomMin;
    EXPECT_DOUBLE_EQ(netz::gezoomt(k, -1).zoom, netz::kZoomMin);
    EXPECT_GT(netz::gezoomt(k, 1).zoom, netz::kZoomMin);

    // Zoom scales the picture about its centre.
    const netz::Szene s = netz::szene(koerper(netzStern(), 3.8), 2);
    const auto eins = netz::abbilden(s, start, 100, 100);
    k = start;
    k.zoom = 2;
    const auto zwei = netz::abbilden(s, k, 100, 100);
    ASSERT_EQ(eins.size(), zwei.size());
    EXPECT_NEAR(zwei[0].ecken[1].x - 50, 2 * (eins[0].ecken[1].x - 50), 1e-9);
}

double abstand3(const netz::Punkt3& a, const netz::Punkt3& b)
{
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// Where p lies on the triangle d, as the weights of corners 1 and 2 and its
// distance from the triangle's plane.
std::array<double, 3> aufDreieck(const std::array<netz::Punkt3, 3>& d, const netz::Punkt3& p)
{
    const netz::Punkt3 u{d[1].x - d[0].x, d[1].y - d[0].y, d[1].z - d[0].z};
    const netz::Punkt3 w{d[2].x - d[0].x, d[2].y - d[0].y, d[2].z - d[0].z};
    const netz::Punkt3 q{p.x - d[0].x, p.y - d[0].y, p.z - d[0].z};
    const auto sk = [](const netz::Punkt3& a, const netz::Punkt3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    const double uu = sk(u, u), uw = sk(u, w), ww = sk(w, w), qu = sk(q, u), qw = sk(q, w);
    const double det = uu * ww - uw * uw;
    const double s = (qu * ww - qw * uw) / det, t = (qw * uu - qu * uw) / det;
    const netz::Punkt3 r{d[0].x + s * u.x + t * w.x, d[0].y + s * u.y + t * w.y, d[0].z + s * u.z + t * w.z};
    return {s, t, abstand3(p, r)};
}

TEST(Ansicht, EachWindowIsCarriedOntoItsFaceAtItsTrueSize)
{
    const netz::Vorgabe v = laterne(3.8);
    const netz::Netz n = startLaterne(v);
    const netz::Szene s = netz::szene(n, v);
    std::vector<double> flach, gefaltet;
    for (const netz::Teil& t : n.teile) {
        for (const netz::Loch& l : t.loecher) {
            if (l.flaeche < 0)
                continue;
            double umfang = 0;
            for (std::size_t i = 0; i < l.pfad.size(); ++i)
                umfang += netz::laenge(l.pfad[(i + 1) % l.pfad.size()] - l.pfad[i]);
            flach.push_back(umfang);
        }
    }
    for (const netz::Dreieck3& d : s.dreiecke) {
        for (const std::vector<netz::Punkt3>& loch : d.loecher) {
            double umfang = 0;
            for (std::size_t i = 0; i < loch.size(); ++i) {
                umfang += abstand3(loch[(i + 1) % loch.size()], loch[i]);
                // In the face's plane and inside it.
                const auto [a, b, hoehe] = aufDreieck(d.ecken, loch[i]);
                EXPECT_LT(hoehe, 1e-9);
                EXPECT_GT(a, -1e-9);
                EXPECT_GT(b, -1e-9);
                EXPECT_LT(a + b, 1 + 1e-9);
            }
            if (d.oben)
                gefaltet.push_back(umfang);
        }
    }
    // The upper half's windows and the hanger's hole keep their size
    // folded; the lower half's faces also hold the opening's pieces.
    std::sort(flach.begin(), flach.end());
    std::sort(gefaltet.begin(), gefaltet.end());
    ASSERT_GT(gefaltet.size(), 8u);
    std::size_t gleich = 0;
    for (const double u : gefaltet)
        gleich += std::any_of(flach.begin(), flach.end(), [u](double f) { return std::abs(f - u) < 1e-9; });
    EXPECT_EQ(gleich, gefaltet.size());
}

TEST(Ansicht, TheOpeningIsCutRoundTheLowerPeakAndColoursGoByHalf)
{
    netz::Vorgabe v = laterne(3.8);
    v.fensterRahmen = 0;
    v.aufhaenger = false;
    netz::Szene s = netz::szene(startLaterne(v), v);
    const double r = v.oeffnung / 2;
    for (const netz::Dreieck3& d : s.dreiecke) {
        ASSERT_EQ(d.loecher.size(), d.oben ? 0u : 1u);
        if (d.oben)
            continue;
        double weitester = 0;
        for (const netz::Punkt3& p : d.loecher[0]) {
            weitester = std::max(weitester, abstand3(p, d.ecken[0]));
            const auto [a, b, hoehe] = aufDreieck(d.ecken, p);
            EXPECT_LT(hoehe, 1e-9);
            EXPECT_LT(a + b, 1 + 1e-9);
        }
        EXPECT_NEAR(weitester, r, 1e-9);
    }
    s.farbe = {netz::Rgb{200, 30, 30}, netz::Rgb{20, 40, 220}};
    for (const netz::Bildflaeche& f : netz::abbilden(s, {0, 0, 1}, 100, 100)) {
        EXPECT_EQ(f.farbe, s.farbe[0]);
        EXPECT_TRUE(f.loecher.empty());
    }
    for (const netz::Bildflaeche& f : netz::abbilden(s, {std::numbers::pi, 0, 1}, 100, 100)) {
        EXPECT_EQ(f.farbe, s.farbe[1]);
        EXPECT_EQ(f.loecher.size(), 1u);
    }
}

} // namespace
