// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/svg.h"

#include "curve/calc.h"
#include "support/star.h"

#include <QPointF>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Parsed {
    QString width, height;
    std::vector<std::vector<QPointF>> paths;
    std::vector<QPointF> circles;
};

Parsed parse(const QByteArray& svg)
{
    Parsed p;
    QXmlStreamReader xml(svg);
    static const QRegularExpression punkt(QStringLiteral("[ML](-?[0-9.]+) (-?[0-9.]+)"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("svg")) {
            p.width = a.value("width").toString();
            p.height = a.value("height").toString();
        } else if (xml.name() == QLatin1String("path")) {
            p.paths.emplace_back();
            for (auto it = punkt.globalMatch(a.value("d").toString()); it.hasNext();) {
                const auto m = it.next();
                p.paths.back().emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
            }
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
    const PeloxState s = startStern();
    const Parsed p = parse(starSvg(s, false, false));
    EXPECT_EQ(p.width, "19.6cm");  // 19 cm and 0.3 cm on each side
    EXPECT_EQ(p.height, "19.6cm");
    ASSERT_EQ(p.paths.size(), 1u);
    ASSERT_EQ(p.paths[0].size(), 17u);
    ASSERT_EQ(p.circles.size(), 1u);
    for (int i = 1; i <= 17; ++i) {
        EXPECT_NEAR(p.paths[0][i - 1].x() - p.circles[0].x(), s.PunktX[i], 1e-4) << i;
        EXPECT_NEAR(p.paths[0][i - 1].y() - p.circles[0].y(), s.PunktY[i], 1e-4) << i;
    }
}

TEST(Svg, BentDreiDStarKeepsItsBendsInsideThePicture)
{
    // A flat two-point star bent outward: the bends reach beyond the corners.
    PeloxState s = startStern(2);
    s.KurvenWert = {0, -1.5f, -1.5f, -1.5f, 0};
    curve::KurvenBerechnung(s);
    s.KurveEin = true;
    const Parsed p = parse(starSvg(s, true, true));
    ASSERT_EQ(p.paths.size(), 1u + 4);  // the outline, then one spoke per corner
    EXPECT_TRUE(p.circles.empty());
    const double h = p.height.chopped(2).toDouble();
    EXPECT_GT(h, 8.6 + 0.5);
    for (const QPointF& pt : p.paths[0]) {
        EXPECT_GE(pt.y(), 0.3 - 1e-4);
        EXPECT_LE(pt.y(), h - 0.3 + 1e-4);
    }
}
