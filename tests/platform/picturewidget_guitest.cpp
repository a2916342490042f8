// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colors.h"
#include "platform/picturewidget.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

// Distance from (px, py) to the segment from (ax, ay) to (bx, by).
double distanceToSegment(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

bool isBlack(const QImage& img, int x, int y)
{
    return (img.pixel(x, y) & 0xffffff) == 0;
}

} // namespace

TEST(PictureWidget, WideLinesCoverExactlyThePixelsWithinHalfTheirWidth)
{
    PictureWidget pic(nullptr, kWeiss, 1.0, 0);
    pic.resize(60, 50);
    std::mt19937 rng(20260);
    std::uniform_real_distribution<double> inside(-0.3, 60.3);
    std::uniform_real_distribution<double> anywhere(-400, 400);
    for (int width : {2, 3}) {
        pic.setLineWidth(width);
        for (int n = 0; n < 400; ++n) {
            double ax = inside(rng), ay = inside(rng), bx = inside(rng), by = inside(rng);
            switch (n % 5) {
            case 1: bx = ax; break;                      // upright
            case 2: by = std::floor(ay) + 0.5; ay = by; break;  // level, on pixel centres
            case 3: bx = ax; by = ay; break;             // a single point: a disc
            case 4: bx = anywhere(rng); by = anywhere(rng); break;  // leaves the picture
            }
            pic.clear();
            pic.line(ax, ay, bx, by, kSchwarz);
            const QImage img = pic.image();
            for (int y = 0; y < img.height(); ++y) {
                for (int x = 0; x < img.width(); ++x) {
                    const double d = distanceToSegment(x + 0.5, y + 0.5, ax, ay, bx, by);
                    if (std::abs(d - width / 2.0) < 1e-9)
                        continue;
                    ASSERT_EQ(isBlack(img, x, y), d < width / 2.0)
                        << "width " << width << ", line " << ax << ',' << ay << " to " << bx << ',' << by
                        << ", pixel " << x << ',' << y;
                }
            }
        }
    }
}

TEST(PictureWidget, ThinAndDottedLinesAreDrawnAsThePainterDrawsThem)
{
    PictureWidget pic(nullptr, kWeiss, 15.0, 0);
    pic.resize(40, 30);
    pic.clear();
    QImage expected(40, 30, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter p(&expected);
    const struct {
        LineStyle style;
        Qt::PenStyle qt;
        double x1, y1, x2, y2;  // twips
    } lines[] = {
        {LineStyle::Solid, Qt::SolidLine, -100, 20, 700, 440},  // from outside the picture
        {LineStyle::Solid, Qt::SolidLine, 585, 0, 585, 450},    // along the last column
        {LineStyle::Dot, Qt::DotLine, 0, 225, 600, 225},
        {LineStyle::Solid, Qt::SolidLine, 300, 150, 300, 150},  // a single point
    };
    for (const auto& l : lines) {
        pic.setLineWidth(1);
        pic.setLineStyle(l.style);
        pic.line(l.x1, l.y1, l.x2, l.y2, kSchwarz);
        p.setPen(QPen(Qt::black, 1, l.qt, Qt::RoundCap));
        p.drawLine(QLineF(l.x1 / 15, l.y1 / 15, l.x2 / 15, l.y2 / 15));
    }
    p.end();
    EXPECT_EQ(pic.image(), expected);
}

TEST(PictureWidget, AHandedOutPictureKeepsWhatItShowed)
{
    PictureWidget pic(nullptr, kWeiss, 1.0, 0);
    pic.resize(30, 30);
    pic.clear();
    pic.setLineWidth(2);
    pic.line(2, 2, 20, 2, kSchwarz);
    const QImage before = pic.image();

    pic.clear();
    pic.line(2, 10, 20, 10, kSchwarz);
    EXPECT_TRUE(isBlack(before, 10, 2));
    EXPECT_FALSE(isBlack(before, 10, 10));
    EXPECT_TRUE(isBlack(pic.image(), 10, 10));
    EXPECT_FALSE(isBlack(pic.image(), 10, 2));
}

TEST(PictureWidget, ShowsEveryChangeInsideItsBorder)
{
    PictureWidget pic(nullptr, kWeiss, 1.0, 2);
    pic.resize(44, 34);
    pic.show();
    pic.clear();
    QApplication::processEvents();
    const auto onScreen = [&] {
        QApplication::processEvents();
        return pic.screen()->grabWindow(pic.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage first = onScreen();
    const QRgb border = first.pixel(0, 0);
    ASSERT_NE(border & 0xffffff, 0xffffffu);

    pic.setLineWidth(2);
    pic.line(3, 3, 30, 20, kSchwarz);
    pic.setLineWidth(1);
    pic.line(5, 25, 35, 25, kSchwarz);
    const QImage shown = onScreen();
    EXPECT_EQ(shown.copy(2, 2, 40, 30), pic.image());
    EXPECT_EQ(shown.pixel(0, 0), border);
    EXPECT_EQ(shown.pixel(43, 33), first.pixel(43, 33));

    pic.clear();
    EXPECT_EQ(onScreen().copy(2, 2, 40, 30), pic.image());
}
