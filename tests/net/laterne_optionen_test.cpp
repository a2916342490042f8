// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ansicht.h"
#include "net/laterne_vorgabe.h"
#include "net/platzsuche.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

using netz::Punkt;
using netz::operator+;
using netz::operator-;
using netz::operator*;
using Pfad = std::vector<Punkt>;

TEST(Laterne, TheOpeningHasItsSlitAndTheHangerHangsFromTheUppermostTip)
{
    const netz::Vorgabe v = laterne(3.8);
    const netz::Netz n = startLaterne(v);
    const double r = v.oeffnung / 2;
    bool schlitz = false;
    int loecher = 0;
    for (const netz::Teil& t : n.teile) {
        const Punkt spitze = t.dreiecke.front()[0];
        Pfad rand = t.schnitt;
        for (const netz::Loch& l : t.loecher) {
            if (l.art == netz::Loch::Art::Oeffnung)
                rand.insert(rand.end(), l.pfad.begin(), l.pfad.end());
            if (l.art != netz::Loch::Art::Aufhaenger)
                continue;
            ++loecher;
            // The uppermost corner of the start star is outline point 0 or its face's other end.
            const int segment = t.flaechen[std::size_t(l.flaeche)] % int(n.koerper.umriss.size());
            std::size_t oben = 0;
            for (std::size_t i = 0; i < n.koerper.umriss.size(); ++i)
                if (n.koerper.umriss[i].y > n.koerper.umriss[oben].y)
                    oben = i;
            const int spitzeOben = int(oben);
            EXPECT_TRUE(segment == spitzeOben || (segment + 1) % int(n.koerper.umriss.size()) == spitzeOben);
            const Punkt c = netz::mittel(l.pfad);
            double naechste = INFINITY;
            for (const Punkt& p : t.dreiecke[std::size_t(l.flaeche)])
                naechste = std::min(naechste, netz::laenge(p - c));
            EXPECT_LT(naechste, 2.5);
            EXPECT_NEAR(netz::laenge(l.pfad.front() - c), netz::kAufhaengerLoch / 2, 1e-6);
        }
        int amRand = 0;
        Pfad ende;
        for (const Punkt& p : rand) {
            const double weit = netz::laenge(p - spitze);
            amRand += !t.oberteil && std::abs(weit - r) < 1e-6 ? 1 : 0;
            if (!t.oberteil && weit > r + netz::kSchlitzLaenge - 1e-6 && weit < r + netz::kSchlitzLaenge + 0.01)
                ende.push_back(p);
        }
        EXPECT_EQ(amRand > 3, !t.oberteil);
        if (ende.size() != 2)
            continue;
        // The slit runs along a fold inside the piece, as wide as meant.
        EXPECT_NEAR(netz::laenge(ende[1] - ende[0]), netz::kSchlitzBreite, 1e-6);
        const Punkt mitte = 0.5 * (ende[0] + ende[1]);
        schlitz = std::any_of(t.falten.begin(), t.falten.end(), [&](const netz::Falte& f) {
            return std::abs(netz::kreuz(f.b - f.a, mitte - f.a)) / netz::laenge(f.b - f.a) < 1e-6;
        });
    }
    EXPECT_TRUE(schlitz);
    EXPECT_EQ(loecher, 2);
}

