// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/colors.h"
#include "platform/picturewidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

TEST(PictureWidget, WideLinesTheKeptPictureThePointerAndMouseMovesInTwips)
{
    // A picture of 40 x 30 pixels at 15 twips to the pixel, inside a border of 2.
    PictureWidget pic(nullptr, kWeiss, 15.0, 2);
    pic.resize(44, 34);
    pic.show();

    // Wide lines cover exactly the pixels within half their width: slanted,
    // upright, lying, of no length, and mostly outside the picture; lines
    // whose top or left side lies within half a pixel of the picture's edge,
    // above or below it, keep their first row and column. In pixels.
    const std::array<double, 4> linien[] = {{3.2, 4.7, 31.9, 22.1}, {10.3, -5, 10.3, 40}, {-2, 12.5, 50, 12.5},
        {20.2, 15.7, 20.2, 15.7}, {35, 2, -300, 90}, {4.5, 0.7, 30.5, 0.7}, {6, 1.4, 28, 9}, {0.7, 5, 0.7, 25},
        {1.4, 6, 9, 28}};
    pic.setLineWidth(2);
    for (const auto& [ax, ay, bx, by] : linien) {
        pic.clear();
        pic.line(ax * 15, ay * 15, bx * 15, by * 15, kSchwarz);
        const QImage img = pic.image();
        const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const double px = x + 0.5 - ax, py = y + 0.5 - ay;
                const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
                const double d = std::hypot(px - t * dx, py - t * dy);
                if (std::abs(d - 1) < 1e-9)
                    continue;
                ASSERT_EQ(img.pixelColor(x, y) == Qt::black, d < 1)
                    << "line from " << ax << ',' << ay << ", pixel " << x << ',' << y;
            }
    }

    // The picture shows what it kept, inside its border, also when shown
    // anew; a copy handed out keeps what the picture showed then.
    const auto aufSchirm = [&] {
        QApplication::processEvents();
        return pic.screen()->grabWindow(pic.winId()).toImage().convertToFormat(QImage::Format_RGB32).copy(2, 2, 40, 30);
    };
    const QImage vorher = pic.image();
    pic.hide();
    pic.show();
    pic.repaint();
    EXPECT_EQ(aufSchirm(), vorher);
    pic.clear();
    pic.setLineWidth(1);
    pic.line(75, 375, 525, 375, kSchwarz);
    EXPECT_EQ(aufSchirm(), pic.image());
    EXPECT_NE(pic.image(), vorher);

    pic.setPointerShape(PictureWidget::kHand);
    EXPECT_TRUE(pic.pointerShape() == 99 && pic.cursor().shape() != Qt::ArrowCursor);
    pic.setPointerShape(0);
    EXPECT_EQ(pic.cursor().shape(), Qt::ArrowCursor);

    // Buttons as the set 1 left, 2 right, 4 middle; the position inside the
    // border.
    std::vector<std::array<double, 3>> bekommen;
    QObject::connect(&pic, &PictureWidget::mouseMoved,
        [&](int buttons, int, double x, double y) { bekommen.push_back({double(buttons), x, y}); });
    const QPointF wo(12, 7);
    for (const auto held : {Qt::LeftButton | Qt::MiddleButton, Qt::MouseButtons(Qt::RightButton)}) {
        QMouseEvent e(QEvent::MouseMove, wo, pic.mapToGlobal(wo), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(&pic, &e);
    }
    EXPECT_EQ(bekommen, (std::vector<std::array<double, 3>>{{5, 150, 75}, {2, 150, 75}}));
}
