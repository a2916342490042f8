// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/netz.h"
#include "net/platzsuche.h"
#include "net/vieleck.h"

#include "net/entwurf.h"
#include "net/laterne_vorgabe.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace {

using netz::operator+;
using netz::operator-;
using netz::operator*;

using netz::Punkt;
using Pfad = std::vector<Punkt>;

constexpr double kGenau = 1e-6;

double zurStrecke(Punkt p, Punkt a, Punkt b)
{
    const Punkt u = b - a;
    const double t = std::clamp(netz::skalar(p - a, u) / netz::skalar(u, u), 0.0, 1.0);
    return netz::laenge(p - (a + t * u));
}

double zurGeraden(Punkt p, Punkt a, Punkt b)
{
    return netz::kreuz(b - a, p - a) / netz::laenge(b - a);
}

// Signed distance inside a convex polygon: positive within, whichever way it runs.
double innen(const Pfad& vieleck, Punkt p)
{
    double a = 0;
    for (std::size_t i = 0; i < vieleck.size(); ++i)
        a += netz::kreuz(vieleck[i], vieleck[(i + 1) % vieleck.size()]);
    double d = INFINITY;
    for (std::size_t i = 0; i < vieleck.size(); ++i)
        d = std::min(d, (a > 0 ? 1 : -1) * zurGeraden(p, vieleck[i], vieleck[(i + 1) % vieleck.size()]));
    return d;
}

bool schneiden(Punkt a, Punkt b, Punkt c, Punkt d)
{
    const double d1 = netz::kreuz(b - a, c - a), d2 = netz::kreuz(b - a, d - a);
    const double d3 = netz::kreuz(d - c, a - c), d4 = netz::kreuz(d - c, b - c);
    return ((d1 > 1e-12 && d2 < -1e-12) || (d1 < -1e-12 && d2 > 1e-12))
        && ((d3 > 1e-12 && d4 < -1e-12) || (d3 < -1e-12 && d4 > 1e-12));
}

// No side of the one closed path meets a side of the other (or, for the
// same path, any side but its neighbours), and no corner lies on another side.
bool getrennt(const Pfad& p, const Pfad& q, bool selbst)
{
    for (std::size_t i = 0; i < p.size(); ++i) {
        for (std::size_t j = 0; j < q.size(); ++j) {
            const bool nachbar = selbst && (i == j || (i + 1) % p.size() == j || (j + 1) % p.size() == i);
            if (nachbar)
                continue;
            const Punkt a = p[i], b = p[(i + 1) % p.size()], c = q[j], d = q[(j + 1) % q.size()];
            if (schneiden(a, b, c, d) || zurStrecke(a, c, d) < 1e-7)
                return false;
        }
    }
    return true;
}

// Whether the colour f covers some of the convex tab s.
bool bedeckt(const Pfad& f, const Pfad& s)
{
    for (const Punkt& p : f)
        if (innen(s, p) > 1e-6)
            return true;
    for (std::size_t i = 0; i < f.size(); ++i)
        for (std::size_t j = 0; j < s.size(); ++j)
            if (schneiden(f[i], f[(i + 1) % f.size()], s[j], s[(j + 1) % s.size()]))
                return true;
    return false;
}

Pfad alsPfad(const std::array<Punkt, 3>& d)
{
    return {d.begin(), d.end()};
}

// Whether a tab of the piece comes within abstand of the side a b, not
// counting a tab glued along it.
bool nahAnTab(const netz::Teil& t, Punkt a, Punkt b, double abstand)
{
    for (const netz::Lasche& l : t.laschen) {
        for (const Pfad& s : l) {
            for (std::size_t i = 0; i < s.size(); ++i) {
                const Punkt c = s[i], d = s[(i + 1) % s.size()];
                if (zurStrecke(c, a, b) < abstand || zurStrecke(a, c, d) < abstand || zurStrecke(b, c, d) < abstand)
                    return true;
            }
        }
    }
    return false;
}

