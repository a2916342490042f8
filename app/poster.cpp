// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The star picture's menu: the design at any size over several sheets, on
// the printer or as a PDF.
#include "app/frmpelox.h"

#include "app/posterdialog.h"
#include "platform/pdffile.h"
#include "print/poster.h"

#include <QAction>

void frmPelox::PosterZeigen()
{
    std::optional<QSizeF> druckerSeite;
    if (m_ports.printer.available()) {
        m_ports.printer.setLandscape(false);
        druckerSeite = m_ports.printer.pageSize();
    }
    dlgPoster = new PosterDialog(*this, drawingOptions(), druckerSeite, this);
    dlgPoster->setAttribute(Qt::WA_DeleteOnClose);
    connect(dlgPoster, &PosterDialog::druckenGewaehlt, this, [this] { PosterDrucken(); });
    connect(dlgPoster, &PosterDialog::pdfGewaehlt, this, [this] { PosterSpeichern(); });
    dlgPoster->open();
}

void frmPelox::PosterDrucken()
{
    if (DruckErgebnisMelden(poster::PosterDrucken(m_ports.printer, dlgPoster->poster())))
        dlgPoster->accept();
}

void frmPelox::PosterSpeichern()
{
    const std::optional<PdfPaper> papier = dlgPoster->pdfPapier();
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1_Poster.pdf"), tr("PDF-Dateien (*.pdf)|*.pdf|"));
    if (!papier || pfad.isEmpty() || !PosterPdfSchreiben(pfad, dlgPoster->vorgabe(), *papier))
        return;
    dlgPoster->accept();
}

bool frmPelox::PosterPdfSchreiben(const QString& pfad, const poster::Vorgabe& v, const PdfPaper& papier)
{
    const poster::Poster p = poster::entwerfen(*this, drawingOptions(), v, papier.drawingArea());
    return SicherSchreiben(
        pfad, [&](QIODevice& datei) { return writePdf(datei, papier, [&](PrinterPort& pdf) { poster::PosterDrucken(pdf, p); }); });
}
