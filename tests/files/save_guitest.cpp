// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dateitest.h"

#include <QDir>
#include <QProcess>
#include <csignal>
#include <sys/resource.h>

namespace {

// Takes away or gives back the owner's write permission. Root may create files
// in a folder without it, but not in an immutable one; other users cannot set
// that attribute, and need not. An immutable folder's permissions are fixed.
void sperre(const QString& ordner, bool an)
{
    QProcess::execute("chattr", {"-i", ordner});
    QFile(ordner).setPermissions(QFile::ReadOwner | QFile::ExeOwner | (an ? QFile::Permissions() : QFile::WriteOwner));
    if (an)
        QProcess::execute("chattr", {"+i", ordner});
}

} // namespace

TEST_F(DateiTest, AFailedSaveLeavesThePreviousFileAndTheLabel)
{
    // One message naming the file; the label, the file as it was and nothing
    // else left behind in the folder.
    const auto erwarteFehlschlag = [this](const QString& datei) {
        const QStringList vorher = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        const QByteArray alt = inhalt(datei);
        messageBox.shown.clear();
        speichere(datei);
        ASSERT_EQ(messageBox.shown.size(), 1u) << datei.toStdString();
        EXPECT_EQ(messageBox.shown[0].text, " Die Datei " + datei + " konnte nicht gespeichert werden !! ");
        EXPECT_EQ(w->lblDateiName->text(), pfad("vorher.plx"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), vorher);
        EXPECT_EQ(inhalt(datei), alt);
    };
    speichere(pfad("vorher.plx"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("ordner.plx/innen") && QDir(dir.path()).mkdir("nur-lesen"));
    erwarteFehlschlag(pfad("ordner.plx"));
    erwarteFehlschlag(pfad("fehlt/a.plx"));

    // A file size limit of 0 makes every write fail as a full disk does, for
    // root too. The signal it raises would end the program.
    for (const QString& datei : {pfad("a.plx"), pfad("nur-lesen/a.plx")})
        schreibe(datei, "\"Pelox-Datei\"\r\nder alte Stand\r\n");
    rlimit frei{};
    getrlimit(RLIMIT_FSIZE, &frei);
    const rlimit voll{0, frei.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &voll);
    erwarteFehlschlag(pfad("a.plx"));
    setrlimit(RLIMIT_FSIZE, &frei);

    sperre(pfad("nur-lesen"), true);
    const bool schreibbar = QFile(pfad("nur-lesen/probe")).open(QIODevice::WriteOnly);
    if (!schreibbar)
        erwarteFehlschlag(pfad("nur-lesen/a.plx"));
    sperre(pfad("nur-lesen"), false);
    if (schreibbar)
        GTEST_SKIP() << "this file system lets root write into any folder";
}