// Every property of the lantern, whatever the design.
void pruefeLaterne(const netz::Netz& netz, const netz::Vorgabe& v)
{
    const double rahmen = v.fensterRahmen, r = v.oeffnung / 2;
    std::vector<std::pair<int, Pfad>> fenster;
    std::vector<std::array<double, 3>> aufhaenger;
    for (const netz::Teil& t : netz.teile) {
        const Punkt spitze = t.dreiecke.front()[0];
        ASSERT_EQ(t.anstrich.size(), t.dreiecke.size());
        EXPECT_TRUE(getrennt(t.schnitt, t.schnitt, true));
        bool fensterZuerst = true;
        for (std::size_t i = 0; i < t.loecher.size(); ++i) {
            const netz::Loch& l = t.loecher[i];
            SCOPED_TRACE(i);
            EXPECT_TRUE(getrennt(l.pfad, l.pfad, true));
            EXPECT_TRUE(getrennt(l.pfad, t.schnitt, false));
            EXPECT_TRUE(netz::drinnen(t.schnitt, l.pfad.front()));
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_TRUE(getrennt(l.pfad, t.loecher[j].pfad, false));
            fensterZuerst = fensterZuerst && (l.art == netz::Loch::Art::Fenster || i + 1 == t.loecher.size()
                || t.loecher[i + 1].art != netz::Loch::Art::Fenster);
            if (l.art == netz::Loch::Art::Oeffnung)
                continue;
            const std::array<Punkt, 3>& d = t.dreiecke[std::size_t(l.flaeche)];
            // Clear of every side of its face, spokes (folds or cuts) and edge alike.
            const double frei = l.art == netz::Loch::Art::Fenster ? rahmen : netz::kAufhaengerAbstand;
            for (const Punkt& p : l.pfad)
                EXPECT_GT(innen(alsPfad(d), p), frei - kGenau);
            if (l.art == netz::Loch::Art::Fenster) {
                fenster.push_back({l.nummer, l.pfad});
                for (std::size_t k = 0; k < l.pfad.size(); ++k) {
                    const Punkt a = l.pfad[k], b = l.pfad[(k + 1) % l.pfad.size()];
                    if (!t.oberteil && r > 0) {
                        EXPECT_GT(zurStrecke(spitze, a, b), r + rahmen - kGenau);
                    }
                    for (const netz::Loch& h : t.loecher) {
                        if (h.art == netz::Loch::Art::Aufhaenger && h.flaeche == l.flaeche) {
                            EXPECT_GT(zurStrecke(netz::mittel(h.pfad), a, b), netz::kAufhaengerLoch / 2 + rahmen - 1e-3);
                        }
                    }
                }
            } else {
                const Punkt c = netz::mittel(l.pfad);
                aufhaenger.push_back({netz::laenge(c - d[0]), netz::laenge(c - d[1]), netz::laenge(c - d[2])});
            }
        }
        EXPECT_TRUE(fensterZuerst);
        if (!t.oberteil && r > 0) {
            for (const Punkt& p : t.schnitt)
                EXPECT_GT(netz::laenge(p - spitze), r - kGenau);
            // No fold is drawn across the opening.
            for (const netz::Falte& f : t.falten) {
                EXPECT_GT(netz::laenge(f.a - spitze), r - kGenau);
                EXPECT_GT(netz::laenge(f.b - spitze), r - kGenau);
            }
        }
        for (std::size_t j = 0; j < t.dreiecke.size(); ++j) {
            const Pfad& f = t.anstrich[j].anschnitt;
            const Punkt mitte = (1.0 / 3) * (t.dreiecke[j][0] + t.dreiecke[j][1] + t.dreiecke[j][2]);
            for (const Punkt& p : t.dreiecke[j])
                EXPECT_TRUE(netz::drinnen(f, p + 1e-4 * (mitte - p)));
            for (const netz::Lasche& l : t.laschen)
                for (const Pfad& s : l)
                    EXPECT_FALSE(bedeckt(f, s));
            // 2 mm beyond the side wherever the piece is cut along it.
            for (std::size_t e = 0; e < 3; ++e) {
                const Punkt a = t.dreiecke[j][e], b = t.dreiecke[j][(e + 1) % 3];
                const Punkt m = 0.5 * (a + b);
                Punkt n = (1 / netz::laenge(b - a)) * Punkt{(b - a).y, -(b - a).x};
                if (innen(alsPfad(t.dreiecke[j]), m + 0.01 * n) > 0)
                    n = -1 * n;
                const Punkt aussen = m + (netz::kAnschnitt - 1e-3) * n;
                const bool geschnitten = netz::drinnen(t.schnitt, m - 1e-3 * n) && !netz::drinnen(t.schnitt, m + 1e-3 * n);
                // Nor onto the neighbouring face across a fold.
                if (!geschnitten && netz::drinnen(t.schnitt, m + 1e-3 * n) && !nahAnTab(t, a, b, netz::kAnschnitt)) {
                    EXPECT_FALSE(netz::drinnen(f, m + 0.1 * n)) << j << " " << e;
                }
                if (geschnitten && !nahAnTab(t, a, b, netz::kAnschnitt)) {
                    EXPECT_TRUE(netz::drinnen(f, aussen)) << j << " " << e;
                }
            }
        }
    }
    // The hanger's holes are one point of the folded star's tip.
    ASSERT_EQ(aufhaenger.size(), std::size_t(v.aufhaenger ? v.haelften : 0));
    for (const auto& a : aufhaenger)
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(a[i], aufhaenger.front()[i], 1e-6);
    ASSERT_EQ(netz.einsaetze.size(), v.einsaetze ? fenster.size() : 0);
    for (std::size_t i = 0; i < netz.einsaetze.size(); ++i) {
        const netz::Einsatz& e = netz.einsaetze[i];
        EXPECT_EQ(e.nummer, int(i) + 1);
        EXPECT_EQ(fenster[i].first, int(i) + 1);
        EXPECT_GE(e.blatt, netz.blaetter);
        EXPECT_LT(e.blatt, netz.blaetter + netz.einsatzBlaetter);
        EXPECT_TRUE(getrennt(e.umriss, e.umriss, true));
        // The same shape as the window, only turned, with the glue border all round.
        ASSERT_EQ(e.fenster.size(), fenster[i].second.size());
        for (std::size_t k = 1; k < e.fenster.size(); ++k)
            EXPECT_NEAR(netz::laenge(e.fenster[k] - e.fenster[0]),
                netz::laenge(fenster[i].second[k] - fenster[i].second[0]), 1e-6);
        for (const Punkt& p : e.fenster)
            EXPECT_GT(innen(e.umriss, p), netz::kEinsatzRand - kGenau);
        // Its number inside the window, not on the glue border or the cut.
        EXPECT_TRUE(netz::drinnen(e.fenster, e.mitte));
        for (const Punkt& p : e.umriss) {
            EXPECT_GE(p.x, -kGenau);
            EXPECT_LE(p.x, netz.blattBreite + kGenau);
            EXPECT_GE(p.y, -kGenau);
            EXPECT_LE(p.y, netz::teilHoehe(netz.blattHoehe) + netz::kPruefmassFeld + kGenau);
        }
        for (std::size_t j = 0; j < i; ++j)
            if (netz.einsaetze[j].blatt == e.blatt) {
                EXPECT_FALSE(netz::ueberlappen(e.umriss, netz.einsaetze[j].umriss));
            }
    }
}

