// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dateitest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTransform>
#include <cmath>

namespace {

// Lets the 300 ms timer run once.
void warte()
{
    for (QDeadlineTimer t(350); !t.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The file tests' window, for its biege(): dragging a bend point in steps
// that the editor follows.
using CurveEditor = DateiTest;

} // namespace

TEST_F(CurveEditor, WhichPressTakesAPointAndTheBentDreiDStar)
{
    PictureWidget* pic = w->picKurvenForm;
    w->optPeloxForm[1]->click();
    // The catch square is strict in both directions. The pointer stays on a
    // point for what follows.
    for (const double d : {150.0, 149.9})
        for (const QPointF p : {QPointF(w->KurveX1 + d, w->KurveY1), QPointF(w->KurveX3, w->KurveY3 - d)}) {
            move(pic, p.x(), p.y());
            EXPECT_EQ(pic->pointerShape(), d < 150 ? PictureWidget::kHand : 0) << d;
        }
    // Any button but the left one alone drags nothing, nor does a press
    // started away from every point, even over a point.
    for (const int buttons : {2, 4, 3, 5})
        move(pic, w->KurveX2, 400, buttons);
    move(pic, 1500, 200);
    move(pic, w->KurveX2, w->KurveY2 - 20, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 487.5f);
    // One started near point 1 moves any point that comes near, also one that
    // a fast move lost and the pointer comes back to. Up is outward.
    move(pic, w->KurveX1, w->KurveY1);
    move(pic, w->KurveX2, 450, 1);
    move(pic, w->KurveX2, 250, 1);
    move(pic, w->KurveX2, 487.5 - 140, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 487.5f - 140);

    // The edges run through the bend points: that of edge 1 is drawn, within
    // a pixel; the straight edge's middle is not.
    const QImage img = w->picPelox->image();
    const QTransform bild = QTransform::fromTranslate(w->MitteX, w->MitteY).scale(w->Massstab, w->Massstab);
    const QPoint biegung = bild.map(QPointF(w->KurvePunktX[1][2], w->KurvePunktY[1][2])).toPoint();
    QImage weiss(3, 3, img.format());
    weiss.fill(Qt::white);
    EXPECT_NE(img.copy(QRect(biegung - QPoint(1, 1), weiss.size())), weiss);
    EXPECT_EQ(img.pixelColor(QPointF((sx(1) + sx(2)) / 2, (sy(1) + sy(2)) / 2).toPoint()), Qt::white);
    // "Kurve aus" waits for the timer.
    EXPECT_FALSE(w->cmdKurveAus->isEnabled());
}

TEST_F(CurveEditor, ValuesShownTheBandAndKurveAus)
{
    // A point moved by 300 twips of the editor, 300 / 566 cm on the screen,
    // bends the star by that distance at true size: the picture shows it
    // reduced to 0.37.
    biege(2, 487.5f + 300);
    EXPECT_NEAR(w->KurvenWert[2], 300 / 566.0 / 0.37, 1e-5);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= -1,4  Kp3= 0");
    // Inward shows as negative; under 0.05 cm as 0 without a sign.
    biege(2, 487.5f + 30);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= -0,1  Kp3= 0");
    biege(2, 487.5f + 5);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");
    // Back onto the base line: the curve stays on, the button the timer
    // enabled goes off.
    warte();
    biege(2, 487.5f);
    warte();
    EXPECT_TRUE(!w->cmdKurveAus->isEnabled() && w->KurveEin);

    // The band's upper edge itself is outside it.
    biege(1, 101);
    move(w->picKurvenForm, w->KurveX1, 100, 1);
    EXPECT_FLOAT_EQ(w->KurveY1, 101);
    warte();
    w->cmdKurveAus->click();
    EXPECT_FALSE(w->cmdKurveAus->isEnabled() || w->KurveEin);
    EXPECT_FLOAT_EQ(w->KurveY1, w->KurveNullY);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");

    // Two sheets show the star reduced by a further square root of 2.
    w->chkZweiA4->setChecked(true);
    biege(2, 487.5f - 300);
    EXPECT_NEAR(w->KurvenWert[2], -300 / 566.0 / (0.37 / std::sqrt(2.0)), 1e-5);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 2  Kp3= 0");
}
