// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tiling plan as properties over many random designs, sizes, papers and
// glue strips: every piece of the outline is on some sheet, neighbours
// overlap by the glue strip, the pieces put together give the outline again,
// no sheet is empty and no layout takes more sheets than a plain grid.
#include "curve/calc.h"
#include "paper/pruefmass.h"
#include "poster/plan.h"
#include "support/star.h"
#include "support/umriss.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <random>
#include <ranges>

namespace {

using poster::Strecke;

constexpr double kGenau = 0.01;  // 0.1 mm

struct Fall {
    PeloxState stern;
    bool dreiD = false;
    double breite = 0, hoehe = 0, kleben = 0;
};

Fall zufall(std::mt19937& g)
{
    const auto u = [&g](double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); };
    Fall f;
    PeloxState s = startStern(std::uniform_int_distribution<int>(2, 36)(g));
    s.InnenDurchmesser = static_cast<float>(u(0.5, 19));
    s.YFaktor = static_cast<float>(u(0.1, 3));
    star::RadienZuruecksetzen(s);
    for (int i = 1; i <= 2 * s.AnzahlSpitzen; ++i) {
        if (u(0, 1) < 0.2)
            s.Radius[i] = static_cast<float>(u(0, 14));
    }
    s.KurveEin = u(0, 1) < 0.6;
    for (int j = 1; s.KurveEin && j <= 3; ++j)
        s.KurvenWert[j] = static_cast<float>(u(-3, 3));
    f.stern = poster::skaliert(s, std::round(u(10, 400)) / 2);
    f.dreiD = u(0, 1) < 0.3;
    // The printable areas of A4, A3, Letter and Legal, and odd printers.
    const double papiere[][2] = {{19.6, 28.3}, {28.3, 40.3}, {20.9, 27.2}, {20.9, 34.9}};
    const int p = std::uniform_int_distribution<int>(0, 4)(g);
    f.breite = p < 4 ? papiere[p][0] : u(8, 40);
    f.hoehe = p < 4 ? papiere[p][1] : u(8, 40);
    f.kleben = std::round(u(0, 6)) / 2;
    return f;
}

// The parts of [0, 1] of the segment that the sheets' pieces cover, merged.
bool abgedeckt(const Strecke& s, const poster::Plan& plan)
{
    const double laenge = std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
    std::vector<std::pair<double, double>> stuecke;
    for (const poster::Blatt& b : plan.blaetter) {
        const auto teil = poster::beschneiden(s, b.bereich);
        if (!teil)
            continue;
        if (laenge == 0)
            return true;
        stuecke.push_back({std::hypot(teil->a.x - s.a.x, teil->a.y - s.a.y),
            std::hypot(teil->b.x - s.a.x, teil->b.y - s.a.y)});
    }
    std::sort(stuecke.begin(), stuecke.end());
    double bis = 0;
    for (const auto& [von, ende] : stuecke) {
        if (von > bis + kGenau)
            return false;
        bis = std::max(bis, ende);
    }
    return bis >= laenge - kGenau;
}

TEST(PosterPlan, HaeltSeineEigenschaftenFuerZufaelligeEntwuerfe)
{
    std::mt19937 g(20261207);
    for (int fall = 0; fall < 400; ++fall) {
        const Fall f = zufall(g);
        const std::vector<Strecke> figur = umriss(f.stern, f.dreiD);
        // Every other plan keeps the check scale's band below each sheet's
        // part of the star; paper too small for it gives no plan.
        const double fuss = fall % 2 ? pruefmass::kFreiCm : 0;
        const poster::Plan plan
            = poster::planen(figur, f.breite, f.hoehe, f.kleben, poster::Ausrichtung::Automatisch, fuss);
        SCOPED_TRACE("Fall " + std::to_string(fall));
        if (std::min(f.breite, f.hoehe) - fuss <= f.kleben) {
            EXPECT_TRUE(plan.blaetter.empty());
            continue;
        }
        ASSERT_FALSE(plan.blaetter.empty());
        EXPECT_EQ(plan.fuss, fuss);

        for (const Strecke& s : figur)
            EXPECT_TRUE(abgedeckt(s, plan)) << s.a.x << ", " << s.a.y << " to " << s.b.x << ", " << s.b.y;

        for (const poster::Blatt& b : plan.blaetter) {
            EXPECT_NEAR(b.bereich.rechts - b.bereich.links, plan.quer ? f.hoehe : f.breite, 1e-9);
            EXPECT_NEAR(b.bereich.unten - b.bereich.oben, (plan.quer ? f.breite : f.hoehe) - fuss, 1e-9);
            EXPECT_TRUE(std::any_of(figur.begin(), figur.end(), [&](const Strecke& s) {
                return poster::beschneiden(s, b.bereich).has_value();
            })) << "leeres Blatt " << poster::blattName(b);
            if (const poster::Blatt* rechts = plan.blatt(b.spalte + 1, b.zeile)) {
                EXPECT_NEAR(b.bereich.rechts - rechts->bereich.links, f.kleben, kGenau);
                EXPECT_NEAR(b.bereich.oben, rechts->bereich.oben, 1e-9);
            }
            if (const poster::Blatt* unten = plan.blatt(b.spalte, b.zeile + 1)) {
                EXPECT_NEAR(b.bereich.unten - unten->bereich.oben, f.kleben, kGenau);
                EXPECT_NEAR(b.bereich.links, unten->bereich.links, 1e-9);
            }
        }

        // Never more sheets than the plain grids, and no grid a column or row
        // too large: one fewer would not reach across the figure.
        const std::vector<poster::Punkt> punkte = entlang(figur);
        const auto [links, rechts] = std::ranges::minmax(punkte | std::views::transform(&poster::Punkt::x));
        const auto [oben, unten] = std::ranges::minmax(punkte | std::views::transform(&poster::Punkt::y));
        std::size_t weniger = plan.blaetter.size();
        for (const auto a : {poster::Ausrichtung::Hochformat, poster::Ausrichtung::Querformat}) {
            const poster::Plan p = poster::planen(figur, f.breite, f.hoehe, f.kleben, a, fuss);
            EXPECT_LE(plan.blaetter.size(), std::size_t(p.spalten * p.zeilen));
            weniger = std::min(weniger, p.blaetter.size());
            if (p.spalten > 1) {
                EXPECT_LT((p.spalten - 1) * (p.blattBreite - f.kleben) + f.kleben, rechts - links);
            }
            if (p.zeilen > 1) {
                EXPECT_LT((p.zeilen - 1) * (p.blattHoehe - f.kleben) + f.kleben, unten - oben);
            }
        }
        EXPECT_EQ(plan.blaetter.size(), weniger);
    }
}

