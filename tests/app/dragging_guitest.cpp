// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/window.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {

class Dragging : public WindowTest {
protected:
    PictureWidget* pic() const { return w->picPelox; }

    // Hovers over corner i, then pulls it with the left button in steps of at
    // most 4 pixels, ending exactly at (x, y).
    void pull(int i, double x, double y)
    {
        const double x0 = sx(i);
        const double y0 = sy(i);
        move(pic(), x0, y0);
        const int n = std::max(1, int(std::ceil(std::hypot(x - x0, y - y0) / 4)));
        for (int k = 1; k < n; ++k)
            move(pic(), x0 + (x - x0) * k / n, y0 + (y - y0) * k / n, 1);
        move(pic(), x, y, 1);
    }

    // Bends every edge by pulling the middle point of the curve editor down.
    void bendEdges()
    {
        move(w->picKurvenForm, w->KurveX2, w->KurveY2);
        move(w->picKurvenForm, w->KurveX2, w->KurveY2 + 100, 1);
        ASSERT_TRUE(w->KurveEin);
    }
};

// The pointer's position reaches the window as a float; this is the float at
// least d pixels from `from`, so a test of "exactly d" is not undone by rounding.
double atLeast(double from, double d)
{
    float f = static_cast<float>(from + d);
    if (std::abs(double(f) - from) < std::abs(d))
        f = std::nextafter(f, d > 0 ? INFINITY : -INFINITY);
    return f;
}

} // namespace

TEST_F(Dragging, ACornerIsCaughtWithinEightPixelsOnly)
{
    for (const double d : {7.9, -7.9}) {
        move(pic(), sx(3) + d, sy(3));
        EXPECT_EQ(w->ZiehEcke, 3) << d;
        EXPECT_EQ(pic()->pointerShape(), PictureWidget::kHand) << d;
        move(pic(), sx(3), sy(3) + d);
        EXPECT_EQ(w->ZiehEcke, 3) << d;
    }
    for (const double d : {8.0, -8.0}) {
        move(pic(), atLeast(sx(3), d), sy(3));
        EXPECT_EQ(w->ZiehEcke, 0) << d;
        EXPECT_EQ(pic()->pointerShape(), 0) << d;
        // Corner 1 lies on the centre line: its y is a whole pixel.
        move(pic(), sx(1), sy(1) + d);
        EXPECT_EQ(w->ZiehEcke, 0) << d;
    }
}

TEST_F(Dragging, OfTwoCornersInReachTheLowerIndexIsCaught)
{
    w->hsbInnen->setValue(1);
    w->hsbAussen->setValue(2);
    // Right on corner 2, with corner 1 less than 4 pixels away.
    move(pic(), sx(2), sy(2));
    EXPECT_EQ(w->ZiehEcke, 1);
    const float r2 = w->Radius[2];
    const double x = sx(2) + 3;
    const double y = sy(2);
    move(pic(), x, y, 1);
    EXPECT_NEAR(w->Radius[1], std::hypot(x - w->MitteX, y - w->MitteY) / w->Massstab, 1e-5);
    EXPECT_EQ(w->Radius[2], r2);
}

TEST_F(Dragging, TheCornerFollowsThePointerAlongItsDrawnRay)
{
    w->vsbYFaktor->setValue(5);
    const double rayX = sx(3) - w->MitteX;
    const double rayY = sy(3) - w->MitteY;
    move(pic(), sx(3), sy(3));
    QImage zuletzt = pic()->image();
    for (int k = 1; k <= 10; ++k) {
        const double x = w->MitteX + (1 + 0.03 * k) * rayX;
        const double y = w->MitteY + (1 + 0.03 * k) * rayY;
        move(pic(), x, y, 1);
        EXPECT_NEAR(sx(3), x, 1e-3) << k;
        EXPECT_NEAR(sy(3), y, 1e-3) << k;
        const QImage jetzt = pic()->image();
        EXPECT_NE(jetzt, zuletzt) << "not redrawn at move " << k;
        zuletzt = jetzt;
    }
    EXPECT_NEAR(w->Radius[3], 9.5 * 1.3, 1e-4);
    EXPECT_TRUE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->Gezogen, 1);
}

TEST_F(Dragging, OutsideTheDragAreaTheCornerStaysYetCountsAsDragged)
{
    // Tip 1 three pixels inside the right bound, tip 13 below the top bound.
    w->Radius[1] = static_cast<float>((w->ZiehGrenzeRechts - 3 - w->MitteX) / w->Massstab);
    w->Radius[13] = static_cast<float>((w->MitteY - w->ZiehGrenzeOben - 3) / w->Massstab);
    w->Neuzeichnen();
    ASSERT_FALSE(w->cmdRückstellen->isEnabled());

    const float r1 = w->Radius[1];
    move(pic(), sx(1), sy(1));
    move(pic(), w->ZiehGrenzeRechts + 4, sy(1), 1);
    EXPECT_NEAR(w->Radius[1], r1, 1e-5);
    EXPECT_TRUE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->Gezogen, 1);
    // The bound itself still belongs to the area.
    move(pic(), w->ZiehGrenzeRechts, sy(1), 1);
    EXPECT_NEAR(sx(1), w->ZiehGrenzeRechts, 1e-3);

    const float r13 = w->Radius[13];
    move(pic(), sx(13), sy(13));
    ASSERT_EQ(w->ZiehEcke, 13);
    move(pic(), sx(13), w->ZiehGrenzeOben - 4, 1);
    EXPECT_NEAR(w->Radius[13], r13, 1e-5);
}

