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

// Sets or clears the immutable attribute of a folder. Root may create files in
// a folder without write permission, but not in an immutable one.
bool unveraenderlich(const QString& ordner, bool an)
{
    const int fd = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int attribute = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &attribute) == 0;
    if (ok) {
        attribute = an ? attribute | FS_IMMUTABLE_FL : attribute & ~FS_IMMUTABLE_FL;
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &attribute) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

class SpeichernTest : public DateiTest {
protected:
    const QByteArray alt = "\"Pelox-Datei\"\r\nder alte Stand\r\n";

    void SetUp() override
    {
        DateiTest::SetUp();
        speichere(pfad("vorher.plx"));
        messageBox.shown.clear();
    }

    // A failed save shows one message naming the file, keeps the label and
    // leaves nothing behind in the folder.
    void erwarteFehlschlag(const QString& datei, const QString& ordner)
    {
        const QStringList dateien = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden);
        speichere(datei);
        ASSERT_EQ(messageBox.shown.size(), 1u);
        EXPECT_EQ(messageBox.shown[0].title, "Speichern nicht möglich !!");
        EXPECT_EQ(messageBox.shown[0].text, " Die Datei " + datei + " konnte nicht gespeichert werden !! ");
        EXPECT_EQ(messageBox.shown[0].flags, MessageBoxPort::kExclamation);
        EXPECT_EQ(w->lblDateiName->text(), pfad("vorher.plx"));
        EXPECT_EQ(QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden), dateien);
    }
};

TEST_F(SpeichernTest, ANameThatIsAFolderStaysAFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("ordner.plx/innen"));
    erwarteFehlschlag(pfad("ordner.plx"), dir.path());
    EXPECT_TRUE(QDir(pfad("ordner.plx/innen")).exists());
}

TEST_F(SpeichernTest, AFolderThatDoesNotExistIsNotCreated)
{
    erwarteFehlschlag(pfad("fehlt/a.plx"), dir.path());
    EXPECT_FALSE(QDir(pfad("fehlt")).exists());
}

TEST_F(SpeichernTest, AFullDiskLeavesThePreviousFileAsItWas)
{
    schreibe(pfad("a.plx"), alt);
    {
        // A file size limit of 0 makes every write fail as a full disk does,
        // for root too. The signal it raises would end the program.
        struct VolleDisk {
            rlimit vorher{};
            void (*signal)(int) = std::signal(SIGXFSZ, SIG_IGN);
            VolleDisk()
            {
                getrlimit(RLIMIT_FSIZE, &vorher);
                rlimit voll = vorher;
                voll.rlim_cur = 0;
                setrlimit(RLIMIT_FSIZE, &voll);
            }
            ~VolleDisk()
            {
                setrlimit(RLIMIT_FSIZE, &vorher);
                std::signal(SIGXFSZ, signal);
            }
        } volleDisk;
        erwarteFehlschlag(pfad("a.plx"), dir.path());
    }
    EXPECT_EQ(inhalt(pfad("a.plx")), alt);
}

TEST_F(SpeichernTest, AReadOnlyFolderLeavesThePreviousFileAsItWas)
{
    const QString ordner = pfad("nur-lesen");
    const QString datei = ordner + "/a.plx";
    ASSERT_TRUE(QDir(dir.path()).mkdir("nur-lesen"));
    schreibe(datei, alt);
    {
        struct NurLesen {
            QString ordner;
            explicit NurLesen(const QString& o) : ordner(o)
            {
                QFile(ordner).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
                if (geteuid() == 0)
                    unveraenderlich(ordner, true);
            }
            ~NurLesen()
            {
                unveraenderlich(ordner, false);
                QFile(ordner).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            }
        } nurLesen(ordner);
        QFile probe(ordner + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            GTEST_SKIP() << "this file system lets root write into any folder";
        }
        erwarteFehlschlag(datei, ordner);
    }
    EXPECT_EQ(inhalt(datei), alt);
}
