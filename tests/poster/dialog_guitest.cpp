// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The poster dialog on the real window: it starts at the design's size,
// previews every change, prints one job on the printer's paper or saves a
// PDF on the paper chosen, and leaves the window's own star alone.
#include "support/dateitest.h"

#include "app/posterdialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>

// The file tests' window, for its temporary folder.
using PosterDialogTest = DateiTest;

TEST_F(PosterDialogTest, ZeigtDieVorschauUndDrucktEinenAuftrag)
{
    const auto radien = w->Radius;
    w->mnuPoster->trigger();
    PosterDialog* d = w->dlgPoster;
    ASSERT_TRUE(d && d->isVisible());
    // 5 to 200 cm in steps of 0.5, starting at the design's own; glue strips up to 3 cm, 1 at first.
    EXPECT_EQ((std::array{d->spnDurchmesser->value(), d->spnDurchmesser->minimum(), d->spnDurchmesser->maximum(),
                  d->spnDurchmesser->singleStep(), d->spnKleben->value(), d->spnKleben->maximum()}),
        (std::array{19.0, 5.0, 200.0, 0.5, 1.0, 3.0}));
    EXPECT_TRUE(d->cmdDrucken->isEnabled());
    EXPECT_FALSE(d->cmdPdf->isEnabled());

    const QImage klein = d->picVorschau->pixmap().toImage();
    d->spnDurchmesser->setValue(60);
    const std::size_t n = d->poster().plan.blaetter.size();
    EXPECT_GT(n, 1u);
    EXPECT_TRUE(d->lblBlaetter->text().startsWith(QString::number(n) + " Blätter")) << d->lblBlaetter->text().toStdString();
    EXPECT_NE(d->picVorschau->pixmap().toImage(), klein);
    EXPECT_FLOAT_EQ(d->poster().stern.AussenDurchmesser, 60);
    EXPECT_EQ(w->Radius, radien);
    EXPECT_FLOAT_EQ(w->AussenDurchmesser, 19);

    // The orientation asked for, whichever the automatic choice would be;
    // the count of rows and columns in the singular where it is one.
    d->spnDurchmesser->setValue(30);
    for (const int wahl : {1, 2, 1}) {
        d->cboAusrichtung->setCurrentIndex(wahl);
        EXPECT_EQ(d->poster().plan.quer, wahl == 2) << wahl;
    }
    d->cboAusrichtung->setCurrentIndex(0);
    d->spnDurchmesser->setValue(19);
    EXPECT_TRUE(d->lblBlaetter->text().startsWith("1 Blatt (1 Spalte × 1 Zeile, hoch)")) << d->lblBlaetter->text().toStdString();
    d->spnDurchmesser->setValue(60);

    d->cmdDrucken->click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(std::size_t(printer.jobs[0].count(Drawing::Op::Page)), n);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_FALSE(w->dlgPoster && w->dlgPoster->isVisible());

    // A refused job is said, and the dialog stays for another try.
    printer.answers = {true, false};
    w->mnuPoster->trigger();
    w->dlgPoster->cmdDrucken->click();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(messageBox.shown[0].text.contains("nichts gedruckt"));
    EXPECT_TRUE(w->dlgPoster && w->dlgPoster->isVisible());
}

TEST_F(PosterDialogTest, SpeichertPdfAufDemGewaehltenPapierOderBrichtAb)
{
    w->mnuPoster->trigger();
    PosterDialog* d = w->dlgPoster;
    ASSERT_TRUE(d);
    // The PDF's margin: from a quarter inch to 3 cm, for the PDF alone.
    EXPECT_FALSE(d->spnRand->isEnabled());
    d->cboPapier->setCurrentIndex(d->cboPapier->findData("A3"));
    EXPECT_FALSE(d->cmdDrucken->isEnabled());
    ASSERT_TRUE(d->cmdPdf->isEnabled());
    EXPECT_TRUE(d->spnRand->isEnabled());
    EXPECT_EQ((std::array{d->spnRand->value(), d->spnRand->minimum(), d->spnRand->maximum()}),
        (std::array{6.35, 6.35, 30.0}));
    const double breit = d->poster().seite.width();
    d->spnRand->setValue(20);
    // A PDF measures whole points: the margin at least as asked, at most a point more.
    const double schmaler = breit - d->poster().seite.width(), soll = (40 - 12.7) / 25.4 * 1440;
    EXPECT_TRUE(schmaler >= soll && schmaler <= soll + 2 * 20) << schmaler;
    EXPECT_EQ(d->pdfPapier()->marginMm, 20);
    const QString pdf = pfad("poster.pdf");
    fileDialog.answers = {pdf};
    d->cmdPdf->click();
    EXPECT_TRUE(inhalt(pdf).startsWith("%PDF"));
    EXPECT_EQ(w->lblDateiName->text(), "");  // an export is not the design's file
    EXPECT_TRUE(printer.jobs.empty());

    w->mnuPoster->trigger();
    w->dlgPoster->cmdAbbrechen->click();
    EXPECT_FALSE(w->dlgPoster && w->dlgPoster->isVisible());
    EXPECT_TRUE(printer.jobs.empty());

    // Without a printer there is only the PDF.
    printer.present = false;
    w->mnuPoster->trigger();
    EXPECT_EQ(w->dlgPoster->cboPapier->count(), 6);
    EXPECT_FALSE(w->dlgPoster->cmdDrucken->isEnabled());
    EXPECT_TRUE(w->dlgPoster->cmdPdf->isEnabled());
}
