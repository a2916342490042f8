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

TEST_F(ZweiBlattTest, TwoSheetsAllowTwentySevenCentimetresAndOneSheetNineteen)
{
    const float massstab = w->Massstab;
    const QImage einBlatt = w->picPelox->image();
    const auto expectBlaetter = [&](bool zwei) {
        EXPECT_EQ(w->ZweiA4, int(zwei));
        EXPECT_EQ(w->hsbAussen->maximum(), zwei ? 54 : 38);
        EXPECT_EQ(w->hsbInnen->maximum(), zwei ? 54 : 38);
        EXPECT_NEAR(w->Massstab, zwei ? massstab / std::sqrt(2.0) : massstab, 1e-3);
        EXPECT_EQ(w->linBlattTrennung->isVisible(), zwei);
        EXPECT_EQ(w->lblA4BlattUnten->isVisible(), zwei);
        EXPECT_EQ(w->cmdBildSpeichern->isEnabled(), !zwei);
    };
    // A pulled corner goes back, and the page is measured again.
    w->Radius[3] = 2;
    w->PeloxBerechnung();
    w->Gezogen = 1;
    w->cmdRückstellen->setEnabled(true);
    printer.width = 12000;
    printer.height = 17000;
    w->chkZweiA4->click();
    expectBlaetter(true);
    EXPECT_NE(w->picPelox->image(), einBlatt);
    EXPECT_NEAR(std::hypot(w->PunktX[3], w->PunktY[3]), 9.5, 1e-4);
    EXPECT_EQ(w->Gezogen, 0);
    EXPECT_FALSE(w->cmdRückstellen->isEnabled());
    EXPECT_EQ(w->DruckMitteX, 6000);
    EXPECT_EQ(w->DruckMitteY, 8500);

    w->hsbAussen->setValue(50);
    w->hsbInnen->setValue(44);
    ASSERT_EQ(w->AussenDurchmesser, 25);
    printer.width = 12100;
    w->chkZweiA4->click();
    expectBlaetter(false);
    EXPECT_EQ(w->AussenDurchmesser, 19);
    EXPECT_EQ(w->InnenDurchmesser, 19);
    EXPECT_FLOAT_EQ(w->PunktX[1], 9.5f);
    EXPECT_EQ(w->DruckMitteX, 6050);
}
