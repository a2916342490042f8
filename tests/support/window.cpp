// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include "input.h"

int dunkel(const QImage& b, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += b.valid(x, y) && qGray(b.pixel(x, y)) < 128;
    return n;
}

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
