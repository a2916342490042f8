// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Drucken": the controls as they stand, handed to the print, and a message
// when the printer could not take the star.
#include "app/frmpelox.h"

#include "print/druck.h"

#include <QCheckBox>
#include <QRadioButton>

void frmPelox::Drucken()
{
    druck::Steuerung st;
    st.zweiBlaetter = chkZweiA4->isChecked();
    st.duenn = optStrichDicke[0]->isChecked();
    st.dick = optStrichDicke[1]->isChecked();
    st.dreiD = optPeloxForm[1]->isChecked();

    const QString titel = QStringLiteral("Drucken nicht möglich !!");
    switch (druck::Drucken(m_ports.printer, *this, st)) {
    case druck::Ergebnis::Gedruckt:
        break;
    case druck::Ergebnis::KeinDrucker:
        m_ports.messageBox.show(
            QStringLiteral(" Es ist kein Drucker eingerichtet !! "), titel, MessageBoxPort::kExclamation);
        break;
    case druck::Ergebnis::Abgelehnt:
        m_ports.messageBox.show(QStringLiteral(" Der Drucker hat den Auftrag nicht angenommen, es wurde nichts gedruckt !! "),
            titel, MessageBoxPort::kExclamation);
        break;
    case druck::Ergebnis::ZweitesBlattFehlt:
        m_ports.messageBox.show(
            QStringLiteral(" Das erste Blatt ist gedruckt, das zweite Blatt konnte nicht gedruckt werden !! "), titel,
            MessageBoxPort::kExclamation);
        break;
    }
}

void frmPelox::cmdDrucken_Click()
{
    Drucken();
}
