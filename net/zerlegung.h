// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/anordnung.h"
#include "net/teile.h"

// Where each half is cut: into as few pieces as fit the sheet, or, where it
// saves a sheet, into smaller ones.
namespace netz {

// Whether every edge's faces alone, with their tabs at full width, fit the
// sheet: the smallest piece a half is cut into.
bool einzelnePassen(const Haelfte& h, double breite, double hoehe);

struct Zerlegung {
    std::vector<std::vector<Lauf>> laeufe;  // per half, in order round it
    // Of all runs, half after half, and so for each copy in turn.
    Anordnung anordnung;
};

// The runs of one star; the sheets they take are counted with kopien stars'
// runs laid out together.
Zerlegung zerlegen(const std::vector<Haelfte>& haelften, Ziel ziel, double breite, double hoehe, int kopien);

} // namespace netz
