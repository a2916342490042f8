// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/dateitest.h"

#include "platform/picturewidget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>

namespace {

void waitMs(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The file tests' window, for its biege(): dragging a bend point in steps
// that the editor follows.
using CurveEditor = DateiTest;

} // namespace

TEST_F(CurveEditor, WhichPressTakesAPoint)
{
    // The catch square is strict in both directions.
    for (const double d : {149.9, 150.0}) {
        const int hand = d < 150 ? PictureWidget::kHand : 0;
        move(w->picKurvenForm, w->KurveX1 + d, w->KurveY1);
        EXPECT_EQ(w->picKurvenForm->pointerShape(), hand) << d;
        move(w->picKurvenForm, w->KurveX3, w->KurveY3 - d);
        EXPECT_EQ(w->picKurvenForm->pointerShape(), hand) << d;
    }
    // Any button but the left one alone drags nothing.
    move(w->picKurvenForm, w->KurveX2, w->KurveY2);
    for (const int buttons : {2, 4, 3, 5})
        move(w->picKurvenForm, w->KurveX2, 400, buttons);
    EXPECT_FLOAT_EQ(w->KurveY2, 487.5f);
    // A press started away from every point takes none, even over a point.
    move(w->picKurvenForm, 1500, 200);
    move(w->picKurvenForm, w->KurveX2, w->KurveY2 - 20, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 487.5f);
    // One started near point 1 moves any point that comes near, also one that
    // a fast move lost and the pointer comes back to.
    move(w->picKurvenForm, w->KurveX1, w->KurveY1);
    move(w->picKurvenForm, w->KurveX2, 450, 1);
    move(w->picKurvenForm, w->KurveX2, 250, 1);
    move(w->picKurvenForm, w->KurveX2, 400, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 400);
}

TEST_F(CurveEditor, ValuesShownTheBandAndKurveAus)
{
    // Up is outward, and shows as positive. The timer enables "Kurve aus".
    biege(2, 487.5f - 200);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 1  Kp3= 0");
    EXPECT_FALSE(w->cmdKurveAus->isEnabled());
    waitMs(350);
    EXPECT_TRUE(w->cmdKurveAus->isEnabled());
    biege(2, 487.5f + 30);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= -0,1  Kp3= 0");
    // Under 0.05 cm shows as 0 without a sign.
    biege(2, 487.5f + 5);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");
    // Back onto the base line: the curve stays on, the button goes off.
    biege(2, 487.5f);
    waitMs(350);
    EXPECT_FALSE(w->cmdKurveAus->isEnabled());
    EXPECT_TRUE(w->KurveEin);

    // The band's upper edge itself is outside it.
    biege(1, 101);
    move(w->picKurvenForm, w->KurveX1, 100, 1);
    EXPECT_FLOAT_EQ(w->KurveY1, 101);
    waitMs(350);
    ASSERT_TRUE(w->cmdKurveAus->isEnabled());
    w->cmdKurveAus->click();
    EXPECT_FALSE(w->cmdKurveAus->isEnabled());
    EXPECT_FALSE(w->KurveEin);
    EXPECT_FLOAT_EQ(w->KurveY1, w->KurveNullY);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");
}

TEST_F(CurveEditor, BentDreiDStarIsDrawnThroughTheBendPoints)
{
    w->optPeloxForm[1]->click();
    biege(2, 487.5f - 140);
    const QImage img = w->picPelox->image();
    const auto punkt = [&](double x, double y) {
        return QPoint(int(std::lround(w->MitteX + x * w->Massstab)), int(std::lround(w->MitteY + y * w->Massstab)));
    };
    // The bend point of edge 1 is drawn, within a pixel; the straight edge's
    // middle is not.
    const QPoint biegung = punkt(w->KurvePunktX[1][2], w->KurvePunktY[1][2]);
    const QPoint mitte = punkt((w->PunktX[1] + w->PunktX[2]) / 2, (w->PunktY[1] + w->PunktY[2]) / 2);
    QImage weiss(3, 3, img.format());
    weiss.fill(Qt::white);
    EXPECT_NE(img.copy(QRect(biegung - QPoint(1, 1), weiss.size())), weiss);
    EXPECT_EQ(img.pixelColor(mitte), Qt::white);
}
