// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as a user may have edited it by hand: what cannot be used
// is ignored, and nothing breaks.
#include "../support/window.h"

#include "platform/settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
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
                "\x01\x02 kein Schl\xfc" "ssel ]]][[\n");
    datei.close();

    QtSettings settings;
    EXPECT_TRUE(einstellungen::Pruefmass(settings));

    // The window starts on it, and what it stores is read back.
    FakeFileDialog fileDialog;
    FakeMessageBox messageBox;
    FakePrinter printer;
    frmPelox w(Ports{fileDialog, messageBox, printer, settings});
    EXPECT_TRUE(w.mnuPruefmass->isChecked());
    w.mnuPruefmass->trigger();
    QtSettings wieder;
    EXPECT_FALSE(einstellungen::Pruefmass(wieder));
    EXPECT_TRUE(messageBox.shown.empty());
}
