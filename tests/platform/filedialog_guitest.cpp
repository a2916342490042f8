// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtports.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// "Alle Dateien (*.*)" lists every file, also a star saved without an extension.
TEST(FileDialogFilter, AllFilesListsNamesWithoutDot)
{
    const QStringList filters
        = QtFileDialog::nameFilters(QStringLiteral("Pelox-Dateien (*.plx)|*.plx|Alle Dateien (*.*)|*.*|"));
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[0], QStringLiteral("Pelox-Dateien (*.plx)"));
    EXPECT_EQ(QtFileDialog::nameFilters(QStringLiteral("PDF-Dateien|*.pdf|")),
        QStringList{QStringLiteral("PDF-Dateien (*.pdf)")});

    QTemporaryDir dir;
    for (const char* name : {"stern", "stern.plx", "bild.jpg"}) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    // The dialog lists what the patterns between the brackets match.
    const auto listed = [&](const QString& filter) {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("\\((.*)\\)$")).match(filter);
        return QDir(dir.path()).entryList(m.captured(1).split(QLatin1Char(' ')), QDir::Files, QDir::Name);
    };
    EXPECT_EQ(listed(filters[0]), QStringList{QStringLiteral("stern.plx")});
    EXPECT_EQ(listed(filters[1]),
        (QStringList{QStringLiteral("bild.jpg"), QStringLiteral("stern"), QStringLiteral("stern.plx")}));
}
