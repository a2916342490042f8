// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folded star from the picture's menu: its dialog, the net printed or as
// files (the pages as a PDF, the pieces as an SVG for cutting plotters) and
// the star as a 3D model. A file saved leaves the dialog open for the next
// one; a print job sent closes it.
#include "app/frmpelox.h"

#include "app/faltsterndialog.h"
#include "net/stl.h"
#include "platform/pdffile.h"
#include "platform/sprache.h"
#include "platform/savefile.h"
#include "poster/plan.h"
#include "print/faltnetz.h"

#include <QAction>
#include <QFileInfo>

void frmPelox::FaltsternZeigen()
{
    std::optional<QSizeF> druckerSeite;
    if (m_ports.printer.available()) {
        m_ports.printer.setLandscape(false);
        druckerSeite = m_ports.printer.pageSize();
    }
    dlgFaltstern = new FaltsternDialog(*this, druckerSeite, m_faltsternWahl.get(), this);
    dlgFaltstern->setAttribute(Qt::WA_DeleteOnClose);
    connect(dlgFaltstern, &QDialog::finished, this,
        [this, d = dlgFaltstern.data()] { m_faltsternWahl = std::make_shared<FaltsternWahl>(d->wahl()); });
    connect(dlgFaltstern, &FaltsternDialog::druckenGewaehlt, this, [this] { FaltsternDrucken(); });
    connect(dlgFaltstern, &FaltsternDialog::pdfGewaehlt, this, [this] { FaltsternPdf(); });
    connect(dlgFaltstern, &FaltsternDialog::svgGewaehlt, this, [this] { FaltsternSvg(); });
    connect(dlgFaltstern, &FaltsternDialog::dxfGewaehlt, this, [this] { FaltsternDxf(); });
    connect(dlgFaltstern, &FaltsternDialog::stlGewaehlt, this, [this] { FaltsternStl(); });
    dlgFaltstern->open();
}

void frmPelox::FaltsternDrucken()
{
    const std::optional<netz::Netz>& n = dlgFaltstern->netz();
    if (n && DruckErgebnisMelden(faltnetz::NetzDrucken(m_ports.printer, *n, NetzAngaben(dlgFaltstern->durchmesser()))))
        dlgFaltstern->accept();
}

void frmPelox::FaltsternPdf()
{
    const std::optional<netz::Netz>& n = dlgFaltstern->netz();
    const std::optional<QPageSize> papier = dlgFaltstern->dateiPapier();
    if (!n || !papier)
        return;
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1_Faltstern.pdf"), tr("PDF-Dateien (*.pdf)|*.pdf|"));
    if (!pfad.isEmpty())
        FaltnetzPdfSchreiben(pfad, *n, PdfPaper{*papier});
}

void frmPelox::FaltsternSvg()
{
    const std::optional<netz::Netz>& n = dlgFaltstern->netz();
    if (!n || !dlgFaltstern->dateiPapier())
        return;
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1_Faltstern.svg"), tr("SVG-Dateien (*.svg)|*.svg|"));
    if (!pfad.isEmpty())
        FaltnetzSchreiben(pfad, *n, false);
}

void frmPelox::FaltsternStl()
{
    const std::optional<netz::Koerper>& k = dlgFaltstern->koerper();
    if (!k)
        return;
    const netz::Stl stl = netz::stlDatei(*k, dlgFaltstern->haelften());
    if (stl.daten.empty()) {
        m_ports.messageBox.show(sprache::text(stl.grund), tr("3D-Modell nicht möglich"),
            MessageBoxPort::kExclamation);
        return;
    }
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1_Stern.stl"), tr("3D-Modelle (*.stl)|*.stl|"));
    if (!pfad.isEmpty())
        StlSchreiben(pfad, stl.daten);
}

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

QSizeF frmPelox::NetzPapier(const QPageSize& papier)
{
    const QSizeF twips = PdfPaper{papier}.drawingArea();
    return {faltnetz::cm(twips.width()), faltnetz::cm(twips.height())};
}

bool frmPelox::NetzPdfSchreiben(
    const QString& pfad, const netz::Netz& n, const faltnetz::Angaben& a, const PdfPaper& papier)
{
    return SicherSchreiben(pfad, [&](QIODevice& datei) {
        return writePdf(datei, papier, [&](PrinterPort& pdf) { faltnetz::NetzDrucken(pdf, n, a); });
    });
}
