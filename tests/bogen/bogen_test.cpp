// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bogen/bogen.h"
#include "net/entwurf.h"
#include "paper/papier.h"
#include "poster/plan.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

// A4's printable area in cm, a quarter inch in from every edge.
constexpr double kA4Breite = 21 - 2 * 0.635;
constexpr double kA4Hoehe = 29.7 - 2 * 0.635;

bogen::Sorte sorte(const PeloxState& s, double durchmesser, int anzahl)
{
    return {bogen::umriss(poster::skaliert(s, durchmesser)), anzahl, s.AnzahlSpitzen};
}

// Circles of diameter d, at least g apart, packed hexagonally in rows along
// either side of the area, the first row against the edge.
int sechseck(double breite, double hoehe, double d, double g)
{
    int beste = 0;
    for (const auto& [w, h] : {std::pair(breite, hoehe), std::pair(hoehe, breite)}) {
        const double p = d + g;
        if (w < d || h < d)
            continue;
        const int lang = int(std::floor((w - d) / p)) + 1;
        const int kurz = w - d - p / 2 >= 0 ? int(std::floor((w - d - p / 2) / p)) + 1 : 0;
        const int zeilen = int(std::floor((h - d) / (p * std::sqrt(3.0) / 2))) + 1;
        beste = std::max(beste, (zeilen + 1) / 2 * lang + zeilen / 2 * kurz);
    }
    return beste;
}

// The least distance between two closed outlines, edge by edge; 0 where one
// lies inside the other.
double entfernung(const std::vector<bogen::Punkt>& a, const std::vector<bogen::Punkt>& b)
{
    const auto innen = [](const std::vector<bogen::Punkt>& f, bogen::Punkt p) {
        bool drin = false;
        for (std::size_t i = 0, j = f.size() - 1; i < f.size(); j = i++)
            if ((f[i].y > p.y) != (f[j].y > p.y)
                && p.x < (f[j].x - f[i].x) * (p.y - f[i].y) / (f[j].y - f[i].y) + f[i].x)
                drin = !drin;
        return drin;
    };
    if (innen(a, b.front()) || innen(b, a.front()))
        return 0;
    double d = INFINITY;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t k = 0; k < b.size(); ++k)
            d = std::min(d, form::abstand(a[i], a[(i + 1) % a.size()], b[k], b[(k + 1) % b.size()]));
    return d;
}

// The signed area of an outline: a mirrored copy has the other sign.
double flaeche(const std::vector<bogen::Punkt>& ecken)
{
    double f = 0;
    for (std::size_t i = 0; i < ecken.size(); ++i)
        f += ecken[i].x * ecken[(i + 1) % ecken.size()].y - ecken[(i + 1) % ecken.size()].x * ecken[i].y;
    return f / 2;
}

// What the user sees of every sheet: each star whole on it, none nearer to
// another than the gap nor over a reserved area, none mirrored.
void pruefen(const bogen::Bogen& b, const std::vector<bogen::Sorte>& sorten, double abstand,
    const std::vector<bogen::Rechteck>& gesperrt = {})
{
    std::size_t gesamt = 0;
    for (const bogen::Sorte& s : sorten)
        gesamt += std::size_t(s.anzahl);
    ASSERT_EQ(b.sterne.size(), gesamt);
    for (int blatt = 0; blatt < b.blaetter; ++blatt) {
        EXPECT_GT(b.anzahl(blatt), 0) << "sheet " << blatt << " is empty";
        const auto umrisse = b.umrisse(blatt);
        for (std::size_t i = 0; i < umrisse.size(); ++i) {
            for (const bogen::Punkt& p : umrisse[i]) {
                EXPECT_GE(p.x, b.bereich.links - 1e-9);
                EXPECT_LE(p.x, b.bereich.rechts + 1e-9);
                EXPECT_GE(p.y, b.bereich.oben - 1e-9);
                EXPECT_LE(p.y, b.bereich.unten + 1e-9);
                for (const bogen::Rechteck& r : gesperrt)
                    EXPECT_FALSE(r.erweitert(abstand - 1e-9).enthaelt({p.x, p.y, p.x, p.y}));
            }
            for (std::size_t k = i + 1; k < umrisse.size(); ++k) {
                const double d = entfernung(umrisse[i], umrisse[k]);
                ASSERT_TRUE(d >= abstand - 1e-6 && d > 0) << "sheet " << blatt << ", stars " << i << " and " << k;
            }
        }
    }
    for (const bogen::Stern& s : b.sterne) {
        const auto& ecken = b.formen[std::size_t(s.sorte)].ecken();
        EXPECT_NEAR(flaeche(b.formen[std::size_t(s.sorte)].gelegt(s.lage)), flaeche(ecken),
            1e-6 * std::abs(flaeche(ecken)) + 1e-9)
            << "a star is mirrored";
    }
}

