// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The poster's pages as the printer receives them: the assembly map first,
// then every sheet with its part of the star, which put back together by the
// sheets' places gives the true-size outline again; labels, glue strips, cut
// lines and marks that meet.
#include "support/fakes.h"
#include "support/star.h"
#include "support/umriss.h"

#include "print/poster.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

namespace {

using poster::kTwipsProCm;

constexpr double kGenau = 0.01;  // 0.1 mm, in cm
const QSizeF kA4(11506, 16438);  // A4's drawing area with 10 points of margin, twips

// The pages of the poster printed as one job on paper of that drawing area,
// split where a new page begins.
std::vector<Drawing> seiten(const poster::Poster& p, QSizeF papier = kA4)
{
    FakePrinter drucker;
    drucker.width = papier.width();
    drucker.height = papier.height();
    EXPECT_EQ(poster::PosterDrucken(drucker, p), druck::Ergebnis::Gedruckt);
    // Whatever is printed next stands upright again.
    EXPECT_FALSE(drucker.landscape);
    EXPECT_EQ(drucker.jobs.size(), 1u);
    // The job's paper lies as the plan has it.
    EXPECT_EQ(drucker.jobs.back().landscape, p.plan.quer);
    std::vector<Drawing> r(1);
    for (const Drawing::Op& op : drucker.jobs.back().ops) {
        if (op.kind == Drawing::Op::Page)
            r.emplace_back();
        else
            r.back().ops.push_back(op);
    }
    return r;
}

double abstand(poster::Punkt p, const poster::Strecke& s)
{
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double l2 = dx * dx + dy * dy;
    const double t = l2 == 0 ? 0 : std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / l2, 0.0, 1.0);
    return std::hypot(p.x - s.a.x - t * dx, p.y - s.a.y - t * dy);
}

} // namespace

// Sheets on their side take the page turned for the poster's job alone.
// Sheets that would hold nothing are left out; the map keeps their places.
TEST(PosterSeiten, DieTeileAllerBlaetterErgebenDenSternInOriginalgroesse)
{
    std::mt19937 g(7);
    const auto u = [&g](double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); };
    int quer = 0;
    std::size_t leerGesamt = 0;
    for (int fall = 0; fall < 60; ++fall) {
        SCOPED_TRACE(fall);
        PeloxState s = startStern(std::uniform_int_distribution<int>(2, 36)(g));
        s.InnenDurchmesser = static_cast<float>(u(1, 19));
        s.YFaktor = static_cast<float>(u(0.2, 3));
        star::RadienZuruecksetzen(s);
        s.Radius[3] = static_cast<float>(u(0, 12));
        s.KurveEin = u(0, 1) < 0.5;
        for (int j = 1; s.KurveEin && j <= 3; ++j)
            s.KurvenWert[j] = static_cast<float>(u(-2, 2));
        druck::Steuerung st;
        st.dreiD = u(0, 1) < 0.5;
        st.dick = u(0, 1) < 0.5;
        const poster::Vorgabe v{std::round(u(10, 300)) / 2, std::round(u(0, 6)) / 2, poster::Ausrichtung::Automatisch};
        const QSizeF papier = u(0, 1) < 0.5 ? kA4 : QSizeF(u(5000, 20000), u(5000, 20000));

        const poster::Poster p = poster::entwerfen(s, st, v, papier);
        quer += p.plan.quer;
        EXPECT_EQ(p.seite, p.plan.quer ? papier.transposed() : papier);
        const auto alle = seiten(p, papier);
        ASSERT_EQ(alle.size(), p.plan.blaetter.size() + 1);
        const QStringList karte = alle[0].texte();
        for (int zeile = 0; zeile < p.plan.zeilen; ++zeile) {
            for (int spalte = 0; spalte < p.plan.spalten; ++spalte) {
                const QString name = QString::fromStdString(poster::blattName({spalte, zeile, {}}));
                EXPECT_TRUE(karte.contains(name)) << name.toStdString();
            }
        }
        const auto leer = std::size_t(p.plan.spalten * p.plan.zeilen) - p.plan.blaetter.size();
        EXPECT_EQ(std::size_t(karte.count("(leer)")), leer);
        leerGesamt += leer;

        // Every piece of the star on a sheet, moved by the sheet's place,
        // lies on the true-size outline (or on the centre mark).
        const std::vector<poster::Strecke> soll = umriss(p.stern, st.dreiD);
        std::vector<poster::Strecke> stuecke;
        for (std::size_t i = 0; i < p.plan.blaetter.size(); ++i) {
            const poster::Rechteck& b = p.plan.blaetter[i].bereich;
            EXPECT_TRUE(alle[i + 1].texte().contains(QString::fromStdString(poster::blattName(p.plan.blaetter[i]))));
            const std::size_t vorher = stuecke.size();
            for (const Drawing::Op& op : alle[i + 1].ops) {
                if (op.kind != Drawing::Op::Line || op.widthMm != (st.dick ? 0.7 : 0.25))
                    continue;
                const QRectF seite = QRectF(QPointF(), p.seite).adjusted(-0.5, -0.5, 0.5, 0.5);
                EXPECT_TRUE(seite.contains(op.a, op.b) && seite.contains(op.c, op.d))
                    << op.a << ", " << op.b << " to " << op.c << ", " << op.d;
                const poster::Strecke stueck{{op.a / kTwipsProCm + b.links, op.b / kTwipsProCm + b.oben},
                    {op.c / kTwipsProCm + b.links, op.d / kTwipsProCm + b.oben}};
                for (const poster::Punkt& e : {stueck.a, stueck.b}) {
                    const bool aufUmriss = std::any_of(
                        soll.begin(), soll.end(), [&](const poster::Strecke& z) { return abstand(e, z) <= kGenau; });
                    EXPECT_TRUE(aufUmriss || std::hypot(e.x, e.y) <= poster::kMittenKreis / kTwipsProCm + kGenau)
                        << e.x << ", " << e.y;
                }
                stuecke.push_back(stueck);
            }
            EXPECT_GT(stuecke.size(), vorher) << "leeres Blatt " << i;
        }
        // ... and the pieces together leave no gap in it.
        for (const poster::Punkt& q : entlang(soll)) {
            EXPECT_TRUE(std::any_of(stuecke.begin(), stuecke.end(),
                [&](const poster::Strecke& t) { return abstand(q, t) <= kGenau; }))
                << q.x << ", " << q.y;
        }
    }
    EXPECT_GT(quer, 0);
    EXPECT_GT(leerGesamt, 0u);
}

