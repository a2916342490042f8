// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The star picture's menu: many copies of the design on as few sheets as
// possible, on the printer, as a PDF or as an SVG or DXF for cutting
// machines.
#include "app/frmpelox.h"

#include "app/sternbogendialog.h"
#include "bogen/zeichnen.h"
#include "platform/pdffile.h"
#include "print/sternbogen.h"

#include <QCheckBox>
#include <QFileInfo>

void frmPelox::SternbogenZeigen()
{
    std::optional<QSizeF> druckerSeite;
    if (m_ports.printer.available()) {
        m_ports.printer.setLandscape(false);
        druckerSeite = m_ports.printer.pageSize();
    }
    dlgSternbogen = new SternbogenDialog(*this, druckerSeite, this);
    dlgSternbogen->setAttribute(Qt::WA_DeleteOnClose);
    connect(dlgSternbogen, &SternbogenDialog::druckenGewaehlt, this, [this] { SternbogenDrucken(); });
    connect(dlgSternbogen, &SternbogenDialog::pdfGewaehlt, this, [this] { SternbogenPdf(); });
    connect(dlgSternbogen, &SternbogenDialog::svgGewaehlt, this, [this] { SternbogenSpeichern(false); });
    connect(dlgSternbogen, &SternbogenDialog::dxfGewaehlt, this, [this] { SternbogenSpeichern(true); });
    dlgSternbogen->open();
}

void frmPelox::SternbogenDrucken()
{
    const std::optional<bogen::Bogen>& b = dlgSternbogen->bogen();
    if (b && DruckErgebnisMelden(sternbogen::BogenDrucken(m_ports.printer, *b, EntwurfName(), drawingOptions().pruefmass)))
        dlgSternbogen->accept();
}

void frmPelox::SternbogenPdf()
{
    const std::optional<bogen::Bogen>& b = dlgSternbogen->bogen();
    const std::optional<PdfPaper> papier = dlgSternbogen->pdfPapier();
    if (!b || !papier)
        return;
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1_Sternbogen.pdf"), tr("PDF-Dateien (*.pdf)|*.pdf|"));
    if (pfad.isEmpty())
        return;
    const bool geschrieben = dlgSternbogen->chkNurSchnitt->isChecked()
        ? SchnittPdfSchreiben(pfad, bogen::zeichnen(*b, true, {}), *papier)
        : SternbogenPdfSchreiben(pfad, *b, *papier);
    if (!geschrieben)
        return;
    dlgSternbogen->accept();
}

void frmPelox::SternbogenSpeichern(bool dxf)
{
    const std::optional<bogen::Bogen>& b = dlgSternbogen->bogen();
    if (!b)
        return;
    const QString pfad = dxf
        ? SpeicherDialog(QStringLiteral("Pelox_1_Sternbogen.dxf"), tr("DXF-Dateien (*.dxf)|*.dxf|"))
        : SpeicherDialog(QStringLiteral("Pelox_1_Sternbogen.svg"), tr("SVG-Dateien (*.svg)|*.svg|"));
    const bool nurSchnitt = dlgSternbogen->chkNurSchnitt->isChecked();
    if (pfad.isEmpty()
        || !ZeichnungSchreiben(pfad, bogen::zeichnen(*b, nurSchnitt, EntwurfName().toStdString()), dxf))
        return;
    dlgSternbogen->accept();
}

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
