// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The star picture's menu: many copies of the design on as few sheets as
// possible, on the printer, as a PDF or as an SVG for cutting machines.
#include "app/frmpelox.h"

#include "platform/pdffile.h"
#include "print/sternbogen.h"
#include "render/sternbogensvg.h"

#include <QFileInfo>

QString frmPelox::EntwurfName() const
{
    return DateiPfad.empty() ? tr("(nicht gespeichert)") : QFileInfo(QString::fromStdString(DateiPfad)).fileName();
}

bool frmPelox::SternbogenPdfSchreiben(const QString& pfad, const bogen::Bogen& b, const PdfPaper& papier)
{
    const bool pruefmass = drawingOptions().pruefmass;
    return SicherSchreiben(pfad, [&](QIODevice& datei) {
        return writePdf(
            datei, papier, [&](PrinterPort& pdf) { sternbogen::BogenDrucken(pdf, b, EntwurfName(), pruefmass); });
    });
}

bool frmPelox::SternbogenSvgSchreiben(const QString& pfad, const bogen::Bogen& b)
{
    const QByteArray svg = sternbogenSvg(b);
    return SicherSchreiben(pfad, [&](QIODevice& datei) { return datei.write(svg) == svg.size(); });
}
