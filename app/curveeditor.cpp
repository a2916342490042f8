// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The curve editor: one edge drawn as a base line with three bend points that
// the left mouse button drags up and down. The surface works in twips.
#include "app/frmpelox.h"

#include "curve/calc.h"
#include "platform/colors.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

void frmPelox::RasterZeichnen()
{
    const double w = picKurvenForm->width() * double(TwipsProPixel);
    const double h = picKurvenForm->height() * double(TwipsProPixel);
    KurveBreite = static_cast<float>(w - 100);
    KurveX1 = static_cast<float>(KurveBreite / 4.0);
    KurveX2 = static_cast<float>(KurveBreite / 2.0);
    KurveX3 = static_cast<float>(KurveBreite / 4.0 * 3);
    KurveNullY = static_cast<float>(h / 2);
    KurveLinks = 100;
    KurveRechts = static_cast<float>(w - 160);
    KurveOben = 100;
    KurveUnten = static_cast<float>(h - 150);

    picKurvenForm->clear();
    picKurvenForm->setLineStyle(LineStyle::Dot);
    picKurvenForm->setLineWidth(1);
    picKurvenForm->line(KurveLinks, KurveNullY, KurveRechts, KurveNullY, kRasterGruen);
    for (const float x : {KurveX1, KurveX2, KurveX3})
        picKurvenForm->line(x, KurveOben, x, KurveUnten, kRasterGruen);
}

void frmPelox::KurvenFormPunkte()
{
    picKurvenForm->setLineStyle(LineStyle::Solid);
    picKurvenForm->setLineWidth(2);
    picKurvenForm->circle(KurveLinks, KurveNullY, 20, kRasterGruen);
    picKurvenForm->circle(KurveX1, KurveY1, 50, kRasterGruen);
    picKurvenForm->circle(KurveX2, KurveY2, 50, kRasterGruen);
    picKurvenForm->circle(KurveX3, KurveY3, 50, kRasterGruen);
    picKurvenForm->circle(KurveRechts, KurveNullY, 20, kRasterGruen);

    picKurvenForm->setLineStyle(LineStyle::Solid);
    picKurvenForm->setLineWidth(1);
    picKurvenForm->line(KurveLinks, KurveNullY, KurveX1, KurveY1, kSchwarz);
    picKurvenForm->line(KurveX1, KurveY1, KurveX2, KurveY2, kSchwarz);
    picKurvenForm->line(KurveX2, KurveY2, KurveX3, KurveY3, kSchwarz);
    picKurvenForm->line(KurveX3, KurveY3, KurveRechts, KurveNullY, kSchwarz);
}

void frmPelox::KurvenWerteAnzeige()
{
    // The shown value is the deviation rounded to one decimal, as the locale
    // writes it, read back and turned round: positive means bent outward.
    const auto gezeigt = [](float wert) {
        return static_cast<float>(numbers::lesen(numbers::einDezimal(wert)) * -1);
    };
    Kp1 = gezeigt(KurvenWert[1]);
    Kp2 = gezeigt(KurvenWert[2]);
    Kp3 = gezeigt(KurvenWert[3]);
    lblKurvenWerte->setText(QStringLiteral(" Kp1= ") + numbers::kurz(Kp1) + QStringLiteral("  Kp2= ")
        + numbers::kurz(Kp2) + QStringLiteral("  Kp3= ") + numbers::kurz(Kp3));
}

void frmPelox::KurvenBerechnung()
{
    curve::KurvenBerechnung(*this);
    KurvenWerteAnzeige();
}

void frmPelox::picKurvenForm_MouseMove(int Button, int, double X, double Y)
{
    const std::array<float, 4> punktX{0, KurveX1, KurveX2, KurveX3};
    std::array<float*, 4> punktY{nullptr, &KurveY1, &KurveY2, &KurveY3};
    const auto nahe = [&](int k) {
        return std::abs(X - punktX[k]) < 150 && std::abs(Y - *punktY[k]) < 150;
    };

    // The pointer shape is the state of having caught a point; it changes only
    // while no button is held.
    if (Button == 0)
        picKurvenForm->setPointerShape(nahe(1) || nahe(2) || nahe(3) ? PictureWidget::kHand : 0);
    if (picKurvenForm->pointerShape() != PictureWidget::kHand || Button != 1)
        return;

    bool bewegt = false;
    for (int k = 1; k <= 3; ++k) {
        if (nahe(k) && KurveOben < Y && Y < KurveUnten) {
            *punktY[k] = static_cast<float>(Y);
            KurvenWert[k] = curve::KurvenWertAus(*this, Y);
            bewegt = true;
        }
    }
    if (!bewegt)
        return;
    KurveEin = true;
    RasterZeichnen();
    KurvenFormPunkte();
    KurvenBerechnung();
    Zeichnen();
}

void frmPelox::cmdKurveAus_Click()
{
    KurvenWert[1] = 0;
    KurvenWert[2] = 0;
    KurvenWert[3] = 0;
    KurveY1 = KurveNullY;
    KurveY2 = KurveNullY;
    KurveY3 = KurveNullY;
    RasterZeichnen();
    KurvenFormPunkte();
    cmdKurveAus->setEnabled(false);
    KurveEin = false;
    KurvenWerteAnzeige();
    Zeichnen();
}
