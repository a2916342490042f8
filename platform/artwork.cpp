// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <cmath>

QImage peloxIconImage(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, size, size), QColor(0x00, 0x80, 0x80));

    // An eight-pointed star like the one the program starts with.
    QPainterPath star;
    const double c = size / 2.0;
    const double aussen = size * 0.46;
    const double innen = size * 0.2;
    for (int i = 0; i < 16; ++i) {
        const double r = (i % 2 == 0) ? aussen : innen;
        const double w = i * M_PI / 8 - M_PI / 2;
        const QPointF pt(c + r * std::cos(w), c + r * std::sin(w));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(0x60, 0x50, 0x00), std::max(1.0, size / 32.0)));
    p.setBrush(QColor(0xFF, 0xE0, 0x00));
    p.drawPath(star);
    return img;
}

// The window icon's sizes, drawn once, by whichever thread asks first.
static const std::array<QImage, 4>& iconImages()
{
    static const std::array<QImage, 4> images{
        peloxIconImage(16), peloxIconImage(32), peloxIconImage(48), peloxIconImage(64)};
    return images;
}

void drawIconAhead()
{
    iconImages();
}

QIcon peloxIcon()
{
    QIcon icon;
    for (const QImage& image : iconImages())
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QCursor handCursor()
{
    // A hand with the index finger raised; the tip of that finger is the hot spot.
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, 1, 5, 17), 2.5, 2.5);     // index finger
    hand.addRoundedRect(QRectF(15, 9, 5, 10), 2.5, 2.5);     // middle finger, bent
    hand.addRoundedRect(QRectF(20, 10, 4.5, 9), 2.2, 2.2);   // ring finger
    hand.addRoundedRect(QRectF(24.5, 11, 4, 8), 2, 2);       // little finger
    hand.addRoundedRect(QRectF(10, 14, 18.5, 14), 4, 4);     // palm
    QPainterPath thumb;
    thumb.moveTo(11, 18);
    thumb.lineTo(5, 13);
    thumb.quadTo(2, 13, 3, 17);
    thumb.lineTo(10, 26);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.end();
    return QCursor(pix, 12, 1);
}
