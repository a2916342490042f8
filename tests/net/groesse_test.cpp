// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folded star's size and heights as the core gives them: the size
// measured on the outline, the peak's range following it, the natural height
// however far a corner is pulled, the reason a zig-zag bend is refused, and
// advice for a net too large for its paper that works when followed.
#include "entwurf.h"

#include "net/netz.h"
#include "poster/plan.h"

#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace {

constexpr double kA4Breite = 20.285;  // the printable area, cm
constexpr double kA4Hoehe = 28.998;

// examples/bethlehemstern.plx: 8 points at 7 cm, corners pulled.
PeloxState bethlehem()
{
    PeloxState s = netzStern(8, 7, 2.5);
    const float radien[] = {6, 1.25, 3.5, 1.25, 12.5, 1.25, 3.5, 1.25, 6, 1.25, 3.5, 1.25, 6, 1.25, 3.5, 1.25};
    for (int i = 0; i < 16; ++i)
        s.Radius[i + 1] = radien[i];
    s.Gezogen = 1;
    star::PeloxBerechnung(s);
    return s;
}

// examples/blume.plx: 8 points, 15/7 cm, the edges bent far out.
PeloxState blume()
{
    PeloxState s = netzStern(8, 15, 7);
    biegen(s, -0.6565753f, -1.372839f, -1.516092f);
    return s;
}

netz::Vorgabe a4(double hoehe)
{
    netz::Vorgabe v;
    v.hoehe = hoehe;
    v.blattBreite = kA4Breite;
    v.blattHoehe = kA4Hoehe;
    return v;
}

} // namespace

TEST(Groesse, TheFinishedStarIsMeasuredOnItsOutline)
{
    const PeloxState b = bethlehem();
    EXPECT_EQ(netz::groesse(netz::ausmass(b)).asWritten(), "12,0 × 18,5 cm");
    const netz::Gefaltet g = netz::falten(b, 3.5);
    ASSERT_TRUE(g.koerper);
    EXPECT_EQ(netz::fertigerStern(*g.koerper, 2).asWritten(), "Fertiger Stern: 12,0 × 18,5 cm, 7,0 cm dick");
    EXPECT_EQ(netz::fertigerStern(*g.koerper, 1).asWritten(), "Fertiger Stern: 12,0 × 18,5 cm, 3,5 cm dick");
    // A star with an odd number of points is smaller than its diameter.
    EXPECT_EQ(netz::groesse(netz::ausmass(netzStern(5, 19, 12))).asWritten(), "17,2 × 18,1 cm");
}

TEST(Groesse, ThePeaksRangeFollowsTheFinishedStar)
{
    // As high as the star is long; for the start-up star its diameter.
    EXPECT_DOUBLE_EQ(netz::hoeheMax(netzStern()), 19);
    EXPECT_DOUBLE_EQ(netz::hoeheMax(bethlehem()), 18.5);
    EXPECT_EQ(netz::hoeheNichtErlaubt(bethlehem(), "19").asWritten(),
        "Höhe der Spitze 19: erlaubt sind 0,1 bis 18,50 cm (die längere Seite des fertigen Sterns, 12,0 × 18,5 cm) "
        "oder natural");
    // The natural height, where higher, is within the range.
    const PeloxState tief = netzStern(36, 19, 15);
    const double natuerlich = *netz::natuerlicheHoehe(tief);
    EXPECT_GT(natuerlich, 21.2);
    EXPECT_GE(netz::hoeheMax(tief), natuerlich);
    EXPECT_LT(netz::hoeheMax(tief), natuerlich + 0.01);
    EXPECT_TRUE(netz::hoeheNichtErlaubt(tief, "30").asWritten().find("(seine natürliche Höhe)") != std::string::npos);
}

TEST(Groesse, TheNaturalHeightIsFoundHoweverFarACornerIsPulled)
{
    for (const int spitzen : {5, 8}) {
        std::optional<double> vorher;
        for (const double faktor : {1000.0, 5000.0, 10000.0}) {
            SCOPED_TRACE(spitzen * 100000 + faktor);
            PeloxState s = netzStern(spitzen, 19, 8);
            s.Radius[1] = float(s.Radius[1] * faktor);
            s.Gezogen = 1;
            star::PeloxBerechnung(s);
            const std::optional<double> h = netz::natuerlicheHoehe(s);
            ASSERT_TRUE(h);
            const netz::Gefaltet g = netz::falten(s, *h);
            EXPECT_NEAR(netz::winkelsumme(*g.koerper), 2 * std::numbers::pi, 1e-9);
            // Higher peaks make less than a full turn.
            EXPECT_LT(netz::winkelsumme(*netz::falten(s, *h * 1.01).koerper), 2 * std::numbers::pi);
            // A corner pulled ever farther changes the height less and less.
            if (vorher) {
                EXPECT_NEAR(*h, *vorher, 0.1);
            }
            vorher = h;
        }
    }
}

TEST(Groesse, AZigZagBendIsRefusedForWhatItDoes)
{
    PeloxState s = netzStern();
    biegen(s, -0.5f, 0.4f, -0.5f);
    const netz::Gefaltet g = netz::falten(s, 3);
    ASSERT_FALSE(g.koerper);
    EXPECT_EQ(g.grund.asWritten(),
        "Eine Biegung führt den Umriss ein Stück um die Mitte zurück, gegen die Folge der Ecken; die Flächen darüber "
        "würden sich überlappen.");
}

