// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

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

} // namespace sprache
