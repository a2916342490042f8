// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sternbogen" dialog on the real window: it says how many stars fit on
// each sheet as the entries change, refuses what cannot be laid out, prints
// one job of all sheets, and saves the PDF and the SVG on the paper chosen.
#include "support/dateitest.h"
#include "support/program.h"

#include "app/sternbogendialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

using SternbogenDialogTest = DateiTest;

TEST_F(SternbogenDialogTest, PreviewsCountsPrintsAndSaves)
{
    w->mnuSternbogen->trigger();
    SternbogenDialog* d = w->dlgSternbogen;
    ASSERT_TRUE(d && d->isVisible());
    EXPECT_EQ((std::array{d->spnAnzahl->minimum(), d->spnAnzahl->maximum(), d->spnAnzahl->value()}),
        (std::array{1, 500, 30}));
    EXPECT_EQ((std::array{d->spnAbstand->minimum(), d->spnAbstand->maximum(), d->spnAbstand->value()}),
        (std::array{0.0, 20.0, 2.0}));
    // The printer's paper, then A4, A3, Letter, Legal and the two mats.
    ASSERT_EQ(d->cboPapier->count(), 7);
    EXPECT_EQ(d->cboPapier->itemData(6).toString(), "mat12x24");

    // On the fake printer's A4 without margins, 30 stars of 5 cm fit one
    // sheet, 40 take two.
    ASSERT_TRUE(d->bogen());
    EXPECT_EQ(d->lblBlaetter->text(), "1 Blatt: 30 Sterne");
    d->spnAnzahl->setValue(40);
    ASSERT_TRUE(d->bogen());
    EXPECT_EQ(d->bogen()->blaetter, 2);
    EXPECT_EQ(d->lblBlaetter->text(),
        QString("2 Blätter: %1 und %2 Sterne").arg(d->bogen()->anzahl(0)).arg(40 - d->bogen()->anzahl(0)));
    EXPECT_TRUE(d->cmdDrucken->isEnabled());
    EXPECT_FALSE(d->cmdPdf->isEnabled());

    const QImage vorher = d->picVorschau->pixmap().toImage();
    d->spnAnzahl->setValue(1);
    EXPECT_EQ(d->lblBlaetter->text(), "1 Blatt: 1 Stern");
    EXPECT_NE(d->picVorschau->pixmap().toImage(), vorher);

    // What cannot be laid out is said, and nothing can be printed or saved.
    d->txtDurchmesser->setText("3:10,5:6");
    EXPECT_TRUE(d->lblBlaetter->text().contains("etwa 3:10+5:6")) << d->lblBlaetter->text().toStdString();
    EXPECT_FALSE(d->cmdDrucken->isEnabled());
    d->txtDurchmesser->setText("40");
    EXPECT_TRUE(d->lblBlaetter->text().startsWith("Ein Stern von 40,0 cm passt nicht auf das Blatt"));
    EXPECT_FALSE(d->bogen());
    d->txtDurchmesser->setText("3:300+5:201");
    EXPECT_EQ(d->lblBlaetter->text(), "501 Sterne: höchstens 500 auf einmal");

    // Several sizes, printed as one job with a page per sheet.
    d->txtDurchmesser->setText("3:10+5,5:4+8");
    d->spnAnzahl->setValue(2);
    ASSERT_TRUE(d->bogen());
    EXPECT_EQ(d->bogen()->sterne.size(), 16u);
    const int blaetter = d->bogen()->blaetter;
    d->cmdDrucken->click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].count(Drawing::Op::Page), blaetter - 1);
    const QStringList texte = printer.jobs[0].texte();
    EXPECT_TRUE(texte.contains("Prüfmaß: nachmessen,"));
    EXPECT_EQ(texte.filter("Sternbogen – Blatt").size(), blaetter);
    EXPECT_FALSE(w->dlgSternbogen && w->dlgSternbogen->isVisible());

    // The PDF and the SVG on a cutting mat.
    w->mnuSternbogen->trigger();
    d = w->dlgSternbogen;
    d->cboPapier->setCurrentIndex(5);
    EXPECT_FALSE(d->cmdDrucken->isEnabled());
    ASSERT_TRUE(d->cmdPdf->isEnabled());
    fileDialog.answers.push_back(pfad("bogen.pdf"));
    d->cmdPdf->click();
    const QString info = QString::fromUtf8(run("pdfinfo", {pfad("bogen.pdf")}));
    EXPECT_TRUE(info.contains("865 x 865 pts")) << info.toStdString();
    w->mnuSternbogen->trigger();
    d = w->dlgSternbogen;
    d->cboPapier->setCurrentIndex(5);
    fileDialog.answers.push_back(pfad("bogen.svg"));
    d->cmdSvg->click();
    // The stars cut in black, the sheet's frame grey.
    EXPECT_EQ(inhalt(pfad("bogen.svg")).count("stroke=\"#000000\""), 30);
    EXPECT_EQ(inhalt(pfad("bogen.svg")).count("stroke=\"#808080\""), 1);
    EXPECT_EQ(w->lblDateiName->text(), "");  // an export is not the design's file
}