TEST(Laterne, RandomDesignsGiveSoundLanterns)
{
    std::mt19937 zufall(34);
    const auto zahl = [&zufall](double a, double b) { return std::uniform_real_distribution<double>(a, b)(zufall); };
    int laternen = 0, fenster = 0, oeffnungen = 0, aufhaenger = 0, rund = 0;
    for (int n = 0; n < 100; ++n) {
        const PeloxState s = zufallsStern(zufall);
        netz::Vorgabe v = laterne(zahl(0.5, 8));
        v.fensterRahmen = zahl(netz::kRahmenMin, netz::kRahmenMax);
        v.fensterRadius = zahl(0, netz::kFensterRadiusMax);
        v.fensterJedes = n % 2 + 1;
        v.haelften = n % 5 == 0 ? 1 : 2;
        v.oeffnung = v.haelften == 2 ? zahl(netz::kOeffnungMin, 5) : 0;
        // At the natural height a half is one piece round its peak.
        if (n % 4 == 0)
            v.hoehe = netz::natuerlicheHoehe(s).value_or(v.hoehe);
        netz::Vorgabe schlicht;
        schlicht.hoehe = v.hoehe;
        schlicht.lasche = v.lasche;
        schlicht.haelften = v.haelften;
        schlicht.ziel = v.ziel;
        schlicht.blattBreite = v.blattBreite;
        schlicht.blattHoehe = v.blattHoehe;
        const netz::Ergebnis ohne = netz::entfalten(s, schlicht);
        if (!ohne.netz)
            continue;
        netz::Ergebnis e = netz::entfalten(s, v);
        if (!e.netz) {
            v.oeffnung = 0;
            e = netz::entfalten(s, v);
        }
        if (!e.netz) {
            v.aufhaenger = false;
            e = netz::entfalten(s, v);
        }
        ASSERT_TRUE(e.netz) << n;
        ++laternen;
        oeffnungen += v.oeffnung > 0;
        aufhaenger += v.aufhaenger;
        for (const netz::Teil& t : e.netz->teile) {
            for (const netz::Loch& l : t.loecher) {
                fenster += l.art == netz::Loch::Art::Fenster ? 1 : 0;
                rund += l.art == netz::Loch::Art::Oeffnung ? 1 : 0;
            }
        }
        SCOPED_TRACE(n);
        pruefeLaterne(*e.netz, v);
        if (HasFailure())
            return;
    }
    EXPECT_GT(laternen, 50);
    EXPECT_GT(fenster, 300);
    EXPECT_GT(oeffnungen, 20);
    EXPECT_GT(aufhaenger, 30);
    EXPECT_GT(rund, 0);
}

} // namespace

