// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace {

bool isBlackNear(const QImage& img, double x, double y)
{
    // A corner drawn one pixel wide may fall on either neighbour of the
    // exact position.
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (img.pixelColor(int(std::lround(x)) + dx, int(std::lround(y)) + dy) == Qt::black)
                return true;
    return false;
}

} // namespace

using Startup = WindowTest;

TEST_F(Startup, ControlsHoldTheDefaultStar)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Pelox-Programm  V1.7"));
    EXPECT_EQ(w->AnzahlSpitzen, 8);
    EXPECT_EQ(w->AnzahlEcken, 16);
    EXPECT_EQ(w->hsbAnzahl->value(), 8);
    EXPECT_EQ(w->hsbAussen->value(), 38);
    EXPECT_EQ(w->hsbInnen->value(), 16);
    EXPECT_EQ(w->vsbYFaktor->value(), 10);
    EXPECT_EQ(w->hsbAussen->maximum(), 38);
    EXPECT_FLOAT_EQ(w->YFaktor, 1.0f);
    EXPECT_TRUE(w->optPeloxForm[0]->isChecked());
    EXPECT_TRUE(w->optStrichDicke[0]->isChecked());
    EXPECT_FALSE(w->chkZweiA4->isChecked());
    EXPECT_FALSE(w->cmdRückstellen->isEnabled());
    EXPECT_FALSE(w->cmdKurveAus->isEnabled());
    EXPECT_TRUE(w->cmdSetFaktor->isEnabled());
    EXPECT_FALSE(w->KurveEin);
    EXPECT_EQ(w->Gezogen, 0);

    EXPECT_EQ(w->lblAnzahl->text(), "8");
    EXPECT_EQ(w->lblAussen->text(), "19,0");
    EXPECT_EQ(w->lblInnen->text(), "8,0");
    EXPECT_EQ(w->lblYFaktor->text(), "100");
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");
    EXPECT_EQ(w->lblDateiName->text(), "");
    EXPECT_TRUE(w->lblA4BlattUnten->isHidden());
    EXPECT_TRUE(w->lblTest->isHidden());
    EXPECT_EQ(w->lblZiehen->text(),
        "Mit der linken Maustaste können alle Pelox-Ecken aussen und innen verkürzt oder verlängert werden.");

    EXPECT_EQ(QString::fromStdString(w->DateiPfad), QDir::currentPath() + "/Pelox_1.plx");
    EXPECT_EQ(QString::fromStdString(w->BildPfad), QDir::currentPath() + "/Pelox_1.jpg");
    EXPECT_EQ(w->DateiKennung, "Pelox-Datei");
}

TEST_F(Startup, LabelsFollowTheUsersLocale)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    open();
    EXPECT_EQ(w->lblAussen->text(), "19.0");
    EXPECT_EQ(w->lblInnen->text(), "8.0");
    w->hsbInnen->setValue(1);
    EXPECT_EQ(w->lblInnen->text(), "0.5");
}

TEST_F(Startup, GeometryComesFromTheScreenAndOneA4Sheet)
{
    EXPECT_FLOAT_EQ(w->TwipsProPixel, 15);  // 96 dpi
    EXPECT_FLOAT_EQ(w->TwipsProCm, 566);
    EXPECT_NEAR(w->PixelProCm, 37.7333, 1e-4);
    EXPECT_NEAR(w->Massstab, 0.37 * 37.7333, 1e-4);
    EXPECT_EQ(w->width(), 563);   // 8445 twips
    EXPECT_EQ(w->height(), 583);  // 8745 twips
    // 21 x 29.7 cm at 0.37, in whole pixels.
    EXPECT_EQ(w->picPelox->width(), 293);
    EXPECT_EQ(w->picPelox->height(), 415);
    EXPECT_FLOAT_EQ(w->MitteX, std::floor(std::nearbyint(w->picPelox->scaleWidth()) / 2));
}

namespace {

// Counts how often the window asks for the printer's page.
class ZaehlDrucker : public FakePrinter {
public:
    int fragen = 0;
    QSizeF pageSize() override
    {
        ++fragen;
        return FakePrinter::pageSize();
    }
};

} // namespace

TEST_F(Startup, ThePrinterPageIsAskedForOnceTheWindowIsUpAndOnEachSheetChange)
{
    ZaehlDrucker drucker;
    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, drucker});
    EXPECT_EQ(drucker.fragen, 0);
    w->show();
    for (int i = 0; i < 20 && drucker.fragen == 0; ++i)
        QApplication::processEvents();
    EXPECT_EQ(drucker.fragen, 1);
    // The fake printer's page is a whole A4 sheet.
    EXPECT_FLOAT_EQ(w->DruckMitteX, 5953);
    EXPECT_FLOAT_EQ(w->DruckMitteY, 8419);

    // Putting the corners back keeps the page; a new sheet mode asks again.
    drucker.width = 12000;
    w->cmdRückstellen->setEnabled(true);
    w->cmdRückstellen->click();
    w->repaint();
    QApplication::processEvents();
    EXPECT_EQ(drucker.fragen, 1);
    EXPECT_FLOAT_EQ(w->DruckMitteX, 5953);
    w->chkZweiA4->click();
    EXPECT_EQ(drucker.fragen, 2);
    EXPECT_FLOAT_EQ(w->DruckMitteX, 6000);
    w.reset();
}

TEST_F(Startup, PrintingBeforeTheWindowWasPaintedAsksForThePageFirst)
{
    ZaehlDrucker drucker;
    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, drucker});
    w->cmdDrucken->click();
    EXPECT_EQ(drucker.fragen, 1);
    ASSERT_EQ(drucker.jobs.size(), 1u);
    // The circle at the star's centre sits in the middle of the page.
    const auto kreis = drucker.jobs[0].only(FakePrinter::Op::Circle);
    ASSERT_EQ(kreis.size(), 1u);
    EXPECT_EQ(kreis[0].a, 5953);
    EXPECT_EQ(kreis[0].b, 8419);
    w.reset();
}

TEST_F(Startup, TheFirstStarIsDrawnInTheRetainedPicture)
{
    const QImage img = w->picPelox->image();
    ASSERT_FALSE(img.isNull());
    // Corner 1 to the right of the centre, corner 5 straight below it.
    EXPECT_TRUE(isBlackNear(img, w->MitteX + 9.5 * w->Massstab, w->MitteY));
    EXPECT_TRUE(isBlackNear(img, w->MitteX, w->MitteY + 9.5 * w->Massstab));
    EXPECT_TRUE(isBlackNear(img, w->MitteX + 2, w->MitteY));  // the centre circle
    EXPECT_EQ(img.pixelColor(int(w->MitteX), int(w->MitteY)), Qt::white);
    EXPECT_EQ(img.pixelColor(int(w->MitteX + 5 * w->Massstab), int(w->MitteY)), Qt::white);
    // Nothing beyond the tips.
    EXPECT_EQ(img.pixelColor(int(w->MitteX + 9.5 * w->Massstab) + 4, int(w->MitteY)), Qt::white);
}

TEST_F(Startup, ClosingReleasesThePicture)
{
    w->cmdBeenden->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->picPelox->image().isNull());
}
