// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pulling single corners of the star with the left mouse button, and putting
// every corner back on its diameter.
#include "app/frmpelox.h"

#include "platform/picturewidget.h"
#include "star/drag.h"

#include <QPushButton>

void frmPelox::picPelox_MouseMove(int Button, int, double X, double Y)
{
    FangAbstand = 8;
    // The pointer shape is the state of having caught a corner; it changes
    // only while no button is held.
    if (Button == 0) {
        ZiehEcke = star::fangEcke(*this, X, Y);
        picPelox->setPointerShape(ZiehEcke > 0 ? PictureWidget::kHand : 0);
    }
    if (picPelox->pointerShape() != PictureWidget::kHand || Button != 1)
        return;
    // A corner caught before the number of points was lowered is no longer
    // part of the star.
    if (ZiehEcke < 1 || ZiehEcke > AnzahlEcken)
        return;
    // A move too far from the corner loses it for the rest of this drag: the
    // arrow stays until the pointer hovers over a corner with no button held.
    if (!star::inReichweite(*this, ZiehEcke, X, Y)) {
        picPelox->setPointerShape(0);
        return;
    }
    Radius[ZiehEcke] = star::ziehRadius(*this, ZiehEcke, X, Y);
    cmdRückstellen->setEnabled(true);
    Gezogen = 1;
    Neuzeichnen();
}

void frmPelox::cmdRückstellen_Click()
{
    WerteInit();
    Neuzeichnen();
    cmdRückstellen->setEnabled(false);
    Gezogen = 0;
}
