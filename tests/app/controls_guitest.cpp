// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <cmath>

using Controls = WindowTest;

TEST_F(Controls, PointsBarSetsCornersAndLabel)
{
    w->hsbAnzahl->setValue(2);
    EXPECT_EQ(w->AnzahlEcken, 4);
    EXPECT_EQ(w->lblAnzahl->text(), "2");
    w->hsbAnzahl->setValue(36);
    EXPECT_EQ(w->AnzahlEcken, 72);
    EXPECT_EQ(w->lblAnzahl->text(), "36");
}

TEST_F(Controls, DiameterBarsShowHalfCentimetresAndScaleTheRadii)
{
    w->hsbAussen->setValue(2);
    EXPECT_EQ(w->lblAussen->text(), "1,0");
    w->hsbInnen->setValue(1);
    EXPECT_EQ(w->lblInnen->text(), "0,5");
    w->hsbAussen->setValue(38);
    w->hsbInnen->setValue(38);  // inner as large as outer is accepted
    EXPECT_FLOAT_EQ(w->Radius[2], 9.5f);

    w->Radius[3] = 6;  // as if pulled by hand
    w->hsbAussen->setValue(19);
    EXPECT_FLOAT_EQ(w->Radius[3], 3);
    EXPECT_FLOAT_EQ(w->Radius[1], 4.75f);
    EXPECT_FLOAT_EQ(w->AussenDurchmesser, 9.5f);
}

TEST_F(Controls, DraggingTheThumbFollowsEveryStep)
{
    QStringList seen;
    w->hsbAussen->setSliderDown(true);
    for (int v = 37; v >= 30; --v) {
        w->hsbAussen->setSliderPosition(v);
        seen << w->lblAussen->text();
        EXPECT_NEAR(w->PunktX[1], v / 4.0, 1e-5);  // the figure shrinks with the thumb
    }
    w->hsbAussen->setSliderDown(false);
    EXPECT_EQ(seen, QStringList({"18,5", "18,0", "17,5", "17,0", "16,5", "16,0", "15,5", "15,0"}));
    EXPECT_FLOAT_EQ(w->AussenDurchmesser, 15);
}

TEST_F(Controls, HeightBarAndItsResetButton)
{
    w->vsbYFaktor->setValue(30);
    EXPECT_EQ(w->lblYFaktor->text(), "300");
    EXPECT_NEAR(w->PunktY[5], 28.5, 1e-4);
    w->vsbYFaktor->setValue(1);
    EXPECT_EQ(w->lblYFaktor->text(), "10");
    w->vsbYFaktor->setValue(7);
    EXPECT_EQ(w->lblYFaktor->text(), "70");

    w->vsbYFaktor->setValue(25);
    EXPECT_EQ(w->lblYFaktor->text(), "250");
    EXPECT_TRUE(w->cmdSetFaktor->isEnabled());
    w->cmdSetFaktor->click();
    EXPECT_EQ(w->vsbYFaktor->value(), 10);
    EXPECT_EQ(w->lblYFaktor->text(), "100");
    EXPECT_FLOAT_EQ(w->YFaktor, 1.0f);
    EXPECT_FALSE(w->cmdSetFaktor->isEnabled());
}

TEST_F(Controls, FormAndThicknessRedrawTheStar)
{
    const QImage duenn = w->picPelox->image();
    w->optStrichDicke[1]->click();
    EXPECT_EQ(w->StrichDicke, 1);
    const QImage dick = w->picPelox->image();
    EXPECT_NE(duenn, dick);
    // Around the middle of edge 1 a thick line blackens more pixels.
    const int mx = int(std::lround(w->MitteX + (w->PunktX[1] + w->PunktX[2]) / 2 * w->Massstab));
    const int my = int(std::lround(w->MitteY + (w->PunktY[1] + w->PunktY[2]) / 2 * w->Massstab));
    int schwarzDuenn = 0, schwarzDick = 0;
    for (int x = mx - 3; x <= mx + 3; ++x)
        for (int y = my - 3; y <= my + 3; ++y) {
            schwarzDuenn += duenn.pixelColor(x, y) == Qt::black;
            schwarzDick += dick.pixelColor(x, y) == Qt::black;
        }
    EXPECT_GT(schwarzDuenn, 0);
    EXPECT_GT(schwarzDick, schwarzDuenn);

    w->optPeloxForm[1]->click();
    EXPECT_EQ(w->PeloxForm, 1);
    // A spoke now runs along the ray to corner 1.
    EXPECT_EQ(w->picPelox->image().pixelColor(int(w->MitteX + 5 * w->Massstab), int(w->MitteY)), Qt::black);
    w->optPeloxForm[0]->click();
    EXPECT_EQ(w->PeloxForm, 0);
    EXPECT_NE(w->picPelox->image().pixelColor(int(w->MitteX + 5 * w->Massstab), int(w->MitteY)), Qt::black);
}

TEST_F(Controls, CurveStaysUncomputedWhileItIsOff)
{
    w->KurvePunktX[1][1] = 1234;
    w->hsbAnzahl->setValue(12);
    w->hsbAussen->setValue(30);
    w->hsbInnen->setValue(10);
    w->vsbYFaktor->setValue(15);
    w->optPeloxForm[1]->click();
    w->optStrichDicke[1]->click();
    w->cmdSetFaktor->click();
    EXPECT_EQ(w->KurvePunktX[1][1], 1234);

    w->KurveEin = true;
    w->hsbAnzahl->setValue(13);
    EXPECT_NE(w->KurvePunktX[1][1], 1234);
}
