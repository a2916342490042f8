// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Drucker einmessen …": the calibration sheet on the default printer, then
// the dialog that turns the measured lengths into the printer's correction.
#include "app/calibration.h"

#include "app/calibrationdialog.h"
#include "app/frmpelox.h"
#include "platform/pdffile.h"
#include "print/einmessblatt.h"

void frmPelox::DruckerEinmessen()
{
    if (!dlgEinmessen) {
        dlgEinmessen = new EinmessDialog(m_ports.settings, m_ports.messageBox, this);
        // The page is measured in corrected twips, so it changes with the correction.
        dlgEinmessen->geaendert = [this] { SeiteMessen(); };
        dlgEinmessen->blattDrucken = [this] { DruckErgebnisMelden(druck::Einmessblatt(m_ports.printer)); };
    }
    dlgEinmessen->Zeigen(m_ports.printer.available() ? m_ports.printer.printerName() : QString());
}

bool EinmessblattSchreiben(const QString& pfad)
{
    return savePdf(pfad, {}, [](PrinterPort& pdf) { druck::Einmessblatt(pdf); });
}
