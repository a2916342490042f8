// SPDX-FileCopyrightText: 2026 Pelox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/drawing.h"

#include <QWidget>

// A horizontal line control on a picture, drawn above what the picture shows.
// Its two ends have the heights Y1 and Y2, in pixels of the picture's drawing
// area inside its border, where the picture's own drawing has its origin; the
// line is cut off where that area ends.
class LineControl : public QWidget {
public:
    LineControl(QWidget* parent, int x1, int x2, int y, BgrColor color);

    void setY1(double y);
    void setY2(double y);
    double y1() const { return m_y1; }
    double y2() const { return m_y2; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    int m_x1;
    int m_x2;
    double m_y1;
    double m_y2;
    BgrColor m_color;
};
