// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "star/phrase.h"

#include <QLocale>
#include <QString>

class QCoreApplication;

// The language the program speaks. Its texts are written in German; every
// other language it has no translation for gets English. Stored files and
// settings never depend on it.
namespace sprache {

// German for a German desktop, and where no language is set at all (C, POSIX).
bool deutsch(const QLocale& locale);

// The desktop's first language for messages.
QLocale desktop();

// Installs the program's translation and Qt's own for the standard dialogs,
// in place of those installed before; they live as long as the application.
void laden(QCoreApplication& app, const QLocale& locale);

// A number the program writes into its own texts, with exactly this many
// decimals and the decimal sign of the language they are shown in since the
// last laden (German before any): 19,0 in German, also under C, 19.0 in
// English. Numbers in the user's locale are another thing (platform/numbers.h).
QString dezimal(double v, int stellen);

// A text of the core, translated, with its values put in.
QString text(const Phrase& p);

} // namespace sprache