TEST(PosterSeiten, UebersichtZuerstDannBlaetterMitNameKlebestreifenUndPassmarken)
{
    PeloxState s = startStern();
    s.DateiPfad = "/tmp/Mein Stern.plx";
    const poster::Poster p = poster::entwerfen(s, {}, {60, 1, poster::Ausrichtung::Automatisch}, kA4);
    const auto alle = seiten(p);
    const std::size_t n = p.plan.blaetter.size();
    ASSERT_EQ(alle.size(), n + 1);

    const QStringList karte = alle[0].texte();
    EXPECT_TRUE(karte.contains("Außendurchmesser 60 cm, der ganze Stern 60,0 × 60,0 cm")) << karte.join('|').toStdString();
    PeloxState flach = s;
    flach.YFaktor = 0.1f;
    star::PeloxBerechnung(flach);
    EXPECT_TRUE(seiten(poster::entwerfen(flach, {}, {60, 1, poster::Ausrichtung::Automatisch}, kA4))[0].texte().contains(
        "Außendurchmesser 60 cm, der ganze Stern 60,0 × 6,0 cm"));
    EXPECT_EQ(karte.filter(QRegularExpression("^" + QString::number(n) + " Blätter \\(")).size(), 1);

    const double g = kTwipsProCm;  // the glue strip
    // The star's part of every sheet, above the band of the check scale.
    const double hoehe = p.plan.blattHoehe * kTwipsProCm;
    EXPECT_NEAR(hoehe, p.seite.height() - poster::kPruefmassFuss * kTwipsProCm, 1e-6);
    for (std::size_t i = 0; i < n; ++i) {
        const poster::Blatt& b = p.plan.blaetter[i];
        const QString name = QString::fromStdString(poster::blattName(b));
        SCOPED_TRACE(name.toStdString());
        const QStringList t = alle[i + 1].texte();
        EXPECT_TRUE(t.contains(QStringLiteral("Blatt %1 von %2 – Mein Stern.plx").arg(i + 1).arg(n)));

        // Right and below: the glue strip here, the cut line on the neighbour,
        // and marks on both, named after the other sheet, that meet on the star.
        for (const bool rechts : {true, false}) {
            const poster::Blatt* nb = p.plan.blatt(b.spalte + (rechts ? 1 : 0), b.zeile + (rechts ? 0 : 1));
            if (!nb)
                continue;
            const std::size_t j = std::size_t(nb - p.plan.blaetter.data());
            const QString nachbar = QString::fromStdString(poster::blattName(*nb));
            EXPECT_GE(t.count(nachbar), 2);
            EXPECT_GE(alle[j + 1].texte().count(name), 2);
            // The strip runs the length of the star's part.
            const auto fills = std::ranges::count_if(alle[i + 1].ops, [&](const Drawing::Op& o) {
                return o.kind == Drawing::Op::Fill
                    && (rechts ? std::abs(o.a - (p.seite.width() - g)) < 1 && std::abs(o.d - hoehe) < 1e-6
                               : std::abs(o.b - (hoehe - g)) < 1 && o.c == p.seite.width());
            });
            EXPECT_EQ(fills, 1);
            const auto schnitt = std::ranges::count_if(alle[j + 1].ops, [&](const Drawing::Op& o) {
                return o.kind == Drawing::Op::Line && o.style == LineStyle::Dash && (rechts ? o.a == 0 && o.c == 0
                                                                                           : o.b == 0 && o.d == 0);
            });
            EXPECT_EQ(schnitt, 1);
            // The marks' ends on the join, in cm of the star, on both sheets.
            const auto marken = [&](std::size_t k, double linie, const poster::Blatt& auf) {
                std::vector<std::pair<double, double>> r;
                for (const Drawing::Op& o : alle[k + 1].ops) {
                    const bool quer = rechts ? o.b == o.d : o.a == o.c;
                    const bool amStoss = rechts ? (o.a == linie || o.c == linie) : (o.b == linie || o.d == linie);
                    if (o.kind == Drawing::Op::Line && o.style == LineStyle::Solid && o.widthMm == 0.3 && quer && amStoss)
                        r.push_back({(rechts ? linie : o.a) / kTwipsProCm + auf.bereich.links,
                            (rechts ? o.b : linie) / kTwipsProCm + auf.bereich.oben});
                }
                std::sort(r.begin(), r.end());
                return r;
            };
            const auto hier = marken(i, (rechts ? p.seite.width() : hoehe) - g, b);
            const auto dort = marken(j, 0, *nb);
            ASSERT_GE(hier.size(), 2u);
            ASSERT_EQ(hier.size(), dort.size());
            for (std::size_t k = 0; k < hier.size(); ++k) {
                EXPECT_NEAR(hier[k].first, dort[k].first, kGenau);
                EXPECT_NEAR(hier[k].second, dort[k].second, kGenau);
            }
        }
    }

    // The check scale stands on every page, the map's and those of the
    // sheets in the middle that the star reaches into every corner of.
    // Switched off, on none.
    const auto mitPruefmass = [](const std::vector<Drawing>& blaetter) {
        return std::count_if(blaetter.begin(), blaetter.end(),
            [](const auto& seite) { return !seite.texte().filter(QRegularExpression("^Prüfmaß")).isEmpty(); });
    };
    EXPECT_EQ(mitPruefmass(alle), std::ptrdiff_t(n) + 1);
    druck::Steuerung ohne;
    ohne.pruefmass = false;
    EXPECT_EQ(mitPruefmass(seiten(poster::entwerfen(s, ohne, {60, 1, poster::Ausrichtung::Automatisch}, kA4))), 0);
}

