// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/svg.h"

#include "curve/calc.h"
#include "star/corners.h"

#include <QPointF>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <vector>

namespace {

PeloxState defaultStar()
{
    PeloxState s;
    s.Pi = 3.14159f;
    s.AussenDurchmesser = 19;
    s.InnenDurchmesser = 8;
    s.YFaktor = 1;
    s.AnzahlSpitzen = 8;
    star::RadienZuruecksetzen(s);
    star::PeloxBerechnung(s);
    return s;
}

struct Parsed {
    QString width, height, viewBox;
    std::vector<std::vector<QPointF>> paths;
    std::vector<QPointF> circles;
};

Parsed parse(const QByteArray& svg)
{
    Parsed p;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            p.width = a.value("width").toString();
            p.height = a.value("height").toString();
            p.viewBox = a.value("viewBox").toString();
        } else if (xml.name() == QLatin1String("path")) {
            std::vector<QPointF> pts;
            static const QRegularExpression num(QStringLiteral("[ML](-?[0-9.]+) (-?[0-9.]+)"));
            auto it = num.globalMatch(a.value("d").toString());
            while (it.hasNext()) {
                const auto m = it.next();
                pts.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
            }
            p.paths.push_back(pts);
        } else if (xml.name() == QLatin1String("circle")) {
            p.circles.emplace_back(a.value("cx").toDouble(), a.value("cy").toDouble());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return p;
}

} // namespace

TEST(Svg, OutlineIsOnePathAtTrueSizeInCentimetres)
{
    const PeloxState s = defaultStar();
    const Parsed p = parse(starSvg(s, false, false));
    EXPECT_EQ(p.width, "19.6cm");  // 19 cm and 0.3 cm on each side
    EXPECT_EQ(p.height, "19.6cm");
    EXPECT_EQ(p.viewBox, "0 0 19.6 19.6");
    ASSERT_EQ(p.paths.size(), 1u);
    ASSERT_EQ(p.paths[0].size(), 17u);
    ASSERT_EQ(p.circles.size(), 1u);
    const QPointF centre = p.circles[0];
    EXPECT_NEAR(centre.x(), 9.8, 1e-4);
    for (int i = 1; i <= 17; ++i) {
        EXPECT_NEAR(p.paths[0][i - 1].x() - centre.x(), s.PunktX[i], 1e-4) << i;
        EXPECT_NEAR(p.paths[0][i - 1].y() - centre.y(), s.PunktY[i], 1e-4) << i;
    }
}

TEST(Svg, BentDreiDStarKeepsItsBendsInsideThePicture)
{
    // A flat two-point star bent outward: the bends reach beyond the corners.
    PeloxState s = defaultStar();
    s.AnzahlSpitzen = 2;
    star::PeloxBerechnung(s);
    s.KurvenWert = {0, -1.5f, -1.5f, -1.5f, 0};
    curve::KurvenBerechnung(s);
    s.KurveEin = true;
    const Parsed p = parse(starSvg(s, true, true));
    ASSERT_EQ(p.paths.size(), 1u + 4);  // the outline, then one spoke per corner
    EXPECT_EQ(p.paths[0].size(), 4u * 4 + 1);
    EXPECT_TRUE(p.circles.empty());
    const double w = p.width.chopped(2).toDouble();
    const double h = p.height.chopped(2).toDouble();
    EXPECT_GT(h, 8.6 + 0.5);
    for (const QPointF& pt : p.paths[0]) {
        EXPECT_GE(pt.x(), 0.3 - 1e-4);
        EXPECT_LE(pt.x(), w - 0.3 + 1e-4);
        EXPECT_GE(pt.y(), 0.3 - 1e-4);
        EXPECT_LE(pt.y(), h - 0.3 + 1e-4);
    }
}
