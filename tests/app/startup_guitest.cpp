// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"

#include "platform/sprache.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <cmath>

using Startup = WindowTest;

TEST_F(Startup, ControlsHoldTheDefaultStar)
{
    EXPECT_EQ((QList{w->hsbAnzahl->value(), w->hsbAussen->value(), w->hsbInnen->value(), w->vsbYFaktor->value()}),
        (QList{8, 38, 16, 10}));
    EXPECT_TRUE(w->optPeloxForm[0]->isChecked() && w->optStrichDicke[0]->isChecked() && w->cmdSetFaktor->isEnabled());
    EXPECT_FALSE(w->chkZweiA4->isChecked() || w->cmdRückstellen->isEnabled() || w->cmdKurveAus->isEnabled());
    EXPECT_TRUE(w->lblA4BlattUnten->isHidden() && w->lblTest->isHidden());
    EXPECT_EQ((QStringList{w->lblAnzahl->text(), w->lblAussen->text(), w->lblInnen->text(), w->lblYFaktor->text(),
                  w->lblKurvenWerte->text()}),
        (QStringList{"8", "19,0", "8,0", "100", " Kp1= 0  Kp2= 0  Kp3= 0"}));
    // The instructions and the widest curve values fit their labels whole, at
    // the size of the frames they stand in.
    const std::pair<QLabel*, QString> texte[] = {{w->lblZiehen, w->lblZiehen->text()},
        {w->lblKurvenWerte, QStringLiteral(" Kp1= -1,8  Kp2= -1,8  Kp3= -1,8")}};
    for (const auto& [label, text] : texte) {
        EXPECT_EQ(label->font().pointSizeF(), 9.75);
        const QRect noetig = label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap, text);
        EXPECT_TRUE(label->contentsRect().contains(noetig)) << text.toStdString();
    }

    // One A4 sheet, reduced: 21 x 29.7 cm at 0.37. The first star is drawn.
    EXPECT_EQ(w->picPelox->size(), QSize(293, 415));
    const QImage img = w->picPelox->image();
    // A line one pixel wide may fall on either neighbour of the exact spot.
    const auto schwarz = [&](double x, double y) {
        return dunkel(img, QRect(int(std::lround(x)) - 1, int(std::lround(y)) - 1, 3, 3)) > 0;
    };
    const double r = 9.5 * w->Massstab;
    EXPECT_TRUE(schwarz(w->MitteX + r, w->MitteY));  // corner 1
    EXPECT_TRUE(schwarz(w->MitteX, w->MitteY + r));  // corner 5, straight below
    EXPECT_TRUE(schwarz(w->MitteX + 2, w->MitteY));  // the centre circle
    w->cmdBeenden->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->picPelox->image().isNull());

    // English texts, English numbers.
    sprache::laden(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    open();
    sprache::laden(*qApp, QLocale(QLocale::German));
    EXPECT_EQ(w->lblAussen->text(), "19.0");
}

// The controls name one installed face each, since a missing face or a list
// of several sends Qt through a search over all fonts, and still get the faces
// Qt picks from the whole lists.
TEST_F(Startup, FontsAreTheFirstInstalledFacesOfTheirLists)
{
    const auto picked = [](const QStringList& faces, bool bold) {
        QFont f;
        f.setFamilies(faces);
        f.setStyleHint(QFont::SansSerif);
        f.setBold(bold);
        return QFontInfo(f).family();
    };
    const QStringList sans{"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"};
    const QStringList narrow{"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"};
    const QList<QFont> fonts{w->lblAnzahlSpitzen->font(), w->fraDaten->font(), w->picPelox->font()};
    QStringList faces;
    for (const QFont& f : fonts) {
        EXPECT_TRUE(f.families().size() == 1 && QFontDatabase::families().contains(f.families().constFirst()))
            << f.families().join(", ").toStdString();
        faces << QFontInfo(f).family();
    }
    EXPECT_EQ(faces, (QStringList{picked(sans, false), picked(sans, true), picked(narrow, false)}));
}

// The page is asked for once the window has been painted, and again only when
// the sheet mode changes; printing before that asks for it itself.
TEST_F(Startup, ThePrinterPageIsAskedForOnlyWhenNeeded)
{
    w.reset();
    printer.pageSizeAsked = 0;
    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, printer, settings});
    EXPECT_EQ(printer.pageSizeAsked, 0);
    w->show();
    for (int i = 0; i < 20 && printer.pageSizeAsked == 0; ++i)
        QApplication::processEvents();
    EXPECT_EQ(printer.pageSizeAsked, 1);
    printer.width = 12000;
    w->repaint();
    QApplication::processEvents();
    w->cmdDrucken->click();
    EXPECT_EQ(printer.pageSizeAsked, 1);
    w->chkZweiA4->click();
    EXPECT_EQ(printer.pageSizeAsked, 2);
    EXPECT_FLOAT_EQ(w->DruckMitteX, 6000);
}
