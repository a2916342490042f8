// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The star picture's menu: the star at true size as files for those who print
// elsewhere or cut with a plotter.
#include "app/frmpelox.h"

#include "platform/pdffile.h"
#include "platform/picturewidget.h"
#include "print/druck.h"
#include "render/svg.h"
#include "star/corners.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void frmPelox::picPelox_ContextMenu(const QPoint& globalPos)
{
    mnuBild->popup(globalPos);
}

QString frmPelox::SpeicherDialog(const QString& name, const QString& filter)
{
    CommonDialogDatei.FileName = QDir(m_exportOrdner).filePath(name);
    CommonDialogDatei.InitDir = m_exportOrdner;
    CommonDialogDatei.Filter = filter + tr("Alle Dateien (*.*)|*.*|");
    CommonDialogDatei.Flags |= CommonDialog::kOverwritePrompt;
    CommonDialogDatei.ShowSave();
    if (!CommonDialogDatei.FileName.isEmpty())
        m_exportOrdner = QFileInfo(CommonDialogDatei.FileName).absolutePath();
    return CommonDialogDatei.FileName;
}

void frmPelox::PdfSpeichern()
{
    if (!PdfPasst())
        return;
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1.pdf"), tr("PDF-Dateien (*.pdf)|*.pdf|"));
    if (!pfad.isEmpty())
        PdfSchreiben(pfad);
}

void frmPelox::SvgSpeichern()
{
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1.svg"), tr("SVG-Dateien (*.svg)|*.svg|"));
    if (!pfad.isEmpty())
        SvgSchreiben(pfad);
}

bool frmPelox::PdfSchreiben(const QString& pfad)
{
    return SicherSchreiben(pfad, [&](QIODevice& datei) {
        return writePdf(datei, {}, [&](PrinterPort& pdf) { druck::Drucken(pdf, AufPdfSeite(pdf.pageSize()), drawingOptions()); });
    });
}

// The printout as it would come from "Drucken", centred on the PDF's page
// instead of the printer's.
PeloxState frmPelox::AufPdfSeite(const QSizeF& seite) const
{
    PeloxState s = *this;
    s.DruckMitteX = star::halbeGanzzahl(seite.width());
    s.DruckMitteY = star::halbeGanzzahl(seite.height());
    return s;
}

bool frmPelox::SvgSchreiben(const QString& pfad)
{
    const druck::Steuerung st = drawingOptions();
    const QByteArray svg = starSvg(*this, st.dreiD, st.dick);
    return SicherSchreiben(pfad, [&](QIODevice& datei) { return datei.write(svg) == svg.size(); });
}
