// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dateitest.h"

#include <QDir>
#include <QRegularExpression>

TEST_F(DateiTest, PictureExportWritesABitmapAtTrueSizeWhateverTheNameOrNothing)
{
    // Exports through the button and reads back what was written, strictly as a bitmap.
    const auto exportieren = [this](const QString& datei) {
        fileDialog.answers.push_back(datei);
        w->cmdBildSpeichern->click();
        const QByteArray bytes = inhalt(datei);
        EXPECT_TRUE(bytes.startsWith("BM")) << datei.toStdString();
        return QImage::fromData(bytes, "BMP");
    };
    const QImage b = exportieren(pfad("stern.jpg"));
    const FileDialogRequest& r = fileDialog.shown.at(0).request;
    const QString ordner = QDir::currentPath() + QDir::separator();
    EXPECT_EQ(std::tuple(fileDialog.shown[0].save, r.fileName, r.initDir, r.filter, r.flags),
        std::tuple(true, ordner + "Pelox_1.jpg", ordner,
            QStringLiteral("Pelox-Bild-Dateien (*.jpg)|*.jpg|Alle Dateien (*.*)|*.*|"), 2));
    EXPECT_NEAR(w->BildMitteX, 369.79, 0.01);
    ASSERT_EQ(b.size(), QSize(740, 740));
    EXPECT_EQ(w->lblDateiName->text(), "");  // an export is not the design's file
    // Dark pixels in the square of 3 around the point (x, y) cm from the star's centre.
    const auto schwarz = [&](double x, double y) {
        const QPoint p(int(w->BildMitteX + x * w->PixelProCm), int(w->BildMitteY + y * w->PixelProCm));
        return dunkel(b, QRect(p - QPoint(1, 1), QSize(3, 3)));
    };
    for (int i : {1, 5, 9, 13})
        EXPECT_GT(schwarz(w->PunktX[i], w->PunktY[i]), 0) << "corner " << i;
    // The margin is 11.3 pixels; its outer 10 are white all round.
    EXPECT_EQ(dunkel(b, b.rect()), dunkel(b, b.rect().adjusted(10, 10, -10, -10)));
    // The centre circle of radius 2 pixels: a black ring round a white middle.
    EXPECT_GT(schwarz(2 / w->PixelProCm, 0), 0);
    EXPECT_EQ(dunkel(b, QRect(int(w->BildMitteX), int(w->BildMitteY), 1, 1)), 0);
    w->vsbYFaktor->setValue(5);
    EXPECT_EQ(exportieren(pfad("flach.bmp")).size(), QSize(740, 381));

    // Running as root ignores folder permissions, so the unwritable path is one
    // whose folder is a regular file. After a cancel no name is offered, and
    // the overwrite question stays the only flag.
    schreibe(pfad("datei"), {});
    fileDialog.answers = {pfad("datei/bild.jpg"), QString(), QString()};
    for (int i = 0; i < 3; ++i)
        w->cmdBildSpeichern->click();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(messageBox.shown[0].text.contains(pfad("datei/bild.jpg")));
    EXPECT_TRUE(w->BildPfad.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        (QStringList{"datei", "flach.bmp", "stern.jpg"}));
    EXPECT_TRUE(fileDialog.shown.back().request.fileName.isEmpty());
    EXPECT_EQ(fileDialog.shown.back().request.flags, 2);
}

// Corners pulled far out would need a picture of gigabytes: it is refused
// with a message before anything is allocated, asked or written.
TEST_F(DateiTest, PictureTooLargeToMakeIsRefused)
{
    w->vsbYFaktor->setValue(30);
    w->Radius[1] = 1000;
    w->Radius[5] = 1000;
    w->PeloxBerechnung();
    const QSize vorher = w->picSpeichern->size();
    fileDialog.answers.push_back(pfad("riesig.jpg"));
    w->cmdBildSpeichern->click();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    // 1000 cm right of the centre and 9.5 left, 3000 below and 28.5 above,
    // each with its margin of 0.3 cm.
    const QRegularExpressionMatch m
        = QRegularExpression(QStringLiteral("(\\d+) x (\\d+) Pixel.*20000 Pixel je Seite")).match(messageBox.shown[0].text);
    ASSERT_TRUE(m.hasMatch()) << messageBox.shown[0].text.toStdString();
    EXPECT_NEAR(m.captured(1).toDouble(), 1010.1 * w->PixelProCm, 2);
    EXPECT_NEAR(m.captured(2).toDouble(), 3029.1 * w->PixelProCm, 2);
    EXPECT_TRUE(fileDialog.shown.empty());
    EXPECT_EQ(w->picSpeichern->size(), vorher);
    EXPECT_TRUE(w->picSpeichern->image().isNull());
    EXPECT_FALSE(QFile::exists(pfad("riesig.jpg")));

    // The star back in the picture's bounds is saved as always.
    w->Radius[1] = w->Radius[5] = 9.5;
    w->vsbYFaktor->setValue(10);
    w->cmdBildSpeichern->click();
    EXPECT_TRUE(QFile::exists(pfad("riesig.jpg")));
}
