// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Zwei A-4 Blätter" box: the diameter limits, the picture standing for
// one or two sheets, the picture export, and the reset of pulled corners.
#include "support/window.h"

#include "platform/colors.h"
#include "platform/linecontrol.h"

#include <algorithm>
#include <cmath>
#include <ranges>

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

// On two sheets the blue sheet line runs through the star's centre, and the
// line and the sheet labels stay inside the picture's sunken frame.
TEST_F(ZweiBlattTest, SheetLineRunsThroughTheCentreInsideTheFrame)
{
    w->optPeloxForm[1]->click();
    w->chkZweiA4->click();
    // Drei-D joins corner 1 to the centre: the black spoke lies on the
    // centre's row of the drawing.
    const QImage bild = w->picPelox->image();
    const int spalte = int(w->MitteX + 3 * w->Massstab);
    int speiche = -1;
    for (int y = 0; y < bild.height(); ++y)
        if (std::ranges::all_of(std::views::iota(spalte - 3, spalte + 4),
                [&](int x) { return bild.pixelColor(x, y) == Qt::black; }))
            speiche = y;
    ASSERT_GE(speiche, 0);
    EXPECT_EQ(speiche, int(w->MitteY));

    // The picture as it stands on screen, frame, labels and line included.
    const QImage schirm = w->picPelox->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint innen = w->picPelox->contentsRect().topLeft();
    ASSERT_EQ(schirm.height() - bild.height(), 2 * innen.y());
    const QColor blau = toQColor(kBlattLinie);
    QList<int> blaueZeilen;
    for (int y = 0; y < schirm.height(); ++y)
        if (schirm.pixelColor(innen.x() + spalte, y) == blau)
            blaueZeilen << y;
    EXPECT_EQ(blaueZeilen, QList{innen.y() + speiche});
    for (int x : {0, 1, schirm.width() - 2, schirm.width() - 1})
        EXPECT_NE(schirm.pixelColor(x, innen.y() + speiche), blau) << "frame column " << x;
    for (const QLabel* label : {w->lblA4BlattOben, w->lblA4BlattUnten})
        EXPECT_TRUE(w->picPelox->contentsRect().contains(label->geometry())) << label->y();

    // The sheet labels stand on the star in blue on white and cover what is
    // drawn beneath them: here a black line through both. Their text is
    // smoothed, so its edges are shades between the two.
    for (const QLabel* label : {w->lblA4BlattOben, w->lblA4BlattUnten}) {
        const double mitte = label->geometry().center().y() - innen.y();
        w->picPelox->line(0, mitte, bild.width(), mitte, 0);
    }
    const QImage bedeckt = w->picPelox->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QLabel* label : {w->lblA4BlattOben, w->lblA4BlattUnten}) {
        int blauUeberWeiss = 0, schrift = 0;
        for (int y = label->y(); y <= label->geometry().bottom(); ++y) {
            for (int x = label->x(); x <= label->geometry().right(); ++x) {
                const QRgb p = bedeckt.pixel(x, y);
                blauUeberWeiss += qBlue(p) == 255 && qRed(p) == qGreen(p);
                schrift += qRed(p) < 128;
            }
        }
        EXPECT_EQ(blauUeberWeiss, label->width() * label->height()) << label->y();
        EXPECT_GT(schrift, 0) << label->y();
    }
}
