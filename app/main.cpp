// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

int main(int argc, char** argv)
{
    return runPelox(argc, argv);
}
