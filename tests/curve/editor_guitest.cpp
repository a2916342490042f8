// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {

void waitMs(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

class CurveEditor : public WindowTest {
protected:
    PictureWidget* pic() { return w->picKurvenForm; }
    // Takes bend point 2 with no button held, then drags it to y with the
    // left button in steps small enough to keep it.
    void dragPoint2To(double y)
    {
        move(pic(), w->KurveX2, w->KurveY2);
        double at = w->KurveY2;
        while (std::abs(y - at) > 100) {
            at += y > at ? 100 : -100;
            move(pic(), w->KurveX2, at, 1);
        }
        move(pic(), w->KurveX2, y, 1);
    }
};

TEST_F(CurveEditor, GeometryComesFromTheSurfaceSize)
{
    EXPECT_FLOAT_EQ(w->KurveBreite, 2435);
    EXPECT_FLOAT_EQ(w->KurveX1, 608.75f);
    EXPECT_FLOAT_EQ(w->KurveX2, 1217.5f);
    EXPECT_FLOAT_EQ(w->KurveX3, 1826.25f);
    EXPECT_FLOAT_EQ(w->KurveNullY, 487.5f);
    EXPECT_FLOAT_EQ(w->KurveRechts, 2375);
    EXPECT_FLOAT_EQ(w->KurveUnten, 825);
    EXPECT_FLOAT_EQ(w->KurveY1, w->KurveNullY);
    // The grid and marks are drawn: the base line's end mark on the left.
    const QImage img = pic()->image();
    EXPECT_NE(img.pixelColor(int(100 / 15.0), int(487.5 / 15.0)), QColor(0xC0, 0xFF, 0xC0));
}

TEST_F(CurveEditor, CatchSquareIsStrict)
{
    move(pic(), w->KurveX1 + 149.9, w->KurveY1);
    EXPECT_EQ(pic()->pointerShape(), PictureWidget::kHand);
    move(pic(), w->KurveX1 + 150, w->KurveY1);
    EXPECT_EQ(pic()->pointerShape(), 0);
    move(pic(), w->KurveX3, w->KurveY3 - 149.9);
    EXPECT_EQ(pic()->pointerShape(), PictureWidget::kHand);
    move(pic(), w->KurveX3, w->KurveY3 - 150);
    EXPECT_EQ(pic()->pointerShape(), 0);
}

TEST_F(CurveEditor, DraggingBendsEveryEdgeAndShowsTheValues)
{
    const float y = 487.5f - 200;  // up, that is outward
    dragPoint2To(y);
    EXPECT_FLOAT_EQ(w->KurveY2, y);
    EXPECT_NEAR(w->KurvenWert[2], -200 / (0.37 * 566), 1e-6);
    EXPECT_TRUE(w->KurveEin);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 1  Kp3= 0");
    // The middle of every edge moved outward, away from the centre.
    for (int i = 1; i <= w->AnzahlEcken; ++i) {
        const double mx = (w->PunktX[i] + w->PunktX[i + 1]) / 2.0;
        const double my = (w->PunktY[i] + w->PunktY[i + 1]) / 2.0;
        EXPECT_GT(std::hypot(w->KurvePunktX[i][2], w->KurvePunktY[i][2]), std::hypot(mx, my)) << i;
    }
    // Further changes of the star keep the bend.
    w->hsbAnzahl->setValue(5);
    EXPECT_GT(std::hypot(w->KurvePunktX[10][2], w->KurvePunktY[10][2]),
        std::hypot((w->PunktX[10] + w->PunktX[11]) / 2.0, (w->PunktY[10] + w->PunktY[11]) / 2.0));

    move(pic(), w->KurveX2, y + 100, 1);
    move(pic(), w->KurveX2, 487.5f + 30, 1);  // down: inward, a small value
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= -0,1  Kp3= 0");
    move(pic(), w->KurveX2, 487.5f + 5, 1);  // under 0.05 cm shows as 0 without a sign
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");
}

TEST_F(CurveEditor, PointStaysInsideTheBand)
{
    dragPoint2To(240);
    move(pic(), w->KurveX2, 101, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 101);
    move(pic(), w->KurveX2, 100, 1);  // the band's edge itself is outside
    EXPECT_FLOAT_EQ(w->KurveY2, 101);
    move(pic(), w->KurveX2, 80, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 101);
}

TEST_F(CurveEditor, OnlyTheLeftButtonAloneDrags)
{
    move(pic(), w->KurveX2, w->KurveY2);
    for (int buttons : {2, 4, 3, 5}) {
        move(pic(), w->KurveX2, 400, buttons);
        EXPECT_FLOAT_EQ(w->KurveY2, 487.5f) << "buttons " << buttons;
    }
    EXPECT_FALSE(w->KurveEin);
}

TEST_F(CurveEditor, APressDecidesWhetherItDrags)
{
    // Started away from every point: nothing is taken, even over a point.
    move(pic(), 1500, 200);
    EXPECT_EQ(pic()->pointerShape(), 0);
    move(pic(), w->KurveX2, w->KurveY2 - 20, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 487.5f);

    // Started near point 1: a point that comes near during the press moves.
    move(pic(), w->KurveX1, w->KurveY1);
    move(pic(), w->KurveX2, 450, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 450);
    EXPECT_FLOAT_EQ(w->KurveY1, 487.5f);
    // Lost by a fast move, taken again when the pointer comes back.
    move(pic(), w->KurveX2, 250, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 450);
    EXPECT_EQ(pic()->pointerShape(), PictureWidget::kHand);
    move(pic(), w->KurveX2, 400, 1);
    EXPECT_FLOAT_EQ(w->KurveY2, 400);
}

TEST_F(CurveEditor, KurveAusAndTheTimer)
{
    dragPoint2To(300);
    EXPECT_FALSE(w->cmdKurveAus->isEnabled());
    waitMs(350);
    EXPECT_TRUE(w->cmdKurveAus->isEnabled());

    // Back onto the base line: the curve stays on, the button goes off.
    move(pic(), w->KurveX2, 400, 1);
    move(pic(), w->KurveX2, 487.5, 1);
    EXPECT_EQ(w->KurvenWert[2], 0);
    EXPECT_TRUE(w->KurveEin);
    waitMs(350);
    EXPECT_FALSE(w->cmdKurveAus->isEnabled());

    move(pic(), w->KurveX1, 400, 1);
    waitMs(350);
    ASSERT_TRUE(w->cmdKurveAus->isEnabled());
    w->cmdKurveAus->click();
    EXPECT_FALSE(w->cmdKurveAus->isEnabled());
    EXPECT_FALSE(w->KurveEin);
    EXPECT_FLOAT_EQ(w->KurveY1, w->KurveNullY);
    EXPECT_EQ(w->KurvenWert[1], 0);
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");
}

TEST_F(CurveEditor, BentDreiDStarIsDrawnThroughTheBendPoints)
{
    w->optPeloxForm[1]->click();
    dragPoint2To(487.5 - 140);
    const QImage img = w->picPelox->image();
    // The bend point of edge 1 is drawn; the straight edge's middle is not.
    const double bx = w->MitteX + w->KurvePunktX[1][2] * w->Massstab;
    const double by = w->MitteY + w->KurvePunktY[1][2] * w->Massstab;
    const double sxm = w->MitteX + (w->PunktX[1] + w->PunktX[2]) / 2 * w->Massstab;
    const double sym = w->MitteY + (w->PunktY[1] + w->PunktY[2]) / 2 * w->Massstab;
    bool found = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            found |= img.pixelColor(int(std::lround(bx)) + dx, int(std::lround(by)) + dy) == Qt::black;
    EXPECT_TRUE(found);
    EXPECT_EQ(img.pixelColor(int(std::lround(sxm)), int(std::lround(sym))), Qt::white);
}
