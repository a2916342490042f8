// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

// The papers the poster, the net and the sheet of stars are laid out on, by
// the names the dialogs and the command line use: office paper and the
// cutting mats of hobby cutters, which take a sheet of their size.
namespace papier {

struct Format {
    std::string_view name;
    double breiteMm = 0;  // upright
    double hoeheMm = 0;
};

// A4, A3, Letter, Legal, then the mats of 12 × 12 and 12 × 24 inches.
const std::vector<Format>& formate();

// The paper of that name; null for a name not in the list.
const Format* format(std::string_view name);

} // namespace papier
