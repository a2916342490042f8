// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picturewidget.h"
#include "platform/scrollbar.h"
#include "support/window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

class ExportTest : public WindowTest {
protected:
    QTemporaryDir dir;

    // Clicks the button, answers the dialog with dir/name (no name: cancel)
    // and reads back what was written there, strictly as a bitmap.
    QImage exportieren(const QString& name = {})
    {
        const QString pfad = name.isEmpty() ? QString() : dir.filePath(name);
        fileDialog.answers.push_back(pfad);
        w->cmdBildSpeichern->click();
        QFile datei(pfad);
        if (pfad.isEmpty() || !datei.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = datei.readAll();
        EXPECT_TRUE(bytes.startsWith("BM")) << name.toStdString();
        return QImage::fromData(bytes, "BMP");
    }

    static int schwarz(const QImage& b, const QRect& r)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += b.valid(x, y) && qGray(b.pixel(x, y)) < 128;
        return n;
    }
    // The pixel holding (x, y) and its eight neighbours.
    static QRect um(double x, double y) { return {int(x) - 1, int(y) - 1, 3, 3}; }
    QRect ecke(int i) const
    {
        return um(w->BildMitteX + double(w->PunktX[i]) * w->PixelProCm,
            w->BildMitteY + double(w->PunktY[i]) * w->PixelProCm);
    }
};

} // namespace

TEST_F(ExportTest, DefaultStarIsABitmapAtTrueSizeWhateverTheName)
{
    ASSERT_FLOAT_EQ(w->TwipsProPixel, 15);
    const QImage bildschirm = w->picPelox->image();
    const QImage b = exportieren(QStringLiteral("stern.jpg"));

    ASSERT_EQ(fileDialog.shown.size(), 1u);
    const FileDialogRequest& r = fileDialog.shown[0].request;
    const QString pfad = QDir::currentPath() + QDir::separator();
    EXPECT_TRUE(fileDialog.shown[0].save);
    EXPECT_EQ(r.fileName, pfad + QStringLiteral("Pelox_1.jpg"));
    EXPECT_EQ(r.initDir, pfad);
    EXPECT_EQ(r.filter, QStringLiteral("Pelox-Bild-Dateien (*.jpg)|*.jpg|Alle Dateien (*.*)|*.*|"));
    EXPECT_EQ(r.flags, 2);

    EXPECT_NEAR(w->BildMitteX, 369.79, 0.01);
    EXPECT_NEAR(w->BildMitteY, 369.79, 0.01);
    ASSERT_EQ(b.size(), QSize(740, 740));
    EXPECT_EQ(b, w->picSpeichern->image().convertToFormat(b.format()));
    EXPECT_EQ(w->lblDateiName->text(), dir.filePath(QStringLiteral("stern.jpg")));
    EXPECT_EQ(w->picPelox->image(), bildschirm);

    for (int i : {1, 5, 9, 13})
        EXPECT_GT(schwarz(b, ecke(i)), 0) << "corner " << i;
    // The margin is 11.3 pixels; its outer 10 are white all round.
    EXPECT_EQ(schwarz(b, b.rect()), schwarz(b, b.rect().adjusted(10, 10, -10, -10)));
    // The centre circle of radius 2 pixels: a black ring round a white middle.
    EXPECT_GT(schwarz(b, um(w->BildMitteX + 2, w->BildMitteY)), 0);
    EXPECT_EQ(schwarz(b, QRect(int(w->BildMitteX), int(w->BildMitteY), 1, 1)), 0);
}

TEST_F(ExportTest, ThicknessFormHeightAndBendFollowTheStar)
{
    const int duenn = schwarz(exportieren(QStringLiteral("duenn.bmp")), QRect(0, 0, 740, 740));
    w->optStrichDicke[1]->setChecked(true);
    EXPECT_GT(schwarz(exportieren(QStringLiteral("dick.bmp")), QRect(0, 0, 740, 740)), duenn * 1.6);

    // Halfway along the spoke to corner 1, which only "Drei-D" draws.
    const QRect speiche = um((w->BildMitteX * 2 + 9.5 * w->PixelProCm) / 2, w->BildMitteY);
    EXPECT_EQ(schwarz(exportieren(QStringLiteral("normal.bmp")), speiche), 0);
    w->optPeloxForm[1]->setChecked(true);
    EXPECT_GT(schwarz(exportieren(QStringLiteral("dreid.bmp")), speiche), 0);

    w->vsbYFaktor->setValue(5);
    EXPECT_EQ(exportieren(QStringLiteral("flach.bmp")).size(), QSize(740, 381));

    // Two spikes, 1 cm inside, every edge bent 1.5 cm outward: the picture
    // keeps the corners' height, 2 x 0.8 cm, and the bends run off it.
    w->vsbYFaktor->setValue(10);
    w->hsbAnzahl->setValue(2);
    w->hsbInnen->setValue(2);
    w->KurvenWert = {0, -1.5f, -1.5f, -1.5f, 0};
    w->KurveEin = true;
    w->Neuzeichnen();
    const QImage b = exportieren(QStringLiteral("gebogen.bmp"));
    ASSERT_EQ(b.size(), QSize(740, 60));
    EXPECT_GT(schwarz(b, QRect(0, 0, 740, 1)), 0);
    EXPECT_GT(schwarz(b, QRect(0, 59, 740, 1)), 0);
}

// Running as root ignores folder permissions, so the unwritable path is one
// whose folder is a regular file.
TEST_F(ExportTest, CancelOrAnUnwritablePathLeaveNoFileAndTheLabelAlone)
{
    QFile datei(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.close();
    exportieren(QStringLiteral("datei/bild.jpg"));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].title, QStringLiteral("Speichern nicht möglich !!"));
    EXPECT_EQ(messageBox.shown[0].flags, 48);
    EXPECT_TRUE(messageBox.shown[0].text.contains(dir.filePath(QStringLiteral("datei/bild.jpg"))));

    exportieren();
    exportieren();
    EXPECT_TRUE(w->BildPfad.empty());
    EXPECT_TRUE(fileDialog.shown[2].request.fileName.isEmpty());
    // The overwrite question is one flag, however often it is switched on.
    EXPECT_EQ(fileDialog.shown[2].request.flags, 2);
    EXPECT_TRUE(w->lblDateiName->text().isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList{QStringLiteral("datei")});
    EXPECT_EQ(datei.size(), 0);
}

TEST_F(ExportTest, ButtonIsOffWhileTwoSheetsAreSet)
{
    w->chkZweiA4->setChecked(true);
    EXPECT_FALSE(w->cmdBildSpeichern->isEnabled());
    w->chkZweiA4->setChecked(false);
    EXPECT_TRUE(w->cmdBildSpeichern->isEnabled());
}
