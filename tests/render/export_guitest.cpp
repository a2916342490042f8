// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/dateitest.h"

#include "platform/picturewidget.h"
#include "platform/scrollbar.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>

namespace {

class ExportTest : public DateiTest {
protected:
    // Exports through the button under the given full name and reads back
    // what was written there, strictly as a bitmap.
    QImage exportieren(const QString& datei)
    {
        fileDialog.answers.push_back(datei);
        w->cmdBildSpeichern->click();
        const QByteArray bytes = inhalt(datei);
        EXPECT_TRUE(bytes.startsWith("BM")) << datei.toStdString();
        return QImage::fromData(bytes, "BMP");
    }

    // How many dark pixels the picture has in the square of 3 around the point
    // (x, y) cm from the star's centre, or in the rectangle r.
    int schwarz(const QImage& b, double x, double y) const
    {
        const QPoint p(int(w->BildMitteX + x * w->PixelProCm), int(w->BildMitteY + y * w->PixelProCm));
        return schwarz(b, QRect(p - QPoint(1, 1), QSize(3, 3)));
    }
    static int schwarz(const QImage& b, const QRect& r)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += b.valid(x, y) && qGray(b.pixel(x, y)) < 128;
        return n;
    }
};

} // namespace

TEST_F(ExportTest, DefaultStarIsABitmapAtTrueSizeWhateverTheName)
{
    ASSERT_FLOAT_EQ(w->TwipsProPixel, 15);
    const QImage b = exportieren(pfad(QStringLiteral("stern.jpg")));

    ASSERT_EQ(fileDialog.shown.size(), 1u);
    const FileDialogRequest& r = fileDialog.shown[0].request;
    const QString ordner = QDir::currentPath() + QDir::separator();
    EXPECT_TRUE(fileDialog.shown[0].save);
    EXPECT_EQ(r.fileName, ordner + QStringLiteral("Pelox_1.jpg"));
    EXPECT_EQ(r.initDir, ordner);
    EXPECT_EQ(r.filter, QStringLiteral("Pelox-Bild-Dateien (*.jpg)|*.jpg|Alle Dateien (*.*)|*.*|"));
    EXPECT_EQ(r.flags, 2);

    EXPECT_NEAR(w->BildMitteX, 369.79, 0.01);
    EXPECT_NEAR(w->BildMitteY, 369.79, 0.01);
    ASSERT_EQ(b.size(), QSize(740, 740));
    EXPECT_EQ(w->lblDateiName->text(), pfad(QStringLiteral("stern.jpg")));
    for (int i : {1, 5, 9, 13})
        EXPECT_GT(schwarz(b, w->PunktX[i], w->PunktY[i]), 0) << "corner " << i;
    // The margin is 11.3 pixels; its outer 10 are white all round.
    EXPECT_EQ(schwarz(b, b.rect()), schwarz(b, b.rect().adjusted(10, 10, -10, -10)));
    // The centre circle of radius 2 pixels: a black ring round a white middle.
    EXPECT_GT(schwarz(b, 2 / w->PixelProCm, 0), 0);
    EXPECT_EQ(schwarz(b, QRect(int(w->BildMitteX), int(w->BildMitteY), 1, 1)), 0);

    w->vsbYFaktor->setValue(5);
    EXPECT_EQ(exportieren(pfad(QStringLiteral("flach.bmp"))).size(), QSize(740, 381));
}

// Running as root ignores folder permissions, so the unwritable path is one
// whose folder is a regular file.
TEST_F(ExportTest, AnUnwritablePathOrACancelLeaveNoFile)
{
    schreibe(pfad(QStringLiteral("datei")), {});
    fileDialog.answers = {pfad(QStringLiteral("datei/bild.jpg")), QString(), QString()};
    for (int i = 0; i < 3; ++i)
        w->cmdBildSpeichern->click();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(messageBox.shown[0].text.contains(pfad(QStringLiteral("datei/bild.jpg"))));
    EXPECT_TRUE(w->BildPfad.empty());
    EXPECT_TRUE(w->lblDateiName->text().isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{QStringLiteral("datei")});
    // After a cancel no name is offered; the overwrite question stays one flag.
    EXPECT_TRUE(fileDialog.shown[2].request.fileName.isEmpty());
    EXPECT_EQ(fileDialog.shown[2].request.flags, 2);
}

TEST_F(ExportTest, ButtonIsOffWhileTwoSheetsAreSet)
{
    w->chkZweiA4->setChecked(true);
    EXPECT_FALSE(w->cmdBildSpeichern->isEnabled());
    w->chkZweiA4->setChecked(false);
    EXPECT_TRUE(w->cmdBildSpeichern->isEnabled());
}
