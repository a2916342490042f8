// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PictureWidget;

// A real mouse move over a picture, at a position in the picture's own unit
// (pixels or twips), with the buttons held as the set 1 left, 2 right, 4 middle.
void sendMouseMove(PictureWidget* pic, double x, double y, int buttons);
