// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Drucken": the controls as they stand, handed to the print, and a message
// when the printer could not take the star.
#include "app/frmpelox.h"

#include "print/druck.h"

void frmPelox::Drucken()
{
    // Without a printer there is nothing to ask about the sheet.
    if (!m_ports.printer.available()) {
        DruckErgebnisMelden(druck::Ergebnis::KeinDrucker);
        return;
    }
    if (!m_seite)
        SeiteMessen();
    if (PasstAufsPapier(*this, *m_seite, tr("Trotzdem drucken?")))
        DruckErgebnisMelden(druck::Drucken(m_ports.printer, *this, drawingOptions()));
}

bool frmPelox::DruckErgebnisMelden(druck::Ergebnis ergebnis)
{
    QString meldung;
    switch (ergebnis) {
    case druck::Ergebnis::Gedruckt:
        return true;
    case druck::Ergebnis::KeinDrucker:
        meldung = tr(" Es ist kein Drucker eingerichtet !! ");
        break;
    case druck::Ergebnis::Abgelehnt:
        meldung = tr(" Der Drucker hat den Auftrag nicht angenommen, es wurde nichts gedruckt !! ");
        break;
    case druck::Ergebnis::ZweitesBlattFehlt:
        meldung = tr(" Das erste Blatt ist gedruckt, das zweite Blatt konnte nicht gedruckt werden !! ");
        break;
    }
    m_ports.messageBox.show(meldung, tr("Drucken nicht möglich !!"), MessageBoxPort::kExclamation);
    return false;
}

void frmPelox::cmdDrucken_Click()
{
    Drucken();
}
