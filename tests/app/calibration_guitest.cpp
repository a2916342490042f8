// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Drucker einmessen …": the calibration sheet, then the dialog that checks
// the measured lengths and stores or resets the printer's correction.
#include "support/window.h"

#include "app/calibrationdialog.h"

#include <QLineEdit>

using Einmessen = WindowTest;

TEST_F(Einmessen, TheDialogRefusesWarnsStoresAndResets)
{
    w->mnuEinmessen->trigger();
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.corrected);
    EinmessDialog& d = *w->dlgEinmessen;
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.lblKorrektur->text(), "Gespeicherte Korrektur: keine");
    const auto eingeben = [&](const QString& waagrecht, const QString& senkrecht) {
        d.txtWaagrecht->setText(waagrecht);
        d.txtSenkrecht->setText(senkrecht);
        d.cmdUebernehmen->click();
    };

    // 16 cm for 18 is no printer; a point where the locale has a comma is no number.
    eingeben("16", "25");
    eingeben("18.1", "25");
    ASSERT_EQ(messageBox.shown.size(), 2u);
    EXPECT_TRUE(messageBox.shown[0].text.contains("außerhalb von 90,0 % bis 110,0 %"));
    // More than 3 % off is asked about; No stores nothing, Yes stores.
    messageBox.answers = {false, true};
    eingeben("18,6", "25");
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(settings.values.isEmpty());
    eingeben("18,6", "25");
    ASSERT_EQ(messageBox.asked.size(), 2u);
    EXPECT_TRUE(messageBox.asked[0].text.contains("Druckdialog"));
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(settings.values, (QMap<QString, QString>{
        {"Kalibrierung/Testdrucker/FaktorX", "0.967742"}, {"Kalibrierung/Testdrucker/FaktorY", "1"}}));

    // Shown when the dialog opens again, and reset from there.
    w->mnuEinmessen->trigger();
    EXPECT_EQ(d.lblKorrektur->text(), "Gespeicherte Korrektur: waagrecht 96,8 %, senkrecht 100,0 %");
    d.cmdZuruecksetzen->click();
    EXPECT_TRUE(settings.values.isEmpty());
    EXPECT_EQ(d.lblKorrektur->text(), "Gespeicherte Korrektur: keine");
    d.cmdSchliessen->click();

    // Without a printer there is nothing to measure.
    printer.present = false;
    w->mnuEinmessen->trigger();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(messageBox.shown.back().text, " Es ist kein Drucker eingerichtet !! ");
    EXPECT_EQ(printer.jobs.size(), 2u);
}
