// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The star picture's menu: the design at any size over several sheets, on
// the printer or as a PDF.
#include "app/frmpelox.h"

#include "app/posterdialog.h"
#include "platform/pdffile.h"
#include "print/poster.h"

#include <QAction>
#include <QLabel>

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
    const druck::Ergebnis e = poster::PosterDrucken(m_ports.printer, dlgPoster->poster());
    if (e == druck::Ergebnis::Gedruckt) {
        dlgPoster->accept();
        return;
    }
    m_ports.messageBox.show(e == druck::Ergebnis::KeinDrucker
            ? QStringLiteral(" Es ist kein Drucker eingerichtet !! ")
            : QStringLiteral(" Der Drucker hat den Auftrag nicht angenommen, es wurde nichts gedruckt !! "),
        QStringLiteral("Drucken nicht möglich !!"), MessageBoxPort::kExclamation);
}

void frmPelox::PosterSpeichern()
{
    const std::optional<QPageSize::PageSizeId> papier = dlgPoster->pdfPapier();
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1_Poster.pdf"), QStringLiteral("PDF-Dateien (*.pdf)|*.pdf|"));
    if (!papier || pfad.isEmpty() || !PosterPdfSchreiben(pfad, dlgPoster->vorgabe(), *papier))
        return;
    lblDateiName->setText(pfad);
    dlgPoster->accept();
}

bool frmPelox::PosterPdfSchreiben(const QString& pfad, const poster::Vorgabe& v, QPageSize::PageSizeId papier)
{
    PdfFilePrinter pdf(papier);
    poster::PosterDrucken(pdf, poster::entwerfen(*this, drawingOptions(), v, PdfFilePrinter::drawingArea(papier)));
    const QByteArray inhalt = pdf.pdf();
    return SicherSchreiben(
        pfad, [&](QIODevice& datei) { return !inhalt.isEmpty() && datei.write(inhalt) == inhalt.size(); });
}
