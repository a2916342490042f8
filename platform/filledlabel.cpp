// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filledlabel.h"

#include <QPainter>

void FilledLabel::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(rect(), palette().window());
    QLabel::paintEvent(event);
}
