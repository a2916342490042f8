// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateitest.h"

#include "platform/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QProcess>
#include <QRadioButton>

namespace {

struct Lauf {
    int status;
    QString fehler;
};

// The program itself, with neither a display nor a chosen platform.
Lauf pelox(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(PELOX_PROGRAM), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    QString fehler;
    for (const QString& zeile : QString::fromLocal8Bit(p.readAllStandardError()).split('\n'))
        if (zeile.startsWith(QStringLiteral("pelox:")))
            fehler += zeile + '\n';
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, fehler};
}

} // namespace

using CommandLine = DateiTest;

TEST_F(CommandLine, WritesWhatTheWindowWritesWithoutADisplay)
{
    w->hsbAnzahl->setValue(11);
    w->optPeloxForm[1]->click();
    biege(2, 300);
    speichere(pfad("entwurf.plx"));

    const Lauf lauf = pelox({"--svg", pfad("a.svg"), "--bmp", pfad("a.bmp"), pfad("entwurf.plx")});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.fehler.isEmpty());

    fileDialog.answers = {pfad("b.svg")};
    w->mnuSvgSpeichern->trigger();
    EXPECT_EQ(inhalt(pfad("a.svg")), inhalt(pfad("b.svg")));
    fileDialog.answers = {pfad("b.bmp")};
    w->cmdBildSpeichern->click();
    const QImage aufruf(pfad("a.bmp"));
    ASSERT_FALSE(aufruf.isNull());
    EXPECT_EQ(aufruf, QImage(pfad("b.bmp")));
    EXPECT_TRUE(inhalt(pfad("a.bmp")).startsWith("BM"));
}

TEST_F(CommandLine, ABadDesignGivesAReasonAndNoFile)
{
    schreibe(pfad("fremd.plx"), "\"pelox-datei\"\r\n0\r\n");
    schreibe(pfad("kaputt.plx"), "\"Pelox-Datei\"\r\n0\r\n19\r\n8\r\n99\r\n");
    for (const QString& name : {QStringLiteral("fremd.plx"), QStringLiteral("kaputt.plx"), QStringLiteral("fehlt.plx")}) {
        const Lauf lauf = pelox({"--pdf", pfad("x.pdf"), "--svg", pfad("x.svg"), pfad(name)});
        EXPECT_NE(lauf.status, 0) << name.toStdString();
        EXPECT_EQ(lauf.fehler.count('\n'), 1) << lauf.fehler.toStdString();
        EXPECT_FALSE(QFile::exists(pfad("x.pdf")));
        EXPECT_FALSE(QFile::exists(pfad("x.svg")));
    }
    EXPECT_TRUE(pelox({"--svg", pfad("x.svg"), pfad("fremd.plx")}).fehler.contains("keine Pelox-Datei"));

    // A star on two sheets has no picture, as in the window.
    w->chkZweiA4->click();
    speichere(pfad("zwei.plx"));
    EXPECT_NE(pelox({"--bmp", pfad("x.bmp"), pfad("zwei.plx")}).status, 0);
    EXPECT_FALSE(QFile::exists(pfad("x.bmp")));
    EXPECT_NE(pelox({"--svg", pfad("x.svg")}).status, 0);
}
