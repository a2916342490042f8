// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures on a screen scaled to twice the size: CTest runs this program
// with QT_SCALE_FACTOR=2.
#include "support/dateitest.h"
#include "support/program.h"

#include "app/sternansicht.h"
#include "platform/colors.h"

#include <QApplication>
#include <algorithm>
#include <cmath>

namespace {

void erwarteDoppelt()
{
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
}

bool schwarz(const QImage& img, int x, int y)
{
    return img.pixelColor(x, y) == Qt::black;
}

} // namespace

TEST(ScaledPicture, KeptAtTheScreensResolutionWithLinesOfDevicePixels)
{
    erwarteDoppelt();
    // 40 x 30 pixels at 15 twips to the pixel, inside a border of 2.
    PictureWidget pic(nullptr, kWeiss, 15.0, 2);
    pic.resize(44, 34);
    pic.show();
    pic.clear();
    ASSERT_EQ(pic.image().size(), QSize(80, 60));
    EXPECT_EQ(pic.image().devicePixelRatio(), 2.0);

    // A solid line covers exactly the device pixels within half its width,
    // 1 or 2 pixels, of the segment: its steps are single device pixels.
    for (const int breite : {1, 2}) {
        const double ax = 3.2, ay = 4.7, bx = 31.9, by = 22.1;
        pic.clear();
        pic.setLineWidth(breite);
        pic.line(ax * 15, ay * 15, bx * 15, by * 15, kSchwarz);
        const QImage img = pic.image();
        const double dx = 2 * (bx - ax), dy = 2 * (by - ay), len2 = dx * dx + dy * dy;
        int gemischt = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const double px = x + 0.5 - 2 * ax, py = y + 0.5 - 2 * ay;
                const double t = std::clamp((px * dx + py * dy) / len2, 0.0, 1.0);
                const double d = std::hypot(px - t * dx, py - t * dy);
                if (std::abs(d - breite) > 1e-9) {
                    ASSERT_EQ(schwarz(img, x, y), d < breite) << "width " << breite << ", pixel " << x << ',' << y;
                }
                if (x % 2 == 0 && y % 2 == 0) {
                    const int n = schwarz(img, x, y) + schwarz(img, x + 1, y) + schwarz(img, x, y + 1)
                        + schwarz(img, x + 1, y + 1);
                    gemischt += n > 0 && n < 4;
                }
            }
        EXPECT_GT(gemischt, 10) << "width " << breite;
    }

    // So does a solid circle: the device pixels within half its width of the
    // radius, with the hole left out, and one run where the rows pass it.
    pic.clear();
    pic.setLineWidth(2);
    pic.circle(20.3 * 15, 14.6 * 15, 6.2 * 15, kSchwarz);
    const QImage kreis = pic.image();
    for (int y = 0; y < kreis.height(); ++y)
        for (int x = 0; x < kreis.width(); ++x) {
            const double abstand = std::abs(std::hypot(x + 0.5 - 2 * 20.3, y + 0.5 - 2 * 14.6) - 2 * 6.2);
            if (std::abs(abstand - 2) > 1e-9) {
                ASSERT_EQ(schwarz(kreis, x, y), abstand < 2) << "circle, pixel " << x << ',' << y;
            }
        }

    // Dots keep their length of one pixel, two device pixels.
    pic.clear();
    pic.setLineWidth(1);
    pic.setLineStyle(LineStyle::Dot);
    pic.line(15, 150, 585, 150, kSchwarz);
    const QImage punkte = pic.image();
    int lauf = 0, laengster = 0;
    for (int x = 0; x < punkte.width(); ++x) {
        lauf = schwarz(punkte, x, 20) ? lauf + 1 : 0;
        laengster = std::max(laengster, lauf);
    }
    EXPECT_EQ(laengster, 2);

    // The surface shows the picture pixel for pixel, not enlarged.
    const QImage schirm = pic.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(schirm.size(), QSize(88, 68));
    QImage bild = pic.image();
    bild.setDevicePixelRatio(1);
    EXPECT_EQ(schirm.copy(4, 4, 80, 60), bild);
}

using ScaledWindow = DateiTest;

TEST_F(ScaledWindow, StarAtTheScreensResolutionCornersCaughtInPixelsAndTheSavedPictureUnchanged)
{
    erwarteDoppelt();
    PictureWidget* pic = w->picPelox;
    // Everything the window measures in pixels is in logical pixels.
    EXPECT_FLOAT_EQ(w->TwipsProPixel, 15);
    EXPECT_EQ(pic->image().size(), 2 * QSize(pic->width() - 4, pic->height() - 4));

    // Tip 1 is drawn where the mapping puts it, in device pixels; it lies on
    // the centre line, two device pixels inside its end.
    EXPECT_TRUE(schwarz(pic->image(), int(2 * sx(1)) - 2, int(2 * sy(1)))) << sx(1) << ',' << sy(1);

    // A corner is caught within 8 pixels, then pulled in by 20.
    for (const double d : {8.0, 7.9}) {
        move(pic, sx(1), sy(1) + d);
        EXPECT_EQ(pic->pointerShape(), d < 8 ? PictureWidget::kHand : 0) << d;
    }
    const double x1 = sx(1) - 20;
    for (int k = 0; k <= 20; ++k)
        move(pic, sx(1) - 1, sy(1), k ? 1 : 0);
    ASSERT_NEAR(sx(1), x1, 1);

    // The saved picture is the one a screen of normal resolution saves.
    entwurf(false);
    speichere(pfad("entwurf.plx"));
    fileDialog.answers.push_back(pfad("fenster.bmp"));
    w->cmdBildSpeichern->click();
    run(QStringLiteral(PELOX_PROGRAM), {"--bmp", pfad("normal.bmp"), pfad("entwurf.plx")}, {{"QT_SCALE_FACTOR", "1"}});
    const QByteArray normal = inhalt(pfad("normal.bmp"));
    EXPECT_FALSE(normal.isEmpty());
    EXPECT_TRUE(inhalt(pfad("fenster.bmp")) == normal);
}

TEST(ScaledPicture, TheFoldedStarIsPaintedAtTheScreensResolution)
{
    erwarteDoppelt();
    // One face alone, its sloping sides smoothed in device pixels: a picture
    // drawn at half the resolution and enlarged would change only in whole
    // blocks of two by two.
    netz::Szene s;
    s.dreiecke.push_back({{netz::Punkt3{-1, -1, 0}, netz::Punkt3{1, -0.6, 0}, netz::Punkt3{-0.2, 1, 0}}, {}});
    s.radius = 1.5;
    SternAnsicht a;
    a.resize(150, 130);
    a.zeigen(s);
    a.show();
    const QImage img = a.grab().toImage();
    ASSERT_EQ(img.size(), QSize(300, 260));
    EXPECT_EQ(img.devicePixelRatio(), 2.0);
    int gemischt = 0;
    for (int y = 0; y + 1 < img.height(); y += 2)
        for (int x = 0; x + 1 < img.width(); x += 2) {
            const QRgb p = img.pixel(x, y);
            gemischt += img.pixel(x + 1, y) != p || img.pixel(x, y + 1) != p || img.pixel(x + 1, y + 1) != p;
        }
    EXPECT_GT(gemischt, 40);
}