TEST(Rat, TheAdviceForANetTooLargeForItsPaperWorksWhenFollowed)
{
    // Whether the advice the refusal e gives for the design at this diameter
    // works, tried as the user would take it: the design scaled anew to the
    // diameter named, the peak named.
    const auto folgen = [](const PeloxState& entwurf, double durchmesser, const netz::Vorgabe& v,
                            const netz::Ergebnis& e) {
        const std::string& rat = e.grund.source;
        const auto wert = [&](std::size_t i) { return std::stod(e.grund.args.at(i).source); };
        SCOPED_TRACE(e.grund.asWritten());
        double d = durchmesser, h = v.hoehe;
        bool natuerlich = false;
        if (rat.find("Bei dieser Höhe") != std::string::npos) {
            d = wert(0);
        } else if (rat.find("natürlichen Höhe") != std::string::npos) {
            d = wert(0);
            natuerlich = true;
        } else if (rat.find("höchstens") != std::string::npos) {
            h = wert(0);
        } else if (rat.find("derselben Form") != std::string::npos) {
            d = wert(0);
            h = wert(1);
        } else if (rat.find("niedrigsten Spitze (0,1 cm) passt") != std::string::npos) {
            d = wert(0);
            h = netz::kHoeheMin;
        } else {
            // Only larger paper helps: not even the smallest star fits.
            EXPECT_NE(rat.find("größeres Papier"), std::string::npos);
            EXPECT_FALSE(netz::entfalten(poster::skaliert(entwurf, 5), a4(netz::kHoeheMin)).netz);
            return false;
        }
        const PeloxState t = poster::skaliert(entwurf, d);
        if (natuerlich)
            h = *netz::natuerlicheHoehe(t);
        EXPECT_GE(d, netz::kDurchmesserMin);
        EXPECT_LE(d, durchmesser);
        EXPECT_GE(h, netz::kHoeheMin);
        EXPECT_LE(h, netz::hoeheMax(t));
        netz::Vorgabe w = v;
        w.hoehe = h;
        const netz::Ergebnis gefolgt = netz::entfalten(t, w);
        EXPECT_TRUE(gefolgt.netz) << "at " << d << " cm, peak " << h << ": " << gefolgt.grund.asWritten();
        return gefolgt.netz.has_value();
    };

    // The cases users met: a peak too high for any face on A4 (advised
    // 0,0 cm), a diameter advised below the peak, the flower's natural
    // height (advised at the wrong height), pulled corners.
    struct Fall {
        PeloxState entwurf;
        double durchmesser;
        std::optional<double> hoehe;  // none: the natural one
    };
    for (const Fall& f : {Fall{netzStern(), 100, 50}, Fall{netzStern(), 60, 30}, Fall{blume(), 34, std::nullopt},
             Fall{bethlehem(), 100, 10}, Fall{bethlehem(), 100, std::nullopt}}) {
        const PeloxState s = poster::skaliert(f.entwurf, f.durchmesser);
        const netz::Vorgabe v = a4(f.hoehe ? *f.hoehe : *netz::natuerlicheHoehe(s));
        const netz::Ergebnis e = netz::entfalten(s, v);
        ASSERT_FALSE(e.netz);
        EXPECT_TRUE(folgen(f.entwurf, f.durchmesser, v, e)) << e.grund.asWritten();
        // At the natural height, a diameter is advised at that height.
        EXPECT_EQ(e.grund.source.find("natürlichen Höhe") != std::string::npos, !f.hoehe) << e.grund.asWritten();
    }

    // Over many random refusals.
    std::mt19937 zufall(31);
    const auto zahl = [&zufall](double a, double b) { return std::uniform_real_distribution<double>(a, b)(zufall); };
    int abgelehnt = 0, gefolgt = 0;
    for (int versuch = 0; versuch < 400 && abgelehnt < 150; ++versuch) {
        const PeloxState entwurf = zufallsStern(zufall);
        const double durchmesser = std::round(zahl(30, 100));
        const PeloxState s = poster::skaliert(entwurf, durchmesser);
        const std::optional<double> natuerlich = netz::natuerlicheHoehe(s);
        const bool mitNatuerlicher = natuerlich && zahl(0, 1) < 0.3;
        netz::Vorgabe v = a4(mitNatuerlicher ? *natuerlich : std::round(zahl(0.1, netz::hoeheMax(s)) * 10) / 10);
        v.lasche = std::round(zahl(0.5, 2) * 10) / 10;
        v.haelften = zahl(0, 1) < 0.5 ? 1 : 2;
        const netz::Ergebnis e = netz::entfalten(s, v);
        if (e.netz || e.grund.source.find("größer als das Blatt") == std::string::npos)
            continue;
        ++abgelehnt;
        gefolgt += folgen(entwurf, durchmesser, v, e);
    }
    EXPECT_GE(abgelehnt, 60);
    EXPECT_GE(gefolgt, abgelehnt * 9 / 10);
}