namespace {

TEST(Laterne, TheStartStarHasAWindowInEveryFaceOrEverySecondWithItsInsertsOnSheetsAfterTheNet)
{
    netz::Vorgabe v = laterne(3.8);
    const netz::Netz jede = startLaterne(v);
    v.fensterJedes = 2;
    const netz::Netz jedeZweite = startLaterne(v);
    const auto zaehlen = [](const netz::Netz& n) {
        int f = 0;
        for (const netz::Teil& t : n.teile)
            for (const netz::Loch& l : t.loecher)
                f += l.art == netz::Loch::Art::Fenster ? 1 : 0;
        return f;
    };
    // 16 faces a half.
    EXPECT_EQ(zaehlen(jede), 32);
    EXPECT_EQ(zaehlen(jedeZweite), 16);
    EXPECT_EQ(jede.einsaetze.size(), 32u);
    EXPECT_GE(jede.einsatzBlaetter, 1);
    EXPECT_EQ(jede.einsaetze.front().blatt, jede.blaetter);
    pruefeLaterne(jede, laterne(3.8));
    // A window wherever the face's inscribed circle leaves the frame and
    // 2 mm of window, none where it does not.
    int mitFenster = 0, ohneFenster = 0;
    for (const double rahmen : {1.0, 1.2, 1.5, netz::kRahmenMax}) {
        v.fensterRahmen = rahmen;
        v.fensterJedes = 1;
        v.fensterRadius = 0;
        v.oeffnung = 0;
        v.aufhaenger = false;
        for (const netz::Teil& t : startLaterne(v).teile) {
            for (std::size_t j = 0; j < t.dreiecke.size(); ++j) {
                const auto& d = t.dreiecke[j];
                const double a = netz::laenge(d[1] - d[0]), b = netz::laenge(d[2] - d[1]), c = netz::laenge(d[0] - d[2]);
                const double inkreis = std::abs(netz::kreuz(d[1] - d[0], d[2] - d[0])) / (a + b + c);
                const bool fenster = std::any_of(t.loecher.begin(), t.loecher.end(),
                    [&](const netz::Loch& l) { return l.flaeche == int(j); });
                EXPECT_EQ(fenster, inkreis > rahmen + 0.1) << rahmen << " " << inkreis;
                (fenster ? mitFenster : ohneFenster) += 1;
            }
        }
    }
    EXPECT_GT(mitFenster, 0);
    EXPECT_GT(ohneFenster, 0);
    v.einsaetze = false;
    v.fensterRahmen = 0;
    const netz::Netz ohne = startLaterne(v);
    EXPECT_EQ(zaehlen(ohne), 0);
    EXPECT_TRUE(ohne.einsaetze.empty());
    EXPECT_EQ(ohne.einsatzBlaetter, 0);
}

} // namespace
