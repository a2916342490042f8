// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the star as a picture: drawn at true size in screen pixels into the
// hidden picture picSpeichern, trimmed to the corners, written as a bitmap.
#include "app/frmpelox.h"

#include "platform/numbers.h"
#include "platform/picturewidget.h"
#include "platform/savefile.h"
#include "render/figure.h"
#include "star/picturesize.h"

#include <QFileInfo>
#include <cmath>

bool frmPelox::BildGrösseRechnen()
{
    star::BildGrösseRechnen(*this);
    if (!star::BildMachbar(*this)) {
        m_ports.messageBox.show(
            tr(" Das Bild wäre %1 x %2 Pixel groß und kann nicht gespeichert werden; möglich sind "
                           "höchstens %3 Pixel je Seite und %4 MB !! ")
                .arg(numbers::kurz(std::round(BildBreite)), numbers::kurz(std::round(BildHoehe)),
                    QString::number(star::kGroessteBildSeite), QString::number(star::kGroessteBildBytes / 1024 / 1024)),
            tr("Bild zu groß !!"), MessageBoxPort::kExclamation);
        return false;
    }
    // The picture's size is given in whole pixels of its container; its image
    // takes that size when it is cleared.
    picSpeichern->resize(int(std::lround(BildBreite)), int(std::lround(BildHoehe)));
    return true;
}

void frmPelox::SpeichernZeichnen()
{
    drawStar(*picSpeichern, FigureMapping{PixelProCm, BildMitteX, BildMitteY, false});
}

void frmPelox::cmdBildSpeichern_Click()
{
    if (!BildGrösseRechnen())
        return;
    SpeichernZeichnen();

    CommonDialogDatei.FileName = QString::fromStdString(BildPfad);
    CommonDialogDatei.InitDir = m_exportOrdner;
    CommonDialogDatei.Filter =
        tr("Pelox-Bild-Dateien (*.jpg)|*.jpg|") + tr("Alle Dateien (*.*)|*.*|");
    // Set as a bit, so that exporting again leaves the other flags alone.
    CommonDialogDatei.Flags |= CommonDialog::kOverwritePrompt;
    CommonDialogDatei.ShowSave();

    // A cancel leaves the name empty, and the next export offers none.
    BildPfad = CommonDialogDatei.FileName.toStdString();
    if (BildPfad.empty())
        return;
    m_exportOrdner = QFileInfo(CommonDialogDatei.FileName).absolutePath();
    BildSchreiben(CommonDialogDatei.FileName);
}

bool frmPelox::BildSchreiben(const QString& pfad)
{
    // A Windows bitmap whatever the extension of the name.
    const QImage bild = picSpeichern->image();
    return SicherSchreiben(pfad, [&](QIODevice& datei) { return bild.save(&datei, "BMP"); });
}