TEST(Sternbogen, StartupStarAtFiveCmFillsA4BeyondTheHexagonalPackingOfItsCircles)
{
    const std::vector<bogen::Sorte> sorten{sorte(netzStern(), 5, 200)};
    const bogen::Ergebnis e = bogen::auslegen(sorten, kA4Breite, kA4Hoehe, 0.2);
    ASSERT_TRUE(e.bogen) << e.grund;
    pruefen(*e.bogen, sorten, 0.2);
    const int hex = sechseck(kA4Breite, kA4Hoehe, 5, 0.2);
    EXPECT_EQ(hex, 20);
    // The tips reach between each other.
    EXPECT_GT(e.bogen->anzahl(0), hex);
    const int jeBlatt = e.bogen->anzahl(0);
    EXPECT_EQ(e.bogen->blaetter, (200 + jeBlatt - 1) / jeBlatt);
    // Printed, with the check scale's corner and the footer kept free, still
    // more than the circles would take of the whole area.
    const bogen::Ergebnis gedruckt = bogen::auslegen(netzStern(), {{5, 200}}, kA4Breite, kA4Hoehe, 0.2);
    ASSERT_TRUE(gedruckt.bogen);
    EXPECT_GT(gedruckt.bogen->anzahl(0), hex);
    std::cout << "start-up star at 5 cm on A4: " << jeBlatt << " per sheet, " << gedruckt.bogen->anzahl(0)
              << " printed, circles packed: " << hex << "\n";
}

TEST(Sternbogen, RandomDesignsKeepTheGapStayWholeAndBeatTheCirclePacking)
{
    std::mt19937 zufall(33);
    for (int n = 0; n < 25; ++n) {
        const PeloxState s = zufallsStern(zufall);
        const double d = std::uniform_real_distribution<double>(2, 9)(zufall);
        // Every fifth with no gap: the stars may come close, never cross.
        const double gap = n % 5 == 0 ? 0 : std::uniform_real_distribution<double>(0, 2)(zufall);
        const int anzahl = std::uniform_int_distribution<int>(1, 40)(zufall);
        const std::vector<bogen::Sorte> sorten{sorte(s, d, anzahl)};
        const bogen::Ergebnis e = bogen::auslegen(sorten, kA4Breite, kA4Hoehe, gap);
        ASSERT_TRUE(e.bogen) << e.grund;
        SCOPED_TRACE(testing::Message() << "design " << n << ", " << d << " cm, gap " << gap);
        pruefen(*e.bogen, sorten, gap);
        const double kreis = 2 * e.bogen->formen[0].radius();
        EXPECT_GE(e.bogen->anzahl(0), std::min(anzahl, sechseck(kA4Breite, kA4Hoehe, kreis, gap)));
    }
}

TEST(Sternbogen, SeveralSizesShareTheSheetsAndKeepClearOfWhatIsReserved)
{
    // A class's 16 stars in five sizes, with the check scale's corner kept free.
    std::mt19937 zufall(7);
    const PeloxState s = zufallsStern(zufall);
    const std::vector<bogen::Sorte> sorten{sorte(netzStern(), 8, 2), sorte(netzStern(), 6, 3),
        sorte(s, 5, 3), sorte(netzStern(), 4, 4), sorte(netzStern(), 3, 4)};
    const std::vector<bogen::Rechteck> gesperrt{{kA4Breite - 5.5, kA4Hoehe - 5.5, kA4Breite, kA4Hoehe}};
    const bogen::Ergebnis e = bogen::auslegen(sorten, kA4Breite, kA4Hoehe, 0.2, gesperrt);
    ASSERT_TRUE(e.bogen);
    pruefen(*e.bogen, sorten, 0.2, gesperrt);
    EXPECT_EQ(e.bogen->blaetter, 1);
}

TEST(Sternbogen, AStarLargerThanTheSheetIsRefusedWithTheReason)
{
    const bogen::Ergebnis e = bogen::auslegen({sorte(netzStern(), 25, 1)}, kA4Breite, kA4Hoehe, 0.2);
    EXPECT_FALSE(e.bogen);
    EXPECT_EQ(e.grund.asWritten(), "Ein Stern von 25,0 cm passt nicht auf das Blatt (19,7 × 28,4 cm).");
    // The largest that fits across the sheet.
    EXPECT_TRUE(bogen::auslegen({sorte(netzStern(), 19.7, 1)}, kA4Breite, kA4Hoehe, 0.2).bogen);
}

TEST(Papier, OfficePapersAndCuttingMatsByName)
{
    std::vector<std::string_view> namen;
    for (const papier::Format& f : papier::formate())
        namen.push_back(f.name);
    EXPECT_EQ(namen, (std::vector<std::string_view>{"A4", "A3", "Letter", "Legal", "mat12x12", "mat12x24"}));
    ASSERT_TRUE(papier::format("mat12x24"));
    EXPECT_EQ(papier::format("mat12x24")->breiteMm, 305);
    EXPECT_EQ(papier::format("mat12x24")->hoeheMm, 610);
    EXPECT_EQ(papier::format("Letter")->hoeheMm, 279.4);
    EXPECT_FALSE(papier::format("a4"));
}

} // namespace
