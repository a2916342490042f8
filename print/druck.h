// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper/blatt.h"
#include "platform/ports.h"
#include "star/state.h"

#include <optional>

// Printing the star at true size: on one sheet, centred with its data at the
// top-left, or in two halves on two sheets that are laid together along their
// dashed cut lines. Every sheet may carry a check scale in a free corner.
namespace druck {

// The centre mark on paper, in twips.
inline constexpr double kMittenKreis = 60;

// The controls as they stand when "Drucken" is clicked; the print asks the
// controls, not the fields that mirror them.
struct Steuerung {
    bool zweiBlaetter = false;  // chkZweiA4
    bool duenn = true;          // optStrichDicke(0)
    bool dick = false;          // optStrichDicke(1)
    bool dreiD = false;         // optPeloxForm(1)
    bool pruefmass = true;      // "Prüfmaß mitdrucken" in the picture's menu
};

enum class Ergebnis {
    Gedruckt,
    KeinDrucker,        // nothing was printed
    Abgelehnt,          // the (first) job was refused; nothing was printed
    ZweitesBlattFehlt,  // the first sheet was handed over, the second refused
};

Ergebnis Drucken(PrinterPort& drucker, const PeloxState& s, const Steuerung& st);

// A star that runs off the printable area: its size on the paper and the
// size of the area it has (on two sheets both drawing areas joined at the
// cut lines), in cm.
struct Ueberstand {
    double sternBreite = 0;
    double sternHoehe = 0;
    double flaecheBreite = 0;
    double flaecheHoehe = 0;
};

// Whether the star, every line of it with the bend points, spokes and the
// centre mark, lies inside the drawing area of each sheet of a page this
// size (twips); what runs off, if not.
std::optional<Ueberstand> Pruefen(const PeloxState& s, const Steuerung& st, double seiteBreite, double seiteHoehe);

// The check scale, when it is switched on, in the first free corner of the
// area of the sheet, clear of everything in belegt; none where every corner
// is taken.
void PruefmassDrucken(PrinterPort& drucker, const Steuerung& st, const blatt::Inhalt& belegt, const blatt::Rechteck& bereich);

} // namespace druck
