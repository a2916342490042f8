// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

using Startup = WindowTest;

TEST_F(Startup, ControlsHoldTheDefaultStar)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Pelox-Programm  V1.7"));
    EXPECT_EQ(w->AnzahlEcken, 16);
    EXPECT_EQ(w->hsbAnzahl->value(), 8);
    EXPECT_EQ(w->hsbAussen->value(), 38);
    EXPECT_EQ(w->hsbInnen->value(), 16);
    EXPECT_EQ(w->vsbYFaktor->value(), 10);
    EXPECT_TRUE(w->optPeloxForm[0]->isChecked() && w->optStrichDicke[0]->isChecked());
    EXPECT_FALSE(w->chkZweiA4->isChecked() || w->KurveEin);
    EXPECT_FALSE(w->cmdRückstellen->isEnabled() || w->cmdKurveAus->isEnabled());
    EXPECT_TRUE(w->cmdSetFaktor->isEnabled());
    EXPECT_EQ(w->lblAnzahl->text(), "8");
    EXPECT_EQ(w->lblAussen->text(), "19,0");
    EXPECT_EQ(w->lblInnen->text(), "8,0");
    EXPECT_EQ(w->lblYFaktor->text(), "100");
    EXPECT_EQ(w->lblKurvenWerte->text(), " Kp1= 0  Kp2= 0  Kp3= 0");
    EXPECT_TRUE(w->lblA4BlattUnten->isHidden() && w->lblTest->isHidden());
    // The start-up folder with this system's separator.
    EXPECT_EQ(QString::fromStdString(w->DateiPfad), QDir::currentPath() + "/Pelox_1.plx");

    // One A4 sheet, reduced, at 96 dpi; the first star is drawn.
    EXPECT_FLOAT_EQ(w->TwipsProPixel, 15);
    EXPECT_EQ(w->size(), QSize(563, 583));  // 8445 x 8745 twips
    EXPECT_EQ(w->picPelox->size(), QSize(293, 415));  // 21 x 29.7 cm at 0.37
    const QImage img = w->picPelox->image();
    const auto schwarz = [&](double x, double y) {
        // A line one pixel wide may fall on either neighbour of the exact spot.
        for (int d = 0; d < 9; ++d)
            if (img.pixelColor(int(std::lround(x)) + d % 3 - 1, int(std::lround(y)) + d / 3 - 1) == Qt::black)
                return true;
        return false;
    };
    const double r = 9.5 * w->Massstab;
    EXPECT_TRUE(schwarz(w->MitteX + r, w->MitteY));  // corner 1
    EXPECT_TRUE(schwarz(w->MitteX, w->MitteY + r));  // corner 5, straight below
    EXPECT_TRUE(schwarz(w->MitteX + 2, w->MitteY));  // the centre circle
    EXPECT_FALSE(schwarz(w->MitteX + 5 * w->Massstab, w->MitteY));
    EXPECT_FALSE(schwarz(w->MitteX + r + 4, w->MitteY));
    w->cmdBeenden->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->picPelox->image().isNull());

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    open();
    EXPECT_EQ(w->lblAussen->text(), "19.0");
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

// The page is asked for when printing needs it, or once the window has been
// painted; again only when the sheet mode changes.
TEST_F(Startup, ThePrinterPageIsAskedForOnlyWhenNeeded)
{
    ZaehlDrucker drucker;
    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, drucker});
    w->cmdDrucken->click();
    EXPECT_EQ(drucker.fragen, 1);
    ASSERT_EQ(drucker.jobs.size(), 1u);
    // The circle at the star's centre sits in the middle of the whole A4 page.
    const auto kreis = drucker.jobs[0].only(FakePrinter::Op::Circle);
    ASSERT_EQ(kreis.size(), 1u);
    EXPECT_EQ(kreis[0].a, 5953);
    EXPECT_EQ(kreis[0].b, 8419);

    drucker.fragen = 0;
    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, drucker});
    EXPECT_EQ(drucker.fragen, 0);
    w->show();
    for (int i = 0; i < 20 && drucker.fragen == 0; ++i)
        QApplication::processEvents();
    EXPECT_EQ(drucker.fragen, 1);
    drucker.width = 12000;
    w->cmdRückstellen->setEnabled(true);
    w->cmdRückstellen->click();
    w->repaint();
    QApplication::processEvents();
    EXPECT_EQ(drucker.fragen, 1);
    w->chkZweiA4->click();
    EXPECT_EQ(drucker.fragen, 2);
    EXPECT_FLOAT_EQ(w->DruckMitteX, 6000);
    w.reset();
}
