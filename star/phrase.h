// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// What the core tells the user it writes in German and marks for translation
// with its context: PELOX_TEXT("netz", "Das Papier ist zu klein."). lupdate
// knows the mark as QT_TRANSLATE_NOOP; the Qt side translates the text where
// it is shown and puts in its values.
#define PELOX_TEXT(context, source) ::Phrase(context, source)

// A text of the core: a template with %1, %2 ... and a value for each, which
// is a text of its own, a number or a name shown as it is.
struct Phrase {
    const char* context = nullptr;  // none: source is shown as it is
    std::string source;
    std::vector<Phrase> args;
    bool decimal = false;  // source is a number, written with a point

    Phrase() = default;
    Phrase(const char* context, const char* source) : context(context), source(source) {}
    // A name or a number to show as it is, in any language.
    explicit Phrase(std::string asItIs) : source(std::move(asItIs)) {}

    // The template with one more value, for the next %n.
    Phrase arg(const Phrase& value) const;
    Phrase arg(int value) const;
    // With exactly this many decimals, in the decimal sign of the language.
    Phrase arg(double value, int decimals) const;

    bool empty() const { return source.empty(); }
    // In German, untranslated, with a decimal comma.
    std::string asWritten() const;
};

// A template's %1 ... %9 replaced by the values, in one pass, so that a value
// that holds a % is taken as it is.
std::string fillIn(const std::string& vorlage, const std::vector<std::string>& werte);

std::ostream& operator<<(std::ostream& out, const Phrase& p);