// The word on a glue strip stays inside the strip, in a smaller size where
// it must, or is left out. Below the map's
// text, as high as the font's lines are, the map begins.
TEST(PosterSeiten, KlebenImStreifenUndDieKarteUnterDemText)
{
    const poster::Poster p = poster::entwerfen(startStern(), {}, {60, 1, poster::Ausrichtung::Automatisch}, kA4);
    for (const double kleben : {0.5, 1.0, 2.0}) {
        SCOPED_TRACE(kleben);
        const poster::Poster mit = poster::entwerfen(startStern(), {}, {60, kleben, poster::Ausrichtung::Automatisch}, kA4);
        int woerter = 0;
        for (const Drawing& seite : seiten(mit)) {
            const std::vector<Drawing::Op> fills = seite.only(Drawing::Op::Fill);
            double punkte = 0;
            for (const Drawing::Op& o : seite.ops) {
                if (o.kind == Drawing::Op::FontSize)
                    punkte = o.a;
                if (o.kind != Drawing::Op::TextAt || o.text != "kleben")
                    continue;
                ++woerter;
                // The fake's Courier: 0.6 of the size wide, 1.25 of it high.
                const QRectF wort(o.a, o.b, punkte * 12 * 6, punkte * 25);
                EXPECT_TRUE(std::ranges::any_of(fills, [&](const Drawing::Op& f) {
                    return QRectF(f.a, f.b, f.c, f.d).adjusted(-0.01, -0.01, 0.01, 0.01).contains(wort);
                })) << o.a << ", " << o.b << " at " << punkte;
            }
        }
        EXPECT_GT(woerter, 0);
    }

    FakePrinter drucker;
    drucker.lineSpacing = 2;
    poster::KartenSeite(drucker, p);
    const auto text = drucker.only(Drawing::Op::Text);
    double oberste = 1e9;
    for (const Drawing::Op& o : drucker.only(Drawing::Op::Line))
        oberste = std::min({oberste, o.b, o.d});
    EXPECT_GE(oberste, double(text.size()) * 11 * 20 * 2);
}
