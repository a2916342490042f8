// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "input.h"

#include "platform/picturewidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <cmath>

void sendMouseMove(PictureWidget* pic, double x, double y, int buttons)
{
    // The picture's inner area starts inside its border.
    const int border = (pic->width() - int(std::lround(pic->scaleWidth() / pic->unitsPerPixel()))) / 2;
    const QPointF local(x / pic->unitsPerPixel() + border, y / pic->unitsPerPixel() + border);
    const Qt::MouseButtons held = Qt::MouseButtons::fromInt(buttons);
    QMouseEvent event(QEvent::MouseMove, local, pic->mapToGlobal(local), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(pic, &event);
}
