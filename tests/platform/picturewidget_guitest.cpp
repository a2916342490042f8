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

TEST(PictureWidget, WideLinesCoverExactlyThePixelsWithinHalfTheirWidth)
{
    PictureWidget pic(nullptr, kWeiss, 1.0, 0);
    pic.resize(40, 30);
    pic.setLineWidth(2);
    const struct {
        double ax, ay, bx, by;
    } linien[] = {
        {3.2, 4.7, 31.9, 22.1}, {10.3, -5, 10.3, 40}, {-2, 12.5, 50, 12.5}, {20.2, 15.7, 20.2, 15.7}, {35, 2, -300, 90},
    };
    for (const auto& l : linien) {
        pic.clear();
        pic.line(l.ax, l.ay, l.bx, l.by, kSchwarz);
        const QImage img = pic.image();
        const double dx = l.bx - l.ax, dy = l.by - l.ay, len2 = dx * dx + dy * dy;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const double px = x + 0.5 - l.ax, py = y + 0.5 - l.ay;
                const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
                const double d = std::hypot(px - t * dx, py - t * dy);
                if (std::abs(d - 1) < 1e-9)
                    continue;
                ASSERT_EQ(img.pixelColor(x, y) == Qt::black, d < 1)
                    << "line from " << l.ax << ',' << l.ay << ", pixel " << x << ',' << y;
            }
    }
}

// The picture keeps what was drawn and shows it from what it kept, inside its
// border; a copy handed out keeps what the picture showed then.
TEST(PictureWidget, RepaintsFromTheKeptPicture)
{
    PictureWidget pic(nullptr, kWeiss, 1.0, 2);
    pic.resize(44, 34);
    pic.show();
    pic.clear();
    const auto aufSchirm = [&] {
        QApplication::processEvents();
        return pic.screen()->grabWindow(pic.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QRgb rand = aufSchirm().pixel(0, 0);
    ASSERT_NE(rand & 0xffffff, 0xffffffu);
    pic.setLineWidth(2);
    pic.line(3, 3, 30, 3, kSchwarz);
    const QImage vorher = pic.image();
    pic.hide();
    pic.show();
    pic.repaint();
    EXPECT_EQ(aufSchirm().copy(2, 2, 40, 30), vorher);
    pic.clear();
    pic.setLineWidth(1);
    pic.line(5, 25, 35, 25, kSchwarz);
    const QImage shown = aufSchirm();
    EXPECT_EQ(shown.copy(2, 2, 40, 30), pic.image());
    EXPECT_EQ(shown.pixel(0, 0), rand);
    EXPECT_EQ(vorher.pixelColor(10, 3), Qt::black);
    EXPECT_EQ(vorher.pixelColor(10, 25), Qt::white);
}

TEST(PictureWidget, PointerShapeAndMouseMovesInTheSurfacesUnit)
{
    PictureWidget pic(nullptr, kWeiss, 15.0, 2);
    pic.resize(44, 34);
    pic.setPointerShape(PictureWidget::kHand);
    EXPECT_EQ(pic.pointerShape(), 99);
    EXPECT_NE(pic.cursor().shape(), Qt::ArrowCursor);
    pic.setPointerShape(0);
    EXPECT_EQ(pic.cursor().shape(), Qt::ArrowCursor);

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
