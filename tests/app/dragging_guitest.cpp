// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

#include <cmath>

namespace {

class Dragging : public WindowTest {
protected:
    PictureWidget* pic() const { return w->picPelox; }

    // Hovers over corner i, then pulls it with the left button in small steps,
    // ending exactly at (x, y).
    void pull(int i, double x, double y)
    {
        const double x0 = sx(i), y0 = sy(i);
        for (int k = 0; k <= 40; ++k)
            move(pic(), x + (x0 - x) * (40 - k) / 40, y + (y0 - y) * (40 - k) / 40, k ? 1 : 0);
    }
};

} // namespace

TEST_F(Dragging, WhichCornerIsCaughtAndWhatDragsIt)
{
    // The last corner, caught before the number of points is lowered, is no
    // longer drawn: pulling where it was changes nothing.
    const double x16 = sx(16), y16 = sy(16);
    move(pic(), x16, y16);
    ASSERT_EQ(w->ZiehEcke, 16);
    w->hsbAnzahl->setValue(7);
    const float r16 = w->Radius[16];
    move(pic(), x16 - 2, y16, 1);
    EXPECT_EQ(w->Radius[16], r16);
    EXPECT_FALSE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->Gezogen, 0);
    w->hsbAnzahl->setValue(8);

    // A small star: right on corner 2, with corner 1 less than 4 pixels away.
    w->hsbInnen->setValue(1);
    w->hsbAussen->setValue(2);
    move(pic(), sx(2), sy(2));
    EXPECT_EQ(w->ZiehEcke, 1);

    // Tip 1 three pixels inside the right bound. It lies on the centre line:
    // its y is a whole pixel.
    w->Radius[1] = static_cast<float>((w->ZiehGrenzeRechts - 3 - w->MitteX) / w->Massstab);
    w->Neuzeichnen();
    for (const double d : {8.0, 7.9}) {
        move(pic(), sx(1), sy(1) + d);
        EXPECT_EQ(pic()->pointerShape(), d < 8 ? PictureWidget::kHand : 0) << d;
    }
    // While any other button is held, the pointer neither catches a corner
    // nor lets one go: not over the inner corners round the centre, not away
    // from every corner, and the corner under it stays where it is.
    for (const int buttons : {2, 4, 3, 5}) {
        move(pic(), w->MitteX, w->MitteY, buttons);
        move(pic(), w->MitteX, w->ZiehGrenzeOben, buttons);
        EXPECT_TRUE(w->ZiehEcke == 1 && pic()->pointerShape() == PictureWidget::kHand) << buttons;
        move(pic(), sx(1) - 3, sy(1), buttons);
    }
    move(pic(), w->MitteX, w->ZiehGrenzeOben);
    for (const int buttons : {2, 4}) {
        move(pic(), sx(1), sy(1), buttons);
        EXPECT_TRUE(w->ZiehEcke == 0 && pic()->pointerShape() == 0) << buttons;
    }
    move(pic(), sx(1), sy(1));
    // Beyond the bound the corner stays where it is, yet counts as dragged.
    move(pic(), w->ZiehGrenzeRechts + 4, sy(1), 1);
    EXPECT_NEAR(sx(1), w->ZiehGrenzeRechts - 3, 1e-3);
    EXPECT_TRUE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->Gezogen, 1);
}

TEST_F(Dragging, APulledTipFollowsItsRayIsLostByAJumpAndKeepsItsProportion)
{
    w->vsbYFaktor->setValue(5);
    const double x = w->MitteX + 1.3 * (sx(3) - w->MitteX), y = w->MitteY + 1.3 * (sy(3) - w->MitteY);
    pull(3, x, y);
    EXPECT_NEAR(sx(3), x, 1e-3);

    pull(1, sx(1) - 4, sy(1));
    const float r = w->Radius[1];
    move(pic(), sx(1), sy(1) + 8, 1);
    move(pic(), sx(1) - 2, sy(1), 1);
    EXPECT_EQ(w->Radius[1], r);
    pull(1, sx(1) - 2, sy(1));
    const float gezogen = w->Radius[1];
    EXPECT_LT(gezogen, r);
    // Corner 1 also closes the outline.
    EXPECT_NEAR(w->PunktX[17], w->PunktX[1], 1e-4);

    // The radii stay by index when the count changes, and follow the diameter.
    w->hsbAnzahl->setValue(9);
    w->hsbAnzahl->setValue(8);
    w->hsbAussen->setValue(19);
    EXPECT_FLOAT_EQ(w->Radius[1], gezogen / 2);
}

TEST_F(Dragging, WithBentEdgesResetRedrawsThemAndCornersOnTheCentreStayDefined)
{
    // Every edge bent by pulling the middle point of the curve editor down.
    move(w->picKurvenForm, w->KurveX2, w->KurveY2);
    move(w->picKurvenForm, w->KurveX2, w->KurveY2 + 100, 1);
    const QImage gebogen = pic()->image();
    pull(3, sx(3) + 4, sy(3) + 4);
    ASSERT_NE(pic()->image(), gebogen);
    w->cmdRückstellen->click();
    EXPECT_EQ(pic()->image(), gebogen);
    EXPECT_FALSE(w->cmdRückstellen->isEnabled());

    // Two neighbours pulled onto the centre.
    w->optPeloxForm[1]->setChecked(true);
    pull(2, w->MitteX, w->MitteY);
    pull(1, w->MitteX, w->MitteY);
    ASSERT_TRUE(w->Radius[1] == 0 && w->Radius[2] == 0);
    for (int i = 1; i <= 16; ++i) {
        float summe = w->PunktX[i] + w->PunktY[i];
        for (int k = 1; k <= 3; ++k)
            summe += w->KurvePunktX[i][k] + w->KurvePunktY[i][k];
        EXPECT_TRUE(std::isfinite(summe)) << "corner and edge " << i;
    }
}
