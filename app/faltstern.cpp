// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The net of the folded star as files: the pages as a PDF, the pieces as an
// SVG for cutting plotters.
#include "app/frmpelox.h"

#include "platform/pdffile.h"
#include "platform/savefile.h"
#include "poster/plan.h"
#include "print/faltnetz.h"
#include "render/netzsvg.h"

#include <QFileInfo>

netz::Ergebnis frmPelox::Faltnetz(double durchmesser, const netz::Vorgabe& v) const
{
    return netz::entfalten(poster::skaliert(*this, durchmesser), v);
}

faltnetz::Angaben frmPelox::NetzAngaben(double durchmesser) const
{
    const QString name = DateiPfad.empty() ? tr("(nicht gespeichert)")
                                           : QFileInfo(QString::fromStdString(DateiPfad)).fileName();
    return {name, durchmesser, mnuPruefmass->isChecked()};
}

QSizeF frmPelox::NetzPapier(QPageSize::PageSizeId papier)
{
    const QSizeF twips = PdfPaper{papier}.drawingArea();
    return {faltnetz::cm(twips.width()), faltnetz::cm(twips.height())};
}

bool frmPelox::NetzPdfSchreiben(
    const QString& pfad, const netz::Netz& n, const faltnetz::Angaben& a, QPageSize::PageSizeId papier)
{
    return SicherSchreiben(pfad, [&](QIODevice& datei) {
        return writePdf(datei, PdfPaper{papier}, [&](PrinterPort& pdf) { faltnetz::NetzDrucken(pdf, n, a); });
    });
}

bool frmPelox::NetzSvgSchreiben(const QString& pfad, const netz::Netz& n, const faltnetz::Angaben& a)
{
    const QByteArray svg = netzSvg(n, a.name);
    return SicherSchreiben(pfad, [&](QIODevice& datei) { return datei.write(svg) == svg.size(); });
}
