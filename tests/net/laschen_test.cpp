// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The glue tabs as the scissors meet them: every piece's cut line goes once
// round without touching itself, no tab lies on another or on a face, the
// tabs of bent edges can be glued, and a narrower tab never needs more pieces.
#include "net/ebene.h"
#include "net/netz.h"

#include "net/entwurf.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>

namespace {

using netz::Punkt;

// Closer than this, two lines of the cut count as touching, cm.
constexpr double kBeruehrt = 1e-3;
constexpr double kKlebbar = 0.3;

double abstand(Punkt a, Punkt b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

double kreuz(Punkt o, Punkt a, Punkt b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The distance from p to the segment a b.
double zurStrecke(Punkt p, Punkt a, Punkt b)
{
    const double l2 = (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
    double t = l2 > 0 ? ((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) / l2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return abstand(p, {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
}

// Whether the segments a b and c d cross or come closer than kBeruehrt.
bool beruehren(Punkt a, Punkt b, Punkt c, Punkt d)
{
    const double k1 = kreuz(a, b, c), k2 = kreuz(a, b, d), k3 = kreuz(c, d, a), k4 = kreuz(c, d, b);
    if (((k1 > 0 && k2 < 0) || (k1 < 0 && k2 > 0)) && ((k3 > 0 && k4 < 0) || (k3 < 0 && k4 > 0)))
        return true;
    return std::min({zurStrecke(a, c, d), zurStrecke(b, c, d), zurStrecke(c, a, b), zurStrecke(d, a, b)}) < kBeruehrt;
}

// Whether the closed path never touches or crosses itself: neighbouring
// edges meet only at their common corner, all others stay apart.
bool einfach(const std::vector<Punkt>& w, std::string& warum)
{
    const std::size_t n = w.size();
    // Edges whose surrounding boxes are apart cannot touch.
    const auto fern = [&](std::size_t i, std::size_t j) {
        const Punkt a = w[i], b = w[(i + 1) % n], c = w[j], d = w[(j + 1) % n];
        return std::max(a.x, b.x) + kBeruehrt < std::min(c.x, d.x) || std::max(c.x, d.x) + kBeruehrt < std::min(a.x, b.x)
            || std::max(a.y, b.y) + kBeruehrt < std::min(c.y, d.y) || std::max(c.y, d.y) + kBeruehrt < std::min(a.y, b.y);
    };
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt a = w[i], b = w[(i + 1) % n], c = w[(i + 2) % n];
        // The next edge must not double back along this one.
        if (zurStrecke(c, a, b) < kBeruehrt || zurStrecke(a, b, c) < kBeruehrt) {
            warum = "edge " + std::to_string(i) + " turns back";
            return false;
        }
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue;
            if (!fern(i, j) && beruehren(a, b, w[j], w[(j + 1) % n])) {
                warum = "edges " + std::to_string(i) + " and " + std::to_string(j) + " touch";
                return false;
            }
        }
    }
    return true;
}

// Whether p lies inside the convex polygon v, further than kBeruehrt from its edges.
bool tiefInnen(Punkt p, const std::vector<Punkt>& v)
{
    double seite = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Punkt a = v[i], b = v[(i + 1) % v.size()];
        if (abstand(a, b) < 1e-12)
            continue;
        const double k = kreuz(a, b, p);
        if (seite == 0)
            seite = k;
        if (k * seite <= 0 || zurStrecke(p, a, b) < kBeruehrt)
            return false;
    }
    return true;
}

Punkt mitte(const std::vector<Punkt>& v)
{
    Punkt m{0, 0};
    for (const Punkt& p : v)
        m = {m.x + p.x / double(v.size()), m.y + p.y / double(v.size())};
    return m;
}

// Whether two convex polygons share inside: their edges cross, or a corner
// (or the middle) of one lies well inside the other.
bool decken(const std::vector<Punkt>& a, const std::vector<Punkt>& b)
{
    const auto [ax0, ax1] = std::minmax_element(a.begin(), a.end(), [](Punkt p, Punkt q) { return p.x < q.x; });
    const auto [bx0, bx1] = std::minmax_element(b.begin(), b.end(), [](Punkt p, Punkt q) { return p.x < q.x; });
    const auto [ay0, ay1] = std::minmax_element(a.begin(), a.end(), [](Punkt p, Punkt q) { return p.y < q.y; });
    const auto [by0, by1] = std::minmax_element(b.begin(), b.end(), [](Punkt p, Punkt q) { return p.y < q.y; });
    if (ax1->x <= bx0->x || bx1->x <= ax0->x || ay1->y <= by0->y || by1->y <= ay0->y)
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j) {
            const Punkt p = a[i], q = a[(i + 1) % a.size()], r = b[j], s = b[(j + 1) % b.size()];
            const double k1 = kreuz(p, q, r), k2 = kreuz(p, q, s), k3 = kreuz(r, s, p), k4 = kreuz(r, s, q);
            const double e = 1e-9;
            if (((k1 > e && k2 < -e) || (k1 < -e && k2 > e)) && ((k3 > e && k4 < -e) || (k3 < -e && k4 > e)))
                return true;
        }
    }
    for (const Punkt& p : a)
        if (tiefInnen(p, b))
            return true;
    for (const Punkt& p : b)
        if (tiefInnen(p, a))
            return true;
    return tiefInnen(mitte(a), b) || tiefInnen(mitte(b), a);
}

// The convex parts of a tab.
std::vector<std::vector<Punkt>> stueckeVon(const netz::Lasche& l)
{
    return l;
}

// How far the tab reaches out from its fold line.
double tiefe(const netz::Lasche& l)
{
    double t = 0;
    for (const auto& s : stueckeVon(l))
        for (std::size_t i = 2; i < s.size(); ++i)
            t = std::max(t, std::abs(kreuz(s[0], s[1], s[i])) / abstand(s[0], s[1]));
    return t;
}

bool hatHinweis(const netz::Netz& n)
{
    for (const Phrase& h : n.hinweise)
        if (h.asWritten().find("3 mm") != std::string::npos)
            return true;
    return false;
}

int schmaleLaschen(const netz::Netz& n)
{
    int schmal = 0;
    for (const netz::Teil& t : n.teile)
        for (const netz::Lasche& l : t.laschen)
            schmal += tiefe(l) < kKlebbar - 1e-6;
    return schmal;
}

// Each piece can be cut out as printed: its cut line is simple, and none of
// its tabs' parts overlaps another or any face of the piece.
void pruefeSchnitt(const netz::Netz& n)
{
    for (std::size_t ti = 0; ti < n.teile.size(); ++ti) {
        const netz::Teil& t = n.teile[ti];
        SCOPED_TRACE("piece " + std::to_string(ti));
        std::string warum;
        EXPECT_TRUE(einfach(t.schnitt, warum)) << warum;
        std::vector<std::vector<Punkt>> stuecke;
        for (const auto& l : t.laschen) {
            const auto v = stueckeVon(l);
            stuecke.insert(stuecke.end(), v.begin(), v.end());
        }
        for (std::size_t i = 0; i < stuecke.size(); ++i) {
            for (std::size_t j = i + 1; j < stuecke.size(); ++j)
                EXPECT_FALSE(decken(stuecke[i], stuecke[j])) << "tabs' parts " << i << " and " << j;
            for (std::size_t f = 0; f < t.dreiecke.size(); ++f)
                EXPECT_FALSE(decken(stuecke[i], {t.dreiecke[f].begin(), t.dreiecke[f].end()}))
                    << "tab's part " << i << " on face " << f;
        }
        EXPECT_EQ(t.laschen.size(), t.laschenFlaeche.size());
    }
}

netz::Vorgabe a4(double hoehe, double lasche)
{
    netz::Vorgabe v;
    v.hoehe = hoehe;
    v.lasche = lasche;
    v.blattBreite = 20.285;
    v.blattHoehe = 28.998;
    return v;
}

PeloxState mitRadien(PeloxState s, const std::vector<float>& radien)
{
    for (std::size_t i = 0; i < radien.size(); ++i)
        s.Radius[i + 1] = radien[i];
    star::PeloxBerechnung(s);
    return s;
}

PeloxState bethlehemstern()
{
    return mitRadien(netzStern(8, 7, 2.5),
        {6, 1.25f, 3.5f, 1.25f, 12.5f, 1.25f, 3.5f, 1.25f, 6, 1.25f, 3.5f, 1.25f, 6, 1.25f, 3.5f, 1.25f});
}

PeloxState blume()
{
    PeloxState s = netzStern(8, 15, 7);
    biegen(s, -0.6565753f, -1.372839f, -1.516092f);
    return s;
}

// The designs where a piece wraps to within a few degrees of a full turn and
// the tab of its last spoke met the tab of its first edge.
TEST(Laschen, PiecesThatWrapNearlyRoundCutAlongASimpleLine)
{
    struct Fall {
        const char* name;
        PeloxState s;
        double hoehe;
        double lasche;
        int haelften;
    };
    const Fall faelle[] = {
        {"start-up star, peak 1, tab 2", netzStern(), 1, 2, 2},
        {"start-up star, peak 0.9", netzStern(), 0.9, 1, 2},
        {"start-up star, peak 1", netzStern(), 1, 1, 2},
        {"4 points 19/4, peak 2", netzStern(4, 19, 4), 2, 1, 2},
        {"sonne, peak 1.5", netzStern(12, 19, 12.5), 1.5, 1, 2},
        {"blume, peak 1", blume(), 1, 1, 2},
        {"bethlehemstern, one half, peak 0.5", bethlehemstern(), 0.5, 1, 1},
        {"12 points 19/12, peak 1, tab 2", netzStern(12, 19, 12), 1, 2, 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        netz::Vorgabe v = a4(f.hoehe, f.lasche);
        v.haelften = f.haelften;
        const netz::Ergebnis e = netz::entfalten(f.s, v);
        ASSERT_TRUE(e.netz) << e.grund;
        pruefeSchnitt(*e.netz);
    }
}

// A 36-point star with its peaks low: with the curve on, each bent edge is
// glued along one tab over its four segments; bent or straight, at every tab
// width every tab is deep enough to hold glue, the widest too, whose
// neighbours must not take each other's room.
TEST(Laschen, EveryEdgeOfALowManyPointedStarHasATabDeepEnoughToGlue)
{
    PeloxState gebogen = netzStern(36, 19, 15);
    biegen(gebogen, 0.1f, 0.15f, 0.1f);
    for (const bool bogen : {true, false}) {
        const PeloxState s = bogen ? gebogen : netzStern(36, 19, 15);
        for (const double lasche : {netz::kLascheMin, 1.0, netz::kLascheMax}) {
            SCOPED_TRACE(std::string(bogen ? "bent, tab " : "straight, tab ") + std::to_string(lasche));
            const netz::Ergebnis e = netz::entfalten(s, a4(0.1, lasche));
            ASSERT_TRUE(e.netz) << e.grund;
            std::size_t laschen = 0;
            double flachste = INFINITY;
            for (const netz::Teil& t : e.netz->teile) {
                if (t.oberteil)
                    continue;
                for (std::size_t i = 0; i < t.laschen.size(); ++i) {
                    ++laschen;
                    flachste = std::min(flachste, tiefe(t.laschen[i]));
                    if (t.laschenFlaeche[i] >= 0) {
                        EXPECT_EQ(stueckeVon(t.laschen[i]).size(), bogen ? 4u : 1u);
                    }
                }
            }
            // 72 edges and each cut spoke's tab.
            EXPECT_GE(laschen, 72u);
            EXPECT_LE(laschen, 72u + 36u);
            EXPECT_GE(flachste, kKlebbar);
            EXPECT_FALSE(hatHinweis(*e.netz));
            pruefeSchnitt(*e.netz);
        }
    }
}

// Over random designs, heights and tab widths: every cut line is simple, no
// tab lies on another or on a face, and where some tab is narrower than
// 3 mm the user is told, and only then.
TEST(Laschen, RandomDesignsCutCleanlyAndSayWhereTabsAreNarrow)
{
    std::mt19937 zufall(31);
    int netze = 0, schmale = 0;
    for (int n = 0; n < 300; ++n) {
        const PeloxState s = zufallsStern(zufall);
        netz::Vorgabe v = a4(std::uniform_real_distribution<double>(0.1, 8)(zufall),
            std::uniform_real_distribution<double>(netz::kLascheMin, netz::kLascheMax)(zufall));
        v.haelften = n % 5 == 0 ? 1 : 2;
        if (n % 4 == 0)
            v.hoehe = netz::natuerlicheHoehe(s).value_or(v.hoehe);
        const netz::Ergebnis e = netz::entfalten(s, v);
        if (!e.netz)
            continue;
        ++netze;
        SCOPED_TRACE(n);
        pruefeSchnitt(*e.netz);
        const int schmal = schmaleLaschen(*e.netz);
        schmale += schmal > 0;
        EXPECT_EQ(hatHinweis(*e.netz), schmal > 0) << schmal;
        if (HasFailure())
            return;
    }
    EXPECT_GT(netze, 150);
    EXPECT_GT(schmale, 0);
}

// A long narrow piece fits a sheet only turned within a hair of one angle
// across it; it is found, under a turn that does fit, and a hair longer it
// is refused. A shorter piece inside it fits as well.
TEST(Laschen, APieceFitsTheSheetWhereverSomeTurnFits)
{
    const double winkel = 37.3 * std::numbers::pi / 180, dicke = 0.5, lang = 30;
    const double breite = lang * std::cos(winkel) + dicke * std::sin(winkel) + 1e-4;
    const double hoehe = lang * std::sin(winkel) + dicke * std::cos(winkel) + 1e-4;
    const auto stab = [&](double l) {
        return netz::huelle({{0, 0}, {l, 0}, {l, dicke}, {0, dicke}});
    };
    for (const bool ersteReicht : {true, false}) {
        const std::optional<netz::Drehung> d = netz::einpassen(stab(lang), breite, hoehe, ersteReicht);
        ASSERT_TRUE(d) << ersteReicht;
        double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
        for (const Punkt& p : stab(lang)) {
            const double x = std::cos(d->winkel) * p.x - std::sin(d->winkel) * p.y;
            const double y = std::sin(d->winkel) * p.x + std::cos(d->winkel) * p.y;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
        EXPECT_LE(x1 - x0, breite + 1e-9);
        EXPECT_LE(y1 - y0, hoehe + 1e-9);
        EXPECT_FALSE(netz::einpassen(stab(lang + 0.01), breite, hoehe, ersteReicht)) << ersteReicht;
        EXPECT_TRUE(netz::einpassen(stab(lang - 5), breite, hoehe, ersteReicht)) << ersteReicht;
    }
}

std::size_t teile(const PeloxState& s, double hoehe, double lasche, double breite = 20.285, double blattHoehe = 28.998)
{
    netz::Vorgabe v = a4(hoehe, lasche);
    v.blattBreite = breite;
    v.blattHoehe = blattHoehe;
    const netz::Ergebnis e = netz::entfalten(s, v);
    return e.netz ? e.netz->teile.size() : 0;
}

// A narrower tab lies inside a wider one, so it never needs more pieces: the
// start-up star at its natural height on A4, on a printer's page of about
// Letter, on A3, over every tab width the dialog offers; and random designs.
TEST(Laschen, ANarrowerTabNeverTakesMorePieces)
{
    const PeloxState start = netzStern();
    const std::optional<double> natuerlich = netz::natuerlicheHoehe(start);
    ASSERT_TRUE(natuerlich);
    for (const auto& [breite, hoehe] : {std::pair{20.285, 28.998}, std::pair{20.9, 27.94}, std::pair{28.998, 41.311}}) {
        std::size_t vorher = 0;
        for (int i = 5; i <= 20; ++i) {
            const std::size_t n = teile(start, *natuerlich, i / 10.0, breite, hoehe);
            ASSERT_GT(n, 0u) << i;
            EXPECT_GE(n, vorher) << "tab " << i / 10.0 << " cm on " << breite << " x " << hoehe;
            vorher = n;
        }
    }

    std::mt19937 zufall(8);
    for (int n = 0; n < 40; ++n) {
        const PeloxState s = zufallsStern(zufall);
        const double hoehe =
            n % 2 ? netz::natuerlicheHoehe(s).value_or(3) : std::uniform_real_distribution<double>(0.5, 8)(zufall);
        std::size_t breiter = 0;
        for (const double lasche : {2.0, 1.5, 1.0, 0.7, 0.5}) {
            const std::size_t k = teile(s, hoehe, lasche);
            if (k == 0)
                break;
            if (breiter > 0) {
                EXPECT_LE(k, breiter) << n << " tab " << lasche;
            }
            breiter = k;
        }
    }
}

} // namespace

// The hull of two hulls, merged without sorting, is exactly the hull of all
// their points: the same corners in the same order, also where points lie
// on a line, repeat, or are fewer than three.
TEST(Laschen, TheHullOfTwoHullsIsTheHullOfAllTheirPoints)
{
    std::mt19937 zufall(11);
    const auto wolke = [&](int n, bool raster) {
        std::vector<Punkt> p;
        std::uniform_real_distribution<double> ort(-5, 5);
        std::uniform_int_distribution<int> stufe(-2, 2);
        for (int i = 0; i < n; ++i)
            p.push_back(raster ? Punkt{double(stufe(zufall)), double(stufe(zufall))} : Punkt{ort(zufall), ort(zufall)});
        return p;
    };
    for (int k = 0; k < 2000; ++k) {
        const bool raster = k % 3 == 0;
        const std::vector<Punkt> a = wolke(1 + k % 7 * 5, raster), b = wolke(1 + k % 11 * 3, raster);
        std::vector<Punkt> alle = netz::huelle(a);
        const std::vector<Punkt> hb = netz::huelle(b);
        alle.insert(alle.end(), hb.begin(), hb.end());
        const std::vector<Punkt> erwartet = netz::huelle(alle), h = netz::huelle(netz::huelle(a), hb);
        ASSERT_EQ(h.size(), erwartet.size()) << k;
        for (std::size_t i = 0; i < h.size(); ++i) {
            ASSERT_EQ(h[i].x, erwartet[i].x) << k;
            ASSERT_EQ(h[i].y, erwartet[i].y) << k;
        }
    }
    const std::vector<Punkt> dreieck = netz::huelle({{0, 0}, {2, 0}, {1, 1}});
    EXPECT_EQ(netz::huelle({}, dreieck).size(), 3u);
    EXPECT_EQ(netz::huelle(dreieck, {}).size(), 3u);
    EXPECT_TRUE(netz::huelle({}, {}).empty());
}
