// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Drucker einmessen …": the calibration sheet, then the dialog that checks
// the measured lengths and stores or resets the printer's correction.
#include "support/window.h"

#include "app/calibrationdialog.h"
#include "platform/sprache.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using Einmessen = WindowTest;

TEST_F(Einmessen, TheDialogOpensWithoutPrintingAndRefusesWarnsStoresAndResets)
{
    w->mnuEinmessen->trigger();
    EinmessDialog& d = *w->dlgEinmessen;
    ASSERT_TRUE(d.isVisible());
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_EQ(d.lblKorrektur->text(), "Gespeicherte Korrektur: keine");
    // The sheet comes from its own button.
    d.cmdBlattDrucken->click();
    ASSERT_EQ(printer.jobs.size(), 1u);
    const auto eingeben = [&](const QString& waagrecht, const QString& senkrecht) {
        d.txtWaagrecht->setText(waagrecht);
        d.txtSenkrecht->setText(senkrecht);
        d.cmdUebernehmen->click();
    };

    // 16 cm for 18 is no printer; a point where the locale has a comma, an
    // empty field, a word and infinity are no number, and are told so.
    eingeben("16", "25");
    eingeben("18.1", "25");
    eingeben("18,1", "");
    eingeben("achtzehn", "25");
    eingeben("18", "inf");
    ASSERT_EQ(messageBox.shown.size(), 5u);
    EXPECT_TRUE(messageBox.shown[0].text.contains("außerhalb von 90,0 % bis 110,0 %"));
    for (std::size_t i = 1; i < 5; ++i)
        EXPECT_EQ(messageBox.shown[i].text, " Bitte beide Längen als Zahl in cm eintragen, zum Beispiel 18,1 !! ") << i;
    EXPECT_TRUE(settings.values.isEmpty());
    // More than 3 % off is asked about; No stores nothing, Yes stores and
    // measures the page again, as the correction changes it.
    messageBox.answers = {false, true};
    eingeben("18,6", "25");
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(settings.values.isEmpty());
    const int gemessen = printer.pageSizeAsked;
    eingeben("18,6", "25");
    ASSERT_EQ(messageBox.asked.size(), 2u);
    EXPECT_TRUE(messageBox.asked[0].text.contains("Druckdialog"));
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(settings.values, (QMap<QString, QString>{
        {"Kalibrierung/Testdrucker/FaktorX", "0.967742"}, {"Kalibrierung/Testdrucker/FaktorY", "1"}}));
    EXPECT_GT(printer.pageSizeAsked, gemessen);

    // Shown when the dialog opens again, and reset from there.
    w->mnuEinmessen->trigger();
    EXPECT_EQ(d.lblKorrektur->text(), "Gespeicherte Korrektur: waagrecht 96,8 %, senkrecht 100,0 %");
    const int vorher = printer.pageSizeAsked;
    d.cmdZuruecksetzen->click();
    EXPECT_TRUE(settings.values.isEmpty());
    EXPECT_EQ(d.lblKorrektur->text(), "Gespeicherte Korrektur: keine");
    EXPECT_GT(printer.pageSizeAsked, vorher);
    d.cmdSchliessen->click();
    EXPECT_EQ(printer.jobs.size(), 1u);

    // Without a printer the dialog still opens, says so, and measures nothing.
    printer.present = false;
    w->mnuEinmessen->trigger();
    EXPECT_TRUE(d.isVisible());
    EXPECT_TRUE(d.lblAnleitung->text().contains("kein Drucker eingerichtet"));
    EXPECT_FALSE(d.cmdBlattDrucken->isEnabled());
    EXPECT_FALSE(d.cmdUebernehmen->isEnabled());
    EXPECT_TRUE(d.cmdSchliessen->isEnabled());
    EXPECT_EQ(printer.jobs.size(), 1u);
}

// Under a language whose numbers the program has no translation for, the
// texts are English and so is the decimal sign: a point typed is kept and
// read as one, a comma is refused, and neither turns 18.1 into 181.
class Franzoesisch : public WindowTest {
protected:
    void SetUp() override
    {
        sprache::laden(*qApp, QLocale(QLocale::French));
        QLocale::setDefault(QLocale(QLocale::French));
        open();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        sprache::laden(*qApp, QLocale(QLocale::German));
    }
};

TEST_F(Franzoesisch, TypedLengthsAreReadWithTheDecimalSignOfTheLanguageShown)
{
    w->mnuEinmessen->trigger();
    EinmessDialog& d = *w->dlgEinmessen;
    const auto tippen = [&](const QString& waagrecht) {
        d.txtWaagrecht->clear();
        d.txtSenkrecht->clear();
        QTest::keyClicks(d.txtWaagrecht, waagrecht);
        QTest::keyClicks(d.txtSenkrecht, "25");
        d.cmdUebernehmen->click();
    };
    tippen("18,1");
    EXPECT_EQ(d.txtWaagrecht->text(), "18,1");
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, " Please enter both lengths as numbers in cm, for example 18.1 !! ");
    tippen("18.1");
    EXPECT_EQ(d.txtWaagrecht->text(), "18.1");
    EXPECT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(settings.values.value("Kalibrierung/Testdrucker/FaktorX"), "0.994475");
}