TEST(PosterPlan, SkaliertDenGanzenEntwurfMitGleicherHoehe)
{
    PeloxState s = startStern(5);
    s.YFaktor = 0.7f;
    s.Radius[3] = 4;  // a pulled tip
    s.KurveEin = true;
    s.KurvenWert = {0, 0.5f, -0.25f, 1, 0};
    star::PeloxBerechnung(s);
    const PeloxState k = poster::skaliert(s, 95);
    EXPECT_FLOAT_EQ(k.AussenDurchmesser, 95);
    EXPECT_FLOAT_EQ(k.InnenDurchmesser, 40);
    EXPECT_FLOAT_EQ(k.Radius[3], 20);
    EXPECT_FLOAT_EQ(k.KurvenWert[3], 5);
    EXPECT_FLOAT_EQ(k.YFaktor, 0.7f);
    for (int i = 1; i <= k.AnzahlEcken + 1; ++i) {
        EXPECT_NEAR(k.PunktX[i], 5 * s.PunktX[i], 1e-3);
        EXPECT_NEAR(k.PunktY[i], 5 * s.PunktY[i], 1e-3);
    }
    // The bend points scale with the corners; the window's own star is untouched.
    curve::KurvenBerechnung(s);
    EXPECT_NEAR(k.KurvePunktY[2][2], 5 * s.KurvePunktY[2][2], 1e-3);
    EXPECT_FLOAT_EQ(s.AussenDurchmesser, 19);
}

TEST(PosterPlan, BenenntSpaltenMitBuchstaben)
{
    EXPECT_EQ(poster::spaltenName(0), "A");
    EXPECT_EQ(poster::spaltenName(25), "Z");
    EXPECT_EQ(poster::spaltenName(26), "AA");
    EXPECT_EQ(poster::blattName({1, 1, {}}), "B2");
}

} // namespace

// On a tie the sheets stand upright: a 19 cm star fits one sheet either way,
// also on paper wider than high.
TEST(PosterPlan, StehtBeiGleichstandHochkant)
{
    const std::vector<Strecke> figur = umriss(startStern(), false);
    for (const auto& [breite, hoehe] : {std::pair(30.0, 20.0), std::pair(20.0, 30.0)}) {
        const poster::Plan plan = poster::planen(figur, breite, hoehe, 1, poster::Ausrichtung::Automatisch, 0);
        EXPECT_EQ(plan.blaetter.size(), 1u);
        EXPECT_FALSE(plan.quer) << breite;
    }
}

// A thin ring of a star, 19 / 18 cm at 200 cm, has its centre mark alone in
// the middle: those sheets would join no other and are left out.
TEST(PosterPlan, LaesstEinBlattOhneNachbarnAus)
{
    PeloxState s = startStern();
    s.InnenDurchmesser = 18;
    star::RadienZuruecksetzen(s);
    s = poster::skaliert(s, 200);
    const std::vector<Strecke> umrisslinie = umriss(s, false);
    std::vector<Strecke> figur = umrisslinie;
    for (const Strecke& k : poster::kreis({0, 0}, 60 / (1440 / 2.54)))
        figur.push_back(k);
    const poster::Plan plan = poster::planen(figur, 19.73, 28.43, 1, poster::Ausrichtung::Automatisch, 0);
    ASSERT_GT(plan.blaetter.size(), 1u);
    for (const poster::Blatt& b : plan.blaetter) {
        EXPECT_TRUE(std::any_of(umrisslinie.begin(), umrisslinie.end(),
            [&](const Strecke& l) { return poster::beschneiden(l, b.bereich).has_value(); }))
            << poster::blattName(b);
    }
}

// The paper's shorter side must hold the band and more than the glue strip:
// at exactly both there is no plan, a tenth of a millimetre more gives one.
TEST(PosterPlan, DasBandUndDerKlebestreifenBrauchenPlatz)
{
    const std::vector<Strecke> figur = umriss(poster::skaliert(startStern(), 30), false);
    for (const double fuss : {0.0, pruefmass::kFreiCm}) {
        for (const double kleben : {0.0, 3.0}) {
            const double knapp = fuss + kleben;
            EXPECT_TRUE(poster::planen(figur, 20, knapp, kleben, poster::Ausrichtung::Automatisch, fuss).blaetter.empty());
            EXPECT_TRUE(poster::planen(figur, knapp, 20, kleben, poster::Ausrichtung::Automatisch, fuss).blaetter.empty());
            const poster::Plan p = poster::planen(figur, 20, knapp + 0.01, kleben, poster::Ausrichtung::Querformat, fuss);
            ASSERT_FALSE(p.blaetter.empty());
            EXPECT_NEAR(p.blattHoehe, 20 - fuss, 1e-9);
        }
    }
}
