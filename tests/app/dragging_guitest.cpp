// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

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
        const double x0 = sx(i), y0 = sy(i);
        move(pic(), x0, y0);
        const int n = std::max(1, int(std::ceil(std::hypot(x - x0, y - y0) / 4)));
        for (int k = 1; k < n; ++k)
            move(pic(), x0 + (x - x0) * k / n, y0 + (y - y0) * k / n, 1);
        move(pic(), x, y, 1);
    }
};

} // namespace

TEST_F(Dragging, ACornerIsCaughtWithinEightPixelsAndTheLowerIndexFirst)
{
    // Corner 1 lies on the centre line: its y is a whole pixel.
    for (const double d : {7.9, 8.0}) {
        move(pic(), sx(1), sy(1) + d);
        EXPECT_EQ(w->ZiehEcke, d < 8 ? 1 : 0) << d;
        EXPECT_EQ(pic()->pointerShape(), d < 8 ? PictureWidget::kHand : 0) << d;
    }
    // A small star: right on corner 2, with corner 1 less than 4 pixels away.
    w->hsbInnen->setValue(1);
    w->hsbAussen->setValue(2);
    move(pic(), sx(2), sy(2));
    EXPECT_EQ(w->ZiehEcke, 1);
}

TEST_F(Dragging, TheCornerFollowsThePointerAlongItsDrawnRay)
{
    w->vsbYFaktor->setValue(5);
    const double rayX = sx(3) - w->MitteX;
    const double rayY = sy(3) - w->MitteY;
    move(pic(), sx(3), sy(3));
    for (int k = 1; k <= 10; ++k) {
        const QImage zuletzt = pic()->image();
        const double x = w->MitteX + (1 + 0.03 * k) * rayX;
        const double y = w->MitteY + (1 + 0.03 * k) * rayY;
        move(pic(), x, y, 1);
        EXPECT_NEAR(sx(3), x, 1e-3) << k;
        EXPECT_NE(pic()->image(), zuletzt) << "not redrawn at move " << k;
    }
}

TEST_F(Dragging, OnlyTheLeftButtonDragsAndOnlyInsideTheDragArea)
{
    // Tip 1 three pixels inside the right bound.
    w->Radius[1] = static_cast<float>((w->ZiehGrenzeRechts - 3 - w->MitteX) / w->Massstab);
    w->Neuzeichnen();
    const float r1 = w->Radius[1];
    move(pic(), sx(1), sy(1));
    for (const int buttons : {2, 4, 3, 5})
        move(pic(), sx(1) - 3, sy(1), buttons);
    EXPECT_EQ(w->Radius[1], r1);

    // Beyond the bound the corner stays where it is, yet counts as dragged.
    move(pic(), w->ZiehGrenzeRechts + 4, sy(1), 1);
    EXPECT_NEAR(w->Radius[1], r1, 1e-5);
    EXPECT_TRUE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->Gezogen, 1);
}

TEST_F(Dragging, APulledTipIsLostByAJumpAndKeepsItsProportion)
{
    pull(1, sx(1) - 5, sy(1));
    const float r = w->Radius[1];
    EXPECT_LT(r, 9.5f);
    // Corner 1 also closes the outline.
    EXPECT_NEAR(w->PunktX[17], w->PunktX[1], 1e-4);

    move(pic(), sx(1), sy(1) + 8, 1);
    move(pic(), sx(1) - 2, sy(1), 1);
    EXPECT_EQ(w->Radius[1], r);
    move(pic(), sx(1), sy(1));
    move(pic(), sx(1) - 2, sy(1), 1);
    const float gezogen = w->Radius[1];
    EXPECT_LT(gezogen, r);

    w->hsbAnzahl->setValue(9);
    w->hsbAnzahl->setValue(8);
    w->hsbAussen->setValue(19);
    EXPECT_FLOAT_EQ(w->Radius[1], gezogen / 2);
    EXPECT_TRUE(w->cmdRückstellen->isEnabled());
}

TEST_F(Dragging, WithBentEdgesResetRedrawsThemAndCornersOnTheCentreStayDefined)
{
    // Every edge bent by pulling the middle point of the curve editor down.
    move(w->picKurvenForm, w->KurveX2, w->KurveY2);
    move(w->picKurvenForm, w->KurveX2, w->KurveY2 + 100, 1);
    const QImage gebogen = pic()->image();
    const auto kurveX = w->KurvePunktX;
    pull(3, sx(3) + 4, sy(3) + 4);
    ASSERT_NE(w->KurvePunktX, kurveX);
    w->cmdRückstellen->click();
    EXPECT_EQ(w->KurvePunktX, kurveX);
    EXPECT_EQ(pic()->image(), gebogen);
    EXPECT_FALSE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->Gezogen, 0);

    // Two neighbours pulled onto the centre.
    w->optPeloxForm[1]->setChecked(true);
    pull(2, w->MitteX, w->MitteY);
    pull(1, w->MitteX, w->MitteY);
    for (const int i : {1, 2, 17})
        EXPECT_EQ(w->Radius[i], 0) << i;
    for (int i = 1; i <= 17; ++i) {
        EXPECT_TRUE(std::isfinite(w->PunktX[i]) && std::isfinite(w->PunktY[i])) << "corner " << i;
        for (int k = 1; k <= 3 && i <= 16; ++k)
            EXPECT_TRUE(std::isfinite(w->KurvePunktX[i][k] + w->KurvePunktY[i][k])) << "edge " << i << ", " << k;
    }
}
