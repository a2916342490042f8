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
// Qt's default locale becomes zahlen(), for the number fields of the dialogs.
void laden(QCoreApplication& app, const QLocale& locale);

// How the language shown since the last laden (German before any) writes
// its numbers: a decimal comma in German, also under C, a point in English;
// never a group separator. Every number the window and the printouts show or
// read goes by it, so that one text never mixes the two signs.
QLocale zahlen();

// A number the program writes into its own texts, with exactly this many
// decimals: 19,0 in German, 19.0 in English.
QString dezimal(double v, int stellen);

// A text of the core, translated, with its values put in.
QString text(const Phrase& p);

} // namespace sprache
