// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/program.h"

#include <QFileInfo>

// The program from the command line in a language, with no display, and the
// first word of the check scale its pages print in that language.
struct Sprache {
    const char* lang;
    QString erstesWort;
};

inline const Sprache kDeutsch{"de_DE.UTF-8", QStringLiteral("Prüfmaß:")};
inline const Sprache kEnglisch{"en_US.UTF-8", QStringLiteral("Check")};

inline int pelox(const Sprache& s, const QStringList& args)
{
    return starte(QStringLiteral(PELOX_PROGRAM), args,
        {{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}, {"LANGUAGE", ""}, {"LC_ALL", ""},
            {"LC_MESSAGES", ""}, {"LANG", s.lang}})
        .status;
}

// An example design as the build installs it beside the program.
inline QString beispiel(const QString& name)
{
    return QFileInfo(QStringLiteral(PELOX_PROGRAM)).absolutePath() + QStringLiteral("/share/pelox/examples/")
        + name + QStringLiteral(".plx");
}