TEST(Laterne, OptionsOutOfRangeAndWhatCannotFitAreRefusedWithTheReason)
{
    const auto grund = [](const netz::Vorgabe& v, const PeloxState& s = netzStern()) {
        const netz::Ergebnis e = netz::entfalten(s, v);
        return e.netz ? std::string() : e.grund.source;
    };
    constexpr double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    netz::Vorgabe v = laterne(3.8);
    for (const double rahmen : {0.0, netz::kRahmenMin, netz::kRahmenMax})
        EXPECT_EQ(grund((v.fensterRahmen = rahmen, v)), "") << rahmen;
    for (const double rahmen : {0.29, 2.01, -0.5, nan, inf})
        EXPECT_EQ(grund((v.fensterRahmen = rahmen, v)), "Der Fensterrahmen darf 0,3 bis 2 cm breit sein.") << rahmen;
    v = laterne(3.8);
    for (const double radius : {-0.01, 1.01, nan})
        EXPECT_NE(grund((v.fensterRadius = radius, v)), "") << radius;
    EXPECT_EQ(grund((v.fensterRadius = 1, v)), "");
    EXPECT_NE(grund((v.fensterJedes = 3, v)), "");
    v = laterne(3.8);
    for (const double oeffnung : {0.0, netz::kOeffnungMin, 6.0})
        EXPECT_EQ(grund((v.oeffnung = oeffnung, v)), "") << oeffnung;
    for (const double oeffnung : {1.99, 8.01, nan, -inf})
        EXPECT_EQ(grund((v.oeffnung = oeffnung, v)), "Die Öffnung für Licht darf 2 bis 8 cm weit sein.") << oeffnung;
    // The start star's lower faces reach 4.5 cm from the peak: 8 cm across
    // fit with 3 mm to spare, its slit of 1 cm does not.
    EXPECT_EQ(grund((v.oeffnung = 7, v)),
        "Eine Öffnung von %1 cm mit dem Schlitz für das Kabel passt nicht in die Flächen des Unterteils.");
    EXPECT_EQ(grund((v.oeffnung = 8, v), netzStern(8, 10, 4)),
        "Eine Öffnung von %1 cm passt nicht in die Flächen des Unterteils.");
    v.haelften = 1;
    EXPECT_EQ(grund((v.oeffnung = 2, v)), "Die Öffnung für Licht braucht das Unterteil.");
    v = laterne(3.8);
    v.oeffnung = 0;
    // A small star with many points: no face leaves room for the hole at its tip.
    EXPECT_EQ(grund(v, netzStern(36, 5, 4.5)),
        "Für den Aufhänger ist an dieser Spitze kein Platz: das Loch hält 3 mm Abstand von jeder Kante.");
    v.aufhaenger = false;
    EXPECT_EQ(grund(v, netzStern(36, 5, 4.5)), "");
    // The start star's outline has 16 points: 15 is its last, 16 none.
    v.aufhaenger = true;
    EXPECT_EQ(grund((v.aufhaengerEcke = 15, v)), "");
    EXPECT_EQ(grund((v.aufhaengerEcke = 16, v)), "Der Aufhänger braucht eine Spitze des Sterns.");
}

TEST(Laterne, EachFaceIsShadedAsTheViewShowsItsHalf)
{
    netz::Vorgabe v = laterne(3.8);
    const netz::Netz n = startLaterne(v);
    const netz::Szene szene = netz::szene(n.koerper, 2);
    int verglichen = 0;
    for (const double drehung : {0.0, std::numbers::pi}) {
        const std::vector<netz::Bildflaeche> bild = netz::abbilden(szene, {drehung, 0, 1}, 100, 100);
        const double massstab = 50 * (1 - 0.04) / szene.radius;
        for (const netz::Teil& t : n.teile) {
            if (t.oberteil != (drehung == 0))
                continue;
            for (std::size_t j = 0; j < t.flaechen.size(); ++j) {
                const netz::Flaeche& f = n.koerper.flaechen[std::size_t(t.flaechen[j])];
                const Punkt b{50 + (drehung == 0 ? 1 : -1) * massstab * f.b.x, 50 - massstab * f.b.y};
                for (const netz::Bildflaeche& g : bild) {
                    if (netz::laenge(g.ecken[1] - b) < 1e-6) {
                        EXPECT_DOUBLE_EQ(t.anstrich[j].helligkeit, g.helligkeit);
                        ++verglichen;
                    }
                }
            }
        }
    }
    // Every face with its outline corner seen; the edge-on ones are left out.
    EXPECT_GT(verglichen, 24);
    v.schattiert = false;
    for (const netz::Teil& t : startLaterne(v).teile)
        for (const netz::Anstrich& a : t.anstrich)
            EXPECT_EQ(a.helligkeit, 1);
}

} // namespace