TEST_F(Dragging, OnlyTheLeftButtonAloneDrags)
{
    move(pic(), sx(3), sy(3));
    const QImage vorher = pic()->image();
    for (const int buttons : {2, 4, 3, 5})
        move(pic(), sx(3) + 3, sy(3) + 3, buttons);
    EXPECT_EQ(w->Radius[3], 9.5f);
    EXPECT_EQ(w->Gezogen, 0);
    EXPECT_FALSE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(pic()->image(), vorher);

    move(pic(), sx(3) + 3, sy(3) + 3, 1);
    EXPECT_GT(w->Radius[3], 9.5f);
}

TEST_F(Dragging, ALostCornerStaysLostUntilTheButtonIsReleased)
{
    pull(1, sx(1) - 5, sy(1));
    const float r = w->Radius[1];
    EXPECT_LT(r, 9.5f);
    // Corner 1 also closes the outline.
    EXPECT_NEAR(w->PunktX[17], w->PunktX[1], 1e-4);
    EXPECT_NEAR(w->PunktY[17], w->PunktY[1], 1e-3);

    move(pic(), sx(1), sy(1) + 8, 1);
    EXPECT_EQ(pic()->pointerShape(), 0);
    move(pic(), sx(1) - 2, sy(1), 1);
    EXPECT_EQ(w->Radius[1], r);
    EXPECT_EQ(pic()->pointerShape(), 0);

    move(pic(), sx(1), sy(1));
    EXPECT_EQ(pic()->pointerShape(), PictureWidget::kHand);
    move(pic(), sx(1) - 2, sy(1), 1);
    EXPECT_LT(w->Radius[1], r);
}

TEST_F(Dragging, APulledCornerKeepsItsProportionThroughOtherChanges)
{
    pull(3, sx(3) + 4, sy(3) + 4);
    const float r3 = w->Radius[3];
    ASSERT_GT(r3, 9.5f);

    w->hsbAussen->setValue(19);
    EXPECT_FLOAT_EQ(w->Radius[3], r3 / 2);
    EXPECT_FLOAT_EQ(w->Radius[5], 4.75f);
    EXPECT_FLOAT_EQ(w->Radius[4], 4);

    w->hsbAnzahl->setValue(9);
    w->hsbAnzahl->setValue(8);
    EXPECT_FLOAT_EQ(w->Radius[3], r3 / 2);
    EXPECT_NEAR(std::hypot(w->PunktX[3], w->PunktY[3]), r3 / 2, 1e-5);
    EXPECT_TRUE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->Gezogen, 1);
}

TEST_F(Dragging, ResetRedrawsTheBentStarOnTheDiameters)
{
    bendEdges();
    const QImage gebogen = pic()->image();
    const auto kurveX = w->KurvePunktX;
    const auto kurveY = w->KurvePunktY;

    pull(3, sx(3) + 4, sy(3) + 4);
    ASSERT_NE(w->KurvePunktX[3][2], kurveX[3][2]);

    w->cmdRückstellen->click();
    EXPECT_FLOAT_EQ(w->Radius[3], 9.5f);
    EXPECT_EQ(w->KurvePunktX, kurveX);
    EXPECT_EQ(w->KurvePunktY, kurveY);
    EXPECT_EQ(pic()->image(), gebogen);
    EXPECT_FALSE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->Gezogen, 0);
}

TEST_F(Dragging, TwoNeighboursOnTheCentreLeaveEveryPointDefined)
{
    bendEdges();
    w->optPeloxForm[1]->setChecked(true);
    pull(2, w->MitteX, w->MitteY);
    pull(1, w->MitteX, w->MitteY);
    EXPECT_EQ(w->Radius[1], 0);
    EXPECT_EQ(w->Radius[2], 0);
    EXPECT_EQ(w->Radius[17], 0);
    for (int i = 1; i <= 17; ++i) {
        EXPECT_TRUE(std::isfinite(w->PunktX[i]) && std::isfinite(w->PunktY[i])) << "corner " << i;
        for (int k = 1; k <= 3 && i <= 16; ++k) {
            EXPECT_TRUE(std::isfinite(w->KurvePunktX[i][k]) && std::isfinite(w->KurvePunktY[i][k]))
                << "edge " << i << " point " << k;
        }
    }
}
