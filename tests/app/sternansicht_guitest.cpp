// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The 3D view of the folded star, turned and zoomed with the mouse.
#include "app/sternansicht.h"

#include "net/entwurf.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <set>

namespace {

void maus(QWidget& w, QEvent::Type art, QPoint pos, Qt::MouseButtons knoepfe)
{
    const QPointF p(pos);
    QMouseEvent e(art, p, w.mapToGlobal(p), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, knoepfe,
        Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// A drag with the left button from the centre by dx, dy in steps of a few pixels.
void ziehen(QWidget& w, int dx, int dy)
{
    QPoint pos = w.rect().center();
    maus(w, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    const int schritte = std::max(std::abs(dx), std::abs(dy)) / 5 + 1;
    const QPoint start = pos;
    for (int i = 1; i <= schritte; ++i) {
        pos = start + QPoint(dx * i / schritte, dy * i / schritte);
        maus(w, QEvent::MouseMove, pos, Qt::LeftButton);
    }
    maus(w, QEvent::MouseButtonRelease, pos, Qt::NoButton);
}

int bemalt(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += bild.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

int farben(const QImage& bild)
{
    std::set<QRgb> f;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            f.insert(bild.pixel(x, y));
    return int(f.size());
}

QImage bildVon(SternAnsicht& a)
{
    return a.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

netz::Szene sternSzene()
{
    const netz::Gefaltet g = netz::falten(netzStern(), 3.8);
    EXPECT_TRUE(g.koerper) << g.grund;
    return g.koerper ? netz::szene(*g.koerper, 2) : netz::Szene{};
}

TEST(SternAnsicht, AFaceTurnedAwayIsNotPainted)
{
    // One face alone, turned to the viewer at the start: after half a turn
    // it shows its back and nothing is painted.
    netz::Szene s;
    s.dreiecke.push_back({{netz::Punkt3{-1, -1, 0}, netz::Punkt3{1, -1, 0}, netz::Punkt3{0, 1, 0}}, {true, true, true}});
    s.radius = 1.5;
    SternAnsicht a;
    a.resize(100, 100);
    a.zeigen(s);
    a.show();
    EXPECT_GT(bemalt(bildVon(a)), 1000);
    ziehen(a, 360, 0);
    EXPECT_EQ(bemalt(bildVon(a)), 0);
    ziehen(a, 360, 0);
    EXPECT_GT(bemalt(bildVon(a)), 1000);
}

TEST(SternAnsicht, TheMouseTurnsZoomsAndResetsTheView)
{
    SternAnsicht a;
    a.resize(200, 160);
    a.zeigen(sternSzene());
    a.show();
    const QImage start = bildVon(a);
    EXPECT_EQ(start.size(), QSize(200, 160));

    ziehen(a, 40, -25);
    EXPECT_GT(a.kamera().drehung, 0);
    EXPECT_LT(a.kamera().neigung, netz::startKamera().neigung);
    EXPECT_NE(bildVon(a), start);
    // Moving without the button held turns nothing.
    const netz::Kamera gedreht = a.kamera();
    maus(a, QEvent::MouseMove, {10, 10}, Qt::NoButton);
    EXPECT_EQ(a.kamera().drehung, gedreht.drehung);

    const QPointF mitte(100, 80);
    QWheelEvent rad(mitte, a.mapToGlobal(mitte), {}, {0, 240}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&a, &rad);
    EXPECT_GT(a.kamera().zoom, 1);
    EXPECT_GT(bemalt(bildVon(a)), bemalt(start));

    maus(a, QEvent::MouseButtonDblClick, {50, 50}, Qt::LeftButton);
    EXPECT_EQ(bildVon(a), start);

    // While the button is held the lines are drawn plain, with the faces'
    // and the lines' colours alone; once it is let go they are smoothed.
    maus(a, QEvent::MouseButtonPress, {100, 80}, Qt::LeftButton);
    maus(a, QEvent::MouseMove, {110, 80}, Qt::LeftButton);
    const int beimDrehen = farben(bildVon(a));
    maus(a, QEvent::MouseButtonRelease, {110, 80}, Qt::NoButton);
    EXPECT_GT(farben(bildVon(a)), 2 * beimDrehen);
}

} // namespace
