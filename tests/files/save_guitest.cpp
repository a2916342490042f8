// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateitest.h"

#include <QDir>
#include <QLabel>
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Root may create files in a folder without write permission, but not in an
// immutable one. Other users cannot set the attribute, and need not.
void unveraenderlich(const QString& ordner, bool an)
{
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY);
    int attribute = 0;
    if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &attribute) == 0) {
        attribute = an ? attribute | FS_IMMUTABLE_FL : attribute & ~FS_IMMUTABLE_FL;
        ::ioctl(fd, FS_IOC_SETFLAGS, &attribute);
    }
    if (fd >= 0)
        ::close(fd);
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
        EXPECT_EQ(messageBox.shown[0].title, "Speichern nicht möglich !!");
        EXPECT_EQ(messageBox.shown[0].text, " Die Datei " + datei + " konnte nicht gespeichert werden !! ");
        EXPECT_EQ(w->lblDateiName->text(), pfad("vorher.plx"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), vorher);
        EXPECT_EQ(inhalt(datei), alt);
    };
    speichere(pfad("vorher.plx"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("ordner.plx/innen"));
    erwarteFehlschlag(pfad("ordner.plx"));
    EXPECT_TRUE(QDir(pfad("ordner.plx/innen")).exists());
    erwarteFehlschlag(pfad("fehlt/a.plx"));

    // A file size limit of 0 makes every write fail as a full disk does, for
    // root too. The signal it raises would end the program.
    const QByteArray alt = "\"Pelox-Datei\"\r\nder alte Stand\r\n";
    schreibe(pfad("a.plx"), alt);
    rlimit frei{};
    getrlimit(RLIMIT_FSIZE, &frei);
    const rlimit voll{0, frei.rlim_max};
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &voll);
    erwarteFehlschlag(pfad("a.plx"));
    setrlimit(RLIMIT_FSIZE, &frei);
    std::signal(SIGXFSZ, signal);

    const QString ordner = pfad("nur-lesen");
    ASSERT_TRUE(QDir(dir.path()).mkdir("nur-lesen"));
    schreibe(ordner + "/a.plx", alt);
    QFile(ordner).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    unveraenderlich(ordner, true);
    const bool schreibbar = QFile(ordner + "/probe").open(QIODevice::WriteOnly);
    if (!schreibbar)
        erwarteFehlschlag(ordner + "/a.plx");
    unveraenderlich(ordner, false);
    QFile(ordner).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (schreibbar)
        GTEST_SKIP() << "this file system lets root write into any folder";
}
