// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Runs the program: the window, or, with --pdf, --svg, --net and the other
// files, a design written to files without any window.
int runPelox(int argc, char** argv);

// Whether the arguments (the program's name first) ask for files, help or the
// version, or are refused, none of which needs a display. Only what the
// parser takes as options counts: "-vorlage.plx" is no "-v", and nothing
// after "--" is an option.
bool ohneFenster(const QStringList& arguments);
