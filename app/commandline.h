// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Runs the program: the window, or, with --pdf, --svg or --bmp, a design
// written to a file without any window.
int runPelox(int argc, char** argv);

// Whether the arguments (the program's name first) ask for files, help or the
// version, which need no display. Only what the parser takes as those options
// counts: "-vorlage.plx" is no "-v", and nothing after "--" is an option.
bool ohneFenster(const QStringList& arguments);
