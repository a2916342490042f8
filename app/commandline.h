// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the program: the window, or, with --pdf, --svg or --bmp, a design
// written to a file without any window.
int runPelox(int argc, char** argv);
