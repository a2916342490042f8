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

TEST_F(Controls, BarsSetTheStarAndTheirLabels)
{
    w->hsbAnzahl->setValue(2);
    EXPECT_EQ(w->AnzahlEcken, 4);
    EXPECT_EQ(w->lblAnzahl->text(), "2");
    w->hsbAussen->setValue(2);
    EXPECT_EQ(w->lblAussen->text(), "1,0");
    w->hsbInnen->setValue(1);
    EXPECT_EQ(w->lblInnen->text(), "0,5");

    w->vsbYFaktor->setValue(30);
    EXPECT_EQ(w->lblYFaktor->text(), "300");
    EXPECT_NEAR(w->PunktY[2], 0.75, 1e-4);  // 0.25 cm stretched threefold
    w->vsbYFaktor->setValue(7);
    EXPECT_EQ(w->lblYFaktor->text(), "70");
    w->vsbYFaktor->setValue(25);
    EXPECT_TRUE(w->cmdSetFaktor->isEnabled());
    w->cmdSetFaktor->click();
    EXPECT_EQ(w->lblYFaktor->text(), "100");
    EXPECT_FLOAT_EQ(w->YFaktor, 1.0f);
    EXPECT_FALSE(w->cmdSetFaktor->isEnabled());
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
}

TEST_F(Controls, FormAndThicknessRedrawTheStar)
{
    const QImage duenn = w->picPelox->image();
    w->optStrichDicke[1]->click();
    const QImage dick = w->picPelox->image();
    const auto schwarz = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += qGray(img.pixel(x, y)) < 128;
        return n;
    };
    EXPECT_GT(schwarz(dick), schwarz(duenn) * 3 / 2);

    const QPoint speiche(int(w->MitteX + 5 * w->Massstab), int(w->MitteY));
    EXPECT_NE(dick.pixelColor(speiche), Qt::black);
    w->optPeloxForm[1]->click();
    EXPECT_EQ(w->picPelox->image().pixelColor(speiche), Qt::black);
}

TEST_F(Controls, CurveStaysUncomputedWhileItIsOff)
{
    w->KurvePunktX[1][1] = 1234;
    w->hsbAnzahl->setValue(12);
    w->hsbAussen->setValue(30);
    w->vsbYFaktor->setValue(15);
    w->optPeloxForm[1]->click();
    w->optStrichDicke[1]->click();
    EXPECT_EQ(w->KurvePunktX[1][1], 1234);
    w->KurveEin = true;
    w->hsbAnzahl->setValue(13);
    EXPECT_NE(w->KurvePunktX[1][1], 1234);
}
