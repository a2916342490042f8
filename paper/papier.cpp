// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/papier.h"

#include <algorithm>

namespace papier {

const std::vector<Format>& formate()
{
    // The mats are sold as 12 × 12 and 12 × 24 inches and cut to 30.5 and 61 cm.
    static const std::vector<Format> f{
        {"A4", 210, 297},
        {"A3", 297, 420},
        {"Letter", 215.9, 279.4},
        {"Legal", 215.9, 355.6},
        {"mat12x12", 305, 305},
        {"mat12x24", 305, 610},
    };
    return f;
}

const Format* format(std::string_view name)
{
    const auto i = std::find_if(formate().begin(), formate().end(), [name](const Format& f) { return f.name == name; });
    return i == formate().end() ? nullptr : &*i;
}

} // namespace papier
