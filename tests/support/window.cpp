// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include "input.h"

void WindowTest::open()
{
    w.reset();
    w = std::make_unique<frmPelox>(Ports{fileDialog, messageBox, printer, settings});
    w->show();
}

void WindowTest::move(PictureWidget* pic, double x, double y, int buttons)
{
    sendMouseMove(pic, x, y, buttons);
}

double WindowTest::sx(int i) const
{
    return double(w->PunktX[i]) * w->Massstab + w->MitteX;
}

double WindowTest::sy(int i) const
{
    return double(w->PunktY[i]) * w->Massstab + w->MitteY;
}
