// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linecontrol.h"

#include "platform/colors.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

LineControl::LineControl(QWidget* parent, int x1, int x2, int y, BgrColor color)
    : QWidget(parent)
    , m_x1(x1)
    , m_x2(x2)
    , m_y1(y)
    , m_y2(y)
    , m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
}

void LineControl::setY1(double y)
{
    m_y1 = y;
    place();
}

void LineControl::setY2(double y)
{
    m_y2 = y;
    place();
}

void LineControl::place()
{
    const int top = int(std::floor(std::min(m_y1, m_y2)));
    const int bottom = int(std::ceil(std::max(m_y1, m_y2)));
    const QRect area = parentWidget()->contentsRect();
    const QRect line(area.left() + m_x1, area.top() + top, m_x2 - m_x1 + 1, bottom - top + 1);
    setGeometry(line.left(), line.top(), std::min(line.right(), area.right()) - line.left() + 1, line.height());
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(toQColor(m_color));
    const int top = int(std::floor(std::min(m_y1, m_y2)));
    p.drawLine(QPointF(0, m_y1 - top), QPointF(m_x2 - m_x1, m_y2 - top));
}
