// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

// The program's own pictures, drawn in code: the window icon (a yellow star on
// a teal square) at any size, and the hand pointer of the two drawing surfaces.
QImage peloxIconImage(int size);
QIcon peloxIcon();
// Draws the icon's images now, on any thread, so that the window need not.
void drawIconAhead();
QCursor handCursor();
