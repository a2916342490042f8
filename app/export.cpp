// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the star as a picture: drawn at true size in screen pixels into the
// hidden picture picSpeichern, trimmed to the corners, written as a bitmap.
#include "app/frmpelox.h"

#include "platform/picturewidget.h"
#include "render/figure.h"
#include "star/picturesize.h"

#include <QLabel>
#include <QSaveFile>
#include <cmath>

namespace {

// A Windows bitmap whatever the extension of the name. The picture goes to a
// temporary file beside the target that replaces it only once complete, so a
// failed write leaves neither a partial picture nor a damaged old one.
bool alsBitmapSpeichern(const QImage& bild, const QString& pfad)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    return bild.save(&datei, "BMP") && datei.commit();
}

} // namespace

void frmPelox::BildGrösseRechnen()
{
    star::BildGrösseRechnen(*this);
    // The picture's size is given in whole pixels of its container; its image
    // takes that size when it is cleared.
    picSpeichern->resize(int(std::lround(BildBreite)), int(std::lround(BildHoehe)));
}

void frmPelox::SpeichernZeichnen()
{
    drawStar(*picSpeichern, FigureMapping{PixelProCm, BildMitteX, BildMitteY, false});
}

void frmPelox::cmdBildSpeichern_Click()
{
    BildGrösseRechnen();
    SpeichernZeichnen();

    CommonDialogDatei.FileName = QString::fromStdString(BildPfad);
    CommonDialogDatei.InitDir = QString::fromStdString(Pfad);
    CommonDialogDatei.Filter =
        QStringLiteral("Pelox-Bild-Dateien (*.jpg)|*.jpg|") + QStringLiteral("Alle Dateien (*.*)|*.*|");
    // Set as a bit, so that exporting again leaves the other flags alone.
    CommonDialogDatei.Flags |= CommonDialog::kOverwritePrompt;
    CommonDialogDatei.ShowSave();

    // A cancel leaves the name empty, and the next export offers none.
    BildPfad = CommonDialogDatei.FileName.toStdString();
    if (BildPfad.empty())
        return;
    if (!alsBitmapSpeichern(picSpeichern->image(), CommonDialogDatei.FileName)) {
        m_ports.messageBox.show(
            QStringLiteral(" Die Datei %1 kann nicht geschrieben werden !! ").arg(CommonDialogDatei.FileName),
            QStringLiteral("Speichern nicht möglich !!"), MessageBoxPort::kExclamation);
        return;
    }
    lblDateiName->setText(CommonDialogDatei.FileName);
}
