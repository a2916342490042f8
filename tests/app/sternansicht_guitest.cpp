// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The 3D view of the folded star, turned and zoomed with the mouse.
#include "app/sternansicht.h"

#include "net/entwurf.h"
#include "platform/colors.h"
#include "render/sternbild.h"
#include "tests/net/laterne_vorgabe.h"

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

// The picture drawn ahead on a helper thread for a new star shows it as
// the view stands: turned as the user left it, or turned again before the
// picture was shown. A picture drawn at paint time is the reference: a
// change of size and back makes one.
TEST(SternAnsicht, APictureDrawnAheadShowsTheViewAsItStands)
{
    SternAnsicht a;
    a.resize(200, 160);
    a.zeigen(sternSzene());
    a.show();
    const auto neuGemalt = [&a] {
        a.resize(201, 160);
        bildVon(a);
        a.resize(200, 160);
        return bildVon(a);
    };
    ziehen(a, 40, -25);
    const netz::Gefaltet hoeher = netz::falten(netzStern(), 6);
    ASSERT_TRUE(hoeher.koerper);
    a.zeigen(netz::szene(*hoeher.koerper, 2));
    const QImage vorab = bildVon(a);
    EXPECT_EQ(vorab, neuGemalt());
    a.zeigen(sternSzene());
    ziehen(a, -60, 10);
    const QImage gedreht = bildVon(a);
    EXPECT_EQ(gedreht, neuGemalt());
    EXPECT_NE(gedreht, vorab);
}

using netz::operator+;
using netz::operator-;
using netz::operator*;

// The nearest face with a window: a pixel inside its window, one on the
// face beside its outline, and the face's colour as the view paints it.
struct Blick {
    QPoint fenster;
    QPoint flaeche;
    netz::Bildflaeche bild;
};

Blick blick(const SternAnsicht& a, const netz::Szene& s)
{
    const std::vector<netz::Bildflaeche> bild = netz::abbilden(s, a.kamera(), a.width(), a.height());
    const auto f
        = std::find_if(bild.rbegin(), bild.rend(), [](const netz::Bildflaeche& b) { return !b.loecher.empty(); });
    EXPECT_NE(f, bild.rend());
    if (f == bild.rend())
        return {};
    netz::Punkt mitte{};
    for (const netz::Punkt& p : f->loecher.front())
        mitte = mitte + (1.0 / double(f->loecher.front().size())) * p;
    // Four pixels in from the middle of the outline, inside the frame.
    const netz::Punkt rand = 0.5 * (f->ecken[1] + f->ecken[2]);
    const netz::Punkt schwer = (1.0 / 3) * (f->ecken[0] + f->ecken[1] + f->ecken[2]);
    const netz::Punkt flaeche = rand + (4 / netz::laenge(schwer - rand)) * (schwer - rand);
    return {QPoint(int(mitte.x), int(mitte.y)), QPoint(int(flaeche.x), int(flaeche.y)), *f};
}

QRgb farbe(BgrColor c)
{
    return toQColor(c).rgb();
}

TEST(SternAnsicht, WindowsAreHolesInTheirFacesEachHalfHasItsColourAndLitTheWindowsGlow)
{
    const netz::Vorgabe v = laterne(3.8);
    netz::Szene s = netz::szene(startLaterne(v), v);
    s.farbe = {netz::Rgb{240, 200, 60}, netz::Rgb{60, 120, 240}};
    SternAnsicht a;
    a.resize(300, 300);
    a.zeigen(s);
    a.show();
    Blick b = blick(a, s);
    QImage bild = bildVon(a);
    EXPECT_EQ(bild.pixel(b.flaeche), farbe(flaechenFarbe(b.bild.helligkeit, s.farbe[0])));
    EXPECT_EQ(bild.pixel(b.fenster), qRgb(255, 255, 255));

    // Lit: a dark night, dark faces and the inserts' colour glowing.
    a.setLeuchtend(true);
    bild = bildVon(a);
    EXPECT_LT(qGray(bild.pixel(0, 0)), 40);
    EXPECT_LT(qGray(bild.pixel(b.flaeche)), 40);
    const QColor glanz(bild.pixel(b.fenster));
    EXPECT_GT(qGray(glanz.rgb()), 200);
    EXPECT_EQ(bild.pixel(b.fenster), farbe(flaechenFarbe(1, {255, 236, 180})));
    s.einsatz = netz::Rgb{0, 200, 0};
    s.leuchtend = true;
    a.zeigen(s);
    EXPECT_EQ(bildVon(a).pixel(b.fenster), farbe(flaechenFarbe(1, {127, 227, 127})));

    // Half round, the lower half in its own colour, the opening round its peak.
    s.leuchtend = false;
    a.zeigen(s);
    ziehen(a, 360, 0);
    b = blick(a, s);
    bild = bildVon(a);
    EXPECT_EQ(bild.pixel(b.flaeche), farbe(flaechenFarbe(b.bild.helligkeit, s.farbe[1])));
    EXPECT_EQ(bild.pixel(b.fenster), qRgb(255, 255, 255));
}

} // namespace
