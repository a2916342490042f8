// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files for cutting machines and lasers: the outline and the net as DXF, and
// either with only what is cut and folded, as DXF, SVG or PDF.
#include "app/frmpelox.h"

#include "app/faltsterndialog.h"
#include "app/schnittwahl.h"
#include "net/zeichnen.h"
#include "platform/pdffile.h"
#include "platform/sprache.h"
#include "print/druck.h"
#include "print/faltnetz.h"
#include "print/schnittpdf.h"
#include "render/dxf.h"
#include "render/netzsvg.h"
#include "render/umrisszeichnung.h"

#include <QLabel>

namespace {

constexpr double kTwipsProMm = 1440 / 25.4;

} // namespace

void frmPelox::DxfSpeichern()
{
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1.dxf"), tr("DXF-Dateien (*.dxf)|*.dxf|"));
    if (!pfad.isEmpty())
        DxfSchreiben(pfad, mnuNurSchnitt->isChecked());
}

void frmPelox::SchnittPdfSpeichern()
{
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1.pdf"), tr("PDF-Dateien (*.pdf)|*.pdf|"));
    if (!pfad.isEmpty())
        SchnittPdfSchreiben(pfad, umrissZeichnung(*this, false, true), PdfPaper{});
}

void frmPelox::FaltsternDxf()
{
    const std::optional<netz::Netz>& n = dlgFaltstern->netz();
    if (!n || !dlgFaltstern->dateiPapier())
        return;
    const QString pfad = SpeicherDialog(QStringLiteral("Pelox_1_Faltstern.dxf"), tr("DXF-Dateien (*.dxf)|*.dxf|"));
    if (!pfad.isEmpty())
        FaltnetzSchreiben(pfad, *n, true);
}

bool frmPelox::FaltnetzPdfSchreiben(const QString& pfad, const netz::Netz& n, const PdfPaper& papier)
{
    const faltnetz::Angaben angaben = NetzAngaben(dlgFaltstern->durchmesser());
    const zeichnung::Umfang u = dlgFaltstern->schnittWahl->umfang();
    if (!u.nurSchnitt)
        return NetzPdfSchreiben(pfad, n, angaben, papier);
    return SchnittPdfSchreiben(pfad, netz::zeichnen(n, u, angaben.name.toStdString()), papier);
}

bool frmPelox::FaltnetzSchreiben(const QString& pfad, const netz::Netz& n, bool dxf)
{
    const QString name = NetzAngaben(dlgFaltstern->durchmesser()).name;
    return ZeichnungSchreiben(pfad, netz::zeichnen(n, dlgFaltstern->schnittWahl->umfang(), name.toStdString()), dxf);
}

bool frmPelox::DxfSchreiben(const QString& pfad, bool nurSchnitt)
{
    return ZeichnungSchreiben(pfad, umrissZeichnung(*this, drawingOptions().dreiD, nurSchnitt), true);
}

bool frmPelox::ZeichnungSchreiben(const QString& pfad, const zeichnung::Zeichnung& z, bool dxf)
{
    const QByteArray bytes = dxf ? dxfDatei(z) : netzSvg(z);
    return SicherSchreiben(pfad, [&](QIODevice& datei) { return !bytes.isEmpty() && datei.write(bytes) == bytes.size(); });
}

bool frmPelox::SchnittPdfSchreiben(const QString& pfad, const zeichnung::Zeichnung& z, const PdfPaper& papier)
{
    const QSizeF flaeche = papier.drawingArea();
    const bool quer = schnittQuer(z);
    const double breite = (quer ? flaeche.height() : flaeche.width()) / kTwipsProMm;
    const double hoehe = (quer ? flaeche.width() : flaeche.height()) / kTwipsProMm;
    if (z.blattBreite > breite + 1e-6 || z.hoehe > hoehe + 1e-6) {
        m_ports.messageBox.show(tr("Die Schnittlinien (%1 × %2 mm) passen nicht auf die Seite (%3 × %4 mm).")
                                    .arg(sprache::dezimal(z.blattBreite, 1), sprache::dezimal(z.hoehe, 1),
                                        sprache::dezimal(breite, 1), sprache::dezimal(hoehe, 1)),
            tr("Speichern nicht möglich !!"), MessageBoxPort::kExclamation);
        return false;
    }
    return SicherSchreiben(pfad, [&](QIODevice& datei) {
        return writePdf(datei, papier, [&](PrinterPort& pdf) { schnittZeichnen(pdf, z); });
    });
}
