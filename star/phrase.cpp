// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "star/phrase.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>

Phrase Phrase::arg(const Phrase& value) const
{
    Phrase p = *this;
    p.args.push_back(value);
    return p;
}

Phrase Phrase::arg(int value) const
{
    return arg(Phrase(std::to_string(value)));
}

Phrase Phrase::arg(double value, int decimals) const
{
    // Not printf, which follows the C library's locale.
    std::array<char, 400> text{};
    const auto ende = std::to_chars(text.begin(), text.end(), value, std::chars_format::fixed, decimals).ptr;
    Phrase zahl{std::string(text.begin(), ende)};
    zahl.decimal = true;
    return arg(zahl);
}

std::string Phrase::asWritten() const
{
    if (decimal) {
        std::string t = source;
        std::replace(t.begin(), t.end(), '.', ',');
        return t;
    }
    std::vector<std::string> werte;
    for (const Phrase& a : args)
        werte.push_back(a.asWritten());
    return fillIn(source, werte);
}

std::string fillIn(const std::string& vorlage, const std::vector<std::string>& werte)
{
    std::string t;
    for (std::size_t i = 0; i < vorlage.size(); ++i) {
        const char ziffer = i + 1 < vorlage.size() ? vorlage[i + 1] : '\0';
        const std::size_t n = std::size_t(ziffer - '1');
        if (vorlage[i] == '%' && ziffer >= '1' && ziffer <= '9' && n < werte.size()) {
            t += werte[n];
            ++i;
        } else {
            t += vorlage[i];
        }
    }
    return t;
}

std::ostream& operator<<(std::ostream& out, const Phrase& p)
{
    return out << p.asWritten();
}
