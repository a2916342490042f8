// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Zwei A-4 Blätter" box: the diameter limits, the picture standing for
// one or two sheets, the picture export, and the reset of pulled corners.
#include "../support/window.h"

#include "platform/linecontrol.h"
#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

using ZweiBlattTest = WindowTest;

TEST_F(ZweiBlattTest, TickingAllowsTwentySevenCentimetresOnASmallerScale)
{
    const float massstabEinBlatt = w->Massstab;
    const QImage einBlatt = w->picPelox->image();
    w->chkZweiA4->click();

    EXPECT_EQ(w->ZweiA4, 1);
    EXPECT_EQ(w->hsbAussen->maximum(), 54);
    EXPECT_EQ(w->hsbInnen->maximum(), 54);
    EXPECT_NEAR(w->Verkleinerung, 0.2616, 1e-4);
    EXPECT_NEAR(w->Massstab, massstabEinBlatt / std::sqrt(2.0), 1e-3);
    EXPECT_TRUE(w->linBlattTrennung->isVisible());
    EXPECT_TRUE(w->lblA4BlattUnten->isVisible());
    EXPECT_TRUE(w->lblA4BlattOben->isVisible());
    EXPECT_FALSE(w->cmdBildSpeichern->isEnabled());
    EXPECT_NE(w->picPelox->image(), einBlatt);

    w->hsbAussen->setValue(54);
    w->hsbInnen->setValue(54);
    EXPECT_EQ(w->AussenDurchmesser, 27);
    EXPECT_EQ(w->InnenDurchmesser, 27);
}

TEST_F(ZweiBlattTest, ClearingBringsDiametersAboveNineteenBackToNineteen)
{
    w->chkZweiA4->click();
    w->hsbAussen->setValue(50);
    w->hsbInnen->setValue(44);
    ASSERT_EQ(w->AussenDurchmesser, 25);
    const QImage zweiBlaetter = w->picPelox->image();

    w->chkZweiA4->click();

    EXPECT_EQ(w->ZweiA4, 0);
    EXPECT_EQ(w->hsbAussen->maximum(), 38);
    EXPECT_EQ(w->hsbInnen->maximum(), 38);
    EXPECT_EQ(w->hsbAussen->value(), 38);
    EXPECT_EQ(w->hsbInnen->value(), 38);
    EXPECT_EQ(w->AussenDurchmesser, 19);
    EXPECT_EQ(w->InnenDurchmesser, 19);
    EXPECT_EQ(w->lblAussen->text(), "19,0");
    EXPECT_EQ(w->lblInnen->text(), "19,0");
    EXPECT_FLOAT_EQ(w->Radius[1], 9.5f);
    EXPECT_FLOAT_EQ(w->PunktX[1], 9.5f);
    EXPECT_FLOAT_EQ(w->Verkleinerung, 0.37f);
    EXPECT_FALSE(w->linBlattTrennung->isVisible());
    EXPECT_FALSE(w->lblA4BlattUnten->isVisible());
    EXPECT_TRUE(w->cmdBildSpeichern->isEnabled());
    EXPECT_NE(w->picPelox->image(), zweiBlaetter);
}

TEST_F(ZweiBlattTest, SwitchingResetsPulledCornersAndMeasuresThePageAgain)
{
    for (int mal = 0; mal < 2; ++mal) {
        w->Radius[3] = 2;
        w->PeloxBerechnung();
        w->Gezogen = 1;
        w->cmdRückstellen->setEnabled(true);
        printer.width = 12000 + 100 * mal;
        printer.height = 17000;

        w->chkZweiA4->click();

        EXPECT_FLOAT_EQ(w->Radius[3], 9.5f);
        EXPECT_NEAR(std::hypot(w->PunktX[3], w->PunktY[3]), 9.5, 1e-4);
        EXPECT_EQ(w->Gezogen, 0);
        EXPECT_FALSE(w->cmdRückstellen->isEnabled());
        EXPECT_EQ(w->DruckMitteX, 6000 + 50 * mal);
        EXPECT_EQ(w->DruckMitteY, 8500);
    }
}
