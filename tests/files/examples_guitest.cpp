// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dateitest.h"
#include "support/program.h"

#include "platform/qtports.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

namespace {

// The build tree's copy of the examples, below the program's folder. This
// test's program lies one folder further down, so it finds the copy the way
// an installed program finds the installed examples, one folder up.
QString beispielOrdner()
{
    return QFileInfo(QStringLiteral(PELOX_PROGRAM)).absolutePath() + QStringLiteral("/share/pelox/examples");
}

} // namespace

// Each example is read without a word, is saved back to the very same bytes
// (it is a file as the program writes it, so opening and saving it shows no
// change), and prints on one A4 sheet without the question that it would be
// cut off.
TEST_F(DateiTest, EveryExampleIsReadAndItsPrintoutFitsOneA4Sheet)
{
    const QStringList beispiele = QDir(beispielOrdner()).entryList({QStringLiteral("*.plx")}, QDir::Files);
    ASSERT_GE(beispiele.size(), 5) << beispielOrdner().toStdString();
    ASSERT_LE(beispiele.size(), 8);
    for (const QString& name : beispiele) {
        SCOPED_TRACE(name.toStdString());
        const QString datei = QDir(beispielOrdner()).filePath(name);
        lese(datei);
        EXPECT_TRUE(messageBox.shown.empty());
        EXPECT_FALSE(w->chkZweiA4->isChecked());
        EXPECT_EQ(gespeichert(), inhalt(datei));

        ASSERT_TRUE(w->PdfPasst());
        EXPECT_TRUE(messageBox.asked.empty());
        const QString pdf = pfad(QFileInfo(name).baseName() + ".pdf");
        ASSERT_TRUE(w->PdfSchreiben(pdf));
        const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}));
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n")))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
        messageBox.shown.clear();
        messageBox.asked.clear();
    }
}

// "Lesen" offers the examples beside the desktop's own places; the dialogs
// that save offer nothing, since no one may write there.
TEST_F(DateiTest, ReadingOffersTheExamplesAndSavingDoesNot)
{
    lese(QString());
    speichere(QString());
    ASSERT_EQ(fileDialog.shown.size(), 2u);
    EXPECT_EQ(fileDialog.shown[0].request.places, QStringList{QDir::cleanPath(beispielOrdner())});
    EXPECT_TRUE(fileDialog.shown[1].request.places.isEmpty());

    // Qt's own dialog shows them in its side bar, after the places it has.
    QList<QUrl> seitenleiste;
    QTimer::singleShot(0, [&seitenleiste] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seitenleiste = dialog->sidebarUrls();
        dialog->reject();
    });
    QtFileDialog qt(nullptr);
    FileDialogRequest r;
    r.places = {dir.path()};
    EXPECT_EQ(qt.showOpen(r), QString());
    ASSERT_GE(seitenleiste.size(), 2);
    EXPECT_EQ(seitenleiste.back().toLocalFile(), dir.path());
}
