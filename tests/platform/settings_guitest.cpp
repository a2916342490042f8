// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as a user may have edited it by hand: what cannot be used
// is ignored, and nothing breaks.
#include "support/window.h"

#include "platform/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(Einstellungen, AHandEditedFileIsReadWhereItMakesSenseAndIgnoredWhereNot)
{
    QTemporaryDir ordner;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
    ASSERT_TRUE(QDir(ordner.path()).mkpath("Pelox"));
    QFile datei(ordner.filePath("Pelox/pelox.conf"));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("[Druck]\n"
                "Pruefmass=vielleicht\n"
                "\x01\x02 kein Schl\xfc" "ssel ]]][[\n"
                "[Kalibrierung]\n"
                "Gut\\FaktorX=0.98\n"
                "Gut\\FaktorY= 1.02\n"
                "Wort\\FaktorX=abc\n"
                "Wort\\FaktorY=1\n"
                "Komma\\FaktorX=0,98\n"
                "Komma\\FaktorY=1\n"
                "Liste\\FaktorX=0.98, 1\n"
                "Liste\\FaktorY=1\n"
                "Weit\\FaktorX=0.5\n"
                "Weit\\FaktorY=1\n"
                "Ende\\FaktorX=0.9\n"
                "Ende\\FaktorY=1.1\n"
                "Knapp\\FaktorX=0.8999\n"
                "Knapp\\FaktorY=1\n"
                "Ueber\\FaktorX=1\n"
                "Ueber\\FaktorY=1.1001\n"
                "Nan\\FaktorX=nan\n"
                "Nan\\FaktorY=1\n"
                "Inf\\FaktorX=1\n"
                "Inf\\FaktorY=inf\n"
                "Halb\\FaktorX=0.98\n"
                "Gruppe\\FaktorX\\Tief=0.98\n"
                "Gruppe\\FaktorY=1\n");
    datei.close();

    QtSettings settings;
    EXPECT_TRUE(einstellungen::Pruefmass(settings));
    EXPECT_EQ(einstellungen::Korrektur(settings, "Gut"), (kalibrierung::Korrektur{0.98, 1.02}));
    EXPECT_EQ(einstellungen::Korrektur(settings, "Ende"), (kalibrierung::Korrektur{0.9, 1.1}));
    for (const char* drucker :
        {"Wort", "Komma", "Liste", "Weit", "Knapp", "Ueber", "Nan", "Inf", "Halb", "Gruppe", "Fehlt", ""})
        EXPECT_FALSE(einstellungen::Korrektur(settings, drucker).aktiv()) << drucker;

    // The window starts on it, and what it stores is read back.
    FakeFileDialog fileDialog;
    FakeMessageBox messageBox;
    FakePrinter printer;
    frmPelox w(Ports{fileDialog, messageBox, printer, settings});
    EXPECT_TRUE(w.mnuPruefmass->isChecked());
    w.mnuPruefmass->trigger();
    einstellungen::KorrekturSetzen(settings, "Wort", {1.01, 0.99});
    QtSettings wieder;
    EXPECT_FALSE(einstellungen::Pruefmass(wieder));
    EXPECT_EQ(einstellungen::Korrektur(wieder, "Wort"), (kalibrierung::Korrektur{1.01, 0.99}));
    EXPECT_TRUE(messageBox.shown.empty());
}
