// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ports.h"
#include "star/state.h"

// Printing the star at true size: on one sheet, centred with its data at the
// top-left, or in two halves on two sheets that are laid together along their
// dashed cut lines.
namespace druck {

// The controls as they stand when "Drucken" is clicked; the print asks the
// controls, not the fields that mirror them.
struct Steuerung {
    bool zweiBlaetter = false;  // chkZweiA4
    bool duenn = true;          // optStrichDicke(0)
    bool dick = false;          // optStrichDicke(1)
    bool dreiD = false;         // optPeloxForm(1)
};

enum class Ergebnis {
    Gedruckt,
    KeinDrucker,        // nothing was printed
    Abgelehnt,          // the (first) job was refused; nothing was printed
    ZweitesBlattFehlt,  // the first sheet was handed over, the second refused
};

Ergebnis Drucken(PrinterPort& drucker, const PeloxState& s, const Steuerung& st);

} // namespace druck
